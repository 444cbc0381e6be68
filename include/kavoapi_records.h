/**
 * @file kavoapi_records.h
 * @brief The records that KavoApi.dll shares with its hosts.
 *
 * Every record is packed to single bytes and built from fixed-width types,
 * so that hosts compiled with any compiler agree with the module on its
 * layout.  The records need nothing but <stdint.h>: portable code includes
 * this header alone and gets them without <windows.h>; kavoapi.h includes
 * it for the functions.
 */

#ifndef KAVOAPI_RECORDS_H
#define KAVOAPI_RECORDS_H

#include <stddef.h> /* offsetof in the layout checks */
#include <stdint.h>

/** @cond INTERNAL */
#if defined(__cplusplus)
#define KAVOAPI_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define KAVOAPI_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif
/* Pins a field of a shared record to its byte offset. */
#define KAVOAPI_AT(type, field, offset) \
    KAVOAPI_STATIC_ASSERT(offsetof(type, field) == (offset), #type "." #field " at " #offset)
/** @endcond */

#if defined(__cplusplus)
extern "C" {
#endif

#pragma pack(push, 1)

/* ---- Design data buffers ------------------------------------------------ */

/** A date as the design data carries it; all three zero means "no date".
 * As text it reads "dd.mm.yyyy".
 * @ingroup varbuf */
typedef struct varbuf_date {
    uint8_t day;
    uint8_t month;
    uint16_t year;
} varbuf_date;

KAVOAPI_STATIC_ASSERT(sizeof(varbuf_date) == 4, "varbuf_date is 4 bytes");
KAVOAPI_AT(varbuf_date, month, 1); KAVOAPI_AT(varbuf_date, year, 2);

/* ---- Design data records ------------------------------------------------
 * Records that the hosts own and pass by pointer.  The layouts are an
 * interface shared with the hosts: field order and widths never change, and
 * the host areas are bytes that belong to the host (a reader clears them
 * only when it clears the whole record).  A state field is set by a reader
 * when the group of keys that it guards was found; 0 means "absent".  Texts
 * are NUL-terminated and at most one byte shorter than their field. */

/** One product parameter: a key of at most 4 and a value of at most 10
 * characters.
 * @ingroup varbuf_records */
typedef struct propar_entry {
    char key[5];
    char value[11];
} propar_entry;

KAVOAPI_STATIC_ASSERT(sizeof(propar_entry) == 16, "propar_entry is 16 bytes");
KAVOAPI_AT(propar_entry, value, 5);

/** A room: the R items. @ingroup varbuf_records */
typedef struct room {
    int16_t valid; /**< 3 after a design read; written only when above 0 */
    char rcd[11];
    char rnm[31];
    int16_t rrt;
    float rle, rwi, rhe, rhz, rdz;
    int16_t rcs; /**< S case selector */
    float rts, rds, rrs;
    int16_t rcw; /**< W case selector */
    float rtw, rdw, rrw, rpc, rph;
    int16_t rac;  /**< absorption class */
    float ra[8];  /**< absorption of the octave bands 63 Hz to 8 kHz */
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
KAVOAPI_AT(room, rwi, 50); KAVOAPI_AT(room, rhe, 54); KAVOAPI_AT(room, rhz, 58); KAVOAPI_AT(room, rpc, 94);
KAVOAPI_AT(room, rq2, 140);

/** One wall of the room's surfaces: the W items of one wall. @ingroup varbuf_records */
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
KAVOAPI_AT(wall_entry, ww, 4); KAVOAPI_AT(wall_entry, wa, 8); KAVOAPI_AT(wall_entry, w3, 20);
KAVOAPI_AT(wall_entry, w4, 24); KAVOAPI_AT(wall_entry, w5, 28); KAVOAPI_AT(wall_entry, w6, 32);
KAVOAPI_AT(wall_entry, w7, 36); KAVOAPI_AT(wall_entry, wl, 48); KAVOAPI_AT(wall_entry, wi, 52);

/** One ceiling of the room's surfaces: the C items of one ceiling. @ingroup varbuf_records */
typedef struct ceiling_entry {
    float cl, cw, ca;
    int16_t ct;
    float cs;
    float cl2; /**< travels under the key CL too: reads back equal to cl */
    float ci, cu;
    uint8_t host1[80];
} ceiling_entry;

KAVOAPI_STATIC_ASSERT(sizeof(ceiling_entry) == 110, "ceiling_entry is 110 bytes");
KAVOAPI_AT(ceiling_entry, ct, 12); KAVOAPI_AT(ceiling_entry, cs, 14); KAVOAPI_AT(ceiling_entry, cl2, 18);
KAVOAPI_AT(ceiling_entry, ci, 22); KAVOAPI_AT(ceiling_entry, cu, 26); KAVOAPI_AT(ceiling_entry, host1, 30);
KAVOAPI_AT(ceiling_entry, cw, 4); KAVOAPI_AT(ceiling_entry, ca, 8);

/** The room's surfaces: the S header, four walls and two ceilings. @ingroup varbuf_records */
typedef struct surfaces {
    int16_t valid; /**< 3 when SIN was found */
    int16_t sin;   /**< nothing is written while SIN is 0 */
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

/** Values derived when a design is read. @ingroup varbuf_records */
typedef struct summary {
    char tag[31];
    uint8_t host1[6];
    int16_t q_state; /**< 2 when q_unit holds a value */
    float q_unit;    /**< the design's Q value per unit */
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

/** The installation: the I items, CFI and CVL. @ingroup varbuf_records */
typedef struct installation {
    char tag[31];
    int16_t valid;
    int16_t imp;
    float iih, ias;
    int16_t inr; /**< highest IR entry in use, at most 19 */
    int16_t inc; /**< highest IC entry in use, at most 19 */
    int16_t int_, inv, inw; /**< INT + INV + INW entries of IT/IG/IJ, at most 50 */
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
KAVOAPI_AT(installation, ivp, 55);

/** The O side and the E side; each state is 1 when its key was read.  @ingroup varbuf_records */
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
KAVOAPI_AT(oe_data, oqm, 33); KAVOAPI_AT(oe_data, oqv_state, 37); KAVOAPI_AT(oe_data, odp, 45);
KAVOAPI_AT(oe_data, oad_state, 49); KAVOAPI_AT(oe_data, olb, 57); KAVOAPI_AT(oe_data, olr, 103);
KAVOAPI_AT(oe_data, eqm, 149); KAVOAPI_AT(oe_data, eqv_state, 153); KAVOAPI_AT(oe_data, edp, 161);
KAVOAPI_AT(oe_data, ead_state, 165); KAVOAPI_AT(oe_data, elb, 173);

/** The H values HIU and HPO. @ingroup varbuf_records */
typedef struct h_data {
    int16_t valid; /**< 3 when both keys were found */
    int16_t hiu, hpo;
    uint8_t host1[88];
} h_data;

KAVOAPI_STATIC_ASSERT(sizeof(h_data) == 94, "h_data is 94 bytes");
KAVOAPI_AT(h_data, hiu, 2); KAVOAPI_AT(h_data, hpo, 4); KAVOAPI_AT(h_data, host1, 6);

/** Identity data.  SID is UTF-16 in the record and UTF-8 in the text; 21
 * characters fill it without a terminating NUL.
 * @ingroup varbuf_records */
typedef struct s_data {
    uint16_t sid[21];
    int16_t sdw, sdh, sdl;
    float sl[8];
    uint8_t host1[2];
} s_data;

KAVOAPI_STATIC_ASSERT(sizeof(s_data) == 82, "s_data is 82 bytes");
KAVOAPI_AT(s_data, sdw, 42); KAVOAPI_AT(s_data, sdh, 44); KAVOAPI_AT(s_data, sdl, 46); KAVOAPI_AT(s_data, sl, 48);
KAVOAPI_AT(s_data, host1, 80);

/** Selector bits (tested in the low byte) choose the value pairs written;
 * a selector read as 1 becomes 54.
 * @ingroup varbuf_records */
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
KAVOAPI_AT(u_data, usw, 2); KAVOAPI_AT(u_data, uc2, 8); KAVOAPI_AT(u_data, uc3, 12);
KAVOAPI_AT(u_data, uq2, 24); KAVOAPI_AT(u_data, um2, 32); KAVOAPI_AT(u_data, uw2, 40);
KAVOAPI_AT(u_data, ut2, 48); KAVOAPI_AT(u_data, uv2, 56); KAVOAPI_AT(u_data, ut6, 64);

/** Product data of the M items, with an S and a W case. @ingroup varbuf_records */
typedef struct m_data {
    char w_tag[31];
    char s_tag[31];
    int16_t mja_state; float mja;
    int16_t map_state; float map;
    int16_t s_state; /**< 3 when MQS and MTS were found */
    int8_t mas;
    float mqs, mts, md1, mp1;
    int16_t w_state; /**< 3 when MQW and MTW were found */
    int8_t maw;
    float mqw, mtw, md5, mp5;
    int16_t msf_state; /**< 3 when MSF and MSB were found */
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
KAVOAPI_AT(m_data, mja, 64); KAVOAPI_AT(m_data, map, 70); KAVOAPI_AT(m_data, mts, 81);
KAVOAPI_AT(m_data, md1, 85); KAVOAPI_AT(m_data, mtw, 100); KAVOAPI_AT(m_data, md5, 104);

/** Product data of the D items, with an S and a W case. @ingroup varbuf_records */
typedef struct d_data {
    char w_tag[31];
    char s_tag[31];
    int16_t s_state; /**< 3 when DQS and DTS were found */
    float dqs, dts;
    int16_t w_state; /**< 3 when DQW and DTW were found */
    float dqw, dtw;
    float dto, dzp;
    uint8_t host1[80];
} d_data;

KAVOAPI_STATIC_ASSERT(sizeof(d_data) == 170, "d_data is 170 bytes");
KAVOAPI_AT(d_data, s_state, 62); KAVOAPI_AT(d_data, dqs, 64); KAVOAPI_AT(d_data, dts, 68);
KAVOAPI_AT(d_data, w_state, 72); KAVOAPI_AT(d_data, dqw, 74); KAVOAPI_AT(d_data, dtw, 78);
KAVOAPI_AT(d_data, dto, 82); KAVOAPI_AT(d_data, dzp, 86); KAVOAPI_AT(d_data, host1, 90);
KAVOAPI_AT(d_data, s_tag, 31);

/** A beam module.  The 8-bit fields travel as shorts: written widened (s8
 * with its sign), read back as their low 8 bits.
 * @ingroup varbuf_records */
typedef struct beam_module {
    char w_tag[31];
    char s_tag[31];
    /* S case */
    int16_t s1_state; /**< 3 when BQ1, BT1 and BP1 were found */
    int16_t s2_state; /**< 3 when BT2, BT3, BQ2, BP2 and BCS were found */
    float ba1;
    uint8_t bcs;
    int8_t bas, bat;
    float bq1, br1, bq3, bt1, bv1, bt2, bt3, bt4, bta, bq2, bp1, bp3, bp4, bp2, b3p, b4p;
    float bd1, be1, bd2, be2, bc3, bd3, bd4, bl1, bl2, bl3;
    uint8_t bc1;
    float bc2, bc4, bca;
    /* W case */
    int16_t w1_state; /**< 3 when BQ5, BT5 and BP5 were found */
    int16_t w2_state; /**< 3 when BT6, BT7, BQ6, BP6 and BCW were found */
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
    float bm1; /**< S case */
    float bm2; /**< W case */
    uint8_t host1[80];
    /* CN group */
    int16_t cnb_state; /**< 3 when CNB was found */
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
KAVOAPI_AT(beam_module, s_tag, 31); KAVOAPI_AT(beam_module, br1, 77); KAVOAPI_AT(beam_module, bq3, 81);
KAVOAPI_AT(beam_module, bt1, 85); KAVOAPI_AT(beam_module, bv1, 89); KAVOAPI_AT(beam_module, bt2, 93);
KAVOAPI_AT(beam_module, bt3, 97); KAVOAPI_AT(beam_module, bt4, 101); KAVOAPI_AT(beam_module, bta, 105);
KAVOAPI_AT(beam_module, bq2, 109); KAVOAPI_AT(beam_module, bp1, 113); KAVOAPI_AT(beam_module, bp3, 117);
KAVOAPI_AT(beam_module, bp4, 121); KAVOAPI_AT(beam_module, bp2, 125); KAVOAPI_AT(beam_module, b3p, 129);
KAVOAPI_AT(beam_module, b4p, 133); KAVOAPI_AT(beam_module, bd1, 137); KAVOAPI_AT(beam_module, be1, 141);
KAVOAPI_AT(beam_module, bd2, 145); KAVOAPI_AT(beam_module, be2, 149); KAVOAPI_AT(beam_module, bc3, 153);
KAVOAPI_AT(beam_module, bd3, 157); KAVOAPI_AT(beam_module, bd4, 161); KAVOAPI_AT(beam_module, bl1, 165);
KAVOAPI_AT(beam_module, bl2, 169); KAVOAPI_AT(beam_module, bc4, 182); KAVOAPI_AT(beam_module, br5, 205);
KAVOAPI_AT(beam_module, bq7, 209); KAVOAPI_AT(beam_module, bt5, 213); KAVOAPI_AT(beam_module, bv5, 217);
KAVOAPI_AT(beam_module, bt6, 221); KAVOAPI_AT(beam_module, bt7, 225); KAVOAPI_AT(beam_module, bt8, 229);
KAVOAPI_AT(beam_module, bt9, 233); KAVOAPI_AT(beam_module, bq6, 237); KAVOAPI_AT(beam_module, bp5, 241);
KAVOAPI_AT(beam_module, bp8, 245); KAVOAPI_AT(beam_module, bp9, 249); KAVOAPI_AT(beam_module, bp6, 253);
KAVOAPI_AT(beam_module, b8p, 257); KAVOAPI_AT(beam_module, b9p, 261); KAVOAPI_AT(beam_module, bp7, 265);
KAVOAPI_AT(beam_module, bd5, 269); KAVOAPI_AT(beam_module, be5, 273); KAVOAPI_AT(beam_module, bd6, 277);
KAVOAPI_AT(beam_module, be6, 281); KAVOAPI_AT(beam_module, bc7, 285); KAVOAPI_AT(beam_module, bd7, 289);
KAVOAPI_AT(beam_module, bd8, 293); KAVOAPI_AT(beam_module, bl5, 297); KAVOAPI_AT(beam_module, bl6, 301);
KAVOAPI_AT(beam_module, bc8, 314); KAVOAPI_AT(beam_module, blc, 324); KAVOAPI_AT(beam_module, bph, 350);

/** A panel module: the P items, with an S and a W case. @ingroup varbuf_records */
typedef struct panel_module {
    char w_tag[31];
    char s_tag[31];
    int16_t s1_state; /**< 3 when PQ1 was found */
    int16_t s2_state; /**< 3 when PT2, PT3, PQ2 and PCS were found */
    uint8_t pcs;
    int8_t pas, pat;
    float pq1, pr1, pt1, pt2, pt3, pq2, pd2, pe2, pe3, pp1;
    int16_t w1_state; /**< 3 when PQ5 was found */
    int16_t w2_state; /**< 3 when PT6, PT7, PQ6 and PCW were found */
    uint8_t pcw;
    int8_t paw, pax;
    float pq5, pr5, pt5, pt6, pt7, pq6, pd6, pe6, pe7, pp5;
    int16_t pap_state; float pap;
    char pnb[41];
    int16_t pqd, pwp;
    char pws[81];
    int16_t psf_state; /**< 3 when PSF and PSB were found */
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
KAVOAPI_AT(panel_module, s_tag, 31); KAVOAPI_AT(panel_module, pr1, 73); KAVOAPI_AT(panel_module, pt1, 77);
KAVOAPI_AT(panel_module, pt2, 81); KAVOAPI_AT(panel_module, pt3, 85); KAVOAPI_AT(panel_module, pq2, 89);
KAVOAPI_AT(panel_module, pd2, 93); KAVOAPI_AT(panel_module, pe2, 97); KAVOAPI_AT(panel_module, pe3, 101);
KAVOAPI_AT(panel_module, pr5, 120); KAVOAPI_AT(panel_module, pt5, 124); KAVOAPI_AT(panel_module, pt6, 128);
KAVOAPI_AT(panel_module, pt7, 132); KAVOAPI_AT(panel_module, pq6, 136); KAVOAPI_AT(panel_module, pd6, 140);
KAVOAPI_AT(panel_module, pe6, 144); KAVOAPI_AT(panel_module, pe7, 148);

/** The whole design.  A sub-record takes part in a written design when its
 * tag equals design_id; a product's s_tag and w_tag mark its active cases.
 * @ingroup varbuf_records */
typedef struct designdata {
    uint8_t host1[22];
    int16_t design_case; /**< 0 S case, 1 W case, 2 W case of a beam with BCW bit 1 */
    char design_id[31];
    uint8_t host2[338];
    propar_entry propar[40];
    int16_t propar_count;
    uint8_t host3[642];
    char accessories[446]; /**< accessory codes separated by "," */
    int16_t module_count;  /**< modules loaded into beams or panels */
    int16_t module_index;  /**< the module that the design writer writes */
    uint8_t host4[2007];
    room room;
    surfaces surfaces;
    summary summary;
    installation installation;
    m_data m_data;
    d_data d_data;
    oe_data oe_data;
    h_data h_data;
    uint8_t host5[1040]; /**< as large as a drawingdata record */
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

/** The header of a drawing and its free "_" items (keys of at most 4 and
 * values of at most 10 characters, at most 40 of them).
 * @ingroup varbuf_records */
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

/** A registry key of the module's settings, filled by qareg_init: the key
 * path below the root key and the name of one value in that key.
 * @ingroup registry */
typedef struct qareg_key {
    char path[300];
    char valueName[300];
} qareg_key;

KAVOAPI_STATIC_ASSERT(sizeof(qareg_key) == 600, "qareg_key is 600 bytes");
KAVOAPI_AT(qareg_key, valueName, 300);

/* ---- Language texts and the qcq database ---------------------------------- */

/** A growable array in a movable global memory block: count elements of
 * elemSize bytes at data.  qlg_get_all_languages appends text pointers,
 * each text in a block of its own.
 * @ingroup language */
typedef struct gwarray {
    void *data;
    int32_t count;
    int32_t elemSize;
} gwarray;
#if UINTPTR_MAX == 0xFFFFFFFFu /* the 32-bit layout that hosts share */
KAVOAPI_STATIC_ASSERT(sizeof(gwarray) == 12, "gwarray is 12 bytes on 32-bit");
KAVOAPI_AT(gwarray, count, 4); KAVOAPI_AT(gwarray, elemSize, 8);
#endif

/* ---- List window ---------------------------------------------------------- */

/** What a list window hands its host with DRAWCELL: the device context to
 * paint into and the cell's rectangle (left, top, right, bottom).
 * @ingroup listwnd */
typedef struct qlw_owner_draw {
    void *dc; /**< HDC */
    int32_t left, top, right, bottom;
} qlw_owner_draw;
KAVOAPI_STATIC_ASSERT(sizeof(qlw_owner_draw) == sizeof(void *) + 16, "qlw_owner_draw has no gaps");
#if UINTPTR_MAX == 0xFFFFFFFFu /* the 32-bit layout that hosts share */
KAVOAPI_AT(qlw_owner_draw, left, 4); KAVOAPI_AT(qlw_owner_draw, top, 8);
KAVOAPI_AT(qlw_owner_draw, right, 12); KAVOAPI_AT(qlw_owner_draw, bottom, 16);
#endif

/** The record of a "GWLBHDR" header strip window, made zero-filled by the
 * window and reached through its slot 0 (GetWindowLongPtr).  The host
 * fills it: 1 to 30 columns, the left border of each as a fraction of the
 * strip's width (column_x follows at each width message), the captions
 * separated by "|" with the two lines of one caption separated by "\",
 * and how many character cells the whole strip must hold (above 0).  With
 * fixed_font set the strip draws with DEFAULT_GUI_FONT; otherwise the
 * module makes the font, scaled to the width.
 * @ingroup listwnd */
typedef struct qlw_header_strip {
    uint32_t host_word; /**< the module neither reads nor writes it */
    void *font;         /**< HFONT */
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
#if UINTPTR_MAX == 0xFFFFFFFFu /* the 32-bit layout that hosts share */
KAVOAPI_AT(qlw_header_strip, font, 4); KAVOAPI_AT(qlw_header_strip, column_count, 8);
KAVOAPI_AT(qlw_header_strip, column_ratio, 132); KAVOAPI_AT(qlw_header_strip, fixed_font, 1052);
KAVOAPI_AT(qlw_header_strip, chars_across, 1054);
#endif
/** Message to a header strip: the new width in wParam. @ingroup listwnd */
#define QLW_HDR_SETWIDTH 1025


/* ---- Graphics and images -------------------------------------------------- */

/** A named font's settings (qafont_get_info); heights in tenths of a mm.  @ingroup fonts */
typedef struct font_info {
    char name[9];
    char face[80];
    char style[4]; /**< "B" bold, "I" italic, "U" underline */
    uint16_t height;
    int16_t angle; /**< degrees */
    uint8_t opaque;
    uint8_t red, green, blue;
} font_info;
KAVOAPI_STATIC_ASSERT(sizeof(font_info) == 101, "font_info is 101 bytes");
KAVOAPI_STATIC_ASSERT(offsetof(font_info, height) == 93, "font_info.height");
KAVOAPI_STATIC_ASSERT(offsetof(font_info, red) == 98, "font_info.red");
KAVOAPI_AT(font_info, face, 9); KAVOAPI_AT(font_info, style, 89); KAVOAPI_AT(font_info, angle, 95);
KAVOAPI_AT(font_info, opaque, 97); KAVOAPI_AT(font_info, green, 99); KAVOAPI_AT(font_info, blue, 100);

/** A named pen's settings (qapen_get_info); width in tenths of a mm.  @ingroup fonts */
typedef struct pen_info {
    char name[9];
    int16_t style; /**< as for CreatePen */
    uint16_t width;
    uint8_t red, green, blue;
} pen_info;
KAVOAPI_STATIC_ASSERT(sizeof(pen_info) == 16, "pen_info is 16 bytes");
KAVOAPI_STATIC_ASSERT(offsetof(pen_info, width) == 11, "pen_info.width");
KAVOAPI_AT(pen_info, style, 9); KAVOAPI_AT(pen_info, red, 13); KAVOAPI_AT(pen_info, green, 14);
KAVOAPI_AT(pen_info, blue, 15);

/** A memo being cut into rows (qat_ functions): the text is not copied and
 * must live while rows are fetched.  font_height > 0 measures rows in
 * pixels of the Arial estimate at that height, else in characters;
 * max_width is the limit in those units.  16 bytes in the 32-bit build.
 * @ingroup dialogs */
typedef struct qat_memoinfo {
    const void *text; /**< 8-bit or UTF-16, as initialised */
    int32_t position; /**< next character to read */
    int32_t length;
    int16_t font_height;
    int16_t max_width;
} qat_memoinfo;
KAVOAPI_STATIC_ASSERT(sizeof(qat_memoinfo) == sizeof(void *) + 12, "qat_memoinfo has no gaps");
KAVOAPI_STATIC_ASSERT(offsetof(qat_memoinfo, max_width) == sizeof(void *) + 10, "qat_memoinfo.max_width");
#if UINTPTR_MAX == 0xFFFFFFFFu /* the 32-bit layout that hosts share */
KAVOAPI_STATIC_ASSERT(sizeof(qat_memoinfo) == 16, "qat_memoinfo is 16 bytes on 32-bit");
KAVOAPI_AT(qat_memoinfo, position, 4); KAVOAPI_AT(qat_memoinfo, length, 8);
KAVOAPI_AT(qat_memoinfo, font_height, 12);
#endif


/* ---- Download ------------------------------------------------------------- */

#pragma pack(pop)

#if defined(__cplusplus)
} /* extern "C" */
#endif

#endif /* KAVOAPI_RECORDS_H */
