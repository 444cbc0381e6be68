// Memo texts cut into rows that fit a width counted in characters or
// measured with the Arial estimate.  Carriage returns end lines; other
// control characters are blanks inside a row and skipped at its start;
// rows break after the last blank, comma or semicolon that fits.
#pragma once

#include <cstddef>
#include <cstdint>

#include "kavoapi_records.h"

namespace kavo {

// Width of the first n UTF-16 units of a row in pixels at a height; the
// shell measures through the ANSI code page.
using MemoMeasure16 = int (*)(const uint16_t *row, std::size_t n, int height);

void memo_init(qat_memoinfo *info, const char *text, uint16_t font_height, uint16_t max_width);
void memo_init16(qat_memoinfo *info, const uint16_t *text, uint16_t font_height, uint16_t max_width);

// Writes the next row (at most size - 1 characters and a NUL) and gives 1,
// or an empty text and 0 when the memo is used up.  A size below 2 gives 0.
int memo_next_row(qat_memoinfo *info, char *row, uint32_t size);
int memo_next_row16(qat_memoinfo *info, uint16_t *row, uint32_t size, MemoMeasure16 measure);

} // namespace kavo
