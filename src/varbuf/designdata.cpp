// Whole designs: the reader that fills a design and its summary from one
// text, the writer of the active sub-records, and the functions that add
// product modules read from texts of their own.
#include "varbuf/designdata.h"

#include <cstring>

#include "varbuf/codec_support.h"

namespace kavo {

bool same_field_text(const char *a, const char *b, std::size_t size)
{
    return size == 0 || std::strncmp(a, b, size - 1) == 0;
}

void set_field_text(char *field, std::size_t size, const char *text)
{
    if (size == 0)
        return;
    std::size_t length = 0;
    while (text && length < size - 1 && text[length])
        ++length;
    if (length)
        std::memmove(field, text, length);
    field[length] = 0;
}

namespace {

template <std::size_t N, std::size_t M>
bool same_tag(const char (&tag)[N], const char (&id)[M])
{
    static_assert(N == M, "tags and identities have one size");
    return same_field_text(tag, id, N);
}

template <std::size_t N, std::size_t M>
void set_tag(char (&tag)[N], const char (&id)[M])
{
    set_field_text(tag, N, id);
}

void take_summary_tag(designdata &d) { set_tag(d.summary.tag, d.design_id); }

// A product case that stands for the design: the case's tag, the summary's
// Q per unit, and the case the design shows.
template <std::size_t N>
void take_case(designdata &d, char (&tag)[N], float q, float units, int16_t design_case)
{
    set_tag(tag, d.design_id);
    set_summary_q(d, q, units);
    d.design_case = design_case;
}

// A product's A and AD values, each where its state says it was read, once
// the summary has a Q.
void take_a_values(designdata &d, float a_value, int16_t a_state, float ad, int16_t ad_state)
{
    summary &s = d.summary;
    if (s.q_state <= 0)
        return;
    if (a_state > 0)
        s.a_value = a_value;
    if (ad_state > 0) {
        s.ad = ad;
        s.ad_state = ad_state;
    }
    take_summary_tag(d);
}

void clear_design_for_read(designdata &d)
{
    codec::clear(d.summary);
    codec::clear(d.room);
    codec::clear(d.installation);
    codec::clear(d.beams);
    codec::clear(d.m_data);
    codec::clear(d.d_data);
    codec::clear(d.h_data);
    codec::clear(d.u_data);
}

// The O/E values stand for the whole design when they carry a Q value.
void summarise_oe(designdata &d)
{
    const oe_data &oe = d.oe_data;
    set_tag(d.oe_data.tag, d.design_id);
    if (oe.oqv_state > 0)
        set_summary_q(d, oe.oqv, 1);
    else if (oe.oqm_state > 0)
        set_summary_q(d, oe.oqm, 1);
    if (d.summary.q_state <= 0)
        return;
    if (oe.oad_state > 0) {
        d.summary.ad = oe.oad;
        d.summary.ad_state = oe.oad_state;
    }
    take_summary_tag(d);
    if (oe.odp_state > 0) {
        d.summary.dp1 = d.summary.dp2 = oe.odp;
        d.summary.dp1_state = d.summary.dp2_state = oe.odp_state;
    }
}

// The S case is taken second, so that its values win when both are there.
void summarise_beam(designdata &d, float units)
{
    beam_module &b = d.beams[0];
    summary &s = d.summary;
    if (b.w2_state > 0) {
        take_case(d, b.w_tag, b.bq5, units, (b.bcw & 2) ? 2 : 1);
        s.a_value = b.ba5;
        s.ub = b.bub;
        s.dp2 = b.bd6;
        take_summary_tag(d);
        s.dp2_state = 1;
    }
    if (b.s2_state > 0) {
        take_case(d, b.s_tag, b.bq1, units, 0);
        s.a_value = b.ba1;
        s.ub = b.bub;
        s.dp2 = b.bd2;
        take_summary_tag(d);
        s.dp2_state = 1;
    }
    if (s.q_state > 0 && b.bap_state > 0) {
        s.ad = b.bap;
        s.ad_state = b.bap_state;
    }
}

void summarise_panel(designdata &d, float units)
{
    panel_module &p = d.panels[0];
    summary &s = d.summary;
    if (p.w2_state > 0) {
        take_case(d, p.w_tag, p.pq5, units, 1);
        s.dp2 = p.pd6;
        s.dp2_state = 1;
    }
    if (p.s2_state > 0) {
        take_case(d, p.s_tag, p.pq1, units, 0);
        s.dp2 = p.pd2;
        s.dp2_state = 1;
    }
    take_a_values(d, p.pap, p.pap_state, p.pfa, p.pfa_state);
}

void summarise_m(designdata &d, float units)
{
    m_data &m = d.m_data;
    if (m.w_state > 0)
        take_case(d, m.w_tag, m.mqw, units, 1);
    if (m.s_state > 0)
        take_case(d, m.s_tag, m.mqs, units, 0);
    take_a_values(d, m.map, m.map_state, m.mpp, m.mpp_state);
}

void summarise_d(designdata &d, float units)
{
    d_data &dd = d.d_data;
    if (dd.w_state > 0)
        take_case(d, dd.w_tag, dd.dqw, units, 1);
    if (dd.s_state > 0)
        take_case(d, dd.s_tag, dd.dqs, units, 0);
}

} // namespace

float unit_count(const installation &inst)
{
    const float units = static_cast<float>(inst.inr) * static_cast<float>(inst.inc);
    return units < 0.9f ? 1.0f : units;
}

void set_summary_q(designdata &design, float value, float divisor)
{
    const float q = value / divisor;
    if (q > 0.0001) {
        design.summary.q_unit = q;
        design.summary.q_state = 2;
    }
}

int read_designdata(designdata &d, const ItemFinder &text)
{
    clear_design_for_read(d);
    d.design_case = 0;
    if (read_oe_data(d.oe_data, text) == 1)
        summarise_oe(d);
    read_s_data(d.s_data, text);
    if (read_room(d.room, text) < 1)
        return 0;
    d.room.valid = 3;
    if (read_installation(d.installation, text) < 1)
        return 0;
    const float units = unit_count(d.installation);
    set_tag(d.installation.tag, d.design_id);
    read_h_data(d.h_data, text);
    read_surfaces(d.surfaces, text);
    read_u_data(d.u_data, text);

    if (read_beam_module(d.beams[0], text) == 1) {
        summarise_beam(d, units);
        d.module_count = 1;
        return 1;
    }
    codec::clear(d.beams);
    if (read_panel_module(d.panels[0], text) == 1) {
        summarise_panel(d, units);
        d.module_count = 1;
        return 1;
    }
    codec::clear(d.panels);
    if (read_m_data(d.m_data, text) == 1) {
        summarise_m(d, units);
        return 1;
    }
    codec::clear(d.m_data);
    if (read_d_data(d.d_data, text) == 1) {
        summarise_d(d, units);
        return 1;
    }
    codec::clear(d.d_data);
    return 0;
}

int write_designdata(const designdata &d, char *text, int size)
{
    if (!text || size < 1)
        return -1;
    text[0] = 0;
    int result = -1;
    if (same_tag(d.oe_data.tag, d.design_id))
        result = write_oe_data(d.oe_data, text, size);
    if (d.room.valid > 0) {
        write_room(d.room, text, size);
        result = 0;
    }
    write_s_data(d.s_data, text, size);
    if (!same_tag(d.installation.tag, d.design_id))
        return result;
    write_installation(d.installation, text, size);
    write_h_data(d.h_data, text, size);
    write_surfaces(d.surfaces, text, size);
    write_u_data(d.u_data, text, size);

    // A module_index outside an array selects no module of that kind.
    const int index = d.module_index;
    if (index >= 0 && index < kBeamModules) {
        const beam_module &b = d.beams[index];
        const bool s_case = same_tag(b.s_tag, d.design_id), w_case = same_tag(b.w_tag, d.design_id);
        if (s_case || w_case)
            return write_beam(b, s_case, w_case, text, size);
    }
    if (index >= 0 && index < kPanelModules) {
        const panel_module &p = d.panels[index];
        const bool s_case = same_tag(p.s_tag, d.design_id), w_case = same_tag(p.w_tag, d.design_id);
        if (s_case || w_case)
            return write_panel(p, s_case, w_case, text, size);
    }
    {
        const bool s_case = same_tag(d.m_data.s_tag, d.design_id), w_case = same_tag(d.m_data.w_tag, d.design_id);
        if (s_case || w_case)
            return write_m_data(d.m_data, s_case, w_case, text, size);
    }
    const bool s_case = same_tag(d.d_data.s_tag, d.design_id), w_case = same_tag(d.d_data.w_tag, d.design_id);
    if (s_case || w_case)
        return write_d_data(d.d_data, s_case, w_case, text, size);
    text[0] = 0; // an installation without a product: nothing at all
    return -1;
}

namespace {

// The room and installation part of adding a module: false when either is
// missing from the text.
bool read_room_and_installation(designdata &d, const ItemFinder &text, float *units)
{
    if (read_room(d.room, text) < 1)
        return false;
    d.room.valid = 3;
    if (read_installation(d.installation, text) < 1)
        return false;
    *units = unit_count(d.installation);
    set_tag(d.installation.tag, d.design_id);
    return true;
}

void clear_for_modules(designdata &d)
{
    codec::clear(d.summary);
    codec::clear(d.room);
    codec::clear(d.installation);
    codec::clear(d.beams);
    codec::clear(d.panels);
    codec::clear(d.m_data);
    codec::clear(d.d_data);
    codec::clear(d.h_data);
    codec::clear(d.u_data);
    d.module_count = 0;
}

// The common start of both module readers: clear when asked, refuse a full
// list, and read the room and installation when asked.
bool start_module(designdata &d, bool clear, int capacity, bool with_room, const ItemFinder &finder,
                  float *units)
{
    if (clear)
        clear_for_modules(d);
    if (d.module_count >= capacity || d.module_count < 0)
        return false;
    return !with_room || read_room_and_installation(d, finder, units);
}

// A case that the module read calculates gets the case tag and, with the
// room, its heat output in the summary.
template <std::size_t N>
void tag_calculated_case(designdata &d, char (&tag)[N], bool calculated, const char *case_tag, bool with_room, float q,
                         float units)
{
    if (!calculated)
        return;
    set_field_text(tag, N, case_tag);
    if (with_room)
        set_summary_q(d, q, units);
}

} // namespace

int beam_module_to_designdata(designdata &d, bool clear, bool with_room, const char *module_tag,
                              const char *case_tag, const char *text)
{
    IndexedFinder finder(text);
    float units = 1;
    if (!start_module(d, clear, 6, with_room, finder, &units))
        return 0;
    if (with_room)
        read_u_data(d.u_data, finder);
    beam_module &b = d.beams[d.module_count];
    if (module_tag && *module_tag) {
        set_field_text(b.w_tag, sizeof b.w_tag, module_tag);
        set_field_text(b.s_tag, sizeof b.s_tag, module_tag);
    } else {
        if (read_beam_module(b, finder) < 1)
            return 0;
        tag_calculated_case(d, b.w_tag, b.w1_state > 0, case_tag, with_room, b.bq5, units);
        tag_calculated_case(d, b.s_tag, b.s1_state > 0, case_tag, with_room, b.bq1, units);
    }
    ++d.module_count;
    return 1;
}

int panel_module_to_designdata(designdata &d, bool clear, bool with_room, const char *case_tag, const char *text)
{
    IndexedFinder finder(text);
    float units = 1;
    if (!start_module(d, clear, 2, with_room, finder, &units))
        return 0;
    panel_module &p = d.panels[d.module_count];
    if (read_panel_module(p, finder) < 1)
        return 0;
    tag_calculated_case(d, p.w_tag, p.w2_state > 0, case_tag, with_room, p.pq5, units);
    tag_calculated_case(d, p.s_tag, p.s2_state > 0, case_tag, with_room, p.pq1, units);
    ++d.module_count;
    return 1;
}

} // namespace kavo
