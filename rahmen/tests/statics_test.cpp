// Physics of the frame cases: every frame in equilibrium under its load, the bracket's moment
// jump, sign reversal under a reversed load, and the domain of each case with its reasons.

#include "rahmen/rahmen.h"
#include "shell/core/numbertext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace rahmen::testing {
namespace {

using Values = std::map<std::string, double>;

const shell::CaseDef &frameCase(int number)
{
    return program().cases.at(static_cast<std::size_t>(number - 1));
}

// All inputs of case `number` by caption: the start values with `changes` laid over them.
Values byCaption(int number, const Values &changes = {})
{
    const shell::CaseDef &c = frameCase(number);
    Values v;
    for (const shell::InputDef &input : c.inputs)
        v[input.caption] = changes.count(input.caption) ? changes.at(input.caption) : input.start;
    return v;
}

// The evaluation of case `number` at its start values with `changes` laid over them.
shell::Evaluation evaluation(int number, const Values &changes = {})
{
    const Values in = byCaption(number, changes);
    std::vector<double> values;
    for (const shell::InputDef &input : frameCase(number).inputs)
        values.push_back(in.at(input.caption));
    return shell::evaluate(frameCase(number), values);
}

// The results of case `number` by symbol ("MB", "VA", ...); empty when the input is rejected.
Values results(int number, const Values &changes = {})
{
    const shell::CaseDef &c = frameCase(number);
    const shell::Evaluation e = evaluation(number, changes);
    Values bySymbol;
    for (std::size_t r = 0; r < e.values.size(); ++r)
        bySymbol[shell::SymbolOf(c.rows[r].caption)] = e.values[r];
    return bySymbol;
}

// A sum of terms is zero to within rounding of its largest term.
void expectBalanced(std::initializer_list<double> terms, const char *what)
{
    double sum = 0, largest = 0;
    for (const double t : terms) {
        sum += t;
        largest = std::max(largest, std::abs(t));
    }
    EXPECT_NEAR(sum, 0.0, 1e-10 * largest) << what;
}

// Each frame with a stiff beam (k = 2.25), a + b = l for the load on the beam and a + b = h for
// the bracket.
TEST(RahmenStatics, EveryFrameIsInEquilibrium)
{
    for (int number = 1; number <= 10; ++number) {
        SCOPED_TRACE(number);
        const std::string loadCaption = frameCase(number).inputs[0].caption;  // P or w
        Values changes = {{"h", 300}, {"l", 500}, {"I1", 400}, {"I2", 1500}};
        changes[loadCaption] = loadCaption == "w" ? 12 : 2500;
        if (number == 3 || number == 8)
            changes.insert({{"a", 120}, {"b", 380}});
        if (number == 5 || number == 10)
            changes.insert({{"a", 220}, {"c", 45}, {"b", 80}});
        const Values in = byCaption(number, changes);
        const Values r = results(number, changes);
        ASSERT_FALSE(r.empty());
        const double h = in.at("h"), l = in.at("l"), F = in.count("w") ? in.at("w") : in.at("P");
        const double a = in.count("a") ? in.at("a") : 0, c = in.count("c") ? in.at("c") : 0;
        // The applied load worked by hand, with A at the origin, x to the right, y up, moments
        // counter-clockwise: the resultant forces, their moment about A, and the change the load
        // on the left column makes to MA − MB. Cases n and n + 5 carry the same load: w on the
        // beam, P at B, P on the beam, w on the left column, P on the bracket at c inside the bay.
        // clang-format off
        const struct {
            double fx, fy, momentAboutA, leftColumn;
        } loads[] = {{0, -F * l, -F * l * l / 2, 0}, {F, 0, -F * h, 0}, {0, -F, -F * a, 0},
                     {F * h, 0, -F * h * h / 2, F * h * h / 2}, {0, -F, -F * c, -F * c}};
        // clang-format on
        const auto &load = loads[(number - 1) % 5];
        const double MA = r.count("MA") ? r.at("MA") : 0.0;  // pinned feet carry no moment
        const double MD = r.count("MD") ? r.at("MD") : 0.0;
        // Under a horizontal load the reactions are magnitudes: VA acts down, HA and HD resist.
        const double sign = load.fx != 0 ? -1.0 : 1.0;
        const double VAup = sign * r.at("VA"), VDup = r.at("VD");
        const double HAinward = sign * r.at("HA"), HDinward = r.at("HD");  // A pushes right, D left

        expectBalanced({VAup, VDup, load.fy}, "vertical forces");
        expectBalanced({HAinward, -HDinward, load.fx}, "horizontal forces");
        // About A: VD on its lever l, the foot moments (a positive MA acts clockwise on the
        // frame, a positive MD counter-clockwise) and the load.
        expectBalanced({VDup * l, -MA, MD, load.momentAboutA}, "moments about A");
        // The unloaded right column: MD − MC = HD·h.
        expectBalanced({MD, -r.at("MC"), -HDinward * h}, "right column");
        expectBalanced({MA, -r.at("MB"), -HAinward * h, -load.leftColumn}, "left column");
        // The bracket moment: MEB − MEA = P·c.
        if (r.count("MEA"))
            expectBalanced({r.at("MEB"), -r.at("MEA"), -F * c}, "bracket");
    }
}

TEST(RahmenStatics, ReversedLoadReversesEveryResult)
{
    for (int number = 1; number <= 10; ++number) {
        const Values forward = results(number);
        const Values reversed = results(number, {{frameCase(number).inputs[0].caption, -1000}});
        ASSERT_EQ(forward.size(), reversed.size()) << number;
        for (const auto &[symbol, value] : forward) {
            EXPECT_NE(value, 0.0) << number << " " << symbol;
            EXPECT_DOUBLE_EQ(reversed.at(symbol), -value) << number << " " << symbol;
        }
    }
}

// A narrow bay still holds the bracket's lever; where a + b must equal l, the start a and b
// refuse it.
TEST(RahmenDomain, ANarrowBayIsAFrameWhereItsPositionsFit)
{
    for (int number = 1; number <= 10; ++number) {
        EXPECT_EQ(evaluation(number, {{"l", 0.001}, {"c", 0.0005}}).rejected, number == 3 || number == 8) << number;
        EXPECT_EQ(frameCase(number).title.rfind("Portal frame, ", 0), 0u) << frameCase(number).title;
    }
}

struct DomainCase {
    int number;
    Values changes;
    const char *reason;  // empty where the inputs are accepted
};

void PrintTo(const DomainCase &d, std::ostream *out)
{
    *out << "Rahmen (" << d.number << ") " << ::testing::PrintToString(d.changes);
}

class RahmenPositions : public ::testing::TestWithParam<DomainCase>
{
};

// The positions on the beam and the column at their bounds: a + b = l (or h) to within 1e-9 of
// it (1e-7 on the start frame of 100), a bracket no higher than the column.
TEST_P(RahmenPositions, AtTheirBounds)
{
    const DomainCase &d = GetParam();
    const shell::Evaluation e = evaluation(d.number, d.changes);
    EXPECT_EQ(e.reason, d.reason);
    EXPECT_EQ(e.rejected, !std::string(d.reason).empty());
    if (e.reason.rfind("a + b", 0) == 0) {  // b is the one to mend: a is measured first
        EXPECT_EQ(frameCase(d.number).inputs.at(static_cast<std::size_t>(e.field)).caption, "b");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rahmen, RahmenPositions,
    // clang-format off
    ::testing::Values(
        DomainCase{3, {{"a", 30}, {"b", 70}}, ""},
        DomainCase{3, {{"a", 30}, {"b", 70 + 5e-8}}, ""},
        DomainCase{3, {{"a", 30 - 5e-8}, {"b", 70}}, ""},
        DomainCase{3, {{"a", 30}, {"b", 70 + 2e-7}}, "a + b must equal l"},
        DomainCase{3, {{"a", 30 - 2e-7}, {"b", 70}}, "a + b must equal l"},
        DomainCase{3, {{"l", 120}}, "a + b must equal l"},
        DomainCase{3, {{"a", 0}, {"b", 100}}, "a must be greater than 0"},
        DomainCase{3, {{"a", 100}, {"b", 0}}, "b must be greater than 0"},
        DomainCase{3, {{"a", 0.001}, {"b", 99.999}}, ""},
        DomainCase{3, {{"h", 0}, {"a", 0}}, "h must be greater than 0"},
        DomainCase{8, {{"a", 95}, {"b", 5}}, ""},
        DomainCase{8, {{"a", 95}, {"b", 6}}, "a + b must equal l"},
        DomainCase{8, {{"a", -30}, {"b", 130}}, "a must be greater than 0"},
        DomainCase{5, {{"a", 100}}, ""},
        DomainCase{5, {{"a", 100.001}}, "a must lie between 0 and h"},
        DomainCase{5, {{"a", 0}}, ""},
        DomainCase{5, {{"a", -0.001}}, "a must lie between 0 and h"},
        DomainCase{5, {{"c", 0}}, ""},
        DomainCase{5, {{"c", -0.001}}, "c must be 0 or more"},
        DomainCase{5, {{"c", 99.999}}, ""},
        DomainCase{5, {{"c", 100}}, "c must be less than l"},
        DomainCase{5, {{"h", 50}}, "a must lie between 0 and h"},
        DomainCase{10, {{"a", 70}, {"b", 30}}, ""},
        DomainCase{10, {{"a", 70}, {"b", 30 + 5e-8}}, ""},
        DomainCase{10, {{"a", 70}, {"b", 30 + 2e-7}}, "a + b must equal h"},
        DomainCase{10, {{"h", 120}}, "a + b must equal h"},
        DomainCase{10, {{"a", 100}, {"b", 0}}, ""},
        DomainCase{10, {{"a", 0}, {"b", 100}}, ""},
        DomainCase{10, {{"a", -1}, {"b", 101}}, "a must be 0 or more"},
        DomainCase{10, {{"c", 0}}, ""},
        DomainCase{10, {{"c", 120}}, "c must be less than l"},
        DomainCase{10, {{"c", -30}}, "c must be 0 or more"}),
    // clang-format on
    [](const ::testing::TestParamInfo<DomainCase> &param) {
        return "case" + std::to_string(param.param.number) + "_" + std::to_string(param.index);
    });

}  // namespace
}  // namespace rahmen::testing
