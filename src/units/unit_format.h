// Display texts of values: a fixed count of decimals with a point, no
// thousands separators, whatever the host's C locale, optionally followed by
// a blank and the unit label.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kavo {

// "%0.*f" of value, or "%0.*f %s" with the label when label is not null.
// Returns the length, or 0 with out empty when the text does not fit.
std::size_t format_value(char *out, std::size_t out_size, double value, int decimals, const char *label);

// "%0.*f ... %0.*f %s": the range of accepted values shown to the user.
std::size_t format_range(char *out, std::size_t out_size, double low, double high, int decimals,
                         const char *label);

// A length as whole feet and inches, "%0.0f'%0.0f''", e.g. 2'0''.
std::size_t format_feet_inches(char *out, std::size_t out_size, double feet, double inches);

// Longest text of a float with up to 6 decimals and a label, plus room.
inline constexpr std::size_t kValueTextCapacity = 80;

// How the older formatter writes a value of the older property family.
enum class LegacyFormat : uint8_t {
    kAsGiven,     // the value as it stands
    kTransformed, // the value in display units
    kFeetInches,  // whole feet and inches
    kUnknown,     // not defined in this system: nothing written
};
LegacyFormat legacy_format(int16_t system, int32_t property);

// Rewrites a text that starts with a number (read as "%f" reads it) as the
// whole number of millimetres for that many inches, or of inches for that
// many millimetres, rounded half up.  False, text unchanged, when the text
// holds no number.  text must hold the result: at most 42 bytes (a sign
// and 40 digits).
bool rewrite_inches_as_mm(char *text);
bool rewrite_mm_as_inches(char *text);

// A number typed into a unit edit, read as "%f" reads it with a comma
// counting as the decimal point; text is rewritten in place.
bool read_typed_number(char *text, float *number);

// Whether a typed value (in base units) is accepted for minimum..maximum:
// one part in a thousand either side, so that a bound shown rounded and
// typed back still counts.
inline bool within_typed_range(float value, float minimum, float maximum)
{
    return minimum * 0.999f <= value && value <= maximum * 1.001f;
}

} // namespace kavo
