// No C++ exception (std::bad_alloc from a container, say) may unwind into a
// host compiled with another compiler.  Every export of both libraries is
// noexcept, which the compiler holds the definitions to; an export that has a
// failure result runs its body through `guarded`, so that the host gets that
// result instead of a terminated process.
#pragma once

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

} // namespace kavo
