#pragma once

// The absolute extremes of M and V along a member under a train of axles alone, found exactly.
// With the train standing anywhere, M along the member is linear between the axles and the
// member's places, and V constant: so M is largest (and smallest) under an axle or at a place,
// and V takes every value it has just right of an axle or of a place. The places are sections of
// the envelope; under axle i the value is, as the train moves, a polynomial of its position
// (degree 4 at most for M, 3 for V) between the positions where an axle meets a place, whose
// extremes are found among the ends and the roots of its derivative.
//
// V just right of an axle is reported at the axle's section with the lead approached from below
// (the axle just left of the section), 1e-9 of the length inside each stretch of positions, so
// that the train stands where the value holds.

#include "mechanics/movingload.h"
#include "mechanics/sectionlines.h"

namespace mechanics {

struct AxleExtremes {
    bool found = false;  // false for a train without an axle on the member
    TrainExtreme largestMoment, smallestMoment, largestShear, smallestShear;
};

// The train's uniform load plays no part.
AxleExtremes extremesUnderAxles(const SectionLines &lines, const Train &train, double length);

}  // namespace mechanics
