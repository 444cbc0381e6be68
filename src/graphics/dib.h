// Packed device-independent bitmaps: the header kinds, the colour table and
// where the pixel rows begin, and whether a block really holds everything
// that its header announces before it goes to the platform.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kavo {

inline constexpr uint32_t kCoreHeaderSize = 12;
inline constexpr uint32_t kInfoHeaderMin = 16;

struct DibHeaderInfo {
    uint32_t header_size = 0;
    uint64_t colour_count = 0; // entries of the colour table
    uint16_t bit_count = 0;
    bool core = false;     // 12-byte header, 3-byte colour entries
    uint16_t width = 0;    // low 16 bits, as the module reports sizes
    uint16_t height = 0;
};

// Reads the header of a block of `size` bytes.  False when the block does
// not hold the fields that are read, or the header size is neither 12 nor
// 16 or more.
bool dib_header_info(const uint8_t *dib, std::size_t size, DibHeaderInfo *info);

// Offset of the pixel rows: header, then the colour table.
uint64_t dib_bits_offset(const DibHeaderInfo &info);

// Bytes of one row: width × bit count rounded up to whole 32-bit units.
uint64_t dib_row_size(uint64_t width, uint32_t bit_count);

// True when the platform may read the bitmap: a header kind the platform
// knows, a sensible bit count, and the header, colour table and pixel rows
// (as the platform will count them, from the full 32-bit sizes) all within
// the block.
bool dib_fits(const uint8_t *dib, std::size_t size);

} // namespace kavo
