// Language texts: lookups by text id in the current language (or the one of
// a SAP letter), with and without a default, and the setters of dialog and
// window texts built on them.
#include "frame/language.h"

#include <cstddef>
#include <cstdlib>
#include <string>

#include "frame/database_link.h"
#include "util/module_state.h"
#include "frame/text_convert.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "util/text_util.h"
#include "util/gwmem.h"
#include "util/text_field.h"
#include "vantmods/vantmods.h"

namespace kavo {

namespace {

constexpr const char *kTextRecord = "S";
constexpr const char *kLanguageList = "0";
constexpr uint16_t kFirstLanguage = 1501;
constexpr uint16_t kFirstListedLanguage = 1510;
constexpr uint16_t kLastLanguage = 1599;

struct SapLetter {
    char letter;
    uint16_t id;
};

constexpr SapLetter kSapLetters[] = {
    {'D', 1513}, {'E', 1512}, {'F', 1516}, {'I', 1527}, {'K', 1515},
    {'N', 1521}, {'O', 1529}, {'P', 1530}, {'U', 1510}, {'V', 1511},
};

// One read request around `body`, which gets the record (null when absent)
// and gives the lookup's result.  The close runs even after a failed open:
// the next open repairs the count.
template <typename Body>
bool with_record(const char *type, int32_t key, Body &&body)
{
    LanguageState &state = language_state();
    bool result = false;
    if (qlg_openDOS() >= 0) {
        qbrec *record = qbfindrec(state.handle, type, &key, 0);
        result = body(record);
        if (record)
            qbreleaserec(record);
    }
    qlg_closeDOS();
    return result;
}

bool copy_text(char *out, int32_t text_id, int32_t size, uint16_t language)
{
    if (out && size > 0)
        out[0] = '\0';
    if (!out || size <= 0 || language_state().handle < 0)
        return false;
    return with_record(kTextRecord, text_id, [&](qbrec *record) {
        int32_t length = 0;
        return record && qbcopyatt(language_state().handle, record, static_cast<int16_t>(language), &length, out,
                                   size) != 0;
    });
}

bool copy_text_wide(wchar_t *out, int32_t text_id, int32_t size_bytes, uint16_t language)
{
    if (out && size_bytes >= 2)
        out[0] = L'\0';
    if (!out || size_bytes < 2 || language_state().handle < 0)
        return false;
    const int16_t size16 = static_cast<int16_t>(size_bytes > 0x7FFE ? 0x7FFE : size_bytes);
    return with_record(kTextRecord, text_id, [&](qbrec *record) {
        return record && qbcopywsz(language_state().handle, record, static_cast<int16_t>(language), out, size16,
                                   -1) != 0;
    });
}

void set_item_wide(HWND dialog, int32_t item, const wchar_t *text)
{
    // Through a heap copy of its own, so the control never sees our stack.
    if (wchar_t *copy = wsz_dup(text)) {
        SetDlgItemTextW(dialog, item, copy);
        std::free(copy);
    }
}

// The application title, then " - " and the text of text_id when it has one.
std::wstring window_title(int32_t text_id)
{
    wchar_t title[200], text[200];
    to_wide(CP_ACP, module_state().appTitle, title, 200);
    std::wstring out = title;
    if (qlg_copy_wsz(text, text_id, sizeof text) && text[0])
        out += std::wstring(L" - ") + text;
    return out;
}

int language_box(HWND owner, int32_t text_id, const char *def, UINT type)
{
    wchar_t text[400], caption[80];
    qlg_copy_wsz_def(text, text_id, sizeof text, def);
    to_wide(CP_ACP, module_state().appTitle, caption, 80);
    if (!owner)
        type |= MB_TASKMODAL;
    HWND focus = GetFocus();
    const int result = MessageBoxW(owner, text, caption, type);
    if (focus && GetFocus() != focus && IsWindow(focus))
        SetFocus(focus);
    return result;
}

} // namespace

LanguageState &language_state()
{
    static LanguageState state;
    return state;
}

uint16_t sap_language_id(const char *sap_language)
{
    if (sap_language) {
        char first = sap_language[0];
        if (first >= 'a' && first <= 'z')
            first = static_cast<char>(first - 'a' + 'A');
        for (const SapLetter &s : kSapLetters)
            if (s.letter == first)
                return s.id;
    }
    return kDefaultLanguageId;
}

} // namespace kavo

using kavo::language_state;

// ---- database -------------------------------------------------------------

extern "C" int32_t WINAPI qlg_init(const char *file1, const char *file2) noexcept
{
    return kavo::guarded(-1, [&] {
        qlg_release();
        return kavo::open_record_database(file1, file2, &language_state().handle);
    });
}

extern "C" void WINAPI qlg_release(void) noexcept
{
    kavo::LanguageState &state = language_state();
    if (state.handle >= 0)
        qbclosedatabase(state.handle);
    state.handle = -1;
    state.openCount = 0;
}

extern "C" int16_t WINAPI qlg_openDOS(void) noexcept
{
    kavo::LanguageState &state = language_state();
    if (state.openCount < 0)
        state.openCount = 0;
    if (state.handle < 0) {
        MessageBoxA(nullptr, "Language file not initialized!", nullptr, MB_ICONEXCLAMATION | MB_TASKMODAL);
        return -1;
    }
    if (!qbfileisopen(state.handle) && qbbeginquickread(state.handle) != 0)
        return -1;
    ++state.openCount;
    return state.handle;
}

extern "C" void WINAPI qlg_closeDOS(void) noexcept
{
    kavo::LanguageState &state = language_state();
    --state.openCount;
    if (state.handle >= 0 && qbfileisopen(state.handle) && state.openCount < 1)
        qbendquick(state.handle);
}

extern "C" void WINAPI qlg_closeDOStotally(void) noexcept
{
    language_state().openCount = 1;
    qlg_closeDOS();
}

extern "C" int16_t WINAPI qlg_set_language(const char *name) noexcept
{
    return kavo::guarded(static_cast<int16_t>(language_state().languageId), [&] {
        kavo::LanguageState &state = language_state();
        kavo::with_record(kavo::kLanguageList, 0, [&](qbrec *record) {
            for (uint16_t id = kavo::kFirstLanguage; record && name && id <= kavo::kLastLanguage; ++id) {
                char language[300];
                int32_t length = 0;
                if (qbcopyatt(state.handle, record, static_cast<int16_t>(id), &length, language, sizeof language) &&
                    lstrcmpiA(language, name) == 0) {
                    state.languageId = id;
                    break;
                }
            }
            return true;
        });
        return static_cast<int16_t>(state.languageId);
    });
}

extern "C" int16_t WINAPI qlg_get_language_id(void) noexcept
{
    return static_cast<int16_t>(language_state().languageId);
}

extern "C" void WINAPI qlg_get_all_languages(gwarray *names) noexcept
{
    kavo::guarded_void([&] {
        kavo::with_record(kavo::kLanguageList, 0, [&](qbrec *record) {
            for (uint16_t id = kavo::kFirstListedLanguage; record && names && id <= kavo::kLastLanguage; ++id) {
                char language[300];
                int32_t length = 0;
                if (qbcopyatt(language_state().handle, record, static_cast<int16_t>(id), &length, language,
                              sizeof language))
                    kavo::gwszarray_append(names, language);
            }
            return true;
        });
    });
}

extern "C" int16_t WINAPI qlg_attId_for_sapLng(const char *sap_language) noexcept
{
    return static_cast<int16_t>(kavo::sap_language_id(sap_language));
}

// ---- lookups ----------------------------------------------------------------

extern "C" char *WINAPI qlg_copy(char *out, int32_t text_id, int32_t size) noexcept
{
    return kavo::guarded<char *>(nullptr, [&] {
        return kavo::copy_text(out, text_id, size, language_state().languageId) ? out : nullptr;
    });
}

extern "C" wchar_t *WINAPI qlg_copy_wsz(wchar_t *out, int32_t text_id, int32_t size_bytes) noexcept
{
    return kavo::guarded<wchar_t *>(nullptr, [&] {
        return kavo::copy_text_wide(out, text_id, size_bytes, language_state().languageId) ? out : nullptr;
    });
}

extern "C" char *WINAPI qlg_copy_saplng(char *out, int32_t text_id, int32_t size, const char *sap_language) noexcept
{
    return kavo::guarded<char *>(nullptr, [&] {
        return kavo::copy_text(out, text_id, size, kavo::sap_language_id(sap_language)) ? out : nullptr;
    });
}

extern "C" wchar_t *WINAPI qlg_copy_saplng_wsz(wchar_t *out, int32_t text_id, int32_t size_bytes,
                                               const char *sap_language) noexcept
{
    return kavo::guarded<wchar_t *>(nullptr, [&] {
        return kavo::copy_text_wide(out, text_id, size_bytes, kavo::sap_language_id(sap_language)) ? out : nullptr;
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
