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

// The text of text_id in `language` from the open database, cut to `size`
// bytes (or `size_bytes` of UTF-16) and always terminated; false, with an
// empty text where there is room, when the database is closed or has no
// such text.
bool copy_language_text(char *out, int32_t text_id, int32_t size, uint16_t language);
bool copy_language_text_wide(wchar_t *out, int32_t text_id, int32_t size_bytes, uint16_t language);

} // namespace kavo
