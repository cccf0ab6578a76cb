#pragma once

// The case the window benchmarks type into: the one with the most result rows, so that a
// keystroke rewrites and repaints as many rows as any case of the program does.

#include "shell/core/catalogue.h"

#include <cstddef>

inline int caseWithMostRows(const shell::Program &program)
{
    int best = 0;
    for (int i = 0; i < program.caseCount(); ++i)
        if (program.cases[static_cast<std::size_t>(i)].rowCount() >
            program.cases[static_cast<std::size_t>(best)].rowCount())
            best = i;
    return best;
}
