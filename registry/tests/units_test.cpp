// Units over the whole family: the same member in every unit system. Random inputs a case
// accepts, written by hand in cm and N, m and kN (and the other combinations), give the same
// physical results as in mm and N; the window converts every field there and back to the digits
// it started from; Reset in any unit gives the start values of the same member.

#include "registry/registry.h"
#include "registry/tests/familycases.h"
#include "shell/core/diagrams.h"
#include "shell/core/numbertext.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/acceptedinputs.h"
#include "shell/core/testing/recordingplatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <ostream>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace {

using shell::Dimension;
using shell::Units;

// Powers of length and force of each dimension, written out here on their own.
struct Powers {
    int length;
    int force;
};

const std::map<Dimension, Powers> PowersOf{
    {Dimension::None, {0, 0}},           {Dimension::Length, {1, 0}},       {Dimension::Area, {2, 0}},
    {Dimension::SectionModulus, {3, 0}}, {Dimension::SecondMoment, {4, 0}}, {Dimension::Force, {0, 1}},
    {Dimension::LineLoad, {-1, 1}},      {Dimension::Moment, {1, 1}},       {Dimension::Stress, {-2, 1}},
};

// One unit in mm or N: 1 cm = 10 mm, 1 m = 1000 mm, 1 kN = 1000 N.
double millimetres(shell::LengthUnit length)
{
    return length == shell::LengthUnit::Millimetre ? 1.0 : length == shell::LengthUnit::Centimetre ? 10.0 : 1000.0;
}

double newtons(shell::ForceUnit force)
{
    return force == shell::ForceUnit::Newton ? 1.0 : 1000.0;
}

// A value given in mm and N, written in `units`.
double inUnits(double value, Dimension d, Units units)
{
    const Powers p = PowersOf.at(d);
    return value * std::pow(millimetres(units.length), -p.length) * std::pow(newtons(units.force), -p.force);
}

using familycases::caseName;
using familycases::CaseRef;

std::vector<CaseRef> convertingCases()
{
    return familycases::familyCases([](const shell::Program &program, const shell::CaseDef &) {
        return program.unitChange == shell::UnitChange::Convert;
    });
}

class SameMember : public ::testing::TestWithParam<CaseRef>
{
};

const Units Systems[] = {{shell::LengthUnit::Centimetre, shell::ForceUnit::Newton},
                         {shell::LengthUnit::Metre, shell::ForceUnit::Newton},
                         {shell::LengthUnit::Millimetre, shell::ForceUnit::Kilonewton},
                         {shell::LengthUnit::Centimetre, shell::ForceUnit::Kilonewton},
                         {shell::LengthUnit::Metre, shell::ForceUnit::Kilonewton}};

TEST_P(SameMember, GivesTheSameResultsInEveryUnitSystem)
{
    const shell::CaseDef &c = GetParam().definition();
    const auto accepted = shell::testing::acceptedInputs(c, 8, 11);
    ASSERT_FALSE(accepted.empty());
    for (const std::vector<double> &base : accepted) {
        const shell::Evaluation reference = shell::evaluate(c, base);
        ASSERT_FALSE(reference.rejected);
        // The largest result of each dimension: the scale a difference of rounding is held to.
        std::map<Dimension, double> scale;
        for (std::size_t r = 0; r < c.rows.size(); ++r)
            if (std::isfinite(reference.values[r]))
                scale[c.rows[r].dimension] = std::max(scale[c.rows[r].dimension], std::fabs(reference.values[r]));
        for (const Units units : Systems) {
            std::vector<double> inputs;
            for (std::size_t k = 0; k < base.size(); ++k)
                inputs.push_back(inUnits(base[k], c.inputs[k].dimension, units));
            const shell::Evaluation there = shell::evaluate(c, inputs, units);
            ASSERT_FALSE(there.rejected) << "refused in " << shell::lengthUnitName(units.length) << "/"
                                         << shell::forceUnitName(units.force) << ": " << there.reason;
            for (std::size_t r = 0; r < c.rows.size(); ++r) {
                const double expected = reference.values[r];
                // Back in mm and N: divided by the size of one mm-and-N unit in these units.
                const double back = there.values[r] / inUnits(1.0, c.rows[r].dimension, units);
                if (!std::isfinite(expected)) {
                    EXPECT_FALSE(std::isfinite(back)) << c.rows[r].caption;
                    continue;
                }
                const double tolerance = 1e-12 * (std::fabs(expected) + scale[c.rows[r].dimension]);
                EXPECT_NEAR(back, expected, tolerance)
                    << c.rows[r].caption << " in " << shell::lengthUnitName(units.length) << "/"
                    << shell::forceUnitName(units.force);
            }
        }
    }
}

// The one style of the numbers the window converts: plain decimals from 1E-04 up to below 1E+08,
// else one digit, the decimals it needs and an upper-case E with a signed exponent.
bool inOneStyle(const std::string &text)
{
    static const std::regex plain(R"(-?\d+(\.\d*[1-9])?)");
    static const std::regex scientific(R"(-?\d(\.\d*[1-9])?E[+-]\d{2,3})");
    const double x = std::fabs(shell::readNumber(text));
    return std::regex_match(text, x >= 1e8 || (x != 0 && x < 1e-4) ? scientific : plain);
}

// Through the window: typed inputs go to every unit system, written in one style, and come back
// with their digits, and Reset shows the start values of the same member in the units on
// display, in the same style.
TEST_P(SameMember, WindowConvertsThereAndBackAndResetsInEveryUnitSystem)
{
    const shell::Program &program = *GetParam().program;
    const int index = GetParam().index;
    const shell::CaseDef &c = GetParam().definition();
    shell::testing::RecordingPlatform platform;
    shell::ShellModel model(program, platform);
    model.start();
    model.selectCase(index);
    const auto accepted = shell::testing::acceptedInputs(c, 1, 5);
    ASSERT_FALSE(accepted.empty());
    const int n = c.inputCount();
    for (int k = 0; k < n; ++k)
        model.setText(k, shell::generalText(accepted[0][static_cast<std::size_t>(k)]));
    std::vector<std::string> typed;
    for (int k = 0; k < 2 * n; ++k)
        typed.push_back(model.text(index, k));
    for (const Units units : Systems) {
        model.chooseUnit(units.length);
        model.chooseForceUnit(units.force);
        ASSERT_FALSE(model.lastRejected()) << model.statusText();
        for (int k = 0; k < n; ++k) {
            const double shown = shell::readNumber(model.text(index, k));
            const double expected = inUnits(accepted[0][static_cast<std::size_t>(k)], c.inputs[k].dimension, units);
            EXPECT_NEAR(shown, expected, 1e-13 * std::fabs(expected)) << c.inputs[k].caption;
        }
        for (int k = 0; k < 2 * n; ++k) {
            const bool converted =
                shell::conversionExponent(c.inputs[static_cast<std::size_t>(k % n)].dimension, {}, units) != 0;
            EXPECT_TRUE(!converted || inOneStyle(model.text(index, k)))
                << "field " << k << ": " << model.text(index, k);
        }
        model.chooseUnit(shell::LengthUnit::Millimetre);
        model.chooseForceUnit(shell::ForceUnit::Newton);
        for (int k = 0; k < 2 * n; ++k)
            EXPECT_EQ(model.text(index, k), typed[static_cast<std::size_t>(k)]) << "field " << k;
    }
    for (const Units units : Systems) {
        model.chooseUnit(units.length);
        model.chooseForceUnit(units.force);
        model.reset();
        for (int k = 0; k < n; ++k) {
            const shell::InputDef &input = c.inputs[static_cast<std::size_t>(k)];
            const double start = inUnits(input.start, input.dimension, units);
            const double step = inUnits(input.step, input.dimension, units);
            EXPECT_NEAR(shell::readNumber(model.text(index, k)), start, 1e-13 * std::fabs(start)) << input.caption;
            EXPECT_NEAR(shell::readNumber(model.text(index, n + k)), step, 1e-13 * std::fabs(step)) << input.caption;
            EXPECT_TRUE(inOneStyle(model.text(index, k))) << model.text(index, k);
            EXPECT_TRUE(inOneStyle(model.text(index, n + k))) << model.text(index, n + k);
        }
        EXPECT_FALSE(model.lastRejected()) << model.statusText();
    }
}

// The extremes of a diagram scaled by `factor`, within 1e-9 of its largest magnitude, and where
// `along` is given, their first positions scaled by it, within 1e-7 of its length (a peak between
// breakpoints is found to about the square root of the rounding; the slope and the deflection,
// flat at their peaks and at fixed ends, have no position worth holding them to).
void expectScaled(const mechanics::Extremes &got, const mechanics::Extremes &base, double factor, double along,
                  double length, const std::string &what)
{
    const double size = std::max(std::fabs(base.largest.value), std::fabs(base.smallest.value)) * std::fabs(factor);
    for (const auto &[g, b] : {std::pair{got.largest, base.largest}, std::pair{got.smallest, base.smallest}}) {
        EXPECT_NEAR(g.value, b.value * factor, 1e-9 * size) << what;
        ASSERT_FALSE(g.at.empty()) << what;
        if (along > 0) {
            EXPECT_NEAR(g.at.front().x, b.at.front().x * along, 1e-7 * length * along) << what;
        }
    }
}

// The member of every case drawn in every unit system and with its lengths written in units from
// a thousand times larger to a million times smaller than those: the same member, so its
// diagrams are solved and their extremes are those of mm and N in the units of each (V as a
// force, M as a moment, δ as a length, θ as it is), whatever the size of its numbers.
TEST_P(SameMember, DrawsTheSameDiagramsAtEveryLengthScaleAndInEveryUnitSystem)
{
    const shell::CaseDef &c = GetParam().definition();
    if (c.members.empty())
        return;
    const int index = GetParam().index;
    const std::vector<double> start = shell::startValues(c);
    const shell::CaseDiagrams base =
        shell::caseDiagrams(c, index, start, shell::evaluate(c, start).values, shell::CatalogueUnits);
    ASSERT_NE(base.kind, shell::CaseDiagrams::Kind::Error) << base.error;
    const Units all[] = {{shell::LengthUnit::Millimetre, shell::ForceUnit::Newton},
                         {shell::LengthUnit::Centimetre, shell::ForceUnit::Newton},
                         {shell::LengthUnit::Metre, shell::ForceUnit::Newton},
                         {shell::LengthUnit::Millimetre, shell::ForceUnit::Kilonewton},
                         {shell::LengthUnit::Centimetre, shell::ForceUnit::Kilonewton},
                         {shell::LengthUnit::Metre, shell::ForceUnit::Kilonewton}};
    for (int decade = -3; decade <= 6; ++decade) {
        const double scale = std::pow(10.0, decade);
        for (const Units units : all) {
            std::vector<double> inputs;
            for (std::size_t k = 0; k < start.size(); ++k) {
                const Dimension d = c.inputs[k].dimension;
                inputs.push_back(inUnits(start[k], d, units) * std::pow(scale, PowersOf.at(d).length));
            }
            const shell::Evaluation rows = shell::evaluate(c, inputs, units);
            ASSERT_FALSE(rows.rejected) << rows.reason;
            const shell::CaseDiagrams d = shell::caseDiagrams(c, index, inputs, rows.values, units);
            const std::string where = "lengths x" + shell::generalText(scale) + " in " +
                                      shell::lengthUnitName(units.length) + "," + shell::forceUnitName(units.force);
            ASSERT_EQ(d.kind, base.kind) << where << ": " << d.error;
            const double force = inUnits(1, Dimension::Force, units);
            const double length = inUnits(1, Dimension::Length, units) * scale;
            const std::map<shell::Quantity, double> factor{{shell::Quantity::Shear, force},
                                                           {shell::Quantity::Moment, force * length},
                                                           {shell::Quantity::Slope, 1.0},
                                                           {shell::Quantity::Deflection, length}};
            ASSERT_EQ(d.members.size(), base.members.size());
            for (std::size_t m = 0; m < d.members.size(); ++m) {
                ASSERT_EQ(d.members[m].curves.size(), base.members[m].curves.size()) << where;
                for (std::size_t q = 0; q < d.members[m].curves.size(); ++q) {
                    const shell::Curve &curve = d.members[m].curves[q];
                    const bool placed =
                        curve.quantity == shell::Quantity::Shear || curve.quantity == shell::Quantity::Moment;
                    expectScaled(curve.extremes, base.members[m].curves[q].extremes, factor.at(curve.quantity),
                                 placed ? length : 0.0, base.members[m].length(),
                                 where + " " + shell::quantityKey(curve.quantity));
                }
            }
            if (base.frame)
                for (std::size_t m = 0; m < 3; ++m)
                    expectScaled(d.frame->members[m].extremes, base.frame->members[m].extremes, force * length, length,
                                 base.frame->members[m].result.length, where + " " + d.frame->members[m].name);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(family, SameMember, ::testing::ValuesIn(convertingCases()), caseName);

}  // namespace
