// The exports are called from C: no C++ exception may leave one. An
// allocation that fails inside (a table, a list, a descriptor array) ends
// the call with the answer the export gives when its device requests fail.
#pragma once

#include <utility>

namespace vantor::hw {

template <typename Result, typename Body>
Result Guarded(Result failure, Body&& body) noexcept
{
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return failure;
    }
}

}  // namespace vantor::hw
