#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant must stop the fuzzer like a crash does, with the input
// saved, so it aborts rather than returning.
inline void require(bool holds, const char *what) {
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}
