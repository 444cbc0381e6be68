#include "units/unit_transform.h"

#include <cmath>

#include "units/unit_system.h"

namespace kavo {
namespace {

// One arithmetic step of a conversion.  The factors were fixed long ago with
// a few digits each and the stored designs depend on them, so they stay as
// they are, as does the precision in which each step runs: single precision,
// except where a step is marked double.
struct Step {
    enum Op : uint8_t { kNone, kMul, kDiv, kAdd, kSub } op;
    double factor;
    bool in_double;
};

struct Conversion {
    Step to_display[2];
    Step to_base[2];
};

constexpr Step mul(double k, bool in_double = false) { return {Step::kMul, k, in_double}; }
constexpr Step div(double k, bool in_double = false) { return {Step::kDiv, k, in_double}; }
constexpr Step add(double k) { return {Step::kAdd, k, false}; }
constexpr Step sub(double k) { return {Step::kSub, k, false}; }

constexpr Conversion scaled_down(double k) { return {{div(k)}, {mul(k)}}; }
constexpr Conversion scaled_up(double k, bool in_double = false) { return {{mul(k, in_double)}, {div(k, in_double)}}; }

// A square foot in square metres, squared in double from the single-precision
// foot.
const double kSquareFoot = double(0.3048f) * double(0.3048f);

const Conversion kUnchanged = {};
const Conversion kCubicMetresPerHour = {{div(1000), mul(3600)}, {div(3600), mul(1000)}};
const Conversion kInchOfWater = scaled_down(249.08891);
const Conversion kInchOfWaterFromKilopascal = {{div(249.08891), mul(1000)}, {mul(249.08891), div(1000)}};
const Conversion kCfm = scaled_down(0.472);
const Conversion kGpm = scaled_down(0.06309);
const Conversion kCfmPerFoot = scaled_up(0.6459);
const Conversion kCfmPerSquareFoot = scaled_up(0.1968);
const Conversion kFoot = scaled_down(0.3048);
const Conversion kInch = scaled_down(25.4);
const Conversion kFeetPerMinute = {{div(0.3048), mul(60)}, {mul(0.3048), div(60)}};
const Conversion kFahrenheit = {{mul(1.8), add(32)}, {sub(32), div(1.8)}};
const Conversion kFahrenheitDifference = scaled_up(1.8);
const Conversion kBtuPerHour = scaled_down(0.293);
const Conversion kBtuPerHourFoot = scaled_up(1.041098845, true);
const Conversion kBtuPerHourSquareFoot = scaled_up(0.317, true);
const Conversion kPound = scaled_up(2.2046);
const Conversion kPoundPerMinute = scaled_down(0.00756);
const Conversion kSquareFootArea = {{div(kSquareFoot, true)}, {mul(kSquareFoot, true)}};

float apply(float value, const Step &step)
{
    if (step.in_double) {
        const double v = value;
        return static_cast<float>(step.op == Step::kMul ? v * step.factor : v / step.factor);
    }
    const float k = static_cast<float>(step.factor);
    switch (step.op) {
    case Step::kMul:
        return value * k;
    case Step::kDiv:
        return value / k;
    case Step::kAdd:
        return value + k;
    case Step::kSub:
        return value - k;
    case Step::kNone:
        break;
    }
    return value;
}

Transformed run(const Conversion *conversion, float value, bool to_base)
{
    if (!conversion)
        return {value, false};
    for (const Step &step : to_base ? conversion->to_base : conversion->to_display)
        value = apply(value, step);
    return {value, true};
}

// Current family, systems 1 to 3: only the air flows change, and only in the
// systems that show them in m3/h.
const Conversion *metric_conversion(int16_t system, int32_t property)
{
    switch (property) {
    case 12:
    case 14:
    case 15:
        return system == kUnitNordic ? &kUnchanged : &kCubicMetresPerHour;
    case 25:
        return nullptr;
    default:
        return property >= 10 && property <= 31 ? &kUnchanged : nullptr;
    }
}

const Conversion *us_conversion(int32_t property)
{
    switch (property) {
    case 10: return &kInchOfWater;
    case 11: return &kInchOfWaterFromKilopascal;
    case 12: return &kCfm;
    case 13: return &kGpm;
    case 14: return &kCfmPerFoot;
    case 15: return &kCfmPerSquareFoot;
    case 16: return &kFoot;
    case 18: return &kInch;
    case 19: return &kFeetPerMinute;
    case 20: return &kFahrenheit;
    case 21: return &kFahrenheitDifference;
    case 22: return &kBtuPerHour;
    case 23: return &kBtuPerHourFoot;
    case 24: return &kBtuPerHourSquareFoot;
    case 30: return &kPound;
    case 31: return &kSquareFootArea;
    case 17:
    case 26:
    case 27:
    case 28:
    case 29:
        return &kUnchanged;
    default:
        return nullptr;
    }
}

bool is_legacy_id(int32_t property)
{
    return property == 0 || property == 1 || (property >= 3 && property <= 12) || property == 14 ||
           property == 101 || property == 102;
}

const Conversion *legacy_us_conversion(int32_t property)
{
    switch (property) {
    case 0: return &kCfm;
    case 1: return &kCfmPerFoot;
    case 3: return &kInchOfWater;
    case 4: return &kFoot;
    case 9: return &kFeetPerMinute;
    case 10: return &kFahrenheit;
    case 11: return &kPoundPerMinute;
    case 12: return &kBtuPerHour;
    case 14: return &kInch;
    case 101: return &kFahrenheitDifference;
    case 102: return &kBtuPerHourFoot;
    default:
        return nullptr;
    }
}

// The whole-feet and whole-inch forms of a length in metres.  Twelve rounded
// inches carry into the next foot.  The feet part runs in single precision,
// the inch part in double: both as the formatted lengths always came out.
float whole_feet_of(float metres)
{
    const float feet = std::floor(metres / 0.3048f);
    const float inches = std::floor((metres - feet * 0.3048f) / 0.0254f + 0.5f);
    return std::fabs(inches - 12.0f) < 1e-6f ? feet + 1.0f : feet;
}

float inch_part_of(float metres)
{
    const double feet = std::floor(metres / 0.3048);
    const double inches = std::floor((metres - feet * 0.3048) / 0.0254 + 0.5);
    return std::fabs(inches - 12.0) < 1e-6 ? 0.0f : static_cast<float>(inches);
}

Transformed legacy_us_transform(int32_t property, float value, bool to_base)
{
    switch (property) {
    case 5:
        return {to_base ? value * 0.3048f : std::floor(value / 0.3048f + 0.5f), true};
    case 6:
        return {to_base ? value * 0.0254f : std::floor(value / 0.0254f + 0.5f), true};
    case 7:
        return {to_base ? value : whole_feet_of(value), true};
    case 8:
        return {to_base ? value : inch_part_of(value), true};
    default:
        return run(legacy_us_conversion(property), value, to_base);
    }
}

} // namespace

Transformed unit_transform(int16_t system, int32_t property, float value, bool to_base)
{
    switch (system) {
    case kUnitSI:
        return {value, true};
    case kUnitUS:
        return run(us_conversion(property), value, to_base);
    default:
        return run(metric_conversion(system, property), value, to_base);
    }
}

Transformed legacy_transform(int16_t system, int32_t property, float value, bool to_base)
{
    if (system == kUnitUS)
        return legacy_us_transform(property, value, to_base);
    if (!is_legacy_id(property))
        return {value, false};
    const bool m3h = (system == kUnitEuro || system == kUnitEuroSpe) && (property == 0 || property == 1);
    return run(m3h ? &kCubicMetresPerHour : &kUnchanged, value, to_base);
}

float round_two_digits(float display, int32_t mode)
{
    if (!(display > 0) || mode < -1 || mode > 1)
        return display;
    const double d = display;
    const double p = std::pow(10.0, std::floor(std::log10(d)) - 1.0);
    double steps = d / p;
    if (mode < 0)
        steps = std::floor(steps);
    else if (mode == 0)
        steps = std::floor(steps + 0.5);
    else
        steps = std::ceil(steps);
    return static_cast<float>(steps * p);
}

} // namespace kavo
