// What a leak test counts: the process's GDI objects, the thread's windows
// and the bytes in use on the process's heaps.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kavo_test {

// Wine's GetGuiResources counts no GDI objects, but it takes a handle with a
// zero high word for any generation of its table slot.
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

// Every heap: the module allocates from the C runtime's, the platform from its own.
inline SIZE_T heap_bytes_in_use()
{
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    SIZE_T used = 0;
    for (DWORD i = 0; i < count && i < 64; ++i) {
        PROCESS_HEAP_ENTRY entry{};
        HeapLock(heaps[i]);
        while (HeapWalk(heaps[i], &entry))
            used += (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) ? entry.cbData : 0;
        HeapUnlock(heaps[i]);
    }
    return used;
}

} // namespace kavo_test
