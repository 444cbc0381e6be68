// Labels, single lines and ruled tables drawn with the named fonts and
// pens.  The label walker decides what goes where; this file only draws.
#include <windows.h>

#include "graphics/label_markup.h"
#include "graphics/labels_win.h"
#include "kavoapi.h"
#include "util/guard.h"

namespace kavo {
namespace labels_win {

constexpr int kDefaultMainHeight = 30;
constexpr int kDefaultSmallHeight = 18;

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

} // namespace labels_win
} // namespace kavo
