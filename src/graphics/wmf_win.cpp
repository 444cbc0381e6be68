// Placeable metafiles: reading them into metafile handles, playing them
// into a rectangle, and the clipboard.
#include <windows.h>

#include <vector>

#include "dialogs/message.h"
#include "graphics/image_io_win.h"
#include "graphics/wmf_format.h"
#include "kavoapi.h"
#include "util/gwmem.h"
#include "util/guard.h"

namespace kavo {
namespace {

// The messages of this family are information boxes without an owner,
// which give 1.
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

} // namespace
} // namespace kavo

using namespace kavo;

extern "C" HMETAFILE WINAPI qa_wmf_read(const char *file_name, float *aspect) noexcept
{
    return guarded<HMETAFILE>(nullptr, [&]() -> HMETAFILE {
        float ignored;
        float *out = aspect ? aspect : &ignored;
        *out = 1.0f;
        return read_placeable(file_name, out);
    });
}

extern "C" int32_t WINAPI qa_wmf_draw(HDC hdc, HMETAFILE metafile, int32_t left, int32_t top, int32_t right,
                                      int32_t bottom) noexcept
{
    return guarded<int32_t>(0, [&] {
        const int map_mode = GetMapMode(hdc);
        POINT window_origin{}, viewport_origin{};
        SIZE window_extent{}, viewport_extent{};
        GetWindowOrgEx(hdc, &window_origin);
        GetWindowExtEx(hdc, &window_extent);
        GetViewportOrgEx(hdc, &viewport_origin);
        GetViewportExtEx(hdc, &viewport_extent);

        // The metafile sets its own window; the viewport places it.
        SetMapMode(hdc, MM_ANISOTROPIC);
        SetViewportOrgEx(hdc, left, top, nullptr);
        SetViewportExtEx(hdc, right - left, bottom - top, nullptr);
        PlayMetaFile(hdc, metafile);

        SetMapMode(hdc, map_mode);
        SetViewportOrgEx(hdc, viewport_origin.x, viewport_origin.y, nullptr);
        SetViewportExtEx(hdc, viewport_extent.cx, viewport_extent.cy, nullptr);
        SetWindowOrgEx(hdc, window_origin.x, window_origin.y, nullptr);
        return static_cast<int32_t>(SetWindowExtEx(hdc, window_extent.cx, window_extent.cy, nullptr));
    });
}

extern "C" int32_t WINAPI qa_wmf_to_clipboard(HMETAFILE metafile, int32_t width, int32_t height) noexcept
{
    return guarded<int32_t>(1, [&]() -> int32_t {
        HDC recorder = CreateMetaFileA(nullptr);
        if (!recorder)
            return fail_with("Cannot create metafile!");
        PlayMetaFile(recorder, metafile);
        HMETAFILE copy = CloseMetaFile(recorder);
        if (!copy)
            return fail_with("Cannot create metafile!");

        HGLOBAL handle = nullptr;
        auto *picture = static_cast<METAFILEPICT *>(gwGmallocH(sizeof(METAFILEPICT), &handle));
        if (!picture) {
            DeleteMetaFile(copy);
            return fail_with("Error creating metafile!");
        }
        // Tenths of a millimetre in, hundredths on the clipboard.
        picture->mm = MM_ANISOTROPIC;
        picture->xExt = width * 10;
        picture->yExt = height * 10;
        picture->hMF = copy;
        GlobalUnlock(handle);

        if (!OpenClipboard(nullptr)) {
            DeleteMetaFile(copy);
            GlobalFree(handle);
            return fail_with("Cannot open clipboard!");
        }
        EmptyClipboard();
        SetClipboardData(CF_METAFILEPICT, handle);
        return static_cast<int32_t>(CloseClipboard());
    });
}
