// The one exception boundary of every DLL export: no exception may cross into
// a caller written in another language or built with another runtime.
#pragma once

#include <type_traits>

// Runs body; when it throws, the export answers failed instead.
template <class Result, class Body>
Result Guarded(Result failed, Body body) noexcept {
    try {
        return body();
    } catch (...) {
        return failed;
    }
}

// Runs body; when it throws, the export answers its result type's zero value
// (false, a null pointer) or, for a procedure, nothing.
template <class Body>
auto Guarded(Body body) noexcept -> decltype(body()) {
    try {
        return body();
    } catch (...) {
        if constexpr (!std::is_void_v<decltype(body())>) return {};
    }
}
