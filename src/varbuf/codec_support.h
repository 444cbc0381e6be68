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

// "%s%d" of an indexed key ("IR12", "WH3"), as text for writers and as a
// FindKey for readers.  The usual case, a plain prefix and an index below
// 100 making at most 8 characters, is put together as one word: the key
// is plain because its prefix is, and digits change nothing of that.
class Key {
public:
    Key() = default; // no key yet: see make
    [[gnu::always_inline]] Key(const FindKey &prefix, int index) { make(prefix, index); }
    Key(const Key &) = delete;
    Key &operator=(const Key &) = delete;

    operator const char *() const { return text_; }
    operator const FindKey &() const { return key_; }

    [[gnu::always_inline]] void make(const FindKey &prefix, int index)
    {
        if (prefix.plain_short() && index >= 0 && index < 100) {
            const unsigned i = static_cast<unsigned>(index);
            const std::size_t digits = i < 10 ? 1 : 2;
            const std::size_t length = prefix.length() + digits;
            if (length <= 8) {
                const uint64_t text = i < 10 ? '0' + i : ('0' + i / 10) | static_cast<uint64_t>('0' + i % 10) << 8;
                const uint64_t head = prefix.head() | text << (8 * prefix.length());
                std::memcpy(text_, &head, sizeof head);
                text_[8] = 0;
                key_ = FindKey::of_plain_short(text_, head, length);
                return;
            }
        }
        spell(prefix.text(), index);
    }

private:
    [[gnu::noinline]] void spell(const char *prefix, int index)
    {
        std::size_t n = 0;
        for (; prefix && prefix[n] && n < 8; ++n)
            text_[n] = prefix[n];
        char digits[12];
        std::size_t count = 0;
        unsigned value = index < 0 ? 0u - static_cast<unsigned>(index) : static_cast<unsigned>(index);
        do
            digits[count++] = static_cast<char>('0' + value % 10);
        while ((value /= 10) != 0);
        if (index < 0)
            text_[n++] = '-';
        while (count > 0)
            text_[n++] = digits[--count];
        text_[n] = 0;
        key_ = FindKey::of_text(text_);
    }

    char text_[24] = {};
    FindKey key_;
};

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
    // The fields prefix0, prefix1, ... of an array, one lookup each.
    void numbered(const FindKey &prefix, float *fields, int count)
    {
        for (int i = 0; i < count; ++i)
            flo(Key(prefix, i), fields + i);
    }
    void numbered(const FindKey &prefix, int16_t *fields, int count)
    {
        for (int i = 0; i < count; ++i)
            sho(Key(prefix, i), fields + i);
    }
    // True only for a value that was read.
    bool found(const FindKey &key, int16_t *field) { return sho(key, field) == kFound; }
    bool found(const FindKey &key, float *field) { return flo(key, field) == kFound; }

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
