// Formulas as values: evaluated, printed and substituted in the grouping they were written in.

#include "shell/core/catalogue.h"
#include "shell/core/expr.h"

#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

namespace {

using namespace shell;

const Expr a = Expr::input(0, "a");
const Expr b = Expr::input(1, "b");
const Expr c = Expr::input(2, "c");

double at(const Expr &e, const std::vector<double> &inputs)
{
    return e.eval(EvalContext{&inputs, nullptr});
}

std::string substitutedAt(const Expr &e, const std::vector<double> &inputs)
{
    return e.substituted(EvalContext{&inputs, nullptr});
}

TEST(expr, evaluatesInTheWrittenGrouping)
{
    // Addition of doubles is not associative: each grouping keeps its own rounding.
    const std::vector<double> in{0.1, 0.2, 0.3};
    EXPECT_EQ(at((a + b) + c, in), 0.6000000000000001);
    EXPECT_EQ(at(a + (b + c), in), 0.6);
    EXPECT_EQ(at((a + b) + c, {1e16, -1e16, 1}), 1);
    EXPECT_EQ(at(a + (b + c), {1e16, -1e16, 1}), 0);
    EXPECT_EQ(at(a / (b * c), {1, 3, 3}), 1.0 / 9.0);
}

TEST(expr, whenEvaluatesAndShowsOnlyTheBranchTaken)
{
    const Expr branch = when(a <= b, a * 10, (b / c) + 1);
    EXPECT_EQ(at(branch, {1, 2, 0}), 10);  // the other branch would divide by zero
    EXPECT_EQ(at(branch, {3, 2, 4}), 1.5);
    EXPECT_EQ(at(when(c, a, b), {1, 2, -0.5}), 1);  // any non-zero number counts as true
    EXPECT_EQ(substitutedAt(branch, {1, 2, 0}), "1 × 10");
    EXPECT_EQ(substitutedAt(branch, {3, 2, 4}), "2 / 4 + 1");
    EXPECT_EQ(branch.formula(), "{a × 10 where a ≤ b; otherwise b / c + 1}");
}

TEST(expr, formulaAndSubstitutionKeepTheWrittenGrouping)
{
    const std::vector<double> in{100, 30, -2};
    const struct {
        Expr e;
        const char *formula;
        const char *substituted;
    } table[] = {
        {(a + b) + c, "a + b + c", "100 + 30 + -2"},
        {a + (b + c), "a + (b + c)", "100 + (30 + -2)"},
        {a - (b - c), "a − (b − c)", "100 − (30 − -2)"},
        {a * (b / c), "a × (b / c)", "100 × (30 / -2)"},
        {(a * (b - c)) / a, "a × (b − c) / a", "100 × (30 − -2) / 100"},
        {-(a * b), "−(a × b)", "−(100 × 30)"},
        {pow(c, 2), "c²", "(-2)²"},
        {pow(a + b, 3), "(a + b)³", "(100 + 30)³"},
        {((a > b) || (c >= a)) && (b != 0), "(a > b or c ≥ a) and b ≠ 0", "(100 > 30 or -2 ≥ 100) and 30 ≠ 0"},
        {Expr::constant("π", 3.141592) * b, "π × b", "3.141592 × 30"},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.formula);
        EXPECT_EQ(row.e.formula(), row.formula);
        EXPECT_EQ(substitutedAt(row.e, in), row.substituted);
    }
    // numbers show with the general text: fifteen digits, E for extreme magnitudes
    EXPECT_EQ(substitutedAt(a * b, {1e-5, 2.0 / 3.0, 0}), "1E-05 × 0.666666666666667");
}

TEST(expr, rowsReuseEarlierRowsAndTheDomainRejectsWithItsReason)
{
    CaseBuilder builder("Beam (1)");
    const Expr P = builder.input("P", Dimension::Force, 100), x = builder.input("a", Dimension::Length, 30);
    const Expr l = builder.input("l", Dimension::Length, 100);
    builder.requirePositive(l);
    builder.requireBetween(x, 0, l);
    const Expr RA = builder.row("反力 (RA)", Dimension::Force, (P * (l - x)) / l).means("upward reaction at A");
    builder.row("反力 (RB)", Dimension::Force, P - RA);
    const CaseDef def = builder.build();
    EXPECT_EQ(def.rows[1].formula.formula(), "P − RA");
    EXPECT_EQ(def.rows[0].meaning, "upward reaction at A");

    const Evaluation e = evaluate(def, startValues(def));
    ASSERT_FALSE(e.rejected);
    EXPECT_EQ(e.values, (std::vector<double>{70, 30}));  // the reactions carry the load

    std::vector<double> rows{70};
    const std::vector<double> in{100, 30, 100};
    EXPECT_EQ(def.rows[1].formula.substituted(EvalContext{&in, &rows}), "100 − 70");

    // boundaries: l = 0, a = 0, a = l and a just past l; the first condition that fails speaks
    const Evaluation zeroSpan = evaluate(def, {100, 30, 0});
    EXPECT_TRUE(zeroSpan.rejected);
    EXPECT_EQ(zeroSpan.reason, "l must be greater than 0");
    EXPECT_EQ(zeroSpan.field, 2);
    EXPECT_FALSE(evaluate(def, {100, 0, 100}).rejected);
    EXPECT_FALSE(evaluate(def, {100, 100, 100}).rejected);
    const Evaluation r = evaluate(def, {100, std::nextafter(100.0, 200.0), 100});
    EXPECT_TRUE(r.rejected);
    EXPECT_EQ(r.reason, "a must lie between 0 and l");
    EXPECT_EQ(r.field, 1);
    EXPECT_TRUE(r.values.empty());
    EXPECT_EQ(evaluate(def, {100, -1e-300, 100}).reason, "a must lie between 0 and l");
    // a number beyond the range of a double is refused before any condition
    const Evaluation huge = evaluate(def, {HUGE_VAL, 30, 100});
    EXPECT_EQ(huge.reason, "P is too large a number");
    EXPECT_EQ(huge.field, 0);
}

}  // namespace
