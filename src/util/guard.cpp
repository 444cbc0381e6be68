#include "util/guard.h"

#include <cstring>

namespace kavo {

void copy_cut(char *field, std::size_t capacity, const char *src)
{
    if (!field || capacity == 0)
        return;
    const std::size_t length = src ? strnlen(src, capacity - 1) : 0;
    std::memcpy(field, src ? src : "", length);
    field[length] = 0;
}

} // namespace kavo
