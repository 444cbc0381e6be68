// Placeable metafiles: reading them into metafile handles, playing them
// into a rectangle, and the clipboard.
#include <windows.h>

#include <vector>

#include "dialogs/message.h"
#include "graphics/image_io_win.h"
#include "graphics/wmf_format.h"
#include "graphics/wmf_win.h"
#include "kavoapi.h"
#include "util/gwmem.h"
#include "util/guard.h"

namespace kavo {
namespace wmf_win {

int32_t fail_with(const char *text)
{
    info_message(nullptr, text);
    return 1;
}

HMETAFILE read_placeable(const char *file_name, float *aspect)
{
    FileSource file(file_name);
    if (!file.is_open())
        return nullptr;
    uint8_t header[kPlaceableHeaderSize];
    float box_aspect = 1.0f;
    if (file.read(header, sizeof header) != sizeof header ||
        !wmf_placeable_header(header, sizeof header, &box_aspect)) {
        fail_with("Metafileformat not compatible!");
        return nullptr;
    }
    const uint64_t size = file.remaining();
    if (size > 0x7FFFFFFF) {
        fail_with("Out of memory !?!");
        return nullptr;
    }
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size ? static_cast<SIZE_T>(size) : 1);
    if (!block) {
        fail_with("Out of memory !?!");
        return nullptr;
    }
    auto *bits = static_cast<uint8_t *>(GlobalLock(block));
    if (!bits) {
        GlobalFree(block);
        fail_with("Cannot lock memory !?!");
        return nullptr;
    }
    std::size_t got = 0;
    while (got < size) {
        const std::size_t n = file.read(bits + got, static_cast<std::size_t>(size - got));
        if (n == 0)
            break;
        got += n;
    }
    // The bytes are checked here: the platform would follow record sizes
    // wherever they point.
    HMETAFILE metafile = wmf_bits_hold_together(bits, got)
                             ? SetMetaFileBitsEx(static_cast<UINT>(got), bits)
                             : nullptr;
    GlobalUnlock(block);
    GlobalFree(block); // the handle has its own copy
    if (!metafile) {
        fail_with("Cannot create metafile !");
        return nullptr;
    }
    *aspect = box_aspect;
    return metafile;
}

} // namespace wmf_win
} // namespace kavo
