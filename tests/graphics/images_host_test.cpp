// Bitmaps and metafiles through the exports, as a host sees them: the blocks
// and handles it gets, the messages of refused files, drawing within the
// device context's mapping, the clipboard and the QBMPWND window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kavoapi.h"
#include "support/dialog_watch.h"
#include "temp_file.h"

namespace {

using kavo_test::bmp_file;
using kavo_test::Bytes;
using kavo_test::Surface;
using kavo_test::temp_file;
using Box = std::array<int, 4>;

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

// A bitmap file whose 12-byte core header names a 1 x 1 picture of 1 bit.
Bytes core_bmp()
{
    Bytes b = {'B', 'M'};
    for (uint32_t v : {14u + 12 + 6 + 4, 0u, 14u + 12 + 6, 12u})
        kavo_test::append32(b, v);
    for (unsigned v : {1, 1, 1, 1})
        kavo_test::append16(b, v);
    b.insert(b.end(), {0, 0, 0, 255, 255, 255, 0x80, 0, 0, 0});
    return b;
}

void empty_clipboard()
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
}

TEST(DibRead, BitmapsGiveTheirSizePaletteDrawingAndClipboardFormats)
{
    kavo_test::GifPlan gif;
    gif.data = kavo_test::lzw_data(2, {{4, 3}, {0, 3}, {1, 3}, {0, 3}, {5, 4}});
    const struct {
        const char *name;
        Bytes file;
        int32_t width, height;
        UINT palette_entries; // 0: no palette, nor one on the clipboard
        COLORREF entry1;
        bool dib_copied; // the core header is not copied to the clipboard
    } cases[] = {
        {"kavo8.bmp", bmp_file(5, 3, 8, 256, 7), 5, 3, 256, RGB(1, 1, 1), true},
        {"kavo_ok.GIF", kavo_test::gif_file(gif), 3, 1, 4, RGB(1, 2, 3), true},
        {"kavo_core.bmp", core_bmp(), 1, 1, 0, 0, false},
    };
    Surface s(10, 10);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        void *dib = qa_dib_read(temp_file(c.name, c.file).c_str());
        ASSERT_NE(dib, nullptr);
        const auto *block = static_cast<const uint8_t *>(dib);
        if (c.file[0] == 'B') { // a bitmap's block is its file after the 14-byte file header
            EXPECT_EQ(Bytes(block, block + c.file.size() - 14), Bytes(c.file.begin() + 14, c.file.end()));
        }
        int32_t w = -1, h = -1;
        qa_dib_get_size(dib, &w, &h);
        EXPECT_EQ(w, c.width);
        EXPECT_EQ(h, c.height);
        EXPECT_EQ(qa_dib_draw(s.dc, dib, 0, 0, 0, 0, 0), c.height);
        HPALETTE palette = qa_dib_create_palette(dib);
        PALETTEENTRY entry{};
        EXPECT_EQ(palette ? GetPaletteEntries(palette, 0, 0, nullptr) : 0u, c.palette_entries);
        EXPECT_EQ(palette ? GetPaletteEntries(palette, 1, 1, &entry) : 0u, c.palette_entries ? 1u : 0u);
        EXPECT_EQ(RGB(entry.peRed, entry.peGreen, entry.peBlue), c.entry1);
        DeleteObject(palette);
        empty_clipboard();
        EXPECT_EQ(qa_dib_to_clipboard(nullptr, dib), 1);
        EXPECT_EQ(IsClipboardFormatAvailable(CF_DIB) != 0, c.dib_copied);
        EXPECT_EQ(IsClipboardFormatAvailable(CF_PALETTE) != 0, c.palette_entries != 0);
        qa_dib_release(dib);
    }
}

// Which text a reader shows for which fault is its own table; here every
// text reaches the screen, in order, with the file name where the bitmap
// reader adds it, and the aspect of a refused metafile is 1.
TEST(ImageRead, RefusedFilesShowTheirTextsInOrderAndMissingGifsAndMetafilesNone)
{
    Bytes tiny_header = bmp_file(2, 2, 24, 0, 0);
    tiny_header[14] = 8; // header size 8
    Bytes broken_chain = black_square_bits();
    broken_chain[18] = broken_chain[19] = 0xFF; // the first record's size runs past the end
    const auto dib = [](const char *path) { return qa_dib_read(path) != nullptr; };
    const auto wmf = [](const char *path) {
        float aspect = 0;
        const bool read = qa_wmf_read(path, &aspect) != nullptr;
        EXPECT_FLOAT_EQ(aspect, 1.0f);
        return read;
    };
    const struct {
        bool (*read)(const char *path);
        const char *name; // in the temporary folder, or the path of a missing file
        Bytes contents;   // empty for a missing file
        std::vector<std::string> shown;
        bool named; // each text is followed by "\r\n" and the path
    } cases[] = {
        {dib, "Z:\\no\\such.bmp", {}, {"Non compatible bitmap"}, true},
        {dib, "kavo_notbm.bmp", Bytes(15, 'P'), {"Non compatible bitmap"}, true},
        {dib, "kavo_hdr8.bmp", tiny_header, {"Non compatible bitmapheader"}, true},
        {dib, "kavo_lies.bmp", bmp_file(2, 2, 24, 0, 0, 10), {"Non compatible bitmapheader"}, true},
        {dib, "kavo_bitmap.gIf", bmp_file(2, 2, 24, 0, 0), {"Uknown GIF-file-format!"}, false},
        {dib, "kavo_case.gif", kavo_test::gif_file({}), {"Error reading Gif!", "Error - Bad codesize in gif!"}, false},
        {dib, "Z:\\no\\such.gif", {}, {}, false},
        {wmf, "kavo_plain.wmf", black_square_bits(), {"Metafileformat not compatible!"}, false},
        {wmf, "kavo_short.wmf", Bytes{0xD7, 0xCD, 0xC6, 0x9A, 0}, {"Metafileformat not compatible!"}, false},
        {wmf, "kavo_broken.wmf", placeable_file(broken_chain), {"Cannot create metafile !"}, false},
        {wmf, "Z:\\no\\such.wmf", {}, {}, false},
    };
    for (const auto &c : cases) {
        const std::string path = c.contents.empty() ? c.name : temp_file(c.name, c.contents);
        kavo_test::DialogWatch watch;
        EXPECT_FALSE(c.read(path.c_str())) << path;
        std::vector<std::string> shown, expected = c.shown;
        for (const kavo_test::SeenWindow &box : watch.seen())
            shown.push_back(box.message());
        for (std::string &text : expected)
            text += c.named ? "\r\n" + path : "";
        EXPECT_EQ(shown, expected) << path;
    }
}

TEST(DibRead, BlockShorterThanItsRowsIsNeverDrawnNorCopied)
{
    // The size field claims 1 MB; the rows of a 1000 x 1000 bitmap are not
    // in the file, so the block holds only what the file has.
    Bytes lying = bmp_file(2, 2, 24, 0, 0, 1u << 20);
    lying[18] = lying[22] = 0xE8;
    lying[19] = lying[23] = 0x03;
    void *dib = qa_dib_read(temp_file("kavo_lying.bmp", lying).c_str());
    ASSERT_NE(dib, nullptr);
    Surface s(20, 20);
    EXPECT_EQ(qa_dib_draw(s.dc, dib, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(qa_dib_to_clipboard(nullptr, dib), 0);
    qa_dib_release(dib);
    char local[64] = {40};
    EXPECT_EQ(qa_dib_draw(s.dc, local, 0, 0, 10, 10, 0), 0) << "a block not from the global heap";
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
    float aspect = 0;
    HMETAFILE metafile = qa_wmf_read(temp_file("kavo_square.wmf", placeable_file(black_square_bits())).c_str(), &aspect);
    ASSERT_NE(metafile, nullptr);
    EXPECT_FLOAT_EQ(aspect, 0.5f);

    // A mapping that leaves logical and device points alike; the drawing is
    // read through it, so any part of it left changed moves what is read.
    Surface surface(200, 200);
    HDC dc = surface.dc;
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 3, 5, nullptr);
    SetViewportExtEx(dc, 3, 5, nullptr);
    SetWindowOrgEx(dc, 1, 2, nullptr);
    SetViewportOrgEx(dc, 1, 2, nullptr);
    EXPECT_NE(qa_wmf_draw(dc, metafile, 20, 30, 120, 80), 0);
    EXPECT_EQ(surface.dark_box(), (Box{20, 30, 120, 80}));

    ASSERT_NE(qa_wmf_to_clipboard(metafile, 150, 80), 0);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HGLOBAL handle = GetClipboardData(CF_METAFILEPICT);
    ASSERT_NE(handle, nullptr);
    const auto *picture = static_cast<const METAFILEPICT *>(GlobalLock(handle));
    EXPECT_EQ(picture->mm, MM_ANISOTROPIC);
    EXPECT_EQ(picture->xExt, 1500);
    EXPECT_EQ(picture->yExt, 800);
    EXPECT_NE(picture->hMF, metafile) << "the clipboard has its own copy";
    GlobalUnlock(handle);
    CloseClipboard();
    DeleteMetaFile(metafile);
}

} // namespace
