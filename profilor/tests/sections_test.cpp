// Every shape against the section built up from its parts: rectangles and circles, each with
// its own area and second moment, placed by the parallel-axis theorem; at the start values and
// at random dimensions the shape accepts. Then the domain of every shape at its bounds.

#include "profilor/profilor.h"
#include "shell/core/testing/acceptedinputs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

const shell::CaseDef &shape(int index)
{
    return profilor::program().cases.at(static_cast<std::size_t>(index));
}

// A rectangle of the section: its extent along the bending axis (`width`) and across it, from
// `bottom` to `top` (y measured square to the axis).
struct Part {
    double width;
    double bottom;
    double top;
};

// What the parts make together: the area, the centroid's y, the second moment about the
// horizontal axis through the centroid, and the extreme fibres.
struct Built {
    double area = 0;
    double centroid = 0;
    double inertia = 0;
    double lowest = 0;
    double highest = 0;
};

Built build(const std::vector<Part> &parts)
{
    Built s;
    double firstMoment = 0;
    s.lowest = parts.front().bottom;
    s.highest = parts.front().top;
    for (const Part &p : parts) {
        const double h = p.top - p.bottom;
        s.area += p.width * h;
        firstMoment += p.width * h * (p.bottom + p.top) / 2;
        s.lowest = std::min(s.lowest, p.bottom);
        s.highest = std::max(s.highest, p.top);
    }
    s.centroid = firstMoment / s.area;
    for (const Part &p : parts) {
        const double h = p.top - p.bottom;
        const double y = (p.bottom + p.top) / 2 - s.centroid;
        s.inertia += p.width * h * h * h / 12 + p.width * h * y * y;
    }
    return s;
}

// A full circle of diameter d and, for a tube, the hole taken out: about a diameter.
Built ring(double outer, double inner)
{
    const double pi = 3.14159265358979323846;
    Built s;
    s.area = pi * (outer * outer - inner * inner) / 4;
    s.inertia = pi * (std::pow(outer, 4) - std::pow(inner, 4)) / 64;
    s.lowest = -outer / 2;
    s.highest = outer / 2;
    return s;
}

// The rows a shape should show, from what its parts make: A, e1, I, Z1, i (, e2, Z2). e1 is
// measured to the top fibre unless `fromBottom` (the L section's e1 runs to the outer face of
// leg a, which lies at the bottom).
std::vector<double> rowsOf(const Built &s, int rows, bool fromBottom = false)
{
    const double top = s.highest - s.centroid, bottom = s.centroid - s.lowest;
    const double e1 = fromBottom ? bottom : top, e2 = fromBottom ? top : bottom;
    std::vector<double> r{s.area, e1, s.inertia, s.inertia / e1, std::sqrt(s.inertia / s.area)};
    if (rows == 7)
        r.insert(r.end(), {e2, s.inertia / e2});
    return r;
}

struct Shape {
    int index;
    const char *name;
    std::function<std::vector<double>(const std::vector<double> &)> expected;
    // Rows computed with a rounded constant: row index and relative tolerance.
    std::vector<std::pair<int, double>> rounded;
    // Dimensions at the bounds of the shape's domain, checked beside the start values.
    std::vector<std::vector<double>> bounds = {};
};

void PrintTo(const Shape &s, std::ostream *out)
{
    *out << s.name;
}

// π taken as 3.141592 is 2.1e-7 below π, relatively; 0.28867 for 1/√12 = 0.2886751 is 1.8e-5 below.
constexpr double PiRounding = 3e-7;
constexpr double RootTwelveRounding = 2e-5;

const Shape Shapes[] = {
    {0,
     "rectangular_bar",
     [](const std::vector<double> &in) {
         return rowsOf(build({{in[1], 0, in[0]}}), 5);
     },
     {{4, RootTwelveRounding}}},
    // Top and bottom walls across the width, the two side walls between them; the larger side deep.
    {1,
     "rectangular_tube",
     [](const std::vector<double> &in) {
         const double depth = std::max(in[0], in[1]), width = std::min(in[0], in[1]), t = in[2];
         return rowsOf(build({{width, 0, t}, {width, depth - t, depth}, {t, t, depth - t}, {t, t, depth - t}}), 5);
     },
     {}},
    {2,
     "circular_bar",
     [](const std::vector<double> &in) { return rowsOf(ring(in[0], 0), 5); },
     {{0, PiRounding}, {2, PiRounding}, {3, PiRounding}}},
    {3,
     "circular_tube",
     [](const std::vector<double> &in) { return rowsOf(ring(in[0], in[1]), 5); },
     {{0, PiRounding}, {2, PiRounding}, {3, PiRounding}}},
    // The web of thickness d over the whole depth b, the flanges beside it.
    {4,
     "C_section",
     [](const std::vector<double> &in) {
         const double a = in[0], b = in[1], c = in[2], d = in[3];
         return rowsOf(build({{d, 0, b}, {a - d, 0, c}, {a - d, b - c, b}}), 5);
     },
     {}},
    // About the web's centre line: the flange spans a across the axis, the web b, both centred.
    {5,
     "T_section",
     [](const std::vector<double> &in) {
         const double a = in[0], b = in[1], c = in[2], d = in[3];
         return rowsOf(build({{c, -a / 2, a / 2}, {d, -b / 2, b / 2}}), 5);
     },
     {}},
    // Leg a along the bottom (its outer face at y = 0), the rest of leg b standing on it.
    {6,
     "L_section",
     [](const std::vector<double> &in) {
         const double a = in[0], b = in[1], c = in[2];
         return rowsOf(build({{a, 0, c}, {c, c, b}}), 7, true);
     },
     {},
     // A leg as short as the thickness: the rectangle a × b.
     {{2, 10, 2}, {10, 2, 2}}},
    {7,
     "I_section",
     [](const std::vector<double> &in) {
         const double a = in[0], b = in[1], c = in[2], d = in[3];
         return rowsOf(build({{b, 0, c}, {d, c, a - c}, {b, a - c, a}}), 7);
     },
     {}},
};

class ProfilorAgainstParts : public ::testing::TestWithParam<Shape>
{
};

TEST_P(ProfilorAgainstParts, EveryRowIsTheSectionBuiltFromItsParts)
{
    const Shape &s = GetParam();
    const shell::CaseDef &definition = shape(s.index);
    std::vector<std::vector<double>> sets{shell::startValues(definition)};
    sets.insert(sets.end(), s.bounds.begin(), s.bounds.end());
    const auto drawn = shell::testing::acceptedInputs(definition, 20, 5 + s.index);
    ASSERT_EQ(drawn.size(), 20u);
    sets.insert(sets.end(), drawn.begin(), drawn.end());
    for (const std::vector<double> &in : sets) {
        SCOPED_TRACE(::testing::PrintToString(in));
        const shell::Evaluation e = shell::evaluate(definition, in);
        ASSERT_FALSE(e.rejected) << e.reason;
        const std::vector<double> expected = s.expected(in);
        ASSERT_EQ(e.values.size(), expected.size());
        for (std::size_t r = 0; r < expected.size(); ++r) {
            double tolerance = 1e-9;
            for (const auto &[row, rounding] : s.rounded)
                if (row == static_cast<int>(r))
                    tolerance = rounding;
            EXPECT_NEAR(e.values[r], expected[r], tolerance * std::abs(expected[r])) << definition.rows[r].caption;
        }
    }
}

std::string shapeName(const ::testing::TestParamInfo<Shape> &param)
{
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(Profilor, ProfilorAgainstParts, ::testing::ValuesIn(Shapes), shapeName);

struct Bound {
    int shape;
    std::vector<double> inputs;
    const char *reason;  // empty where the section is accepted
    const char *field;   // the input the reason names
};

void PrintTo(const Bound &b, std::ostream *out)
{
    *out << shape(b.shape).caption << " " << ::testing::PrintToString(b.inputs);
}

class ProfilorDomain : public ::testing::TestWithParam<Bound>
{
};

TEST_P(ProfilorDomain, AtItsBounds)
{
    const Bound &b = GetParam();
    const shell::Evaluation e = shell::evaluate(shape(b.shape), b.inputs);
    EXPECT_EQ(e.reason, b.reason);
    EXPECT_EQ(e.rejected, !std::string(b.reason).empty());
    if (e.rejected) {
        EXPECT_EQ(shape(b.shape).inputs.at(static_cast<std::size_t>(e.field)).caption, b.field);
    }
}

// clang-format off
const Bound Bounds[] = {
    {0, {10, 10}, "", ""},
    {0, {0, 10}, "a must be greater than 0", "a"},
    {0, {10, -1}, "b must be greater than 0", "b"},
    {0, {1e-9, 1e-9}, "", ""},
    {1, {0, 10, 2}, "a must be greater than 0", "a"},
    {1, {10, 10, 0}, "c must be greater than 0", "c"},
    {1, {10, 10, 5}, "c must be less than a / 2", "c"},
    {1, {10, 12, 5}, "c must be less than a / 2", "c"},
    {1, {12, 10, 5}, "c must be less than b / 2", "c"},
    {1, {11, 12, 5.4}, "", ""},
    {2, {0}, "dia must be greater than 0", "dia"},
    {2, {-3}, "dia must be greater than 0", "dia"},
    {2, {1e-9}, "", ""},
    {3, {10, 8}, "", ""},
    {3, {10, 0}, "", ""},  // the solid bar
    {3, {10, 10 - 1e-9}, "", ""},
    {3, {10, 10}, "ID must be less than OD", "ID"},
    {3, {8, 10}, "ID must be less than OD", "ID"},
    {3, {10, -1}, "ID must be 0 or more", "ID"},
    {3, {0, 0}, "OD must be greater than 0", "OD"},
    {4, {10, 10, 2, 2}, "", ""},
    {4, {10, 10, 4.999, 9.999}, "", ""},
    {4, {10, 10, 5, 2}, "c must be less than b / 2", "c"},
    {4, {10, 10, 2, 10}, "d must be less than a", "d"},
    {4, {10, 10, 0, 2}, "c must be greater than 0", "c"},
    {4, {10, 10, 2, 0}, "d must be greater than 0", "d"},
    {4, {0, 0, 0, 0}, "a must be greater than 0", "a"},
    {5, {10, 2, 2, 8}, "", ""},
    {5, {10, 9.999, 2, 8}, "", ""},
    {5, {10, 10, 2, 8}, "b must be less than a", "b"},
    {5, {10, 2, 8, 2}, "", ""},  // a stocky tee: web shorter than the flange is thick
    {5, {10, -2, 2, 8}, "b must be greater than 0", "b"},
    {5, {10, 2, 0, 8}, "c must be greater than 0", "c"},
    {5, {10, 2, 2, 0}, "d must be greater than 0", "d"},
    {6, {10, 10, 2}, "", ""},
    {6, {2.001, 10, 2}, "", ""},
    {6, {2, 10, 2}, "", ""},  // the rectangle 2 × 10
    {6, {10, 2, 2}, "", ""},  // the rectangle 10 × 2
    {6, {1.999, 10, 2}, "c must be a or less", "c"},
    {6, {10, 1.999, 2}, "c must be b or less", "c"},
    {6, {10, 10, 0}, "c must be greater than 0", "c"},
    {7, {10, 10, 2, 2}, "", ""},
    {7, {10, 10, 4.999, 9.999}, "", ""},
    {7, {10, 10, 2, -3}, "d must be greater than 0", "d"},
    {7, {-3, 10, 2, 2}, "a must be greater than 0", "a"},
    {7, {10, 10, 5, 2}, "c must be less than a / 2", "c"},
    {7, {10, 10, 2, 10}, "d must be less than b", "d"},
};
// clang-format on

std::string boundName(const ::testing::TestParamInfo<Bound> &param)
{
    return "shape" + std::to_string(param.param.shape) + "_" + std::to_string(param.index);
}

INSTANTIATE_TEST_SUITE_P(Profilor, ProfilorDomain, ::testing::ValuesIn(Bounds), boundName);

}  // namespace
