// Key lookups on one design data text, for the record readers.  A reader
// asks for several hundred keys; `LinearFinder` answers each with the
// exported find primitive (a scan of the text per key), `IndexedFinder`
// scans the text once, remembers where the first item of each key begins,
// and then gives exactly the answers of the primitive: the same item is
// located and the same walk from it decides the result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "varbuf/varbuf.h"

namespace kavo {

class ItemFinder {
public:
    explicit ItemFinder(const char *text) : text_(text) {}
    ItemFinder(const ItemFinder &) = delete;
    ItemFinder &operator=(const ItemFinder &) = delete;
    virtual ~ItemFinder() = default;

    const char *text() const { return text_; }

    // As varbuf_find_sz, varbuf_find_flo, varbuf_find_sho, varbuf_find_date.
    virtual int find_sz(const char *key, char *out, int out_size) const
    {
        return varbuf_find_from(item_with_key(key), key, out, out_size);
    }
    virtual int find_flo(const char *key, float *out) const;
    virtual int find_sho(const char *key, int16_t *out) const;
    int find_date(const char *key, varbuf_date *out) const;

protected:
    // As varbuf_item_with_key on text().
    virtual const char *item_with_key(const char *key) const = 0;

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

    // For plain keys, the answer is read straight from the located item;
    // other keys take the walk of varbuf_find_from.
    int find_sz(const char *key, char *out, int out_size) const override;
    // Numbers are read in place from the text, where a value always ends at
    // a byte that no number reader takes ("|", "=", NUL or a blank).
    int find_flo(const char *key, float *out) const override;
    int find_sho(const char *key, int16_t *out) const override;

protected:
    const char *item_with_key(const char *key) const override;

private:
    // An indexed item.  Keys of up to 8 bytes, the usual case, are compared
    // as one word; longer keys by their bytes.
    struct Item {
        const char *key;       // the item's first byte in the text
        uint64_t head;         // the key's first bytes (up to 8), little-endian, zero-padded
        uint32_t hash;
        uint16_t length;       // of the key, at most kSearchKeyChars
        uint16_t value_length; // of the value after "key=", as an item is read
    };
    struct Probe; // a key to look up, as the table compares it
    void insert_first(const Item &item);
    // The item of a plain key, or null; *plain_key false for other keys.
    const Item *plain_item(const char *key, bool *plain_key) const;
    const Item *locate(const Probe &probe) const;
    // What the number finders answer for an item (or none): kFound with the
    // value's start in *value, or the finder's result for a missing,
    // malformed or too long value.
    static int number_value(const Item *slot, const char **value);
    // Open addressing over the items: a table of item numbers plus one (0:
    // an empty slot), so that only these small numbers need clearing.
    std::unique_ptr<uint32_t[]> table_;
    std::unique_ptr<Item[]> items_; // in text order, first of each key only
    uint32_t item_count_ = 0;
    std::size_t mask_ = 0; // the number of slots less 1, a power of two less 1
};

} // namespace kavo
