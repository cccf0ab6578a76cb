// Every case at its start values, shown as the window shows them ("#.000e+00"), a few hand
// calculations with small whole numbers, and the limits the rows reach exactly where the
// solver's diagrams would only come near: loads at the ends of the member, and the wheel pair
// whose envelope no single member states. The rows are held against the solved member at any
// input in members_test.cpp.

#include "cantilever/tests/cantilevertest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace cantilever::tests {
namespace {

const std::vector<std::pair<int, std::vector<std::string>>> StartValueRows = {
    {0, {"1.000e+02", "3.000e+03", "2.255e-01", "1.373e-01"}},
    {1, {"1.000e+02", "1.250e+03", "5.000e+03", "5.315e-02"}},
    {2, {"5.000e+01", "2.083e+02", "1.667e+03", "1.532e-02"}},
    {3, {"0.000e+00", "1.000e+02", "1.000e+02", "5.462e-03", "2.941e-03"}},
    {4, {"4.365e+01", "5.635e+01", "-1.365e+03", "1.691e+03", "1.019e-02"}},
    {5, {"6.250e+03", "3.750e+03", "-1.250e+05", "7.031e+04", "6.253e-01", "6.489e-01"}},
    {6, {"4.000e+03", "1.000e+03", "-6.667e+04", "2.980e+04", "2.863e-01"}},
    {7, {"-1.365e+00", "1.365e+00", "3.650e+01", "5.905e+01", "4.095e+01"}},
    // fmid of the load 70 from A: the mid-span deflection of the same load 30 from B.
    {8,
     {"3.000e+01", "7.000e+01", "2.100e+03", "1.981e-02", "2.160e+01", "7.840e+01", "-6.300e+02", "1.470e+03",
      "3.706e-03"}},
    {9, {"5.000e+01", "5.000e+01", "2.500e+03", "2.501e-02", "1.250e+03", "6.253e-03"}},
    {10, {"1.000e+02", "1.000e+02", "3.333e+03", "4.261e-02", "2.222e+03", "9.263e-03"}},
    {11, {"1.000e+02", "1.000e+02", "3.000e+03", "3.962e-02", "2.100e+03", "8.103e-03"}},
    // MA,MB = w l² / 12.
    {12, {"5.000e+03", "5.000e+03", "1.250e+05", "1.563e+00", "8.333e+04", "3.126e-01"}},
    // MA,MB = (w l² / 12)(1 - 2(a/l)² + (a/l)³).
    {13, {"4.000e+03", "4.000e+03", "1.183e+05", "1.465e+00", "7.733e+04"}},
    {14, {"2.500e+03", "2.500e+03", "8.333e+04", "1.000e+00", "5.208e+04", "2.188e-01"}},
    {15, {"2.500e+03", "2.500e+03", "6.250e+04", "8.206e-01", "4.427e+04"}},
    {16, {"2.500e+03", "2.500e+03", "6.481e+04", "7.997e-01", "4.282e+04"}},
    {17,
     {"1.667e+03", "3.333e+03", "6.250e+04", "6.400e+04", "7.827e-01", "1.500e+03", "3.500e+03", "-3.333e+04",
      "-5.000e+04", "1.571e-01"}},
    {18, {"2.000e+01", "2.000e+01", "8.000e+02", "9.284e-03", "-4.733e+02", "4.733e+02"}},
    {19, {"-1.000e+00", "1.000e+00", "7.000e+01", "3.000e+01", "3.361e-04", "3.300e+01", "-7.000e+00"}},
    {20, {"1.700e+02", "3.613e+03"}},
};

TEST(cantileverWorkedValues, StartValuesShowTheWorkedRows)
{
    for (const auto &[caseIndex, texts] : StartValueRows) {
        const Results r = run(caseIndex);
        ASSERT_FALSE(r.rejected) << caseIndex;
        ASSERT_EQ(r.values.size(), texts.size()) << caseIndex;
        for (std::size_t i = 0; i < r.values.size(); ++i)
            EXPECT_EQ(shell::resultText(r.values[i]), texts[i]) << caseDef(caseIndex).rows[i].caption;
    }
}

TEST(cantileverWorkedValues, OtherInputs)
{
    // No moment between the free end and the load.
    EXPECT_EQ(run(0, {{"x", 30}})["Mx"], 0);
    EXPECT_EQ(shell::resultText(run(0, {{"x", 100}})["Mx"]), "7.000e+03");
    // Two wheels 50 apart: the reaction with one wheel over the support, the other 50 in.
    EXPECT_EQ(shell::resultText(run(20, {{"a", 50}})["Rmax"]), "1.500e+02");
    EXPECT_EQ(shell::resultText(run(20, {{"a", 50}})["Mmax"]), "2.813e+03");
}

// Hand calculations on a unit stiffness EI = 1, point load P = 3 or moment M = 4 at a = 2,
// b = 1 beyond it: fC = P a³ / 3 = 8 and fB = fC + (P a² / 2) b = 14; fC = M a² / 2 = 8 and
// fB = fC + (M a) b = 16.
TEST(cantileverWorkedValues, CantileverDeflectionsByHand)
{
    const Results point = run(0, {{"a", 2}, {"b", 1}, {"P", 3}, {"E", 1}, {"I", 1}, {"x", 1}});
    EXPECT_DOUBLE_EQ(point["fC"], 8);
    EXPECT_DOUBLE_EQ(point["fB"], 14);
    const Results moment = run(3, {{"a", 2}, {"b", 1}, {"M", 4}, {"E", 1}, {"I", 1}});
    EXPECT_DOUBLE_EQ(moment["fC"], 8);
    EXPECT_DOUBLE_EQ(moment["fB"], 16);
}

void expectClose(double actual, double expected, const std::string &what)
{
    EXPECT_NEAR(actual, expected, 1e-12 * std::max(std::abs(expected), 1.0)) << what;
}

void expectSameRows(const Results &a, const Results &b, const std::vector<std::string> &symbols)
{
    for (const std::string &symbol : symbols)
        expectClose(a[symbol], b[symbol], symbol);
}

TEST(cantileverIdentity, LoadsAtTheEnds)
{
    const Results atSupport = run(8, {{"a", 0}});
    EXPECT_EQ(atSupport["RA"], 100);
    EXPECT_EQ(atSupport["RAs"], 100);
    for (const char *symbol : {"RB", "MC", "fmid", "RBs", "MA", "MB", "fC"})
        EXPECT_EQ(atSupport[symbol], 0) << symbol;
    EXPECT_EQ(run(0, {{"b", 0}})["fB"], run(0, {{"b", 0}})["fC"]);
    // A couple at mid-span of a simple span: the deflection under it is 0 by antisymmetry.
    EXPECT_EQ(run(19, {{"a", 40}, {"b", 40}})["fC"], 0);
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
