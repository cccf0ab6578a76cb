// Members beyond the handbook's cases: continuous beams, hinges (Gerber beams), springs,
// settlements and segments of their own EI. Closed forms worked by hand, and the conditions every
// solution must meet whatever the member: equilibrium, each support's law, continuity, M = 0 at
// hinges and free ends, superposition; and every member the solver refuses, with its reason.

#include "beamcases.h"

#include "mechanics/beam.h"
#include "mechanics/extremes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <random>
#include <regex>
#include <string>
#include <vector>

namespace {

using namespace mechanics;
using beamcases::largestMagnitude;

Support spring(double x, double k, double rotational = 0, double settlement = 0)
{
    return {x, SupportKind::Spring, k, rotational, settlement};
}

Beam uniformSpans(int spans, double span, double w, double ei)
{
    Beam beam{spans * span, ei, {}, {}, {}, {{0, spans * span, w, w}}};
    for (int k = 0; k <= spans; ++k)
        beam.supports.push_back({k * span, k == 0 ? SupportKind::Pinned : SupportKind::Roller});
    return beam;
}

TEST(member, equalSpansUnderAUniformLoadGiveTheTextbookReactionsAndSupportMoments)
{
    const double l = 4000, w = 12.5, ei = 2.05e5 * 3.1e7;
    struct Spans {
        int count;
        std::vector<double> reaction;  // per w·l
        double supportMoment;          // over the first inner support, per w·l²
    };
    for (const Spans &c : {Spans{2, {0.375, 1.25, 0.375}, -1.0 / 8}, Spans{3, {0.4, 1.1, 1.1, 0.4}, -1.0 / 10}}) {
        const Outcome<BeamSolution> s = solveBeam(uniformSpans(c.count, l, w, ei));
        ASSERT_TRUE(s) << s.error().message;
        for (std::size_t i = 0; i < c.reaction.size(); ++i)
            EXPECT_NEAR(s->reactions[i].force, c.reaction[i] * w * l, 1e-12 * w * l) << c.count << " spans, " << i;
        EXPECT_NEAR(s->moment(l), c.supportMoment * w * l * l, 1e-12 * w * l * l) << c.count << " spans";
    }
}

// A Gerber beam is statically determinate: its reactions follow from statics alone and do not
// change with the stiffness of any part. Span 0–6 with an overhang to the hinge at 8, suspended
// span 8–12, w over all: the suspended span puts 2w on the overhang's tip, so R(6)·6 = 8w·4 + 2w·8.
TEST(member, aGerberBeamEqualsItsStatics)
{
    const double w = 3;
    Beam beam{12, 7e3, {{0, SupportKind::Pinned}, {6, SupportKind::Roller}, {12, SupportKind::Roller}},
              {}, {},  {{0, 12, w, w}}};
    beam.hinges = {8};
    for (const std::vector<Segment> &segments : {std::vector<Segment>{}, std::vector<Segment>{{2, 9, 40e3}}}) {
        beam.segments = segments;
        const Outcome<BeamSolution> s = solveBeam(beam);
        ASSERT_TRUE(s) << s.error().message;
        EXPECT_NEAR(s->reactions[0].force, 2 * w, 1e-12 * w);
        EXPECT_NEAR(s->reactions[1].force, 8 * w, 1e-12 * w);
        EXPECT_NEAR(s->reactions[2].force, 2 * w, 1e-12 * w);
        EXPECT_NEAR(s->moment(6), -6 * w, 1e-12 * w);
        EXPECT_NEAR(s->moment(8), 0, 1e-12 * w);
        EXPECT_NEAR(s->moment(10), 2 * w * 2 - w * 2 * 1, 1e-12 * w);  // mid suspended span: w·4²/8
    }
}

// Two spans 2l under w, the middle support a spring k: the spring takes R = δ0 / (f + 1/k), δ0 the
// mid-span deflection of the span 2l without it (5w(2l)⁴/384EI) and f its flexibility there
// ((2l)³/48EI). Stiff springs tend to the pinned support (1.25 wl), soft ones to none.
TEST(member, aSpringTakesItsShareAndTendsToASupportOrToNone)
{
    const double l = 5, w = 2, ei = 1e4, span = 2 * l;
    const double free = 5 * w * std::pow(span, 4) / (384 * ei), flexibility = std::pow(span, 3) / (48 * ei);
    for (const double k : {1e-9, 1e-3, 1.0, 1e2, 1e5, 1e12}) {
        const Beam beam{span, ei, {{0, SupportKind::Pinned}, spring(l, k), {span, SupportKind::Roller}},
                        {},   {}, {{0, span, w, w}}};
        const Outcome<BeamSolution> s = solveBeam(beam);
        ASSERT_TRUE(s) << s.error().message;
        const double r = free / (flexibility + 1 / k);
        EXPECT_NEAR(s->reactions[1].force, r, 1e-11 * w * span) << "k = " << k;
        EXPECT_NEAR((*s->deflection)(l), r / k, 1e-11 * free) << "k = " << k;
    }
    const Beam stiff{span, ei, {{0, SupportKind::Pinned}, spring(l, 1e15), {span, SupportKind::Roller}},
                     {},   {}, {{0, span, w, w}}};
    EXPECT_NEAR(solveBeam(stiff)->reactions[1].force, 1.25 * w * l, 1e-6 * w * l);
}

// The middle support of two equal spans settles by s: its reaction drops by s/f (f as above).
TEST(member, aSettlementOfTheMiddleSupportRelievesIt)
{
    const double l = 6000, w = 10, ei = 2.05e5 * 8e7, span = 2 * l, s = 5;
    Beam beam = uniformSpans(2, l, w, ei);
    beam.supports[1].settlement = s;
    const Outcome<BeamSolution> solved = solveBeam(beam);
    ASSERT_TRUE(solved) << solved.error().message;
    const double relief = s / (std::pow(span, 3) / (48 * ei));
    EXPECT_NEAR(solved->reactions[1].force, 1.25 * w * l - relief, 1e-12 * w * l);
    EXPECT_NEAR(solved->reactions[0].force, 0.375 * w * l + relief / 2, 1e-12 * w * l);
    EXPECT_NEAR((*solved->deflection)(l), s, 1e-12 * s);
}

// Stepped members against the unit-load method: δ = ∫ M·m / EI over the member.
TEST(member, steppedMembersDeflectAsTheUnitLoadMethodSays)
{
    const double L = 9, a = 3, P = 7, ei1 = 3e4, ei2 = 1e4;
    // A cantilever fixed at 0, EI1 on [0, a], EI2 beyond, P at the tip: ∫ P(L − x)² / EI.
    const Beam cantilever{L, ei2, {{0, SupportKind::Fixed}}, {{L, P}}, {}, {}, {}, {{0, a, ei1}}};
    const double tip = P * ((L * L * L - std::pow(L - a, 3)) / (3 * ei1) + std::pow(L - a, 3) / (3 * ei2));
    EXPECT_NEAR((*solveBeam(cantilever)->deflection)(L), tip, 1e-12 * tip);
    // A simple span, EI1 over a from each end, EI2 between, P at mid-span: 2∫ (Px/2)(x/2) / EI.
    const Beam span{L,
                    ei2,
                    {{0, SupportKind::Pinned}, {L, SupportKind::Roller}},
                    {{L / 2, P}},
                    {},
                    {},
                    {},
                    {{0, a, ei1}, {L - a, L, ei1}}};
    const double middle = P / 2 * (a * a * a / (3 * ei1) + (std::pow(L / 2, 3) - a * a * a) / (3 * ei2));
    EXPECT_NEAR((*solveBeam(span)->deflection)(L / 2), middle, 1e-12 * middle);
    // A cantilever whose root is a rotational spring kθ: the root turns by P·L/kθ, the tip moves L times that more.
    const double kTheta = 5e3;
    const Beam sprung{L, ei2, {spring(0, 1e30, kTheta)}, {{L, P}}, {}, {}};
    const Outcome<BeamSolution> s = solveBeam(sprung);
    ASSERT_TRUE(s) << s.error().message;
    EXPECT_NEAR((*s->deflection)(L), P * L * L * L / (3 * ei2) + P * L * L / kTheta, 1e-9 * tip);
    EXPECT_NEAR(s->reactions[0].moment, -P * L, 1e-12 * P * L);
}

// Members no handbook tabulates, each with hinges, springs, settlements or segments, beside the
// handbook's.
struct General {
    std::string name;
    Beam beam;
};

void PrintTo(const General &m, std::ostream *out)
{
    *out << m.name;
}

std::vector<General> generalMembers()
{
    std::vector<General> members;
    // The handbook's members and the others of beam_test.cpp, where they have a deflection.
    for (const beamcases::HandbookCase &c : beamcases::propertyCases())
        if (c.beam.flexuralRigidity)
            members.push_back({c.name, c.beam});
    Beam gerber{
        20,
        5e4,
        {{0, SupportKind::Fixed}, {7, SupportKind::Roller}, {13, SupportKind::Roller}, {20, SupportKind::Pinned}},
        {{3, 8}, {16, 5}},
        {{10, -12}},
        {{0, 20, 1.5, 1.5}, {8, 12, 0, 4}}};
    gerber.hinges = {9, 15};
    members.push_back({"gerber_two_hinges", gerber});
    Beam sprung{12,        2e4,      {spring(0, 300, 5e4, 0.01), {4, SupportKind::Pinned, 0, 0, 0.02}, spring(12, 800)},
                {{12, 3}}, {{6, 4}}, {{0, 12, 2, 0.5}}};
    sprung.segments = {{3, 7, 6e4}};
    members.push_back({"springs_settlement_and_a_stiff_segment", sprung});
    Beam hingedOverhang{10,       1e3, {{0, SupportKind::Fixed}, {6, SupportKind::Roller}, spring(10, 50)},
                        {{8, 2}}, {},  {{2, 9, 1, 1}}};
    hingedOverhang.hinges = {6};
    hingedOverhang.supports[0].settlement = -0.004;
    members.push_back({"hinge_on_a_support_and_a_spring_end", hingedOverhang});
    Beam stepped{30000,
                 2.05e5 * 4e8,
                 {{0, SupportKind::Pinned}, {12000, SupportKind::Roller}, {30000, SupportKind::Fixed, 0, 0, 3}},
                 {{20000, 5e4}},
                 {{5000, 2e7}},
                 {{0, 30000, 12, 30}}};
    stepped.segments = {{0, 6000, 2.05e5 * 2e8}, {9000, 15000, 2.05e5 * 9e8}};
    members.push_back({"stepped_in_millimetres_with_a_settling_fixed_end", stepped});

    // And members drawn at random (a fixed seed): supports of every kind anywhere, hinges,
    // settlements, segments and loads; those that hold (the solver refuses the others) join.
    std::mt19937 random(2026);
    const auto uniform = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const auto count = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int drawn = 0, kept = 0; kept < 12 && drawn < 200; ++drawn) {
        const double L = uniform(2, 40);
        Beam b{L, uniform(1e3, 1e6), {}, {}, {}, {}};
        for (int k = count(1, 4); k > 0; --k) {
            Support at{uniform(0, L), static_cast<SupportKind>(count(0, 3))};
            at.x = count(0, 3) == 0 ? L * count(0, 1) : at.x;  // an end now and then
            if (at.kind == SupportKind::Spring) {
                at.stiffness = std::pow(10, uniform(0, 5));
                at.rotationalStiffness = count(0, 1) * std::pow(10, uniform(2, 7));
            }
            at.settlement = count(0, 2) == 0 ? uniform(-0.01, 0.01) * L : 0;
            b.supports.push_back(at);
        }
        for (int k = count(0, 2); k > 0; --k)
            b.hinges.push_back(uniform(0.05, 0.95) * L);
        if (count(0, 1) == 1) {
            const double from = uniform(0, L / 2);
            b.segments.push_back({from, from + uniform(0.1, L / 2), uniform(1e3, 1e6)});
        }
        for (int k = count(1, 6); k > 0; --k) {
            switch (count(0, 2)) {
            case 0:
                b.forces.push_back({uniform(0, L), uniform(-50, 100)});
                break;
            case 1:
                b.couples.push_back({uniform(0, L), uniform(-50, 50) * L});
                break;
            default: {
                const double from = uniform(0, L);
                b.distributed.push_back({from, uniform(from, L), uniform(-5, 10), uniform(-5, 10)});
            }
            }
        }
        if (solveBeam(b))
            members.push_back({"random_" + std::to_string(kept++), b});
    }
    return members;
}

class EveryMember : public testing::TestWithParam<General>
{
};

// ∫ x·w(x) dx over a linearly varying load.
double firstMoment(const DistributedLoad &d)
{
    return (d.to - d.from) / 6 * (d.wFrom * (2 * d.from + d.to) + d.wTo * (d.from + 2 * d.to));
}

TEST_P(EveryMember, isInEquilibriumAndMeetsEverySupportsLaw)
{
    const Beam &beam = GetParam().beam;
    const Outcome<BeamSolution> solved = solveBeam(beam);
    ASSERT_TRUE(solved) << solved.error().message;
    const BeamSolution &s = *solved;
    double load = 0, loadMoment = 0;
    for (const PointForce &p : beam.forces) {
        load += p.force;
        loadMoment += p.force * p.x;
    }
    for (const PointCouple &c : beam.couples)
        loadMoment += c.couple;
    for (const DistributedLoad &d : beam.distributed) {
        load += (d.wFrom + d.wTo) / 2 * (d.to - d.from);
        loadMoment += firstMoment(d);
    }
    double up = 0, reactionMoment = 0;
    for (const Reaction &r : s.reactions) {
        up += r.force;
        reactionMoment += r.moment - r.force * r.support.x;
    }
    const double forces = largestMagnitude(s.shear), moments = largestMagnitude(s.moment);
    EXPECT_NEAR(up, load, 1e-11 * forces);
    EXPECT_NEAR(reactionMoment + loadMoment, 0, 1e-11 * (forces * beam.length + moments));

    const Piecewise &delta = *s.deflection, &theta = *s.slope;
    const double deflections = largestMagnitude(delta), slopes = largestMagnitude(theta);
    for (const Reaction &r : s.reactions) {
        const Support &at = r.support;
        const double moved = delta(at.x) - at.settlement;
        if (at.kind == SupportKind::Spring) {
            EXPECT_NEAR(r.force, at.stiffness * moved, 1e-11 * forces) << "spring at " << at.x;
            EXPECT_NEAR(r.moment, -at.rotationalStiffness * theta(at.x), 1e-11 * moments) << "spring at " << at.x;
        } else {
            EXPECT_NEAR(moved, 0, 1e-12 * deflections) << "support at " << at.x;
        }
        if (at.kind == SupportKind::Fixed) {
            EXPECT_NEAR(theta(at.x), 0, 1e-12 * slopes) << "fixed at " << at.x;
        }
    }
}

TEST_P(EveryMember, isContinuousTurnsOnlyAtHingesAndCarriesNoMomentThere)
{
    const Beam &beam = GetParam().beam;
    const BeamSolution s = *solveBeam(beam);
    const Piecewise &delta = *s.deflection, &theta = *s.slope;
    const double deflections = largestMagnitude(delta), slopes = largestMagnitude(theta);
    const double moments = largestMagnitude(s.moment);
    for (double x : delta.breakpoints()) {
        EXPECT_NEAR(delta.jumpAt(x), 0, 1e-13 * deflections) << "at x = " << x;
        const bool hinge = std::find(beam.hinges.begin(), beam.hinges.end(), x) != beam.hinges.end();
        if (hinge) {
            EXPECT_NEAR(s.moment(x), 0, 1e-12 * moments) << "hinge at x = " << x;
            EXPECT_GT(std::fabs(theta.jumpAt(x)), 1e-9 * slopes) << "hinge at x = " << x;
        } else {
            EXPECT_NEAR(theta.jumpAt(x), 0, 1e-12 * slopes) << "at x = " << x;
        }
    }
    // A free end or an end on a support that lets it turn carries no moment but a couple applied
    // there (clockwise: sagging at the left end, hogging at the right).
    for (const double end : {0.0, beam.length}) {
        const auto support =
            std::find_if(beam.supports.begin(), beam.supports.end(), [end](const Support &at) { return at.x == end; });
        const bool holdsSlope =
            support != beam.supports.end() && (support->kind == SupportKind::Fixed || support->rotationalStiffness > 0);
        double couple = 0;
        for (const PointCouple &c : beam.couples)
            couple += c.x == end ? (end == 0 ? c.couple : -c.couple) : 0.0;
        if (!holdsSlope) {
            EXPECT_NEAR(s.moment(end), couple, 1e-12 * moments) << "end x = " << end;
        }
    }
}

// Loads and settlements are linear in everything: two halves solved apart sum to the whole.
TEST_P(EveryMember, isTheSumOfItsLoadsAndItsSettlementsSolvedApart)
{
    const Beam &beam = GetParam().beam;
    Beam loads = beam, settlements = beam;
    for (Support &at : loads.supports)
        at.settlement = 0;
    settlements.forces.clear();
    settlements.couples.clear();
    settlements.distributed.clear();
    const BeamSolution whole = *solveBeam(beam), a = *solveBeam(loads), b = *solveBeam(settlements);
    const double forces = largestMagnitude(whole.shear) + largestMagnitude(a.shear);
    const double moments = largestMagnitude(whole.moment) + largestMagnitude(a.moment);
    const double deflections = largestMagnitude(*whole.deflection) + largestMagnitude(*a.deflection);
    for (std::size_t i = 0; i < whole.reactions.size(); ++i) {
        EXPECT_NEAR(whole.reactions[i].force, a.reactions[i].force + b.reactions[i].force, 1e-11 * forces);
        EXPECT_NEAR(whole.reactions[i].moment, a.reactions[i].moment + b.reactions[i].moment, 1e-11 * moments);
    }
    for (int i = 0; i <= 40; ++i) {
        const double x = beam.length * i / 40;
        EXPECT_NEAR(whole.moment(x), a.moment(x) + b.moment(x), 1e-11 * moments) << "x = " << x;
        EXPECT_NEAR((*whole.deflection)(x), (*a.deflection)(x) + (*b.deflection)(x), 1e-11 * deflections)
            << "x = " << x;
    }
}

std::string generalName(const testing::TestParamInfo<General> &param)
{
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(member, EveryMember, testing::ValuesIn(generalMembers()), generalName);

struct Refused {
    std::string name;
    Beam beam;
    ErrorKind kind;
    std::string says;  // a part of the reason
};

void PrintTo(const Refused &m, std::ostream *out)
{
    *out << m.name;
}

class RefusedMember : public testing::TestWithParam<Refused>
{
};

TEST_P(RefusedMember, withAReasonThatSaysWhatIsWrong)
{
    const Outcome<BeamSolution> solved = solveBeam(GetParam().beam);
    ASSERT_FALSE(solved);
    EXPECT_EQ(solved.error().kind, GetParam().kind);
    EXPECT_FALSE(solved.error().message.empty());
    EXPECT_NE(solved.error().message.find(GetParam().says), std::string::npos) << solved.error().message;
    // A value too large for a double is said in words.
    EXPECT_FALSE(std::regex_search(solved.error().message, std::regex("\\b(inf|nan)\\b"))) << solved.error().message;
}

std::vector<Refused> refusedMembers()
{
    const Support pin{0, SupportKind::Pinned}, roller{10, SupportKind::Roller}, fixed{0, SupportKind::Fixed};
    const auto member = [](std::vector<Support> supports, std::vector<double> hinges = {}) {
        Beam beam{10, 1e3, std::move(supports), {{5, 1}}, {}, {}};
        beam.hinges = std::move(hinges);
        return beam;
    };
    Beam noEI = member({pin, roller});
    noEI.flexuralRigidity.reset();
    Beam settledWithoutEI = noEI;
    settledWithoutEI.supports[1].settlement = 2;
    Beam springWithoutEI = noEI;
    springWithoutEI.supports[1] = spring(10, 5);
    Beam segmentWithoutEI = noEI;
    segmentWithoutEI.segments = {{1, 2, 5}};
    Beam overlapping = member({pin, roller});
    overlapping.segments = {{1, 5, 2e3}, {4, 6, 3e3}};
    Beam backwards = member({pin, roller});
    backwards.segments = {{5, 5, 2e3}};
    Beam weakSegment = member({pin, roller});
    weakSegment.segments = {{1, 5, 0}};
    const double nan = std::nan(""), inf = HUGE_VAL;
    const Support pinLeft{0, SupportKind::Pinned}, rollerRight{5, SupportKind::Roller};
    const std::vector<Support> span{pinLeft, rollerRight};
    const std::vector<PointForce> load{{2, 1}};
    Beam coupleAtHinge = member({fixed, roller}, {5});
    coupleAtHinge.couples = {{5, 3}};
    return {
        {"hinge_in_a_simple_span", member({pin, roller}, {5}), ErrorKind::Mechanism, "from the left end to the hinge"},
        {"cantilever_with_a_hinge", member({fixed}, {4}), ErrorKind::Mechanism,
         "from the hinge at x = 4 to the right end"},
        {"three_hinges_in_the_middle_span",
         member({pin, {3, SupportKind::Roller}, {7, SupportKind::Roller}, roller}, {4, 5, 6}), ErrorKind::Mechanism,
         "add a support"},
        {"only_springs_of_no_stiffness", member({spring(0, 0), spring(10, 0)}), ErrorKind::Mechanism, "no support"},
        {"a_lone_roller", member({roller}), ErrorKind::Mechanism, "add a second support"},
        {"a_lone_rotational_spring", member({spring(3, 0, 5e4)}), ErrorKind::Mechanism, "add"},
        {"negative_spring", member({pin, spring(10, -1)}), ErrorKind::InvalidInput, "zero or above, not -1"},
        {"negative_rotational_spring", member({pin, spring(10, 1, -2)}), ErrorKind::InvalidInput, "not -2"},
        {"hinge_at_an_end", member({fixed, roller}, {10}), ErrorKind::InvalidInput, "remove it"},
        {"two_hinges_at_one_position", member({fixed, roller}, {5, 5}), ErrorKind::InvalidInput, "two hinges"},
        {"hinge_off_the_member", member({fixed, roller}, {11}), ErrorKind::InvalidInput, "outside the member"},
        {"hinge_at_a_fixed_support", member({pin, {5, SupportKind::Fixed}, roller}, {5}), ErrorKind::InvalidInput,
         "holds the slope"},
        {"couple_at_a_hinge", coupleAtHinge, ErrorKind::InvalidInput, "one side of the hinge"},
        {"settlement_without_EI", settledWithoutEI, ErrorKind::InvalidInput, "needs the flexural rigidity"},
        {"spring_without_EI", springWithoutEI, ErrorKind::InvalidInput, "needs the flexural rigidity"},
        {"segment_without_EI", segmentWithoutEI, ErrorKind::InvalidInput, "needs the flexural rigidity"},
        {"overlapping_segments", overlapping, ErrorKind::InvalidInput, "overlap between x = 4 and x = 5"},
        {"segment_of_no_length", backwards, ErrorKind::InvalidInput, "greater end"},
        {"segment_without_stiffness", weakSegment, ErrorKind::InvalidInput, "above zero"},
        // The member's own numbers, refused with any reason that is not a number out of range.
        {"no_support", {5, 1, {}, load, {}, {}}, ErrorKind::Mechanism, ""},
        {"a_single_pin", {5, 1, {{2, SupportKind::Pinned}}, load, {}, {}}, ErrorKind::Mechanism, ""},
        {"a_single_roller_even_without_load", {5, std::nullopt, {rollerRight}, {}, {}, {}}, ErrorKind::Mechanism, ""},
        {"two_supports_at_one_position",
         {5, 1, {pinLeft, {0, SupportKind::Fixed}}, load, {}, {}},
         ErrorKind::InvalidInput,
         ""},
        {"zero_length", {0, 1, {}, {}, {}, {}}, ErrorKind::InvalidInput, ""},
        {"negative_length", {-5, 1, span, {}, {}, {}}, ErrorKind::InvalidInput, ""},
        {"length_not_a_number", {nan, 1, span, {}, {}, {}}, ErrorKind::InvalidInput, ""},
        {"zero_rigidity", {5, 0.0, span, load, {}, {}}, ErrorKind::InvalidInput, ""},
        {"infinite_rigidity", {5, inf, span, load, {}, {}}, ErrorKind::InvalidInput, ""},
        {"support_beyond_the_end",
         {5, 1, {pinLeft, {5.01, SupportKind::Roller}}, load, {}, {}},
         ErrorKind::InvalidInput,
         ""},
        {"force_before_the_start", {5, 1, span, {{-0.1, 1}}, {}, {}}, ErrorKind::InvalidInput, ""},
        {"force_position_not_a_number", {5, 1, span, {{nan, 1}}, {}, {}}, ErrorKind::InvalidInput, ""},
        {"force_position_too_large", {5, 1, span, {{inf, 1}}, {}, {}}, ErrorKind::InvalidInput, ""},
        {"length_too_large", {inf, 1, span, {}, {}, {}}, ErrorKind::InvalidInput, ""},
        {"infinite_force", {5, 1, span, {{2, inf}}, {}, {}}, ErrorKind::InvalidInput, ""},
        {"couple_not_a_number", {5, 1, span, {}, {{2, nan}}, {}}, ErrorKind::InvalidInput, ""},
        {"distributed_load_running_backwards", {5, 1, span, {}, {}, {{4, 1, 1, 1}}}, ErrorKind::InvalidInput, ""},
        {"distributed_load_beyond_the_end", {5, 1, span, {}, {}, {{1, 6, 1, 1}}}, ErrorKind::InvalidInput, ""},
        // finite inputs whose equations overflow: too large, not a mechanism
        {"span_whose_cube_overflows",
         {1e201, 83.3e6, {{0, SupportKind::Fixed}}, {}, {}, {{0, 1e201, 1, 0}}},
         ErrorKind::InvalidInput,
         ""},
    };
}

std::string refusedName(const testing::TestParamInfo<Refused> &param)
{
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(member, RefusedMember, testing::ValuesIn(refusedMembers()), refusedName);

}  // namespace
