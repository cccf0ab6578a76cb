// The diagrams of a case against hand calculations: Beam (1)'s extremes and marks, a portal
// frame built here against the classical corner moments, the column curves meeting Euler's
// hyperbola at λ0, and the window model keeping them current.

#include "beams/beams.h"
#include "buckling/buckling.h"
#include "shell/core/diagrams.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace shell;

CaseDiagrams diagramsOf(const CaseDef &c, const std::vector<double> &inputs, Units units = CatalogueUnits)
{
    const Evaluation e = evaluate(c, inputs);
    return caseDiagrams(c, 0, inputs, e.values, units);
}

// Beam (1): P at a on a simply supported span l; inputs P, a, l, x1, x2, E, I.
struct PointLoadSpan {
    const char *name;
    double P, a, l, x1, x2, E, I;
};

class beamOneDiagrams : public ::testing::TestWithParam<PointLoadSpan>
{
};

TEST_P(beamOneDiagrams, extremesAndMarksAsByHand)
{
    const PointLoadSpan s = GetParam();
    const CaseDef &c = beams::program().cases[0];
    const CaseDiagrams d = diagramsOf(c, {s.P, s.a, s.l, s.x1, s.x2, s.E, s.I});
    ASSERT_EQ(d.kind, CaseDiagrams::Kind::Members);
    ASSERT_EQ(d.members.size(), 1u);
    const MemberDiagram &m = d.members[0];
    const double b = s.l - s.a;
    const double tolerance = 1e-12;

    const Curve *M = m.curve(Quantity::Moment);
    ASSERT_NE(M, nullptr);
    EXPECT_NEAR(M->extremes.largest.value, s.P * s.a * b / s.l, tolerance * s.P * s.l);
    ASSERT_EQ(M->extremes.largest.at.size(), 1u);
    EXPECT_NEAR(M->extremes.largest.at[0].x, s.a, tolerance * s.l);

    const Curve *delta = m.curve(Quantity::Deflection);
    ASSERT_NE(delta, nullptr);
    const double underLoad = s.P * s.a * s.a * b * b / (3 * s.E * s.I * s.l);
    EXPECT_NEAR(delta->values(s.a), underLoad, 1e-12 * underLoad);
    // The largest deflection lies between the load and mid-span, and is not below the one under the load.
    EXPECT_GE(delta->extremes.largest.value, underLoad * (1 - 1e-12));
    const double where = delta->extremes.largest.at[0].x;
    EXPECT_GE(where, std::min(s.a, s.l / 2) - 1e-9 * s.l);
    EXPECT_LE(where, std::max(s.a, s.l / 2) + 1e-9 * s.l);

    const Curve *V = m.curve(Quantity::Shear);
    ASSERT_NE(V, nullptr);
    EXPECT_NEAR(V->values.jumpAt(s.a), -s.P, tolerance * s.P);
    EXPECT_NEAR(V->values.leftOf(s.a), s.P * b / s.l, tolerance * s.P);

    ASSERT_EQ(m.marks.size(), 2u);
    EXPECT_EQ(m.marks[0].label, "x1");
    EXPECT_EQ(m.marks[0].x, s.x1);
    EXPECT_EQ(m.marks[1].label, "x2");
    EXPECT_EQ(m.marks[1].x, s.x2);
    EXPECT_EQ(M->unit, "N･mm");
    EXPECT_EQ(delta->unit, "mm");
}

INSTANTIATE_TEST_SUITE_P(spans, beamOneDiagrams,
                         ::testing::Values(PointLoadSpan{"startValues", 100, 30, 100, 20, 50, 100000, 833},
                                           PointLoadSpan{"loadAtMidspan", 250, 3000, 6000, 0, 6000, 205000, 8.5e7},
                                           PointLoadSpan{"loadNearTheEnd", 1, 9.5, 10, 9.5, 1, 3, 7}),
                         [](const ::testing::TestParamInfo<PointLoadSpan> &p) { return p.param.name; });

TEST(diagrams, theSameMemberReadsInTheUnitsOfItsInputs)
{
    // 100 N at 30 mm of 100 mm is 0.1 kN at 3 cm of 10 cm: the moment 2100 N･mm is 0.21 kN･cm.
    const CaseDef &c = beams::program().cases[0];
    const Units cmKn{LengthUnit::Centimetre, ForceUnit::Kilonewton};
    const CaseDiagrams d = diagramsOf(c, {0.1, 3, 10, 2, 5, 10, 0.0833}, cmKn);
    const Curve *M = d.members[0].curve(Quantity::Moment);
    EXPECT_NEAR(M->extremes.largest.value, 0.21, 1e-15);
    EXPECT_EQ(M->unit, "kN･cm");
    EXPECT_EQ(d.lengthUnit, "cm");
}

// A portal frame with pinned feet, h = 4, l = 6, I1 = I2, w = 10 on the whole beam.
CaseDef portalCase()
{
    CaseBuilder c("Frame (1)");
    c.input("w", Dimension::LineLoad, 10);
    c.input("h", Dimension::Length, 4);
    c.input("l", Dimension::Length, 6);
    c.frame([](const std::vector<double> &in) {
        mechanics::PortalFrame f;
        f.height = in[1];
        f.span = in[2];
        f.columnInertia = 1;
        f.beamInertia = 1;
        f.feet = mechanics::FrameFeet::Pinned;
        f.distributed = {{mechanics::FrameMember::BC, 0, in[2], in[0], in[0]}};
        return f;
    });
    return c.build();
}

TEST(diagrams, portalFrameCornersAsTheClassicalFormula)
{
    const CaseDiagrams d = diagramsOf(portalCase(), {10, 4, 6});
    ASSERT_EQ(d.kind, CaseDiagrams::Kind::Frame);
    const FrameDiagram &f = *d.frame;
    const double k = (1.0 / 1.0) * (4.0 / 6.0);
    const double corner = -(10 * 36) / (4 * (2 * k + 3));
    EXPECT_NEAR(f.MB, corner, 1e-12);
    EXPECT_NEAR(f.MC, corner, 1e-12);
    EXPECT_NEAR(f.MA, 0, 1e-12);  // pinned feet
    EXPECT_NEAR(f.MD, 0, 1e-12);
    const FrameMemberDiagram &beam = f.members[1];
    EXPECT_EQ(beam.name, "BC");
    EXPECT_NEAR(beam.extremes.largest.value, (10 * 36) / 8.0 + corner, 1e-12);
    EXPECT_NEAR(beam.extremes.largest.at[0].x, 3, 1e-9);

    // Sampled member by member, each from its own start, with the frame's coordinates.
    const std::vector<FrameSample> samples = sampleFrame(f, 4);
    ASSERT_EQ(samples.size(), 15u);
    EXPECT_EQ(samples[0].member, 0);
    EXPECT_EQ(samples[4].member, 0);
    EXPECT_DOUBLE_EQ(samples[4].y, 4);
    EXPECT_EQ(samples[5].member, 1);
    EXPECT_DOUBLE_EQ(samples[7].x, 3);
    EXPECT_DOUBLE_EQ(samples[7].y, 4);
    EXPECT_NEAR(samples[7].moment, beam.extremes.largest.value, 1e-12);
    EXPECT_EQ(samples[14].member, 2);
    EXPECT_DOUBLE_EQ(samples[14].x, 6);
    EXPECT_DOUBLE_EQ(samples[14].y, 0);
}

TEST(diagrams, aMemberTheSolverCannotHoldGivesItsReason)
{
    CaseBuilder c("Loose");
    c.input("l", Dimension::Length, 10);
    c.member({}, [](const std::vector<double> &in) {
        mechanics::Beam b;
        b.length = in[0];
        b.supports = {{0, mechanics::SupportKind::Pinned}};
        b.forces = {{5, 1}};
        return b;
    });
    const CaseDiagrams d = diagramsOf(c.build(), {10});
    EXPECT_EQ(d.kind, CaseDiagrams::Kind::Error);
    EXPECT_NE(d.error.find("cannot be solved"), std::string::npos) << d.error;
    EXPECT_TRUE(d.members.empty());
}

// Buckling cases 1..4 are Euler columns, 5..9 empirical lines (5 cast iron, λ0 = 80).
TEST(diagrams, empiricalLineMeetsEulerAtTheLimit)
{
    const CaseDef &castIron = buckling::program().cases[4];
    const CaseDiagrams d = diagramsOf(castIron, {100, 833, 100});
    ASSERT_EQ(d.kind, CaseDiagrams::Kind::Column);
    const ColumnCurveDiagram &c = *d.column;
    const double l0 = 80;
    const double atLimit = 761 * (1 - 0.01546 * l0 + 0.00007 * l0 * l0);
    EXPECT_NEAR(c.empiricalAt(l0), atLimit, 1e-12 * atLimit);
    EXPECT_NEAR(c.euler(l0), atLimit, 1e-12 * atLimit);
    EXPECT_NEAR(c.euler(2 * l0), atLimit / 4, 1e-12 * atLimit);
    EXPECT_TRUE(std::isnan(c.euler(l0 / 2)));           // the line governs there
    EXPECT_TRUE(std::isnan(c.empiricalAt(l0 * 1.01)));  // and Euler beyond
    EXPECT_EQ(c.empiricalAt(0), 761);
    // The current column: λ = l / √(I / A).
    EXPECT_NEAR(c.lambda, 100 / std::sqrt(8.33), 1e-12);
    EXPECT_GT(c.lambdaMax, 1.5 * l0);

    // The table holds λ0 (not a multiple of λmax / 7) with both lines on that row.
    const std::vector<ColumnSample> rows = sampleColumnCurve(c, 7);
    ASSERT_EQ(rows.size(), 9u);
    int limitRows = 0;
    for (const ColumnSample &r : rows) {
        if (r.lambda == l0) {
            ++limitRows;
            EXPECT_NEAR(r.euler, r.empirical, 1e-12 * atLimit);
        } else {
            EXPECT_NE(std::isnan(r.euler), std::isnan(r.empirical)) << r.lambda;
        }
    }
    EXPECT_EQ(limitRows, 1);
}

TEST(diagrams, eulerColumnFollowsItsHyperbolaInEveryUnit)
{
    // Pinned-pinned (n = 1), E = 100000 N/mm²: σ·λ² = π²·E everywhere on the curve.
    const CaseDef &pinned = buckling::program().cases[1];
    const CaseDiagrams mm = diagramsOf(pinned, {100, 100000, 833, 100, 1});
    const ColumnCurveDiagram &c = *mm.column;
    const double piSquaredE = 9.869600294464002 * 100000;
    for (const double lambda : {10.0, 57.7, 300.0})
        EXPECT_NEAR(c.euler(lambda) * lambda * lambda, piSquaredE, 1e-9 * piSquaredE) << lambda;
    EXPECT_FALSE(c.empirical.has_value());
    EXPECT_TRUE(std::isnan(c.euler(0)));
    EXPECT_EQ(c.stressUnit, "N/mm^2");

    // The empirical constants are N/mm²: in kN/m² the line starts 1000 times higher.
    const CaseDiagrams m =
        diagramsOf(buckling::program().cases[4], {0.1, 8.33e-10, 1e-4}, {LengthUnit::Metre, ForceUnit::Kilonewton});
    EXPECT_DOUBLE_EQ(m.column->empiricalAt(0), 761000);
    EXPECT_NEAR(m.column->lambda, 100 / std::sqrt(8.33), 1e-9);
}

TEST(diagrams, numbersReadWholeAndNeverAsNan)
{
    const std::pair<double, const char *> table[] = {
        {2100, "2100"},    {13.33333, "13.33"},    {0.0355556, "0.03556"}, {-1.5e-5, "-1.5e-05"}, {0, "0"},
        {-0.0, "0"},       {1234567, "1.235e+06"}, {999999, "999999"},     {0.001, "0.001"},      {-30, "-30"},
        {1e300, "1e+300"}, {std::nan(""), ""},     {INFINITY, ""},         {-INFINITY, ""},
    };
    for (const auto &[value, text] : table)
        EXPECT_EQ(diagramNumber(value), text) << value;
}

TEST(diagrams, valuesAtAJumpShowBothSides)
{
    const CaseDiagrams d = diagramsOf(beams::program().cases[0], {100, 30, 100, 20, 50, 100000, 833});
    const MemberDiagram &m = d.members[0];
    EXPECT_EQ(valuesAtText(m, 30, false, "mm").substr(0, 37), "x = 30 mm   V = 70 | -30 N   M = 2100");
    const std::string withSlope = valuesAtText(m, 50, true, "mm");
    EXPECT_NE(withSlope.find("θ = "), std::string::npos);
    EXPECT_NE(withSlope.find("M = 1500 N･mm"), std::string::npos);
    EXPECT_EQ(valuesAtText(m, 50, false, "mm").find("θ"), std::string::npos);
}

mechanics::TrainPlacement placed(double lead, bool leftward = false,
                                 std::vector<std::pair<double, double>> covered = {})
{
    mechanics::TrainPlacement p;
    p.lead = lead;
    p.leftward = leftward;
    p.covered = std::move(covered);
    return p;
}

// One wheel P rolling over a simple span l, its envelopes as the closed forms give them: the
// largest shear P(l − x)/l with the wheel just right of x, the smallest −Px/l just left of it,
// the largest moment Px(l − x)/l under the wheel, the smallest 0.
MemberDiagram rollingWheel(double P, double l)
{
    using mechanics::Piecewise;
    using mechanics::Polynomial;
    MemberDiagram m;
    m.beam.length = l;
    m.beam.supports = {{0, mechanics::SupportKind::Pinned}, {l, mechanics::SupportKind::Roller}};
    const auto envelope = [&](Quantity q, const Piecewise &upper, const Piecewise &lower, const char *unit) {
        Curve c{q, upper, {mechanics::extremes(upper).largest, mechanics::extremes(lower).smallest}, unit};
        c.smallest = lower;
        m.curves.push_back(c);
    };
    envelope(Quantity::Shear, Piecewise::single(0, l, Polynomial({P, -P / l})),
             Piecewise::single(0, l, Polynomial({0, -P / l})), "N");
    envelope(Quantity::Moment, Piecewise::single(0, l, Polynomial({0, P, -P / l})),
             Piecewise::single(0, l, Polynomial({0})), "N･mm");
    TrainDiagram t;
    t.train.axles = {{0, P}};
    t.largestShear = {P, 0, placed(0)};
    t.smallestShear = {-P, l, placed(l)};
    t.largestMoment = {P * l / 4, l / 2, placed(l / 2, true)};
    t.smallestMoment = {0, 0, placed(0)};
    m.train = t;
    return m;
}

TEST(diagrams, anEnvelopeReadsBothItsCurvesAndWhereTheLoadStands)
{
    const MemberDiagram m = rollingWheel(10, 8);
    const std::vector<EnvelopeSample> rows = sampleEnvelope(m, 4);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1].x, 2);
    EXPECT_DOUBLE_EQ(rows[1].shearLargest, 7.5);
    EXPECT_DOUBLE_EQ(rows[1].shearSmallest, -2.5);
    EXPECT_DOUBLE_EQ(rows[1].momentLargest, 15);
    EXPECT_DOUBLE_EQ(rows[1].momentSmallest, 0);
    EXPECT_EQ(valuesAtText(m, 2, true, "mm"),
              "x = 2 mm   Vmax = 7.5 N   Vmin = -2.5 N   Mmax = 15 N･mm   Mmin = 0 N･mm");
    EXPECT_EQ(trainPlacementText(m, Quantity::Moment, "mm"), "Mmax 20 N･mm at x = 4 mm, wheel at 4 mm");
    EXPECT_EQ(trainPlacementText(m, Quantity::Shear, "mm"), "Vmax 10 N at x = 0 mm, wheel at 0 mm");
    // A pair: the second wheel behind the first, on the member or off it; a uniform part.
    MemberDiagram pair = m;
    pair.train->train.axles.push_back({3, 10});
    pair.train->largestMoment.placement = placed(5, false, {{0, 2.5}});
    EXPECT_EQ(trainPlacementText(pair, Quantity::Moment, "mm"),
              "Mmax 20 N･mm at x = 4 mm, wheels at 2 and 5 mm, uniform load from 0 to 2.5 mm");
    pair.train->largestMoment.placement = placed(6, true);
    EXPECT_EQ(trainPlacementText(pair, Quantity::Moment, "mm"), "Mmax 20 N･mm at x = 4 mm, wheel at 6 mm");
    // A member without a moving load has no words, and its rows are its curve on both sides.
    const CaseDiagrams fixed = diagramsOf(beams::program().cases[0], {100, 30, 100, 20, 50, 100000, 833});
    EXPECT_EQ(trainPlacementText(fixed.members[0], Quantity::Moment, "mm"), "");
    for (const EnvelopeSample &s : sampleEnvelope(fixed.members[0], 10))
        EXPECT_EQ(s.momentLargest, s.momentSmallest);
}

TEST(diagramsInTheModel, followEveryAcceptedKeystrokeAndKeepTheViewAcrossCases)
{
    shell::testing::RecordingPlatform platform;
    ShellModel model(beams::program(), platform);
    model.start();
    ASSERT_EQ(model.diagrams().kind, CaseDiagrams::Kind::Members);
    EXPECT_EQ(model.chartArea(), ChartArea::Results);
    model.chooseView(ChartArea::Diagrams);

    model.setText(0, "200");  // P
    EXPECT_DOUBLE_EQ(model.diagrams().members[0].curve(Quantity::Moment)->extremes.largest.value, 4200);
    model.setText(1, "150");  // a beyond l: rejected, the diagrams of P = 200 stay
    EXPECT_TRUE(model.lastRejected());
    EXPECT_DOUBLE_EQ(model.diagrams().members[0].curve(Quantity::Moment)->extremes.largest.value, 4200);
    model.setText(1, "30");

    model.selectCase(1);  // another case: its own member
    EXPECT_EQ(model.diagrams().kind, CaseDiagrams::Kind::Members);
    EXPECT_EQ(model.chartArea(), ChartArea::Diagrams);
    model.selectCase(0);
    EXPECT_EQ(model.chartArea(), ChartArea::Diagrams);

    model.chooseUnit(LengthUnit::Centimetre);
    EXPECT_EQ(model.diagrams().lengthUnit, "cm");
    EXPECT_EQ(model.diagrams().members[0].marks[0].x, 2);

    model.toggleSlope();
    EXPECT_TRUE(model.showSlope());
    model.chooseChartType(ChartType::Line2D);  // a look of the results chart shows the chart
    EXPECT_EQ(model.chartArea(), ChartArea::Results);
}

}  // namespace
