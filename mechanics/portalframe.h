#pragma once

// Single-bay portal frames A–B–C–D, solved exactly for their bending moments.
//
//        B ________ C          A (0, 0)  B (0, h)  C (l, h)  D (l, 0)
//         |   I2   |           AB left column: height h, second moment I1, s from A up to B
//      I1 |        | I1        BC beam: span l, second moment I2, s from B right to C
//         |        |           CD right column: height h, I1, s from C down to D
//        A          D
//
// Rigid corners B and C; the feet A and D both pinned or both fixed. The members are
// inextensible, as the classical portal formulas assume: B and C share one horizontal sway and
// do not move vertically. E is constant and cancels from the moments; only I1 and I2 matter.
//
// Sign convention
//   loads      forces by their components in the plane: horizontal positive to the right (+x),
//              vertical positive downward. Distributed loads act perpendicular to their member:
//              on the beam positive downward, on a column positive to the right (+x), whichever
//              column. Couples are positive clockwise.
//   M          the bending moment is positive where the inside face of the frame is in tension:
//              a downward load on the beam gives a positive (sagging) moment at mid-span and
//              negative (hogging) corner moments. Around a rigid corner M is continuous: the
//              moment at the top of a column equals the moment at that end of the beam (unless
//              a couple is applied at the corner itself, which M then steps by).
//   reactions  HA, HD positive to the right (+x) and VA, VD positive upward, acting on the frame.
//              MA and MD are the moments the fixed feet hold, in the same inside-tension sense:
//              the bending moments at the feet (0 for pinned feet; a couple applied at a foot
//              itself is carried by the column, not by the support). The couple support A exerts
//              on the frame is MA clockwise, the one support D exerts is MD counter-clockwise.
//
// Worked example: pinned feet, h = 4, l = 6, I1 = I2 (k = (I2/I1)·(h/l) = 2/3), w = 10 on the
// whole beam: corner moments −w·l²/(4·(2k + 3)) = −20.77 at B and C, mid-span moment
// w·l²/8 − 20.77 = 24.23, VA = VD = 30, HA = −HD = 20.77/4 = 5.192.
//
// Method: slope-deflection. The unknowns are the rotations of B and C (and of A and D for pinned
// feet) and the sway; each member contributes the end moments of its load as a simply supported
// span (its own exact solution from beam.h) plus those of its end rotations and chord rotation;
// the equations are moment equilibrium at every joint that can turn and horizontal equilibrium
// of the whole frame. The moment along each member is then the simply supported moment of its
// load plus the straight line between its two end moments: exact, piecewise polynomial.

#include "mechanics/outcome.h"
#include "mechanics/piecewise.h"

#include <array>
#include <cstddef>
#include <vector>

namespace mechanics {

enum class FrameMember { AB, BC, CD };
enum class FrameFeet { Pinned, Fixed };

// A point force at s along a member. On the beam the horizontal part runs along the beam, on a
// column the vertical part along the column: the inextensible members pass it to the supports
// without bending.
struct FrameForce {
    FrameMember member = FrameMember::BC;
    double s = 0;
    double horizontal = 0;  // to the right positive
    double vertical = 0;    // downward positive
};

struct FrameCouple {
    FrameMember member = FrameMember::BC;
    double s = 0;
    double couple = 0;  // clockwise positive
};

// Perpendicular to the member, varying linearly from wFrom at s = from to wTo at s = to.
struct FrameDistributedLoad {
    FrameMember member = FrameMember::BC;
    double from = 0;
    double to = 0;
    double wFrom = 0;  // beam: downward positive; column: to the right positive
    double wTo = 0;
};

// A vertical force on a bracket of a column (a crane rail, say): acting at s on the column but
// at the horizontal distance `eccentricity` from its axis (positive to the right). It is the same
// as the force on the axis plus the clockwise couple force·eccentricity.
struct FrameBracketLoad {
    FrameMember member = FrameMember::AB;  // AB or CD
    double s = 0;
    double eccentricity = 0;
    double force = 0;  // downward positive
};

struct PortalFrame {
    double height = 0;         // h
    double span = 0;           // l
    double columnInertia = 0;  // I1
    double beamInertia = 0;    // I2
    FrameFeet feet = FrameFeet::Fixed;
    std::vector<FrameForce> forces;
    std::vector<FrameCouple> couples;
    std::vector<FrameDistributedLoad> distributed;
    std::vector<FrameBracketLoad> brackets;
};

struct Point {
    double x = 0;
    double y = 0;
};

struct FrameMemberResult {
    FrameMember member = FrameMember::AB;
    Point start;        // s = 0: A, B or C
    Point end;          // s = length: B, C or D
    double length = 0;  // h or l
    Piecewise moment;   // M(s), inside tension positive
    // The point of the frame at s along the member.
    Point at(double s) const;
};

struct PortalReactions {
    double HA = 0, VA = 0, MA = 0;
    double HD = 0, VD = 0, MD = 0;
};

struct PortalSolution {
    PortalReactions reactions;
    std::array<FrameMemberResult, 3> members;  // AB, BC, CD
    const FrameMemberResult &member(FrameMember m) const { return members[static_cast<std::size_t>(m)]; }
};

// Solves the frame. InvalidInput where h, l, I1 or I2 is not a finite number above zero, a load
// position lies outside its member (beyond 1e-12 of its length) or a load value is not finite, a
// distributed load has from > to, or a bracket sits on the beam.
Outcome<PortalSolution> solvePortalFrame(const PortalFrame &frame);

}  // namespace mechanics
