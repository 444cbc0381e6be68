#include "util/number_text.h"

#include <charconv>
#include <cstring>
#include <system_error>

namespace kavo {
namespace {

// The blanks that the C library's scanf skips in the "C" locale.
bool is_c_space(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

const char *skip_blanks_and_sign(const char *p, bool *negative)
{
    while (is_c_space(*p))
        ++p;
    *negative = (*p == '-');
    if (*p == '-' || *p == '+')
        ++p;
    return p;
}

} // namespace

bool scan_int(const char *text, int32_t *out)
{
    if (!text)
        return false;
    bool negative = false;
    const char *p = skip_blanks_and_sign(text, &negative);
    if (!is_digit(*p))
        return false;
    uint32_t magnitude = 0;
    for (; is_digit(*p); ++p)
        magnitude = magnitude * 10u + static_cast<uint32_t>(*p - '0');
    if (negative)
        magnitude = 0u - magnitude;
    *out = static_cast<int32_t>(magnitude);
    return true;
}

bool scan_float(const char *text, float *out)
{
    if (!text)
        return false;
    bool negative = false;
    const char *p = skip_blanks_and_sign(text, &negative);
    if (!is_digit(*p) && !(*p == '.' && is_digit(p[1])))
        return false;
    float value = 0;
    const auto result = std::from_chars(p, p + std::strlen(p), value, std::chars_format::general);
    if (result.ec != std::errc())
        return false;
    *out = negative ? -value : value;
    return true;
}

std::size_t format_fixed(char *out, std::size_t out_size, double value, int decimals)
{
    if (!out || out_size == 0)
        return 0;
    out[0] = 0;
    if (decimals < 0)
        decimals = 6;
    const auto result = std::to_chars(out, out + out_size - 1, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return 0;
    *result.ptr = 0;
    return static_cast<std::size_t>(result.ptr - out);
}

std::size_t format_int(char *out, std::size_t out_size, int32_t value)
{
    if (!out || out_size == 0)
        return 0;
    out[0] = 0;
    const auto result = std::to_chars(out, out + out_size - 1, value);
    if (result.ec != std::errc())
        return 0;
    *result.ptr = 0;
    return static_cast<std::size_t>(result.ptr - out);
}

} // namespace kavo
