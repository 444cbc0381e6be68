// Memo row exports; the UTF-16 form measures through the ANSI code page as
// the wide Arial estimate does.
#include <windows.h>

#include "dialogs/memo_rows.h"
#include "util/font_metrics.h"
#include "dialogs/memo_rows_win.h"
#include "kavoapi.h"
#include "util/guard.h"

namespace kavo {
namespace memo_rows_win {

int measure_wide(const uint16_t *row, std::size_t n, int height)
{
    char ansi[1000];
    const int wanted = n < 999 ? static_cast<int>(n) : 999;
    const int made = WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const wchar_t *>(row), wanted, ansi,
                                         sizeof ansi - 1, nullptr, nullptr);
    ansi[made > 0 ? made : 0] = 0;
    return kavo::arial_text_width(ansi, height);
}

static_assert(sizeof(wchar_t) == sizeof(uint16_t), "UTF-16 texts");

} // namespace memo_rows_win
} // namespace kavo
