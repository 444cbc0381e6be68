// Every exported function runs its body through `guarded`, so that no C++
// exception (std::bad_alloc from a container, say) ever unwinds into a host
// compiled with another compiler: the host gets the function's failure
// result instead.
#pragma once

#include <cstddef>
#include <utility>

namespace kavo {

template <typename Result, typename Body>
Result guarded(Result failure, Body &&body) noexcept
{
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return failure;
    }
}

template <typename Body>
void guarded_void(Body &&body) noexcept
{
    try {
        std::forward<Body>(body)();
    } catch (...) {
    }
}

// Copies src into a fixed field of `capacity` bytes, cutting what does not
// fit; a null src gives an empty field.
void copy_cut(char *field, std::size_t capacity, const char *src);

} // namespace kavo
