// Drawing labels, lines, tables and bitmaps and making and releasing named
// fonts and pens a thousand times leaves the process with as many GDI
// objects as before.  Where the platform counts GDI objects
// (GetGuiResources) that count is compared; everywhere the module's own
// GDI imports are redirected to counters, so that every object the module
// makes is seen made and deleted.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "kavoapi.h"
#include "temp_file.h"

namespace {

DWORD gdi_objects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

// Objects made through the module's imports and not yet deleted.
std::set<HGDIOBJ> live;

HGDIOBJ made(HGDIOBJ object)
{
    if (object)
        live.insert(object);
    return object;
}

decltype(&CreateFontA) real_create_font;
decltype(&CreateFontIndirectA) real_create_font_indirect;
decltype(&CreatePen) real_create_pen;
decltype(&CreatePalette) real_create_palette;
decltype(&DeleteObject) real_delete_object;

HFONT WINAPI counted_create_font(int h, int w, int e, int o, int weight, DWORD i, DWORD u, DWORD s, DWORD c,
                                 DWORD op, DWORD cp, DWORD q, DWORD p, LPCSTR face)
{
    return static_cast<HFONT>(made(real_create_font(h, w, e, o, weight, i, u, s, c, op, cp, q, p, face)));
}
HFONT WINAPI counted_create_font_indirect(const LOGFONTA *f)
{
    return static_cast<HFONT>(made(real_create_font_indirect(f)));
}
HPEN WINAPI counted_create_pen(int style, int width, COLORREF colour)
{
    return static_cast<HPEN>(made(real_create_pen(style, width, colour)));
}
HPALETTE WINAPI counted_create_palette(const LOGPALETTE *p)
{
    return static_cast<HPALETTE>(made(real_create_palette(p)));
}
BOOL WINAPI counted_delete_object(HGDIOBJ object)
{
    live.erase(object);
    return real_delete_object(object);
}

// What the test deletes of the objects the module handed out.
void release(HGDIOBJ object) { counted_delete_object(object); }

// Points the module's import slots of gdi32 functions at the counters.
void redirect_gdi_imports(HMODULE module)
{
    auto *base = reinterpret_cast<uint8_t *>(module);
    const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(base);
    const auto *nt = reinterpret_cast<const IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY &dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    struct Hook {
        const char *name;
        void *counter;
        void **real;
    } hooks[] = {
        {"CreateFontA", reinterpret_cast<void *>(counted_create_font), reinterpret_cast<void **>(&real_create_font)},
        {"CreateFontIndirectA", reinterpret_cast<void *>(counted_create_font_indirect),
         reinterpret_cast<void **>(&real_create_font_indirect)},
        {"CreatePen", reinterpret_cast<void *>(counted_create_pen), reinterpret_cast<void **>(&real_create_pen)},
        {"CreatePalette", reinterpret_cast<void *>(counted_create_palette),
         reinterpret_cast<void **>(&real_create_palette)},
        {"DeleteObject", reinterpret_cast<void *>(counted_delete_object),
         reinterpret_cast<void **>(&real_delete_object)},
    };
    HMODULE gdi = GetModuleHandleA("gdi32.dll");
    for (Hook &h : hooks)
        *h.real = reinterpret_cast<void *>(GetProcAddress(gdi, h.name));
    for (auto *d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR *>(base + dir.VirtualAddress); d->Name; ++d) {
        if (lstrcmpiA(reinterpret_cast<const char *>(base + d->Name), "gdi32.dll") != 0)
            continue;
        auto *names = reinterpret_cast<const IMAGE_THUNK_DATA *>(base + d->OriginalFirstThunk);
        auto *slots = reinterpret_cast<IMAGE_THUNK_DATA *>(base + d->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto *by_name = reinterpret_cast<const IMAGE_IMPORT_BY_NAME *>(base + names->u1.AddressOfData);
            for (const Hook &h : hooks) {
                if (std::strcmp(reinterpret_cast<const char *>(by_name->Name), h.name) != 0)
                    continue;
                DWORD protection;
                VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protection);
                slots->u1.Function = reinterpret_cast<ULONG_PTR>(h.counter);
                VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
            }
        }
    }
}

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
    release(qa_dib_create_palette(dib));
    release(qafont_create_gui_font(12, 400));
    release(qafont_create_pixelfont(12, 400, "Arial", "greek"));
}

TEST(GdiObjects, NothingLeaksOverAThousandRounds)
{
    redirect_gdi_imports(GetModuleHandleA("KavoApi.dll"));
    ASSERT_NE(real_delete_object, nullptr);
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
    const std::size_t live_before = live.size();
    ASSERT_GT(live_before, 0u) << "the counters see the module's objects";

    for (int round = 1; round <= 1000; ++round) {
        draw_everything(dc, dib, bmp, round); // round 1000 ends in the language of round 0
        SelectObject(dc, old_font);
        SelectObject(dc, GetStockObject(BLACK_PEN));
    }
    EXPECT_EQ(live.size(), live_before);
    EXPECT_EQ(gdi_objects(), before) << "0 on platforms that do not count";

    qafont_release_systemfont();
    SelectObject(dc, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    qa_dib_release(dib);
}

} // namespace
