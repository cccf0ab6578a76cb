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
    // nor one nearer 0 than a normal double, with its fewer digits; 0 and the smallest normal
    // double are numbers like any other
    const Evaluation tiny = evaluate(def, {-4.9e-324, 30, 100});
    EXPECT_EQ(tiny.reason, "P is too small a number (nearer 0 than 2.2e-308)");
    EXPECT_EQ(tiny.field, 0);
    EXPECT_TRUE(evaluate(def, {100, 1e-310, 100}).rejected);
    EXPECT_FALSE(evaluate(def, {0, 30, 100}).rejected);
    EXPECT_FALSE(evaluate(def, {2.2250738585072014e-308, 30, 100}).rejected);
}

// A follower takes its value from whichever of its leaders is given, the first input included.
TEST(expr, aFollowerFollowsAnyOfItsLeaders)
{
    CaseBuilder builder("Span");
    const Expr span = builder.input("l", Dimension::Length, 100), left = builder.input("a", Dimension::Length, 40);
    builder.follow(builder.input("b", Dimension::Length, 60), {span, left}, span - left);
    const CaseDef def = builder.build();
    for (const int given : {0, 1}) {
        std::vector<double> inputs{200, 50, 60};
        const Following f = follow(def, inputs, {given});
        EXPECT_EQ(f.changed, std::vector<int>{2}) << given;
        EXPECT_EQ(inputs[2], 150) << given;
    }
}

// A formula without a finite value says why: the first operation, in the order it is evaluated,
// that turns finite numbers into none; only the branch taken counts.
TEST(expr, aFormulaWithoutAFiniteValueSaysWhy)
{
    const char *const beyond = "too large to compute (beyond 1.8e308)";
    const char *const stepBeyond = "too large to compute: a step of its formula goes beyond 1.8e308";
    const struct {
        Expr formula;
        std::vector<double> inputs;
        const char *reason;
    } table[] = {
        {a * b, {1e300, 1e10}, beyond},
        {-(a * b), {1e300, 1e10}, beyond},
        {(a * b) / b, {1e300, 1e10}, stepBeyond},  // 1e300 in truth
        {((a * b) - (a * b)) / b, {1e300, 1e10}, stepBeyond},
        {a / (b - b), {3, 2}, "its formula divides by 0 for these inputs"},
        {a / (b * b), {3, 1e-200}, beyond},                      // b² is 1e-400, not 0
        {(a / (b / (a * a))) * 2, {1e200, 1e-300}, stepBeyond},  // b / a² below the range
        {(a - a) / (b - b), {3, 2}, "its formula divides 0 by 0 for these inputs"},
        {sqrt(a - b), {2, 3}, "its formula takes the square root of a negative number for these inputs"},
        {when(a > b, a / (b - b), a), {2, 3}, ""},
        {when(a < b, a / (b - b), a), {2, 3}, "its formula divides by 0 for these inputs"},
        {a * b, {1e300, -1e300}, beyond},
        {a + b, {1, 2}, ""},
    };
    for (const auto &t : table) {
        SCOPED_TRACE(t.formula.formula());
        EXPECT_EQ(whyNotFinite(t.formula, EvalContext{&t.inputs, nullptr}, {}), t.reason);
    }

    // a row that takes an earlier row's value takes its reason
    CaseBuilder builder("Span");
    const Expr w = builder.input("w", Dimension::LineLoad, 1e300), l = builder.input("l", Dimension::Length, 1e10);
    const Expr RA = builder.row("反力 (RA)", Dimension::Force, (w * l) / 2);
    builder.row("反力 (RB)", Dimension::Force, RA);
    builder.row("比 (k)", Dimension::None, w / l);
    const Evaluation e = evaluate(builder.build(), {1e300, 1e10});
    EXPECT_EQ(e.rowReasons, (std::vector<std::string>{stepBeyond, stepBeyond, ""}));
}

}  // namespace
