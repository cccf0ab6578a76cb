// Portal frames against classical closed forms, and for every frame: equilibrium of the whole
// frame with its reactions, and compatibility by the unit-load theorem.

#include "mechanics/portalframe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace mechanics;

struct FrameCase {
    std::string name;
    PortalFrame frame;
    // Checks from a classical closed form; empty for frames no handbook tabulates.
    std::vector<std::pair<std::function<double(const PortalSolution &)>, double>> checks;
};

void PrintTo(const FrameCase &c, std::ostream *out)
{
    *out << c.name;
}
std::string caseName(const testing::TestParamInfo<FrameCase> &param)
{
    return param.param.name;
}

using Read = std::function<double(const PortalSolution &)>;
Read moment(FrameMember m, double s)
{
    return [m, s](const PortalSolution &p) { return p.member(m).moment(s); };
}
// A reaction of the frame: the foot forces HA, VA, HD, VD and the foot moments MA, MD.
Read reaction(double PortalReactions::*which)
{
    return [which](const PortalSolution &p) { return p.reactions.*which; };
}
const Read HA = reaction(&PortalReactions::HA), VA = reaction(&PortalReactions::VA),
           MA = reaction(&PortalReactions::MA);
const Read HD = reaction(&PortalReactions::HD), VD = reaction(&PortalReactions::VD),
           MD = reaction(&PortalReactions::MD);

PortalFrame frame(FrameFeet feet, double h, double l, double i1, double i2)
{
    PortalFrame f;
    f.feet = feet;
    f.height = h;
    f.span = l;
    f.columnInertia = i1;
    f.beamInertia = i2;
    return f;
}

// The classical results are written with k = (I2/I1)·(h/l).
std::vector<FrameCase> classicalCases()
{
    std::vector<FrameCase> cases;
    const double h = 4, l = 6, i1 = 2, i2 = 3, k = (i2 / i1) * (h / l);
    const double w = 10, H = 7;
    {
        PortalFrame f = frame(FrameFeet::Pinned, h, l, i1, i2);
        f.distributed = {{FrameMember::BC, 0, l, w, w}};
        const double mb = -w * l * l / (4 * (2 * k + 3));
        cases.push_back({"pinned_feet_uniform_beam_load",
                         f,
                         {{moment(FrameMember::BC, 0), mb},
                          {moment(FrameMember::AB, h), mb},
                          {moment(FrameMember::CD, 0), mb},
                          {moment(FrameMember::BC, l / 2), w * l * l / 8 + mb},
                          {HA, -mb / h},
                          {HD, mb / h},
                          {VA, w * l / 2},
                          {VD, w * l / 2},
                          {MA, 0}}});
    }
    {
        PortalFrame f = frame(FrameFeet::Fixed, h, l, i1, i2);
        f.distributed = {{FrameMember::BC, 0, l, w, w}};
        cases.push_back({"fixed_feet_uniform_beam_load",
                         f,
                         {{moment(FrameMember::BC, 0), -w * l * l / (6 * (k + 2))},
                          {moment(FrameMember::BC, l), -w * l * l / (6 * (k + 2))},
                          {MA, w * l * l / (12 * (k + 2))},
                          {MD, w * l * l / (12 * (k + 2))},
                          {HA, w * l * l / (4 * h * (k + 2))},
                          {VD, w * l / 2}}});
    }
    {
        PortalFrame f = frame(FrameFeet::Pinned, h, l, i1, i2);
        f.forces = {{FrameMember::AB, h, H, 0}};
        cases.push_back({"pinned_feet_horizontal_force_at_B",
                         f,
                         {{moment(FrameMember::AB, h), H * h / 2},
                          {moment(FrameMember::CD, 0), -H * h / 2},
                          {moment(FrameMember::BC, l / 2), 0},
                          {HA, -H / 2},
                          {HD, -H / 2},
                          {VA, -H * h / l},
                          {VD, H * h / l}}});
    }
    {
        PortalFrame f = frame(FrameFeet::Fixed, h, l, i1, i2);
        f.forces = {{FrameMember::BC, 0, H, 0}};
        cases.push_back({"fixed_feet_horizontal_force_at_B",
                         f,
                         {{MA, -(H * h / 2) * (3 * k + 1) / (6 * k + 1)},
                          {MD, (H * h / 2) * (3 * k + 1) / (6 * k + 1)},
                          {moment(FrameMember::AB, h), (H * h / 2) * 3 * k / (6 * k + 1)},
                          {moment(FrameMember::CD, 0), -(H * h / 2) * 3 * k / (6 * k + 1)},
                          {HA, -H / 2},
                          {VA, -(H * h / l) * 3 * k / (6 * k + 1)}}});
    }
    return cases;
}

// Frames with loads of every kind on every member, for the properties below.
std::vector<FrameCase> everyCase()
{
    std::vector<FrameCase> cases = classicalCases();
    for (FrameFeet feet : {FrameFeet::Pinned, FrameFeet::Fixed}) {
        const std::string suffix = feet == FrameFeet::Pinned ? "_pinned" : "_fixed";
        PortalFrame wind = frame(feet, 5, 8, 3, 5);
        wind.distributed = {{FrameMember::AB, 0, 5, 1.2, 1.2}, {FrameMember::CD, 0, 5, 0.6, 0.6}};
        cases.push_back({"wind_on_both_columns" + suffix, wind, {}});

        PortalFrame mixed = frame(feet, 3.5, 7, 1, 4);
        mixed.forces = {{FrameMember::BC, 2, 1.5, 12}, {FrameMember::CD, 1, -2, 3}, {FrameMember::AB, 0.5, 4, -1}};
        mixed.couples = {{FrameMember::BC, 5, -6}, {FrameMember::AB, 2, 2.5}};
        mixed.distributed = {{FrameMember::BC, 1, 5.5, 2, 6}, {FrameMember::CD, 0.5, 3.5, 0, 3}};
        mixed.brackets = {{FrameMember::CD, 2.5, -0.4, 20}, {FrameMember::AB, 3, 0.3, 8}};
        cases.push_back({"loads_of_every_kind" + suffix, mixed, {}});

        PortalFrame tall = frame(feet, 9, 2, 0.5, 0.05);
        tall.distributed = {{FrameMember::BC, 0, 2, 0, 5}};
        tall.forces = {{FrameMember::CD, 9, 3, 0}};
        cases.push_back({"tall_narrow_frame_with_a_weak_beam" + suffix, tall, {}});
    }
    return cases;
}

class Classical : public testing::TestWithParam<FrameCase>
{
};

TEST_P(Classical, matchesTheClosedForm)
{
    const Outcome<PortalSolution> solved = solvePortalFrame(GetParam().frame);
    ASSERT_TRUE(solved) << solved.error().message;
    for (std::size_t i = 0; i < GetParam().checks.size(); ++i) {
        const auto &[read, expected] = GetParam().checks[i];
        EXPECT_NEAR(read(*solved), expected, 1e-12 * std::max(std::fabs(expected), 10.0)) << "check " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(portalframe, Classical, testing::ValuesIn(classicalCases()), caseName);

class EveryFrame : public testing::TestWithParam<FrameCase>
{
};

// ∫ s·w(s) ds of a linearly varying load over [a, b].
double firstMoment(const FrameDistributedLoad &d)
{
    return (d.to - d.from) / 6 * (d.wFrom * (2 * d.from + d.to) + d.wTo * (d.from + 2 * d.to));
}
double resultant(const FrameDistributedLoad &d)
{
    return (d.wFrom + d.wTo) / 2 * (d.to - d.from);
}

TEST_P(EveryFrame, isInEquilibriumWithItsReactions)
{
    const PortalFrame &f = GetParam().frame;
    const double h = f.height, l = f.span;
    const PortalReactions r = solvePortalFrame(f)->reactions;
    // Loads: to the right, downward, and clockwise about A.
    double right = 0, down = 0, clockwise = 0, scale = 0;
    const auto place = [&](FrameMember m, double s) -> std::pair<double, double> {
        return m == FrameMember::AB ? std::pair{0.0, s} : m == FrameMember::BC ? std::pair{s, h} : std::pair{l, h - s};
    };
    for (const FrameForce &p : f.forces) {
        const auto [x, y] = place(p.member, p.s);
        right += p.horizontal;
        down += p.vertical;
        clockwise += x * p.vertical + y * p.horizontal;
        scale += std::fabs(p.horizontal) + std::fabs(p.vertical);
    }
    for (const FrameCouple &c : f.couples)
        clockwise += c.couple;
    for (const FrameBracketLoad &b : f.brackets) {
        down += b.force;
        clockwise += (place(b.member, b.s).first + b.eccentricity) * b.force;
        scale += std::fabs(b.force);
    }
    for (const FrameDistributedLoad &d : f.distributed) {
        const double w = resultant(d);
        scale += std::fabs(w);
        if (d.member == FrameMember::BC) {
            down += w;
            clockwise += firstMoment(d);
        } else {
            right += w;
            clockwise += d.member == FrameMember::AB ? firstMoment(d) : h * w - firstMoment(d);
        }
    }
    const double size = scale * (h + l);
    EXPECT_NEAR(r.HA + r.HD + right, 0, 1e-12 * scale);
    EXPECT_NEAR(r.VA + r.VD - down, 0, 1e-12 * scale);
    // Support A turns the frame clockwise by MA, support D counter-clockwise by MD.
    EXPECT_NEAR(clockwise - l * r.VD + r.MA - r.MD, 0, 1e-12 * size);
}

// ∫ g(M(s), point(s)) / I ds over the whole frame, by three-point Gauss–Legendre on each piece:
// exact for M·m with M at most cubic and m linear.
double overTheFrame(const PortalFrame &f, const PortalSolution &p, const std::function<double(double, Point)> &g)
{
    const double nodes[] = {-std::sqrt(0.6), 0, std::sqrt(0.6)};
    const double weights[] = {5.0 / 9, 8.0 / 9, 5.0 / 9};
    double sum = 0;
    for (const FrameMemberResult &member : p.members) {
        const double inertia = member.member == FrameMember::BC ? f.beamInertia : f.columnInertia;
        const std::vector<double> &b = member.moment.breakpoints();
        for (std::size_t k = 0; k + 1 < b.size(); ++k) {
            const double mid = (b[k] + b[k + 1]) / 2, half = (b[k + 1] - b[k]) / 2;
            for (int i = 0; i < 3; ++i) {
                const double s = mid + half * nodes[i];
                sum += weights[i] * half * g(member.moment(s), member.at(s)) / inertia;
            }
        }
    }
    return sum;
}

TEST_P(EveryFrame, satisfiesCompatibilityByTheUnitLoadTheorem)
{
    // Any moment distribution m in equilibrium with no load does no work with the real
    // curvature M/EI: ∫ M·m/EI ds = 0. Without load the frame's moments are linear in x and y
    // (the moment of the foot reactions), restricted to vanish at pinned feet: m = 1, x, y for
    // fixed feet, m = y for pinned ones.
    const PortalFrame &f = GetParam().frame;
    const PortalSolution p = *solvePortalFrame(f);
    std::vector<std::function<double(Point)>> fields{[](Point q) { return q.y; }};
    if (f.feet == FrameFeet::Fixed) {
        fields.push_back([](Point) { return 1.0; });
        fields.push_back([](Point q) { return q.x; });
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto &m = fields[i];
        const double work = overTheFrame(f, p, [&m](double moment, Point q) { return moment * m(q); });
        const double scale = overTheFrame(f, p, [&m](double moment, Point q) { return std::fabs(moment * m(q)); });
        EXPECT_NEAR(work, 0, 1e-12 * scale) << "field " << i;
    }
}

TEST_P(EveryFrame, momentIsContinuousAroundTheCornersAndZeroAtPinnedFeet)
{
    const PortalFrame &f = GetParam().frame;
    const PortalSolution p = *solvePortalFrame(f);
    const Piecewise &ab = p.member(FrameMember::AB).moment, &bc = p.member(FrameMember::BC).moment,
                    &cd = p.member(FrameMember::CD).moment;
    const double scale = std::fabs(ab(f.height)) + std::fabs(cd(0)) + std::fabs(ab(0)) + std::fabs(cd(f.height));
    EXPECT_NEAR(ab.leftOf(f.height), bc.rightOf(0), 1e-12 * scale);
    EXPECT_NEAR(bc.leftOf(f.span), cd.rightOf(0), 1e-12 * scale);
    EXPECT_NEAR(ab.rightOf(0), p.reactions.MA, 1e-12 * scale);
    EXPECT_NEAR(cd.leftOf(f.height), p.reactions.MD, 1e-12 * scale);
    if (f.feet == FrameFeet::Pinned) {
        EXPECT_EQ(p.reactions.MA, 0);
        EXPECT_EQ(p.reactions.MD, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(portalframe, EveryFrame, testing::ValuesIn(everyCase()), caseName);

TEST(portalframe, veryStiffColumnsHoldTheBeamLikeFixedEndsAndVeryWeakOnesLikePins)
{
    const double l = 6, w = 10;
    for (FrameFeet feet : {FrameFeet::Pinned, FrameFeet::Fixed}) {
        PortalFrame stiff = frame(feet, 4, l, 1e9, 1);
        stiff.distributed = {{FrameMember::BC, 0, l, w, w}};
        const Piecewise m = solvePortalFrame(stiff)->member(FrameMember::BC).moment;
        EXPECT_NEAR(m(0), -w * l * l / 12, 1e-7 * w * l * l);
        EXPECT_NEAR(m(l / 2), w * l * l / 24, 1e-7 * w * l * l);

        PortalFrame weak = stiff;
        weak.columnInertia = 1e-9;
        const Piecewise s = solvePortalFrame(weak)->member(FrameMember::BC).moment;
        EXPECT_NEAR(s(0), 0, 1e-7 * w * l * l);
        EXPECT_NEAR(s(l / 2), w * l * l / 8, 1e-7 * w * l * l);
    }
}

TEST(portalframe, aForceAtACornerActsAlikeOnTheColumnTopAndTheBeamEnd)
{
    PortalFrame onColumn = frame(FrameFeet::Fixed, 4, 6, 2, 3);
    onColumn.forces = {{FrameMember::CD, 0, -5, 8}};
    PortalFrame onBeam = onColumn;
    onBeam.forces = {{FrameMember::BC, 6, -5, 8}};
    const PortalSolution a = *solvePortalFrame(onColumn), b = *solvePortalFrame(onBeam);
    EXPECT_NEAR(a.reactions.MA, b.reactions.MA, 1e-12 * 40);
    EXPECT_NEAR(a.reactions.VD, b.reactions.VD, 1e-12 * 40);
    for (double s : {0.0, 1.0, 2.5, 4.0})
        EXPECT_NEAR(a.member(FrameMember::AB).moment(s), b.member(FrameMember::AB).moment(s), 1e-12 * 40);
}

TEST(portalframe, aBracketLoadIsItsForcePlusItsCouple)
{
    PortalFrame bracket = frame(FrameFeet::Pinned, 5, 7, 2, 3);
    bracket.brackets = {{FrameMember::AB, 3.5, 0.45, 30}};
    PortalFrame split = bracket;
    split.brackets.clear();
    split.forces = {{FrameMember::AB, 3.5, 0, 30}};
    split.couples = {{FrameMember::AB, 3.5, 30 * 0.45}};
    const PortalSolution a = *solvePortalFrame(bracket), b = *solvePortalFrame(split);
    for (double s : {0.0, 3.5, 5.0})
        EXPECT_NEAR(a.member(FrameMember::AB).moment.leftOf(s), b.member(FrameMember::AB).moment.leftOf(s), 1e-12);
    // the couple makes the moment jump by +P·e along the column
    EXPECT_NEAR(a.member(FrameMember::AB).moment.jumpAt(3.5), 30 * 0.45, 1e-12);
    EXPECT_NEAR(a.reactions.VA + a.reactions.VD, 30, 1e-12);
}

TEST(portalframe, symmetricLoadGivesMirroredColumnsAndEqualReactions)
{
    PortalFrame f = frame(FrameFeet::Fixed, 4.5, 9, 1.5, 2.5);
    f.distributed = {{FrameMember::BC, 0, 4.5, 0, 8}, {FrameMember::BC, 4.5, 9, 8, 0}};
    const PortalSolution p = *solvePortalFrame(f);
    EXPECT_NEAR(p.reactions.VA, p.reactions.VD, 1e-12 * p.reactions.VA);
    EXPECT_NEAR(p.reactions.HA, -p.reactions.HD, 1e-12 * std::fabs(p.reactions.HA));
    for (double s : {0.0, 1.0, 3.0, 4.5})
        EXPECT_NEAR(p.member(FrameMember::AB).moment(s), p.member(FrameMember::CD).moment(4.5 - s), 1e-12 * 50);
    const Point c = p.member(FrameMember::CD).at(1);
    EXPECT_DOUBLE_EQ(c.x, 9);
    EXPECT_DOUBLE_EQ(c.y, 3.5);
}

TEST(portalframe, rejectsInvalidFramesWithAReason)
{
    const auto rejected = [](const PortalFrame &f) {
        const Outcome<PortalSolution> solved = solvePortalFrame(f);
        return !solved && solved.error().kind == ErrorKind::InvalidInput && !solved.error().message.empty();
    };
    EXPECT_TRUE(rejected(frame(FrameFeet::Fixed, 0, 6, 1, 1)));
    EXPECT_TRUE(rejected(frame(FrameFeet::Fixed, 4, std::nan(""), 1, 1)));
    EXPECT_TRUE(rejected(frame(FrameFeet::Pinned, 4, 6, -1, 1)));
    EXPECT_TRUE(rejected(frame(FrameFeet::Pinned, 4, 6, 1, HUGE_VAL)));
    PortalFrame f = frame(FrameFeet::Pinned, 4, 6, 1, 1);
    f.brackets = {{FrameMember::BC, 1, 0.2, 5}};
    EXPECT_TRUE(rejected(f));
    f.brackets.clear();
    f.forces = {{FrameMember::AB, 4.5, 1, 0}};  // beyond the top of a 4 high column
    EXPECT_TRUE(rejected(f));
    f.forces = {{FrameMember::BC, 3, std::nan(""), 0}};
    EXPECT_TRUE(rejected(f));
    f.forces.clear();
    f.distributed = {{FrameMember::CD, 3, 1, 1, 1}};
    EXPECT_TRUE(rejected(f));
    // finite, but the equations of so large a frame overflow: too large, not a mechanism
    EXPECT_TRUE(rejected(frame(FrameFeet::Fixed, 1e160, 1e160, 1, 1)));
}

}  // namespace
