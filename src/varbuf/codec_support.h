// Small helpers that let the record codecs read as lists of keys: one call
// per item, fixed fields passed as arrays so that their sizes come along.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "varbuf/designdata.h"

namespace kavo::codec {

using Key = NumberedKey;

// Appends items to a caller's text of `size` bytes.
class Writer {
public:
    Writer(char *text, int size) : text_(text), size_(size) {}

    template <std::size_t N>
    int sz(const char *key, const char (&field)[N])
    {
        char value[N];
        set_field_text(value, N, field);
        return varbuf_write_sz(text_, key, value, size_);
    }
    int flo(const char *key, float value, int decimals) { return varbuf_write_flo(text_, key, value, decimals, size_); }
    int nz(const char *key, float value, int decimals)
    {
        return varbuf_write_flo_nz(text_, key, value, decimals, size_);
    }
    int sho(const char *key, int16_t value) { return varbuf_write_sho(text_, key, value, size_); }
    // 8-bit fields travel as shorts: s8 widened with its sign, u8 without.
    int sho(const char *key, int8_t value) { return sho(key, static_cast<int16_t>(value)); }
    int sho(const char *key, uint8_t value) { return sho(key, static_cast<int16_t>(value)); }
    int date(const char *key, const varbuf_date &value) { return varbuf_write_date(text_, key, &value, size_); }
    int raw(const char *key, const char *value) { return varbuf_write_sz(text_, key, value, size_); }

private:
    char *text_;
    int size_;
};

// Finds keys through an ItemFinder straight into record fields.  The
// records are packed, so a number field may be misaligned: fields are
// passed by address and written with memcpy, never through a reference.
class Reader {
public:
    explicit Reader(const ItemFinder &finder) : finder_(finder) {}

    template <std::size_t N>
    int sz(const FindKey &key, char (&field)[N])
    {
        return finder_.find_sz(key, field, static_cast<int>(N));
    }
    int flo(const FindKey &key, float *field)
    {
        float value = 0;
        const int result = finder_.find_flo(key, &value);
        std::memcpy(static_cast<void *>(field), &value, sizeof value);
        return result;
    }
    int sho(const FindKey &key, int16_t *field)
    {
        int16_t value = 0;
        const int result = finder_.find_sho(key, &value);
        std::memcpy(static_cast<void *>(field), &value, sizeof value);
        return result;
    }
    // A short whose low 8 bits are kept (0 when the key is missing or bad).
    template <typename Byte>
    int low_byte(const FindKey &key, Byte &field)
    {
        static_assert(sizeof(Byte) == 1, "8-bit fields");
        int16_t wide = 0;
        const int result = finder_.find_sho(key, &wide);
        field = static_cast<Byte>(static_cast<uint8_t>(wide));
        return result;
    }
    int date(const FindKey &key, varbuf_date &field) { return finder_.find_date(key, &field); }
    // Number fields of a list whose results are not looked at, in one call.
    void numbers(std::initializer_list<NumberField> fields) { finder_.find_numbers(fields.begin(), fields.size()); }
    // Numbered fields, row by row: column c of row i is prefix_c + i.
    void rows(std::initializer_list<NumberColumn> columns, int count, std::size_t row_stride)
    {
        finder_.find_rows(columns.begin(), columns.size(), count, row_stride);
    }
    // The fields prefix0, prefix1, ... of an array.
    template <typename Number>
    void numbered(const FindKey &prefix, Number *fields, int count)
    {
        rows({{prefix, fields}}, count, sizeof *fields);
    }
    // True only for a value that was read.
    bool found(const FindKey &key, int16_t *field) { return sho(key, field) == kFound; }
    bool found(const FindKey &key, float *field) { return flo(key, field) == kFound; }
    // A value guarded by a state, which becomes `read_state` when the value
    // was read and is left alone otherwise.
    void stated(const FindKey &key, float *field, int16_t *state, int16_t read_state)
    {
        if (found(key, field))
            std::memcpy(static_cast<void *>(state), &read_state, sizeof read_state);
    }

private:
    const ItemFinder &finder_;
};

// Items of a list of values of one kind, copied out of the packed record.
struct FloatItem {
    const char *key;
    float value;
};
struct ShortItem {
    const char *key;
    int16_t value;
};
using kavo::NumberField;

// Zero-fills a record.
template <typename Record>
void clear(Record &record)
{
    std::memset(&record, 0, sizeof record);
}

// The highest entry of an IR/IC list, and the IT/IG/IJ count, as the
// arrays can take them.
inline int clamp_index(int highest) { return highest > kMaxIndexedEntry ? kMaxIndexedEntry : highest; }
inline int clamp_entries(int count)
{
    return count < 0 ? 0 : (count > kMaxInstallationEntries ? kMaxInstallationEntries : count);
}

} // namespace kavo::codec
