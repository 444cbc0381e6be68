// The list window's model without a window: column layout and fitting,
// rows and cells as rectangles, hit-testing, the current position, the
// multi-selection, and what keys, clicks, scroll bars and the wheel do to
// them.  Everything the window must do in return (ask the host, invalidate,
// repaint, scroll, focus) goes through GridHost, so the whole behaviour
// can be driven and recorded without Windows; the Win32 window only
// translates messages into these calls and GridHost into the platform.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "util/geometry.h"

namespace kavo {

// Style flags of the create calls.
enum : uint32_t {
    kGridMultiSel = 1,
    kGridDoubleRow = 2,
    kGridCellMode = 4,
    kGridNoHeader = 8,
    kGridTwoBands = 16,
    kGridNoVScroll = 32,
    kGridKeepColors = 64,
};

// Column flags.
enum : uint32_t {
    kColumnSkip = 1,
    kColumnOwnerDraw = 2,
};

// The host callback's codes.
enum GridCode : int {
    kGetNRec = 101,
    kGetText = 102,
    kDblClick = 103,
    kRClick = 104,
    kEnterKey = 105,
    kEscKey = 106,
    kInsKey = 107,
    kDelKey = 108,
    kHdrClick = 109,
    kHdrRClick = 110,
    kDrawCell = 111,
    kGetText2 = 112,
    kLClick = 113,
    kRClickEmpty = 114,
    kGetNCell = 115,
    kCanSelect = 116,
    kGetHint = 117,
    kTopRow = 118,
    kGetSepLine = 119,
    kCurChanged = 120,
    kClosing = 999,
};

// Virtual keys that move the current position.
enum GridKey : int {
    kKeyPageUp = 33,
    kKeyPageDown = 34,
    kKeyEnd = 35,
    kKeyHome = 36,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
};

// Row-test results besides a visible row index.
enum : int {
    kRowBand1 = -1,
    kRowBand2 = -2,
    kRowBelow = -3,
};

// Scroll bar request codes.
enum : int {
    kScrollLineUp = 0,
    kScrollLineDown = 1,
    kScrollPageUp = 2,
    kScrollPageDown = 3,
    kScrollThumbPosition = 4,
    kScrollThumbTrack = 5,
};

constexpr int kMaxColumns = 50;
constexpr int kGridMargin = 4;
constexpr int kHeaderTextUnits = 80;

// The window's side of the model.
class GridHost {
public:
    // The host callback for the codes that carry no buffer; -1 without one.
    virtual int ask(int code, int record, int column) = 0;
    // The module's information message, without an owner.
    virtual void report(const char *text) = 0;
    virtual Size client_size() = 0;
    // Invalidation always erases; repaint() invalidates the whole window.
    virtual void invalidate(const Rect &area) = 0;
    virtual void repaint() = 0;
    virtual void update_now() = 0;
    virtual void take_focus() = 0;
    virtual void set_scroll_pos(bool vertical, int position) = 0;
    virtual void sync_linked() = 0;
    virtual bool shift_held() = 0;
    virtual bool ctrl_held() = 0;

protected:
    ~GridHost() = default;
};

// What a hit test found under a point.
struct CellHit {
    int row;    // visible row index, or kRowBand1/kRowBand2/kRowBelow
    int column; // -1 for none
};

class Grid {
public:
    // Layout and current position, in the window's terms.
    uint32_t flags = 0;
    int dialog_cx = 8, dialog_cy = 16; // dialog base units
    int band1 = 0, band2 = 0;
    int row_height = 18;
    int visible_rows = 1;
    int column_count = 0;
    int top_level_count = 0;
    int current_record = -1;
    int current_column = -1;
    int top = 0;
    int first_column = 0; // F
    int last_column = 0;  // L
    int record_count = 0;
    bool two_line_header = false;
    int sort = 0;
    int resize_column = 0;
    int resize_min = 0, resize_max = 0;
    int16_t wheel_rest = 0;
    std::array<uint32_t, kMaxColumns> widths{};
    std::array<int, kMaxColumns + 1> xs{}; // from F: xs[c - F] is x(c)
    std::array<uint32_t, kMaxColumns> column_flags{};
    std::array<int, kMaxColumns> groups{};
    // Header texts of 79 UTF-16 units and a terminator: line 1 and 2 of
    // each top-level column (the groups of a two-band header) and of each
    // subcolumn.
    using HeaderText = std::array<uint16_t, kHeaderTextUnits>;
    std::array<std::array<HeaderText, kMaxColumns>, 2> column_texts{};
    std::array<std::array<HeaderText, kMaxColumns>, 2> subcolumn_texts{};
    std::vector<uint8_t> selection; // kGridMultiSel: one byte per record

    // --- set-up
    void set_defaults(uint32_t style, int cx, int cy);
    int default_row_height() const;

    // --- columns (false when the table is full)
    bool define_column(uint32_t width, const uint16_t *text1, const uint16_t *text2, uint32_t column_flags);
    bool define_subcolumn(uint32_t width, uint32_t group, const uint16_t *text1, const uint16_t *text2,
                          uint32_t column_flags);
    // Empties the column table; a one-band list also starts its top-level
    // columns again from slot 0, so a rebuilt list holds only its new ones.
    void delete_columns();
    void start(GridHost &host);
    void regen_columns(GridHost &host);

    // --- layout
    void header_heights();
    int rows_top() const { return band1 + band2; }
    int x(int column) const { return xs[static_cast<std::size_t>(column - first_column)]; }
    bool column_visible(int column) const;
    void update_visible_rows(int client_height);
    void layout_columns(Size client);
    void fit_columns(int client_width);
    bool row_rect(int row, int client_width, Rect &out) const;
    bool cell_rect(int row, int column, int client_width, Rect &out) const;
    // The cell rectangle of a record (qlw_get_cellrect).
    bool record_cell_rect(int record, int column, Rect &out) const;
    int group_left(int group) const;
    int max_top() const;

    // --- hit tests
    int row_at(int y, GridHost &host);
    int column_at(int x) const;
    int border_at(int x, int y) const;

    // --- model
    void count_records(GridHost &host);
    void reset_selection(GridHost &host);
    void bring_into_view(int record);
    void regen(bool force, GridHost &host);
    bool record_selected(int record) const;
    int selected_count() const;
    bool set_current_record(int record, GridHost &host);
    void set_current_cell(int cell, GridHost &host);
    int current_cell(GridHost &host);
    void invalidate_row(int record, GridHost &host) const;

    // --- selection
    void select_record(int record, int mode);
    void select_range(int record);
    void select_after_move(GridHost &host);

    // --- input
    void navigate(int key, GridHost &host);
    void key_down(int key, GridHost &host);
    void vscroll(int request, int position, GridHost &host);
    void hscroll(int request, int position, GridHost &host);
    void wheel(int delta, GridHost &host);
    void click(Point at, bool right, GridHost &host);
    // Button presses with the changed notification; a left press on a
    // header border starts a drag instead of clicking (true).
    bool left_press(Point at, GridHost &host);
    void right_press(Point at, GridHost &host);
    // A dragged border follows x within its limits; true when it moved.
    bool drag_border(int x);
    void double_click(Point at, GridHost &host);
    // The hover position: record (or a negative row code) and column.
    CellHit hover_at(Point at, GridHost &host);

    void set_top_pos(GridHost &host);
    void set_left_pos(GridHost &host);

private:
    int click_row(int y, GridHost &host);
    bool beyond_cells(int record, int column, GridHost &host);
    int step_column(int from, int step) const;
    void hscroll_to_show(int column, GridHost &host);
    void notify_changed(int old_record, int old_column, GridHost &host);
};

} // namespace kavo
