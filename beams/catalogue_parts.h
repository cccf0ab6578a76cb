#pragma once

// The pieces the Beams program value (program.cpp) is assembled from: the 19 cases with their
// formulas (cases.cpp) and one symbolic sketch per case (sketches.cpp). Private to the program.

#include "shell/core/catalogue.h"

#include <vector>

namespace beams {

// "Beam (1)" .. "Beam (19)" in button order.
std::vector<shell::CaseDef> beamCases();

namespace sketches {
using Inputs = std::vector<double>;
shell::Sketch simplePointLoad(const Inputs &);
shell::Sketch simpleUniform(const Inputs &);
shell::Sketch simpleTriangular(const Inputs &);
shell::Sketch simplePartialUniform(const Inputs &);
shell::Sketch simpleSymmetricTriangle(const Inputs &);
shell::Sketch simpleTriangularPlusUniform(const Inputs &);
shell::Sketch cantileverPointLoad(const Inputs &);
shell::Sketch cantileverUniform(const Inputs &);
shell::Sketch cantileverTriangular(const Inputs &);
shell::Sketch overhangPointLoad(const Inputs &);
shell::Sketch overhangUniform(const Inputs &);
shell::Sketch twoOverhangsPointLoads(const Inputs &);
shell::Sketch twoOverhangsUniform(const Inputs &);
shell::Sketch proppedPointLoad(const Inputs &);
shell::Sketch proppedUniform(const Inputs &);
shell::Sketch fixedUniform(const Inputs &);
shell::Sketch fixedPointLoad(const Inputs &);
shell::Sketch fixedTriangular(const Inputs &);
shell::Sketch fixedTriangularPlusUniform(const Inputs &);
}  // namespace sketches

}  // namespace beams
