// Metafile exports: reading, playing into a rectangle, the clipboard.
#include <windows.h>
#include <vector>
#include "dialogs/message.h"
#include "graphics/image_io_win.h"
#include "graphics/wmf_format.h"
#include "kavoapi.h"
#include "util/gwmem.h"
#include "util/guard.h"
#include "graphics/wmf_win.h"

using namespace kavo;
using namespace kavo::wmf_win;

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
        const auto restored = static_cast<int32_t>(SetWindowExtEx(hdc, window_extent.cx, window_extent.cy, nullptr));
        // An isotropic DC shrinks its viewport to the window's aspect when
        // the window extent is set, which undoes the viewport just restored.
        if (map_mode == MM_ISOTROPIC)
            SetViewportExtEx(hdc, viewport_extent.cx, viewport_extent.cy, nullptr);
        return restored;
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
