#pragma once

// What the family shows of any member once it is solved: its result rows (each support's
// reaction, the largest and smallest V, M and δ with where they are first attained, the slopes at
// both ends) and its diagrams. The window, the command line and the calculation sheet take them
// from here, so that all three say the same of a member.
//
//     反力 (R1)                 upward reaction of support 1 (pinned at x = 0)
//     反力モーメント (MR3)      where support 3 holds the slope (fixed, or a rotational spring)
//     最大曲げモーメント (Mmax) with x, the first position where M attains it
//     たわみ角 (θA), (θB)       where the member has E·I

#include "mechanics/beam.h"
#include "shell/core/diagrams.h"
#include "shell/core/units.h"

#include <optional>
#include <string>
#include <vector>

namespace shell {

struct MemberRow {
    std::string symbol;   // "R1", "Mmax"
    std::string caption;  // "反力 (R1)"
    std::string meaning;  // "upward reaction of support 1 (pinned at x = 0)"
    double value = 0;
    Dimension dimension = Dimension::Force;
    bool slope = false;       // a slope, in rad whatever the units
    std::optional<double> x;  // where an extreme is first attained
    // The row's unit in `units`: "N", "N･mm", "mm", "rad".
    std::string unit(Units units) const;
};

// The rows of a solved member, in the family's captions.
std::vector<MemberRow> memberRows(const mechanics::BeamSolution &solution);

// The diagrams of a solved member (V and M, and θ and δ where it has E·I) with their extremes,
// their units those of `units`.
CaseDiagrams memberDiagrams(const mechanics::Beam &beam, const mechanics::BeamSolution &solution, Units units);

}  // namespace shell
