// The arithmetic of the GWLBHDR header strip: its column borders and the
// character width of its caption font at a strip width.
#pragma once

#include <cstdint>

namespace kavo {

constexpr int kStripMaxColumns = 30;

// Borders 1 .. count - 1 at `width` from the host's ratios, rounded in
// single precision; border 0 is left alone.  count is held to 0 .. 30.
void strip_borders(const float *ratios, int32_t *borders, int count, uint32_t width);

// The caption font's character width: the strip less 4 pixels a column,
// shared among chars_across cells, at most the dialog base width.  A
// chars_across below 1 (which the host must not store) gives that width.
int strip_char_width(uint32_t width, int count, int chars_across, int dialog_cx);

} // namespace kavo
