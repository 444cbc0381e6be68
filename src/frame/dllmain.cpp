#include <windows.h>

#include <gdiplus.h>

#include "dialogs/hint_window_win.h"
#include "files/download_win.h"
#include "graphics/fonts_pens.h"
#include "listwnd/header_strip_win.h"
#include "listwnd/listwnd_win.h"
#include "listwnd/syscolor_cache_win.h"
#include "util/guard.h"
#include "util/module_state.h"

namespace {

void module_attach(HINSTANCE instance)
{
    kavo::ModuleState &state = kavo::module_state();
    // GDI+ draws the bitmap windows; its result is not looked at.
    Gdiplus::GdiplusStartupInput gdiplus_input;
    Gdiplus::GdiplusStartup(&state.gdiplusToken, &gdiplus_input, nullptr);
    state.ownerWindow = nullptr;
    state.instance = instance;
    state.messageCaption = nullptr;
    state.errorHook = nullptr;
    kavo::model_cache_reset();
    state.messageCaption = kavo::kDefaultCaption;
}

void module_detach()
{
    kavo::fonts_release_all();
    kavo::pens_release_all();
    kavo::model_cache_reset();
    Gdiplus::GdiplusShutdown(kavo::module_state().gdiplusToken);
}

} // namespace

// The loader calls this under its lock; it never refuses to load, and thread
// notifications change nothing.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    kavo::guarded_void([&] {
        if (reason == DLL_PROCESS_ATTACH) {
            module_attach(instance);
            kavo::syscolor_cache_attach();
            kavo::register_header_strip_class(instance);
            kavo::register_list_class(instance);
            kavo::register_hint_class(instance);
        } else if (reason == DLL_PROCESS_DETACH) {
            kavo::syscolor_cache_detach();
            module_detach();
        }
    });
    return TRUE;
}
