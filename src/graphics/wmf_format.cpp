#include "graphics/wmf_format.h"

namespace kavo {
namespace {

uint16_t get16(const uint8_t *p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t get32(const uint8_t *p) { return get16(p) | static_cast<uint32_t>(get16(p + 2)) << 16; }
int16_t geti16(const uint8_t *p) { return static_cast<int16_t>(get16(p)); }

constexpr std::size_t kStandardHeaderSize = 18; // 9 words
constexpr std::size_t kRecordHeaderSize = 6;    // size in words, function
constexpr uint16_t kEndOfFile = 0;

} // namespace

bool wmf_placeable_header(const uint8_t *header, std::size_t size, float *aspect)
{
    if (!header || size < kPlaceableHeaderSize || get32(header) != kPlaceableKey)
        return false;
    const int width = geti16(header + 10) - geti16(header + 6);
    const int height = geti16(header + 12) - geti16(header + 8);
    const int w = width < 0 ? -width : width;
    const int h = height < 0 ? -height : height;
    *aspect = w == 0 ? 1.0f : static_cast<float>(h) / static_cast<float>(w);
    return true;
}

bool wmf_bits_hold_together(const uint8_t *bits, std::size_t size)
{
    if (!bits || size < kStandardHeaderSize)
        return false;
    const uint16_t type = get16(bits), header_words = get16(bits + 2);
    const uint64_t total = uint64_t{get32(bits + 6)} * 2;
    if ((type != 1 && type != 2) || header_words != 9 || total > size || total < kStandardHeaderSize)
        return false;
    uint64_t at = kStandardHeaderSize;
    while (at + kRecordHeaderSize <= total) {
        const uint64_t record = uint64_t{get32(bits + at)} * 2;
        if (record < kRecordHeaderSize || at + record > total)
            return false;
        if (get16(bits + at + 4) == kEndOfFile)
            return true;
        at += record;
    }
    return false;
}

} // namespace kavo
