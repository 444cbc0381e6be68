#include "units/absorption.h"

#include <cstring>

#include "units/unit_format.h"
#include "util/number_text.h"
#include "util/text_field.h"

namespace kavo {

const AbsorptionClass kAbsorptionClassTable[kAbsorptionClasses] = {
    {"Dead", 23040, {0.26f, 0.30f, 0.35f, 0.40f, 0.43f, 0.46f, 0.52f, 0.52f}},
    {"Medium dead", 23042, {0.24f, 0.22f, 0.18f, 0.25f, 0.30f, 0.36f, 0.42f, 0.42f}},
    {"Average", 23044, {0.25f, 0.23f, 0.17f, 0.20f, 0.24f, 0.29f, 0.34f, 0.34f}},
    {"Medium live", 23046, {0.25f, 0.23f, 0.15f, 0.15f, 0.17f, 0.20f, 0.23f, 0.23f}},
    {"Live", 23048, {0.26f, 0.24f, 0.12f, 0.10f, 0.09f, 0.11f, 0.13f, 0.13f}},
    {"User defined", 23050, {0, 0, 0, 0, 0, 0, 0, 0}},
};

void absorption_class_coefficients(int16_t class_id, float *out)
{
    if (!out || class_id < 0 || class_id >= kAbsorptionClasses)
        return;
    std::memcpy(out, kAbsorptionClassTable[class_id].coefficients, sizeof(float) * kAbsorptionBands);
}

void room_default_absorption(room &r)
{
    r.rac = kDefaultAbsorptionClass;
    absorption_class_coefficients(kDefaultAbsorptionClass, r.ra);
}

AbsorptionChoice start_absorption_choice(int16_t given_class, const float *given)
{
    AbsorptionChoice choice;
    choice.current_class = given_class;
    std::memcpy(choice.shown, given, sizeof choice.shown);
    if (given_class == kUserDefinedClass)
        std::memcpy(choice.user, given, sizeof choice.user);
    return choice;
}

void choose_absorption_class(AbsorptionChoice &choice, int16_t class_id)
{
    choice.current_class = class_id;
    if (class_id == kUserDefinedClass)
        std::memcpy(choice.shown, choice.user, sizeof choice.shown);
    else
        absorption_class_coefficients(class_id, choice.shown);
}

CoefficientRead read_coefficient(char *typed, float *value)
{
    rtrim_blanks(typed);
    float number = 0;
    if (typed[0] && !read_typed_number(typed, &number))
        return CoefficientRead::kUnreadable;
    if (!(kMinCoefficient <= number && number <= kMaxCoefficient))
        return CoefficientRead::kOutOfRange;
    *value = number;
    return CoefficientRead::kAccepted;
}

std::size_t coefficient_range_text(char *out, std::size_t out_size)
{
    char low[16], high[16];
    format_fixed(low, sizeof low, kMinCoefficient, 2);
    format_fixed(high, sizeof high, kMaxCoefficient, 2);
    const std::size_t length = std::strlen(low) + std::strlen(high) + 7;
    if (!out || out_size <= length) {
        if (out && out_size > 0)
            out[0] = 0;
        return 0;
    }
    std::strcpy(out, low);
    std::strcat(out, " ... ");
    std::strcat(out, high);
    std::strcat(out, " !");
    return length;
}

} // namespace kavo
