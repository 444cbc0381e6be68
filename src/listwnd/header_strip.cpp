#include "listwnd/header_strip.h"

#include <algorithm>
#include <cmath>

namespace kavo {

void strip_borders(const float *ratios, int32_t *borders, int count, uint32_t width)
{
    count = std::clamp(count, 0, kStripMaxColumns);
    const float w = static_cast<float>(width);
    for (int i = 1; i < count; ++i)
        borders[i] = static_cast<int32_t>(std::floor(std::clamp(ratios[i] * w + 0.5f, -1e9f, 1e9f)));
}

int strip_char_width(uint32_t width, int count, int chars_across, int dialog_cx)
{
    if (chars_across < 1)
        return dialog_cx;
    const int64_t whole = static_cast<int64_t>(width);
    const float cells = static_cast<float>(whole - 4 * int64_t{std::clamp(count, 0, kStripMaxColumns)}) /
                        static_cast<float>(chars_across);
    const int q = static_cast<int>(std::clamp(cells, -1e9f, 1e9f));
    const int cw = static_cast<int>(std::floor(q + 0.001));
    return std::min(cw, dialog_cx);
}

} // namespace kavo
