#pragma once

// Diagrams as tables of points: N + 1 equally spaced positions plus both sides of every jump,
// for plotting and for a CSV table `x,V,M,theta,delta`.
//
//   Simply supported span L = 6, P = 10 at x = 2, sampled with 3 intervals:
//   x     V       M
//   0     6.667   0
//   2     6.667   13.33     (left of the load)
//   2    −3.333   13.33     (right of the load)
//   4    −3.333   6.667
//   6    −3.333   0

#include "mechanics/beam.h"
#include "mechanics/extremes.h"
#include "mechanics/piecewise.h"

#include <optional>
#include <string>
#include <vector>

namespace mechanics {

struct Sample {
    double x = 0;
    Side side = Side::Both;  // Left or Right: one of the two rows at a jump
};

// The positions: x_i = start + i·(end − start)/intervals for i = 0..intervals (at least one
// interval), and every breakpoint where one of the functions jumps, twice (its left and its
// right side). A breakpoint without a jump, or an equally spaced position within 1e-12 of the
// length of a breakpoint, is one row. Jumps smaller than 1e-12 of a function's largest value at
// its breakpoints are rounding, not jumps. All functions must cover the same [start, end].
std::vector<Sample> samplePositions(const std::vector<const Piecewise *> &functions, int intervals);

// The value of f at a sample position, from the side the sample names.
double valueAt(const Piecewise &f, const Sample &at);

struct BeamSample {
    double x = 0;
    double shear = 0;
    double moment = 0;
    std::optional<double> slope;  // only where the solution has slopes and deflections
    std::optional<double> deflection;
};

// Shear, moment, slope and deflection at the positions of samplePositions over shear and moment.
std::vector<BeamSample> sampleBeam(const BeamSolution &solution, int intervals);

// A CSV table with the header line "x,V,M,theta,delta" and one line per sample, numbers in the
// shortest form that reads back to the same double, '.' as decimal point whatever the locale,
// and empty theta and delta fields where there are none.
std::string csvTable(const std::vector<BeamSample> &samples);

}  // namespace mechanics
