// Full repaints of a 1000 x 800 list of 12 columns and 10,000,000 records,
// scrolled to the middle, timed in batches beside the platform's own list
// view (owner data) and a bare loop that only fills the background and
// draws each visible cell's text clipped to its cell.  Run under Wine by
// `./run bench`; µs per paint, median and minimum of the batches.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "kavoapi.h"

namespace {

constexpr int kRecords = 10000000;
constexpr int kColumns = 12;
constexpr int kColumnWidth = 80;
constexpr int kBatches = 15;
constexpr int kPaintsPerBatch = 20;

// "r123456c7" without allocating; gives the length.
int format_cell(wchar_t *out, int record, int column)
{
    wchar_t digits[12];
    int n = 0, length = 0;
    do {
        digits[n++] = static_cast<wchar_t>(L'0' + record % 10);
        record /= 10;
    } while (record);
    out[length++] = L'r';
    while (n)
        out[length++] = digits[--n];
    out[length++] = L'c';
    if (column >= 10)
        out[length++] = static_cast<wchar_t>(L'0' + column / 10);
    out[length++] = static_cast<wchar_t>(L'0' + column % 10);
    out[length] = 0;
    return length;
}

int32_t __cdecl grid_callback(HWND, int32_t code, int32_t record, int32_t column, void *data)
{
    if (code == QLW_GETNREC)
        return kRecords;
    if (code == QLW_GETTEXT)
        format_cell(static_cast<wchar_t *>(data), record, column);
    return 0;
}

int row_height() { return HIWORD(GetDialogBaseUnits()) + 2; }

// The bare loop's window: rows from the record in its user data.
LRESULT CALLBACK bare_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_ERASEBKGND)
        return 1;
    if (message != WM_PAINT)
        return DefWindowProcW(window, message, wparam, lparam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    const int h = row_height(), top = static_cast<int>(GetWindowLongPtrW(window, GWLP_USERDATA));
    wchar_t text[32];
    for (int row = 0; row * h < client.bottom; ++row) {
        for (int c = 0; c < kColumns; ++c) {
            const RECT cell{c * kColumnWidth, row * h, (c + 1) * kColumnWidth, (row + 1) * h};
            const int n = format_cell(text, top + row, c);
            ExtTextOutW(dc, cell.left + 4, cell.top + 2, ETO_CLIPPED, &cell, text, static_cast<UINT>(n), nullptr);
        }
    }
    EndPaint(window, &ps);
    return 0;
}

LRESULT CALLBACK frame_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_NOTIFY) {
        auto *info = reinterpret_cast<NMLVDISPINFOW *>(lparam);
        if (info->hdr.code == LVN_GETDISPINFOW && (info->item.mask & LVIF_TEXT))
            format_cell(info->item.pszText, info->item.iItem, info->item.iSubItem);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

struct Result {
    double median, minimum;
};

Result time_paints(HWND window)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> batches;
    for (int b = 0; b < kBatches + 1; ++b) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        for (int i = 0; i < kPaintsPerBatch; ++i) {
            InvalidateRect(window, nullptr, TRUE);
            UpdateWindow(window);
        }
        GdiFlush();
        QueryPerformanceCounter(&end);
        if (b > 0) // the first batch warms up
            batches.push_back(1e6 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart) /
                              kPaintsPerBatch);
    }
    std::sort(batches.begin(), batches.end());
    return {batches[batches.size() / 2], batches.front()};
}

HWND frame(const wchar_t *title)
{
    return CreateWindowExW(0, L"KavoBenchFrame", title, WS_POPUP | WS_VISIBLE, 0, 0, 1000, 800, nullptr, nullptr,
                           nullptr, nullptr);
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW wc{};
    wc.lpfnWndProc = frame_proc;
    wc.lpszClassName = L"KavoBenchFrame";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&wc);
    wc.lpfnWndProc = bare_proc;
    wc.lpszClassName = L"KavoBenchBare";
    RegisterClassW(&wc);

    HWND grid_frame = frame(L"grid");
    HWND grid = qlw_init_wc(grid_frame, 0, 0, 1000, 800, grid_callback, 0);
    const int chars = (kColumnWidth - 8) / LOWORD(GetDialogBaseUnits());
    for (int c = 0; c < kColumns; ++c)
        qlw_init_column_wc(grid, static_cast<uint32_t>(chars), L"Column", nullptr, 0);
    qlw_start(grid);
    qlw_set_current_rec(grid, kRecords / 2);
    const Result grid_time = time_paints(grid);
    DestroyWindow(grid_frame);

    HWND view_frame = frame(L"list view");
    HWND view = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA, 0, 0,
                                1000, 800, view_frame, nullptr, nullptr, nullptr);
    for (int c = 0; c < kColumns; ++c) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH | LVCF_TEXT;
        column.cx = kColumnWidth;
        column.pszText = const_cast<wchar_t *>(L"Column");
        SendMessageW(view, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
    SendMessageW(view, LVM_SETITEMCOUNT, kRecords, LVSICF_NOINVALIDATEALL);
    SendMessageW(view, LVM_ENSUREVISIBLE, kRecords / 2, FALSE);
    const Result view_time = time_paints(view);
    DestroyWindow(view_frame);

    HWND bare = CreateWindowExW(0, L"KavoBenchBare", L"", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 800, nullptr, nullptr,
                                nullptr, nullptr);
    SetWindowLongPtrW(bare, GWLP_USERDATA, kRecords / 2);
    const Result bare_time = time_paints(bare);
    DestroyWindow(bare);

    std::printf("full repaint of 1000 x 800, 12 columns, 10,000,000 records (us per paint, median / min)\n");
    std::printf("  QLISTWND grid        %9.1f / %9.1f\n", grid_time.median, grid_time.minimum);
    std::printf("  platform list view   %9.1f / %9.1f\n", view_time.median, view_time.minimum);
    std::printf("  bare text loop       %9.1f / %9.1f\n", bare_time.median, bare_time.minimum);
    std::printf("  grid / bare loop     %9.2f\n", grid_time.median / bare_time.median);
    std::printf("  grid / list view     %9.2f\n", grid_time.median / view_time.median);
    return 0;
}
