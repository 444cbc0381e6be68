// The paint pass of the list window.  It draws the whole window into an
// off-screen picture, which is the state's paint DC for the pass (owner-
// drawn cells and qlw_set_textcolor reach it), and copies the picture to
// the screen once, so that nothing is ever seen half drawn.  Every visible
// cell's text is asked of the host on each paint; nothing is kept.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "listwnd/listwnd_win.h"
#include "listwnd/syscolor_cache_win.h"
#include "util/guard.h"

namespace kavo {
namespace {

constexpr COLORREF kHeaderFill = RGB(252, 252, 252);
constexpr COLORREF kSortMark = RGB(0, 128, 0);

// Texts of at most `units` - 1 characters whatever the host wrote.
template <typename Char>
struct HostText {
    Char text[kCellTextUnits];
    void clear() { text[0] = 0; }
    const Char *terminated()
    {
        text[kCellTextUnits - 1] = 0;
        return text;
    }
};

int write_text(HDC dc, int x, int y, int max_width, const char *text)
{
    return qlw_write_txt(dc, x, y, max_width, text);
}
int write_text(HDC dc, int x, int y, int max_width, const wchar_t *text)
{
    return qlw_write_wtxt(dc, x, y, max_width, text);
}

void line(HDC dc, int x1, int y1, int x2, int y2)
{
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void draw_sort_arrow(HDC dc, int x, int y1, int y2, int sort)
{
    const int saved = SaveDC(dc);
    HPEN pen = CreatePen(PS_SOLID, 1, kSortMark);
    HBRUSH brush = CreateSolidBrush(kSortMark);
    SelectObject(dc, pen);
    SelectObject(dc, brush);
    line(dc, x, y1, x, y2);
    const POINT up[3] = {{x - 2, y1 + 2}, {x, y1}, {x + 2, y1 + 2}};
    const POINT down[3] = {{x - 2, y2 - 2}, {x, y2}, {x + 2, y2 - 2}};
    Polygon(dc, sort > 0 ? up : down, 3);
    RestoreDC(dc, saved);
    DeleteObject(brush);
    DeleteObject(pen);
}

class Painter {
public:
    Painter(qlw_state &s, HDC dc, int width) : s_(s), g_(s.grid), dc_(dc), width_(width) {}

    void header_band(int band)
    {
        const bool groups = band == 0 && (g_.flags & kGridTwoBands);
        const int sorted_column = g_.sort ? std::abs(g_.sort) - 1 : -1;
        HBRUSH fill = CreateSolidBrush(kHeaderFill);
        HGDIOBJ old_brush = SelectObject(dc_, fill);
        SelectObject(dc_, syscolor_pen(COLOR_BTNSHADOW));
        const int top = band == 0 ? 0 : g_.band1;
        const int bottom = band == 0 ? g_.band1 : g_.band1 + g_.band2;
        Rectangle(dc_, 0, top, width_, bottom);
        SelectObject(dc_, syscolor_pen(COLOR_BTNHIGHLIGHT));
        MoveToEx(dc_, 1, bottom - 1, nullptr);
        LineTo(dc_, 1, top + 1);
        LineTo(dc_, width_ - 1, top + 1);
        int first = g_.first_column, last = g_.last_column;
        if (groups && last >= first) {
            first = std::max(0, g_.groups[static_cast<std::size_t>(first)] - 1);
            last = std::min(kMaxColumns - 1, g_.groups[static_cast<std::size_t>(last)] - 1);
        }
        const auto &texts = band == 0 ? g_.column_texts : g_.subcolumn_texts;
        for (int k = first; k <= last; ++k) {
            const int left = groups ? g_.group_left(k) : g_.x(k);
            const int right = groups ? g_.group_left(k + 1) : g_.x(k + 1);
            const bool sorted = k == sorted_column && !groups;
            const int text_x = left + kGridMargin + (sorted ? 2 * kGridMargin : 0);
            const auto *text1 = reinterpret_cast<const wchar_t *>(texts[0][static_cast<std::size_t>(k)].data());
            const auto *text2 = reinterpret_cast<const wchar_t *>(texts[1][static_cast<std::size_t>(k)].data());
            SetTextAlign(dc_, TA_TOP | TA_LEFT);
            qlw_write_wtxt(dc_, text_x, top + 4, right - left - 4, text1);
            if (g_.two_line_header && text2[0]) {
                SetTextAlign(dc_, TA_BOTTOM | TA_LEFT);
                qlw_write_wtxt(dc_, text_x, bottom - 4, right - left - 4, text2);
            }
            if (sorted)
                draw_sort_arrow(dc_, text_x - (3 * kGridMargin) / 2, top + 6, top + 14, g_.sort);
            if (k != 0) {
                SelectObject(dc_, syscolor_pen(COLOR_BTNHIGHLIGHT));
                line(dc_, left + 1, top + 1, left + 1, bottom);
                SelectObject(dc_, syscolor_pen(COLOR_BTNSHADOW));
                line(dc_, left - 1, top + 1, left - 1, bottom);
            }
        }
        SelectObject(dc_, old_brush);
        DeleteObject(fill);
    }

    // The line above visible row i, between record r - 1 and r.
    void separator(int y, int record, int client_height)
    {
        WindowHost host(s_);
        const int kind = record >= 1 ? host.ask(kGetSepLine, record - 1, 0) : 0;
        if (kind < 0)
            return;
        SelectObject(dc_, kind >= 1 ? GetStockObject(BLACK_PEN) : syscolor_pen(COLOR_BTNFACE));
        if (kind >= 2) {
            // Lines outside the window would not show: a huge thickness
            // costs no more than the window's height.
            const int from = std::max(y - kind / 2, -1);
            const int to = static_cast<int>(std::min<int64_t>(int64_t{y} - kind / 2 + kind, client_height + 1));
            for (int ly = from; ly < to; ++ly)
                line(dc_, 0, ly, width_, ly);
        } else {
            line(dc_, 0, y, width_, y);
        }
        SelectObject(dc_, syscolor_pen(COLOR_BTNFACE));
    }

    void highlight(const Rect &r, bool &selected)
    {
        const RECT area{r.left, r.top, r.right, r.bottom};
        FillRect(dc_, &area, syscolor_brush(COLOR_HIGHLIGHT));
        SetTextColor(dc_, GetSysColor(COLOR_HIGHLIGHTTEXT));
        selected = true;
    }

    void plain(bool &selected)
    {
        SetTextColor(dc_, 0);
        selected = false;
    }

    template <typename Char>
    void cell_texts(int record, int column, int text_x, int max_width, int row_y, int offset, bool selected)
    {
        const COLORREF remembered = GetTextColor(dc_);
        const bool keep = (g_.flags & kGridKeepColors) != 0;
        HostText<Char> lower, main;
        lower.clear();
        main.clear();
        if (g_.flags & kGridDoubleRow) {
            SetTextAlign(dc_, TA_BOTTOM | TA_LEFT);
            call_host(s_, kGetText2, record, column, lower.text);
            if (selected && !keep)
                SetTextColor(dc_, remembered);
            if (lower.terminated()[0])
                write_text(dc_, text_x, row_y + g_.row_height - 3, max_width, lower.text);
            SetTextColor(dc_, remembered);
        }
        SetTextAlign(dc_, TA_TOP | TA_LEFT);
        call_host(s_, kGetText, record, column, main.text);
        if (selected && !keep)
            SetTextColor(dc_, remembered);
        write_text(dc_, text_x, lower.text[0] ? row_y + 3 : row_y + offset, max_width, main.terminated());
        SetTextColor(dc_, remembered);
    }

    void owner_drawn_cell(int record, int column, int y)
    {
        const int saved = SaveDC(dc_);
        s_.owner_draw = {dc_, g_.x(column) + 1, y + 1, g_.x(column + 1) - 1, y + g_.row_height - 3};
        call_host(s_, kDrawCell, record, column, &s_.owner_draw);
        RestoreDC(dc_, saved);
    }

    int rows(int offset, int client_height)
    {
        int drawn = 0;
        const int n = static_cast<int>(
            std::min<int64_t>(int64_t{g_.record_count} - g_.top + 1, int64_t{g_.visible_rows} + 1));
        for (int i = 0; i < n; ++i) {
            const int y = g_.rows_top() + i * g_.row_height;
            const int record = g_.top + i;
            separator(y, record, client_height);
            if (record >= g_.record_count)
                continue;
            ++drawn;
            bool selected = false;
            Rect area;
            const bool cell_mode = (g_.flags & kGridCellMode) != 0;
            if (!cell_mode) {
                if (g_.record_selected(record) && g_.row_rect(i, width_, area))
                    highlight(area, selected);
                else
                    plain(selected);
            }
            for (int c = g_.first_column; c <= g_.last_column; ++c) {
                if (cell_mode) {
                    if (g_.record_selected(record) && c == g_.current_column && g_.cell_rect(i, c, width_, area))
                        highlight(area, selected);
                    else
                        plain(selected);
                }
                if (g_.column_flags[static_cast<std::size_t>(c)] & kColumnOwnerDraw) {
                    owner_drawn_cell(record, c, y);
                } else {
                    const int text_x = g_.x(c) + kGridMargin, max_width = g_.x(c + 1) - g_.x(c) - 4;
                    if (s_.ansi_callback)
                        cell_texts<char>(record, c, text_x, max_width, y, offset, selected);
                    else if (s_.wide_callback)
                        cell_texts<wchar_t>(record, c, text_x, max_width, y, offset, selected);
                }
            }
        }
        return drawn;
    }

    void column_lines(int drawn)
    {
        SelectObject(dc_, syscolor_pen(COLOR_BTNFACE));
        for (int c = g_.first_column + 1; c <= g_.last_column; ++c)
            line(dc_, g_.x(c), g_.rows_top(), g_.x(c), g_.rows_top() + drawn * g_.row_height);
    }

    void focus()
    {
        if (GetFocus() != s_.window)
            return;
        const int row = g_.current_record - g_.top;
        Rect r;
        const bool exists = g_.flags & kGridCellMode ? g_.cell_rect(row, g_.current_column, width_, r)
                                                     : g_.row_rect(row, width_, r);
        if (exists && g_.current_record >= g_.top) {
            const RECT area{r.left, r.top, r.right, r.bottom};
            DrawFocusRect(dc_, &area);
        }
    }

private:
    qlw_state &s_;
    Grid &g_;
    HDC dc_;
    int width_;
};

// The window's off-screen picture at the client's size, made again only
// when the size changes; the screen itself when it cannot be made.
HDC picture_for(qlw_state &s, HDC screen, Size size)
{
    if (s.buffer_dc && s.buffer_size == size)
        return s.buffer_dc;
    release_state_objects(s);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = dc ? CreateCompatibleBitmap(screen, std::max(size.width, 1), std::max(size.height, 1)) : nullptr;
    if (!bitmap) {
        if (dc)
            DeleteDC(dc);
        return screen;
    }
    s.buffer_dc = dc;
    s.buffer = bitmap;
    s.buffer_old = SelectObject(dc, bitmap);
    s.buffer_size = size;
    return dc;
}

} // namespace

void paint(qlw_state &s)
{
    WindowHost host(s);
    Grid &g = s.grid;
    const int before = g.record_count;
    g.count_records(host);
    if (g.record_count != before)
        g.reset_selection(host);

    PAINTSTRUCT ps;
    HDC screen = BeginPaint(s.window, &ps);
    RECT client;
    GetClientRect(s.window, &client);
    HDC dc = picture_for(s, screen, {client.right, client.bottom});
    const int saved = SaveDC(dc);
    s.paint_dc = dc;
    // What erasing with the class background would have left.
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    SelectObject(dc, s.body_font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int offset = (g.row_height - metrics.tmHeight) / 2;
    SetBkMode(dc, TRANSPARENT);

    Painter painter(s, dc, client.right);
    if (!(g.flags & kGridNoHeader)) {
        SelectObject(dc, s.header_font);
        painter.header_band(0);
        if (g.flags & kGridTwoBands) {
            SelectObject(dc, s.header_font2);
            painter.header_band(1);
        }
    }
    SelectObject(dc, s.body_font);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    SelectObject(dc, syscolor_pen(COLOR_BTNFACE));
    const int drawn = painter.rows(offset, client.bottom);
    painter.column_lines(drawn);
    painter.focus();

    RestoreDC(dc, saved);
    if (dc != screen) {
        const RECT &r = ps.rcPaint;
        BitBlt(screen, r.left, r.top, r.right - r.left, r.bottom - r.top, dc, r.left, r.top, SRCCOPY);
    }
    EndPaint(s.window, &ps);
    s.paint_dc = nullptr;
    update_scrollbars(s);
}

} // namespace kavo
