#include "varbuf/item_finder.h"

#include <algorithm>
#include <cstring>

namespace kavo {
namespace {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the index reads 8-byte words as little-endian");

// Keys hash by 8-byte little-endian chunks, so that the index can hash the
// short keys of a text straight from one load.
constexpr uint64_t kHashSeed = 0x9E3779B97F4A7C15u;
constexpr uint64_t kHashPrime = 0xFF51AFD7ED558CCDu;

inline uint64_t hash_chunk(uint64_t hash, uint64_t chunk)
{
    hash = (hash ^ chunk) * kHashPrime;
    return hash ^ (hash >> 29);
}

inline uint32_t hash_finish(uint64_t hash) { return static_cast<uint32_t>(hash ^ (hash >> 32)); }

// The length goes in last, so that a key can be hashed while it is read.
inline uint32_t hash_end(uint64_t hash, std::size_t length) { return hash_finish(hash_chunk(hash, length)); }

uint32_t hash_bytes(const char *key, std::size_t length)
{
    uint64_t hash = kHashSeed;
    for (std::size_t at = 0; at < length; at += 8) {
        uint64_t chunk = 0;
        for (std::size_t i = 0; i < 8 && at + i < length; ++i)
            chunk |= static_cast<uint64_t>(static_cast<unsigned char>(key[at + i])) << (8 * i);
        hash = hash_chunk(hash, chunk);
    }
    return hash_end(hash, length);
}

constexpr uint64_t kOnes = 0x0101010101010101u, kLow7 = 0x7F7F7F7F7F7F7F7Fu;

// High bit set in each byte of x that is zero, exactly (no false hits from
// borrows, unlike the shorter formula).
inline uint64_t zero_bytes(uint64_t x) { return ~(((x & kLow7) + kLow7) | x | kLow7); }

// Whether a word holds the byte c; c is not 0, so zero padding never counts.
inline bool has_byte(uint64_t word, unsigned char c) { return zero_bytes(word ^ (kOnes * c)) != 0; }

// What a lookup needs to know of its key, found in one pass over it.
struct KeyFacts {
    std::size_t length = 0;
    uint64_t head = 0; // the first bytes, up to 8, as the index keeps them
    uint32_t hash = 0;
    bool separators = false; // "=" or "|"
    bool nordic = false;     // a Latin-1 letter that upper-casing maps beyond ASCII
};

// Keys are mostly a few letters and digits: those of up to 8 bytes are
// gathered into one word and judged by word operations.
KeyFacts key_facts(const char *key)
{
    KeyFacts facts;
    std::size_t n = 0;
    for (; n < 8 && key[n]; ++n)
        facts.head |= static_cast<uint64_t>(static_cast<unsigned char>(key[n])) << (8 * n);
    if (n < 8 || !key[8]) {
        facts.length = n;
        facts.separators = has_byte(facts.head, '=') || has_byte(facts.head, '|');
        // Those letters lie above 127: plain ASCII keys skip the search.
        facts.nordic = (facts.head & (kOnes << 7)) != 0 &&
                       (has_byte(facts.head, 228) || has_byte(facts.head, 246) || has_byte(facts.head, 229));
        facts.hash = hash_end(hash_chunk(kHashSeed, facts.head), n);
        return facts;
    }
    uint64_t hash = kHashSeed, chunk = 0;
    for (n = 0; key[n]; ++n) {
        const unsigned char u = static_cast<unsigned char>(key[n]);
        facts.separators |= u == '=' || u == '|';
        facts.nordic |= u == 228 || u == 246 || u == 229;
        chunk |= static_cast<uint64_t>(u) << (8 * (n % 8));
        if (n % 8 == 7) {
            hash = hash_chunk(hash, chunk);
            chunk = 0;
        }
    }
    if (n % 8 != 0)
        hash = hash_chunk(hash, chunk);
    facts.length = n;
    facts.hash = hash_end(hash, n);
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

// The first "|" or "=" from p on, or end (the text's NUL): eight bytes at a
// time while they lie inside the text.
const char *value_end(const char *p, const char *end)
{
    constexpr uint64_t kBars = kOnes * '|', kEquals = kOnes * '=';
    while (end - p >= 8) {
        uint64_t word;
        std::memcpy(&word, p, sizeof word);
        const uint64_t found = zero_bytes(word ^ kBars) | zero_bytes(word ^ kEquals);
        if (found != 0)
            return p + __builtin_ctzll(found) / 8; // little-endian: the first byte found
        p += 8;
    }
    while (p < end && *p != '|' && *p != '=')
        ++p;
    return p;
}

// The first "|" or "=" of an item, as value_end finds it.
inline const char *key_end(const char *p, const char *end) { return value_end(p, end); }

// The number of "|" in a text, eight bytes at a time.
std::size_t count_bars(const char *p, const char *end)
{
    std::size_t count = 0;
    for (; end - p >= 8; p += 8) {
        uint64_t word;
        std::memcpy(&word, p, sizeof word);
        // One bit per bar at the bottom of its byte; the multiply sums the
        // bytes into the top one (at most 8: no carry), cheaper than a
        // population count where the target lacks the instruction.
        count += static_cast<std::size_t>(((zero_bytes(word ^ (kOnes * '|')) >> 7) * kOnes) >> 56);
    }
    for (; p < end; ++p)
        count += *p == '|';
    return count;
}

// The first bytes (up to 8) of a key inside the text, as key_facts gathers
// them: one load when 8 bytes of text follow the key's start.
inline uint64_t key_head_in_text(const char *key, std::size_t length, const char *end)
{
    const std::size_t n = length < 8 ? length : 8;
    uint64_t word = 0;
    if (end - key >= 8) {
        std::memcpy(&word, key, sizeof word);
        if (n < 8)
            word &= (uint64_t{1} << (8 * n)) - 1; // little-endian: the first bytes
        return word;
    }
    for (std::size_t i = 0; i < n; ++i)
        word |= static_cast<uint64_t>(static_cast<unsigned char>(key[i])) << (8 * i);
    return word;
}

// hash_bytes of a key whose head is known.
inline uint32_t key_hash(const char *key, std::size_t length, uint64_t head)
{
    return length <= 8 ? hash_end(hash_chunk(kHashSeed, head), length) : hash_bytes(key, length);
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

int ItemFinder::find_flo(const char *key, float *out) const
{
    if (!out)
        return kMalformed;
    char text[kNumberArea];
    return varbuf_flo_from(find_sz(key, text, kNumberArea), text, out);
}

int ItemFinder::find_sho(const char *key, int16_t *out) const
{
    if (!out)
        return kMalformed;
    char text[kNumberArea];
    return varbuf_sho_from(find_sz(key, text, kNumberArea), text, out);
}

int ItemFinder::find_date(const char *key, varbuf_date *out) const
{
    char text[kDateArea];
    return varbuf_date_from(find_sz(key, text, kDateArea), text, out);
}

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
    const std::size_t text_length = std::strlen(text);
    const std::size_t items = 1 + count_bars(text, text + text_length);
    std::size_t capacity = 16;
    while (capacity < items * 2)
        capacity *= 2;
    table_.reset(new uint32_t[capacity]()); // zeroed: all slots empty
    items_.reset(new Item[items]);          // filled as items are met
    mask_ = capacity - 1;

    const char *end = text + text_length;
    for (const char *p = text;;) {
        const char *item = p;
        p = key_end(item, end);
        if (*p == '=') {
            const std::size_t length = static_cast<std::size_t>(p - item);
            const char *value = ++p;
            p = value_end(p, end);
            const char *value_stop = std::min(p, item + kItemChars);
            while (value_stop > value && value_stop[-1] == ' ')
                --value_stop;
            if (length > 0 && length <= static_cast<std::size_t>(kSearchKeyChars)) {
                const uint64_t head = key_head_in_text(item, length, end);
                insert_first(Item{item, head, key_hash(item, length, head), static_cast<uint16_t>(length),
                                  static_cast<uint16_t>(value_stop > value ? value_stop - value : 0)});
            }
            while (*p && *p != '|')
                ++p;
        }
        if (!*p)
            break;
        ++p; // past the "|"
    }
}

void IndexedFinder::insert_first(const Item &item)
{
    for (std::size_t i = item.hash & mask_;; i = (i + 1) & mask_) {
        uint32_t &slot = table_[i];
        if (slot == 0) {
            items_[item_count_] = item;
            slot = ++item_count_;
            return;
        }
        const Item &held = items_[slot - 1];
        if (held.head == item.head && held.length == item.length &&
            (item.length <= 8 || same_bytes(held.key + 8, item.key + 8, item.length - 8u)))
            return; // an earlier item has this key
    }
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
            (probe.length <= 8 || same_bytes(held.key + 8, probe.key + 8, probe.length - 8)))
            return &held;
    }
}

const char *IndexedFinder::item_with_key(const char *key) const
{
    if (!text() || !key)
        return nullptr;
    const KeyFacts facts = key_facts(key);
    if (!indexable(facts))
        return varbuf_item_with_key(text(), key);
    const Item *item = locate(Probe{key, facts.length, facts.head, facts.hash});
    return item ? item->key : nullptr;
}

const IndexedFinder::Item *IndexedFinder::plain_item(const char *key, bool *plain_key) const
{
    *plain_key = false;
    if (!text() || !key)
        return nullptr;
    const KeyFacts facts = key_facts(key);
    if (!plain(facts, key))
        return nullptr;
    *plain_key = true;
    return locate(Probe{key, facts.length, facts.head, facts.hash});
}

int IndexedFinder::find_sz(const char *key, char *out, int out_size) const
{
    bool plain_key;
    const Item *slot = plain_item(key, &plain_key);
    if (!plain_key)
        return ItemFinder::find_sz(key, out, out_size);
    if (out && out_size > 0)
        out[0] = 0;
    if (!slot)
        return kNotFound;
    const std::size_t value_length = slot->value_length;
    if (value_length == 0)
        return kMalformed;
    if (!out || out_size < 1 || value_length > static_cast<std::size_t>(out_size) - 1)
        return kTooLong;
    std::memcpy(out, slot->key + slot->length + 1, value_length);
    out[value_length] = 0;
    return kFound;
}

int IndexedFinder::number_value(const Item *slot, const char **value)
{
    if (!slot)
        return kNotFound;
    if (slot->value_length == 0)
        return kMalformed;
    if (slot->value_length > static_cast<std::size_t>(kNumberArea) - 1)
        return kTooLong;
    *value = slot->key + slot->length + 1;
    return kFound;
}

int IndexedFinder::find_flo(const char *key, float *out) const
{
    bool plain_key;
    const Item *slot = plain_item(key, &plain_key);
    if (!plain_key || !out)
        return ItemFinder::find_flo(key, out);
    *out = 0;
    const char *value = nullptr;
    const int result = number_value(slot, &value);
    if (result != kFound)
        return result;
    if (varbuf_scan_short_decimal(value, out))
        return kFound;
    char copy[kNumberArea];
    std::memcpy(copy, value, slot->value_length);
    copy[slot->value_length] = 0;
    return varbuf_flo_from(kFound, copy, out);
}

int IndexedFinder::find_sho(const char *key, int16_t *out) const
{
    bool plain_key;
    const Item *slot = plain_item(key, &plain_key);
    if (!plain_key || !out)
        return ItemFinder::find_sho(key, out);
    *out = 0;
    const char *value = nullptr;
    const int result = number_value(slot, &value);
    return result == kFound ? varbuf_sho_from(kFound, value, out) : result;
}

} // namespace kavo
