// The GIF reader: layout of the bitmap it makes, and every refusal.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "capped_heap.h"
#include "graphics/gif_decoder.h"
#include "image_bytes.h"

namespace {

using kavo::GifStatus;
using kavo_test::Bytes;
using kavo_test::GifPlan;
using kavo_test::lzw_data;

struct Decoded {
    GifStatus status;
    Bytes dib;
};

Decoded decode(const Bytes &file, std::size_t memory_limit = 256u << 20)
{
    kavo::MemorySource source(file.data(), file.size());
    kavo_test::CappedHeap heap(memory_limit);
    kavo::GifImage image;
    Decoded out{kavo::gif_read_dib(source, heap, &image), {}};
    if (image.dib) {
        out.dib.assign(image.dib, image.dib + image.size);
        heap.release(image.dib);
    }
    EXPECT_EQ(heap.live, 0) << "every block but the result is released";
    return out;
}

uint32_t u32(const Bytes &b, std::size_t at)
{
    uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

// clear 0 1 0 end with m = 2: after the second 0 the table is full at three
// bits and the end code comes with four.
const Bytes kZeroOneZero = lzw_data(2, {{4, 3}, {0, 3}, {1, 3}, {0, 3}, {5, 4}});

TEST(GifDecoder, PixelsGoBottomUpIntoPaddedRowsAfterTheHeaderAndPalette)
{
    const struct {
        const char *what;
        unsigned width, height;
        uint8_t screen_flags; // 0x81: four colours, 0: two
        Bytes data, bits;
    } cases[] = {
        {"0 1 0", 3, 1, 0x81, kZeroOneZero, {0, 1, 0, 0}},
        {"1 1 0 | 1: the top line is the last row, a short line starts its row", 3, 2, 0x81,
         lzw_data(2, {{4, 3}, {1, 3}, {1, 3}, {0, 3}, {1, 4}, {5, 4}}), {1, 0, 0, 0, 1, 1, 0, 0}},
        {"one pixel padded to four bytes, two colours", 1, 1, 0, lzw_data(2, {{4, 3}, {1, 3}, {5, 3}}), {1, 0, 0, 0}},
        {"code 7 beyond the table is the next free slot 6: 1 1", 3, 1, 0x81,
         lzw_data(2, {{4, 3}, {1, 3}, {7, 3}, {5, 3}}), {1, 1, 1, 0}},
        {"code size nine, index 300", 1, 1, 0x81, lzw_data(9, {{512, 10}, {300, 10}, {513, 10}}), {300 & 0xFF, 0, 0, 0}},
    };
    for (const auto &c : cases) {
        GifPlan plan;
        plan.width = c.width;
        plan.height = c.height;
        plan.screen_flags = c.screen_flags;
        plan.data = c.data;
        const Decoded d = decode(gif_file(plan));
        ASSERT_EQ(d.status, GifStatus::ok) << c.what;
        const uint32_t colours = 2u << (c.screen_flags & 7);
        EXPECT_EQ(u32(d.dib, 0), 40u);
        EXPECT_EQ(u32(d.dib, 4), c.width);
        EXPECT_EQ(u32(d.dib, 8), c.height);
        EXPECT_EQ(d.dib[14], 8) << "bits per pixel";
        EXPECT_EQ(u32(d.dib, 24), 1000u) << "pixels per metre";
        // Entry 1 of the GIF table is (1, 2, 3): blue, green, red, 0 in the DIB.
        EXPECT_EQ(Bytes(d.dib.begin() + 44, d.dib.begin() + 48), (Bytes{3, 2, 1, 0})) << c.what;
        EXPECT_EQ(u32(d.dib, 20), c.bits.size()) << c.what;
        EXPECT_EQ(u32(d.dib, 32), colours) << c.what;
        ASSERT_GE(d.dib.size(), 40 + 4 * colours + c.bits.size()) << c.what;
        EXPECT_EQ(Bytes(d.dib.begin() + 40 + 4 * colours, d.dib.begin() + 40 + 4 * colours + c.bits.size()), c.bits)
            << c.what;
    }
}

TEST(GifDecoder, BadFilesAreRefusedWithTheirStatus)
{
    struct Case {
        const char *what;
        GifPlan plan;
        GifStatus expected;
        std::size_t cut = 0; // bytes dropped from the end
        std::size_t memory = 256u << 20;
    };
    auto with = [](auto change) {
        GifPlan s;
        s.data = kZeroOneZero;
        change(s);
        return s;
    };
    const Case cases[] = {
        {"extension before the image", with([](GifPlan &s) { s.separator = '!'; }), GifStatus::bad_separator},
        {"local colour table", with([](GifPlan &s) { s.image_flags = 0x80; }), GifStatus::local_table},
        {"interlace bit ignored", with([](GifPlan &s) { s.image_flags = 0x40; }), GifStatus::ok},
        {"width 32768", with([](GifPlan &s) { s.width = 32768; }), GifStatus::bad_size},
        {"height 65535", with([](GifPlan &s) { s.height = 65535; }), GifStatus::bad_size},
        {"width 0", with([](GifPlan &s) { s.width = 0; }), GifStatus::bad_size},
        {"code size 1", with([](GifPlan &s) { s.data[0] = 1; }), GifStatus::bad_code_size},
        {"code size 10", with([](GifPlan &s) { s.data[0] = 10; }), GifStatus::bad_code_size},
        {"no image data", with([](GifPlan &s) { s.data.clear(); }), GifStatus::no_code_size},
        {"ends inside a sub-block", with([](GifPlan &) {}), GifStatus::read_error, 2},
        {"ends inside the colour table", with([](GifPlan &) {}), GifStatus::read_error, 20},
        {"more pixels than the image", with([](GifPlan &s) { s.width = 2; }), GifStatus::too_many_lines},
        {"stops at the terminator", with([](GifPlan &s) { s.data = {2, 1, 0x04, 0}; }), GifStatus::ok},
        {"no memory for the bitmap", with([](GifPlan &) {}), GifStatus::no_memory, 0, 40},
    };
    for (const Case &c : cases) {
        Bytes file = gif_file(c.plan);
        file.resize(file.size() - c.cut);
        EXPECT_EQ(decode(file, c.memory).status, c.expected) << c.what;
    }
}

} // namespace
