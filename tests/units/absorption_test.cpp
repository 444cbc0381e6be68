// The absorption dialog's rules: reading a typed coefficient, the range
// message and where the dialog opens.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "units/absorption.h"

namespace {

using kavo::CoefficientRead;

TEST(AbsorptionCoefficient, OutOfRangeAndUnreadableTextsAreTold)
{
    const struct {
        const char *typed;
        CoefficientRead result;
        float value;
    } cases[] = {
        {"0,5", CoefficientRead::kAccepted, 0.5f},
        {"0.01", CoefficientRead::kAccepted, 0.01f},
        {"1", CoefficientRead::kAccepted, 1.0f},
        {"1.00000001", CoefficientRead::kAccepted, 1.0f}, // the same float as 1
        {"  0.3  ", CoefficientRead::kAccepted, 0.3f},
        {"0.25abc", CoefficientRead::kAccepted, 0.25f}, // read as "%f" reads it
        {"", CoefficientRead::kOutOfRange, 0},          // empty counts as 0
        {"   ", CoefficientRead::kOutOfRange, 0},
        {"0.0099", CoefficientRead::kOutOfRange, 0},
        {"1.001", CoefficientRead::kOutOfRange, 0},
        {"-0,5", CoefficientRead::kOutOfRange, 0},
        {"1e40", CoefficientRead::kUnreadable, 0},
        {"abc", CoefficientRead::kUnreadable, 0},
        {",", CoefficientRead::kUnreadable, 0},
        {"nan", CoefficientRead::kUnreadable, 0},
    };
    for (const auto &c : cases) {
        char typed[30];
        std::strcpy(typed, c.typed);
        float value = -7.0f;
        EXPECT_EQ(kavo::read_coefficient(typed, &value), c.result) << '"' << c.typed << '"';
        EXPECT_EQ(value, c.result == CoefficientRead::kAccepted ? c.value : -7.0f) << '"' << c.typed << '"';
    }
}

TEST(AbsorptionCoefficient, RangeMessageNeedsRoomForItsTerminator)
{
    char text[40];
    EXPECT_EQ(kavo::coefficient_range_text(text, sizeof text), 15u);
    EXPECT_STREQ(text, "0.01 ... 1.00 !");
    EXPECT_EQ(kavo::coefficient_range_text(text, 15), 0u) << "no room for the terminator";
    EXPECT_STREQ(text, "");
}

TEST(AbsorptionDialogPlacement, NearThePointerWithinTheBounds)
{
    const kavo::ScreenRect screen{0, 0, 1280, 1000};
    const kavo::ScreenRect second{1280, -200, 2560, 824}; // a monitor right of and above the first
    const struct {
        kavo::ScreenPoint pointer;
        int width, height;
        kavo::ScreenRect bounds;
        kavo::ScreenPoint expected;
    } cases[] = {
        {{500, 400}, 300, 150, screen, {450, 350}},
        {{0, 0}, 300, 150, screen, {10, 10}},
        {{1279, 999}, 300, 150, screen, {970, 840}},
        {{1240, 60}, 300, 150, screen, {970, 10}},
        {{1260, 500}, 300, 150, screen, {970, 450}},
        {{2000, -300}, 300, 150, second, {1950, -190}},
        {{1000, 500}, 2000, 1500, screen, {-730, -510}}, // too big: ends inside right and bottom
    };
    for (const auto &c : cases) {
        const kavo::ScreenPoint at = kavo::position_near_pointer(c.pointer, c.width, c.height, c.bounds);
        EXPECT_EQ(at.x, c.expected.x) << c.pointer.x << "," << c.pointer.y;
        EXPECT_EQ(at.y, c.expected.y) << c.pointer.x << "," << c.pointer.y;
    }
}

} // namespace
