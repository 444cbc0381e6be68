// QLISTWND and GWLBHDR as a host uses them: real windows driven by real
// messages, the host callback's calls written down, and the failure values
// of every export for other windows.  What input does to the grid is fixed
// by the core's tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <map>
#include <string>
#include <vector>

#include "kavoapi.h"
#include "support/dialog_watch.h"
#include "support/resource_counts.h"

namespace {

using Calls = std::vector<std::string>;

struct Host {
    int records = 100;
    int hint_result = 0;
    const wchar_t *hint = L"";
    bool overfill = false;         // texts that fill the whole buffer
    bool destroy_on_dblclick = false;
    int command_result = 0;
    int thick_line_after = -1;     // GETSEPLINE answers 3 for this record
    int texts = 0;                 // GETTEXT calls
    Calls calls;                   // every other call but GETSEPLINE
} host;

int32_t __cdecl callback(HWND window, int32_t code, int32_t record, int32_t column, void *data)
{
    switch (code) {
    case QLW_GETNREC:
        return host.records;
    case QLW_GETTEXT:
        ++host.texts;
        if (host.overfill)
            std::wmemset(static_cast<wchar_t *>(data), L'W', 200);
        else
            swprintf(static_cast<wchar_t *>(data), 200, L"r%dc%d", record, column);
        return 0;
    case QLW_GETSEPLINE:
        return record == host.thick_line_after ? 3 : 0;
    case QLW_GETHINT:
        wcscpy(static_cast<wchar_t *>(data), host.hint);
        break;
    }
    host.calls.push_back(std::to_string(code) + " " + std::to_string(record) + " " + std::to_string(column));
    if (code == QLW_DBLCLICK && host.destroy_on_dblclick)
        DestroyWindow(window);
    if (code == QLW_GETHINT)
        return host.hint_result;
    return code == 7001 ? host.command_result : 0;
}

Calls take_calls() { return std::exchange(host.calls, {}); }

class ListWindow : public ::testing::Test {
protected:
    // 4 columns on a 400 x 300 list: rows of (dialog base height + 2).
    void SetUp() override
    {
        host = Host{};
        parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 420, 320, nullptr, nullptr,
                                 nullptr, nullptr);
        list = make(0);
        RECT client;
        GetClientRect(list, &client);
        rows = (client.bottom - header()) / row_height();
    }
    void TearDown() override
    {
        DestroyWindow(parent);
        kavo_test::pump_messages(0);
    }
    HWND make(int32_t flags)
    {
        HWND w = qlw_init_wc(parent, 0, 0, 400, 300, callback, flags);
        for (int c = 0; c < 4; ++c)
            qlw_init_column_wc(w, 10, L"Head", nullptr, 0);
        qlw_start(w);
        UpdateWindow(w);
        take_calls();
        return w;
    }
    int header() const { return HIWORD(GetDialogBaseUnits()) + 5; }
    int row_height() const { return HIWORD(GetDialogBaseUnits()) + 2; }
    LPARAM at_cell(int row, int column) const
    {
        return MAKELPARAM(column * 100 + 50, header() + row * row_height() + row_height() / 2);
    }
    // Painted pixels as letters of a legend (the first of equal colours).
    using Legend = std::map<COLORREF, char>;
    static std::string shades(HWND window, const std::vector<POINT> &points, const Legend &legend)
    {
        HDC dc = GetDC(window);
        std::string out;
        for (POINT p : points) {
            const auto found = legend.find(GetPixel(dc, p.x, p.y));
            out += found == legend.end() ? '?' : found->second;
        }
        ReleaseDC(window, dc);
        return out;
    }
    HWND parent = nullptr;
    HWND list = nullptr;
    int rows = 0; // whole rows in view
};

TEST_F(ListWindow, ExportsRefuseOtherWindowsAndColumnInfoLeavesTheBuffersOfEmptyTexts)
{
    HWND other = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
    // A pointer in the other window's slot must not be taken for a state.
    SetWindowLongPtrA(other, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&host));
    RECT r;
    uint32_t width = 7;
    char text[100] = "keep";
    kavo_test::DialogWatch watch;
    for (HWND w : {HWND(nullptr), other}) {
        const int32_t results[] = {
            qlw_init_column_wc(w, 5, L"a", L"b", 0), qlw_init_subcolumn_wc(w, 5, 1, L"a", L"b", 0),
            qlw_delete_columns(w), qlw_set_showed_ncol(w, 1), qlw_start(w), qlw_regen_columns(w), qlw_regen(w, 1),
            qlw_get_nmb_of_columns(w), qlw_get_column_info(w, 0, &width, text, nullptr, nullptr),
            qlw_get_current_rec(w), qlw_get_current_col(w), qlw_get_current_cell(w), qlw_set_current_rec(w, 0),
            qlw_set_current_col(w, 0), qlw_set_current_cell(w, 0), qlw_set_select(w, 0, 1), qlw_unselect_all(w),
            qlw_set_rowheight(w, 5), qlw_set_textcolor(w, 0), qlw_set_sort_column(w, 1, 1),
            qlw_link_selections_and_hscrolls(w, list), qlw_invalidate_rec(w, 0), qlw_get_cellrect(w, 0, 0, &r),
            qlw_set_header_font(w, static_cast<HFONT>(GetStockObject(SYSTEM_FONT))),
            qlw_init_control_wc(w, callback, 0)};
        for (int32_t result : results)
            EXPECT_EQ(result, -1);
        EXPECT_EQ(qlw_rec_is_selected(w, 0), 0);
        EXPECT_EQ(qlw_get_nmb_of_selected_recs(w), 0);
        EXPECT_EQ(qlw_window_is_qlw(w), 0);
        EXPECT_EQ(qlw_set_header_font(w, nullptr), 0) << "a zero font is no change, for any window";
        EXPECT_EQ(width, 0u);
        EXPECT_STREQ(text, "keep") << "an empty header text leaves the buffer";
    }
    ASSERT_EQ(watch.seen().size(), 2u);
    EXPECT_EQ(watch.seen()[0].message(), "Wrong type of dialog control (Excepting QWlist)");
    EXPECT_EQ(qlw_window_is_qlw(list), 1);
    char text2[10] = "keep";
    EXPECT_EQ(qlw_get_column_info(list, 3, &width, text, text2, nullptr), 0);
    EXPECT_EQ(std::to_string(width) + text + text2, "10Headkeep");
}

// Each message's arguments unpacked into the right handler: the calls in
// order, as a host's callback hears them.
TEST_F(ListWindow, InputMessagesReachTheHostAsTheirCallbacks)
{
    ASSERT_EQ(qlw_set_current_rec(list, 50), 0);
    take_calls();
    const int top = 50 - rows + 2; // on the second-last row
    const std::string cell = std::to_string(top + 1) + " 2";
    const struct {
        UINT message;
        WPARAM wparam;
        LPARAM lparam;
        Calls calls;
    } steps[] = {
        {WM_KEYDOWN, VK_DOWN, 0, {"120 51 0"}},
        {WM_KEYDOWN, VK_RETURN, 0, {"105 51 0"}},
        {WM_LBUTTONDOWN, MK_LBUTTON, at_cell(1, 2), {"116 " + cell, "113 " + cell, "120 " + cell}},
        {WM_RBUTTONDOWN, MK_RBUTTON, at_cell(1, 2), {"116 " + cell, "104 " + cell}},
        {WM_LBUTTONDBLCLK, 0, at_cell(1, 2), {"103 " + cell}},
        {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 3), {"109 0 1"}},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0, {"118 " + std::to_string(top - 3) + " 0"}},
        {WM_VSCROLL, SB_THUMBTRACK | (7 << 16), 0, {"118 7 0"}},
        {WM_COMMAND, 7001, 0, {"7001 " + cell}},
    };
    for (const auto &step : steps) {
        SendMessageA(list, step.message, step.wparam, step.lparam);
        EXPECT_EQ(take_calls(), step.calls) << "message " << std::hex << step.message;
    }
    EXPECT_EQ(GetScrollPos(list, SB_VERT), 7);
    EXPECT_EQ(GetFocus(), list);
    SetFocus(parent);
    host.command_result = -99;
    SendMessageA(list, WM_COMMAND, 7001, 0);
    EXPECT_EQ(GetFocus(), parent) << "-99 leaves the focus where it was";
}

TEST_F(ListWindow, APaintAsksOnlyForTheVisibleCellsOfAHugeList)
{
    host.records = 10000000;
    qlw_regen(list, 1);
    qlw_set_current_rec(list, 5000000);
    host.texts = 0;
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
    EXPECT_EQ(host.texts, (rows + 1) * 4) << "the whole rows and the partly shown one";
}

TEST_F(ListWindow, PaintShowsTheCurrentRowTheHostsSeparatorAndGroupBordersOnlyInTheFirstBand)
{
    const Legend body{{GetSysColor(COLOR_WINDOW), 'W'}, {GetSysColor(COLOR_HIGHLIGHT), 'L'}, {RGB(0, 0, 0), 'B'}};
    host.thick_line_after = 4;
    qlw_set_current_rec(list, 2);
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
    RECT current, fifth;
    ASSERT_EQ(qlw_get_cellrect(list, 2, 0, &current), 0);
    ASSERT_EQ(qlw_get_cellrect(list, 5, 0, &fifth), 0);
    EXPECT_EQ(shades(list, {{2, current.top + 1}, {2, current.bottom + row_height() / 2}}, body), "LW");
    std::vector<POINT> across;
    for (int y = fifth.top - 4; y <= fifth.top + 1; ++y)
        across.push_back({60, y});
    EXPECT_EQ(shades(list, across, body), "WWBBBW") << "three black lines centred on the boundary above record 5";

    HWND two = qlw_init_wc(parent, 0, 0, 400, 300, callback, QLW_TWOBANDS | QLW_NOVSCROLL);
    qlw_init_column_wc(two, 10, L"Air", nullptr, 0);
    qlw_init_column_wc(two, 10, L"Water", nullptr, 0);
    for (uint32_t group : {1u, 1u, 2u, 2u})
        qlw_init_subcolumn_wc(two, 10, group, L"sub", nullptr, 0);
    qlw_start(two);
    UpdateWindow(two);
    const Legend edges{{GetSysColor(COLOR_BTNHIGHLIGHT), 'H'}, {GetSysColor(COLOR_BTNSHADOW), 'S'},
                       {RGB(252, 252, 252), 'h'}}; // the header's fill
    const int band1 = header() / 2, band2 = header() + header() / 2;
    EXPECT_EQ(shades(two, {{99, band1}, {101, band1}, {199, band1}, {201, band1}}, edges), "hhSH")
        << "band 1 has a border only where group 2 starts";
    EXPECT_EQ(shades(two, {{99, band2}, {101, band2}}, edges), "SH") << "band 2 has one at every subcolumn";
}

TEST_F(ListWindow, LinkedListsFollowEachOtherVerticallyOnly)
{
    HWND other = make(0);
    ASSERT_EQ(qlw_link_selections_and_hscrolls(list, other), 0);
    SendMessageA(list, WM_KEYDOWN, VK_END, 0);
    const std::string top = "118 " + std::to_string(100 - rows) + " 0";
    EXPECT_EQ(take_calls(), (Calls{top, top, "120 99 0"})) << "each window's host hears of its top record";
    EXPECT_EQ(qlw_get_current_rec(other), 99);
    EXPECT_EQ(GetScrollPos(other, SB_VERT), 100 - rows);
    SendMessageA(other, WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(GetScrollPos(list, SB_HORZ), 0) << "horizontal scrolling is not passed on";
}

TEST_F(ListWindow, HintFollowsTheHostsAnswerGoesWithAKeyAndWaitsAfterOne)
{
    // The real pointer rests where the messages say, so that the mouse
    // moves the platform adds (on a capture, say) agree with them.
    POINT rest{150, HIWORD(at_cell(2, 1))};
    ClientToScreen(list, &rest);
    SetCursorPos(rest.x, rest.y);
    const struct {
        const wchar_t *hint;
        int result, width; // 0: no hint window
    } cases[] = {{L"abcde", 0, 48}, {L"", 0, 0}, {L"abcde", 1, 0}};
    for (const auto &c : cases) {
        host.hint = c.hint;
        host.hint_result = c.result;
        SendMessageA(list, WM_MOUSEMOVE, 0, at_cell(2, 1));
        SendMessageA(list, WM_TIMER, 777, 0);
        EXPECT_EQ(take_calls(), (Calls{"117 2 1"}));
        HWND hint = FindWindowA("QTBHINT", nullptr);
        RECT r{};
        GetWindowRect(hint, &r);
        EXPECT_EQ(r.right - r.left, c.width) << "result " << c.result << ", sized to its text";
        SendMessageA(list, WM_KEYDOWN, 'A', 0);
        EXPECT_FALSE(IsWindow(hint));
    }
    host.hint = L"abcde";
    host.hint_result = 0;
    // Without the focus the timer cannot be called off by another program
    // taking the foreground: tests run two at a time on one display.
    SetFocus(nullptr);
    SendMessageA(list, WM_MOUSEMOVE, 0, at_cell(2, 1));
    kavo_test::pump_messages(700);
    EXPECT_EQ(take_calls(), Calls{}) << "no hint is timed within a second of a key";
    Sleep(400);
    SendMessageA(list, WM_MOUSEMOVE, 0, at_cell(2, 1));
    kavo_test::pump_messages(1500);
    EXPECT_EQ(take_calls(), (Calls{"117 2 1"})) << "the mouse rested 500 ms";
}

TEST_F(ListWindow, HostileHostsNeitherOverrunNorCrashTheWindow)
{
    host.overfill = true;
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
    host.records = 0x7FFFFFFF;
    HWND multi = make(QLW_MULTISEL);
    EXPECT_EQ(qlw_get_nmb_of_selected_recs(multi), 0) << "no selection array for a count like that";
    SendMessageA(multi, WM_KEYDOWN, VK_END, 0);
    UpdateWindow(multi);

    host.records = 10;
    host.destroy_on_dblclick = true;
    SendMessageA(list, WM_LBUTTONDBLCLK, 0, at_cell(1, 1));
    EXPECT_FALSE(IsWindow(list));
    EXPECT_EQ(take_calls().back(), "999 0 0");
}

TEST_F(ListWindow, NoGdiObjectsWindowsOrMemoryLeakOverAThousandPaintsHintsAndWindows)
{
    host.hint = L"[PEN]hint";
    auto cycle = [&] {
        HWND w = make(0);
        qlw_set_sort_column(w, 1, 1);
        InvalidateRect(w, nullptr, TRUE);
        UpdateWindow(w);
        SendMessageA(w, WM_MOUSEMOVE, 0, at_cell(3, 1));
        SendMessageA(w, WM_TIMER, 777, 0);
        DestroyWindow(w);
    };
    for (int i = 0; i < 50; ++i)
        cycle(); // the platform's caches fill once
    using namespace kavo_test;
    const DWORD gdi = gdi_objects(), windows = thread_windows();
    const SIZE_T heap = heap_bytes_in_use();
    ASSERT_GT(gdi, 0u) << "the objects are counted";
    for (int i = 0; i < 1000; ++i)
        cycle();
    EXPECT_EQ(gdi_objects(), gdi);
    EXPECT_EQ(thread_windows(), windows);
    // Wine's own bookkeeping moves by some 100 bytes; a block of 64 bytes
    // lost on each cycle would be 64000.
    EXPECT_LT(static_cast<ptrdiff_t>(heap_bytes_in_use() - heap), 16 * 1024);
}

// The header strip: the host fills its record through slot 0 and sends the
// width; the strip writes the borders and, unless the host fixed it, a font
// into the record.
TEST(HeaderStrip, WidthMessageWritesTheBordersAndOnlyAnUnfixedFontIntoTheRecord)
{
    for (uint16_t fixed_font : {0, 1}) {
        HWND strip = CreateWindowExW(0, L"GWLBHDR", L"", WS_POPUP | WS_VISIBLE, 0, 0, 600, 40, nullptr, nullptr,
                                     GetModuleHandleA("KavoApi.dll"), nullptr);
        auto *record = reinterpret_cast<qlw_header_strip *>(GetWindowLongPtrW(strip, 0));
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->column_count, 0) << "zero-filled";
        record->column_count = 3;
        record->column_ratio[1] = 0.25f;
        record->column_ratio[2] = 0.5f;
        record->chars_across = 60;
        record->fixed_font = fixed_font;
        SendMessageW(strip, QLW_HDR_SETWIDTH, 600, 0);
        EXPECT_EQ(record->column_x[1], 150);
        EXPECT_EQ(record->font == nullptr, fixed_font == 1);
        DestroyWindow(strip);
    }
}

} // namespace
