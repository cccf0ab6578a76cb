#pragma once

// Any straight member, described in JSON by the one who types or scripts it: its length, E and I,
// stretches of their own E and I, supports anywhere (pinned, roller, fixed, spring, each may
// settle), internal hinges and loads (point forces, couples, linearly varying distributed loads).
// All numbers are in the units of the calculation (lengths in mm, cm or m, forces in N or kN, E
// in force per length², I in length⁴, w in force per length, C in force·length, k in force per
// length, a rotational k in force·length per radian); the solver takes them as they are.
//
//   {"length": 10000, "E": 205000, "I": 2e8,
//    "segments": [{"from": 0, "to": 4000, "E": 205000, "I": 1e8}],
//    "supports": [{"x": 0, "kind": "pinned"}, {"x": 6000, "kind": "roller", "settlement": 5},
//                 {"x": 10000, "kind": "fixed"}, {"x": 3000, "kind": "spring", "k": 500, "rotationalK": 0}],
//    "hinges": [4500],
//    "loads": [{"kind": "point", "x": 3000, "P": 10000}, {"kind": "couple", "x": 2000, "C": 5e6},
//              {"kind": "distributed", "from": 0, "to": 6000, "w1": 5, "w2": 5}]}
//
// "segments", "hinges", "loads", "settlement", "k" and "rotationalK" may be left out, and so
// may E and I together (then there is no slope or deflection, and nothing that needs E·I); a
// segment's E or I left out is the member's. Every other key is refused with its name.

#include "mechanics/beam.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// The largest description read: room for thousands of loads, and a bound on what a hostile
// input can make the reader hold.
constexpr std::size_t MemberDescriptionMaxBytes = 1 << 20;

struct MemberLoad {
    enum class Kind { Point, Couple, Distributed };
    Kind kind = Kind::Point;
    double x = 0;                             // point and couple
    double value = 0;                         // P (downward positive) or C (clockwise positive)
    double from = 0, to = 0, w1 = 0, w2 = 0;  // distributed, downward positive
};

struct MemberSegment {
    double from = 0;
    double to = 0;
    std::optional<double> E, I;  // the member's where left out
};

struct MemberDescription {
    double length = 0;
    std::optional<double> E, I;
    std::vector<MemberSegment> segments;
    std::vector<mechanics::Support> supports;
    std::vector<double> hinges;
    std::vector<MemberLoad> loads;  // in the order given

    // The member as the solver takes it: EI = E·I, each segment's likewise.
    mechanics::Beam beam() const;
};

struct MemberReading {
    std::optional<MemberDescription> member;
    std::string error;  // why there is none: "\"supports[1].kind\" must be \"pinned\", ..."
};

MemberReading readMemberDescription(std::string_view text);

// "pinned", "roller", "fixed", "spring": the word of a support kind in the description.
const char *supportKindName(mechanics::SupportKind kind);

// The description on one line of JSON, keys in the order above, numbers in the shortest form
// that reads back as the same double: read back, it gives the same member.
std::string memberDescriptionJson(const MemberDescription &member);

}  // namespace shell
