#include "units/unit_format.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "units/unit_system.h"
#include "util/number_text.h"

namespace kavo {
namespace {

// Appends `tail` to the text of length `length` in out; 0 and out emptied
// when it does not fit.
std::size_t append(char *out, std::size_t out_size, std::size_t length, const char *tail)
{
    const std::size_t tail_length = std::strlen(tail);
    if (length == 0 || length + tail_length >= out_size) {
        if (out_size)
            out[0] = 0;
        return 0;
    }
    std::memcpy(out + length, tail, tail_length + 1);
    return length + tail_length;
}

std::size_t append_number(char *out, std::size_t out_size, std::size_t length, double value, int decimals)
{
    char number[kValueTextCapacity];
    if (!format_fixed(number, sizeof number, value, decimals))
        return append(out, out_size, 0, "");
    return append(out, out_size, length, number);
}

bool rewrite_rounded(char *text, double factor, bool divide)
{
    float number = 0;
    if (!text || !scan_float(text, &number))
        return false;
    const double scaled = divide ? number / factor : number * factor;
    char out[kValueTextCapacity];
    if (!format_fixed(out, sizeof out, std::floor(scaled + 0.5), 0))
        return false;
    std::memcpy(text, out, std::strlen(out) + 1);
    return true;
}

} // namespace

std::size_t format_value(char *out, std::size_t out_size, double value, int decimals, const char *label)
{
    std::size_t length = format_fixed(out, out_size, value, decimals);
    if (label) {
        length = append(out, out_size, length, " ");
        length = append(out, out_size, length, label);
    }
    return length;
}

std::size_t format_range(char *out, std::size_t out_size, double low, double high, int decimals,
                         const char *label)
{
    std::size_t length = format_fixed(out, out_size, low, decimals);
    length = append(out, out_size, length, " ... ");
    length = append_number(out, out_size, length, high, decimals);
    length = append(out, out_size, length, " ");
    return append(out, out_size, length, label ? label : "");
}

std::size_t format_feet_inches(char *out, std::size_t out_size, double feet, double inches)
{
    std::size_t length = format_fixed(out, out_size, feet, 0);
    length = append(out, out_size, length, "'");
    length = append_number(out, out_size, length, inches, 0);
    return append(out, out_size, length, "''");
}

LegacyFormat legacy_format(int16_t system, int32_t property)
{
    switch (system) {
    case kUnitEuro:
        return (property == 0 || property == 1 || property == 11) ? LegacyFormat::kTransformed
                                                                 : LegacyFormat::kAsGiven;
    case kUnitUS:
        switch (property) {
        case 0: case 1: case 3: case 9: case 10: case 11: case 12: case 101: case 102:
            return LegacyFormat::kTransformed;
        case 100:
            return LegacyFormat::kFeetInches;
        default:
            return LegacyFormat::kUnknown;
        }
    default:
        return LegacyFormat::kAsGiven;
    }
}

bool rewrite_inches_as_mm(char *text)
{
    return rewrite_rounded(text, 25.4, false);
}

bool rewrite_mm_as_inches(char *text)
{
    return rewrite_rounded(text, 25.4, true);
}

bool read_typed_number(char *text, float *number)
{
    std::replace(text, text + std::strlen(text), ',', '.');
    return scan_float(text, number);
}

} // namespace kavo
