#pragma once

// Straight members (Euler–Bernoulli) under transverse load, solved exactly: shear force, bending
// moment, slope and deflection as piecewise polynomials in closed form, with the support
// reactions. Any number of supports (rigid or elastic, with prescribed settlements), internal
// hinges, and segments whose EI differs from the member's; statically determinate or not; no
// mesh and no numerical integration.
//
// Sign convention
//   x          from the left end of the member (x = 0) to its right end (x = L), as the case
//              sketch draws it.
//   loads      point forces P and distributed loads w are positive downward.
//   couples    an applied couple C is positive clockwise; the bending moment jumps by +C from
//              left to right of it.
//   V          shear force: the sum of the upward forces left of the section; V = dM/dx, so
//              dV/dx = −w, and V jumps by −P from left to right of a point force P.
//   M          bending moment, positive sagging (tension at the bottom face): the sum of the
//              clockwise moments, about the section, of the forces and couples left of it.
//   δ          deflection, positive downward; EI·δ'' = −M.
//   θ          slope θ = dδ/dx: positive where the member goes down to the right, which is a
//              clockwise rotation.
//   hinges     the moment is zero at a hinge and the slope may jump there.
//   springs    a spring support pushes up with k·(δ − s) (s its settlement) and turns against
//              the member's slope with a couple −kθ·θ.
//   reactions  a support force is positive upward. The reaction moment of a fixed support is the
//              couple the support exerts on the member, positive clockwise like an applied couple:
//              at a fixed left end it equals M just right of the support, at a fixed right end −M
//              just left of it (a cantilever fixed at x = 0 with P at its tip: −P·L).
//
// Worked example: simply supported span L = 6, P = 10 at x = 2 (a = 2, b = 4), EI = 1000
//   reactions    +6.667 at x = 0 (P·b/L), +3.333 at x = 6 (P·a/L)
//   shear        +6.667 on [0, 2), −3.333 on (2, 6]
//   moment       13.333 under the load (P·a·b/L)
//   deflection   0.03556 under the load (P·a²·b²/(3·EI·L))

#include "mechanics/outcome.h"
#include "mechanics/piecewise.h"

#include <optional>
#include <vector>

namespace mechanics {

// Pinned and Roller both hold the member vertically and leave it free to rotate: under
// transverse load they act alike. Fixed also holds its rotation. A Spring holds the member
// elastically: a translational stiffness against deflection and, where given, a rotational
// stiffness against slope (a spring of stiffness 0 holds nothing). A free end has no support.
enum class SupportKind { Pinned, Roller, Fixed, Spring };

struct Support {
    double x = 0;
    SupportKind kind = SupportKind::Pinned;
    double stiffness = 0;            // Spring: force per unit of deflection, ≥ 0
    double rotationalStiffness = 0;  // Spring: moment per radian of slope, ≥ 0
    double settlement = 0;           // prescribed downward displacement of the support (of a spring's base)
};

// A stretch of the member whose flexural rigidity differs from the member's own: a stepped beam,
// a haunch in steps. Segments do not overlap.
struct Segment {
    double from = 0;
    double to = 0;
    double rigidity = 0;  // EI over [from, to]
};

struct PointForce {
    double x = 0;
    double force = 0;  // downward positive
};

struct PointCouple {
    double x = 0;
    double couple = 0;  // clockwise positive
};

// A load varying linearly from intensity wFrom at x = from to wTo at x = to (from ≤ to):
// uniform (wFrom = wTo), triangular (one of them 0), trapezoidal, over all or part of the member.
struct DistributedLoad {
    double from = 0;
    double to = 0;
    double wFrom = 0;  // downward positive, force per length
    double wTo = 0;
};

struct Beam {
    double length = 0;
    // EI. Without it shear, moment and reactions are still exact (for a statically indeterminate
    // member they do not depend on a constant EI), but there is no slope or deflection; springs,
    // settlements and segments need it.
    std::optional<double> flexuralRigidity;
    std::vector<Support> supports;
    std::vector<PointForce> forces;
    std::vector<PointCouple> couples;
    std::vector<DistributedLoad> distributed;
    std::vector<double> hinges{};     // positions of internal hinges, inside (0, L)
    std::vector<Segment> segments{};  // where EI differs from flexuralRigidity
};

struct Reaction {
    Support support;
    double force = 0;   // upward positive
    double moment = 0;  // clockwise positive, on the member; 0 where the support lets the member turn
};

struct BeamSolution {
    double length = 0;
    std::vector<Reaction> reactions;      // one per support, in the order of Beam::supports
    Piecewise shear;                      // V(x)
    Piecewise moment;                     // M(x)
    std::optional<Piecewise> slope;       // θ(x), only with a flexural rigidity
    std::optional<Piecewise> deflection;  // δ(x), only with a flexural rigidity
};

// Solves the member. Errors:
//   InvalidInput  L not finite or ≤ 0; EI given but not finite or ≤ 0; a support, hinge or load
//                 position outside [0, L] (by more than 1e-12·L, which is taken as rounding and
//                 clamped) or not finite; a load value or settlement not finite; a stiffness
//                 below 0; a distributed load or segment with from > to; two supports or two
//                 hinges at one position; a hinge at an end, where a couple acts or where a
//                 support holds the slope; overlapping segments; springs, settlements or
//                 segments without EI.
//   Mechanism     the supports cannot hold the member (no support, a single pin or roller, a
//                 part between hinges held by too few supports, ...); the message says which
//                 part and what to add.
// Positions closer than 1e-14·L count as one position.
Outcome<BeamSolution> solveBeam(const Beam &beam);

}  // namespace mechanics
