// Every case at its start values, as the window shows the rows ("#.000e+00"): the published
// worked examples, and hand calculations (statics, handbook deflections) for the cases
// without one; then the piecewise moment and shear rows in each part of the span, and the
// fixed-end and propped-cantilever classics at mid-span, by hand.

#include "beams/tests/beamstest.h"

#include <algorithm>
#include <cmath>

namespace beams::testing {
namespace {

using Rows = std::vector<std::pair<const char *, const char *>>;

// clang-format off
const std::vector<std::pair<int, Rows>> workedValues = {
    {0, {{"RA", "7.000e+01"}, {"RB", "3.000e+01"}, {"Mx1", "1.400e+03"}, {"Mx2", "1.500e+03"},
         {"Mmax", "2.100e+03"}, {"σmax", "1.765e-02"}}},
    {1, {{"RA", "5.000e+03"}, {"RB", "5.000e+03"}, {"Sx", "2.000e+03"}, {"Mx", "1.050e+05"},
         {"Mmax", "1.250e+05"}, {"σmax", "1.563e+00"}}},
    {2, {{"RA", "1.667e+03"}, {"RB", "3.333e+03"}, {"Sx", "1.217e+03"}, {"Mx", "4.550e+04"},
         {"Mmax", "6.420e+04"}, {"σmax", "7.827e-01"}}},
    // load 100 on 20..50 of a span 100, x 30
    {3, {{"RA", "1.950e+03"}, {"RB", "1.050e+03"}, {"Mx", "5.350e+04"}, {"X0", "3.950e+01"},
         {"Mmax", "5.801e+04"}, {"Mxmax", "6.375e+04"}}},
    {4, {{"RA", "2.500e+03"}, {"RB", "2.500e+03"}, {"Sx", "1.600e+03"}, {"Mx", "6.600e+04"}, {"Mmax", "8.333e+04"}}},
    {5, {{"RA", "6.667e+03"}, {"RB", "8.333e+03"}, {"Sx", "3.217e+03"}, {"Mx", "1.505e+05"}, {"σmax", "2.345e+00"}}},
    // cantilevers, x from the free end
    {6, {{"RA", "0.000e+00"}, {"RB", "1.000e+02"}, {"Sx", "-1.000e+02"}, {"Mx", "-3.000e+03"},
         {"MBmax", "-1.000e+04"}, {"σmax", "4.002e-01"}}},
    {7, {{"RA", "0.000e+00"}, {"RB", "1.000e+04"}, {"Sx", "-3.000e+03"}, {"Mx", "4.500e+04"},
         {"MBmax", "-5.000e+05"}, {"σmax", "1.501e+01"}}},
    {8, {{"RB", "5.000e+03"}, {"Sx", "-2.450e+03"}, {"Mx", "5.717e+04"}, {"MBmax", "-1.667e+05"}, {"σmax", "4.002e+00"}}},
    // tip load 100 on an overhang 20 beyond a span 80
    {9, {{"RA", "-2.500e+01"}, {"RB", "1.250e+02"}, {"S.A-B", "2.500e+01"}, {"S.B-C", "1.000e+02"},
         {"Mx1", "-7.500e+02"}, {"Mx2", "-1.000e+03"}, {"MB", "-2.000e+03"}}},
    {10, {{"RA", "3.750e+03"}, {"RB", "6.250e+03"}, {"Sx1", "7.500e+02"}, {"Sx2", "1.500e+03"}, {"SB", "-4.250e+03"},
          {"Mx1", "6.750e+04"}, {"Mx2", "-1.125e+04"}, {"MB", "-2.000e+04"}, {"Mx1max", "7.031e+04"}}},
    {11, {{"RA", "8.333e+01"}, {"RB", "1.167e+02"}, {"MA", "-1.500e+03"}, {"MB", "-2.500e+03"}, {"Mx", "-1.833e+03"}}},
    {12, {{"RA", "4.167e+03"}, {"RB", "5.833e+03"}, {"MA", "-1.125e+04"}, {"MB", "-3.125e+04"}, {"Mx", "2.208e+04"}}},
    {13, {{"RA", "5.635e+01"}, {"RB", "4.365e+01"}, {"MB", "1.365e+03"}, {"Mx", "1.127e+03"}}},
    {14, {{"RA", "3.750e+03"}, {"RB", "6.250e+03"}, {"MB", "-1.250e+05"}, {"Mx", "6.750e+04"}, {"Mxmax", "7.031e+04"}}},
    {15, {{"RA", "5.000e+03"}, {"RB", "5.000e+03"}, {"Sx", "2.000e+03"}, {"MA", "-8.333e+04"}, {"MB", "-8.333e+04"},
          {"Mx", "2.167e+04"}, {"Mxmax", "4.167e+04"}, {"σmax", "3.126e-01"}}},
    {16, {{"RA", "7.840e+01"}, {"RB", "2.160e+01"}, {"MA", "-1.470e+03"}, {"MB", "-6.300e+02"}, {"Mx", "8.820e+02"}}},
    {17, {{"RA", "1.500e+03"}, {"RB", "3.500e+03"}, {"Sx", "2.500e+02"}, {"MA", "-3.333e+04"}, {"MB", "-5.000e+04"},
          {"Mx", "2.083e+04"}, {"Mxmax", "2.150e+04"}}},
    {18, {{"RA", "6.500e+03"}, {"RB", "8.500e+03"}, {"MA", "-1.167e+05"}, {"MB", "-1.333e+05"}, {"Mx", "2.883e+04"}}},
};
// clang-format on

TEST(beams, StartValuesShowTheWorkedResults)
{
    for (const auto &[caseIndex, rows] : workedValues) {
        for (const auto &[symbol, text] : rows)
            EXPECT_EQ(shell::resultText(value(caseIndex, {}, symbol)), text) << "case " << caseIndex << " " << symbol;
    }
}

double closeTo(double expected)
{
    return 1e-9 * std::max(1.0, std::fabs(expected));
}

// By hand, P = 100 or w = 100 and l = 100 unless changed.
struct Hand {
    const char *what;
    int caseIndex;
    Overrides in;
    const char *row;
    double expected;
};

const Overrides mid{{"x", 50}}, centred{{"a", 50}, {"x", 50}};

const std::vector<Hand> handValues{
    // Piecewise rows, each part of the span: point load at a = 30 (RA = 70)
    {"point load: Mx1 before the load", 0, {{"x1", 20}}, "Mx1", 1400},
    {"point load: Mx1 beyond the load", 0, {{"x1", 75}}, "Mx1", 750},
    {"point load: Mx2 before the load", 0, {{"x2", 10}}, "Mx2", 700},
    {"point load: Mx2 beyond the load", 0, {{"x2", 50}}, "Mx2", 1500},
    // load on 20..50 (RA = 1950, RB = 1050)
    {"partial load: Mx before a", 3, {{"x", 10}}, "Mx", 19500},
    {"partial load: Mx on the load", 3, {{"x", 30}}, "Mx", 53500},
    {"partial load: Mx beyond b", 3, {{"x", 80}}, "Mx", 21000},
    {"symmetric triangle: Sx left half", 4, {{"x", 30}}, "Sx", 1600},
    {"symmetric triangle: Mx left half", 4, {{"x", 30}}, "Mx", 66000},
    {"symmetric triangle: Sx right half", 4, {{"x", 75}}, "Sx", -1875},
    {"symmetric triangle: Mx right half", 4, {{"x", 75}}, "Mx", 171875.0 / 3},
    // propped cantilever, load at a = 30 (RA = 56.35)
    {"propped point load: Mx before the load", 13, {{"x", 20}}, "Mx", 1127},
    {"propped point load: Mx beyond the load", 13, {{"x", 75}}, "Mx", -273.75},
    // Classics at mid-span
    {"fixed uniform: end moment −wl²/12", 15, mid, "MA", -250000.0 / 3},
    {"fixed uniform: mid-span moment wl²/24", 15, mid, "Mx", 125000.0 / 3},
    {"fixed uniform: deflection wl⁴/384EI", 15, {{"E", 200000}, {"I", 1000}}, "σmax", 0.130208333333},
    {"fixed centre load: RA = P/2", 16, centred, "RA", 50},
    {"fixed centre load: MA = −Pl/8", 16, centred, "MA", -1250},
    {"fixed centre load: MB = −Pl/8", 16, centred, "MB", -1250},
    {"fixed centre load: Mx = Pl/8", 16, centred, "Mx", 1250},
    {"fixed triangle: MA = −wl²/30", 17, mid, "MA", -100000.0 / 3},
    {"propped centre load: RA = 5P/16", 13, centred, "RA", 31.25},
    {"propped centre load: RB = 11P/16", 13, centred, "RB", 68.75},
    {"propped centre load: MB = 3Pl/16", 13, centred, "MB", 1875},
    {"propped centre load: Mx under the load 5Pl/32", 13, centred, "Mx", 1562.5},
    {"propped uniform: RA = 3wl/8", 14, mid, "RA", 3750},
    {"propped uniform: mid-span moment wl²/16", 14, mid, "Mx", 62500},
    {"simple centre load: deflection Pl³/48EI", 0, {{"a", 50}, {"E", 200000}, {"I", 1000}}, "σmax", 100e6 / 48 / 2e8},
};

TEST(beams, PiecewiseRowsAndClassicsMatchTheHandValues)
{
    for (const Hand &h : handValues)
        EXPECT_NEAR(value(h.caseIndex, h.in, h.row), h.expected, closeTo(h.expected)) << h.what;
}

}  // namespace
}  // namespace beams::testing
