// The GWLBHDR window: a strip of raised column captions above a host's own
// list.  The host fills the strip's record through slot 0 and sends the
// width; the strip scales its borders and its caption font to it.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <iterator>

#include "kavoapi.h"
#include "listwnd/header_strip.h"
#include "listwnd/header_strip_win.h"
#include "listwnd/syscolor_cache_win.h"
#include "util/gwmem.h"
#include "util/text_field.h"

namespace kavo {
namespace {

constexpr int kCaptionUnits = 128;

qlw_header_strip *strip_of(HWND window) { return reinterpret_cast<qlw_header_strip *>(GetWindowLongPtrW(window, 0)); }

int column_count(const qlw_header_strip &strip) { return std::clamp(strip.column_count, 0, kStripMaxColumns); }

void delete_font(qlw_header_strip &strip)
{
    if (!strip.fixed_font && strip.font) {
        DeleteObject(static_cast<HFONT>(strip.font));
        strip.font = nullptr;
    }
}

void set_width(qlw_header_strip &strip, uint32_t width)
{
    strip_borders(strip.column_ratio, strip.column_x, strip.column_count, width);
    if (strip.fixed_font)
        return;
    const int cw = strip_char_width(width, strip.column_count, strip.chars_across, LOWORD(GetDialogBaseUnits()));
    delete_font(strip);
    strip.font = CreateFontW(2 * cw, cw, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Courier new");
}

void vertical(HDC dc, HPEN pen, int x, int bottom)
{
    SelectObject(dc, pen);
    MoveToEx(dc, x, 0, nullptr);
    LineTo(dc, x, bottom);
}

void draw_text(HDC dc, int x, int y, UINT align, const char16_t *text)
{
    SetTextAlign(dc, align);
    const auto *wide = reinterpret_cast<const wchar_t *>(text);
    TextOutW(dc, x, y, wide, static_cast<int>(wcslen(wide)));
}

void paint_strip(HDC dc, const qlw_header_strip &strip, const RECT &client)
{
    const int saved = SaveDC(dc);
    HPEN light = syscolor_pen(COLOR_BTNHIGHLIGHT), shadow = syscolor_pen(COLOR_BTNSHADOW);
    HPEN face = syscolor_pen(COLOR_BTNFACE);
    const int right = client.right, bottom = client.bottom;
    SelectObject(dc, light);
    MoveToEx(dc, 0, bottom, nullptr);
    LineTo(dc, 0, 0);
    LineTo(dc, right, 0);
    SelectObject(dc, shadow);
    MoveToEx(dc, 0, bottom - 1, nullptr);
    LineTo(dc, right - 1, bottom - 1);
    LineTo(dc, right - 1, 0);
    const int count = column_count(strip);
    for (int i = 1; i < count; ++i) {
        const int x = strip.column_x[i];
        vertical(dc, face, x, bottom);
        vertical(dc, shadow, x - 1, bottom);
        vertical(dc, light, x + 1, bottom);
        vertical(dc, shadow, x, bottom);
    }
    SelectObject(dc, strip.fixed_font || !strip.font ? GetStockObject(DEFAULT_GUI_FONT) : strip.font);
    SetBkMode(dc, TRANSPARENT);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int middle = (client.top + bottom) / 2;
    const int base = metrics.tmHeight / 2 + middle;
    // The host may have filled every unit of the captions.
    char16_t captions[std::size(qlw_header_strip{}.caption) + 1];
    std::memcpy(captions, strip.caption, sizeof strip.caption);
    captions[std::size(captions) - 1] = 0;
    char16_t caption[kCaptionUnits], first[kCaptionUnits], second[kCaptionUnits];
    for (int i = 0; i < count; ++i) {
        if (!text_field_w(caption, captions, u'|', i, sizeof caption))
            continue;
        const int next = i + 1 < count ? strip.column_x[i + 1] : right;
        const int centre = (strip.column_x[i] + next) / 2;
        text_field_w(second, caption, u'\\', 1, sizeof second);
        if (second[0]) {
            text_field_w(first, caption, u'\\', 0, sizeof first);
            draw_text(dc, centre, middle, TA_CENTER | TA_BOTTOM, first);
            draw_text(dc, centre, middle, TA_CENTER | TA_TOP, second);
        } else {
            draw_text(dc, centre, base, TA_CENTER | TA_BOTTOM, caption);
        }
    }
    RestoreDC(dc, saved);
}

LRESULT CALLBACK header_strip_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    qlw_header_strip *strip = message == WM_CREATE ? nullptr : strip_of(window);
    switch (message) {
    case WM_CREATE: {
        auto *fresh = static_cast<qlw_header_strip *>(gwGmalloc(sizeof(qlw_header_strip), 0));
        if (!fresh)
            return -1;
        std::memset(fresh, 0, sizeof *fresh);
        SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(fresh));
        return 0;
    }
    case WM_DESTROY:
        if (strip) {
            delete_font(*strip);
            gwGfree(strip);
            SetWindowLongPtrW(window, 0, 0);
        }
        return 0;
    case WM_PAINT:
        if (!strip)
            break;
        {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            RECT client;
            GetClientRect(window, &client);
            paint_strip(dc, *strip, client);
            EndPaint(window, &ps);
        }
        return 0;
    case QLW_HDR_SETWIDTH:
        if (strip)
            set_width(*strip, static_cast<uint32_t>(wparam));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

} // namespace

ATOM register_header_strip_class(HINSTANCE instance)
{
    WNDCLASSW wc{};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = header_strip_proc;
    wc.cbWndExtra = sizeof(void *);
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"GWLBHDR";
    return RegisterClassW(&wc);
}

} // namespace kavo
