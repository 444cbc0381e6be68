// Labels, single lines and ruled tables drawn with the named fonts and
// pens.  The label walker decides what goes where; this file only draws.
#include <windows.h>

#include "graphics/label_markup.h"
#include "kavoapi.h"
#include "util/guard.h"

namespace kavo {
namespace {

constexpr int kDefaultMainHeight = 30;
constexpr int kDefaultSmallHeight = 18;

using GlyphOut = void (*)(HDC hdc, int x, int y, uint8_t ch);

void glyph_a(HDC hdc, int x, int y, uint8_t ch)
{
    const char one = static_cast<char>(ch);
    TextOutA(hdc, x, y, &one, 1);
}

// The byte is a Windows-1252 character whatever the system's code page.
void glyph_w(HDC hdc, int x, int y, uint8_t ch)
{
    const char one = static_cast<char>(ch);
    wchar_t wide = 0;
    if (MultiByteToWideChar(1252, 0, &one, 1, &wide, 1) == 1)
        TextOutW(hdc, x, y, &wide, 1);
}

void line(HDC hdc, int x1, int y1, int x2, int y2)
{
    MoveToEx(hdc, x1, y1, nullptr);
    LineTo(hdc, x2, y2);
}

uint16_t draw_label(HDC hdc, int32_t x, int32_t y, const char *text, const char *main_font,
                    const char *small_font, int32_t align, GlyphOut glyph)
{
    SetTextAlign(hdc, static_cast<UINT>(align));
    int small_height = qafont_select(hdc, small_font);
    int main_height = qafont_select(hdc, main_font);
    if (small_height == 0)
        small_height = kDefaultSmallHeight;
    if (main_height == 0)
        main_height = kDefaultMainHeight;
    LabelWalker walker(text, x, y, main_height, small_height, (align & 8) != 0);
    LabelStep step;
    while (walker.next(&step)) {
        switch (step.kind) {
        case LabelStep::small_font:
            qafont_select(hdc, small_font);
            break;
        case LabelStep::main_font:
            qafont_select(hdc, main_font);
            break;
        case LabelStep::glyph:
            glyph(hdc, step.x, step.y, step.ch);
            break;
        case LabelStep::delta: // with the pen the caller selected
            MoveToEx(hdc, step.x, step.y, nullptr);
            LineTo(hdc, step.x + step.size, step.y);
            LineTo(hdc, step.x + step.size / 2, step.y - step.size);
            LineTo(hdc, step.x, step.y);
            break;
        }
    }
    return qafont_select(hdc, main_font);
}

} // namespace
} // namespace kavo

using namespace kavo;

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
