#pragma once

// The pieces the cantilever program value (program.cpp) is assembled from: the 21 cases with
// their formulas (cases.cpp) and one symbolic sketch per case (sketches.cpp). Private to the
// program.

#include "shell/core/catalogue.h"

#include <vector>

namespace cantilever {

// "Cantilever (1)" .. "Cantilever (21)" in button order: cantilevers and propped cantilevers
// (1 to 8), then single spans, simply supported and fixed at both ends (9 to 21).
std::vector<shell::CaseDef> cantileverCases();

namespace sketches {
using Inputs = std::vector<double>;
shell::Sketch cantileverPointLoad(const Inputs &);
shell::Sketch cantileverUniform(const Inputs &);
shell::Sketch cantileverTriangular(const Inputs &);
shell::Sketch cantileverMoment(const Inputs &);
shell::Sketch proppedPointLoad(const Inputs &);
shell::Sketch proppedUniform(const Inputs &);
shell::Sketch proppedTriangular(const Inputs &);
shell::Sketch proppedMoment(const Inputs &);
shell::Sketch spanPointLoad(const Inputs &);
shell::Sketch spanMidPointLoad(const Inputs &);
shell::Sketch spanThirdPointLoads(const Inputs &);
shell::Sketch spanSymmetricPointLoads(const Inputs &);
shell::Sketch spanUniform(const Inputs &);
shell::Sketch spanTrapezoidal(const Inputs &);
shell::Sketch spanSymmetricTriangle(const Inputs &);
shell::Sketch spanTwoTriangles(const Inputs &);
shell::Sketch spanThreeTriangles(const Inputs &);
shell::Sketch spanRisingTriangle(const Inputs &);
shell::Sketch spanPartialUniform(const Inputs &);
shell::Sketch spanMoment(const Inputs &);
shell::Sketch spanWheelLoads(const Inputs &);
}  // namespace sketches

}  // namespace cantilever
