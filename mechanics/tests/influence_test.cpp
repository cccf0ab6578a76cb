// Influence lines against closed forms, and against the member solved for a unit load placed
// elsewhere than where the line was taken (so the pieces' degree and breakpoints are tested).

#include "mechanics/influence.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

using namespace mechanics;

Beam span(double length, std::vector<Support> supports)
{
    Beam b;
    b.length = length;
    b.flexuralRigidity = 2.05e5 * 8.69e6;
    b.supports = std::move(supports);
    return b;
}

double largestOf(const Piecewise &f)
{
    double m = 0;
    for (int k = 0; k <= 400; ++k)
        m = std::max(m, std::abs(f(f.end() * k / 400)));
    return m;
}

TEST(influence, ClosedFormsOfASimpleSpanAndTwoEqualSpans)
{
    const Beam simple = span(10, {{0, SupportKind::Pinned}, {10, SupportKind::Roller}});
    const Outcome<Piecewise> r = influenceLine(simple, {InfluenceQuantity::Reaction, 0, 0});
    const Outcome<Piecewise> m = influenceLine(simple, {InfluenceQuantity::Moment, 0, 4});
    ASSERT_TRUE(r && m);
    for (const double xi : {0.0, 0.3, 2.2, 4.0, 7.7, 9.9, 10.0}) {
        EXPECT_NEAR((*r)(xi), 1 - xi / 10, 1e-12) << xi;
        EXPECT_NEAR((*m)(xi), xi <= 4 ? 0.6 * xi : 0.4 * (10 - xi), 1e-12) << xi;
    }
    // The middle support of two equal spans l: ξ (3l² − ξ²) / (2l³) under the first span.
    const double l = 4000;
    const Beam two = span(2 * l, {{0, SupportKind::Pinned}, {l, SupportKind::Roller}, {2 * l, SupportKind::Roller}});
    const Outcome<Piecewise> rb = influenceLine(two, {InfluenceQuantity::Reaction, 1, 0});
    ASSERT_TRUE(rb);
    for (const double xi : {0.0, 500.0, 1234.5, 3000.0, 4000.0})
        EXPECT_NEAR((*rb)(xi), xi * (3 * l * l - xi * xi) / (2 * l * l * l), 1e-12) << xi;
    EXPECT_NEAR((*rb)(6000), (*rb)(2000), 1e-12);  // symmetric
}

TEST(influence, EqualsTheMemberSolvedForAUnitLoadAnywhere)
{
    Beam b = span(10000, {{0, SupportKind::Fixed},
                          {3000, SupportKind::Roller},
                          {6500, SupportKind::Spring, 4000, 0, 0},
                          {10000, SupportKind::Pinned}});
    b.hinges = {4500};
    b.segments = {{7000, 9000, 2.05e5 * 4e6}};
    b.forces = {{2000, 5e4}};  // the member's own loads play no part
    const std::vector<InfluenceOf> quantities = {
        {InfluenceQuantity::Reaction, 0, 0},  {InfluenceQuantity::ReactionMoment, 0, 0},
        {InfluenceQuantity::Reaction, 2, 0},  {InfluenceQuantity::Shear, 0, 5200},
        {InfluenceQuantity::Moment, 0, 1700}, {InfluenceQuantity::Moment, 0, 8000},
        {InfluenceQuantity::Slope, 0, 9500},  {InfluenceQuantity::Deflection, 0, 5500}};
    std::mt19937 random(7);
    std::uniform_real_distribution<double> along(0, 10000);
    Beam unit = b;
    unit.forces.clear();
    for (const InfluenceOf &of : quantities) {
        const Outcome<Piecewise> line = influenceLine(b, of);
        ASSERT_TRUE(line) << line.error().message;
        const double scale = largestOf(*line);
        ASSERT_GT(scale, 0);
        for (int k = 0; k < 25; ++k) {
            const double xi = along(random);
            unit.forces = {{xi, 1.0}};
            const Outcome<BeamSolution> s = solveBeam(unit);
            ASSERT_TRUE(s);
            const double direct = of.quantity == InfluenceQuantity::Reaction         ? s->reactions[of.support].force
                                  : of.quantity == InfluenceQuantity::ReactionMoment ? s->reactions[of.support].moment
                                  : of.quantity == InfluenceQuantity::Shear          ? s->shear(of.x)
                                  : of.quantity == InfluenceQuantity::Moment         ? s->moment(of.x)
                                  : of.quantity == InfluenceQuantity::Slope          ? (*s->slope)(of.x)
                                                                                     : (*s->deflection)(of.x);
            EXPECT_NEAR((*line)(xi), direct, 1e-9 * scale) << static_cast<int>(of.quantity) << " at " << xi;
        }
    }
}

TEST(influence, RefusesWhatHasNoLine)
{
    Beam b = span(10, {{0, SupportKind::Pinned}, {10, SupportKind::Roller}});
    EXPECT_FALSE(influenceLine(b, {InfluenceQuantity::Reaction, 2, 0}));
    EXPECT_FALSE(influenceLine(b, {InfluenceQuantity::Moment, 0, 11}));
    EXPECT_FALSE(influenceLine(b, {InfluenceQuantity::Moment, 0, NAN}));
    b.flexuralRigidity.reset();
    EXPECT_FALSE(influenceLine(b, {InfluenceQuantity::Deflection, 0, 5}));
    EXPECT_TRUE(influenceLine(b, {InfluenceQuantity::Shear, 0, 5}));
    b.supports.pop_back();
    const Outcome<Piecewise> mechanism = influenceLine(b, {InfluenceQuantity::Shear, 0, 5});
    ASSERT_FALSE(mechanism);
    EXPECT_EQ(mechanism.error().kind, ErrorKind::Mechanism);
}

}  // namespace
