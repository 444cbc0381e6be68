#include "support/dialog_watch.h"

#include <algorithm>

namespace kavo_test {
namespace {

thread_local DialogWatch *current_watch = nullptr;

// Far from the timers the module's own boxes use.
constexpr UINT_PTR kReadTimer = 0x7e57;

std::string class_of(HWND window)
{
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
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

std::string SeenWindow::text(int id) const
{
    for (const auto &control : controls) {
        if (control.first == id)
            return control.second;
    }
    return {};
}

DialogWatch::DialogWatch(WPARAM command) : command_(command)
{
    current_watch = this;
    hook_ = SetWindowsHookExA(WH_CBT, hook_proc, nullptr, GetCurrentThreadId());
}

DialogWatch::~DialogWatch()
{
    if (hook_)
        UnhookWindowsHookEx(hook_);
    current_watch = nullptr;
}

LRESULT CALLBACK DialogWatch::hook_proc(int code, WPARAM wparam, LPARAM lparam)
{
    if (code == HCBT_ACTIVATE && current_watch)
        current_watch->on_activate(reinterpret_cast<HWND>(wparam));
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

bool SeenWindow::visible(int id) const
{
    return std::find(visible_ids.begin(), visible_ids.end(), id) != visible_ids.end();
}

void DialogWatch::on_activate(HWND window)
{
    if (std::find(handled_.begin(), handled_.end(), window) != handled_.end())
        return;
    // Only boxes and dialogs: a test's own frame windows activate too.
    if (class_of(window) != "#32770")
        return;
    handled_.push_back(window);
    // A box can activate before its dialog procedure has set the texts, so
    // read them once its message loop runs.
    SetTimer(window, kReadTimer, 1, read_timer_proc);
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
    seen.class_name = class_of(window);
    seen.caption = window_text(window);
    seen.owner = GetWindow(window, GW_OWNER);
    if (probe_)
        seen.probe_enabled = IsWindowEnabled(probe_) != FALSE;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    {
        seen.controls.emplace_back(GetDlgCtrlID(child), window_text(child));
        if (IsWindowVisible(child) || (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE))
            seen.visible_ids.push_back(GetDlgCtrlID(child));
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
