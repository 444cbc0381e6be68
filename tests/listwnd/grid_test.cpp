// The list window's model without a window: layout arithmetic, hit tests,
// navigation at the ends of the list, selection rules, and the exact
// sequence of host calls and window requests that input produces.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listwnd/grid.h"
#include "recording_host.h"

namespace {

using kavo::Grid;
using kavo::Point;
using kavo::Rect;
using kavo_test::RecordingHost;
using Events = std::vector<std::string>;

// Dialog units 8 x 16: band 1 is 21 pixels, rows 18; a client of 800 x 201
// shows 10 whole rows; four columns of 10 characters fit to borders 0, 200,
// 400, 600, 800.
struct Fixture {
    RecordingHost host;
    Grid grid;

    explicit Fixture(uint32_t flags, int records, int columns = 4, uint32_t skip_mask = 0,
                     const char16_t *second_line = nullptr)
    {
        const auto *line2 = reinterpret_cast<const uint16_t *>(second_line);
        host.records = records;
        host.client = {800, 201};
        grid.set_defaults(flags, 8, 16);
        for (int c = 0; c < columns; ++c) {
            const uint32_t column_flags = (skip_mask >> c) & 1 ? uint32_t{kavo::kColumnSkip} : 0u;
            if (flags & kavo::kGridTwoBands)
                grid.define_subcolumn(10, static_cast<uint32_t>(c / 2 + 1), nullptr, line2, column_flags);
            else
                grid.define_column(10, nullptr, line2, column_flags);
        }
        grid.start(host);
        host.take();
    }
    void place(int top, int current, int column)
    {
        grid.top = top;
        grid.current_record = current;
        grid.current_column = column;
    }
};

TEST(GridLayout, BandsRowsAndBordersFollowTheFlagsAndTheClient)
{
    const struct {
        const char *what;
        uint32_t flags;
        bool second_line;
        int band1, band2, row_height;
    } cases[] = {
        {"one band, one line", 0, false, 21, 0, 18},
        {"a second header line doubles the band", 0, true, 34, 0, 18},
        {"two bands of equal height", kavo::kGridTwoBands, false, 21, 21, 18},
        {"no header", kavo::kGridNoHeader, true, 0, 0, 18},
        {"double rows", kavo::kGridDoubleRow, false, 21, 0, 36},
    };
    for (const auto &c : cases) {
        const Fixture f(c.flags, 0, 1, 0, c.second_line ? u"kg/s" : nullptr);
        EXPECT_EQ(f.grid.band1, c.band1) << c.what;
        EXPECT_EQ(f.grid.band2, c.band2) << c.what;
        EXPECT_EQ(f.grid.row_height, c.row_height) << c.what;
        EXPECT_EQ(f.grid.visible_rows, (201 - c.band1 - c.band2) / c.row_height) << c.what;
    }
}

TEST(GridLayout, DraggedBordersKeepTheirProportionsButHiddenColumnsRebuildFromWidths)
{
    Fixture f(0, 5);
    EXPECT_EQ(std::vector<int>(f.grid.xs.begin(), f.grid.xs.begin() + 5), (std::vector<int>{0, 200, 400, 600, 800}));
    f.grid.xs[1] = 100; // a dragged border
    f.grid.fit_columns(400);
    EXPECT_EQ(std::vector<int>(f.grid.xs.begin(), f.grid.xs.begin() + 5), (std::vector<int>{0, 50, 200, 300, 400}));

    f.grid.widths[2] = 30; // 30 characters: 248 pixels with margins, beside 88
    f.grid.first_column = 1;
    f.grid.last_column = 2;
    f.grid.fit_columns(336);
    EXPECT_EQ(std::vector<int>(f.grid.xs.begin(), f.grid.xs.begin() + 3), (std::vector<int>{0, 88, 336}));
}

TEST(GridLayout, CellRectanglesHitTestsAndGroupsAgreeOnTheBorders)
{
    Fixture f(0, 12);
    f.place(3, 3, 0);
    Rect r;
    ASSERT_TRUE(f.grid.record_cell_rect(12, 1, r)) << "the row after the last record is on the page";
    EXPECT_EQ(r, (Rect{201, 21 + 9 * 18 + 1, 399, 21 + 10 * 18}));
    EXPECT_FALSE(f.grid.record_cell_rect(13, 1, r)) << "beyond the row after the last record";
    EXPECT_FALSE(f.grid.record_cell_rect(2, 1, r)) << "above the top record";
    EXPECT_FALSE(f.grid.record_cell_rect(5, 4, r)) << "no column 4";

    const struct {
        Point at;
        int row, column, border;
    } points[] = {
        {{0, 0}, kavo::kRowBand1, 0, 0},      {{198, 10}, kavo::kRowBand1, 0, 1},
        {{203, 10}, kavo::kRowBand1, 1, 0},   {{799, 21}, 0, 3, 0},
        {{400, 21 + 8 * 18}, 8, 2, 0},        {{400, 21 + 9 * 18}, kavo::kRowBelow, 2, 0},
        {{800, 30}, 0, -1, 0},
    };
    for (const auto &p : points) {
        EXPECT_EQ(f.grid.row_at(p.at.y, f.host), p.row) << p.at.x << "," << p.at.y;
        EXPECT_EQ(f.grid.column_at(p.at.x), p.column) << p.at.x << "," << p.at.y;
        EXPECT_EQ(f.grid.border_at(p.at.x, p.at.y), p.border) << p.at.x << "," << p.at.y;
    }
    Fixture two(kavo::kGridTwoBands, 12); // subcolumns 0,1 in group 1; 2,3 in group 2
    EXPECT_EQ(two.grid.row_at(41, two.host), kavo::kRowBand2);
    EXPECT_EQ(two.grid.row_at(42 + 3 * 18, two.host), 3) << "rows begin below both bands";
    EXPECT_EQ(two.grid.group_left(1), 400);
    EXPECT_EQ(two.grid.group_left(2), 800) << "a group with no visible subcolumn sits at the right end";
}

TEST(GridInput, AHeaderBorderIsDraggedWithinTwentyPixelsOfItsNeighbours)
{
    Fixture f(0, 5);
    EXPECT_TRUE(f.grid.left_press({401, 10}, f.host)) << "within 2 pixels of the border at 400";
    EXPECT_EQ(f.host.take(), Events{}) << "a drag tells the host nothing";
    EXPECT_FALSE(f.grid.drag_border(219)) << "left limit 200 + 20";
    EXPECT_FALSE(f.grid.drag_border(581)) << "right limit 600 - 20";
    EXPECT_TRUE(f.grid.drag_border(580));
    EXPECT_FALSE(f.grid.drag_border(580)) << "no move, no repaint";
    EXPECT_EQ(f.grid.x(2), 580);
}

TEST(GridModel, ColumnTableHoldsFiftyAndARebuiltListOnlyItsNewColumns)
{
    Fixture f(0, 5), two(kavo::kGridTwoBands, 5);
    for (int c = 4; c < kavo::kMaxColumns; ++c) {
        ASSERT_TRUE(f.grid.define_column(3, nullptr, nullptr, 0));
        ASSERT_TRUE(two.grid.define_subcolumn(3, 1, nullptr, nullptr, 0));
    }
    EXPECT_FALSE(f.grid.define_column(3, nullptr, nullptr, 0)) << "one too many";
    EXPECT_FALSE(two.grid.define_subcolumn(3, 1, nullptr, nullptr, 0)) << "one too many subcolumns";
    f.grid.delete_columns();
    f.grid.define_column(3, nullptr, nullptr, kavo::kColumnSkip);
    f.grid.define_column(3, nullptr, nullptr, 0);
    f.grid.start(f.host);
    EXPECT_EQ(f.grid.last_column, 1) << "the visible range is held to the new columns";
    EXPECT_EQ(f.grid.current_column, 1) << "a skipped column never becomes current";
}

TEST(GridModel, RecordCountsComeFromTheHostAndBadCountsMeanNoRecords)
{
    const struct {
        const char *what;
        uint32_t flags;
        int records, cells, columns, expected;
        const char *report;
    } cases[] = {
        {"cells fill rows, the last partly", kavo::kGridCellMode, 0, 10, 4, 3, nullptr},
        {"a host without GETNCELL is reported", kavo::kGridCellMode, 5, 0, 4, 0,
         "report Application error:\r\nGETNCELL not implemented"},
        {"no columns, no rows", kavo::kGridCellMode, 0, 10, 0, 0, nullptr},
        {"negative record count", 0, -7, 0, 4, 0, nullptr},
        {"negative cell count", kavo::kGridCellMode, 0, -7, 4, 0, nullptr},
    };
    for (const auto &c : cases) {
        Fixture f(c.flags, c.records, c.columns);
        f.host.cells = c.cells;
        f.grid.count_records(f.host);
        EXPECT_EQ(f.grid.record_count, c.expected) << c.what;
        EXPECT_EQ(f.host.take(), c.report ? Events{c.report} : Events{}) << c.what;
    }
}

TEST(GridNavigation, EachKeyAtTheEndsOfTheListMovesAsSpecified)
{
    const struct {
        const char *what;
        uint32_t flags;
        int records, cells;
        uint32_t skip;
        int top, current, column, key;
        int top_after, current_after, column_after;
    } cases[] = {
        {"page down keeps the place on the page", 0, 100, 0, 0, 0, 2, 0, kavo::kKeyPageDown, 8, 10, 0},
        {"page down stops at the greatest top", 0, 100, 0, 0, 85, 87, 0, kavo::kKeyPageDown, 90, 92, 0},
        {"page up to the first record", 0, 100, 0, 0, 5, 7, 0, kavo::kKeyPageUp, 0, 2, 0},
        {"end", 0, 100, 0, 0, 0, 0, 0, kavo::kKeyEnd, 90, 99, 0},
        {"home", 0, 100, 0, 0, 50, 55, 0, kavo::kKeyHome, 0, 0, 0},
        {"end of an empty list", 0, 0, 0, 0, 0, -1, 0, kavo::kKeyEnd, 0, -1, 0},
        {"up on the top row scrolls by one", 0, 100, 0, 0, 10, 10, 0, kavo::kKeyUp, 9, 9, 0},
        {"up at the first record", 0, 100, 0, 0, 0, 0, 0, kavo::kKeyUp, 0, 0, 0},
        {"down at the last record", 0, 100, 0, 0, 90, 99, 0, kavo::kKeyDown, 90, 99, 0},
        {"down from no current record", 0, 100, 0, 0, 5, -1, 0, kavo::kKeyDown, 0, 0, 0},
        {"left past skipped columns", 0, 5, 0, 0b0110, 0, 0, 3, kavo::kKeyLeft, 0, 0, 0},
        {"left with only skipped columns left", 0, 5, 0, 0b0011, 0, 0, 2, kavo::kKeyLeft, 0, 0, 2},
        {"right at the last column", 0, 5, 0, 0, 0, 0, 3, kavo::kKeyRight, 0, 0, 3},
        {"cell mode: down below the last cell", kavo::kGridCellMode, 0, 10, 0, 0, 1, 2, kavo::kKeyDown, 0, 1, 2},
        {"cell mode: right after the last cell", kavo::kGridCellMode, 0, 10, 0, 0, 2, 1, kavo::kKeyRight, 0, 2, 1},
    };
    for (const auto &c : cases) {
        Fixture f(c.flags, c.records, 4, c.skip);
        f.host.cells = c.cells;
        f.grid.count_records(f.host);
        f.place(c.top, c.current, c.column);
        f.grid.key_down(c.key, f.host);
        EXPECT_EQ(f.grid.top, c.top_after) << c.what;
        EXPECT_EQ(f.grid.current_record, c.current_after) << c.what;
        EXPECT_EQ(f.grid.current_column, c.column_after) << c.what;
    }
}

// Rows as the recorder writes their invalidation: visible row i of the
// fixture spans y 21 + 18 i + 1 .. 21 + 18 (i + 1).
std::string row(int i)
{
    return "inv " + std::to_string(22 + 18 * i) + ".." + std::to_string(39 + 18 * i) + " x1..799";
}

TEST(GridNavigation, KeysInvalidateRowsScrollAndNotifyInOrder)
{
    const struct {
        const char *what;
        uint32_t flags;
        int top, current, key;
        Events events;
    } cases[] = {
        {"down within the page repaints two rows", 0, 0, 2, kavo::kKeyDown,
         {row(2), row(2), row(3), "sync", "focus", "cb 120 3 0"}},
        {"down off the page scrolls", 0, 0, 9, kavo::kKeyDown,
         {row(9), row(9), "repaint", "vpos 1", "cb 118 1 0", "sync", "focus", "cb 120 10 0"}},
        {"space toggles the current record", kavo::kGridMultiSel, 0, 2, 32, {row(2), "sync", "focus"}},
    };
    for (const auto &c : cases) {
        Fixture f(c.flags, 100);
        f.place(c.top, c.current, 0);
        f.grid.select_record(c.current, 1);
        f.grid.key_down(c.key, f.host);
        EXPECT_EQ(f.host.take(), c.events) << c.what;
    }
}

TEST(GridSelection, ShiftClicksExtendFromTheFirstSelectedRecord)
{
    Fixture f(kavo::kGridMultiSel, 20);
    f.place(0, 8, 0);
    f.grid.select_record(8, 1);
    f.host.shift = true;
    auto selected = [&] {
        std::string s;
        for (int r = 0; r < 20; ++r)
            s += f.grid.record_selected(r) ? '1' : '.';
        return s;
    };
    f.grid.left_press({300, 21 + 5}, f.host);
    EXPECT_EQ(selected(), "111111111...........") << "record 0 up to the anchor 8";
    f.grid.left_press({300, 21 + 9 * 18 + 5}, f.host);
    EXPECT_EQ(selected(), "1111111111..........") << "record 9 from the anchor 0";
    f.host.shift = false;
    f.host.ctrl = true;
    f.grid.left_press({300, 21 + 2 * 18 + 5}, f.host);
    EXPECT_EQ(selected(), "11.1111111..........");
    EXPECT_EQ(f.grid.selected_count(), 9);
}

TEST(GridSelection, ResetWalksUpPastRecordsTheHostRefuses)
{
    Fixture f(kavo::kGridMultiSel, 10);
    f.host.refused = {{5, 0}, {4, 0}};
    f.grid.current_record = 5;
    f.grid.reset_selection(f.host);
    EXPECT_EQ(f.grid.current_record, 3);
    EXPECT_EQ(f.grid.selected_count(), 1);
    f.host.refused = {{3, 0}, {2, 0}, {1, 0}};
    f.grid.reset_selection(f.host);
    EXPECT_EQ(f.grid.current_record, 0);
    EXPECT_EQ(f.grid.selected_count(), 1) << "record 0 is selectable";
    f.host.refused.insert({0, 0});
    f.grid.reset_selection(f.host);
    EXPECT_EQ(f.grid.current_record, -1);
    EXPECT_EQ(f.grid.selected_count(), 0);
}

TEST(GridInput, PressesNotifyTheHostOnlyWhereTheRulesSay)
{
    const struct {
        const char *what;
        uint32_t flags;
        int records, client_height;
        Point at;
        bool right;
        std::vector<std::pair<int, int>> refused;
        Events events;
    } cases[] = {
        {"right press on an empty list", 0, 0, 201, {300, 100}, true, {}, {"focus", "cb 114 0 0"}},
        {"right press below the records", 0, 3, 201, {300, 100}, true, {}, {"focus"}},
        {"left press on a header column", 0, 3, 201, {250, 5}, false, {}, {"focus", "cb 109 0 1"}},
        {"the host refuses the record", 0, 30, 201, {250, 21 + 18 * 2 + 3}, false, {{2, 1}}, {"focus"}},
        {"the first pixel below the header is a record's", 0, 30, 201, {250, 21}, false, {{0, 1}}, {"focus"}},
        {"the half-shown row scrolls by one", 0, 30, 210, {250, 21 + 18 * 10 + 3}, false, {},
         {"focus", "repaint", row(9), "update", "sync", "cb 113 10 1", "cb 120 10 1"}},
        {"cell mode repaints only the two cells", kavo::kGridCellMode, 30, 201, {250, 21 + 18 * 2 + 3}, false, {},
         {"focus", "inv 22..39 x1..199", "inv 58..75 x201..399", "update", "sync", "cb 113 2 1", "cb 120 2 1"}},
    };
    for (const auto &c : cases) {
        Fixture f(c.flags, c.records);
        f.host.cells = c.records * 4;
        f.host.client.height = c.client_height;
        f.grid.layout_columns(f.host.client);
        f.grid.count_records(f.host);
        f.place(0, c.records ? 0 : -1, 0);
        f.host.refused.insert(c.refused.begin(), c.refused.end());
        f.host.take();
        if (c.right)
            f.grid.right_press(c.at, f.host);
        else
            f.grid.left_press(c.at, f.host);
        EXPECT_EQ(f.host.take(), c.events) << c.what;
    }
}

TEST(GridInput, WheelNotchesScrollThreeRecordsAndKeepTheRest)
{
    const struct {
        std::vector<int> deltas;
        int top;
    } cases[] = {{{60}, 10}, {{60, 60}, 7}, {{240}, 4}, {{-120}, 13}, {{-600}, 25}, {{600}, 0}};
    for (const auto &c : cases) {
        Fixture f(0, 35);
        f.place(10, 10, 0);
        for (int d : c.deltas)
            f.grid.wheel(d, f.host);
        EXPECT_EQ(f.grid.top, c.top) << c.deltas.size() << " deltas from " << c.deltas[0];
        EXPECT_EQ(f.grid.current_record, 10) << "the wheel never moves the current record";
    }
}

TEST(GridInput, ScrollBarsMoveTheViewWithinItsLimits)
{
    Fixture f(0, 100, 8);
    f.grid.first_column = 0;
    f.grid.last_column = 2;
    f.grid.fit_columns(800);
    f.grid.hscroll(kavo::kScrollPageDown, 0, f.host);
    EXPECT_EQ(f.grid.first_column, 3);
    f.grid.hscroll(kavo::kScrollThumbTrack, 40, f.host);
    EXPECT_EQ(f.grid.first_column, 5) << "a position beyond the columns is held at the last page";
    EXPECT_EQ(f.grid.last_column, 7);
    f.grid.hscroll(kavo::kScrollLineDown, 0, f.host);
    EXPECT_EQ(f.grid.last_column, 7) << "no line past the last column";
    f.grid.hscroll(kavo::kScrollPageDown, 0, f.host);
    EXPECT_EQ(f.grid.first_column, 5) << "nor a page";
    f.grid.vscroll(kavo::kScrollThumbTrack, 500, f.host);
    EXPECT_EQ(f.grid.top, 90);
}

TEST(GridModel, SettersTakeOnlyRecordsAndCellsThatExistAndBringThemIntoView)
{
    const struct {
        const char *what;
        bool cell; // set_current_cell instead of set_current_record
        int top, value;
        bool taken;
        int top_after, current_after, column_after;
    } cases[] = {
        {"a record below the page lands on its second-last row", false, 0, 50, true, 42, 50, 0},
        {"no record 100 of 100", false, 3, 100, false, 3, 7, 0},
        {"no record -1", false, 3, -1, false, 3, 7, 0},
        {"cell 6 of 4 columns", true, 3, 6, true, 1, 1, 2},
        {"no cell 400 of 400", true, 3, 400, true, 3, -1, 0},
        {"no cell -1", true, 3, -1, true, 3, -1, 0},
    };
    for (const auto &c : cases) {
        Fixture f(0, 100);
        f.host.cells = 400;
        f.place(c.top, 7, 0);
        if (c.cell)
            f.grid.set_current_cell(c.value, f.host);
        else
            EXPECT_EQ(f.grid.set_current_record(c.value, f.host), c.taken) << c.what;
        EXPECT_EQ(f.grid.top, c.top_after) << c.what;
        EXPECT_EQ(f.grid.current_record, c.current_after) << c.what;
        EXPECT_EQ(f.grid.current_column, c.column_after) << c.what;
    }
}

TEST(GridModel, CurrentCellAndSingleSelectionFollowTheCurrentRecord)
{
    const struct {
        int record, column, cells, cell, selected;
    } cases[] = {{2, 1, 10, 9, 1}, {2, 3, 10, 9, 1}, {0, 0, 10, 0, 1}, {-1, 0, 10, -1, 0}, {1, -1, 10, -1, 1}};
    for (const auto &c : cases) {
        Fixture f(0, 5);
        f.host.cells = c.cells;
        f.place(0, c.record, c.column);
        EXPECT_EQ(f.grid.current_cell(f.host), c.cell) << c.record << "," << c.column;
        EXPECT_EQ(f.grid.selected_count(), c.selected) << c.record;
        EXPECT_EQ(f.grid.record_selected(c.record), c.selected == 1) << c.record;
    }
    Fixture f(kavo::kGridMultiSel, 5);
    f.grid.select_record(3, 1);
    f.grid.select_record(3, 2);
    EXPECT_FALSE(f.grid.record_selected(3)) << "mode 2 takes a record out";
    EXPECT_FALSE(f.grid.record_selected(5)) << "beyond the records";
}

TEST(GridModel, RegenKeepsTheCurrentRecordInTheView)
{
    Fixture f(0, 100);
    f.place(50, 95, 0);
    f.host.records = 40;
    f.grid.regen(false, f.host);
    EXPECT_EQ(f.grid.top, 30);
    EXPECT_EQ(f.grid.current_record, 39);
    f.place(20, 5, 0);
    f.grid.regen(false, f.host);
    EXPECT_EQ(f.grid.top, 5);
    EXPECT_EQ(f.host.take().back(), "repaint");
    f.place(10, 35, 0);
    f.grid.regen(false, f.host);
    EXPECT_EQ(f.grid.current_record, 19) << "the record follows the view";
    f.place(0, 0, 0);
    f.grid.regen(false, f.host);
    EXPECT_EQ(f.grid.current_record, 0);
}

} // namespace
