// Input: style, client size, column count and widths, record count, then a
// sequence of keys, clicks, scroll and wheel requests.  Whatever the bytes,
// the visible range stays inside the column table, the current record
// stays below the record count, the top record within 0 .. greatest top
// after a move, and a record brought into view is on the page.
#include <cstdint>

#include "../tests/listwnd/recording_host.h"
#include "listwnd/grid.h"

namespace {

struct Bytes {
    const uint8_t *data;
    std::size_t size, pos = 0;
    int next(int limit) { return pos < size ? data[pos++] % limit : 0; }
};

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

void check_invariants(const kavo::Grid &g)
{
    check(g.first_column >= 0 && g.last_column < std::max(g.column_count, 1));
    check(g.current_record < std::max(g.record_count, 1));
    check(g.visible_rows >= 1);
    check(static_cast<int>(g.selection.size()) <= std::max(g.record_count, 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Bytes in{data, size};
    kavo_test::RecordingHost host;
    kavo::Grid grid;
    const uint32_t style = static_cast<uint32_t>(in.next(128));
    grid.set_defaults(style, 1 + in.next(16), 1 + in.next(32));
    host.client = {in.next(256) * 8 - 40, in.next(256) * 4 - 20};
    const int columns = in.next(60);
    for (int c = 0; c < columns; ++c) {
        const uint32_t width = in.next(8) == 0 ? 0xFFFFFFFFu : static_cast<uint32_t>(in.next(40));
        const uint32_t flags = static_cast<uint32_t>(in.next(4));
        if (style & kavo::kGridTwoBands)
            grid.define_subcolumn(width, static_cast<uint32_t>(in.next(60)), nullptr, nullptr, flags);
        else
            grid.define_column(width, nullptr, nullptr, flags);
    }
    host.records = in.next(4) == 0 ? -in.next(100) : in.next(200) * in.next(200);
    host.cells = host.records * in.next(6) - in.next(3);
    grid.start(host);
    check_invariants(grid);
    while (in.pos < in.size) {
        const int op = in.next(10);
        const int value = in.next(256) * 7 - 100;
        host.shift = value & 1;
        host.ctrl = value & 2;
        const kavo::Point at{in.next(256) * 4, in.next(256) * 2};
        switch (op) {
        case 0:
        case 1:
            grid.key_down(32 + in.next(16), host);
            break;
        case 2:
            grid.vscroll(in.next(7), value, host);
            break;
        case 3:
            grid.hscroll(in.next(7), value, host);
            break;
        case 4:
            grid.wheel(value * 4, host);
            break;
        case 5:
            if (grid.left_press(at, host))
                grid.drag_border(at.x + value);
            grid.resize_column = 0;
            break;
        case 6:
            grid.right_press(at, host);
            grid.double_click(at, host);
            break;
        case 7:
            if (grid.set_current_record(value, host)) {
                check(grid.top <= grid.current_record &&
                      grid.current_record < grid.top + grid.visible_rows);
            }
            break;
        case 8:
            host.records = in.next(3) == 0 ? host.records : in.next(200);
            grid.regen(value & 1, host);
            break;
        default:
            host.client = {in.next(256) * 8 - 40, in.next(256) * 4 - 20};
            grid.layout_columns(host.client);
            break;
        }
        check_invariants(grid);
        kavo::Rect cell;
        for (int c = grid.first_column; c <= grid.last_column; ++c)
            grid.record_cell_rect(grid.top, c, cell);
        host.events.clear();
    }
    return 0;
}
