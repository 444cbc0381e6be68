#include "graphics/dib.h"

#include "util/byte_reader.h"

namespace kavo {
namespace {

uint64_t magnitude(int32_t v) { return v < 0 ? uint64_t{0} - static_cast<int64_t>(v) : static_cast<uint64_t>(v); }

bool known_bit_count(uint16_t bits, bool core)
{
    switch (bits) {
    case 1:
    case 4:
    case 8:
    case 24:
        return true;
    case 16:
    case 32:
        return !core;
    default:
        return false;
    }
}

// Compressions the platform draws from a packed block.
constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3;

} // namespace

bool dib_header_info(const uint8_t *dib, std::size_t size, DibHeaderInfo *info)
{
    *info = DibHeaderInfo{};
    ByteView block(dib, size);
    if (!block.holds(0, 4))
        return false;
    const uint32_t header_size = block.u32(0);
    if (header_size != kCoreHeaderSize && header_size < kInfoHeaderMin)
        return false;
    info->header_size = header_size;
    info->core = header_size == kCoreHeaderSize;
    if (info->core) {
        if (size < kCoreHeaderSize)
            return false;
        info->width = block.u16(4);
        info->height = block.u16(6);
        info->bit_count = block.u16(10);
    } else {
        if (size < kInfoHeaderMin)
            return false;
        info->width = block.u16(4);
        info->height = block.u16(8);
        info->bit_count = block.u16(14);
    }
    const uint64_t full_table = info->bit_count < 32 ? uint64_t{1} << info->bit_count : 0;
    if (!info->core && header_size >= 36) {
        if (size < 36)
            return false;
        const uint32_t used = block.u32(32);
        info->colour_count = used == 0 && info->bit_count <= 8 ? full_table : used;
    } else {
        info->colour_count = info->bit_count == 24 ? 0 : full_table;
    }
    return true;
}

uint64_t dib_bits_offset(const DibHeaderInfo &info)
{
    return info.header_size + info.colour_count * (info.core ? 3u : 4u);
}

uint64_t dib_row_size(uint64_t width, uint32_t bit_count) { return (width * bit_count + 31) / 32 * 4; }

bool dib_fits(const uint8_t *dib, std::size_t size)
{
    DibHeaderInfo info;
    if (!dib_header_info(dib, size, &info) || !known_bit_count(info.bit_count, info.core))
        return false;
    if (!info.core && info.header_size < 40)
        return false; // the platform reads a 40-byte header at least
    if (info.colour_count > 256 && info.bit_count <= 8)
        return false;
    const uint64_t offset = dib_bits_offset(info);
    if (offset > size)
        return false;
    const uint64_t room = size - offset;
    if (info.core)
        return items_fit(info.height, dib_row_size(info.width, info.bit_count), room);

    // The platform takes the full 32-bit sizes; a negative height is a
    // top-down bitmap of as many rows.
    ByteView block(dib, size);
    const int32_t width = block.i32(4);
    const int32_t height = block.i32(8);
    const uint32_t compression = block.u32(16);
    const uint32_t image_size = block.u32(20);
    // Up to 2^33 bytes a row times 2^31 rows: the product may pass 64 bits.
    uint64_t rows = 0;
    if (!checked_mul(dib_row_size(magnitude(width), info.bit_count), magnitude(height), &rows))
        return false;
    switch (compression) {
    case kRgb:
        return rows <= room;
    case kBitfields: { // three colour masks after a 40-byte header
        uint64_t needed = 0;
        return (info.bit_count == 16 || info.bit_count == 32) &&
               checked_add(rows, info.header_size == 40 ? 12u : 0u, &needed) && needed <= room;
    }
    case kRle8:
    case kRle4:
        return height > 0 && image_size > 0 && image_size <= room;
    default:
        return false;
    }
}

} // namespace kavo
