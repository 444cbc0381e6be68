// The language database's record names and a read around one record, for
// the language exports.
#pragma once

#include "frame/language.h"
#include "frame/database_link.h"
#include "kavoapi.h"
#include "util/guard.h"
#include "util/gwmem.h"
#include "vantmods/vantmods.h"

namespace kavo {
namespace language_win {

constexpr const char *kTextRecord = "S";
constexpr const char *kLanguageList = "0";
constexpr uint16_t kFirstLanguage = 1501;
constexpr uint16_t kFirstListedLanguage = 1510;
constexpr uint16_t kLastLanguage = 1599;

struct SapLetter {
    char letter;
    uint16_t id;
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

} // namespace language_win
} // namespace kavo
