// The Rahmen window: the worked results of every case at its start values, input notes, the
// length unit change and Reset.

#include "rahmen/rahmen.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"

#include <gtest/gtest.h>

namespace rahmen::testing {
namespace {

class RahmenWindow : public ::testing::Test
{
protected:
    void SetUp() override { model.start(); }

    shell::testing::RecordingPlatform platform;
    shell::ShellModel model{program(), platform};
};

// The results of every case at its start values (k = 1), in row order, as the window shows
// them.
TEST_F(RahmenWindow, StartValuesGiveTheWorkedResults)
{
    const std::vector<std::vector<std::string>> worked = {
        {"-5.000e+05", "-5.000e+05", "5.000e+04", "5.000e+04", "5.000e+03", "5.000e+03"},
        {"5.000e+04", "-5.000e+04", "1.000e+03", "1.000e+03", "5.000e+02", "5.000e+02"},
        {"-6.300e+03", "-6.300e+03", "7.000e+02", "3.000e+02", "6.300e+01", "6.300e+01"},
        {"2.250e+06", "-2.750e+06", "5.000e+04", "5.000e+04", "7.250e+04", "2.750e+04"},
        {"1.641e+04", "-1.359e+04", "-9.513e+03", "2.049e+04", "7.000e+02", "3.000e+02", "1.359e+02", "1.359e+02"},
        {"2.778e+05", "-5.556e+05", "-5.556e+05", "2.778e+05", "5.000e+04", "5.000e+04", "8.333e+03", "8.333e+03"},
        {"-2.857e+04", "2.143e+04", "-2.143e+04", "2.857e+04", "4.286e+02", "4.286e+02", "5.000e+02", "5.000e+02"},
        {"2.900e+03", "-7.600e+03", "-6.400e+03", "4.100e+03", "7.120e+02", "2.880e+02", "1.050e+02", "1.050e+02"},
        {"-2.341e+06", "5.754e+05", "-8.532e+05", "1.230e+06", "1.429e+04", "1.429e+04", "7.917e+04", "2.083e+04"},
        {"-7.000e+02", "9.350e+03", "-8.650e+03", "1.130e+04", "-1.467e+04", "1.534e+04", "8.200e+02", "1.800e+02",
         "1.995e+02", "1.995e+02"},
    };
    for (std::size_t i = 0; i < worked.size(); ++i) {
        model.selectCase(static_cast<int>(i));
        ASSERT_EQ(model.ResultCount, static_cast<int>(worked[i].size())) << i;
        for (std::size_t r = 0; r < worked[i].size(); ++r)
            EXPECT_EQ(model.rows()[r].text, worked[i][r]) << i << " " << model.rows()[r].caption;
        EXPECT_FALSE(model.statusVisible());
    }
}

TEST_F(RahmenWindow, CentimetresShowTheSameFrame)
{
    model.selectCase(1);
    const std::string moment = " : 断面2次モーメント ";
    EXPECT_EQ(model.notes(), (std::vector<std::string>{"P : 荷重 N", "I1" + moment + "mm^4", "I2" + moment + "mm^4"}));
    model.chooseUnit(1);
    EXPECT_EQ(model.text(1, 0), "1000");
    EXPECT_EQ(model.text(1, 5), "100");  // the step of P
    EXPECT_EQ(model.text(1, 1), "10");
    EXPECT_EQ(model.text(1, 3), "0.0833");
    EXPECT_EQ(model.notes().back(), "I2" + moment + "cm^4");
    EXPECT_EQ(model.rows()[0].unit, "N･cm");
    // The moment MB = P·h/2: 50000 N･mm.
    EXPECT_EQ(model.rows()[0].text, "5.000e+03");
    model.chooseUnit(0);
    EXPECT_EQ(model.text(1, 0), "1000");
    EXPECT_EQ(model.text(1, 5), "100");
}

TEST_F(RahmenWindow, MetresAndKilonewtonsShowTheSameFrame)
{
    EXPECT_EQ(model.notes().front(), "w : 荷重 N/mm");
    model.chooseUnit(2);
    EXPECT_EQ(model.text(0, 0), "1000000");  // 1000 N/mm
    EXPECT_EQ(model.text(0, 5), "100000");
    EXPECT_EQ(model.text(0, 1), "0.1");
    model.chooseForceUnit(1);
    EXPECT_EQ(model.text(0, 0), "1000");
    EXPECT_EQ(model.notes().front(), "w : 荷重 kN/m");
    EXPECT_EQ(model.rows()[0].unit, "kN･m");
    EXPECT_EQ(model.rows()[0].text, "-5.000e-01");  // MB = −500000 N･mm
}

TEST_F(RahmenWindow, ResetRestoresTheStartNumbersInAnyUnit)
{
    model.selectCase(1);
    model.setText(0, "2500");
    model.setText(1, "250");
    model.chooseUnit(1);
    EXPECT_EQ(model.text(1, 0), "2500");
    EXPECT_EQ(model.text(1, 1), "25");
    model.reset();
    EXPECT_EQ(model.text(1, 0), "1000");
    EXPECT_EQ(model.text(1, 5), "100");
    EXPECT_EQ(model.text(1, 1), "10");
    EXPECT_EQ(model.rows()[0].text, "5.000e+03");
}

}  // namespace
}  // namespace rahmen::testing
