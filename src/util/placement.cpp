#include "util/placement.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kavo {
namespace {

int round_half_up(float v) { return static_cast<int>(std::floor(v + 0.5f)); }

} // namespace

Point position_near_pointer(Point pointer, Size size, const Rect &bounds)
{
    constexpr int kPointerOffset = 50;
    constexpr int kMargin = 10;
    Point at{std::max(pointer.x - kPointerOffset, bounds.left + kMargin),
             std::max(pointer.y - kPointerOffset, bounds.top + kMargin)};
    if (at.x + size.width > bounds.right - kMargin)
        at.x = bounds.right - kMargin - size.width;
    if (at.y + size.height > bounds.bottom - kMargin)
        at.y = bounds.bottom - kMargin - size.height;
    return at;
}

Rect place_image(Size area, Size image, bool fit)
{
    if (!fit)
        return Rect::at({(area.width - image.width) / 2, (area.height - image.height) / 2}, image);
    const float area_aspect = static_cast<float>(area.height) / static_cast<float>(area.width);
    const float image_aspect = static_cast<float>(image.height) / static_cast<float>(image.width);
    if (area_aspect > image_aspect) {
        const int height = static_cast<int16_t>(std::floor(static_cast<float>(area.width) * image_aspect + 0.5f));
        return Rect::at({0, (area.height - height) / 2}, {area.width, height});
    }
    const int width = static_cast<int>(std::floor(static_cast<float>(area.height) / image_aspect + 0.5f));
    return Rect::at({(area.width - width) / 2, 0}, {width, area.height});
}

Rect bitmap_draw_rect(Size asked, Size bitmap, float device_per_logical)
{
    if (asked.width == 0)
        return Rect::at({}, bitmap);
    if (asked.height != 0)
        return Rect::at({}, asked);
    const int width = asked.width;
    const int height = static_cast<int16_t>(
        round_half_up(static_cast<float>(width) / static_cast<float>(bitmap.width) * static_cast<float>(bitmap.height)));
    if (device_per_logical <= 0 || round_half_up(static_cast<float>(width) * device_per_logical) <= bitmap.width)
        return Rect::at({}, {width, height});
    const Size own{round_half_up(static_cast<float>(bitmap.width) / device_per_logical),
                   round_half_up(static_cast<float>(bitmap.height) / device_per_logical)};
    return Rect::at({static_cast<int16_t>((width - own.width) / 2), static_cast<int16_t>((height - own.height) / 2)},
                    own);
}

} // namespace kavo
