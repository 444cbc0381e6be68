// Unit systems and transformations of the portable core, checked against
// conversion constants derived here from their definitions rather than
// against the factors the code uses.
#include "units/unit_system.h"
#include "units/unit_transform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace kavo;

namespace {

TEST(UnitSystemName, SubstringsTestedInOrderLastMatchWins)
{
    const struct {
        const char *name;
        int16_t current, expected;
    } cases[] = {
        {"eurospe", kUnitSI, kUnitEuroSpe}, {"Euro", kUnitSI, kUnitEuro},  {"US and SI", kUnitNordic, kUnitUS},
        {"metric", kUnitEuro, kUnitEuro},   {"", kUnitEuro, kUnitEuro},    {"n\xE4rdic", kUnitEuro, kUnitEuro},
        {nullptr, kUnitUS, kUnitUS},        {"nordic", kUnitUS, kUnitNordic},
    };
    for (const auto &c : cases)
        EXPECT_EQ(match_unit_system(c.name, c.current), c.expected) << (c.name ? c.name : "null");
    // Only the first 99 characters are looked at.
    EXPECT_EQ(match_unit_system((std::string(98, 'x') + "US").c_str(), kUnitSI), kUnitSI);
    EXPECT_EQ(match_unit_system((std::string(97, 'x') + "US").c_str(), kUnitSI), kUnitUS);
}

// Exact definitions: the international foot and pound, the US gallon, the
// International Table Btu, the conventional inch of water (1000 kg/m3 under
// standard gravity) and a kilogram of water per litre.
constexpr double kFoot = 0.3048;
constexpr double kPound = 0.45359237;
constexpr double kCfm = kFoot * kFoot * kFoot * 1000.0 / 60.0; // in l/s
constexpr double kBtuPerHour = 1055.05585262 / 3600.0;          // in W
constexpr double kInchOfWaterInPa = 0.0254 * 1000.0 * 9.80665;

// The US display value of one base unit (older property family or not);
// the tolerance is how far the module's long-rounded factor may stray.
const struct {
    bool legacy;
    int32_t property;
    double per_base_unit, tolerance;
} kUsFactors[] = {
    {false, 10, 1 / kInchOfWaterInPa, 1e-6}, {false, 11, 1000 / kInchOfWaterInPa, 1e-6},
    {false, 12, 1 / kCfm, 1.2e-4}, {false, 13, 60 / 3.785411784, 4e-6}, {false, 14, kFoot / kCfm, 1.1e-4},
    {false, 15, kFoot * kFoot / kCfm, 2.7e-4}, {false, 16, 1 / kFoot, 1e-6}, {false, 18, 1 / 25.4, 1e-6},
    {false, 19, 60 / kFoot, 1e-6}, {false, 21, 1.8, 1e-6}, {false, 22, 1 / kBtuPerHour, 2.5e-4},
    {false, 23, kFoot / kBtuPerHour, 1.1e-3}, {false, 24, kFoot * kFoot / kBtuPerHour, 6e-6},
    {false, 30, 1 / kPound, 1.1e-5}, {false, 31, 1 / (kFoot * kFoot), 1e-6}, {true, 0, 1 / kCfm, 1.2e-4},
    {true, 1, kFoot / kCfm, 1.1e-4}, {true, 3, 1 / kInchOfWaterInPa, 1e-6}, {true, 4, 1 / kFoot, 1e-6},
    {true, 9, 60 / kFoot, 1e-6}, {true, 11, 60 / kPound, 2e-5}, {true, 12, 1 / kBtuPerHour, 2.5e-4},
    {true, 14, 1 / 25.4, 1e-6}, {true, 101, 1.8, 1e-6}, {true, 102, kFoot / kBtuPerHour, 1.1e-3},
};

double relative_error(double got, double expected)
{
    return std::fabs(got - expected) / std::fabs(expected);
}

TEST(UnitTransformUS, FactorsAgreeWithExactConstantsBothWaysAndEveryStepRoundsToFloat)
{
    for (const auto &f : kUsFactors) {
        const auto transform = f.legacy ? legacy_transform : unit_transform;
        for (float base : {1.0f, 0.37f, -250.0f}) {
            SCOPED_TRACE(testing::Message() << (f.legacy ? "older " : "") << f.property << " of " << base);
            const Transformed shown = transform(kUnitUS, f.property, base, false);
            ASSERT_TRUE(shown.known);
            EXPECT_LT(relative_error(shown.value, base * f.per_base_unit), f.tolerance);
            EXPECT_LT(relative_error(transform(kUnitUS, f.property, shown.value, true).value, base), 1e-6);
        }
    }
    EXPECT_FLOAT_EQ(unit_transform(kUnitUS, 20, 20.0f, false).value, 68.0f);
    EXPECT_FLOAT_EQ(unit_transform(kUnitUS, 20, 68.0f, true).value, 20.0f);
    EXPECT_FLOAT_EQ(legacy_transform(kUnitUS, 10, 100.0f, false).value, 212.0f);
    // Every step rounds to single precision: a build that keeps wider
    // intermediates between the steps (the x87) gives 80.2926178 and
    // 0.101599999 instead.
    EXPECT_EQ(unit_transform(kUnitUS, 11, 20.0f, false).value, 0x1.412ba2p+6f); // 80.2926102
    EXPECT_EQ(legacy_transform(kUnitUS, 9, 20.0f, true).value, 0x1.a02754p-4f); // 0.101600006
}

TEST(UnitTransform, UnknownIdsGiveTheValueBackUnchanged)
{
    for (int16_t system = 0; system < 5; ++system) {
        for (int32_t property = 5; property <= 35; ++property) {
            const bool known = system == kUnitSI || (property >= 10 && property <= 31 && property != 25);
            const Transformed t = unit_transform(system, property, 7.0f, true);
            EXPECT_EQ(t.known, known) << system << "/" << property;
            if (!known || (system == kUnitUS && (property == 17 || (property >= 26 && property <= 29)))) {
                EXPECT_EQ(t.value, 7.0f) << system << "/" << property;
            }
        }
    }
}

TEST(UnitTransform, FlowsInCubicMetresPerHourOnlyInEuroSystems)
{
    for (int32_t property : {12, 14, 15}) {
        EXPECT_FLOAT_EQ(unit_transform(kUnitEuro, property, 1.0f, false).value, 3.6f);
        EXPECT_FLOAT_EQ(unit_transform(kUnitEuroSpe, property, 3.6f, true).value, 1.0f);
        EXPECT_EQ(unit_transform(kUnitNordic, property, 1.0f, false).value, 1.0f);
    }
    EXPECT_EQ(unit_transform(kUnitEuro, 20, 1.0f, false).value, 1.0f);
    EXPECT_FLOAT_EQ(legacy_transform(kUnitEuroSpe, 1, 1.0f, false).value, 3.6f);
    EXPECT_EQ(legacy_transform(kUnitEuro, 11, 1.0f, false).value, 1.0f);
    EXPECT_EQ(legacy_transform(kUnitNordic, 0, 1.0f, false).value, 1.0f);
}

TEST(LegacyTransform, InvalidIdsInEverySystem)
{
    for (int16_t system = 0; system < 5; ++system) {
        for (int32_t property : {2, 13, 15, 100, 103, -1}) {
            const Transformed t = legacy_transform(system, property, 3.0f, false);
            EXPECT_FALSE(t.known) << system << "/" << property;
            EXPECT_EQ(t.value, 3.0f);
        }
        for (int32_t property : {0, 1, 3, 8, 12, 14})
            EXPECT_TRUE(legacy_transform(system, property, 1.0f, false).known) << system << "/" << property;
    }
}

TEST(LegacyTransform, WholeFeetAndInchesCarryTwelveInches)
{
    const struct {
        int32_t property;
        float metres, expected;
    } cases[] = {
        {5, 1.0f, 3.0f},  {6, 0.1f, 4.0f},  {7, 0.6f, 2.0f}, {8, 0.6f, 0.0f},
        {7, 0.5f, 1.0f},  {8, 0.5f, 8.0f},  {7, 1.8288f, 6.0f}, {8, 1.8288f, 0.0f},
    };
    for (const auto &c : cases)
        EXPECT_EQ(legacy_transform(kUnitUS, c.property, c.metres, false).value, c.expected)
            << c.property << " of " << c.metres;
    EXPECT_FLOAT_EQ(legacy_transform(kUnitUS, 5, 2.0f, true).value, 0.6096f);
    EXPECT_EQ(legacy_transform(kUnitUS, 8, 2.0f, true).value, 2.0f) << "display only";
}

TEST(RoundTwoDigits, RoundingModesKeepTwoDigitsAtEveryMagnitude)
{
    const struct {
        float display;
        int32_t mode;
        float expected;
    } cases[] = {
        {1234.0f, 0, 1200.0f}, {1234.0f, 1, 1300.0f}, {1234.0f, -1, 1200.0f}, {9999.0f, -1, 9900.0f},
        {1000.0f, 1, 1000.0f}, {0.0346f, 0, 0.035f},  {0.0346f, -1, 0.034f},  {1234.0f, 2, 1234.0f},
        {-5.0f, 1, -5.0f},
    };
    for (const auto &c : cases)
        EXPECT_FLOAT_EQ(round_two_digits(c.display, c.mode), c.expected) << c.display << " mode " << c.mode;
}

} // namespace
