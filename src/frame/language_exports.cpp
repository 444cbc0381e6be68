// Language database exports: opening and closing it, choosing the language.
#include "frame/language.h"
#include "frame/database_link.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "util/gwmem.h"
#include "vantmods/vantmods.h"
#include "frame/language_win.h"

namespace kavo {
using namespace language_win;
}

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
