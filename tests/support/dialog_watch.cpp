#include "support/dialog_watch.h"

namespace kavo_test {
namespace {

thread_local DialogWatch *current_watch = nullptr;

// Far from the timers the module's own boxes use.
constexpr UINT_PTR kReadTimer = 0x7e57;

bool is_dialog(HWND window)
{
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    return std::string(name) == "#32770";
}

} // namespace

std::string window_text(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string item_text(HWND parent, int id) { return window_text(GetDlgItem(parent, id)); }

std::string temp_path(const std::string &name)
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    return folder + name;
}

DialogWatch::DialogWatch(WPARAM command) : command_(command)
{
    current_watch = this;
    hook_ = SetWindowsHookExA(WH_CBT, hook_proc, nullptr, GetCurrentThreadId());
}

DialogWatch::~DialogWatch()
{
    UnhookWindowsHookEx(hook_);
    current_watch = nullptr;
}

LRESULT CALLBACK DialogWatch::hook_proc(int code, WPARAM wparam, LPARAM lparam)
{
    // Only boxes and dialogs, each once: a test's own frames activate too.
    const HWND window = reinterpret_cast<HWND>(wparam);
    if (code == HCBT_ACTIVATE && current_watch && is_dialog(window) && current_watch->handled_.insert(window).second) {
        // A box activates before its dialog procedure has set the texts:
        // read them once its message loop runs.
        SetTimer(window, kReadTimer, 1, read_timer_proc);
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

void CALLBACK DialogWatch::read_timer_proc(HWND window, UINT, UINT_PTR id, DWORD)
{
    KillTimer(window, id);
    if (current_watch)
        current_watch->read_and_close(window);
}

void DialogWatch::read_and_close(HWND window)
{
    SeenWindow seen;
    seen.caption = window_text(window);
    seen.owner = GetWindow(window, GW_OWNER);
    seen.probe_enabled = !probe_ || IsWindowEnabled(probe_);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        seen.controls.emplace(GetDlgCtrlID(child), window_text(child));
        if (IsWindowVisible(child) || (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE))
            seen.visible_ids.insert(GetDlgCtrlID(child));
    }
    seen_.push_back(seen);
    if (action_)
        action_(window);
    else
        PostMessageA(window, WM_COMMAND, command_, 0);
}

void pump_messages(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    MSG msg;
    for (;;) { // at least once: pump_messages(0) runs what is queued now
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (GetTickCount() - start >= milliseconds)
            return;
        Sleep(5);
    }
}

} // namespace kavo_test
