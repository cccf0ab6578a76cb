#pragma once

// Load cases and their combinations on one member. Each load of the member belongs to a load case
// (permanent G, imposed Q, wind W, snow S, as the engineer names them); a combination is a set of
// factors, one per case (1.35·G + 1.5·Q). By linearity every quantity of a combination is the
// factored sum of the quantities of the cases solved one by one.
//
// Pattern loading: in a combination that asks for it, the load of every variable case is split
// span by span (a span runs between two consecutive supports; an overhang is a span of its own),
// and each span's share is taken or left out, separately for every quantity, so that the quantity
// is worst: for the largest value every share that raises it is taken, for the smallest every
// share that lowers it. Permanent cases are always taken whole.
//
//   two equal spans l, G = g and Q = q on both, 1.0·G + 1.0·Q with pattern loading:
//   the largest span moment has Q on one span only (0.0957·q·l² + 0.0703·g·l²),
//   the smallest support moment has Q on both (−0.125·(g + q)·l²)

#include "mechanics/beam.h"
#include "mechanics/outcome.h"
#include "mechanics/piecewise.h"

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace mechanics {

// The most cases and combinations a member may have: a bound on what a hostile input can make the
// solver hold.
constexpr std::size_t MaxLoadCases = 50;
constexpr std::size_t MaxCombinations = 100;

// The loads of one case.
struct LoadCase {
    std::vector<PointForce> forces;
    std::vector<PointCouple> couples;
    std::vector<DistributedLoad> distributed;
    bool variable = false;  // may be placed span by span where a combination asks for it
};

struct Combination {
    std::vector<double> factors;  // one per case, in the order of the cases; 0 leaves a case out
    bool pattern = false;
};

// The value of a quantity where a combination makes it worst.
struct Governing {
    double value = 0;
    int combination = -1;  // in the order of the combinations
    // For a pattern combination, whether each span's share of the variable load is taken (in the
    // order of CombinationEnvelope::spans); empty otherwise.
    std::vector<bool> loadedSpans;
};

struct GoverningPair {
    Governing largest;
    Governing smallest;
};

// A governing value with the section where it acts.
struct GoverningAt {
    Governing governing;
    double x = 0;
};

struct CombinationEnvelope {
    std::vector<std::pair<double, double>> spans;  // from, to: ascending, covering [0, L]
    // N + 1 equally spaced sections and every place where the member changes or a load starts or
    // ends, ascending.
    std::vector<double> x;
    std::vector<GoverningPair> shear;  // V on the right of each section
    std::vector<GoverningPair> moment;
    std::vector<GoverningPair> deflection;  // empty without EI
    std::vector<GoverningPair> reactions;   // one per support, in the order of Beam::supports
    std::vector<GoverningPair> reactionMoments;
    // The absolute extremes anywhere on the member, exact (not only at the sections): the
    // largest and smallest of the combination and pattern that governs there, from its own
    // piecewise solution.
    GoverningAt largestMoment, smallestMoment, largestShear, smallestShear;
    std::optional<GoverningAt> largestDeflection, smallestDeflection;
};

// The member's supports, hinges, segments and EI come from `member` (its own loads are ignored).
// Errors: those of solveBeam; InvalidInput for no combination, more than MaxLoadCases cases or
// MaxCombinations combinations, a combination whose factors do not match the cases or are not
// finite, and intervals outside [1, 10000].
Outcome<CombinationEnvelope> combinationEnvelope(const Beam &member, const std::vector<LoadCase> &cases,
                                                 const std::vector<Combination> &combinations, int intervals);

// The member under one combination with every load taken whole (a pattern, if the combination
// asks for one, is not applied), or, with `loadedSpans`, the variable loads only on those spans.
Outcome<BeamSolution> solveCombination(const Beam &member, const std::vector<LoadCase> &cases,
                                       const Combination &combination, const std::vector<bool> &loadedSpans = {});

}  // namespace mechanics
