// Image files in the temporary folder and memory surfaces to draw on, for
// the host tests.
#pragma once

#include <windows.h>

#include <algorithm>
#include <array>
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

// A BMP file: 40-byte header, `table_entries` grey colour table entries
// (colours-used field 0), rows of `fill`.  size_field 0 means the true size.
inline Bytes bmp_file(int width, int height, int bits, int table_entries, uint8_t fill, uint32_t size_field = 0)
{
    const uint32_t row = static_cast<uint32_t>((width * bits + 31) / 32 * 4);
    const uint32_t rows_at = 14 + 40 + 4 * static_cast<uint32_t>(table_entries);
    const uint32_t rows_size = row * static_cast<uint32_t>(height);
    Bytes b = {'B', 'M'};
    for (uint32_t v : {size_field ? size_field : rows_at + rows_size, 0u, rows_at, 40u, static_cast<uint32_t>(width),
                       static_cast<uint32_t>(height)})
        append32(b, v);
    append16(b, 1);
    append16(b, static_cast<unsigned>(bits));
    for (uint32_t v : {0u, rows_size, 2835u, 2835u, 0u, 0u})
        append32(b, v);
    for (int i = 0; i < table_entries; ++i)
        append32(b, static_cast<uint32_t>(i * 0x010101));
    b.insert(b.end(), rows_size, fill);
    return b;
}

// A white bitmap selected into a memory device context.
struct Surface {
    int width, height;
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
    Surface(int w, int h) : width(w), height(h)
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
    // Left, top, right and bottom of the pixels darker than mid-grey, so
    // that smoothed edges count once; {width, height, 0, 0} when none.
    std::array<int, 4> dark_box() const
    {
        std::array<int, 4> box = {width, height, 0, 0};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const COLORREF p = GetPixel(dc, x, y);
                if (GetRValue(p) + GetGValue(p) + GetBValue(p) < 384)
                    box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x + 1), std::max(box[3], y + 1)};
            }
        return box;
    }
};

} // namespace kavo_test
