// Values in display units in dialog controls, and typed values read back
// into base units with a range check.
#include <windows.h>

#include "dialogs/message.h"
#include "units/unit_controls_win.h"
#include "kavoapi.h"
#include "units/unit_format.h"
#include "units/unit_settings.h"
#include "util/number_text.h"

namespace kavo {
namespace unit_controls_win {

// How much of a control's text is read, in bytes.
constexpr int kReadBytes = 100;

BOOL set_value_text(HWND dialog, int32_t id, int32_t property, float value)
{
    const float shown = unit_trans(property, value, 0);
    const int decimals = unit_get_ndes(property);
    char text[kValueTextCapacity];
    format_value(text, sizeof text, shown, decimals, nullptr);
    return SetDlgItemTextA(dialog, id, text);
}

BOOL set_label_text(HWND dialog, int32_t id, int32_t property)
{
    char label[40] = "";
    current_unit_label(property, label);
    return SetDlgItemTextA(dialog, id, label);
}

// Reads the control's number, a comma counting as the decimal point.
bool read_number(HWND dialog, int32_t id, float *number)
{
    char text[kReadBytes] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return read_typed_number(text, number);
}

void show_accepted_range(HWND dialog, int32_t property, float minimum, float maximum)
{
    const int decimals = unit_get_ndes(property);
    const float low = unit_trans(property, minimum, 0);
    const float high = unit_trans(property, maximum, 0);
    char label[40] = "";
    current_unit_label(property, label);
    char text[2 * kValueTextCapacity + 48];
    format_range(text, sizeof text, low, high, decimals, label);
    info_message(dialog, text);
}

} // namespace unit_controls_win
} // namespace kavo
