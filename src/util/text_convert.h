// Cut-to-fit conversions between 8-bit texts in a code page and UTF-16.
#pragma once

#include <windows.h>

namespace kavo {

// Converts `in` from code page `cp` into out, which holds `capacity` UTF-16
// units with the terminator; a text that does not fit is cut.  out is empty
// for a null or empty in.  Returns the units written with the terminator,
// 0 for an empty text or no room.
int to_wide(UINT cp, const char *in, wchar_t *out, int capacity);

// The other way: at most capacity - 1 bytes and a NUL.  Returns the bytes
// written with the NUL, 0 for an empty text or no room.
int to_narrow(UINT cp, const wchar_t *in, char *out, int capacity);

} // namespace kavo
