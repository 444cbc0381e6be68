// Reading and writing numbers the way the design data texts carry them,
// independent of the host's C locale (a host that switches to a locale with
// a decimal comma must still read and write "21.50").
#pragma once

#include <cstddef>
#include <cstdint>

namespace kavo {

// Reads a leading decimal integer as "%d" would: blanks skipped, an
// optional sign, at least one digit; out-of-range values wrap.
bool scan_int(const char *text, int32_t *out);

// Reads a leading decimal float as "%f" would: blanks skipped, an optional
// sign, digits with an optional point and exponent.  Texts that are not
// decimal numbers ("nan", "inf", hexadecimal) and values beyond the float
// range are refused.
bool scan_float(const char *text, float *out);

// Writes value with `decimals` digits after the point, as "%0.*f" does with
// a negative precision meaning six.  Returns the length, or 0 when the text
// does not fit into out_size - 1 characters (out is then empty).
std::size_t format_fixed(char *out, std::size_t out_size, double value, int decimals);

// Writes an integer as "%d"; out_size of 12 always suffices.
std::size_t format_int(char *out, std::size_t out_size, int32_t value);

} // namespace kavo
