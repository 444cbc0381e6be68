// Where windows and images go: the arithmetic of placing and fitting, in
// the core's geometry so that it is tested without a window.  The window
// code converts to RECT and POINT at its edge.
#pragma once

#include "util/geometry.h"

namespace kavo {

// Where a window of `size` goes so that it opens under the mouse pointer
// (its corner 50 pixels up and left of it) but keeps 10 pixels off every
// edge of `bounds`; a window too big for that ends 10 pixels inside the
// right and bottom edges.
Point position_near_pointer(Point pointer, Size size, const Rect &bounds);

// The rectangle of an image in an area: centred at its own size, or, when
// `fit`, scaled to fill the area's width or height keeping its aspect and
// centred along the other.
Rect place_image(Size area, Size image, bool fit);

// Where a bitmap of `bitmap` pixels is drawn, relative to the point asked
// for: at its own size when no width is asked, as asked when both are, and
// with the height from its aspect when only the width is.  A positive
// `device_per_logical` (device pixels per logical unit) keeps that last
// case from enlarging the bitmap beyond its own pixels: it is then drawn at
// that size, centred in the rectangle it would have filled.
Rect bitmap_draw_rect(Size asked, Size bitmap, float device_per_logical);

} // namespace kavo
