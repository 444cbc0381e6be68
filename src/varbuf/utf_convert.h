// UTF-16 <-> UTF-8 for the identity text of a design, without the
// platform: the same results as the Windows code page conversions with
// CP_UTF8 (a lone surrogate or an invalid byte sequence becomes U+FFFD, one
// per maximal ill-formed part).
#pragma once

#include <cstddef>
#include <cstdint>

namespace kavo {

// Converts text[0..length) (stopping early at a NUL) into out, at most
// out_size - 1 bytes and a NUL; a character that would not fit whole ends
// the text.  Returns the number of bytes written.  An out of 4 * length + 4
// bytes always suffices.
std::size_t utf16_to_utf8(const uint16_t *text, std::size_t length, char *out, std::size_t out_size);

// Converts the NUL-terminated UTF-8 text into at most max_units UTF-16
// units of out; a NUL follows only when there is room for it.  A pair that
// would not fit whole ends the text.  Returns the number of units written.
std::size_t utf8_to_utf16(const char *text, uint16_t *out, std::size_t max_units);

} // namespace kavo
