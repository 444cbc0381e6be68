// Small text services shared across the module: the number formatter that
// drops insignificant zeros and the upper-casing that knows the Nordic
// letters of Windows-1252.
#pragma once

#include <cstddef>

namespace kavo {

// In place: a-z become A-Z, and the Windows-1252 letters 228, 246 and 229
// (a umlaut, o umlaut, a ring) become 196, 214 and 197.  Other bytes stay.
void upcase_nordic(char *text);

// Compares two texts ignoring the case of the ASCII letters only, up to
// their ends or `limit` characters, whichever comes first.
bool ascii_iequal(const char *a, const char *b, std::size_t limit = static_cast<std::size_t>(-1));

// Formats value with `decimals` digits after the point (negative: six),
// removes trailing zeros and then a bare point, and turns "-0" into "0".
// At most size - 1 characters are stored; returns the length stored.
int smart_sprint(char *buffer, int size, double value, int decimals);
int smart_sprint_w(char16_t *buffer, int size, double value, int decimals);

// Copies src into a fixed field of `capacity` bytes, cutting what does not
// fit; a null src gives an empty field.
void copy_cut(char *field, std::size_t capacity, const char *src);

} // namespace kavo
