#pragma once

// The pieces the Beams program value (program.cpp) is assembled from: the 19 cases with their
// formulas (cases.cpp), the member each case describes (members.cpp) and one symbolic sketch per
// case (sketches.cpp). Private to the program.

#include "shell/core/catalogue.h"

#include <vector>

namespace beams {

// "Beam (1)" .. "Beam (19)" in button order.
std::vector<shell::CaseDef> beamCases();

namespace members {
using Inputs = std::vector<double>;
mechanics::Beam simplePointLoad(const Inputs &);
mechanics::Beam simpleUniform(const Inputs &);
mechanics::Beam simpleTriangular(const Inputs &);
mechanics::Beam simplePartialUniform(const Inputs &);
mechanics::Beam simpleSymmetricTriangle(const Inputs &);
mechanics::Beam simpleTriangularPlusUniform(const Inputs &);
mechanics::Beam cantileverPointLoad(const Inputs &);
mechanics::Beam cantileverUniform(const Inputs &);
mechanics::Beam cantileverTriangular(const Inputs &);
mechanics::Beam overhangPointLoad(const Inputs &);
mechanics::Beam overhangUniform(const Inputs &);
mechanics::Beam twoOverhangsPointLoads(const Inputs &);
mechanics::Beam twoOverhangsUniform(const Inputs &);
mechanics::Beam proppedPointLoad(const Inputs &);
mechanics::Beam proppedUniform(const Inputs &);
mechanics::Beam fixedUniform(const Inputs &);
mechanics::Beam fixedPointLoad(const Inputs &);
mechanics::Beam fixedTriangular(const Inputs &);
mechanics::Beam fixedTriangularPlusUniform(const Inputs &);
}  // namespace members

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
