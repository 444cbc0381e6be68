#include "graphics/dib.h"


namespace kavo {
namespace {

uint16_t get16(const uint8_t *p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

uint32_t get32(const uint8_t *p) { return get16(p) | static_cast<uint32_t>(get16(p + 2)) << 16; }

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
    if (!dib || size < 4)
        return false;
    const uint32_t header_size = get32(dib);
    if (header_size != kCoreHeaderSize && header_size < kInfoHeaderMin)
        return false;
    info->header_size = header_size;
    info->core = header_size == kCoreHeaderSize;
    if (info->core) {
        if (size < kCoreHeaderSize)
            return false;
        info->width = get16(dib + 4);
        info->height = get16(dib + 6);
        info->bit_count = get16(dib + 10);
    } else {
        if (size < kInfoHeaderMin)
            return false;
        info->width = get16(dib + 4);
        info->height = get16(dib + 8);
        info->bit_count = get16(dib + 14);
    }
    const uint64_t full_table = info->bit_count < 32 ? uint64_t{1} << info->bit_count : 0;
    if (!info->core && header_size >= 36) {
        if (size < 36)
            return false;
        const uint32_t used = get32(dib + 32);
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
        return dib_row_size(info.width, info.bit_count) * info.height <= room;

    // The platform takes the full 32-bit sizes; a negative height is a
    // top-down bitmap of as many rows.
    const auto width = static_cast<int32_t>(get32(dib + 4));
    const auto height = static_cast<int32_t>(get32(dib + 8));
    const uint32_t compression = get32(dib + 16);
    const uint32_t image_size = get32(dib + 20);
    const uint64_t rows = dib_row_size(magnitude(width), info.bit_count) * magnitude(height);
    switch (compression) {
    case kRgb:
        return rows <= room;
    case kBitfields: // three colour masks after a 40-byte header
        return (info.bit_count == 16 || info.bit_count == 32) &&
               rows + (info.header_size == 40 ? 12u : 0u) <= room;
    case kRle8:
    case kRle4:
        return height > 0 && image_size > 0 && image_size <= room;
    default:
        return false;
    }
}

} // namespace kavo
