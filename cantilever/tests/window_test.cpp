// The whole program in a window without a display: every case's rows and unit captions,
// legend lines, the entry error message, the length unit change and Reset.

#include "cantilevertest.h"
#include "recordingplatform.h"
#include "shellmodel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace cantilever::tests {
namespace {

class Window : public ::testing::Test
{
protected:
    void SetUp() override { model.start(); }

    // Index of the input captioned `caption` in the current case.
    int input(const std::string &caption) const
    {
        const shell::CaseDef &c = model.currentCaseDef();
        for (int k = 0; k < c.inputCount(); ++k)
            if (c.inputs[k].caption == caption)
                return k;
        ADD_FAILURE() << "no input " << caption;
        return 0;
    }
    const std::string &text(const std::string &caption) const { return model.text(model.CurrentCase, input(caption)); }
    const std::string &step(const std::string &caption) const
    {
        return model.text(model.CurrentCase, model.currentCaseDef().inputCount() + input(caption));
    }
    std::vector<std::string> rowTexts() const
    {
        std::vector<std::string> texts;
        for (int r = 0; r < model.ResultCount; ++r)
            texts.push_back(model.rows()[r].text);
        return texts;
    }

    shell::testing::RecordingPlatform platform;
    shell::ShellModel model{program(), platform};
};

// Every case at its start values: all rows computed, each with its unit; at most three
// legend lines (the window has three).
TEST_F(Window, EveryCaseShowsEveryRowWithAUnit)
{
    for (int i = 0; i < program().caseCount(); ++i) {
        model.selectCase(i);
        ASSERT_FALSE(model.lastRejected()) << i;
        EXPECT_LE(model.notes().size(), 3U) << i;
        for (int r = 0; r < model.ResultCount; ++r) {
            const shell::ResultRow &row = model.rows()[r];
            EXPECT_TRUE(std::isfinite(row.value)) << row.caption;
            const std::string kind = row.caption.substr(0, row.caption.find(' '));
            const std::string expected = kind == "反力" ? "N" : kind == "曲げモーメント" ? "N･mm" : "mm";
            EXPECT_EQ(row.unit, expected) << row.caption;
        }
    }
}

TEST_F(Window, ResultsFrameFollowsTheRowCount)
{
    for (const auto &[caseIndex, height] :
         {std::pair{20, 700}, {0, 1120}, {5, 1590}, {13, 1590}, {19, 2040}, {8, 2500}, {17, 2500}}) {
        model.selectCase(caseIndex);
        EXPECT_EQ(model.frame2Rect().height, height) << caseIndex;
    }
}

TEST_F(Window, LegendLinesInTheOrderOfTheCaptionLabels)
{
    EXPECT_EQ(model.notes(),
              (std::vector<std::string>{"E : 弾性係数 N/mm^2", "P : 荷重 N", "I : 断面2次モーメント mm^4"}));
    model.selectCase(7);
    EXPECT_EQ(model.notes(), (std::vector<std::string>{"M : モーメント N･mm"}));
    model.selectCase(5);
    EXPECT_EQ(model.notes(),
              (std::vector<std::string>{"E : 弾性係数 N/mm^2", "I : 断面2次モーメント mm^4", "w : 荷重 N/mm"}));
    model.selectCase(19);
    EXPECT_EQ(model.notes(), (std::vector<std::string>{"M : モーメント N･mm", "E : 弾性係数 N/mm^2",
                                                       "I : 断面2次モーメント mm^4"}));
    model.selectCase(20);
    EXPECT_EQ(model.notes(), (std::vector<std::string>{"w : 荷重 N/mm"}));
}

TEST_F(Window, RejectedInputKeepsTheResultsAndNamesTheField)
{
    model.selectCase(1);
    const std::vector<std::string> before = rowTexts();
    model.setText(input("l"), "");
    EXPECT_TRUE(model.statusVisible());
    EXPECT_EQ(model.statusText(), "Please check command entry  #3");
    EXPECT_EQ(rowTexts(), before);
    EXPECT_EQ(platform.beeps, 1);
    // A step field changed while the span is still empty: the message names the step field.
    model.setText(5 + input("w"), "2");
    EXPECT_EQ(model.statusText(), "Please check command entry  #9");
    model.setText(input("l"), "100");
    EXPECT_FALSE(model.statusVisible());
    EXPECT_EQ(rowTexts(), before);
}

TEST_F(Window, UnitChangeConvertsLoadsAndStiffnessOnly)
{
    model.chooseUnit(1);
    EXPECT_EQ(text("E"), "10000000");
    EXPECT_EQ(step("E"), "1.00e+05");
    EXPECT_EQ(text("P"), "10000");
    EXPECT_EQ(step("P"), "100");
    EXPECT_EQ(text("a"), "70");
    EXPECT_EQ(text("b"), "30");
    EXPECT_EQ(text("I"), "833");
    EXPECT_EQ(step("I"), "10");
    EXPECT_EQ(text("x"), "60");
    EXPECT_EQ(model.notes().front(), "E : 弾性係数 N/cm^2");
    EXPECT_EQ(model.rows()[1].unit, "N･cm");
    EXPECT_EQ(model.rows()[2].unit, "cm");
    EXPECT_EQ(model.rows()[0].unit, "N");
    // The reaction is the load, now 100 times larger.
    EXPECT_EQ(model.rows()[0].text, "1.000e+04");
}

TEST_F(Window, UnitChangeThereAndBack)
{
    model.chooseUnit(2);
    EXPECT_EQ(text("E"), "1.0000e+11");
    EXPECT_EQ(model.rows()[1].unit, "N･m");
    model.chooseUnit(0);
    EXPECT_EQ(text("E"), "100000");
    EXPECT_EQ(text("P"), "100");
    EXPECT_EQ(rowTexts(), (std::vector<std::string>{"1.000e+02", "3.000e+03", "2.255e-01", "1.373e-01"}));
}

TEST_F(Window, ResetInCentimetresWritesScaledStartValues)
{
    model.chooseUnit(1);
    model.selectCase(15);
    model.setText(input("w"), "3");
    model.setText(input("l"), "250");
    model.setScrollFocus(input("E"), true);
    model.setScroll(input("E"), 7);
    model.reset();
    EXPECT_EQ(text("w"), "10000");
    EXPECT_EQ(step("w"), "100");
    EXPECT_EQ(text("E"), "10000000");
    EXPECT_EQ(step("E"), "1.00e+05");
    EXPECT_EQ(text("l"), "100");
    EXPECT_EQ(text("I"), "833");
    EXPECT_EQ(step("I"), "10");
    EXPECT_EQ(model.scrollValue(15, input("E")), 0);
}

// Reset in every case brings back the results of the start values.
TEST_F(Window, ResetRestoresEveryCase)
{
    for (int i = 0; i < program().caseCount(); ++i) {
        model.selectCase(i);
        const std::vector<std::string> atStart = rowTexts();
        for (int k = 0; k < model.currentCaseDef().inputCount(); ++k)
            model.setText(k, "7");
        model.reset();
        EXPECT_EQ(rowTexts(), atStart) << i;
        EXPECT_FALSE(model.statusVisible()) << i;
    }
}

TEST_F(Window, WholeNumberZeroRows)
{
    model.toggleFormat();
    model.setText(input("x"), "30");
    EXPECT_EQ(model.rows()[1].text, "0");
    model.selectCase(3);
    EXPECT_EQ(model.rows()[0].text, "0");
}

} // namespace
} // namespace cantilever::tests
