#pragma once

// The picture of a member as it is described (memberdescription.h), to scale along its length:
// the member from 0 to L spans MemberSketchWidth sketch units on y = 0, so a point at x stands at
// x / L × MemberSketchWidth. On it, each at its place:
//   supports   pinned, roller, fixed (the wall at the end it stands on, below the member inside),
//              spring (a rotational spiral where it holds the rotation as well), named 1, 2, 3 … in
//              the order described; a support that settles carries a small arrow "δs"
//   hinges     open circles on the member
//   loads      point loads as arrows, their length in proportion to |P| (the largest
//              MemberSketchArrow long, none shorter than a quarter of that), downward from above,
//              an upward one from below; couples as arcs, clockwise for C > 0; distributed loads
//              in their linear shape, heights in proportion to |w| (the largest
//              MemberSketchLoadHeight), above the member, a negative stretch below it
//   segments   the member's line thicker where a segment's E·I is larger than the member's,
//              thinner where it is smaller
//   dimensions a chain from support to support (with the ends) and the overall length below
// Labels are numbers as the diagrams write them (four digits), with the unit captions of `units`
// where given; where labels would crowd each other, only some are written.
//
//     memberSketch({length 10000, supports pinned at 0 and roller at 6000, P = 10000 at 3000})
//         -> member (0,0)-(300,0), pin "1" at (0,0), roller "2" at (180,0),
//            arrow 40 long at (90,0) labelled "10000", dimensions 180 and 120, and 10000 overall
//
// Positions off the member are drawn at its nearer end; what is not a number is left out; a
// length that is not a positive number gives the bare member line.

#include "shell/core/memberdescription.h"
#include "shell/core/sketch.h"
#include "shell/core/units.h"

#include <optional>

namespace shell {

constexpr double MemberSketchWidth = 300;
constexpr double MemberSketchArrow = 40;
constexpr double MemberSketchLoadHeight = 24;

Sketch memberSketch(const MemberDescription &member, std::optional<Units> units = std::nullopt);

}  // namespace shell
