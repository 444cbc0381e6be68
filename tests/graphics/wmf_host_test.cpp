// Placeable metafiles through the exports: reading with the aspect ratio,
// playing into a rectangle without changing the device context's mapping,
// the clipboard, and the refusals with their messages.
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
using kavo_test::Bytes;
using kavo_test::temp_file;

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

Bytes placeable_file(int left, int top, int right, int bottom, const Bytes &bits, uint32_t key = 0x9AC6CDD7)
{
    Bytes b = kavo_test::placeable_header(left, top, right, bottom, key);
    b.insert(b.end(), bits.begin(), bits.end());
    return b;
}

TEST(Wmf, DrawingRestoresTheMappingAndClipboardGetsACopy)
{
    const std::string path = temp_file("kavo_square.wmf", placeable_file(0, 0, 200, 100, black_square_bits()));
    float aspect = 0;
    HMETAFILE metafile = qa_wmf_read(path.c_str(), &aspect);
    ASSERT_NE(metafile, nullptr);
    EXPECT_FLOAT_EQ(aspect, 0.5f);

    kavo_test::Surface surface(200, 200);
    HDC dc = surface.dc;
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 3, 5, nullptr);
    SetViewportExtEx(dc, 3, 5, nullptr);
    SetWindowOrgEx(dc, 1, 2, nullptr);
    SetViewportOrgEx(dc, 1, 2, nullptr);

    const auto mapping = [dc] {
        SIZE extent;
        POINT window, viewport;
        GetWindowExtEx(dc, &extent);
        GetWindowOrgEx(dc, &window);
        GetViewportOrgEx(dc, &viewport);
        return std::vector<long>{GetMapMode(dc), extent.cx, extent.cy, window.x, window.y, viewport.x, viewport.y};
    };
    const std::vector<long> before = mapping();
    EXPECT_NE(qa_wmf_draw(dc, metafile, 20, 30, 120, 80), 0);
    EXPECT_EQ(mapping(), before);
    SetMapMode(dc, MM_TEXT);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    EXPECT_EQ(GetPixel(dc, 25, 35), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 115, 75), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 125, 75), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 25, 85), RGB(255, 255, 255));

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

TEST(Wmf, RefusedFilesShowTheirMessage)
{
    Bytes broken = black_square_bits();
    broken[18] = 0xFF; // the first record's size runs past the end
    broken[19] = 0xFF;
    const struct {
        const char *name;
        Bytes contents;
        const char *message;
    } cases[] = {
        {"kavo_plain.wmf", black_square_bits(), "Metafileformat not compatible!"},
        {"kavo_short.wmf", Bytes{0xD7, 0xCD, 0xC6, 0x9A, 0}, "Metafileformat not compatible!"},
        {"kavo_broken.wmf", placeable_file(0, 0, 10, 10, broken), "Cannot create metafile !"},
        {"kavo_empty.wmf", placeable_file(0, 0, 10, 10, {}), "Cannot create metafile !"},
    };
    for (const auto &c : cases) {
        const std::string path = temp_file(c.name, c.contents);
        kavo_test::DialogWatch watch;
        float aspect = 0;
        EXPECT_EQ(qa_wmf_read(path.c_str(), &aspect), nullptr) << c.name;
        EXPECT_FLOAT_EQ(aspect, 1.0f) << c.name;
        ASSERT_EQ(watch.seen().size(), 1u) << c.name;
        EXPECT_EQ(watch.seen()[0].message(), c.message) << c.name;
    }
    kavo_test::DialogWatch watch;
    float aspect = 0;
    EXPECT_EQ(qa_wmf_read("Z:\\no\\such.wmf", &aspect), nullptr);
    EXPECT_FLOAT_EQ(aspect, 1.0f);
    EXPECT_TRUE(watch.seen().empty());
}

} // namespace
