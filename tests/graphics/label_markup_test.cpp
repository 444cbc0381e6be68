// The label walker: which steps a label makes and where.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/label_markup.h"

namespace {

using kavo::LabelStep;

// Steps as short texts: "g m 100 50" (glyph m at 100, 50), "small 124 50",
// "main ...", "delta 100 76 10".
std::vector<std::string> walk(const char *text, bool bottom, int hm = 30, int hs = 18)
{
    kavo::LabelWalker walker(text, 100, 50, hm, hs, bottom);
    std::vector<std::string> out;
    LabelStep s;
    while (walker.next(&s) && out.size() < 100) {
        const std::string at = " " + std::to_string(s.x) + " " + std::to_string(s.y);
        switch (s.kind) {
        case LabelStep::glyph:
            out.push_back(std::string("g ") + static_cast<char>(s.ch) + at);
            break;
        case LabelStep::small_font:
            out.push_back("small" + at);
            break;
        case LabelStep::main_font:
            out.push_back("main" + at);
            break;
        case LabelStep::delta:
            out.push_back("delta" + at + " " + std::to_string(s.size));
            break;
        }
    }
    return out;
}

using Steps = std::vector<std::string>;

TEST(LabelMarkup, EachMarkerSwitchesFontAndLineAndAdvancesByTheDrawnWidth)
{
    const struct {
        const char *text;
        bool bottom;
        Steps steps;
    } cases[] = {
        {nullptr, false, {}},
        {"m@t3", true, {"g m 100 50", "small 124 32", "g 3 124 32"}},
        {"@dt", false, {"delta 100 76 10", "g t 115 50"}},
        {"@dt", true, {"delta 100 40 10", "g t 115 50"}},
        {"a@xb", false, {"g a 100 50", "g x 117 50", "g b 132 50"}},
        {"a@", false, {"g a 100 50"}},
        {"a@t", false, {"g a 100 50", "small 117 50"}},
        {"@bi", false, {"small 100 68", "g i 100 68"}},
        {"@bi", true, {"small 100 53", "g i 100 53"}},
        // The small font measures with its own height: W at 18 is 18 wide.
        {"@tWW@@W", false, {"small 100 50", "g W 100 50", "g W 118 50", "main 136 50", "g W 136 50"}},
        // The character right after a switch is drawn as it stands.
        {"@b@d", false, {"small 100 68", "g @ 100 68", "g d 109 68"}},
        {"@@@dW", false, {"main 100 50", "g @ 100 50", "g d 115 50", "g W 132 50"}},
        // Raised at the bottom, the current line is 18 above y: a delta rises 10 above that.
        {"@tx@d", true, {"small 100 32", "g x 100 32", "delta 109 22 10"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(walk(c.text, c.bottom), c.steps) << c.text << (c.bottom ? " bottom" : " top");
}

} // namespace
