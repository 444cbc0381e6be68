// Values in display units in dialog controls, and typed values read back
// into base units with a range check.
#include <windows.h>

#include "dialogs/message.h"
#include "kavoapi.h"
#include "units/unit_format.h"
#include "units/unit_settings.h"
#include "util/number_text.h"

namespace kavo {
namespace {

// An edit control takes at most this many characters of a value.
constexpr WPARAM kEditLimit = 16;
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
    for (char *p = text; *p; ++p) {
        if (*p == ',')
            *p = '.';
    }
    return scan_float(text, number);
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

} // namespace
} // namespace kavo

extern "C" int32_t WINAPI unit_set_edit(HWND dialog, int32_t edit_id, int32_t label_id, int32_t property,
                                        float value) noexcept
{
    kavo::set_value_text(dialog, edit_id, property, value);
    int32_t result = static_cast<int32_t>(SendDlgItemMessageA(dialog, edit_id, EM_LIMITTEXT, kavo::kEditLimit, 0));
    if (label_id >= 1)
        result = kavo::set_label_text(dialog, label_id, property);
    return result;
}

extern "C" int32_t WINAPI unit_set_static(HWND dialog, int32_t value_id, int32_t label_id, int32_t property,
                                          float value) noexcept
{
    int32_t result = kavo::set_value_text(dialog, value_id, property, value);
    if (label_id >= 1)
        result = kavo::set_label_text(dialog, label_id, property);
    return result;
}

extern "C" int32_t WINAPI unit_set_static_label(HWND dialog, int32_t label_id, int32_t property) noexcept
{
    return kavo::set_label_text(dialog, label_id, property);
}

extern "C" int32_t WINAPI unit_get_edit(HWND dialog, int32_t edit_id, int32_t property, float *out, float minimum,
                                        float maximum, int32_t warn) noexcept
{
    float number = 0;
    if (kavo::read_number(dialog, edit_id, &number)) {
        const float value = unit_trans(property, number, 1);
        if (minimum * 0.999f <= value && value <= maximum * 1.001f) {
            if (out)
                *out = value;
            return 0;
        }
    }
    if (warn <= 0)
        return -1;
    if (warn == 1)
        MessageBeep(0);
    else
        kavo::show_accepted_range(dialog, property, minimum, maximum);
    SetFocus(GetDlgItem(dialog, edit_id));
    return -1;
}
