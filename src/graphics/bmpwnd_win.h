// The QBMPWND window class, for its exports: the window's state in its
// first extra slot and the procedure the class is registered with.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <cstdint>

namespace kavo {
namespace bmpwnd_win {

constexpr char kClassName[] = "QBMPWND";
extern bool class_registered;

struct bmpwnd_state {
    Gdiplus::GpImage *image;
    uint32_t fill_background;
    uint8_t fit;
};

bmpwnd_state *state_of(HWND window);
void drop_image(bmpwnd_state *state);
LRESULT CALLBACK bmpwnd_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
bmpwnd_state *control_state(HWND dialog, int32_t control_id);

} // namespace bmpwnd_win
} // namespace kavo
