// Small text services shared across the module: the number formatter that
// drops insignificant zeros and the upper-casing that knows the Nordic
// letters of Windows-1252.
#pragma once

#include <cstddef>

namespace kavo {

// In place: a-z become A-Z, and the Windows-1252 letters 228, 246 and 229
// (a umlaut, o umlaut, a ring) become 196, 214 and 197.  Other bytes stay.
void upcase_nordic(char *text);

// Formats value with `decimals` digits after the point (negative: six),
// removes trailing zeros and then a bare point, and turns "-0" into "0".
// At most size - 1 characters are stored; returns the length stored.
int smart_sprint(char *buffer, int size, double value, int decimals);
int smart_sprint_w(char16_t *buffer, int size, double value, int decimals);

} // namespace kavo
