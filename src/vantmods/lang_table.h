// The language table: the UTF-8 tab-separated text from which langdb makes a
// language database.
//
//   # comment lines start with "#"
//   id      1512:English    1513:Deutsch
//   2001    OK              OK
//   4118    Closing in      Schliesst in
//
// The header's first cell is "id", each other cell "ATTRID:Language name"
// with ATTRID from 1501 to 1599.  Each row is a text id and one cell per
// language; an empty or missing cell means no text.  Cells may hold the
// escapes \t, \n, \r and \\.  Blank lines are skipped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "vantmods/recdb.h"

namespace vantmods {

inline constexpr uint16_t kFirstLanguageId = 1501;
inline constexpr uint16_t kLastLanguageId = 1599;
inline constexpr const char *kTextRecordType = "S";
inline constexpr const char *kLanguageListType = "0";

struct LanguageTable {
    std::vector<Record> records; // the language list (type "0", key 0) and one "S" record per row
    int error_line = 0;          // 1-based line of the first error; 0 when the text was good
    std::string error;
};

LanguageTable parse_language_table(std::string_view text);

} // namespace vantmods
