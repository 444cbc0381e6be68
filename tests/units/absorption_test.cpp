// The absorption dialog's rules: reading a typed coefficient and the range
// message (where it opens is a placement test in util).
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

} // namespace
