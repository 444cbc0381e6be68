// Bitmap exports: reading, sizes, drawing, palettes and the clipboard.
#include <windows.h>
#include <cstring>
#include <string>
#include "dialogs/message.h"
#include "graphics/dib.h"
#include "graphics/gif_decoder.h"
#include "graphics/image_io_win.h"
#include "kavoapi.h"
#include "util/gwmem.h"
#include "util/guard.h"
#include "util/placement.h"
#include "graphics/dib_win.h"

using namespace kavo;
using namespace kavo::dib_win;

extern "C" void *WINAPI qa_gif_read_dib(const char *file_name) noexcept
{
    return guarded<void *>(nullptr, [&]() -> void * {
        FileSource file(file_name);
        if (!file.is_open())
            return nullptr;
        GlobalBlocks blocks;
        GifImage image;
        const GifStatus status = gif_read_dib(file, blocks, &image);
        if (status == GifStatus::ok)
            return image.dib;
        const GifMessages shown = gif_messages(status);
        for (const char *text : {shown.first, shown.second}) {
            if (text)
                info_message(nullptr, text);
        }
        return nullptr;
    });
}

extern "C" void *WINAPI qa_dib_read(const char *file_name) noexcept
{
    return guarded<void *>(nullptr, [&]() -> void * {
        if (names_gif_file(file_name))
            return qa_gif_read_dib(file_name);

        FileSource file(file_name);
        uint8_t header[kFileHeaderSize];
        if (!file.is_open() || file.read(header, sizeof header) != sizeof header || header[0] != 'B' ||
            header[1] != 'M') {
            show_with_name("Non compatible bitmap", file_name);
            return nullptr;
        }
        // The size field may lie: read no more than the file really has.
        uint64_t wanted = static_cast<uint32_t>(header[2] | header[3] << 8 | header[4] << 16 | header[5] << 24);
        wanted = wanted > kFileHeaderSize ? wanted - kFileHeaderSize : 0;
        const uint64_t there = file.remaining();
        const uint64_t count = wanted < there ? wanted : there;
        if (count + 4 > INT32_MAX)
            return nullptr;
        auto *dib = static_cast<uint8_t *>(gwGmalloc(static_cast<int32_t>(count + 4), 0));
        if (!dib)
            return nullptr;
        std::memset(dib, 0, static_cast<std::size_t>(count + 4));
        std::size_t got = 0;
        while (got < count) {
            const std::size_t n = file.read(dib + got, static_cast<std::size_t>(count - got));
            if (n == 0)
                break;
            got += n;
        }
        uint32_t header_size;
        std::memcpy(&header_size, dib, 4);
        if (header_size != kCoreHeaderSize && header_size < kInfoHeaderMin) {
            show_with_name("Non compatible bitmapheader", file_name);
            gwGfree(dib);
            return nullptr;
        }
        return dib;
    });
}

extern "C" void WINAPI qa_dib_release(void *dib) noexcept
{
    guarded_void([&] { gwGfree(dib); });
}

extern "C" void WINAPI qa_dib_get_size(const void *dib, int32_t *width, int32_t *height) noexcept
{
    guarded_void([&] {
        DibHeaderInfo info;
        checked_header(dib, &info);
        if (width)
            *width = info.width;
        if (height)
            *height = info.height;
    });
}

extern "C" int32_t WINAPI qa_dib_draw(HDC hdc, const void *dib, int32_t x, int32_t y, int32_t w, int32_t h,
                                      int32_t fit) noexcept
{
    return guarded<int32_t>(0, [&]() -> int32_t {
        DibHeaderInfo info;
        if (!drawable(dib) || !checked_header(dib, &info) || info.width == 0)
            return 0;
        float device_per_logical = 0; // no limit unless fitting
        if (fit && w != 0 && h == 0) {
            SIZE viewport, window;
            GetViewportExtEx(hdc, &viewport);
            GetWindowExtEx(hdc, &window);
            if (viewport.cx < 1 || window.cx < 1)
                return 0;
            device_per_logical = static_cast<float>(viewport.cx) / static_cast<float>(window.cx);
        }
        const kavo::Rect at = kavo::bitmap_draw_rect({w, h}, {info.width, info.height}, device_per_logical);
        stretch(hdc, dib, info, x + at.left, y + at.top, at.width(), at.height(),
                info.bit_count > 8 ? HALFTONE : COLORONCOLOR);
        return at.bottom;
    });
}

extern "C" int32_t WINAPI qa_dib_draw_file(HDC hdc, const char *file_name, int32_t x, int32_t y, int32_t w,
                                           int32_t h, int32_t) noexcept
{
    return guarded<int32_t>(-1, [&]() -> int32_t {
        void *dib = qa_dib_read(file_name);
        if (!dib)
            return -1;
        DibHeaderInfo info;
        if (drawable(dib) && checked_header(dib, &info))
            stretch(hdc, dib, info, x, y, w, h, COLORONCOLOR);
        gwGfree(dib);
        return 0;
    });
}

extern "C" HPALETTE WINAPI qa_dib_create_palette(const void *dib) noexcept
{
    return guarded<HPALETTE>(nullptr, [&] { return palette_of(dib); });
}

extern "C" int32_t WINAPI qa_dib_to_clipboard(HWND owner, const void *dib) noexcept
{
    return guarded<int32_t>(0, [&]() -> int32_t {
        DibHeaderInfo info;
        if (!checked_header(dib, &info))
            return 0;
        if (info.core)
            return 1;
        if (info.colour_count > 256 || !drawable(dib))
            return 0;
        const uint64_t size = info.header_size + info.colour_count * 4 +
                              dib_row_size(info.width, info.bit_count) * info.height;
        if (size > global_block_size(dib) || size > INT32_MAX)
            return 0;
        HGLOBAL handle = nullptr;
        void *copy = gwGmallocH(static_cast<int32_t>(size), &handle);
        if (!copy)
            return 0;
        std::memcpy(copy, dib, static_cast<std::size_t>(size));
        GlobalUnlock(handle);
        HPALETTE palette = palette_of(dib);
        auto give_up = [&](const char *text) {
            if (palette)
                DeleteObject(palette);
            GlobalFree(handle);
            return info_message(owner, text);
        };
        if (!OpenClipboard(owner))
            return give_up("Cannot open clipboard!");
        if (!EmptyClipboard()) {
            CloseClipboard();
            return give_up("Cannot empy clipboard!");
        }
        if (palette)
            SetClipboardData(CF_PALETTE, palette);
        SetClipboardData(CF_DIB, handle);
        return CloseClipboard();
    });
}
