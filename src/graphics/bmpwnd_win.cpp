// The QBMPWND window: shows any image file that GDI+ reads, centred, and
// scaled down into the window (keeping its aspect) when it does not fit.
// Its state lives in the window's first extra slot.
#include <windows.h>

#include <gdiplus.h>

#include "util/module_state.h"
#include "graphics/bmpwnd_win.h"
#include "kavoapi.h"
#include "util/gwmem.h"
#include "util/guard.h"
#include "util/placement.h"

namespace kavo {
namespace bmpwnd_win {

using namespace Gdiplus::DllExports;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;

bool class_registered = false;

bmpwnd_state *state_of(HWND window)
{
    return window ? reinterpret_cast<bmpwnd_state *>(GetWindowLongPtrA(window, 0)) : nullptr;
}

void drop_image(bmpwnd_state *state)
{
    if (state && state->image) {
        GdipDisposeImage(state->image);
        state->image = nullptr;
    }
}

void paint(HWND window, HDC hdc)
{
    bmpwnd_state *state = state_of(window);
    RECT client;
    GetClientRect(window, &client);
    if (!state || client.right <= 0)
        return;
    if (state->fill_background)
        FillRect(hdc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    UINT iw = 0, ih = 0;
    if (!state->image || GdipGetImageWidth(state->image, &iw) != Gdiplus::Ok ||
        GdipGetImageHeight(state->image, &ih) != Gdiplus::Ok || iw == 0 || ih == 0)
        return;
    const kavo::Size area{client.right, client.bottom}, image{static_cast<int>(iw), static_cast<int>(ih)};
    if (area.width < image.width || area.height < image.height)
        state->fit = 1; // sticks until the next image
    const kavo::Rect at = kavo::place_image(area, image, state->fit != 0);
    GpGraphics *graphics = nullptr;
    if (GdipCreateFromHDC(hdc, &graphics) != Gdiplus::Ok)
        return;
    GdipDrawImageRectI(graphics, state->image, at.left, at.top, at.width(), at.height());
    GdipDeleteGraphics(graphics);
}

LRESULT CALLBACK bmpwnd_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_CREATE: {
        auto *state = static_cast<bmpwnd_state *>(gwGmalloc(sizeof(bmpwnd_state), 0));
        if (state)
            *state = bmpwnd_state{};
        SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(state));
        return 0;
    }
    case WM_DESTROY: {
        bmpwnd_state *state = state_of(window);
        drop_image(state);
        gwGfree(state);
        SetWindowLongPtrA(window, 0, 0);
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(window, &ps);
        const int saved = SaveDC(hdc);
        paint(window, hdc);
        RestoreDC(hdc, saved);
        EndPaint(window, &ps);
        return 0;
    }
    default:
        return DefWindowProcA(window, message, wparam, lparam);
    }
}

bmpwnd_state *control_state(HWND dialog, int32_t control_id)
{
    return dialog ? state_of(GetDlgItem(dialog, control_id)) : nullptr;
}

} // namespace bmpwnd_win
} // namespace kavo
