// Rows that are not the value of one loaded member at one point: the deflection of a partial
// load taken as if it were centred, and the largest reaction and moment of a pair of wheels
// moving over a span, found here by moving the pair over the solved span.

#include "cantilever/tests/cantilevertest.h"
#include "mechanics/beam.h"
#include "mechanics/extremes.h"
#include "shell/core/diagrams.h"
#include "shell/core/testing/acceptedinputs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace cantilever::tests {
namespace {

constexpr int PartialLoad = 18;  // "Cantilever (19)"
constexpr int WheelPair = 20;    // "Cantilever (21)"

double largestMagnitude(const mechanics::Piecewise &diagram)
{
    const mechanics::Extremes e = mechanics::extremes(diagram);
    return std::max(std::abs(e.largest.value), std::abs(e.smallest.value));
}

mechanics::BeamSolution solvedSpan(const shell::CaseDef &c, const std::vector<double> &inputs)
{
    const auto solved = mechanics::solveBeam(c.members.at(0).beam(inputs));
    EXPECT_TRUE(solved.ok());
    return *solved;
}

// fmax is the mid-span deflection of the load b centred on the span: the deflection of the
// drawn member where a = c, and no smaller than its largest deflection anywhere else.
TEST(cantileverEnvelopes, PartialLoadDeflectionIsTheCentredOne)
{
    const shell::CaseDef &c = caseDef(PartialLoad);
    const int fmax = 3;
    ASSERT_EQ(shell::SymbolOf(c.rows[fmax].caption), "fmax");
    for (std::vector<double> inputs : shell::testing::acceptedInputs(c, 20, 19)) {
        const double row = shell::evaluate(c, inputs).values[fmax];
        const mechanics::BeamSolution drawn = solvedSpan(c, inputs);
        const double largest = largestMagnitude(*drawn.deflection);
        EXPECT_GE(std::abs(row), largest * (1 - 1e-12)) << ::testing::PrintToString(inputs);
        EXPECT_EQ(row > 0, inputs[3] > 0) << "the sign of w";
        inputs[2] = inputs[0];  // c = a: the load centred
        const mechanics::BeamSolution centred = solvedSpan(c, inputs);
        EXPECT_NEAR(shell::evaluate(c, inputs).values[fmax], (*centred.deflection)(centred.length / 2),
                    1e-9 * largestMagnitude(*centred.deflection));
    }
    // A short load next to a support: the centred value is far above the drawn member's 320.7.
    const Results offCentre = run(PartialLoad, {{"a", 0}, {"b", 1}, {"c", 99}, {"E", 1}, {"I", 1}});
    EXPECT_NEAR(offCentre["fmax"], 20832.3, 0.1);
}

// The largest upward reaction and sagging moment (or, for uplift, the largest downward and
// hogging ones) of the span l carrying the wheels w at p and p + a that stand on it.
struct Envelope {
    double reaction = 0;
    double moment = 0;
};

Envelope movePair(double w, double l, double a)
{
    const double sign = w >= 0 ? 1 : -1;
    std::vector<double> positions;
    const int samples = 800;
    for (int k = 0; k <= samples; ++k)
        positions.push_back(-a + ((l + a) * k) / samples);
    // Where the envelope is reached: a wheel over a support, one wheel at mid-span, and mid-span
    // halfway between a wheel and the resultant of the pair.
    for (const double p : {0.0, l - a, -a, l, l / 2, (l / 2) - a, (l / 2) - ((3 * a) / 4), (l / 2) - (a / 4)})
        positions.push_back(p);
    Envelope largest;
    for (const double p : positions) {
        mechanics::Beam span;
        span.length = l;
        span.supports = {{0, mechanics::SupportKind::Pinned}, {l, mechanics::SupportKind::Roller}};
        for (const double x : {p, p + a})
            if (x >= 0 && x <= l)
                span.forces.push_back({x, w});
        const auto solved = mechanics::solveBeam(span);
        if (!solved.ok()) {
            ADD_FAILURE() << solved.error().message;
            continue;
        }
        const mechanics::Extremes m = mechanics::extremes(solved->moment);
        largest.reaction =
            std::max({largest.reaction, sign * solved->reactions[0].force, sign * solved->reactions[1].force});
        largest.moment = std::max(largest.moment, sign > 0 ? m.largest.value : -m.smallest.value);
    }
    return {sign * largest.reaction, sign * largest.moment};
}

// The formula switches to one wheel at 0.586 l, where the two-wheel moment w(2l − a)²/(8l)
// falls to w l / 4 only at 2 − √2 = 0.5858 l: just below the switch the row is short of the
// envelope by at most this fraction.
const double RoundedSwitchShortfall = 1 - (std::pow(2 - 0.586, 2) / 2);

TEST(cantileverEnvelopes, WheelPairRowsAreTheEnvelopesOfTheMovingPair)
{
    const shell::CaseDef &c = caseDef(WheelPair);
    std::vector<std::vector<double>> sets = shell::testing::acceptedInputs(c, 20, 21);
    ASSERT_EQ(sets.size(), 20u);
    // The start values, pairs close together, at the spacing 2l/3 where the two-wheel position
    // first puts a wheel at the support, and a span or more apart.
    for (const double a : {30.0, 0.0, 1.0, 50.0, 58.5, 58.59, 66.0, 200.0 / 3, 80.0, 100.0, 150.0})
        sets.push_back({100, 100, a});
    for (const std::vector<double> &inputs : sets) {
        const double w = inputs[0], l = inputs[1], a = inputs[2];
        const std::vector<double> rows = shell::evaluate(c, inputs).values;
        const Envelope moved = movePair(w, l, a);
        const double scale = std::abs(w) * l;
        EXPECT_NEAR(rows[0], moved.reaction, 1e-9 * std::abs(w)) << ::testing::PrintToString(inputs);
        const bool nearSwitch = a > (2 - std::sqrt(2.0)) * l && a <= 0.586 * l;
        EXPECT_NEAR(rows[1], moved.moment, (nearSwitch ? RoundedSwitchShortfall : 1e-9) * scale / 4)
            << ::testing::PrintToString(inputs);
    }
}

// The case's envelope diagram against the closed forms: the largest moment w(2l − a)²/(8l) under
// the first wheel at l/2 − a/4 while both wheels are worth it, wl/4 with one wheel at mid-span
// beyond a = (2 − √2) l; the largest shear the largest reaction. Each row claims its extreme and
// agrees with it, near the rounded switch too (the rows' shortfall there is within
// LargestTolerance); a row that disagreed would have the envelope's value beside it.
TEST(cantileverEnvelopes, WheelPairDiagramIsTheEnvelopeItsRowsClaim)
{
    const shell::CaseDef &c = caseDef(WheelPair);
    const double w = 100, l = 100;
    for (const double a : {30.0, 0.0, 50.0, 58.5, 58.59, 58.6, 70.0, 150.0}) {
        const std::vector<double> inputs{w, l, a};
        const std::vector<double> rows = shell::evaluate(c, inputs).values;
        const shell::CaseDiagrams d = shell::caseDiagrams(c, WheelPair, inputs, rows, shell::CatalogueUnits);
        ASSERT_EQ(d.kind, shell::CaseDiagrams::Kind::Members) << d.error;
        const shell::MemberDiagram &m = d.members.at(0);
        const shell::Curve *V = m.curve(shell::Quantity::Shear);
        const shell::Curve *M = m.curve(shell::Quantity::Moment);
        ASSERT_TRUE(V && M && V->envelope() && M->envelope());
        const bool pair = a < (2 - std::sqrt(2.0)) * l;
        const double Mmax = pair ? (w / (8 * l)) * std::pow((2 * l) - a, 2) : (w * l) / 4;
        EXPECT_NEAR(M->extremes.largest.value, Mmax, 1e-9 * Mmax) << "a = " << a;
        // Under the first wheel left of mid-span, the leftmost of the two places of a symmetric span.
        EXPECT_NEAR(M->extremes.largest.at.front().x, (l / 2) - (pair ? a / 4 : 0), 1e-6 * l) << "a = " << a;
        EXPECT_EQ(M->extremes.smallest.value, 0);
        EXPECT_NEAR(V->extremes.largest.value, a >= l ? w : (w / l) * ((2 * l) - a), 1e-9 * w) << "a = " << a;
        EXPECT_NEAR(V->extremes.smallest.value, -V->extremes.largest.value, 1e-9 * w);
        for (int r = 0; r < 2; ++r) {
            const double row = rows[static_cast<std::size_t>(r)];
            EXPECT_FALSE(shell::rowLargest(c, d, r, row))
                << c.rows[static_cast<std::size_t>(r)].caption << " at a = " << a;
            const auto beside = shell::rowLargest(c, d, r, row * 0.99);
            ASSERT_TRUE(beside);
            EXPECT_EQ(beside->value, r == 0 ? V->extremes.largest.value : M->extremes.largest.value);
        }
        if (a == 58.59) {  // just below the rounded switch: the row's two-wheel moment short of wl/4
            EXPECT_GT(1 - (rows[1] / Mmax), 1e-4);
            EXPECT_LT(1 - (rows[1] / Mmax), shell::LargestTolerance);
        }
    }
    const std::vector<double> start = shell::startValues(c);
    const shell::CaseDiagrams d =
        shell::caseDiagrams(c, WheelPair, start, shell::evaluate(c, start).values, shell::CatalogueUnits);
    // Mmax is 3612.5 (w/(8l)·(2l − a)²), written to four digits as the search's last bit rounds it.
    const double Mmax = d.members.at(0).curve(shell::Quantity::Moment)->extremes.largest.value;
    EXPECT_NEAR(Mmax, 3612.5, 1e-9 * 3612.5);
    EXPECT_EQ(shell::trainPlacementText(d.members.at(0), shell::Quantity::Moment, d.lengthUnit),
              "Mmax " + shell::diagramNumber(Mmax) + " N･mm at x = 42.5 mm, wheels at 42.5 and 72.5 mm");
}

}  // namespace
}  // namespace cantilever::tests
