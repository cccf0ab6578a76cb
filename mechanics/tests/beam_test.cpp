// Straight members against handbook closed forms, and the properties every solution must have:
// equilibrium, the support conditions, continuity, jumps where the loads are, mirror symmetry
// and superposition.

#include "beamcases.h"

#include "mechanics/beam.h"
#include "mechanics/extremes.h"
#include "mechanics/sampling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

namespace {

using namespace mechanics;
using beamcases::HandbookCase;

// Hand-worked cases plus members with many loads and supports that no handbook tabulates.
std::vector<HandbookCase> everyCase()
{
    std::vector<HandbookCase> cases = beamcases::handbookCases();
    const Support fixedLeft{0, SupportKind::Fixed};
    cases.push_back({"three_spans_fixed_left_overhang_right",
                     {12,
                      2.5e4,
                      {fixedLeft, {4, SupportKind::Roller}, {9, SupportKind::Pinned}},
                      {{2, 10}, {11, -3}, {12, 1.5}},
                      {{6, 5}, {4, -2}},
                      {{3, 12, 1, 4}, {5, 8, 0, 2}}},
                     {}});
    cases.push_back({"fixed_in_the_middle_both_ends_free",
                     {6, 800, {{3, SupportKind::Fixed}}, {{0, 4}}, {{5, 1}}, {{0, 6, 2, 2}}},
                     {}});
    cases.push_back({"fixed_fixed_partial_triangle_and_couple",
                     {7, 3000, {fixedLeft, {7, SupportKind::Fixed}}, {}, {{2.5, -8}}, {{1, 4.5, 6, 0}}},
                     {}});
    cases.push_back(
        {"double_overhang",
         {9, 1200, {{1.5, SupportKind::Pinned}, {7.5, SupportKind::Roller}}, {{0, 3}, {9, 3}}, {}, {{0, 9, 1.2, 1.2}}},
         {}});
    // millimetres and newtons: a 30 m member with EI = 2.1e5 N/mm² · 4e9 mm⁴
    cases.push_back({"long_member_in_millimetres",
                     {30000,
                      8.4e14,
                      {{0, SupportKind::Pinned}, {12000, SupportKind::Roller}, {30000, SupportKind::Roller}},
                      {{20000, 5e4}},
                      {},
                      {{0, 30000, 12, 30}}},
                     {}});
    return cases;
}

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

double largestMagnitude(const Piecewise &f)
{
    const Extremes e = extremes(f);
    return std::max(std::fabs(e.largest.value), std::fabs(e.smallest.value));
}

// ∫ x·w(x) dx over a linearly varying load.
double firstMoment(const DistributedLoad &d)
{
    return (d.to - d.from) / 6 * (d.wFrom * (2 * d.from + d.to) + d.wTo * (d.from + 2 * d.to));
}

TEST_P(EverySolution, isInEquilibriumWithItsReactions)
{
    const Beam &beam = GetParam().beam;
    const BeamSolution s = *solveBeam(beam);
    double load = 0, loadMoment = 0, scale = 0;  // downward and clockwise about x = 0
    for (const PointForce &p : beam.forces) {
        load += p.force;
        loadMoment += p.force * p.x;
        scale += std::fabs(p.force);
    }
    for (const PointCouple &c : beam.couples)
        loadMoment += c.couple;
    for (const DistributedLoad &d : beam.distributed) {
        load += (d.wFrom + d.wTo) / 2 * (d.to - d.from);
        loadMoment += firstMoment(d);
        scale += (std::fabs(d.wFrom) + std::fabs(d.wTo)) * (d.to - d.from);
    }
    double up = 0, reactionMoment = 0;
    for (const Reaction &r : s.reactions) {
        up += r.force;
        reactionMoment += r.moment - r.force * r.support.x;
    }
    EXPECT_NEAR(up, load, 1e-12 * scale);
    EXPECT_NEAR(reactionMoment + loadMoment, 0, 1e-12 * (scale * beam.length + largestMagnitude(s.moment)));
}

TEST_P(EverySolution, meetsItsSupportConditionsAndIsContinuous)
{
    const Beam &beam = GetParam().beam;
    const BeamSolution s = *solveBeam(beam);
    ASSERT_TRUE(s.deflection || !beam.flexuralRigidity);
    if (!s.deflection)
        return;
    const double deflectionScale = largestMagnitude(*s.deflection);
    const double slopeScale = largestMagnitude(*s.slope);
    for (const Reaction &r : s.reactions) {
        EXPECT_NEAR((*s.deflection)(r.support.x), 0, 1e-12 * deflectionScale) << "at x = " << r.support.x;
        if (r.support.kind == SupportKind::Fixed) {
            EXPECT_NEAR((*s.slope)(r.support.x), 0, 1e-12 * slopeScale) << "at x = " << r.support.x;
        }
    }
    for (double x : s.deflection->breakpoints()) {
        EXPECT_NEAR(s.deflection->jumpAt(x), 0, 1e-13 * deflectionScale) << "at x = " << x;
        EXPECT_NEAR(s.slope->jumpAt(x), 0, 1e-13 * slopeScale) << "at x = " << x;
    }
}

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

INSTANTIATE_TEST_SUITE_P(beam, EverySolution, testing::ValuesIn(everyCase()), caseName);

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

struct BadMember {
    std::string name;
    Beam beam;
    ErrorKind kind;
};

void PrintTo(const BadMember &m, std::ostream *out)
{
    *out << m.name;
}

class Rejected : public testing::TestWithParam<BadMember>
{
};

TEST_P(Rejected, withAReasonInsteadOfNumbers)
{
    const Outcome<BeamSolution> solved = solveBeam(GetParam().beam);
    ASSERT_FALSE(solved);
    EXPECT_EQ(solved.error().kind, GetParam().kind);
    EXPECT_FALSE(solved.error().message.empty());
    // A value too large for a double is said in words.
    EXPECT_FALSE(std::regex_search(solved.error().message, std::regex("\\b(inf|nan)\\b"))) << solved.error().message;
}

std::vector<BadMember> badMembers()
{
    const double nan = std::nan(""), inf = HUGE_VAL;
    const Support pinLeft{0, SupportKind::Pinned}, rollerRight{5, SupportKind::Roller};
    const std::vector<Support> span{pinLeft, rollerRight};
    const std::vector<PointForce> load{{2, 1}};
    return {
        {"no_support", {5, 1, {}, load, {}, {}}, ErrorKind::Mechanism},
        {"a_single_pin", {5, 1, {{2, SupportKind::Pinned}}, load, {}, {}}, ErrorKind::Mechanism},
        {"a_single_roller_even_without_load", {5, std::nullopt, {rollerRight}, {}, {}, {}}, ErrorKind::Mechanism},
        {"two_supports_at_one_position",
         {5, 1, {pinLeft, {0, SupportKind::Fixed}}, load, {}, {}},
         ErrorKind::InvalidInput},
        {"zero_length", {0, 1, {}, {}, {}, {}}, ErrorKind::InvalidInput},
        {"negative_length", {-5, 1, span, {}, {}, {}}, ErrorKind::InvalidInput},
        {"length_not_a_number", {nan, 1, span, {}, {}, {}}, ErrorKind::InvalidInput},
        {"zero_rigidity", {5, 0.0, span, load, {}, {}}, ErrorKind::InvalidInput},
        {"infinite_rigidity", {5, inf, span, load, {}, {}}, ErrorKind::InvalidInput},
        {"support_beyond_the_end",
         {5, 1, {pinLeft, {5.01, SupportKind::Roller}}, load, {}, {}},
         ErrorKind::InvalidInput},
        {"force_before_the_start", {5, 1, span, {{-0.1, 1}}, {}, {}}, ErrorKind::InvalidInput},
        {"force_position_not_a_number", {5, 1, span, {{nan, 1}}, {}, {}}, ErrorKind::InvalidInput},
        {"force_position_too_large", {5, 1, span, {{inf, 1}}, {}, {}}, ErrorKind::InvalidInput},
        {"length_too_large", {inf, 1, span, {}, {}, {}}, ErrorKind::InvalidInput},
        {"infinite_force", {5, 1, span, {{2, inf}}, {}, {}}, ErrorKind::InvalidInput},
        {"couple_not_a_number", {5, 1, span, {}, {{2, nan}}, {}}, ErrorKind::InvalidInput},
        {"distributed_load_running_backwards", {5, 1, span, {}, {}, {{4, 1, 1, 1}}}, ErrorKind::InvalidInput},
        {"distributed_load_beyond_the_end", {5, 1, span, {}, {}, {{1, 6, 1, 1}}}, ErrorKind::InvalidInput},
        // finite inputs whose equations overflow: too large, not a mechanism
        {"span_whose_cube_overflows",
         {1e201, 83.3e6, {{0, SupportKind::Fixed}}, {}, {}, {{0, 1e201, 1, 0}}},
         ErrorKind::InvalidInput},
    };
}

std::string badName(const testing::TestParamInfo<BadMember> &param)
{
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(beam, Rejected, testing::ValuesIn(badMembers()), badName);

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

// Whether a member is held in place is a matter of its supports: a short span with a stiff
// section, a long one with a weak section, in any units, is held where its supports hold it and
// gives the handbook's fixed-end moments w·L²/12; a lone pin or roller is a mechanism at any size.
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
