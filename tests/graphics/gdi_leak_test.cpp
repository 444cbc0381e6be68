// Drawing labels, lines, tables and bitmaps and making and releasing named
// fonts and pens a thousand times leaves the process with as many GDI
// objects and heap bytes as before; unloading the module deletes the named
// fonts and pens it still holds.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "kavoapi.h"
#include "support/resource_counts.h"
#include "temp_file.h"

namespace {

using kavo_test::gdi_objects;

void draw_everything(HDC dc, void *dib, const std::string &bmp, int round)
{
    // A new system font empties the font table; then MAIN is made, and
    // made again with another height.
    qafont_create_systemfont(13, 400, "Arial", round & 2 ? "Russian" : "English");
    qafont_check("MAIN", "Arial", "B", 20, 0, 0, 0, 0, 0);
    qafont_check("MAIN", "Arial", "B", static_cast<uint16_t>(21 + round % 7), 0, 0, 0, 0, 0);
    qafont_check("SMALL", "Arial", "I", 12, 0, 1, 0, 0, 0);
    qapen_check("LEAKGRID", PS_SOLID, static_cast<uint16_t>(1 + round % 3), 0, 0, 0);
    qapen_check("LEAKFRAM", PS_DOT, 1, 255, 0, 0);
    qa_drawlabel(dc, 10, 10, "m@t3@@ + @dT@b2", "MAIN", "SMALL", TA_BASELINE);
    qa_drawlabelw(dc, 10, 40, "\xE4@t2", "MAIN", "SMALL", TA_TOP);
    qa_drawline(dc, 0, 0, 50, 50, "LEAKGRID");
    qa_drawtable(dc, 5, 5, 10, 10, 3, 4, "LEAKGRID", "LEAKFRAM");
    qa_dib_draw(dc, dib, 0, 0, 16, 0, round & 1);
    qa_dib_draw_file(dc, bmp.c_str(), 0, 0, 8, 8, 0);
    DeleteObject(qa_dib_create_palette(dib));
    DeleteObject(qafont_create_gui_font(12, 400));
    DeleteObject(qafont_create_pixelfont(12, 400, "Arial", "greek"));
}

TEST(GdiObjects, NoObjectOrHeapBlockLeaksOverAThousandRounds)
{
    const std::string bmp = kavo_test::temp_file("kavo_leak.bmp", kavo_test::bmp_file(4, 4, 8, 256, 9));
    void *dib = qa_dib_read(bmp.c_str());
    ASSERT_NE(dib, nullptr);
    kavo_test::Surface s(100, 100);
    const HGDIOBJ font = GetCurrentObject(s.dc, OBJ_FONT);
    DWORD before = 0;
    SIZE_T heap = 0;
    for (int round = 0; round <= 1000; ++round) { // round 1000 ends in the language of round 0
        draw_everything(s.dc, dib, bmp, round);
        SelectObject(s.dc, font);
        SelectObject(s.dc, GetStockObject(BLACK_PEN));
        if (round == 0) { // the tables and the system font exist from here on
            before = gdi_objects();
            heap = kavo_test::heap_bytes_in_use();
        }
    }
    ASSERT_GT(before, 0u) << "the objects are counted";
    EXPECT_EQ(gdi_objects(), before);
    EXPECT_LT(static_cast<ptrdiff_t>(kavo_test::heap_bytes_in_use() - heap), 16 * 1024)
        << "64 bytes a round would be 64000";
    qafont_release_systemfont();
    qa_dib_release(dib);
}

TEST(GdiObjects, UnloadingTheModuleDeletesItsNamedFontsAndPens)
{
    // A copy of its own: a second load of the same file is the same instance.
    char original[MAX_PATH];
    GetModuleFileNameA(GetModuleHandleA("KavoApi.dll"), original, MAX_PATH);
    const std::string copy = kavo_test::temp_path("KavoApiUnload.dll");
    ASSERT_TRUE(CopyFileA(original, copy.c_str(), FALSE));
    const DWORD before = gdi_objects();
    HMODULE module = LoadLibraryA(copy.c_str());
    ASSERT_NE(module, nullptr);
    const auto font = reinterpret_cast<decltype(&qafont_check)>(reinterpret_cast<void *>(GetProcAddress(module, "qafont_check")));
    const auto pen = reinterpret_cast<decltype(&qapen_check)>(reinterpret_cast<void *>(GetProcAddress(module, "qapen_check")));
    ASSERT_EQ(font("U", "Arial", "", 30, 0, 0, 0, 0, 0), 1);
    ASSERT_EQ(pen("U", PS_SOLID, 3, 0, 0, 0), 0);
    FreeLibrary(module);
    EXPECT_EQ(gdi_objects(), before);
    DeleteFileA(copy.c_str());
}

} // namespace
