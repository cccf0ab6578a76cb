// The program in a window without a display: legend lines, the entry error message, the
// length unit change and Reset.

#include "cantilever/tests/cantilevertest.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"

#include <gtest/gtest.h>

namespace cantilever::tests {
namespace {

class cantileverWindow : public ::testing::Test
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
        texts.reserve(static_cast<std::size_t>(model.ResultCount));
        for (int r = 0; r < model.ResultCount; ++r)
            texts.push_back(model.rows()[r].text);
        return texts;
    }

    shell::testing::RecordingPlatform platform;
    shell::ShellModel model{program(), platform};
};

TEST_F(cantileverWindow, LegendLinesInTheOrderOfTheCaptionLabels)
{
    EXPECT_EQ(model.notes(),
              (std::vector<std::string>{"E : 弾性係数 N/mm^2", "P : 荷重 N", "I : 断面2次モーメント mm^4"}));
}

TEST_F(cantileverWindow, RejectedInputKeepsTheResultsAndNamesTheField)
{
    model.selectCase(1);
    const std::vector<std::string> before = rowTexts();
    model.setText(input("l"), "");
    EXPECT_TRUE(model.statusVisible());
    EXPECT_EQ(model.statusText(), "Please check command entry  #3 : l must be greater than 0");
    EXPECT_EQ(rowTexts(), before);
    EXPECT_EQ(platform.beeps, 1);
    // A step field changed while the span is still empty: the message names the step field.
    model.setText(5 + input("w"), "2");
    EXPECT_EQ(model.statusText(), "Please check command entry  #9 : l must be greater than 0");
    model.setText(input("l"), "100");
    EXPECT_FALSE(model.statusVisible());
    EXPECT_EQ(rowTexts(), before);
}

TEST_F(cantileverWindow, UnitChangeKeepsTheSameMember)
{
    model.chooseUnit(1);
    EXPECT_EQ(text("E"), "10000000");
    EXPECT_EQ(step("E"), "100000");
    EXPECT_EQ(text("P"), "100");
    EXPECT_EQ(text("a"), "7");
    EXPECT_EQ(model.notes().front(), "E : 弾性係数 N/cm^2");
    EXPECT_EQ(model.rows()[1].unit, "N･cm");
    // The reaction is the load as it was; the moment 3000 N･mm is 300 N･cm.
    EXPECT_EQ(model.rows()[0].text, "1.000e+02");
    EXPECT_EQ(model.rows()[1].text, "3.000e+02");
    model.chooseUnit(2);
    EXPECT_EQ(text("E"), "1E+11");
    model.chooseUnit(0);
    EXPECT_EQ(text("E"), "100000");
    EXPECT_EQ(rowTexts(), (std::vector<std::string>{"1.000e+02", "3.000e+03", "2.255e-01", "1.373e-01"}));
}

TEST_F(cantileverWindow, ResetInCentimetresWritesScaledStartValues)
{
    model.chooseUnit(1);
    model.selectCase(15);
    model.setText(input("w"), "3");
    model.setText(input("l"), "250");
    model.setScrollFocus(input("E"), true);
    model.setScroll(input("E"), 7);
    model.reset();
    EXPECT_EQ(text("w"), "1000");
    EXPECT_EQ(text("E"), "10000000");
    EXPECT_EQ(step("E"), "100000");
    EXPECT_EQ(text("l"), "10");
    EXPECT_EQ(text("I"), "0.0833");
    EXPECT_EQ(model.scrollValue(15, input("E")), 0);
}

}  // namespace
}  // namespace cantilever::tests
