// The header rules of packed bitmaps: colour counts, where rows begin, and
// which blocks are safe to hand to the platform.
#include <gtest/gtest.h>

#include "graphics/dib.h"
#include "image_bytes.h"

namespace {

using kavo_test::append16;
using kavo_test::append32;
using kavo_test::Bytes;

Bytes info_header(uint32_t size, int32_t width, int32_t height, unsigned bits, uint32_t used,
                  uint32_t compression = 0, uint32_t image_size = 0)
{
    Bytes b;
    append32(b, size);
    append32(b, static_cast<uint32_t>(width));
    append32(b, static_cast<uint32_t>(height));
    append16(b, 1);
    append16(b, bits);
    append32(b, compression);
    append32(b, image_size);
    append32(b, 0);
    append32(b, 0);
    append32(b, used);
    append32(b, 0);
    b.resize(size < 36 ? 40 : size, 0); // a short header keeps the fields, a 36-byte one ends at colours used
    return b;
}

Bytes core_header(unsigned width, unsigned height, unsigned bits)
{
    Bytes b;
    append32(b, 12);
    append16(b, width);
    append16(b, height);
    append16(b, 1);
    append16(b, bits);
    return b;
}

TEST(DibHeader, ColourTableSizeAndRowOffsetFollowBitsAndColoursUsed)
{
    const struct {
        const char *what;
        Bytes header;
        uint64_t colours;
        uint64_t offset;
        bool core;
    } cases[] = {
        {"8 bit, colours used 0", info_header(40, 3, 3, 8, 0), 256, 40 + 1024, false},
        {"8 bit, colours used 16", info_header(40, 3, 3, 8, 16), 16, 40 + 64, false},
        {"24 bit, colours used 2", info_header(40, 3, 3, 24, 2), 2, 48, false},
        {"short info header, 4 bit", info_header(16, 3, 3, 4, 99), 16, 16 + 64, false},
        {"core 1 bit", core_header(3, 3, 1), 2, 12 + 6, true},
        {"36-byte header ending at colours used", info_header(36, 3, 3, 4, 5), 5, 36 + 20, false},
    };
    for (const auto &c : cases) {
        kavo::DibHeaderInfo info;
        ASSERT_TRUE(kavo::dib_header_info(c.header.data(), c.header.size(), &info)) << c.what;
        EXPECT_EQ(info.colour_count, c.colours) << c.what;
        EXPECT_EQ(kavo::dib_bits_offset(info), c.offset) << c.what;
        EXPECT_EQ(info.core, c.core) << c.what;
        EXPECT_EQ(info.width, 3) << c.what;
    }
    kavo::DibHeaderInfo info;
    const Bytes wide = info_header(40, 0x10005, 0x20007, 8, 0);
    ASSERT_TRUE(kavo::dib_header_info(wide.data(), wide.size(), &info));
    EXPECT_EQ(info.width, 5) << "sizes are the low 16 bits";
    EXPECT_EQ(info.height, 7);
    const Bytes odd = info_header(13, 1, 1, 8, 0);
    EXPECT_FALSE(kavo::dib_header_info(odd.data(), odd.size(), &info)) << "header size 13";
    EXPECT_FALSE(kavo::dib_header_info(wide.data(), 3, &info)) << "a block shorter than the size field";
}

TEST(DibHeader, OnlyBlocksHoldingEverythingAreDrawable)
{
    auto with_rows = [](Bytes b, std::size_t rows) {
        b.resize(b.size() + rows, 0);
        return b;
    };
    const struct {
        const char *what;
        Bytes block;
        bool fits;
    } cases[] = {
        {"3 x 2, 24 bit, rows of 12", with_rows(info_header(40, 3, 2, 24, 0), 24), true},
        {"one byte short", with_rows(info_header(40, 3, 2, 24, 0), 23), false},
        {"top-down counts its rows", with_rows(info_header(40, 3, -2, 24, 0), 23), false},
        {"width beyond 16 bits", with_rows(info_header(40, 0x10003, 2, 24, 0), 24), false},
        {"colour table missing", with_rows(info_header(40, 4, 1, 8, 0), 4), false},
        {"colour table present", with_rows(info_header(40, 4, 1, 8, 0), 1024 + 4), true},
        {"colours used beyond 256 at 8 bit", with_rows(info_header(40, 4, 1, 8, 257), 4 * 257 + 4), false},
        {"bit count 7", with_rows(info_header(40, 4, 1, 7, 0), 1024), false},
        {"header under 40 bytes", with_rows(info_header(20, 4, 1, 24, 0), 64), false},
        {"unknown compression", with_rows(info_header(40, 4, 1, 24, 0, 4), 64), false},
        {"2^31 rows of 2^33 bytes, which wrap round to 0 in 64 bits",
         with_rows(info_header(40, INT32_MIN, INT32_MIN, 32, 0), 64), false},
        {"16-bit bitfields with their three masks", with_rows(info_header(40, 2, 1, 16, 0, 3), 12 + 4), true},
        {"bitfields without room for the masks", with_rows(info_header(40, 2, 1, 16, 0, 3), 12 + 3), false},
        {"bitfields at 24 bits", with_rows(info_header(40, 2, 1, 24, 0, 3), 12 + 8), false},
        {"run lengths within the block", with_rows(info_header(40, 4, 2, 8, 0, 1, 10), 1024 + 10), true},
        {"run lengths announced past the block", with_rows(info_header(40, 4, 2, 8, 0, 1, 11), 1024 + 10), false},
        {"run lengths top-down", with_rows(info_header(40, 4, -2, 4, 0, 2, 10), 64 + 10), false},
        {"core, 1 bit, 9 x 2", with_rows(core_header(9, 2, 1), 6 + 8), true},
        {"core, 1 bit, short", with_rows(core_header(9, 2, 1), 6 + 7), false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(kavo::dib_fits(c.block.data(), c.block.size()), c.fits) << c.what;
    EXPECT_FALSE(kavo::dib_fits(nullptr, 100));
}

} // namespace
