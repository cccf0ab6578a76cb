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
//              {"kind": "distributed", "from": 0, "to": 6000, "w1": 5, "w2": 5, "case": "G"}],
//    "cases": [{"name": "G", "kind": "permanent"}, {"name": "Q", "kind": "variable", "meaning": "imposed"}],
//    "combinations": [{"name": "ULS", "factors": {"G": 1.35, "Q": 1.5}, "pattern": true, "use": "strength"},
//                     {"name": "SLS", "factors": {"G": 1, "Q": 1}, "use": "deflection"}],
//    "checks": {"Z": 1.09e5, "f": 160, "n": 300}}
//
// Instead of I (and the checks' Z) a member may name its section, one of the section shapes with
// its dimensions, and instead of E its material:
//
//   {"length": 6000, "section": {"shape": "I section", "a": 160, "b": 82, "c": 7.4, "d": 5},
//    "material": "steel", ...}
//
// "segments", "hinges", "loads", "settlement", "k" and "rotationalK" may be left out, and so
// may E and I together (then there is no slope or deflection, and nothing that needs E·I); a
// segment's E or I left out is the member's. Every other key is refused with its name.
//
// Load cases and combinations: each load belongs to the case its "case" names, or to the first
// case where it names none. A combination factors the cases it names (the others are left out);
// "pattern" places the variable cases span by span where each quantity is worst; "use" says
// which checks it serves: "strength" the bending stress, "deflection" the deflection, "both"
// (where left out) both. Checks: σ = M/Z against the allowable stress f, and the deflection of
// every span against its length over n; each needs its numbers, and any may be left out.

#include "mechanics/beam.h"
#include "mechanics/combination.h"
#include "mechanics/movingload.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
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
    std::string loadCase{};                   // the name of its load case; "" for the first
};

struct MemberLoadCase {
    std::string name;  // "G", "Q": a letter, then letters, digits or _
    bool variable = false;
    std::string meaning;  // "self-weight", "imposed"; may be empty
};

enum class CombinationUse { Both, Strength, Deflection };

struct MemberCombination {
    std::string name;
    std::vector<std::pair<std::string, double>> factors;  // case name and factor, in the order given
    bool pattern = false;
    CombinationUse use = CombinationUse::Both;
};

// The simple elastic checks of the member, each where its numbers are given.
struct MemberChecks {
    std::optional<double> Z;  // elastic section modulus
    std::optional<double> f;  // allowable bending stress
    std::optional<double> n;  // deflection limit: span / n
    bool stress() const { return Z && f; }
    bool deflection() const { return n.has_value(); }
};

// The cross-section and the material a member names; the member's I and the checks' Z follow
// from the shape's formulas and its dimensions, E from the material (membersection.h).
struct MemberSection {
    std::string shape;               // a shape's name, "I section"; "" where I and Z are typed
    std::vector<double> dimensions;  // the shape's dimensions a, b, c, d, as many as it takes
    std::string material;            // a material's name, "steel"; "" where E is typed
    bool operator==(const MemberSection &other) const
    {
        return shape == other.shape && dimensions == other.dimensions && material == other.material;
    }
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
    std::vector<MemberLoadCase> cases;
    std::vector<MemberCombination> combinations;
    MemberChecks checks;
    MemberSection section;
    std::optional<mechanics::Train> train;  // the moving loads; none where no axle is given

    // The member as the solver takes it: EI = E·I, each segment's likewise; every load at its
    // value as given, whatever its case.
    mechanics::Beam beam() const;
    // The loads case by case, in the order of `cases` (one permanent case of all loads where
    // there are none).
    std::vector<mechanics::LoadCase> loadCases() const;
    // A combination's factors in the order of `cases`.
    mechanics::Combination combination(const MemberCombination &combination) const;
};

// The problem of a member's cases and combinations, or "": a case named twice or not a name, a
// load or a combination naming a case the member does not have, a factor that is not finite,
// more cases or combinations than the solver takes, checks not above zero.
std::string loadCaseProblem(const MemberDescription &member);

// "1.35 G + 1.5 Q" -> {{"G", 1.35}, {"Q", 1.5}}: terms joined by + or -, each a factor (1 where
// none is written, "*" or "·" may stand between) and a case name. Empty with `problem` set where
// the text is not such a sum.
std::vector<std::pair<std::string, double>> readFactors(const std::string &text, std::string &problem);
// The factors as readFactors reads them: "1.35 G + 1.5 Q".
std::string factorsText(const std::vector<std::pair<std::string, double>> &factors);

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
