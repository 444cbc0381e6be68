// The module's dialog-based message boxes: one with a check box and the
// self-closing ones (modal, and modeless in a short or tall form).  They
// share one settings record and one dialog procedure.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <string>

#include "dialogs/box_ids.h"
#include "util/module_state.h"
#include "dialogs/box_dialogs_win.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "util/gwmem.h"

namespace kavo {
namespace box_dialogs_win {

constexpr UINT_PTR kEndTimer = 780;
constexpr UINT_PTR kCountdownTimer = 781;
constexpr int32_t kCountdownTextId = 4118;
constexpr int32_t kOkTextId = 2001;
constexpr std::size_t kCountdownUnits = 80;

BoxSettings &box()
{
    static BoxSettings settings;
    return settings;
}

void show_countdown(HWND dialog)
{
    wchar_t text[200];
    qlg_copy_wsz_def(text, kCountdownTextId, sizeof text, "This window is automatically closing in");
    BoxSettings &settings = box();
    const long long left = static_cast<long long>(settings.seconds) - settings.ticks;
    std::wstring line = std::wstring(text) + L" " + std::to_wstring(left) + L" s";
    line.resize(std::min(line.size(), kCountdownUnits - 1));
    SetDlgItemTextW(dialog, IDC_BOX_COUNTDOWN, line.c_str());
    ++settings.ticks;
}

void stop_timers(HWND dialog)
{
    KillTimer(dialog, kEndTimer);
    KillTimer(dialog, kCountdownTimer);
}

void init_box(HWND dialog)
{
    const BoxSettings &settings = box();
    SetWindowTextA(dialog, module_state().appTitle);
    if (GetDlgItem(dialog, IDC_BOX_MESSAGE))
        SetDlgItemTextW(dialog, IDC_BOX_MESSAGE, settings.message ? settings.message : L"");
    if (GetDlgItem(dialog, IDOK))
        qlg_setdlgitemname_wsz(dialog, IDOK, kOkTextId);
    if (HWND icon = GetDlgItem(dialog, IDC_BOX_ICON))
        SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, MAKEINTRESOURCEW(32516))), 0);
    if (settings.checkText[0] && GetDlgItem(dialog, IDC_BOX_CHECK))
        SetDlgItemTextW(dialog, IDC_BOX_CHECK, settings.checkText);
    if (settings.seconds > 0) {
        box().ticks = 0;
        if (GetDlgItem(dialog, IDC_BOX_COUNTDOWN))
            show_countdown(dialog);
        // Long lives are cut to the platform's longest timer, not wrapped.
        const uint64_t life_ms = std::min<uint64_t>(settings.seconds * 1000ull, USER_TIMER_MAXIMUM);
        SetTimer(dialog, kEndTimer, static_cast<UINT>(life_ms), nullptr);
        SetTimer(dialog, kCountdownTimer, 1000, nullptr);
    }
}

INT_PTR CALLBACK box_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        guarded_void([&] { init_box(dialog); });
        return TRUE;
    case WM_COMMAND: {
        const WORD id = LOWORD(wparam);
        if (id != IDOK && id != IDCANCEL)
            return FALSE;
        if (box().seconds > 0)
            stop_timers(dialog);
        EndDialog(dialog, IsDlgButtonChecked(dialog, IDC_BOX_CHECK) == BST_CHECKED ? 1 : 2);
        return TRUE;
    }
    case WM_TIMER:
        if (wparam == kCountdownTimer) {
            guarded_void([&] { show_countdown(dialog); });
        } else if (wparam == kEndTimer) {
            stop_timers(dialog);
            EndDialog(dialog, 1); // a modeless box is only hidden
        }
        return TRUE;
    default:
        return FALSE;
    }
}

// Clears the settings and copies the message; false when out of memory.
bool prepare_box(const wchar_t *message)
{
    BoxSettings &settings = box();
    settings = BoxSettings{};
    const std::size_t units = (message ? std::wcslen(message) : 0) + 1;
    settings.message = static_cast<wchar_t *>(gwGmalloc(static_cast<int32_t>(units * sizeof(wchar_t)), 381));
    if (!settings.message)
        return false;
    if (message)
        std::memcpy(settings.message, message, units * sizeof(wchar_t));
    else
        settings.message[0] = L'\0';
    return true;
}

void release_message()
{
    box().message = static_cast<wchar_t *>(gwGfree(box().message));
}

INT_PTR run_modal(HWND owner, int template_id)
{
    const INT_PTR result = DialogBoxParamW(module_state().instance, MAKEINTRESOURCEW(template_id), owner, box_proc, 0);
    release_message();
    return result;
}

} // namespace box_dialogs_win
} // namespace kavo
