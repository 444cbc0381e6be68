// Text clipped to a width, as the list window paints its cells; for the
// text exports.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kavo {
namespace listwnd_paint_win {

// The longest leading part of a text that fits max_width pixels, drawn
// with the context's alignment, font and colour.
template <typename Char, typename Measure, typename Fit, typename Out>
int32_t write_fitting(HDC dc, int32_t x, int32_t y, int32_t max_width, const Char *text, Measure measure, Fit fit,
                      Out out)
{
    if (!text || !text[0])
        return 0;
    int length = 0;
    while (text[length] && length < 0x7FFFFFFF)
        ++length;
    SIZE extent{};
    if (!measure(dc, text, length, &extent))
        return 0;
    if (extent.cx > max_width) {
        int fitting = 0;
        if (max_width < 0 || !fit(dc, text, length, max_width, &fitting, nullptr, &extent))
            return 1;
        if (fitting < 1)
            return 1;
        length = fitting;
    }
    return out(dc, x, y, text, length);
}

} // namespace listwnd_paint_win
} // namespace kavo
