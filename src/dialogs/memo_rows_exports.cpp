// Memo row exports; the UTF-16 form measures through the ANSI code page as
// the wide Arial estimate does.
#include <windows.h>
#include "dialogs/memo_rows.h"
#include "util/font_metrics.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "dialogs/memo_rows_win.h"

using namespace kavo::memo_rows_win;

extern "C" void WINAPI qat_memoinfo_init(qat_memoinfo *info, const char *text, uint16_t font_height,
                                         uint16_t max_width) noexcept
{
    kavo::memo_init(info, text, font_height, max_width);
}

extern "C" void WINAPI qat_memoinfo_init_wc(qat_memoinfo *info, const wchar_t *text, uint16_t font_height,
                                            uint16_t max_width) noexcept
{
    kavo::memo_init16(info, reinterpret_cast<const uint16_t *>(text), font_height, max_width);
}

extern "C" int32_t WINAPI qat_getnextmemorow(qat_memoinfo *info, char *row, uint32_t size) noexcept
{
    return kavo::guarded<int32_t>(0, [&] { return kavo::memo_next_row(info, row, size); });
}

extern "C" int32_t WINAPI qat_getnextmemorow_wc(qat_memoinfo *info, wchar_t *row, uint32_t size) noexcept
{
    return kavo::guarded<int32_t>(0, [&] {
        return kavo::memo_next_row16(info, reinterpret_cast<uint16_t *>(row), size, measure_wide);
    });
}
