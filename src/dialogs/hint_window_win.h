// The QTBHINT hint window that a list window shows at the mouse.
#pragma once

#include <windows.h>

namespace kavo {

extern const char kHintClassName[]; // "QTBHINT"

ATOM register_hint_class(HINSTANCE instance);

// Shows a hint with its own copy of text near the cursor, owned by
// `owner`, without activating it; null for an empty text or on failure.
HWND create_hint_window(HWND owner, const wchar_t *text);

} // namespace kavo
