// Piecewise diagrams: both sides of a jump, calculus across pieces, extremes and sampling.

#include "mechanics/extremes.h"
#include "mechanics/piecewise.h"
#include "mechanics/sampling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using namespace mechanics;

// The shear of a simply supported span L = 6 with P = 10 at x = 2: +20/3, then −10/3.
Piecewise spanShear()
{
    return Piecewise({0, 2, 6}, {Polynomial({20.0 / 3}), Polynomial({-10.0 / 3})});
}

TEST(piecewise, jumpsAreSeenFromBothSides)
{
    const Piecewise v = spanShear();
    EXPECT_DOUBLE_EQ(v.leftOf(2), 20.0 / 3);
    EXPECT_DOUBLE_EQ(v.rightOf(2), -10.0 / 3);
    EXPECT_DOUBLE_EQ(v(2), -10.0 / 3);
    EXPECT_DOUBLE_EQ(v.jumpAt(2), -10);
    EXPECT_DOUBLE_EQ(v(6), -10.0 / 3);  // the right end has only a left side
    EXPECT_DOUBLE_EQ(v.jumpAt(0), 0);
    EXPECT_DOUBLE_EQ(v.jumpAt(4), 0);
}

TEST(piecewise, integralIsContinuousAndDerivativeUndoesIt)
{
    const Piecewise m = spanShear().integral();
    EXPECT_NEAR(m(2), 40.0 / 3, 1e-13);  // P·a·b/L
    EXPECT_NEAR(m(6), 0, 1e-13);
    EXPECT_NEAR(m(4), 20.0 / 3, 1e-13);
    EXPECT_DOUBLE_EQ(m.derivative().leftOf(2), 20.0 / 3);
    const Piecewise line = Piecewise::single(0, 6, Polynomial({1, 0.5}));
    const Piecewise sum = m + line;
    ASSERT_EQ(sum.breakpoints().size(), 3u);
    for (double x : {0.0, 1.0, 2.0, 3.5, 6.0})
        EXPECT_NEAR(sum(x), m(x) + 1 + 0.5 * x, 1e-13);
    EXPECT_NEAR((m * -2)(2), -80.0 / 3, 1e-13);
}

TEST(extremes, aPlateauIsReportedByItsEndsAndAJumpByItsSide)
{
    const Extremes v = extremes(spanShear());
    EXPECT_DOUBLE_EQ(v.largest.value, 20.0 / 3);
    ASSERT_EQ(v.largest.at.size(), 2u);
    EXPECT_EQ(v.largest.at[0].x, 0);
    EXPECT_EQ(v.largest.at[0].side, Side::Both);
    EXPECT_EQ(v.largest.at[1].x, 2);
    EXPECT_EQ(v.largest.at[1].side, Side::Left);
    ASSERT_EQ(v.smallest.at.size(), 2u);
    EXPECT_EQ(v.smallest.at[0].side, Side::Right);
    EXPECT_EQ(v.smallest.at[1].x, 6);
}

TEST(extremes, equalPeaksInDifferentPiecesAreBothFound)
{
    // One hump twice: 1 − (t − 1)² on [0, 2] and again on [2, 4]; the peaks at 1 and 3
    // are stationary points inside pieces, the valleys at the breakpoints.
    const Polynomial hump({0, 2, -1});
    const Extremes e = extremes(Piecewise({0, 2, 4}, {hump, hump}));
    EXPECT_DOUBLE_EQ(e.largest.value, 1);
    ASSERT_EQ(e.largest.at.size(), 2u);
    EXPECT_DOUBLE_EQ(e.largest.at[0].x, 1);
    EXPECT_DOUBLE_EQ(e.largest.at[1].x, 3);
    EXPECT_DOUBLE_EQ(e.smallest.value, 0);
    ASSERT_EQ(e.smallest.at.size(), 3u);  // 0, 2 (from both sides: one position) and 4
    EXPECT_EQ(e.smallest.at[1].side, Side::Both);
}

TEST(extremes, aPeakOnABreakpointIsOnePosition)
{
    // The same parabola cut at its peak: the root of the derivative at the cut is not a second
    // position next to the breakpoint.
    const Polynomial left({0, 2, -1});
    const Extremes e = extremes(Piecewise({0, 1, 2}, {left, left.shifted(1)}));
    ASSERT_EQ(e.largest.at.size(), 1u);
    EXPECT_EQ(e.largest.at[0].x, 1);
    EXPECT_EQ(e.largest.at[0].side, Side::Both);
}

TEST(sampling, equallySpacedPointsPlusBothSidesOfEveryJump)
{
    const Piecewise v = spanShear();
    const Piecewise m = v.integral();
    const std::vector<Sample> s = samplePositions({&v, &m}, 3);
    // 0, 2 (left), 2 (right), 4, 6: the equally spaced 2 is the breakpoint itself.
    ASSERT_EQ(s.size(), 5u);
    EXPECT_EQ(s[1].x, 2);
    EXPECT_EQ(s[1].side, Side::Left);
    EXPECT_EQ(s[2].side, Side::Right);
    EXPECT_DOUBLE_EQ(valueAt(v, s[1]), 20.0 / 3);
    EXPECT_DOUBLE_EQ(valueAt(v, s[2]), -10.0 / 3);
    EXPECT_EQ(s[3].x, 4);
    EXPECT_EQ(samplePositions({&v}, 0).size(), 4u);  // at least one interval
}

}  // namespace
