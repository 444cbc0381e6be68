#include "graphics/wmf_format.h"

#include "util/byte_reader.h"

namespace kavo {
namespace {

constexpr std::size_t kStandardHeaderSize = 18; // 9 words
constexpr std::size_t kRecordHeaderSize = 6;    // size in words, function
constexpr uint16_t kEndOfFile = 0;

} // namespace

bool wmf_placeable_header(const uint8_t *header, std::size_t size, float *aspect)
{
    ByteView view(header, size);
    if (!view.holds(0, kPlaceableHeaderSize) || view.u32(0) != kPlaceableKey)
        return false;
    const int width = view.i16(10) - view.i16(6);
    const int height = view.i16(12) - view.i16(8);
    const int w = width < 0 ? -width : width;
    const int h = height < 0 ? -height : height;
    *aspect = w == 0 ? 1.0f : static_cast<float>(h) / static_cast<float>(w);
    return true;
}

bool wmf_bits_hold_together(const uint8_t *bits, std::size_t size)
{
    ByteView view(bits, size);
    if (!view.holds(0, kStandardHeaderSize))
        return false;
    const uint16_t type = view.u16(0), header_words = view.u16(2);
    const uint64_t total = uint64_t{view.u32(6)} * 2;
    if ((type != 1 && type != 2) || header_words != 9 || total > size || total < kStandardHeaderSize)
        return false;
    uint64_t at = kStandardHeaderSize;
    while (at + kRecordHeaderSize <= total) {
        const uint64_t record = uint64_t{view.u32(static_cast<std::size_t>(at))} * 2;
        if (record < kRecordHeaderSize || at + record > total)
            return false;
        if (view.u16(static_cast<std::size_t>(at) + 4) == kEndOfFile)
            return true;
        at += record;
    }
    return false;
}

} // namespace kavo
