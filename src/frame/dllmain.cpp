#include <windows.h>

#include "dialogs/hint_window_win.h"
#include "frame/module_state.h"
#include "listwnd/header_strip_win.h"
#include "listwnd/listwnd_win.h"
#include "listwnd/syscolor_cache_win.h"
#include "util/guard.h"

// The loader calls this under its lock; it never refuses to load, and thread
// notifications change nothing.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    kavo::guarded_void([&] {
        if (reason == DLL_PROCESS_ATTACH) {
            kavo::module_attach(instance);
            kavo::syscolor_cache_attach();
            kavo::register_header_strip_class(instance);
            kavo::register_list_class(instance);
            kavo::register_hint_class(instance);
        } else if (reason == DLL_PROCESS_DETACH) {
            kavo::syscolor_cache_detach();
            kavo::module_detach();
        }
    });
    return TRUE;
}
