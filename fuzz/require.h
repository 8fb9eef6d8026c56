// What every fuzz target does when a property of the code under test fails
// to hold: say which, then abort, so that libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace skinwright::fuzz {

inline void Require(bool holds, const char* property, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "%s: %s\n", property, what);
    std::abort();
}

}  // namespace skinwright::fuzz
