// Exports of the unit controls.
#include <windows.h>
#include "dialogs/message.h"
#include "kavoapi.h"
#include "units/unit_format.h"
#include "units/unit_settings.h"
#include "util/number_text.h"
#include "units/unit_controls_win.h"

namespace kavo {
using namespace unit_controls_win;
}

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
        if (kavo::within_typed_range(value, minimum, maximum)) {
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
