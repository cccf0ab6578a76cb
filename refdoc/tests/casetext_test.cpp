#include "refdoc/casetext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using shell::CaseBuilder;
using shell::Expr;

struct LegendRow {
    const char *line;
    const char *caption;
    bool about;
    const char *unit;
    const char *meaning;
};

class LegendLine : public ::testing::TestWithParam<LegendRow>
{
};

TEST_P(LegendLine, GivesUnitAndMeaningOfItsOwnInputOnly)
{
    const LegendRow &row = GetParam();
    std::string unit = "unchanged";
    std::string meaning = "unchanged";
    EXPECT_EQ(refdoc::readLegendLine(row.line, row.caption, unit, meaning), row.about);
    if (row.about) {
        EXPECT_EQ(unit, row.unit);
        EXPECT_EQ(meaning, row.meaning);
    }
}

INSTANTIATE_TEST_SUITE_P(
    casetext, LegendLine,
    ::testing::Values(LegendRow{"P : 荷重 N", "P", true, "N", "荷重"},
                      LegendRow{"E : 弾性係数 N/mm^2", "E", true, "N/mm^2", "弾性係数"},
                      LegendRow{"I1 : 断面2次モーメント mm^4", "I1", true, "mm^4", "断面2次モーメント"},
                      LegendRow{"M : モーメント N･mm", "M", true, "N･mm", "モーメント"},
                      // a note without a unit: the end-condition constant of a column
                      LegendRow{"n : 柱端定数 ", "n", true, "", "柱端定数"},
                      LegendRow{"P : 荷重 N", "P1", false, "", ""}, LegendRow{"P1 : 荷重 N", "P", false, "", ""},
                      LegendRow{"w : 荷重 N/mm", "W", false, "", ""}));

// A simply supported span with a point load P at a from A: RA = P (l − a) / l, RB = P − RA.
shell::Program simpleSpan()
{
    CaseBuilder c("Span (1)");
    const Expr P = c.input("P", 100), a = c.input("a", 30), l = c.input("l", 100, 5);
    c.rejectWhen((l <= 0) || (a < 0));
    const Expr b = shell::named("b", l - a);
    const Expr RA = c.row("反力 (RA)", (P * b) / l);
    c.row("反力 (RB)", P - RA);
    c.row("剛比 (k)", shell::named("k", b / l));
    c.row("無限 (X)", P / (l - l));
    c.advise(a > l, "a beyond the span");

    CaseBuilder d("Span (2)");
    const Expr w = d.input("w", 10), span = d.input("l", 0);
    d.rejectWhen(span <= 0);
    d.row("反力 (R)", (w * span) / 2);

    shell::Program p;
    p.name = "Span";
    p.cases = {c.build(), d.build()};
    p.unitLabel = [](const std::string &caption, int, int unitSystem) {
        return caption.find("反力") == 0 ? std::string("N") : unitSystem == 0 ? std::string("mm") : std::string("m");
    };
    p.notes = [](int, int) { return std::vector<std::string>{"P : 荷重 N", "l : スパン mm", "支点 A, B"}; };
    return p;
}

TEST(casetext, EntryCheckReadsAsTheConditionThatRejects)
{
    const shell::Program p = simpleSpan();
    EXPECT_EQ(refdoc::entryCheckText(p.cases[0]), "Rejected when l ≤ 0 or a < 0");
    CaseBuilder free("Free");
    free.input("x", 1);
    free.row("値 (y)", 2);
    EXPECT_EQ(refdoc::entryCheckText(free.build()), "No entry check");
}

TEST(casetext, InputsTakeTheirUnitsFromTheLegendAndKeepTheOtherNotes)
{
    const refdoc::CaseText text = refdoc::describeCase(simpleSpan(), 0);
    ASSERT_EQ(text.inputs.size(), 3u);
    EXPECT_EQ(text.inputs[0].caption, "P");
    EXPECT_EQ(text.inputs[0].unit, "N");
    EXPECT_EQ(text.inputs[0].meaning, "荷重");
    EXPECT_EQ(text.inputs[1].unit, "");  // a: the legend does not name it
    EXPECT_EQ(text.inputs[2].unit, "mm");
    EXPECT_EQ(text.inputs[2].start, "100");
    EXPECT_EQ(text.inputs[2].step, "5");
    EXPECT_EQ(text.notes, std::vector<std::string>{"支点 A, B"});
}

TEST(casetext, ResultsAreWorkedAtTheStartValues)
{
    const refdoc::CaseText text = refdoc::describeCase(simpleSpan(), 0);
    EXPECT_FALSE(text.startRejected);
    ASSERT_EQ(text.results.size(), 4u);
    // RA = 100 × 70 / 100 = 70 N, RB = 100 − 70 = 30 N: the reactions carry the load.
    EXPECT_EQ(text.results[0].caption, "反力 (RA)");
    EXPECT_EQ(text.results[0].symbol, "RA");
    EXPECT_EQ(text.results[0].unit, "N");
    EXPECT_EQ(text.results[0].value, "70");
    EXPECT_EQ(text.results[0].shown, "7.000e+01");
    EXPECT_EQ(text.results[1].value, "30");
    EXPECT_NE(text.results[1].formula.find("RA"), std::string::npos);  // reuses the earlier row by its symbol
    EXPECT_NE(text.results[1].worked.find("70"), std::string::npos);
    EXPECT_EQ(text.results[2].unit, "mm");
    // A division by zero has no value: the window shows the row empty.
    EXPECT_EQ(text.results[3].value, "");
    EXPECT_EQ(text.results[3].shown, "");
}

TEST(casetext, NamedValuesAreDefinedOnceAndARowThatIsOneShowsItsDefinition)
{
    const refdoc::CaseText text = refdoc::describeCase(simpleSpan(), 0);
    ASSERT_EQ(text.definitions.size(), 1u);
    EXPECT_EQ(text.definitions[0].name, "b");
    EXPECT_EQ(text.definitions[0].value, "70");
    // The row k is the named value k itself: it prints b / l, not "k".
    EXPECT_NE(text.results[2].formula.find("b"), std::string::npos);
    EXPECT_NE(text.results[2].formula, "k");
    EXPECT_EQ(text.results[2].value, "0.7");
}

TEST(casetext, AdvisoriesTellWhetherTheyHoldAtTheStartValues)
{
    const refdoc::CaseText text = refdoc::describeCase(simpleSpan(), 0);
    ASSERT_EQ(text.advisories.size(), 1u);
    EXPECT_EQ(text.advisories[0].text, "a beyond the span");
    EXPECT_FALSE(text.advisories[0].holdsAtStart);  // a = 30 lies inside l = 100
    EXPECT_FALSE(text.advisories[0].condition.empty());
}

TEST(casetext, RejectedStartValuesLeaveFormulasWithoutWorkedValues)
{
    const refdoc::CaseText text = refdoc::describeCase(simpleSpan(), 1);
    EXPECT_TRUE(text.startRejected);
    ASSERT_EQ(text.results.size(), 1u);
    EXPECT_FALSE(text.results[0].formula.empty());
    EXPECT_EQ(text.results[0].worked, "");
    EXPECT_EQ(text.results[0].value, "");
}

struct ConstantRow {
    const char *formula;
    const char *substituted;
    std::vector<std::string> known;
    std::vector<std::pair<std::string, std::string>> expected;
};

class Constants : public ::testing::TestWithParam<ConstantRow>
{
};

TEST_P(Constants, AreReadFromTheFormulaBesideItsWorkedForm)
{
    const ConstantRow &row = GetParam();
    std::vector<std::pair<std::string, std::string>> found;
    for (const refdoc::ConstantLine &c : refdoc::constantsOf(row.formula, row.substituted, row.known))
        found.emplace_back(c.name, c.value);
    EXPECT_EQ(found, row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    casetext, Constants,
    ::testing::Values(
        // the empirical column formula: a, b, c are the material's coefficients
        ConstantRow{"a × (1 − b × λ + c × λ²)",
                    "761 × (1 − 0.01546 × 34.6 + 7E-05 × 34.6²)",
                    {"λ"},
                    {{"a", "761"}, {"b", "0.01546"}, {"c", "7E-05"}}},
        ConstantRow{"π × d² / 4", "3.141592 × 10² / 4", {"d"}, {{"π", "3.141592"}}},
        ConstantRow{
            "π² × E × I / (n × l²)", "9.8696 × 100000 × 833 / (1 × 100²)", {"E", "I", "n", "l"}, {{"π²", "9.8696"}}},
        ConstantRow{"λ > λ0", "34.6 > 80", {"λ"}, {{"λ0", "80"}}},
        // inputs and intermediates are no constants
        ConstantRow{"P × b / l", "100 × 70 / 100", {"P", "b", "l"}, {}},
        // a branch prints only the branch taken: the two forms do not line up
        ConstantRow{"{q where x ≤ a; otherwise 0}", "5", {"x", "a"}, {}}, ConstantRow{"P × q", "(-5) × 2", {"P"}, {}}));

}  // namespace
