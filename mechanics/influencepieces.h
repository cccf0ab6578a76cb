#pragma once

// The pieces of an influence line, shared by influenceLine and the envelopes that need the lines
// of many sections at once: the places between which every line is one cubic, where each piece's
// cubic is taken, and the cubic through the values taken there.

#include "mechanics/beam.h"
#include "mechanics/polynomial.h"

#include <vector>

namespace mechanics {

// Where a piece's cubic is taken, as fractions of its width: inside it, clear of both ends,
// where the line may jump or kink.
constexpr double InfluenceSamples[4] = {0.125, 0.375, 0.625, 0.875};

// The member's ends, supports, hinges and segment ends, ascending and each once: between two of
// them (and the section of a V, M, θ or δ line) an influence line is one cubic.
std::vector<double> influencePlaces(const Beam &beam);

// The member with its loads and settlements removed, ready to carry a unit load.
Beam unloadedMember(const Beam &beam);

// The cubic in u ∈ [0, 1] through (InfluenceSamples[k], y[k]), as coefficients of t = u·width.
Polynomial cubicThrough(const double (&y)[4], double width);

}  // namespace mechanics
