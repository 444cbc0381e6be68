// Closes the message boxes and dialogs that a call raises on this thread,
// after reading their texts, through a WH_CBT hook (the way Wine's own
// conformance tests do): no test ever waits for a person.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kavo_test {

struct SeenWindow {
    std::string caption;
    std::map<int, std::string> controls; // the text of each child id, the first in Z order
    std::set<int> visible_ids;
    bool probe_enabled = true; // see DialogWatch::set_probe
    HWND owner = nullptr;

    std::string text(int id) const { return controls.count(id) ? controls.at(id) : ""; }
    // A platform message box's message (its static 0xFFFF).
    std::string message() const { return text(0xFFFF); }
    bool visible(int id) const { return visible_ids.count(id) != 0; }
};

class DialogWatch {
public:
    // Each box is ended with WM_COMMAND `command` once read, or handed to
    // the action when one is set.
    explicit DialogWatch(WPARAM command = IDOK);
    ~DialogWatch();
    DialogWatch(const DialogWatch &) = delete;
    DialogWatch &operator=(const DialogWatch &) = delete;

    // Records whether `probe` was enabled while each box was up: task-modal
    // boxes disable the thread's other top-level windows.
    void set_probe(HWND probe) { probe_ = probe; }
    void set_action(std::function<void(HWND)> action) { action_ = std::move(action); }
    const std::vector<SeenWindow> &seen() const { return seen_; }

private:
    static LRESULT CALLBACK hook_proc(int code, WPARAM wparam, LPARAM lparam);
    static void CALLBACK read_timer_proc(HWND window, UINT, UINT_PTR id, DWORD);
    void read_and_close(HWND window);

    HHOOK hook_ = nullptr;
    WPARAM command_;
    HWND probe_ = nullptr;
    std::function<void(HWND)> action_;
    std::set<HWND> handled_;
    std::vector<SeenWindow> seen_;
};

// Runs queued and posted messages (timers, posted commands) for a while.
void pump_messages(DWORD milliseconds);

std::string window_text(HWND window);
std::string item_text(HWND parent, int id);

// `name` in the temporary folder.
std::string temp_path(const std::string &name);

} // namespace kavo_test
