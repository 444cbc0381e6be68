// The module-wide settings record.  It lives from load to unload; every
// subsystem reads it here and none keeps a copy.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kavo {

// Receives the out-of-memory reports of the memory blocks.
using ErrorHook = void (*)(int32_t code, const char *text);

struct ModuleState {
    HINSTANCE instance = nullptr;
    ULONG_PTR gdiplusToken = 0;
    const char *messageCaption = nullptr; // caption of the module's own message boxes
    HWND ownerWindow = nullptr;           // owner of those boxes; nothing sets it
    ErrorHook errorHook = nullptr;
    char appTitle[80] = "";
    char searchDir1[300] = "";
    char searchDir2[300] = "";
    char searchDir3[300] = "";
    char iniFileName[300] = "";
    char branchName[100] = "Kavo"; // third component of the registry keys
    int16_t adminMode = 0;         // only stored and handed back
    int16_t unitSystem = 3;        // NORDIC
};

ModuleState &module_state();

inline constexpr const char *kDefaultCaption = "Kavo";

// Process attach and detach, in their fixed order.
void module_attach(HINSTANCE instance);
void module_detach();

} // namespace kavo
