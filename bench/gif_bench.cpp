// GIF decoding side by side with giflib on the same files: 8-bit images of
// 100 kpixels to 2 Mpixels, made in memory with giflib's encoder.  Both
// report MB/s of decoded pixels.
#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <stdexcept>
#include <vector>

#include "graphics/gif_decoder.h"

namespace {

using Bytes = std::vector<uint8_t>;

int write_to_vector(GifFileType *gif, const GifByteType *data, int size)
{
    auto *out = static_cast<Bytes *>(gif->UserData);
    out->insert(out->end(), data, data + size);
    return size;
}

// A picture-like image: smooth rings with a little noise and some flat
// areas, as product photographs and diagrams have.
Bytes make_gif(int width, int height)
{
    Bytes file;
    int error = 0;
    GifFileType *gif = EGifOpen(&file, write_to_vector, &error);
    if (!gif)
        throw std::runtime_error("EGifOpen");
    EGifSetGifVersion(gif, false);
    GifColorType colours[256];
    for (int i = 0; i < 256; ++i)
        colours[i] = {static_cast<GifByteType>(i), static_cast<GifByteType>(255 - i), static_cast<GifByteType>(i / 2)};
    ColorMapObject *map = GifMakeMapObject(256, colours);
    EGifPutScreenDesc(gif, width, height, 8, 0, map);
    EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr);
    std::vector<GifPixelType> line(static_cast<std::size_t>(width));
    uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            const bool flat = (x / 64 + y / 64) % 3 == 0;
            line[static_cast<std::size_t>(x)] =
                flat ? 7 : static_cast<GifPixelType>(((x * x + y * y) / 211 + (seed >> 29)) & 255);
        }
        EGifPutLine(gif, line.data(), width);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return file;
}

int dims(int pixels, int *height)
{
    int width = 1;
    while (width * width * 3 < pixels * 4)
        ++width;
    *height = pixels / width;
    return width;
}

const Bytes &picture(int pixels)
{
    static std::map<int, Bytes> files;
    Bytes &file = files[pixels];
    if (file.empty()) {
        int height;
        const int width = dims(pixels, &height);
        file = make_gif(width, height);
    }
    return file;
}

class Heap final : public kavo::BlockAllocator {
public:
    void *allocate(std::size_t size) override { return std::malloc(size); }
    void release(void *block) override { std::free(block); }
};

void BM_kavo_gif(benchmark::State &state)
{
    const Bytes &file = picture(static_cast<int>(state.range(0)));
    Heap heap;
    int height;
    const int width = dims(static_cast<int>(state.range(0)), &height);
    for (auto _ : state) {
        kavo::MemorySource source(file.data(), file.size());
        kavo::GifImage image;
        if (kavo::gif_read_dib(source, heap, &image) != kavo::GifStatus::ok)
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(image.dib);
        heap.release(image.dib);
    }
    state.SetBytesProcessed(state.iterations() * int64_t{width} * height);
}

struct Reader {
    const Bytes *file;
    std::size_t pos;
};

int read_from_vector(GifFileType *gif, GifByteType *dst, int size)
{
    auto *r = static_cast<Reader *>(gif->UserData);
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(size), r->file->size() - r->pos);
    std::memcpy(dst, r->file->data() + r->pos, n);
    r->pos += n;
    return static_cast<int>(n);
}

void BM_giflib(benchmark::State &state)
{
    const Bytes &file = picture(static_cast<int>(state.range(0)));
    int height;
    const int width = dims(static_cast<int>(state.range(0)), &height);
    for (auto _ : state) {
        Reader reader{&file, 0};
        int error = 0;
        GifFileType *gif = DGifOpen(&reader, read_from_vector, &error);
        GifRecordType type;
        bool ok = gif && DGifGetRecordType(gif, &type) == GIF_OK && type == IMAGE_DESC_RECORD_TYPE &&
                  DGifGetImageDesc(gif) == GIF_OK;
        // The same output as ours: a bottom-up bitmap of padded rows.
        const std::size_t row = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
        auto *bits = static_cast<GifPixelType *>(std::calloc(row * static_cast<std::size_t>(height) + 16, 1));
        for (int y = 0; ok && y < height; ++y)
            ok = DGifGetLine(gif, bits + row * static_cast<std::size_t>(height - 1 - y), width) == GIF_OK;
        if (!ok)
            state.SkipWithError("giflib failed");
        benchmark::DoNotOptimize(bits);
        std::free(bits);
        DGifCloseFile(gif, &error);
    }
    state.SetBytesProcessed(state.iterations() * int64_t{width} * height);
}

} // namespace

BENCHMARK(BM_kavo_gif)->Arg(100000)->Arg(500000)->Arg(2000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_giflib)->Arg(100000)->Arg(500000)->Arg(2000000)->Unit(benchmark::kMillisecond);
