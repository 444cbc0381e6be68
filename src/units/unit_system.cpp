#include "units/unit_system.h"

#include <cstring>

namespace kavo {

int16_t match_unit_system(const char *name, int16_t current)
{
    if (!name)
        return current;
    char upper[100];
    std::size_t length = strnlen(name, sizeof upper - 1);
    for (std::size_t i = 0; i < length; ++i) {
        const char c = name[i];
        upper[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    upper[length] = 0;

    static const struct {
        const char *name;
        int16_t system;
    } kNames[] = {
        {"SI", kUnitSI}, {"EURO", kUnitEuro}, {"EUROSPE", kUnitEuroSpe}, {"NORDIC", kUnitNordic}, {"US", kUnitUS},
    };
    int16_t system = current;
    for (const auto &entry : kNames) {
        if (std::strstr(upper, entry.name))
            system = entry.system;
    }
    return system;
}

float active_room_attenuation(int16_t system)
{
    switch (system) {
    case kUnitEuro:
        return 8.0f;
    case kUnitUS:
        return 10.0f;
    default:
        return 4.0f;
    }
}

} // namespace kavo
