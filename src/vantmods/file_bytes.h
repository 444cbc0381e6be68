// Whole-file reads for the database and the model reader.
#pragma once

#include <string>

namespace vantmods {

// Largest file the library reads into memory; anything larger is refused.
inline constexpr unsigned long kMaxFileBytes = 512ul << 20;

// The file's bytes in `out`; false when it cannot be opened or read whole.
bool read_file_bytes(const char *path, std::string &out);

} // namespace vantmods
