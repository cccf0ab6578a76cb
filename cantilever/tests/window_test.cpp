// The program in a window without a display: legend lines and the rows in another length unit.

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

    std::vector<std::string> rowTexts() const
    {
        std::vector<std::string> texts;
        for (int r = 0; r < model.resultCount(); ++r)
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

// The inputs in every unit system are the registry's; here the legend and the rows: the reaction
// is the load as it was, the moment 3000 N･mm is 300 N･cm.
TEST_F(cantileverWindow, UnitChangeKeepsTheSameMember)
{
    model.chooseUnit(shell::LengthUnit::Centimetre);
    EXPECT_EQ(model.notes().front(), "E : 弾性係数 N/cm^2");
    EXPECT_EQ(model.rows()[1].unit, "N･cm");
    EXPECT_EQ(model.rows()[0].text, "1.000e+02");
    EXPECT_EQ(model.rows()[1].text, "3.000e+02");
    model.chooseUnit(shell::LengthUnit::Metre);
    model.chooseUnit(shell::LengthUnit::Millimetre);
    EXPECT_EQ(rowTexts(), (std::vector<std::string>{"1.000e+02", "3.000e+03", "2.255e-01", "1.373e-01"}));
}

}  // namespace
}  // namespace cantilever::tests
