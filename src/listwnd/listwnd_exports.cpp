// The qlw_ exports: each checks its window, unpacks its arguments and
// forwards to the grid or the window.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <new>

#include "dialogs/hint_window_win.h"
#include "dialogs/message.h"
#include "util/module_state.h"
#include "kavoapi.h"
#include "listwnd/listwnd_win.h"
#include "util/guard.h"

using kavo::Grid;
using kavo::qlw_state;
using kavo::StateUse;
using kavo::WindowHost;

namespace {

constexpr DWORD kChildStyle = WS_CHILD | WS_HSCROLL;

// Runs body on the window's state; failure for anything else.
template <typename Body>
int32_t with_state(HWND window, int32_t failure, Body body)
{
    return kavo::guarded<int32_t>(failure, [&]() -> int32_t {
        StateUse use(window);
        return use ? body(*use) : failure;
    });
}

HWND create(HWND parent, int32_t x, int32_t y, int32_t width, int32_t height, qlw_callback callback, bool wide,
            int32_t flags)
{
    const HINSTANCE instance = kavo::module_state().instance;
    kavo::register_list_class(instance);
    tooltip_registerclass(instance);
    auto *s = new (std::nothrow) qlw_state;
    if (!s)
        return nullptr;
    kavo::init_state(*s, nullptr, callback, wide, static_cast<uint32_t>(flags));
    const DWORD style = kChildStyle | (flags & QLW_NOVSCROLL ? 0 : WS_VSCROLL);
    HWND window = CreateWindowExA(0, kavo::kListClassName, "", style, x, y, width, height, parent, nullptr,
                                  instance, nullptr);
    if (!window) {
        delete s;
        kavo::info_message(parent, "Cannot create listwindow");
        return nullptr;
    }
    s->window = window;
    SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(s));
    return window;
}

int32_t attach(HWND window, qlw_callback callback, bool wide, int32_t flags)
{
    if (!kavo::is_list_window(window)) {
        kavo::info_message(nullptr, "Wrong type of dialog control (Excepting QWlist)");
        return -1;
    }
    qlw_state *s = kavo::state_of(window);
    if (s) {
        kavo::call_host(*s, QLW_CLOSING, 0, 0, nullptr);
    } else {
        s = new (std::nothrow) qlw_state;
        if (!s)
            return -1;
    }
    kavo::init_state(*s, window, callback, wide, static_cast<uint32_t>(flags));
    s->dialog_control = 1;
    SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(s));
    SetWindowLongPtrA(window, GWL_STYLE, GetWindowLongPtrA(window, GWL_STYLE) | WS_TABSTOP);
    return 0;
}

// An 8-bit header text as UTF-16, cut to what fits `units` with the
// terminator.
void copy_ansi(const char *text, wchar_t *out, int units)
{
    out[0] = 0;
    if (!text)
        return;
    const int length = static_cast<int>(strnlen(text, static_cast<std::size_t>(units - 1)));
    const int made = MultiByteToWideChar(CP_ACP, 0, text, length, out, units - 1);
    out[made > 0 ? made : 0] = 0;
}

const uint16_t *units(const wchar_t *text) { return reinterpret_cast<const uint16_t *>(text); }

int32_t set_header_font(HWND window, HFONT font, HFONT qlw_state::*field)
{
    if (!font)
        return 0;
    return with_state(window, -1, [&](qlw_state &s) {
        s.*field = font;
        return 0;
    });
}

} // namespace

extern "C" int32_t WINAPI qlw_registerclass(HINSTANCE instance) noexcept
{
    kavo::guarded_void([&] { kavo::register_list_class(instance); });
    return 0;
}

extern "C" HWND WINAPI qlw_init(HWND parent, int32_t x, int32_t y, int32_t width, int32_t height,
                                qlw_callback callback, int32_t flags) noexcept
{
    return kavo::guarded<HWND>(nullptr, [&] { return create(parent, x, y, width, height, callback, false, flags); });
}

extern "C" HWND WINAPI qlw_init_wc(HWND parent, int32_t x, int32_t y, int32_t width, int32_t height,
                                   qlw_callback callback, int32_t flags) noexcept
{
    return kavo::guarded<HWND>(nullptr, [&] { return create(parent, x, y, width, height, callback, true, flags); });
}

extern "C" int32_t WINAPI qlw_init_control(HWND window, qlw_callback callback, int32_t flags) noexcept
{
    return kavo::guarded<int32_t>(-1, [&] { return attach(window, callback, false, flags); });
}

extern "C" int32_t WINAPI qlw_init_control_wc(HWND window, qlw_callback callback, int32_t flags) noexcept
{
    return kavo::guarded<int32_t>(-1, [&] { return attach(window, callback, true, flags); });
}

extern "C" int32_t WINAPI qlw_init_column(HWND window, uint32_t width, const char *text1, const char *text2,
                                          uint32_t flags) noexcept
{
    return kavo::guarded<int32_t>(-1, [&] {
        wchar_t wide1[99], wide2[99];
        copy_ansi(text1, wide1, 99);
        copy_ansi(text2, wide2, 99);
        return qlw_init_column_wc(window, width, wide1, wide2, flags);
    });
}

extern "C" int32_t WINAPI qlw_init_column_wc(HWND window, uint32_t width, const wchar_t *text1,
                                             const wchar_t *text2, uint32_t flags) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        return s.grid.define_column(width, units(text1), units(text2), flags) ? 0 : -1;
    });
}

extern "C" int32_t WINAPI qlw_init_subcolumn_wc(HWND window, uint32_t width, uint32_t group, const wchar_t *text1,
                                                const wchar_t *text2, uint32_t flags) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        return s.grid.define_subcolumn(width, group, units(text1), units(text2), flags) ? 0 : -1;
    });
}

extern "C" int32_t WINAPI qlw_delete_columns(HWND window) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        s.grid.delete_columns();
        return 0;
    });
}

extern "C" int32_t WINAPI qlw_set_showed_ncol(HWND window, int32_t n) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        if (n < 1 || n > s.grid.column_count)
            return -1;
        s.grid.first_column = 0;
        s.grid.last_column = n - 1;
        return 0;
    });
}

extern "C" int32_t WINAPI qlw_start(HWND window) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        WindowHost host(s);
        s.grid.start(host);
        if (!s.dialog_control) {
            ShowWindow(s.window, SW_SHOWNORMAL);
            SetFocus(s.window);
        }
        kavo::update_scrollbars(s);
        return 0;
    });
}

extern "C" int32_t WINAPI qlw_regen_columns(HWND window) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        WindowHost host(s);
        s.grid.regen_columns(host);
        return 0;
    });
}

extern "C" int32_t WINAPI qlw_regen(HWND window, uint32_t force) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        WindowHost host(s);
        s.grid.regen(force != 0, host);
        return 0;
    });
}

extern "C" int32_t WINAPI qlw_get_nmb_of_columns(HWND window) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) { return s.grid.column_count; });
}

extern "C" int32_t WINAPI qlw_get_column_info_wc(HWND window, int32_t column, uint32_t *width, wchar_t *text1,
                                                 wchar_t *text2, uint32_t *flags) noexcept
{
    return kavo::guarded<int32_t>(-1, [&] {
        if (width)
            *width = 0;
        if (flags)
            *flags = 0;
        if (text1)
            text1[0] = 0;
        if (text2)
            text2[0] = 0;
        return with_state(window, -1, [&](qlw_state &s) {
            const Grid &g = s.grid;
            if (column < 0 || column >= g.column_count)
                return -1;
            const auto c = static_cast<std::size_t>(column);
            if (width)
                *width = g.widths[c];
            if (flags)
                *flags = g.column_flags[c];
            if (text1)
                std::wmemcpy(text1, reinterpret_cast<const wchar_t *>(g.column_texts[0][c].data()), 80);
            if (text2)
                std::wmemcpy(text2, reinterpret_cast<const wchar_t *>(g.column_texts[1][c].data()), 80);
            return 0;
        });
    });
}

extern "C" int32_t WINAPI qlw_get_column_info(HWND window, int32_t column, uint32_t *width, char *text1,
                                              char *text2, uint32_t *flags) noexcept
{
    return kavo::guarded<int32_t>(-1, [&] {
        wchar_t wide1[80], wide2[80];
        const int32_t result = qlw_get_column_info_wc(window, column, width, wide1, wide2, flags);
        // An empty header text leaves the caller's buffer as it was.
        auto give = [](const wchar_t *wide, char *out, int size) {
            if (out && wide[0]) {
                char ansi[4 * 80];
                const int made = WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, sizeof ansi, nullptr, nullptr);
                ansi[made > 0 ? made - 1 : 0] = 0;
                lstrcpynA(out, ansi, size);
            }
        };
        give(wide1, text1, 100);
        give(wide2, text2, 200);
        return result;
    });
}

extern "C" int32_t WINAPI qlw_get_current_rec(HWND window) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        const Grid &g = s.grid;
        return g.current_record >= 0 && g.current_record < g.record_count ? g.current_record : -1;
    });
}

extern "C" int32_t WINAPI qlw_get_current_col(HWND window) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        const Grid &g = s.grid;
        return g.current_column >= 0 && g.current_column < g.column_count ? g.current_column : -1;
    });
}

extern "C" int32_t WINAPI qlw_get_current_cell(HWND window) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        WindowHost host(s);
        return s.grid.current_cell(host);
    });
}

extern "C" int32_t WINAPI qlw_set_current_rec(HWND window, int32_t record) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        WindowHost host(s);
        return s.grid.set_current_record(record, host) ? 0 : -1;
    });
}

extern "C" int32_t WINAPI qlw_set_current_col(HWND window, int32_t column) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        if (column >= 0 && column < s.grid.column_count)
            s.grid.current_column = column;
        InvalidateRect(s.window, nullptr, TRUE);
        return 0;
    });
}

extern "C" int32_t WINAPI qlw_set_current_cell(HWND window, int32_t cell) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        WindowHost host(s);
        s.grid.set_current_cell(cell, host);
        return 0;
    });
}

extern "C" int32_t WINAPI qlw_set_select(HWND window, int32_t record, uint8_t value) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        auto &selection = s.grid.selection;
        if (!(s.grid.flags & QLW_MULTISEL) || record < 0 || static_cast<std::size_t>(record) >= selection.size())
            return -1;
        selection[static_cast<std::size_t>(record)] = value;
        InvalidateRect(s.window, nullptr, TRUE);
        return 0;
    });
}

extern "C" int32_t WINAPI qlw_unselect_all(HWND window) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        if (!(s.grid.flags & QLW_MULTISEL))
            return -1;
        WindowHost host(s);
        s.grid.record_count = std::max(0, host.ask(QLW_GETNREC, 0, 0));
        s.grid.current_record = -1;
        s.grid.reset_selection(host);
        return 0;
    });
}

extern "C" int32_t WINAPI qlw_rec_is_selected(HWND window, int32_t record) noexcept
{
    return with_state(window, 0, [&](qlw_state &s) { return s.grid.record_selected(record) ? 1 : 0; });
}

extern "C" int32_t WINAPI qlw_get_nmb_of_selected_recs(HWND window) noexcept
{
    return with_state(window, 0, [&](qlw_state &s) { return s.grid.selected_count(); });
}

extern "C" int32_t WINAPI qlw_set_rowheight(HWND window, int32_t height) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        s.grid.row_height = height < 1 ? s.grid.default_row_height() : height;
        return 0;
    });
}

extern "C" int32_t WINAPI qlw_set_header_font(HWND window, HFONT font) noexcept
{
    return kavo::guarded<int32_t>(-1, [&] { return set_header_font(window, font, &qlw_state::header_font); });
}

extern "C" int32_t WINAPI qlw_set_header_font2(HWND window, HFONT font) noexcept
{
    return kavo::guarded<int32_t>(-1, [&] { return set_header_font(window, font, &qlw_state::header_font2); });
}

extern "C" int32_t WINAPI qlw_set_textcolor(HWND window, COLORREF colour) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        if (!s.paint_dc)
            return -1;
        SetTextColor(s.paint_dc, colour);
        return 0;
    });
}

extern "C" int32_t WINAPI qlw_set_sort_column(HWND window, int32_t column, uint16_t ascending) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        s.grid.sort = column < 0 ? 0 : ascending ? column + 1 : -(column + 1);
        return 0;
    });
}

extern "C" int32_t WINAPI qlw_link_selections_and_hscrolls(HWND window1, HWND window2) noexcept
{
    return kavo::guarded<int32_t>(-1, [&] {
        qlw_state *a = kavo::state_of(window1), *b = kavo::state_of(window2);
        if (!a || !b)
            return -1;
        a->linked = window2;
        b->linked = window1;
        return 0;
    });
}

extern "C" int32_t WINAPI qlw_invalidate_rec(HWND window, int32_t record) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        WindowHost host(s);
        s.grid.invalidate_row(record < 0 ? s.grid.current_record : record, host);
        return 0;
    });
}

extern "C" int32_t WINAPI qlw_get_cellrect(HWND window, int32_t record, int32_t column, RECT *rect) noexcept
{
    return with_state(window, -1, [&](qlw_state &s) {
        kavo::Rect r;
        if (!rect || !s.grid.record_cell_rect(record, column, r))
            return -1;
        *rect = {r.left, r.top, r.right, r.bottom};
        return 0;
    });
}

extern "C" int32_t WINAPI qlw_window_is_qlw(HWND window) noexcept
{
    return kavo::guarded<int32_t>(0, [&] { return kavo::is_list_window(window) ? 1 : 0; });
}
