// The domain of the frame cases with its reasons. Every row is held against the solved frame
// (its equilibrium is the solver's) in solver_test.cpp.

#include "rahmen/rahmen.h"
#include "shell/core/numbertext.h"

#include <gtest/gtest.h>

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
