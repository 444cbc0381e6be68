// What the parts of the item finder share: the separator masks that the
// scan makes and the index walks, and the next-item test that both the
// index and the number fast path use.  Only the finder's own files
// include this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "varbuf/item_finder.h"

namespace kavo {

namespace detail {

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

inline void *row_field(const NumberColumn &column, int row, std::size_t row_stride)
{
    return static_cast<char *>(column.field) + static_cast<std::size_t>(row) * row_stride;
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

} // namespace kavo
