// Input: a placeable metafile file.  The header and record chain checks
// must read only inside the input, and a chain they accept must be
// walkable to its end record inside the bytes.
#include <cstdint>
#include <cstring>
#include <vector>

#include "graphics/wmf_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::vector<uint8_t> file(data, data + size); // exact size for ASan
    float aspect = -1.0f;
    const uint8_t *p = file.empty() ? nullptr : file.data();
    if (!kavo::wmf_placeable_header(p, file.size(), &aspect))
        return 0;
    if (!(aspect >= 0.0f))
        __builtin_trap();
    const std::size_t bits_size = file.size() - kavo::kPlaceableHeaderSize;
    const uint8_t *bits = file.data() + kavo::kPlaceableHeaderSize;
    if (!kavo::wmf_bits_hold_together(bits_size ? bits : nullptr, bits_size))
        return 0;
    uint32_t words;
    std::memcpy(&words, bits + 6, 4);
    if (uint64_t{words} * 2 > bits_size)
        __builtin_trap();
    return 0;
}
