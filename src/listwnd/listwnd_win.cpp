// The QLISTWND window procedure: it unpacks each message and hands it to a
// small handler; what input does to the grid is decided in Grid.
#include "listwnd/listwnd_win.h"

#include <windowsx.h>

#include <string>

#include "dialogs/hint_window_win.h"
#include "dialogs/message.h"
#include "util/guard.h"

namespace kavo {

const char kListClassName[] = "QLISTWND";

namespace {

constexpr int kCodeNoFocus = -99; // a command result that leaves the focus alone

void free_state(qlw_state *s)
{
    release_state_objects(*s);
    delete s;
}

void take_focus(HWND window)
{
    if (GetFocus() != window)
        SetFocus(window);
}

void release_capture(HWND window)
{
    if (GetCapture() == window)
        ReleaseCapture();
}

void destroy_hint(qlw_state &s)
{
    if (s.hint) {
        DestroyWindow(s.hint);
        s.hint = nullptr;
    }
}

// Closing the hint: a shown one goes; else a pending one is called off.
void close_hint(qlw_state &s)
{
    if (s.hint)
        destroy_hint(s);
    else
        KillTimer(s.window, kHintTimer);
}

// Keys and button releases hold the hint back for a while.
void note_input(qlw_state &s)
{
    close_hint(s);
    s.last_input = GetTickCount();
    release_capture(s.window);
}

Point message_point(LPARAM lparam) { return {LOWORD(lparam), HIWORD(lparam)}; }

void store_mouse(qlw_state &s, Point at)
{
    s.mouse_x = at.x;
    s.mouse_y = at.y;
}

// --- handlers -------------------------------------------------------------------

void on_destroy(qlw_state &s)
{
    call_host(s, kClosing, 0, 0, nullptr);
    KillTimer(s.window, kHintTimer);
    destroy_hint(s);
    s.destroyed = true;
    SetWindowLongPtrA(s.window, 0, 0);
}

void on_size(qlw_state &s, int width, int height)
{
    if (width < 20)
        return;
    WindowHost host(s);
    s.grid.fit_columns(width);
    s.grid.update_visible_rows(height);
    s.grid.regen(false, host);
}

void on_focus(qlw_state &s, bool gained)
{
    WindowHost host(s);
    s.grid.invalidate_row(s.grid.current_record, host);
    if (!gained) {
        KillTimer(s.window, kHintTimer);
        destroy_hint(s);
    }
}

void on_key(qlw_state &s, int key)
{
    note_input(s);
    WindowHost host(s);
    s.grid.key_down(key, host);
}

void on_command(qlw_state &s, WPARAM wparam)
{
    if (call_host(s, LOWORD(wparam), s.grid.current_record, s.grid.current_column, nullptr) != kCodeNoFocus)
        take_focus(s.window);
}

void on_button_down(qlw_state &s, Point at, bool right)
{
    close_hint(s);
    s.last_input = 0;
    s.button_down = 1;
    store_mouse(s, at);
    WindowHost host(s);
    if (right)
        s.grid.right_press(at, host);
    else if (s.grid.left_press(at, host))
        SetCapture(s.window);
}

void on_button_up(qlw_state &s, bool left)
{
    if (left && s.grid.resize_column) {
        ReleaseCapture();
        s.grid.resize_column = 0;
    }
    close_hint(s);
    if (s.button_down) {
        s.button_down = 0;
        s.last_input = GetTickCount();
        release_capture(s.window);
    }
}

void on_double_click(qlw_state &s, Point at)
{
    store_mouse(s, at);
    WindowHost host(s);
    s.grid.double_click(at, host);
}

LPCSTR cursor_for(const qlw_state &s, Point at)
{
    return s.grid.border_at(at.x, at.y) ? IDC_SIZEWE : IDC_ARROW;
}

void drag_border(qlw_state &s)
{
    SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(s.window, &cursor);
    if (s.grid.drag_border(cursor.x)) {
        InvalidateRect(s.window, nullptr, TRUE);
        UpdateWindow(s.window);
    }
}

void on_mouse_move(qlw_state &s, Point at)
{
    if (s.grid.resize_column)
        drag_border(s);
    else
        SetCursor(LoadCursorA(nullptr, cursor_for(s, at)));
    if (GetTickCount() - s.last_input < kHintQuietMs)
        return;
    store_mouse(s, at);
    RECT client;
    GetClientRect(s.window, &client);
    if (at.x >= client.right || at.y >= client.bottom) {
        release_capture(s.window);
        s.button_down = 0;
        close_hint(s);
        return;
    }
    WindowHost host(s);
    const CellHit hover = s.grid.hover_at(at, host);
    if (s.hint && (hover.row != s.hint_record || hover.column != s.hint_column)) {
        SetTimer(s.window, kHintTimer, kHintDelayMs, nullptr);
        destroy_hint(s);
    }
    if (GetCapture() != s.window)
        SetCapture(s.window);
    if (!s.hint)
        SetTimer(s.window, kHintTimer, kHintDelayMs, nullptr);
}

// Asks the host for the hint of the position the mouse rests on.
std::wstring ask_hint(qlw_state &s)
{
    if (s.ansi_callback) {
        std::string text(kHintTextUnits, '\0');
        if (call_host(s, kGetHint, s.hint_record, s.hint_column, &text[0]) != 0)
            return {};
        text.resize(strnlen(text.c_str(), kHintTextUnits - 1));
        std::wstring wide(text.size(), L'\0');
        const int made = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0],
                                             static_cast<int>(wide.size()));
        wide.resize(made > 0 ? static_cast<std::size_t>(made) : 0);
        return wide;
    }
    std::wstring text(kHintTextUnits, L'\0');
    if (call_host(s, kGetHint, s.hint_record, s.hint_column, &text[0]) != 0)
        return {};
    text.resize(wcsnlen(text.c_str(), kHintTextUnits - 1));
    return text;
}

void on_hint_timer(qlw_state &s)
{
    KillTimer(s.window, kHintTimer);
    if (s.button_down || s.hint)
        return;
    WindowHost host(s);
    const CellHit at = s.grid.hover_at({s.mouse_x, s.mouse_y}, host);
    s.hint_record = at.row;
    s.hint_column = at.column;
    const std::wstring text = ask_hint(s);
    if (!text.empty() && !s.destroyed)
        s.hint = create_hint_window(s.window, text.c_str());
}

// One message for a window with a state; false leaves it to the default
// procedure.
bool dispatch(qlw_state &s, UINT message, WPARAM wparam, LPARAM lparam, LRESULT &result)
{
    result = 0;
    WindowHost host(s);
    switch (message) {
    case WM_DESTROY:
        on_destroy(s);
        return true;
    case WM_SIZE:
        on_size(s, LOWORD(lparam), HIWORD(lparam));
        return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        on_focus(s, message == WM_SETFOCUS);
        return true;
    case WM_PAINT:
        paint(s);
        return true;
    case WM_ERASEBKGND:
        // The paint pass covers the whole window with the background
        // colour in its off-screen picture: erasing first would flicker.
        result = 1;
        return true;
    case WM_SETCURSOR:
        return true;
    case WM_GETDLGCODE:
        result = DLGC_WANTARROWS;
        return true;
    case WM_KEYDOWN:
        on_key(s, static_cast<int>(wparam));
        return true;
    case WM_SYSKEYDOWN:
        note_input(s);
        return false;
    case WM_COMMAND:
        on_command(s, wparam);
        return true;
    case WM_TIMER:
        if (wparam == kHintTimer)
            on_hint_timer(s);
        return true;
    case WM_VSCROLL:
        s.grid.vscroll(LOWORD(wparam), HIWORD(wparam), host);
        return true;
    case WM_HSCROLL:
        s.grid.hscroll(LOWORD(wparam), HIWORD(wparam), host);
        return true;
    case WM_MOUSEWHEEL:
        s.grid.wheel(GET_WHEEL_DELTA_WPARAM(wparam), host);
        return true;
    case WM_MOUSEMOVE:
        on_mouse_move(s, message_point(lparam));
        return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        on_button_down(s, message_point(lparam), message == WM_RBUTTONDOWN);
        return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        on_button_up(s, message == WM_LBUTTONUP);
        return true;
    case WM_LBUTTONDBLCLK:
        on_double_click(s, message_point(lparam));
        return true;
    default:
        return false;
    }
}

bool handled_without_state(UINT message)
{
    switch (message) {
    case WM_DESTROY: case WM_SIZE: case WM_SETFOCUS: case WM_KILLFOCUS: case WM_SETCURSOR:
    case WM_GETDLGCODE: case WM_KEYDOWN: case WM_COMMAND: case WM_TIMER: case WM_VSCROLL: case WM_HSCROLL:
    case WM_MOUSEWHEEL: case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_LBUTTONUP:
    case WM_RBUTTONUP: case WM_LBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK list_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_CREATE) {
        SetWindowLongPtrA(window, 0, 0);
        return 0;
    }
    LRESULT result = 0;
    bool handled = false;
    guarded_void([&] {
        StateUse use(window);
        if (use)
            handled = dispatch(*use, message, wparam, lparam, result);
        else
            handled = handled_without_state(message);
    });
    return handled ? result : DefWindowProcA(window, message, wparam, lparam);
}

} // namespace

// --- state ------------------------------------------------------------------------

bool is_list_window(HWND window)
{
    char name[100];
    return window && GetClassNameA(window, name, sizeof name) > 0 && lstrcmpiA(name, kListClassName) == 0;
}

qlw_state *state_of(HWND window)
{
    if (!is_list_window(window))
        return nullptr;
    return reinterpret_cast<qlw_state *>(GetWindowLongPtrA(window, 0));
}

StateUse::StateUse(HWND window) : state_(state_of(window))
{
    if (state_)
        ++state_->uses;
}

StateUse::~StateUse()
{
    if (state_ && --state_->uses == 0 && state_->destroyed)
        free_state(state_);
}

void init_state(qlw_state &s, HWND window, qlw_callback callback, bool wide, uint32_t flags)
{
    release_state_objects(s);
    const int uses = s.uses;
    s.grid.selection.clear();
    s = qlw_state{};
    s.uses = uses;
    s.window = window;
    (wide ? s.wide_callback : s.ansi_callback) = callback;
    const auto font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    s.body_font = s.header_font = s.header_font2 = font;
    const LONG units = GetDialogBaseUnits();
    s.grid.set_defaults(flags, LOWORD(units), HIWORD(units));
}

void release_state_objects(qlw_state &s)
{
    if (s.buffer_dc) {
        SelectObject(s.buffer_dc, s.buffer_old);
        DeleteDC(s.buffer_dc);
        s.buffer_dc = nullptr;
    }
    if (s.buffer) {
        DeleteObject(s.buffer);
        s.buffer = nullptr;
    }
    s.buffer_size = {};
}

int call_host(qlw_state &s, int code, int record, int column, void *data)
{
    if (s.ansi_callback)
        return s.ansi_callback(s.window, code, record, column, data);
    if (s.wide_callback)
        return s.wide_callback(s.window, code, record, column, data);
    return -1;
}

// --- the window's side of the grid -------------------------------------------------

void WindowHost::report(const char *text) { info_message(nullptr, text); }

Size WindowHost::client_size()
{
    RECT r{};
    GetClientRect(s_.window, &r);
    return {r.right, r.bottom};
}

void WindowHost::invalidate(const Rect &area)
{
    const RECT r{area.left, area.top, area.right, area.bottom};
    InvalidateRect(s_.window, &r, TRUE);
}

void WindowHost::repaint() { InvalidateRect(s_.window, nullptr, TRUE); }
void WindowHost::update_now() { UpdateWindow(s_.window); }
void WindowHost::take_focus() { kavo::take_focus(s_.window); }

void WindowHost::set_scroll_pos(bool vertical, int position)
{
    SCROLLINFO &last = s_.last_bars[vertical ? 1 : 0];
    last.nPos = position;
    SetScrollPos(s_.window, vertical ? SB_VERT : SB_HORZ, position, TRUE);
}

void WindowHost::sync_linked() { kavo::sync_linked(s_); }
bool WindowHost::shift_held() { return GetAsyncKeyState(VK_SHIFT) < 0; }
bool WindowHost::ctrl_held() { return GetAsyncKeyState(VK_CONTROL) < 0; }

int sync_linked(qlw_state &s)
{
    if (!s.linked)
        return 0;
    StateUse other(s.linked);
    if (!other)
        return -1;
    Grid &to = other->grid;
    to.top = s.grid.top;
    to.current_record = s.grid.current_record;
    to.record_count = s.grid.record_count;
    if (s.grid.flags & kGridMultiSel) {
        try {
            to.selection = s.grid.selection;
        } catch (const std::exception &) {
            std::vector<uint8_t>().swap(to.selection);
            return -1;
        }
    }
    InvalidateRect(other->window, nullptr, TRUE);
    WindowHost other_host(*other);
    to.set_top_pos(other_host);
    return 0;
}

void update_scrollbars(qlw_state &s)
{
    WindowHost host(s);
    Grid &g = s.grid;
    g.count_records(host);
    auto set_bar = [&](int bar, int max, int page, int position) {
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, max, static_cast<UINT>(page), position, 0};
        SCROLLINFO &last = s.last_bars[bar == SB_VERT ? 1 : 0];
        if (last.cbSize && last.nMax == info.nMax && last.nPage == info.nPage && last.nPos == info.nPos)
            return;
        last = info;
        SetScrollInfo(s.window, bar, &info, TRUE);
    };
    if (!(g.flags & kGridNoVScroll)) {
        const int rows = std::max(g.record_count, 1);
        set_bar(SB_VERT, rows - 1, std::min(rows, g.visible_rows),
                g.top >= 0 && g.top < g.record_count ? g.top : 0);
    }
    set_bar(SB_HORZ, g.column_count - 1, g.last_column - g.first_column + 1, g.first_column);
}

ATOM register_list_class(HINSTANCE instance)
{
    WNDCLASSA wc{};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = list_window_proc;
    wc.cbWndExtra = sizeof(void *);
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kListClassName;
    return RegisterClassA(&wc);
}

} // namespace kavo
