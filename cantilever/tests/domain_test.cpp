// The domain of every case: the boundaries accepted and refused on either side, and the
// reasons and the field they name.

#include "cantilever/tests/cantilevertest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace cantilever::tests {
namespace {

// Just beyond a bound, on the side away from zero.
double above(double bound)
{
    return std::nextafter(bound, std::numeric_limits<double>::infinity());
}
// Below 0 the nearest number an input may hold is the largest negative normal double: those
// nearer 0 are refused as too small before the domain speaks.
double below(double bound)
{
    const double next = std::nextafter(bound, -std::numeric_limits<double>::infinity());
    return next == 0 || std::isnormal(next) ? next : -std::numeric_limits<double>::min();
}

struct Boundary {
    int caseIndex;
    Changes changes;
    std::string reason;  // empty: accepted
    std::string field;   // the input the reason names
};

void PrintTo(const Boundary &b, std::ostream *out)
{
    *out << caseDef(b.caseIndex).caption << " with";
    for (const auto &[caption, value] : b.changes)
        *out << " " << caption << " = " << value;
}

// Around the start values: l = 100 wherever the case has a span, a = 70 and b = 30 where the
// member is a + b long.
const std::vector<Boundary> Boundaries = {
    // Cantilever with a point load: x runs from the free end over the whole member a + b.
    // A load or couple at the fixed end (a = 0) goes into the support; with b = 0 too there is
    // no member.
    {0, {{"a", 0}, {"x", 30}}, "", ""},
    {0, {{"a", below(0)}}, "a must be 0 or more", "a"},
    {0, {{"a", 0}, {"b", 0}, {"x", 0}}, "a + b must be greater than 0", "b"},
    {0, {{"a", 1e-300}, {"x", 0}}, "", ""},
    {0, {{"b", 0}}, "", ""},
    {0, {{"b", below(0)}}, "b must be 0 or more", "b"},
    {0, {{"x", 0}}, "", ""},
    {0, {{"x", 100}}, "", ""},
    {0, {{"x", above(100)}}, "x must lie between 0 and a + b", "x"},
    {0, {{"x", below(0)}}, "x must lie between 0 and a + b", "x"},
    // The span is named before the position measured on it.
    {1, {{"l", -5}, {"x", -5}}, "l must be greater than 0", "l"},
    {1, {{"x", 100}}, "", ""},
    {1, {{"x", above(100)}}, "x must lie between 0 and l", "x"},
    {2, {{"x", 0}}, "", ""},
    {2, {{"x", above(100)}}, "x must lie between 0 and l", "x"},
    {3, {{"a", 0}}, "", ""},
    {3, {{"a", -1}}, "a must be 0 or more", "a"},
    {3, {{"a", 0}, {"b", 0}}, "a + b must be greater than 0", "b"},
    {3, {{"b", 0}}, "", ""},
    {3, {{"b", -1}}, "b must be 0 or more", "b"},
    // Propped cantilevers.
    {4, {{"a", 0}}, "", ""},
    {4, {{"a", 100}}, "", ""},
    {4, {{"a", above(100)}}, "a must lie between 0 and l", "a"},
    {4, {{"a", -1}}, "a must lie between 0 and l", "a"},
    {5, {{"x", 0}}, "", ""},
    {5, {{"x", 100}}, "", ""},
    {5, {{"x", above(100)}}, "x must lie between 0 and l", "x"},
    {7, {{"a", 0}}, "", ""},
    {7, {{"a", below(0)}}, "a must be 0 or more", "a"},
    {7, {{"a", 0}, {"b", 0}}, "a + b must be greater than 0", "b"},
    {7, {{"b", 0}}, "", ""},
    {7, {{"b", below(0)}}, "b must be 0 or more", "b"},
    // Single spans.
    {8, {{"a", 0}}, "", ""},
    {8, {{"a", 100}}, "", ""},
    {8, {{"a", above(100)}}, "a must lie between 0 and l", "a"},
    {8, {{"a", below(0)}}, "a must lie between 0 and l", "a"},
    {11, {{"a", 100}}, "", ""},
    {11, {{"a", above(100)}}, "a must lie between 0 and l", "a"},
    {11, {{"a", -1}}, "a must lie between 0 and l", "a"},
    // Ramps of the trapezoid may meet at mid-span but not overlap.
    {13, {{"a", 0}}, "", ""},
    {13, {{"a", 50}}, "", ""},
    {13, {{"a", above(50)}}, "a must lie between 0 and l / 2", "a"},
    {13, {{"a", -1}}, "a must lie between 0 and l / 2", "a"},
    {17, {{"x", 0}}, "", ""},
    {17, {{"x", 100}}, "", ""},
    {17, {{"x", -10}}, "x must lie between 0 and l", "x"},
    {17, {{"x", above(100)}}, "x must lie between 0 and l", "x"},
    {18, {{"a", 0}, {"c", 0}}, "", ""},
    {18, {{"a", -1}}, "a must be 0 or more", "a"},
    {18, {{"b", 0}}, "b must be greater than 0", "b"},
    {18, {{"c", below(0)}}, "c must be 0 or more", "c"},
    {19, {{"a", 0}}, "", ""},
    {19, {{"a", -1}}, "a must be 0 or more", "a"},
    {19, {{"a", 0}, {"b", 0}}, "a + b must be greater than 0", "b"},
    {19, {{"b", 0}}, "", ""},
    {19, {{"b", -1}}, "b must be 0 or more", "b"},
    // The wheel pair: any spacing, one wheel at a time beyond the span.
    {20, {{"a", 0}}, "", ""},
    {20, {{"a", 1000}}, "", ""},
    {20, {{"a", below(0)}}, "a must be 0 or more", "a"},
};

class cantileverDomain : public ::testing::TestWithParam<Boundary>
{
};

TEST_P(cantileverDomain, AcceptsOrRefusesWithItsReason)
{
    const Boundary &b = GetParam();
    const shell::CaseDef &c = caseDef(b.caseIndex);
    std::vector<double> inputs = shell::startValues(c);
    for (const auto &[caption, value] : b.changes) {
        int k = 0;
        while (k < c.inputCount() && c.inputs[static_cast<std::size_t>(k)].caption != caption)
            ++k;
        ASSERT_LT(k, c.inputCount()) << caption;
        inputs[static_cast<std::size_t>(k)] = value;
    }
    const shell::Evaluation e = shell::evaluate(c, inputs);
    EXPECT_EQ(e.rejected, !b.reason.empty());
    EXPECT_EQ(e.reason, b.reason);
    if (!b.reason.empty()) {
        ASSERT_GE(e.field, 0);
        EXPECT_EQ(c.inputs[static_cast<std::size_t>(e.field)].caption, b.field);
    } else {
        for (std::size_t r = 0; r < e.values.size(); ++r)
            EXPECT_TRUE(std::isfinite(e.values[r])) << c.rows[r].caption;
    }
}

std::string boundaryName(const ::testing::TestParamInfo<Boundary> &info)
{
    return "Cantilever_" + std::to_string(info.param.caseIndex + 1) + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(boundaries, cantileverDomain, ::testing::ValuesIn(Boundaries), boundaryName);

}  // namespace
}  // namespace cantilever::tests
