#include "dialogs/memo_rows.h"

#include <cstring>
#include <climits>
#include <type_traits>

#include "util/font_metrics.h"

namespace kavo {
namespace {

constexpr unsigned kCarriageReturn = 13;
constexpr unsigned kBlank = 32;

template <typename Char>
unsigned code(Char c)
{
    return static_cast<std::make_unsigned_t<Char>>(c);
}

template <typename Char>
bool is_break(Char c)
{
    return code(c) <= kBlank || c == ',' || c == ';';
}

template <typename Char, typename Measure>
int next_row(qat_memoinfo *info, Char *row, uint32_t size, Measure measure)
{
    if (!row || size == 0)
        return 0;
    row[0] = 0;
    if (size < 2 || !info || !info->text || info->position < 0)
        return 0;
    const Char *text = static_cast<const Char *>(info->text);
    const int32_t length = info->length;
    int32_t &pos = info->position;
    if (pos >= length)
        return 0;

    // Blanks and control characters before the row; a carriage return
    // here is an empty line.
    while (code(text[pos]) <= kBlank) {
        const unsigned c = code(text[pos]);
        if (c == 0)
            return 0;
        ++pos;
        if (c == kCarriageReturn)
            return 1;
        if (pos >= length)
            return 0;
    }

    const int32_t start = pos;
    const uint32_t limit = size - 1;
    const bool pixels = info->font_height > 0;
    uint32_t n = 0;
    bool overflow = false;
    while (n < limit) {
        if (pos >= length || text[pos] == 0 || code(text[pos]) == kCarriageReturn)
            break;
        row[n] = code(text[pos]) < kBlank ? Char(' ') : text[pos];
        row[n + 1] = 0;
        overflow = pixels ? measure(row, n + 1, info->font_height) > info->max_width
                          : static_cast<int64_t>(n) == info->max_width;
        if (overflow)
            break;
        ++n;
        ++pos;
    }
    if (overflow && n == 0) {
        n = 1; // every row makes progress, however narrow the limit
        ++pos;
    }
    row[n] = 0;

    const unsigned next = pos < length ? code(text[pos]) : 0;
    if (next == 0)
        return 1;
    if (next == kCarriageReturn) {
        ++pos;
        return 1;
    }
    // Cut inside a line: end at the last break point, if there is one.
    for (uint32_t k = n; k-- > 0;) {
        if (!is_break(row[k]))
            continue;
        row[code(row[k]) <= kBlank ? k : k + 1] = 0;
        pos = start + static_cast<int32_t>(k) + 1;
        return 1;
    }
    return 1;
}

template <typename Char>
int32_t text_length(const Char *text)
{
    std::size_t n = 0;
    while (text && text[n] && n < INT32_MAX)
        ++n;
    return static_cast<int32_t>(n);
}

template <typename Char>
void init(qat_memoinfo *info, const Char *text, uint16_t font_height, uint16_t max_width)
{
    if (!info)
        return;
    info->text = text;
    info->position = 0;
    info->length = text_length(text);
    info->font_height = static_cast<int16_t>(font_height);
    info->max_width = static_cast<int16_t>(max_width);
}

} // namespace

void memo_init(qat_memoinfo *info, const char *text, uint16_t font_height, uint16_t max_width)
{
    init(info, text, font_height, max_width);
}

void memo_init16(qat_memoinfo *info, const uint16_t *text, uint16_t font_height, uint16_t max_width)
{
    init(info, text, font_height, max_width);
}

int memo_next_row(qat_memoinfo *info, char *row, uint32_t size)
{
    return next_row(info, row, size, [](const char *r, std::size_t, int height) {
        return static_cast<int>(arial_text_width(r, height));
    });
}

int memo_next_row16(qat_memoinfo *info, uint16_t *row, uint32_t size, MemoMeasure16 measure)
{
    return next_row(info, row, size, measure);
}

} // namespace kavo
