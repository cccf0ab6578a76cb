#pragma once

// The pieces the cantilever program value (program.cpp) is assembled from: the cantilever and
// propped-cantilever cases (cases.cpp), the single-span cases (spancases.cpp) with their
// formulas and member models, and one symbolic sketch per case (sketches.cpp). Private to the
// program.

#include "shell/core/catalogue.h"

#include <vector>

namespace cantilever {

// "Cantilever (1)" .. "Cantilever (21)" in button order: cantilevers and propped cantilevers
// (1 to 8), then single spans, simply supported and fixed at both ends (9 to 21).
std::vector<shell::CaseDef> cantileverCases();
// "Cantilever (9)" .. "Cantilever (21)".
std::vector<shell::CaseDef> spanCases();

using Inputs = std::vector<double>;

// The number an input, or an expression of inputs such as a + b, stands for in one set of
// inputs: the member models are built from the same symbols as the rows.
inline double valueOf(const shell::Expr &symbol, const Inputs &inputs)
{
    return symbol.eval({&inputs, nullptr});
}

// A member of length a + b, a load at a from A: either part may be 0, not both.
inline void requireLength(shell::CaseBuilder &c, const shell::Expr &a, const shell::Expr &b)
{
    c.require(b, (a + b) > 0, "a + b must be greater than 0");
}

namespace sketches {
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
