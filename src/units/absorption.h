// The room absorption classes: five standard classes with built-in
// coefficients for the octave bands 63 Hz to 8 kHz, and a "User defined"
// class whose coefficients the user types in.
#pragma once

#include <cstdint>

#define KAVOAPI_RECORDS_ONLY
#include "kavoapi.h"
#undef KAVOAPI_RECORDS_ONLY

namespace kavo {

inline constexpr int kAbsorptionBands = 8;
inline constexpr int kAbsorptionClasses = 6;
inline constexpr int16_t kUserDefinedClass = 5;
inline constexpr int16_t kDefaultAbsorptionClass = 2;

struct AbsorptionClass {
    const char *default_name;
    int text_id; // language text of the name
    float coefficients[kAbsorptionBands];
};

// Classes 0 to 5 in id order.
extern const AbsorptionClass kAbsorptionClassTable[kAbsorptionClasses];

// Fills out[0..7] with the class's coefficients (zeros for the user class);
// an unknown id leaves out unchanged.
void absorption_class_coefficients(int16_t class_id, float *out);

// RAC := the default class, RA0..RA7 := its coefficients.
void room_default_absorption(room &r);

} // namespace kavo
