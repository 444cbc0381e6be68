// The room absorption classes: five standard classes with built-in
// coefficients for the octave bands 63 Hz to 8 kHz, and a "User defined"
// class whose coefficients the user types in.
#pragma once

#include <cstddef>
#include <cstdint>

#include "kavoapi_records.h"

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

// ---- the absorption dialog's rules --------------------------------------

// What the dialog shows: the chosen class and its eight coefficients.  The
// user class's values given at the start come back whenever the user
// returns to it; for any other given class it starts from zeros.
struct AbsorptionChoice {
    int16_t current_class = 0;
    float shown[kAbsorptionBands] = {};
    float user[kAbsorptionBands] = {};
};

AbsorptionChoice start_absorption_choice(int16_t given_class, const float *given);

// Shows the class's table values, or the user values for the user class.
void choose_absorption_class(AbsorptionChoice &choice, int16_t class_id);

// Only the user class's coefficients are typed in.
inline bool coefficients_editable(const AbsorptionChoice &choice)
{
    return choice.current_class == kUserDefinedClass;
}

// Coefficients typed by the user must lie in this range, both ends included.
inline constexpr float kMinCoefficient = 0.01f;
inline constexpr float kMaxCoefficient = 1.0f;

enum class CoefficientRead { kAccepted, kUnreadable, kOutOfRange };

// Reads a typed coefficient: trailing blanks are ignored, a comma counts as
// the decimal point and an empty text as 0.  `typed` is rewritten in place.
// *value is set only when the result is kAccepted.
CoefficientRead read_coefficient(char *typed, float *value);

// The message shown for a coefficient out of range: "0.01 ... 1.00 !".
// Returns the length, 0 when out is too small.
std::size_t coefficient_range_text(char *out, std::size_t out_size);

} // namespace kavo
