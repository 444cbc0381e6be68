// Image files in the temporary folder and memory surfaces to draw on
// (host tests only).
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

#include "image_bytes.h"
#include "support/dialog_watch.h"

namespace kavo_test {

inline std::string temp_file(const char *name, const Bytes &contents)
{
    const std::string path = temp_path(name);
    FILE *f = std::fopen(path.c_str(), "wb");
    std::fwrite(contents.data(), 1, contents.size(), f);
    std::fclose(f);
    return path;
}

// A BMP file: 40-byte header, `colours` grey table entries (colours-used
// field as given), rows of `fill`.  size_field 0 means the true size.
inline Bytes bmp_file(int width, int height, int bits, uint32_t colours_used, int table_entries, uint8_t fill,
                      uint32_t size_field = 0)
{
    const int row = (width * bits + 31) / 32 * 4;
    const uint32_t size = 14 + 40 + 4 * table_entries + row * height;
    Bytes b = {'B', 'M'};
    append32(b, size_field ? size_field : size);
    append32(b, 0);
    append32(b, 14 + 40 + 4 * table_entries);
    append32(b, 40);
    append32(b, static_cast<uint32_t>(width));
    append32(b, static_cast<uint32_t>(height));
    append16(b, 1);
    append16(b, static_cast<unsigned>(bits));
    append32(b, 0);
    append32(b, static_cast<uint32_t>(row * height));
    append32(b, 2835);
    append32(b, 2835);
    append32(b, colours_used);
    append32(b, 0);
    for (int i = 0; i < table_entries; ++i)
        append32(b, static_cast<uint32_t>(i * 0x010101));
    b.insert(b.end(), static_cast<std::size_t>(row * height), fill);
    return b;
}

struct Surface {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
    Surface(int w, int h)
    {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, w, h);
        ReleaseDC(nullptr, screen);
        old = SelectObject(dc, bitmap);
        RECT all = {0, 0, w, h};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~Surface()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    bool red(int x, int y) const { return GetPixel(dc, x, y) == RGB(255, 0, 0); }
};

} // namespace kavo_test
