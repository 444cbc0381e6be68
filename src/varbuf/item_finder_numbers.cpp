// The number fast path of IndexedFinder: short numbers in their usual
// form are read from the word kept with their item, and lists of keys that
// follow each other in the text are read without lookups.
#include "varbuf/item_finder_detail.h"

#include <cstring>

namespace kavo {

namespace {

// A short as the primitive reads it: 32-bit wrap-around, then the low 16 bits.
int16_t short_value(const detail::WordNumber &number)
{
    const uint32_t value32 = number.negative ? 0u - number.mantissa : number.mantissa;
    return static_cast<int16_t>(static_cast<uint16_t>(value32));
}

} // namespace

int IndexedFinder::number_value(const Item *slot, const char **value) const
{
    if (!slot)
        return kNotFound;
    if (slot->value_length == 0)
        return kMalformed;
    if (slot->value_length > static_cast<std::size_t>(kNumberArea) - 1)
        return kTooLong;
    *value = key_of(*slot) + slot->length + 1;
    return kFound;
}

inline bool IndexedFinder::put_word_number(const Item &item, void *field, bool is_float)
{
    detail::WordNumber number;
    if (!detail::read_word_number(item.value_word, item.value_length, is_float, is_float ? 7 : 8, &number))
        return false;
    if (is_float) {
        if (!KAVO_FLOAT_IN_FLOAT)
            return false;
        const float value = varbuf_short_decimal_value(number.mantissa, number.decimals, number.negative);
        std::memcpy(field, &value, sizeof value);
    } else {
        const int16_t value = short_value(number);
        std::memcpy(field, &value, sizeof value);
    }
    return true;
}

// Numbers of up to 8 bytes in their usual form are read a word at a time;
// the rest as the primitive reads them.
int IndexedFinder::flo(const FindKey &key, float *out) const
{
    bool plain_key;
    const Item *slot = plain_item(key, &plain_key);
    if (!plain_key || !out)
        return ItemFinder::flo(key, out);
    *out = 0;
    const char *value = nullptr;
    const int result = number_value(slot, &value);
    if (result != kFound)
        return result;
    if (put_word_number(*slot, out, true))
        return kFound;
    if (varbuf_scan_short_decimal(value, out))
        return kFound;
    char copy[kNumberArea];
    std::memcpy(copy, value, slot->value_length);
    copy[slot->value_length] = 0;
    return varbuf_flo_from(kFound, copy, out);
}

int IndexedFinder::sho(const FindKey &key, int16_t *out) const
{
    bool plain_key;
    const Item *slot = plain_item(key, &plain_key);
    if (!plain_key || !out)
        return ItemFinder::sho(key, out);
    *out = 0;
    const char *value = nullptr;
    const int result = number_value(slot, &value);
    if (result != kFound)
        return result;
    if (put_word_number(*slot, out, false))
        return kFound;
    return varbuf_sho_from(kFound, value, out);
}

bool IndexedFinder::take_next_number(const Item *item, void *field, bool is_float) const
{
    if (!item || !put_word_number(*item, field, is_float))
        return false;
    ++next_item_;
    return true;
}

// Keys of a list mostly follow each other in the text: each that is the
// next item and holds a short number is read in the loop, without calls;
// the others as one lookup each.
void IndexedFinder::find_numbers(const NumberField *fields, std::size_t count) const
{
    for (std::size_t i = 0; i < count; ++i) {
        const NumberField &field = fields[i];
        if (!take_next_number(next_in_order(field.key), field.field, field.is_float))
            fill(field.key, field.field, field.is_float);
    }
}

// The same for numbered keys, whose words are made here without spelling
// them out, unless one has to be looked up.
void IndexedFinder::find_rows(const NumberColumn *columns, std::size_t column_count, int rows,
                              std::size_t row_stride) const
{
    for (int row = 0; row < rows; ++row) {
        for (std::size_t c = 0; c < column_count; ++c) {
            const NumberColumn &column = columns[c];
            void *field = row_field(column, row, row_stride);
            uint64_t head;
            std::size_t length;
            if (!FindKey::numbered_head(column.prefix, row, &head, &length) ||
                !take_next_number(next_in_order(head, length), field, column.is_float))
                fill(NumberedKey(column.prefix, row), field, column.is_float);
        }
    }
}

} // namespace kavo
