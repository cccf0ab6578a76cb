#pragma once

// The pieces the Profilor program value is assembled from: the eight shapes with their
// formulas (cases.cpp) and one sketch per shape drawn to proportion (sketches.cpp).

#include "shell/core/catalogue.h"

#include <vector>

namespace profilor {

// The shapes, in button order (each builds its case).
shell::CaseDef rectangularBar();
shell::CaseDef rectangularTube();
shell::CaseDef circularBar();
shell::CaseDef circularTube();
shell::CaseDef cSection();
shell::CaseDef tSection();
shell::CaseDef lSection();
shell::CaseDef iSection();

// One sketch per shape, drawn to proportion from the current dimensions.
shell::Sketch rectangularBarSketch(const std::vector<double> &in);
shell::Sketch rectangularTubeSketch(const std::vector<double> &in);
shell::Sketch circularBarSketch(const std::vector<double> &in);
shell::Sketch circularTubeSketch(const std::vector<double> &in);
shell::Sketch cSectionSketch(const std::vector<double> &in);
shell::Sketch tSectionSketch(const std::vector<double> &in);
shell::Sketch lSectionSketch(const std::vector<double> &in);
shell::Sketch iSectionSketch(const std::vector<double> &in);

}  // namespace profilor
