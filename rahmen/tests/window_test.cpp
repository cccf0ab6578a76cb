// The Rahmen window: layout by case, input notes, unit captions, the length unit change,
// Reset and the entry error.

#include "framecases.h"
#include "recordingplatform.h"
#include "shellmodel.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace rahmen::testing {
namespace {

class RahmenWindow : public ::testing::Test
{
protected:
    void SetUp() override { model.start(); }

    std::vector<std::string> units() const
    {
        std::vector<std::string> u;
        for (int r = 0; r < model.ResultCount; ++r)
            u.push_back(model.rows()[static_cast<std::size_t>(r)].unit);
        return u;
    }

    shell::testing::RecordingPlatform platform;
    shell::ShellModel model{program(), platform};
};

TEST_F(RahmenWindow, ResultsFrameFollowsTheResultCount)
{
    const int heights[] = {1710, 1710, 1710, 1710, 2160, 2160, 2160, 2160, 2160, 2550};
    for (int i = 0; i < 10; ++i) {
        model.selectCase(i);
        EXPECT_EQ(model.frame2Rect().height, heights[i]) << i;
        // Below the lower of the picture and the input frame, the chart below the results.
        const int upper = std::max(model.pictureRect(i).bottom(), model.inputFrameRect(i).bottom());
        EXPECT_EQ(model.frame2Rect().top, upper) << i;
        EXPECT_EQ(model.frame2Rect().left, 2400);
        EXPECT_EQ(model.chartRect().top, model.frame2Rect().bottom());
        EXPECT_EQ(model.chartRect().height, 11000 - model.chartRect().top - 700);
        // Reset beside the input frame, the picture left of it.
        const shell::Rect frame = model.inputFrameRect(i);
        EXPECT_GT(model.command2Rect().left, frame.left + frame.width) << i;
        EXPECT_EQ(model.command2Rect().top, 2100);
        EXPECT_LE(model.pictureRect(i).left + model.pictureRect(i).width, frame.left);
    }
}

TEST_F(RahmenWindow, InputNotesNameLoadsAndSecondMomentsInTheUnit)
{
    const std::string moment = " : 断面2次モーメント ";
    EXPECT_EQ(model.notes(), (std::vector<std::string>{"w : 荷重 N/mm", "I1" + moment + "mm^4", "I2" + moment + "mm^4"}));
    model.selectCase(9);
    EXPECT_EQ(model.notes(), (std::vector<std::string>{"P : 荷重 N", "I1" + moment + "mm^4", "I2" + moment + "mm^4"}));
    model.chooseUnit(2);
    EXPECT_EQ(model.notes(), (std::vector<std::string>{"P : 荷重 N", "I1" + moment + "m^4", "I2" + moment + "m^4"}));
}

TEST_F(RahmenWindow, MomentsInNTimesTheLengthUnitReactionsInN)
{
    model.selectCase(4);
    const std::vector<std::string> mm = {"N･mm", "N･mm", "N･mm", "N･mm", "N", "N", "N", "N"};
    EXPECT_EQ(units(), mm);
    model.chooseUnit(1);
    EXPECT_EQ(units()[2], "N･cm");
    EXPECT_EQ(units()[7], "N");
    model.chooseUnit(2);
    EXPECT_EQ(units()[0], "N･m");
}

TEST_F(RahmenWindow, CentimetresScaleTheLoadOnly)
{
    model.selectCase(1);
    model.chooseUnit(1);
    const int n = 5;
    EXPECT_EQ(model.text(1, 0), "100000");
    EXPECT_EQ(model.text(1, n + 0), "10000");
    for (int k = 1; k < n; ++k)
        EXPECT_EQ(model.text(1, k), shell::generalText(frameCase(2).inputs[static_cast<std::size_t>(k)].start)) << k;
    EXPECT_EQ(model.notes().front(), "P : 荷重 N");
    EXPECT_EQ(model.notes().back(), "I2 : 断面2次モーメント cm^4");
    EXPECT_EQ(model.rows()[0].unit, "N･cm");
    // The moment MB = P·h/2 follows the scaled load.
    EXPECT_EQ(model.rows()[0].text, "5.000e+06");
    // Back to mm restores the numbers.
    model.chooseUnit(0);
    EXPECT_EQ(model.text(1, 0), "1000");
    EXPECT_EQ(model.text(1, n + 0), "100");
}

TEST_F(RahmenWindow, MetresWriteLargeLoadsInScientificForm)
{
    model.chooseUnit(2);
    EXPECT_EQ(model.text(0, 0), "1.0000e+09");
    EXPECT_EQ(model.text(0, 5), "1.00e+08");
    EXPECT_EQ(model.text(0, 1), "100");
}

TEST_F(RahmenWindow, ResetRestoresTheStartNumbersInAnyUnit)
{
    model.selectCase(1);
    model.setText(0, "2500");
    model.setText(1, "250");
    model.chooseUnit(1);
    EXPECT_EQ(model.text(1, 0), "250000");
    model.reset();
    EXPECT_EQ(model.text(1, 0), "1000");
    EXPECT_EQ(model.text(1, 5), "100");
    EXPECT_EQ(model.text(1, 1), "100");
    EXPECT_EQ(model.rows()[0].text, "5.000e+04");
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(model.scrollValue(1, k), 0);
}

TEST_F(RahmenWindow, ResetAfterScrollingRecomputesTheStartValues)
{
    model.selectCase(9);
    model.setScrollFocus(0, true);
    model.setScroll(0, 3);
    EXPECT_EQ(model.text(9, 0), "1300");
    model.setScrollFocus(0, false);
    model.reset();
    EXPECT_EQ(model.text(9, 0), "1000");
    EXPECT_EQ(model.rows()[1].text, "9.350e+03");
}

TEST_F(RahmenWindow, RejectedInputKeepsTheResultsAndNamesTheField)
{
    const std::string before = model.rows()[0].text;
    model.setText(2, "0");  // l
    EXPECT_TRUE(model.statusVisible());
    EXPECT_EQ(model.statusText(), "Please check command entry  #3");
    EXPECT_EQ(model.rows()[0].text, before);
    EXPECT_EQ(platform.beeps, 1);
    model.setText(2, "100");
    EXPECT_FALSE(model.statusVisible());
    model.setText(3, "");  // I1 empty reads 0
    EXPECT_EQ(model.statusText(), "Please check command entry  #4");
    model.setText(3, "833");
    model.setText(4, "0");  // I2 = 0 is a beam without stiffness, not an error
    EXPECT_FALSE(model.statusVisible());
    model.selectCase(9);
    model.setText(5, "abc");  // c of the bracket
    EXPECT_EQ(model.statusText(), "Please check command entry  #6");
}

} // namespace
} // namespace rahmen::testing
