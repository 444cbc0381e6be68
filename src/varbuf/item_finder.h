// Key lookups on one design data text, for the record readers.  A reader
// asks for several hundred keys; `LinearFinder` answers each with the
// exported find primitive (a scan of the text per key), `IndexedFinder`
// walks the text once, remembers where the first item of each key begins,
// and then gives exactly the answers of the primitive: the same item is
// located and the same walk from it decides the result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "varbuf/text_words.h"
#include "varbuf/varbuf.h"

namespace kavo {

namespace detail {
struct SeparatorMasks;
}

// A key as the finders take it.  Keys of up to 8 characters, nearly all of
// a design's, carry their bytes gathered into one word and their hash:
// literals and numbered keys know their length where they are made, so no
// finder walks their text again, and for a literal the compiler does the
// gathering.
class FindKey {
public:
    // A key held in a char array, a literal most often.
    template <std::size_t N>
    [[gnu::always_inline]] constexpr FindKey(const char (&text)[N]) : text_(text) // NOLINT: literals convert implicitly
    {
        uint64_t word = 0;
        std::size_t length = 0;
        for (; length < N && length < 8 && text[length]; ++length)
            word |= static_cast<uint64_t>(static_cast<unsigned char>(text[length])) << (8 * length);
        if (length < N && text[length] == 0)
            take_short(word, length);
    }
    // A key of any length, walked here; null for no key.
    static FindKey of_text(const char *text);
    // A key of at most 8 characters, gathered into `head` by a caller that
    // knows it to be plain.
    [[gnu::always_inline]] static FindKey of_plain_short(const char *text, uint64_t head, std::size_t length)
    {
        FindKey key(text);
        key.set_short(head, length, true);
        return key;
    }
    // No key at all, as a null pointer.
    constexpr FindKey() : text_(nullptr) {}
    // The word of the key prefix + decimal index, in the usual case: a
    // plain prefix and an index below 100 making at most 8 characters.
    // The key is plain then because its prefix is; digits change nothing.
    [[gnu::always_inline]] static bool numbered_head(const FindKey &prefix, int index, uint64_t *head,
                                                     std::size_t *length)
    {
        if (!prefix.plain_short() || index < 0 || index >= 100)
            return false;
        const unsigned i = static_cast<unsigned>(index);
        *length = prefix.length() + (i < 10 ? 1 : 2);
        const uint64_t digits = i < 10 ? '0' + i : ('0' + i / 10) | static_cast<uint64_t>('0' + i % 10) << 8;
        *head = prefix.head() | digits << (8 * prefix.length());
        return *length <= 8;
    }

    const char *text() const { return text_; }
    // A key of at most 8 characters that an index answers alone (see
    // detail::short_key_is_plain); head, length and hash are set for it.
    bool plain_short() const { return plain_short_; }
    uint64_t head() const { return head_; }
    std::size_t length() const { return length_; }
    uint32_t hash() const { return hash_; }

private:
    constexpr explicit FindKey(const char *text) : text_(text) {}
    [[gnu::always_inline]] constexpr void take_short(uint64_t word, std::size_t length)
    {
        const uint64_t head = detail::low_bytes(word, length);
        set_short(head, length, detail::short_key_is_plain(head, length));
    }
    [[gnu::always_inline]] constexpr void set_short(uint64_t head, std::size_t length, bool plain)
    {
        head_ = head;
        length_ = static_cast<uint8_t>(length);
        plain_short_ = plain;
        if (plain)
            hash_ = detail::short_key_hash(head);
    }

    const char *text_;
    uint64_t head_ = 0;
    uint32_t hash_ = 0;
    uint8_t length_ = 0;
    bool plain_short_ = false;
};

// "%s%d" of a numbered key ("IR12", "WH3"), as text for writers and as a
// FindKey for readers, gathered as one word in the usual case.
class NumberedKey {
public:
    [[gnu::always_inline]] NumberedKey(const FindKey &prefix, int index)
    {
        uint64_t head;
        std::size_t length;
        if (FindKey::numbered_head(prefix, index, &head, &length)) {
            std::memcpy(text_, &head, sizeof head);
            text_[8] = 0;
            key_ = FindKey::of_plain_short(text_, head, length);
            return;
        }
        spell(prefix.text(), index);
    }
    NumberedKey(const NumberedKey &) = delete;
    NumberedKey &operator=(const NumberedKey &) = delete;

    operator const char *() const { return text_; }
    operator const FindKey &() const { return key_; }

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

    char text_[24];
    FindKey key_;
};

// A number field to fill from one key, by address: it may be misaligned
// inside a packed record.
struct NumberField {
    NumberField(const FindKey &key_, float *field_) : key(key_), field(field_), is_float(true) {}
    NumberField(const FindKey &key_, int16_t *field_) : key(key_), field(field_), is_float(false) {}
    FindKey key;
    void *field;
    bool is_float; // else a short
};

// A column of numbered number fields: the keys prefix0, prefix1, ... fill
// field, and the fields a row stride apart after it.
struct NumberColumn {
    NumberColumn(const FindKey &prefix_, float *field_) : prefix(prefix_), field(field_), is_float(true) {}
    NumberColumn(const FindKey &prefix_, int16_t *field_) : prefix(prefix_), field(field_), is_float(false) {}
    FindKey prefix;
    void *field;
    bool is_float; // else a short
};

class ItemFinder {
public:
    explicit ItemFinder(const char *text) : text_(text) {}
    ItemFinder(const ItemFinder &) = delete;
    ItemFinder &operator=(const ItemFinder &) = delete;
    virtual ~ItemFinder() = default;

    const char *text() const { return text_; }

    // As varbuf_find_sz, varbuf_find_flo, varbuf_find_sho, varbuf_find_date.
    int find_sz(const FindKey &key, char *out, int out_size) const { return sz(key, out, out_size); }
    int find_flo(const FindKey &key, float *out) const { return flo(key, out); }
    int find_sho(const FindKey &key, int16_t *out) const { return sho(key, out); }
    int find_date(const FindKey &key, varbuf_date *out) const;
    // Fills each field as find_flo or find_sho does; the results are not
    // kept.  Readers hand over lists of keys this way, so that a finder can
    // take them in one go.
    virtual void find_numbers(const NumberField *fields, std::size_t count) const;
    // Fills the rows 0 to rows - 1 of the columns, row by row (the order a
    // record's arrays are written in), each field as find_numbers does.
    virtual void find_rows(const NumberColumn *columns, std::size_t column_count, int rows,
                           std::size_t row_stride) const;
    // The same for keys held only as a pointer.
    int find_sz(const char *key, char *out, int out_size) const { return sz(FindKey::of_text(key), out, out_size); }
    int find_flo(const char *key, float *out) const { return flo(FindKey::of_text(key), out); }
    int find_sho(const char *key, int16_t *out) const { return sho(FindKey::of_text(key), out); }
    int find_date(const char *key, varbuf_date *out) const { return find_date(FindKey::of_text(key), out); }

protected:
    // The walk of varbuf_find_from from the item that item_with_key gives.
    virtual int sz(const FindKey &key, char *out, int out_size) const
    {
        return varbuf_find_from(item_with_key(key.text()), key.text(), out, out_size);
    }
    virtual int flo(const FindKey &key, float *out) const;
    virtual int sho(const FindKey &key, int16_t *out) const;
    // As varbuf_item_with_key on text().
    virtual const char *item_with_key(const char *key) const = 0;
    // Fills a number field as find_flo or find_sho does.
    void fill(const FindKey &key, void *field, bool is_float) const;

private:
    const char *text_;
};

class LinearFinder final : public ItemFinder {
public:
    using ItemFinder::ItemFinder;

protected:
    const char *item_with_key(const char *key) const override { return varbuf_item_with_key(text(), key); }
};

class IndexedFinder final : public ItemFinder {
public:
    explicit IndexedFinder(const char *text);

    void find_numbers(const NumberField *fields, std::size_t count) const override;
    void find_rows(const NumberColumn *columns, std::size_t column_count, int rows,
                   std::size_t row_stride) const override;

protected:
    // For plain keys, the answer is read straight from the located item;
    // other keys take the walk of varbuf_find_from.
    int sz(const FindKey &key, char *out, int out_size) const override;
    // Values of up to 8 bytes in the usual number forms are read from the
    // word kept with their item; other numbers in place from the text,
    // where a value always ends at a byte that no number reader takes
    // ("|", "=", NUL or a blank).
    int flo(const FindKey &key, float *out) const override;
    int sho(const FindKey &key, int16_t *out) const override;
    const char *item_with_key(const char *key) const override;

private:
    // An indexed item.  Keys of up to 8 bytes, the usual case, are compared
    // as one word; longer keys by their bytes.
    struct Item {
        uint64_t head;         // the key's first bytes (up to 8), little-endian, zero-padded
        uint64_t value_word;   // a value of at most 8 bytes, zero-padded (else 0)
        uint32_t key;          // where the item starts in the text
        uint16_t value_length; // of the value after "key=", as an item is read
        uint8_t length;        // of the key, at most kSearchKeyChars
        bool first;            // no earlier item has this key
    };
    const char *key_of(const Item &item) const { return text() + item.key; }
    struct Probe; // a key to look up, as the table compares it
    // One walk over the items: each is kept in text order and put into the
    // table unless an earlier item has its key.  The number kept.
    std::size_t index_items(const detail::SeparatorMasks &masks, std::size_t most_items);
    // The item after the last one found, when it is the first of this
    // plain short key; null otherwise.
    const Item *next_in_order(const FindKey &key) const;
    // The next item when it has this plain short key's word and length.
    const Item *next_in_order(uint64_t head, std::size_t length) const;
    // Puts an item's value into a number field when it is a short number in
    // its usual form (a float only where float arithmetic is exact); false
    // otherwise, with the field unchanged.
    static bool put_word_number(const Item &item, void *field, bool is_float);
    // Reads the next item into a number field when it is the key's and a
    // short number; false otherwise, with nothing changed.
    bool take_next_number(const Item *item, void *field, bool is_float) const;
    // The item of a plain key, or null; *plain_key false for other keys.
    const Item *plain_item(const FindKey &key, bool *plain_key) const;
    const Item *locate(const Probe &probe) const;
    // What the number finders answer for an item (or none): kFound with the
    // value's start in *value, or the finder's result for a missing,
    // malformed or too long value.
    int number_value(const Item *slot, const char **value) const;
    // The value of an item of at most 8 bytes as a word (zero beyond it).
    static uint64_t value_word(const char *value, std::size_t length, const char *end);
    // Open addressing over the items: a table of item numbers plus one (0:
    // an empty slot), so that only these small numbers need clearing.  No
    // table (no text, or one too long to index): every key is scanned for.
    std::unique_ptr<uint32_t[]> table_;
    std::unique_ptr<Item[]> items_; // in text order
    std::size_t item_count_ = 0;
    // Readers ask for keys mostly in the order writers put them: the item
    // after the last one found is tried before the table.
    mutable std::size_t next_item_ = 0;
    const char *end_ = nullptr;     // the text's NUL
    std::size_t mask_ = 0;          // the number of slots less 1, a power of two less 1
};

} // namespace kavo
