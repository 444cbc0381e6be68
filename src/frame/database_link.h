// What the language and the qcq database share: opening a record database
// of the sibling library from its two files, with the module's messages.
#pragma once

#include <cstdint>

namespace kavo {

// Both files must exist ("Cannot find file" with the missing path, -1);
// then the sibling library opens them ("Cannot open <file2>" on a negative
// handle, -1).  On success *handle receives the handle and the result is 0.
// On failure *handle is -1.
int open_record_database(const char *file1, const char *file2, int16_t *handle);

} // namespace kavo
