// The hash index of IndexedFinder: one walk over the items of a text puts
// the first item of each key into an open-addressing table; lookups of
// plain keys answer from it.
#include "varbuf/item_finder_detail.h"

#include <algorithm>
#include <cstring>

namespace kavo {

namespace {

using detail::hash_chunk;
using detail::kHashSeed;

// What a lookup needs to know of a key that does not come gathered.
struct KeyFacts {
    std::size_t length = 0;
    uint64_t head = 0; // the first bytes, up to 8, as the index keeps them
    uint32_t hash = 0;
    bool separators = false; // "=" or "|"
    bool nordic = false;     // a Latin-1 letter that upper-casing maps beyond ASCII
};

// The hash of any key; keys of up to 8 bytes as short_key_hash takes them.
uint32_t hash_bytes(const char *key, std::size_t length)
{
    uint64_t hash = kHashSeed;
    for (std::size_t at = 0; at < length; at += 8) {
        uint64_t chunk = 0;
        for (std::size_t i = 0; i < 8 && at + i < length; ++i)
            chunk |= static_cast<uint64_t>(static_cast<unsigned char>(key[at + i])) << (8 * i);
        hash = hash_chunk(hash, chunk);
    }
    return length <= 8 ? detail::hash_fold(hash) : detail::hash_fold(hash_chunk(hash, length));
}

KeyFacts key_facts(const char *key)
{
    KeyFacts facts;
    for (std::size_t n = 0; key[n]; ++n) {
        const unsigned char u = static_cast<unsigned char>(key[n]);
        facts.separators |= u == '=' || u == '|';
        facts.nordic |= u == 228 || u == 246 || u == 229;
        if (n < 8)
            facts.head |= static_cast<uint64_t>(u) << (8 * n);
        facts.length = n + 1;
    }
    facts.hash = hash_bytes(key, facts.length);
    return facts;
}

// Keys the index answers for.  The empty key and keys holding "=" or "|"
// would match across item boundaries, so they take the plain scan, and
// longer keys than a search takes are never found.
bool indexable(const KeyFacts &key)
{
    return key.length > 0 && key.length <= static_cast<std::size_t>(kSearchKeyChars) && !key.separators;
}

// A key whose item, once located, always matches it, so that the walk of
// varbuf_find_from ends at that first item: the key survives the reading
// of an item's key unchanged up to ASCII case.  It fits the key area, ends
// in no blank (blanks are cut) and holds none of the Latin-1 letters that
// upper-casing maps beyond ASCII.
bool plain(const KeyFacts &facts, const char *key)
{
    return indexable(facts) && facts.length < static_cast<std::size_t>(kKeyArea) && !facts.nordic &&
           key[facts.length - 1] != ' ';
}

// The first bytes (up to 8) of a key inside the text, as a FindKey gathers
// them: one load when 8 bytes of text follow the key's start.
inline uint64_t key_head_in_text(const char *key, std::size_t length, const char *end)
{
    if (end - key >= 8) {
        uint64_t word;
        std::memcpy(&word, key, sizeof word);
        return length >= 8 ? word : word & ((uint64_t{1} << (8 * length)) - 1);
    }
    const std::size_t n = length < 8 ? length : 8;
    uint64_t word = 0;
    for (std::size_t i = 0; i < n; ++i)
        word |= static_cast<uint64_t>(static_cast<unsigned char>(key[i])) << (8 * i);
    return word;
}

// hash_bytes of a key whose head is known.
inline uint32_t key_hash(const char *key, std::size_t length, uint64_t head)
{
    return length <= 8 ? detail::short_key_hash(head) : hash_bytes(key, length);
}

// Keys are short: a plain loop beats a call.
inline bool same_bytes(const char *a, const char *b, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

} // namespace

// Every item starts at the start of the text or after a "|"; its key as
// the plain scan matches it is what stands before the item's first "=".
// The first item of each key is remembered, as the scan finds the first,
// with the length of its value as reading the item gives it: what follows
// "key=" up to the next "|" or "=", within the first kItemChars characters
// of the item, without its trailing blanks.
struct IndexedFinder::Probe {
    const char *key;
    std::size_t length;
    uint64_t head;
    uint32_t hash;
};

IndexedFinder::IndexedFinder(const char *text) : ItemFinder(text)
{
    if (!text)
        return;
    const std::size_t length = std::strlen(text);
#if SIZE_MAX > UINT32_MAX
    // Items are placed by 32-bit offsets: a longer text (4 GiB) gets no
    // index, and every key is then looked up by the scan.
    if (length > UINT32_MAX)
        return;
#endif
    end_ = text + length;
    const detail::SeparatorMasks separators(text, length);
    // Every item but the last ends at a "|".
    const std::size_t most_items = separators.bars + 1;
    std::size_t slots = 16;
    while (slots < most_items * 2)
        slots *= 2;
    table_.reset(new uint32_t[slots]()); // zeroed: all slots empty
    mask_ = slots - 1;
    items_.reset(new Item[most_items]);
    item_count_ = index_items(separators, most_items);
}

std::size_t IndexedFinder::index_items(const detail::SeparatorMasks &masks, std::size_t most_items)
{
    const char *text = this->text(), *end = end_;
    const std::size_t text_length = static_cast<std::size_t>(end - text);
    Item *items = items_.get();
    uint32_t *table = table_.get();
    const std::size_t mask = mask_;
    detail::SeparatorWalk separators(masks, text_length);
    std::size_t count = 0;
    for (std::size_t start = 0;;) {
        std::size_t at = separators.next();
        if (text[at] == '=') {
            const std::size_t key_length = at - start;
            const std::size_t value_start = at + 1;
            at = separators.next();
            std::size_t value_stop = at;
            // Rare: a value cut at the item's limit, or trailing blanks.
            if (value_stop - start > static_cast<std::size_t>(kItemChars) || text[value_stop - 1] == ' ') {
                value_stop = std::min(value_stop, start + kItemChars);
                while (value_stop > value_start && text[value_stop - 1] == ' ')
                    --value_stop;
            }
            if (key_length - 1 < static_cast<std::size_t>(kSearchKeyChars) && count < most_items) {
                const char *key = text + start;
                const uint64_t head = key_head_in_text(key, key_length, end);
                bool first = true;
                for (std::size_t i = key_hash(key, key_length, head) & mask;; i = (i + 1) & mask) {
                    const uint32_t slot = table[i];
                    if (slot == 0) {
                        table[i] = static_cast<uint32_t>(count + 1);
                        break;
                    }
                    const Item &held = items[slot - 1];
                    if (held.head == head && held.length == key_length &&
                        (key_length <= 8 || same_bytes(text + held.key + 8, key + 8, key_length - 8))) {
                        first = false; // an earlier item has this key
                        break;
                    }
                }
                const std::size_t value_length = value_stop > value_start ? value_stop - value_start : 0;
                items[count++] = Item{head, value_word(text + value_start, value_length, end), static_cast<uint32_t>(start),
                                      static_cast<uint16_t>(value_length), static_cast<uint8_t>(key_length), first};
            }
            while (text[at] == '=')
                at = separators.next();
        }
        if (at >= text_length)
            return count;
        start = at + 1;
    }
}

uint64_t IndexedFinder::value_word(const char *value, std::size_t length, const char *end)
{
    if (length > 8)
        return 0;
    uint64_t word = 0;
    if (end - value >= 7) { // 8 bytes up to and with the NUL
        std::memcpy(&word, value, sizeof word);
        return detail::low_bytes(word, length);
    }
    std::memcpy(&word, value, length);
    return word;
}

const IndexedFinder::Item *IndexedFinder::locate(const Probe &probe) const
{
    if (!table_)
        return nullptr;
    for (std::size_t i = probe.hash & mask_;; i = (i + 1) & mask_) {
        const uint32_t slot = table_[i];
        if (slot == 0)
            return nullptr;
        const Item &held = items_[slot - 1];
        if (held.head == probe.head && held.length == probe.length &&
            (probe.length <= 8 || same_bytes(key_of(held) + 8, probe.key + 8, probe.length - 8)))
            return &held;
    }
}

const char *IndexedFinder::item_with_key(const char *key) const
{
    if (!table_ || !key)
        return varbuf_item_with_key(text(), key);
    const KeyFacts facts = key_facts(key);
    if (!indexable(facts))
        return varbuf_item_with_key(text(), key);
    const Item *item = locate(Probe{key, facts.length, facts.head, facts.hash});
    return item ? key_of(*item) : nullptr;
}

const IndexedFinder::Item *IndexedFinder::plain_item(const FindKey &key, bool *plain_key) const
{
    *plain_key = false;
    if (!table_ || !key.text())
        return nullptr;
    if (key.plain_short()) {
        *plain_key = true;
        if (const Item *item = next_in_order(key)) {
            ++next_item_;
            return item;
        }
        const Item *item = locate(Probe{key.text(), key.length(), key.head(), key.hash()});
        if (item)
            next_item_ = static_cast<std::size_t>(item - items_.get()) + 1;
        return item;
    }
    const KeyFacts facts = key_facts(key.text());
    if (!plain(facts, key.text()))
        return nullptr;
    *plain_key = true;
    return locate(Probe{key.text(), facts.length, facts.head, facts.hash});
}

int IndexedFinder::sz(const FindKey &key, char *out, int out_size) const
{
    bool plain_key;
    const Item *slot = plain_item(key, &plain_key);
    if (!plain_key)
        return ItemFinder::sz(key, out, out_size);
    if (out && out_size > 0)
        out[0] = 0;
    if (!slot)
        return kNotFound;
    const std::size_t value_length = slot->value_length;
    if (value_length == 0)
        return kMalformed;
    if (!out || out_size < 1 || value_length > static_cast<std::size_t>(out_size) - 1)
        return kTooLong;
    std::memcpy(out, key_of(*slot) + slot->length + 1, value_length);
    out[value_length] = 0;
    return kFound;
}

} // namespace kavo
