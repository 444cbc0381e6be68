// The language database: opening and closing it, the current language and
// the list of languages, and the one lookup of a text that every text export
// goes through.
#include "frame/language.h"

#include "frame/database_link.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "util/gwmem.h"
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

} // namespace

bool copy_language_text(char *out, int32_t text_id, int32_t size, uint16_t language)
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

bool copy_language_text_wide(wchar_t *out, int32_t text_id, int32_t size_bytes, uint16_t language)
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
