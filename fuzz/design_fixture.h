// A full design for the round-trip fuzz target and the benchmarks: every
// field of every sub-record that travels holds its own distinct value,
// planted by (byte offset, type).  A field that a codec leaves out, or
// writes from or reads into the wrong place, does not land back at its
// offset.
// Needs only the records of kavoapi.h, so host programs can use it too.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <iterator>
#include <tuple>
#include <vector>

#include "kavoapi_records.h"

namespace kavo_test {

// Field types: F f32, S s16, B s8, U u8, T text (size bytes), D date.
struct Field {
    std::string key;
    unsigned offset;
    char type;
    unsigned size = 0;
};

using Fields = std::vector<Field>;

inline void add_band(Fields &fields, const char *prefix, unsigned offset, char type, int count, unsigned step)
{
    for (int i = 0; i < count; ++i)
        fields.push_back({prefix + std::to_string(i), offset + step * static_cast<unsigned>(i), type});
}

inline void add_run(Fields &fields, std::initializer_list<const char *> keys, unsigned offset, char type)
{
    for (const char *key : keys) {
        fields.push_back({key, offset, type});
        offset += type == 'F' ? 4 : type == 'S' ? 2 : 1;
    }
}

inline Fields room_fields()
{
    Fields f = {{"RCD", 2, 'T', 11}, {"RNM", 13, 'T', 31}, {"RRT", 44, 'S'}, {"RCS", 66, 'S'}, {"RCW", 80, 'S'},
                {"RAC", 102, 'S'}, {"RNT", 148, 'T', 201}};
    add_run(f, {"RLE", "RWI", "RHE", "RHZ", "RDZ"}, 46, 'F');
    add_run(f, {"RTS", "RDS", "RRS"}, 68, 'F');
    add_run(f, {"RTW", "RDW", "RRW", "RPC", "RPH"}, 82, 'F');
    add_band(f, "RA", 104, 'F', 8, 4);
    add_run(f, {"RQR", "RQ2", "RQ3"}, 136, 'F');
    return f;
}

// The counts are planted apart (see plant_design): they decide which
// entries travel.
inline Fields installation_fields()
{
    Fields f = {{"IMP", 33, 'S'}, {"IIH", 35, 'F'}, {"IAS", 39, 'F'}, {"ILN", 53, 'S'}, {"IVP", 55, 'S'},
                {"IVL", 57, 'S'}, {"CFI", 439, 'S'}, {"CVL", 441, 'F'}, {"IVF", 445, 'S'}};
    add_band(f, "IR", 59, 'S', 20, 2);
    add_band(f, "IC", 99, 'S', 19, 2); // IC19 lies beyond INC (18)
    add_band(f, "IT", 139, 'S', 50, 2);
    add_band(f, "IG", 239, 'S', 50, 2);
    add_band(f, "IJ", 339, 'S', 50, 2);
    return f;
}

inline Fields surfaces_fields()
{
    Fields f = {{"SIN", 2, 'S'}, {"SAM", 4, 'F'}, {"SIR", 8, 'F'}, {"SCH", 12, 'S'}};
    for (unsigned w = 0; w < 4; ++w) {
        const unsigned base = 74 + 140 * w;
        const std::string i = std::to_string(w);
        for (auto [key, at, type] : {std::tuple{"WH", 0u, 'F'}, {"WW", 4u, 'F'}, {"WA", 8u, 'F'}, {"WT", 12u, 'S'},
                                     {"W1", 14u, 'S'}, {"W2", 16u, 'F'}, {"W3", 20u, 'F'}, {"W4", 24u, 'F'},
                                     {"W5", 28u, 'F'}, {"W6", 32u, 'F'}, {"W7", 36u, 'F'}, {"W8", 40u, 'F'},
                                     {"WS", 44u, 'F'}, {"WL", 48u, 'F'}, {"WI", 52u, 'F'}, {"WU", 56u, 'F'}})
            f.push_back({key + i, base + at, type});
    }
    // The second CL field of a ceiling (at +18) travels under CL too.
    for (unsigned c = 0; c < 2; ++c) {
        const unsigned base = 634 + 110 * c;
        const std::string i = std::to_string(c);
        for (auto [key, at, type] : {std::tuple{"CL", 0u, 'F'}, {"CW", 4u, 'F'}, {"CA", 8u, 'F'}, {"CT", 12u, 'S'},
                                     {"CS", 14u, 'F'}, {"CI", 22u, 'F'}, {"CU", 26u, 'F'}})
            f.push_back({key + i, base + at, type});
    }
    return f;
}

inline Fields oe_fields()
{
    Fields f;
    add_run(f, {"OQM"}, 33, 'F');
    add_run(f, {"OQV"}, 39, 'F');
    add_run(f, {"ODP"}, 45, 'F');
    add_run(f, {"OAD"}, 51, 'F');
    add_run(f, {"OLB"}, 57, 'F');
    add_band(f, "OL", 61, 'F', 8, 4);
    add_run(f, {"ORN", "OCN"}, 93, 'F');
    add_run(f, {"OLR"}, 103, 'F');
    add_band(f, "OR", 107, 'F', 8, 4);
    add_run(f, {"ORR", "OCR"}, 139, 'F');
    add_run(f, {"EQM"}, 149, 'F');
    add_run(f, {"EQV"}, 155, 'F');
    add_run(f, {"EDP"}, 161, 'F');
    add_run(f, {"EAD"}, 167, 'F');
    add_run(f, {"ELB"}, 173, 'F');
    add_band(f, "EL", 177, 'F', 8, 4);
    add_run(f, {"ERN", "ECN"}, 209, 'F');
    return f;
}

inline const unsigned kOeStates[] = {31, 37, 43, 49, 55, 101, 147, 153, 159, 165, 171};

inline Fields h_fields() { return {{"HIU", 2, 'S'}, {"HPO", 4, 'S'}}; }

inline Fields s_fields()
{
    Fields f = {{"SDW", 42, 'S'}, {"SDH", 44, 'S'}, {"SDL", 46, 'S'}};
    add_band(f, "SL", 48, 'F', 8, 4);
    return f;
}

// USS and USW are planted apart: every pair is selected.
inline Fields u_fields()
{
    Fields f;
    add_run(f, {"UC1", "UC2", "UC3", "UC4", "UQ1", "UQ2", "UM1", "UM2", "UW1", "UW2", "UT1", "UT2", "UV1", "UV2",
                "UT5", "UT6", "UV5", "UV6"},
            4, 'F');
    return f;
}

inline Fields m_fields()
{
    Fields f = {{"MJA", 64, 'F'}, {"MAP", 70, 'F'}, {"MAS", 76, 'B'}, {"MAW", 95, 'B'}, {"MSF", 114, 'S'},
                {"MSB", 116, 'S'}, {"MPP", 120, 'F'}, {"MSD", 124, 'S'}};
    add_run(f, {"MQS", "MTS", "MD1", "MP1"}, 77, 'F');
    add_run(f, {"MQW", "MTW", "MD5", "MP5"}, 96, 'F');
    return f;
}

inline Fields d_fields()
{
    Fields f;
    add_run(f, {"DQS", "DTS"}, 64, 'F');
    add_run(f, {"DQW", "DTW", "DTO", "DZP"}, 74, 'F');
    return f;
}

inline Fields beam_fields()
{
    Fields f = {{"BA1", 66, 'F'}, {"BCS", 70, 'U'}, {"BAS", 71, 'B'}, {"BAT", 72, 'B'}, {"BC1", 177, 'U'},
                {"BA5", 194, 'F'}, {"BCW", 198, 'U'}, {"BAW", 199, 'B'}, {"BAX", 200, 'B'}, {"BC5", 309, 'U'},
                {"BZL", 328, 'T', 3}, {"BZR", 331, 'T', 3}, {"MJA", 340, 'F'}, {"BPS", 344, 'S'},
                {"BSI", 358, 'T', 31}, {"BSD", 393, 'F'}, {"BAP", 399, 'F'}, {"BNB", 403, 'S'}, {"BSW", 405, 'U'},
                {"BUB", 406, 'S'}, {"BM1", 408, 'F'}, {"BM2", 412, 'F'}, {"CNB", 498, 'T', 5}, {"CNI", 503, 'T', 9},
                {"CND", 512, 'F'}, {"CNC", 516, 'S'}, {"CFL", 518, 'F'}};
    add_run(f, {"BQ1", "BR1", "BQ3", "BT1", "BV1", "BT2", "BT3", "BT4", "BTA", "BQ2", "BP1", "BP3", "BP4",
                "BP2", "B3P", "B4P", "BD1", "BE1", "BD2", "BE2", "BC3", "BD3", "BD4", "BL1", "BL2", "BL3"},
            73, 'F');
    add_run(f, {"BC2", "BC4", "BCA"}, 178, 'F');
    add_run(f, {"BQ5", "BR5", "BQ7", "BT5", "BV5", "BT6", "BT7", "BT8", "BT9", "BQ6", "BP5", "BP8", "BP9",
                "BP6", "B8P", "B9P", "BP7", "BD5", "BE5", "BD6", "BE6", "BC7", "BD7", "BD8", "BL5", "BL6", "BL7"},
            201, 'F');
    add_run(f, {"BC6", "BC8", "BC9"}, 310, 'F');
    add_run(f, {"BLB", "BLC", "BLD"}, 322, 'S');
    add_run(f, {"BIL", "BIR"}, 334, 'S');
    add_run(f, {"BSP", "BSN"}, 389, 'S');
    add_run(f, {"BPD", "BPH", "BPA"}, 346, 'F');
    return f;
}

// s1, s2, w1, w2, MJA, BAP and CNB states.
inline const unsigned kBeamStates[] = {62, 64, 190, 192, 338, 397, 496};

inline Fields panel_fields()
{
    Fields f = {{"PCS", 66, 'U'}, {"PAS", 67, 'B'}, {"PAT", 68, 'B'}, {"PCW", 113, 'U'}, {"PAW", 114, 'B'},
                {"PAX", 115, 'B'}, {"PAP", 158, 'F'}, {"PNB", 162, 'T', 41}, {"PQD", 203, 'S'}, {"PWP", 205, 'S'},
                {"PWS", 207, 'T', 81}, {"PSF", 290, 'S'}, {"PSB", 292, 'S'}, {"PFA", 296, 'F'}};
    add_run(f, {"PQ1", "PR1", "PT1", "PT2", "PT3", "PQ2", "PD2", "PE2", "PE3", "PP1"}, 69, 'F');
    add_run(f, {"PQ5", "PR5", "PT5", "PT6", "PT7", "PQ6", "PD6", "PE6", "PE7", "PP5"}, 116, 'F');
    return f;
}

inline const unsigned kPanelStates[] = {62, 64, 109, 111, 156, 288, 294};
inline const unsigned kMStates[] = {62, 68, 74, 93, 112, 118};
inline const unsigned kDStates[] = {62, 72};

// Distinct values from one counter: floats 100.5 + 12.5 n (exact in every written
// form but with 0 decimals, where they are whole), shorts 1000 + n, s8
// negative, u8 above 127, texts a letter code of n, dates day n.
class Planter {
public:
    void plant(void *record, const Fields &fields, bool whole_floats = false)
    {
        for (const Field &field : fields)
            plant_one(static_cast<uint8_t *>(record) + field.offset, field, whole_floats);
    }

    static void set_states(void *record, const unsigned *offsets, std::size_t count, int16_t state)
    {
        for (std::size_t i = 0; i < count; ++i)
            std::memcpy(static_cast<uint8_t *>(record) + offsets[i], &state, sizeof state);
    }

private:
    void plant_one(uint8_t *at, const Field &field, bool whole_floats)
    {
        const int n = ++counter_;
        switch (field.type) {
        case 'F': {
            // Sizes of the order of a real design's; n.5 is exact in every
            // written form but with 0 decimals.
            const float value = whole_floats ? static_cast<float>(100 + 12 * n) : 100.5f + 12.5f * static_cast<float>(n);
            std::memcpy(at, &value, sizeof value);
            break;
        }
        case 'S': {
            const int16_t value = static_cast<int16_t>(1000 + n);
            std::memcpy(at, &value, sizeof value);
            break;
        }
        case 'B':
            *at = static_cast<uint8_t>(-(n % 100 + 1));
            break;
        case 'U':
            *at = static_cast<uint8_t>(128 + n % 100);
            break;
        case 'T': {
            char text[48];
            const int length = std::snprintf(text, sizeof text, "%c%c%d north wing, level 3, zone B", 'A' + n % 26,
                                             'a' + n / 26 % 26, n);
            const unsigned keep = std::min<unsigned>(static_cast<unsigned>(length), field.size - 1);
            if (keep > 0 && text[keep - 1] == ' ')
                text[keep - 1] = '.'; // a reader cuts trailing blanks
            std::memcpy(at, text, keep);
            at[keep] = 0;
            break;
        }
        case 'D': {
            const varbuf_date date = {static_cast<uint8_t>(n % 28 + 1), static_cast<uint8_t>(n % 12 + 1),
                                      static_cast<uint16_t>(2000 + n)};
            std::memcpy(at, &date, sizeof date);
            break;
        }
        }
    }

    int counter_ = 0;
};

inline const char kDesignId[] = "D-2026-0412";

enum class Product { beam, panel, m, d };

// A design whose every sub-record is active and planted, with the chosen
// product in entry 0; beams and panels carry both cases.
inline void plant_design(designdata &d, Product product)
{
    std::memset(&d, 0, sizeof d);
    Planter planter;
    std::strcpy(d.design_id, kDesignId);
    planter.plant(&d.room, room_fields());
    d.room.valid = 3;
    planter.plant(&d.installation, installation_fields());
    installation &inst = d.installation;
    inst.inr = 19;
    inst.inc = 18;
    inst.int_ = 20;
    inst.inv = 17;
    inst.inw = 13;
    inst.ic[19] = 0;
    std::strcpy(inst.tag, kDesignId);
    planter.plant(&d.surfaces, surfaces_fields());
    for (ceiling_entry &c : d.surfaces.ceilings)
        c.cl2 = c.cl;
    planter.plant(&d.oe_data, oe_fields());
    Planter::set_states(&d.oe_data, kOeStates, std::size(kOeStates), 1);
    std::strcpy(d.oe_data.tag, kDesignId);
    planter.plant(&d.h_data, h_fields());
    planter.plant(&d.s_data, s_fields());
    const char16_t sid[] = u"Zon\u00e9-\u03a9 7";
    for (std::size_t i = 0; i < std::size(sid); ++i)
        d.s_data.sid[i] = sid[i];
    planter.plant(&d.u_data, u_fields());
    d.u_data.uss = 126;
    d.u_data.usw = 127;
    switch (product) {
    case Product::beam:
        planter.plant(&d.beams[0], beam_fields(), false);
        Planter::set_states(&d.beams[0], kBeamStates, std::size(kBeamStates), 3);
        d.beams[0].cfl = 500; // written with 0 decimals
        std::strcpy(d.beams[0].s_tag, kDesignId);
        std::strcpy(d.beams[0].w_tag, kDesignId);
        break;
    case Product::panel:
        planter.plant(&d.panels[0], panel_fields());
        Planter::set_states(&d.panels[0], kPanelStates, std::size(kPanelStates), 3);
        std::strcpy(d.panels[0].s_tag, kDesignId);
        std::strcpy(d.panels[0].w_tag, kDesignId);
        break;
    case Product::m:
        planter.plant(&d.m_data, m_fields());
        Planter::set_states(&d.m_data, kMStates, std::size(kMStates), 3);
        std::strcpy(d.m_data.s_tag, kDesignId);
        std::strcpy(d.m_data.w_tag, kDesignId);
        break;
    case Product::d:
        planter.plant(&d.d_data, d_fields(), true);
        Planter::set_states(&d.d_data, kDStates, std::size(kDStates), 3);
        std::strcpy(d.d_data.s_tag, kDesignId);
        std::strcpy(d.d_data.w_tag, kDesignId);
        break;
    }
    // Written with 0 decimals.
    inst.cvl = 750;
}

// Where each planted sub-record of a design lives, with its fields.
struct PlantedRecord {
    const char *name;
    std::size_t offset;
    Fields fields;
};

inline std::vector<PlantedRecord> planted_records(Product product)
{
    std::vector<PlantedRecord> records = {
        {"room", offsetof(designdata, room), room_fields()},
        {"installation", offsetof(designdata, installation), installation_fields()},
        {"surfaces", offsetof(designdata, surfaces), surfaces_fields()},
        {"oe_data", offsetof(designdata, oe_data), oe_fields()},
        {"h_data", offsetof(designdata, h_data), h_fields()},
        {"s_data", offsetof(designdata, s_data), s_fields()},
        {"u_data", offsetof(designdata, u_data), u_fields()},
    };
    switch (product) {
    case Product::beam:
        records.push_back({"beam", offsetof(designdata, beams), beam_fields()});
        break;
    case Product::panel:
        records.push_back({"panel", offsetof(designdata, panels), panel_fields()});
        break;
    case Product::m:
        records.push_back({"m_data", offsetof(designdata, m_data), m_fields()});
        break;
    case Product::d:
        records.push_back({"d_data", offsetof(designdata, d_data), d_fields()});
        break;
    }
    return records;
}

inline std::size_t field_bytes(const Field &field)
{
    switch (field.type) {
    case 'F':
    case 'D':
        return 4;
    case 'S':
        return 2;
    case 'T':
        return field.size;
    default:
        return 1;
    }
}

// Each field must come back to its own place.
inline std::vector<std::string> landing_faults(const void *planted, const void *read, const Fields &fields)
{
    std::vector<std::string> faults;
    for (const Field &field : fields) {
        const uint8_t *a = static_cast<const uint8_t *>(planted) + field.offset;
        const uint8_t *b = static_cast<const uint8_t *>(read) + field.offset;
        const bool same = field.type == 'T' ? std::strncmp(reinterpret_cast<const char *>(a),
                                                           reinterpret_cast<const char *>(b), field.size) == 0
                                            : std::memcmp(a, b, field_bytes(field)) == 0;
        if (!same)
            faults.push_back(field.key + " did not land in its field");
    }
    return faults;
}

} // namespace kavo_test
