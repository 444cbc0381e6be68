// Exports of the QBMPWND window: its class, and the picture and background
// of one in a dialog.
#include <windows.h>
#include <gdiplus.h>
#include "util/module_state.h"
#include "kavoapi.h"
#include "util/gwmem.h"
#include "util/guard.h"
#include "util/placement.h"
#include "graphics/bmpwnd_win.h"

using namespace kavo;
using namespace kavo::bmpwnd_win;
using namespace Gdiplus::DllExports;
using Gdiplus::GpImage;

extern "C" int32_t WINAPI gdi_bmpw_registerclass(HINSTANCE instance) noexcept
{
    return guarded<int32_t>(0, [&] {
        if (class_registered)
            return 0;
        WNDCLASSA wc{};
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = bmpwnd_proc;
        wc.cbWndExtra = sizeof(LONG_PTR); // the state pointer
        wc.hInstance = instance;
        wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kClassName;
        class_registered = RegisterClassA(&wc) != 0;
        return 0;
    });
}

extern "C" void WINAPI gdi_bmpctrl_setbmp(HWND dialog, int32_t control_id, const char *file_name,
                                          int32_t fit) noexcept
{
    guarded_void([&] {
        HWND control = dialog ? GetDlgItem(dialog, control_id) : nullptr;
        if (!control)
            return;
        bmpwnd_state *state = state_of(control);
        drop_image(state);
        if (state && file_name && *file_name) {
            state->fit = static_cast<uint8_t>(fit);
            WCHAR wide[300];
            if (MultiByteToWideChar(CP_ACP, 0, file_name, -1, wide, 300) == 0)
                wide[0] = 0;
            wide[299] = 0;
            GpImage *image = nullptr;
            if (wide[0] && GdipLoadImageFromFile(wide, &image) == Gdiplus::Ok)
                state->image = image;
        }
        InvalidateRect(control, nullptr, TRUE);
    });
}

extern "C" void WINAPI gdi_bmpctrl_set_white_bkg(HWND dialog, int32_t control_id) noexcept
{
    guarded_void([&] {
        if (bmpwnd_state *state = control_state(dialog, control_id))
            state->fill_background = 1;
    });
}
