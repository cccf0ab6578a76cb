// Every row of every frame case against the frame solver, at the start values and at random
// inputs the case accepts: the closed forms and the slope-deflection solution of the frame the
// case states must give the same corner moments, foot moments and reactions, each read through
// the sign the row's meaning gives it.

#include "mechanics/portalframe.h"
#include "rahmen/rahmen.h"
#include "shell/core/numbertext.h"
#include "shell/core/testing/acceptedinputs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace rahmen::testing {
namespace {

using mechanics::FrameMember;
using mechanics::PortalSolution;

// A row read off the solved frame; `in` are the case's inputs (for the position of E).
using Reading = std::function<double(const PortalSolution &p, const std::vector<double> &in)>;

Reading cornerB()
{
    return [](const PortalSolution &p, const std::vector<double> &) { return p.member(FrameMember::BC).moment(0); };
}
Reading cornerC()
{
    return [](const PortalSolution &p, const std::vector<double> &) {
        return p.member(FrameMember::BC).moment.leftOf(p.member(FrameMember::BC).length);
    };
}
Reading footA()
{
    return [](const PortalSolution &p, const std::vector<double> &) { return p.reactions.MA; };
}
Reading footD()
{
    return [](const PortalSolution &p, const std::vector<double> &) { return p.reactions.MD; };
}
Reading upA(double sign = 1)
{
    return [sign](const PortalSolution &p, const std::vector<double> &) { return sign * p.reactions.VA; };
}
Reading upD()
{
    return [](const PortalSolution &p, const std::vector<double> &) { return p.reactions.VD; };
}
// The solver's HA and HD point to the right: inward at A, outward at D.
Reading rightwardA(double sign)
{
    return [sign](const PortalSolution &p, const std::vector<double> &) { return sign * p.reactions.HA; };
}
Reading rightwardD(double sign)
{
    return [sign](const PortalSolution &p, const std::vector<double> &) { return sign * p.reactions.HD; };
}
// Column AB just below and just above E, at a = input 3 above A. A bracket at the foot has the
// foot below it (its end moment: 0 where pinned); one at the top has the corner above it, where
// the beam takes the moment on.
Reading belowE()
{
    return [](const PortalSolution &p, const std::vector<double> &in) {
        return in[3] == 0 ? p.reactions.MA : p.member(FrameMember::AB).moment.leftOf(in[3]);
    };
}
Reading aboveE()
{
    return [](const PortalSolution &p, const std::vector<double> &in) {
        return in[3] == in[1] ? p.member(FrameMember::BC).moment(0) : p.member(FrameMember::AB).moment.rightOf(in[3]);
    };
}

using Table = std::map<std::string, Reading>;

// Under a load on the beam or the bracket: upward reactions and inward thrusts.
Table verticalLoad(bool fixedFeet, bool bracket)
{
    Table t{{"MB", cornerB()}, {"MC", cornerC()},      {"VA", upA()},
            {"VD", upD()},     {"HA", rightwardA(+1)}, {"HD", rightwardD(-1)}};
    if (fixedFeet)
        t.insert({{"MA", footA()}, {"MD", footD()}});
    if (bracket)
        t.insert({{"MEA", belowE()}, {"MEB", aboveE()}});
    return t;
}

// Under a load acting to the right: A held down, D pushed up, both feet pushing left.
Table horizontalLoad(bool fixedFeet)
{
    Table t{{"MB", cornerB()}, {"MC", cornerC()},      {"VA", upA(-1)},
            {"VD", upD()},     {"HA", rightwardA(-1)}, {"HD", rightwardD(-1)}};
    if (fixedFeet)
        t.insert({{"MA", footA()}, {"MD", footD()}});
    return t;
}

struct FrameCase {
    int number;
    Table rows;
    // Inputs that must add up: a + b = l (index 2) or h (index 1); -1 where none.
    int sumOf = -1;
    // The start values with these inputs changed (index, value): the bounds of the domain.
    std::vector<std::vector<std::pair<std::size_t, double>>> bounds = {};
};

void PrintTo(const FrameCase &c, std::ostream *out)
{
    *out << "Rahmen (" << c.number << ")";
}

const shell::CaseDef &frameCase(int number)
{
    return program().cases.at(static_cast<std::size_t>(number - 1));
}

// Inputs the case accepts: drawn around the start values; where a + b must equal a length of
// the frame, b is set to that length less a (the draws would otherwise almost never meet).
std::vector<std::vector<double>> inputsFor(const FrameCase &fc, int count)
{
    const shell::CaseDef &definition = frameCase(fc.number);
    std::vector<std::vector<double>> sets{shell::startValues(definition)};
    for (const auto &bound : fc.bounds) {
        sets.push_back(shell::startValues(definition));
        for (const auto &[k, value] : bound)
            sets.back()[k] = value;
    }
    if (fc.sumOf < 0) {
        for (const auto &in : shell::testing::acceptedInputs(definition, count, 7 + fc.number))
            sets.push_back(in);
        return sets;
    }
    shell::CaseDef untied = definition;
    untied.checks.erase(std::remove_if(untied.checks.begin(), untied.checks.end(),
                                       [](const shell::Check &c) { return c.reason.rfind("a + b", 0) == 0; }),
                        untied.checks.end());
    for (auto in : shell::testing::acceptedInputs(untied, 4 * count, 7 + fc.number)) {
        in[4] = in[static_cast<std::size_t>(fc.sumOf)] - in[3];
        if (!shell::evaluate(definition, in).rejected &&
            sets.size() <= static_cast<std::size_t>(count) + fc.bounds.size())
            sets.push_back(in);
    }
    return sets;
}

class RahmenAgainstSolver : public ::testing::TestWithParam<FrameCase>
{
};

TEST_P(RahmenAgainstSolver, EveryRowIsTheSolvedFrame)
{
    const FrameCase &fc = GetParam();
    const shell::CaseDef &definition = frameCase(fc.number);
    ASSERT_EQ(definition.members.size(), 1u);
    ASSERT_TRUE(definition.members[0].frame);
    ASSERT_EQ(fc.rows.size(), definition.rows.size()) << "every row has a reading";
    const auto sets = inputsFor(fc, 20);
    ASSERT_EQ(sets.size(), 21u + fc.bounds.size());
    for (const std::vector<double> &in : sets) {
        SCOPED_TRACE(::testing::PrintToString(in));
        const shell::Evaluation e = shell::evaluate(definition, in);
        ASSERT_FALSE(e.rejected) << e.reason;
        const auto solved = mechanics::solvePortalFrame(definition.members[0].frame(in));
        ASSERT_TRUE(solved.ok()) << solved.error().message;
        // Each row within 1e-9 of the largest value of its kind (moments, forces) in the case,
        // so that a small row beside large ones is held to the rounding of the large ones.
        std::map<shell::Dimension, double> largest;
        for (std::size_t r = 0; r < e.values.size(); ++r)
            largest[definition.rows[r].dimension] =
                std::max(largest[definition.rows[r].dimension], std::abs(e.values[r]));
        for (std::size_t r = 0; r < e.values.size(); ++r) {
            const std::string symbol = shell::SymbolOf(definition.rows[r].caption);
            const double expected = fc.rows.at(symbol)(*solved, in);
            EXPECT_NEAR(e.values[r], expected, 1e-9 * largest[definition.rows[r].dimension]) << symbol;
        }
    }
}

std::string caseName(const ::testing::TestParamInfo<FrameCase> &param)
{
    return "case" + std::to_string(param.param.number);
}

INSTANTIATE_TEST_SUITE_P(
    Rahmen, RahmenAgainstSolver,
    ::testing::Values(FrameCase{1, verticalLoad(false, false)}, FrameCase{2, horizontalLoad(false)},
                      FrameCase{3, verticalLoad(false, false), 2}, FrameCase{4, horizontalLoad(false)},
                      // The bracket at the foot, at the corner, on the column axis.
                      FrameCase{5, verticalLoad(false, true), -1, {{{3, 0}}, {{3, 100}}, {{4, 0}}}},
                      FrameCase{6, verticalLoad(true, false)}, FrameCase{7, horizontalLoad(true)},
                      FrameCase{8, verticalLoad(true, false), 2}, FrameCase{9, horizontalLoad(true)},
                      FrameCase{10, verticalLoad(true, true), 1, {{{3, 0}, {4, 100}}, {{3, 100}, {4, 0}}, {{5, 0}}}}),
    caseName);

}  // namespace
}  // namespace rahmen::testing
