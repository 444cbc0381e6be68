// The language database: opening and closing it, the current language and
// the list of languages, and the one lookup of a text that every text export
// goes through.
#include "frame/language.h"

#include "frame/database_link.h"
#include "frame/language_win.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "util/gwmem.h"
#include "vantmods/vantmods.h"

namespace kavo {

namespace language_win {

constexpr SapLetter kSapLetters[] = {
    {'D', 1513}, {'E', 1512}, {'F', 1516}, {'I', 1527}, {'K', 1515},
    {'N', 1521}, {'O', 1529}, {'P', 1530}, {'U', 1510}, {'V', 1511},
};

} // namespace language_win

using namespace language_win;

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
