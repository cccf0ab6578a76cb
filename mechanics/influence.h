#pragma once

// Influence lines: how a quantity of a member (a support's reaction force or moment, or V, M, θ
// or δ at a section x) changes as a unit downward load moves along the member. Between two
// consecutive places where the member changes (its ends, supports, hinges, segment ends and the
// section itself) the line is a polynomial of degree three at most (Müller-Breslau: it is the
// deflected shape of the member released for the quantity), so each piece is found exactly
// from the member solved for the unit load at four places inside it, and the line is exact up
// to the rounding of those solutions. The member's own loads and settlements play no part.
//
//   simple span of 10, R at the left support:  1 - ξ/10
//   M at x = 4 of the same span:                0.6 ξ up to ξ = 4, then 0.4 (10 - ξ)

#include "mechanics/beam.h"
#include "mechanics/outcome.h"
#include "mechanics/piecewise.h"

namespace mechanics {

enum class InfluenceQuantity { Reaction, ReactionMoment, Shear, Moment, Slope, Deflection };

struct InfluenceOf {
    InfluenceQuantity quantity = InfluenceQuantity::Moment;
    int support = 0;  // Reaction, ReactionMoment: the support, in the order of Beam::supports
    double x = 0;     // Shear, Moment, Slope, Deflection: the section (V on its right side)
};

// The influence line over [0, L]. Errors: those of solveBeam for the member; InvalidInput for
// a support that is not one of the member's, a section outside [0, L], and θ or δ of a member
// without EI.
Outcome<Piecewise> influenceLine(const Beam &beam, const InfluenceOf &of);

}  // namespace mechanics
