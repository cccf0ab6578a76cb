#pragma once

// structcalc Member --member FILE --train TRAIN: the envelope of M and V under a moving load
// train (shell/core/traindescription.h) as rows, as the table x,Mmax,Mmin,Vmax,Vmin, or in JSON.
//
//     $ structcalc Member --member runway.json --train crane.json     (a span of 6 m, two axles of 100 kN 3.6 m apart)
//     largest M under the train	1.103e+08	N･mm	x = 2100 mm	lead = 2100 mm, rightward
//     smallest M	0.000e+00	N･mm	x = 0 mm	lead = 0 mm, rightward
//     largest V	1.400e+05	N	x = 0 mm	lead = 0 mm (just above), leftward
//     smallest V	-1.400e+05	N	x = 6000 mm	lead = 6000 mm, rightward
//
// The lead is where the first axle stands; "just above" (or "just below") where the value is the
// limit as the train comes to that lead from beyond it (an axle beside a jump of V, on its
// section). Where the train has a uniform load, the parts it covers follow.

#include "mechanics/movingload.h"
#include "shell/core/units.h"

#include <iosfwd>

namespace structcalc {

struct TrainOutput {
    shell::Units units;
    bool raw = false;
    bool json = false;
    bool diagram = false;
};

// The rows, the table or the JSON object's "envelope" value (with `json`, only the value: the
// caller writes the object around it).
void printTrainEnvelope(std::ostream &out, const mechanics::TrainEnvelope &envelope, const TrainOutput &how);

}  // namespace structcalc
