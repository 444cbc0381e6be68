// Language names to character sets, and the Arial width estimate.
#include <gtest/gtest.h>

#include "util/font_metrics.h"

namespace {

TEST(FontMetrics, LanguageNamesGiveCharacterSets)
{
    const struct {
        const char *language;
        uint16_t charset;
        uint32_t codepage;
    } cases[] = {
        {"greek", 161, 1253},
        {"Swiss-Russian", 204, 1251},
        {"Vietnamese", 163, 0},
        {"Greek-Russian", 161, 1253}, // the first word of the table wins
        {"English", 0, 0},
        {nullptr, 0, 0},
    };
    for (const auto &c : cases) {
        const uint16_t charset = kavo::charset_for_language(c.language);
        EXPECT_EQ(charset, c.charset) << (c.language ? c.language : "(null)");
        EXPECT_EQ(kavo::codepage_candidate(charset), c.codepage) << (c.language ? c.language : "(null)");
    }
    std::string long_name(150, 'x');
    long_name += "GREEK";
    EXPECT_EQ(kavo::charset_for_language(long_name.c_str()), 0) << "only the first 99 characters count";
}

TEST(FontMetrics, ArialWidthsRoundUpAndSumIn16Bits)
{
    const struct {
        const char *text;
        int height;
        uint16_t width;
    } cases[] = {
        {"Wi", 10, 13},          // 10 + ceil(2.4)
        {"fff", 25, 21},         // 7 each: exact products are not rounded up
        {"\xE5\xC5\xD6", 10, 6 + 7 + 8}, // 5.71, 6.6, 7.8
        {"\x01", 10, 5},         // not in the table: 50 %
    };
    for (const auto &c : cases)
        EXPECT_EQ(kavo::arial_text_width(c.text, c.height), c.width) << c.text;
    EXPECT_EQ(kavo::arial_text_width(nullptr, 10), 0);
    std::string many(7000, 'W');
    EXPECT_EQ(kavo::arial_text_width(many.c_str(), 10), static_cast<uint16_t>(70000)) << "a 16-bit sum";
}

} // namespace
