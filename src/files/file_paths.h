// Path and filter texts of the file dialogs, independent of the platform.
#pragma once

#include <cstddef>

namespace kavo {

// The longest filter text taken from a host, in characters.
inline constexpr std::size_t kFilterMaxChars = 399;
// A filter list buffer: the cut filter plus the two closing NULs.
inline constexpr std::size_t kFilterListChars = kFilterMaxChars + 2;

// Turns a filter text of alternating descriptions and patterns separated
// and ended by "|" ("Data files|*.dat|") into the platform's list of
// NUL-terminated texts closed by an empty one.  At most 399 characters of
// the filter are taken; list must hold kFilterListChars characters.
void filter_to_list(const char16_t *filter, char16_t *list);

// The folder of a path: the text before its last "\" (at most the first 398
// characters of the path count), empty when it has none.  folder may be the
// same buffer as path; at most folder_size - 1 characters are written.
void dir_of_path(char *folder, std::size_t folder_size, const char *path);

} // namespace kavo
