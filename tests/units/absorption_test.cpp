// The absorption dialog's rules: which values a chosen class shows, reading
// a typed coefficient and the range message.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "units/absorption.h"

namespace {

using kavo::CoefficientRead;

TEST(AbsorptionChoice, UserClassGetsBackTheValuesGivenAtTheStartOthersTheirTable)
{
    const float given[8] = {0.30f, 0.31f, 0.32f, 0.33f, 0.34f, 0.35f, 0.36f, 0.37f};
    const float zeros[8] = {};
    const struct {
        int16_t given_class;
        std::vector<int16_t> chosen;
        const float *shown;
        bool editable;
    } cases[] = {
        {2, {}, given, false}, // the table is applied only when the class changes
        {5, {}, given, true},
        {0, {3}, kavo::kAbsorptionClassTable[3].coefficients, false},
        {5, {2, 5}, given, true},
        {1, {5}, zeros, true},
    };
    for (const auto &c : cases) {
        kavo::AbsorptionChoice choice = kavo::start_absorption_choice(c.given_class, given);
        for (int16_t chosen : c.chosen)
            kavo::choose_absorption_class(choice, chosen);
        const int16_t last = c.chosen.empty() ? c.given_class : c.chosen.back();
        SCOPED_TRACE(testing::Message() << c.given_class << " then " << last);
        EXPECT_EQ(choice.current_class, last);
        EXPECT_EQ(std::memcmp(choice.shown, c.shown, sizeof choice.shown), 0);
        EXPECT_EQ(kavo::coefficients_editable(choice), c.editable);
    }
}

TEST(AbsorptionCoefficient, OutOfRangeAndUnreadableTextsAreTold)
{
    const struct {
        const char *typed;
        CoefficientRead result;
        float value;
    } cases[] = {
        {"0,5", CoefficientRead::kAccepted, 0.5f},    {"0.01", CoefficientRead::kAccepted, 0.01f},
        {"1", CoefficientRead::kAccepted, 1.0f},      {"0.0099", CoefficientRead::kOutOfRange, 0},
        {"1.001", CoefficientRead::kOutOfRange, 0},   {"", CoefficientRead::kOutOfRange, 0}, // empty counts as 0
        {"   ", CoefficientRead::kOutOfRange, 0},     {"1e40", CoefficientRead::kUnreadable, 0},
        {"abc", CoefficientRead::kUnreadable, 0},     {"nan", CoefficientRead::kUnreadable, 0},
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
