#pragma once

// The pieces of the symbolic beam pictures of the beam-type programs: a member BeamSpan long
// on a level y with its end supports, loads in their shape above it and dimension lines
// stacked below it. The pictures are not to scale.
//
//     Sketch s;
//     addBeam(s, 0, {SupportKind::Pin, "A"}, {SupportKind::Roller, "B"});
//     addUniformLoad(s, 0, BeamSpan, 0, "w");
//     DimensionRows{22, 14}.add(s, 0, 30, 0, 0, "x");   // x from A, nearest row

#include "shell/core/sketch.h"

#include <string>

namespace shell {

constexpr double BeamSpan = 100;
constexpr double BeamLoadHeight = 16;  // a uniform load or the peak of a triangle

struct BeamEnd {
    SupportKind support = SupportKind::Free;
    std::string name;  // "A", "B"; may be empty
};

// A member from 0 to BeamSpan on the level y with a support at each end; the wall of a fixed
// end stands outside the member.
void addBeam(Sketch &s, double y, const BeamEnd &left, const BeamEnd &right);

// A uniform load from `from` to `to` on the level y.
void addUniformLoad(Sketch &s, double from, double to, double y, const std::string &label);

// A triangular load from `from` to `to` with its peak at `peak` (which may be either end); the
// label stands on the first part drawn.
void addTriangularLoad(Sketch &s, double from, double peak, double to, double y, const std::string &label);

// Dimension lines stacked below a member: row 0 nearest, `first` below the member and `pitch`
// between rows.
struct DimensionRows {
    double first = 18;
    double pitch = 11;
    // A dimension line from `from` to `to` (left to right) in row `row` below the level y.
    void add(Sketch &s, double from, double to, double y, int row, const std::string &label) const;
};

}  // namespace shell
