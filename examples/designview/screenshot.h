// The picture of a window as it stands on the screen, saved as PNG.
#pragma once

#include <windows.h>

namespace designview {

// Paints the window and its children now, lets pending messages run and
// copies the window's screen rectangle (frame and menu included) into a
// PNG file through GDI+.  False when the copy or the file failed.
bool save_window_png(HWND window, const wchar_t *file);

} // namespace designview
