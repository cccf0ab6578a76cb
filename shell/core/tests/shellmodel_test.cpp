// The calculator window without a toolkit, driven by a small catalogue of its own:
// a beam-like case with a modulus, a load and two lengths, a case for the scroll coupling,
// and ten one-input cases so that the buttons take two pages.

#include "recordingplatform.h"
#include "shellmodel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace shell;
using shell::testing::RecordingPlatform;

const char *const UnitNames[] = {"mm", "cm", "m"};

// Inputs E, P, l, a; rejected where the span l is not positive; the ratio l / a divides by the
// input a, which the check allows to be 0.
CaseDef loadCase()
{
    CaseBuilder c("Test (1)");
    const Expr E = c.input("E", 100000, 1000);
    const Expr P = c.input("P", 2500, 10);
    const Expr l = c.input("l", 100, 1);
    const Expr a = c.input("a", 4, 2);
    c.rejectWhen(l <= 0);
    c.row("荷重 (P3)", P / 3);
    c.row("比 (Ra)", l / a);
    c.row("剛性 (Ke)", E * l);
    c.row("差 (Sd)", a - P);
    c.row("零 (Z)", 0);
    c.advise(a > l, "a > l");
    return c.build();
}

// Two inputs: x = 10 with step 2 (the scroll coupling), w with step 0.5; two rows.
CaseDef scrollCase()
{
    CaseBuilder c("Test (2)");
    const Expr x = c.input("x", 10, 2);
    const Expr w = c.input("w", 5, 0.5);
    c.row("位置 (X)", x);
    c.row("荷重 (W)", w * 2);
    return c.build();
}

// Case i (2..11): one input, i - 1 rows.
CaseDef fillerCase(int i)
{
    CaseBuilder c("Test (" + std::to_string(i + 1) + ")");
    const Expr v = c.input("v", i);
    for (int r = 0; r < i - 1; ++r)
        c.row("値 (V" + std::to_string(r) + ")", v * (r + 1));
    return c.build();
}

Program baseProgram(int caseCount)
{
    Program p;
    p.name = "Test";
    p.windowTitle = "Test";
    p.windowWidth = 14500;
    p.windowHeight = 11000;
    p.chartLeft = 2200;
    p.chartWidth = 9200;
    p.frame2Height = [](int rows) {
        if (rows >= 9)
            return 2550;
        if (rows >= 7)
            return 2160;
        if (rows >= 5)
            return 1710;
        if (rows >= 3)
            return 1260;
        return 700;
    };
    p.cases.push_back(loadCase());
    p.cases.push_back(scrollCase());
    for (int i = 2; i < caseCount; ++i)
        p.cases.push_back(fillerCase(i));
    p.unitLabel = [](const std::string &caption, int, int unitSystem) {
        return caption.find("(Z)") != std::string::npos ? std::string() : std::string(UnitNames[unitSystem]);
    };
    p.notes = [](int caseIndex, int unitSystem) {
        return std::vector<std::string>{"case " + std::to_string(caseIndex + 1), UnitNames[unitSystem]};
    };
    p.unitChange = UnitChange::Convert;
    p.unitBearingCaptions = {"E", "P", "w", "M"};
    p.resetWrite = ResetWrite::ScaledFormatted;
    p.helpFile = "Test.pdf";
    p.helpMessageTitle = "Test Message";
    p.errorPrefix = "Error : ";
    p.programColor = 0x00C08040;
    return p;
}

const Program &twelveCases()
{
    static const Program p = baseProgram(12);
    return p;
}

const Program &relabelOnly()
{
    static const Program p = [] {
        Program q = baseProgram(2);
        q.unitChange = UnitChange::RelabelOnly;
        q.resetWrite = ResetWrite::General;
        return q;
    }();
    return p;
}

const Program &stepBySquareRoot()
{
    static const Program p = [] {
        Program q = baseProgram(2);
        q.stepScaledBySquareRoot = true;
        return q;
    }();
    return p;
}

// Results frame pushed far down, so that a resize can ask for a negative chart height.
const Program &tallLayout()
{
    static const Program p = [] {
        Program q = baseProgram(2);
        q.groups[0].frame2Gap = 3000;
        return q;
    }();
    return p;
}

struct Window {
    explicit Window(const Program &program = twelveCases()) : model(program, platform) { model.start(); }
    RecordingPlatform platform;
    ShellModel model;

    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (const ResultRow &row : model.rows())
            if (row.visible)
                out.push_back(row.text);
        return out;
    }
    std::vector<std::string> inputs() const
    {
        std::vector<std::string> out;
        const int n = 2 * model.currentCaseDef().inputCount();
        for (int k = 0; k < n; ++k)
            out.push_back(model.text(model.CurrentCase, k));
        return out;
    }
};

const std::vector<std::string> StartResults{"8.333e+02", "2.500e+01", "1.000e+07", "-2.496e+03", "0.000e+00"};
const std::vector<std::string> StartInputs{"100000", "2500", "100", "4", "1000", "10", "1", "2"};

// --- start-up and case selection ---

TEST(shellmodel, startSelectsAndComputesTheFirstCase)
{
    Window w;
    const ShellModel &m = w.model;
    EXPECT_EQ(m.CurrentCase, 0);
    EXPECT_EQ(m.computeCount(), 1);
    EXPECT_EQ(m.ResultCount, 5);
    EXPECT_EQ(m.UnitSystem, 0);
    EXPECT_EQ(m.PlotColor, 255u);
    EXPECT_TRUE(m.formatResults());
    EXPECT_FALSE(m.logScale());
    EXPECT_EQ(m.chartType(), ChartType::Bar2D);
    EXPECT_FALSE(m.statusVisible());
    EXPECT_EQ(w.inputs(), StartInputs);
    EXPECT_EQ(w.texts(), StartResults);
    EXPECT_EQ(m.rows()[0].caption, "荷重 (P3)");
    EXPECT_EQ(m.rows()[0].unit, "mm");
    EXPECT_EQ(m.rows()[4].unit, "");
    EXPECT_FALSE(m.rows()[5].visible);
    EXPECT_EQ(m.notes(), (std::vector<std::string>{"case 1", "mm"}));
    EXPECT_TRUE(m.advisories().empty());
    ASSERT_EQ(m.DefaultStore.size(), 12u);
    EXPECT_EQ(m.DefaultStore[0], (std::vector<double>{100000, 2500, 100, 4, 1000, 10, 1, 2}));
    EXPECT_EQ(m.DefaultStore[1], (std::vector<double>{10, 5, 2, 0.5}));

    // The chart gets the full fifteen-digit values and the symbols as labels.
    ASSERT_EQ(m.chartPoints().size(), 5u);
    EXPECT_EQ(m.chartPoints()[0].label, "(P3)");
    EXPECT_EQ(m.chartPoints()[3].label, "(Sd)");
    EXPECT_NEAR(m.chartPoints()[0].value, 833.333333333333, 1e-9);
    EXPECT_EQ(m.chartPoints()[2].value, 10000000);
    EXPECT_EQ(m.PointRow, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(shellmodel, selectingTheSelectedCaseDoesNothing)
{
    Window w;
    w.model.tickRow(1, false);
    w.model.selectCase(0);
    EXPECT_EQ(w.model.computeCount(), 1);
    EXPECT_FALSE(w.model.rows()[1].ticked);

    // A forced re-selection lays out, ticks and computes although the index did not change.
    w.model.reselect();
    EXPECT_EQ(w.model.CurrentCase, 0);
    EXPECT_EQ(w.model.computeCount(), 2);
    EXPECT_TRUE(w.model.rows()[1].ticked);
}

TEST(shellmodel, selectionTicksEveryRowAndKeepsEachCasesInputs)
{
    Window w;
    ShellModel &m = w.model;
    m.setText(2, "50");
    m.tickRow(0, false);
    m.tickRow(3, false);

    m.selectCase(1);
    EXPECT_EQ(m.ResultCount, 2);
    EXPECT_EQ(w.texts(), (std::vector<std::string>{"1.000e+01", "1.000e+01"}));
    EXPECT_EQ(m.rows()[0].caption, "位置 (X)");
    EXPECT_FALSE(m.rows()[2].visible);
    EXPECT_EQ(m.notes(), (std::vector<std::string>{"case 2", "mm"}));
    for (const ResultRow &row : m.rows())
        EXPECT_TRUE(row.ticked);

    const int before = m.computeCount();
    m.selectCase(0);
    EXPECT_EQ(m.computeCount(), before + 1);
    EXPECT_EQ(m.text(0, 2), "50");
    EXPECT_EQ(m.rows()[1].text, "1.250e+01");  // 50 / 4
    EXPECT_EQ(m.chartPoints().size(), 5u);
}

TEST(shellmodel, resultsFrameAndChartFollowTheRowCount)
{
    Window w;
    ShellModel &m = w.model;
    const struct {
        int caseIndex;
        int rows;
        int frame2Height;
    } table[] = {{0, 5, 1710}, {1, 2, 700}, {4, 3, 1260}, {8, 7, 2160}, {10, 9, 2550}, {11, 10, 2550}};
    for (const auto &c : table) {
        SCOPED_TRACE(c.caseIndex);
        m.selectCase(c.caseIndex);
        EXPECT_EQ(m.ResultCount, c.rows);
        const Rect frame2 = m.frame2Rect();
        const Rect chart = m.chartRect();
        EXPECT_EQ(frame2.height, c.frame2Height);
        EXPECT_EQ(frame2.top, std::max(m.inputFrameRect(c.caseIndex).bottom(), m.pictureRect(c.caseIndex).bottom()));
        EXPECT_GE(frame2.top, m.inputFrameRect(c.caseIndex).bottom());
        EXPECT_EQ(frame2.left, 2400);
        EXPECT_EQ(chart.top, frame2.bottom());
        EXPECT_EQ(chart.height, 11000 - chart.top - 700);
        EXPECT_EQ(chart.left, 2200);
        EXPECT_EQ(chart.width, 9200);
    }
}

TEST(shellmodel, resizeSetsTheChartHeightOnlyAboveTenThousandTwips)
{
    Window w;
    ShellModel &m = w.model;
    const int selectedHeight = m.chartRect().height;
    const int below = m.frame2Rect().bottom() + 700;

    m.resize(16000, 9000);
    EXPECT_EQ(m.chartRect().height, selectedHeight);
    EXPECT_EQ(m.chartRect().width, 16000 - 2200 - 400);

    m.resize(15000, 10000);
    EXPECT_EQ(m.chartRect().height, selectedHeight);
    EXPECT_EQ(m.chartRect().width, 15000 - 2200 - 400);

    m.resize(15000, 10001);
    EXPECT_EQ(m.chartRect().height, 10001 - below);

    m.resize(14000, 13000);
    EXPECT_EQ(m.chartRect().height, 13000 - below);
    EXPECT_EQ(m.chartRect().width, 14000 - 2200 - 400);

    // too narrow: the width would be negative and is not applied; the height still follows
    m.resize(2000, 12000);
    EXPECT_EQ(m.chartRect().width, 14000 - 2200 - 400);
    EXPECT_EQ(m.chartRect().height, 12000 - below);

    // the next selection places the chart by the window's current height
    m.selectCase(1);
    EXPECT_EQ(m.chartRect().height, 12000 - m.chartRect().top - 700);
}

TEST(shellmodel, aNegativeChartHeightIsNotApplied)
{
    Window w(tallLayout());
    ShellModel &m = w.model;
    const int below = m.frame2Rect().bottom() + 700;
    ASSERT_GT(below, 10050);
    const int selected = m.chartRect().height;

    m.resize(14500, 10050);
    EXPECT_EQ(m.chartRect().height, selected);
    EXPECT_EQ(m.chartRect().width, 14500 - 2200 - 400);

    m.resize(14500, below + 1000);
    EXPECT_EQ(m.chartRect().height, 1000);
}

TEST(shellmodel, pagesSwitchToTheFirstCaseOfEachPage)
{
    Window w;
    ShellModel &m = w.model;
    EXPECT_EQ(m.page(), 0);
    m.nextPage();
    EXPECT_EQ(m.page(), 1);
    EXPECT_EQ(m.CurrentCase, 10);
    EXPECT_EQ(m.ResultCount, 9);

    m.selectCase(11);
    const int count = m.computeCount();
    m.nextPage();
    EXPECT_EQ(m.CurrentCase, 10);  // even from another case of the second page
    EXPECT_EQ(m.computeCount(), count + 1);

    m.nextPage();  // already on case 10: nothing to recompute
    EXPECT_EQ(m.computeCount(), count + 1);

    m.previousPage();
    EXPECT_EQ(m.page(), 0);
    EXPECT_EQ(m.CurrentCase, 0);

    Window small(relabelOnly());
    small.model.nextPage();
    EXPECT_EQ(small.model.page(), 0);
    EXPECT_EQ(small.model.CurrentCase, 0);
}

// --- inputs and the entry error ---

TEST(shellmodel, everyKeystrokeRecomputesOnce)
{
    Window w;
    ShellModel &m = w.model;
    const char *keystrokes[] = {"3", "30", "300", "3000"};
    int count = m.computeCount();
    for (const char *text : keystrokes) {
        m.setText(1, text);
        EXPECT_EQ(m.computeCount(), ++count);
    }
    EXPECT_EQ(m.rows()[0].text, "1.000e+03");

    // the text stays as typed; the case reads it by the leading-number rule
    m.setText(1, "1 2 0 0 N");
    EXPECT_EQ(m.text(0, 1), "1 2 0 0 N");
    EXPECT_EQ(m.rows()[0].text, "4.000e+02");
    m.setText(1, "&H12C");
    EXPECT_EQ(m.rows()[0].text, "1.000e+02");
    // a step field change recomputes too, with the same results
    m.setText(5, "20");
    EXPECT_EQ(m.computeCount(), count + 3);
    EXPECT_EQ(m.rows()[0].text, "1.000e+02");
}

TEST(shellmodel, aRejectedInputBeepsAndKeepsTheResults)
{
    Window w;
    ShellModel &m = w.model;
    const struct {
        int field;
        const char *text;
        const char *message;
    } table[] = {
        {2, "", "Please check command entry  #3"},
        {2, "-5", "Please check command entry  #3"},
        {2, "0", "Please check command entry  #3"},
        {2, "abc", "Please check command entry  #3"},
        // an input too large for a double cannot be computed with
        {0, "1e999", "Please check command entry  #1"},
        {1, "-1D999", "Please check command entry  #2"},
    };
    int beeps = 0;
    for (const auto &c : table) {
        SCOPED_TRACE(c.text);
        m.setText(c.field, c.text);
        EXPECT_EQ(w.platform.beeps, ++beeps);
        EXPECT_TRUE(m.statusVisible());
        EXPECT_TRUE(m.lastRejected());
        EXPECT_EQ(m.statusText(), c.message);
        EXPECT_EQ(w.texts(), StartResults);
        EXPECT_EQ(m.chartPoints().size(), 5u);
        m.setText(c.field, StartInputs[static_cast<std::size_t>(c.field)]);
        EXPECT_FALSE(m.statusVisible());
        EXPECT_FALSE(m.lastRejected());
    }
    EXPECT_EQ(w.platform.beeps, beeps);
}

TEST(shellmodel, theMessageNamesTheFieldChangedLast)
{
    Window w;
    ShellModel &m = w.model;
    m.setText(2, "0");
    EXPECT_EQ(m.statusText(), "Please check command entry  #3");
    m.setText(4, "500");  // the step of E: index 4 of the case's text boxes
    EXPECT_EQ(m.statusText(), "Please check command entry  #5");
    m.setText(0, "7");
    EXPECT_EQ(m.statusText(), "Please check command entry  #1");
    EXPECT_EQ(w.platform.beeps, 3);

    // selecting a case computes it from its first field
    m.selectCase(1);
    EXPECT_FALSE(m.statusVisible());
    m.selectCase(0);
    EXPECT_EQ(m.statusText(), "Please check command entry  #1");
    EXPECT_TRUE(m.statusVisible());
}

TEST(shellmodel, aRowThatCannotBeComputedShowsEmptyWhileTheOthersShow)
{
    Window w;
    ShellModel &m = w.model;
    m.setText(3, "0");  // l / a divides by zero
    EXPECT_FALSE(m.statusVisible());
    EXPECT_EQ(m.rows()[1].text, "");
    EXPECT_TRUE(std::isnan(m.rows()[1].value));
    EXPECT_EQ(m.rows()[0].text, "8.333e+02");
    EXPECT_EQ(m.rows()[3].text, "-2.500e+03");
    ASSERT_EQ(m.chartPoints().size(), 5u);
    EXPECT_EQ(m.chartPoints()[1].value, 0);

    m.toggleFormat();
    EXPECT_EQ(m.rows()[1].text, "");
    EXPECT_EQ(m.rows()[3].text, "-2500");

    m.setText(3, "4");
    m.setText(0, "1e307");  // E × l overflows
    EXPECT_EQ(m.rows()[2].text, "");
    EXPECT_EQ(m.rows()[1].text, "25");
    EXPECT_EQ(m.chartPoints()[2].value, 0);

    m.toggleLogScale();
    EXPECT_EQ(m.chartPoints()[2].value, 0);
}

TEST(shellmodel, advisoriesFollowTheLastComputation)
{
    Window w;
    ShellModel &m = w.model;
    m.setText(3, "150");
    EXPECT_EQ(m.advisories(), (std::vector<std::string>{"a > l"}));
    m.setText(3, "100");
    EXPECT_TRUE(m.advisories().empty());
}

TEST(shellmodel, resultFormatSwitchRecomputesInTheOtherFormat)
{
    Window w;
    ShellModel &m = w.model;
    m.toggleFormat();
    EXPECT_FALSE(m.formatResults());
    EXPECT_EQ(m.computeCount(), 2);
    EXPECT_EQ(w.texts(), (std::vector<std::string>{"833.333333333333", "25", "10000000", "-2496", "0"}));
    m.toggleFormat();
    EXPECT_EQ(m.computeCount(), 3);
    EXPECT_EQ(w.texts(), StartResults);
}

// --- the scroll coupling ---

TEST(shellmodel, aFocusedScrollBarAddsPositionTimesStepToItsBase)
{
    Window w;
    ShellModel &m = w.model;
    m.selectCase(1);
    m.setScrollFocus(0, true);
    const struct {
        int position;
        const char *text;
    } table[] = {{3, "16"}, {-2, "6"}, {0, "10"}, {1000, "2010"}, {1500, "2010"}, {-1000, "-1990"}};
    for (const auto &c : table) {
        SCOPED_TRACE(c.position);
        const int count = m.computeCount();
        m.setScroll(0, c.position);
        EXPECT_EQ(m.text(1, 0), c.text);
        EXPECT_EQ(m.computeCount(), count + 1);
        EXPECT_EQ(m.scrollValue(1, 0), std::clamp(c.position, -1000, 1000));
    }
    EXPECT_EQ(m.rows()[0].text, "-1.990e+03");

    // a step of 0 leaves the input at the base
    m.setText(2, "0");
    m.setScroll(0, 7);
    EXPECT_EQ(m.text(1, 0), "10");

    // a huge step is written as it comes, in scientific form
    m.setText(2, "1e20");
    m.setScroll(0, 1000);
    EXPECT_EQ(m.text(1, 0), "1E+23");
}

TEST(shellmodel, aChangeWithoutFocusTakesTheInputAsBaseAndReturnsToZero)
{
    Window w;
    ShellModel &m = w.model;
    m.selectCase(1);
    m.setText(0, "20");
    m.setScroll(0, 4);
    EXPECT_EQ(m.text(1, 0), "20");
    EXPECT_EQ(m.scrollValue(1, 0), 0);
    EXPECT_EQ(m.ScrollBase, 20);

    m.setScrollFocus(0, true);
    m.setScroll(0, 1);
    EXPECT_EQ(m.text(1, 0), "22");
}

TEST(shellmodel, focusingAScrollBarStartsFromItsOwnInput)
{
    Window w;
    ShellModel &m = w.model;
    m.selectCase(1);
    m.setScrollFocus(0, true);
    m.setScroll(0, 3);
    ASSERT_EQ(m.text(1, 0), "16");
    m.setScrollFocus(0, false);

    // scrolling another input starts from that input, not from the base of the first
    m.setScrollFocus(1, true);
    EXPECT_EQ(m.scrollValue(1, 1), 0);
    m.setScroll(1, 1);
    EXPECT_EQ(m.text(1, 1), "5.5");
    m.setScroll(1, -4);
    EXPECT_EQ(m.text(1, 1), "3");
    m.setScrollFocus(1, false);

    // after typing into the input, its scroll bar starts from the typed value
    m.setText(0, "50");
    m.setScrollFocus(0, true);
    EXPECT_EQ(m.scrollValue(1, 0), 0);
    m.setScroll(0, 1);
    EXPECT_EQ(m.text(1, 0), "52");
    EXPECT_EQ(m.rows()[0].text, "5.200e+01");
}

TEST(shellmodel, scrollBarsKeepTheirPositionsWhileOtherCasesShow)
{
    Window w;
    ShellModel &m = w.model;
    m.selectCase(1);
    m.setScrollFocus(0, true);
    m.setScroll(0, 3);
    m.setScrollFocus(0, false);
    m.selectCase(0);
    EXPECT_EQ(m.scrollValue(1, 0), 3);
    EXPECT_EQ(m.text(1, 0), "16");
}

// --- Reset ---

TEST(shellmodel, resetRestoresInputsStepsAndScrollBars)
{
    Window w;
    ShellModel &m = w.model;
    m.setText(0, "5");
    m.setText(5, "99");
    m.setText(2, "0");
    m.setScrollFocus(3, true);
    m.setScroll(3, 3);
    m.setScrollFocus(3, false);
    ASSERT_TRUE(m.statusVisible());

    m.reset();
    EXPECT_EQ(w.inputs(), StartInputs);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(m.scrollValue(0, k), 0);
    EXPECT_EQ(w.texts(), StartResults);
    EXPECT_FALSE(m.statusVisible());
}

TEST(shellmodel, resetTouchesTheCurrentCaseOnly)
{
    Window w;
    ShellModel &m = w.model;
    m.selectCase(1);
    m.setText(0, "33");
    m.selectCase(0);
    m.setText(1, "1000");
    m.reset();
    EXPECT_EQ(m.text(0, 1), "2500");
    EXPECT_EQ(m.text(1, 0), "33");
}

TEST(shellmodel, resetShowsTheDefaultsInTheCurrentUnit)
{
    const struct {
        int unit;
        std::vector<std::string> inputs;
    } table[] = {
        {1, {"10000000", "250000", "100", "4", "1.00e+05", "1000", "1", "2"}},
        {2, {"1.0000e+11", "2.5000e+09", "100", "4", "1.00e+09", "1.00e+07", "1", "2"}},
    };
    for (const auto &c : table) {
        SCOPED_TRACE(c.unit);
        Window w;
        ShellModel &m = w.model;
        m.chooseUnit(c.unit);
        m.setText(0, "1");
        m.setText(1, "1");
        m.setText(2, "7");
        m.reset();
        EXPECT_EQ(w.inputs(), c.inputs);
    }
}

TEST(shellmodel, generalResetWritesTheStoredNumbersAsTheyAre)
{
    Window w(relabelOnly());
    ShellModel &m = w.model;
    m.chooseUnit(2);
    m.setText(0, "1");
    m.setText(4, "7");
    m.reset();
    EXPECT_EQ(w.inputs(), StartInputs);
}

// --- units ---

TEST(shellmodel, unitChangeConvertsTheUnitBearingInputsAndBack)
{
    Window w;
    ShellModel &m = w.model;

    m.chooseUnit(1);
    EXPECT_EQ(m.UnitSystem, 1);
    EXPECT_EQ(w.inputs(), (std::vector<std::string>{"10000000", "250000", "100", "4", "1.00e+05", "1000", "1", "2"}));
    EXPECT_EQ(m.rows()[0].unit, "cm");
    EXPECT_EQ(m.notes(), (std::vector<std::string>{"case 1", "cm"}));
    EXPECT_EQ(m.rows()[0].text, "8.333e+04");
    EXPECT_FALSE(m.statusVisible());

    m.chooseUnit(0);
    EXPECT_EQ(w.inputs(), StartInputs);
    EXPECT_EQ(w.texts(), StartResults);
    EXPECT_EQ(m.rows()[0].unit, "mm");

    m.chooseUnit(2);
    EXPECT_EQ(m.text(0, 0), "1.0000e+11");
    EXPECT_EQ(m.text(0, 1), "2.5000e+09");
    EXPECT_EQ(m.rows()[0].unit, "m");
    m.chooseUnit(0);
    EXPECT_EQ(m.text(0, 0), "100000");
    EXPECT_EQ(m.text(0, 1), "2500");
    EXPECT_EQ(m.text(0, 4), "1000");

    // cm -> m goes by the ratio of the scales
    m.chooseUnit(1);
    m.chooseUnit(2);
    EXPECT_EQ(m.text(0, 0), "1.0000e+11");
    m.chooseUnit(1);
    EXPECT_EQ(m.text(0, 0), "10000000");
}

TEST(shellmodel, choosingTheTickedUnitRecomputesWithoutConverting)
{
    Window w;
    ShellModel &m = w.model;
    m.setText(0, "123.456");
    const int count = m.computeCount();
    m.chooseUnit(0);
    EXPECT_EQ(m.computeCount(), count + 1);
    EXPECT_EQ(m.text(0, 0), "123.456");
}

TEST(shellmodel, unitChangeLeavesAFieldWithoutANumberAlone)
{
    Window w;
    ShellModel &m = w.model;
    m.setText(0, "abc");
    m.setText(1, "");
    m.chooseUnit(1);
    EXPECT_EQ(m.text(0, 0), "abc");
    EXPECT_EQ(m.text(0, 1), "");
    EXPECT_EQ(m.text(0, 4), "1.00e+05");
    EXPECT_EQ(m.text(0, 5), "1000");
}

TEST(shellmodel, unitChangeConvertsOnlyTheCurrentCase)
{
    Window w;
    ShellModel &m = w.model;
    m.selectCase(1);
    m.chooseUnit(1);
    EXPECT_EQ(m.text(1, 1), "500");  // w is unit-bearing
    EXPECT_EQ(m.text(1, 0), "10");
    EXPECT_EQ(m.text(0, 0), "100000");
}

TEST(shellmodel, aStepScaledBySquareRootAndResetScalingFully)
{
    Window w(stepBySquareRoot());
    ShellModel &m = w.model;
    m.chooseUnit(1);
    EXPECT_EQ(m.text(0, 0), "10000000");
    EXPECT_EQ(m.text(0, 4), "10000");
    m.reset();
    EXPECT_EQ(m.text(0, 4), "1.00e+05");
}

TEST(shellmodel, relabelOnlyProgramsChangeCaptionsWithoutRecomputing)
{
    Window w(relabelOnly());
    ShellModel &m = w.model;
    const int count = m.computeCount();
    m.chooseUnit(2);
    EXPECT_EQ(m.UnitSystem, 2);
    EXPECT_EQ(m.computeCount(), count);
    EXPECT_EQ(w.inputs(), StartInputs);
    EXPECT_EQ(w.texts(), StartResults);
    EXPECT_EQ(m.rows()[0].unit, "m");
    m.selectCase(1);
    EXPECT_EQ(m.rows()[0].unit, "m");
}

// --- chart ---

TEST(shellmodel, untickedRowsLeaveTheChart)
{
    Window w;
    ShellModel &m = w.model;
    m.tickRow(0, false);
    m.tickRow(2, false);
    EXPECT_EQ(m.PointRow, (std::vector<int>{1, 3, 4}));
    ASSERT_EQ(m.chartPoints().size(), 3u);
    EXPECT_EQ(m.chartPoints()[0].label, "(Ra)");
    EXPECT_EQ(m.chartPoints()[1].label, "(Sd)");
    // a check box click draws from the texts as displayed
    EXPECT_EQ(m.chartPoints()[1].value, -2496);

    m.tickRow(0, true);
    EXPECT_EQ(m.chartPoints()[0].value, 833.3);
    EXPECT_EQ(w.texts(), StartResults);

    for (int r = 0; r < 5; ++r)
        m.tickRow(r, false);
    EXPECT_TRUE(m.chartPoints().empty());
    EXPECT_TRUE(m.PointRow.empty());
    EXPECT_EQ(m.selectPoint(0), "");
}

TEST(shellmodel, aSelectedPointShowsItsRowsCaptionAndValue)
{
    Window w;
    ShellModel &m = w.model;
    m.tickRow(0, false);
    EXPECT_EQ(m.selectPoint(0), "比 (Ra)  2.500e+01");
    EXPECT_EQ(m.selectPoint(2), "差 (Sd)  -2.496e+03");

    m.toggleFormat();  // re-selection ticks every row again
    EXPECT_EQ(m.selectPoint(0), "荷重 (P3)  833.333333333333");
    m.tickRow(0, false);
    EXPECT_EQ(m.selectPoint(0), "比 (Ra)  25");
}

TEST(shellmodel, logScalePlotsDecimalLogarithmsAndZeroForTheRest)
{
    Window w;
    ShellModel &m = w.model;
    m.setText(1, "3000");  // P / 3 = 1000; a - P negative; the last row 0
    m.toggleLogScale();
    EXPECT_TRUE(m.logScale());
    ASSERT_EQ(m.chartPoints().size(), 5u);
    EXPECT_DOUBLE_EQ(m.chartPoints()[0].value, 3);
    EXPECT_DOUBLE_EQ(m.chartPoints()[2].value, 7);
    EXPECT_EQ(m.chartPoints()[3].value, 0);
    EXPECT_EQ(m.chartPoints()[4].value, 0);
    EXPECT_EQ(m.selectPoint(0), "荷重 (P3)  3.000e+00");
    // the results themselves are not logarithms
    EXPECT_EQ(m.rows()[0].text, "1.000e+03");

    m.setText(1, "300");
    EXPECT_DOUBLE_EQ(m.chartPoints()[0].value, 2);

    m.toggleLogScale();
    EXPECT_EQ(m.chartPoints()[0].value, 100);
}

TEST(shellmodel, chartTypeChangesKeepTheData)
{
    Window w;
    ShellModel &m = w.model;
    const auto points = m.chartPoints().size();
    m.chooseChartType(ChartType::Line3D);
    EXPECT_EQ(m.chartType(), ChartType::Line3D);
    EXPECT_EQ(m.chartPoints().size(), points);
    EXPECT_EQ(m.computeCount(), 1);
}

// --- commands ---

TEST(shellmodel, clipboardHoldsOneLinePerVisibleRow)
{
    Window w;
    ShellModel &m = w.model;
    m.tickRow(2, false);
    m.copyResults();
    EXPECT_EQ(w.platform.clipboard, "荷重 (P3) \t8.333e+02 mm\r\n"
                                    "比 (Ra) \t2.500e+01 mm\r\n"
                                    "剛性 (Ke) \t1.000e+07 mm\r\n"
                                    "差 (Sd) \t-2.496e+03 mm\r\n"
                                    "零 (Z) \t0.000e+00 \r\n");
    EXPECT_EQ(m.resultsText(), w.platform.clipboard);

    m.selectCase(1);
    m.toggleFormat();
    m.copyResults();
    EXPECT_EQ(w.platform.clipboard, "位置 (X) \t10 mm\r\n荷重 (W) \t10 mm\r\n");

    m.selectCase(0);
    m.setText(3, "0");
    m.copyResults();
    const std::string &text = w.platform.clipboard;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\t'), 5);
    EXPECT_NE(text.find("比 (Ra) \t mm\r\n"), std::string::npos);
}

TEST(shellmodel, helpOpensTheReferenceBesideTheProgram)
{
    Window w;
    w.model.help();
    EXPECT_EQ(w.platform.openedPaths, (std::vector<std::string>{"/opt/structcalc/Test.pdf"}));
    EXPECT_TRUE(w.platform.messages.empty());
}

TEST(shellmodel, helpReportsAMissingReference)
{
    Window w;
    w.platform.openSucceeds = false;
    w.model.help();
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].text, "Test.pdf : Reference File open error ! ");
    EXPECT_EQ(w.platform.messages[0].title, "Test Message");

    w.platform.openErrorNumber = 53;
    w.platform.openErrorText = "File not found";
    w.model.help();
    ASSERT_EQ(w.platform.messages.size(), 2u);
    EXPECT_EQ(w.platform.messages[1].text, "Error : 53File not found");
    EXPECT_EQ(w.platform.messages[1].title, "Error Message");
    EXPECT_EQ(w.model.computeCount(), 1);
}

TEST(shellmodel, colourDialogsStartFromTheCurrentColourAndCancelChangesNothing)
{
    Window w;
    ShellModel &m = w.model;
    w.platform.cancelColor = true;
    m.plotColorCommand();
    EXPECT_EQ(w.platform.colorDialogInitial, 255u);
    EXPECT_EQ(m.PlotColor, 255u);
    m.programColorCommand();
    EXPECT_EQ(w.platform.colorDialogInitial, 0x00C08040u);
    EXPECT_EQ(m.programColor(), 0x00C08040u);

    w.platform.cancelColor = false;
    w.platform.colorToPick = 0x0000FF00;
    m.plotColorCommand();
    EXPECT_EQ(m.PlotColor, 0x0000FF00u);
    w.platform.cancelColor = true;
    m.plotColorCommand();
    EXPECT_EQ(w.platform.colorDialogInitial, 0x0000FF00u);
    EXPECT_EQ(m.PlotColor, 0x0000FF00u);
    w.platform.cancelColor = false;
    w.platform.colorToPick = 0x00123456;
    m.programColorCommand();
    EXPECT_EQ(m.programColor(), 0x00123456u);
    EXPECT_EQ(m.PlotColor, 0x0000FF00u);
    EXPECT_EQ(w.platform.colorDialogs, 5);
    EXPECT_EQ(m.computeCount(), 1);

    // the plot colour survives a case change
    m.selectCase(1);
    EXPECT_EQ(m.PlotColor, 0x0000FF00u);
}

TEST(shellmodel, exitClosesTheWindow)
{
    Window w;
    w.model.exit();
    EXPECT_EQ(w.platform.closes, 1);
}

} // namespace
