// The unit controls, for their exports.
#pragma once

#include <windows.h>
#include "dialogs/message.h"
#include "kavoapi.h"
#include "units/unit_format.h"
#include "units/unit_settings.h"
#include "util/number_text.h"

namespace kavo {
namespace unit_controls_win {

// An edit control takes at most this many characters of a value.
constexpr WPARAM kEditLimit = 16;

BOOL set_value_text(HWND dialog, int32_t id, int32_t property, float value);

BOOL set_label_text(HWND dialog, int32_t id, int32_t property);

// Reads the control's number, a comma counting as the decimal point.
bool read_number(HWND dialog, int32_t id, float *number);

void show_accepted_range(HWND dialog, int32_t property, float minimum, float maximum);

} // namespace unit_controls_win
} // namespace kavo
