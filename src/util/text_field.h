// Fields of a text split at one separator character, and trailing-blank
// trimming.  Shared by the design data primitives, the language texts and
// the dialogs, so the exact edge behaviour below is relied on everywhere.
#pragma once

#include <cstddef>

namespace kavo {

// Copies field n of `text` (split at `separator`) into `out`, at most
// out_size - 1 characters; the rest of an over-long field is skipped.
// Returns the position after the field's separator, or the position of the
// terminating NUL when the field was the last one.  Returns nullptr (and an
// empty out) when the text is absent, n is negative, out_size is below 1,
// the text ends before field n, or field n would begin at the terminating
// NUL: so "a|" has no field 1, while "a||b" has an empty field 1.
const char *text_field(char *out, const char *text, char separator, int n, int out_size);

// The same on UTF-16 texts; out_size is in bytes (at most out_size / 2 - 1
// characters are copied) and must be at least 2.
const char16_t *text_field_w(char16_t *out, const char16_t *text, char16_t separator, int n, int out_size);

// Length of `text` up to its NUL but at most `limit`, less trailing blanks.
// 0 when limit is below 1.
std::size_t trimmed_length(const char *text, int limit);

// Ends the text at its last non-blank character.
void rtrim_blanks(char *text);

// Fills n + 1 bytes of out with NUL and copies trimmed_length(text, n)
// characters of text into it.
void copy_trimmed(char *out, const char *text, int n);

} // namespace kavo
