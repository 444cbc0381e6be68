// The room absorption dialog: the user picks one of the standard classes,
// or "User defined" and types the eight coefficients.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "dialogs/message.h"
#include "util/module_state.h"
#include "units/absorption_dialog_win.h"
#include "kavoapi.h"
#include "units/absorption.h"
#include "units/absorption_ids.h"
#include "util/guard.h"
#include "util/placement.h"
#include "util/gwmem.h"
#include "util/number_text.h"

namespace kavo {
namespace absorption_dialog_win {

constexpr int32_t kTitleTextId = 23002;
constexpr int32_t kGroupTextId = 23004;
constexpr int32_t kOkTextId = 2001;
constexpr int32_t kCancelTextId = 2002;
// Class names are looked up into this many bytes: at most 18 characters.
constexpr int32_t kClassNameBytes = 39;
constexpr WPARAM kCoefficientChars = 16;
// How much of a coefficient edit's text is read, in bytes.
constexpr int kTypedBytes = 30;

AbsorptionDialogState &dialog_state()
{
    static AbsorptionDialogState state;
    return state;
}

HWND coefficient_edit(HWND dialog, int band) { return GetDlgItem(dialog, IDC_ABS_COEFFICIENT + band); }

Rect placement_bounds(HWND dialog)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor))
        return {monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right, monitor.rcWork.bottom};
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) - 20};
}

void place_near_pointer(HWND dialog)
{
    POINT pointer{};
    RECT frame{};
    if (!GetCursorPos(&pointer) || !GetWindowRect(dialog, &frame))
        return;
    const Point at = position_near_pointer({pointer.x, pointer.y}, {frame.right - frame.left, frame.bottom - frame.top},
                                           placement_bounds(dialog));
    SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void fill_class_list(HWND dialog)
{
    SendDlgItemMessageW(dialog, IDC_ABS_CLASS, CB_RESETCONTENT, 0, 0);
    for (const AbsorptionClass &entry : kAbsorptionClassTable) {
        wchar_t name[(kClassNameBytes + 1) / 2] = L"";
        qlg_copy_wsz_def(name, entry.text_id, kClassNameBytes, entry.default_name);
        if (wchar_t *copy = wsz_dup(name)) {
            SendDlgItemMessageW(dialog, IDC_ABS_CLASS, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(copy));
            std::free(copy);
        }
    }
    const int16_t current = dialog_state().choice.current_class;
    if (current >= 0)
        SendDlgItemMessageW(dialog, IDC_ABS_CLASS, CB_SETCURSEL, static_cast<WPARAM>(current), 0);
}

void show_coefficients(HWND dialog)
{
    const AbsorptionChoice &choice = dialog_state().choice;
    const bool editable = coefficients_editable(choice);
    for (int band = 0; band < kAbsorptionBands; ++band) {
        char text[80];
        format_fixed(text, sizeof text, choice.shown[band], 2);
        SetDlgItemTextA(dialog, IDC_ABS_COEFFICIENT + band, text);
        HWND edit = coefficient_edit(dialog, band);
        SendMessageA(edit, EM_LIMITTEXT, kCoefficientChars, 0);
        if ((IsWindowEnabled(edit) != FALSE) != editable)
            EnableWindow(edit, editable);
    }
}

void init_dialog(HWND dialog)
{
    place_near_pointer(dialog);
    qlg_setdlgname_wsz(dialog, kTitleTextId);
    // An empty or missing text leaves the template's text.
    qlg_setdlgitemname_wsz(dialog, IDC_ABS_GROUP, kGroupTextId);
    qlg_setdlgitemname_wsz(dialog, IDOK, kOkTextId);
    qlg_setdlgitemname_wsz(dialog, IDCANCEL, kCancelTextId);
    fill_class_list(dialog);
    show_coefficients(dialog);
}

// Reads band's edit into the shown coefficients.  A value out of range is
// explained to the user; an unreadable one only keeps the dialog open.  The
// caller puts the focus on the edit that failed.
bool read_band(HWND dialog, int band)
{
    char typed[kTypedBytes] = "";
    GetDlgItemTextA(dialog, IDC_ABS_COEFFICIENT + band, typed, sizeof typed);
    const CoefficientRead result = read_coefficient(typed, &dialog_state().choice.shown[band]);
    if (result == CoefficientRead::kAccepted)
        return true;
    if (result == CoefficientRead::kOutOfRange) {
        char text[40];
        coefficient_range_text(text, sizeof text);
        MessageBeep(0);
        info_message(dialog, text);
    }
    return false;
}

void on_ok(HWND dialog)
{
    if (coefficients_editable(dialog_state().choice)) {
        for (int band = 0; band < kAbsorptionBands; ++band) {
            if (!read_band(dialog, band)) {
                SendMessageA(coefficient_edit(dialog, band), EM_SETSEL, 0, -1);
                SetFocus(coefficient_edit(dialog, band));
                return;
            }
        }
    }
    EndDialog(dialog, IDOK);
}

void on_class_chosen(HWND dialog)
{
    const LRESULT chosen = SendDlgItemMessageW(dialog, IDC_ABS_CLASS, CB_GETCURSEL, 0, 0);
    if (chosen < 0)
        return;
    choose_absorption_class(dialog_state().choice, static_cast<int16_t>(chosen));
    show_coefficients(dialog);
}

void on_command(HWND dialog, WORD id, WORD notification)
{
    switch (id) {
    case IDOK:
        on_ok(dialog);
        break;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        break;
    case IDC_ABS_CLASS:
        if (notification == CBN_SELCHANGE)
            on_class_chosen(dialog);
        break;
    default:
        break;
    }
}

INT_PTR CALLBACK absorption_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    AbsorptionDialogState &state = dialog_state();
    switch (message) {
    case WM_INITDIALOG:
        state.busy = true;
        guarded_void([&] { init_dialog(dialog); });
        state.busy = false;
        return TRUE; // the default focus
    case WM_COMMAND:
        if (state.busy)
            return FALSE;
        state.busy = true;
        guarded_void([&] { on_command(dialog, LOWORD(wparam), HIWORD(wparam)); });
        state.busy = false;
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace absorption_dialog_win
} // namespace kavo
