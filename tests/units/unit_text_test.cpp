// Unit labels, decimals and the display texts of the portable core.
#include "units/unit_format.h"
#include "units/unit_labels.h"
#include "units/unit_system.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

using namespace kavo;

namespace {

std::string label_of(int16_t system, int32_t property)
{
    const char *label = unit_label(system, property);
    return label ? label : "<none>";
}

TEST(UnitLabel, Windows1252BytesAndMarkup)
{
    const struct {
        int16_t system;
        int32_t property;
        const char *bytes;
    } cases[] = {
        {kUnitSI, 12, "dm\xB3/s"},
        {kUnitEuro, 12, "m\xB3/h"},
        {kUnitEuroSpe, 14, "m\xB3/(hm)"},
        {kUnitNordic, 15, "l/(sm@t2@@)"},
        {kUnitSI, 15, "dm\xB3/(sm@t2@@)"},
        {kUnitUS, 15, "cfm/ft@t2@@"},
        {kUnitNordic, 20, "\xB0" "C"},
        {kUnitUS, 21, "\xB0" "F"},
        {kUnitNordic, 31, "m\xB2"},
        {kUnitUS, 31, "ft\xB2"},
        {kUnitUS, 10, "''WC"},
        {kUnitUS, 18, "''"},
        {kUnitSI, 18, "mm"},
        {kUnitEuro, 27, "dB(A) 25m@t2@@sab"},
        {kUnitEuroSpe, 27, "dB(A) 10m@t2@@sab"},
        {kUnitNordic, 27, "dB(A) 10m@t2@@sab"},
        {kUnitEuro, 32, "L@bp@@Are 25m@t2@@sab"},
        {kUnitEuroSpe, 32, "L@bp@@Are 10m@t2@@sab"},
        {kUnitUS, 32, "L@bw@@A"},
        {kUnitUS, 29, "LwA"},
        {kUnitNordic, 28, "L@bp@@A"},
        {kUnitUS, 24, "Btu/h/ft@t2@@"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.system << "/" << c.property);
        EXPECT_EQ(label_of(c.system, c.property), c.bytes);
    }
    for (int32_t property : {9, 33, 0, -10})
        EXPECT_EQ(unit_label(kUnitNordic, property), nullptr) << property;
}

TEST(UnitLabel, EveryLabelFitsItsBuffer)
{
    std::size_t longest = 0;
    for (int16_t system = 0; system < 5; ++system)
        for (int32_t property = 10; property <= 32; ++property)
            longest = std::max(longest, std::strlen(unit_label(system, property)));
    EXPECT_EQ(longest, kLabelCapacity - 1);
}

TEST(UnitDecimals, MetricAndUsColumns)
{
    const struct {
        int32_t property;
        int metric;
        int us;
    } cases[] = {{10, 0, 2}, {11, 1, 1}, {13, 3, 2}, {18, 0, 1}, {19, 2, 1}, {20, 1, 1}, {31, 1, 1}, {25, 0, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.property);
        for (int16_t system = 0; system < 4; ++system)
            EXPECT_EQ(unit_decimals(system, c.property), c.metric);
        EXPECT_EQ(unit_decimals(kUnitUS, c.property), c.us);
    }
    for (int32_t property : {32, 9, 33, -1})
        EXPECT_EQ(unit_decimals(kUnitSI, property), -1) << property;
}

TEST(FormatValue, DecimalsLabelAndLocale)
{
    const char *old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    char out[kValueTextCapacity];
    EXPECT_EQ(format_value(out, sizeof out, 1.5, 0, "dm\xB3/s"), 7u);
    EXPECT_STREQ(out, "2 dm\xB3/s");
    format_value(out, sizeof out, 68.0f, 1, "\xB0" "F");
    EXPECT_STREQ(out, "68.0 \xB0" "F");
    format_value(out, sizeof out, 3.6f, 0, nullptr);
    EXPECT_STREQ(out, "4");
    format_value(out, sizeof out, -3.4e38f, 3, "L@bp@@Are 10m@t2@@sab");
    EXPECT_EQ(std::strlen(out), 39u + 1 + 4 + 1 + 21);
    EXPECT_EQ(format_value(out, 6, 12.25, 2, nullptr), 5u);
    EXPECT_EQ(format_value(out, 6, 12.25, 2, "m"), 0u) << "no room for the label";
    EXPECT_STREQ(out, "");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(FormatValue, RangeAndFeetInches)
{
    char out[kValueTextCapacity];
    format_range(out, sizeof out, 9.99, 20.02, 1, "l/s");
    EXPECT_STREQ(out, "10.0 ... 20.0 l/s");
    format_feet_inches(out, sizeof out, 2, 0);
    EXPECT_STREQ(out, "2'0''");
    format_feet_inches(out, sizeof out, 12, 11);
    EXPECT_STREQ(out, "12'11''");
}

TEST(LegacyFormat, PerSystem)
{
    EXPECT_EQ(legacy_format(kUnitSI, 2), LegacyFormat::kAsGiven);
    EXPECT_EQ(legacy_format(kUnitNordic, 100), LegacyFormat::kAsGiven);
    EXPECT_EQ(legacy_format(kUnitEuroSpe, 0), LegacyFormat::kAsGiven);
    for (int32_t property : {0, 1, 11})
        EXPECT_EQ(legacy_format(kUnitEuro, property), LegacyFormat::kTransformed);
    EXPECT_EQ(legacy_format(kUnitEuro, 3), LegacyFormat::kAsGiven);
    for (int32_t property : {0, 1, 3, 9, 10, 11, 12, 101, 102})
        EXPECT_EQ(legacy_format(kUnitUS, property), LegacyFormat::kTransformed) << property;
    EXPECT_EQ(legacy_format(kUnitUS, 100), LegacyFormat::kFeetInches);
    for (int32_t property : {2, 4, 5, 6, 7, 8, 13, 14, -1})
        EXPECT_EQ(legacy_format(kUnitUS, property), LegacyFormat::kUnknown) << property;
}

TEST(InchMillimetreText, RewrittenInPlaceRoundedHalfUp)
{
    const struct {
        const char *text;
        bool to_mm;
        const char *expected;
    } cases[] = {
        {"2", true, "51"},          {" 1.5in", true, "38"},  {"-1", true, "-25"},
        {"51", false, "2"},         {"13", false, "1"},    {"0", false, "0"},
        {"1000", false, "39"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        char text[48];
        std::strcpy(text, c.text);
        EXPECT_TRUE(c.to_mm ? rewrite_inches_as_mm(text) : rewrite_mm_as_inches(text));
        EXPECT_STREQ(text, c.expected);
    }
    for (const char *bad : {"", "abc", " ", "-"}) {
        char text[8];
        std::strcpy(text, bad);
        EXPECT_FALSE(rewrite_inches_as_mm(text));
        EXPECT_FALSE(rewrite_mm_as_inches(text));
        EXPECT_STREQ(text, bad);
    }
    char largest[48] = "3e38";
    EXPECT_TRUE(rewrite_inches_as_mm(largest));
    EXPECT_LE(std::strlen(largest), 40u);
}

} // namespace
