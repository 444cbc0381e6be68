#include "varbuf/item_finder.h"

#include <algorithm>
#include <cstring>

namespace kavo {
namespace {

uint32_t key_hash(const char *key, std::size_t length)
{
    uint32_t hash = 2166136261u; // FNV-1a
    for (std::size_t i = 0; i < length; ++i) {
        hash ^= static_cast<unsigned char>(key[i]);
        hash *= 16777619u;
    }
    return hash;
}

// Keys the index cannot answer for: the empty key and keys holding "=" or
// "|" would match across item boundaries, so they take the plain scan.
bool indexable(const char *key, std::size_t length)
{
    return length > 0 && length <= static_cast<std::size_t>(kSearchKeyChars) &&
           std::strpbrk(key, "=|") == nullptr;
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
// The first item of each key is remembered, as the scan finds the first.
IndexedFinder::IndexedFinder(const char *text) : ItemFinder(text)
{
    if (!text)
        return;
    const std::size_t text_length = std::strlen(text);
    const std::size_t items = 1 + static_cast<std::size_t>(std::count(text, text + text_length, '|'));
    std::size_t capacity = 16;
    while (capacity < items * 2)
        capacity *= 2;
    slots_.resize(capacity);

    const char *end = text + text_length;
    for (const char *item = text;;) {
        const std::size_t key_length = std::strcspn(item, "=|");
        const char *after_key = item + key_length;
        if (*after_key == '=' && key_length > 0 && key_length <= static_cast<std::size_t>(kSearchKeyChars))
            insert_first(item, key_length);
        const char *separator = static_cast<const char *>(std::memchr(after_key, '|', end - after_key));
        if (!separator)
            break;
        item = separator + 1;
    }
}

void IndexedFinder::insert_first(const char *key, std::size_t length)
{
    const uint32_t hash = key_hash(key, length);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot &slot = slots_[i];
        if (!slot.key) {
            slot = Slot{key, static_cast<uint32_t>(length), hash};
            return;
        }
        if (slot.hash == hash && slot.length == length && std::memcmp(slot.key, key, length) == 0)
            return; // an earlier item has this key
    }
}

const char *IndexedFinder::item_with_key(const char *key) const
{
    if (!text() || !key)
        return nullptr;
    const std::size_t length = std::strlen(key);
    if (!indexable(key, length))
        return varbuf_item_with_key(text(), key);
    const uint32_t hash = key_hash(key, length);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot &slot = slots_[i];
        if (!slot.key)
            return nullptr;
        if (slot.hash == hash && slot.length == length && std::memcmp(slot.key, key, length) == 0)
            return slot.key;
    }
}

} // namespace kavo
