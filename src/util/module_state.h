// The module-wide settings record: plain data that lives from load to
// unload.  Every subsystem reads it here and none keeps a copy; the DLL's
// attach and detach and the settings exports (in frame/) write it.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kavo {

// Receives the out-of-memory reports of the memory blocks.
using ErrorHook = void (*)(int32_t code, const char *text);

inline constexpr const char *kDefaultCaption = "Kavo";

struct ModuleState {
    HINSTANCE instance = nullptr;
    ULONG_PTR gdiplusToken = 0;
    const char *messageCaption = kDefaultCaption; // caption of the module's own message boxes
    HWND ownerWindow = nullptr;                   // owner of those boxes; nothing sets it
    ErrorHook errorHook = nullptr;
    char appTitle[80] = "";
    char searchDir1[300] = "";
    char searchDir2[300] = "";
    char searchDir3[300] = "";
    char iniFileName[300] = "";
    char branchName[100] = "Kavo"; // third component of the registry keys
    int16_t adminMode = 0;         // only stored and handed back
    int16_t unitSystem = 3;        // NORDIC
    // The code page of the current language's character set.  The system
    // font set-up chooses it from the font's character set; until then it is
    // 0, the ANSI code page, and the language text conversions use it.
    uint32_t languageCodepage = 0;
};

inline ModuleState &module_state()
{
    static ModuleState state;
    return state;
}

} // namespace kavo
