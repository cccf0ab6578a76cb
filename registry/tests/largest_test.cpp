// Rows that speak of a largest value, held against the member's diagrams over every case of every
// program: a row that claims a maximum (最大 in its caption, "max" in its symbol, "largest" in its
// meaning) is either the member's extreme up to rounding for every input tried, or marked, and a
// marked row shows beside it exactly the extreme the diagrams give, where the two differ.

#include "registry/registry.h"
#include "registry/tests/familycases.h"
#include "shell/core/diagrams.h"
#include "shell/core/numbertext.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using familycases::CaseRef;

// Every case with a straight member to compare with (a frame, a column curve or a section has no
// diagram a row's maximum could be read from; the rows of a moving load, which claim its envelopes
// though they reach them for every input, are held against them in the program's own tests).
std::vector<CaseRef> casesWithMembers()
{
    return familycases::familyCases(
        [](const shell::Program &, const shell::CaseDef &c) { return !c.members.empty() && c.members.front().beam; });
}

bool contains(const std::string &text, const char *part)
{
    return text.find(part) != std::string::npos;
}

// What a row's words claim: the extreme of which diagram of which member; none where the row
// claims no maximum, or names a position rather than a value ("distance from A to the point ...").
std::optional<shell::ExtremeClaim> claimInWords(const shell::RowDef &row)
{
    const std::string symbol = shell::SymbolOf(row.caption);
    const bool claims = contains(row.caption, "最大") || contains(symbol, "max") || contains(row.meaning, "largest");
    if (!claims || row.meaning.rfind("distance", 0) == 0)
        return std::nullopt;
    const int member = contains(row.meaning, "span fixed at both ends") ? 1 : 0;
    switch (row.dimension) {
    case shell::Dimension::Moment:
        return shell::ExtremeClaim{member, shell::Quantity::Moment};
    case shell::Dimension::Length:
        return shell::ExtremeClaim{member, shell::Quantity::Deflection};
    case shell::Dimension::Force:
        return shell::ExtremeClaim{member, shell::Quantity::Shear};
    default:
        return std::nullopt;
    }
}

// The inputs tried: the start values, and each input alone at zero, half, four fifths, five
// quarters and twice its start value (those the domain refuses are left out).
std::vector<std::vector<double>> inputsTried(const shell::CaseDef &c)
{
    const std::vector<double> start = shell::startValues(c);
    std::vector<std::vector<double>> tried{start};
    for (std::size_t k = 0; k < start.size(); ++k)
        for (const double factor : {0.0, 0.5, 0.8, 1.25, 2.0}) {
            std::vector<double> inputs = start;
            inputs[k] *= factor;
            tried.push_back(inputs);
        }
    return tried;
}

class largestBesideRows : public ::testing::TestWithParam<CaseRef>
{
};

TEST_P(largestBesideRows, AreMarkedWhereTheMemberExceedsThemAndShowItsExtreme)
{
    const CaseRef ref = GetParam();
    const shell::CaseDef &c = ref.definition();
    // The case as it would be with every row that claims a maximum marked: what an unmarked row
    // would show beside it must be nothing.
    shell::CaseDef allMarked = c;
    for (shell::RowDef &row : allMarked.rows)
        if (!row.claims)
            row.claims = claimInWords(row);

    shell::testing::RecordingPlatform platform;
    shell::ShellModel model(*ref.program, platform);
    model.start();
    model.selectCase(ref.index);
    std::map<int, int> differing;  // per marked row: the inputs tried where it is not the extreme
    for (const std::vector<double> &inputs : inputsTried(c)) {
        for (int k = 0; k < c.inputCount(); ++k)
            model.setText(k, shell::generalText(inputs[static_cast<std::size_t>(k)]));
        if (model.lastRejected())
            continue;
        const shell::CaseDiagrams &diagrams = model.diagrams();
        ASSERT_EQ(diagrams.kind, shell::CaseDiagrams::Kind::Members) << diagrams.error;
        for (int r = 0; r < c.rowCount(); ++r) {
            const shell::RowDef &row = c.rows[static_cast<std::size_t>(r)];
            const shell::ResultRow &shown = model.rows()[static_cast<std::size_t>(r)];
            const std::string where = row.caption + " at " + shell::generalText(inputs.front()) + ", ...";
            if (!row.claims) {
                EXPECT_FALSE(shown.largest) << where;
                const auto beyond = shell::rowLargest(allMarked, diagrams, r, shown.value);
                EXPECT_FALSE(beyond) << where << ": the member reaches " << (beyond ? beyond->value : 0)
                                     << " at x = " << (beyond ? beyond->x : 0) << " beside the row's " << shown.value;
                continue;
            }
            const mechanics::Extreme *extreme = shell::claimedExtreme(c, diagrams, r, shown.value);
            ASSERT_NE(extreme, nullptr) << where;
            const double gap = std::fabs(extreme->value - shown.value);
            const bool differs =
                gap > shell::LargestTolerance * std::max(std::fabs(extreme->value), std::fabs(shown.value));
            ASSERT_EQ(shown.largest.has_value(), differs) << where << ": " << shown.value << " and " << extreme->value;
            if (!differs) {
                EXPECT_TRUE(shown.largestText.empty()) << where;
                continue;
            }
            ++differing[r];
            EXPECT_EQ(shown.largest->value, extreme->value) << where;
            EXPECT_EQ(shown.largest->x, extreme->at.front().x) << where;
            EXPECT_EQ(shown.largestText, "largest " + shell::resultText(extreme->value) + " " + shown.unit +
                                             " at x = " + shell::diagramNumber(extreme->at.front().x) + " " +
                                             diagrams.lengthUnit)
                << where;
        }
    }
    for (int r = 0; r < c.rowCount(); ++r) {
        const shell::RowDef &row = c.rows[static_cast<std::size_t>(r)];
        if (!row.claims)
            continue;
        // A mark says what the row's words claim, and is needed somewhere among the inputs tried.
        const std::optional<shell::ExtremeClaim> words = claimInWords(row);
        ASSERT_TRUE(words) << row.caption << ": marked, but its words claim no maximum";
        EXPECT_EQ(row.claims->member, words->member) << row.caption;
        EXPECT_EQ(row.claims->quantity, words->quantity) << row.caption;
        EXPECT_GT(differing[r], 0) << row.caption << ": the member's extreme for every input tried";
    }
}

INSTANTIATE_TEST_SUITE_P(family, largestBesideRows, ::testing::ValuesIn(casesWithMembers()),
                         [](const ::testing::TestParamInfo<CaseRef> &param) {
                             return param.param.program->name + "_" + std::to_string(param.param.index + 1);
                         });

// The deflection under a load off mid-span, against the handbook's largest deflection
// P a (l² − a²)^1.5 / (9√3 l E I), at √((l² − a²) / 3) from B.
TEST(largestBesideRows, BesideTheDeflectionUnderTheLoadIsTheHandbooksLargest)
{
    shell::testing::RecordingPlatform platform;
    shell::ShellModel model(*registry::find("Beams"), platform);
    model.start();
    const shell::ResultRow &deflection = model.rows()[5];
    ASSERT_TRUE(deflection.largest);
    const double P = 100, a = 30, l = 100, EI = 100000.0 * 833;
    EXPECT_NEAR(deflection.largest->value, (P * a * std::pow(l * l - a * a, 1.5)) / (9 * std::sqrt(3.0) * l * EI),
                1e-12);
    EXPECT_NEAR(deflection.largest->x, l - std::sqrt((l * l - a * a) / 3), 1e-9);
    EXPECT_EQ(deflection.text, "1.765e-02");
    EXPECT_EQ(deflection.largestText, "largest 2.006e-02 mm at x = 44.92 mm");
    // The clipboard keeps the row's own value, without the line beside it.
    EXPECT_EQ(model.resultsText().find("largest"), std::string::npos);

    // In m and kN the same member: the value in m, the position in m.
    model.chooseUnit(shell::LengthUnit::Metre);
    model.chooseForceUnit(shell::ForceUnit::Kilonewton);
    EXPECT_EQ(model.rows()[5].largestText, "largest 2.006e-05 m at x = 0.04492 m");
    // The load at mid-span: the row is the largest, and nothing stands beside it.
    model.setText(1, "0.05");
    EXPECT_FALSE(model.rows()[5].largest);
    EXPECT_TRUE(model.rows()[5].largestText.empty());
}

}  // namespace
