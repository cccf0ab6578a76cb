#include "shell/sheet/casetext.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using shell::CaseBuilder;
using shell::Dimension;
using shell::Expr;

// A simply supported span with a point load P at a from A: RA = P (l − a) / l, RB = P − RA.
shell::Program simpleSpan()
{
    CaseBuilder c("Span (1)");
    c.title("Simply supported span, point load P at a");
    const Expr P = c.input("P", Dimension::Force, 100), a = c.input("a", Dimension::Length, 30);
    const Expr l = c.input("l", Dimension::Length, 100, 5);
    c.requirePositive(l);
    c.requireAtLeast(a, 0);
    const Expr b = shell::named("b", l - a);
    const Expr RA = c.row("反力 (RA)", Dimension::Force, (P * b) / l).means("upward reaction at A");
    c.row("反力 (RB)", Dimension::Force, P - RA);
    c.row("剛比 (k)", Dimension::None, shell::named("k", b / l));
    c.row("無限 (X)", Dimension::Length, P / (l - l));
    c.advise(a > l, "a beyond the span");

    CaseBuilder d("Span (2)");
    const Expr w = d.input("w", Dimension::LineLoad, 10), span = d.input("l", Dimension::Length, 0);
    d.requirePositive(span);
    d.row("反力 (R)", Dimension::Force, (w * span) / 2);

    shell::Program p;
    p.name = "Span";
    p.cases = {c.build(), d.build()};
    p.legend = {{{"P"}, "荷重"}, {{"L"}, "スパン"}};
    return p;
}

TEST(casetext, EntryCheckReadsAsTheDomainInWords)
{
    const shell::Program p = simpleSpan();
    EXPECT_EQ(sheet::entryCheckText(p.cases[0]), "l must be greater than 0; a must be 0 or more");
    EXPECT_EQ(sheet::describeCase(p, 0).domain,
              (std::vector<std::string>{"l must be greater than 0", "a must be 0 or more"}));
    CaseBuilder free("Free");
    free.input("x", Dimension::Length, 1);
    free.row("値 (y)", Dimension::Length, 2);
    EXPECT_EQ(sheet::entryCheckText(free.build()), "No entry check");
}

// At the start values: the inputs take their units and meanings from the legend, the results
// are worked, named values are defined once, and the advisories say whether they hold.
TEST(casetext, TheStartValuesAreWorkedWithTheLegendsUnitsAndMeanings)
{
    const sheet::CaseText text = sheet::describeCase(simpleSpan(), 0);
    ASSERT_EQ(text.inputs.size(), 3u);
    EXPECT_EQ(text.inputs[0].caption, "P");
    EXPECT_EQ(text.inputs[0].unit, "N");
    EXPECT_EQ(text.inputs[0].meaning, "荷重");
    EXPECT_EQ(text.inputs[1].unit, "mm");   // a: every input has the unit of its dimension
    EXPECT_EQ(text.inputs[1].meaning, "");  // though the legend does not name it
    EXPECT_EQ(text.inputs[2].unit, "mm");
    EXPECT_EQ(text.inputs[2].meaning, "スパン");
    EXPECT_EQ(text.title, "Simply supported span, point load P at a");
    EXPECT_EQ(text.inputs[2].value, "100");
    EXPECT_EQ(text.inputs[2].step, "5");
    EXPECT_FALSE(text.rejected);
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
    EXPECT_EQ(text.results[2].unit, "");  // a ratio
    EXPECT_EQ(text.results[0].meaning, "upward reaction at A");
    // A division by zero has no value: the window shows the row empty.
    EXPECT_EQ(text.results[3].value, "");
    EXPECT_EQ(text.results[3].shown, "");
    ASSERT_EQ(text.definitions.size(), 1u);
    EXPECT_EQ(text.definitions[0].name, "b");
    EXPECT_EQ(text.definitions[0].value, "70");
    // The row k is the named value k itself: it prints b / l, not "k".
    EXPECT_NE(text.results[2].formula.find('b'), std::string::npos);
    EXPECT_NE(text.results[2].formula, "k");
    EXPECT_EQ(text.results[2].value, "0.7");
    ASSERT_EQ(text.advisories.size(), 1u);
    EXPECT_EQ(text.advisories[0].text, "a beyond the span");
    EXPECT_FALSE(text.advisories[0].holds);  // a = 30 lies inside l = 100
    EXPECT_FALSE(text.advisories[0].condition.empty());
}

// The column formula names its coefficients; the constants of a branch not taken at the start
// values, of a named intermediate and of an advisory are listed too, each once.
TEST(casetext, ConstantsAreListedFromEveryFormulaOfTheCase)
{
    CaseBuilder c("Column (1)");
    const Expr l = c.input("l", Dimension::Length, 100), k = c.input("k", Dimension::Length, 2.5);
    const Expr a = Expr::constant("a", 761, Dimension::Stress), b = Expr::constant("b", 0.01546),
               cc = Expr::constant("c", 7e-05);
    const Expr lambda = shell::named("λ", l / k);
    c.row("座屈応力 (σk)", Dimension::Stress, a * ((1 - (b * lambda)) + (cc * shell::pow(lambda, 2))));
    c.row("分岐 (q)", Dimension::Stress, shell::when(lambda > 1000, Expr::constant("q0", 3), a));
    c.advise(lambda > Expr::constant("λ0", 80), "beyond the line");
    shell::Program p;
    p.name = "Column";
    p.cases = {c.build()};

    std::vector<std::pair<std::string, std::string>> found;
    for (const sheet::ConstantLine &constant : sheet::describeCase(p, 0).constants)
        found.emplace_back(constant.name, constant.value + (constant.unit.empty() ? "" : " " + constant.unit));
    EXPECT_EQ(found, (std::vector<std::pair<std::string, std::string>>{
                         {"a", "761 N/mm^2"}, {"b", "0.01546"}, {"c", "7 × 10⁻⁵"}, {"q0", "3"}, {"λ0", "80"}}));
}

// The same span worked with inputs of a calculation, in m and kN: RA = 0.25 × 0.06 / 0.1 = 0.15 kN.
TEST(casetext, ACalculationIsWorkedWithItsInputsInItsUnits)
{
    const shell::Units mkN{shell::LengthUnit::Metre, shell::ForceUnit::Kilonewton};
    const sheet::CaseText text = sheet::describeCase(simpleSpan(), 0, {0.25, 0.04, 0.1}, mkN);
    EXPECT_FALSE(text.rejected);
    EXPECT_EQ(text.inputs[0].value, "0.25");
    EXPECT_EQ(text.inputs[0].unit, "kN");
    EXPECT_EQ(text.inputs[2].unit, "m");
    EXPECT_EQ(text.inputs[2].step, "0.005") << "the catalogue's 5 mm";
    EXPECT_EQ(text.definitions[0].value, "0.06");
    EXPECT_EQ(text.results[0].unit, "kN");
    EXPECT_EQ(text.results[0].value, "0.15");
    EXPECT_EQ(text.results[0].shown, "1.500e-01");
    EXPECT_EQ(text.results[0].worked, "0.25 × 0.06 / 0.1");
    EXPECT_EQ(text.results[1].value, "0.1");  // RB = P − RA
    EXPECT_EQ(text.results[2].value, "0.6");  // a ratio keeps its value in any units
}

// Refused inputs (start values outside the domain, inputs given outside it, a reason of the
// window's own) leave every formula without worked numbers, value or window text, and say why.
TEST(casetext, RefusedInputsLeaveTheFormulasWithoutWorkedValues)
{
    sheet::CaseText own = sheet::describeCase(simpleSpan(), 0);
    ASSERT_FALSE(own.results[0].worked.empty());
    sheet::markRefused(own, "P cannot be written in kN");
    EXPECT_EQ(own.definitions[0].value, "");
    const sheet::CaseText given = sheet::describeCase(simpleSpan(), 0, {100, -5, 100}, sheet::DocumentUnits);
    EXPECT_EQ(given.inputs[1].value, "-5");
    const sheet::CaseText start = sheet::describeCase(simpleSpan(), 1);
    EXPECT_EQ(start.results.size(), 1u);
    for (const auto &[text, reason] :
         {std::pair<const sheet::CaseText *, const char *>{&own, "P cannot be written in kN"},
          std::pair{&given, "a must be 0 or more"}, std::pair{&start, "l must be greater than 0"}}) {
        EXPECT_TRUE(text->rejected) << reason;
        EXPECT_EQ(text->rejection, reason);
        for (const sheet::ResultLine &line : text->results) {
            EXPECT_FALSE(line.formula.empty()) << reason;
            EXPECT_EQ(line.worked + line.value + line.shown, "") << reason;
        }
    }
}

// A program that only relabels its units computes in mm and N whatever its captions say: the
// numbers are worked as they are, under the captions of the units on display.
TEST(casetext, AProgramThatRelabelsWorksItsNumbersAsTheyAre)
{
    CaseBuilder c("Bar");
    const Expr a = c.input("a", Dimension::Length, 10);
    c.row("断面積 (A)", Dimension::Area, a * a);
    c.row("応力 (s)", Dimension::Stress, Expr::constant("f", 235, Dimension::Stress));
    shell::Program p;
    p.name = "Sections";
    p.cases = {c.build()};
    p.unitChange = shell::UnitChange::RelabelOnly;
    const sheet::CaseText text =
        sheet::describeCase(p, 0, {10}, {shell::LengthUnit::Centimetre, shell::ForceUnit::Newton});
    EXPECT_EQ(text.results[0].value, "100");
    EXPECT_EQ(text.results[0].unit, "cm^2");
    EXPECT_EQ(text.results[1].value, "235") << "a constant is not converted either";
}

}  // namespace
