// The language database: its handle, the nesting of read requests and the
// current language, and the lookups the module's own dialogs use.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kavo {

inline constexpr uint16_t kDefaultLanguageId = 1512;

struct LanguageState {
    int16_t handle = -1;   // -1 while no database is open
    int16_t openCount = 0; // nesting of open-for-reading requests
    uint16_t languageId = kDefaultLanguageId;
};

LanguageState &language_state();

// The attribute id of a SAP language letter (first character, any case);
// 1512 for every other letter and for an empty or null text.
uint16_t sap_language_id(const char *sap_language);

} // namespace kavo
