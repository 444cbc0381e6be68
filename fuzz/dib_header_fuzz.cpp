// Input: a BMP file.  The block after its 14-byte file header goes through
// the header rules; whatever they accept must lie inside the block, read
// in full by a platform that takes the header at its word.
#include <cstdint>
#include <cstring>
#include <vector>

#include "graphics/dib.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 14)
        return 0;
    // An exact-size heap copy, so that ASan sees any read past it.
    const std::vector<uint8_t> block(data + 14, data + size);
    const uint8_t *dib = block.empty() ? nullptr : block.data();
    kavo::DibHeaderInfo info;
    if (!kavo::dib_header_info(dib, block.size(), &info))
        return 0;
    const uint64_t offset = kavo::dib_bits_offset(info);
    if (!kavo::dib_fits(dib, block.size()))
        return 0;
    if (offset > block.size())
        __builtin_trap();
    // Touch every byte the platform would read for an uncompressed bitmap.
    uint32_t compression = 0;
    int32_t width = info.width, height = info.height;
    if (!info.core) {
        std::memcpy(&width, dib + 4, 4);
        std::memcpy(&height, dib + 8, 4);
        std::memcpy(&compression, dib + 16, 4);
    }
    if (compression == 0) {
        const uint64_t w = width < 0 ? 0 - static_cast<int64_t>(width) : width;
        const uint64_t h = height < 0 ? 0 - static_cast<int64_t>(height) : height;
        const uint64_t rows = kavo::dib_row_size(w, info.bit_count) * h;
        volatile uint8_t sink = 0;
        for (uint64_t i = 0; i < rows; i += 97)
            sink = sink ^ dib[offset + i];
        if (rows)
            sink = sink ^ dib[offset + rows - 1];
    }
    return 0;
}
