// The code page of the current language's character set.  The system font
// set-up chooses it from the font's character set; until then it is 0, the
// ANSI code page, and the language text conversions use it.
#pragma once

#include <cstdint>

namespace kavo {

extern uint32_t language_codepage;

} // namespace kavo
