// Placement and fitting arithmetic of windows and images, without a window.
#include <gtest/gtest.h>

#include "util/placement.h"

namespace {

using kavo::Point;
using kavo::Rect;
using kavo::Size;

TEST(Rect, EdgesAreHalfOpenAndEmptyRectanglesMeetNothing)
{
    const Rect r{10, 20, 40, 60};
    EXPECT_EQ(r.size(), (Size{30, 40}));
    EXPECT_TRUE(r != (Rect{10, 20, 40, 61}));
    EXPECT_TRUE((Point{1, 2}) != (Point{1, 3}));
    const struct {
        Point p;
        bool inside;
    } points[] = {{{10, 20}, true}, {{39, 59}, true}, {{40, 30}, false}, {{20, 60}, false},
                  {{9, 30}, false},  {{20, 19}, false}};
    for (const auto &c : points)
        EXPECT_EQ(r.contains(c.p), c.inside) << c.p.x << "," << c.p.y;
    for (const Rect &empty : {Rect{10, 20, 10, 60}, Rect{10, 20, 40, 20}, Rect{10, 20, 5, 60}, Rect{10, 20, 40, 0}})
        EXPECT_TRUE(empty.empty()) << empty.left << " " << empty.top << " " << empty.right << " " << empty.bottom;
    EXPECT_FALSE(r.empty());
    const struct {
        Rect other, overlap;
    } overlaps[] = {
        {{0, 0, 20, 30}, {10, 20, 20, 30}},
        {{30, 50, 90, 90}, {30, 50, 40, 60}},
        {{15, 0, 25, 90}, {15, 20, 25, 60}},
        {{40, 20, 50, 60}, {}}, // touching on the right
        {{10, 60, 40, 70}, {}}, // touching below
    };
    for (const auto &c : overlaps) {
        EXPECT_EQ(kavo::intersection(r, c.other), c.overlap) << c.other.left << " " << c.other.top;
        EXPECT_EQ(kavo::intersection(c.other, r), c.overlap) << c.other.left << " " << c.other.top;
    }
}

TEST(Placement, NearThePointerWithinTheBounds)
{
    const Rect screen{0, 0, 1280, 1000};
    const Rect second{1280, -200, 2560, 824}; // a monitor right of and above the first
    const struct {
        Point pointer;
        Size size;
        Rect bounds;
        Point expected;
    } cases[] = {
        {{500, 400}, {300, 150}, screen, {450, 350}},
        {{0, 0}, {300, 150}, screen, {10, 10}},
        {{1279, 999}, {300, 150}, screen, {970, 840}},
        {{1240, 60}, {300, 150}, screen, {970, 10}},
        {{1025, 895}, {300, 150}, screen, {970, 840}}, // 5 px into the margin on both sides
        {{2000, -300}, {300, 150}, second, {1950, -190}},
        {{1000, 500}, {2000, 1500}, screen, {-730, -510}}, // too big: ends inside right and bottom
    };
    for (const auto &c : cases)
        EXPECT_EQ(kavo::position_near_pointer(c.pointer, c.size, c.bounds), c.expected)
            << c.pointer.x << "," << c.pointer.y;
}

TEST(Placement, ImageCentredOrFittedKeepingItsAspect)
{
    const struct {
        Size area, image;
        bool fit;
        Rect expected;
    } cases[] = {
        {{100, 100}, {20, 10}, false, {40, 45, 60, 55}},   // own size, centred
        {{100, 100}, {200, 100}, true, {0, 25, 100, 75}},  // wide: full width, centred down
        {{400, 400}, {200, 100}, true, {0, 100, 400, 300}}, // fitted also grows
        {{100, 100}, {50, 200}, true, {37, 0, 62, 100}},   // tall: full height, centred across
        {{300, 100}, {30, 10}, true, {0, 0, 300, 100}},    // same aspect fills the area
    };
    for (const auto &c : cases)
        EXPECT_EQ(kavo::place_image(c.area, c.image, c.fit), c.expected)
            << c.image.width << "x" << c.image.height << " in " << c.area.width << "x" << c.area.height;
}

TEST(Placement, BitmapDrawRectFollowsTheFitRules)
{
    const Size bitmap{100, 50};
    const struct {
        Size asked;
        float device_per_logical;
        Rect expected;
        const char *why;
    } cases[] = {
        {{200, 0}, 0, {0, 0, 200, 100}, "width given: the aspect gives the height"},
        {{200, 0}, 1, {50, 25, 150, 75}, "fit: never beyond the bitmap's own pixels, centred"},
        {{80, 0}, 1, {0, 0, 80, 40}, "fit: smaller than its own pixels stays as asked"},
        {{200, 0}, 2, {75, 37, 125, 62}, "fit at 2 device pixels a unit: 50 x 25 units, centred"},
        {{200, 0}, 0.5f, {0, 0, 200, 100}, "fit at half a pixel a unit: 200 units are its own 100 pixels"},
        {{30, 20}, 1, {0, 0, 30, 20}, "both sizes: as given"},
        {{0, 0}, 1, {0, 0, 100, 50}, "no size: the bitmap's own"},
        {{0, 70}, 0, {0, 0, 100, 50}, "no width: the bitmap's own, whatever the height"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(kavo::bitmap_draw_rect(c.asked, bitmap, c.device_per_logical), c.expected) << c.why;
}

} // namespace
