#include "profilor/profilor.h"
#include "shell/core/numbertext.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>

namespace {

using shell::evaluate;

const shell::CaseDef &shape(int index)
{
    return profilor::program().cases[static_cast<std::size_t>(index)];
}

std::vector<double> rowsOf(int index, const std::vector<double> &inputs)
{
    const auto result = evaluate(shape(index), inputs);
    EXPECT_FALSE(result.rejected);
    return result.values;
}

// Second moment of a rectangle of width w and height h about an axis at distance y from its
// centroid: w h³ / 12 + w h y².
double rectangleAbout(double w, double h, double y)
{
    return w * h * h * h / 12 + w * h * y * y;
}

struct Worked {
    const char *name;
    int shape;
    std::vector<double> inputs;
    std::vector<double> expected;  // A, e1, I, Z1, i (, e2, Z2)
};

void PrintTo(const Worked &w, std::ostream *out)
{
    *out << w.name;
}

class profilorWorkedValues : public ::testing::TestWithParam<Worked>
{
};

TEST_P(profilorWorkedValues, matchHandCalculation)
{
    const Worked &w = GetParam();
    const auto rows = rowsOf(w.shape, w.inputs);
    ASSERT_EQ(rows.size(), w.expected.size());
    for (std::size_t r = 0; r < rows.size(); ++r)
        EXPECT_NEAR(rows[r], w.expected[r], std::fabs(w.expected[r]) * 1e-9 + 1e-12) << w.name << " row " << r;
}

const double pi = 3.141592;
const double LSection = rectangleAbout(10, 2, 29.0 / 9 - 1) + rectangleAbout(2, 8, 6 - 29.0 / 9);

INSTANTIATE_TEST_SUITE_P(
    profilor, profilorWorkedValues,
    // clang-format off
    ::testing::Values(
        Worked{"bar", 0, {10, 10}, {100, 5, 10000.0 / 12, 1000.0 / 6, 10 * 0.28867}},
        Worked{"bar deep", 0, {20, 5}, {100, 10, 5 * 8000.0 / 12, 400 * 5 / 6.0, 20 * 0.28867}},
        // Outer 10 × 10 less inner 6 × 6: S = 10·10³ − 6·6³.
        Worked{"tube square", 1, {10, 10, 2}, {64, 5, 8704.0 / 12, 8704.0 / 60, std::sqrt(8704.0 / 768)}},
        // b > a: b is the depth; outer 10 wide × 20 deep less inner 6 × 16.
        Worked{"tube b deep", 1, {10, 20, 2}, {200 - 96, 10, (10 * 8000.0 - 6 * 4096.0) / 12,
                                               (10 * 8000.0 - 6 * 4096.0) / 120,
                                               std::sqrt((10 * 8000.0 - 6 * 4096.0) / (12 * 104.0))}},
        Worked{"circle", 2, {10}, {pi * 100 / 4, 5, pi * 10000 / 64, pi * 1000 / 32, 2.5}},
        Worked{"ring", 3, {10, 8}, {pi * 36 / 4, 5, pi * 5904 / 64, pi * 5904 / 320, std::sqrt(164.0) / 4}},
        // Channel 10 × 10, flanges 2, web 2: the same I as the I section of the same sizes.
        Worked{"channel", 4, {10, 10, 2, 2}, {52, 5, 8272.0 / 12, 8272.0 / 60, std::sqrt(8272.0 / 624)}},
        // Bending about the web centre line: flange 2 × 10³/12 plus web 8 × 2³/12.
        Worked{"tee", 5, {10, 2, 2, 8}, {36, 5, 2064.0 / 12, 2064.0 / 60, std::sqrt(2064.0 / 432)}},
        // Leg a (10 × 2) along the bottom and the rest of leg b (2 × 8) above it, by parallel axes:
        // e1 = (20·1 + 16·6) / 36, I = 10·2³/12 + 20(e1 − 1)² + 2·8³/12 + 16(6 − e1)².
        Worked{"L", 6, {10, 10, 2}, {36, 29.0 / 9, LSection, LSection * 9 / 29, std::sqrt(LSection / 36), 61.0 / 9,
                                     LSection * 9 / 61}},
        Worked{"I", 7, {10, 10, 2, 2}, {52, 5, (10000 - 8 * 216.0) / 12, (10000 - 8 * 216.0) / 60,
                                        std::sqrt((10000 - 8 * 216.0) / 12 / 52), 5, (10000 - 8 * 216.0) / 60}}),
    // clang-format on
    [](const auto &param) {
        std::string n = param.param.name;
        for (char &ch : n)
            if (ch == ' ')
                ch = '_';
        return n;
    });

TEST(profilor, tubeWithEqualSidesGivesTheSameNumbersEitherWay)
{
    const auto square = rowsOf(1, {12, 12, 3});
    const auto nearlyDeepA = rowsOf(1, {12.000000001, 12, 3});
    for (std::size_t r = 0; r < square.size(); ++r)
        EXPECT_NEAR(square[r], nearlyDeepA[r], 1e-6);
}

// Flanges growing until they nearly meet in the middle tend to the solid rectangle (meeting,
// they are refused: that is the rectangular bar).
TEST(profilor, flangesNearlyMeetingInTheMiddleTendToTheSolidRectangle)
{
    const auto channel = rowsOf(4, {10, 10, 5 - 1e-9, 2});
    EXPECT_NEAR(channel[0], 100, 1e-6);
    EXPECT_NEAR(channel[2], 10000.0 / 12, 1e-6);
    const auto ibeam = rowsOf(7, {10, 10, 5 - 1e-9, 2});
    EXPECT_NEAR(ibeam[0], 100, 1e-6);
    EXPECT_NEAR(ibeam[2], 10000.0 / 12, 1e-6);
}

class profilorWindow : public ::testing::Test
{
protected:
    void SetUp() override { model.start(); }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> t;
        t.reserve(static_cast<std::size_t>(model.resultCount()));
        for (int r = 0; r < model.resultCount(); ++r)
            t.push_back(model.rows()[static_cast<std::size_t>(r)].text);
        return t;
    }
    shell::testing::RecordingPlatform platform;
    shell::ShellModel model{profilor::program(), platform};
};

TEST_F(profilorWindow, startsWithTheRectangularBarComputed)
{
    EXPECT_EQ(model.currentCase(), 0);
    EXPECT_EQ(model.text(0, 0), "10");
    EXPECT_EQ(model.text(0, 1), "10");
    EXPECT_EQ(texts(), (std::vector<std::string>{"1.000e+02", "5.000e+00", "8.333e+02", "1.667e+02", "2.887e+00"}));
    std::vector<std::string> labels;
    for (const auto &p : model.chartPoints())
        labels.push_back(p.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"(A)", "(e1)", "(I)", "(Z1)", "(i)"}));
    EXPECT_EQ(model.rows()[0].unit, "mm^2");
}

// A unit change converts the dimensions (the inputs in every unit are the registry's): the same
// section in other units, never ten times larger.
TEST_F(profilorWindow, lengthUnitConvertsTheSection)
{
    model.selectCase(7);  // I section 10, 10, 2, 2 mm
    model.chooseUnit(shell::LengthUnit::Centimetre);
    EXPECT_EQ(texts(), (std::vector<std::string>{"5.200e-01", "5.000e-01", "6.893e-02", "1.379e-01", "3.641e-01",
                                                 "5.000e-01", "1.379e-01"}));
    std::vector<std::string> units;
    for (const auto &row : model.rows())
        units.push_back(row.unit);
    EXPECT_EQ(units, (std::vector<std::string>{"cm^2", "cm", "cm^4", "cm^3", "cm", "cm", "cm^3"}));
    model.selectCase(3);  // a tube of 10 mm is one of 1 cm
    EXPECT_EQ(model.rows()[1].text, "5.000e-01");
    model.chooseUnit(shell::LengthUnit::Millimetre);
    EXPECT_EQ(model.rows()[0].unit, "mm^2");
}

TEST_F(profilorWindow, sevenRowsOnlyForTheLAndISections)
{
    model.selectCase(7);
    EXPECT_EQ(model.resultCount(), 7);
    EXPECT_EQ(model.resultsFrameRect().height, 2240);
    EXPECT_TRUE(model.rows()[6].visible);
    model.selectCase(4);
    EXPECT_EQ(model.resultCount(), 5);
    EXPECT_EQ(model.resultsFrameRect().height, 1680);
    EXPECT_FALSE(model.rows()[5].visible);
    EXPECT_EQ(model.chartPoints().size(), 5u);
    EXPECT_EQ(platform.clipboard, "");
    model.copyResults();
    EXPECT_EQ(std::count(platform.clipboard.begin(), platform.clipboard.end(), '\n'), 5);
    EXPECT_EQ(platform.clipboard.rfind("断面積 (A) \t5.200e+01 mm^2\r\n", 0), 0u);
}

TEST(profilorSketches, everyShapeHasAnOutlineAtAnyDimensions)
{
    for (const auto &c : profilor::program().cases) {
        for (const auto &inputs : {shell::startValues(c), std::vector<double>(c.inputs.size(), 0.0),
                                   std::vector<double>(c.inputs.size(), 1e300)}) {
            const shell::Sketch s = c.sketch(inputs);
            const bool outlined = std::any_of(s.elements().begin(), s.elements().end(), [](const auto &e) {
                return e.kind == shell::SketchElement::Kind::Outline || e.kind == shell::SketchElement::Kind::Circle;
            });
            EXPECT_TRUE(outlined) << c.caption;
            int dimensions = 0;
            for (const auto &e : s.elements())
                dimensions += e.kind == shell::SketchElement::Kind::Dimension;
            EXPECT_GE(dimensions, c.inputCount()) << c.caption;
        }
    }
}

// The section's drawing labels its centroid distances with the rows that hold them.
TEST(profilorSketches, theDrawnCentroidDistancesAreTheRowsE1AndE2)
{
    for (const auto &c : profilor::program().cases) {
        ASSERT_TRUE(c.section) << c.caption;
        const auto symbolOf = [&c](int row) {
            return shell::SymbolOf(c.rows.at(static_cast<std::size_t>(row)).caption);
        };
        EXPECT_EQ(symbolOf(c.section->e1Row), "e1") << c.caption;
        if (c.section->e2Row >= 0) {
            EXPECT_EQ(symbolOf(c.section->e2Row), "e2") << c.caption;
        }
    }
}

// The picture is the section to proportion: every dimension line labelled with an input is that
// input times one scale, and the bending axis runs through the centroid of the filled area
// (the outline less its holes), which the test finds on its own from the polygons.
TEST(profilorSketches, dimensionsAreToScaleAndTheAxisRunsThroughTheCentroid)
{
    struct Area {
        double area = 0, x = 0, y = 0;  // signed area and its first moments
    };
    const auto polygon = [](const std::vector<shell::Point> &p) {
        Area r;
        for (std::size_t i = 0; i < p.size(); ++i) {
            const shell::Point &u = p[i], &w = p[(i + 1) % p.size()];
            const double cross = u.x * w.y - w.x * u.y;
            r.area += cross / 2;
            r.x += (u.x + w.x) * cross / 6;
            r.y += (u.y + w.y) * cross / 6;
        }
        if (r.area < 0)
            r = {-r.area, -r.x, -r.y};
        return r;
    };
    const std::vector<std::vector<double>> dimensions{{12, 7},           {9, 14, 1.5},    {10},       {10, 6},
                                                      {8, 12, 1.5, 2.5}, {10, 3, 2.5, 7}, {9, 12, 2}, {12, 9, 1.5, 2}};
    const auto &cases = profilor::program().cases;
    ASSERT_EQ(cases.size(), dimensions.size());
    for (std::size_t k = 0; k < cases.size(); ++k) {
        for (const std::vector<double> &inputs : {shell::startValues(cases[k]), dimensions[k]}) {
            SCOPED_TRACE(cases[k].caption + " at " + std::to_string(inputs[0]));
            const shell::Sketch sketch = cases[k].sketch(inputs);
            double scale = 0;
            Area filled;
            for (const shell::SketchElement &e : sketch.elements()) {
                using Kind = shell::SketchElement::Kind;
                if (e.kind == Kind::Dimension) {
                    for (std::size_t i = 0; i < inputs.size(); ++i) {
                        if (cases[k].inputs[i].caption != e.label)
                            continue;
                        const double length = std::hypot(e.b.x - e.a.x, e.b.y - e.a.y) / inputs[i];
                        if (scale == 0)
                            scale = length;
                        EXPECT_NEAR(length, scale, 1e-9 * scale) << e.label;
                    }
                }
                const Area part = e.kind == Kind::Outline || e.kind == Kind::Hole ? polygon(e.points)
                                  : e.kind == Kind::Circle || e.kind == Kind::CircleHole
                                      ? Area{M_PI * e.h1 * e.h1, M_PI * e.h1 * e.h1 * e.a.x, M_PI * e.h1 * e.h1 * e.a.y}
                                      : Area{};
                const double sign = e.kind == Kind::Hole || e.kind == Kind::CircleHole ? -1 : 1;
                filled = {filled.area + sign * part.area, filled.x + sign * part.x, filled.y + sign * part.y};
            }
            EXPECT_GT(scale, 0);
            const double cx = filled.x / filled.area, cy = filled.y / filled.area;
            for (const shell::SketchElement &e : sketch.elements()) {
                if (e.kind != shell::SketchElement::Kind::Axis)
                    continue;
                if (e.a.y == e.b.y) {
                    EXPECT_NEAR(e.a.y, cy, 1e-9 * 100);
                } else {
                    EXPECT_EQ(e.a.x, e.b.x);
                    EXPECT_NEAR(e.a.x, cx, 1e-9 * 100);
                }
            }
        }
    }
}

}  // namespace
