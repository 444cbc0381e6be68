// Input: a GIF file.  The reader must end on every input without touching
// memory outside its blocks, release everything it does not hand out, and
// a bitmap it hands out must be exactly as large as its header says.
#include <cstdlib>
#include <cstring>

#include "capped_heap.h"
#include "graphics/gif_decoder.h"

namespace {

uint32_t u32(const uint8_t *p)
{
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    kavo::MemorySource source(data, size);
    kavo_test::CappedHeap heap(4u << 20); // keeps the fuzzer fast on lying headers
    kavo::GifImage image;
    const kavo::GifStatus status = kavo::gif_read_dib(source, heap, &image);
    if (status == kavo::GifStatus::ok) {
        const uint32_t width = u32(image.dib + 4), height = u32(image.dib + 8), colours = u32(image.dib + 32);
        const uint64_t expected = 40 + 4ull * colours + ((width + 3) & ~3u) * uint64_t{height} + 16;
        if (expected != image.size || u32(image.dib + 20) != ((width + 3) & ~3u) * height)
            __builtin_trap();
        heap.release(image.dib);
    } else if (image.dib) {
        __builtin_trap();
    }
    if (heap.live != 0)
        __builtin_trap();
    return 0;
}
