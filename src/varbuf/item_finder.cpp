#include "varbuf/item_finder.h"

#include <algorithm>
#include <cstring>

namespace kavo {
namespace {

constexpr uint32_t kHashSeed = 2166136261u; // FNV-1a
constexpr uint32_t kHashPrime = 16777619u;

inline uint32_t hash_step(uint32_t hash, char c) { return (hash ^ static_cast<unsigned char>(c)) * kHashPrime; }

// What a lookup needs to know of its key, found in one pass over it.
struct KeyFacts {
    std::size_t length = 0;
    uint32_t hash = kHashSeed;
    bool separators = false; // "=" or "|"
    bool nordic = false;     // a Latin-1 letter that upper-casing maps beyond ASCII
};

KeyFacts key_facts(const char *key)
{
    KeyFacts facts;
    for (; key[facts.length]; ++facts.length) {
        const char c = key[facts.length];
        const unsigned char u = static_cast<unsigned char>(c);
        facts.separators |= c == '=' || c == '|';
        facts.nordic |= u == 228 || u == 246 || u == 229;
        facts.hash = hash_step(facts.hash, c);
    }
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
IndexedFinder::IndexedFinder(const char *text) : ItemFinder(text)
{
    if (!text)
        return;
    const std::size_t text_length = std::strlen(text);
    const std::size_t items = 1 + static_cast<std::size_t>(std::count(text, text + text_length, '|'));
    std::size_t capacity = 16;
    while (capacity < items * 2)
        capacity *= 2;
    slots_.reset(new Slot[capacity]()); // zeroed: all slots empty
    mask_ = capacity - 1;

    for (const char *p = text;;) {
        const char *item = p;
        uint32_t hash = kHashSeed;
        while (*p && *p != '=' && *p != '|')
            hash = hash_step(hash, *p++);
        if (*p == '=') {
            const std::size_t length = static_cast<std::size_t>(p - item);
            const char *value = ++p;
            while (*p && *p != '|' && *p != '=')
                ++p;
            const char *end = std::min(p, item + kItemChars);
            while (end > value && end[-1] == ' ')
                --end;
            if (length > 0 && length <= static_cast<std::size_t>(kSearchKeyChars))
                insert_first(Slot{item, hash, static_cast<uint16_t>(length),
                                  static_cast<uint16_t>(end > value ? end - value : 0)});
            while (*p && *p != '|')
                ++p;
        }
        if (!*p)
            break;
        ++p; // past the "|"
    }
}

void IndexedFinder::insert_first(const Slot &item)
{
    for (std::size_t i = item.hash & mask_;; i = (i + 1) & mask_) {
        Slot &slot = slots_[i];
        if (!slot.key) {
            slot = item;
            return;
        }
        if (slot.hash == item.hash && slot.length == item.length && same_bytes(slot.key, item.key, item.length))
            return; // an earlier item has this key
    }
}

const IndexedFinder::Slot *IndexedFinder::locate(const char *key, std::size_t length, uint32_t hash) const
{
    if (!slots_)
        return nullptr;
    for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
        const Slot &slot = slots_[i];
        if (!slot.key)
            return nullptr;
        if (slot.hash == hash && slot.length == length && same_bytes(slot.key, key, length))
            return &slot;
    }
}

const char *IndexedFinder::item_with_key(const char *key) const
{
    if (!text() || !key)
        return nullptr;
    const KeyFacts facts = key_facts(key);
    if (!indexable(facts))
        return varbuf_item_with_key(text(), key);
    const Slot *slot = locate(key, facts.length, facts.hash);
    return slot ? slot->key : nullptr;
}

int IndexedFinder::find_sz(const char *key, char *out, int out_size) const
{
    if (!text() || !key)
        return ItemFinder::find_sz(key, out, out_size);
    const KeyFacts facts = key_facts(key);
    if (!plain(facts, key))
        return ItemFinder::find_sz(key, out, out_size);
    if (out && out_size > 0)
        out[0] = 0;
    const Slot *slot = locate(key, facts.length, facts.hash);
    if (!slot)
        return kNotFound;
    const std::size_t value_length = slot->value_length;
    if (value_length == 0)
        return kMalformed;
    if (!out || out_size < 1 || value_length > static_cast<std::size_t>(out_size) - 1)
        return kTooLong;
    std::memcpy(out, slot->key + facts.length + 1, value_length);
    out[value_length] = 0;
    return kFound;
}

} // namespace kavo
