// Language text exports: copying texts, naming dialog items and windows.
#include <windows.h>
#include <cstdlib>
#include <string>
#include "frame/language.h"
#include "util/text_convert.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "util/gwmem.h"
#include "util/module_state.h"
#include "util/text_field.h"
#include "util/text_util.h"
#include "frame/language_texts_win.h"

namespace kavo {
using namespace language_texts_win;
}

using kavo::language_state;
// ---- lookups ----------------------------------------------------------------

extern "C" char *WINAPI qlg_copy(char *out, int32_t text_id, int32_t size) noexcept
{
    return kavo::guarded<char *>(nullptr, [&] {
        return kavo::copy_language_text(out, text_id, size, language_state().languageId) ? out : nullptr;
    });
}

extern "C" wchar_t *WINAPI qlg_copy_wsz(wchar_t *out, int32_t text_id, int32_t size_bytes) noexcept
{
    return kavo::guarded<wchar_t *>(nullptr, [&] {
        const uint16_t language = language_state().languageId;
        return kavo::copy_language_text_wide(out, text_id, size_bytes, language) ? out : nullptr;
    });
}

extern "C" char *WINAPI qlg_copy_saplng(char *out, int32_t text_id, int32_t size, const char *sap_language) noexcept
{
    return kavo::guarded<char *>(nullptr, [&] {
        return kavo::copy_language_text(out, text_id, size, kavo::sap_language_id(sap_language)) ? out : nullptr;
    });
}

extern "C" wchar_t *WINAPI qlg_copy_saplng_wsz(wchar_t *out, int32_t text_id, int32_t size_bytes,
                                               const char *sap_language) noexcept
{
    return kavo::guarded<wchar_t *>(nullptr, [&] {
        const uint16_t language = kavo::sap_language_id(sap_language);
        return kavo::copy_language_text_wide(out, text_id, size_bytes, language) ? out : nullptr;
    });
}

extern "C" char *WINAPI qlg_copy_def(char *out, int32_t text_id, int32_t size, const char *def) noexcept
{
    kavo::guarded_void([&] {
        if (!out || size <= 0 || (text_id != 0 && qlg_copy(out, text_id, size) && out[0]))
            return;
        kavo::copy_cut(out, static_cast<std::size_t>(size), def);
    });
    return out;
}

extern "C" wchar_t *WINAPI qlg_copy_wsz_def(wchar_t *out, int32_t text_id, int32_t size_bytes,
                                            const char *def) noexcept
{
    kavo::guarded_void([&] {
        if (text_id != 0 && qlg_copy_wsz(out, text_id, size_bytes) && out[0])
            return;
        kavo::to_wide(CP_ACP, def, out, size_bytes / 2);
    });
    return out;
}

extern "C" void WINAPI qlg_copy_columns_def(char *first, char *second, int32_t text_id, int16_t size,
                                            const char *def) noexcept
{
    kavo::guarded_void([&] {
        char text[400];
        qlg_copy_def(text, text_id, sizeof text, def);
        int n = 0;
        for (char *field : {first, second}) {
            if (field && size > 0) {
                field[0] = '\0';
                kavo::text_field(field, text, '|', n, size);
            }
            ++n;
        }
    });
}

extern "C" void WINAPI qlg_copy_columns_wsz_def(wchar_t *first, wchar_t *second, int32_t text_id, int16_t size_bytes,
                                                const char *def) noexcept
{
    kavo::guarded_void([&] {
        wchar_t text[400];
        qlg_copy_wsz_def(text, text_id, sizeof text, def);
        const auto *source = reinterpret_cast<const char16_t *>(text);
        int n = 0;
        for (wchar_t *field : {first, second}) {
            if (field && size_bytes >= 2) {
                field[0] = L'\0';
                kavo::text_field_w(reinterpret_cast<char16_t *>(field), source, u'|', n, size_bytes);
            }
            ++n;
        }
    });
}

// ---- dialog and window texts -------------------------------------------------

extern "C" void WINAPI qlg_setdlgitemname(HWND dialog, int32_t item, int32_t text_id) noexcept
{
    kavo::guarded_void([&] {
        char text[200];
        if (qlg_copy(text, text_id, sizeof text) && text[0])
            SetDlgItemTextA(dialog, item, text);
    });
}

extern "C" void WINAPI qlg_setdlgitemname_def(HWND dialog, int32_t item, int32_t text_id, const char *def) noexcept
{
    kavo::guarded_void([&] {
        char text[200];
        SetDlgItemTextA(dialog, item, qlg_copy_def(text, text_id, sizeof text, def));
    });
}

extern "C" void WINAPI qlg_setdlgitemname_wsz(HWND dialog, int32_t item, int32_t text_id) noexcept
{
    kavo::guarded_void([&] {
        wchar_t text[200];
        if (qlg_copy_wsz(text, text_id, sizeof text) && text[0])
            kavo::set_item_wide(dialog, item, text);
    });
}

extern "C" void WINAPI qlg_setdlgitemname_wsz_def(HWND dialog, int32_t item, int32_t text_id,
                                                  const char *def) noexcept
{
    kavo::guarded_void([&] {
        wchar_t text[200];
        kavo::set_item_wide(dialog, item, qlg_copy_wsz_def(text, text_id, sizeof text, def));
    });
}

extern "C" void WINAPI qlg_set_dlgitem_txts(HWND dialog, const int32_t *pairs, int32_t count) noexcept
{
    for (int32_t i = 0; pairs && i < count; ++i)
        qlg_setdlgitemname(dialog, pairs[2 * i], pairs[2 * i + 1]);
}

extern "C" void WINAPI qlg_set_dlgitem_wtxts(HWND dialog, const int32_t *pairs, int32_t count) noexcept
{
    for (int32_t i = 0; pairs && i < count; ++i)
        qlg_setdlgitemname_wsz(dialog, pairs[2 * i], pairs[2 * i + 1]);
}

extern "C" void WINAPI qlg_setdlgname(HWND window, int32_t text_id) noexcept
{
    kavo::guarded_void([&] {
        std::string title = kavo::module_state().appTitle;
        char text[200];
        if (qlg_copy(text, text_id, sizeof text) && text[0])
            title += std::string(" - ") + text;
        SetWindowTextA(window, title.c_str());
    });
}

extern "C" void WINAPI qlg_setdlgname_extra_wsz(HWND window, int32_t text_id, const wchar_t *extra) noexcept
{
    kavo::guarded_void([&] {
        std::wstring title = kavo::window_title(text_id);
        if (extra)
            title += extra;
        SetWindowTextW(window, title.c_str());
    });
}

extern "C" void WINAPI qlg_setdlgname_wsz(HWND window, int32_t text_id) noexcept
{
    qlg_setdlgname_extra_wsz(window, text_id, nullptr);
}

// ---- message boxes -------------------------------------------------------------

extern "C" int32_t WINAPI qlg_okmsg(HWND owner, int32_t text_id, const char *def) noexcept
{
    return kavo::guarded(0, [&] { return kavo::language_box(owner, text_id, def, MB_OK | MB_ICONINFORMATION); });
}

extern "C" int32_t WINAPI qlg_okcancelmsg(HWND owner, int32_t text_id, const char *def) noexcept
{
    return kavo::guarded(0, [&] { return kavo::language_box(owner, text_id, def, MB_OKCANCEL | MB_ICONQUESTION); });
}
