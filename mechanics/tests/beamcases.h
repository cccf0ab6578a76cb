#pragma once

// Members worked by hand from handbook closed forms, shared by the handbook and the property
// tests: every solved case is also checked for equilibrium, support conditions and continuity
// (member_test.cpp) and for jumps, mirror symmetry and superposition (beam_test.cpp).

#include "mechanics/beam.h"
#include "mechanics/extremes.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace beamcases {

struct Check {
    std::string what;
    std::function<double(const mechanics::BeamSolution &)> actual;
    double expected;
};

struct HandbookCase {
    std::string name;  // letters, digits and underscores: it names a ctest entry
    mechanics::Beam beam;
    std::vector<Check> checks;
};

std::vector<HandbookCase> handbookCases();
// The handbook cases plus members with many loads and supports that no handbook tabulates, for
// the properties every solution must have.
std::vector<HandbookCase> propertyCases();

inline double largestMagnitude(const mechanics::Piecewise &f)
{
    const mechanics::Extremes e = mechanics::extremes(f);
    return std::max(std::fabs(e.largest.value), std::fabs(e.smallest.value));
}

// GoogleTest shows a parameter by its name, not by a dump of its bytes (which would also end up
// in the ctest entry).
inline void PrintTo(const HandbookCase &c, std::ostream *out)
{
    *out << c.name;
}

}  // namespace beamcases
