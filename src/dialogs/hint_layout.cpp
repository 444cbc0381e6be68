#include "dialogs/hint_layout.h"

#include <algorithm>
#include <cmath>

#include "dialogs/memo_rows.h"

namespace kavo {

bool hint_has_pen_marker(const uint16_t *text)
{
    static const char marker[] = "[PEN]";
    for (const uint16_t *p = text; p && *p; ++p) {
        std::size_t i = 0;
        while (marker[i] && p[i] == static_cast<uint16_t>(marker[i]))
            ++i;
        if (!marker[i])
            return true;
    }
    return false;
}

// The marker's five characters are dropped from the front whatever they
// are, as long as the text has them.
const uint16_t *hint_body(const uint16_t *text)
{
    if (!hint_has_pen_marker(text))
        return text;
    return text + 5;
}

Size hint_box_size(const uint16_t *text)
{
    const bool pen = hint_has_pen_marker(text);
    qat_memoinfo memo;
    memo_init16(&memo, hint_body(text), 0, kHintRowUnits);
    uint16_t row[kHintRowUnits];
    int rows = 0, width = 0;
    while (rows < kHintMaxRows && memo_next_row16(&memo, row, kHintRowUnits, nullptr) == 1) {
        int n = 0;
        while (row[n])
            ++n;
        const double pixels = n > 10 ? 0.61 * (12 * n) : (0.81 - 0.02 * n) * (12 * n);
        width = std::max(width, static_cast<int>(std::ceil(pixels)));
        ++rows;
    }
    if (pen) {
        if (rows == 0) {
            width += kHintPenWidth + kHintTextX;
            rows = 1;
        } else {
            width += 16;
        }
    }
    return {width + kHintTextX, rows * kHintRowHeight + 2};
}

Point hint_position(Point cursor, Size box, const Rect &screen)
{
    Point at{cursor.x + 2, cursor.y + 20};
    at.x = std::max(at.x, screen.left + 10);
    at.y = std::max(at.y, screen.top + 10);
    if (at.x + box.width > screen.right - 10)
        at.x = screen.right - box.width - 10;
    if (at.y + box.height > screen.bottom - 30)
        at.y = screen.bottom - box.height - 30;
    return at;
}

} // namespace kavo
