// The hint window: a disabled popup that paints a rounded, shaded box
// (GDI+) with up to ten rows of text in the TOOLTIP font, optionally led
// by the pen image.  The owner destroys it.
#include "dialogs/hint_window_win.h"

#include <gdiplus.h>

#include <algorithm>
#include <cwchar>
#include <new>

#include "dialogs/hint_layout.h"
#include "dialogs/memo_rows.h"
#include "kavoapi.h"
#include "util/guard.h"

namespace kavo {

const char kHintClassName[] = "QTBHINT";

namespace {

using namespace Gdiplus::DllExports;

constexpr DWORD kHintStyle = WS_POPUP | WS_DISABLED;
constexpr char kHintFont[] = "TOOLTIP";

const uint16_t *units(const wchar_t *text) { return reinterpret_cast<const uint16_t *>(text); }

// The pen image's file, looked up once per module.
const wchar_t *pen_image_file()
{
    static bool searched = false;
    static wchar_t file[300];
    if (!searched) {
        searched = true;
        if (qa_findfilew(file, L"pen.png", 0) != 1)
            file[0] = 0;
    }
    return file[0] ? file : nullptr;
}

void draw_box(HDC dc, const RECT &client)
{
    Gdiplus::GpGraphics *graphics = nullptr;
    if (GdipCreateFromHDC(dc, &graphics) != Gdiplus::Ok)
        return;
    GdipSetSmoothingMode(graphics, Gdiplus::SmoothingModeAntiAlias);
    const int left = client.left, top = client.top;
    const int width = client.right - client.left, height = client.bottom - client.top;
    const int d = std::min(5, std::min(width, height));
    Gdiplus::GpPath *path = nullptr;
    GdipCreatePath(Gdiplus::FillModeAlternate, &path);
    GdipAddPathArcI(path, left, top, d, d, 180, 90);
    GdipAddPathArcI(path, left - 1 + width - d, top, d, d, 270, 90);
    GdipAddPathArcI(path, left - 1 + width - d, top - 1 + height - d, d, d, 0, 90);
    GdipAddPathArcI(path, left, top - 1 + height - d, d, d, 90, 90);
    GdipClosePathFigure(path);
    const Gdiplus::Rect area(left, top, width, height);
    Gdiplus::GpLineGradient *brush = nullptr;
    GdipCreateLineBrushFromRectWithAngleI(&area, 0xFFFFFFFF, 0xFFE6E6F0, 90, TRUE, Gdiplus::WrapModeTile, &brush);
    Gdiplus::GpPen *pen = nullptr;
    GdipCreatePen1(0xFF767676, 1, Gdiplus::UnitWorld, &pen);
    if (brush)
        GdipFillPath(graphics, brush, path);
    if (pen)
        GdipDrawPath(graphics, pen, path);
    GdipDeletePen(pen);
    GdipDeleteBrush(brush);
    GdipDeletePath(path);
    GdipDeleteGraphics(graphics);
}

// Draws the pen image and gives the text offset it takes.
int draw_pen_image(HDC dc)
{
    const wchar_t *file = pen_image_file();
    if (!file)
        return 0;
    Gdiplus::GpImage *image = nullptr;
    Gdiplus::GpGraphics *graphics = nullptr;
    int offset = 0;
    if (GdipLoadImageFromFile(file, &image) == Gdiplus::Ok && GdipCreateFromHDC(dc, &graphics) == Gdiplus::Ok) {
        GdipDrawImageRectI(graphics, image, 4, 2, kHintPenWidth, kHintPenWidth);
        offset = kHintPenWidth;
    }
    if (graphics)
        GdipDeleteGraphics(graphics);
    if (image)
        GdipDisposeImage(image);
    return offset;
}

void paint_hint(HWND window, const wchar_t *text)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    draw_box(dc, client);
    const bool pen = hint_has_pen_marker(units(text));
    const int text_x = kHintTextX + (pen ? draw_pen_image(dc) : 0);
    qafont_select(dc, kHintFont);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    qat_memoinfo memo;
    memo_init16(&memo, hint_body(units(text)), 0, kHintRowUnits);
    uint16_t row[kHintRowUnits];
    for (int y = 1; y < 1 + kHintMaxRows * kHintRowHeight &&
                    memo_next_row16(&memo, row, kHintRowUnits, nullptr) == 1;
         y += kHintRowHeight)
        TextOutW(dc, text_x, y, reinterpret_cast<const wchar_t *>(row), static_cast<int>(wcslen(reinterpret_cast<const wchar_t *>(row))));
    EndPaint(window, &ps);
}

LRESULT CALLBACK hint_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_CREATE:
        SetWindowLongPtrA(window, 0, 0);
        return 0;
    case WM_DESTROY:
        delete[] reinterpret_cast<wchar_t *>(GetWindowLongPtrA(window, 0));
        SetWindowLongPtrA(window, 0, 0);
        return 0;
    case WM_PAINT:
        if (const auto *text = reinterpret_cast<const wchar_t *>(GetWindowLongPtrA(window, 0))) {
            guarded_void([&] { paint_hint(window, text); });
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

} // namespace

ATOM register_hint_class(HINSTANCE instance)
{
    WNDCLASSA wc{};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_SAVEBITS;
    wc.lpfnWndProc = hint_window_proc;
    wc.cbWndExtra = 2 * sizeof(void *);
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kHintClassName;
    return RegisterClassA(&wc);
}

HWND create_hint_window(HWND owner, const wchar_t *text)
{
    if (!text || !text[0])
        return nullptr;
    qafont_check(kHintFont, "Courier New", "", 12, 0, 0, 0, 0, 0);
    const Size box = hint_box_size(units(text));
    POINT cursor{};
    GetCursorPos(&cursor);
    const Rect screen = Rect::at({GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN)},
                                 {GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)});
    const Point at = hint_position({cursor.x, cursor.y}, box, screen);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    HWND hint = CreateWindowExA(0, kHintClassName, "", kHintStyle, at.x, at.y, box.width, box.height, owner,
                                nullptr, instance, nullptr);
    if (!hint)
        return nullptr;
    const std::size_t length = wcslen(text);
    if (auto *copy = new (std::nothrow) wchar_t[length + 1]) {
        wmemcpy(copy, text, length + 1);
        SetWindowLongPtrA(hint, 0, reinterpret_cast<LONG_PTR>(copy));
    }
    ShowWindow(hint, SW_SHOWNOACTIVATE);
    return hint;
}

} // namespace kavo
