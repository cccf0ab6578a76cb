#pragma once

// The pieces the Rahmen program value (program.cpp) is assembled from: the ten frame cases with
// their formulas (cases.cpp) and the frame drawings they show (sketches.cpp). Private to the
// program.

#include "shell/core/catalogue.h"
#include "shell/core/sketch.h"

#include <vector>

namespace rahmen {

// Cases 1 to 5 stand on pinned feet (no moment at A and D), cases 6 to 10 on fixed feet.
enum class Feet { Pinned, Fixed };

// "Rahmen (1)" .. "Rahmen (10)", in button order.
std::vector<shell::CaseDef> frameCases();

// The frame A-B-C-D with its feet, its load and the dimension letters; one drawing per kind
// of load, the feet chosen by the case. Symbolic, not to scale.
shell::Sketch uniformLoadOnBeam(Feet feet);
shell::Sketch horizontalLoadAtB(Feet feet);
shell::Sketch pointLoadOnBeam(Feet feet);
shell::Sketch uniformLoadOnColumn(Feet feet);
// The bracket at E on the column AB; fixed feet also show b, the distance from E up to B.
shell::Sketch bracketLoad(Feet feet);

}  // namespace rahmen
