// Unit labels, decimals and display texts of the portable core.
#include "units/unit_format.h"
#include "units/unit_labels.h"
#include "units/unit_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>

using namespace kavo;

namespace {

TEST(UnitLabel, Windows1252BytesAndMarkup)
{
    const struct {
        int16_t system;
        int32_t property;
        const char *bytes;
    } cases[] = {
        {kUnitSI, 12, "dm\xB3/s"}, {kUnitEuroSpe, 14, "m\xB3/(hm)"}, {kUnitNordic, 31, "m\xB2"}, {kUnitUS, 31, "ft\xB2"},
        {kUnitEuroSpe, 27, "dB(A) 10m@t2@@sab"}, {kUnitEuro, 32, "L@bp@@Are 25m@t2@@sab"},
        {kUnitEuroSpe, 32, "L@bp@@Are 10m@t2@@sab"},
    };
    for (const auto &c : cases) {
        const char *label = unit_label(c.system, c.property);
        EXPECT_STREQ(label ? label : "<none>", c.bytes) << c.system << "/" << c.property;
    }
    for (int32_t property : {9, 33}) {
        EXPECT_EQ(unit_label(kUnitNordic, property), nullptr);
        EXPECT_EQ(unit_decimals(kUnitNordic, property), -1);
    }
    EXPECT_EQ(std::make_pair(unit_decimals(kUnitUS, 10), unit_decimals(kUnitSI, 10)), std::make_pair(2, 0));

    std::size_t longest = 0;
    for (int16_t system = 0; system < 5; ++system)
        for (int32_t property = 10; property <= 32; ++property)
            longest = std::max(longest, std::strlen(unit_label(system, property)));
    EXPECT_EQ(longest, kLabelCapacity - 1);
}

TEST(FormatValue, RoundedWithLabelAndNeverPastTheBuffer)
{
    char out[kValueTextCapacity];
    format_value(out, sizeof out, 1.5, 0, "dm\xB3/s");
    EXPECT_STREQ(out, "2 dm\xB3/s");
    // The widest float with three decimals and the longest label still fit.
    EXPECT_EQ(format_value(out, sizeof out, -3.4e38f, 3, "L@bp@@Are 10m@t2@@sab"), 44u + 1 + 21);
    EXPECT_EQ(format_value(out, 6, 12.25, 2, "m"), 0u);
    EXPECT_STREQ(out, "");
    format_range(out, sizeof out, 9.99, 20.02, 1, "l/s");
    EXPECT_STREQ(out, "10.0 ... 20.0 l/s");
    format_feet_inches(out, sizeof out, 12, 11);
    EXPECT_STREQ(out, "12'11''");
}

TEST(InchMillimetreText, RewrittenInPlaceRoundedHalfUp)
{
    const struct {
        const char *text;
        bool to_mm;
        const char *expected;
    } cases[] = {{"2", true, "51"}, {" 1.5in", true, "38"}, {"-1", true, "-25"}, {"51", false, "2"},
                 {"1000", false, "39"}};
    for (const auto &c : cases) {
        char text[48];
        std::strcpy(text, c.text);
        EXPECT_TRUE(c.to_mm ? rewrite_inches_as_mm(text) : rewrite_mm_as_inches(text));
        EXPECT_STREQ(text, c.expected) << c.text;
    }
    char largest[42] = "-3e38";
    EXPECT_TRUE(rewrite_inches_as_mm(largest));
    EXPECT_EQ(std::strlen(largest), 41u) << "the longest result";
    for (const char *bad : {"", "abc", "-"}) {
        char text[8];
        std::strcpy(text, bad);
        EXPECT_FALSE(rewrite_inches_as_mm(text));
        EXPECT_STREQ(text, bad);
    }
}

TEST(LegacyFormat, EuroTransformsOnlyFlowsUsHasFeetAndUnknownIds)
{
    const struct {
        int16_t system;
        int32_t property;
        LegacyFormat format;
    } cases[] = {
        {kUnitEuro, 0, LegacyFormat::kTransformed},  {kUnitEuro, 1, LegacyFormat::kTransformed},
        {kUnitEuro, 11, LegacyFormat::kTransformed}, {kUnitEuro, 12, LegacyFormat::kAsGiven},
        {kUnitUS, 102, LegacyFormat::kTransformed},  {kUnitUS, 100, LegacyFormat::kFeetInches},
        {kUnitUS, 4, LegacyFormat::kUnknown},        {kUnitNordic, 100, LegacyFormat::kAsGiven},
    };
    for (const auto &c : cases)
        EXPECT_EQ(legacy_format(c.system, c.property), c.format) << c.system << "/" << c.property;
}

TEST(TypedValue, CommaIsThePointAndRangeAllowsOnePartInAThousand)
{
    const struct {
        const char *typed;
        float number; // NaN: not read
        bool in_10_to_20;
    } cases[] = {
        {"9.995", 9.995f, true}, {"20.01", 20.01f, true}, {"20.03", 20.03f, false}, {"9.98", 9.98f, false},
        {"1,5e1", 15.0f, true},  {"12abc", 12.0f, true},  {"", NAN, false},         {",", NAN, false},
    };
    for (const auto &c : cases) {
        char text[16];
        std::strcpy(text, c.typed);
        float number = -1.0f;
        EXPECT_EQ(read_typed_number(text, &number), !std::isnan(c.number)) << c.typed;
        if (!std::isnan(c.number)) {
            EXPECT_FLOAT_EQ(number, c.number) << c.typed;
            EXPECT_EQ(within_typed_range(number, 10.0f, 20.0f), c.in_10_to_20) << c.typed;
        }
    }
}

} // namespace
