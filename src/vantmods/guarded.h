// No C++ exception may unwind out of an export into a host built with
// another compiler: each export body runs here and gives `failure` instead.
#pragma once

namespace vantmods {

template <typename Result, typename Body>
Result guarded(Result failure, Body &&body) noexcept
{
    try {
        return body();
    } catch (...) {
        return failure;
    }
}

} // namespace vantmods
