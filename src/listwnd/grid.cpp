#include "listwnd/grid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <stdexcept>

namespace kavo {
namespace {

// Column borders stay far inside int whatever widths a host defines.
constexpr int64_t kMaxX = 1 << 24;
// More records than this get no selection array: the allocation is
// refused as if memory had run out, rather than spent on a bad count.
constexpr int kMaxSelection = 1 << 28;

int next_border(int previous, uint32_t width_chars, int cx)
{
    const int64_t x = int64_t{previous} + int64_t{width_chars} * cx + 2 * kGridMargin;
    return static_cast<int>(std::min(x, kMaxX));
}

int scaled(int x, double ratio) { return static_cast<int>(std::floor(x * ratio + 0.5)); }

void copy_header_text(Grid::HeaderText &field, const uint16_t *text)
{
    field.fill(0);
    if (!text)
        return;
    for (std::size_t i = 0; i + 1 < field.size() && text[i]; ++i)
        field[i] = text[i];
}

} // namespace

// --- set-up -----------------------------------------------------------------

int Grid::default_row_height() const { return (dialog_cy + 2) * (flags & kGridDoubleRow ? 2 : 1); }

void Grid::set_defaults(uint32_t style, int cx, int cy)
{
    *this = Grid{};
    flags = style;
    dialog_cx = cx;
    dialog_cy = cy;
    row_height = default_row_height();
    header_heights();
}

bool Grid::define_column(uint32_t width, const uint16_t *text1, const uint16_t *text2, uint32_t column_flag_bits)
{
    if (top_level_count >= kMaxColumns)
        return false;
    const auto slot = static_cast<std::size_t>(top_level_count++);
    widths[slot] = width;
    column_flags[slot] = column_flag_bits;
    copy_header_text(column_texts[0][slot], text1);
    copy_header_text(column_texts[1][slot], text2);
    return true;
}

bool Grid::define_subcolumn(uint32_t width, uint32_t group, const uint16_t *text1, const uint16_t *text2,
                            uint32_t column_flag_bits)
{
    if (column_count >= kMaxColumns)
        return false;
    const auto slot = static_cast<std::size_t>(column_count++);
    widths[slot] = width;
    column_flags[slot] = column_flag_bits;
    groups[slot] = static_cast<int>(std::min<uint32_t>(group, kMaxColumns + 1));
    copy_header_text(subcolumn_texts[0][slot], text1);
    copy_header_text(subcolumn_texts[1][slot], text2);
    return true;
}

void Grid::delete_columns()
{
    column_count = 0;
    if (!(flags & kGridTwoBands))
        top_level_count = 0;
}

void Grid::start(GridHost &host)
{
    if (!(flags & kGridTwoBands))
        column_count = top_level_count;
    if (last_column < 1) {
        first_column = 0;
        last_column = column_count - 1;
    }
    regen_columns(host);
    count_records(host);
    reset_selection(host);
}

void Grid::regen_columns(GridHost &host)
{
    layout_columns(host.client_size());
    for (int c = 0; c < column_count; ++c) {
        if (!(column_flags[static_cast<std::size_t>(c)] & kColumnSkip)) {
            current_column = c;
            break;
        }
    }
}

// --- layout -----------------------------------------------------------------

void Grid::header_heights()
{
    if (flags & kGridNoHeader) {
        band1 = band2 = 0;
        return;
    }
    band1 = two_line_header ? 2 * dialog_cy + 2 : dialog_cy + 5;
    band2 = flags & kGridTwoBands ? band1 : 0;
}

bool Grid::column_visible(int column) const
{
    return column >= first_column && column <= last_column && column < column_count && column >= 0;
}

void Grid::update_visible_rows(int client_height)
{
    visible_rows = std::max(1, (client_height - band1 - band2) / std::max(1, row_height));
}

void Grid::layout_columns(Size client)
{
    two_line_header = false;
    if (!(flags & kGridNoHeader)) {
        for (std::size_t i = 0; i < static_cast<std::size_t>(column_count); ++i)
            two_line_header = two_line_header || column_texts[1][i][0] || subcolumn_texts[1][i][0];
    }
    header_heights();
    // The visible range may predate the current column table.
    last_column = std::min(last_column, column_count - 1);
    first_column = std::clamp(first_column, 0, std::max(last_column, 0));
    xs[0] = 0;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(column_count); ++i)
        xs[i] = next_border(xs[i - 1], widths[i - 1], dialog_cx);
    update_visible_rows(client.height);
    fit_columns(client.width);
}

void Grid::fit_columns(int client_width)
{
    const int shown = last_column - first_column + 1;
    if (shown <= 0) {
        xs[0] = client_width;
        return;
    }
    const auto n = static_cast<std::size_t>(shown);
    if (shown == column_count) {
        // All columns shown: scale the current borders, so that borders the
        // user dragged keep their proportions.
        if (xs[n] > 0) {
            const double ratio = static_cast<double>(client_width) / xs[n];
            for (std::size_t k = 0; k < n; ++k)
                xs[k] = scaled(xs[k], ratio);
        }
    } else {
        xs[0] = 0;
        for (std::size_t k = 1; k <= n; ++k)
            xs[k] = next_border(xs[k - 1], widths[static_cast<std::size_t>(first_column) + k - 1], dialog_cx);
        const double ratio = static_cast<double>(client_width) / xs[n];
        for (std::size_t k = 1; k <= n; ++k)
            xs[k] = scaled(xs[k], ratio);
    }
    xs[n] = client_width;
}

bool Grid::row_rect(int row, int client_width, Rect &out) const
{
    if (row < 0 || row >= visible_rows)
        return false;
    const int y = rows_top() + row * row_height;
    out = {1, y + 1, client_width - 1, y + row_height};
    return true;
}

bool Grid::cell_rect(int row, int column, int client_width, Rect &out) const
{
    if (!column_visible(column) || !row_rect(row, client_width, out))
        return false;
    out.left = x(column) + 1;
    out.right = x(column + 1) - 1;
    return true;
}

bool Grid::record_cell_rect(int record, int column, Rect &out) const
{
    if (!column_visible(column) || record < top || record > record_count ||
        int64_t{record} >= int64_t{top} + visible_rows)
        return false;
    const int y = rows_top() + (record - top) * row_height;
    out = {x(column) + 1, y + 1, x(column + 1) - 1, y + row_height};
    return true;
}

int Grid::group_left(int group) const
{
    int left = x(last_column + 1);
    for (int c = last_column; c >= first_column; --c) {
        if (groups[static_cast<std::size_t>(c)] == group + 1)
            left = x(c);
    }
    return left;
}

int Grid::max_top() const { return std::max(0, record_count - visible_rows); }

// --- hit tests ----------------------------------------------------------------

int Grid::row_at(int y, GridHost &host)
{
    if (y < band1)
        return kRowBand1;
    if (y < band1 + band2)
        return kRowBand2;
    const int row = (y - band1 - band2) / row_height;
    if (row > visible_rows)
        return kRowBelow;
    count_records(host);
    if (int64_t{top} + row > int64_t{record_count} - 1)
        return kRowBelow;
    return row;
}

int Grid::click_row(int y, GridHost &host)
{
    host.take_focus();
    if (y < rows_top())
        return kRowBand1;
    return row_at(y, host);
}

int Grid::column_at(int x_pixel) const
{
    for (int c = first_column; c <= last_column && c < column_count; ++c) {
        if (x(c) <= x_pixel && x_pixel < x(c + 1))
            return column_flags[static_cast<std::size_t>(c)] & kColumnSkip ? -1 : c;
    }
    return -1;
}

int Grid::border_at(int x_pixel, int y) const
{
    if (y >= rows_top())
        return 0;
    for (int c = first_column + 1; c <= last_column && c < column_count; ++c) {
        if (std::abs(x_pixel - x(c)) < 3)
            return c;
    }
    return 0;
}

// --- model --------------------------------------------------------------------

void Grid::count_records(GridHost &host)
{
    if (!(flags & kGridCellMode)) {
        record_count = std::max(0, host.ask(kGetNRec, 0, 0));
        return;
    }
    const int cells = host.ask(kGetNCell, 0, 0);
    if (cells < 1 && host.ask(kGetNRec, 0, 0) > 0) {
        host.report("Application error:\r\nGETNCELL not implemented");
        record_count = 0;
        return;
    }
    if (column_count < 1 || cells < 1) {
        record_count = 0;
        return;
    }
    record_count = cells / column_count + (cells % column_count ? 1 : 0);
}

void Grid::reset_selection(GridHost &host)
{
    if (current_record >= record_count)
        current_record = record_count - 1;
    if (!(flags & kGridMultiSel))
        return;
    if (record_count < 1) {
        std::vector<uint8_t>().swap(selection);
        return;
    }
    try {
        if (record_count > kMaxSelection)
            throw std::bad_alloc();
        selection.assign(static_cast<std::size_t>(record_count), 0);
    } catch (const std::exception &) {
        std::vector<uint8_t>().swap(selection);
        return;
    }
    if (current_record < 0)
        return;
    while (current_record >= 0 && host.ask(kCanSelect, current_record, 0) != 0)
        --current_record;
    if (current_record >= 0)
        selection[static_cast<std::size_t>(current_record)] = 1;
}

void Grid::bring_into_view(int record)
{
    if (record < top)
        top = std::max(record, 0);
    if (record - top >= visible_rows - 1)
        top = visible_rows > 2 ? record - visible_rows + 2 : record;
}

void Grid::regen(bool force, GridHost &host)
{
    const int before = record_count;
    count_records(host);
    if (force || record_count != before)
        reset_selection(host);
    current_record = std::clamp(current_record, 0, std::max(record_count - 1, 0));
    if (top > current_record)
        top = current_record;
    top = std::min(top, max_top());
    // The current record follows the view, not the view the record.
    if (current_record > top + visible_rows - 1)
        current_record = top + visible_rows - 1;
    host.repaint();
}

bool Grid::record_selected(int record) const
{
    if (record < 0 || record >= record_count)
        return false;
    if (!(flags & kGridMultiSel))
        return record == current_record;
    return static_cast<std::size_t>(record) < selection.size() && selection[static_cast<std::size_t>(record)];
}

int Grid::selected_count() const
{
    if (!(flags & kGridMultiSel))
        return current_record >= 0 && current_record < record_count ? 1 : 0;
    return static_cast<int>(selection.size() - static_cast<std::size_t>(std::count(selection.begin(), selection.end(), 0)));
}

bool Grid::set_current_record(int record, GridHost &host)
{
    count_records(host);
    if (record < 0 || record >= record_count)
        return false;
    current_record = record;
    bring_into_view(record);
    if (flags & kGridMultiSel)
        reset_selection(host);
    host.repaint();
    return true;
}

void Grid::set_current_cell(int cell, GridHost &host)
{
    count_records(host);
    const int cells = host.ask(kGetNCell, 0, 0);
    if (cell < 0 || cell >= cells || column_count < 1) {
        current_record = -1;
        current_column = 0;
    } else {
        current_record = cell / column_count;
        current_column = cell % column_count;
        bring_into_view(current_record);
    }
    host.repaint();
}

int Grid::current_cell(GridHost &host)
{
    count_records(host);
    if (current_record < 0 || current_record >= record_count || current_column < 0 ||
        current_column >= column_count)
        return -1;
    const int64_t cell = int64_t{current_record} * column_count + current_column;
    const int cells = host.ask(kGetNCell, 0, 0);
    return static_cast<int>(std::max<int64_t>(std::min<int64_t>(cell, int64_t{cells} - 1), -1));
}

void Grid::invalidate_row(int record, GridHost &host) const
{
    Rect row;
    if (int64_t{record} - top < visible_rows && row_rect(record - top, host.client_size().width, row))
        host.invalidate(row);
}

// --- selection ------------------------------------------------------------------

void Grid::select_record(int record, int mode)
{
    if (!(flags & kGridMultiSel)) {
        current_record = record;
        return;
    }
    if (selection.empty())
        return;
    if (mode == 1)
        std::fill(selection.begin(), selection.end(), 0);
    if (record < 0 || static_cast<std::size_t>(record) >= selection.size())
        return;
    uint8_t &byte = selection[static_cast<std::size_t>(record)];
    byte = mode == 2 ? 0 : mode == 3 ? static_cast<uint8_t>(1 - byte) : 1;
}

void Grid::select_range(int record)
{
    if (!(flags & kGridMultiSel)) {
        current_record = record;
        return;
    }
    if (record < 0 || static_cast<std::size_t>(record) >= selection.size())
        return;
    const auto r = selection.begin() + record;
    auto from = std::find_if(selection.begin(), r, [](uint8_t b) { return b != 0; });
    auto to = r;
    if (from == r) {
        const auto last = std::find_if(selection.rbegin(), std::make_reverse_iterator(r + 1),
                                       [](uint8_t b) { return b != 0; });
        if (last.base() != r + 1)
            to = last.base() - 1;
    }
    const auto first = from - selection.begin(), end = to - selection.begin() + 1;
    std::fill(selection.begin(), selection.end(), 0);
    std::fill(selection.begin() + first, selection.begin() + end, 1);
}

void Grid::select_after_move(GridHost &host)
{
    if (!(flags & kGridMultiSel))
        return;
    if (host.shift_held())
        select_range(current_record);
    else if (host.ctrl_held())
        return;
    else
        select_record(current_record, 1);
    host.repaint();
}

// --- input ------------------------------------------------------------------------

void Grid::set_top_pos(GridHost &host)
{
    if (!(flags & kGridNoVScroll))
        host.set_scroll_pos(true, top >= 0 && top < record_count ? top : 0);
    host.ask(kTopRow, top, 0);
}

void Grid::set_left_pos(GridHost &host)
{
    host.set_scroll_pos(false, first_column >= 0 && first_column < column_count ? first_column : 0);
}

void Grid::notify_changed(int old_record, int old_column, GridHost &host)
{
    if (current_record != old_record || current_column != old_column)
        host.ask(kCurChanged, current_record, current_column);
}

bool Grid::beyond_cells(int record, int column, GridHost &host)
{
    return (flags & kGridCellMode) &&
           int64_t{record} * column_count + column >= int64_t{host.ask(kGetNCell, 0, 0)};
}

// The next column from `from` in direction step that may become current,
// or -1.
int Grid::step_column(int from, int step) const
{
    for (int c = from + step; c >= 0 && c < column_count; c += step) {
        if (!(column_flags[static_cast<std::size_t>(c)] & kColumnSkip))
            return c;
    }
    return -1;
}

void Grid::hscroll_to_show(int column, GridHost &host)
{
    const int shift = column < first_column ? -1 : column > last_column ? 1 : 0;
    if (shift == 0)
        return;
    first_column += shift;
    last_column += shift;
    fit_columns(host.client_size().width);
    host.repaint();
    set_left_pos(host);
}

void Grid::navigate(int key, GridHost &host)
{
    count_records(host);
    const int c = record_count, v = visible_rows, t0 = top, m = max_top();
    int &r = current_record, &t = top;
    const int p = r - t;
    // A page is the visible rows less 2; on a window of one or two rows
    // that would stand still or go backwards, so it is one row there.
    const int page = std::max(v - 2, 1);
    invalidate_row(r, host);
    switch (key) {
    case kKeyPageUp:
        if (t > 0) {
            t = std::max(0, t - page);
            r = p + t;
            select_after_move(host);
        }
        break;
    case kKeyPageDown:
        if (int64_t{t} + v < c - 1) {
            t = std::min(t + page, m);
            r = std::min(p + t, c - 1);
            select_after_move(host);
        }
        break;
    case kKeyEnd:
    case kKeyHome:
        if (c > 0) {
            t = key == kKeyEnd ? m : 0;
            r = key == kKeyEnd ? c - 1 : 0;
            select_after_move(host);
        }
        break;
    case kKeyLeft:
    case kKeyRight: {
        const int k = current_column;
        const int step = key == kKeyLeft ? -1 : 1;
        if (step < 0 ? k < 1 : k >= column_count - 1)
            break;
        if (step > 0 && beyond_cells(r, k + 1, host))
            return;
        const int found = step_column(k, step);
        if (found < 0)
            break;
        current_column = found;
        hscroll_to_show(found, host);
        break;
    }
    case kKeyUp:
        if (r > 0) {
            invalidate_row(r, host);
            --r;
            if (p == 0)
                --t;
            if (r < t)
                t = r;
            else if (r > t + v - 1)
                t = std::min(r - v + 1, m);
            select_after_move(host);
        }
        break;
    case kKeyDown:
        if (r < c - 1) {
            if (beyond_cells(r + 1, current_column, host))
                return;
            invalidate_row(r, host);
            ++r;
            if (p >= v - 1)
                ++t;
            if (r < t)
                t = r;
            t = std::min(t, m);
            select_after_move(host);
        }
        break;
    default:
        break;
    }
    if (t == t0) {
        invalidate_row(r, host);
    } else {
        host.repaint();
        set_top_pos(host);
    }
}

void Grid::key_down(int key, GridHost &host)
{
    const int old_record = current_record, old_column = current_column;
    switch (key) {
    case 13:
        host.ask(kEnterKey, current_record, current_column);
        break;
    case 27:
        host.ask(kEscKey, current_record, current_column);
        break;
    case 45:
        host.ask(kInsKey, current_record, current_column);
        break;
    case 46:
        host.ask(kDelKey, current_record, current_column);
        break;
    case 32:
        if ((flags & kGridMultiSel) && current_record >= 0 &&
            static_cast<std::size_t>(current_record) < selection.size()) {
            select_record(current_record, 3);
            invalidate_row(current_record, host);
            host.sync_linked();
        }
        break;
    default:
        if (key >= kKeyPageUp && key <= kKeyDown) {
            navigate(key, host);
            host.sync_linked();
        }
        break;
    }
    host.take_focus();
    notify_changed(old_record, old_column, host);
}

void Grid::vscroll(int request, int position, GridHost &host)
{
    count_records(host);
    const int old_record = current_record, old_column = current_column;
    const int m = max_top();
    auto moved = [&] {
        host.repaint();
        set_top_pos(host);
        host.sync_linked();
    };
    switch (request) {
    case kScrollLineUp:
        if (top >= 1) {
            --top;
            moved();
        }
        break;
    case kScrollLineDown:
        if (top < m) {
            ++top;
            moved();
        }
        break;
    case kScrollPageUp:
    case kScrollPageDown:
        navigate(request == kScrollPageUp ? kKeyPageUp : kKeyPageDown, host);
        host.ask(kTopRow, top, 0);
        host.sync_linked();
        break;
    case kScrollThumbPosition:
    case kScrollThumbTrack:
        top = std::max(0, std::min(position, m));
        moved();
        break;
    default:
        break;
    }
    host.take_focus();
    notify_changed(old_record, old_column, host);
}

void Grid::hscroll(int request, int position, GridHost &host)
{
    const int shown = last_column - first_column + 1;
    switch (request) {
    case kScrollLineUp:
        if (first_column < 1) {
            host.take_focus();
            return;
        }
        --first_column;
        --last_column;
        break;
    case kScrollLineDown:
        if (last_column >= column_count - 1) {
            host.take_focus();
            return;
        }
        ++first_column;
        ++last_column;
        break;
    case kScrollPageUp:
        first_column = std::max(0, first_column - shown);
        last_column = first_column + shown - 1;
        break;
    case kScrollPageDown:
        last_column = std::min(last_column + shown, column_count - 1);
        first_column = last_column - shown + 1;
        break;
    case kScrollThumbPosition:
    case kScrollThumbTrack: {
        // A position the bar cannot give would leave the table.
        const int span = last_column - first_column;
        first_column = std::clamp(position, 0, std::max(0, column_count - 1 - span));
        last_column = first_column + span;
        break;
    }
    default:
        host.take_focus();
        return;
    }
    fit_columns(host.client_size().width);
    host.repaint();
    set_left_pos(host);
    host.take_focus();
}

void Grid::wheel(int delta, GridHost &host)
{
    wheel_rest = static_cast<int16_t>(wheel_rest + delta);
    if (std::abs(int{wheel_rest}) < 120)
        return;
    const int notches = wheel_rest / 120;
    wheel_rest = 0;
    const int old_record = current_record, old_column = current_column;
    const int m = max_top();
    if (notches > 0 && top > 0) {
        top = std::max(0, top - 3 * notches);
        host.repaint();
        set_top_pos(host);
    } else if (notches < 0 && top < m) {
        top = static_cast<int>(std::min<int64_t>(int64_t{top} - 3 * notches, m));
        host.repaint();
        set_top_pos(host);
    }
    notify_changed(old_record, old_column, host);
    host.sync_linked();
}

void Grid::click(Point at, bool right, GridHost &host)
{
    const int row = click_row(at.y, host);
    const int k = row >= kRowBand1 ? column_at(at.x) : -1;
    if (row == kRowBand1) {
        if (k >= 0)
            host.ask(right ? kHdrRClick : kHdrClick, 0, k);
        return;
    }
    if (row < 0) {
        if (right && record_count == 0)
            host.ask(kRClickEmpty, 0, 0);
        return;
    }
    if (k < 0)
        return;
    const int r = top + row;
    if (host.ask(kCanSelect, r, k) != 0 || beyond_cells(r, k, host))
        return;
    if (row == visible_rows && top < max_top()) {
        ++top;
        host.repaint();
    }
    if (flags & kGridMultiSel) {
        if (right) {
            if (r != current_record) {
                invalidate_row(current_record, host);
                current_record = r;
                invalidate_row(r, host);
            }
            if (!record_selected(r)) {
                select_record(r, 1);
                host.repaint();
            }
        } else if (host.ctrl_held()) {
            invalidate_row(current_record, host);
            select_record(r, 3);
            invalidate_row(r, host);
        } else if (host.shift_held()) {
            select_range(r);
            host.repaint();
        } else {
            invalidate_row(current_record, host);
            select_record(r, 1);
            host.repaint();
        }
        current_record = r;
        current_column = k;
        host.update_now();
    } else if (!(flags & kGridCellMode)) {
        if (r != current_record) {
            invalidate_row(current_record, host);
            current_record = r;
            invalidate_row(r, host);
            host.update_now();
        }
        current_column = k;
    } else if (r != current_record || k != current_column) {
        const int width = host.client_size().width;
        Rect cell;
        if (cell_rect(current_record - top, current_column, width, cell))
            host.invalidate(cell);
        current_record = r;
        current_column = k;
        if (cell_rect(r - top, k, width, cell))
            host.invalidate(cell);
        host.update_now();
    }
    host.sync_linked();
    host.ask(right ? kRClick : kLClick, current_record, current_column);
}

bool Grid::left_press(Point at, GridHost &host)
{
    const int old_record = current_record, old_column = current_column;
    const int border = border_at(at.x, at.y);
    if (border > 0) {
        resize_column = border;
        resize_min = x(border - 1) + 20;
        resize_max = x(border + 1) - 20;
    } else {
        click(at, false, host);
    }
    notify_changed(old_record, old_column, host);
    return border > 0;
}

void Grid::right_press(Point at, GridHost &host)
{
    const int old_record = current_record, old_column = current_column;
    click(at, true, host);
    notify_changed(old_record, old_column, host);
}

bool Grid::drag_border(int x_pixel)
{
    if (!column_visible(resize_column) || x_pixel == x(resize_column) || x_pixel < resize_min ||
        x_pixel > resize_max)
        return false;
    xs[static_cast<std::size_t>(resize_column - first_column)] = x_pixel;
    return true;
}

void Grid::double_click(Point at, GridHost &host)
{
    const int row = click_row(at.y, host);
    if (row < 0 || row >= visible_rows)
        return;
    const int k = column_at(at.x);
    if (k < 0)
        return;
    const int r = top + row;
    if (beyond_cells(r, k, host))
        return;
    if (r != current_record || k != current_column) {
        current_record = r;
        current_column = k;
        host.ask(kCurChanged, r, k);
    }
    host.sync_linked();
    host.ask(kDblClick, current_record, current_column);
}

CellHit Grid::hover_at(Point at, GridHost &host)
{
    const int row = row_at(at.y, host);
    return {row >= 0 ? top + row : row, column_at(at.x)};
}

} // namespace kavo
