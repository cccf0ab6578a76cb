#pragma once

// The pieces the buckling program value (program.cpp) is assembled from: the nine column cases
// with their formulas (cases.cpp) and the column drawings (sketches.cpp). Private to the
// program.

#include "shell/core/catalogue.h"
#include "shell/core/sketch.h"

#include <string>
#include <vector>

namespace buckling {

// Layout groups: the Euler cases share one picture and frame placing, the empirical ones another.
constexpr int EulerGroup = 0;
constexpr int EmpiricalGroup = 1;

// The nine cases in button order: four Euler end conditions, then five empirical materials.
std::vector<shell::CaseDef> columnCases();

// The four standard end conditions of an Euler column, by their constant n = (l / Lk)².
enum class ColumnEnds {
    FixedFree,     // n = 1/4: flagpole, Lk = 2 l
    PinnedPinned,  // n = 1: Lk = l
    FixedPinned,   // n = 2: Lk ≈ 0.7 l
    FixedFixed     // n = 4: Lk = l / 2
};

shell::Sketch eulerColumnSketch(ColumnEnds ends, const std::string &endConstant);
// A pinned column of length l (taken as the buckling length), labelled with its material.
shell::Sketch empiricalColumnSketch(const std::string &material);

}  // namespace buckling
