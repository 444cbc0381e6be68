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
        int16_t current;
        int16_t expected;
    } cases[] = {
        {"SI", kUnitNordic, kUnitSI},
        {"euro", kUnitSI, kUnitEuro},
        {"eurospe", kUnitSI, kUnitEuroSpe},
        {"Nordic units", kUnitUS, kUnitNordic},
        {"us", kUnitNordic, kUnitUS},
        {"US and SI", kUnitNordic, kUnitUS}, // US is tested last
        {"BUSINESS", kUnitSI, kUnitUS},      // contains SI and US
        {"", kUnitEuro, kUnitEuro},
        {"metric", kUnitEuro, kUnitEuro},
        {"n\xE4rdic", kUnitEuro, kUnitEuro}, // only a to z are upper-cased
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(match_unit_system(c.name, c.current), c.expected);
    }
    EXPECT_EQ(match_unit_system(nullptr, kUnitEuro), kUnitEuro);
    // Only the first 99 characters are looked at.
    EXPECT_EQ(match_unit_system((std::string(99, 'x') + "US").c_str(), kUnitSI), kUnitSI);
    EXPECT_EQ(match_unit_system((std::string(97, 'x') + "US").c_str(), kUnitSI), kUnitUS);
}

TEST(UnitSystemName, RoomAttenuation)
{
    const float expected[] = {4.0f, 8.0f, 4.0f, 4.0f, 10.0f};
    for (int16_t system = 0; system < 5; ++system)
        EXPECT_EQ(active_room_attenuation(system), expected[system]) << system;
}

// Exact definitions: the international foot, inch and pound, the US gallon,
// the International Table Btu, the conventional inch of water (1000 kg/m3,
// standard gravity) and a kilogram of water per litre.
constexpr double kFoot = 0.3048;
constexpr double kPound = 0.45359237;
constexpr double kGallonLitres = 3.785411784;
constexpr double kBtuJoules = 1055.05585262;
constexpr double kInchOfWaterPa = 0.0254 * 1000.0 * 9.80665;
constexpr double kCfmLitresPerSecond = kFoot * kFoot * kFoot * 1000.0 / 60.0;
constexpr double kBtuPerHourWatts = kBtuJoules / 3600.0;

// US display value of one base unit, and how close the module's factor comes
// to it (relative).  The factors of the module are rounded to a few digits:
//   cfm 0.472 (1.1e-4), gpm 0.06309 (3.1e-6), cfm/ft 0.6459 (1.0e-4),
//   cfm/ft2 0.1968 (2.6e-4), Btu/h 0.293 (2.4e-4), Btu/h/ft 1.041098845
//   (1.04e-3, the loosest), Btu/h/ft2 0.317 (5.3e-6), lb 2.2046 (1.0e-5),
//   lb/min 0.00756 (1.7e-5); the inch of water, foot, inch, square foot and
//   Fahrenheit are exact up to single precision.
struct UsFactor {
    int32_t property;
    double per_base_unit;
    double tolerance;
};
const UsFactor kUsFactors[] = {
    {10, 1.0 / kInchOfWaterPa, 1e-6},
    {11, 1000.0 / kInchOfWaterPa, 1e-6},
    {12, 1.0 / kCfmLitresPerSecond, 1.2e-4},
    {13, 60.0 / kGallonLitres, 4e-6},
    {14, kFoot / kCfmLitresPerSecond, 1.1e-4},
    {15, kFoot * kFoot / kCfmLitresPerSecond, 2.7e-4},
    {16, 1.0 / kFoot, 1e-6},
    {18, 1.0 / 25.4, 1e-6},
    {19, 60.0 / kFoot, 1e-6},
    {21, 1.8, 1e-6},
    {22, 1.0 / kBtuPerHourWatts, 2.5e-4},
    {23, kFoot / kBtuPerHourWatts, 1.1e-3},
    {24, kFoot * kFoot / kBtuPerHourWatts, 6e-6},
    {30, 1.0 / kPound, 1.1e-5},
    {31, 1.0 / (kFoot * kFoot), 1e-6},
};

double relative_error(double got, double expected)
{
    return std::fabs(got - expected) / std::fabs(expected);
}

TEST(UnitTransformUS, FactorsAgreeWithExactConstants)
{
    for (const UsFactor &f : kUsFactors) {
        for (float base : {1.0f, 0.37f, 250.0f, -12.5f}) {
            SCOPED_TRACE(testing::Message() << "property " << f.property << " value " << base);
            const Transformed shown = unit_transform(kUnitUS, f.property, base, false);
            ASSERT_TRUE(shown.known);
            EXPECT_LT(relative_error(shown.value, base * f.per_base_unit), f.tolerance);
            const Transformed back = unit_transform(kUnitUS, f.property, shown.value, true);
            EXPECT_LT(relative_error(back.value, base), 1e-6);
        }
    }
}

TEST(UnitTransformUS, TemperatureAndUnconvertedIds)
{
    EXPECT_FLOAT_EQ(unit_transform(kUnitUS, 20, 20.0f, false).value, 68.0f);
    EXPECT_FLOAT_EQ(unit_transform(kUnitUS, 20, 68.0f, true).value, 20.0f);
    EXPECT_FLOAT_EQ(unit_transform(kUnitUS, 20, -40.0f, false).value, -40.0f);
    for (int32_t property : {17, 26, 27, 28, 29}) {
        const Transformed t = unit_transform(kUnitUS, property, 42.5f, false);
        EXPECT_TRUE(t.known);
        EXPECT_EQ(t.value, 42.5f) << property;
    }
    for (int32_t property : {25, 32, 9, -1, 100}) {
        const Transformed t = unit_transform(kUnitUS, property, 7.0f, true);
        EXPECT_FALSE(t.known) << property;
        EXPECT_EQ(t.value, 7.0f);
    }
}

TEST(UnitTransformUS, PrecisionOfTheMarkedSteps)
{
    // 31 divides in double by the square of the single-precision foot.
    const double square_foot = double(0.3048f) * double(0.3048f);
    EXPECT_EQ(unit_transform(kUnitUS, 31, 10.0f, false).value, static_cast<float>(10.0 / square_foot));
    EXPECT_EQ(unit_transform(kUnitUS, 23, 3.0f, false).value, static_cast<float>(3.0 * 1.041098845));
    EXPECT_EQ(unit_transform(kUnitUS, 24, 3.0f, true).value, static_cast<float>(3.0 / 0.317));
    // 11 goes through inches of water per pascal first, then scales.
    EXPECT_EQ(unit_transform(kUnitUS, 11, 2.0f, false).value, (2.0f / 249.08891f) * 1000.0f);
}

TEST(UnitTransformMetric, FlowsInCubicMetresPerHourOnlyInEuroSystems)
{
    for (int32_t property : {12, 14, 15}) {
        SCOPED_TRACE(property);
        EXPECT_FLOAT_EQ(unit_transform(kUnitEuro, property, 1.0f, false).value, 3.6f);
        EXPECT_FLOAT_EQ(unit_transform(kUnitEuroSpe, property, 3.6f, true).value, 1.0f);
        EXPECT_EQ(unit_transform(kUnitNordic, property, 1.0f, false).value, 1.0f);
    }
    for (int16_t system : {kUnitEuro, kUnitEuroSpe, kUnitNordic}) {
        for (int32_t property = 10; property <= 31; ++property) {
            if (property == 12 || property == 14 || property == 15)
                continue;
            const Transformed t = unit_transform(system, property, 5.5f, false);
            EXPECT_EQ(t.known, property != 25) << system << "/" << property;
            EXPECT_EQ(t.value, 5.5f);
        }
        EXPECT_FALSE(unit_transform(system, 32, 1.0f, false).known);
        EXPECT_FALSE(unit_transform(system, 9, 1.0f, false).known);
    }
}

TEST(UnitTransformSI, EverythingUnchangedAndKnown)
{
    for (int32_t property : {12, 20, 25, 32, 99, -5}) {
        const Transformed t = unit_transform(kUnitSI, property, 5.0f, false);
        EXPECT_TRUE(t.known);
        EXPECT_EQ(t.value, 5.0f);
    }
}

TEST(LegacyTransform, ValidIdsPerSystem)
{
    const int32_t valid[] = {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 101, 102};
    const int32_t invalid[] = {2, 13, 15, 100, 103, -1};
    for (int16_t system = 0; system < 5; ++system) {
        for (int32_t property : valid)
            EXPECT_TRUE(legacy_transform(system, property, 1.0f, false).known) << system << "/" << property;
        for (int32_t property : invalid) {
            const Transformed t = legacy_transform(system, property, 3.0f, false);
            EXPECT_FALSE(t.known) << system << "/" << property;
            EXPECT_EQ(t.value, 3.0f);
        }
    }
    EXPECT_FLOAT_EQ(legacy_transform(kUnitEuro, 0, 1.0f, false).value, 3.6f);
    EXPECT_FLOAT_EQ(legacy_transform(kUnitEuroSpe, 1, 3.6f, true).value, 1.0f);
    EXPECT_EQ(legacy_transform(kUnitEuro, 11, 1.0f, false).value, 1.0f);
    EXPECT_EQ(legacy_transform(kUnitNordic, 0, 1.0f, false).value, 1.0f);
}

TEST(LegacyTransform, UsFactorsAgreeWithExactConstants)
{
    const UsFactor factors[] = {
        {0, 1.0 / kCfmLitresPerSecond, 1.2e-4}, {1, kFoot / kCfmLitresPerSecond, 1.1e-4},
        {3, 1.0 / kInchOfWaterPa, 1e-6},        {4, 1.0 / kFoot, 1e-6},
        {9, 60.0 / kFoot, 1e-6},                {11, 60.0 / kPound, 2e-5},
        {12, 1.0 / kBtuPerHourWatts, 2.5e-4},   {14, 1.0 / 25.4, 1e-6},
        {101, 1.8, 1e-6},                       {102, kFoot / kBtuPerHourWatts, 1.1e-3},
    };
    for (const UsFactor &f : factors) {
        SCOPED_TRACE(f.property);
        const Transformed shown = legacy_transform(kUnitUS, f.property, 2.5f, false);
        EXPECT_LT(relative_error(shown.value, 2.5 * f.per_base_unit), f.tolerance);
        EXPECT_LT(relative_error(legacy_transform(kUnitUS, f.property, shown.value, true).value, 2.5), 1e-6);
    }
    EXPECT_FLOAT_EQ(legacy_transform(kUnitUS, 10, 100.0f, false).value, 212.0f);
}

TEST(LegacyTransform, WholeFeetAndInches)
{
    const struct {
        int32_t property;
        float metres;
        float expected;
    } cases[] = {
        {5, 1.0f, 3.0f},   {5, 0.46f, 2.0f},  {6, 0.1f, 4.0f},  {6, 0.013f, 1.0f},
        {7, 0.6f, 2.0f},   {8, 0.6f, 0.0f},   // 1 ft 11.6 in: the inches carry
        {7, 0.3f, 1.0f},   {8, 0.3f, 0.0f},   // 11.8 in carry into a foot
        {7, 0.5f, 1.0f},   {8, 0.5f, 8.0f},   // 1 ft 7.7 in
        {7, 1.8288f, 6.0f}, {8, 1.8288f, 0.0f}, {7, 0.0f, 0.0f}, {8, 0.0f, 0.0f},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.property << " " << c.metres);
        EXPECT_EQ(legacy_transform(kUnitUS, c.property, c.metres, false).value, c.expected);
    }
    EXPECT_FLOAT_EQ(legacy_transform(kUnitUS, 5, 2.0f, true).value, 0.6096f);
    EXPECT_FLOAT_EQ(legacy_transform(kUnitUS, 6, 2.0f, true).value, 0.0508f);
    EXPECT_EQ(legacy_transform(kUnitUS, 7, 2.0f, true).value, 2.0f); // display only
    EXPECT_EQ(legacy_transform(kUnitUS, 8, 2.0f, true).value, 2.0f);
}

TEST(RoundTwoDigits, ModesAndMagnitudes)
{
    const struct {
        float display;
        int32_t mode;
        float expected;
    } cases[] = {
        {1234.0f, 0, 1200.0f}, {1234.0f, 1, 1300.0f}, {1234.0f, -1, 1200.0f}, {1250.0f, 0, 1300.0f},
        {9999.0f, -1, 9900.0f}, {1000.0f, 1, 1000.0f}, {47.0f, 0, 47.0f},     {0.0346f, 0, 0.035f},
        {0.0346f, -1, 0.034f},  {3.0f, 1, 3.0f},      {1234.0f, 2, 1234.0f}, {1234.0f, -2, 1234.0f},
        {0.0f, 0, 0.0f},        {-5.0f, 1, -5.0f},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.display << " mode " << c.mode);
        EXPECT_FLOAT_EQ(round_two_digits(c.display, c.mode), c.expected);
    }
}

} // namespace
