#pragma once

#include <cstdio>
#include <cstdlib>

namespace tarnveil::fuzz {

/// Stops the run with `what` when an invariant does not hold, so the fuzzer keeps the input.
inline void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

} // namespace tarnveil::fuzz
