// Bitmaps through the exports: reading BMP and GIF files with their
// messages, sizes, drawing with the fit rules, palettes, the clipboard and
// the QBMPWND window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kavoapi.h"
#include "support/dialog_watch.h"
#include "temp_file.h"

namespace {

using kavo_test::append16;
using kavo_test::append32;
using kavo_test::bmp_file;
using kavo_test::Bytes;
using kavo_test::Surface;
using kavo_test::temp_file;

// One red 24-bit bitmap used for drawing: rows of (blue 0, green 0, red 255).
Bytes red_bmp(int width, int height)
{
    Bytes b = bmp_file(width, height, 24, 0, 0, 0);
    for (std::size_t i = 14 + 40 + 2; i < b.size(); i += 3)
        if ((i - 54) % static_cast<std::size_t>((width * 3 + 3) / 4 * 4) < static_cast<std::size_t>(width * 3))
            b[i] = 255;
    return b;
}

TEST(DibRead, EightBitWithoutColoursUsedHasAFullTable)
{
    const std::string path = temp_file("kavo8.bmp", bmp_file(5, 3, 8, 0, 256, 7));
    void *dib = qa_dib_read(path.c_str());
    ASSERT_NE(dib, nullptr);
    int32_t w = -1, h = -1;
    qa_dib_get_size(dib, &w, &h);
    EXPECT_EQ(w, 5);
    EXPECT_EQ(h, 3);
    HPALETTE palette = qa_dib_create_palette(dib);
    ASSERT_NE(palette, nullptr);
    PALETTEENTRY entry{};
    EXPECT_EQ(GetPaletteEntries(palette, 0, 0, nullptr), 256u);
    GetPaletteEntries(palette, 9, 1, &entry);
    EXPECT_EQ(entry.peRed, 9);
    DeleteObject(palette);
    qa_dib_release(dib);
}

TEST(DibRead, RefusalsShowTheirMessageAndTheFileName)
{
    Bytes tiny_header = bmp_file(2, 2, 24, 0, 0, 0);
    tiny_header[14] = 8; // header size 8
    struct Case {
        const char *name; // null: a file that is not there
        Bytes contents;
        const char *message; // before "\r\n" and the path
    } cases[] = {
        {"kavo_notbm.bmp", Bytes{'P', 'K', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, "Non compatible bitmap"},
        {"kavo_short.bmp", Bytes{'B', 'M', 1}, "Non compatible bitmap"},
        {"kavo_hdr8.bmp", tiny_header, "Non compatible bitmapheader"},
        {"kavo_lies.bmp", bmp_file(2, 2, 24, 0, 0, 0, 10), "Non compatible bitmapheader"},
        {nullptr, {}, "Non compatible bitmap"},
    };
    for (const Case &c : cases) {
        const std::string path = c.name ? temp_file(c.name, c.contents) : "Z:\\no\\such\\file.bmp";
        kavo_test::DialogWatch watch;
        EXPECT_EQ(qa_dib_read(path.c_str()), nullptr) << path;
        ASSERT_EQ(watch.seen().size(), 1u) << path;
        EXPECT_EQ(watch.seen()[0].message(), std::string(c.message) + "\r\n" + path);
    }
}

TEST(DibRead, RowsBeyondTheFileAreNeverDrawn)
{
    // The size field claims 1 MB; the rows of a 1000 x 1000 bitmap are not
    // in the file.  The block is handed out but drawing refuses it.
    Bytes lying = bmp_file(2, 2, 24, 0, 0, 0, 1u << 20);
    lying[18] = 0xE8;
    lying[19] = 0x03;
    lying[22] = 0xE8;
    lying[23] = 0x03;
    const std::string path = temp_file("kavo_lying.bmp", lying);
    void *dib = qa_dib_read(path.c_str());
    ASSERT_NE(dib, nullptr);
    Surface s(20, 20);
    EXPECT_EQ(qa_dib_draw(s.dc, dib, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(qa_dib_to_clipboard(nullptr, dib), 0);
    qa_dib_release(dib);
    char local[64] = {40};
    EXPECT_EQ(qa_dib_draw(s.dc, local, 0, 0, 10, 10, 0), 0) << "a block not from the global heap";
}

TEST(DibRead, GifNamesGoToTheGifReaderWhateverTheContents)
{
    const std::string path = temp_file("kavo_bitmap.gIf", red_bmp(2, 2));
    kavo_test::DialogWatch watch;
    EXPECT_EQ(qa_dib_read(path.c_str()), nullptr);
    ASSERT_EQ(watch.seen().size(), 1u);
    EXPECT_EQ(watch.seen()[0].message(), "Uknown GIF-file-format!");
}

// Which texts a refusal shows is the core's table; here: both texts of a
// double refusal reach the screen, in order, and a missing file is silent.
TEST(GifRead, RefusalsShowEveryMessageInOrderAndMissingFilesNone)
{
    kavo_test::GifPlan plan; // ends where the code size byte should be
    const std::string path = temp_file("kavo_case.gif", kavo_test::gif_file(plan));
    kavo_test::DialogWatch watch;
    EXPECT_EQ(qa_gif_read_dib(path.c_str()), nullptr);
    ASSERT_EQ(watch.seen().size(), 2u);
    EXPECT_EQ(watch.seen()[0].message(), "Error reading Gif!");
    EXPECT_EQ(watch.seen()[1].message(), "Error - Bad codesize in gif!");
    kavo_test::DialogWatch silent;
    EXPECT_EQ(qa_gif_read_dib("Z:\\no\\such.gif"), nullptr);
    EXPECT_TRUE(silent.seen().empty());
}

TEST(GifRead, DecodedGifDrawsAndGoesToTheClipboard)
{
    kavo_test::GifPlan plan;
    plan.data = kavo_test::lzw_data(2, {{4, 3}, {0, 3}, {1, 3}, {0, 3}, {5, 4}});
    const std::string path = temp_file("kavo_ok.GIF", kavo_test::gif_file(plan));
    void *dib = qa_dib_read(path.c_str());
    ASSERT_NE(dib, nullptr);
    int32_t w = 0, h = 0;
    qa_dib_get_size(dib, &w, &h);
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 1);
    Surface s(10, 10);
    EXPECT_EQ(qa_dib_draw(s.dc, dib, 0, 0, 0, 0, 0), 1);
    ASSERT_NE(qa_dib_to_clipboard(nullptr, dib), 0);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_PALETTE));
    qa_dib_release(dib);
}

TEST(DibClipboard, CoreHeaderIsNotCopied)
{
    Bytes core = {'B', 'M'};
    append32(core, 14 + 12 + 6 + 4);
    append32(core, 0);
    append32(core, 14 + 12 + 6);
    append32(core, 12);
    append16(core, 1);
    append16(core, 1);
    append16(core, 1);
    append16(core, 1);
    core.insert(core.end(), {0, 0, 0, 255, 255, 255, 0x80, 0, 0, 0});
    const std::string path = temp_file("kavo_core.bmp", core);
    void *dib = qa_dib_read(path.c_str());
    ASSERT_NE(dib, nullptr);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(qa_dib_to_clipboard(nullptr, dib), 1);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_DIB));
    EXPECT_EQ(qa_dib_create_palette(dib), nullptr);
    qa_dib_release(dib);
}

// The fit arithmetic is the core's; here the export reads the DC's extents
// and draws where the core says.
TEST(DibDraw, FitReadsTheExtentsOfTheDeviceContext)
{
    const std::string path = temp_file("kavo_red.bmp", red_bmp(100, 50));
    void *dib = qa_dib_read(path.c_str());
    ASSERT_NE(dib, nullptr);
    {
        Surface s(300, 200);
        EXPECT_EQ(qa_dib_draw(s.dc, dib, 0, 0, 200, 0, 1), 75) << "fit: 100 x 50 at (50, 25)";
        EXPECT_FALSE(s.red(49, 50));
        EXPECT_TRUE(s.red(50, 25));
        EXPECT_TRUE(s.red(149, 74));
        EXPECT_FALSE(s.red(150, 74));
    }
    {
        Surface s(300, 200);
        SetMapMode(s.dc, MM_ANISOTROPIC);
        SetWindowExtEx(s.dc, -100, 100, nullptr);
        EXPECT_EQ(qa_dib_draw(s.dc, dib, 0, 0, 200, 0, 1), 0) << "a window extent below 1: nothing drawn";
    }
    Surface s(300, 200);
    EXPECT_EQ(qa_dib_draw_file(s.dc, path.c_str(), 5, 5, 20, 10, 0), 0);
    EXPECT_TRUE(s.red(24, 14));
    EXPECT_FALSE(s.red(25, 14));
    kavo_test::DialogWatch watch;
    EXPECT_EQ(qa_dib_draw_file(s.dc, "Z:\\none.bmp", 0, 0, 1, 1, 0), -1);
    qa_dib_release(dib);
}

class BitmapWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        EXPECT_EQ(gdi_bmpw_registerclass(GetModuleHandleA("KavoApi.dll")), 0);
        EXPECT_EQ(gdi_bmpw_registerclass(GetModuleHandleA("KavoApi.dll")), 0);
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 500, 500, nullptr, nullptr,
                                  nullptr, nullptr);
        control_ = CreateWindowExA(0, "QBMPWND", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, parent_,
                                   reinterpret_cast<HMENU>(77), nullptr, nullptr);
        ASSERT_NE(control_, nullptr);
    }
    void TearDown() override { DestroyWindow(parent_); }

    // Paints the control into a memory surface the size of its client area.
    bool red_at(int x, int y)
    {
        RECT r;
        GetClientRect(control_, &r);
        Surface s(r.right, r.bottom);
        RedrawWindow(control_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        HDC dc = GetDC(control_);
        BitBlt(s.dc, 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
        ReleaseDC(control_, dc);
        return s.red(x, y);
    }

    HWND parent_ = nullptr, control_ = nullptr;
};

TEST_F(BitmapWindow, WideImageIsFittedAndStaysFittedWhenTheWindowGrows)
{
    const std::string path = temp_file("kavo_wide.bmp", red_bmp(200, 100));
    gdi_bmpctrl_set_white_bkg(parent_, 77);
    gdi_bmpctrl_setbmp(parent_, 77, path.c_str(), 0);
    EXPECT_FALSE(red_at(50, 24));
    EXPECT_TRUE(red_at(50, 26));
    EXPECT_TRUE(red_at(99, 73));
    EXPECT_FALSE(red_at(50, 76));
    MoveWindow(control_, 0, 0, 400, 400, TRUE);
    EXPECT_FALSE(red_at(200, 98));
    EXPECT_TRUE(red_at(200, 102));
    EXPECT_TRUE(red_at(396, 296));
    EXPECT_FALSE(red_at(200, 302));

    gdi_bmpctrl_setbmp(parent_, 77, "", 0);
    EXPECT_FALSE(red_at(200, 200)) << "an empty name clears the image";
    gdi_bmpctrl_setbmp(nullptr, 77, path.c_str(), 0);
    gdi_bmpctrl_setbmp(parent_, 12345, path.c_str(), 0);
}

} // namespace
