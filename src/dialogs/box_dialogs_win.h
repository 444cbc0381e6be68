// The check box and the timed boxes, for their exports: the settings every
// box shares and the dialog procedure.
#pragma once

#include <windows.h>
#include <algorithm>
#include <cstring>
#include <cwchar>
#include <string>
#include "dialogs/box_ids.h"
#include "util/module_state.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "util/gwmem.h"

namespace kavo {
namespace box_dialogs_win {

constexpr std::size_t kCheckTextUnits = 300;

// Shared by every box: a second box opened while a modeless one still
// counts down takes over its seconds and ticks.
struct BoxSettings {
    wchar_t *message = nullptr; // gwGmalloc copy, alive during the call
    wchar_t checkText[kCheckTextUnits] = L"";
    uint32_t seconds = 0;
    uint32_t ticks = 0;
};

BoxSettings &box();

INT_PTR CALLBACK box_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM);

// Clears the settings and copies the message; false when out of memory.
bool prepare_box(const wchar_t *message);

void release_message();

INT_PTR run_modal(HWND owner, int template_id);

} // namespace box_dialogs_win
} // namespace kavo
