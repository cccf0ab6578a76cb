// The domain of every case: each position and length accepted at its bounds and refused just
// beyond them, with the reason the entry error gives and the field it marks; and at every
// accepted bound, the member the case states can be solved. The span, the stiffness and the
// loads of every case of the family are held to their domain in the registry's tests.

#include "beams/tests/beamstest.h"
#include "mechanics/beam.h"

#include <cmath>
#include <limits>

namespace beams::testing {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

double justAbove(double v)
{
    return std::nextafter(v, infinity);
}
// Below 0 the nearest number an input may hold is the largest negative normal double: those
// nearer 0 are refused as too small before the domain speaks.
double justBelow(double v)
{
    const double below = std::nextafter(v, -infinity);
    return below == 0 || std::isnormal(below) ? below : -std::numeric_limits<double>::min();
}

int inputIndex(int caseIndex, const std::string &caption)
{
    const shell::CaseDef &c = beamCase(caseIndex);
    for (int k = 0; k < c.inputCount(); ++k)
        if (c.inputs[static_cast<std::size_t>(k)].caption == caption)
            return k;
    ADD_FAILURE() << c.caption << " has no input " << caption;
    return -1;
}

// The inputs are accepted, every row is a number and the member solves.
void expectAccepted(int caseIndex, const std::vector<double> &in, const std::string &what)
{
    const shell::CaseDef &c = beamCase(caseIndex);
    const shell::Evaluation e = shell::evaluate(c, in);
    ASSERT_FALSE(e.rejected) << what << ": " << e.reason;
    for (std::size_t r = 0; r < e.values.size(); ++r)
        EXPECT_TRUE(std::isfinite(e.values[r])) << what << ": " << c.rows[r].caption;
    for (const shell::MemberModel &member : c.members) {
        const auto solved = mechanics::solveBeam(member.beam(in));
        EXPECT_TRUE(solved.ok()) << what << ": " << solved.error().message;
    }
}

void expectRefused(int caseIndex, const std::vector<double> &in, const std::string &field, const std::string &reason,
                   const std::string &what)
{
    const shell::Evaluation e = shell::evaluate(beamCase(caseIndex), in);
    ASSERT_TRUE(e.rejected) << what;
    EXPECT_EQ(e.reason, reason) << what;
    EXPECT_EQ(e.field, inputIndex(caseIndex, field)) << what;
}

// An input between 0 and the value of another input (or with no upper bound), tried on the
// start values with `base` replaced where another input's own range would stand in the way (x2
// on an overhang of no length).
struct Interval {
    int caseIndex;
    const char *field;
    const char *upper;  // an input caption, or nullptr for no upper bound
    const char *reason;
    Overrides base = {};
};

void PrintTo(const Interval &i, std::ostream *out)
{
    *out << beamCase(i.caseIndex).caption << " " << i.field;
}

// clang-format off
const std::vector<Interval> intervals{
    {0, "a", "l", "a must lie between 0 and l"}, {0, "x1", "l", "x1 must lie between 0 and l"},
    {0, "x2", "l", "x2 must lie between 0 and l"},
    {1, "x", "l", "x must lie between 0 and l"}, {2, "x", "l", "x must lie between 0 and l"},
    {3, "b", "l", "b must lie between 0 and l", {{"a", 0}}}, {3, "a", "b", "a must lie between 0 and b"},
    {3, "x", "l", "x must lie between 0 and l"},
    {4, "x", "l", "x must lie between 0 and l"}, {5, "x", "l", "x must lie between 0 and l"},
    {6, "x", "l", "x must lie between 0 and l"}, {7, "x", "l", "x must lie between 0 and l"},
    {8, "x", "l", "x must lie between 0 and l"},
    {9, "a", nullptr, "a must be 0 or more", {{"x2", 0}}}, {9, "x1", "l", "x1 must lie between 0 and l"},
    {9, "x2", "a", "x2 must lie between 0 and a"},
    {10, "a", nullptr, "a must be 0 or more", {{"x2", 0}}}, {10, "x1", "l", "x1 must lie between 0 and l"},
    {10, "x2", "a", "x2 must lie between 0 and a"},
    {11, "a", nullptr, "a must be 0 or more"}, {11, "b", nullptr, "b must be 0 or more"},
    {11, "x", "l", "x must lie between 0 and l"},
    {12, "a", nullptr, "a must be 0 or more"}, {12, "b", nullptr, "b must be 0 or more"},
    {12, "x", "l", "x must lie between 0 and l"},
    {13, "a", "l", "a must lie between 0 and l"}, {13, "x", "l", "x must lie between 0 and l"},
    {14, "x", "l", "x must lie between 0 and l"}, {15, "x", "l", "x must lie between 0 and l"},
    {16, "a", "l", "a must lie between 0 and l"}, {16, "x", "l", "x must lie between 0 and l"},
    {17, "x", "l", "x must lie between 0 and l"}, {18, "x", "l", "x must lie between 0 and l"},
};
// clang-format on

std::string intervalName(const ::testing::TestParamInfo<Interval> &info)
{
    return "Beam_" + std::to_string(info.param.caseIndex + 1) + "_" + info.param.field;
}

class PositionBounds : public ::testing::TestWithParam<Interval>
{
};

// Both bounds belong to the domain (a load over a support, a position at an end); a hair
// beyond either is refused.
TEST_P(PositionBounds, AcceptedAtTheBoundsAndRefusedJustBeyond)
{
    const Interval &i = GetParam();
    const std::vector<double> start = inputsOf(i.caseIndex, i.base);
    const std::size_t k = static_cast<std::size_t>(inputIndex(i.caseIndex, i.field));
    std::vector<double> in = start;

    in[k] = 0;
    expectAccepted(i.caseIndex, in, "at 0");
    in[k] = justBelow(0);
    expectRefused(i.caseIndex, in, i.field, i.reason, "just below 0");
    in[k] = -start[k];
    expectRefused(i.caseIndex, in, i.field, i.reason, "negative");
    if (i.upper != nullptr) {
        const double upper = start[static_cast<std::size_t>(inputIndex(i.caseIndex, i.upper))];
        in[k] = upper;
        expectAccepted(i.caseIndex, in, std::string("at ") + i.upper);
        in[k] = justAbove(upper);
        expectRefused(i.caseIndex, in, i.field, i.reason, std::string("just above ") + i.upper);
    }
}

INSTANTIATE_TEST_SUITE_P(beams, PositionBounds, ::testing::ValuesIn(intervals), intervalName);

// "Beam (4)": the load runs from a to b, 0 ≤ a ≤ b ≤ l. A load given back to front is refused
// with the reason about a; a load of no length (a = b) is an empty span.
TEST(beamsDomain, PartialLoadRunsFromAToB)
{
    constexpr int partial = 3;
    expectRefused(partial, inputsOf(partial, {{"a", 50}, {"b", justBelow(50)}}), "a", "a must lie between 0 and b",
                  "b just below a");
    expectRefused(partial, inputsOf(partial, {{"a", 60}, {"b", 50}}), "a", "a must lie between 0 and b", "a > b");
    expectRefused(partial, inputsOf(partial, {{"a", 120}, {"b", 130}}), "b", "b must lie between 0 and l",
                  "whole load beyond B");
    expectAccepted(partial, inputsOf(partial, {{"a", 0}, {"b", 100}}), "over the whole span");
    expectAccepted(partial, inputsOf(partial, {{"a", 100}, {"b", 100}}), "no length, at B");
    const std::vector<double> rows = rowsOf(partial, {{"a", 40}, {"b", 40}});
    EXPECT_EQ(rows[0], 0) << "RA of an empty span";
    EXPECT_EQ(rows[4], 0) << "Mmax of an empty span";
}

// "Beam (4)" without a load: X0 = a + RA / w would be 0 / 0, but RA / w does not depend on w, so
// X0 stands where any load on a..b puts its zero shear (20 + 30 × 130 / 200 = 39.5 by hand), and
// the moment there is 0.
TEST(beamsDomain, NoLoadKeepsX0WhereAnyLoadPutsItAndNoMoment)
{
    constexpr int partial = 3;
    const std::vector<double> none = rowsOf(partial, {{"w", 0}});
    EXPECT_DOUBLE_EQ(none[3], 39.5);
    EXPECT_DOUBLE_EQ(none[3], rowsOf(partial, {{"w", 100}})[3]);
    EXPECT_EQ(none[4], 0);
}

// "Beam (10)" and "Beam (11)": x2 lies on the overhang, so an overhang of no length leaves it
// only 0.
TEST(beamsDomain, NoOverhangLeavesOnlyTheTip)
{
    for (const int overhang : {9, 10}) {
        expectAccepted(overhang, inputsOf(overhang, {{"a", 0}, {"x2", 0}}), "a = 0, x2 = 0");
        expectRefused(overhang, inputsOf(overhang, {{"a", 0}, {"x2", 1}}), "x2", "x2 must lie between 0 and a",
                      "a = 0, x2 = 1");
    }
}

}  // namespace
}  // namespace beams::testing
