#include <windows.h>

#include "frame/module_state.h"
#include "util/guard.h"

// The loader calls this under its lock; it never refuses to load, and thread
// notifications change nothing.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    kavo::guarded_void([&] {
        if (reason == DLL_PROCESS_ATTACH)
            kavo::module_attach(instance);
        else if (reason == DLL_PROCESS_DETACH)
            kavo::module_detach();
    });
    return TRUE;
}
