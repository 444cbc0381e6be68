// What a leak test counts: the process's GDI objects and the thread's
// windows.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kavo_test {

// Wine does not count GDI objects for GetGuiResources, but it takes a
// handle with a zero high word for any generation of its table slot, so its
// live objects can be counted there.
inline DWORD gdi_objects()
{
    if (DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
        return counted;
    DWORD live = 0;
    for (uintptr_t slot = 1; slot <= 0xFFFF; ++slot)
        live += GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0;
    return live;
}

inline BOOL CALLBACK count_window(HWND, LPARAM count)
{
    ++*reinterpret_cast<DWORD *>(count);
    return TRUE;
}

inline DWORD thread_windows()
{
    DWORD count = 0;
    EnumThreadWindows(GetCurrentThreadId(), count_window, reinterpret_cast<LPARAM>(&count));
    return count;
}

} // namespace kavo_test
