// Room, installation, surfaces, O/E data, H data, identity data, U data.
#include <cmath>
#include <cstddef>
#include <cstring>

#include "units/absorption.h"
#include "varbuf/codec_support.h"
#include "varbuf/designdata.h"
#include "varbuf/utf_convert.h"

namespace kavo {

using codec::Key;
using codec::Reader;
using codec::Writer;

// ---- room -----------------------------------------------------------------

int write_room(const room &r, char *text, int size)
{
    Writer w(text, size);
    w.sz("RCD", r.rcd);
    w.sz("RNM", r.rnm);
    w.sz("RNT", r.rnt);
    w.flo("RLE", r.rle, 2);
    w.flo("RWI", r.rwi, 2);
    w.flo("RHE", r.rhe, 2);
    w.flo("RHZ", r.rhz, 2);
    w.flo("RDZ", r.rdz, 2);
    w.flo("RTS", r.rts, 2);
    w.sho("RCS", r.rcs);
    if (std::fabs(r.rds) > 0.05)
        w.flo("RDS", r.rds, 2);
    w.flo("RRS", r.rrs, 2);
    w.flo("RTW", r.rtw, 2);
    w.sho("RCW", r.rcw);
    if (std::fabs(r.rdw) > 0.05)
        w.flo("RDW", r.rdw, 2);
    for (auto [key, value] : {codec::FloatItem{"RRW", r.rrw}, {"RPC", r.rpc}, {"RPH", r.rph}, {"RQR", r.rqr},
                              {"RQ2", r.rq2}, {"RQ3", r.rq3}})
        w.flo(key, value, 2);
    w.sho("RAC", r.rac);
    for (int i = 0; i < 8; ++i)
        w.flo(Key("RA", i), r.ra[i], 2);
    return w.sho("RRT", r.rrt);
}

// Keys are asked for in the order the writer puts them, which is the order
// a finder answers fastest; no reading depends on that order.
int read_room(room &r, const ItemFinder &text)
{
    codec::clear(r);
    Reader in(text);
    in.sz("RCD", r.rcd);
    in.sz("RNM", r.rnm);
    in.sz("RNT", r.rnt);
    in.numbers({{"RLE", &r.rle}, {"RWI", &r.rwi}, {"RHE", &r.rhe}, {"RHZ", &r.rhz}, {"RDZ", &r.rdz}, {"RTS", &r.rts}});
    const int rcs = in.sho("RCS", &r.rcs);
    in.numbers({{"RDS", &r.rds}, {"RRS", &r.rrs}, {"RTW", &r.rtw}});
    const int rcw = in.sho("RCW", &r.rcw);
    in.numbers({{"RDW", &r.rdw}, {"RRW", &r.rrw}, {"RPC", &r.rpc}, {"RPH", &r.rph}, {"RQR", &r.rqr}, {"RQ2", &r.rq2},
                {"RQ3", &r.rq3}});
    // A selector that is missing altogether follows from its value.
    if (rcs == kNotFound && std::fabs(r.rds) > 0.05)
        r.rcs = 2;
    if (rcw == kNotFound && std::fabs(r.rdw) > 0.05)
        r.rcw = 2;
    if (in.sho("RAC", &r.rac) == kFound) {
        in.numbered("RA", r.ra, 8);
    } else {
        room_default_absorption(r);
    }
    return in.sho("RRT", &r.rrt);
}

// ---- installation ---------------------------------------------------------

int write_installation(const installation &inst, char *text, int size)
{
    Writer w(text, size);
    w.sho("IMP", inst.imp);
    w.flo("IIH", inst.iih, 2);
    for (auto [key, value] : {codec::ShortItem{"INR", inst.inr}, {"INC", inst.inc}, {"ILN", inst.iln}, {"IVP", inst.ivp},
                              {"IVL", inst.ivl}})
        w.sho(key, value);
    if (inst.ivf > 0)
        w.sho("IVF", inst.ivf);
    if (inst.ias > 0.05)
        w.flo("IAS", inst.ias, 1);
    w.sho("INT", inst.int_);
    if (inst.inv > 0)
        w.sho("INV", inst.inv);
    if (inst.inw > 0)
        w.sho("INW", inst.inw);
    for (int i = 0; i <= codec::clamp_index(inst.inr); ++i)
        if (inst.ir[i] != 0)
            w.sho(Key("IR", i), inst.ir[i]);
    for (int i = 0; i <= codec::clamp_index(inst.inc); ++i)
        if (inst.ic[i] != 0)
            w.sho(Key("IC", i), inst.ic[i]);
    const int entries = codec::clamp_entries(inst.int_ + inst.inv + inst.inw);
    for (int i = 0; i < entries; ++i) {
        if (inst.it[i] > 0)
            w.sho(Key("IT", i), inst.it[i]);
        if (inst.ig[i] != 0)
            w.sho(Key("IG", i), inst.ig[i]);
        if (inst.ij[i] > 0)
            w.sho(Key("IJ", i), inst.ij[i]);
    }
    if (inst.cfi != 0)
        w.sho("CFI", inst.cfi);
    if (inst.cvl != 0.0f)
        w.flo("CVL", inst.cvl, 0);
    return 0;
}

int read_installation(installation &inst, const ItemFinder &text)
{
    codec::clear(inst);
    Reader in(text);
    bool complete = in.found("IMP", &inst.imp) && in.found("IIH", &inst.iih) && in.found("INR", &inst.inr) &&
                    in.found("INC", &inst.inc) && in.found("ILN", &inst.iln) && in.found("IVP", &inst.ivp) &&
                    in.found("IVL", &inst.ivl);
    if (complete) {
        // Read between IVL and INT, where they are written; an incomplete
        // installation is cleared whatever was read.
        in.sho("IVF", &inst.ivf);
        in.flo("IAS", &inst.ias);
        complete = in.found("INT", &inst.int_);
    }
    if (!complete) {
        codec::clear(inst);
        return 0;
    }
    in.sho("INV", &inst.inv);
    in.sho("INW", &inst.inw);
    in.numbered("IR", inst.ir, 20);
    in.numbered("IC", inst.ic, 20);
    const int entries = codec::clamp_entries(inst.int_ + inst.inw + inst.inv);
    in.rows({{"IT", inst.it}, {"IG", inst.ig}, {"IJ", inst.ij}}, entries, sizeof inst.it[0]);
    in.sho("CFI", &inst.cfi);
    in.flo("CVL", &inst.cvl);
    inst.valid = 3;
    return 1;
}

// ---- surfaces -------------------------------------------------------------

int write_surfaces(const surfaces &s, char *text, int size)
{
    if (s.sin == 0)
        return 0;
    Writer w(text, size);
    w.sho("SCH", s.sch);
    w.sho("SIN", s.sin);
    w.flo("SAM", s.sam, 2);
    w.flo("SIR", s.sir, 3);
    for (int i = 0; i < 4; ++i) {
        const wall_entry &wall = s.walls[i];
        w.flo(Key("WH", i), wall.wh, 1);
        w.flo(Key("WW", i), wall.ww, 1);
        w.sho(Key("WT", i), wall.wt);
        w.flo(Key("WA", i), wall.wa, 1);
        w.sho(Key("W1", i), wall.w1);
        for (auto [prefix, value] : {codec::FloatItem{"W2", wall.w2}, {"W3", wall.w3}, {"W4", wall.w4}, {"W5", wall.w5},
                                     {"W6", wall.w6}, {"W7", wall.w7}})
            w.flo(Key(FindKey::of_text(prefix), i), value, 1);
        w.flo(Key("W8", i), wall.w8, 3);
        w.flo(Key("WS", i), wall.ws, 1);
        w.flo(Key("WL", i), wall.wl, 1);
        w.flo(Key("WI", i), wall.wi, 1);
        w.flo(Key("WU", i), wall.wu, 3);
    }
    for (int i = 0; i < 2; ++i) {
        const ceiling_entry &c = s.ceilings[i];
        w.flo(Key("CL", i), c.cl, 1);
        w.flo(Key("CW", i), c.cw, 1);
        w.sho(Key("CT", i), c.ct);
        w.flo(Key("CA", i), c.ca, 1);
        w.flo(Key("CS", i), c.cs, 1);
        w.flo(Key("CL", i), c.cl2, 1);
        w.flo(Key("CI", i), c.ci, 1);
        w.flo(Key("CU", i), c.cu, 3);
    }
    return 0;
}

int read_surfaces(surfaces &s, const ItemFinder &text)
{
    codec::clear(s);
    Reader in(text);
    in.sho("SCH", &s.sch);
    if (in.sho("SIN", &s.sin) == kFound)
        s.valid = 3;
    in.flo("SAM", &s.sam);
    in.flo("SIR", &s.sir);
    wall_entry &w = s.walls[0];
    in.rows({{"WH", &w.wh}, {"WW", &w.ww}, {"WT", &w.wt}, {"WA", &w.wa}, {"W1", &w.w1}, {"W2", &w.w2}, {"W3", &w.w3},
             {"W4", &w.w4}, {"W5", &w.w5}, {"W6", &w.w6}, {"W7", &w.w7}, {"W8", &w.w8}, {"WS", &w.ws}, {"WL", &w.wl},
             {"WI", &w.wi}, {"WU", &w.wu}},
            4, sizeof w);
    ceiling_entry &c = s.ceilings[0];
    in.rows({{"CL", &c.cl}, {"CW", &c.cw}, {"CT", &c.ct}, {"CA", &c.ca}, {"CS", &c.cs}, {"CI", &c.ci}, {"CU", &c.cu}},
            2, sizeof c);
    // One key for both lengths: the second reads what the first read.
    for (ceiling_entry &each : s.ceilings)
        std::memcpy(static_cast<void *>(&each.cl2), static_cast<const void *>(&each.cl), sizeof each.cl);
    return 0;
}

// ---- O/E data -------------------------------------------------------------

namespace {

// The eight octave-band values of a record, by address: they may be
// misaligned inside the packed record.
void write_bands(Writer &w, const FindKey &prefix, const float *bands)
{
    for (int i = 0; i < 8; ++i) {
        float value;
        std::memcpy(&value, static_cast<const void *>(bands + i), sizeof value);
        w.flo(Key(prefix, i), value, 2);
    }
}

void read_bands(Reader &in, const FindKey &prefix, float *bands) { in.numbered(prefix, bands, 8); }

} // namespace

int write_oe_data(const oe_data &oe, char *text, int size)
{
    if (oe.oqm_state < 1 && oe.oqv_state < 1 && oe.eqm_state < 1 && oe.eqv_state < 1)
        return -1;
    Writer w(text, size);
    if (oe.oqv_state > 0)
        w.flo("OQV", oe.oqv, 2);
    if (oe.oqm_state > 0)
        w.flo("OQM", oe.oqm, 2);
    if (oe.odp_state > 0)
        w.flo("ODP", oe.odp, 2);
    w.flo("OAD", oe.oad, 2);
    if (oe.olb_state > 0) {
        w.flo("OLB", oe.olb, 2);
        w.flo("ORN", oe.orn, 2);
        w.flo("OCN", oe.ocn, 2);
        write_bands(w, "OL", oe.ol);
    }
    if (oe.olr_state > 0) {
        w.flo("OLR", oe.olr, 2);
        w.flo("ORR", oe.orr, 2);
        w.flo("OCR", oe.ocr, 2);
        write_bands(w, "OR", oe.or_);
    }
    if (oe.eqv_state > 0)
        w.flo("EQV", oe.eqv, 2);
    if (oe.eqm_state > 0)
        w.flo("EQM", oe.eqm, 2);
    if (oe.edp_state > 0)
        w.flo("EDP", oe.edp, 2);
    w.flo("EAD", oe.ead, 2);
    if (oe.elb_state >= 1) {
        w.flo("ELB", oe.elb, 2);
        w.flo("ERN", oe.ern, 2);
        w.flo("ECN", oe.ecn, 2);
        write_bands(w, "EL", oe.el);
    }
    return 0;
}

int read_oe_data(oe_data &oe, const ItemFinder &text)
{
    Reader in(text);
    in.stated("OQV", &oe.oqv, &oe.oqv_state, 1);
    in.stated("OQM", &oe.oqm, &oe.oqm_state, 1);
    in.stated("ODP", &oe.odp, &oe.odp_state, 1);
    in.stated("OAD", &oe.oad, &oe.oad_state, 1);
    in.stated("OLB", &oe.olb, &oe.olb_state, 1);
    in.flo("ORN", &oe.orn);
    in.flo("OCN", &oe.ocn);
    read_bands(in, "OL", oe.ol);
    in.stated("OLR", &oe.olr, &oe.olr_state, 1);
    in.flo("ORR", &oe.orr);
    in.flo("OCR", &oe.ocr);
    read_bands(in, "OR", oe.or_);
    in.stated("EQV", &oe.eqv, &oe.eqv_state, 1);
    in.stated("EQM", &oe.eqm, &oe.eqm_state, 1);
    in.stated("EDP", &oe.edp, &oe.edp_state, 1);
    in.stated("EAD", &oe.ead, &oe.ead_state, 1);
    in.stated("ELB", &oe.elb, &oe.elb_state, 1);
    in.flo("ERN", &oe.ern);
    in.flo("ECN", &oe.ecn);
    read_bands(in, "EL", oe.el);
    return (oe.oqm_state || oe.oqv_state || oe.eqm_state || oe.eqv_state) ? 1 : 0;
}

// ---- H data ---------------------------------------------------------------

int write_h_data(const h_data &h, char *text, int size)
{
    Writer w(text, size);
    w.sho("HIU", h.hiu);
    w.sho("HPO", h.hpo);
    return 0;
}

int read_h_data(h_data &h, const ItemFinder &text)
{
    codec::clear(h);
    Reader in(text);
    if (!(in.found("HIU", &h.hiu) && in.found("HPO", &h.hpo)))
        return 0;
    h.valid = 3;
    return 1;
}

// ---- identity data --------------------------------------------------------

namespace {
constexpr std::size_t kSidChars = sizeof(s_data{}.sid) / sizeof(uint16_t);
constexpr int kSidTextArea = 81;
} // namespace

int write_s_data(const s_data &s, char *text, int size)
{
    if (s.sid[0] == 0)
        return 0;
    uint16_t sid[kSidChars];
    std::memcpy(sid, s.sid, sizeof sid);
    char utf8[kSidChars * 4 + 4];
    utf16_to_utf8(sid, kSidChars, utf8, sizeof utf8);
    Writer w(text, size);
    w.raw("SID", utf8);
    w.sho("SDW", s.sdw);
    w.sho("SDH", s.sdh);
    w.sho("SDL", s.sdl);
    write_bands(w, "SL", s.sl);
    return 0;
}

int read_s_data(s_data &s, const ItemFinder &text)
{
    codec::clear(s);
    Reader in(text);
    char utf8[kSidTextArea];
    if (!(in.sz("SID", utf8) == kFound && in.found("SDW", &s.sdw) && in.found("SDH", &s.sdh) &&
          in.found("SDL", &s.sdl)))
        return 0;
    uint16_t sid[kSidChars] = {};
    utf8_to_utf16(utf8, sid, kSidChars);
    std::memcpy(s.sid, sid, sizeof sid);
    read_bands(in, "SL", s.sl);
    return 1;
}

// ---- U data ---------------------------------------------------------------

namespace {

// The value pairs of the U data with the selector bits that carry them.
struct UPair {
    FindKey first_key, second_key;
    std::size_t first, second; // offsets in u_data
    int bit;
    bool in_uss, in_usw;
    int decimals;
};

// In the writer's order; the reader's order differs only in where the UQ
// pair stands, and order does not change what a reader finds.
constexpr UPair kUPairs[] = {
    {"UQ1", "UQ2", offsetof(u_data, uq1), offsetof(u_data, uq2), 2, true, true, 1},
    {"UC1", "UC2", offsetof(u_data, uc1), offsetof(u_data, uc2), 4, true, true, 1},
    {"UC3", "UC4", offsetof(u_data, uc3), offsetof(u_data, uc4), 8, true, true, 1},
    {"UW1", "UW2", offsetof(u_data, uw1), offsetof(u_data, uw2), 16, false, true, 3},
    {"UV1", "UV2", offsetof(u_data, uv1), offsetof(u_data, uv2), 32, false, true, 1},
    {"UV5", "UV6", offsetof(u_data, uv5), offsetof(u_data, uv6), 64, false, true, 1},
    {"UM1", "UM2", offsetof(u_data, um1), offsetof(u_data, um2), 16, true, false, 3},
    {"UT1", "UT2", offsetof(u_data, ut1), offsetof(u_data, ut2), 32, true, false, 1},
    {"UT5", "UT6", offsetof(u_data, ut5), offsetof(u_data, ut6), 64, true, false, 1},
};

float u_value(const u_data &u, std::size_t offset)
{
    float value;
    std::memcpy(&value, reinterpret_cast<const char *>(&u) + offset, sizeof value);
    return value;
}

float *u_field(u_data &u, std::size_t offset)
{
    return reinterpret_cast<float *>(reinterpret_cast<char *>(&u) + offset);
}

bool pair_selected(const UPair &pair, const u_data &u)
{
    const int uss = u.uss & 0xFF, usw = u.usw & 0xFF;
    return (pair.in_uss && (uss & pair.bit)) || (pair.in_usw && (usw & pair.bit));
}

} // namespace

int write_u_data(const u_data &u, char *text, int size)
{
    Writer w(text, size);
    for (const UPair &pair : kUPairs) {
        if (!pair_selected(pair, u))
            continue;
        w.nz(pair.first_key.text(), u_value(u, pair.first), pair.decimals);
        w.nz(pair.second_key.text(), u_value(u, pair.second), pair.decimals);
    }
    if (u.uss > 0)
        w.sho("USS", u.uss);
    if (u.usw >= 1)
        w.sho("USW", u.usw);
    return 0;
}

int read_u_data(u_data &u, const ItemFinder &text)
{
    codec::clear(u);
    Reader in(text);
    in.sho("USS", &u.uss);
    in.sho("USW", &u.usw);
    // An old form of the selectors: 1 stood for the usual set of pairs.
    constexpr int16_t kUsualPairs = 2 | 4 | 16 | 32;
    if (u.uss == 1)
        u.uss = kUsualPairs;
    if (u.usw == 1)
        u.usw = kUsualPairs;
    for (const UPair &pair : kUPairs) {
        if (!pair_selected(pair, u))
            continue;
        in.flo(pair.first_key, u_field(u, pair.first));
        in.flo(pair.second_key, u_field(u, pair.second));
    }
    return (u.uss > 0 || u.usw >= 1) ? 1 : 0;
}

} // namespace kavo
