#include "files/file_paths.h"

#include <cstring>

namespace kavo {

void filter_to_list(const char16_t *filter, char16_t *list)
{
    std::size_t length = 0;
    for (; filter && filter[length] && length < kFilterMaxChars; ++length)
        list[length] = filter[length] == u'|' ? u'\0' : filter[length];
    list[length] = 0;
    list[length + 1] = 0;
}

void dir_of_path(char *folder, std::size_t folder_size, const char *path)
{
    if (!folder || folder_size == 0)
        return;
    constexpr std::size_t kWorkChars = 398;
    const std::size_t length = path ? strnlen(path, kWorkChars) : 0;
    std::size_t cut = length;
    while (cut > 0 && path[cut - 1] != '\\')
        --cut;
    // cut is now just past the last "\", or 0 when there is none.
    std::size_t keep = cut > 0 ? cut - 1 : 0;
    if (keep >= folder_size)
        keep = folder_size - 1;
    std::memmove(folder, path ? path : "", keep);
    folder[keep] = 0;
}

} // namespace kavo
