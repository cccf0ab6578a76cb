#pragma once

// Moving load trains: axles at fixed distances from one another, and optionally a uniform load
// that may cover any part of the member, rolling across it in both directions or in one. For a
// quantity with influence line η(ξ) the train standing with its first axle at s gives
//
//     E(s) = Σ Pᵢ·η(ξᵢ(s)) + w·∫ η over the covered parts,
//
// ξᵢ = s − aᵢ running rightward (the first axle leads to the right), s + aᵢ running leftward; an
// axle off the member carries nothing. E(s) is a piecewise polynomial whose breakpoints are the
// positions where an axle stands on a breakpoint of η (or on an end of the member); its largest
// and smallest values are found exactly among those positions and the roots of E′ inside each
// piece, with no step size. The uniform part is placed where it is worst: over the parts of the
// member where w·η is positive for the largest value (negative for the smallest), bounded by the
// zeros of η.
//
// Where η jumps (the line of V at its section) the largest value may be a limit that the train
// approaches without reaching: the placement says from which side (an axle just left of the
// section rather than on it).
//
//   simple span of 10, M at x = 5 (η = ξ/2 up to 5, then (10 − ξ)/2), two axles of 1 at 2 apart:
//   largest 4.0 with the first axle at x = 5 (the other at 3) or, leftward, at 5 (the other at 7)

#include "mechanics/beam.h"
#include "mechanics/extremes.h"
#include "mechanics/influence.h"
#include "mechanics/outcome.h"
#include "mechanics/piecewise.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace mechanics {

// The most axles a train may have: a bound on what a hostile input can make the search do.
constexpr std::size_t TrainMaxAxles = 200;

struct Axle {
    double offset = 0;  // distance behind the first axle, ≥ 0
    double load = 0;    // downward positive
};

enum class TrainWays { Both, Rightward, Leftward };

struct Train {
    std::vector<Axle> axles;
    double uniform = 0;  // force per length, downward positive; 0 for none
    TrainWays ways = TrainWays::Both;
};

// Where the train stands for a value: its first axle at `lead`, the others behind it (to the left
// running rightward, to the right running leftward), and the parts of the member its uniform load
// covers, ascending and disjoint. `side` is Both where the value is the train's at `lead` itself,
// Left (Right) where it is the limit as the lead comes to `lead` from below (above): an axle then
// stands just beside a jump of the influence line.
struct TrainPlacement {
    double lead = 0;
    bool leftward = false;
    Side side = Side::Both;
    std::vector<std::pair<double, double>> covered;
};

struct TrainValue {
    double value = 0;
    TrainPlacement placement;
};

struct TrainEffect {
    TrainValue largest;
    TrainValue smallest;
};

// The largest and smallest value of a quantity with influence line `influence` under the train.
// The train must be valid (see trainEnvelope).
TrainEffect trainEffect(const Piecewise &influence, const Train &train);

// The quantity with the train where `placement` puts it: Σ Pᵢ·η(ξᵢ) + w·∫ η over the covered parts.
double trainValue(const Piecewise &influence, const Train &train, const TrainPlacement &placement);

struct TrainExtreme {
    double value = 0;
    double x = 0;  // the section where it acts
    TrainPlacement placement;
};

// The envelope of V (on the right of each section) and M along the member under the train.
struct TrainEnvelope {
    // N + 1 equally spaced sections and every place where the member changes (supports, hinges,
    // segment ends), ascending; a section within 1e-12 of the length of a place is the place.
    std::vector<double> x;
    std::vector<TrainEffect> shear;
    std::vector<TrainEffect> moment;
    // The absolute largest and smallest M and V anywhere on the member, with the section and the
    // train's position: found between the sections too, not only at them. For a train of axles
    // alone they are exact: with the train standing anywhere M is linear and V constant between
    // the axles and the member's places, so the extremes are at a place (a section) or under an
    // axle, where the value is a polynomial of the train's position between the positions where
    // an axle meets a place. V there is taken just right of the axle (the placement's side Left,
    // the axle 1e-9 of the length inside such a stretch). With a uniform load, M is found by
    // branch and bound between the sections (bounded by the envelope at an interval's ends and
    // how fast M can change, by the envelope of V), certain to 1e-5 of the largest |M|, then
    // refined by golden-section search on the envelope value from the section's own influence
    // line to 1e-9 of the length; V, for loads of one sign, only drops as the section passes an
    // axle: its largest is at a section and its smallest at a section or just (1e-9 of the
    // length) left of a support; for loads of both signs it is probed and refined likewise.
    TrainExtreme largestMoment, smallestMoment, largestShear, smallestShear;
};

// Errors: those of solveBeam for the member; InvalidInput for a train without axles and without a
// uniform load, more than TrainMaxAxles axles, an offset below 0 or not finite, a load not finite,
// and intervals outside [1, 10000].
Outcome<TrainEnvelope> trainEnvelope(const Beam &beam, const Train &train, int intervals);

}  // namespace mechanics
