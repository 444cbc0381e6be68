// The unit system of the Windows module: chosen by the user's profile in
// the registry or by the host's ini file, and shown messages for unknown
// property ids.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kavo {

// Sets the unit system from the registry value "unitSystem" of the user
// profile or, when that cannot be read, from the key "Units" of section
// "SETTINGS" of the host's ini file (default "NORDIC").
void readUnitSystemSetting();

// The label of property in the current system into a buffer of at least 22
// bytes; an unknown id shows its message and leaves out as it was.
void current_unit_label(int32_t property, char *out);

} // namespace kavo
