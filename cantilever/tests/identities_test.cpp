// Identities the results obey for any input (equilibrium, symmetry, limits, relations between
// neighbouring cases), and the symmetric single spans against their statics worked out from
// first principles.

#include "cantilevertest.h"
#include "spanstatics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace cantilever::tests {
namespace {

void expectClose(double actual, double expected, const std::string &what)
{
    EXPECT_NEAR(actual, expected, 1e-12 * std::max(std::abs(expected), 1.0)) << what;
}

void expectSameRows(const Results &a, const Results &b, const std::vector<std::string> &symbols)
{
    for (const std::string &symbol : symbols)
        expectClose(a[symbol], b[symbol], symbol);
}

// A couple on a propped cantilever or a simple span: the moment jumps by M at C, and the
// reactions form a couple of their own.
TEST(Identity, MomentJumpsByMAtTheCouple)
{
    for (const auto &[a, b, M] : {std::tuple{70.0, 30.0, 100.0}, {10.0, 90.0, -35.0}, {55.0, 0.0, 7.5e6}})
        for (int caseIndex : {7, 19}) {
            const Results r = run(caseIndex, {{"a", a}, {"b", b}, {"M", M}});
            expectClose(r["MCA"] + r["MCB"], M, "MCA + MCB");
            expectClose(r["RA"] + r["RB"], 0, "RA + RB");
        }
    EXPECT_EQ(run(19, {{"a", 40}, {"b", 40}})["fC"], 0);
}

TEST(Identity, ThirdPointLoadsDeflectionRatio)
{
    for (const auto &[P, l, E, I] : {std::tuple{100.0, 100.0, 100000.0, 833.0}, {3.0, 7250.0, 205000.0, 1.2e8}}) {
        const Results r = run(10, {{"P", P}, {"l", l}, {"E", E}, {"I", I}});
        EXPECT_NEAR(r["fC2"] / r["fC"], 5.0 / 23, 1e-14);
    }
}

TEST(Identity, CentredPartialLoadIsSymmetric)
{
    for (const auto &[ac, b, w] : {std::tuple{30.0, 40.0, 1.0}, {0.0, 80.0, 12.5}, {45.0, 1.0, 300.0}}) {
        const Results r = run(18, {{"a", ac}, {"b", b}, {"c", ac}, {"w", w}});
        expectClose(r["RA"], (w * b) / 2, "RA");
        expectClose(r["RB"], (w * b) / 2, "RB");
        expectClose(r["MA"], -r["MB"], "MA");
    }
}

TEST(Identity, LoadsAtTheEnds)
{
    const Results atSupport = run(8, {{"a", 0}});
    EXPECT_EQ(atSupport["RA"], 100);
    EXPECT_EQ(atSupport["RAs"], 100);
    for (const char *symbol : {"RB", "MC", "fmid", "RBs", "MA", "MB", "fC"})
        EXPECT_EQ(atSupport[symbol], 0) << symbol;
    const Results atTip = run(0, {{"b", 0}});
    EXPECT_EQ(atTip["fB"], atTip["fC"]);
    // Cantilevers: at the fixed end the moment is the end moment and the deflection vanishes.
    for (int caseIndex : {1, 2}) {
        const Results r = run(caseIndex, {{"x", 100}});
        expectClose(r["Mx"], r["MA"], "Mx at x = l");
        EXPECT_NEAR(r["fx"], 0, 1e-15);
    }
    EXPECT_EQ(run(5, {{"x", 0}})["fx"], 0);
    EXPECT_EQ(run(5, {{"x", 100}})["fx"], 0);
}

TEST(Identity, CantileverWithACouple)
{
    for (double M : {100.0, -4.0}) {
        const Results r = run(3, {{"M", M}});
        EXPECT_EQ(r["RA"], 0);
        EXPECT_EQ(r["Mx"], M);
        EXPECT_EQ(r["MA"], M);
    }
}

// The same load described from either end gives the same rows: the mid-span deflection and
// the pair of loads take the distance from the nearer support.
TEST(Identity, LoadsFromEitherEnd)
{
    for (double a : {5.0, 30.0, 49.0}) {
        expectClose(run(8, {{"a", 100 - a}})["fmid"], run(8, {{"a", a}})["fmid"], "fmid");
        expectSameRows(run(11, {{"a", 100 - a}}), run(11, {{"a", a}}), {"MC", "fC", "MA,MB", "fC2"});
    }
    expectClose(run(8, {{"a", 50}})["fmid"], run(9)["fC"], "load at mid-span");
    const Results pairAtMidSpan = run(11, {{"a", 50}});
    expectClose(pairAtMidSpan["MC"], (100.0 * 100) / 2, "MC");
    expectClose(pairAtMidSpan["fC2"], pairAtMidSpan["fC"] / 4, "fC2");
}

TEST(Identity, TrapezoidLimits)
{
    // No ramps: the uniform load; ramps meeting at mid-span: the symmetric triangle.
    expectSameRows(run(13, {{"a", 0}}), run(12), {"RA", "RB", "MC", "fC", "MA,MB"});
    expectSameRows(run(13, {{"a", 50}}), run(14), {"RA", "RB", "MC", "fC", "MA,MB"});
}

TEST(Identity, RisingTriangleReactionsCarryTheLoad)
{
    for (double x : {-20.0, 0.0, 50.0, 130.0}) {
        const Results r = run(17, {{"x", x}});
        expectClose(r["RA"] + r["RB"], (100.0 * 100) / 2, "RA + RB");
        expectClose(r["RA1"] + r["RB1"], (100.0 * 100) / 2, "RA1 + RB1");
    }
}

// Propped cantilevers: the reactions carry the load and, taking moments about A, the hogging
// fixed-end moment is RB × l less the moment of the load about A.
TEST(Identity, ProppedCantileverEquilibrium)
{
    for (const auto &[l, q] : {std::pair{100.0, 100.0}, {350.0, 2.5}}) {
        const Results point = run(4, {{"l", l}, {"P", q}, {"a", 0.3 * l}});
        expectClose(point["RA"] + point["RB"], q, "point load");
        expectClose(point["MA"], (point["RB"] * l) - (q * (0.3 * l)), "point load MA");
        const Results uniform = run(5, {{"l", l}, {"w", q}});
        expectClose(uniform["RA"] + uniform["RB"], q * l, "uniform");
        expectClose(uniform["MA"], (uniform["RB"] * l) - ((q * l) * (l / 2)), "uniform MA");
        const Results triangle = run(6, {{"l", l}, {"w", q}});
        expectClose(triangle["RA"] + triangle["RB"], (q * l) / 2, "triangle");
        expectClose(triangle["MA"], (triangle["RB"] * l) - (((q * l) / 2) * (l / 3)), "triangle MA");
    }
    // fmax = w l⁴ / (185 E I) is the largest fx, its coefficient rounded (1/184.6).
    double largest = 0;
    for (int x = 0; x <= 100; ++x)
        largest = std::max(largest, run(5, {{"x", x}})["fx"]);
    EXPECT_NEAR(run(5)["fmax"], largest, 3e-3 * largest);
}

TEST(Identity, WheelLoads)
{
    EXPECT_EQ(run(20, {{"a", 0}})["Rmax"], 200);
    // A span or more apart, one wheel at a time: its own load, and w l / 4 at mid-span.
    for (double a : {100.0, 150.0}) {
        EXPECT_EQ(run(20, {{"a", a}})["Rmax"], 100);
        EXPECT_EQ(run(20, {{"a", a}})["Mmax"], 2500);
    }
    // Strictly beyond 0.586 l one wheel governs; at a = 58.6 both count: (100 / 800) × 141.4².
    const double atSwitch = 0.586 * 100;
    EXPECT_NEAR(run(20, {{"a", atSwitch}})["Mmax"], 2499.245, 1e-6);
    EXPECT_EQ(run(20, {{"a", std::nextafter(atSwitch, 100.0)}})["Mmax"], 2500);
}

// Symmetric single spans against their statics: mid-span moment and deflection of the simple
// span, end moment and mid-span deflection of the fixed span (the end moments M lift the
// middle of the span by M l² / 8EI).
struct Symmetric {
    const char *name;
    int caseIndex;
    Changes changes;
    std::function<SpanStatics()> span;
};

void PrintTo(const Symmetric &s, std::ostream *os) { *os << s.name; }

SpanStatics pair(double a) { return SpanStatics(100).pointLoad(100, a).pointLoad(100, 100 - a); }
SpanStatics trapezoid(double a)
{
    SpanStatics s(100);
    s.lineLoad(a, 100, 100 - a, 100);
    return a > 0 ? s.lineLoad(0, 0, a, 100).lineLoad(100 - a, 100, 100, 0) : s;
}
SpanStatics triangles(int count)
{
    SpanStatics s(100);
    for (int i = 0; i < count; ++i) {
        const double from = (100.0 * i) / count, peak = from + (50.0 / count), to = (100.0 * (i + 1)) / count;
        s.lineLoad(from, 0, peak, 100).lineLoad(peak, 100, to, 0);
    }
    return s;
}

const std::vector<Symmetric> SymmetricSpans = {
    {"ThirdPoints", 10, {}, [] { return pair(100.0 / 3); }},
    {"Pair", 11, {}, [] { return pair(30); }},
    {"PairBeyondMidSpan", 11, {{"a", 80}}, [] { return pair(20); }},
    {"Uniform", 12, {}, [] { return trapezoid(0); }},
    {"Trapezoid", 13, {}, [] { return trapezoid(20); }},
    {"TrapezoidLongRamps", 13, {{"a", 35}}, [] { return trapezoid(35); }},
    {"Triangle", 14, {}, [] { return triangles(1); }},
    {"TwoTriangles", 15, {}, [] { return triangles(2); }},
    {"ThreeTriangles", 16, {}, [] { return triangles(3); }},
};

class FirstPrinciples : public ::testing::TestWithParam<Symmetric>
{
};

TEST_P(FirstPrinciples, SymmetricSpan)
{
    const Symmetric &s = GetParam();
    const Results r = run(s.caseIndex, s.changes);
    const SpanStatics span = s.span();
    const double EI = 100000.0 * 833, end = span.symmetricFixedEndMoment();
    const auto expectNear = [&](const std::string &symbol, double expected) {
        if (r.bySymbol.count(symbol)) {
            EXPECT_NEAR(r[symbol], expected, 1e-9 * std::abs(expected)) << symbol;
        }
    };
    expectNear("MC", span.simpleMoment(50));
    expectNear("fC", span.midDeflectionEI() / EI);
    expectNear("MA,MB", end);
    expectNear("fC2", (span.midDeflectionEI() - ((end * 100 * 100) / 8)) / EI);
}

INSTANTIATE_TEST_SUITE_P(cantilever, FirstPrinciples, ::testing::ValuesIn(SymmetricSpans));

// The point load anywhere: mid-span deflection by virtual work.
TEST(FirstPrinciples, PointLoadMidSpanDeflection)
{
    for (double a : {10.0, 30.0, 70.0, 85.0})
        EXPECT_NEAR(run(8, {{"a", a}})["fmid"], SpanStatics(100).pointLoad(100, a).midDeflectionEI() / (100000.0 * 833),
                    1e-12)
            << a;
}

} // namespace
} // namespace cantilever::tests
