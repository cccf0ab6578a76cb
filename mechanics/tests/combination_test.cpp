// Load combinations against the combinations solved one by one, pattern loading against the
// textbook values of equal spans and against every pattern tried by brute force, and what is
// refused.

#include "mechanics/combination.h"
#include "mechanics/extremes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

using namespace mechanics;

constexpr double Ei = 2.1e5 * 1e8;  // N·mm²

Beam equalSpans(int spans, double l)
{
    Beam b{spans * l, Ei, {{0, SupportKind::Pinned}}, {}, {}, {}};
    for (int s = 1; s <= spans; ++s)
        b.supports.push_back({s * l, SupportKind::Roller});
    return b;
}

// A member of at most four spans (overhangs included) with 1 to 3 loads per case, some standing on
// a support, some running over one, some upward.
struct RandomMember {
    Beam beam;
    std::vector<LoadCase> cases;
};

RandomMember randomMember(std::mt19937 &random, int variableCases)
{
    std::uniform_real_distribution<double> unit(0, 1);
    const double l = 6000 + 6000 * unit(random);
    RandomMember m{{l, Ei, {}, {}, {}, {}}, {}};
    const bool left = unit(random) < 0.4;
    const bool right = unit(random) < 0.4;
    const int supports = 2 + static_cast<int>(unit(random) * (3 - left - right));  // spans ≤ 4
    const double from = left ? 0.1 * l : 0;
    const double to = right ? 0.85 * l : l;
    for (int s = 0; s < supports; ++s) {
        const double x =
            from + (to - from) * (s + 0.3 * (unit(random) - 0.5) * (s > 0 && s + 1 < supports)) / (supports - 1);
        const SupportKind kind = s == 0 && !left && unit(random) < 0.3 ? SupportKind::Fixed
                                 : s == 0                              ? SupportKind::Pinned
                                                                       : SupportKind::Roller;
        m.beam.supports.push_back({x, kind});
    }
    for (int k = 0; k <= variableCases; ++k) {
        LoadCase c;
        c.variable = k > 0;
        const int loads = 1 + static_cast<int>(unit(random) * 3);
        for (int i = 0; i < loads; ++i) {
            const double w = (unit(random) < 0.2 ? -5 : 10) * (0.5 + unit(random));
            const double at = unit(random) < 0.25 ? m.beam.supports[1].x : l * unit(random);
            const double kind = unit(random);
            if (kind < 0.4) {
                const double a = l * unit(random);
                const double b = a + (l - a) * unit(random);
                c.distributed.push_back({a, b, w, w * unit(random)});
            } else if (kind < 0.8) {
                c.forces.push_back({at, w * 1000});
            } else {
                c.couples.push_back({at, w * 1e6});
            }
        }
        m.cases.push_back(c);
    }
    return m;
}

double largestMagnitude(const std::vector<GoverningPair> &envelope)
{
    double m = 0;
    for (const GoverningPair &p : envelope)
        m = std::max({m, std::fabs(p.largest.value), std::fabs(p.smallest.value)});
    return m;
}

// Quantity q: V, M, δ at the sections (also d, the diagrams whose absolute extremes are kept), the
// reactions and reaction moments at the supports.
const Piecewise &diagram(const BeamSolution &s, int d)
{
    return d == 0 ? s.shear : d == 1 ? s.moment : *s.deflection;
}

std::pair<GoverningAt, GoverningAt> absolute(const CombinationEnvelope &e, int d)
{
    return d == 0   ? std::pair{e.largestShear, e.smallestShear}
           : d == 1 ? std::pair{e.largestMoment, e.smallestMoment}
                    : std::pair{*e.largestDeflection, *e.smallestDeflection};
}

const std::vector<GoverningPair> &envelopeOf(const CombinationEnvelope &e, int q)
{
    return q == 0 ? e.shear : q == 1 ? e.moment : q == 2 ? e.deflection : q == 3 ? e.reactions : e.reactionMoments;
}

double valueOf(const BeamSolution &s, const CombinationEnvelope &e, int q, std::size_t i)
{
    return q < 3 ? diagram(s, q)(e.x[i]) : q == 3 ? s.reactions[i].force : s.reactions[i].moment;
}

TEST(combination, EnvelopeIsTheWorstOfTheCombinationsSolvedOneByOne)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> factor(-1, 2);
    for (int trial = 0; trial < 20; ++trial) {
        const RandomMember m = randomMember(random, 2);
        std::vector<Combination> combinations;
        for (int c = 0; c < 4; ++c)
            combinations.push_back({{factor(random), c == 1 ? 0.0 : factor(random), factor(random)}, false});
        const Outcome<CombinationEnvelope> e = combinationEnvelope(m.beam, m.cases, combinations, 40);
        ASSERT_TRUE(e) << e.error().message;
        std::vector<BeamSolution> solved;
        for (const Combination &c : combinations) {
            const Outcome<BeamSolution> s = solveCombination(m.beam, m.cases, c);
            ASSERT_TRUE(s) << s.error().message;
            solved.push_back(*s);
        }
        for (int q = 0; q < 5; ++q) {
            const std::vector<GoverningPair> &envelope = envelopeOf(*e, q);
            const double tolerance = 1e-9 * largestMagnitude(envelope);
            for (std::size_t i = 0; i < envelope.size(); ++i) {
                std::vector<double> v;
                for (const BeamSolution &s : solved)
                    v.push_back(valueOf(s, *e, q, i));
                const auto high = std::max_element(v.begin(), v.end());
                const auto low = std::min_element(v.begin(), v.end());
                EXPECT_NEAR(envelope[i].largest.value, *high, tolerance) << trial << ' ' << i;
                EXPECT_NEAR(envelope[i].smallest.value, *low, tolerance) << trial << ' ' << i;
                EXPECT_NEAR(v[static_cast<std::size_t>(envelope[i].largest.combination)], *high, tolerance);
                EXPECT_NEAR(v[static_cast<std::size_t>(envelope[i].smallest.combination)], *low, tolerance);
                EXPECT_TRUE(envelope[i].largest.loadedSpans.empty() && envelope[i].largest.caseSpans.empty());
            }
        }
        for (int d = 0; d < 3; ++d) {
            double high = -HUGE_VAL, low = HUGE_VAL;
            for (const BeamSolution &s : solved) {
                const Extremes x = extremes(diagram(s, d));
                high = std::max(high, x.largest.value);
                low = std::min(low, x.smallest.value);
            }
            const auto [largest, smallest] = absolute(*e, d);
            const double tolerance = 1e-9 * std::max(std::fabs(high), std::fabs(low));
            EXPECT_NEAR(largest.governing.value, high, tolerance) << trial;
            EXPECT_NEAR(smallest.governing.value, low, tolerance) << trial;
            const Piecewise &f = diagram(solved[static_cast<std::size_t>(largest.governing.combination)], d);
            EXPECT_NEAR(std::max(f.leftOf(largest.x), f.rightOf(largest.x)), high, tolerance) << trial;
        }
    }
}

// Equal spans l under g (permanent) and q (variable), both uniform over the whole member, one
// combination 1.0·G + 1.0·Q with pattern loading: the textbook worst values, from the three-moment
// equation, per g·l² and q·l² (per g·l and q·l for the reactions).
struct Textbook {
    const char *what;
    int spans;
    enum { SpanMaximum, SmallestMomentAt, LargestReaction, SmallestReaction } kind;
    double where;  // the section per l, or the support
    double g, q;   // the value, or for SpanMaximum the end reaction RA: M = RA² / (2 (g + q))
    std::vector<bool> loaded;
};

TEST(combination, PatternLoadingOfEqualSpansGivesTheTextbookValues)
{
    const std::vector<Textbook> rows = {
        {"two spans: span moment", 2, Textbook::SpanMaximum, 0, 3.0 / 8, 7.0 / 16, {true, false}},
        {"two spans: support moment", 2, Textbook::SmallestMomentAt, 1, -1.0 / 8, -1.0 / 8, {true, true}},
        {"two spans: end reaction", 2, Textbook::LargestReaction, 0, 3.0 / 8, 7.0 / 16, {true, false}},
        {"two spans: least end reaction", 2, Textbook::SmallestReaction, 0, 3.0 / 8, -1.0 / 16, {false, true}},
        {"two spans: middle reaction", 2, Textbook::LargestReaction, 1, 5.0 / 4, 5.0 / 4, {true, true}},
        {"three spans: end span moment", 3, Textbook::SpanMaximum, 0, 2.0 / 5, 9.0 / 20, {true, false, true}},
        {"three spans: middle span moment",
         3,
         Textbook::SmallestMomentAt,
         -1.5,
         1.0 / 40,
         3.0 / 40,
         {false, true, false}},
        {"three spans: support moment", 3, Textbook::SmallestMomentAt, 1, -1.0 / 10, -7.0 / 60, {true, true, false}},
        {"three spans: end reaction", 3, Textbook::LargestReaction, 0, 2.0 / 5, 9.0 / 20, {true, false, true}},
        {"three spans: least end reaction", 3, Textbook::SmallestReaction, 0, 2.0 / 5, -1.0 / 20, {false, true, false}},
        {"three spans: inner reaction", 3, Textbook::LargestReaction, 1, 11.0 / 10, 6.0 / 5, {true, true, false}},
        {"three spans: least inner reaction",
         3,
         Textbook::SmallestReaction,
         1,
         11.0 / 10,
         -1.0 / 10,
         {false, false, true}},
    };
    const double l = 5000;
    for (const Textbook &row : rows)
        for (const auto &[g, q] : std::vector<std::pair<double, double>>{{0.0, 1.0}, {1.0, 0.75}, {2.5, 1.0}}) {
            SCOPED_TRACE(testing::Message() << row.what << ", g = " << g << ", q = " << q);
            const Beam member = equalSpans(row.spans, l);
            const std::vector<LoadCase> cases = {{{}, {}, {{0, row.spans * l, g, g}}, false},
                                                 {{}, {}, {{0, row.spans * l, q, q}}, true}};
            const Outcome<CombinationEnvelope> e = combinationEnvelope(member, cases, {{{1.0, 1.0}, true}}, 6);
            ASSERT_TRUE(e) << e.error().message;
            ASSERT_EQ(e->spans.size(), static_cast<std::size_t>(row.spans));
            const double value = row.g * g + row.q * q;
            const auto section = [&](double at) {
                return static_cast<std::size_t>(std::find(e->x.begin(), e->x.end(), at) - e->x.begin());
            };
            // The middle span's largest moment is a largest value; its row is written as a smallest
            // one with the section negative.
            const Governing &found =
                row.kind == Textbook::SpanMaximum        ? e->largestMoment.governing
                : row.kind == Textbook::LargestReaction  ? e->reactions[static_cast<std::size_t>(row.where)].largest
                : row.kind == Textbook::SmallestReaction ? e->reactions[static_cast<std::size_t>(row.where)].smallest
                : row.where < 0                          ? e->moment[section(-row.where * l)].largest
                                                         : e->moment[section(row.where * l)].smallest;
            const double expected = row.kind == Textbook::SpanMaximum        ? value * value / (2 * (g + q)) * l * l
                                    : row.kind == Textbook::SmallestMomentAt ? value * l * l
                                                                             : value * l;
            const bool reaction = row.kind == Textbook::LargestReaction || row.kind == Textbook::SmallestReaction;
            EXPECT_NEAR(found.value, expected, 1e-12 * (g + q) * (reaction ? l : l * l));
            EXPECT_EQ(found.combination, 0);
            // The largest span moment of a symmetric member may be found in either end span.
            std::vector<bool> loaded = row.loaded;
            if (row.kind == Textbook::SpanMaximum) {
                const double x = e->largestMoment.x;
                EXPECT_NEAR(std::min(x, member.length - x), value / (g + q) * l, 1e-9 * l);
                if (x > member.length / 2)
                    std::reverse(loaded.begin(), loaded.end());
            }
            EXPECT_EQ(found.loadedSpans, loaded);
            ASSERT_EQ(found.caseSpans.size(), 2u);
            EXPECT_TRUE(found.caseSpans[0].empty());
            EXPECT_EQ(found.caseSpans[1], loaded);
        }
}

// Every pattern of two variable cases, each on any subset of the spans, solved by itself.
TEST(combination, PatternEnvelopeHoldsEveryPatternAndIsAttained)
{
    std::mt19937 random(5);
    for (int trial = 0; trial < 12; ++trial) {
        const RandomMember m = randomMember(random, 2);
        const std::vector<Combination> combinations = {{{1.35, 1.5, 0.9}, true}, {{1.0, -0.5, 1.5}, true}};
        const Outcome<CombinationEnvelope> e = combinationEnvelope(m.beam, m.cases, combinations, trial % 2 ? 30 : 1);
        ASSERT_TRUE(e) << e.error().message;
        const std::size_t spans = e->spans.size();
        ASSERT_LE(spans, 4u);
        std::vector<std::pair<int, BeamSolution>> patterns;
        for (int c = 0; c < 2; ++c)
            for (unsigned bits = 0; bits < (1u << (2 * spans)); ++bits) {
                std::vector<std::vector<bool>> on{{}, std::vector<bool>(spans), std::vector<bool>(spans)};
                for (std::size_t s = 0; s < spans; ++s) {
                    on[1][s] = (bits >> s) & 1u;
                    on[2][s] = (bits >> (s + spans)) & 1u;
                }
                const Outcome<BeamSolution> solved = solvePattern(m.beam, m.cases, combinations[c], on);
                ASSERT_TRUE(solved) << solved.error().message;
                patterns.emplace_back(c, *solved);
            }
        const auto governingSolution = [&](const Governing &g) {
            const Outcome<BeamSolution> s =
                solvePattern(m.beam, m.cases, combinations[static_cast<std::size_t>(g.combination)], g.caseSpans);
            EXPECT_TRUE(s);
            return *s;
        };
        for (int q = 0; q < 5; ++q) {
            const std::vector<GoverningPair> &envelope = envelopeOf(*e, q);
            const double tolerance = 1e-9 * largestMagnitude(envelope);
            for (std::size_t i = 0; i < envelope.size(); ++i) {
                for (const auto &[c, s] : patterns) {
                    EXPECT_LE(valueOf(s, *e, q, i), envelope[i].largest.value + tolerance) << trial << ' ' << i;
                    EXPECT_GE(valueOf(s, *e, q, i), envelope[i].smallest.value - tolerance) << trial << ' ' << i;
                }
                EXPECT_NEAR(valueOf(governingSolution(envelope[i].largest), *e, q, i), envelope[i].largest.value,
                            tolerance);
                EXPECT_NEAR(valueOf(governingSolution(envelope[i].smallest), *e, q, i), envelope[i].smallest.value,
                            tolerance);
            }
        }
        // The absolute extremes are the extremes of the worst pattern, exactly where they act.
        for (int d = 0; d < 3; ++d) {
            double high = -HUGE_VAL, low = HUGE_VAL;
            for (const auto &p : patterns) {
                const Extremes x = extremes(diagram(p.second, d));
                high = std::max(high, x.largest.value);
                low = std::min(low, x.smallest.value);
            }
            const auto [largest, smallest] = absolute(*e, d);
            const double tolerance = 1e-9 * std::max(std::fabs(high), std::fabs(low));
            for (const auto &[found, expected] : {std::pair{largest, high}, {smallest, low}}) {
                EXPECT_NEAR(found.governing.value, expected, tolerance) << trial;
                const BeamSolution worst = governingSolution(found.governing);
                const Piecewise &f = diagram(worst, d);
                EXPECT_TRUE(std::fabs(f.leftOf(found.x) - expected) <= tolerance ||
                            std::fabs(f.rightOf(found.x) - expected) <= tolerance)
                    << trial;
            }
        }
    }
}

TEST(combination, APointForceOnASupportBelongsToTheSpanOnItsRight)
{
    const Beam member = equalSpans(2, 4000);
    const std::vector<LoadCase> cases = {{{{4000, 1e4}}, {}, {}, true}};
    for (const auto &[loaded, middle] :
         std::vector<std::pair<std::vector<bool>, double>>{{{true, false}, 0.0}, {{false, true}, 1e4}}) {
        const Outcome<BeamSolution> s = solveCombination(member, cases, {{1.0}, true}, loaded);
        ASSERT_TRUE(s);
        EXPECT_NEAR(s->reactions[1].force, middle, 1e-6);
    }
}

TEST(combination, RefusesWhatCannotBeCombined)
{
    const Beam member = equalSpans(2, 4000);
    const std::vector<LoadCase> cases = {{{{1000, 1e4}}, {}, {}, false}, {{}, {}, {{0, 8000, 5, 5}}, true}};
    const Combination valid{{1.35, 1.5}, true};
    const std::vector<LoadCase> tooMany(MaxLoadCases + 1);
    std::vector<LoadCase> outside = cases;
    outside[1].distributed[0].to = 9000;
    Beam loose = member;
    loose.supports.resize(1);
    struct Refusal {
        Beam member;
        std::vector<LoadCase> cases;
        std::vector<Combination> combinations;
        int intervals;
        ErrorKind kind;
    };
    const std::vector<Refusal> refusals = {
        {member, cases, {}, 10, ErrorKind::InvalidInput},
        {member, cases, {valid, {{1.35}, false}}, 10, ErrorKind::InvalidInput},
        {member, cases, {{{1.35, NAN}, false}}, 10, ErrorKind::InvalidInput},
        {member, cases, {{{HUGE_VAL, 1.5}, true}}, 10, ErrorKind::InvalidInput},
        {member, cases, {valid}, 0, ErrorKind::InvalidInput},
        {member, cases, {valid}, 10001, ErrorKind::InvalidInput},
        {member, tooMany, {{std::vector<double>(MaxLoadCases + 1, 1.0), false}}, 10, ErrorKind::InvalidInput},
        {member, cases, std::vector<Combination>(MaxCombinations + 1, valid), 10, ErrorKind::InvalidInput},
        {member, outside, {valid}, 10, ErrorKind::InvalidInput},
        {loose, cases, {valid}, 10, ErrorKind::Mechanism},
    };
    for (std::size_t r = 0; r < refusals.size(); ++r) {
        const Refusal &x = refusals[r];
        const Outcome<CombinationEnvelope> e = combinationEnvelope(x.member, x.cases, x.combinations, x.intervals);
        ASSERT_FALSE(e) << r;
        EXPECT_EQ(e.error().kind, x.kind) << r << ": " << e.error().message;
        if (x.combinations.size() == 1 && x.intervals == 10) {
            EXPECT_FALSE(solveCombination(x.member, x.cases, x.combinations[0])) << r;
        }
    }
    EXPECT_TRUE(combinationEnvelope(member, cases, {valid}, 10000));
    EXPECT_FALSE(solveCombination(member, cases, valid, {true, false, true}));
    EXPECT_FALSE(solvePattern(member, cases, valid, {{}, {true}}));
}

}  // namespace
