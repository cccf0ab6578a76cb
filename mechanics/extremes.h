#pragma once

// The largest and the smallest value of a diagram and every position where each is attained:
// the numbers an engineer reads off a shear, moment, slope or deflection diagram.
//
// Candidates are the values at both sides of every breakpoint (at a point force the shear just
// left and just right of it, at a couple the moment on both sides) and the stationary points
// inside each piece, the roots of its derivative found to machine precision (see realRoots).
// No sampling: an extreme between two samples cannot be missed.
//
// Tolerances: a value counts as attaining an extreme where it differs from it by at most 1e-10
// of the diagram's largest magnitude, so the two supports of a symmetric span are both reported
// although rounding gives them values a few ulps apart; an extreme within that tolerance of zero
// is reported as exactly 0 (the deflection over a support is zero, not 1e-17). Positions closer
// than 1e-9 of the diagram's length are one position (a breakpoint is kept in preference to a
// root found next to it). Where the extreme holds over a whole stretch (a constant piece, such as
// the moment between two equal loads of a symmetric span), both ends of the stretch are listed.
//
//   Simply supported span L = 6, P = 10 at x = 2 (see beam.h):
//   extremes(shear)  -> largest 6.667 at {0, Both} and {2, Left};
//                       smallest −3.333 at {2, Right} and {6, Both}
//   extremes(moment) -> largest 13.333 at {2, Both}; smallest 0 at {0, Both} and {6, Both}

#include "mechanics/piecewise.h"

#include <vector>

namespace mechanics {

// Where a value is attained: at x itself (Both: the function is continuous there, or x is an end
// of the member), or only as the limit from the left or from the right of a jump at x.
enum class Side { Both, Left, Right };

struct Attained {
    double x = 0;
    Side side = Side::Both;
};

struct Extreme {
    double value = 0;
    std::vector<Attained> at;  // ascending in x, never empty for a non-empty function
};

struct Extremes {
    Extreme largest;
    Extreme smallest;
};

// The extremes of f over [f.start(), f.end()]; both empty for an empty f.
Extremes extremes(const Piecewise &f);

}  // namespace mechanics
