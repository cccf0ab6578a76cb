// The window's calculation leaving it and coming back: a file opened shows its case with one
// computation and the numbers a hand calculation gives, a file refused changes nothing, and the
// copied table holds every input and result in full precision.

#include "beams/beams.h"
#include "shell/core/numbertext.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace shell;
using shell::testing::RecordingPlatform;

std::vector<std::string> split(const std::string &text, const std::string &separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    parts.push_back(text.substr(start));
    return parts;
}

// Beam (1) in cm and kN: P = 0.1 kN at a = 3 cm on l = 10 cm; RA = P (l − a) / l = 0.07 kN.
SavedCalculation beamInCentimetres()
{
    SavedCalculation c;
    c.program = "Beams";
    c.caseNumber = 1;
    c.caseCaption = "Beam (1)";
    c.units = {LengthUnit::Centimetre, ForceUnit::Kilonewton};
    c.inputs = {{"P", "0.1", "0.001"}, {"a", "3", "0.1"},     {"l", "10", "0.1"},       {"x1", "2", "0.1"},
                {"x2", "5", "0.1"},    {"E", "1000", "0.01"}, {"I", "0.0833", "0.0001"}};
    c.ticked = {true, false, true, true, false, true};
    c.chartType = ChartType::Step3D;
    c.logScale = true;
    c.view = ChartArea::Diagrams;
    c.showSlope = true;
    c.plotColor = 0x00336699;
    c.programColor = 0x00102030;
    c.names = {"Hall 3", "Beam B12", "A. Sato"};
    return c;
}

class Calculation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        model.start();
        model.selectCase(2);  // a case of its own on display before
    }
    RecordingPlatform platform;
    ShellModel model{beams::program(), platform};
};

TEST_F(Calculation, AnOpenedFileShowsItsCaseComputedOnce)
{
    const int computes = model.computeCount();
    ASSERT_EQ(model.open(beamInCentimetres()), "");
    EXPECT_EQ(model.computeCount(), computes + 1);
    EXPECT_EQ(model.currentCase(), 0);
    EXPECT_EQ(model.units(), (Units{LengthUnit::Centimetre, ForceUnit::Kilonewton}));
    EXPECT_EQ(model.text(0, 0), "0.1");
    EXPECT_EQ(model.text(0, 7 + 6), "0.0001");
    EXPECT_FALSE(model.lastRejected()) << model.statusText();
    EXPECT_NEAR(model.rows()[0].value, 0.07, 1e-15);  // RA
    EXPECT_NEAR(model.rows()[1].value, 0.03, 1e-15);  // RB: the reactions carry the load
    EXPECT_EQ(model.rows()[0].unit, "kN");
    EXPECT_FALSE(model.rows()[1].ticked);
    // The chart holds the ticked rows only, in row order.
    EXPECT_EQ(model.pointRows(), (std::vector<int>{0, 2, 3, 5}));
    EXPECT_EQ(model.chartType(), ChartType::Step3D);
    EXPECT_TRUE(model.logScale());
    EXPECT_EQ(model.chartArea(), ChartArea::Diagrams);
    EXPECT_TRUE(model.showSlope());
    EXPECT_EQ(model.plotColor(), 0x00336699u);
    EXPECT_EQ(model.programColor(), 0x00102030u);
    EXPECT_EQ(model.names(), (CalculationNames{"Hall 3", "Beam B12", "A. Sato"}));
    EXPECT_EQ(model.diagrams().kind, CaseDiagrams::Kind::Members);
    EXPECT_EQ(model.diagrams().units, (Units{LengthUnit::Centimetre, ForceUnit::Kilonewton}));
}

TEST_F(Calculation, TheOtherCasesFollowIntoTheFilesUnits)
{
    const std::string span = model.text(2, 2);  // case 3's l, in mm
    ASSERT_EQ(model.open(beamInCentimetres()), "");
    model.selectCase(2);
    EXPECT_EQ(readNumber(model.text(2, 2)), readNumber(span) / 10) << "mm to cm";
    EXPECT_FALSE(model.lastRejected());
}

TEST_F(Calculation, ACaseOnTheSecondPageOpensThatPage)
{
    SavedCalculation c = beamInCentimetres();
    const int last = model.program().caseCount();
    ASSERT_TRUE(model.program().hasPages());
    ShellModel other(model.program(), platform);
    other.start();
    other.selectCase(last - 1);
    c = other.save();
    ASSERT_EQ(model.open(c), "");
    EXPECT_EQ(model.currentCase(), last - 1);
    EXPECT_EQ(model.page(), 1);
}

// A file the catalogue refuses leaves every part of the window as it was.
TEST_F(Calculation, ARefusedFileChangesNothing)
{
    model.setText(0, "250");
    model.tickRow(1, false);
    model.chooseChartType(ChartType::Line2D);
    model.setNames({"Old", "", ""});
    const SavedCalculation before = model.save();
    const int computes = model.computeCount();
    const std::string results = model.resultsText();

    std::vector<SavedCalculation> refused(6, beamInCentimetres());
    refused[0].program = "Rahmen";
    refused[1].caseNumber = 20;
    refused[2].inputs.pop_back();
    refused[3].inputs[1].text = "1e999";
    refused[4].ticked.push_back(true);
    refused[5].caseCaption = "Beam (2)";
    for (const SavedCalculation &c : refused) {
        EXPECT_NE(model.open(c), "");
        EXPECT_EQ(model.save(), before);
        EXPECT_EQ(model.computeCount(), computes);
        EXPECT_EQ(model.resultsText(), results);
        EXPECT_EQ(model.currentCase(), 2);
        EXPECT_EQ(model.units(), CatalogueUnits);
    }
    EXPECT_EQ(model.open(refused[0]), "it is a calculation of Rahmen, not of Beams");
}

// Inputs outside the domain open as they were saved: refused by the window, with its reason.
TEST_F(Calculation, InputsOutsideTheDomainOpenRefused)
{
    SavedCalculation c = beamInCentimetres();
    c.inputs[1].text = "12";  // a beyond l
    ASSERT_EQ(model.open(c), "");
    EXPECT_TRUE(model.lastRejected());
    EXPECT_EQ(model.rejectionReason(), "a must lie between 0 and l");
    EXPECT_EQ(model.save(), c);
}

TEST_F(Calculation, TheCopiedTableHasAHeaderAndOneRowPerInputAndResult)
{
    model.selectCase(0);
    model.setText(0, "1");  // P
    model.setText(1, "1");  // a
    model.setText(3, "1");  // x1
    model.setText(4, "2");  // x2
    model.setText(2, "3");  // l: RA = 1 × 2 / 3
    const std::vector<std::string> lines = split(model.calculationText(), "\r\n");
    const CaseDef &c = model.currentCaseDef();
    ASSERT_EQ(lines.size(), 2 + c.inputs.size() + c.rows.size() + 1) << "title, header, rows, and the end";
    EXPECT_EQ(lines.front(), "Beam (1): " + c.title);
    EXPECT_EQ(lines[1], "Name\tSymbol\tValue\tUnit");
    EXPECT_EQ(lines.back(), "");
    for (std::size_t k = 2; k + 1 < lines.size(); ++k)
        EXPECT_EQ(split(lines[k], "\t").size(), 4u) << lines[k];
    EXPECT_EQ(lines[2], "荷重\tP\t1\tN");
    EXPECT_EQ(lines[3], "\ta\t1\tmm") << "the legend does not name a";
    const std::vector<std::string> ra = split(lines[2 + c.inputs.size()], "\t");
    EXPECT_EQ(ra[0], "反力");
    EXPECT_EQ(ra[1], "RA");
    EXPECT_EQ(ra[3], "N");
    // Full precision: the text reads back as the very double the window computed.
    EXPECT_EQ(ra[2], "0.6666666666666666");
    EXPECT_EQ(std::strtod(ra[2].c_str(), nullptr), model.rows()[0].value);
    EXPECT_EQ(model.rows()[0].text, "6.667e-01") << "the window's own format stays";

    model.copyCalculation();
    EXPECT_EQ(platform.clipboard, model.calculationText());
}

TEST_F(Calculation, EveryRowOfTheCopiedTableReadsBackExactly)
{
    model.selectCase(0);
    model.chooseUnit(LengthUnit::Metre);
    model.chooseForceUnit(ForceUnit::Kilonewton);
    const std::vector<std::string> lines = split(model.calculationText(), "\r\n");
    const CaseDef &c = model.currentCaseDef();
    const std::vector<double> inputs = model.inputNumbers(0);
    for (std::size_t k = 0; k < c.inputs.size(); ++k)
        EXPECT_EQ(std::strtod(split(lines[2 + k], "\t")[2].c_str(), nullptr), inputs[k]) << c.inputs[k].caption;
    for (std::size_t r = 0; r < c.rows.size(); ++r) {
        const std::vector<std::string> cells = split(lines[2 + c.inputs.size() + r], "\t");
        EXPECT_EQ(std::strtod(cells[2].c_str(), nullptr), model.rows()[r].value) << c.rows[r].caption;
        EXPECT_EQ(cells[3], model.rows()[r].unit);
    }
}

// Results of refused inputs are not those of the inputs listed: their cells stay empty.
TEST_F(Calculation, ACopiedTableOfRefusedInputsHasNoResults)
{
    model.selectCase(0);
    model.setText(1, "500");  // a beyond l = 100
    ASSERT_TRUE(model.lastRejected());
    const std::vector<std::string> lines = split(model.calculationText(), "\r\n");
    EXPECT_NE(lines[0].find("\trefused: a must lie between 0 and l"), std::string::npos) << lines[0];
    EXPECT_EQ(lines[3], "\ta\t500\tmm");
    const std::size_t first = 2 + model.currentCaseDef().inputs.size();
    for (std::size_t k = first; k + 1 < lines.size(); ++k)
        EXPECT_EQ(split(lines[k], "\t")[2], "") << lines[k];
}

}  // namespace
