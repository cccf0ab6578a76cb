// Equilibrium of the reactions, the piecewise moment and shear rows in each part of the span,
// and the fixed-end and propped-cantilever classics at mid-span.

#include "beams/tests/beamstest.h"
#include "shell/core/testing/acceptedinputs.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace beams::testing {
namespace {

double closeTo(double expected)
{
    return 1e-9 * std::max(1.0, std::fabs(expected));
}

TEST(beams, ReactionsCarryTheWholeLoad)
{
    // Input order per case: see the catalogue; loads are in N and N per length unit.
    using Load = std::function<double(const std::vector<double> &in)>;
    const Load point = [](auto &in) { return in[0]; }, uniform = [](auto &in) { return in[0] * in[1]; };
    const Load triangle = [](auto &in) { return in[0] * in[1] / 2; };
    const Load triangleAndUniform = [](auto &in) { return (in[0] * in[2] / 2) + (in[1] * in[2]); };
    // clang-format off
    const std::vector<std::pair<int, Load>> cases{
        {0, point}, {1, uniform}, {2, triangle}, {3, [](auto &in) { return in[0] * (in[2] - in[1]); }},
        {4, triangle}, {5, triangleAndUniform}, {6, point}, {7, uniform}, {8, triangle}, {9, point},
        {10, [](auto &in) { return in[0] * (in[2] + in[1]); }}, {11, [](auto &in) { return in[0] + in[1]; }},
        {12, [](auto &in) { return in[0] * (in[1] + in[3] + in[2]); }}, {13, point}, {14, uniform},
        {15, uniform}, {16, point}, {17, triangle}, {18, triangleAndUniform}};
    // clang-format on
    for (const auto &[caseIndex, totalLoad] : cases) {
        const shell::CaseDef &c = beamCase(caseIndex);
        std::vector<std::vector<double>> inputs = shell::testing::acceptedInputs(c, 5, 11);
        inputs.insert(inputs.begin(), shell::startValues(c));
        for (const std::vector<double> &in : inputs) {
            const shell::Evaluation result = shell::evaluate(c, in);
            ASSERT_FALSE(result.rejected) << c.caption;
            double reactions = 0;
            for (size_t r = 0; r < result.values.size(); ++r) {
                const std::string symbol = shell::SymbolOf(c.rows[r].caption);
                reactions += symbol == "RA" || symbol == "RB" ? result.values[r] : 0.0;
            }
            EXPECT_NEAR(reactions, totalLoad(in), closeTo(totalLoad(in))) << c.caption;
        }
    }
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
