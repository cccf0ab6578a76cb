// The buckling window driven through the shell model: start-up, the two layout groups, notes,
// entry errors, the slenderness note, the unit change of E and Reset in cm and m.

#include "buckling.h"
#include "numbertext.h"
#include "recordingplatform.h"
#include "shellmodel.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <string>
#include <vector>

namespace {

const std::string Load = "座屈荷重 (Pk)";
const std::string Stress = "座屈応力 (σk)";
const std::string Gyration = "断面2次半径 (k)";
const std::string Slenderness = "細長比 (λ)";
const std::string BucklingLength = "座屈長 (L)";

class BucklingWindow : public ::testing::Test
{
protected:
    void SetUp() override { model.start(); }

    std::vector<std::string> column(std::string shell::ResultRow::*field) const
    {
        std::vector<std::string> out;
        for (int r = 0; r < model.ResultCount; ++r)
            out.push_back(model.rows()[static_cast<std::size_t>(r)].*field);
        return out;
    }
    std::vector<std::string> captions() const { return column(&shell::ResultRow::caption); }
    std::vector<std::string> results() const { return column(&shell::ResultRow::text); }
    std::vector<std::string> units() const { return column(&shell::ResultRow::unit); }
    // Inputs and step fields of a case, as shown.
    std::vector<std::string> fields(int caseIndex) const
    {
        std::vector<std::string> out;
        for (int k = 0; k < 2 * buckling::program().cases[static_cast<std::size_t>(caseIndex)].inputCount(); ++k)
            out.push_back(model.text(caseIndex, k));
        return out;
    }

    shell::testing::RecordingPlatform platform;
    shell::ShellModel model{buckling::program(), platform};
};

using Texts = std::vector<std::string>;

TEST_F(BucklingWindow, StartsOnTheFlagpoleWithEveryCaseReset)
{
    EXPECT_EQ(model.CurrentCase, 0);
    EXPECT_EQ(captions(), (Texts{Load, Stress, Gyration, Slenderness, BucklingLength}));
    EXPECT_EQ(results(), (Texts{"2.055e+04", "2.055e+02", "2.886e+00", "3.465e+01", "2.000e+02"}));
    EXPECT_EQ(units(), (Texts{"N", "N/mm^2", "mm", "", "mm"}));
    EXPECT_EQ(model.notes(), (Texts{"E : 弾性係数 N/mm^2", "I : 断面2次モーメント mm^4", "n : 柱端定数 "}));
    EXPECT_FALSE(model.statusVisible());

    EXPECT_EQ(fields(0), (Texts{"100", "100000", "833", "100", "0.25", "1", "1000", "10", "1", "0.01"}));
    const char *endConstants[] = {"0.25", "1", "2", "4"};
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(fields(i), (Texts{"100", "100000", "833", "100", endConstants[i], "1", "1000", "10", "1", "0.1"}));
    for (int i = 4; i < 9; ++i)
        EXPECT_EQ(fields(i), (Texts{"100", "833", "100", "1", "10", "1"}));
}

TEST_F(BucklingWindow, CaptionsUnitsAndNotesPerCase)
{
    for (int i = 0; i < 9; ++i) {
        model.selectCase(i);
        SCOPED_TRACE(i);
        if (i < 4) {
            EXPECT_EQ(model.ResultCount, 5);
            EXPECT_EQ(captions(), (Texts{Load, Stress, Gyration, Slenderness, BucklingLength}));
        } else {
            EXPECT_EQ(model.ResultCount, 3);
            EXPECT_EQ(captions(), (Texts{Stress, Gyration, Slenderness}));
            EXPECT_EQ(units(), (Texts{"N/mm^2", "mm", ""}));
            EXPECT_EQ(model.notes(), (Texts{"I : 断面2次モーメント mm^4"}));
        }
        if (i >= 1 && i < 4) {
            EXPECT_EQ(model.notes(), (Texts{"E : 弾性係数 N/mm^2", "I : 断面2次モーメント mm^4"}));
        }
        for (std::size_t r = static_cast<std::size_t>(model.ResultCount); r < model.rows().size(); ++r)
            EXPECT_FALSE(model.rows()[r].visible);
    }
}

TEST_F(BucklingWindow, TwoLayoutGroups)
{
    struct Expected {
        int caseIndex;
        shell::Rect picture;  // left and top
        shell::Rect frame;    // left and top
        int command2Left;
        int gap;
        int frame2Height;
    };
    const Expected groups[] = {
        {0, {2600, 2100, 0, 0}, {4400, 2000, 0, 0}, 9000, 0, 1620},
        {3, {2600, 2100, 0, 0}, {4400, 2000, 0, 0}, 9000, 0, 1620},
        {4, {2300, 2100, 0, 0}, {5650, 2100, 0, 0}, 10100, 700, 1080},
        {8, {2300, 2100, 0, 0}, {5650, 2100, 0, 0}, 10100, 700, 1080},
    };
    for (const Expected &g : groups) {
        model.selectCase(g.caseIndex);
        SCOPED_TRACE(g.caseIndex);
        const shell::Rect picture = model.pictureRect(g.caseIndex);
        const shell::Rect frame = model.inputFrameRect(g.caseIndex);
        EXPECT_EQ(picture.left, g.picture.left);
        EXPECT_EQ(picture.top, g.picture.top);
        EXPECT_EQ(frame.left, g.frame.left);
        EXPECT_EQ(frame.top, g.frame.top);
        EXPECT_EQ(model.command2Rect().left, g.command2Left);
        EXPECT_EQ(model.frame2Rect().top, std::max(frame.bottom(), picture.bottom()) + g.gap);
        EXPECT_EQ(model.frame2Rect().height, g.frame2Height);
        EXPECT_EQ(model.chartRect().top, model.frame2Rect().bottom());
        EXPECT_EQ(model.chartRect().height, 10000 - model.chartRect().top - 700);
        // The column picture stands clear of the input frame and above the results.
        EXPECT_LE(picture.left + picture.width, frame.left);
        EXPECT_LE(picture.bottom(), model.frame2Rect().top);
    }
}

TEST_F(BucklingWindow, NonPositiveInputKeepsTheResults)
{
    model.selectCase(1);
    const Texts before = results();
    model.setText(4, "0");  // n = 0: no buckling length
    EXPECT_TRUE(model.statusVisible());
    EXPECT_EQ(model.statusText(), "Please check command entry  #5");
    EXPECT_EQ(results(), before);
    EXPECT_EQ(platform.beeps, 1);

    model.setText(5, "2");  // a step field changed while n is still 0
    EXPECT_EQ(model.statusText(), "Please check command entry  #6");
    EXPECT_EQ(results(), before);

    model.setText(4, "1");
    EXPECT_FALSE(model.statusVisible());
    EXPECT_EQ(results(), before);

    model.selectCase(6);
    const Texts steel = results();
    model.setText(2, "");  // A empty reads 0
    EXPECT_EQ(model.statusText(), "Please check command entry  #3");
    EXPECT_EQ(results(), steel);
}

TEST_F(BucklingWindow, NegativeEmpiricalStressIsShown)
{
    model.selectCase(8);
    EXPECT_EQ(results()[0], "2.212e+01");
    model.setText(0, "3000");
    EXPECT_FALSE(model.statusVisible());
    EXPECT_EQ(results(), (Texts{"-1.688e+02", "2.886e+00", "1.039e+03"}));
    EXPECT_LT(model.rows()[0].value, 0);
}

// Beyond λ0 the window notes that the empirical line does not hold, without refusing the input.
TEST_F(BucklingWindow, SlendernessNoteBeyondTheEmpiricalRange)
{
    const double lambda0[] = {80, 112, 105, 89, 100};
    const double k = std::sqrt(8.33);
    for (int i = 4; i < 9; ++i) {
        SCOPED_TRACE(i);
        const double limit = lambda0[i - 4];
        model.selectCase(i);
        EXPECT_TRUE(model.advisories().empty());
        model.setText(0, shell::generalText(limit * k * 0.999));
        EXPECT_TRUE(model.advisories().empty());
        model.setText(0, shell::generalText(limit * k * 1.001));
        ASSERT_EQ(model.advisories().size(), 1u);
        EXPECT_EQ(model.advisories()[0].rfind("λ > " + std::to_string(static_cast<int>(limit)) + ":", 0), 0u);
        EXPECT_FALSE(model.statusVisible());
        EXPECT_NE(results()[0], "");
        model.setText(0, "100");
        EXPECT_TRUE(model.advisories().empty());
    }
    model.selectCase(1);
    model.setText(0, "100000");
    EXPECT_TRUE(model.advisories().empty());
}

TEST_F(BucklingWindow, UnitChangeConvertsOnlyE)
{
    model.chooseUnit(2);
    EXPECT_EQ(fields(0), (Texts{"100", "1.0000e+11", "833", "100", "0.25", "1", "1.00e+06", "10", "1", "0.01"}));
    EXPECT_EQ(model.notes(), (Texts{"E : 弾性係数 N/m^2", "I : 断面2次モーメント m^4", "n : 柱端定数 "}));
    EXPECT_EQ(units(), (Texts{"N", "N/m^2", "m", "", "m"}));
    EXPECT_EQ(results()[1], "2.055e+08");

    model.chooseUnit(0);
    EXPECT_EQ(fields(0), (Texts{"100", "100000", "833", "100", "0.25", "1", "1000", "10", "1", "0.01"}));
    EXPECT_EQ(results()[1], "2.055e+02");

    // By way of cm: the step grows by √100 and then √10000, as straight to m by √1000000.
    model.chooseUnit(1);
    EXPECT_EQ(model.text(0, 1), "10000000");
    EXPECT_EQ(model.text(0, 6), "10000");
    EXPECT_EQ(units(), (Texts{"N", "N/cm^2", "cm", "", "cm"}));
    model.chooseUnit(2);
    EXPECT_EQ(model.text(0, 1), "1.0000e+11");
    EXPECT_EQ(model.text(0, 6), "1.00e+06");
    // Cases not on display keep their texts.
    EXPECT_EQ(model.text(1, 1), "100000");
}

TEST_F(BucklingWindow, UnitChangeOfAnEmpiricalCaseOnlyRelabels)
{
    model.selectCase(5);
    model.chooseUnit(1);
    EXPECT_EQ(fields(5), (Texts{"100", "833", "100", "1", "10", "1"}));
    EXPECT_EQ(model.notes(), (Texts{"I : 断面2次モーメント cm^4"}));
    EXPECT_EQ(units(), (Texts{"N/cm^2", "cm", ""}));
    EXPECT_EQ(results(), (Texts{"2.524e+02", "2.886e+00", "3.465e+01"}));
}

TEST_F(BucklingWindow, ResetScalesTheStoredModulusByTheFullFactor)
{
    model.chooseUnit(1);
    model.setText(0, "250");
    model.setScrollFocus(3, true);
    model.setScroll(3, 4);
    model.setScrollFocus(3, false);
    model.reset();
    EXPECT_EQ(fields(0), (Texts{"100", "10000000", "833", "100", "0.25", "1", "1.00e+05", "10", "1", "0.01"}));
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(model.scrollValue(0, k), 0);
    EXPECT_EQ(results()[0], "2.055e+06");

    model.chooseUnit(2);
    model.reset();
    EXPECT_EQ(model.text(0, 1), "1.0000e+11");
    EXPECT_EQ(model.text(0, 6), "1.00e+09");
    EXPECT_EQ(results()[0], "2.055e+10");

    model.selectCase(7);
    model.setText(1, "1000");
    model.reset();
    EXPECT_EQ(fields(7), (Texts{"100", "833", "100", "1", "10", "1"}));
    EXPECT_EQ(results(), (Texts{"3.070e+02", "2.886e+00", "3.465e+01"}));
}

} // namespace
