// The platform side of the label and table exports.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kavo {
namespace labels_win {

using GlyphOut = void (*)(HDC hdc, int x, int y, uint8_t ch);

void glyph_a(HDC hdc, int x, int y, uint8_t ch);
void glyph_w(HDC hdc, int x, int y, uint8_t ch);
void line(HDC hdc, int x1, int y1, int x2, int y2);
uint16_t draw_label(HDC hdc, int32_t x, int32_t y, const char *text, const char *main_font,
                    const char *small_font, int32_t align, GlyphOut glyph);

} // namespace labels_win
} // namespace kavo
