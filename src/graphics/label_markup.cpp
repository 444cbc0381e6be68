#include "graphics/label_markup.h"

#include <cstring>

#include "util/font_metrics.h"

namespace kavo {

LabelWalker::LabelWalker(const char *text, int x, int y, int main_height, int small_height, bool bottom)
    : text_(text ? text : ""), length_(std::strlen(text_)), x_(x), y_(y), cy_(y), main_height_(main_height),
      small_height_(small_height), bottom_(bottom)
{
}

bool LabelWalker::draw(uint8_t ch, LabelStep *step)
{
    *step = {LabelStep::glyph, x_, cy_, ch, 0};
    // Ten copies measured and divided, as the width estimate of a whole
    // text is a 16-bit number.
    const int height = small_ ? small_height_ : main_height_;
    const auto ten = static_cast<uint16_t>(10 * arial_char_width(ch, height));
    x_ += ten / 10;
    ++pos_;
    return true;
}

bool LabelWalker::next(LabelStep *step)
{
    if (pending_glyph_) {
        pending_glyph_ = false;
        if (pos_ < length_)
            return draw(static_cast<uint8_t>(text_[pos_]), step);
    }
    if (pos_ >= length_)
        return false;
    const auto c = static_cast<uint8_t>(text_[pos_]);
    if (c != '@')
        return draw(c, step);
    if (++pos_ >= length_)
        return false;
    const auto escape = static_cast<uint8_t>(text_[pos_]);
    const int hm = main_height_;
    switch (escape) {
    case 'd': {
        const int q = hm / 3;
        const int base = bottom_ ? cy_ - q : (2 * hm) / 10 - q + hm + cy_;
        *step = {LabelStep::delta, x_, base, 0, q};
        x_ += (3 * q) / 2;
        ++pos_;
        return true;
    }
    case 't':
        cy_ = bottom_ ? y_ - (6 * hm) / 10 : y_;
        small_ = true;
        break;
    case 'b':
        cy_ = bottom_ ? y_ + hm / 10 : y_ + hm - (4 * hm) / 10;
        small_ = true;
        break;
    case '@':
        cy_ = y_;
        small_ = false;
        break;
    default:
        return draw(escape, step);
    }
    *step = {small_ ? LabelStep::small_font : LabelStep::main_font, x_, cy_, 0, 0};
    ++pos_;
    pending_glyph_ = true;
    return true;
}

} // namespace kavo
