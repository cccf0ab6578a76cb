// Moving load trains against the closed forms of a simple span, against a brute-force scan of
// random members and trains (the train put at a fine grid of positions, and the member solved
// with the axles as point forces), and the refusal of trains that cannot be searched.

#include "mechanics/movingload.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

using namespace mechanics;

Beam simpleSpan(double l)
{
    return {l, 2.05e5 * 8.69e6, {{0, SupportKind::Pinned}, {l, SupportKind::Roller}}, {}, {}, {}};
}

// The positions of the train's axles on the member for a placement.
std::vector<double> axlesAt(const Train &train, const TrainPlacement &p)
{
    std::vector<double> at;
    for (const Axle &a : train.axles)
        at.push_back(p.leftward ? p.lead + a.offset : p.lead - a.offset);
    return at;
}

TEST(movingload, SimpleSpanClosedForms)
{
    const double l = 10, p = 3;
    // One axle: M = P·x(L − x)/L at every section, PL/4 at mid-span.
    const Outcome<TrainEnvelope> one = trainEnvelope(simpleSpan(l), {{{0, p}}}, 20);
    ASSERT_TRUE(one) << one.error().message;
    for (std::size_t k = 0; k < one->x.size(); ++k)
        EXPECT_NEAR(one->moment[k].largest.value, p * one->x[k] * (l - one->x[k]) / l, 1e-12) << one->x[k];
    EXPECT_NEAR(one->largestMoment.value, p * l / 4, 1e-12);
    EXPECT_NEAR(one->largestMoment.x, l / 2, 1e-6);

    // Two equal axles a apart: the largest M under an axle a/4 from mid-span while a ≤ (2 − √2)L,
    // one axle at mid-span beyond; the largest reaction with both on the span.
    struct Row {
        double a;
        double moment, x;
    };
    const Row rows[] = {{2, p / (8 * l) * 18 * 18, 4.5},
                        {5.8, p / (8 * l) * 14.2 * 14.2, 3.55},
                        {5.9, p * l / 4, 5},
                        {8, p * l / 4, 5}};
    for (const Row &row : rows) {
        const Train train{{{0, p}, {row.a, p}}, 0, TrainWays::Both};
        const Outcome<TrainEnvelope> e = trainEnvelope(simpleSpan(l), train, 40);
        ASSERT_TRUE(e) << e.error().message;
        const TrainExtreme &m = e->largestMoment;
        EXPECT_NEAR(m.value, row.moment, 1e-11) << row.a;
        EXPECT_NEAR(std::min(std::abs(m.x - row.x), std::abs(m.x - (l - row.x))), 0, 1e-6) << row.a;
        const std::vector<double> at = axlesAt(train, m.placement);
        EXPECT_NEAR(std::min(std::abs(at[0] - m.x), std::abs(at[1] - m.x)), 0, 1e-6) << row.a;
        EXPECT_NEAR(e->largestShear.value, p * (2 * l - row.a) / l, 1e-12) << row.a;
        EXPECT_NEAR(e->largestShear.x, 0, 1e-9) << row.a;
        EXPECT_NEAR(e->smallestShear.value, -p * (2 * l - row.a) / l, 1e-12) << row.a;
        EXPECT_NEAR(e->smallestMoment.value, 0, 1e-12) << row.a;
    }
}

// Breakpoints of a line closer than the rounding of the train's positions: an axle passes both at
// one position and must leave the second piece as it enters it (a piece only 1 ulp wide, whose
// steep cubic is no value anywhere else).
TEST(movingload, BreakpointsWithinRoundingOfTheTrainsPositions)
{
    const double end = 10, beside = std::nextafter(end, 0.0);
    const Piecewise line({0, 5, beside, end}, {Polynomial({0, 0.5}), Polynomial({2.5, -0.5}), Polynomial({0, -1e3})});
    const Train train{{{0, 1}, {1000, 1}}, 0, TrainWays::Both};
    const TrainEffect e = trainEffect(line, train);
    EXPECT_NEAR(e.largest.value, 2.5, 1e-12);
    EXPECT_NEAR(e.smallest.value, 0, 1e-9);
}

// A random member of 2 to 4 spans, sometimes fixed at its left end, with an overhang or a hinge.
Beam randomMember(std::mt19937 &random)
{
    std::uniform_real_distribution<double> unit(0, 1);
    Beam b;
    b.flexuralRigidity = 2.05e5 * 8.69e6;
    const int spans = 2 + static_cast<int>(random() % 3);
    double x = 0;
    b.supports.push_back({0, unit(random) < 0.3 ? SupportKind::Fixed : SupportKind::Pinned});
    for (int s = 0; s < spans; ++s) {
        const double span = 3000 + 5000 * unit(random);
        if (s == 1 && unit(random) < 0.5)
            b.hinges.push_back(x + span * (0.2 + 0.6 * unit(random)));
        x += span;
        b.supports.push_back({x, SupportKind::Roller});
    }
    b.length = x + (unit(random) < 0.3 ? 1500 * unit(random) : 0);
    if (unit(random) < 0.3)
        b.segments.push_back({0.3 * b.length, 0.5 * b.length, 2.05e5 * 4e6});
    return b;
}

Train randomTrain(std::mt19937 &random, double length)
{
    std::uniform_real_distribution<double> unit(0, 1);
    Train t;
    const int axles = 1 + static_cast<int>(random() % 6);
    double a = 0;
    for (int i = 0; i < axles; ++i) {
        // Now and then an axle lifting, or two side by side at one offset.
        t.axles.push_back({a, 1e4 * (unit(random) < 0.1 ? -0.5 : 0.5 + unit(random))});
        a += unit(random) < 0.15 ? 0 : length * 0.15 * unit(random);
    }
    if (unit(random) < 0.4)
        t.uniform = 20 * unit(random);
    t.ways = static_cast<TrainWays>(random() % 3);
    return t;
}

// M or V at x of the member with the train placed as `p`, from the member solved with the axles
// as point forces and the uniform load on the covered parts.
double solvedWithTrain(const Beam &member, const Train &train, const TrainPlacement &p, bool moment, double x)
{
    Beam b = member;
    const std::vector<double> at = axlesAt(train, p);
    for (std::size_t i = 0; i < at.size(); ++i)
        if (at[i] >= 0 && at[i] <= b.length)
            b.forces.push_back({at[i], train.axles[i].load});
    for (const auto &[from, to] : p.covered)
        b.distributed.push_back({from, to, train.uniform, train.uniform});
    const Outcome<BeamSolution> s = solveBeam(b);
    EXPECT_TRUE(s);
    return moment ? s->moment(x) : s->shear(x);
}

TEST(movingload, NoScannedPositionBeatsTheEnvelope)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int member = 0; member < 8; ++member) {
        const Beam b = randomMember(random);
        const Train train = randomTrain(random, b.length);
        const Outcome<TrainEnvelope> e = trainEnvelope(b, train, 12);
        ASSERT_TRUE(e) << e.error().message;
        const double farthest = train.axles.back().offset;
        for (const bool moment : {true, false}) {
            const std::vector<TrainEffect> &effects = moment ? e->moment : e->shear;
            double scale = 0;
            for (const TrainEffect &f : effects)
                scale = std::max({scale, std::abs(f.largest.value), std::abs(f.smallest.value)});
            const double tolerance = 1e-9 * scale;
            const TrainExtreme &top = moment ? e->largestMoment : e->largestShear;
            const TrainExtreme &bottom = moment ? e->smallestMoment : e->smallestShear;
            for (std::size_t k = 0; k < e->x.size(); ++k) {
                const InfluenceOf of{moment ? InfluenceQuantity::Moment : InfluenceQuantity::Shear, 0, e->x[k]};
                const Outcome<Piecewise> line = influenceLine(b, of);
                ASSERT_TRUE(line) << line.error().message;
                // The envelope's own lines are influenceLine's.
                const TrainEffect direct = trainEffect(*line, train);
                EXPECT_NEAR(direct.largest.value, effects[k].largest.value, 1e-12 * scale);
                EXPECT_NEAR(direct.smallest.value, effects[k].smallest.value, 1e-12 * scale);
                for (const TrainValue *v : {&effects[k].largest, &effects[k].smallest}) {
                    EXPECT_NEAR(trainValue(*line, train, v->placement), v->value, tolerance);
                    if (v->placement.side == Side::Both && k % 5 == 0) {
                        EXPECT_NEAR(solvedWithTrain(b, train, v->placement, moment, e->x[k]), v->value, tolerance)
                            << moment << " x " << e->x[k] << " lead " << v->placement.lead << " left "
                            << v->placement.leftward << " len " << b.length << " w " << train.uniform << " axles "
                            << train.axles.size();
                    }
                }
                for (const bool leftward : {false, true}) {
                    if (train.ways == (leftward ? TrainWays::Rightward : TrainWays::Leftward))
                        continue;
                    const double first = leftward ? -farthest : 0;
                    for (int step = 0; step <= 2000; ++step) {
                        const double lead = first + (b.length + farthest) * step / 2000;
                        const TrainPlacement up{lead, leftward, Side::Both, effects[k].largest.placement.covered};
                        const TrainPlacement down{lead, leftward, Side::Both, effects[k].smallest.placement.covered};
                        const double high = trainValue(*line, train, up);
                        const double low = trainValue(*line, train, down);
                        ASSERT_LE(high, effects[k].largest.value + tolerance) << e->x[k] << " " << lead;
                        ASSERT_GE(low, effects[k].smallest.value - tolerance) << e->x[k] << " " << lead;
                        ASSERT_LE(high, top.value + tolerance);
                        ASSERT_GE(low, bottom.value - tolerance);
                        if (step % 400 == 7 && k % 4 == 1) {
                            EXPECT_NEAR(solvedWithTrain(b, train, up, moment, e->x[k]), high, tolerance);
                        }
                    }
                }
                // No other cover of the uniform load does better.
                const Piecewise integral = line->integral();
                for (int trial = 0; trial < 20; ++trial) {
                    const double from = b.length * unit(random), to = from + (b.length - from) * unit(random);
                    const double part = train.uniform * (integral(to) - integral(from));
                    EXPECT_LE(part, trainValue(*line, {{}, train.uniform, train.ways}, effects[k].largest.placement) +
                                        tolerance);
                    EXPECT_GE(part, trainValue(*line, {{}, train.uniform, train.ways}, effects[k].smallest.placement) -
                                        tolerance);
                }
            }
            // Between the sections: a fine grid of sections and positions never beats the absolute extremes.
            for (const TrainExtreme *ex : {&top, &bottom}) {
                const InfluenceOf of{moment ? InfluenceQuantity::Moment : InfluenceQuantity::Shear, 0, ex->x};
                const Outcome<Piecewise> line = influenceLine(b, of);
                ASSERT_TRUE(line);
                EXPECT_NEAR(trainValue(*line, train, ex->placement), ex->value, tolerance) << ex->x;
            }
            for (int i = 0; i <= 60; ++i) {
                const double x = b.length * (i + unit(random)) / 61;
                const InfluenceOf of{moment ? InfluenceQuantity::Moment : InfluenceQuantity::Shear, 0, x};
                const Outcome<Piecewise> line = influenceLine(b, of);
                ASSERT_TRUE(line);
                for (const bool leftward : {false, true}) {
                    if (train.ways == (leftward ? TrainWays::Rightward : TrainWays::Leftward))
                        continue;
                    const double first = leftward ? -farthest : 0;
                    for (int step = 0; step <= 400; ++step) {
                        const double lead = first + (b.length + farthest) * (step + unit(random)) / 401;
                        ASSERT_LE(trainValue(*line, train, {lead, leftward, Side::Both, top.placement.covered}),
                                  top.value + tolerance)
                            << x << " " << lead;
                        ASSERT_GE(trainValue(*line, train, {lead, leftward, Side::Both, bottom.placement.covered}),
                                  bottom.value - tolerance)
                            << x << " " << lead;
                    }
                }
            }
        }
    }
}

TEST(movingload, RefusesTrainsThatCannotBeSearched)
{
    const Train good{{{0, 1e5}, {3600, 1e5}}, 0, TrainWays::Both};
    std::vector<Train> bad(6, good);
    bad[0].axles.clear();
    bad[1].axles.assign(TrainMaxAxles + 1, {0, 1});
    bad[2].axles[1].offset = -1;
    bad[3].axles[1].offset = NAN;
    bad[4].axles[0].load = INFINITY;
    bad[5].uniform = NAN;
    for (const Train &t : bad) {
        const Outcome<TrainEnvelope> e = trainEnvelope(simpleSpan(10000), t, 10);
        ASSERT_FALSE(e);
        EXPECT_EQ(e.error().kind, ErrorKind::InvalidInput) << e.error().message;
    }
    for (const int intervals : {0, 10001})
        EXPECT_FALSE(trainEnvelope(simpleSpan(10000), good, intervals));
    Beam mechanism = simpleSpan(10000);
    mechanism.supports.pop_back();
    const Outcome<TrainEnvelope> e = trainEnvelope(mechanism, good, 10);
    ASSERT_FALSE(e);
    EXPECT_EQ(e.error().kind, ErrorKind::Mechanism);
}

}  // namespace
