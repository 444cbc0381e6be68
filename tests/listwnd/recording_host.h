// A GridHost that answers from test data and writes down everything the
// grid asks of it (but the counts and CANSELECT) and does to its window,
// one short text per event.
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "listwnd/grid.h"

namespace kavo_test {

struct RecordingHost : kavo::GridHost {
    int records = 0, cells = 0;
    std::set<std::pair<int, int>> refused; // (record, column) CANSELECT refuses
    bool shift = false, ctrl = false;
    kavo::Size client{800, 200};
    std::vector<std::string> events;

    int ask(int code, int record, int column) override
    {
        if (code == kavo::kCanSelect)
            return refused.count({record, column}) ? 1 : 0;
        if (code != kavo::kGetNRec && code != kavo::kGetNCell)
            note("cb " + std::to_string(code) + " " + std::to_string(record) + " " + std::to_string(column));
        return code == kavo::kGetNRec ? records : code == kavo::kGetNCell ? cells : 0;
    }
    void report(const char *text) override { note(std::string("report ") + text); }
    kavo::Size client_size() override { return client; }
    void invalidate(const kavo::Rect &r) override
    {
        note("inv " + std::to_string(r.top) + ".." + std::to_string(r.bottom) + " x" + std::to_string(r.left) +
             ".." + std::to_string(r.right));
    }
    void repaint() override { note("repaint"); }
    void update_now() override { note("update"); }
    void take_focus() override { note("focus"); }
    void set_scroll_pos(bool vertical, int at) override { note((vertical ? "vpos " : "hpos ") + std::to_string(at)); }
    void sync_linked() override { note("sync"); }
    bool shift_held() override { return shift; }
    bool ctrl_held() override { return ctrl; }

    void note(std::string event) { events.push_back(std::move(event)); }
    std::vector<std::string> take() { return std::exchange(events, {}); }
};

} // namespace kavo_test
