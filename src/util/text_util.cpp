#include "util/text_util.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "util/number_text.h"

namespace kavo {
namespace {

// Room for any double in fixed notation (309 integer digits, sign, point)
// plus its decimals.  Decimals past this many are all zero for a double
// anyway once trimmed, so the clamp cannot change a result.
constexpr int kMaxDecimals = 1100;
constexpr std::size_t kIntegerRoom = 320;

std::size_t smart_text(std::vector<char> &text, double value, int decimals)
{
    if (decimals < 0)
        decimals = 6;
    decimals = std::min(decimals, kMaxDecimals);
    text.assign(kIntegerRoom + static_cast<std::size_t>(decimals), 0);
    std::size_t length = format_fixed(text.data(), text.size(), value, decimals);
    if (std::memchr(text.data(), '.', length)) {
        while (length > 1 && text[length - 1] == '0')
            --length;
        if (text[length - 1] == '.')
            --length;
    }
    if (length == 2 && text[0] == '-' && text[1] == '0') {
        text[0] = '0';
        length = 1;
    }
    text[length] = 0;
    return length;
}

template <typename Char>
int store_cut(Char *buffer, int size, const std::vector<char> &text, std::size_t length)
{
    if (!buffer || size < 1)
        return 0;
    const std::size_t stored = std::min(length, static_cast<std::size_t>(size) - 1);
    for (std::size_t i = 0; i < stored; ++i)
        buffer[i] = static_cast<Char>(static_cast<unsigned char>(text[i]));
    buffer[stored] = 0;
    return static_cast<int>(stored);
}

} // namespace

void upcase_nordic(char *text)
{
    if (!text)
        return;
    for (unsigned char *p = reinterpret_cast<unsigned char *>(text); *p; ++p) {
        if (*p >= 'a' && *p <= 'z')
            *p = static_cast<unsigned char>(*p - 'a' + 'A');
        else if (*p == 228 || *p == 246 || *p == 229)
            *p = static_cast<unsigned char>(*p - 32);
    }
}

bool ascii_iequal(const char *a, const char *b, std::size_t limit)
{
    for (std::size_t i = 0; i < limit; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'a' && x <= 'z')
            x = static_cast<unsigned char>(x - 32);
        if (y >= 'a' && y <= 'z')
            y = static_cast<unsigned char>(y - 32);
        if (x != y)
            return false;
        if (!x)
            return true;
    }
    return true;
}

int smart_sprint(char *buffer, int size, double value, int decimals)
{
    std::vector<char> text;
    const std::size_t length = smart_text(text, value, decimals);
    return store_cut(buffer, size, text, length);
}

int smart_sprint_w(char16_t *buffer, int size, double value, int decimals)
{
    std::vector<char> text;
    const std::size_t length = smart_text(text, value, decimals);
    return store_cut(buffer, size, text, length);
}

void copy_cut(char *field, std::size_t capacity, const char *src)
{
    if (!field || capacity == 0)
        return;
    const std::size_t length = src ? strnlen(src, capacity - 1) : 0;
    std::memcpy(field, src ? src : "", length);
    field[length] = 0;
}

} // namespace kavo
