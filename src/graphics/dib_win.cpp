// Bitmap files in movable blocks: reading (GIF files go to the GIF
// reader), sizes, drawing, palettes and the clipboard.  Every block a host
// hands back is measured and checked before the platform reads it.
#include <windows.h>

#include <cstring>
#include <string>

#include "dialogs/message.h"
#include "graphics/dib.h"
#include "graphics/gif_decoder.h"
#include "graphics/image_io_win.h"
#include "graphics/dib_win.h"
#include "kavoapi.h"
#include "util/gwmem.h"
#include "util/guard.h"
#include "util/placement.h"

namespace kavo {
namespace dib_win {

void show_with_name(const char *text, const char *file_name)
{
    std::string message = text;
    message += "\r\n";
    message += file_name ? file_name : "";
    info_message(nullptr, message.c_str());
}

// The header of a block that a host hands in, read only within the block.
bool checked_header(const void *dib, DibHeaderInfo *info)
{
    return dib && dib_header_info(static_cast<const uint8_t *>(dib), global_block_size(dib), info);
}

bool drawable(const void *dib) { return dib && dib_fits(static_cast<const uint8_t *>(dib), global_block_size(dib)); }

const void *pixel_rows(const void *dib, const DibHeaderInfo &info)
{
    return static_cast<const uint8_t *>(dib) + dib_bits_offset(info);
}

int stretch(HDC hdc, const void *dib, const DibHeaderInfo &info, int x, int y, int w, int h, int mode)
{
    const int old_mode = SetStretchBltMode(hdc, mode);
    const int drawn = StretchDIBits(hdc, x, y, w, h, 0, 0, info.width, info.height, pixel_rows(dib, info),
                                    static_cast<const BITMAPINFO *>(dib), DIB_RGB_COLORS, SRCCOPY);
    SetStretchBltMode(hdc, old_mode);
    return drawn;
}

HPALETTE palette_of(const void *dib)
{
    DibHeaderInfo info;
    if (!checked_header(dib, &info) || info.core || info.colour_count == 0 || info.colour_count > 0xFFFF ||
        dib_bits_offset(info) > global_block_size(dib))
        return nullptr;
    const auto count = static_cast<WORD>(info.colour_count);
    std::string block(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY), '\0');
    auto *palette = reinterpret_cast<LOGPALETTE *>(&block[0]);
    palette->palVersion = 0x300;
    palette->palNumEntries = count;
    const auto *table = static_cast<const RGBQUAD *>(
        static_cast<const void *>(static_cast<const uint8_t *>(dib) + info.header_size));
    for (WORD i = 0; i < count; ++i)
        palette->palPalEntry[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
    return CreatePalette(palette);
}

} // namespace dib_win
} // namespace kavo
