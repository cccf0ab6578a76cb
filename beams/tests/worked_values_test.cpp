// Every case at its start values, as the window shows the rows ("#.000e+00"): the published
// worked examples, and hand calculations (statics, handbook deflections) for the cases
// without one. Every row is held against the member its case states, solved exactly, at these
// and twenty other inputs in members_test.cpp.

#include "beams/tests/beamstest.h"

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

}  // namespace
}  // namespace beams::testing
