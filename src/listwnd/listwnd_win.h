// The QLISTWND window: its state in the window's slot, the one adapter
// that calls the host's callback, the window procedure and the paint pass.
#pragma once

#include <windows.h>

#include <cstdint>

#include "kavoapi.h"
#include "listwnd/grid.h"

namespace kavo {

constexpr UINT_PTR kHintTimer = 777;
constexpr UINT kHintDelayMs = 500;
constexpr DWORD kHintQuietMs = 1000; // no hint this soon after a key or release
constexpr int kCellTextUnits = 200;
constexpr int kHintTextUnits = 2000;
extern const char kListClassName[]; // "QLISTWND"

struct qlw_state {
    HWND window = nullptr;
    HWND linked = nullptr;
    HFONT body_font = nullptr;
    HFONT header_font = nullptr;
    HFONT header_font2 = nullptr;
    HDC paint_dc = nullptr; // set only while painting
    uint32_t dialog_control = 0;
    Grid grid;
    qlw_owner_draw owner_draw{};
    qlw_callback ansi_callback = nullptr;
    qlw_callback wide_callback = nullptr;
    uint16_t button_down = 0;
    HWND hint = nullptr;
    DWORD last_input = 0;
    int mouse_x = 0, mouse_y = 0;
    int hint_record = 0, hint_column = 0;

    // The off-screen picture that each paint draws and copies in one go.
    HDC buffer_dc = nullptr;
    HBITMAP buffer = nullptr;
    HGDIOBJ buffer_old = nullptr;
    Size buffer_size;
    // Scroll bar settings last given, so that unchanged bars are not redrawn.
    SCROLLINFO last_bars[2]{};

    // Handlers and exports that may call the host hold a use; a window
    // destroyed by its host during a callback frees its state when the
    // last use ends.
    int uses = 0;
    bool destroyed = false;
};

// The state of a QLISTWND window, or null for anything else.
qlw_state *state_of(HWND window);
bool is_list_window(HWND window);

// Holds a use of a window's state for the length of a call.
class StateUse {
public:
    explicit StateUse(HWND window);
    ~StateUse();
    StateUse(const StateUse &) = delete;
    StateUse &operator=(const StateUse &) = delete;
    explicit operator bool() const { return state_ != nullptr; }
    qlw_state &operator*() const { return *state_; }
    qlw_state *operator->() const { return state_; }

private:
    qlw_state *state_;
};

// Sets a state up as new (create and attach).
void init_state(qlw_state &s, HWND window, qlw_callback callback, bool wide, uint32_t flags);
void release_state_objects(qlw_state &s);

// The host callback: the ANSI form when set, else the wide one, else -1.
int call_host(qlw_state &s, int code, int record, int column, void *data);

// GridHost for a window: the host's answers and the window's requests.
class WindowHost final : public GridHost {
public:
    explicit WindowHost(qlw_state &s) : s_(s) {}
    int ask(int code, int record, int column) override { return call_host(s_, code, record, column, nullptr); }
    void report(const char *text) override;
    Size client_size() override;
    void invalidate(const Rect &area) override;
    void repaint() override;
    void update_now() override;
    void take_focus() override;
    void set_scroll_pos(bool vertical, int position) override;
    void sync_linked() override;
    bool shift_held() override;
    bool ctrl_held() override;

private:
    qlw_state &s_;
};

int sync_linked(qlw_state &s);
void update_scrollbars(qlw_state &s);
void paint(qlw_state &s);

ATOM register_list_class(HINSTANCE instance);

} // namespace kavo
