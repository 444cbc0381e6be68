// Builders of small image files for the reader tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace kavo_test {

using Bytes = std::vector<uint8_t>;

inline void append16(Bytes &b, unsigned v)
{
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

inline void append32(Bytes &b, uint32_t v)
{
    append16(b, v & 0xFFFF);
    append16(b, v >> 16);
}

struct GifPlan {
    unsigned width = 3, height = 1;
    uint8_t screen_flags = 0x81; // global table of 4 colours
    uint8_t image_flags = 0;
    char separator = ',';
    Bytes data; // minimum code size byte and sub-blocks
};

// Signature, screen descriptor, global colour table (entry i = i, 2i, 3i),
// image descriptor, then the image data as given.
inline Bytes gif_file(const GifPlan &s)
{
    Bytes b = {'G', 'I', 'F', '8', '9', 'a'};
    append16(b, s.width);
    append16(b, s.height);
    b.push_back(s.screen_flags);
    b.push_back(0);
    b.push_back(0);
    const unsigned colours = 2u << (s.screen_flags & 7);
    for (unsigned i = 0; i < colours; ++i) {
        b.push_back(static_cast<uint8_t>(i));
        b.push_back(static_cast<uint8_t>(2 * i));
        b.push_back(static_cast<uint8_t>(3 * i));
    }
    b.push_back(static_cast<uint8_t>(s.separator));
    append16(b, 0);
    append16(b, 0);
    append16(b, s.width);
    append16(b, s.height);
    b.push_back(s.image_flags);
    b.insert(b.end(), s.data.begin(), s.data.end());
    return b;
}

// Packs codes least significant bit first with the widths given and wraps
// them in sub-blocks of at most 255 bytes, with the terminator.
inline Bytes lzw_data(int min_code_size, std::initializer_list<std::pair<int, int>> codes_and_widths)
{
    Bytes packed;
    uint32_t acc = 0;
    int held = 0;
    for (auto [code, width] : codes_and_widths) {
        acc |= static_cast<uint32_t>(code) << held;
        held += width;
        while (held >= 8) {
            packed.push_back(static_cast<uint8_t>(acc));
            acc >>= 8;
            held -= 8;
        }
    }
    if (held)
        packed.push_back(static_cast<uint8_t>(acc));
    Bytes out = {static_cast<uint8_t>(min_code_size)};
    for (std::size_t i = 0; i < packed.size(); i += 255) {
        const std::size_t n = packed.size() - i < 255 ? packed.size() - i : 255;
        out.push_back(static_cast<uint8_t>(n));
        out.insert(out.end(), packed.begin() + static_cast<long>(i), packed.begin() + static_cast<long>(i + n));
    }
    out.push_back(0);
    return out;
}

// The 22-byte header of a placeable metafile with the given frame (in
// metafile units, 1440 to the inch) and key.
inline Bytes placeable_header(int left, int top, int right, int bottom, uint32_t key = 0x9AC6CDD7)
{
    Bytes b;
    append32(b, key);
    append16(b, 0);
    for (int v : {left, top, right, bottom})
        append16(b, static_cast<uint16_t>(v));
    append16(b, 1440);
    append32(b, 0);
    append16(b, 0);
    return b;
}

} // namespace kavo_test
