// Fields of bytes that may be hostile (image files, clipboard blocks from
// other programs), read through one bounded view, and the sizes computed
// from them through checked helpers.  A field that does not lie wholly
// inside the view reads as 0 and marks the view spoiled, so a reader can take
// a whole header and check once; a size whose product or sum would pass 64
// bits is refused instead of wrapping round to a small number.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kavo {

class ByteView {
public:
    constexpr ByteView(const uint8_t *data, std::size_t size) : data_(data), size_(data ? size : 0) {}

    constexpr std::size_t size() const { return size_; }
    // Whether `count` bytes at `offset` lie inside the view.
    constexpr bool holds(std::size_t offset, std::size_t count) const
    {
        return offset <= size_ && count <= size_ - offset;
    }
    // False once any field was read from outside the view.
    constexpr bool intact() const { return intact_; }

    // Little-endian fields at a byte offset.
    uint8_t u8(std::size_t offset) { return holds(offset, 1) ? data_[offset] : spoil(); }
    uint16_t u16(std::size_t offset)
    {
        if (!holds(offset, 2))
            return spoil();
        return static_cast<uint16_t>(data_[offset] | data_[offset + 1] << 8);
    }
    uint32_t u32(std::size_t offset)
    {
        if (!holds(offset, 4))
            return spoil();
        return u16(offset) | static_cast<uint32_t>(u16(offset + 2)) << 16;
    }
    int16_t i16(std::size_t offset) { return static_cast<int16_t>(u16(offset)); }
    int32_t i32(std::size_t offset) { return static_cast<int32_t>(u32(offset)); }

private:
    uint8_t spoil()
    {
        intact_ = false;
        return 0;
    }

    const uint8_t *data_;
    std::size_t size_;
    bool intact_ = true;
};

// a * b into *product; false (and *product untouched) when it passes 64 bits.
inline bool checked_mul(uint64_t a, uint64_t b, uint64_t *product)
{
    uint64_t r;
    if (__builtin_mul_overflow(a, b, &r))
        return false;
    *product = r;
    return true;
}

// a + b into *sum; false (and *sum untouched) when it passes 64 bits.
inline bool checked_add(uint64_t a, uint64_t b, uint64_t *sum)
{
    uint64_t r;
    if (__builtin_add_overflow(a, b, &r))
        return false;
    *sum = r;
    return true;
}

// Whether `count` items of `each` bytes fit into `room` bytes, without
// wrapping on the way.
inline bool items_fit(uint64_t count, uint64_t each, uint64_t room)
{
    uint64_t bytes;
    return checked_mul(count, each, &bytes) && bytes <= room;
}

} // namespace kavo
