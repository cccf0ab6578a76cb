// Straight members against handbook closed forms, and properties every solution must have: jumps
// where the loads are, mirror symmetry and superposition (equilibrium, the support conditions and
// continuity are checked on the same members in member_test.cpp).

#include "beamcases.h"

#include "mechanics/beam.h"
#include "mechanics/extremes.h"
#include "mechanics/sampling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace mechanics;
using beamcases::HandbookCase;
using beamcases::largestMagnitude;

std::string caseName(const testing::TestParamInfo<HandbookCase> &param)
{
    return param.param.name;
}

class Handbook : public testing::TestWithParam<HandbookCase>
{
};

TEST_P(Handbook, matchesTheClosedForms)
{
    const Outcome<BeamSolution> solved = solveBeam(GetParam().beam);
    ASSERT_TRUE(solved) << solved.error().message;
    for (const beamcases::Check &check : GetParam().checks) {
        SCOPED_TRACE(check.what);
        EXPECT_NEAR(check.actual(*solved), check.expected, 1e-12 * std::max(std::fabs(check.expected), 1e-3));
    }
}

INSTANTIATE_TEST_SUITE_P(beam, Handbook, testing::ValuesIn(beamcases::handbookCases()), caseName);

class EverySolution : public testing::TestWithParam<HandbookCase>
{
};

TEST_P(EverySolution, jumpsOnlyUnderPointForcesAndCouples)
{
    const Beam &beam = GetParam().beam;
    const BeamSolution s = *solveBeam(beam);
    const double shearScale = largestMagnitude(s.shear);
    const double momentScale = largestMagnitude(s.moment);
    for (double x : s.shear.breakpoints()) {
        if (x == 0 || x == beam.length)
            continue;
        double force = 0, couple = 0;  // what acts at x: −P and reactions, couples
        for (const PointForce &p : beam.forces)
            force -= p.x == x ? p.force : 0.0;
        for (const PointCouple &c : beam.couples)
            couple += c.x == x ? c.couple : 0.0;
        for (const Reaction &r : s.reactions) {
            force += r.support.x == x ? r.force : 0.0;
            couple += r.support.x == x ? r.moment : 0.0;
        }
        EXPECT_NEAR(s.shear.jumpAt(x), force, 1e-12 * shearScale) << "at x = " << x;
        EXPECT_NEAR(s.moment.jumpAt(x), couple, 1e-12 * momentScale) << "at x = " << x;
    }
}

TEST_P(EverySolution, mirroredMemberGivesTheMirroredDiagrams)
{
    // x → L − x turns clockwise into counter-clockwise: couples change sign, and so do V and θ.
    const Beam &beam = GetParam().beam;
    const double L = beam.length;
    Beam mirror = beam;
    for (Support &s : mirror.supports)
        s.x = L - s.x;
    for (PointForce &p : mirror.forces)
        p.x = L - p.x;
    for (PointCouple &c : mirror.couples)
        c = {L - c.x, -c.couple};
    for (DistributedLoad &d : mirror.distributed)
        d = {L - d.to, L - d.from, d.wTo, d.wFrom};
    const BeamSolution s = *solveBeam(beam);
    const BeamSolution m = *solveBeam(mirror);
    for (std::size_t i = 0; i < s.reactions.size(); ++i) {
        EXPECT_NEAR(m.reactions[i].force, s.reactions[i].force, 1e-12 * largestMagnitude(s.shear));
        EXPECT_NEAR(m.reactions[i].moment, -s.reactions[i].moment, 1e-12 * largestMagnitude(s.moment));
    }
    for (int i = 0; i <= 40; ++i) {
        const double x = L * i / 40;
        EXPECT_NEAR(m.shear.leftOf(L - x), -s.shear.rightOf(x), 1e-12 * largestMagnitude(s.shear));
        EXPECT_NEAR(m.moment.leftOf(L - x), s.moment.rightOf(x), 1e-12 * largestMagnitude(s.moment));
        if (s.deflection) {
            EXPECT_NEAR((*m.deflection)(L - x), (*s.deflection)(x), 1e-12 * largestMagnitude(*s.deflection));
        }
    }
}

TEST_P(EverySolution, withoutEIKeepsReactionsShearAndMomentButGivesNoDeflection)
{
    Beam beam = GetParam().beam;
    const BeamSolution s = *solveBeam(beam);
    beam.flexuralRigidity.reset();
    const BeamSolution bare = *solveBeam(beam);
    EXPECT_FALSE(bare.slope);
    EXPECT_FALSE(bare.deflection);
    for (std::size_t i = 0; i < s.reactions.size(); ++i) {
        EXPECT_NEAR(bare.reactions[i].force, s.reactions[i].force, 1e-12 * largestMagnitude(s.shear));
        EXPECT_NEAR(bare.reactions[i].moment, s.reactions[i].moment, 1e-12 * largestMagnitude(s.moment));
    }
    for (int i = 0; i <= 20; ++i)
        EXPECT_NEAR(bare.moment(beam.length * i / 20), s.moment(beam.length * i / 20),
                    1e-12 * largestMagnitude(s.moment));
}

INSTANTIATE_TEST_SUITE_P(beam, EverySolution, testing::ValuesIn(beamcases::propertyCases()), caseName);

TEST(beam, twoLoadSetsTogetherGiveTheSumOfTheirSolutions)
{
    Beam first{11,       4000,     {{0, SupportKind::Fixed}, {5, SupportKind::Roller}, {11, SupportKind::Fixed}},
               {{2, 7}}, {{8, 3}}, {}};
    Beam second = first;
    second.forces = {{9.5, -2}};
    second.couples = {};
    second.distributed = {{1, 10, 2, 5}};
    Beam both = first;
    both.forces.push_back(second.forces[0]);
    both.distributed = second.distributed;
    const BeamSolution a = *solveBeam(first), b = *solveBeam(second), sum = *solveBeam(both);
    const double scale = largestMagnitude(sum.moment);
    for (std::size_t i = 0; i < sum.reactions.size(); ++i) {
        EXPECT_NEAR(sum.reactions[i].force, a.reactions[i].force + b.reactions[i].force, 1e-12 * scale);
        EXPECT_NEAR(sum.reactions[i].moment, a.reactions[i].moment + b.reactions[i].moment, 1e-12 * scale);
    }
    const Piecewise deflection = *a.deflection + *b.deflection;
    for (int i = 0; i <= 44; ++i) {
        const double x = 0.25 * i;
        EXPECT_NEAR(sum.moment(x), a.moment(x) + b.moment(x), 1e-12 * scale);
        EXPECT_NEAR((*sum.deflection)(x), deflection(x), 1e-12 * largestMagnitude(deflection));
    }
}

TEST(beam, aLoadSpreadOverAVanishingLengthTendsToThePointLoad)
{
    // w·c = P over [a − c/2, a + c/2]: the moment under it differs from P·a·b/L by P·c/8.
    const double L = 6, a = 2, P = 10;
    for (double c : {1e-2, 1e-4, 1e-6}) {
        const Beam beam{L,  std::nullopt, {{0, SupportKind::Pinned}, {L, SupportKind::Roller}},
                        {}, {},           {{a - c / 2, a + c / 2, P / c, P / c}}};
        const BeamSolution s = *solveBeam(beam);
        EXPECT_NEAR(s.moment(a), P * a * (L - a) / L - P * c / 8, 1e-9 * P * L) << "c = " << c;
    }
}

TEST(beam, symmetricLoadsGiveAPlateauBetweenThemAndEqualReactions)
{
    const double L = 9, a = 3, P = 4;
    const Beam beam{L, 500, {{0, SupportKind::Pinned}, {L, SupportKind::Roller}}, {{a, P}, {L - a, P}}, {}, {}};
    const BeamSolution s = *solveBeam(beam);
    EXPECT_DOUBLE_EQ(s.reactions[0].force, P);
    EXPECT_DOUBLE_EQ(s.reactions[1].force, P);
    const Extreme m = extremes(s.moment).largest;
    EXPECT_NEAR(m.value, P * a, 1e-12 * P * a);
    ASSERT_EQ(m.at.size(), 2u);
    EXPECT_EQ(m.at[0].x, a);
    EXPECT_EQ(m.at[1].x, L - a);
    const Extreme d = extremes(*s.deflection).largest;
    ASSERT_EQ(d.at.size(), 1u);
    EXPECT_NEAR(d.at[0].x, L / 2, 1e-12 * L);
    // δ at mid-span of two symmetric loads: P·a·(3L² − 4a²)/(24EI)
    EXPECT_NEAR(d.value, P * a * (3 * L * L - 4 * a * a) / (24 * 500), 1e-12 * d.value);
    // the least deflection is that of the supports: 0 itself, not the rounding left there
    const Extreme least = extremes(*s.deflection).smallest;
    EXPECT_EQ(least.value, 0);
    ASSERT_EQ(least.at.size(), 2u);
    EXPECT_EQ(least.at[1].x, L);
}

TEST(beam, csvTableHasBothSidesOfTheLoadAndEmptyDeflectionWithoutEI)
{
    Beam beam{6, 1000, {{0, SupportKind::Pinned}, {6, SupportKind::Roller}}, {{2, 10}}, {}, {}};
    const std::vector<BeamSample> rows = sampleBeam(*solveBeam(beam), 3);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1].x, 2);
    EXPECT_EQ(rows[2].x, 2);
    EXPECT_NEAR(rows[1].shear - rows[2].shear, 10, 1e-12);
    const std::string table = csvTable(rows);
    EXPECT_EQ(table.substr(0, table.find('\n')), "x,V,M,theta,delta");
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 6);
    beam.flexuralRigidity.reset();
    const std::string bare = csvTable(sampleBeam(*solveBeam(beam), 3));
    EXPECT_NE(bare.find("\n0,"), std::string::npos);
    EXPECT_NE(bare.find(",0,,\n"), std::string::npos);  // M = 0 at x = 0, no theta, no delta
}

TEST(beam, positionsARoundingBeyondEitherEndAreTakenAtTheEnd)
{
    const double L = 0.1 + 0.2;  // 0.30000000000000004
    const Beam beam{0.3, 1, {{0, SupportKind::Pinned}, {L, SupportKind::Roller}}, {{L, 1}}, {}, {}};
    const Outcome<BeamSolution> solved = solveBeam(beam);
    ASSERT_TRUE(solved) << solved.error().message;
    EXPECT_DOUBLE_EQ(solved->reactions[1].force, 1);
    EXPECT_DOUBLE_EQ(solved->reactions[0].force, 0);
    // The rounding allowed is relative to the member: 1e-7 on a member of 1e6, at either end.
    const double far = 1e6;
    const Beam along{far, 1, {{0, SupportKind::Pinned}, {far, SupportKind::Roller}}, {{-1e-7, 1}, {far + 1e-7, 1}},
                     {},  {}};
    EXPECT_TRUE(solveBeam(along));
}

// Whether a member is held in place is a matter of its supports and hinges: a short span with a
// stiff section, a long one with a weak section, in any units, is held where its supports hold it
// and gives the handbook's fixed-end moments w·L²/12; a lone pin or roller is a mechanism at any
// size.
TEST(beam, aMemberIsHeldOrNotWhateverItsLengthAndStiffness)
{
    for (const double length : {1e-3, 2.0, 100.0, 1e6}) {
        for (const double rigidity : {1e-6, 1.0, 8.33e7, 1e12, 1e16, 1e24}) {
            const std::string member = "L = " + numberText(length) + ", EI = " + numberText(rigidity);
            const Beam fixedFixed{length, rigidity, {{0, SupportKind::Fixed}, {length, SupportKind::Fixed}},
                                  {},     {},       {{0, length, 100, 100}}};
            const Outcome<BeamSolution> solved = solveBeam(fixedFixed);
            ASSERT_TRUE(solved) << member << ": " << solved.error().message;
            const double load = 100 * length;
            EXPECT_NEAR(solved->reactions[0].force, load / 2, 1e-12 * load) << member;
            EXPECT_NEAR(solved->moment.rightOf(0), -load * length / 12, 1e-12 * load * length) << member;
            for (const SupportKind kind : {SupportKind::Pinned, SupportKind::Roller}) {
                const Beam single{length, rigidity, {{length / 2, kind}}, {{length / 3, 1}}, {}, {}};
                const Outcome<BeamSolution> mechanism = solveBeam(single);
                ASSERT_FALSE(mechanism) << member;
                EXPECT_EQ(mechanism.error().kind, ErrorKind::Mechanism) << member;
            }
            // The suspended span of a Gerber beam is held by the parts beside it, and a hinge on a
            // support splits nothing loose.
            Beam gerber{length,
                        rigidity,
                        {{0, SupportKind::Fixed},
                         {0.6 * length, SupportKind::Roller},
                         {0.85 * length, SupportKind::Roller},
                         {length, SupportKind::Pinned}},
                        {{0.5 * length, 1}},
                        {},
                        {}};
            gerber.hinges = {0.3 * length, 0.6 * length, 0.9 * length};
            const Outcome<BeamSolution> held = solveBeam(gerber);
            EXPECT_TRUE(held) << member << ": " << held.error().message;
        }
    }
}

// A load that stands on a support goes straight into it: the rest of the member carries nothing,
// and its diagrams are 0, not the rounding of the solution (a "largest" of 1e-17 beside a row
// of 0 would be a number nobody can stand behind).
TEST(beam, aLoadOnASupportLeavesTheMemberUnstressed)
{
    for (const double length : {1e-3, 100.0, 7.3e5}) {
        for (const std::vector<Support> &supports :
             {std::vector<Support>{{0, SupportKind::Fixed}, {length, SupportKind::Fixed}},
              std::vector<Support>{{0, SupportKind::Pinned}, {length, SupportKind::Roller}},
              std::vector<Support>{
                  {0, SupportKind::Fixed}, {length / 3, SupportKind::Roller}, {length, SupportKind::Pinned}}}) {
            for (const Support &loaded : supports) {
                const Beam beam{length, 2.05e5 * 1.7e7, supports, {{loaded.x, 100}}, {}, {}};
                const Outcome<BeamSolution> solved = solveBeam(beam);
                ASSERT_TRUE(solved) << solved.error().message;
                for (const Piecewise *diagram :
                     {&solved->shear, &solved->moment, &*solved->slope, &*solved->deflection})
                    for (int k = 1; k < 10; ++k)
                        EXPECT_EQ((*diagram)(length * k / 10), 0.0) << "L = " << length << ", load at " << loaded.x;
            }
        }
    }
}

}  // namespace
