// Physical identities that catch transcription slips: equilibrium of the reactions,
// symmetry, continuity of the moment along the span, the moment at the ends equal to the
// end-moment rows, the fixed-end and propped-cantilever classics, and the limits in which
// one case becomes another.

#include "beamstest.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace beams::testing {
namespace {

double closeTo(double expected) { return 1e-9 * std::max(1.0, std::fabs(expected)); }

// --- equilibrium: RA + RB carries the whole load ---

struct Equilibrium {
    int caseIndex;
    std::function<double(const std::vector<double> &in)> totalLoad;
};

void PrintTo(const Equilibrium &e, std::ostream *os) { *os << beamCase(e.caseIndex).caption; }

class ReactionsCarryTheLoad : public ::testing::TestWithParam<Equilibrium>
{};

TEST_P(ReactionsCarryTheLoad, AtStartValuesAndElsewhere)
{
    const Equilibrium &e = GetParam();
    const shell::CaseDef &c = beamCase(e.caseIndex);
    ASSERT_EQ(shell::SymbolOf(c.rows.at(0).caption), "RA");
    ASSERT_EQ(shell::SymbolOf(c.rows.at(1).caption), "RB");
    std::vector<double> in = shell::startValues(c);
    for (int round = 0; round < 3; ++round) {
        const shell::Evaluation result = shell::evaluate(c, in);
        ASSERT_FALSE(result.rejected);
        const double total = e.totalLoad(in);
        EXPECT_NEAR(result.values[0] + result.values[1], total, closeTo(total)) << "round " << round;
        for (size_t k = 0; k < in.size(); ++k)  // other loads and lengths, every distance still ≥ 0
            in[k] *= 0.55 + (0.3 * static_cast<double>((k + static_cast<size_t>(round)) % 4));
    }
}

// Input order per case: see the catalogue; loads are in N and N per length unit.
INSTANTIATE_TEST_SUITE_P(
    beams, ReactionsCarryTheLoad,
    ::testing::Values(
        Equilibrium{0, [](auto &in) { return in[0]; }},                          // P
        Equilibrium{1, [](auto &in) { return in[0] * in[1]; }},                  // w l
        Equilibrium{2, [](auto &in) { return in[0] * in[1] / 2; }},              // triangle
        Equilibrium{3, [](auto &in) { return in[0] * (in[2] - in[1]); }},        // w (b − a)
        Equilibrium{4, [](auto &in) { return in[0] * in[1] / 2; }},              // triangle
        Equilibrium{5, [](auto &in) { return in[0] * in[2] / 2 + in[1] * in[2]; }},
        Equilibrium{6, [](auto &in) { return in[0]; }},                          // all at B
        Equilibrium{7, [](auto &in) { return in[0] * in[1]; }},
        Equilibrium{9, [](auto &in) { return in[0]; }},                          // tip load
        Equilibrium{10, [](auto &in) { return in[0] * (in[2] + in[1]); }},       // span and overhang
        Equilibrium{11, [](auto &in) { return in[0] + in[1]; }},                 // P1 + P2
        Equilibrium{12, [](auto &in) { return in[0] * (in[1] + in[3] + in[2]); }},
        Equilibrium{13, [](auto &in) { return in[0]; }},
        Equilibrium{14, [](auto &in) { return in[0] * in[1]; }},
        Equilibrium{15, [](auto &in) { return in[0] * in[1]; }},
        Equilibrium{16, [](auto &in) { return in[0]; }},
        Equilibrium{17, [](auto &in) { return in[0] * in[1] / 2; }},
        Equilibrium{18, [](auto &in) { return in[0] * in[2] / 2 + in[1] * in[2]; }}));

TEST(beams, TriangularCantileverCarriesHalfTheLoadAtB)
{
    EXPECT_DOUBLE_EQ(value(8, {{"w", 7}, {"l", 12}}, "RB"), 42);
}

// --- one result equals another (factor × the other), in the same or another case ---

struct Same {
    const char *what;
    int caseA;
    Overrides inA;
    const char *rowA;
    double factor;
    int caseB;
    Overrides inB;
    const char *rowB;
};

void PrintTo(const Same &s, std::ostream *os) { *os << s.what; }

class SameValue : public ::testing::TestWithParam<Same>
{};

TEST_P(SameValue, Holds)
{
    const Same &s = GetParam();
    const double b = s.factor * value(s.caseB, s.inB, s.rowB);
    EXPECT_NEAR(value(s.caseA, s.inA, s.rowA), b, closeTo(b)) << s.what;
}

const Overrides mid{{"x", 50}};

INSTANTIATE_TEST_SUITE_P(
    symmetry, SameValue,
    ::testing::Values(
        Same{"uniform: Mx symmetric", 1, {{"x", 30}}, "Mx", 1, 1, {{"x", 70}}, "Mx"},
        Same{"uniform: Sx antisymmetric", 1, {{"x", 30}}, "Sx", -1, 1, {{"x", 70}}, "Sx"},
        Same{"symmetric triangle: Mx mirrored", 4, {{"x", 20}}, "Mx", 1, 4, {{"x", 80}}, "Mx"},
        Same{"symmetric triangle: Sx mirrored", 4, {{"x", 35}}, "Sx", -1, 4, {{"x", 65}}, "Sx"},
        Same{"fixed uniform: Mx symmetric", 15, {{"x", 30}}, "Mx", 1, 15, {{"x", 70}}, "Mx"},
        Same{"point load mirrored: RA", 0, {{"a", 30}}, "RA", 1, 0, {{"a", 70}}, "RB"},
        Same{"point load mirrored: deflection", 0, {{"a", 30}}, "σmax", 1, 0, {{"a", 70}}, "σmax"},
        Same{"fixed point load mirrored: RA", 16, {{"a", 30}}, "RA", 1, 16, {{"a", 70}}, "RB"},
        Same{"fixed point load mirrored: MA", 16, {{"a", 30}}, "MA", 1, 16, {{"a", 70}}, "MB"},
        Same{"two overhangs mirrored: RA", 12, {{"a", 15}, {"b", 25}}, "RA", 1, 12, {{"a", 25}, {"b", 15}}, "RB"},
        Same{"two overhangs mirrored: MA", 12, {{"a", 15}, {"b", 25}}, "MA", 1, 12, {{"a", 25}, {"b", 15}}, "MB"},
        Same{"two tip loads mirrored: RA", 11, {{"P1", 80}, {"a", 15}}, "RA", 1, 11,
             {{"P2", 80}, {"P1", 100}, {"a", 25}, {"b", 15}}, "RB"}));

INSTANTIATE_TEST_SUITE_P(
    ends, SameValue,
    ::testing::Values(
        Same{"point load: moment under the load", 0, {{"x1", 30}}, "Mx1", 1, 0, {}, "Mmax"},
        Same{"point load: Mx2 before the load is RA x", 0, {{"x2", 10}}, "Mx2", 10, 0, {}, "RA"},
        Same{"uniform: mid-span moment", 1, mid, "Mx", 1, 1, {}, "Mmax"},
        Same{"triangle: shear at B", 2, {{"x", 100}}, "Sx", -1, 2, {}, "RB"},
        Same{"partial load: Mx before a is RA x", 3, {{"x", 10}}, "Mx", 10, 3, {}, "RA"},
        Same{"partial load: Mx at X0 is Mmax", 3, {{"x", 39.5}}, "Mx", 1, 3, {}, "Mmax"},
        Same{"partial load: Mx beyond b is RB (l − x)", 3, {{"x", 80}}, "Mx", 20, 3, {}, "RB"},
        Same{"symmetric triangle: mid-span moment", 4, mid, "Mx", 1, 4, {}, "Mmax"},
        Same{"symmetric triangle: shear at B", 4, {{"x", 100}}, "Sx", -1, 4, {}, "RB"},
        Same{"cantilever: Mx at B", 6, {{"x", 100}}, "Mx", 1, 6, {}, "MBmax"},
        Same{"overhang: Mx1 at B", 9, {{"x1", 80}}, "Mx1", 1, 9, {}, "MB"},
        Same{"overhang: Mx2 at B", 9, {{"x2", 20}}, "Mx2", 1, 9, {}, "MB"},
        Same{"uniform overhang: Mx1 at B", 10, {{"x1", 80}}, "Mx1", 1, 10, {}, "MB"},
        Same{"uniform overhang: Mx2 at B", 10, {{"x2", 20}}, "Mx2", 1, 10, {}, "MB"},
        Same{"uniform overhang: Sx1 at B", 10, {{"x1", 80}}, "Sx1", 1, 10, {}, "SB"},
        Same{"two tip loads: Mx at A", 11, {{"x", 0}}, "Mx", 1, 11, {}, "MA"},
        Same{"two tip loads: Mx at B", 11, {{"x", 60}}, "Mx", 1, 11, {}, "MB"},
        Same{"two overhangs: Mx at A", 12, {{"x", 0}}, "Mx", 1, 12, {}, "MA"},
        Same{"two overhangs: Mx at B", 12, {{"x", 60}}, "Mx", 1, 12, {}, "MB"},
        Same{"propped point load: Mx at B", 13, {{"x", 100}}, "Mx", -1, 13, {}, "MB"},
        Same{"propped uniform: Mx at B", 14, {{"x", 100}}, "Mx", 1, 14, {}, "MB"},
        Same{"propped uniform: Mx at 3l/8", 14, {{"x", 37.5}}, "Mx", 1, 14, {}, "Mxmax"},
        Same{"fixed uniform: Mx at A", 15, {{"x", 0}}, "Mx", 1, 15, {}, "MA"},
        Same{"fixed uniform: mid-span moment", 15, mid, "Mx", 1, 15, {}, "Mxmax"},
        Same{"fixed point load: Mx at A", 16, {{"x", 0}}, "Mx", 1, 16, {}, "MA"},
        Same{"fixed point load: Mx at B", 16, {{"x", 100}}, "Mx", 1, 16, {}, "MB"},
        Same{"fixed triangle: Mx at A", 17, {{"x", 0}}, "Mx", 1, 17, {}, "MA"},
        Same{"fixed triangle: Mx at B", 17, {{"x", 100}}, "Mx", 1, 17, {}, "MB"},
        Same{"fixed triangle: shear at B", 17, {{"x", 100}}, "Sx", -1, 17, {}, "RB"},
        Same{"fixed triangle plus uniform: Mx at B", 18, {{"x", 100}}, "Mx", 1, 18, {}, "MB"}));

INSTANTIATE_TEST_SUITE_P(
    limits, SameValue,
    ::testing::Values(
        Same{"w1 = 0 is the uniform beam: RA", 5, {{"w1", 0}}, "RA", 1, 1, {}, "RA"},
        Same{"w1 = 0 is the uniform beam: Mx", 5, {{"w1", 0}}, "Mx", 1, 1, {}, "Mx"},
        Same{"w1 = 0 is the uniform beam: Mmax", 5, {{"w1", 0}}, "Mmax", 1, 1, {}, "Mmax"},
        Same{"w1 = 0 is the uniform beam: σmax", 5, {{"w1", 0}}, "σmax", 1, 1, {}, "σmax"},
        Same{"w2 = 0 is the triangle: Sx", 5, {{"w2", 0}}, "Sx", 1, 2, {}, "Sx"},
        Same{"w2 = 0 is the triangle: Mx", 5, {{"w2", 0}}, "Mx", 1, 2, {}, "Mx"},
        Same{"full-span partial load is the uniform beam: RA", 3, {{"a", 0}, {"b", 100}}, "RA", 1, 1, {}, "RA"},
        Same{"full-span partial load is the uniform beam: Mx", 3, {{"a", 0}, {"b", 100}}, "Mx", 1, 1, {}, "Mx"},
        Same{"full-span partial load is the uniform beam: Mmax", 3, {{"a", 0}, {"b", 100}}, "Mmax", 1, 1, {},
             "Mmax"},
        Same{"full-span partial load is the uniform beam: Mxmax", 3, {{"a", 0}, {"b", 100}}, "Mxmax", 1, 1, {},
             "Mmax"},
        Same{"no overhang is the uniform beam: RA", 10, {{"a", 0}, {"l", 100}}, "RA", 1, 1, {}, "RA"},
        Same{"no overhang is the uniform beam: Mx1", 10, {{"a", 0}, {"l", 100}, {"x1", 30}}, "Mx1", 1, 1, {}, "Mx"},
        Same{"no overhangs is the uniform beam: RA", 12, {{"a", 0}, {"b", 0}, {"l", 100}}, "RA", 1, 1, {}, "RA"},
        Same{"no overhangs is the uniform beam: Mx", 12, {{"a", 0}, {"b", 0}, {"l", 100}, {"x", 30}}, "Mx", 1, 1,
             {}, "Mx"},
        Same{"w1 = 0 is the fixed uniform beam: MA", 18, {{"w1", 0}}, "MA", 1, 15, {}, "MA"},
        Same{"w1 = 0 is the fixed uniform beam: Mx", 18, {{"w1", 0}}, "Mx", 1, 15, {}, "Mx"},
        Same{"w2 = 0 is the fixed triangle: RB", 18, {{"w2", 0}}, "RB", 1, 17, {}, "RB"},
        Same{"w2 = 0 is the fixed triangle: Mx", 18, {{"w2", 0}, {"x", 50}}, "Mx", 1, 17, {}, "Mx"}));

// --- the classics at mid-span, by hand (P = 100, w = 100, l = 100) ---

struct Classic {
    const char *what;
    int caseIndex;
    Overrides in;
    const char *row;
    double expected;
};

void PrintTo(const Classic &c, std::ostream *os) { *os << c.what; }

class Classics : public ::testing::TestWithParam<Classic>
{};

TEST_P(Classics, MatchTheHandbook)
{
    const Classic &c = GetParam();
    EXPECT_NEAR(value(c.caseIndex, c.in, c.row), c.expected, closeTo(c.expected)) << c.what;
}

const Overrides centred{{"a", 50}, {"x", 50}};

INSTANTIATE_TEST_SUITE_P(
    beams, Classics,
    ::testing::Values(
        Classic{"fixed uniform: end moment −wl²/12", 15, mid, "MA", -250000.0 / 3},
        Classic{"fixed uniform: mid-span moment wl²/24", 15, mid, "Mx", 125000.0 / 3},
        Classic{"fixed uniform: deflection wl⁴/384EI", 15, {{"E", 200000}, {"I", 1000}}, "σmax", 0.130208333333},
        Classic{"fixed centre load: RA = P/2", 16, centred, "RA", 50},
        Classic{"fixed centre load: MA = −Pl/8", 16, centred, "MA", -1250},
        Classic{"fixed centre load: MB = −Pl/8", 16, centred, "MB", -1250},
        Classic{"fixed centre load: Mx = Pl/8", 16, centred, "Mx", 1250},
        Classic{"fixed triangle: MA = −wl²/30", 17, mid, "MA", -100000.0 / 3},
        Classic{"propped centre load: RA = 5P/16", 13, centred, "RA", 31.25},
        Classic{"propped centre load: RB = 11P/16", 13, centred, "RB", 68.75},
        Classic{"propped centre load: MB = 3Pl/16", 13, centred, "MB", 1875},
        Classic{"propped centre load: Mx under the load 5Pl/32", 13, centred, "Mx", 1562.5},
        Classic{"propped centre load: Mx at 3l/4", 13, {{"a", 50}, {"x", 75}}, "Mx", -156.25},
        Classic{"propped uniform: RA = 3wl/8", 14, mid, "RA", 3750},
        Classic{"propped uniform: mid-span moment wl²/16", 14, mid, "Mx", 62500},
        Classic{"simple centre load: Mx2 beyond the load", 0, {{"a", 50}, {"x2", 75}}, "Mx2", 1250},
        Classic{"simple centre load: Mx1 beyond the load", 0, {{"a", 50}, {"x1", 75}}, "Mx1", 1250},
        Classic{"simple centre load: deflection Pl³/48EI", 0, {{"a", 50}, {"E", 200000}, {"I", 1000}}, "σmax",
                100e6 / 48 / 2e8},
        Classic{"symmetric triangle: shear at 3l/4", 4, {{"x", 75}}, "Sx", -1875},
        Classic{"symmetric triangle: moment at 3l/4", 4, {{"x", 75}}, "Mx", 171875.0 / 3},
        Classic{"partial load: Mx at B is zero", 3, {{"x", 100}}, "Mx", 0}));

// --- the largest moment found along the span agrees with the maximum rows ---

double largestAlongSpan(int caseIndex, const char *position, const char *row, double span)
{
    double largest = -1e300;
    for (int i = 0; i <= 1000; ++i)
        largest = std::max(largest, value(caseIndex, {{position, span * i / 1000}}, row));
    return largest;
}

TEST(beams, MaximumRowsAreTheLargestMomentAlongTheSpan)
{
    EXPECT_NEAR(largestAlongSpan(2, "x", "Mx", 100), value(2, {}, "Mmax"), 0.001 * value(2, {}, "Mmax"));
    EXPECT_NEAR(largestAlongSpan(3, "x", "Mx", 100), value(3, {}, "Mmax"), 1e-6 * value(3, {}, "Mmax"));
    EXPECT_NEAR(largestAlongSpan(10, "x1", "Mx1", 80), value(10, {}, "Mx1max"), 1e-6 * value(10, {}, "Mx1max"));
    EXPECT_NEAR(largestAlongSpan(14, "x", "Mx", 100), value(14, {}, "Mxmax"), 1e-6 * value(14, {}, "Mxmax"));
    EXPECT_NEAR(largestAlongSpan(17, "x", "Mx", 100), value(17, {}, "Mxmax"), 0.005 * value(17, {}, "Mxmax"));
    EXPECT_NEAR(largestAlongSpan(4, "x", "Mx", 100), value(4, {}, "Mmax"), 1e-9 * value(4, {}, "Mmax"));
}

TEST(beams, MomentIsContinuousAcrossTheLoadEdges)
{
    const double eps = 1e-7;
    for (double edge : {20.0, 50.0}) {  // "Beam (4)", load from a = 20 to b = 50
        EXPECT_NEAR(value(3, {{"x", edge - eps}}, "Mx"), value(3, {{"x", edge + eps}}, "Mx"), 1e-3);
    }
    EXPECT_NEAR(value(4, {{"x", 50 - eps}}, "Mx"), value(4, {{"x", 50 + eps}}, "Mx"), 1e-3);
    EXPECT_NEAR(value(13, {{"x", 30 - eps}}, "Mx"), value(13, {{"x", 30 + eps}}, "Mx"), 1e-3);
    EXPECT_NEAR(value(0, {{"x1", 30 - eps}}, "Mx1"), value(0, {{"x1", 30 + eps}}, "Mx1"), 1e-3);
}

TEST(beams, FixedPointLoadMomentKinksByTheLoadUnderIt)
{
    // x = a: both branches agree; just beyond the load the moment falls by P per unit length
    // more than just before it.
    const double under = value(16, {{"x", 30}}, "Mx");
    const double slopeBefore = under - value(16, {{"x", 29}}, "Mx");
    const double slopeAfter = value(16, {{"x", 31}}, "Mx") - under;
    EXPECT_NEAR(slopeBefore - slopeAfter, 100, 1e-9);
}

TEST(beams, BackToFrontPartialLoadGivesNegativeReactions)
{
    const std::vector<double> rows = rowsOf(3, {{"a", 50}, {"b", 20}});
    EXPECT_LT(rows.at(0), 0);
    EXPECT_LT(rows.at(1), 0);
    EXPECT_TRUE(std::isfinite(rows.at(2)));
}

} // namespace
} // namespace beams::testing
