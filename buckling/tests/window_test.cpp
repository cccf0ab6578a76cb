// The buckling window driven through the shell model: the two layout groups, the negative
// empirical stress, the slenderness note, and the rows in other units.

#include "buckling/buckling.h"
#include "shell/core/numbertext.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

class BucklingWindow : public ::testing::Test
{
protected:
    void SetUp() override { model.start(); }

    shell::testing::RecordingPlatform platform;
    shell::ShellModel model{buckling::program(), platform};
};

// The Euler and the empirical cases stand in the same places, the empirical ones with a lower
// results frame (three rows); the results sit below the lower of picture and input frame.
TEST_F(BucklingWindow, TwoLayoutGroups)
{
    // case, picture left, input frame left and top, Reset left, gap, results height
    // clang-format off
    const int groups[][7] = {{0, 2600, 4400, 2000, 9000, 0, 1620}, {3, 2600, 4400, 2000, 9000, 0, 1620},
                             {4, 2600, 4400, 2000, 9000, 0, 1080}, {8, 2600, 4400, 2000, 9000, 0, 1080}};
    // clang-format on
    for (const auto &g : groups) {
        model.selectCase(g[0]);
        const shell::LayoutRect picture = model.pictureRect(g[0]), frame = model.inputFrameRect(g[0]);
        EXPECT_EQ((std::vector<int>{picture.left, picture.top, frame.left, frame.top, model.resetButtonRect().left}),
                  (std::vector<int>{g[1], 2100, g[2], g[3], g[4]}))
            << g[0];
        EXPECT_EQ(model.resultsFrameRect().top, std::max(frame.bottom(), picture.bottom()) + g[5]) << g[0];
        EXPECT_EQ(model.resultsFrameRect().height, g[6]) << g[0];
        EXPECT_LE(picture.left + picture.width, frame.left) << g[0];
    }
}

TEST_F(BucklingWindow, NegativeEmpiricalStressIsShown)
{
    model.selectCase(8);
    EXPECT_EQ(model.rows()[0].text, "2.212e+01");
    // Softwood, l = 3000: λ = 3000 / √8.33 ≈ 1039.4, σk = 28.7 (1 − 0.00662 λ) ≈ −168.8.
    model.setText(0, "3000");
    EXPECT_FALSE(model.statusVisible());
    EXPECT_EQ(model.rows()[0].text, "-1.688e+02");
    EXPECT_EQ(model.rows()[2].text, "1.039e+03");
}

// Beyond λ0 the window notes that the empirical line does not hold, without refusing the input.
TEST_F(BucklingWindow, SlendernessNoteBeyondTheEmpiricalRange)
{
    const double lambda0[] = {80, 112, 105, 89, 100};
    for (int i = 4; i < 9; ++i) {
        const double limit = lambda0[i - 4];
        model.selectCase(i);
        model.setText(0, shell::generalText(limit * std::sqrt(8.33) * 0.999));
        EXPECT_TRUE(model.advisories().empty()) << i;
        model.setText(0, shell::generalText(limit * std::sqrt(8.33) * 1.001));
        ASSERT_EQ(model.advisories().size(), 1u) << i;
        EXPECT_EQ(model.advisories()[0].rfind("λ > " + std::to_string(static_cast<int>(limit)) + ":", 0), 0u);
        EXPECT_FALSE(model.statusVisible());
    }
}

// The same column in metres (the inputs in every unit are the registry's): the buckling stress
// is the same stress in N/m^2, and Reset in centimetres gives the same load in N.
TEST_F(BucklingWindow, MetresShowTheSameColumn)
{
    model.chooseUnit(shell::LengthUnit::Metre);
    EXPECT_EQ(model.notes()[0], "E : 弾性係数 N/m^2");
    EXPECT_EQ(model.rows()[1].text, "2.055e+08");
    model.chooseUnit(shell::LengthUnit::Centimetre);
    model.setText(0, "250");
    model.reset();
    EXPECT_EQ(model.rows()[0].text, "2.055e+04");
}

}  // namespace
