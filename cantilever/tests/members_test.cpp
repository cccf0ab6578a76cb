// Every closed-form row that names a quantity at a point, held against the member the case
// states, solved exactly: at the start values and at twenty other inputs the case accepts.
// Each row is read off the solution the way its meaning says (hogging shown positive,
// clockwise end couple, upward deflection), so a sign that disagrees with the meaning fails
// as surely as a wrong digit. A row left out says why in its case's table.

#include "cantilever/tests/cantilevertest.h"
#include "mechanics/extremes.h"
#include "shell/core/testing/acceptedinputs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <ostream>
#include <set>

namespace cantilever::tests {
namespace {

constexpr double Exact = 1e-9;

// One member of a case solved for one set of inputs, read in the solver's convention (x from
// the left end as sketched, moment sagging positive, deflection downward positive).
struct Solved {
    const shell::CaseDef &definition;
    const std::vector<double> &inputs;
    const mechanics::BeamSolution &solution;

    double in(const std::string &caption) const
    {
        for (int k = 0; k < definition.inputCount(); ++k)
            if (definition.inputs[static_cast<std::size_t>(k)].caption == caption)
                return inputs[static_cast<std::size_t>(k)];
        throw std::invalid_argument("no input " + caption);
    }
    double length() const { return solution.length; }
    double R(std::size_t support) const { return solution.reactions.at(support).force; }
    // The end couple a support exerts on the member, clockwise positive.
    double couple(std::size_t support) const { return solution.reactions.at(support).moment; }
    double M(double x) const { return solution.moment(x); }
    // Just left of x; at the left end, inside its support: the end couple the support exerts
    // (a couple applied at a fixed end goes into it).
    double MLeftOf(double x) const { return x > 0 ? solution.moment.leftOf(x) : couple(0); }
    // Beyond the right end the member carries nothing.
    double MRightOf(double x) const { return x < length() ? solution.moment.rightOf(x) : 0.0; }
    double f(double x) const { return (*solution.deflection)(x); }
    // The extreme of a diagram on the side of the load's sign: the largest sagging moment or
    // downward deflection under a downward load, the largest upward one under uplift.
    static double peak(const mechanics::Piecewise &diagram, double load)
    {
        const mechanics::Extremes e = mechanics::extremes(diagram);
        return load >= 0 ? e.largest.value : e.smallest.value;
    }
    double peakM(double load) const { return peak(solution.moment, load); }
    double peakF(double load) const { return peak(*solution.deflection, load); }
};

// A row read off member `member`; `tolerance` is relative to the larger of the value and the
// largest magnitude of the row's diagram (shear for forces, moment, deflection).
struct Reading {
    std::string symbol;
    int member;
    std::function<double(const Solved &)> value;
    double tolerance = Exact;
};

// A row not held against the solver, and why.
struct Excluded {
    std::string symbol;
    std::string why;
};

struct CaseTable {
    int caseIndex;
    std::vector<Reading> readings;
    std::vector<Excluded> excluded;
    // The start values changed to a bound of the domain (a load or couple at the fixed end).
    std::vector<Changes> bounds = {};
};

// Half a unit in the last published digit of a handbook coefficient, relative to it: the
// tolerance of a row written with that coefficient.
double roundedCoefficient(double halfUnit, double coefficient)
{
    return halfUnit / coefficient;
}

// Readings shared by the single spans: member 0 simply supported, member 1 fixed at both ends.
constexpr int SS = 0;
constexpr int FF = 1;

Reading atA(const std::string &symbol, int member)
{
    return {symbol, member, [](const Solved &s) { return s.R(0); }};
}
Reading atB(const std::string &symbol, int member)
{
    return {symbol, member, [](const Solved &s) { return s.R(1); }};
}
Reading midSpanMoment(const std::string &symbol)
{
    return {symbol, SS, [](const Solved &s) { return s.M(s.length() / 2); }};
}
Reading midSpanDeflection(const std::string &symbol, int member)
{
    return {symbol, member, [](const Solved &s) { return s.f(s.length() / 2); }};
}
Reading largestMoment(const std::string &symbol, const std::string &load, double tolerance = Exact)
{
    return {symbol, SS, [load](const Solved &s) { return s.peakM(s.in(load)); }, tolerance};
}
Reading largestDeflection(const std::string &symbol, int member, const std::string &load, double tolerance = Exact)
{
    return {symbol, member, [load](const Solved &s) { return s.peakF(s.in(load)); }, tolerance};
}
// Both ends of the fixed-ended span of a symmetric load: hogging shown positive.
std::vector<Reading> hoggingEnds(const std::string &symbol)
{
    return {{symbol, FF, [](const Solved &s) { return -s.M(0); }},
            {symbol, FF, [](const Solved &s) { return -s.M(s.length()); }}};
}
// The reactions, mid-span moment and deflection and end moments of a symmetric load.
std::vector<Reading> symmetricSpan(const std::string &load, bool fixedDeflection, bool fixedDeflectionLargest)
{
    std::vector<Reading> r = {atA("RA", SS),
                              atA("RA", FF),
                              atB("RB", SS),
                              atB("RB", FF),
                              midSpanMoment("MC"),
                              largestMoment("MC", load),
                              midSpanDeflection("fC", SS),
                              largestDeflection("fC", SS, load)};
    for (const Reading &end : hoggingEnds("MA,MB"))
        r.push_back(end);
    if (fixedDeflection)
        r.push_back(midSpanDeflection("fC2", FF));
    if (fixedDeflectionLargest)
        r.push_back(largestDeflection("fC2", FF, load));
    return r;
}

std::vector<CaseTable> tables()
{
    const auto cantilever = [](const std::vector<Reading> &extra) {
        std::vector<Reading> r = {{"RA", 0, [](const Solved &s) { return s.R(0); }}};
        r.insert(r.end(), extra.begin(), extra.end());
        return r;
    };
    const auto fromFreeEnd = [](const Solved &s) { return s.length() - s.in("x"); };
    return {
        {0,
         cantilever({{"Mx", 0, [=](const Solved &s) { return -s.M(fromFreeEnd(s)); }},
                     {"fB", 0, [](const Solved &s) { return s.f(s.length()); }},
                     {"fC", 0, [](const Solved &s) { return s.f(s.in("a")); }}}),
         {},
         {{{"a", 0}, {"x", 20}}, {{"a", 0}, {"x", 0}}}},
        {1,
         cantilever({{"Mx", 0, [=](const Solved &s) { return -s.M(fromFreeEnd(s)); }},
                     {"MA", 0, [](const Solved &s) { return -s.M(0); }},
                     {"MA", 0, [](const Solved &s) { return -s.couple(0); }},
                     {"fx", 0, [=](const Solved &s) { return s.f(fromFreeEnd(s)); }}}),
         {}},
        {2,
         cantilever({{"Mx", 0, [=](const Solved &s) { return -s.M(fromFreeEnd(s)); }},
                     {"MA", 0, [](const Solved &s) { return -s.M(0); }},
                     {"fx", 0, [=](const Solved &s) { return s.f(fromFreeEnd(s)); }}}),
         {}},
        // Mx: anywhere between A and C, so just left of C; MA: the clockwise end couple at A.
        {3,
         cantilever({{"Mx", 0, [](const Solved &s) { return -s.MLeftOf(s.in("a")); }},
                     {"MA", 0, [](const Solved &s) { return -s.couple(0); }},
                     {"fB", 0, [](const Solved &s) { return s.f(s.length()); }},
                     {"fC", 0, [](const Solved &s) { return s.f(s.in("a")); }}}),
         {},
         {{{"a", 0}}, {{"a", 0}, {"b", 1}}}},
        {4,
         cantilever({{"RB", 0, [](const Solved &s) { return s.R(1); }},
                     {"MA", 0, [](const Solved &s) { return s.M(0); }},
                     {"MC", 0, [](const Solved &s) { return s.M(s.in("a")); }},
                     {"fC", 0, [](const Solved &s) { return s.f(s.in("a")); }}}),
         {}},
        {5,
         cantilever({{"RB", 0, [](const Solved &s) { return s.R(1); }},
                     {"MA", 0, [](const Solved &s) { return s.M(0); }},
                     {"MC", 0, [](const Solved &s) { return s.M((5 * s.length()) / 8); }},
                     {"MC", 0, [](const Solved &s) { return s.peakM(s.in("w")); }},
                     {"fx", 0, [=](const Solved &s) { return s.f(fromFreeEnd(s)); }},
                     // wl⁴/(184.6 EI) published as wl⁴/(185 EI).
                     {"fmax", 0, [](const Solved &s) { return s.peakF(s.in("w")); }, roundedCoefficient(0.5, 185)}}),
         {}},
        {6,
         cantilever(
             {{"RB", 0, [](const Solved &s) { return s.R(1); }},
              {"MA", 0, [](const Solved &s) { return s.M(0); }},
              {"Mmax", 0, [](const Solved &s) { return s.peakM(s.in("w")); }, roundedCoefficient(0.00005, 0.0298)},
              {"fmax", 0, [](const Solved &s) { return s.peakF(s.in("w")); },
               roundedCoefficient(0.0000005, 0.002385)}}),
         {}},
        {7,
         cantilever({{"RB", 0, [](const Solved &s) { return s.R(1); }},
                     {"MA", 0, [](const Solved &s) { return s.couple(0); }},
                     {"MCA", 0, [](const Solved &s) { return -s.MLeftOf(s.in("a")); }},
                     {"MCB", 0, [](const Solved &s) { return s.MRightOf(s.in("a")); }}}),
         {},
         {{{"a", 0}}}},
        {8,
         {atA("RA", SS),
          atB("RB", SS),
          {"MC", SS, [](const Solved &s) { return s.M(s.in("a")); }},
          largestMoment("MC", "P"),
          midSpanDeflection("fmid", SS),
          atA("RAs", FF),
          atB("RBs", FF),
          {"MA", FF, [](const Solved &s) { return s.M(0); }},
          {"MB", FF, [](const Solved &s) { return s.couple(1); }},
          {"MB", FF, [](const Solved &s) { return -s.M(s.length()); }},
          {"fC", FF, [](const Solved &s) { return s.f(s.in("a")); }}},
         {}},
        {9,
         {atA("RA", SS),
          atA("RA", FF),
          atB("RB", SS),
          atB("RB", FF),
          midSpanMoment("MC"),
          largestMoment("MC", "P"),
          midSpanDeflection("fC", SS),
          hoggingEnds("MB")[0],
          hoggingEnds("MB")[1],
          {"MB", FF, [](const Solved &s) { return s.M(s.length() / 2); }},
          midSpanDeflection("fC2", FF),
          largestDeflection("fC2", FF, "P")},
         {}},
        {10, symmetricSpan("P", true, true), {}},
        {11, symmetricSpan("P", true, true), {}},
        {12, symmetricSpan("w", true, true), {}},
        {13, symmetricSpan("w", false, false), {}},
        {14, symmetricSpan("w", true, true), {}},
        {15, symmetricSpan("w", false, false), {}},
        {16, symmetricSpan("w", false, false), {}},
        {17,
         {atA("RA", SS),
          atB("RB", SS),
          {"Mx", SS, [](const Solved &s) { return s.M(s.in("x")); }},
          largestMoment("Mmax", "w", roundedCoefficient(0.0005, 0.064)),
          largestDeflection("fmax", SS, "w", roundedCoefficient(0.000005, 0.00652)),
          atA("RA1", FF),
          atB("RB1", FF),
          {"MA", FF, [](const Solved &s) { return s.M(0); }},
          {"MB", FF, [](const Solved &s) { return s.M(s.length()); }},
          largestDeflection("fC", FF, "w", roundedCoefficient(0.5, 764))},
         {}},
        {18,
         {atA("RA", SS),
          atB("RB", SS),
          {"Mmax", SS, [](const Solved &s) { return s.M(s.in("a") + (s.R(0) / s.in("w"))); }},
          largestMoment("Mmax", "w"),
          {"MA", FF, [](const Solved &s) { return s.M(0); }},
          {"MB", FF, [](const Solved &s) { return s.couple(1); }}},
         {{"fmax", "the deflection of the load centred on the span whatever a and c are: held against the solver "
                   "where a = c and as a bound elsewhere (PartialLoadDeflectionIsTheCentredOne)"}}},
        {19,
         {atA("RA", SS),
          atB("RB", SS),
          {"MCA", SS, [](const Solved &s) { return -s.MLeftOf(s.in("a")); }},
          {"MCB", SS, [](const Solved &s) { return s.MRightOf(s.in("a")); }},
          {"fC", SS, [](const Solved &s) { return -s.f(s.in("a")); }},
          {"MA", FF, [](const Solved &s) { return s.couple(0); }},
          {"MB", FF, [](const Solved &s) { return s.couple(1); }}},
         {},
         {{{"a", 0}}}},
    };
}

// The largest magnitude of the diagram a row of this dimension is read from.
double diagramScale(const mechanics::BeamSolution &s, shell::Dimension dimension)
{
    const auto largest = [](const mechanics::Piecewise &diagram) {
        const mechanics::Extremes e = mechanics::extremes(diagram);
        return std::max(std::abs(e.largest.value), std::abs(e.smallest.value));
    };
    switch (dimension) {
    case shell::Dimension::Force:
        return largest(s.shear);
    case shell::Dimension::Moment:
        return largest(s.moment);
    default:
        return s.deflection ? largest(*s.deflection) : 0.0;
    }
}

int rowOf(const shell::CaseDef &definition, const std::string &symbol)
{
    for (int r = 0; r < definition.rowCount(); ++r)
        if (shell::SymbolOf(definition.rows[static_cast<std::size_t>(r)].caption) == symbol)
            return r;
    throw std::invalid_argument("no row " + symbol + " in " + definition.caption);
}

std::vector<std::vector<double>> inputSets(const shell::CaseDef &definition, const std::vector<Changes> &bounds = {})
{
    std::vector<std::vector<double>> sets = {shell::startValues(definition)};
    for (const Changes &bound : bounds) {
        sets.push_back(shell::startValues(definition));
        for (const auto &[caption, value] : bound)
            for (int k = 0; k < definition.inputCount(); ++k)
                if (definition.inputs[static_cast<std::size_t>(k)].caption == caption)
                    sets.back()[static_cast<std::size_t>(k)] = value;
    }
    const auto drawn = shell::testing::acceptedInputs(definition, 20, 2024);
    EXPECT_EQ(drawn.size(), 20u) << definition.caption;
    sets.insert(sets.end(), drawn.begin(), drawn.end());
    return sets;
}

void PrintTo(const CaseTable &table, std::ostream *out)
{
    *out << caseDef(table.caseIndex).caption;
}

class cantileverMembers : public ::testing::TestWithParam<CaseTable>
{
};

std::string caseName(const ::testing::TestParamInfo<CaseTable> &info)
{
    return "Cantilever_" + std::to_string(info.param.caseIndex + 1);
}

// Every row is either read off a member or excluded with a reason, and the case states the
// members its readings use.
TEST_P(cantileverMembers, EveryRowIsReadOrExcluded)
{
    const shell::CaseDef &c = caseDef(GetParam().caseIndex);
    std::set<std::string> covered;
    for (const Reading &reading : GetParam().readings) {
        covered.insert(reading.symbol);
        EXPECT_LT(reading.member, static_cast<int>(c.members.size())) << reading.symbol;
    }
    for (const Excluded &excluded : GetParam().excluded) {
        EXPECT_TRUE(covered.insert(excluded.symbol).second) << excluded.symbol << " both read and excluded";
        EXPECT_FALSE(excluded.why.empty());
    }
    for (const shell::RowDef &row : c.rows)
        EXPECT_EQ(covered.count(shell::SymbolOf(row.caption)), 1u) << row.caption;
    EXPECT_EQ(covered.size(), c.rows.size());
}

TEST_P(cantileverMembers, RowsAgreeWithTheSolvedMember)
{
    const shell::CaseDef &c = caseDef(GetParam().caseIndex);
    for (const std::vector<double> &inputs : inputSets(c, GetParam().bounds)) {
        const shell::Evaluation evaluation = shell::evaluate(c, inputs);
        ASSERT_FALSE(evaluation.rejected) << evaluation.reason;
        for (const Reading &reading : GetParam().readings) {
            const auto solved =
                mechanics::solveBeam(c.members.at(static_cast<std::size_t>(reading.member)).beam(inputs));
            ASSERT_TRUE(solved.ok()) << solved.error().message;
            const int r = rowOf(c, reading.symbol);
            const double row = evaluation.values[static_cast<std::size_t>(r)];
            const double expected = reading.value({c, inputs, *solved});
            // Where the diagram is 0 throughout (a couple at a fixed end goes into the support),
            // the largest row of the same kind sets the scale; for forces also the largest
            // moment over the member's length.
            const shell::Dimension dimension = c.rows[static_cast<std::size_t>(r)].dimension;
            double largestRow = 0;
            for (std::size_t k = 0; k < c.rows.size(); ++k) {
                const double v = std::abs(evaluation.values[k]);
                if (c.rows[k].dimension == dimension)
                    largestRow = std::max(largestRow, v);
                else if (dimension == shell::Dimension::Force && c.rows[k].dimension == shell::Dimension::Moment)
                    largestRow = std::max(largestRow, v / solved->length);
            }
            const double scale = std::max({std::abs(expected), diagramScale(*solved, dimension), largestRow});
            EXPECT_NEAR(row, expected, reading.tolerance * scale)
                << reading.symbol << " on " << c.members[static_cast<std::size_t>(reading.member)].name << " ("
                << c.rows[static_cast<std::size_t>(r)].meaning << ") at inputs " << ::testing::PrintToString(inputs);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(everyCase, cantileverMembers, ::testing::ValuesIn(tables()), caseName);

// "Cantilever (20)" with the couple at the fixed end B itself (b = 0): the support takes it
// whole and the member carries no moment, so both end moments of the fixed span are 0, as its
// diagram is. Just inside the span (b = 1e-9) the short piece from C to B carries it.
TEST(cantileverMembersAtTheEnd, ACoupleAtAFixedEndGoesIntoTheSupport)
{
    const shell::CaseDef &c = caseDef(19);
    const int MA = rowOf(c, "MA"), MB = rowOf(c, "MB");
    for (const double b : {0.0, 1e-9}) {
        std::vector<double> inputs = shell::startValues(c);
        inputs[2] = b;  // M = 100, a = 70
        const shell::Evaluation e = shell::evaluate(c, inputs);
        ASSERT_FALSE(e.rejected) << e.reason;
        const auto solved = mechanics::solveBeam(c.members.at(FF).beam(inputs));
        ASSERT_TRUE(solved.ok()) << solved.error().message;
        EXPECT_NEAR(e.values[static_cast<std::size_t>(MA)], solved->moment(0), 1e-9) << "b = " << b;
        EXPECT_NEAR(e.values[static_cast<std::size_t>(MB)], -solved->moment(70 + b), 1e-6) << "b = " << b;
        EXPECT_NEAR(solved->reactions[1].moment, -100, 1e-6) << "the support's couple, b = " << b;
    }
}

}  // namespace
}  // namespace cantilever::tests
