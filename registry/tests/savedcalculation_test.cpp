// Saved calculations over the whole family: every case of every program, in every unit system
// the program offers, saved to a file and opened in a fresh window, shows the same window (texts,
// units, results, ticks, chart, colours, names); a file names its program, and one of a program
// the family does not have is refused.

#include "registry/registry.h"
#include "registry/tests/familycases.h"
#include "shell/core/numbertext.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/acceptedinputs.h"
#include "shell/core/testing/recordingplatform.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using shell::Units;

using familycases::CaseRef;

// The unit systems a program offers.
std::vector<Units> systemsOf(const shell::Program &program)
{
    std::vector<Units> systems;
    for (const shell::LengthUnit length : shell::LengthUnits)
        for (std::size_t force = 0; force < (program.forceUnits ? 2 : 1); ++force)
            systems.push_back({length, shell::ForceUnits[force]});
    return systems;
}

class SavedAndOpened : public ::testing::TestWithParam<CaseRef>
{
};

// What the user sees of the calculation on display.
struct Seen {
    shell::SavedCalculation saved;
    std::vector<std::string> texts;
    std::string results;
    std::string table;
    std::vector<shell::ChartPoint> chart;
    bool rejected = false;
    shell::CaseDiagrams::Kind diagrams = shell::CaseDiagrams::Kind::None;
};

Seen seen(const shell::ShellModel &model)
{
    Seen s;
    s.saved = model.save();
    const int n = model.currentCaseDef().inputCount();
    for (int k = 0; k < 2 * n; ++k)
        s.texts.push_back(model.text(model.currentCase(), k));
    s.results = model.resultsText();
    s.table = model.calculationText();
    s.chart = model.chartPoints();
    s.rejected = model.lastRejected();
    s.diagrams = model.diagrams().kind;
    return s;
}

// One case in one unit system, saved in one window and opened in a fresh one.
void saveAndOpen(const CaseRef &param, Units units)
{
    const shell::CaseDef &c = param.program->cases[static_cast<std::size_t>(param.index)];
    shell::testing::RecordingPlatform platform;
    shell::ShellModel model(*param.program, platform);
    model.start();
    model.selectCase(param.index);
    model.chooseUnit(units.length);
    model.chooseForceUnit(units.force);
    // Inputs of its own, typed in these units, and every other part of the window moved.
    const auto accepted = shell::testing::acceptedInputs(c, 1, static_cast<std::uint64_t>(param.index) + 3);
    ASSERT_FALSE(accepted.empty());
    for (int k = 0; k < c.inputCount(); ++k) {
        const shell::InputDef &input = c.inputs[static_cast<std::size_t>(k)];
        const Units in = param.program->unitChange == shell::UnitChange::Convert ? units : shell::CatalogueUnits;
        model.setText(k, shell::generalText(shell::convert(accepted[0][static_cast<std::size_t>(k)], input.dimension,
                                                           shell::CatalogueUnits, in)));
    }
    ASSERT_FALSE(model.lastRejected()) << model.statusText();
    model.tickRow(0, false);
    model.chooseChartType(shell::ChartType::Line3D);
    model.toggleLogScale();
    model.chooseView(shell::ChartArea::Diagrams);
    model.setNames({"Hall 3", "Member " + c.caption, "佐藤"});
    const Seen before = seen(model);

    const std::string file = shell::writeSavedCalculation(model.save());
    const registry::OpenedCalculation opened = registry::readCalculation(file);
    ASSERT_EQ(opened.error, "") << file;
    ASSERT_EQ(opened.program, param.program);

    shell::testing::RecordingPlatform otherPlatform;
    shell::ShellModel other(*opened.program, otherPlatform);
    other.start();
    const int computes = other.computeCount();
    ASSERT_EQ(other.open(opened.calculation), "");
    EXPECT_EQ(other.computeCount(), computes + 1);
    const Seen after = seen(other);
    EXPECT_EQ(after.saved, before.saved);
    EXPECT_EQ(after.texts, before.texts);
    EXPECT_EQ(after.results, before.results);
    EXPECT_EQ(after.table, before.table);
    ASSERT_EQ(after.chart.size(), before.chart.size());
    for (std::size_t k = 0; k < after.chart.size(); ++k) {
        EXPECT_EQ(after.chart[k].label, before.chart[k].label);
        EXPECT_EQ(shell::generalText(after.chart[k].value), shell::generalText(before.chart[k].value));
    }
    EXPECT_EQ(after.rejected, before.rejected);
    EXPECT_EQ(after.diagrams, before.diagrams);
    EXPECT_EQ(other.units(), model.units());
    EXPECT_EQ(other.chartArea(), shell::ChartArea::Diagrams);
}

TEST_P(SavedAndOpened, ShowsTheSameWindowInEveryUnitSystem)
{
    for (const Units units : systemsOf(*GetParam().program)) {
        SCOPED_TRACE(shell::lengthUnitName(units.length) + "," + shell::forceUnitName(units.force));
        saveAndOpen(GetParam(), units);
    }
}

INSTANTIATE_TEST_SUITE_P(family, SavedAndOpened, ::testing::ValuesIn(familycases::familyCases()),
                         familycases::caseName);

std::string fileOf(const std::string &program)
{
    const shell::Program &beams = *registry::find("Beams");
    shell::testing::RecordingPlatform platform;
    shell::ShellModel model(beams, platform);
    model.start();
    shell::SavedCalculation saved = model.save();
    saved.program = program;
    return shell::writeSavedCalculation(saved);
}

TEST(savedcalculation, AFileNamesItsProgramExactly)
{
    EXPECT_EQ(registry::readCalculation(fileOf("Beams")).error, "");
    EXPECT_EQ(registry::readCalculation(fileOf("Frames")).error,
              "it is a calculation of \"Frames\", a program structcalc does not know (" + registry::namesInWords() +
                  ")");
    EXPECT_EQ(registry::readCalculation(fileOf("beams")).program, nullptr) << "the program's name as it is written";
    // Of another program of the family: that program's catalogue judges it.
    EXPECT_EQ(registry::readCalculation(fileOf("Rahmen")).error,
              "case 1 of Rahmen is \"" + registry::find("Rahmen")->cases[0].caption + "\", not \"Beam (1)\"");
}

TEST(savedcalculation, AFileOfAnotherProgramIsNotOpenedInThisOne)
{
    shell::testing::RecordingPlatform platform;
    shell::ShellModel model(*registry::find("cantilever"), platform);
    model.start();
    const registry::OpenedCalculation opened = registry::readCalculation(fileOf("Beams"));
    ASSERT_EQ(opened.error, "");
    EXPECT_EQ(model.open(opened.calculation), "it is a calculation of Beams, not of cantilever");
    EXPECT_EQ(model.computeCount(), 1);
}

}  // namespace
