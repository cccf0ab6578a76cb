// Identities the results obey for any input: equilibrium, symmetry, limits, and the same load
// described from either end.

#include "cantilever/tests/cantilevertest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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
TEST(cantileverIdentity, MomentJumpsByMAtTheCouple)
{
    for (const auto &[a, b, M] : {std::tuple{70.0, 30.0, 100.0}, {10.0, 90.0, -35.0}, {55.0, 0.0, 7.5e6}})
        for (int caseIndex : {7, 19}) {
            const Results r = run(caseIndex, {{"a", a}, {"b", b}, {"M", M}});
            expectClose(r["MCA"] + r["MCB"], M, "MCA + MCB");
            expectClose(r["RA"] + r["RB"], 0, "RA + RB");
        }
    EXPECT_EQ(run(19, {{"a", 40}, {"b", 40}})["fC"], 0);
}

TEST(cantileverIdentity, ThirdPointLoadsDeflectionRatio)
{
    for (const auto &[P, l, E, I] : {std::tuple{100.0, 100.0, 100000.0, 833.0}, {3.0, 7250.0, 205000.0, 1.2e8}}) {
        const Results r = run(10, {{"P", P}, {"l", l}, {"E", E}, {"I", I}});
        EXPECT_NEAR(r["fC2"] / r["fC"], 5.0 / 23, 1e-14);
    }
}

TEST(cantileverIdentity, CentredPartialLoadIsSymmetric)
{
    for (const auto &[ac, b, w] : {std::tuple{30.0, 40.0, 1.0}, {0.0, 80.0, 12.5}, {45.0, 1.0, 300.0}}) {
        const Results r = run(18, {{"a", ac}, {"b", b}, {"c", ac}, {"w", w}});
        expectClose(r["RA"], (w * b) / 2, "RA");
        expectClose(r["RB"], (w * b) / 2, "RB");
        expectClose(r["MA"], -r["MB"], "MA");
    }
}

TEST(cantileverIdentity, LoadsAtTheEnds)
{
    const Results atSupport = run(8, {{"a", 0}});
    EXPECT_EQ(atSupport["RA"], 100);
    EXPECT_EQ(atSupport["RAs"], 100);
    for (const char *symbol : {"RB", "MC", "fmid", "RBs", "MA", "MB", "fC"})
        EXPECT_EQ(atSupport[symbol], 0) << symbol;
    EXPECT_EQ(run(0, {{"b", 0}})["fB"], run(0, {{"b", 0}})["fC"]);
    // Cantilevers: at the fixed end the moment is the end moment and the deflection vanishes.
    for (int caseIndex : {1, 2}) {
        const Results r = run(caseIndex, {{"x", 100}});
        expectClose(r["Mx"], r["MA"], "Mx at x = l");
        EXPECT_NEAR(r["fx"], 0, 1e-15);
    }
    // Trapezoid: no ramps is the uniform load; ramps meeting at mid-span the symmetric triangle.
    expectSameRows(run(13, {{"a", 0}}), run(12), {"RA", "RB", "MC", "fC", "MA,MB"});
    expectSameRows(run(13, {{"a", 50}}), run(14), {"RA", "RB", "MC", "fC", "MA,MB"});
}

// The same load described from either end gives the same rows: the mid-span deflection and
// the pair of loads take the distance from the nearer support.
TEST(cantileverIdentity, LoadsFromEitherEnd)
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

TEST(cantileverIdentity, WheelLoads)
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

}  // namespace
}  // namespace cantilever::tests
