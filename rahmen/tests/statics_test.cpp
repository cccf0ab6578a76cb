// Physics of the frame cases: every frame in equilibrium under its load, the columns' own
// statics, the bracket's moment jump, symmetry, the handbook limits of very stiff columns or
// beams, sign reversal under a reversed load, and the entry checks.

#include "framecases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>

namespace rahmen::testing {
namespace {

using Values = std::map<std::string, double>;

// The applied load worked by hand, with A at the origin, x to the right, y up, moments
// counter-clockwise: the resultant forces, their moment about A, and the change the load on
// the left column makes to MA − MB (w on the column: w·h²/2; the bracket: −P·c).
struct Load {
    double fx = 0;
    double fy = 0;
    double momentAboutA = 0;
    double leftColumn = 0;
};

struct FrameStatics {
    int number;
    // Horizontal loads act to the right; the reactions are then given as magnitudes: VA acts
    // downward, HA and HD both act against the load.
    bool horizontalLoad;
    std::function<Load(const Values &in)> load;
};

Load beamUniform(const Values &in)
{
    const double w = in.at("w"), l = in.at("l");
    return {0, -w * l, -w * l * l / 2, 0};
}
Load pushAtB(const Values &in)
{
    const double P = in.at("P"), h = in.at("h");
    return {P, 0, -P * h, 0};
}
Load beamPoint(const Values &in)
{
    const double P = in.at("P"), a = in.at("a");
    return {0, -P, -P * a, 0};
}
Load columnUniform(const Values &in)
{
    const double w = in.at("w"), h = in.at("h");
    return {w * h, 0, -w * h * h / 2, w * h * h / 2};
}
Load bracket(const Values &in)
{
    // P hangs at the lever c inside the bay.
    const double P = in.at("P"), c = in.at("c");
    return {0, -P, -P * c, -P * c};
}

const std::vector<FrameStatics> Frames = {
    {1, false, beamUniform}, {2, true, pushAtB},       {3, false, beamPoint}, {4, true, columnUniform},
    {5, false, bracket},     {6, false, beamUniform},  {7, true, pushAtB},    {8, false, beamPoint},
    {9, true, columnUniform}, {10, false, bracket},
};

// Input sets: the start values (k = 1), a stiff beam (k = 2.25) and a soft beam (k ≈ 0.0033),
// each with a + b = l for the load on the beam and a + b = h for the bracket.
Values inputSet(int number, int set)
{
    const bool beamLoad = number == 3 || number == 8;
    const bool bracketLoad = number == 5 || number == 10;
    Values v;
    if (set == 1) {
        v = {{"h", 300}, {"l", 500}, {"I1", 400}, {"I2", 1500}};
        v[frameCase(number).inputs[0].caption] = frameCase(number).inputs[0].caption == "w" ? 12 : 2500;
        if (beamLoad)
            v.insert({{"a", 120}, {"b", 380}});
        if (bracketLoad)
            v.insert({{"a", 220}, {"c", 45}});
        if (number == 10)
            v["b"] = 80;
    }
    if (set == 2) {
        v = {{"h", 80}, {"l", 600}, {"I1", 2000}, {"I2", 50}};
        if (beamLoad)
            v.insert({{"a", 450}, {"b", 150}});
        if (bracketLoad)
            v.insert({{"a", 20}, {"c", 10}});
        if (number == 10)
            v["b"] = 60;
    }
    return v;
}

// All inputs of a case by caption, from the start values and the changes.
Values byCaption(int number, const Values &changes)
{
    const std::vector<double> in = inputs(number, changes);
    const shell::CaseDef &c = frameCase(number);
    Values v;
    for (std::size_t k = 0; k < in.size(); ++k)
        v[c.inputs[k].caption] = in[k];
    return v;
}

// A sum of terms is zero to within rounding of its largest term.
void expectBalanced(std::initializer_list<double> terms, const std::string &what)
{
    double sum = 0, largest = 0;
    for (const double t : terms) {
        sum += t;
        largest = std::max(largest, std::abs(t));
    }
    EXPECT_NEAR(sum, 0.0, 1e-10 * largest) << what;
}

class StaticsTest : public ::testing::TestWithParam<std::tuple<FrameStatics, int>>
{
};

TEST_P(StaticsTest, FrameAndColumnsAreInEquilibrium)
{
    const auto &[frame, set] = GetParam();
    const Values changes = inputSet(frame.number, set);
    const Values in = byCaption(frame.number, changes);
    const Values r = results(frame.number, inputs(frame.number, changes));
    ASSERT_FALSE(r.empty());
    const double h = in.at("h"), l = in.at("l");
    const Load load = frame.load(in);
    const double MA = r.count("MA") ? r.at("MA") : 0.0;  // pinned feet carry no moment
    const double MD = r.count("MD") ? r.at("MD") : 0.0;
    const double sign = frame.horizontalLoad ? -1.0 : 1.0;
    const double VAup = sign * r.at("VA"), VDup = r.at("VD");
    const double HAinward = sign * r.at("HA"), HDinward = r.at("HD");  // A pushes right, D left

    expectBalanced({VAup, VDup, load.fy}, "vertical forces");
    expectBalanced({HAinward, -HDinward, load.fx}, "horizontal forces");
    // About A: VD on its lever l, the foot moments (a positive MA acts clockwise on the frame,
    // a positive MD counter-clockwise) and the load.
    expectBalanced({VDup * l, -MA, MD, load.momentAboutA}, "moments about A");
    // The unloaded right column: its moment changes by the thrust at D times its height.
    expectBalanced({MD, -r.at("MC"), -HDinward * h}, "right column");
    expectBalanced({MA, -r.at("MB"), -HAinward * h, -load.leftColumn}, "left column");
}

INSTANTIATE_TEST_SUITE_P(Rahmen, StaticsTest, ::testing::Combine(::testing::ValuesIn(Frames), ::testing::Values(0, 1, 2)),
                         [](const auto &test) {
                             return "Case" + std::to_string(std::get<0>(test.param).number) + "Set" +
                                    std::to_string(std::get<1>(test.param));
                         });

TEST(RahmenStatics, BracketMomentJumpsByPTimesC)
{
    for (const int number : {5, 10}) {
        for (const int set : {0, 1, 2}) {
            const Values changes = inputSet(number, set);
            const Values in = byCaption(number, changes);
            const Values r = results(number, inputs(number, changes));
            expectBalanced({r.at("MEB"), -r.at("MEA"), -in.at("P") * in.at("c")}, "case " + std::to_string(number));
        }
    }
}

TEST(RahmenStatics, MirroredLoadOnTheBeamMirrorsTheResults)
{
    const Values left = results(8, inputs(8, {{"a", 30}, {"b", 70}, {"I2", 1200}}));
    const Values right = results(8, inputs(8, {{"a", 70}, {"b", 30}, {"I2", 1200}}));
    EXPECT_NEAR(left.at("MA"), right.at("MD"), 1e-9);
    EXPECT_NEAR(left.at("MB"), right.at("MC"), 1e-9);
    EXPECT_NEAR(left.at("VA"), right.at("VD"), 1e-9);
    EXPECT_NEAR(left.at("HA"), right.at("HA"), 1e-9);
    const Values pinned = results(3, inputs(3, {{"a", 70}, {"b", 30}}));
    EXPECT_DOUBLE_EQ(pinned.at("VA"), results(3, inputs(3)).at("VD"));
    // A load at mid-span gives a symmetric fixed frame.
    const Values middle = results(8, inputs(8, {{"a", 50}, {"b", 50}}));
    EXPECT_DOUBLE_EQ(middle.at("MA"), middle.at("MD"));
    EXPECT_DOUBLE_EQ(middle.at("MB"), middle.at("MC"));
}

// Very stiff columns (k → 0) clamp the beam; a very stiff beam (k → ∞) clamps the column tops.
TEST(RahmenStatics, HandbookLimitsOfTheStiffnessRatio)
{
    const double w = 1000, P = 1000, l = 100, h = 100, a = 30, b = 70;
    const Values stiffColumns = {{"I1", 1e15}};
    const Values stiffBeam = {{"I2", 1e15}};
    auto near = [](double value, double expected) { EXPECT_NEAR(value, expected, 1e-6 * std::abs(expected)); };

    // Beam clamped at both ends: end moments −w·l²/12; fixed feet take half, of opposite sign.
    near(results(1, inputs(1, stiffColumns)).at("MB"), -w * l * l / 12);
    near(results(6, inputs(6, stiffColumns)).at("MB"), -w * l * l / 12);
    near(results(6, inputs(6, stiffColumns)).at("MA"), w * l * l / 24);
    // Fixed-end moments of a point load: −P·a·b²/l² at B, −P·a²·b/l² at C.
    const Values clamped = results(8, inputs(8, stiffColumns));
    near(clamped.at("MB"), -P * a * b * b / (l * l));
    near(clamped.at("MC"), -P * a * a * b / (l * l));
    // A rigid beam on pinned feet does not turn the column tops: no corner moment.
    EXPECT_NEAR(results(1, inputs(1, stiffBeam)).at("MB"), 0.0, 1e-9 * w * l * l);
    // Sway under P at B: with a rigid beam both fixed columns bend double, ±P·h/4 at their
    // ends; with a limp beam each is a cantilever carrying P/2, −P·h/2 at its foot.
    near(results(7, inputs(7, stiffBeam)).at("MA"), -P * h / 4);
    near(results(7, inputs(7, stiffBeam)).at("MB"), P * h / 4);
    near(results(7, inputs(7, stiffColumns)).at("MA"), -P * h / 2);
    EXPECT_NEAR(results(7, inputs(7, stiffColumns)).at("MB"), 0.0, 1e-9 * P * h);

    // w on the left column. A limp beam links two cantilevers of equal tip deflection:
    // w·h⁴/8 − F·h³/3 = F·h³/3, so D takes F = 3·w·h/16. A rigid beam on fixed feet makes both
    // columns sway with fixed ends and D takes w·h/4; on pinned feet each column acts as a
    // cantilever from its top, and D takes 5·w·h/16.
    near(results(9, inputs(9, stiffColumns)).at("HD"), 3 * w * h / 16);
    near(results(9, inputs(9, stiffBeam)).at("HD"), w * h / 4);
    near(results(4, inputs(4, stiffBeam)).at("HD"), 5 * w * h / 16);

    // The bracket moment P·c at E (a above A, b below B, a + b = h). Two linked cantilevers
    // fixed at the feet share it as 3·P·c·(h² − b²) / (4·h³); two columns fixed at the top and
    // pinned at the feet, mirrored, as 3·P·c·(h² − a²) / (4·h³); two columns fixed at both ends
    // as 3·P·c·a·b / h³ (the end shear of a fixed-ended member under a moment, shared by two).
    const double Pc = P * 30, aE = 70, bE = 30;
    near(results(10, inputs(10, stiffColumns)).at("HD"), 3 * Pc * (h * h - bE * bE) / (4 * h * h * h));
    near(results(5, inputs(5, stiffBeam)).at("HD"), 3 * Pc * (h * h - aE * aE) / (4 * h * h * h));
    near(results(10, inputs(10, stiffBeam)).at("HD"), 3 * Pc * aE * bE / (h * h * h));
}

TEST(RahmenStatics, ReversedLoadReversesEveryResult)
{
    for (int number = 1; number <= 10; ++number) {
        const shell::CaseDef &c = frameCase(number);
        const std::string load = c.inputs[0].caption;  // P or w, always the first input
        const std::vector<double> forward = shell::evaluate(c, inputs(number)).values;
        const std::vector<double> reversed = shell::evaluate(c, inputs(number, {{load, -1000}})).values;
        ASSERT_EQ(forward.size(), reversed.size()) << number;
        for (std::size_t r = 0; r < forward.size(); ++r) {
            EXPECT_NE(forward[r], 0.0) << number << " " << c.rows[r].caption;
            EXPECT_DOUBLE_EQ(reversed[r], -forward[r]) << number << " " << c.rows[r].caption;
        }
    }
}

// Entry checks: the listed inputs must be positive, and I1 must not be 0 (the stiffness ratio
// divides by it); every other input passes, loads and I2 may be zero or negative.
struct Guard {
    int number;
    std::vector<std::string> positive;
};

const std::vector<Guard> Guards = {
    {1, {"h", "l"}},      {2, {"h", "l"}},      {3, {"h", "l", "a", "b"}}, {4, {"h", "l"}},
    {5, {"h", "l", "a", "c"}}, {6, {"h", "l"}}, {7, {"h", "l"}},           {8, {"h", "l", "a", "b"}},
    {9, {"h", "l"}},      {10, {"h", "l", "a", "b", "c"}},
};

class GuardTest : public ::testing::TestWithParam<Guard>
{
};

TEST_P(GuardTest, RejectsWhatCannotBeComputedAndNothingElse)
{
    const Guard &g = GetParam();
    const shell::CaseDef &c = frameCase(g.number);
    auto rejected = [&](const Values &changes) { return shell::evaluate(c, inputs(g.number, changes)).rejected; };
    EXPECT_FALSE(rejected({}));
    for (const std::string &caption : g.positive) {
        EXPECT_TRUE(rejected({{caption, 0}})) << caption;
        EXPECT_TRUE(rejected({{caption, -1}})) << caption;
        EXPECT_FALSE(rejected({{caption, 0.001}})) << caption;
    }
    EXPECT_TRUE(rejected({{"I1", 0}}));
    for (const shell::InputDef &input : c.inputs) {
        const bool guarded =
            std::find(g.positive.begin(), g.positive.end(), input.caption) != g.positive.end() || input.caption == "I1";
        if (!guarded) {
            EXPECT_FALSE(rejected({{input.caption, 0}})) << input.caption;
            EXPECT_FALSE(rejected({{input.caption, -5}})) << input.caption;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rahmen, GuardTest, ::testing::ValuesIn(Guards),
                         [](const auto &test) { return "Case" + std::to_string(test.param.number); });

} // namespace
} // namespace rahmen::testing
