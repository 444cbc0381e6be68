// The measure of a UTF-16 memo row, through the ANSI code page as the wide
// Arial estimate does.
#pragma once

#include <windows.h>
#include "dialogs/memo_rows.h"
#include "util/font_metrics.h"
#include "kavoapi.h"
#include "util/guard.h"

namespace kavo {
namespace memo_rows_win {

int measure_wide(const uint16_t *row, std::size_t n, int height);

} // namespace memo_rows_win
} // namespace kavo
