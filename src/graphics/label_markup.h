// Label texts with raised and lowered parts: "@t" switches to the small
// font raised, "@b" to the small font lowered, "@@" back to the main font
// at the label's own position, "@d" draws a delta sign; "@" before any
// other character is dropped.  The walker turns a label into drawing steps
// with their positions; the shell carries them out on a device context.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kavo {

struct LabelStep {
    enum Kind {
        small_font, // select the small font from here on
        main_font,  // select the main font from here on
        glyph,      // draw `ch` with its reference point at (x, y)
        delta,      // triangle (x, y) (x + size, y) (x + size / 2, y - size)
    };
    Kind kind;
    int x, y;
    uint8_t ch;
    int size;
};

class LabelWalker {
public:
    // main_height and small_height are the heights of the two fonts; bottom
    // is true when the text alignment measures from the bottom or the base
    // line (its bit of value 8 is set).
    LabelWalker(const char *text, int x, int y, int main_height, int small_height, bool bottom);

    // The next step, or false at the end of the label.
    bool next(LabelStep *step);

private:
    bool draw(uint8_t ch, LabelStep *step);

    const char *text_;
    std::size_t length_, pos_ = 0;
    int x_, y_, cy_;
    int main_height_, small_height_;
    bool bottom_, small_ = false;
    bool pending_glyph_ = false; // a font switch is followed by its character
};

} // namespace kavo
