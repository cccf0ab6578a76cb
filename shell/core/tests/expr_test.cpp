// Formulas as values: evaluated, printed and substituted in the grouping they were written in.

#include "catalogue.h"
#include "expr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace shell;

const Expr a = Expr::input(0, "a");
const Expr b = Expr::input(1, "b");
const Expr c = Expr::input(2, "c");

double at(const Expr &e, std::vector<double> inputs)
{
    return e.eval(EvalContext{&inputs, nullptr});
}

std::string substitutedAt(const Expr &e, std::vector<double> inputs)
{
    return e.substituted(EvalContext{&inputs, nullptr});
}

TEST(expr, evaluatesInTheWrittenGrouping)
{
    const std::vector<double> in{0.1, 0.2, 0.3};
    // Addition of doubles is not associative: each grouping keeps its own rounding.
    EXPECT_EQ(at((a + b) + c, in), 0.6000000000000001);
    EXPECT_EQ(at(a + (b + c), in), 0.6);
    EXPECT_EQ(at(a + b + c, in), at((a + b) + c, in));

    const std::vector<double> big{1e16, -1e16, 1};
    EXPECT_EQ(at((a + b) + c, big), 1);
    EXPECT_EQ(at(a + (b + c), big), 0);

    const std::vector<double> quotient{1, 3, 3};
    EXPECT_EQ(at((a / b) * c, quotient), (1.0 / 3.0) * 3.0);
    EXPECT_EQ(at(a / (b * c), quotient), 1.0 / 9.0);
    EXPECT_EQ(at(a - b - c, {10, 4, 3}), 3);
    EXPECT_EQ(at(a - (b - c), {10, 4, 3}), 9);
}

TEST(expr, evaluatesTheOperatorsOnTheirInputs)
{
    const std::vector<double> in{9, 2, -4};
    const struct {
        Expr e;
        double expected;
    } table[] = {
        {a * b, 18},
        {a / b, 4.5},
        {-c, 4},
        {-a * b, -18},
        {pow(b, 10), 1024},
        {pow(c, 3), -64},
        {pow(a, Expr(0.5)), 3},
        {sqrt(a), 3},
        {abs(c), 4},
        {max(a, b), 9},
        {min(a, b), 2},
        {max(c, b), 2},
        {Expr(1.0) / 4, 0.25},
        {Expr(1) / 4, 0.25},
        {Expr::constant("π", 3.141592) * b, 6.283184},
        {Expr(), 0},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.e.formula());
        EXPECT_DOUBLE_EQ(at(row.e, in), row.expected);
    }
    EXPECT_TRUE(std::isinf(at(a / (b - 2), in)));
    EXPECT_TRUE(std::isnan(at(sqrt(c), in)));
    EXPECT_TRUE(std::isnan(at(pow(c, Expr(1.0) / 3), in)));
}

TEST(expr, conditionsGiveOneOrZero)
{
    const std::vector<double> in{1, 2, 0};
    const struct {
        Expr e;
        double expected;
    } table[] = {
        {a < b, 1},      {b < a, 0},      {a <= a, 1},     {a > b, 0},           {b >= a, 1},
        {a == a, 1},     {a != a, 0},     {c == 0, 1},     {(a < b) + (a < b), 2},
        {(a > b) || (c <= 0), 1},         {(a > b) || (c < 0), 0},
        {(a < b) && (c <= 0), 1},         {(a < b) && (c < 0), 0},
        // any non-zero number counts as true
        {b || c, 1},     {b && a, 1},     {b && c, 0},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.e.formula());
        EXPECT_EQ(at(row.e, in), row.expected);
    }
}

TEST(expr, orAndAndGiveTheSameVerdictWhateverSideIsUndefined)
{
    // Both sides are evaluated: a division by zero on one side does not disturb the verdict.
    const std::vector<double> in{0, 2, 0};
    EXPECT_EQ(at((b > 0) || ((b / a) > 1), in), 1);
    EXPECT_EQ(at((a <= 0) || ((b / a) < 0), in), 1);
    EXPECT_EQ(at((b > 0) && ((c / a) == (c / a)), in), 0);  // NaN is not equal to itself
}

TEST(expr, whenTakesOneBranch)
{
    const Expr branch = when(a <= b, a * 10, (b / c) + 1);
    EXPECT_EQ(at(branch, {1, 2, 0}), 10);  // the other branch would divide by zero
    EXPECT_EQ(at(branch, {3, 2, 4}), 1.5);
    EXPECT_EQ(at(when(c, a, b), {1, 2, -0.5}), 1);
    EXPECT_EQ(at(when(c, a, b), {1, 2, 0}), 2);
    // only the branch taken is shown with the numbers
    EXPECT_EQ(substitutedAt(branch, {1, 2, 0}), "1 × 10");
    EXPECT_EQ(substitutedAt(branch, {3, 2, 4}), "2 / 4 + 1");
    EXPECT_EQ(branch.formula(), "{a × 10 where a ≤ b; otherwise b / c + 1}");
}

TEST(expr, formulaKeepsTheGroupingItWasWrittenIn)
{
    const Expr P = Expr::input(0, "P");
    const Expr l = Expr::input(1, "l");
    const Expr x = Expr::input(2, "x");
    const struct {
        Expr e;
        const char *expected;
    } table[] = {
        {(a + b) + c, "a + b + c"},
        {a + (b + c), "a + (b + c)"},
        {(a - b) - c, "a − b − c"},
        {a - (b - c), "a − (b − c)"},
        {a - (b + c), "a − (b + c)"},
        {(a * b) / c, "a × b / c"},
        {a * (b / c), "a × (b / c)"},
        {a / (b * c), "a / (b × c)"},
        {(a + b) * c, "(a + b) × c"},
        {a + (b * c), "a + b × c"},
        {(P * (l - x)) / l, "P × (l − x) / l"},
        {-(a + b), "−(a + b)"},
        {-(a * b), "−(a × b)"},
        {-a * b, "−a × b"},
        {pow(a, 2), "a²"},
        {pow(a + b, 3), "(a + b)³"},
        {pow(a * b, 2), "(a × b)²"},
        {pow(-a, 2), "(−a)²"},
        {pow(pow(a, 2), 3), "(a²)³"},
        {pow(a, b + c), "a^(b + c)"},
        {sqrt(a + b), "√(a + b)"},
        {abs(a - b), "|a − b|"},
        {max(a, b + c), "max(a, b + c)"},
        {min(a, b), "min(a, b)"},
        {(a <= 0) || (b < 0), "a ≤ 0 or b < 0"},
        {((a > b) || (c >= a)) && (b != 0), "(a > b or c ≥ a) and b ≠ 0"},
        {a == b, "a = b"},
        {Expr(1.0) / 3, "1 / 3"},
        {Expr::constant("π", 3.141592) * pow(a, 2), "π × a²"},
        // a negative number binds like a negation
        {pow(Expr(-2.0), 2), "(-2)²"},
        {Expr(-2.0) * a, "-2 × a"},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(row.e.formula(), row.expected);
    }
}

TEST(expr, substitutedShowsTheNumbersInTheSameGrouping)
{
    const std::vector<double> in{100, 30, -2};
    const struct {
        Expr e;
        const char *expected;
    } table[] = {
        {(a * (b - c)) / a, "100 × (30 − -2) / 100"},
        {a + (b + c), "100 + (30 + -2)"},
        {pow(c, 2), "(-2)²"},
        {pow(b / a, 2), "(30 / 100)²"},
        {sqrt(a), "√(100)"},
        {Expr::constant("π", 3.141592) * b, "3.141592 × 30"},
        {a / 3, "100 / 3"},
        {named("b'", a - b) * 2, "70 × 2"},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(substitutedAt(row.e, in), row.expected);
    }
    // numbers show with the general text: fifteen digits, E for extreme magnitudes
    EXPECT_EQ(substitutedAt(a / b, {2500, 3, 0}), "2500 / 3");
    EXPECT_EQ(substitutedAt(a * b, {1e-5, 2.0 / 3.0, 0}), "1E-05 × 0.666666666666667");
}

TEST(expr, namedIntermediatesPrintByNameAndListDefinitionsFirst)
{
    const Expr l = Expr::input(0, "l");
    const Expr x = Expr::input(1, "x");
    const Expr bb = named("b", l - x);
    const Expr k = named("k", bb / l);
    const Expr f = (k * bb) + pow(k, 2);

    EXPECT_EQ(f.formula(), "k × b + k²");
    EXPECT_EQ(bb.name(), "b");
    EXPECT_EQ(bb.definition().formula(), "l − x");
    EXPECT_EQ(k.definition().formula(), "b / l");

    const std::vector<Expr> used = f.intermediates();
    ASSERT_EQ(used.size(), 2u);
    EXPECT_EQ(used[0].name(), "b");  // k is defined in terms of b
    EXPECT_EQ(used[1].name(), "k");
    EXPECT_TRUE((l + x).intermediates().empty());

    // evaluated where used, exactly as the written definition
    EXPECT_EQ(at(f, {100, 30}), (0.7 * 70) + std::pow(0.7, 2.0));
    EXPECT_EQ(at(k, {100, 30}), 0.7);
    EXPECT_EQ(substitutedAt(f, {100, 30}), "0.7 × 70 + 0.7²");
}

TEST(expr, rowsReuseEarlierRowsByTheirSymbol)
{
    CaseBuilder builder("Beam (1)");
    const Expr P = builder.input("P", 100), x = builder.input("a", 30), l = builder.input("l", 100);
    builder.rejectWhen((l <= 0) || (x < 0) || (x > l));
    const Expr RA = builder.row("反力 (RA)", (P * (l - x)) / l);
    builder.row("反力 (RB)", P - RA);
    builder.row("零 (Z)", 0);
    const CaseDef def = builder.build();

    ASSERT_EQ(def.rowCount(), 3);
    EXPECT_EQ(def.inputCount(), 3);
    EXPECT_EQ(def.rows[1].formula.formula(), "P − RA");
    EXPECT_EQ(RA.formula(), "RA");

    const Evaluation e = evaluate(def, startValues(def));
    ASSERT_FALSE(e.rejected);
    ASSERT_EQ(e.values.size(), 3u);
    EXPECT_EQ(e.values[0], 70);
    EXPECT_EQ(e.values[1], 30);
    EXPECT_EQ(e.values[2], 0);
    EXPECT_EQ(e.values[0] + e.values[1], 100);  // the reactions carry the load

    std::vector<double> rows{70};
    const std::vector<double> in{100, 30, 100};
    EXPECT_EQ(def.rows[1].formula.substituted(EvalContext{&in, &rows}), "100 − 70");

    for (const std::vector<double> &bad : {std::vector<double>{100, 30, 0}, {100, -1, 100}, {100, 101, 100}}) {
        const Evaluation r = evaluate(def, bad);
        EXPECT_TRUE(r.rejected);
        EXPECT_TRUE(r.values.empty());
    }
    EXPECT_EQ(def.rejectWhen.formula(), "l ≤ 0 or a < 0 or a > l");
}

TEST(expr, aCaseWithoutEntryCheckAcceptsEverything)
{
    CaseBuilder builder("Free");
    const Expr q = builder.input("q", -5, 0.5);
    builder.row("値 (V)", q / 0);
    const CaseDef def = builder.build();
    EXPECT_EQ(def.inputs[0].step, 0.5);
    const Evaluation e = evaluate(def, {-5});
    EXPECT_FALSE(e.rejected);
    ASSERT_EQ(e.values.size(), 1u);
    EXPECT_EQ(e.values[0], -std::numeric_limits<double>::infinity());
}

} // namespace
