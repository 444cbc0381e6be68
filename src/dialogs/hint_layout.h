// The hint window's size and place, worked out without a window: rows of
// at most 49 characters, at most ten of them, widths estimated for the
// 12-pixel fixed-pitch hint font, and a place near the mouse that keeps
// the box on the virtual screen.
#pragma once

#include <cstdint>

#include "util/geometry.h"

namespace kavo {

constexpr int kHintRowHeight = 16;
constexpr int kHintMaxRows = 10;
constexpr int kHintRowUnits = 50; // row buffer: 49 characters and a terminator
constexpr int kHintTextX = 5;
constexpr int kHintPenWidth = 14;

// A text holding "[PEN]" is shown without its first five characters and
// led by the pen image.
bool hint_has_pen_marker(const uint16_t *text);
const uint16_t *hint_body(const uint16_t *text);

Size hint_box_size(const uint16_t *text);
// Cursor plus (2, 20), moved inside the virtual screen with margins of 10
// (30 at the bottom).
Point hint_position(Point cursor, Size box, const Rect &virtual_screen);

} // namespace kavo
