// The Rahmen window: the worked results of every case at its start values, the legend and the
// rows in other units, and the positions that follow their partner.

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
        ASSERT_EQ(model.resultCount(), static_cast<int>(worked[i].size())) << i;
        for (std::size_t r = 0; r < worked[i].size(); ++r)
            EXPECT_EQ(model.rows()[r].text, worked[i][r]) << i << " " << model.rows()[r].caption;
        EXPECT_FALSE(model.statusVisible());
    }
}

// The inputs in every unit are the registry's; here the legend and the rows, also after Reset:
// the moment MB = P·h/2 is 50000 N･mm.
TEST_F(RahmenWindow, CentimetresShowTheSameFrame)
{
    model.selectCase(1);
    const std::string moment = " : 断面2次モーメント ";
    EXPECT_EQ(model.notes(), (std::vector<std::string>{"P : 荷重 N", "I1" + moment + "mm^4", "I2" + moment + "mm^4"}));
    model.setText(0, "2500");
    model.chooseUnit(shell::LengthUnit::Centimetre);
    model.reset();
    EXPECT_EQ(model.notes().back(), "I2" + moment + "cm^4");
    EXPECT_EQ(model.rows()[0].unit, "N･cm");
    EXPECT_EQ(model.rows()[0].text, "5.000e+03");
}

TEST_F(RahmenWindow, MetresAndKilonewtonsShowTheSameFrame)
{
    EXPECT_EQ(model.notes().front(), "w : 荷重 N/mm");
    model.chooseUnit(shell::LengthUnit::Metre);
    model.chooseForceUnit(shell::ForceUnit::Kilonewton);
    EXPECT_EQ(model.notes().front(), "w : 荷重 kN/m");
    EXPECT_EQ(model.rows()[0].unit, "kN･m");
    EXPECT_EQ(model.rows()[0].text, "-5.000e-01");  // MB = −500000 N･mm
}

// Where a + b must equal l (or h), editing a or the length moves b and editing b moves a, with
// one computation and the change in the status bar; a follower that would be negative refuses
// the edit and marks the field typed. Rahmen (3): P h l a b I1 I2; Rahmen (10): P h l a b c I1 I2.
TEST_F(RahmenWindow, ThePartnerOfAnEditedPositionFollows)
{
    const std::string refused = "Please check command entry  #";
    struct Edit {
        int caseIndex;
        int field;
        const char *text;
        const char *a;
        const char *b;
        std::string status;  // "" where the bar is clear
        int marked;          // -1 where accepted
    };
    // clang-format off
    const Edit edits[] = {
        {2, 3, "40", "40", "60", "b changed to 60 (b = l − a)", -1},
        {2, 2, "200", "30", "170", "b changed to 170 (b = l − a)", -1},
        {2, 4, "20", "80", "20", "a changed to 80 (a = l − b)", -1},
        {2, 3, "30.1", "30.1", "69.9", "b changed to 69.9 (b = l − a)", -1},
        {2, 1, "50", "30", "70", "", -1},
        {2, 3, "120", "120", "70", refused + "4 : b = l − a would be negative", 3},
        {2, 2, "20", "30", "70", refused + "3 : b = l − a would be negative", 2},
        {2, 3, "100", "100", "0", refused + "4 : b must be greater than 0; b changed to 0 (b = l − a)", 3},
        {2, 3, "", "", "70", refused + "4 : a must be greater than 0", 3},
        {2, 2, "0", "30", "70", refused + "3 : l must be greater than 0", 2},
        {9, 1, "150", "70", "80", "b changed to 80 (b = h − a)", -1},
        {9, 3, "0", "0", "100", "b changed to 100 (b = h − a)", -1},
        {9, 4, "0", "100", "0", "a changed to 100 (a = h − b)", -1},
        {9, 4, "150", "70", "150", refused + "5 : a = h − b would be negative", 4},
        {9, 2, "50", "70", "30", "", -1},
    };
    // clang-format on
    for (const Edit &e : edits) {
        SCOPED_TRACE(std::to_string(e.caseIndex + 1) + ": field " + std::to_string(e.field) + " = " + e.text);
        model.selectCase(e.caseIndex);
        model.reset();
        const int computes = model.computeCount();
        model.setText(e.field, e.text);
        EXPECT_EQ(model.computeCount(), computes + 1);
        EXPECT_EQ(model.text(e.caseIndex, 3), e.a);
        EXPECT_EQ(model.text(e.caseIndex, 4), e.b);
        EXPECT_EQ(model.statusVisible(), !e.status.empty());
        EXPECT_EQ(model.statusText(), e.status.empty() ? model.statusText() : e.status);
        EXPECT_EQ(model.lastRejected(), e.marked >= 0);
        EXPECT_EQ(model.markedField(), e.marked);
    }
}

// The scroll bar edits as typing does; fields given together (the command line) keep their
// numbers, and a sum they break is refused on the last of them; a saved calculation gives every
// field and so moves none.
TEST_F(RahmenWindow, PartnersFollowScrollingButNotFieldsGivenWithThem)
{
    model.selectCase(2);
    model.setScrollFocus(3, true);
    model.setScroll(3, 5);  // a = 30 + 5 × 1
    EXPECT_EQ(model.text(2, 4), "65");
    EXPECT_EQ(model.statusText(), "b changed to 65 (b = l − a)");

    model.reset();
    model.setTexts({{2, "200"}, {3, "50"}});
    EXPECT_EQ(model.text(2, 4), "150");
    EXPECT_FALSE(model.lastRejected());
    model.setTexts({{3, "40"}, {4, "50"}});
    EXPECT_EQ(model.text(2, 3), "40");
    EXPECT_EQ(model.text(2, 4), "50");
    EXPECT_EQ(model.rejectionReason(), "a + b must equal l");
    EXPECT_EQ(model.markedField(), 4);
    EXPECT_EQ(model.followNote(), "");

    shell::SavedCalculation saved = model.save();
    saved.inputs[4].text = "160";  // l = 200
    EXPECT_EQ(model.open(saved), "");
    EXPECT_FALSE(model.lastRejected());
    saved.inputs[4].text = "60";
    EXPECT_EQ(model.open(saved), "");
    EXPECT_EQ(model.text(2, 3), "40");
    EXPECT_EQ(model.rejectionReason(), "a + b must equal l");
}

}  // namespace
}  // namespace rahmen::testing
