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

TEST(GifDecoder, ThreeByOneImageGivesOnePaddedRow)
{
    GifPlan plan;
    plan.data = kZeroOneZero;
    const Decoded d = decode(gif_file(plan));
    ASSERT_EQ(d.status, GifStatus::ok);
    const std::size_t bits = 40 + 4 * 4;
    ASSERT_EQ(d.dib.size(), bits + 4 + 16);
    EXPECT_EQ(u32(d.dib, 0), 40u);
    EXPECT_EQ(u32(d.dib, 4), 3u);
    EXPECT_EQ(u32(d.dib, 8), 1u);
    EXPECT_EQ(d.dib[14], 8) << "bits per pixel";
    EXPECT_EQ(u32(d.dib, 20), 4u) << "image size";
    EXPECT_EQ(u32(d.dib, 24), 1000u);
    EXPECT_EQ(u32(d.dib, 32), 4u) << "flags 0x81: four colours";
    EXPECT_EQ(Bytes(d.dib.begin() + bits, d.dib.begin() + bits + 4), (Bytes{0, 1, 0, 0}));
    // Entry 3 of the GIF table is (3, 6, 9): blue, green, red, 0 in the DIB.
    EXPECT_EQ(Bytes(d.dib.begin() + 40 + 12, d.dib.begin() + 56), (Bytes{9, 6, 3, 0}));
}

TEST(GifDecoder, TopLineGoesToTheLastRowAndShortLastLineToTheStartOfItsRow)
{
    // 3 x 2 with four pixels 1 1 0 | 1: rows of 4 bytes, image size 8.
    GifPlan plan;
    plan.height = 2;
    plan.data = lzw_data(2, {{4, 3}, {1, 3}, {1, 3}, {0, 3}, {1, 4}, {5, 4}});
    const Decoded d = decode(gif_file(plan));
    ASSERT_EQ(d.status, GifStatus::ok);
    EXPECT_EQ(u32(d.dib, 20), 8u);
    const std::size_t bits = 40 + 16;
    EXPECT_EQ(Bytes(d.dib.begin() + bits, d.dib.begin() + bits + 8), (Bytes{1, 0, 0, 0, 1, 1, 0, 0}));
}

TEST(GifDecoder, ScreenFlagsZeroGiveATwoColourPaletteAndOnePixelRowsArePadded)
{
    GifPlan plan;
    plan.screen_flags = 0;
    plan.width = 1;
    plan.data = lzw_data(2, {{4, 3}, {1, 3}, {5, 3}});
    const Decoded d = decode(gif_file(plan));
    ASSERT_EQ(d.status, GifStatus::ok);
    EXPECT_EQ(u32(d.dib, 32), 2u);
    EXPECT_EQ(d.dib[40 + 8], 1);
    EXPECT_EQ(u32(d.dib, 20), 4u) << "a row of one pixel is padded to four bytes";
}

TEST(GifDecoder, CodeBeyondTheTableIsTakenAsTheNextFreeSlot)
{
    // After 1 the next free slot is 6; 7 is decoded as if it were 6: "1 1".
    GifPlan plan;
    plan.width = 3;
    plan.data = lzw_data(2, {{4, 3}, {1, 3}, {7, 3}, {5, 3}});
    const Decoded d = decode(gif_file(plan));
    ASSERT_EQ(d.status, GifStatus::ok);
    EXPECT_EQ(Bytes(d.dib.begin() + 56, d.dib.begin() + 59), (Bytes{1, 1, 1}));
}

TEST(GifMessages, EachRefusalShowsItsTextsInOrderAndMemoryFailuresNone)
{
    const struct {
        GifStatus status;
        const char *first, *second;
    } cases[] = {
        {GifStatus::bad_signature, "Uknown GIF-file-format!", nullptr},
        {GifStatus::bad_size, "Uknown GIF-file-format!", nullptr},
        {GifStatus::bad_separator, "Error in GIF-image separator", nullptr},
        {GifStatus::local_table, "Local color-table not supported!", nullptr},
        {GifStatus::read_error, "Error reading Gif!", nullptr},
        {GifStatus::corrupt_codes, "Error reading Gif!", nullptr},
        {GifStatus::bad_code_size, "Error - Bad codesize in gif!", nullptr},
        {GifStatus::no_code_size, "Error reading Gif!", "Error - Bad codesize in gif!"},
        {GifStatus::too_many_lines, "Liikaa bittej\xE4!", nullptr},
        {GifStatus::ok, nullptr, nullptr},
        {GifStatus::no_memory, nullptr, nullptr},
    };
    for (const auto &c : cases) {
        const kavo::GifMessages m = kavo::gif_messages(c.status);
        EXPECT_STREQ(m.first, c.first) << static_cast<int>(c.status);
        EXPECT_STREQ(m.second, c.second) << static_cast<int>(c.status);
    }
}

TEST(GifDecoder, BadFilesAreRefusedWithTheirStatus)
{
    struct Case {
        const char *what;
        GifPlan plan;
        GifStatus expected;
        std::size_t cut = 0; // bytes dropped from the end
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
    };
    for (const Case &c : cases) {
        Bytes file = gif_file(c.plan);
        file.resize(file.size() - c.cut);
        EXPECT_EQ(decode(file).status, c.expected) << c.what;
    }
}

TEST(GifDecoder, CodeSizeNineIsAccepted)
{
    GifPlan plan;
    plan.width = 1;
    plan.data = lzw_data(9, {{512, 10}, {300, 10}, {513, 10}});
    const Decoded d = decode(gif_file(plan));
    ASSERT_EQ(d.status, GifStatus::ok);
    EXPECT_EQ(d.dib[56], 300 & 0xFF) << "an index above 255 keeps its low byte";
}

TEST(GifDecoder, BadSignatureAndNoMemoryAreRefused)
{
    GifPlan plan;
    plan.data = kZeroOneZero;
    Bytes file = gif_file(plan);
    EXPECT_EQ(decode(file, 40).status, GifStatus::no_memory);
    EXPECT_EQ(decode(Bytes{'G', 'I'}).status, GifStatus::bad_signature);
    EXPECT_EQ(decode(Bytes{'G', 'I', 'F', '8'}).status, GifStatus::read_error);
    file[2] = 'X';
    EXPECT_EQ(decode(file).status, GifStatus::bad_signature);
}

} // namespace
