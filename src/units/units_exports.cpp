// The unit system, transformations and value texts as exported functions:
// the portable core does the arithmetic and the texts, this file reads the
// current system and tells the user about unknown property ids.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "dialogs/message.h"
#include "util/module_state.h"
#include "kavoapi.h"
#include "units/unit_format.h"
#include "units/unit_labels.h"
#include "units/unit_settings.h"
#include "units/unit_system.h"
#include "units/unit_transform.h"
#include "util/guard.h"

namespace kavo {
namespace {

constexpr UINT kCodePageOfLabels = 1252;

int16_t current_system()
{
    return module_state().unitSystem;
}

// The module's information message for a formatted text, without owner.
void show_formatted_message(const char *format, int32_t a, int32_t b = 0)
{
    char text[512];
    std::snprintf(text, sizeof text, format, a, b);
    info_message(module_state().ownerWindow, text);
}

void report_legacy_request()
{
    qa_msgbox(nullptr, 1, "Unknown unit transform request!");
}

float legacy(int32_t property, float value, bool to_base)
{
    const Transformed t = legacy_transform(current_system(), property, value, to_base);
    if (!t.known)
        report_legacy_request();
    return t.value;
}

// Copies a finished text into a caller's buffer whose size the interface
// leaves to the caller (the texts made here keep within 128 bytes).
void copy_out(char *out, const char *text)
{
    if (out)
        std::memcpy(out, text, std::strlen(text) + 1);
}

} // namespace

void current_unit_label(int32_t property, char *out)
{
    const char *label = unit_label(current_system(), property);
    if (!label) {
        show_formatted_message("Unknown unit property (%d)", property);
        return;
    }
    copy_out(out, label);
}

void readUnitSystemSetting()
{
    ModuleState &state = module_state();
    char text[100] = "";
    if (qareg_get_userprofile_unitsystem(text, sizeof text) != 0)
        GetPrivateProfileStringA("SETTINGS", "Units", "NORDIC", text, sizeof text, state.iniFileName);
    state.unitSystem = match_unit_system(text, state.unitSystem);
}

} // namespace kavo

using kavo::module_state;

extern "C" void WINAPI unit_set_system(const char *name) noexcept
{
    kavo::ModuleState &state = module_state();
    state.unitSystem = kavo::match_unit_system(name, state.unitSystem);
}

extern "C" int32_t WINAPI unit_get_system(void) noexcept
{
    return module_state().unitSystem;
}

extern "C" float WINAPI unit_trans(int32_t property, float value, int32_t to_base) noexcept
{
    const int16_t system = module_state().unitSystem;
    const kavo::Transformed t = kavo::unit_transform(system, property, value, (to_base & 0xFF) != 0);
    if (!t.known)
        kavo::show_formatted_message("Unknown unit transformation (Sys=%hd, Prop=%d)", system, property);
    return t.value;
}

extern "C" float WINAPI v_tr(int32_t property, float value, int32_t to_base) noexcept
{
    return kavo::guarded(value, [&] { return kavo::legacy(property, value, (to_base & 0xFF) != 0); });
}

extern "C" float WINAPI v_fit(int32_t property, float value, int32_t mode) noexcept
{
    if (!(value > 0))
        return value;
    return kavo::guarded(value, [&] {
        const float display = kavo::legacy(property, value, false);
        return kavo::legacy(property, kavo::round_two_digits(display, mode), true);
    });
}

extern "C" float WINAPI unit_active_room_attenuation(void) noexcept
{
    return kavo::active_room_attenuation(module_state().unitSystem);
}

extern "C" void WINAPI unit_get_label(int32_t property, char *out) noexcept
{
    kavo::current_unit_label(property, out);
}

extern "C" int32_t WINAPI unit_get_label_wsz(int32_t property, wchar_t *out, int32_t out_bytes) noexcept
{
    char label[40] = "";
    kavo::current_unit_label(property, label);
    const int32_t out_chars = out_bytes / 2;
    if (!out || out_chars <= 0)
        return 0;
    return MultiByteToWideChar(kavo::kCodePageOfLabels, 0, label, -1, out, out_chars);
}

extern "C" int32_t WINAPI unit_get_ndes(int32_t property) noexcept
{
    const int decimals = kavo::unit_decimals(module_state().unitSystem, property);
    if (decimals < 0) {
        kavo::show_formatted_message("Unknown property (%d) for current unitsystem", property);
        return 0;
    }
    return decimals;
}

extern "C" void WINAPI unit_set_sz(char *out, int32_t property, float value, int16_t with_label) noexcept
{
    const int decimals = unit_get_ndes(property);
    const float shown = unit_trans(property, value, 0);
    char label[40] = "";
    if (with_label)
        kavo::current_unit_label(property, label);
    char text[kavo::kValueTextCapacity];
    kavo::format_value(text, sizeof text, shown, decimals, with_label ? label : nullptr);
    kavo::copy_out(out, text);
}

extern "C" void WINAPI unit_set_wsz(wchar_t *out, int32_t out_chars, int32_t property, float value,
                                    int16_t with_label) noexcept
{
    const int decimals = unit_get_ndes(property);
    const float shown = unit_trans(property, value, 0);
    wchar_t label[40] = L"";
    if (with_label)
        unit_get_label_wsz(property, label, sizeof label);
    if (!out || out_chars <= 0)
        return;
    char number[kavo::kValueTextCapacity];
    kavo::format_value(number, sizeof number, shown, decimals, nullptr);
    // The number is ASCII; the label joins it as UTF-16.
    wchar_t text[kavo::kValueTextCapacity + 48];
    int length = 0;
    for (const char *p = number; *p; ++p)
        text[length++] = static_cast<wchar_t>(*p);
    if (with_label) {
        text[length++] = L' ';
        for (const wchar_t *p = label; *p; ++p)
            text[length++] = *p;
    }
    if (length > out_chars - 1)
        length = out_chars - 1;
    std::memcpy(out, text, length * sizeof(wchar_t));
    out[length] = 0;
}

extern "C" char *WINAPI v_tosz(int32_t property, float value, int32_t decimals, char *out) noexcept
{
    using kavo::LegacyFormat;
    char text[128];
    switch (kavo::legacy_format(module_state().unitSystem, property)) {
    case LegacyFormat::kAsGiven:
        kavo::format_value(text, sizeof text, value, decimals, nullptr);
        break;
    case LegacyFormat::kTransformed:
        kavo::format_value(text, sizeof text, kavo::legacy(property, value, false), decimals, nullptr);
        break;
    case LegacyFormat::kFeetInches:
        kavo::format_feet_inches(text, sizeof text, kavo::legacy(7, value, false), kavo::legacy(8, value, false));
        break;
    case LegacyFormat::kUnknown:
        kavo::report_legacy_request();
        return out;
    }
    kavo::copy_out(out, text);
    return out;
}

extern "C" int32_t WINAPI unit_sz_inch_to_mm(char *text) noexcept
{
    return kavo::rewrite_inches_as_mm(text) ? 0 : -1;
}

extern "C" int32_t WINAPI unit_sz_mm_to_inch(char *text) noexcept
{
    return kavo::rewrite_mm_as_inches(text) ? 0 : -1;
}
