#include "varbuf/item_finder.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kavo {

namespace detail {

BlockMasks separator_masks_portable(const char *block)
{
    BlockMasks masks;
    for (int at = 0; at < 64; at += 8) {
        uint64_t word;
        std::memcpy(&word, block + at, sizeof word);
        const uint64_t bars = zero_bytes(word ^ (kOnes * '|'));
        const uint64_t separators = bars | zero_bytes(word ^ (kOnes * '='));
        // One bit per byte at the bottom of each byte; the multiply gathers
        // byte k's bit into bit 56 + k, with no carries between them.
        constexpr uint64_t kGather = 0x0102040810204080u;
        masks.separators |= ((((separators >> 7) * kGather) >> 56) & 0xFF) << at;
        masks.bars |= ((((bars >> 7) * kGather) >> 56) & 0xFF) << at;
    }
    return masks;
}

BlockMasks separator_masks(const char *block)
{
#if defined(__SSE2__)
    const __m128i bar = _mm_set1_epi8('|'), equals = _mm_set1_epi8('=');
    BlockMasks masks;
    for (int at = 0; at < 64; at += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(block + at));
        const __m128i bars = _mm_cmpeq_epi8(bytes, bar);
        const __m128i separators = _mm_or_si128(bars, _mm_cmpeq_epi8(bytes, equals));
        masks.separators |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(separators))) << at;
        masks.bars |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(bars))) << at;
    }
    return masks;
#else
    return separator_masks_portable(block);
#endif
}

// The number of bits set in a word.
inline std::size_t bit_count(uint64_t x)
{
    x -= (x >> 1) & 0x5555555555555555u;
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<std::size_t>((x * kOnes) >> 56);
}

// Where the separators of a text stand, one mask per 64-byte block, made
// in one tight loop that also counts the bars.
struct SeparatorMasks {
    SeparatorMasks(const char *text, std::size_t length) : blocks(length / 64 + 1), masks(new uint64_t[blocks])
    {
        const std::size_t whole = length / 64;
        for (std::size_t block = 0; block < whole; ++block)
            take(block, separator_masks(text + 64 * block));
        // The last block is copied so that no byte past the NUL is read.
        char last[64] = {};
        std::memcpy(last, text + 64 * whole, length - 64 * whole);
        take(whole, separator_masks(last));
    }
    void take(std::size_t block, const BlockMasks &found)
    {
        masks[block] = found.separators;
        bars += bit_count(found.bars);
    }

    std::size_t blocks;
    std::unique_ptr<uint64_t[]> masks;
    std::size_t bars = 0;
};

// The positions of "|" and "=" in text order; after the last, the text's
// length (where its NUL is).  A walk is meant to live in registers: it is
// made where it is used, never handed around.
class SeparatorWalk {
public:
    SeparatorWalk(const SeparatorMasks &masks, std::size_t length)
        : masks_(masks.masks.get()), blocks_(masks.blocks), length_(length), bits_(masks_[0])
    {
    }

    std::size_t next()
    {
        while (bits_ == 0) {
            if (++block_ >= blocks_)
                return length_;
            bits_ = masks_[block_];
        }
        const std::size_t at = 64 * block_ + static_cast<std::size_t>(__builtin_ctzll(bits_));
        bits_ &= bits_ - 1;
        return at;
    }

private:
    const uint64_t *masks_;
    std::size_t blocks_;
    std::size_t length_;
    std::size_t block_ = 0;
    uint64_t bits_;
};

} // namespace detail

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

namespace {

void *row_field(const NumberColumn &column, int row, std::size_t row_stride)
{
    return static_cast<char *>(column.field) + static_cast<std::size_t>(row) * row_stride;
}

// A short as the primitive reads it: 32-bit wrap-around, then the low 16 bits.
int16_t short_value(const detail::WordNumber &number)
{
    const uint32_t value32 = number.negative ? 0u - number.mantissa : number.mantissa;
    return static_cast<int16_t>(static_cast<uint16_t>(value32));
}

} // namespace

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

// The next item in text order when it is the first of this plain short
// key, the usual case when keys are read in the order they were written.
inline const IndexedFinder::Item *IndexedFinder::next_in_order(uint64_t head, std::size_t length) const
{
    if (next_item_ >= item_count_)
        return nullptr;
    const Item &item = items_[next_item_];
    return item.first && item.head == head && item.length == length ? &item : nullptr;
}

inline const IndexedFinder::Item *IndexedFinder::next_in_order(const FindKey &key) const
{
    return key.plain_short() ? next_in_order(key.head(), key.length()) : nullptr;
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
