#pragma once

// What the family shows of any member once it is solved: its result rows (each support's
// reaction, the largest and smallest V, M and δ with where they are first attained, the slopes at
// both ends) and its diagrams. The window, the command line and the calculation sheet take them
// from here, so that all three say the same of a member.
//
//     反力 (R1)                 upward reaction of support 1 (pinned at x = 0)
//     反力モーメント (MR3)      where support 3 holds the slope (fixed, or a rotational spring)
//     最大曲げモーメント (Mmax) with x, the first position where M attains it
//     たわみ角 (θA), (θB)       where the member has E·I

#include "mechanics/beam.h"
#include "mechanics/combination.h"
#include "mechanics/movingload.h"
#include "shell/core/diagrams.h"
#include "shell/core/memberdescription.h"
#include "shell/core/membertables.h"
#include "shell/core/units.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace shell {

struct MemberRow {
    std::string symbol;   // "R1", "Mmax"
    std::string caption;  // "反力 (R1)"
    std::string meaning;  // "upward reaction of support 1 (pinned at x = 0)"
    double value = 0;
    Dimension dimension = Dimension::Force;
    bool slope = false;       // a slope, in rad whatever the units
    std::optional<double> x;  // where an extreme is first attained
    std::string below{};      // the line under the row where it is not "at x = ...": "OK", "NG"
    // The row's unit in `units`: "N", "N･mm", "mm", "rad".
    std::string unit(Units units) const;
};

// The rows of a solved member, in the family's captions.
std::vector<MemberRow> memberRows(const mechanics::BeamSolution &solution);

// Where the envelopes are sampled: N + 1 sections and every place of the member.
constexpr int StudyIntervals = 200;

// What the member's load cases, combinations, moving loads and checks give beyond the loads as
// typed: the envelope over all combinations, over those that serve each check, and the moving
// loads' envelope; a refusal (the train or a combination the solver does not take) in `problem`.
struct MemberStudy {
    // Shared, not copied: where every combination serves strength and deflection the three are one
    // envelope, which holds the governing combination and pattern of every section.
    std::shared_ptr<const mechanics::CombinationEnvelope> combinations;  // over every combination
    std::shared_ptr<const mechanics::CombinationEnvelope> strength;      // over those for strength (or all)
    std::shared_ptr<const mechanics::CombinationEnvelope> deflection;    // over those for deflection (or all)
    std::optional<mechanics::TrainEnvelope> train;
    mechanics::Train movingLoads;  // the train of that envelope
    std::string problem;
    int problemTable = -1;  // the table the refusal is about (membertables.h)
};
MemberStudy studyMember(const MemberDescription &member);

// The rows of the study, below the member's own: the envelope over the combinations with the
// governing one named, the moving loads' absolute extremes with the train's position, and the
// checks as utilisations with "OK" or "NG".
//
//     組合せ最大曲げモーメント (Mcmax)   largest M over the combinations: ULS (1.35 G + 1.5 Q), Q on spans 1
//     応力度比 (σb/fb)                   σb / fb = 0.62: OK
std::vector<MemberRow> studyRows(const MemberDescription &member, const mechanics::BeamSolution &solution,
                                 const MemberStudy &study);

// The member's rows followed by its study's; the study's refusal, if any, in `problem` (then
// the rows are the member's alone).
std::vector<MemberRow> memberAndStudyRows(const MemberDescription &member, const mechanics::BeamSolution &solution,
                                          std::string &problem);

// The most result rows a member of `supports` supports shows: the reactions, the extremes and
// slopes of the loads as typed, and the study's rows.
std::size_t memberRowLimit(std::size_t supports);

// A quantity whose influence line the window can show: V, M, θ or δ at the member's point of
// interest, or a support's reaction force or moment.
struct InfluenceChoice {
    mechanics::InfluenceQuantity quantity = mechanics::InfluenceQuantity::Moment;
    int support = 0;
    bool operator==(const InfluenceChoice &other) const
    {
        return quantity == other.quantity && support == other.support;
    }
};

// The quantities of a member, each with its words: "M at x", "V at x", "δ at x", "θ at x",
// "R1", "MR1" (where the support holds the slope), ...
std::vector<std::pair<InfluenceChoice, std::string>> influenceChoices(const mechanics::Beam &beam);
// The key of a choice in a saved calculation and on the command line: "M", "V", "theta",
// "delta", "R2", "MR1"; and back (none for another text).
std::string influenceKey(const InfluenceChoice &choice);
std::optional<InfluenceChoice> influenceOfKey(const std::string &key);

// The influence line as a diagram: one strip of the member with the line of `choice` (a unit
// load downward), its extremes marked; Kind::Error with the reason where there is none.
CaseDiagrams influenceDiagrams(const mechanics::Beam &beam, const InfluenceChoice &choice, double x, Units units);

// The member's envelopes as diagrams, one member each: over the combinations and under the
// moving loads, the largest and the smallest V and M (and δ of the combinations) along the
// member; Kind::Error where the member has neither.
CaseDiagrams envelopeDiagrams(const mechanics::Beam &beam, const MemberStudy &study, Units units);

// Each combination with its loads taken whole (pattern loading, where asked for, is in the
// envelope), in the order of the member's combinations; the solver's refusal where it has none.
std::vector<mechanics::Outcome<mechanics::BeamSolution>> solvedCombinations(const MemberDescription &member);

// The diagrams of one combination (an index into the member's): V and M (θ and δ where the member
// has E·I) with its loads whole, or, where it asks for pattern loading, its own envelope as bands
// between the largest and the smallest; Kind::Error with the reason where it cannot be solved.
CaseDiagrams combinationDiagrams(const MemberDescription &member, std::size_t combination, Units units);

// The diagrams of a solved member (V and M, and θ and δ where it has E·I) with their extremes,
// their units those of `units`.
CaseDiagrams memberDiagrams(const mechanics::Beam &beam, const mechanics::BeamSolution &solution, Units units);

}  // namespace shell
