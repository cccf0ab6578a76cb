#pragma once

// What every fuzz target does with a broken promise: say it and stop, so that libFuzzer keeps
// the input that broke it.

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzzing {

inline int stopOnFailure(const std::string &failure)
{
    if (!failure.empty()) {
        std::fprintf(stderr, "\nbroken promise: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}

}  // namespace fuzzing
