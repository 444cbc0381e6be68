// KavoApi.cs - the interface of KavoApi.dll for .NET hosts (P/Invoke).
//
// Made by tools/gen-bindings from include/kavoapi.h, which documents every
// function; do not edit it by hand, change the header and run the tool.
// The module is a 32-bit DLL: a host that loads it runs as a 32-bit process.
// Records are packed and laid out byte for byte as the header's; those
// without pointers have an explicit size, those with pointers say their
// size in a 32-bit and in a 64-bit process.  8-bit texts are in the ANSI
// code page; a buffer the module fills is a StringBuilder whose capacity
// the caller sets and passes as the size, as in C.

using System;
using System.Runtime.InteropServices;
using System.Text;

namespace Kavo
{
    [StructLayout(LayoutKind.Sequential)]
    public struct RECT
    {
        public int left, top, right, bottom;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 4, CharSet = CharSet.Ansi)]
    public struct varbuf_date
    {
        public byte day;
        public byte month;
        public ushort year;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 16, CharSet = CharSet.Ansi)]
    public struct propar_entry
    {
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 5)] public string key;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 11)] public string value;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 429, CharSet = CharSet.Ansi)]
    public struct room
    {
        public short valid;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 11)] public string rcd;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 31)] public string rnm;
        public short rrt;
        public float rle;
        public float rwi;
        public float rhe;
        public float rhz;
        public float rdz;
        public short rcs;
        public float rts;
        public float rds;
        public float rrs;
        public short rcw;
        public float rtw;
        public float rdw;
        public float rrw;
        public float rpc;
        public float rph;
        public short rac;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 8)] public float[] ra;
        public float rqr;
        public float rq2;
        public float rq3;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 201)] public string rnt;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 80)] public byte[] host1;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 140, CharSet = CharSet.Ansi)]
    public struct wall_entry
    {
        public float wh;
        public float ww;
        public float wa;
        public short wt;
        public short w1;
        public float w2;
        public float w3;
        public float w4;
        public float w5;
        public float w6;
        public float w7;
        public float w8;
        public float ws;
        public float wl;
        public float wi;
        public float wu;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 80)] public byte[] host1;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 110, CharSet = CharSet.Ansi)]
    public struct ceiling_entry
    {
        public float cl;
        public float cw;
        public float ca;
        public short ct;
        public float cs;
        public float cl2;
        public float ci;
        public float cu;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 80)] public byte[] host1;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 854, CharSet = CharSet.Ansi)]
    public struct surfaces
    {
        public short valid;
        public short sin;
        public float sam;
        public float sir;
        public short sch;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 60)] public byte[] host1;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 4)] public wall_entry[] walls;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 2)] public ceiling_entry[] ceilings;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 139, CharSet = CharSet.Ansi)]
    public struct summary
    {
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 31)] public string tag;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 6)] public byte[] host1;
        public short q_state;
        public float q_unit;
        public short dp1_state;
        public float dp1;
        public short dp2_state;
        public float dp2;
        public short ad_state;
        public float ad;
        public float a_value;
        public short ub;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 72)] public byte[] host2;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 525, CharSet = CharSet.Ansi)]
    public struct installation
    {
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 31)] public string tag;
        public short valid;
        public short imp;
        public float iih;
        public float ias;
        public short inr;
        public short inc;
        public short int_;
        public short inv;
        public short inw;
        public short iln;
        public short ivp;
        public short ivl;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 20)] public short[] ir;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 20)] public short[] ic;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 50)] public short[] it;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 50)] public short[] ig;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 50)] public short[] ij;
        public short cfi;
        public float cvl;
        public short ivf;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 78)] public byte[] host1;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 297, CharSet = CharSet.Ansi)]
    public struct oe_data
    {
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 31)] public string tag;
        public short oqm_state;
        public float oqm;
        public short oqv_state;
        public float oqv;
        public short odp_state;
        public float odp;
        public short oad_state;
        public float oad;
        public short olb_state;
        public float olb;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 8)] public float[] ol;
        public float orn;
        public float ocn;
        public short olr_state;
        public float olr;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 8)] public float[] or_;
        public float orr;
        public float ocr;
        public short eqm_state;
        public float eqm;
        public short eqv_state;
        public float eqv;
        public short edp_state;
        public float edp;
        public short ead_state;
        public float ead;
        public short elb_state;
        public float elb;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 8)] public float[] el;
        public float ern;
        public float ecn;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 80)] public byte[] host1;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 94, CharSet = CharSet.Ansi)]
    public struct h_data
    {
        public short valid;
        public short hiu;
        public short hpo;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 88)] public byte[] host1;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 82, CharSet = CharSet.Ansi)]
    public struct s_data
    {
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 21)] public ushort[] sid;
        public short sdw;
        public short sdh;
        public short sdl;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 8)] public float[] sl;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 2)] public byte[] host1;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 76, CharSet = CharSet.Ansi)]
    public struct u_data
    {
        public short uss;
        public short usw;
        public float uc1;
        public float uc2;
        public float uc3;
        public float uc4;
        public float uq1;
        public float uq2;
        public float um1;
        public float um2;
        public float uw1;
        public float uw2;
        public float ut1;
        public float ut2;
        public float uv1;
        public float uv2;
        public float ut5;
        public float ut6;
        public float uv5;
        public float uv6;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 194, CharSet = CharSet.Ansi)]
    public struct m_data
    {
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 31)] public string w_tag;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 31)] public string s_tag;
        public short mja_state;
        public float mja;
        public short map_state;
        public float map;
        public short s_state;
        public sbyte mas;
        public float mqs;
        public float mts;
        public float md1;
        public float mp1;
        public short w_state;
        public sbyte maw;
        public float mqw;
        public float mtw;
        public float md5;
        public float mp5;
        public short msf_state;
        public short msf;
        public short msb;
        public short mpp_state;
        public float mpp;
        public short msd;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 68)] public byte[] host1;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 170, CharSet = CharSet.Ansi)]
    public struct d_data
    {
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 31)] public string w_tag;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 31)] public string s_tag;
        public short s_state;
        public float dqs;
        public float dts;
        public short w_state;
        public float dqw;
        public float dtw;
        public float dto;
        public float dzp;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 80)] public byte[] host1;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 1476, CharSet = CharSet.Ansi)]
    public struct beam_module
    {
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 31)] public string w_tag;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 31)] public string s_tag;
        public short s1_state;
        public short s2_state;
        public float ba1;
        public byte bcs;
        public sbyte bas;
        public sbyte bat;
        public float bq1;
        public float br1;
        public float bq3;
        public float bt1;
        public float bv1;
        public float bt2;
        public float bt3;
        public float bt4;
        public float bta;
        public float bq2;
        public float bp1;
        public float bp3;
        public float bp4;
        public float bp2;
        public float b3p;
        public float b4p;
        public float bd1;
        public float be1;
        public float bd2;
        public float be2;
        public float bc3;
        public float bd3;
        public float bd4;
        public float bl1;
        public float bl2;
        public float bl3;
        public byte bc1;
        public float bc2;
        public float bc4;
        public float bca;
        public short w1_state;
        public short w2_state;
        public float ba5;
        public byte bcw;
        public sbyte baw;
        public sbyte bax;
        public float bq5;
        public float br5;
        public float bq7;
        public float bt5;
        public float bv5;
        public float bt6;
        public float bt7;
        public float bt8;
        public float bt9;
        public float bq6;
        public float bp5;
        public float bp8;
        public float bp9;
        public float bp6;
        public float b8p;
        public float b9p;
        public float bp7;
        public float bd5;
        public float be5;
        public float bd6;
        public float be6;
        public float bc7;
        public float bd7;
        public float bd8;
        public float bl5;
        public float bl6;
        public float bl7;
        public byte bc5;
        public float bc6;
        public float bc8;
        public float bc9;
        public short blb;
        public short blc;
        public short bld;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 3)] public string bzl;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 3)] public string bzr;
        public short bil;
        public short bir;
        public short mja_state;
        public float mja;
        public short bps;
        public float bpd;
        public float bph;
        public float bpa;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 31)] public string bsi;
        public short bsp;
        public short bsn;
        public float bsd;
        public short bap_state;
        public float bap;
        public short bnb;
        public byte bsw;
        public short bub;
        public float bm1;
        public float bm2;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 80)] public byte[] host1;
        public short cnb_state;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 5)] public string cnb;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 9)] public string cni;
        public float cnd;
        public short cnc;
        public float cfl;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 40)] public propar_entry[] propar;
        public short propar_count;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 312)] public string accessories;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 1334, CharSet = CharSet.Ansi)]
    public struct panel_module
    {
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 31)] public string w_tag;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 31)] public string s_tag;
        public short s1_state;
        public short s2_state;
        public byte pcs;
        public sbyte pas;
        public sbyte pat;
        public float pq1;
        public float pr1;
        public float pt1;
        public float pt2;
        public float pt3;
        public float pq2;
        public float pd2;
        public float pe2;
        public float pe3;
        public float pp1;
        public short w1_state;
        public short w2_state;
        public byte pcw;
        public sbyte paw;
        public sbyte pax;
        public float pq5;
        public float pr5;
        public float pt5;
        public float pt6;
        public float pt7;
        public float pq6;
        public float pd6;
        public float pe6;
        public float pe7;
        public float pp5;
        public short pap_state;
        public float pap;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 41)] public string pnb;
        public short pqd;
        public short pwp;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 81)] public string pws;
        public short psf_state;
        public short psf;
        public short psb;
        public short pfa_state;
        public float pfa;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 1034)] public byte[] host1;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 22368, CharSet = CharSet.Ansi)]
    public struct designdata
    {
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 22)] public byte[] host1;
        public short design_case;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 31)] public string design_id;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 338)] public byte[] host2;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 40)] public propar_entry[] propar;
        public short propar_count;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 642)] public byte[] host3;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 446)] public string accessories;
        public short module_count;
        public short module_index;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 2007)] public byte[] host4;
        public room room;
        public surfaces surfaces;
        public summary summary;
        public installation installation;
        public m_data m_data;
        public d_data d_data;
        public oe_data oe_data;
        public h_data h_data;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 1040)] public byte[] host5;
        public s_data s_data;
        public u_data u_data;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 3)] public panel_module[] panels;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 7)] public beam_module[] beams;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 1040, CharSet = CharSet.Ansi)]
    public struct drawingdata
    {
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 31)] public string tag;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 11)] public string pdr;
        public varbuf_date pda;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 21)] public string pcl;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 21)] public string ppj;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 41)] public string ppr;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 41)] public string pdn;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 41)] public string ptn;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 11)] public string pmi;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 81)] public string pmo;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 11)] public string pmb;
        public varbuf_date pdm;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 40)] public propar_entry[] extras;
        public short extra_count;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 80)] public byte[] host1;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 600, CharSet = CharSet.Ansi)]
    public struct qareg_key
    {
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 300)] public string path;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 300)] public string valueName;
    }

    // 12 bytes in a 32-bit process, 16 in a 64-bit one.
    [StructLayout(LayoutKind.Sequential, Pack = 1, CharSet = CharSet.Ansi)]
    public struct gwarray
    {
        public IntPtr data;
        public int count;
        public int elemSize;
    }

    // 20 bytes in a 32-bit process, 24 in a 64-bit one.
    [StructLayout(LayoutKind.Sequential, Pack = 1, CharSet = CharSet.Ansi)]
    public struct qlw_owner_draw
    {
        public IntPtr dc;
        public int left;
        public int top;
        public int right;
        public int bottom;
    }

    // 1056 bytes in a 32-bit process, 1060 in a 64-bit one.
    [StructLayout(LayoutKind.Sequential, Pack = 1, CharSet = CharSet.Ansi)]
    public struct qlw_header_strip
    {
        public uint host_word;
        public IntPtr font;
        public int column_count;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 30)] public int[] column_x;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 30)] public float[] column_ratio;
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 400)] public ushort[] caption;
        public ushort fixed_font;
        public short chars_across;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 101, CharSet = CharSet.Ansi)]
    public struct font_info
    {
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 9)] public string name;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 80)] public string face;
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 4)] public string style;
        public ushort height;
        public short angle;
        public byte opaque;
        public byte red;
        public byte green;
        public byte blue;
    }

    [StructLayout(LayoutKind.Sequential, Pack = 1, Size = 16, CharSet = CharSet.Ansi)]
    public struct pen_info
    {
        [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 9)] public string name;
        public short style;
        public ushort width;
        public byte red;
        public byte green;
        public byte blue;
    }

    // 16 bytes in a 32-bit process, 20 in a 64-bit one.
    [StructLayout(LayoutKind.Sequential, Pack = 1, CharSet = CharSet.Ansi)]
    public struct qat_memoinfo
    {
        public IntPtr text;
        public int position;
        public int length;
        public short font_height;
        public short max_width;
    }

    [UnmanagedFunctionPointer(CallingConvention.Cdecl, CharSet = CharSet.Ansi)]
    public delegate int qlw_callback(IntPtr window, int code, int @record, int column, IntPtr data);

    public static class KavoApi
    {
        public const string Dll = "KavoApi.dll";
        public const int QLW_MULTISEL = 1;
        public const int QLW_DOUBLEROW = 2;
        public const int QLW_CELLMODE = 4;
        public const int QLW_NOHEADER = 8;
        public const int QLW_TWOBANDS = 16;
        public const int QLW_NOVSCROLL = 32;
        public const int QLW_KEEPCOLORS = 64;
        public const int QLW_COL_SKIP = 1;
        public const int QLW_COL_OWNERDRAW = 2;
        public const int QLW_GETNREC = 101;
        public const int QLW_GETTEXT = 102;
        public const int QLW_DBLCLICK = 103;
        public const int QLW_RCLICK = 104;
        public const int QLW_ENTERKEY = 105;
        public const int QLW_ESCKEY = 106;
        public const int QLW_INSKEY = 107;
        public const int QLW_DELKEY = 108;
        public const int QLW_HDRCLICK = 109;
        public const int QLW_HDRRCLICK = 110;
        public const int QLW_DRAWCELL = 111;
        public const int QLW_GETTEXT2 = 112;
        public const int QLW_LCLICK = 113;
        public const int QLW_RCLICKEMPTY = 114;
        public const int QLW_GETNCELL = 115;
        public const int QLW_CANSELECT = 116;
        public const int QLW_GETHINT = 117;
        public const int QLW_TOPROW = 118;
        public const int QLW_GETSEPLINE = 119;
        public const int QLW_CURCHANGED = 120;
        public const int QLW_CLOSING = 999;
        public const int QLW_HDR_SETWIDTH = 1025;

        [DllImport(Dll, EntryPoint = "qa_varbuf_write_sz", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_write_sz(StringBuilder buffer, string key, string value, int size);

        [DllImport(Dll, EntryPoint = "qa_varbuf_write_flo", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_write_flo(StringBuilder buffer, string key, float value, int decimals, int size);

        [DllImport(Dll, EntryPoint = "qa_varbuf_write_sho", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_write_sho(StringBuilder buffer, string key, short value, int size);

        [DllImport(Dll, EntryPoint = "qa_varbuf_write_date", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_write_date(StringBuilder buffer, string key, ref varbuf_date date, int size);

        [DllImport(Dll, EntryPoint = "qa_varbuf_find_sz", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_find_sz(string buffer, string key, StringBuilder @out, int out_size);

        [DllImport(Dll, EntryPoint = "qa_varbuf_find_flo", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_find_flo(string buffer, string key, ref float @out);

        [DllImport(Dll, EntryPoint = "qa_varbuf_find_sho", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_find_sho(string buffer, string key, ref short @out);

        [DllImport(Dll, EntryPoint = "qa_varbuf_find_date", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_find_date(string buffer, string key, ref varbuf_date @out);

        [DllImport(Dll, EntryPoint = "qa_varbuf_read_room", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_read_room(ref room r, string text);

        [DllImport(Dll, EntryPoint = "qa_varbuf_write_room", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_write_room(ref room r, StringBuilder text, int size);

        [DllImport(Dll, EntryPoint = "qa_varbuf_read_installation", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_read_installation(ref installation inst, string text);

        [DllImport(Dll, EntryPoint = "qa_varbuf_write_installation", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_write_installation(ref installation inst, StringBuilder text, int size);

        [DllImport(Dll, EntryPoint = "qa_varbuf_write_beam", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_write_beam(ref beam_module beam, short s_case, short w_case, StringBuilder text, int size);

        [DllImport(Dll, EntryPoint = "qa_varbuf_write_panel", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_write_panel(ref panel_module panel, short s_case, short w_case, StringBuilder text, int size);

        [DllImport(Dll, EntryPoint = "qa_varbuf_read_designdata", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_read_designdata(ref designdata design, string text);

        [DllImport(Dll, EntryPoint = "qa_varbuf_write_designdata", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_write_designdata(ref designdata design, StringBuilder text, int size);

        [DllImport(Dll, EntryPoint = "qa_varbuf_beam_module_to_designdata", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_beam_module_to_designdata(ref designdata design, byte clear, byte with_room, string module_tag, string case_tag, string text);

        [DllImport(Dll, EntryPoint = "qa_varbuf_panel_module_to_designdata", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_panel_module_to_designdata(ref designdata design, byte clear, byte with_room, string case_tag, string text);

        [DllImport(Dll, EntryPoint = "qa_varbuf_read_drawingdata", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qa_varbuf_read_drawingdata(ref drawingdata drawing, string tag, string text);

        [DllImport(Dll, EntryPoint = "qa_varbuf_write_drawingdata", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qa_varbuf_write_drawingdata(ref drawingdata drawing, StringBuilder text, int size);

        [DllImport(Dll, EntryPoint = "qa_get_propar", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_get_propar([In] propar_entry[] entries, short count, string key, StringBuilder @out);

        [DllImport(Dll, EntryPoint = "qa_set_propar", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qa_set_propar([In, Out] propar_entry[] entries, ref short count, string key, string value);

        [DllImport(Dll, EntryPoint = "qa_varbuf_write_params_ex", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_write_params_ex([In] propar_entry[] entries, string accessories, ushort count, StringBuilder text, uint size);

        [DllImport(Dll, EntryPoint = "qa_varbuf_write_params", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_write_params(ref designdata design, StringBuilder text, uint size);

        [DllImport(Dll, EntryPoint = "qa_varbuf_write_bm_params", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_write_bm_params(ref beam_module beam, StringBuilder text, uint size);

        [DllImport(Dll, EntryPoint = "qa_varbuf_write_md_params", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_varbuf_write_md_params(ref designdata design, string text);

        [DllImport(Dll, EntryPoint = "qa_ext_params_to_szv", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qa_ext_params_to_szv(string first, string second, string third, StringBuilder @out);

        [DllImport(Dll, EntryPoint = "qa_find_ext_param_value", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_find_ext_param_value(string first, string second, string third, string key, StringBuilder @out, int out_size);

        [DllImport(Dll, EntryPoint = "qa_is_accessory_set", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_is_accessory_set(ref designdata design, string code);

        [DllImport(Dll, EntryPoint = "qa_is_accessory_set_sz", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_is_accessory_set_sz(string list, string code);

        [DllImport(Dll, EntryPoint = "unit_set_system", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void unit_set_system(string name);

        [DllImport(Dll, EntryPoint = "unit_get_system", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int unit_get_system();

        [DllImport(Dll, EntryPoint = "unit_trans", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern float unit_trans(int property, float value, int to_base);

        [DllImport(Dll, EntryPoint = "v_tr", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern float v_tr(int property, float value, int to_base);

        [DllImport(Dll, EntryPoint = "v_fit", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern float v_fit(int property, float value, int mode);

        [DllImport(Dll, EntryPoint = "unit_active_room_attenuation", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern float unit_active_room_attenuation();

        [DllImport(Dll, EntryPoint = "unit_get_label", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void unit_get_label(int property, StringBuilder @out);

        [DllImport(Dll, EntryPoint = "unit_get_label_wsz", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int unit_get_label_wsz(int property, [MarshalAs(UnmanagedType.LPWStr)] StringBuilder @out, int out_bytes);

        [DllImport(Dll, EntryPoint = "unit_get_ndes", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int unit_get_ndes(int property);

        [DllImport(Dll, EntryPoint = "unit_set_sz", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void unit_set_sz(StringBuilder @out, int property, float value, short with_label);

        [DllImport(Dll, EntryPoint = "unit_set_wsz", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void unit_set_wsz([MarshalAs(UnmanagedType.LPWStr)] StringBuilder @out, int out_chars, int property, float value, short with_label);

        [DllImport(Dll, EntryPoint = "v_tosz", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr v_tosz(int property, float value, int decimals, StringBuilder @out);

        [DllImport(Dll, EntryPoint = "unit_sz_inch_to_mm", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int unit_sz_inch_to_mm(StringBuilder text);

        [DllImport(Dll, EntryPoint = "unit_sz_mm_to_inch", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int unit_sz_mm_to_inch(StringBuilder text);

        [DllImport(Dll, EntryPoint = "unit_set_edit", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int unit_set_edit(IntPtr dialog, int edit_id, int label_id, int property, float value);

        [DllImport(Dll, EntryPoint = "unit_set_static", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int unit_set_static(IntPtr dialog, int value_id, int label_id, int property, float value);

        [DllImport(Dll, EntryPoint = "unit_set_static_label", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int unit_set_static_label(IntPtr dialog, int label_id, int property);

        [DllImport(Dll, EntryPoint = "unit_get_edit", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int unit_get_edit(IntPtr dialog, int edit_id, int property, ref float @out, float minimum, float maximum, int warn);

        [DllImport(Dll, EntryPoint = "qa_absorption_dlg", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_absorption_dlg(IntPtr parent, ref short absorption_class, ref float coefficients);

        [DllImport(Dll, EntryPoint = "qa_init_paths", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qa_init_paths(string title, string dir1, string dir2, string dir3, string ini_file);

        [DllImport(Dll, EntryPoint = "qa_getinifilename", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qa_getinifilename(StringBuilder @out);

        [DllImport(Dll, EntryPoint = "qa_set_adminmode", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern short qa_set_adminmode(short mode);

        [DllImport(Dll, EntryPoint = "qa_get_adminmode", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern short qa_get_adminmode();

        [DllImport(Dll, EntryPoint = "qareg_set_kavo_branch_name", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qareg_set_kavo_branch_name(string name);

        [DllImport(Dll, EntryPoint = "qlg_init", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlg_init(string file1, string file2);

        [DllImport(Dll, EntryPoint = "qlg_release", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qlg_release();

        [DllImport(Dll, EntryPoint = "qlg_openDOS", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern short qlg_openDOS();

        [DllImport(Dll, EntryPoint = "qlg_closeDOS", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qlg_closeDOS();

        [DllImport(Dll, EntryPoint = "qlg_closeDOStotally", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qlg_closeDOStotally();

        [DllImport(Dll, EntryPoint = "qlg_set_language", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern short qlg_set_language(string name);

        [DllImport(Dll, EntryPoint = "qlg_get_language_id", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern short qlg_get_language_id();

        [DllImport(Dll, EntryPoint = "qlg_get_all_languages", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qlg_get_all_languages(ref gwarray names);

        [DllImport(Dll, EntryPoint = "qlg_attId_for_sapLng", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern short qlg_attId_for_sapLng(string sap_language);

        [DllImport(Dll, EntryPoint = "qlg_copy", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qlg_copy(StringBuilder @out, int text_id, int size);

        [DllImport(Dll, EntryPoint = "qlg_copy_wsz", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qlg_copy_wsz([MarshalAs(UnmanagedType.LPWStr)] StringBuilder @out, int text_id, int size_bytes);

        [DllImport(Dll, EntryPoint = "qlg_copy_saplng", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qlg_copy_saplng(StringBuilder @out, int text_id, int size, string sap_language);

        [DllImport(Dll, EntryPoint = "qlg_copy_saplng_wsz", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qlg_copy_saplng_wsz([MarshalAs(UnmanagedType.LPWStr)] StringBuilder @out, int text_id, int size_bytes, string sap_language);

        [DllImport(Dll, EntryPoint = "qlg_copy_def", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qlg_copy_def(StringBuilder @out, int text_id, int size, string def);

        [DllImport(Dll, EntryPoint = "qlg_copy_wsz_def", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qlg_copy_wsz_def([MarshalAs(UnmanagedType.LPWStr)] StringBuilder @out, int text_id, int size_bytes, string def);

        [DllImport(Dll, EntryPoint = "qlg_copy_columns_def", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qlg_copy_columns_def(StringBuilder first, StringBuilder second, int text_id, short size, string def);

        [DllImport(Dll, EntryPoint = "qlg_copy_columns_wsz_def", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qlg_copy_columns_wsz_def([MarshalAs(UnmanagedType.LPWStr)] StringBuilder first, [MarshalAs(UnmanagedType.LPWStr)] StringBuilder second, int text_id, short size_bytes, string def);

        [DllImport(Dll, EntryPoint = "qlg_setdlgitemname", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qlg_setdlgitemname(IntPtr dialog, int item, int text_id);

        [DllImport(Dll, EntryPoint = "qlg_setdlgitemname_def", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qlg_setdlgitemname_def(IntPtr dialog, int item, int text_id, string def);

        [DllImport(Dll, EntryPoint = "qlg_setdlgitemname_wsz", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qlg_setdlgitemname_wsz(IntPtr dialog, int item, int text_id);

        [DllImport(Dll, EntryPoint = "qlg_setdlgitemname_wsz_def", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qlg_setdlgitemname_wsz_def(IntPtr dialog, int item, int text_id, string def);

        [DllImport(Dll, EntryPoint = "qlg_set_dlgitem_txts", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qlg_set_dlgitem_txts(IntPtr dialog, ref int pairs, int count);

        [DllImport(Dll, EntryPoint = "qlg_set_dlgitem_wtxts", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qlg_set_dlgitem_wtxts(IntPtr dialog, ref int pairs, int count);

        [DllImport(Dll, EntryPoint = "qlg_setdlgname", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qlg_setdlgname(IntPtr window, int text_id);

        [DllImport(Dll, EntryPoint = "qlg_setdlgname_extra_wsz", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qlg_setdlgname_extra_wsz(IntPtr window, int text_id, [MarshalAs(UnmanagedType.LPWStr)] string extra);

        [DllImport(Dll, EntryPoint = "qlg_setdlgname_wsz", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qlg_setdlgname_wsz(IntPtr window, int text_id);

        [DllImport(Dll, EntryPoint = "qlg_okmsg", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlg_okmsg(IntPtr owner, int text_id, string def);

        [DllImport(Dll, EntryPoint = "qlg_okcancelmsg", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlg_okcancelmsg(IntPtr owner, int text_id, string def);

        [DllImport(Dll, EntryPoint = "qa_sz2wsz_acp", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qa_sz2wsz_acp(string @in, [MarshalAs(UnmanagedType.LPWStr)] StringBuilder @out, int out_bytes);

        [DllImport(Dll, EntryPoint = "qa_sz2wsz_byqlg", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_sz2wsz_byqlg(string @in, [MarshalAs(UnmanagedType.LPWStr)] StringBuilder @out, int out_bytes);

        [DllImport(Dll, EntryPoint = "qa_wsz2sz_acp", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qa_wsz2sz_acp([MarshalAs(UnmanagedType.LPWStr)] string @in, StringBuilder @out, int out_bytes);

        [DllImport(Dll, EntryPoint = "qcq_init", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qcq_init(string file1, string file2);

        [DllImport(Dll, EntryPoint = "qcq_release", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qcq_release();

        [DllImport(Dll, EntryPoint = "qcq_handle", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern short qcq_handle();

        [DllImport(Dll, EntryPoint = "qcq_openDOS", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern short qcq_openDOS();

        [DllImport(Dll, EntryPoint = "qcq_closeDOS", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qcq_closeDOS();

        [DllImport(Dll, EntryPoint = "qcq_closeDOStotally", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qcq_closeDOStotally();

        [DllImport(Dll, EntryPoint = "qcq_open_for_update", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern short qcq_open_for_update();

        [DllImport(Dll, EntryPoint = "qareg_init", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qareg_init(string company, string branch, string group, string value_name, ref qareg_key @out);

        [DllImport(Dll, EntryPoint = "qareg_get_data", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qareg_get_data(IntPtr root, ref qareg_key key, int size, StringBuilder @out);

        [DllImport(Dll, EntryPoint = "qareg_set_data", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qareg_set_data(IntPtr root, ref qareg_key key, string value);

        [DllImport(Dll, EntryPoint = "qareg_get_userprofile_unitsystem", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qareg_get_userprofile_unitsystem(StringBuilder @out, int size);

        [DllImport(Dll, EntryPoint = "qareg_get_qbase_path", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qareg_get_qbase_path(StringBuilder @out, int size);

        [DllImport(Dll, EntryPoint = "qareg_set_qbase_path", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qareg_set_qbase_path(string path);

        [DllImport(Dll, EntryPoint = "qareg_set_default_room", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qareg_set_default_room(string text);

        [DllImport(Dll, EntryPoint = "qa_get_default_room", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_get_default_room(ref room @out);

        [DllImport(Dll, EntryPoint = "qa_set_default_room", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_set_default_room(ref room @in);

        [DllImport(Dll, EntryPoint = "qlw_registerclass", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_registerclass(IntPtr instance);

        [DllImport(Dll, EntryPoint = "qlw_init", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qlw_init(IntPtr parent, int x, int y, int width, int height, qlw_callback callback, int flags);

        [DllImport(Dll, EntryPoint = "qlw_init_wc", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qlw_init_wc(IntPtr parent, int x, int y, int width, int height, qlw_callback callback, int flags);

        [DllImport(Dll, EntryPoint = "qlw_init_control", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_init_control(IntPtr window, qlw_callback callback, int flags);

        [DllImport(Dll, EntryPoint = "qlw_init_control_wc", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_init_control_wc(IntPtr window, qlw_callback callback, int flags);

        [DllImport(Dll, EntryPoint = "qlw_init_column", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_init_column(IntPtr window, uint width, string text1, string text2, uint flags);

        [DllImport(Dll, EntryPoint = "qlw_init_column_wc", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_init_column_wc(IntPtr window, uint width, [MarshalAs(UnmanagedType.LPWStr)] string text1, [MarshalAs(UnmanagedType.LPWStr)] string text2, uint flags);

        [DllImport(Dll, EntryPoint = "qlw_init_subcolumn_wc", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_init_subcolumn_wc(IntPtr window, uint width, uint group, [MarshalAs(UnmanagedType.LPWStr)] string text1, [MarshalAs(UnmanagedType.LPWStr)] string text2, uint flags);

        [DllImport(Dll, EntryPoint = "qlw_delete_columns", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_delete_columns(IntPtr window);

        [DllImport(Dll, EntryPoint = "qlw_set_showed_ncol", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_set_showed_ncol(IntPtr window, int n);

        [DllImport(Dll, EntryPoint = "qlw_start", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_start(IntPtr window);

        [DllImport(Dll, EntryPoint = "qlw_regen_columns", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_regen_columns(IntPtr window);

        [DllImport(Dll, EntryPoint = "qlw_regen", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_regen(IntPtr window, uint force);

        [DllImport(Dll, EntryPoint = "qlw_get_nmb_of_columns", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_get_nmb_of_columns(IntPtr window);

        [DllImport(Dll, EntryPoint = "qlw_get_column_info_wc", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_get_column_info_wc(IntPtr window, int column, ref uint width, [MarshalAs(UnmanagedType.LPWStr)] StringBuilder text1, [MarshalAs(UnmanagedType.LPWStr)] StringBuilder text2, ref uint flags);

        [DllImport(Dll, EntryPoint = "qlw_get_column_info", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_get_column_info(IntPtr window, int column, ref uint width, StringBuilder text1, StringBuilder text2, ref uint flags);

        [DllImport(Dll, EntryPoint = "qlw_get_current_rec", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_get_current_rec(IntPtr window);

        [DllImport(Dll, EntryPoint = "qlw_get_current_col", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_get_current_col(IntPtr window);

        [DllImport(Dll, EntryPoint = "qlw_get_current_cell", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_get_current_cell(IntPtr window);

        [DllImport(Dll, EntryPoint = "qlw_set_current_rec", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_set_current_rec(IntPtr window, int @record);

        [DllImport(Dll, EntryPoint = "qlw_set_current_col", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_set_current_col(IntPtr window, int column);

        [DllImport(Dll, EntryPoint = "qlw_set_current_cell", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_set_current_cell(IntPtr window, int cell);

        [DllImport(Dll, EntryPoint = "qlw_set_select", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_set_select(IntPtr window, int @record, byte value);

        [DllImport(Dll, EntryPoint = "qlw_unselect_all", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_unselect_all(IntPtr window);

        [DllImport(Dll, EntryPoint = "qlw_rec_is_selected", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_rec_is_selected(IntPtr window, int @record);

        [DllImport(Dll, EntryPoint = "qlw_get_nmb_of_selected_recs", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_get_nmb_of_selected_recs(IntPtr window);

        [DllImport(Dll, EntryPoint = "qlw_set_rowheight", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_set_rowheight(IntPtr window, int height);

        [DllImport(Dll, EntryPoint = "qlw_set_header_font", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_set_header_font(IntPtr window, IntPtr font);

        [DllImport(Dll, EntryPoint = "qlw_set_header_font2", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_set_header_font2(IntPtr window, IntPtr font);

        [DllImport(Dll, EntryPoint = "qlw_set_textcolor", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_set_textcolor(IntPtr window, uint colour);

        [DllImport(Dll, EntryPoint = "qlw_set_sort_column", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_set_sort_column(IntPtr window, int column, ushort ascending);

        [DllImport(Dll, EntryPoint = "qlw_link_selections_and_hscrolls", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_link_selections_and_hscrolls(IntPtr window1, IntPtr window2);

        [DllImport(Dll, EntryPoint = "qlw_invalidate_rec", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_invalidate_rec(IntPtr window, int @record);

        [DllImport(Dll, EntryPoint = "qlw_get_cellrect", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_get_cellrect(IntPtr window, int @record, int column, ref RECT rect);

        [DllImport(Dll, EntryPoint = "qlw_window_is_qlw", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_window_is_qlw(IntPtr window);

        [DllImport(Dll, EntryPoint = "qlw_write_txt", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_write_txt(IntPtr hdc, int x, int y, int max_width, string text);

        [DllImport(Dll, EntryPoint = "qlw_write_wtxt", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qlw_write_wtxt(IntPtr hdc, int x, int y, int max_width, [MarshalAs(UnmanagedType.LPWStr)] string text);

        [DllImport(Dll, EntryPoint = "qa_msgbox", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_msgbox(IntPtr owner, uint kind, string text);

        [DllImport(Dll, EntryPoint = "qa_chkmsgbox", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_chkmsgbox(IntPtr owner, [MarshalAs(UnmanagedType.LPWStr)] string message, [MarshalAs(UnmanagedType.LPWStr)] string check_text);

        [DllImport(Dll, EntryPoint = "qa_timedmsgbox", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_timedmsgbox(IntPtr owner, [MarshalAs(UnmanagedType.LPWStr)] string message, uint seconds);

        [DllImport(Dll, EntryPoint = "qa_modeless_timedmsgbox", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qa_modeless_timedmsgbox(IntPtr owner, [MarshalAs(UnmanagedType.LPWStr)] string message, uint seconds, uint tall);

        // The module keeps the text: pass memory that lives while it is used.
        [DllImport(Dll, EntryPoint = "qat_memoinfo_init", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qat_memoinfo_init(ref qat_memoinfo info, IntPtr text, ushort font_height, ushort max_width);

        // The module keeps the text: pass memory that lives while it is used.
        [DllImport(Dll, EntryPoint = "qat_memoinfo_init_wc", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qat_memoinfo_init_wc(ref qat_memoinfo info, IntPtr text, ushort font_height, ushort max_width);

        [DllImport(Dll, EntryPoint = "qat_getnextmemorow", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qat_getnextmemorow(ref qat_memoinfo info, StringBuilder row, uint size);

        [DllImport(Dll, EntryPoint = "qat_getnextmemorow_wc", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qat_getnextmemorow_wc(ref qat_memoinfo info, [MarshalAs(UnmanagedType.LPWStr)] StringBuilder row, uint size);

        [DllImport(Dll, EntryPoint = "qa_popup_add", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_popup_add(IntPtr menu, int text_id, uint command, uint enabled, string caption);

        [DllImport(Dll, EntryPoint = "qa_popup_add_submenu", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_popup_add_submenu(IntPtr menu, int text_id, uint submenu, uint enabled, string caption);

        [DllImport(Dll, EntryPoint = "qa_popup_add_wsz", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_popup_add_wsz(IntPtr menu, int text_id, uint command, uint enabled, string caption);

        [DllImport(Dll, EntryPoint = "qa_popup_add_submenu_wsz", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_popup_add_submenu_wsz(IntPtr menu, int text_id, uint submenu, uint enabled, string caption);

        [DllImport(Dll, EntryPoint = "qa_popup_pc", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_popup_pc(IntPtr owner);

        [DllImport(Dll, EntryPoint = "tooltip_registerclass", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int tooltip_registerclass(IntPtr instance);

        [DllImport(Dll, EntryPoint = "qa_create_control_tooltip_window", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qa_create_control_tooltip_window();

        // The module keeps the text: pass memory that lives while it is used.
        [DllImport(Dll, EntryPoint = "qa_attach_control_to_tooltip_window", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_attach_control_to_tooltip_window(IntPtr tooltip, IntPtr dialog, int control_id, IntPtr text);

        [DllImport(Dll, EntryPoint = "qa_set_tooltip_header_and_icon", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_set_tooltip_header_and_icon(IntPtr tooltip, [MarshalAs(UnmanagedType.LPWStr)] string title, uint icon);

        [DllImport(Dll, EntryPoint = "qafont_check", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qafont_check(string name, string face, string style, ushort height, short angle, byte opaque, byte red, byte green, byte blue);

        [DllImport(Dll, EntryPoint = "qafont_select", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern ushort qafont_select(IntPtr hdc, string name);

        [DllImport(Dll, EntryPoint = "qafont_Hmm10", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern ushort qafont_Hmm10(string name);

        [DllImport(Dll, EntryPoint = "qafont_get_info", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qafont_get_info(string name, ref font_info info);

        [DllImport(Dll, EntryPoint = "qafont_get_charsetID", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern ushort qafont_get_charsetID(string language);

        [DllImport(Dll, EntryPoint = "qafont_codepage_for_charset", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern uint qafont_codepage_for_charset(ushort charset);

        [DllImport(Dll, EntryPoint = "qafont_create_systemfont", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qafont_create_systemfont(int height, int weight, string face, string language);

        [DllImport(Dll, EntryPoint = "qafont_get_systemfont", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qafont_get_systemfont();

        [DllImport(Dll, EntryPoint = "qafont_get_systemfont_cset", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern ushort qafont_get_systemfont_cset();

        [DllImport(Dll, EntryPoint = "qafont_release_systemfont", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qafont_release_systemfont();

        [DllImport(Dll, EntryPoint = "qafont_create_pixelfont", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qafont_create_pixelfont(int height, int weight, string face, string language);

        [DllImport(Dll, EntryPoint = "qafont_create_gui_font", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qafont_create_gui_font(int height, int weight);

        [DllImport(Dll, EntryPoint = "qafont_init_qcq_charset", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern ushort qafont_init_qcq_charset(string language);

        [DllImport(Dll, EntryPoint = "qafont_qcq_charset", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern ushort qafont_qcq_charset();

        [DllImport(Dll, EntryPoint = "qafont_create_qcqTablefont", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qafont_create_qcqTablefont(int height, int weight, string face);

        [DllImport(Dll, EntryPoint = "qafont_cxpix_arial", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern ushort qafont_cxpix_arial(string text, ushort height);

        [DllImport(Dll, EntryPoint = "qafont_cxpix_arial_wc", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern ushort qafont_cxpix_arial_wc([MarshalAs(UnmanagedType.LPWStr)] string text, ushort height);

        [DllImport(Dll, EntryPoint = "qapen_check", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qapen_check(string name, short style, ushort width, byte red, byte green, byte blue);

        [DllImport(Dll, EntryPoint = "qapen_select", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern ushort qapen_select(IntPtr hdc, string name);

        [DllImport(Dll, EntryPoint = "qapen_Wmm10", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern ushort qapen_Wmm10(string name);

        [DllImport(Dll, EntryPoint = "qapen_get_info", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qapen_get_info(string name, ref pen_info info);

        [DllImport(Dll, EntryPoint = "qa_setdlgfont", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qa_setdlgfont(IntPtr dialog);

        [DllImport(Dll, EntryPoint = "qa_drawlabel", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern ushort qa_drawlabel(IntPtr hdc, int x, int y, string text, string main_font, string small_font, int align);

        [DllImport(Dll, EntryPoint = "qa_drawlabelw", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern ushort qa_drawlabelw(IntPtr hdc, int x, int y, string text, string main_font, string small_font, int align);

        [DllImport(Dll, EntryPoint = "qa_drawline", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_drawline(IntPtr hdc, short x1, short y1, short x2, short y2, string pen);

        [DllImport(Dll, EntryPoint = "qa_drawtable", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_drawtable(IntPtr hdc, short x, short y, int column_width, int row_height, short rows, short columns, string grid_pen, string frame_pen);

        [DllImport(Dll, EntryPoint = "qa_dib_read", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qa_dib_read(string file_name);

        [DllImport(Dll, EntryPoint = "qa_dib_release", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qa_dib_release(IntPtr dib);

        [DllImport(Dll, EntryPoint = "qa_dib_get_size", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qa_dib_get_size(IntPtr dib, ref int width, ref int height);

        [DllImport(Dll, EntryPoint = "qa_dib_draw", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_dib_draw(IntPtr hdc, IntPtr dib, int x, int y, int w, int h, int fit);

        [DllImport(Dll, EntryPoint = "qa_dib_draw_file", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_dib_draw_file(IntPtr hdc, string file_name, int x, int y, int w, int h, int unused);

        [DllImport(Dll, EntryPoint = "qa_dib_create_palette", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qa_dib_create_palette(IntPtr dib);

        [DllImport(Dll, EntryPoint = "qa_dib_to_clipboard", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_dib_to_clipboard(IntPtr owner, IntPtr dib);

        [DllImport(Dll, EntryPoint = "gdi_bmpw_registerclass", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int gdi_bmpw_registerclass(IntPtr instance);

        [DllImport(Dll, EntryPoint = "gdi_bmpctrl_setbmp", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void gdi_bmpctrl_setbmp(IntPtr dialog, int control_id, string file_name, int fit);

        [DllImport(Dll, EntryPoint = "gdi_bmpctrl_set_white_bkg", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void gdi_bmpctrl_set_white_bkg(IntPtr dialog, int control_id);

        [DllImport(Dll, EntryPoint = "qa_gif_read_dib", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qa_gif_read_dib(string file_name);

        [DllImport(Dll, EntryPoint = "qa_wmf_read", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qa_wmf_read(string file_name, ref float aspect);

        [DllImport(Dll, EntryPoint = "qa_wmf_draw", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_wmf_draw(IntPtr hdc, IntPtr metafile, int left, int top, int right, int bottom);

        [DllImport(Dll, EntryPoint = "qa_wmf_to_clipboard", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_wmf_to_clipboard(IntPtr metafile, int width, int height);

        [DllImport(Dll, EntryPoint = "qa_set_net_download_info", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qa_set_net_download_info(short offline, string access_user, string access_password, string qmodel_base_url, string thumbnail_base_url);

        [DllImport(Dll, EntryPoint = "qa_is_net_offline", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern short qa_is_net_offline();

        [DllImport(Dll, EntryPoint = "qa_set_qmodel_test_url", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qa_set_qmodel_test_url(string url);

        [DllImport(Dll, EntryPoint = "qa_set_thumbnail_test_url", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qa_set_thumbnail_test_url(string url);

        [DllImport(Dll, EntryPoint = "qa_get_full_qmodel_URL", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_get_full_qmodel_URL(string name, StringBuilder @out);

        [DllImport(Dll, EntryPoint = "qa_web_page_thumbnail_URL", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qa_web_page_thumbnail_URL(string id, StringBuilder @out);

        [DllImport(Dll, EntryPoint = "qa_file_download", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_file_download(IntPtr owner, string url, string file_name);

        [DllImport(Dll, EntryPoint = "qa_file_stream_download", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qa_file_stream_download(IntPtr owner, string url, ref int size);

        [DllImport(Dll, EntryPoint = "qa_file_get_content_type", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern short qa_file_get_content_type(IntPtr owner, string url, StringBuilder @out, int out_size);

        [DllImport(Dll, EntryPoint = "qa_read_qmodel", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_read_qmodel(string name, byte show_message);

        [DllImport(Dll, EntryPoint = "qa_read_qmodel_to_stream", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr qa_read_qmodel_to_stream(string name, byte show_message, ref int size);

        [DllImport(Dll, EntryPoint = "qa_release_file_stream", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qa_release_file_stream(IntPtr stream);

        [DllImport(Dll, EntryPoint = "qa_get_offline_image_full_filename", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_get_offline_image_full_filename(string name, StringBuilder @out, int out_size);

        [DllImport(Dll, EntryPoint = "qa_get_offline_image_full_filename_wsz", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_get_offline_image_full_filename_wsz(string name, [MarshalAs(UnmanagedType.LPWStr)] StringBuilder @out, int out_size);

        [DllImport(Dll, EntryPoint = "qa_set_image_file_extension_by_contenttype", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qa_set_image_file_extension_by_contenttype(StringBuilder file_name, string content_type);

        [DllImport(Dll, EntryPoint = "qa_findfile", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_findfile(StringBuilder @out, string name, int show_message);

        [DllImport(Dll, EntryPoint = "qa_findfilew", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_findfilew([MarshalAs(UnmanagedType.LPWStr)] StringBuilder @out, [MarshalAs(UnmanagedType.LPWStr)] string name, int show_message);

        [DllImport(Dll, EntryPoint = "qa_ini_modified", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern void qa_ini_modified();

        [DllImport(Dll, EntryPoint = "qa_openfile_dlg", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_openfile_dlg(IntPtr owner, [MarshalAs(UnmanagedType.LPWStr)] string filter, StringBuilder folder, StringBuilder file, int size, [MarshalAs(UnmanagedType.LPWStr)] string title);

        [DllImport(Dll, EntryPoint = "qa_savefile_dlg", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_savefile_dlg(IntPtr owner, [MarshalAs(UnmanagedType.LPWStr)] string filter, [MarshalAs(UnmanagedType.LPWStr)] string default_extension, StringBuilder folder, StringBuilder file, int size, [MarshalAs(UnmanagedType.LPWStr)] string title);

        [DllImport(Dll, EntryPoint = "qa_smart_sprint", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_smart_sprint(StringBuilder buffer, int size, double value, int decimals);

        [DllImport(Dll, EntryPoint = "qa_smart_sprintw", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_smart_sprintw([MarshalAs(UnmanagedType.LPWStr)] StringBuilder buffer, int size, double value, int decimals);

        [DllImport(Dll, EntryPoint = "qa_create_guid", CallingConvention = CallingConvention.StdCall,
                   CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int qa_create_guid(StringBuilder @out);
    }
}
