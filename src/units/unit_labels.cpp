#include "units/unit_labels.h"

#include "units/unit_system.h"

namespace kavo {
namespace {

// Hex escapes stop at the literal's end, so a character after 0xB0 that is
// also a hexadecimal digit ("C", "F") is put into a literal of its own.
#define DEGREE "\xB0"
#define SQUARED "\xB2"
#define CUBED "\xB3"

struct LabelRow {
    const char *si;     // system 0
    const char *euro;   // systems 1 and 2
    const char *nordic; // system 3
    const char *us;     // system 4
    int8_t decimals;    // systems 0 to 3
    int8_t us_decimals;
};

constexpr int32_t kFirstProperty = 10;
constexpr int32_t kLastDecimalsProperty = 31;

const LabelRow kLabels[] = {
    /* 10 */ {"Pa", "Pa", "Pa", "''WC", 0, 2},
    /* 11 */ {"kPa", "kPa", "kPa", "''WC", 1, 1},
    /* 12 */ {"dm" CUBED "/s", "m" CUBED "/h", "l/s", "cfm", 0, 0},
    /* 13 */ {"kg/s", "kg/s", "kg/s", "gpm", 3, 2},
    /* 14 */ {"dm" CUBED "/(sm)", "m" CUBED "/(hm)", "l/(sm)", "cfm/ft", 1, 1},
    /* 15 */ {"dm" CUBED "/(sm@t2@@)", "m" CUBED "/(hm@t2@@)", "l/(sm@t2@@)", "cfm/ft@t2@@", 1, 1},
    /* 16 */ {"m", "m", "m", "ft", 1, 1},
    /* 17 */ {"mm", "mm", "mm", "mm", 0, 0},
    /* 18 */ {"mm", "mm", "mm", "''", 0, 1},
    /* 19 */ {"m/s", "m/s", "m/s", "fpm", 2, 1},
    /* 20 */ {DEGREE "C", DEGREE "C", DEGREE "C", DEGREE "F", 1, 1},
    /* 21 */ {DEGREE "C", DEGREE "C", DEGREE "C", DEGREE "F", 1, 1},
    /* 22 */ {"W", "W", "W", "Btu/h", 0, 0},
    /* 23 */ {"W/m", "W/m", "W/m", "Btu/h/ft", 0, 0},
    /* 24 */ {"W/m@t2@@", "W/m@t2@@", "W/m@t2@@", "Btu/h/ft@t2@@", 0, 0},
    /* 25 */ {"Hz", "Hz", "Hz", "Hz", 0, 0},
    /* 26 */ {"dB(A)", "dB(A)", "dB(A)", "L@bw@@A", 0, 0},
    /* 27 */ {"dB(A) 10m@t2@@sab", "dB(A) 25m@t2@@sab", "dB(A) 10m@t2@@sab", "L@bw@@A", 0, 0},
    /* 28 */ {"L@bp@@A", "L@bp@@A", "L@bp@@A", "L@bw@@A", 0, 0},
    /* 29 */ {"dB(A)", "dB(A)", "dB(A)", "LwA", 0, 0},
    /* 30 */ {"kg", "kg", "kg", "lb", 0, 0},
    /* 31 */ {"m" SQUARED, "m" SQUARED, "m" SQUARED, "ft" SQUARED, 1, 1},
    /* 32 */ {"L@bp@@Are 10m@t2@@sab", "L@bp@@Are 25m@t2@@sab", "L@bp@@Are 10m@t2@@sab", "L@bw@@A", -1, -1},
};

const LabelRow *row_of(int32_t property)
{
    const int32_t index = property - kFirstProperty;
    if (index < 0 || index >= static_cast<int32_t>(sizeof kLabels / sizeof kLabels[0]))
        return nullptr;
    return &kLabels[index];
}

} // namespace

const char *unit_label(int16_t system, int32_t property)
{
    const LabelRow *row = row_of(property);
    if (!row)
        return nullptr;
    switch (system) {
    case kUnitSI:
        return row->si;
    case kUnitEuro:
        return row->euro;
    case kUnitEuroSpe:
        // EUROSPE shows the flows as EURO does, the sound levels as SI.
        return (property == 27 || property == 32) ? row->si : row->euro;
    case kUnitUS:
        return row->us;
    default:
        return row->nordic;
    }
}

int unit_decimals(int16_t system, int32_t property)
{
    const LabelRow *row = row_of(property);
    if (!row || property > kLastDecimalsProperty)
        return -1;
    return system == kUnitUS ? row->us_decimals : row->decimals;
}

} // namespace kavo
