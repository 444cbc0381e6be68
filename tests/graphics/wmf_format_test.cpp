// Placeable metafile headers and the record chain check.
#include <gtest/gtest.h>

#include "graphics/wmf_format.h"
#include "image_bytes.h"

namespace {

using kavo_test::append16;
using kavo_test::append32;
using kavo_test::Bytes;
using kavo_test::placeable_header;

// Standard header of `words` words, then the records given as (size in
// words, function) with zero parameters.
Bytes standard(uint32_t words, std::initializer_list<std::pair<uint32_t, uint16_t>> records, uint16_t header = 9)
{
    Bytes b;
    append16(b, 1);
    append16(b, header);
    append16(b, 0x300);
    append32(b, words);
    append16(b, 0);
    append32(b, 3);
    append16(b, 0);
    for (auto [size, function] : records) {
        append32(b, size);
        append16(b, function);
        for (uint32_t i = 3; i < size && b.size() < 4096; ++i)
            append16(b, 0);
    }
    return b;
}

TEST(WmfFormat, AspectIsHeightOverWidthWhicheverWayTheFrameIsGiven)
{
    const struct {
        Bytes header;
        float aspect;
    } cases[] = {
        {placeable_header(0, 0, 200, 100), 0.5f},
        {placeable_header(200, 100, 0, 0), 0.5f},
        {placeable_header(0, 100, 200, 0), 0.5f},
        {placeable_header(10, 0, 10, 100), 1.0f},
        {placeable_header(-100, -300, 100, 300), 3.0f},
    };
    for (const auto &c : cases) {
        float aspect = -1;
        ASSERT_TRUE(kavo::wmf_placeable_header(c.header.data(), c.header.size(), &aspect));
        EXPECT_FLOAT_EQ(aspect, c.aspect);
    }
    float aspect = 7;
    const Bytes plain = placeable_header(0, 0, 1, 1, 0x00090001);
    EXPECT_FALSE(kavo::wmf_placeable_header(plain.data(), plain.size(), &aspect));
    const Bytes good = placeable_header(0, 0, 1, 1);
    EXPECT_FALSE(kavo::wmf_placeable_header(good.data(), 21, &aspect)) << "shorter than the header";
    EXPECT_EQ(aspect, 7) << "left alone on failure";
}

TEST(WmfFormat, RecordChainMustStayInside)
{
    const struct {
        const char *what;
        Bytes bits;
        bool ok;
    } cases[] = {
        {"one record and the end", standard(9 + 4 + 3, {{4, 0x0201}, {3, 0}}), true},
        {"end record only", standard(9 + 3, {{3, 0}}), true},
        {"no end record", standard(9 + 4, {{4, 0x0201}}), false},
        {"record beyond the total", standard(9 + 4 + 3, {{400, 0x0201}, {3, 0}}), false},
        {"record of size 0", standard(9 + 3, {{0, 0x0201}, {3, 0}}), false},
        {"total beyond the bytes", standard(900, {{3, 0}}), false},
        {"header size not 9", standard(9 + 3, {{3, 0}}, 8), false},
        {"too short", Bytes(10, 0), false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(kavo::wmf_bits_hold_together(c.bits.data(), c.bits.size()), c.ok) << c.what;
}

} // namespace
