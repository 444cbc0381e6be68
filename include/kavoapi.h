/*
 * kavoapi.h - public interface of KavoApi.dll
 *
 * The shared application module of the Kavo design programs: design data
 * texts, unit systems, language texts, the QLISTWND grid window, message
 * boxes, fonts and pens, images, downloads and file search.
 *
 * Every function uses the standard Windows calling convention (WINAPI) and
 * is exported undecorated.  Every record shared with the module is packed
 * to single bytes and built from fixed-width types, so that hosts compiled
 * with any compiler agree with the module on its layout.
 *
 * Records and the functions are kept in two guarded sections: the records
 * need nothing but <stdint.h>, so portable code may include this header with
 * KAVOAPI_RECORDS_ONLY defined and get the records without <windows.h>.
 */

#ifndef KAVOAPI_RECORDS_INCLUDED
#define KAVOAPI_RECORDS_INCLUDED

#include <stddef.h> /* offsetof in the layout checks */
#include <stdint.h>

#if defined(__cplusplus)
#define KAVOAPI_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define KAVOAPI_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif
/* Pins a field of a shared record to its byte offset. */
#define KAVOAPI_AT(type, field, offset) \
    KAVOAPI_STATIC_ASSERT(offsetof(type, field) == (offset), #type "." #field " at " #offset)

#if defined(__cplusplus)
extern "C" {
#endif

#pragma pack(push, 1)

/* ---- Design data buffers ------------------------------------------------ */

/* A date as the design data carries it; all three zero means "no date".
 * As text it reads "dd.mm.yyyy". */
typedef struct varbuf_date {
    uint8_t day;
    uint8_t month;
    uint16_t year;
} varbuf_date;

KAVOAPI_STATIC_ASSERT(sizeof(varbuf_date) == 4, "varbuf_date is 4 bytes");

/* ---- Design data records ------------------------------------------------
 * Records that the hosts own and pass by pointer.  The layouts are an
 * interface shared with the hosts: field order and widths never change, and
 * the host areas are bytes that belong to the host (a reader clears them
 * only when it clears the whole record).  A state field is set by a reader
 * when the group of keys that it guards was found; 0 means "absent".  Texts
 * are NUL-terminated and at most one byte shorter than their field. */

/* One product parameter: a key of at most 4 and a value of at most 10
 * characters. */
typedef struct propar_entry {
    char key[5];
    char value[11];
} propar_entry;

KAVOAPI_STATIC_ASSERT(sizeof(propar_entry) == 16, "propar_entry is 16 bytes");

typedef struct room {
    int16_t valid; /* 3 after a design read; written only when above 0 */
    char rcd[11];
    char rnm[31];
    int16_t rrt;
    float rle, rwi, rhe, rhz, rdz;
    int16_t rcs; /* S case selector */
    float rts, rds, rrs;
    int16_t rcw; /* W case selector */
    float rtw, rdw, rrw, rpc, rph;
    int16_t rac;  /* absorption class */
    float ra[8];  /* absorption of the octave bands 63 Hz to 8 kHz */
    float rqr, rq2, rq3;
    char rnt[201];
    uint8_t host1[80];
} room;

KAVOAPI_STATIC_ASSERT(sizeof(room) == 429, "room is 429 bytes");
KAVOAPI_AT(room, rcd, 2); KAVOAPI_AT(room, rnm, 13); KAVOAPI_AT(room, rrt, 44); KAVOAPI_AT(room, rle, 46);
KAVOAPI_AT(room, rdz, 62); KAVOAPI_AT(room, rcs, 66); KAVOAPI_AT(room, rts, 68); KAVOAPI_AT(room, rds, 72);
KAVOAPI_AT(room, rrs, 76); KAVOAPI_AT(room, rcw, 80); KAVOAPI_AT(room, rtw, 82); KAVOAPI_AT(room, rdw, 86);
KAVOAPI_AT(room, rrw, 90); KAVOAPI_AT(room, rph, 98); KAVOAPI_AT(room, rac, 102); KAVOAPI_AT(room, ra, 104);
KAVOAPI_AT(room, rqr, 136); KAVOAPI_AT(room, rq3, 144); KAVOAPI_AT(room, rnt, 148); KAVOAPI_AT(room, host1, 349);

typedef struct wall_entry {
    float wh, ww, wa;
    int16_t wt, w1;
    float w2, w3, w4, w5, w6, w7, w8;
    float ws, wl, wi, wu;
    uint8_t host1[80];
} wall_entry;

KAVOAPI_STATIC_ASSERT(sizeof(wall_entry) == 140, "wall_entry is 140 bytes");
KAVOAPI_AT(wall_entry, wt, 12); KAVOAPI_AT(wall_entry, w1, 14); KAVOAPI_AT(wall_entry, w2, 16);
KAVOAPI_AT(wall_entry, w8, 40); KAVOAPI_AT(wall_entry, ws, 44); KAVOAPI_AT(wall_entry, wu, 56);
KAVOAPI_AT(wall_entry, host1, 60);

typedef struct ceiling_entry {
    float cl, cw, ca;
    int16_t ct;
    float cs;
    float cl2; /* travels under the key CL too: reads back equal to cl */
    float ci, cu;
    uint8_t host1[80];
} ceiling_entry;

KAVOAPI_STATIC_ASSERT(sizeof(ceiling_entry) == 110, "ceiling_entry is 110 bytes");
KAVOAPI_AT(ceiling_entry, ct, 12); KAVOAPI_AT(ceiling_entry, cs, 14); KAVOAPI_AT(ceiling_entry, cl2, 18);
KAVOAPI_AT(ceiling_entry, ci, 22); KAVOAPI_AT(ceiling_entry, cu, 26); KAVOAPI_AT(ceiling_entry, host1, 30);

typedef struct surfaces {
    int16_t valid; /* 3 when SIN was found */
    int16_t sin;   /* nothing is written while SIN is 0 */
    float sam, sir;
    int16_t sch;
    uint8_t host1[60];
    wall_entry walls[4];
    ceiling_entry ceilings[2];
} surfaces;

KAVOAPI_STATIC_ASSERT(sizeof(surfaces) == 854, "surfaces is 854 bytes");
KAVOAPI_AT(surfaces, sin, 2); KAVOAPI_AT(surfaces, sam, 4); KAVOAPI_AT(surfaces, sir, 8);
KAVOAPI_AT(surfaces, sch, 12); KAVOAPI_AT(surfaces, host1, 14); KAVOAPI_AT(surfaces, walls, 74);
KAVOAPI_AT(surfaces, ceilings, 634);

/* Values derived when a design is read. */
typedef struct summary {
    char tag[31];
    uint8_t host1[6];
    int16_t q_state; /* 2 when q_unit holds a value */
    float q_unit;    /* the design's Q value per unit */
    int16_t dp1_state;
    float dp1;
    int16_t dp2_state;
    float dp2;
    int16_t ad_state;
    float ad;
    float a_value;
    int16_t ub;
    uint8_t host2[72];
} summary;

KAVOAPI_STATIC_ASSERT(sizeof(summary) == 139, "summary is 139 bytes");
KAVOAPI_AT(summary, host1, 31); KAVOAPI_AT(summary, q_state, 37); KAVOAPI_AT(summary, q_unit, 39);
KAVOAPI_AT(summary, dp1_state, 43); KAVOAPI_AT(summary, dp1, 45); KAVOAPI_AT(summary, dp2_state, 49);
KAVOAPI_AT(summary, dp2, 51); KAVOAPI_AT(summary, ad_state, 55); KAVOAPI_AT(summary, ad, 57);
KAVOAPI_AT(summary, a_value, 61); KAVOAPI_AT(summary, ub, 65); KAVOAPI_AT(summary, host2, 67);

typedef struct installation {
    char tag[31];
    int16_t valid;
    int16_t imp;
    float iih, ias;
    int16_t inr; /* highest IR entry in use, at most 19 */
    int16_t inc; /* highest IC entry in use, at most 19 */
    int16_t int_, inv, inw; /* INT + INV + INW entries of IT/IG/IJ, at most 50 */
    int16_t iln, ivp, ivl;
    int16_t ir[20];
    int16_t ic[20];
    int16_t it[50];
    int16_t ig[50];
    int16_t ij[50];
    int16_t cfi;
    float cvl;
    int16_t ivf;
    uint8_t host1[78];
} installation;

KAVOAPI_STATIC_ASSERT(sizeof(installation) == 525, "installation is 525 bytes");
KAVOAPI_AT(installation, valid, 31); KAVOAPI_AT(installation, imp, 33); KAVOAPI_AT(installation, iih, 35);
KAVOAPI_AT(installation, ias, 39); KAVOAPI_AT(installation, inr, 43); KAVOAPI_AT(installation, inc, 45);
KAVOAPI_AT(installation, int_, 47); KAVOAPI_AT(installation, inv, 49); KAVOAPI_AT(installation, inw, 51);
KAVOAPI_AT(installation, iln, 53); KAVOAPI_AT(installation, ivl, 57); KAVOAPI_AT(installation, ir, 59);
KAVOAPI_AT(installation, ic, 99); KAVOAPI_AT(installation, it, 139); KAVOAPI_AT(installation, ig, 239);
KAVOAPI_AT(installation, ij, 339); KAVOAPI_AT(installation, cfi, 439); KAVOAPI_AT(installation, cvl, 441);
KAVOAPI_AT(installation, ivf, 445); KAVOAPI_AT(installation, host1, 447);

/* The O side and the E side; each state is 1 when its key was read. */
typedef struct oe_data {
    char tag[31];
    int16_t oqm_state; float oqm;
    int16_t oqv_state; float oqv;
    int16_t odp_state; float odp;
    int16_t oad_state; float oad;
    int16_t olb_state; float olb;
    float ol[8];
    float orn, ocn;
    int16_t olr_state; float olr;
    float or_[8];
    float orr, ocr;
    int16_t eqm_state; float eqm;
    int16_t eqv_state; float eqv;
    int16_t edp_state; float edp;
    int16_t ead_state; float ead;
    int16_t elb_state; float elb;
    float el[8];
    float ern, ecn;
    uint8_t host1[80];
} oe_data;

KAVOAPI_STATIC_ASSERT(sizeof(oe_data) == 297, "oe_data is 297 bytes");
KAVOAPI_AT(oe_data, oqm_state, 31); KAVOAPI_AT(oe_data, oqv, 39); KAVOAPI_AT(oe_data, odp_state, 43);
KAVOAPI_AT(oe_data, oad, 51); KAVOAPI_AT(oe_data, olb_state, 55); KAVOAPI_AT(oe_data, ol, 61);
KAVOAPI_AT(oe_data, orn, 93); KAVOAPI_AT(oe_data, ocn, 97); KAVOAPI_AT(oe_data, olr_state, 101);
KAVOAPI_AT(oe_data, or_, 107); KAVOAPI_AT(oe_data, orr, 139); KAVOAPI_AT(oe_data, ocr, 143);
KAVOAPI_AT(oe_data, eqm_state, 147); KAVOAPI_AT(oe_data, eqv, 155); KAVOAPI_AT(oe_data, edp_state, 159);
KAVOAPI_AT(oe_data, ead, 167); KAVOAPI_AT(oe_data, elb_state, 171); KAVOAPI_AT(oe_data, el, 177);
KAVOAPI_AT(oe_data, ern, 209); KAVOAPI_AT(oe_data, ecn, 213); KAVOAPI_AT(oe_data, host1, 217);

typedef struct h_data {
    int16_t valid; /* 3 when both keys were found */
    int16_t hiu, hpo;
    uint8_t host1[88];
} h_data;

KAVOAPI_STATIC_ASSERT(sizeof(h_data) == 94, "h_data is 94 bytes");
KAVOAPI_AT(h_data, hiu, 2); KAVOAPI_AT(h_data, hpo, 4); KAVOAPI_AT(h_data, host1, 6);

/* Identity data.  SID is UTF-16 in the record and UTF-8 in the text; 21
 * characters fill it without a terminating NUL. */
typedef struct s_data {
    uint16_t sid[21];
    int16_t sdw, sdh, sdl;
    float sl[8];
    uint8_t host1[2];
} s_data;

KAVOAPI_STATIC_ASSERT(sizeof(s_data) == 82, "s_data is 82 bytes");
KAVOAPI_AT(s_data, sdw, 42); KAVOAPI_AT(s_data, sdh, 44); KAVOAPI_AT(s_data, sdl, 46); KAVOAPI_AT(s_data, sl, 48);
KAVOAPI_AT(s_data, host1, 80);

/* Selector bits (tested in the low byte) choose the value pairs written;
 * a selector read as 1 becomes 54. */
typedef struct u_data {
    int16_t uss, usw;
    float uc1, uc2, uc3, uc4;
    float uq1, uq2;
    float um1, um2, uw1, uw2;
    float ut1, ut2, uv1, uv2;
    float ut5, ut6, uv5, uv6;
} u_data;

KAVOAPI_STATIC_ASSERT(sizeof(u_data) == 76, "u_data is 76 bytes");
KAVOAPI_AT(u_data, uc1, 4); KAVOAPI_AT(u_data, uc4, 16); KAVOAPI_AT(u_data, uq1, 20); KAVOAPI_AT(u_data, um1, 28);
KAVOAPI_AT(u_data, uw1, 36); KAVOAPI_AT(u_data, ut1, 44); KAVOAPI_AT(u_data, uv1, 52); KAVOAPI_AT(u_data, ut5, 60);
KAVOAPI_AT(u_data, uv5, 68); KAVOAPI_AT(u_data, uv6, 72);

typedef struct m_data {
    char w_tag[31];
    char s_tag[31];
    int16_t mja_state; float mja;
    int16_t map_state; float map;
    int16_t s_state; /* 3 when MQS and MTS were found */
    int8_t mas;
    float mqs, mts, md1, mp1;
    int16_t w_state; /* 3 when MQW and MTW were found */
    int8_t maw;
    float mqw, mtw, md5, mp5;
    int16_t msf_state; /* 3 when MSF and MSB were found */
    int16_t msf, msb;
    int16_t mpp_state; float mpp;
    int16_t msd;
    uint8_t host1[68];
} m_data;

KAVOAPI_STATIC_ASSERT(sizeof(m_data) == 194, "m_data is 194 bytes");
KAVOAPI_AT(m_data, s_tag, 31); KAVOAPI_AT(m_data, mja_state, 62); KAVOAPI_AT(m_data, map_state, 68);
KAVOAPI_AT(m_data, s_state, 74); KAVOAPI_AT(m_data, mas, 76); KAVOAPI_AT(m_data, mqs, 77);
KAVOAPI_AT(m_data, mp1, 89); KAVOAPI_AT(m_data, w_state, 93); KAVOAPI_AT(m_data, maw, 95);
KAVOAPI_AT(m_data, mqw, 96); KAVOAPI_AT(m_data, mp5, 108); KAVOAPI_AT(m_data, msf_state, 112);
KAVOAPI_AT(m_data, msf, 114); KAVOAPI_AT(m_data, msb, 116); KAVOAPI_AT(m_data, mpp_state, 118);
KAVOAPI_AT(m_data, mpp, 120); KAVOAPI_AT(m_data, msd, 124); KAVOAPI_AT(m_data, host1, 126);

typedef struct d_data {
    char w_tag[31];
    char s_tag[31];
    int16_t s_state; /* 3 when DQS and DTS were found */
    float dqs, dts;
    int16_t w_state; /* 3 when DQW and DTW were found */
    float dqw, dtw;
    float dto, dzp;
    uint8_t host1[80];
} d_data;

KAVOAPI_STATIC_ASSERT(sizeof(d_data) == 170, "d_data is 170 bytes");
KAVOAPI_AT(d_data, s_state, 62); KAVOAPI_AT(d_data, dqs, 64); KAVOAPI_AT(d_data, dts, 68);
KAVOAPI_AT(d_data, w_state, 72); KAVOAPI_AT(d_data, dqw, 74); KAVOAPI_AT(d_data, dtw, 78);
KAVOAPI_AT(d_data, dto, 82); KAVOAPI_AT(d_data, dzp, 86); KAVOAPI_AT(d_data, host1, 90);

/* A beam module.  The 8-bit fields travel as shorts: written widened (s8
 * with its sign), read back as their low 8 bits. */
typedef struct beam_module {
    char w_tag[31];
    char s_tag[31];
    /* S case */
    int16_t s1_state; /* 3 when BQ1, BT1 and BP1 were found */
    int16_t s2_state; /* 3 when BT2, BT3, BQ2, BP2 and BCS were found */
    float ba1;
    uint8_t bcs;
    int8_t bas, bat;
    float bq1, br1, bq3, bt1, bv1, bt2, bt3, bt4, bta, bq2, bp1, bp3, bp4, bp2, b3p, b4p;
    float bd1, be1, bd2, be2, bc3, bd3, bd4, bl1, bl2, bl3;
    uint8_t bc1;
    float bc2, bc4, bca;
    /* W case */
    int16_t w1_state; /* 3 when BQ5, BT5 and BP5 were found */
    int16_t w2_state; /* 3 when BT6, BT7, BQ6, BP6 and BCW were found */
    float ba5;
    uint8_t bcw;
    int8_t baw, bax;
    float bq5, br5, bq7, bt5, bv5, bt6, bt7, bt8, bt9, bq6, bp5, bp8, bp9, bp6, b8p, b9p, bp7;
    float bd5, be5, bd6, be6, bc7, bd7, bd8, bl5, bl6, bl7;
    uint8_t bc5;
    float bc6, bc8, bc9;
    /* common */
    int16_t blb, blc, bld;
    char bzl[3], bzr[3];
    int16_t bil, bir;
    int16_t mja_state; float mja;
    int16_t bps;
    float bpd, bph, bpa;
    char bsi[31];
    int16_t bsp, bsn;
    float bsd;
    int16_t bap_state; float bap;
    int16_t bnb;
    uint8_t bsw;
    int16_t bub;
    float bm1; /* S case */
    float bm2; /* W case */
    uint8_t host1[80];
    /* CN group */
    int16_t cnb_state; /* 3 when CNB was found */
    char cnb[5];
    char cni[9];
    float cnd;
    int16_t cnc;
    float cfl;
    propar_entry propar[40];
    int16_t propar_count;
    char accessories[312];
} beam_module;

KAVOAPI_STATIC_ASSERT(sizeof(beam_module) == 1476, "beam_module is 1476 bytes");
KAVOAPI_AT(beam_module, s1_state, 62); KAVOAPI_AT(beam_module, s2_state, 64); KAVOAPI_AT(beam_module, ba1, 66);
KAVOAPI_AT(beam_module, bcs, 70); KAVOAPI_AT(beam_module, bas, 71); KAVOAPI_AT(beam_module, bat, 72);
KAVOAPI_AT(beam_module, bq1, 73); KAVOAPI_AT(beam_module, bl3, 173); KAVOAPI_AT(beam_module, bc1, 177);
KAVOAPI_AT(beam_module, bc2, 178); KAVOAPI_AT(beam_module, bca, 186); KAVOAPI_AT(beam_module, w1_state, 190);
KAVOAPI_AT(beam_module, w2_state, 192); KAVOAPI_AT(beam_module, ba5, 194); KAVOAPI_AT(beam_module, bcw, 198);
KAVOAPI_AT(beam_module, baw, 199); KAVOAPI_AT(beam_module, bax, 200); KAVOAPI_AT(beam_module, bq5, 201);
KAVOAPI_AT(beam_module, bl7, 305); KAVOAPI_AT(beam_module, bc5, 309); KAVOAPI_AT(beam_module, bc6, 310);
KAVOAPI_AT(beam_module, bc9, 318); KAVOAPI_AT(beam_module, blb, 322); KAVOAPI_AT(beam_module, bld, 326);
KAVOAPI_AT(beam_module, bzl, 328); KAVOAPI_AT(beam_module, bzr, 331); KAVOAPI_AT(beam_module, bil, 334);
KAVOAPI_AT(beam_module, bir, 336); KAVOAPI_AT(beam_module, mja_state, 338); KAVOAPI_AT(beam_module, mja, 340);
KAVOAPI_AT(beam_module, bps, 344); KAVOAPI_AT(beam_module, bpd, 346); KAVOAPI_AT(beam_module, bpa, 354);
KAVOAPI_AT(beam_module, bsi, 358); KAVOAPI_AT(beam_module, bsp, 389); KAVOAPI_AT(beam_module, bsn, 391);
KAVOAPI_AT(beam_module, bsd, 393); KAVOAPI_AT(beam_module, bap_state, 397); KAVOAPI_AT(beam_module, bap, 399);
KAVOAPI_AT(beam_module, bnb, 403); KAVOAPI_AT(beam_module, bsw, 405); KAVOAPI_AT(beam_module, bub, 406);
KAVOAPI_AT(beam_module, bm1, 408); KAVOAPI_AT(beam_module, bm2, 412); KAVOAPI_AT(beam_module, host1, 416);
KAVOAPI_AT(beam_module, cnb_state, 496); KAVOAPI_AT(beam_module, cnb, 498); KAVOAPI_AT(beam_module, cni, 503);
KAVOAPI_AT(beam_module, cnd, 512); KAVOAPI_AT(beam_module, cnc, 516); KAVOAPI_AT(beam_module, cfl, 518);
KAVOAPI_AT(beam_module, propar, 522); KAVOAPI_AT(beam_module, propar_count, 1162);
KAVOAPI_AT(beam_module, accessories, 1164);

typedef struct panel_module {
    char w_tag[31];
    char s_tag[31];
    int16_t s1_state; /* 3 when PQ1 was found */
    int16_t s2_state; /* 3 when PT2, PT3, PQ2 and PCS were found */
    uint8_t pcs;
    int8_t pas, pat;
    float pq1, pr1, pt1, pt2, pt3, pq2, pd2, pe2, pe3, pp1;
    int16_t w1_state; /* 3 when PQ5 was found */
    int16_t w2_state; /* 3 when PT6, PT7, PQ6 and PCW were found */
    uint8_t pcw;
    int8_t paw, pax;
    float pq5, pr5, pt5, pt6, pt7, pq6, pd6, pe6, pe7, pp5;
    int16_t pap_state; float pap;
    char pnb[41];
    int16_t pqd, pwp;
    char pws[81];
    int16_t psf_state; /* 3 when PSF and PSB were found */
    int16_t psf, psb;
    int16_t pfa_state; float pfa;
    uint8_t host1[1034];
} panel_module;

KAVOAPI_STATIC_ASSERT(sizeof(panel_module) == 1334, "panel_module is 1334 bytes");
KAVOAPI_AT(panel_module, s1_state, 62); KAVOAPI_AT(panel_module, s2_state, 64); KAVOAPI_AT(panel_module, pcs, 66);
KAVOAPI_AT(panel_module, pas, 67); KAVOAPI_AT(panel_module, pat, 68); KAVOAPI_AT(panel_module, pq1, 69);
KAVOAPI_AT(panel_module, pp1, 105); KAVOAPI_AT(panel_module, w1_state, 109); KAVOAPI_AT(panel_module, w2_state, 111);
KAVOAPI_AT(panel_module, pcw, 113); KAVOAPI_AT(panel_module, paw, 114); KAVOAPI_AT(panel_module, pax, 115);
KAVOAPI_AT(panel_module, pq5, 116); KAVOAPI_AT(panel_module, pp5, 152); KAVOAPI_AT(panel_module, pap_state, 156);
KAVOAPI_AT(panel_module, pap, 158); KAVOAPI_AT(panel_module, pnb, 162); KAVOAPI_AT(panel_module, pqd, 203);
KAVOAPI_AT(panel_module, pwp, 205); KAVOAPI_AT(panel_module, pws, 207); KAVOAPI_AT(panel_module, psf_state, 288);
KAVOAPI_AT(panel_module, psf, 290); KAVOAPI_AT(panel_module, psb, 292); KAVOAPI_AT(panel_module, pfa_state, 294);
KAVOAPI_AT(panel_module, pfa, 296); KAVOAPI_AT(panel_module, host1, 300);

/* The whole design.  A sub-record takes part in a written design when its
 * tag equals design_id; a product's s_tag and w_tag mark its active cases. */
typedef struct designdata {
    uint8_t host1[22];
    int16_t design_case; /* 0 S case, 1 W case, 2 W case of a beam with BCW bit 1 */
    char design_id[31];
    uint8_t host2[338];
    propar_entry propar[40];
    int16_t propar_count;
    uint8_t host3[642];
    char accessories[446]; /* accessory codes separated by "," */
    int16_t module_count;  /* modules loaded into beams or panels */
    int16_t module_index;  /* the module that the design writer writes */
    uint8_t host4[2007];
    room room;
    surfaces surfaces;
    summary summary;
    installation installation;
    m_data m_data;
    d_data d_data;
    oe_data oe_data;
    h_data h_data;
    uint8_t host5[1040]; /* as large as a drawingdata record */
    s_data s_data;
    u_data u_data;
    panel_module panels[3];
    beam_module beams[7];
} designdata;

KAVOAPI_STATIC_ASSERT(sizeof(designdata) == 22368, "designdata is 22368 bytes");
KAVOAPI_AT(designdata, design_case, 22); KAVOAPI_AT(designdata, design_id, 24); KAVOAPI_AT(designdata, host2, 55);
KAVOAPI_AT(designdata, propar, 393); KAVOAPI_AT(designdata, propar_count, 1033); KAVOAPI_AT(designdata, host3, 1035);
KAVOAPI_AT(designdata, accessories, 1677); KAVOAPI_AT(designdata, module_count, 2123);
KAVOAPI_AT(designdata, module_index, 2125); KAVOAPI_AT(designdata, host4, 2127); KAVOAPI_AT(designdata, room, 4134);
KAVOAPI_AT(designdata, surfaces, 4563); KAVOAPI_AT(designdata, summary, 5417);
KAVOAPI_AT(designdata, installation, 5556); KAVOAPI_AT(designdata, m_data, 6081);
KAVOAPI_AT(designdata, d_data, 6275); KAVOAPI_AT(designdata, oe_data, 6445); KAVOAPI_AT(designdata, h_data, 6742);
KAVOAPI_AT(designdata, host5, 6836); KAVOAPI_AT(designdata, s_data, 7876); KAVOAPI_AT(designdata, u_data, 7958);
KAVOAPI_AT(designdata, panels, 8034); KAVOAPI_AT(designdata, beams, 12036);

/* ---- Drawing data, product parameters and accessories -------------------- */

/* The header of a drawing and its free "_" items (keys of at most 4 and
 * values of at most 10 characters, at most 40 of them). */
typedef struct drawingdata {
    char tag[31];
    char pdr[11];
    varbuf_date pda;
    char pcl[21];
    char ppj[21];
    char ppr[41];
    char pdn[41];
    char ptn[41];
    char pmi[11];
    char pmo[81];
    char pmb[11];
    varbuf_date pdm;
    propar_entry extras[40];
    int16_t extra_count;
    uint8_t host1[80];
} drawingdata;

KAVOAPI_STATIC_ASSERT(sizeof(drawingdata) == 1040, "drawingdata is 1040 bytes");
KAVOAPI_AT(drawingdata, pdr, 31); KAVOAPI_AT(drawingdata, pda, 42); KAVOAPI_AT(drawingdata, pcl, 46);
KAVOAPI_AT(drawingdata, ppj, 67); KAVOAPI_AT(drawingdata, ppr, 88); KAVOAPI_AT(drawingdata, pdn, 129);
KAVOAPI_AT(drawingdata, ptn, 170); KAVOAPI_AT(drawingdata, pmi, 211); KAVOAPI_AT(drawingdata, pmo, 222);
KAVOAPI_AT(drawingdata, pmb, 303); KAVOAPI_AT(drawingdata, pdm, 314); KAVOAPI_AT(drawingdata, extras, 318);
KAVOAPI_AT(drawingdata, extra_count, 958); KAVOAPI_AT(drawingdata, host1, 960);

/* ---- Unit systems -------------------------------------------------------- */

/* A registry key of the module's settings, filled by qareg_init: the key
 * path below the root key and the name of one value in that key. */
typedef struct qareg_key {
    char path[300];
    char valueName[300];
} qareg_key;

KAVOAPI_STATIC_ASSERT(sizeof(qareg_key) == 600, "qareg_key is 600 bytes");

/* ---- Language texts and the qcq database ---------------------------------- */

/* A growable array in a movable global memory block: count elements of
 * elemSize bytes at data.  qlg_get_all_languages appends text pointers,
 * each text in a block of its own. */
typedef struct gwarray {
    void *data;
    int32_t count;
    int32_t elemSize;
} gwarray;
#if UINTPTR_MAX == 0xFFFFFFFFu
KAVOAPI_STATIC_ASSERT(sizeof(gwarray) == 12, "gwarray is 12 bytes on 32-bit");
#endif

/* ---- List window ---------------------------------------------------------- */

/* What a list window hands its host with DRAWCELL: the device context to
 * paint into and the cell's rectangle (left, top, right, bottom). */
typedef struct qlw_owner_draw {
    void *dc; /* HDC */
    int32_t left, top, right, bottom;
} qlw_owner_draw;
KAVOAPI_STATIC_ASSERT(sizeof(qlw_owner_draw) == sizeof(void *) + 16, "qlw_owner_draw has no gaps");

/* The record of a "GWLBHDR" header strip window, made zero-filled by the
 * window and reached through its slot 0 (GetWindowLongPtr).  The host
 * fills it: 1 to 30 columns, the left border of each as a fraction of the
 * strip's width (column_x follows at each width message), the captions
 * separated by "|" with the two lines of one caption separated by "\",
 * and how many character cells the whole strip must hold (above 0).  With
 * fixed_font set the strip draws with DEFAULT_GUI_FONT; otherwise the
 * module makes the font, scaled to the width. */
typedef struct qlw_header_strip {
    uint32_t host_word; /* the module neither reads nor writes it */
    void *font;         /* HFONT */
    int32_t column_count;
    int32_t column_x[30];
    float column_ratio[30];
    uint16_t caption[400];
    uint16_t fixed_font;
    int16_t chars_across;
} qlw_header_strip;
KAVOAPI_STATIC_ASSERT(sizeof(qlw_header_strip) == sizeof(void *) + 1052, "qlw_header_strip has no gaps");
KAVOAPI_AT(qlw_header_strip, column_x, sizeof(void *) + 8);
KAVOAPI_AT(qlw_header_strip, caption, sizeof(void *) + 248);
/* Message to a header strip: the new width in wParam. */
#define QLW_HDR_SETWIDTH 1025

/* ---- Graphics and images -------------------------------------------------- */

/* A named font's settings (qafont_get_info); heights in tenths of a mm. */
typedef struct font_info {
    char name[9];
    char face[80];
    char style[4]; /* "B" bold, "I" italic, "U" underline */
    uint16_t height;
    int16_t angle; /* degrees */
    uint8_t opaque;
    uint8_t red, green, blue;
} font_info;
KAVOAPI_STATIC_ASSERT(sizeof(font_info) == 101, "font_info is 101 bytes");
KAVOAPI_STATIC_ASSERT(offsetof(font_info, height) == 93, "font_info.height");
KAVOAPI_STATIC_ASSERT(offsetof(font_info, red) == 98, "font_info.red");

/* A named pen's settings (qapen_get_info); width in tenths of a mm. */
typedef struct pen_info {
    char name[9];
    int16_t style; /* as for CreatePen */
    uint16_t width;
    uint8_t red, green, blue;
} pen_info;
KAVOAPI_STATIC_ASSERT(sizeof(pen_info) == 16, "pen_info is 16 bytes");
KAVOAPI_STATIC_ASSERT(offsetof(pen_info, width) == 11, "pen_info.width");

/* A memo being cut into rows (qat_ functions): the text is not copied and
 * must live while rows are fetched.  font_height > 0 measures rows in
 * pixels of the Arial estimate at that height, else in characters;
 * max_width is the limit in those units.  16 bytes in the 32-bit build. */
typedef struct qat_memoinfo {
    const void *text; /* 8-bit or UTF-16, as initialised */
    int32_t position; /* next character to read */
    int32_t length;
    int16_t font_height;
    int16_t max_width;
} qat_memoinfo;
KAVOAPI_STATIC_ASSERT(sizeof(qat_memoinfo) == sizeof(void *) + 12, "qat_memoinfo has no gaps");
KAVOAPI_STATIC_ASSERT(offsetof(qat_memoinfo, max_width) == sizeof(void *) + 10, "qat_memoinfo.max_width");


/* ---- Download ------------------------------------------------------------- */

#pragma pack(pop)

#if defined(__cplusplus)
} /* extern "C" */
#endif

#endif /* KAVOAPI_RECORDS_INCLUDED */

#if !defined(KAVOAPI_RECORDS_ONLY) && !defined(KAVOAPI_FUNCTIONS_INCLUDED)
#define KAVOAPI_FUNCTIONS_INCLUDED

#include <windows.h>

/* The module itself defines KAVOAPI_BUILDING; hosts import. */
#if defined(KAVOAPI_BUILDING)
#define KAVOAPI
#else
#define KAVOAPI __declspec(dllimport)
#endif

#if defined(__cplusplus)
extern "C" {
#endif

/* ---- Design data buffers ------------------------------------------------
 * A design data text is an 8-bit NUL-terminated text of "KEY=value" items
 * joined by "|", in a buffer owned by the caller.  Sizes are in bytes and
 * count the terminating NUL.
 *
 * Writers return 0 (written, or nothing to write because the value is
 * empty), -1 (empty key) or -2 (the item does not fit, or a key and value
 * longer than 299 characters; the buffer is left unchanged).
 * Finders match whole keys only and return 1 (found), 0 (not found),
 * -1 (malformed item or not a number) or -2 (value too long for out).
 * qa_varbuf_find_date returns 0 both when it read a date and when the key is
 * absent; it changes the date only when it read one. */
KAVOAPI int32_t WINAPI qa_varbuf_write_sz(char *buffer, const char *key, const char *value, int32_t size);
KAVOAPI int32_t WINAPI qa_varbuf_write_flo(char *buffer, const char *key, float value, int32_t decimals, int32_t size);
KAVOAPI int32_t WINAPI qa_varbuf_write_sho(char *buffer, const char *key, int16_t value, int32_t size);
KAVOAPI int32_t WINAPI qa_varbuf_write_date(char *buffer, const char *key, const varbuf_date *date, int32_t size);
KAVOAPI int32_t WINAPI qa_varbuf_find_sz(const char *buffer, const char *key, char *out, int32_t out_size);
KAVOAPI int32_t WINAPI qa_varbuf_find_flo(const char *buffer, const char *key, float *out);
KAVOAPI int32_t WINAPI qa_varbuf_find_sho(const char *buffer, const char *key, int16_t *out);
KAVOAPI int32_t WINAPI qa_varbuf_find_date(const char *buffer, const char *key, varbuf_date *out);

/* ---- Design data records and codecs --------------------------------------- */
/* Readers clear the record they fill (the O/E values of a design excepted)
 * and look every key up by name; writers append items to the text, never
 * clear it (the design writer excepted), and leave out items that no longer
 * fit.  Bounds are hard limits in both directions: INR and INC above 19 are
 * taken as 19, INT + INV + INW above 50 as 50, and texts are cut to their
 * fields, so nothing is ever written outside a record or a text buffer.
 *
 * qa_varbuf_read_room returns the result of finding RRT (1 read; 0, -1 or
 * -2 as qa_varbuf_find_sho gives it) and fills RAC and RA0..RA7 with the
 * "Average" class when the text has no usable RAC; qa_varbuf_write_room
 * returns the result of writing RRT, its last item.
 * qa_varbuf_read_installation returns 1, or 0 with a cleared record when one
 * of IMP, IIH, INR, INC, ILN, IVP, IVL, INT is missing or bad.
 * The beam and panel writers write a case's groups only when its flag (low
 * 16 bits) is set, and return 0. */
KAVOAPI int32_t WINAPI qa_varbuf_read_room(room *r, const char *text);
KAVOAPI int32_t WINAPI qa_varbuf_write_room(const room *r, char *text, int32_t size);
KAVOAPI int32_t WINAPI qa_varbuf_read_installation(installation *inst, const char *text);
KAVOAPI int32_t WINAPI qa_varbuf_write_installation(const installation *inst, char *text, int32_t size);
KAVOAPI int32_t WINAPI qa_varbuf_write_beam(const beam_module *beam, int16_t s_case, int16_t w_case, char *text,
                                            int32_t size);
KAVOAPI int32_t WINAPI qa_varbuf_write_panel(const panel_module *panel, int16_t s_case, int16_t w_case, char *text,
                                             int32_t size);

/* qa_varbuf_read_designdata: 1 when a product was read, 0 when the room,
 * the installation or every product kind is missing.  The product is read
 * into beams[0] or panels[0] (or m_data, d_data), whatever module_index is.
 * qa_varbuf_write_designdata: 0 written, -1 nothing to write; a design whose
 * installation is tagged but no product is writes an empty text.
 * The module-to-design functions add one module read from `text` (at most 6
 * beams, 2 panels) and return 1, or 0 when nothing was added. */
KAVOAPI int32_t WINAPI qa_varbuf_read_designdata(designdata *design, const char *text);
KAVOAPI int32_t WINAPI qa_varbuf_write_designdata(const designdata *design, char *text, int32_t size);
KAVOAPI int32_t WINAPI qa_varbuf_beam_module_to_designdata(designdata *design, uint8_t clear, uint8_t with_room,
                                                           const char *module_tag, const char *case_tag,
                                                           const char *text);
KAVOAPI int32_t WINAPI qa_varbuf_panel_module_to_designdata(designdata *design, uint8_t clear, uint8_t with_room,
                                                            const char *case_tag, const char *text);

/* Drawing data: the reader clears the record, stores `tag` and collects the
 * "_" items (keys upper-cased, at most 40; keys cut to 4 and values to 10
 * characters); the writer appends. */
KAVOAPI void WINAPI qa_varbuf_read_drawingdata(drawingdata *drawing, const char *tag, const char *text);
KAVOAPI void WINAPI qa_varbuf_write_drawingdata(const drawingdata *drawing, char *text, int32_t size);

/* Product parameters and accessories.  Lists hold at most 40 entries; keys
 * are cut to 4 and values to 10 characters, and entries beyond 40 are
 * dropped.  qa_get_propar copies the value (at most 10 characters and a NUL)
 * into out.  qa_varbuf_write_params_ex returns 0, -1 for a count of 0 (empty
 * text) or -2 when a pair or the accessory item does not fit (the pairs
 * written before stay).  qa_varbuf_write_md_params fills the design's lists
 * from a parameter text (0), or returns -1 for an empty text.
 * qa_ext_params_to_szv joins three parameter texts into out, which the
 * caller must size for all three texts, two separators and a NUL: it is
 * trusted.  qa_find_ext_param_value finds a key in the joined texts (cut to
 * 799 characters) and returns as qa_varbuf_find_sz. */
KAVOAPI int32_t WINAPI qa_get_propar(const propar_entry *entries, int16_t count, const char *key, char *out);
KAVOAPI void WINAPI qa_set_propar(propar_entry *entries, int16_t *count, const char *key, const char *value);
KAVOAPI int32_t WINAPI qa_varbuf_write_params_ex(const propar_entry *entries, const char *accessories, uint16_t count,
                                                 char *text, uint32_t size);
KAVOAPI int32_t WINAPI qa_varbuf_write_params(const designdata *design, char *text, uint32_t size);
KAVOAPI int32_t WINAPI qa_varbuf_write_bm_params(const beam_module *beam, char *text, uint32_t size);
KAVOAPI int32_t WINAPI qa_varbuf_write_md_params(designdata *design, const char *text);
KAVOAPI void WINAPI qa_ext_params_to_szv(const char *first, const char *second, const char *third, char *out);
KAVOAPI int32_t WINAPI qa_find_ext_param_value(const char *first, const char *second, const char *third,
                                               const char *key, char *out, int32_t out_size);
KAVOAPI int32_t WINAPI qa_is_accessory_set(const designdata *design, const char *code);
KAVOAPI int32_t WINAPI qa_is_accessory_set_sz(const char *list, const char *code);

/* ---- Units and unit-aware controls ------------------------------------------
 * Unit systems: 0 "SI", 1 "EURO", 2 "EUROSPE", 3 "NORDIC" (the default),
 * 4 "US".  unit_set_system picks the last of these names found in the text
 * (case-insensitive; "eurospe" gives 2) and ignores a text naming none.
 * Values are floats in the base units the hosts compute in.  unit_trans
 * takes the property ids 10 to 32, v_tr and v_fit the older ids 0, 1, 3 to
 * 12, 14, 101, 102 (v_tosz also 100: feet and inches).  to_base nonzero
 * (only its low byte counts) converts display units back to base units.
 * An unknown id shows an information message and gives the value unchanged.
 * Labels are Windows-1252 texts of at most 21 characters (out holds 22
 * bytes) and may carry the label markup "@t", "@b", "@@".
 * unit_sz_inch_to_mm and unit_sz_mm_to_inch rewrite a number in place as a
 * whole number (text holds up to 42 bytes of result) and give 0, or -1 when
 * the text holds no number.
 * unit_get_edit gives 0 and stores the base value when the typed number
 * (comma or point) lies within minimum and maximum give or take one part in
 * a thousand; otherwise -1, and with warn 1 a beep, with warn 2 or more a
 * message with the range, both moving the focus to the edit control. */
KAVOAPI void WINAPI unit_set_system(const char *name);
KAVOAPI int32_t WINAPI unit_get_system(void);
KAVOAPI float WINAPI unit_trans(int32_t property, float value, int32_t to_base);
KAVOAPI float WINAPI v_tr(int32_t property, float value, int32_t to_base);
KAVOAPI float WINAPI v_fit(int32_t property, float value, int32_t mode);
KAVOAPI float WINAPI unit_active_room_attenuation(void);
KAVOAPI void WINAPI unit_get_label(int32_t property, char *out);
KAVOAPI int32_t WINAPI unit_get_label_wsz(int32_t property, wchar_t *out, int32_t out_bytes);
KAVOAPI int32_t WINAPI unit_get_ndes(int32_t property);
KAVOAPI void WINAPI unit_set_sz(char *out, int32_t property, float value, int16_t with_label);
KAVOAPI void WINAPI unit_set_wsz(wchar_t *out, int32_t out_chars, int32_t property, float value, int16_t with_label);
KAVOAPI char *WINAPI v_tosz(int32_t property, float value, int32_t decimals, char *out);
KAVOAPI int32_t WINAPI unit_sz_inch_to_mm(char *text);
KAVOAPI int32_t WINAPI unit_sz_mm_to_inch(char *text);
KAVOAPI int32_t WINAPI unit_set_edit(HWND dialog, int32_t edit_id, int32_t label_id, int32_t property, float value);
KAVOAPI int32_t WINAPI unit_set_static(HWND dialog, int32_t value_id, int32_t label_id, int32_t property, float value);
KAVOAPI int32_t WINAPI unit_set_static_label(HWND dialog, int32_t label_id, int32_t property);
KAVOAPI int32_t WINAPI unit_get_edit(HWND dialog, int32_t edit_id, int32_t property, float *out, float minimum,
                                     float maximum, int32_t warn);

/* The room absorption dialog, modal over parent: the class (0 "Dead" to
 * 4 "Live", 5 "User defined") and the coefficients of the eight octave
 * bands 63 Hz to 8 kHz.  Choosing a standard class shows its built-in
 * values; only the user class's values can be typed, each from 0.01 to 1
 * (comma or point).  The user class shows the values given at the call
 * when the class given is 5, zeros otherwise, however often it is left.
 * On OK writes the class and the 8 values and returns 0; on Cancel, or when
 * the dialog cannot be shown, returns -1 and changes nothing. */
KAVOAPI int32_t WINAPI qa_absorption_dlg(HWND parent, int16_t *absorption_class, float *coefficients);

/* ---- Module settings -----------------------------------------------------
 * qa_init_paths stores the application title (cut to 79 characters), the
 * three folders searched for files and the ini file path (each cut to 299
 * characters), then reads the unit system setting.
 * qa_getinifilename copies the ini file path into out, which must hold at
 * least 300 bytes.  The registry branch name is cut to 99 characters. */
KAVOAPI void WINAPI qa_init_paths(const char *title, const char *dir1, const char *dir2, const char *dir3,
                                  const char *ini_file);
KAVOAPI void WINAPI qa_getinifilename(char *out);
KAVOAPI int16_t WINAPI qa_set_adminmode(int16_t mode);
KAVOAPI int16_t WINAPI qa_get_adminmode(void);
KAVOAPI void WINAPI qareg_set_kavo_branch_name(const char *name);

/* ---- Language texts ---------------------------------------------------------
 * One language database (made with langdb) holds every text: record "S" with
 * the text id as key, one attribute per language (ids 1501 to 1599), and
 * record "0" key 0 with the language names.  The current language starts as
 * 1512.  Sizes of UTF-16 buffers are in bytes.
 *
 * qlg_init opens the database (0, or -1 after a message naming the missing
 * or unreadable file); qlg_release closes it.  qlg_openDOS and qlg_closeDOS
 * bracket a run of lookups so the file stays open for reading between them;
 * they nest, and qlg_closeDOStotally ends reading whatever the nesting.
 * The lookups return out, or null with an empty out when no database is
 * open or the text or language is missing; the _def forms then give def
 * and always return out.  The _columns forms split the text at "|".
 * qlg_setdlgitemname and its _wsz form leave the item alone when there is
 * no text.  qlg_okmsg and qlg_okcancelmsg return the button pressed.
 * qa_sz2wsz_byqlg converts in the code page of the system font and returns
 * the UTF-16 units written with the terminator (0 for an empty text). */
KAVOAPI int32_t WINAPI qlg_init(const char *file1, const char *file2);
KAVOAPI void WINAPI qlg_release(void);
KAVOAPI int16_t WINAPI qlg_openDOS(void);
KAVOAPI void WINAPI qlg_closeDOS(void);
KAVOAPI void WINAPI qlg_closeDOStotally(void);
KAVOAPI int16_t WINAPI qlg_set_language(const char *name);
KAVOAPI int16_t WINAPI qlg_get_language_id(void);
KAVOAPI void WINAPI qlg_get_all_languages(gwarray *names);
KAVOAPI int16_t WINAPI qlg_attId_for_sapLng(const char *sap_language);
KAVOAPI char *WINAPI qlg_copy(char *out, int32_t text_id, int32_t size);
KAVOAPI wchar_t *WINAPI qlg_copy_wsz(wchar_t *out, int32_t text_id, int32_t size_bytes);
KAVOAPI char *WINAPI qlg_copy_saplng(char *out, int32_t text_id, int32_t size, const char *sap_language);
KAVOAPI wchar_t *WINAPI qlg_copy_saplng_wsz(wchar_t *out, int32_t text_id, int32_t size_bytes,
                                           const char *sap_language);
KAVOAPI char *WINAPI qlg_copy_def(char *out, int32_t text_id, int32_t size, const char *def);
KAVOAPI wchar_t *WINAPI qlg_copy_wsz_def(wchar_t *out, int32_t text_id, int32_t size_bytes, const char *def);
KAVOAPI void WINAPI qlg_copy_columns_def(char *first, char *second, int32_t text_id, int16_t size, const char *def);
KAVOAPI void WINAPI qlg_copy_columns_wsz_def(wchar_t *first, wchar_t *second, int32_t text_id, int16_t size_bytes,
                                            const char *def);
KAVOAPI void WINAPI qlg_setdlgitemname(HWND dialog, int32_t item, int32_t text_id);
KAVOAPI void WINAPI qlg_setdlgitemname_def(HWND dialog, int32_t item, int32_t text_id, const char *def);
KAVOAPI void WINAPI qlg_setdlgitemname_wsz(HWND dialog, int32_t item, int32_t text_id);
KAVOAPI void WINAPI qlg_setdlgitemname_wsz_def(HWND dialog, int32_t item, int32_t text_id, const char *def);
KAVOAPI void WINAPI qlg_set_dlgitem_txts(HWND dialog, const int32_t *pairs, int32_t count);
KAVOAPI void WINAPI qlg_set_dlgitem_wtxts(HWND dialog, const int32_t *pairs, int32_t count);
KAVOAPI void WINAPI qlg_setdlgname(HWND window, int32_t text_id);
KAVOAPI void WINAPI qlg_setdlgname_extra_wsz(HWND window, int32_t text_id, const wchar_t *extra);
KAVOAPI void WINAPI qlg_setdlgname_wsz(HWND window, int32_t text_id);
KAVOAPI int32_t WINAPI qlg_okmsg(HWND owner, int32_t text_id, const char *def);
KAVOAPI int32_t WINAPI qlg_okcancelmsg(HWND owner, int32_t text_id, const char *def);
KAVOAPI void WINAPI qa_sz2wsz_acp(const char *in, wchar_t *out, int32_t out_bytes);
KAVOAPI int32_t WINAPI qa_sz2wsz_byqlg(const char *in, wchar_t *out, int32_t out_bytes);
KAVOAPI void WINAPI qa_wsz2sz_acp(const wchar_t *in, char *out, int32_t out_bytes);

/* ---- qcq database -----------------------------------------------------------
 * A record database of the host's, opened by the module and read by the
 * host through Vantmods_x32.dll with qcq_handle().  qcq_openDOS and
 * qcq_closeDOS nest like the language ones; qcq_open_for_update ends
 * reading first and gives the handle or -1; the host ends the update with
 * qcq_closeDOS or qcq_closeDOStotally. */
KAVOAPI int32_t WINAPI qcq_init(const char *file1, const char *file2);
KAVOAPI void WINAPI qcq_release(void);
KAVOAPI int16_t WINAPI qcq_handle(void);
KAVOAPI int16_t WINAPI qcq_openDOS(void);
KAVOAPI void WINAPI qcq_closeDOS(void);
KAVOAPI void WINAPI qcq_closeDOStotally(void);
KAVOAPI int16_t WINAPI qcq_open_for_update(void);

/* ---- Registry settings and default room -------------------------------------
 * Settings live under HKEY_CURRENT_USER in SOFTWARE\Norvane\<branch>\userProfile
 * (branch "Kavo" unless qareg_set_kavo_branch_name chose another), all as
 * REG_SZ texts.  qareg_get_data empties out, then gives -1 when the key
 * cannot be opened, -2 when the value cannot be read into size bytes (out
 * stays empty), 0 otherwise; qareg_set_data creates the key when needed and
 * gives -1 when it cannot, -2 when the write fails.  The named getters and
 * setters give 0 or -1. */
KAVOAPI void WINAPI qareg_init(const char *company, const char *branch, const char *group, const char *value_name,
                               qareg_key *out);
KAVOAPI int32_t WINAPI qareg_get_data(HKEY root, const qareg_key *key, int32_t size, char *out);
KAVOAPI int32_t WINAPI qareg_set_data(HKEY root, const qareg_key *key, const char *value);
KAVOAPI int32_t WINAPI qareg_get_userprofile_unitsystem(char *out, int32_t size);
KAVOAPI int32_t WINAPI qareg_get_qbase_path(char *out, int32_t size);
KAVOAPI int32_t WINAPI qareg_set_qbase_path(const char *path);
KAVOAPI int32_t WINAPI qareg_set_default_room(const char *text);
/* The default room: read from the "defaultRoom" value at the first
 * qa_get_default_room and kept until the module is unloaded; a missing or
 * unusable value gives built-in values (10 x 6 x 2.6 m, 24 and 20 degrees,
 * 50 %, absorption class 2).  It never carries a room code or name, and its
 * valid field is 1.  qa_get_default_room returns 0.  qa_set_default_room
 * makes `in` the default room for this process at once, then stores it:
 * -1 when it cannot be written (into 600 bytes, or to the registry). */
KAVOAPI int32_t WINAPI qa_get_default_room(room *out);
KAVOAPI int32_t WINAPI qa_set_default_room(const room *in);

/* ---- List window and header strip ------------------------------------------- */

/* A QLISTWND window asks its host for everything through one callback, with
 * the C calling convention: code QLW_GETNREC and the others below, the
 * record and column they concern, and for texts a buffer to fill (cell
 * texts at most 200 units with the terminator, hints 2000).  The ANSI form
 * fills 8-bit texts in the ANSI code page, the _wc form UTF-16 texts. */
typedef int32_t(__cdecl *qlw_callback)(HWND window, int32_t code, int32_t record, int32_t column, void *data);

/* Style flags of qlw_init and qlw_init_control. */
#define QLW_MULTISEL 1
#define QLW_DOUBLEROW 2
#define QLW_CELLMODE 4
#define QLW_NOHEADER 8
#define QLW_TWOBANDS 16
#define QLW_NOVSCROLL 32
#define QLW_KEEPCOLORS 64
/* Column flags. */
#define QLW_COL_SKIP 1
#define QLW_COL_OWNERDRAW 2
/* Callback codes. */
#define QLW_GETNREC 101
#define QLW_GETTEXT 102
#define QLW_DBLCLICK 103
#define QLW_RCLICK 104
#define QLW_ENTERKEY 105
#define QLW_ESCKEY 106
#define QLW_INSKEY 107
#define QLW_DELKEY 108
#define QLW_HDRCLICK 109
#define QLW_HDRRCLICK 110
#define QLW_DRAWCELL 111
#define QLW_GETTEXT2 112
#define QLW_LCLICK 113
#define QLW_RCLICKEMPTY 114
#define QLW_GETNCELL 115
#define QLW_CANSELECT 116
#define QLW_GETHINT 117
#define QLW_TOPROW 118
#define QLW_GETSEPLINE 119
#define QLW_CURCHANGED 120
#define QLW_CLOSING 999

/* Creating and starting: qlw_init makes a hidden child list window (0 on
 * failure, with a message); qlw_init_control takes over a QLISTWND control
 * of a dialog.  Define the columns, then qlw_start counts the records,
 * lays the columns out and shows the window.  Functions given a window
 * that is not a list window return -1 (the counting ones 0). */
KAVOAPI int32_t WINAPI qlw_registerclass(HINSTANCE instance);
KAVOAPI HWND WINAPI qlw_init(HWND parent, int32_t x, int32_t y, int32_t width, int32_t height, qlw_callback callback,
                             int32_t flags);
KAVOAPI HWND WINAPI qlw_init_wc(HWND parent, int32_t x, int32_t y, int32_t width, int32_t height,
                                qlw_callback callback, int32_t flags);
KAVOAPI int32_t WINAPI qlw_init_control(HWND window, qlw_callback callback, int32_t flags);
KAVOAPI int32_t WINAPI qlw_init_control_wc(HWND window, qlw_callback callback, int32_t flags);
/* Columns: widths in average characters, header texts of at most 79
 * characters, at most 50 columns.  With QLW_TWOBANDS the columns are the
 * subcolumns and qlw_init_column gives the texts of their groups. */
KAVOAPI int32_t WINAPI qlw_init_column(HWND window, uint32_t width, const char *text1, const char *text2,
                                       uint32_t flags);
KAVOAPI int32_t WINAPI qlw_init_column_wc(HWND window, uint32_t width, const wchar_t *text1, const wchar_t *text2,
                                          uint32_t flags);
KAVOAPI int32_t WINAPI qlw_init_subcolumn_wc(HWND window, uint32_t width, uint32_t group, const wchar_t *text1,
                                             const wchar_t *text2, uint32_t flags);
KAVOAPI int32_t WINAPI qlw_delete_columns(HWND window);
KAVOAPI int32_t WINAPI qlw_set_showed_ncol(HWND window, int32_t n);
KAVOAPI int32_t WINAPI qlw_start(HWND window);
KAVOAPI int32_t WINAPI qlw_regen_columns(HWND window);
KAVOAPI int32_t WINAPI qlw_regen(HWND window, uint32_t force);
KAVOAPI int32_t WINAPI qlw_get_nmb_of_columns(HWND window);
/* Texts of 80 units each (8-bit: text1 100 bytes, text2 200). */
KAVOAPI int32_t WINAPI qlw_get_column_info_wc(HWND window, int32_t column, uint32_t *width, wchar_t *text1,
                                              wchar_t *text2, uint32_t *flags);
KAVOAPI int32_t WINAPI qlw_get_column_info(HWND window, int32_t column, uint32_t *width, char *text1, char *text2,
                                           uint32_t *flags);
/* The current position and the selection. */
KAVOAPI int32_t WINAPI qlw_get_current_rec(HWND window);
KAVOAPI int32_t WINAPI qlw_get_current_col(HWND window);
KAVOAPI int32_t WINAPI qlw_get_current_cell(HWND window);
KAVOAPI int32_t WINAPI qlw_set_current_rec(HWND window, int32_t record);
KAVOAPI int32_t WINAPI qlw_set_current_col(HWND window, int32_t column);
KAVOAPI int32_t WINAPI qlw_set_current_cell(HWND window, int32_t cell);
KAVOAPI int32_t WINAPI qlw_set_select(HWND window, int32_t record, uint8_t value);
KAVOAPI int32_t WINAPI qlw_unselect_all(HWND window);
KAVOAPI int32_t WINAPI qlw_rec_is_selected(HWND window, int32_t record);
KAVOAPI int32_t WINAPI qlw_get_nmb_of_selected_recs(HWND window);
/* Looks: the row height in pixels (below 1: the default), header fonts
 * (0 changes nothing), the text colour of the cell being drawn (only from
 * inside GETTEXT, GETTEXT2 or DRAWCELL), the sort mark (column -1: none). */
KAVOAPI int32_t WINAPI qlw_set_rowheight(HWND window, int32_t height);
KAVOAPI int32_t WINAPI qlw_set_header_font(HWND window, HFONT font);
KAVOAPI int32_t WINAPI qlw_set_header_font2(HWND window, HFONT font);
KAVOAPI int32_t WINAPI qlw_set_textcolor(HWND window, COLORREF colour);
KAVOAPI int32_t WINAPI qlw_set_sort_column(HWND window, int32_t column, uint16_t ascending);
/* Two lists that scroll and select together (vertically). */
KAVOAPI int32_t WINAPI qlw_link_selections_and_hscrolls(HWND window1, HWND window2);
/* Repaints one record's row (negative: the current one): 0, or -1 for a
 * window that is not a list window. */
KAVOAPI int32_t WINAPI qlw_invalidate_rec(HWND window, int32_t record);
KAVOAPI int32_t WINAPI qlw_get_cellrect(HWND window, int32_t record, int32_t column, RECT *rect);
KAVOAPI int32_t WINAPI qlw_window_is_qlw(HWND window);
/* Draw the leading part of a text that fits max_width pixels. */
KAVOAPI int32_t WINAPI qlw_write_txt(HDC hdc, int32_t x, int32_t y, int32_t max_width, const char *text);
KAVOAPI int32_t WINAPI qlw_write_wtxt(HDC hdc, int32_t x, int32_t y, int32_t max_width, const wchar_t *text);

/* ---- Message boxes ---------------------------------------------------------- */

/* kind 2 asks OK/Cancel, 3 Yes/No/Cancel, 4 Yes/No and returns the button
 * (IDOK, IDCANCEL, IDYES, IDNO); any other kind shows an information box
 * and returns 1.  Without an owner the box is task-modal.  The keyboard
 * focus goes back to where it was (or to the owner). */
KAVOAPI int32_t WINAPI qa_msgbox(HWND owner, uint32_t kind, const char *text);
/* The module's own boxes, captioned with the application title.
 * qa_chkmsgbox returns 1 when the check box was ticked at closing, else 0.
 * qa_timedmsgbox closes itself after `seconds` (0: only when closed) with a
 * countdown line, and returns 0.  qa_modeless_timedmsgbox shows the box
 * (tall: the larger one) and returns it; when its time is up it is hidden,
 * and the host destroys it.  -1 (modeless: null) when out of memory. */
KAVOAPI int32_t WINAPI qa_chkmsgbox(HWND owner, const wchar_t *message, const wchar_t *check_text);
KAVOAPI int32_t WINAPI qa_timedmsgbox(HWND owner, const wchar_t *message, uint32_t seconds);
KAVOAPI HWND WINAPI qa_modeless_timedmsgbox(HWND owner, const wchar_t *message, uint32_t seconds, uint32_t tall);

/* ---- Memo rows, popup menus, tooltips and the hint window -------------------- */

/* Memo rows: qat_memoinfo_init sets info up on a text (font_height > 0:
 * rows measured in pixels of the Arial estimate, else in characters);
 * each qat_getnextmemorow writes the next row (at most size - 1
 * characters, size at least 2) and gives 1, or an empty row and 0 when the
 * text is used up.  The _wc forms take UTF-16 texts, size in units. */
KAVOAPI void WINAPI qat_memoinfo_init(qat_memoinfo *info, const char *text, uint16_t font_height,
                                      uint16_t max_width);
KAVOAPI void WINAPI qat_memoinfo_init_wc(qat_memoinfo *info, const wchar_t *text, uint16_t font_height,
                                         uint16_t max_width);
KAVOAPI int32_t WINAPI qat_getnextmemorow(qat_memoinfo *info, char *row, uint32_t size);
KAVOAPI int32_t WINAPI qat_getnextmemorow_wc(qat_memoinfo *info, wchar_t *row, uint32_t size);

/* Popup menu items captioned with language text text_id, or with caption
 * when text_id is 0 or has no text; greyed unless enabled.  The results
 * are AppendMenu's.  qa_popup_pc shows a copy (command 888) and print
 * (889) menu at the mouse for owner; 0 when no menu could be made. */
KAVOAPI int32_t WINAPI qa_popup_add(HMENU menu, int32_t text_id, uint32_t command, uint32_t enabled,
                                    const char *caption);
KAVOAPI int32_t WINAPI qa_popup_add_submenu(HMENU menu, int32_t text_id, uint32_t submenu, uint32_t enabled,
                                            const char *caption);
KAVOAPI int32_t WINAPI qa_popup_add_wsz(HMENU menu, int32_t text_id, uint32_t command, uint32_t enabled,
                                        const char *caption);
KAVOAPI int32_t WINAPI qa_popup_add_submenu_wsz(HMENU menu, int32_t text_id, uint32_t submenu, uint32_t enabled,
                                                const char *caption);
KAVOAPI int32_t WINAPI qa_popup_pc(HWND owner);

/* Registers the QTBHINT hint window class of the list windows; 0. */
KAVOAPI int32_t WINAPI tooltip_registerclass(HINSTANCE instance);
/* Platform tooltips for dialog controls (the host initialises the common
 * controls): a tooltip window with tips up to 800 pixels wide; a control
 * added with its text, which must live as long as the tooltip; a title
 * and icon.  The results are those of the tooltip messages. */
KAVOAPI HWND WINAPI qa_create_control_tooltip_window(void);
KAVOAPI int32_t WINAPI qa_attach_control_to_tooltip_window(HWND tooltip, HWND dialog, int32_t control_id,
                                                           const wchar_t *text);
KAVOAPI int32_t WINAPI qa_set_tooltip_header_and_icon(HWND tooltip, const wchar_t *title, uint32_t icon);

/* ---- Fonts and pens --------------------------------------------------------- */

/* Named fonts and pens live in module tables until the module is unloaded
 * (named fonts also until the system font is made again).  Names have at
 * most 8 characters and are case-sensitive; longer names are cut.  Heights
 * and widths are tenths of a millimetre, handed to the platform as logical
 * units.  qafont_check gives 1 when it made the font, 0 when a font of that
 * name, height and colour exists (other settings are not compared), -1 on
 * failure.  qapen_check gives 0 when the pen exists or was made, -1 when it
 * could not be made, -2 without memory.  The select functions give the
 * height or width, 0 for an unknown name (qapen_select then selects the
 * stock black pen). */
KAVOAPI int32_t WINAPI qafont_check(const char *name, const char *face, const char *style, uint16_t height,
                                    int16_t angle, uint8_t opaque, uint8_t red, uint8_t green, uint8_t blue);
KAVOAPI uint16_t WINAPI qafont_select(HDC hdc, const char *name);
KAVOAPI uint16_t WINAPI qafont_Hmm10(const char *name);
KAVOAPI int32_t WINAPI qafont_get_info(const char *name, font_info *info);
/* Character set of a language name ("Swiss-Russian": 204) and its code
 * page when the platform has it (else 0). */
KAVOAPI uint16_t WINAPI qafont_get_charsetID(const char *language);
KAVOAPI uint32_t WINAPI qafont_codepage_for_charset(uint16_t charset);
/* The system font (pixel heights): for a language of the default character
 * set the platform's GUI font serves.  Making it again releases the named
 * fonts. */
KAVOAPI HFONT WINAPI qafont_create_systemfont(int32_t height, int32_t weight, const char *face,
                                              const char *language);
KAVOAPI HFONT WINAPI qafont_get_systemfont(void);
KAVOAPI uint16_t WINAPI qafont_get_systemfont_cset(void);
KAVOAPI void WINAPI qafont_release_systemfont(void);
/* New fonts that the caller deletes. */
KAVOAPI HFONT WINAPI qafont_create_pixelfont(int32_t height, int32_t weight, const char *face,
                                             const char *language);
KAVOAPI HFONT WINAPI qafont_create_gui_font(int32_t height, int32_t weight);
KAVOAPI uint16_t WINAPI qafont_init_qcq_charset(const char *language);
KAVOAPI uint16_t WINAPI qafont_qcq_charset(void);
KAVOAPI HFONT WINAPI qafont_create_qcqTablefont(int32_t height, int32_t weight, const char *face);
/* Estimated width of a text in Arial at a height: each character's
 * rounded-up advance, summed. */
KAVOAPI uint16_t WINAPI qafont_cxpix_arial(const char *text, uint16_t height);
KAVOAPI uint16_t WINAPI qafont_cxpix_arial_wc(const wchar_t *text, uint16_t height);
KAVOAPI int32_t WINAPI qapen_check(const char *name, int16_t style, uint16_t width, uint8_t red, uint8_t green,
                                   uint8_t blue);
KAVOAPI uint16_t WINAPI qapen_select(HDC hdc, const char *name);
KAVOAPI uint16_t WINAPI qapen_Wmm10(const char *name);
KAVOAPI int32_t WINAPI qapen_get_info(const char *name, pen_info *info);
/* Gives every direct child of the dialog the system font. */
KAVOAPI void WINAPI qa_setdlgfont(HWND dialog);

/* ---- Labels, lines and tables ----------------------------------------------- */

/* Draws a label with the named fonts: "@t" raises the following text in the
 * small font, "@b" lowers it, "@@" returns to the main font, "@d" draws a
 * delta sign with the selected pen.  align is set with SetTextAlign and
 * stays.  Gives the main font's height (0 when it is not in the table).
 * qa_drawlabelw takes the same 8-bit text in code page 1252 and draws it
 * with the wide text calls. */
KAVOAPI uint16_t WINAPI qa_drawlabel(HDC hdc, int32_t x, int32_t y, const char *text, const char *main_font,
                                     const char *small_font, int32_t align);
KAVOAPI uint16_t WINAPI qa_drawlabelw(HDC hdc, int32_t x, int32_t y, const char *text, const char *main_font,
                                      const char *small_font, int32_t align);
/* A line with a named pen (the stock black pen for an unknown name). */
KAVOAPI int32_t WINAPI qa_drawline(HDC hdc, int16_t x1, int16_t y1, int16_t x2, int16_t y2, const char *pen);
/* A ruled table of rows x columns cells with the grid pen, framed with the
 * frame pen; gives the result of the last frame stroke. */
KAVOAPI int32_t WINAPI qa_drawtable(HDC hdc, int16_t x, int16_t y, int32_t column_width, int32_t row_height,
                                    int16_t rows, int16_t columns, const char *grid_pen, const char *frame_pen);

/* ---- Bitmaps, GIF and metafiles --------------------------------------------- */

/* Bitmaps are packed device-independent bitmaps (header, colour table,
 * pixel rows) in one movable global block, which the caller gives back with
 * qa_dib_release.  qa_dib_read reads a ".bmp" file, or a GIF file when the
 * name contains ".gif" in any case; null on failure, with a message.  The
 * drawing, palette and clipboard functions accept only blocks from the
 * global heap that hold everything their header announces.
 * qa_dib_draw draws at the bitmap's size when w is 0, into w x h when both
 * are given, and at width w with the bitmap's aspect when h is 0; then a
 * non-zero fit keeps it from growing beyond its own device pixels, centred.
 * It gives the drawn height plus the vertical offset, 0 when nothing was
 * drawn. */
KAVOAPI void *WINAPI qa_dib_read(const char *file_name);
KAVOAPI void WINAPI qa_dib_release(void *dib);
KAVOAPI void WINAPI qa_dib_get_size(const void *dib, int32_t *width, int32_t *height);
KAVOAPI int32_t WINAPI qa_dib_draw(HDC hdc, const void *dib, int32_t x, int32_t y, int32_t w, int32_t h,
                                   int32_t fit);
KAVOAPI int32_t WINAPI qa_dib_draw_file(HDC hdc, const char *file_name, int32_t x, int32_t y, int32_t w,
                                        int32_t h, int32_t unused);
/* The bitmap's colour table as a palette (the caller deletes it); null for
 * core headers and bitmaps without a table. */
KAVOAPI HPALETTE WINAPI qa_dib_create_palette(const void *dib);
/* Puts the bitmap and its palette on the clipboard and gives the result of
 * CloseClipboard; 1 without copying for a core header, 0 for more than 256
 * colours or a bad block. */
KAVOAPI int32_t WINAPI qa_dib_to_clipboard(HWND owner, const void *dib);
/* The "QBMPWND" window class; 0 always.  gdi_bmpctrl_setbmp shows an image
 * file of any format GDI+ reads in the control (null or "" clears it); fit
 * scales it into the control. */
KAVOAPI int32_t WINAPI gdi_bmpw_registerclass(HINSTANCE instance);
KAVOAPI void WINAPI gdi_bmpctrl_setbmp(HWND dialog, int32_t control_id, const char *file_name, int32_t fit);
KAVOAPI void WINAPI gdi_bmpctrl_set_white_bkg(HWND dialog, int32_t control_id);
/* The first image of a GIF file (no extension block before it, no local
 * colour table) as an 8-bit bitmap; null on failure, with a message. */
KAVOAPI void *WINAPI qa_gif_read_dib(const char *file_name);
/* Placeable metafiles.  qa_wmf_read gives a metafile handle (the caller
 * deletes it with DeleteMetaFile) and the aspect ratio height / width of
 * its bounding box (1.0 when it cannot tell); 0 on failure, with a message
 * except when the file cannot be opened.  qa_wmf_draw plays it into the
 * rectangle and restores the mapping of hdc.  qa_wmf_to_clipboard puts a
 * copy on the clipboard with a size in tenths of a millimetre; it gives the
 * result of CloseClipboard, or 1 after a failure message. */
KAVOAPI HMETAFILE WINAPI qa_wmf_read(const char *file_name, float *aspect);
KAVOAPI int32_t WINAPI qa_wmf_draw(HDC hdc, HMETAFILE metafile, int32_t left, int32_t top, int32_t right,
                                   int32_t bottom);
KAVOAPI int32_t WINAPI qa_wmf_to_clipboard(HMETAFILE metafile, int32_t width, int32_t height);

/* ---- Download ---------------------------------------------------------------- */

/* ---- File search, ini file and file dialogs ----------------------------------
 * qa_findfile looks for name in the three folders of qa_init_paths, in
 * order, and gives 1 with the path in out (300 bytes; 300 characters for the
 * w form), or 0 with out empty and, when show_message is nonzero, the message
 * "Cannot find <name>!".  qa_ini_modified reads the unit system setting
 * again.  The dialogs take a filter such as L"Data files|*.dat|" and give 0
 * with the chosen path in file and its folder in folder (both size bytes),
 * or -1, buffers unchanged, when cancelled or the dialog cannot be shown. */
KAVOAPI int32_t WINAPI qa_findfile(char *out, const char *name, int32_t show_message);
KAVOAPI int32_t WINAPI qa_findfilew(wchar_t *out, const wchar_t *name, int32_t show_message);
KAVOAPI void WINAPI qa_ini_modified(void);
KAVOAPI int32_t WINAPI qa_openfile_dlg(HWND owner, const wchar_t *filter, char *folder, char *file, int32_t size,
                                       const wchar_t *title);
KAVOAPI int32_t WINAPI qa_savefile_dlg(HWND owner, const wchar_t *filter, const wchar_t *default_extension,
                                       char *folder, char *file, int32_t size, const wchar_t *title);

/* ---- Number formatting and GUIDs -----------------------------------------
 * qa_smart_sprint formats value with `decimals` digits (negative: six),
 * drops insignificant zeros and a bare decimal point, turns "-0" into "0",
 * and returns the length of the text.  A text longer than size - 1 is cut
 * to fit; size is in bytes (UTF-16 units for the w form).
 * qa_create_guid writes 32 upper-case hexadecimal digits and a NUL into out
 * (33 bytes); 0 on success, -1 when the platform could not make a UUID. */
KAVOAPI int32_t WINAPI qa_smart_sprint(char *buffer, int32_t size, double value, int32_t decimals);
KAVOAPI int32_t WINAPI qa_smart_sprintw(wchar_t *buffer, int32_t size, double value, int32_t decimals);
KAVOAPI int32_t WINAPI qa_create_guid(char *out);

#if defined(__cplusplus)
} /* extern "C" */
#endif

#endif /* KAVOAPI_FUNCTIONS_INCLUDED */
