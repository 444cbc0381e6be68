// Beam and panel modules, and the M and D product records.
#include "varbuf/codec_support.h"
#include "varbuf/designdata.h"

namespace kavo {

using codec::Reader;
using codec::Writer;

namespace {

using codec::FloatItem;

void write_all(Writer &w, std::initializer_list<FloatItem> items, int decimals)
{
    for (const auto &[key, value] : items)
        w.flo(key, value, decimals);
}

void write_all_nz(Writer &w, std::initializer_list<FloatItem> items, int decimals)
{
    for (const auto &[key, value] : items)
        w.nz(key, value, decimals);
}

} // namespace

// ---- beam -------------------------------------------------------------------

int write_beam(const beam_module &b, bool s_case, bool w_case, char *text, int size)
{
    Writer w(text, size);
    if (b.s1_state > 0 || b.w1_state >= 1) {
        w.sz("BSI", b.bsi);
        w.sho("BSN", b.bsn);
        w.sho("BSP", b.bsp);
        w.nz("BSD", b.bsd, 2);
        if (b.mja_state != 0)
            w.flo("MJA", b.mja, 2);
        w.sho("BLB", b.blb);
        w.sho("BLC", b.blc);
        w.sho("BLD", b.bld);
        w.sz("BZL", b.bzl);
        w.sz("BZR", b.bzr);
        w.sho("BIL", b.bil);
        w.sho("BIR", b.bir);
        w.sho("BPS", b.bps);
        w.nz("BPD", b.bpd, 1);
        w.nz("BPH", b.bph, 2);
        w.nz("BPA", b.bpa, 2);
        if (b.bnb > 0)
            w.sho("BNB", b.bnb);
        if (b.bap_state != 0)
            w.flo("BAP", b.bap, 1);
        w.sho("BSW", b.bsw);
        w.sho("BUB", b.bub);
    }
    if (s_case && b.s1_state > 0) {
        w.flo("BQ1", b.bq1, 2);
        w.nz("BR1", b.br1, 2);
        w.flo("BT1", b.bt1, 2);
        w.nz("BV1", b.bv1, 2);
        w.flo("BP1", b.bp1, 2);
        write_all_nz(w, {{"BP3", b.bp3}, {"BP4", b.bp4}}, 2);
        w.sho("BAS", b.bas);
        w.sho("BAT", b.bat);
        w.nz("BA1", b.ba1, 1);
        write_all_nz(w,
                     {{"BQ3", b.bq3}, {"BD1", b.bd1}, {"BE1", b.be1}, {"BM1", b.bm1}, {"BD2", b.bd2},
                      {"BE2", b.be2}, {"BD4", b.bd4}, {"BL1", b.bl1}, {"BL2", b.bl2}, {"BL3", b.bl3}},
                     2);
        w.sho("BC1", b.bc1);
        write_all_nz(w, {{"BC2", b.bc2}, {"BC3", b.bc3}, {"BC4", b.bc4}, {"BCA", b.bca}}, 2);
    }
    if (s_case && b.s2_state > 0) {
        write_all(w, {{"BT2", b.bt2}, {"BT3", b.bt3}}, 2);
        write_all_nz(w, {{"BT4", b.bt4}, {"BTA", b.bta}}, 2);
        w.flo("BQ2", b.bq2, 3);
        w.flo("BP2", b.bp2, 2);
        write_all_nz(w, {{"B3P", b.b3p}, {"B4P", b.b4p}}, 2);
        w.sho("BCS", b.bcs);
        w.nz("BD3", b.bd3, 2);
    }
    if (w_case && b.w1_state > 0) {
        w.flo("BQ5", b.bq5, 2);
        w.nz("BR5", b.br5, 2);
        w.flo("BT5", b.bt5, 2);
        w.nz("BV5", b.bv5, 2);
        w.flo("BP5", b.bp5, 2);
        write_all_nz(w, {{"BP8", b.bp8}, {"BP9", b.bp9}, {"BP7", b.bp7}}, 2);
        w.sho("BAW", b.baw);
        w.sho("BAX", b.bax);
        w.nz("BA5", b.ba5, 1);
        write_all_nz(w,
                     {{"BQ7", b.bq7}, {"BD5", b.bd5}, {"BE5", b.be5}, {"BM2", b.bm2}, {"BD6", b.bd6},
                      {"BE6", b.be6}, {"BD8", b.bd8}, {"BL5", b.bl5}, {"BL6", b.bl6}, {"BL7", b.bl7}},
                     2);
        w.sho("BC5", b.bc5);
        write_all_nz(w, {{"BC6", b.bc6}, {"BC7", b.bc7}, {"BC8", b.bc8}, {"BC9", b.bc9}}, 2);
    }
    if (w_case && b.w2_state > 0) {
        write_all(w, {{"BT6", b.bt6}, {"BT7", b.bt7}}, 2);
        write_all_nz(w, {{"BT8", b.bt8}, {"BT9", b.bt9}}, 2);
        w.flo("BQ6", b.bq6, 3);
        w.flo("BP6", b.bp6, 2);
        write_all_nz(w, {{"B8P", b.b8p}, {"B9P", b.b9p}}, 2);
        w.sho("BCW", b.bcw);
        w.nz("BD7", b.bd7, 2);
    }
    if (b.cnb_state >= 1) {
        w.sz("CNB", b.cnb);
        w.sz("CNI", b.cni);
        w.nz("CND", b.cnd, 1);
        w.sho("CNC", b.cnc);
        w.nz("CFL", b.cfl, 0);
    }
    return 0;
}

// Keys are asked for in about the order the writer puts them, which is the
// order a finder answers fastest.  The reads are independent of each other
// except within a group, whose order is kept.
int read_beam_module(beam_module &b, const ItemFinder &text)
{
    codec::clear(b);
    Reader in(text);
    in.sz("BSI", b.bsi);
    in.sho("BSN", &b.bsn);
    in.sho("BSP", &b.bsp);
    in.flo("BSD", &b.bsd);
    in.stated("MJA", &b.mja, &b.mja_state, 3);
    in.sho("BLB", &b.blb);
    in.sho("BLC", &b.blc);
    in.sho("BLD", &b.bld);
    in.sz("BZL", b.bzl);
    in.sz("BZR", b.bzr);
    in.sho("BIL", &b.bil);
    in.sho("BIR", &b.bir);
    in.sho("BPS", &b.bps);
    in.numbers({{"BPD", &b.bpd}, {"BPH", &b.bph}, {"BPA", &b.bpa}});
    in.sho("BNB", &b.bnb);
    in.stated("BAP", &b.bap, &b.bap_state, 3);
    in.low_byte("BSW", b.bsw);
    in.sho("BUB", &b.bub); // a missing BUB reads as 0

    // Each group counts only when all its keys are there; the keys found
    // before a missing one keep their values.
    if (in.found("BQ1", &b.bq1) && in.found("BT1", &b.bt1) && in.found("BP1", &b.bp1)) {
        in.numbers({{"BP3", &b.bp3}, {"BP4", &b.bp4}});
        in.low_byte("BAS", b.bas);
        in.low_byte("BAT", b.bat);
        in.numbers({{"BR1", &b.br1}, {"BV1", &b.bv1}});
        b.s1_state = 3;
    }
    in.numbers({{"BA1", &b.ba1}, {"BQ3", &b.bq3}, {"BD1", &b.bd1}, {"BE1", &b.be1}, {"BM1", &b.bm1},
                {"BD2", &b.bd2}, {"BE2", &b.be2}, {"BD4", &b.bd4}, {"BL1", &b.bl1}, {"BL2", &b.bl2},
                {"BL3", &b.bl3}});
    in.low_byte("BC1", b.bc1);
    in.numbers({{"BC2", &b.bc2}, {"BC3", &b.bc3}, {"BC4", &b.bc4}, {"BCA", &b.bca}});
    int16_t bcs = 0;
    if (in.found("BT2", &b.bt2) && in.found("BT3", &b.bt3) && in.found("BQ2", &b.bq2) && in.found("BP2", &b.bp2) &&
        in.found("BCS", &bcs)) {
        in.numbers({{"BT4", &b.bt4}, {"BTA", &b.bta}, {"B3P", &b.b3p}, {"B4P", &b.b4p}});
        b.bcs = static_cast<uint8_t>(bcs);
        b.s2_state = 3;
    }
    in.flo("BD3", &b.bd3);
    if (in.found("BQ5", &b.bq5) && in.found("BT5", &b.bt5) && in.found("BP5", &b.bp5)) {
        in.numbers({{"BP8", &b.bp8}, {"BP9", &b.bp9}});
        in.low_byte("BAW", b.baw);
        in.low_byte("BAX", b.bax);
        in.numbers({{"BR5", &b.br5}, {"BV5", &b.bv5}});
        b.w1_state = 3;
    }
    in.numbers({{"BP7", &b.bp7}, {"BA5", &b.ba5}, {"BQ7", &b.bq7}, {"BD5", &b.bd5}, {"BE5", &b.be5},
                {"BM2", &b.bm2}, {"BD6", &b.bd6}, {"BE6", &b.be6}, {"BD8", &b.bd8}, {"BL5", &b.bl5},
                {"BL6", &b.bl6}, {"BL7", &b.bl7}});
    in.low_byte("BC5", b.bc5);
    in.numbers({{"BC6", &b.bc6}, {"BC7", &b.bc7}, {"BC8", &b.bc8}, {"BC9", &b.bc9}});
    int16_t bcw = 0;
    if (in.found("BT6", &b.bt6) && in.found("BT7", &b.bt7) && in.found("BQ6", &b.bq6) && in.found("BP6", &b.bp6) &&
        in.found("BCW", &bcw)) {
        in.numbers({{"BT8", &b.bt8}, {"BT9", &b.bt9}, {"B8P", &b.b8p}, {"B9P", &b.b9p}});
        b.bcw = static_cast<uint8_t>(bcw);
        b.w2_state = 3;
    }
    in.flo("BD7", &b.bd7);
    if (in.sz("CNB", b.cnb) == kFound) {
        in.sz("CNI", b.cni);
        in.flo("CND", &b.cnd);
        in.sho("CNC", &b.cnc);
        in.flo("CFL", &b.cfl);
        b.cnb_state = 3;
    }
    if (b.s1_state == 0 && b.w1_state == 0) {
        codec::clear(b);
        return -1;
    }
    return 1;
}

// ---- panel ------------------------------------------------------------------

int write_panel(const panel_module &p, bool s_case, bool w_case, char *text, int size)
{
    Writer w(text, size);
    w.sz("PNB", p.pnb);
    if (p.pap_state != 0)
        w.flo("PAP", p.pap, 1);
    if (p.pwp > 0)
        w.sho("PWP", p.pwp);
    w.sz("PWS", p.pws);
    if (p.pqd != 0)
        w.sho("PQD", p.pqd);
    if (p.psf_state != 0) {
        w.sho("PSF", p.psf);
        w.sho("PSB", p.psb);
    }
    if (p.pfa_state != 0)
        w.flo("PFA", p.pfa, 1);
    if (s_case && p.s1_state > 0) {
        write_all(w, {{"PQ1", p.pq1}, {"PR1", p.pr1}, {"PT1", p.pt1}}, 2);
        w.sho("PAS", p.pas);
        w.sho("PAT", p.pat);
        write_all(w, {{"PD2", p.pd2}, {"PE2", p.pe2}}, 2);
    }
    if (s_case && p.s2_state > 0) {
        write_all(w, {{"PT2", p.pt2}, {"PT3", p.pt3}}, 2);
        w.flo("PQ2", p.pq2, 3);
        w.sho("PCS", p.pcs);
        write_all(w, {{"PE3", p.pe3}, {"PP1", p.pp1}}, 2);
    }
    if (w_case && p.w1_state > 0) {
        write_all(w, {{"PQ5", p.pq5}, {"PR5", p.pr5}, {"PT5", p.pt5}}, 2);
        w.sho("PAW", p.paw);
        w.sho("PAX", p.pax);
        write_all(w, {{"PD6", p.pd6}, {"PE6", p.pe6}}, 2);
    }
    if (w_case && p.w2_state >= 1) {
        write_all(w, {{"PT6", p.pt6}, {"PT7", p.pt7}}, 2);
        w.flo("PQ6", p.pq6, 3);
        w.sho("PCW", p.pcw);
        write_all(w, {{"PE7", p.pe7}, {"PP5", p.pp5}}, 2);
    }
    return 0;
}

int read_panel_module(panel_module &p, const ItemFinder &text)
{
    codec::clear(p);
    Reader in(text);
    in.sz("PNB", p.pnb);
    in.numbers({{"PD2", &p.pd2}, {"PE2", &p.pe2}, {"PD6", &p.pd6}, {"PE6", &p.pe6}});
    in.sho("PQD", &p.pqd);
    in.sho("PWP", &p.pwp);
    in.sz("PWS", p.pws);
    if (in.found("PSF", &p.psf) && in.found("PSB", &p.psb))
        p.psf_state = 3;
    in.stated("PFA", &p.pfa, &p.pfa_state, 3);
    in.stated("PAP", &p.pap, &p.pap_state, 3);
    if (in.found("PQ1", &p.pq1)) {
        in.numbers({{"PT1", &p.pt1}, {"PR1", &p.pr1}});
        in.low_byte("PAS", p.pas);
        in.low_byte("PAT", p.pat);
        p.s1_state = 3;
    }
    int16_t pcs = 0;
    if (in.found("PT2", &p.pt2) && in.found("PT3", &p.pt3) && in.found("PQ2", &p.pq2) && in.found("PCS", &pcs)) {
        p.pcs = static_cast<uint8_t>(pcs);
        p.s2_state = 3;
        in.numbers({{"PE3", &p.pe3}, {"PP1", &p.pp1}});
    }
    if (in.found("PQ5", &p.pq5)) {
        in.numbers({{"PT5", &p.pt5}, {"PR5", &p.pr5}});
        in.low_byte("PAW", p.paw);
        in.low_byte("PAX", p.pax);
        p.w1_state = 3;
    }
    int16_t pcw = 0;
    if (in.found("PT6", &p.pt6) && in.found("PT7", &p.pt7) && in.found("PQ6", &p.pq6) && in.found("PCW", &pcw)) {
        p.pcw = static_cast<uint8_t>(pcw);
        p.w2_state = 3;
        in.numbers({{"PE7", &p.pe7}, {"PP5", &p.pp5}});
    }
    if (p.s2_state == 0 && p.w2_state == 0) {
        codec::clear(p);
        return -1;
    }
    return 1;
}

// ---- M and D records --------------------------------------------------------

int write_m_data(const m_data &m, bool s_case, bool w_case, char *text, int size)
{
    Writer w(text, size);
    if (m.mja_state != 0)
        w.flo("MJA", m.mja, 2);
    if (m.map_state != 0)
        w.flo("MAP", m.map, 2);
    if (m.mpp_state != 0)
        w.flo("MPP", m.mpp, 2);
    if (s_case) {
        w.sho("MAS", m.mas);
        write_all(w, {{"MQS", m.mqs}, {"MTS", m.mts}, {"MD1", m.md1}, {"MP1", m.mp1}}, 2);
    }
    if (w_case) {
        w.sho("MAW", m.maw);
        write_all(w, {{"MQW", m.mqw}, {"MTW", m.mtw}, {"MD5", m.md5}, {"MP5", m.mp5}}, 2);
    }
    if (m.msf_state != 0) {
        w.sho("MSD", m.msd);
        w.sho("MSF", m.msf);
        w.sho("MSB", m.msb);
    }
    return 0;
}

int read_m_data(m_data &m, const ItemFinder &text)
{
    codec::clear(m);
    Reader in(text);
    in.stated("MJA", &m.mja, &m.mja_state, 3);
    in.stated("MAP", &m.map, &m.map_state, 3);
    in.stated("MPP", &m.mpp, &m.mpp_state, 3);
    in.numbers({{"MD1", &m.md1}, {"MD5", &m.md5}, {"MP1", &m.mp1}, {"MP5", &m.mp5}});
    in.low_byte("MAS", m.mas);
    in.low_byte("MAW", m.maw);
    if (in.found("MQS", &m.mqs) && in.found("MTS", &m.mts))
        m.s_state = 3;
    if (in.found("MQW", &m.mqw) && in.found("MTW", &m.mtw))
        m.w_state = 3;
    if (in.found("MSF", &m.msf) && in.found("MSB", &m.msb))
        m.msf_state = 3;
    in.sho("MSD", &m.msd);
    return (m.s_state || m.w_state) ? 1 : 0;
}

int write_d_data(const d_data &d, bool s_case, bool w_case, char *text, int size)
{
    Writer w(text, size);
    if (s_case) {
        write_all(w, {{"DQS", d.dqs}, {"DTS", d.dts}, {"DTO", d.dto}}, 2);
        w.flo("DZP", d.dzp, 0);
    }
    if (w_case)
        write_all(w, {{"DQW", d.dqw}, {"DTW", d.dtw}}, 2);
    return 0;
}

int read_d_data(d_data &d, const ItemFinder &text)
{
    codec::clear(d);
    Reader in(text);
    // DTO and DZP may be missing, but not malformed.
    if (in.found("DQS", &d.dqs) && in.found("DTS", &d.dts) && in.flo("DTO", &d.dto) >= 0 && in.flo("DZP", &d.dzp) >= 0)
        d.s_state = 3;
    if (in.found("DQW", &d.dqw) && in.found("DTW", &d.dtw))
        d.w_state = 3;
    return (d.s_state || d.w_state) ? 1 : 0;
}

} // namespace kavo
