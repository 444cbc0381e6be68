// The finder's common part: keys, and the answers of the exported find
// primitive.  The index is in item_finder_index.cpp, the number fast path
// in item_finder_numbers.cpp, the separator scan in item_finder_scan.cpp.
#include "varbuf/item_finder_detail.h"

#include <cstring>

namespace kavo {

FindKey FindKey::of_text(const char *text)
{
    FindKey key(text);
    if (!text)
        return key;
    uint64_t word = 0;
    for (std::size_t n = 0; n <= 8; ++n) {
        if (!text[n]) {
            key.take_short(word, n);
            break;
        }
        if (n < 8)
            word |= static_cast<uint64_t>(static_cast<unsigned char>(text[n])) << (8 * n);
    }
    return key;
}

int ItemFinder::flo(const FindKey &key, float *out) const
{
    if (!out)
        return kMalformed;
    char text[kNumberArea];
    return varbuf_flo_from(sz(key, text, kNumberArea), text, out);
}

int ItemFinder::sho(const FindKey &key, int16_t *out) const
{
    if (!out)
        return kMalformed;
    char text[kNumberArea];
    return varbuf_sho_from(sz(key, text, kNumberArea), text, out);
}

void ItemFinder::fill(const FindKey &key, void *field, bool is_float) const
{
    if (is_float) {
        float value = 0;
        flo(key, &value);
        std::memcpy(field, &value, sizeof value);
    } else {
        int16_t value = 0;
        sho(key, &value);
        std::memcpy(field, &value, sizeof value);
    }
}

void ItemFinder::find_numbers(const NumberField *fields, std::size_t count) const
{
    for (std::size_t i = 0; i < count; ++i)
        fill(fields[i].key, fields[i].field, fields[i].is_float);
}

void ItemFinder::find_rows(const NumberColumn *columns, std::size_t column_count, int rows,
                           std::size_t row_stride) const
{
    for (int row = 0; row < rows; ++row)
        for (std::size_t c = 0; c < column_count; ++c)
            fill(NumberedKey(columns[c].prefix, row), row_field(columns[c], row, row_stride), columns[c].is_float);
}

int ItemFinder::find_date(const FindKey &key, varbuf_date *out) const
{
    char text[kDateArea];
    return varbuf_date_from(sz(key, text, kDateArea), text, out);
}

} // namespace kavo
