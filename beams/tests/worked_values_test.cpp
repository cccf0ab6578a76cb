// Every case at its start values: the results as the window shows them ("#.000e+00") in the
// published worked examples, and hand calculations for the cases without one.

#include "beamstest.h"

#include <cmath>

namespace beams::testing {
namespace {

struct Shown {
    int caseIndex;
    const char *symbol;
    const char *text;
};

void PrintTo(const Shown &s, std::ostream *os) { *os << "case " << s.caseIndex << " " << s.symbol; }

class WorkedValues : public ::testing::TestWithParam<Shown>
{};

TEST_P(WorkedValues, ShowsThePublishedResult)
{
    const Shown &s = GetParam();
    EXPECT_EQ(shell::resultText(value(s.caseIndex, {}, s.symbol)), s.text);
}

INSTANTIATE_TEST_SUITE_P(
    beams, WorkedValues,
    ::testing::Values(
        Shown{0, "RA", "7.000e+01"}, Shown{0, "RB", "3.000e+01"}, Shown{0, "Mx1", "1.400e+03"},
        Shown{0, "Mx2", "1.500e+03"}, Shown{0, "Mmax", "2.100e+03"}, Shown{1, "RA", "5.000e+03"},
        Shown{1, "RB", "5.000e+03"}, Shown{1, "Sx", "2.000e+03"}, Shown{1, "Mx", "1.050e+05"},
        Shown{1, "Mmax", "1.250e+05"}, Shown{2, "RA", "1.667e+03"}, Shown{2, "RB", "3.333e+03"},
        Shown{2, "Sx", "1.217e+03"}, Shown{2, "Mx", "4.550e+04"}, Shown{2, "Mmax", "6.420e+04"},
        Shown{4, "RA", "2.500e+03"}, Shown{4, "RB", "2.500e+03"}, Shown{4, "Sx", "1.600e+03"},
        Shown{4, "Mx", "6.600e+04"}, Shown{4, "Mmax", "8.333e+04"}, Shown{5, "RA", "6.667e+03"},
        Shown{5, "RB", "8.333e+03"}, Shown{5, "Sx", "3.217e+03"}, Shown{5, "Mx", "1.505e+05"},
        Shown{6, "RA", "0.000e+00"}, Shown{8, "RB", "5.000e+03"}, Shown{10, "RA", "3.750e+03"},
        Shown{10, "RB", "6.250e+03"}, Shown{10, "Sx1", "7.500e+02"}, Shown{10, "Sx2", "1.500e+03"},
        Shown{10, "SB", "-4.250e+03"}, Shown{10, "Mx1", "6.750e+04"}, Shown{10, "Mx2", "-1.125e+04"},
        Shown{10, "MB", "-2.000e+04"}, Shown{10, "Mx1max", "7.031e+04"}, Shown{11, "RA", "8.333e+01"},
        Shown{11, "RB", "1.167e+02"}, Shown{11, "MA", "-1.500e+03"}, Shown{11, "MB", "-2.500e+03"},
        Shown{11, "Mx", "-1.833e+03"}, Shown{12, "RA", "4.167e+03"}, Shown{12, "RB", "5.833e+03"},
        Shown{12, "MA", "-1.125e+04"}, Shown{12, "MB", "-3.125e+04"}, Shown{12, "Mx", "2.208e+04"},
        Shown{13, "RA", "5.635e+01"}, Shown{13, "RB", "4.365e+01"}, Shown{13, "MB", "1.365e+03"},
        Shown{13, "Mx", "1.127e+03"}, Shown{14, "RA", "3.750e+03"}, Shown{14, "RB", "6.250e+03"},
        Shown{14, "MB", "-1.250e+05"}, Shown{14, "Mx", "6.750e+04"}, Shown{14, "Mxmax", "7.031e+04"},
        Shown{15, "RA", "5.000e+03"}, Shown{15, "RB", "5.000e+03"}, Shown{15, "Sx", "2.000e+03"},
        Shown{15, "MA", "-8.333e+04"}, Shown{15, "MB", "-8.333e+04"}, Shown{15, "Mx", "2.167e+04"},
        Shown{15, "Mxmax", "4.167e+04"}, Shown{16, "RA", "7.840e+01"}, Shown{16, "RB", "2.160e+01"},
        Shown{16, "MA", "-1.470e+03"}, Shown{16, "MB", "-6.300e+02"}, Shown{16, "Mx", "8.820e+02"},
        Shown{17, "RA", "1.500e+03"}, Shown{17, "RB", "3.500e+03"}, Shown{17, "Sx", "2.500e+02"},
        Shown{17, "MA", "-3.333e+04"}, Shown{17, "MB", "-5.000e+04"}, Shown{17, "Mx", "2.083e+04"},
        Shown{17, "Mxmax", "2.150e+04"}, Shown{18, "RA", "6.500e+03"}, Shown{18, "RB", "8.500e+03"},
        Shown{18, "MA", "-1.167e+05"}, Shown{18, "MB", "-1.333e+05"}, Shown{18, "Mx", "2.883e+04"}));

// Values worked by hand from statics and the handbook deflection formulas, at the start values.
struct Hand {
    int caseIndex;
    const char *symbol;
    double expected;
    double tolerance;
};

void PrintTo(const Hand &h, std::ostream *os) { *os << "case " << h.caseIndex << " " << h.symbol; }

class HandValues : public ::testing::TestWithParam<Hand>
{};

TEST_P(HandValues, MatchTheHandCalculation)
{
    const Hand &h = GetParam();
    EXPECT_NEAR(value(h.caseIndex, {}, h.symbol), h.expected, h.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    beams, HandValues,
    ::testing::Values(
        // deflections (P 100 or w 100, l 100, E 100000, I 833)
        Hand{0, "σmax", 0.0176470588, 1e-9}, Hand{1, "σmax", 1.5631, 0.00005}, Hand{15, "σmax", 0.31263, 0.00001},
        Hand{6, "σmax", 0.40016, 0.000005}, Hand{7, "σmax", 15.0060, 0.00005}, Hand{8, "σmax", 4.00160, 0.00001},
        Hand{2, "σmax", 0.7827131, 1e-7}, Hand{5, "σmax", 2.3446879, 1e-7},
        // "Beam (4)": load 100 on 20..50 of a span 100, x 30
        Hand{3, "RA", 1950, 1e-9}, Hand{3, "RB", 1050, 1e-9}, Hand{3, "Mx", 53500, 1e-8}, Hand{3, "X0", 39.5, 1e-12},
        Hand{3, "Mmax", 58012.5, 1e-8}, Hand{3, "Mxmax", 63750, 1e-8},
        // cantilevers, x from the free end
        Hand{6, "RB", 100, 0}, Hand{6, "Sx", -100, 0}, Hand{6, "Mx", -3000, 0}, Hand{6, "MBmax", -10000, 0},
        Hand{7, "RA", 0, 0}, Hand{7, "RB", 10000, 0}, Hand{7, "Sx", -3000, 0}, Hand{7, "Mx", 45000, 0},
        Hand{7, "MBmax", -500000, 0}, Hand{8, "Sx", -2450, 1e-9}, Hand{8, "Mx", 57166.666667, 1e-6},
        Hand{8, "MBmax", -166666.666667, 1e-6},
        // "Beam (10)": tip load 100 on an overhang 20 beyond a span 80
        Hand{9, "RA", -25, 0}, Hand{9, "RB", 125, 0}, Hand{9, "S.A-B", 25, 0}, Hand{9, "S.B-C", 100, 0},
        Hand{9, "Mx1", -750, 0}, Hand{9, "Mx2", -1000, 0}, Hand{9, "MB", -2000, 0}));

TEST(beams, ZeroReactionRowsShowTheWholeNumberZero)
{
    for (int c : {6, 7}) {
        const std::vector<double> rows = rowsOf(c);
        EXPECT_EQ(shell::generalText(rows.at(0)), "0");
        EXPECT_FALSE(std::signbit(rows.at(0)));
    }
}

} // namespace
} // namespace beams::testing
