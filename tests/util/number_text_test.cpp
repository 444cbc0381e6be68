#include "util/number_text.h"
#include "util/text_util.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>

using namespace kavo;

namespace {

TEST(ScanInt, SignsBlanksAndWrapReadAsPercentDReads)
{
    int32_t v = 0;
    EXPECT_TRUE(scan_int(" \t\v\f\r\n-12x", &v));
    EXPECT_EQ(v, -12);
    EXPECT_TRUE(scan_int("+7", &v));
    EXPECT_EQ(v, 7);
    EXPECT_TRUE(scan_int("4294967297", &v)); // wraps
    EXPECT_EQ(v, 1);
    for (const char *bad : {"", " ", "-", "+-1", "x1", ".5"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(scan_int(bad, &v));
    }
    EXPECT_FALSE(scan_int(nullptr, &v));
}

TEST(ScanFloat, NanInfAndOverflowAreRefused)
{
    float v = 0;
    const struct {
        const char *text;
        float value;
    } good[] = {{"1", 1.f}, {" -2.5", -2.5f}, {"+.5", 0.5f}, {"5.", 5.f}, {"1e3", 1000.f}, {"3.25abc", 3.25f}};
    for (const auto &c : good) {
        SCOPED_TRACE(c.text);
        ASSERT_TRUE(scan_float(c.text, &v));
        EXPECT_FLOAT_EQ(v, c.value);
    }
    for (const char *bad : {"", ".", "-.", "nan", "inf", "x0", "x", "--1", "1e39", "-1e39"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(scan_float(bad, &v));
    }
}

TEST(FormatFixed, IndependentOfTheHostLocale)
{
    // A host in a decimal-comma locale must still get points.
    const char *old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    char out[32];
    EXPECT_EQ(format_fixed(out, sizeof out, 21.5, 2), 5u);
    EXPECT_STREQ(out, "21.50");
    float v = 0;
    EXPECT_TRUE(scan_float("1.5", &v));
    EXPECT_FLOAT_EQ(v, 1.5f);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(FormatFixed, RoundsLikePrintfAndRefusesWhatDoesNotFit)
{
    char out[8];
    EXPECT_STREQ((format_fixed(out, sizeof out, 1234.5678, 2), out), "1234.57");
    EXPECT_STREQ((format_fixed(out, sizeof out, 0.125, 2), out), "0.12"); // exact binary half: to even
    EXPECT_STREQ((format_fixed(out, sizeof out, -0.0004, 2), out), "-0.00");
    EXPECT_STREQ((format_fixed(out, sizeof out, 2.0, -3), out), ""); // "2.000000" needs 9 bytes
    EXPECT_STREQ((format_fixed(out, sizeof out, 2.0, 5), out), "2.00000");
    EXPECT_EQ(format_fixed(out, sizeof out, 12345678.0, 0), 0u);
    EXPECT_STREQ(out, "");
}

TEST(FormatNumbers, NoRoomForTheTerminatorGivesNothingAndZeroSizeTouchesNothing)
{
    const struct {
        std::size_t size;
        const char *fixed, *integer; // 2.5 with 1 decimal, 1234
    } cases[] = {{3, "", ""}, {4, "2.5", ""}, {5, "2.5", "1234"}};
    for (const auto &c : cases) {
        char out[8];
        std::memset(out, '#', sizeof out);
        EXPECT_EQ(format_fixed(out, c.size, 2.5, 1), std::strlen(c.fixed)) << c.size;
        EXPECT_STREQ(out, c.fixed) << c.size;
        EXPECT_EQ(format_int(out, c.size, 1234), std::strlen(c.integer)) << c.size;
        EXPECT_STREQ(out, c.integer) << c.size;
        EXPECT_EQ(out[c.size], '#') << c.size;
    }
    char untouched[2] = "#";
    EXPECT_EQ(format_fixed(untouched, 0, 2.5, 1), 0u);
    EXPECT_EQ(format_int(untouched, 0, 1), 0u);
    EXPECT_STREQ(untouched, "#");
}

TEST(CopyCut, ZeroCapacityTouchesNothingAndTextsAreCutWithTheirTerminator)
{
    const struct {
        std::size_t capacity;
        const char *src, *field;
    } cases[] = {{0, "abc", "#####"}, {1, "abc", ""}, {3, "abc", "ab"}, {4, "abc", "abc"}, {4, nullptr, ""}};
    for (const auto &c : cases) {
        char field[6] = "#####";
        kavo::copy_cut(field, c.capacity, c.src);
        EXPECT_STREQ(field, c.field) << c.capacity;
    }
}

} // namespace
