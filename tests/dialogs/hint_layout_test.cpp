// The hint box's size rule and its place on the virtual screen.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/hint_layout.h"

namespace {

kavo::Size box(const std::u16string &text)
{
    return kavo::hint_box_size(reinterpret_cast<const uint16_t *>(text.c_str()));
}

TEST(HintLayout, BoxSizeFollowsTheWidestRowAndAtMostTenRows)
{
    std::u16string twelve_rows;
    for (int i = 0; i < 12; ++i)
        twelve_rows += u"row\r";
    const struct {
        const char *what;
        std::u16string text;
        int width, height;
    } cases[] = {
        {"five characters: ceil(0.71 x 60) = 43", u"abcde", 48, 18},
        {"eleven characters: ceil(0.61 x 132) = 81", u"abcdefghijk", 86, 18},
        {"rows are cut at 49 characters", std::u16string(60, u'x'), 364, 34},
        {"twelve rows show ten", twelve_rows, 32, 162},
        {"the marker alone is the pen image", u"[PEN]", 24, 18},
        {"the marker adds the image before text", u"[PEN]abcde", 64, 18},
        {"half a marker is text", u"aPEN]", 48, 18},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(box(c.text), (kavo::Size{c.width, c.height})) << c.what;
    }
}

TEST(HintLayout, BoxStaysOnTheVirtualScreen)
{
    const kavo::Rect screen{-1280, 0, 1280, 1024};
    const struct {
        kavo::Point cursor;
        kavo::Point at;
    } cases[] = {
        {{100, 100}, {102, 120}},   {{1270, 100}, {1280 - 48 - 10, 120}},
        {{-1300, -50}, {-1270, 10}}, {{100, 1010}, {102, 1024 - 18 - 30}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(kavo::hint_position(c.cursor, {48, 18}, screen), c.at) << c.cursor.x << "," << c.cursor.y;
}

} // namespace
