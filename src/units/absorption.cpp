#include "units/absorption.h"

#include <cstring>

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

} // namespace kavo
