// The five unit systems and the choice between them by name.  The hosts
// compute in fixed base units; the unit system decides what the user sees.
#pragma once

#include <cstdint>

namespace kavo {

enum UnitSystem : int16_t {
    kUnitSI = 0,
    kUnitEuro = 1,
    kUnitEuroSpe = 2,
    kUnitNordic = 3, // the system until a host or a setting chooses another
    kUnitUS = 4,
};

// The system a name chooses, or `current` when it names none.  Names are
// found as substrings of the upper-cased text (at most 99 characters), tested
// in the order SI, EURO, EUROSPE, NORDIC, US with the last match winning, so
// "eurospe" gives EUROSPE although it contains EURO.
int16_t match_unit_system(const char *name, int16_t current);

// Sound attenuation of the active room in dB that each system assumes.
float active_room_attenuation(int16_t system);

} // namespace kavo
