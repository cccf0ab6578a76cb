#pragma once

// The loads of the load cases placed on a member, whole or span by span for pattern loading, and
// the checks of cases and combinations before anything is solved: the rules combination.h states
// (where a distributed load is cut, which span a load on a support belongs to), in one place for
// the envelope and for the combinations solved one by one.

#include "mechanics/beam.h"
#include "mechanics/combination.h"
#include "mechanics/outcome.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace mechanics {

// The member as every case is solved on it: its supports (without settlements), hinges, segments
// and EI, and no load.
Beam bareMember(const Beam &member);

// 0, the supports inside the member, L: the ends of the spans, ascending.
std::vector<double> spanEnds(const Beam &member);

// Refuses more than MaxLoadCases cases and every load that solveBeam would refuse for its position
// or its value, before the loads are split by span, so that a load beyond the member is not cut to
// fit it.
std::optional<Error> checkCases(const Beam &bare, const std::vector<LoadCase> &cases);

// Refuses factors that do not match the cases or are not finite; `index` names the combination.
std::optional<Error> checkCombination(const Combination &combination, std::size_t index, std::size_t cases);

// Adds `factor` times the loads of `c` on span `span` of the span ends `ends` (all of them where it
// is none) to `into`.
void addLoads(const LoadCase &c, double factor, const std::vector<double> &ends, std::optional<std::size_t> span,
              Beam &into);

}  // namespace mechanics
