// Exports that write a text clipped to a width, as the list window paints its cells.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include "listwnd/listwnd_win.h"
#include "listwnd/syscolor_cache_win.h"
#include "util/guard.h"
#include "listwnd/listwnd_paint_win.h"

using namespace kavo::listwnd_paint_win;

extern "C" int32_t WINAPI qlw_write_txt(HDC hdc, int32_t x, int32_t y, int32_t max_width, const char *text) noexcept
{
    return kavo::guarded<int32_t>(0, [&] {
        return write_fitting(hdc, x, y, max_width, text, GetTextExtentPoint32A, GetTextExtentExPointA, TextOutA);
    });
}

extern "C" int32_t WINAPI qlw_write_wtxt(HDC hdc, int32_t x, int32_t y, int32_t max_width, const wchar_t *text) noexcept
{
    return kavo::guarded<int32_t>(0, [&] {
        return write_fitting(hdc, x, y, max_width, text, GetTextExtentPoint32W, GetTextExtentExPointW, TextOutW);
    });
}
