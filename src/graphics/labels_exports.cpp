// Label, line and table exports, drawn with the named fonts and pens.
#include <windows.h>
#include "graphics/label_markup.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "graphics/labels_win.h"

using namespace kavo;
using namespace kavo::labels_win;

extern "C" uint16_t WINAPI qa_drawlabel(HDC hdc, int32_t x, int32_t y, const char *text, const char *main_font,
                                        const char *small_font, int32_t align) noexcept
{
    return guarded<uint16_t>(0, [&] { return draw_label(hdc, x, y, text, main_font, small_font, align, glyph_a); });
}

extern "C" uint16_t WINAPI qa_drawlabelw(HDC hdc, int32_t x, int32_t y, const char *text, const char *main_font,
                                         const char *small_font, int32_t align) noexcept
{
    return guarded<uint16_t>(0, [&] { return draw_label(hdc, x, y, text, main_font, small_font, align, glyph_w); });
}

extern "C" int32_t WINAPI qa_drawline(HDC hdc, int16_t x1, int16_t y1, int16_t x2, int16_t y2,
                                      const char *pen) noexcept
{
    return guarded<int32_t>(0, [&] {
        qapen_select(hdc, pen);
        MoveToEx(hdc, x1, y1, nullptr);
        return static_cast<int32_t>(LineTo(hdc, x2, y2));
    });
}

extern "C" int32_t WINAPI qa_drawtable(HDC hdc, int16_t x, int16_t y, int32_t column_width, int32_t row_height,
                                       int16_t rows, int16_t columns, const char *grid_pen,
                                       const char *frame_pen) noexcept
{
    return guarded<int32_t>(0, [&] {
        // Every coordinate is a signed 16-bit number, as the platform's
        // 16-bit drawing had it.
        auto cut = [](int64_t v) { return static_cast<int16_t>(v); };
        const int16_t right = cut(x + int64_t{column_width} * columns);
        const int16_t bottom = cut(y + int64_t{row_height} * rows);
        qapen_select(hdc, grid_pen);
        for (int r = 0; r <= rows; ++r) {
            const int16_t row_y = cut(y + int64_t{r} * row_height);
            line(hdc, x, row_y, right, row_y);
        }
        for (int c = 0; c <= columns; ++c) {
            const int16_t column_x = cut(x + int64_t{c} * column_width);
            line(hdc, column_x, y, column_x, bottom);
        }
        qapen_select(hdc, frame_pen);
        MoveToEx(hdc, x, y, nullptr);
        LineTo(hdc, right, y);
        LineTo(hdc, right, bottom);
        LineTo(hdc, x, bottom);
        return static_cast<int32_t>(LineTo(hdc, x, y));
    });
}
