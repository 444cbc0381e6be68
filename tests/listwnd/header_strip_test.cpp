// The header strip's borders and caption font size at a width.
#include <gtest/gtest.h>

#include "listwnd/header_strip.h"

namespace {

TEST(HeaderStrip, BordersFollowTheRatiosAndBorderZeroStays)
{
    const float ratios[30] = {0.9f, 0.25f, 0.5f, 0.333f};
    int32_t borders[4] = {-7, 0, 0, 0};
    kavo::strip_borders(ratios, borders, 3, 600);
    EXPECT_EQ(borders[0], -7);
    EXPECT_EQ(borders[1], 150);
    EXPECT_EQ(borders[2], 300);
    EXPECT_EQ(borders[3], 0) << "only count - 1 borders";
    int32_t many[30] = {};
    kavo::strip_borders(ratios, many, 1000, 600); // a count beyond the table is held to it
}

TEST(HeaderStrip, CharacterWidthSharesTheStripLessFourPixelsAColumn)
{
    const struct {
        uint32_t width;
        int count, across, dialog_cx, expected;
    } cases[] = {
        {599, 3, 98, 8, 5},  // (599 - 12) / 98 = 5.99
        {600, 3, 50, 8, 8},  // 11 is held to the dialog unit
        {10, 3, 5, 8, 0},    // narrower than the margins: truncated toward zero
        {600, 3, 0, 8, 8},   // no cells: the dialog unit
    };
    for (const auto &c : cases)
        EXPECT_EQ(kavo::strip_char_width(c.width, c.count, c.across, c.dialog_cx), c.expected) << c.width;
}

} // namespace
