#include "util/text_util.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SprintCase {
    double value;
    int decimals;
    const char *text;
};

TEST(SmartSprint, DropsInsignificantZerosAndCutsToTheBufferSize)
{
    const SprintCase cases[] = {
        {2.5, 4, "2.5"},         {3.0, 2, "3"},         {100.0, 0, "100"},       {0.0, 3, "0"},
        {-0.0004, 2, "0"},       {1234.5678, 2, "1234.57"}, {-2.50, 3, "-2.5"},  {1000.0, 2, "1000"},
        {0.1, -1, "0.1"},        {-0.0, 0, "0"},        {1e300, 1, nullptr},  {1.0, 100000, "1"},
    };
    for (const SprintCase &c : cases) {
        char out[400];
        char16_t wide[400];
        SCOPED_TRACE(c.value);
        const int length = kavo::smart_sprint(out, sizeof out, c.value, c.decimals);
        EXPECT_EQ(kavo::smart_sprint_w(wide, 400, c.value, c.decimals), length);
        EXPECT_EQ(static_cast<std::size_t>(length), std::string(out).size());
        EXPECT_EQ(std::u16string(wide), std::u16string(out, out + length));
        if (c.text)
            EXPECT_STREQ(out, c.text);
        else
            EXPECT_EQ(length, 301); // 1e300 needs all its digits
    }
    char out[4] = "xyz";
    EXPECT_EQ(kavo::smart_sprint(out, sizeof out, 12345.0, 0), 3);
    EXPECT_STREQ(out, "123");
    EXPECT_EQ(kavo::smart_sprint(out, 0, 1.0, 0) + kavo::smart_sprint(nullptr, 10, 1.0, 0), 0);
}

TEST(UpcaseNordic, OnlyAsciiAndNordicLettersChangeNotTheirNeighbours)
{
    char text[] = "S\xe4\xe4t\xf6 \xe5 abc-123 \xfc`xyz{";
    kavo::upcase_nordic(text);
    EXPECT_STREQ(text, "S\xc4\xc4T\xd6 \xc5 ABC-123 \xfc`XYZ{");
    kavo::upcase_nordic(nullptr);
    EXPECT_TRUE(kavo::ascii_iequal("aZ", "Az", 3));
    EXPECT_TRUE(kavo::ascii_iequal("Az", "aZ", 3)) << "either side may hold the small letter";
    EXPECT_FALSE(kavo::ascii_iequal("{", "[", 2));
    EXPECT_FALSE(kavo::ascii_iequal("`", "@", 2));
}

} // namespace
