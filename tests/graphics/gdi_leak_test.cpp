// Drawing labels, lines, tables and bitmaps and making and releasing named
// fonts and pens a thousand times leaves the process with as many GDI
// objects and heap bytes as before.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "kavoapi.h"
#include "support/resource_counts.h"
#include "temp_file.h"

namespace {

using kavo_test::gdi_objects;
using kavo_test::heap_bytes_in_use;

std::string eight_bit_bmp() { return kavo_test::temp_file("kavo_leak.bmp", kavo_test::bmp_file(4, 4, 8, 0, 256, 9)); }

void draw_everything(HDC dc, void *dib, const std::string &bmp, int round)
{
    // A new system font empties the font table; then MAIN is made, and
    // made again with another height.
    qafont_create_systemfont(13, 400, "Arial", round & 2 ? "Russian" : "English");
    qafont_check("MAIN", "Arial", "B", 20, 0, 0, 0, 0, 0);
    qafont_check("MAIN", "Arial", "B", static_cast<uint16_t>(21 + round % 7), 0, 0, 0, 0, 0);
    qafont_check("SMALL", "Arial", "I", 12, 0, 1, 0, 0, 0);
    qapen_check("GRID", PS_SOLID, static_cast<uint16_t>(1 + round % 3), 0, 0, 0);
    qapen_check("FRAME", PS_DOT, 1, 255, 0, 0);
    qa_drawlabel(dc, 10, 10, "m@t3@@ + @dT@b2", "MAIN", "SMALL", TA_BASELINE);
    qa_drawlabelw(dc, 10, 40, "\xE4@t2", "MAIN", "SMALL", TA_TOP);
    qa_drawline(dc, 0, 0, 50, 50, "GRID");
    qa_drawtable(dc, 5, 5, 10, 10, 3, 4, "GRID", "FRAME");
    qa_dib_draw(dc, dib, 0, 0, 16, 0, round & 1);
    qa_dib_draw_file(dc, bmp.c_str(), 0, 0, 8, 8, 0);
    DeleteObject(qa_dib_create_palette(dib));
    DeleteObject(qafont_create_gui_font(12, 400));
    DeleteObject(qafont_create_pixelfont(12, 400, "Arial", "greek"));
}

TEST(GdiObjects, NoObjectOrHeapBlockLeaksOverAThousandRounds)
{
    const std::string bmp = eight_bit_bmp();
    void *dib = qa_dib_read(bmp.c_str());
    ASSERT_NE(dib, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 100, 100);
    HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
    HGDIOBJ old_font = GetCurrentObject(dc, OBJ_FONT);
    draw_everything(dc, dib, bmp, 0); // the tables and the system font exist from here on
    SelectObject(dc, old_font);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    const DWORD before = gdi_objects();
    const SIZE_T heap = heap_bytes_in_use();
    ASSERT_GT(before, 0u) << "the objects are counted";

    for (int round = 1; round <= 1000; ++round) {
        draw_everything(dc, dib, bmp, round); // round 1000 ends in the language of round 0
        SelectObject(dc, old_font);
        SelectObject(dc, GetStockObject(BLACK_PEN));
    }
    EXPECT_EQ(gdi_objects(), before);
    EXPECT_LT(static_cast<ptrdiff_t>(heap_bytes_in_use() - heap), 16 * 1024) << "64 bytes a round would be 64000";

    qafont_release_systemfont();
    SelectObject(dc, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    qa_dib_release(dib);
}

} // namespace
