// Bitmaps and metafiles through the exports, as a host sees them: the blocks
// and handles it gets, the messages of refused files, drawing within the
// device context's mapping, the clipboard and the QBMPWND window; and no
// GDI object or heap block left behind by any graphics export.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <string>
#include <vector>

#include "image_bytes.h"
#include "kavoapi.h"
#include "support/dialog_watch.h"
#include "support/resource_counts.h"

namespace {

using kavo_test::Bytes;
using Box = std::array<int, 4>;

std::string temp_file(const char *name, const Bytes &contents)
{
    const std::string path = kavo_test::temp_path(name);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char *>(contents.data()), contents.size());
    return path;
}

// A BMP file with `table_entries` grey colours and rows of `fill`; its size
// field is the true size unless given.
Bytes bmp_file(int width, int height, WORD bits, int table_entries, uint8_t fill, DWORD size_field = 0)
{
    const DWORD rows = static_cast<DWORD>((width * bits + 31) / 32 * 4 * height);
    const DWORD rows_at = 14 + 40 + 4 * static_cast<DWORD>(table_entries);
    const BITMAPFILEHEADER file = {0x4D42, size_field ? size_field : rows_at + rows, 0, 0, rows_at};
    const BITMAPINFOHEADER info = {40, width, height, 1, bits, BI_RGB, rows, 2835, 2835, 0, 0};
    Bytes b(reinterpret_cast<const uint8_t *>(&file), reinterpret_cast<const uint8_t *>(&file + 1));
    b.insert(b.end(), reinterpret_cast<const uint8_t *>(&info), reinterpret_cast<const uint8_t *>(&info + 1));
    for (int i = 0; i < table_entries; ++i)
        kavo_test::append32(b, static_cast<uint32_t>(i * 0x010101));
    b.insert(b.end(), rows, fill);
    return b;
}

// A white bitmap selected into a memory device context.
struct Surface {
    int width, height;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(width, height, 1, 32, nullptr);
    Surface(int w, int h) : width(w), height(h)
    {
        SelectObject(dc, bitmap);
        PatBlt(dc, 0, 0, w, h, WHITENESS);
    }
    ~Surface()
    {
        DeleteDC(dc); // which lets the bitmap go
        DeleteObject(bitmap);
    }
    // Left, top, right and bottom of the pixels darker than mid-grey, so
    // that smoothed edges count once; {width, height, 0, 0} when none.
    Box dark_box() const
    {
        Box box = {width, height, 0, 0};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const COLORREF p = GetPixel(dc, x, y);
                if (GetRValue(p) + GetGValue(p) + GetBValue(p) < 384)
                    box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x + 1), std::max(box[3], y + 1)};
            }
        return box;
    }
};

// A metafile whose window is 100 x 100 and which fills all of it black.
Bytes black_square_bits()
{
    HDC recorder = CreateMetaFileA(nullptr);
    SetWindowOrgEx(recorder, 0, 0, nullptr);
    SetWindowExtEx(recorder, 100, 100, nullptr);
    SelectObject(recorder, GetStockObject(BLACK_BRUSH));
    SelectObject(recorder, GetStockObject(NULL_PEN));
    Rectangle(recorder, 0, 0, 101, 101);
    HMETAFILE metafile = CloseMetaFile(recorder);
    Bytes bits(GetMetaFileBitsEx(metafile, 0, nullptr));
    GetMetaFileBitsEx(metafile, static_cast<UINT>(bits.size()), bits.data());
    DeleteMetaFile(metafile);
    return bits;
}

// `bits` behind the header of a placeable metafile with a 200 x 100 frame.
Bytes placeable_file(const Bytes &bits)
{
    Bytes b = kavo_test::placeable_header(0, 0, 200, 100);
    b.insert(b.end(), bits.begin(), bits.end());
    return b;
}

TEST(DibRead, BitmapsGiveTheirBytesSizePaletteAndClipboardFormatsAndShortBlocksAreNeverDrawn)
{
    kavo_test::GifPlan gif;
    gif.data = kavo_test::lzw_data(2, {{4, 3}, {0, 3}, {1, 3}, {0, 3}, {5, 4}});
    // A 1 x 1 bitmap of 1 bit with a 12-byte core header.
    const Bytes core = {'B', 'M', 36, 0, 0, 0, 0, 0, 0, 0, 32, 0, 0, 0, 12, 0, 0, 0, 1, 0, 1, 0, 1, 0, 1, 0,
                        0, 0, 0, 255, 255, 255, 0x80, 0, 0, 0};
    Bytes short_rows = bmp_file(1000, 1000, 24, 0, 0); // the size field is true, the file is not
    short_rows.resize(100);
    const struct {
        const char *name;
        Bytes file;
        int32_t width, height, drawn;
        UINT palette_entries; // 0: no palette, nor one on the clipboard
        COLORREF entry1;
        int32_t copied;  // what putting it on the clipboard gives
        bool dib_copied; // a core header is not copied
    } cases[] = {
        {"kavo8.bmp", bmp_file(5, 3, 8, 256, 7), 5, 3, 3, 256, RGB(1, 1, 1), 1, true},
        {"kavo_ok.GIF", kavo_test::gif_file(gif), 3, 1, 1, 4, RGB(1, 2, 3), 1, true},
        {"kavo_core.bmp", core, 1, 1, 1, 0, 0, 1, false},
        {"kavo_short.bmp", short_rows, 1000, 1000, 0, 0, 0, 0, false},
    };
    Surface s(10, 10);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        void *dib = qa_dib_read(temp_file(c.name, c.file).c_str());
        ASSERT_NE(dib, nullptr);
        // A bitmap's block is its file after the 14-byte file header.
        EXPECT_TRUE(c.file[0] != 'B' || std::equal(c.file.begin() + 14, c.file.end(), static_cast<uint8_t *>(dib)));
        int32_t w = -1, h = -1;
        qa_dib_get_size(dib, &w, &h);
        EXPECT_EQ((std::vector<int32_t>{w, h}), (std::vector<int32_t>{c.width, c.height}));
        EXPECT_EQ(qa_dib_draw(s.dc, dib, 0, 0, 0, 0, 0), c.drawn);
        HPALETTE palette = qa_dib_create_palette(dib);
        PALETTEENTRY entry{};
        EXPECT_EQ(GetPaletteEntries(palette, 0, 0, nullptr), c.palette_entries);
        GetPaletteEntries(palette, 1, 1, &entry);
        EXPECT_EQ(RGB(entry.peRed, entry.peGreen, entry.peBlue), c.entry1);
        DeleteObject(palette);
        ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
        EXPECT_EQ(qa_dib_to_clipboard(nullptr, dib), c.copied);
        EXPECT_EQ(IsClipboardFormatAvailable(CF_DIB) != 0, c.dib_copied);
        EXPECT_EQ(IsClipboardFormatAvailable(CF_PALETTE) != 0, c.palette_entries != 0);
        qa_dib_release(dib);
    }
    char local[64] = {40};
    EXPECT_EQ(qa_dib_draw(s.dc, local, 0, 0, 10, 10, 0), 0) << "a block not from the global heap";
}

// Which text a reader shows for which fault is its own table; here every
// text reaches the screen, in order, with the file name where the bitmap
// reader adds it.
TEST(ImageRead, RefusedFilesShowTheirTextsInOrderAndMissingGifsAndMetafilesNone)
{
    Bytes broken_chain = black_square_bits();
    broken_chain[18] = broken_chain[19] = 0xFF; // the first record's size runs past the end
    const auto dib = [](const char *path) { return qa_dib_read(path) != nullptr; };
    const auto wmf = [](const char *path) { // read, or refused with an aspect other than 1
        float aspect = 0;
        return qa_wmf_read(path, &aspect) != nullptr || aspect != 1.0f;
    };
    const struct {
        bool (*read)(const char *path);
        const char *name; // in the temporary folder, or the path of a missing file
        Bytes contents;   // empty for a missing file
        std::vector<std::string> shown; // a text ending in "\r\n" is followed by the path
    } cases[] = {
        {dib, "Z:\\no\\such.bmp", {}, {"Non compatible bitmap\r\n"}},
        {dib, "kavo_hdr8.bmp", Bytes{'B', 'M', 18, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0},
         {"Non compatible bitmapheader\r\n"}},
        {dib, "kavo_lies.bmp", bmp_file(2, 2, 24, 0, 0, 10), {"Non compatible bitmapheader\r\n"}},
        {dib, "kavo_bitmap.gIf", bmp_file(2, 2, 24, 0, 0), {"Uknown GIF-file-format!"}},
        {dib, "kavo_case.gif", kavo_test::gif_file({}), {"Error reading Gif!", "Error - Bad codesize in gif!"}},
        {dib, "Z:\\no\\such.gif", {}, {}},
        {wmf, "kavo_plain.wmf", black_square_bits(), {"Metafileformat not compatible!"}},
        {wmf, "kavo_broken.wmf", placeable_file(broken_chain), {"Cannot create metafile !"}},
        {wmf, "Z:\\no\\such.wmf", {}, {}},
    };
    for (const auto &c : cases) {
        const std::string path = c.contents.empty() ? c.name : temp_file(c.name, c.contents);
        kavo_test::DialogWatch watch;
        EXPECT_FALSE(c.read(path.c_str())) << path;
        std::vector<std::string> shown, expected = c.shown;
        for (const kavo_test::SeenWindow &box : watch.seen())
            shown.push_back(box.message());
        for (std::string &text : expected)
            text += text.back() == '\n' ? path : "";
        EXPECT_EQ(shown, expected) << path;
    }
}

// The fit arithmetic is the placement code's; here the export reads the
// device context's extents and draws where it says.
TEST(DibDraw, FitReadsTheExtentsOfTheDeviceContext)
{
    const std::string path = temp_file("kavo_black.bmp", bmp_file(100, 50, 24, 0, 0));
    void *dib = qa_dib_read(path.c_str());
    ASSERT_NE(dib, nullptr);
    Surface fitted(300, 200), mirrored(300, 200), from_file(300, 200);
    EXPECT_EQ(qa_dib_draw(fitted.dc, dib, 0, 0, 200, 0, 1), 75);
    EXPECT_EQ(fitted.dark_box(), (Box{50, 25, 150, 75}));
    SetMapMode(mirrored.dc, MM_ANISOTROPIC);
    SetWindowExtEx(mirrored.dc, -100, 100, nullptr);
    EXPECT_EQ(qa_dib_draw(mirrored.dc, dib, 0, 0, 200, 0, 1), 0) << "a window extent below 1: nothing drawn";
    EXPECT_EQ(qa_dib_draw_file(from_file.dc, path.c_str(), 5, 5, 20, 10, 0), 0);
    EXPECT_EQ(from_file.dark_box(), (Box{5, 5, 25, 15}));
    kavo_test::DialogWatch watch;
    EXPECT_EQ(qa_dib_draw_file(from_file.dc, "Z:\\none.bmp", 0, 0, 1, 1, 0), -1);
    qa_dib_release(dib);
}

// The dark pixels of what a window shows after a full repaint.
Box shown_box(HWND window)
{
    RECT r;
    GetClientRect(window, &r);
    Surface s(r.right, r.bottom);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(window);
    BitBlt(s.dc, 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    return s.dark_box();
}

TEST(BitmapWindow, PictureIsFittedAgainWhenTheWindowGrowsAndAnEmptyNameClearsIt)
{
    EXPECT_EQ(gdi_bmpw_registerclass(GetModuleHandleA("KavoApi.dll")), 0);
    EXPECT_EQ(gdi_bmpw_registerclass(GetModuleHandleA("KavoApi.dll")), 0) << "registering twice is harmless";
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 500, 500, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND control = CreateWindowExA(0, "QBMPWND", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, parent,
                                   reinterpret_cast<HMENU>(77), nullptr, nullptr);
    ASSERT_NE(control, nullptr);
    const std::string path = temp_file("kavo_wide.bmp", bmp_file(200, 100, 24, 0, 0));
    gdi_bmpctrl_set_white_bkg(parent, 77);
    gdi_bmpctrl_setbmp(parent, 77, path.c_str(), 0);
    EXPECT_EQ(shown_box(control), (Box{0, 25, 100, 75}));
    MoveWindow(control, 0, 0, 400, 400, TRUE);
    EXPECT_EQ(shown_box(control), (Box{0, 100, 399, 299}));
    gdi_bmpctrl_setbmp(parent, 77, "", 0);
    EXPECT_EQ(shown_box(control), (Box{400, 400, 0, 0})) << "an empty name clears the picture";
    gdi_bmpctrl_setbmp(nullptr, 77, path.c_str(), 0);
    gdi_bmpctrl_setbmp(parent, 12345, path.c_str(), 0);
    DestroyWindow(parent);
}

TEST(Wmf, DrawingFillsTheRectangleAndRestoresTheMappingAndTheClipboardGetsACopy)
{
    const std::string path = temp_file("kavo_square.wmf", placeable_file(black_square_bits()));
    float aspect = 0;
    HMETAFILE metafile = qa_wmf_read(path.c_str(), &aspect);
    ASSERT_NE(metafile, nullptr);
    EXPECT_FLOAT_EQ(aspect, 0.5f);
    // An identity mapping of its own: the drawing is read through it.  An
    // isotropic one, because that mode adjusts the viewport when the window
    // extent is set.
    Surface surface(200, 200);
    SetMapMode(surface.dc, MM_ISOTROPIC);
    SetWindowExtEx(surface.dc, 3, 5, nullptr);
    SetViewportExtEx(surface.dc, 3, 5, nullptr);
    SetWindowOrgEx(surface.dc, 1, 2, nullptr);
    SetViewportOrgEx(surface.dc, 1, 2, nullptr);
    EXPECT_NE(qa_wmf_draw(surface.dc, metafile, 20, 30, 120, 80), 0);
    EXPECT_EQ(surface.dark_box(), (Box{20, 30, 120, 80}));

    ASSERT_NE(qa_wmf_to_clipboard(metafile, 150, 80), 0);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HGLOBAL handle = GetClipboardData(CF_METAFILEPICT);
    const auto *picture = static_cast<const METAFILEPICT *>(GlobalLock(handle));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ((std::vector<LONG>{picture->mm, picture->xExt, picture->yExt}),
              (std::vector<LONG>{MM_ANISOTROPIC, 1500, 800}));
    EXPECT_NE(picture->hMF, metafile) << "the clipboard has its own copy";
    GlobalUnlock(handle);
    CloseClipboard();
    DeleteMetaFile(metafile);
}

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
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SelectObject(dc, GetStockObject(BLACK_PEN));
}

TEST(GdiObjects, NoObjectOrHeapBlockLeaksOverAThousandRounds)
{
    const std::string bmp = temp_file("kavo_leak.bmp", bmp_file(4, 4, 8, 256, 9));
    void *dib = qa_dib_read(bmp.c_str());
    ASSERT_NE(dib, nullptr);
    Surface s(100, 100);
    draw_everything(s.dc, dib, bmp, 0); // the tables and the system font exist from here on
    const DWORD before = kavo_test::gdi_objects();
    const SIZE_T heap = kavo_test::heap_bytes_in_use();
    for (int round = 1; round <= 1000; ++round) // round 1000 ends in the language of round 0
        draw_everything(s.dc, dib, bmp, round);
    ASSERT_GT(before, 0u) << "the objects are counted";
    EXPECT_EQ(kavo_test::gdi_objects(), before);
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
    const DWORD before = kavo_test::gdi_objects();
    HMODULE module = LoadLibraryA(copy.c_str());
    ASSERT_NE(module, nullptr);
    const auto entry = [module](const char *name) { return reinterpret_cast<void *>(GetProcAddress(module, name)); };
    const auto font = reinterpret_cast<decltype(&qafont_check)>(entry("qafont_check"));
    const auto pen = reinterpret_cast<decltype(&qapen_check)>(entry("qapen_check"));
    ASSERT_EQ(font("U", "Arial", "", 30, 0, 0, 0, 0, 0), 1);
    ASSERT_EQ(pen("U", PS_SOLID, 3, 0, 0, 0), 0);
    FreeLibrary(module);
    EXPECT_EQ(kavo_test::gdi_objects(), before);
    DeleteFileA(copy.c_str());
}

} // namespace
