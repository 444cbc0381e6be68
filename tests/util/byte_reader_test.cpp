// The bounded reader of hostile bytes and the checked size arithmetic.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "util/byte_reader.h"

namespace {

constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();

TEST(ByteView, FieldsAreLittleEndianInsideAndNothingIsReadFromBeyondTheEnd)
{
    const uint8_t bytes[] = {1, 2, 3, 0xF4};
    kavo::ByteView inside(bytes, sizeof bytes);
    EXPECT_EQ(inside.i32(0), static_cast<int32_t>(0xF4030201u));
    EXPECT_EQ(inside.i16(2), static_cast<int16_t>(0xF403));
    EXPECT_TRUE(inside.intact());
    const struct {
        std::size_t offset;
        int width;
    } past[] = {{3, 2}, {1, 4}, {4, 1}, {SIZE_MAX - 1, 4}, {SIZE_MAX, 2}};
    for (const auto &p : past) {
        kavo::ByteView view(bytes, sizeof bytes);
        const uint32_t got = p.width == 1 ? view.u8(p.offset) : p.width == 2 ? view.u16(p.offset) : view.u32(p.offset);
        EXPECT_EQ(got, 0u) << p.offset << "+" << p.width;
        EXPECT_FALSE(view.intact()) << p.offset << "+" << p.width;
    }
    kavo::ByteView none(nullptr, 100);
    EXPECT_EQ(none.size(), 0u) << "a null block holds nothing, whatever its size says";
    EXPECT_FALSE(none.holds(0, 1));
}

TEST(CheckedSizes, ProductsAndSumsThatPass64BitsAreRefused)
{
    const struct {
        uint64_t a, b;
        bool product_fits, sum_fits;
    } cases[] = {
        {0, kMax, true, true},
        {uint64_t{1} << 32, uint64_t{1} << 31, true, true},
        {uint64_t{1} << 33, uint64_t{1} << 31, false, true}, // a row of 2^33 bytes, 2^31 rows
        {kMax, 1, true, false},
        {kMax / 2 + 1, 2, false, true},
    };
    for (const auto &c : cases) {
        uint64_t out = 7;
        EXPECT_EQ(kavo::checked_mul(c.a, c.b, &out), c.product_fits) << c.a << " * " << c.b;
        EXPECT_TRUE(c.product_fits || out == 7u) << "a refused product leaves the result alone";
        EXPECT_EQ(kavo::checked_add(c.a, c.b, &out), c.sum_fits) << c.a << " + " << c.b;
    }
    EXPECT_TRUE(kavo::items_fit(3, 4, 12));
    EXPECT_FALSE(kavo::items_fit(3, 4, 11));
    EXPECT_FALSE(kavo::items_fit(uint64_t{1} << 33, uint64_t{1} << 31, kMax)) << "no wrap round to 0";
}

} // namespace
