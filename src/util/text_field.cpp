#include "util/text_field.h"

#include <cstring>

namespace kavo {
namespace {

// One walker for both character widths: the 8-bit and the UTF-16 field
// must not drift apart, the language texts rely on the UTF-16 one behaving
// exactly like the 8-bit one.
template <typename Char>
const Char *field_of(Char *out, const Char *text, Char separator, int n, std::size_t max_chars)
{
    out[0] = 0;
    if (!text || n < 0)
        return nullptr;
    const Char *p = text;
    for (int passed = 0; passed < n; ++passed) {
        while (*p && *p != separator)
            ++p;
        if (!*p)
            return nullptr; // the text ended before field n
        ++p;
    }
    if (!*p)
        return nullptr; // field n would begin at the terminating NUL
    std::size_t copied = 0;
    while (*p && *p != separator && copied < max_chars)
        out[copied++] = *p++;
    out[copied] = 0;
    while (*p && *p != separator)
        ++p;
    return *p ? p + 1 : p;
}

} // namespace

const char *text_field(char *out, const char *text, char separator, int n, int out_size)
{
    if (!out || out_size < 1)
        return nullptr;
    return field_of(out, text, separator, n, static_cast<std::size_t>(out_size) - 1);
}

const char16_t *text_field_w(char16_t *out, const char16_t *text, char16_t separator, int n, int out_size)
{
    if (!out || out_size < 2)
        return nullptr;
    return field_of(out, text, separator, n, static_cast<std::size_t>(out_size) / 2 - 1);
}

std::size_t trimmed_length(const char *text, int limit)
{
    if (!text || limit < 1)
        return 0;
    std::size_t length = 0;
    while (length < static_cast<std::size_t>(limit) && text[length])
        ++length;
    while (length > 0 && text[length - 1] == ' ')
        --length;
    return length;
}

void rtrim_blanks(char *text)
{
    if (!text)
        return;
    std::size_t length = std::strlen(text);
    while (length > 0 && text[length - 1] == ' ')
        --length;
    text[length] = 0;
}

void copy_trimmed(char *out, const char *text, int n)
{
    if (!out || n < 0)
        return;
    std::memset(out, 0, static_cast<std::size_t>(n) + 1);
    std::memcpy(out, text ? text : "", trimmed_length(text, n));
}

} // namespace kavo
