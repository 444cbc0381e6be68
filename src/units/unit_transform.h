// Transformation of values between the base units in which the hosts compute
// and the display units of a unit system.  Two families with their own
// property numbering: the current one (ids 10 to 32, used by the formatting
// and the unit-aware controls) and the older one still used by the feet and
// inch formatting and by the two-digit rounding.
#pragma once

#include <cstdint>

namespace kavo {

// A transformed value; `known` is false for a property id that the system
// does not define, and `value` is then the input unchanged.
struct Transformed {
    float value;
    bool known;
};

// The current family: ids 10 to 32.  Every id is known in system 0, where
// nothing is converted.
Transformed unit_transform(int16_t system, int32_t property, float value, bool to_base);

// The older family: ids 0, 1, 3 to 12, 14, 101 and 102.
Transformed legacy_transform(int16_t system, int32_t property, float value, bool to_base);

// The display value rounded to two significant digits: down (mode -1), to
// nearest (0) or up (1); any other mode, and values that are not positive,
// come back unchanged.
float round_two_digits(float display, int32_t mode);

} // namespace kavo
