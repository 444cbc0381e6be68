// The platform-independent side of fonts: the character set that a
// language name asks for, its code page, and the width estimate of Arial
// text used to lay out labels and memo rows without a device context.
#pragma once

#include <cstdint>

namespace kavo {

// The character set id for a language name ("Swiss-Russian" gives 204);
// 0 for a null, empty or unknown name.
uint16_t charset_for_language(const char *language);

// The code page that belongs to a character set id, before the platform
// is asked whether it has it; 0 for none.
uint32_t codepage_candidate(uint16_t charset);

// Advance of one Windows-1252 character in Arial in tenths of a percent of
// the font height (W is 1000).
int arial_width_permille(uint8_t c);

// The advance of one character at `height`, rounded up on its own.
int arial_char_width(uint8_t c, int height);

// The sum of the rounded-up advances, as a 16-bit number.
uint16_t arial_text_width(const char *text, int height);

} // namespace kavo
