// The calculator window without a toolkit, driven by a small catalogue of its own:
// a beam-like case with a modulus, a load and two lengths, a case for the scroll coupling,
// and ten one-input cases so that the buttons take two pages.

#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace shell;
using shell::testing::RecordingPlatform;

// Inputs E, P, l, a; rejected where the span l is not positive; the ratio l / a divides by the
// input a, which the domain allows to be 0.
CaseDef loadCase()
{
    CaseBuilder c("Test (1)");
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000);
    const Expr P = c.input("P", Dimension::Force, 2500, 10);
    const Expr l = c.input("l", Dimension::Length, 100, 1);
    const Expr a = c.input("a", Dimension::Length, 4, 2);
    c.requirePositive(l);
    c.row("荷重 (P3)", Dimension::Force, P / 3);
    c.row("比 (Ra)", Dimension::None, l / a);
    c.row("剛性 (Ke)", Dimension::LineLoad, E * l);
    c.row("差 (Sd)", Dimension::Length, a - l);
    c.row("零 (Z)", Dimension::None, 0);
    return c.build();
}

// Two inputs: x = 10 with step 2 (the scroll coupling), w with step 0.5; two rows.
CaseDef scrollCase()
{
    CaseBuilder c("Test (2)");
    const Expr x = c.input("x", Dimension::Length, 10, 2);
    const Expr w = c.input("w", Dimension::LineLoad, 5, 0.5);
    c.row("位置 (X)", Dimension::Length, x);
    c.row("荷重 (W)", Dimension::LineLoad, w * 2);
    return c.build();
}

// Case i (2..11): one input, i - 1 rows.
CaseDef fillerCase(int i)
{
    CaseBuilder c("Test (" + std::to_string(i + 1) + ")");
    const Expr v = c.input("v", Dimension::Length, i);
    for (int r = 0; r < i - 1; ++r)
        c.row("値 (V" + std::to_string(r) + ")", Dimension::Length, v * (r + 1));
    return c.build();
}

// A pure number n beside a length l: n means the same in every unit system.
CaseDef pureNumberCase()
{
    CaseBuilder c("Test (13)");
    const Expr n = c.input("n", Dimension::None, 2);
    const Expr l = c.input("l", Dimension::Length, 100);
    c.row("積 (N)", Dimension::Length, n * l);
    return c.build();
}

Program makeProgram()
{
    Program p;
    p.name = p.windowTitle = "Test";
    p.windowWidth = 14500;
    p.windowHeight = 11000;
    p.chartLeft = 2200;
    p.chartWidth = 9200;
    p.resultsFrameHeight = [](int rows) {
        return rows >= 9 ? 2550 : rows >= 7 ? 2160 : rows >= 5 ? 1710 : rows >= 3 ? 1260 : 700;
    };
    p.cases.push_back(loadCase());
    p.cases.push_back(scrollCase());
    for (int i = 2; i < 12; ++i)
        p.cases.push_back(fillerCase(i));
    p.cases.push_back(pureNumberCase());
    p.legend = {{{"P"}, "荷重"}, {{"L"}, "スパン"}};
    p.unitChange = UnitChange::Convert;
    p.helpFile = "Test.pdf";
    p.helpMessageTitle = "Test Message";
    p.errorPrefix = "Error : ";
    return p;
}

struct Window {
    Window() : model(program(), platform) { model.start(); }
    static const Program &program()
    {
        static const Program p = makeProgram();
        return p;
    }
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
        out.reserve(2 * model.currentCaseDef().inputs.size());
        for (int k = 0; k < 2 * model.currentCaseDef().inputCount(); ++k)
            out.push_back(model.text(model.currentCase(), k));
        return out;
    }
};

const std::vector<std::string> StartResults{"8.333e+02", "2.500e+01", "1.000e+07", "-9.600e+01", "0.000e+00"};
const std::vector<std::string> StartInputs{"100000", "2500", "100", "4", "1000", "10", "1", "2"};
// The same member in cm: E 10^7 N/cm², the lengths a tenth, P and its step as they were.
const std::vector<std::string> CmInputs{"10000000", "2500", "10", "0.4", "100000", "10", "0.1", "0.2"};

// --- case selection, layout and pages ---

TEST(shellmodel, caseSelectionComputesOnceAndKeepsEachCasesInputs)
{
    Window w;
    ShellModel &m = w.model;
    EXPECT_EQ(m.computeCount(), 1);
    EXPECT_EQ(w.inputs(), StartInputs);
    EXPECT_EQ(w.texts(), StartResults);

    // selecting the selected case does nothing
    m.tickRow(1, false);
    m.selectCase(0);
    EXPECT_EQ(m.computeCount(), 1);
    EXPECT_FALSE(m.rows()[1].ticked);
    // a forced re-selection lays out, ticks and computes although the index did not change
    m.reselect();
    EXPECT_EQ(m.computeCount(), 2);
    EXPECT_TRUE(m.rows()[1].ticked);

    m.setText(2, "50");
    m.selectCase(1);
    m.selectCase(0);
    EXPECT_EQ(m.text(0, 2), "50");
    EXPECT_EQ(m.rows()[1].text, "1.250e+01");  // 50 / 4
}

TEST(shellmodel, resultsFrameAndChartFollowTheRowCountAndTheWindowSize)
{
    Window w;
    ShellModel &m = w.model;
    const struct {
        int caseIndex;
        int rows;
        int resultsFrameHeight;
    } table[] = {{1, 2, 700}, {4, 3, 1260}, {8, 7, 2160}, {10, 9, 2550}, {0, 5, 1710}};
    int firstMargin = -1;
    for (const auto &c : table) {
        SCOPED_TRACE(c.caseIndex);
        m.selectCase(c.caseIndex);
        EXPECT_EQ(m.resultCount(), c.rows);
        EXPECT_EQ(m.resultsFrameRect().height, c.resultsFrameHeight);
        EXPECT_EQ(m.resultsFrameRect().top,
                  std::max(m.inputFrameRect(c.caseIndex).bottom(), m.pictureRect(c.caseIndex).bottom()));
        EXPECT_EQ(m.chartRect().top, m.resultsFrameRect().bottom());
        // The chart reaches down to one margin above the window's bottom, whatever the case.
        const int margin = 11000 - m.chartRect().bottom();
        EXPECT_GT(margin, 0);
        if (firstMargin < 0)
            firstMargin = margin;
        EXPECT_EQ(margin, firstMargin);
    }

    // The chart follows a resize in height only above 10000 layout units, keeping its margin to
    // the window's bottom, and in width keeping its margin to the right edge; a width too small
    // to hold the chart is not applied.
    const int selectedHeight = m.chartRect().height;
    const int bottomMargin = 11000 - m.chartRect().bottom();
    m.resize(15000, 10000);
    EXPECT_EQ(m.chartRect().height, selectedHeight);
    const int rightMargin = 15000 - (m.chartRect().left + m.chartRect().width);
    EXPECT_GT(rightMargin, 0);
    m.resize(15000, 10001);
    EXPECT_EQ(10001 - m.chartRect().bottom(), bottomMargin);
    m.resize(16000, 12000);
    EXPECT_EQ(12000 - m.chartRect().bottom(), bottomMargin);
    EXPECT_EQ(16000 - (m.chartRect().left + m.chartRect().width), rightMargin);
    m.resize(2000, 12000);
    EXPECT_EQ(16000 - (m.chartRect().left + m.chartRect().width), rightMargin);
}

TEST(shellmodel, pagesSwitchToTheFirstCaseOfEachPage)
{
    Window w;
    ShellModel &m = w.model;
    m.nextPage();
    EXPECT_EQ(m.page(), 1);
    EXPECT_EQ(m.currentCase(), 10);

    m.selectCase(11);
    const int count = m.computeCount();
    m.nextPage();
    EXPECT_EQ(m.currentCase(), 10);  // even from another case of the second page
    EXPECT_EQ(m.computeCount(), count + 1);
    m.nextPage();  // already on case 10: nothing to recompute
    EXPECT_EQ(m.computeCount(), count + 1);

    m.previousPage();
    EXPECT_EQ(m.page(), 0);
    EXPECT_EQ(m.currentCase(), 0);
}

// --- inputs and the entry error ---

TEST(shellmodel, aRejectedInputBeepsNamesTheFieldAndKeepsTheResults)
{
    Window w;
    ShellModel &m = w.model;
    const struct {
        int field;
        const char *text;
        const char *message;
    } table[] = {
        {2, "0", "Please check command entry  #3 : l must be greater than 0"},
        {2, "abc", "Please check command entry  #3 : l must be greater than 0"},
        // an input too large for a double cannot be computed with
        {0, "1e999", "Please check command entry  #1 : E is too large a number"},
        {1, "-1D999", "Please check command entry  #2 : P is too large a number"},
    };
    int beeps = 0;
    for (const auto &c : table) {
        SCOPED_TRACE(c.text);
        m.setText(c.field, c.text);
        EXPECT_EQ(w.platform.beeps, ++beeps);
        EXPECT_TRUE(m.statusVisible());
        EXPECT_EQ(m.statusText(), c.message);
        EXPECT_EQ(m.markedField(), c.field);
        EXPECT_TRUE(m.lastRejected());  // the rows below are the last accepted ones, stale
        EXPECT_EQ(w.texts(), StartResults);
        EXPECT_EQ(m.chartPoints().size(), 5u);
        m.setText(c.field, StartInputs[static_cast<std::size_t>(c.field)]);
        EXPECT_FALSE(m.statusVisible());
        EXPECT_EQ(m.markedField(), -1);
    }
    EXPECT_EQ(w.platform.beeps, beeps);

    // the message names the field changed last, step fields included; the mark stays on the
    // field the reason is about
    m.setText(2, "0");
    m.setText(4, "500");  // the step of E: index 4 of the case's text boxes
    EXPECT_EQ(m.statusText(), "Please check command entry  #5 : l must be greater than 0");
    EXPECT_EQ(m.markedField(), 2);

    // a case whose inputs are refused shows no numbers of another case under its captions
    m.selectCase(1);
    m.setText(0, "1e999");
    m.selectCase(0);
    m.selectCase(1);
    EXPECT_TRUE(m.lastRejected());
    EXPECT_EQ(w.texts(), (std::vector<std::string>{"", ""}));
    // nor does its chart plot them
    EXPECT_TRUE(m.chartPoints().empty());
    EXPECT_TRUE(m.pointRows().empty());
    m.setText(0, "10");
    EXPECT_EQ(m.chartPoints().size(), 2u);
}

// An empty row says why on the status line, on its chart point and in `reason` (which the window
// shows as the row's tooltip), until it shows a value again.
TEST(shellmodel, aRowThatCannotBeComputedShowsEmptyAndSaysWhyWhileTheOthersShow)
{
    Window w;
    ShellModel &m = w.model;
    m.setText(3, "0");  // l / a divides by zero
    EXPECT_EQ(m.rows()[1].text, "");
    EXPECT_EQ(m.rows()[1].reason, "its formula divides by 0 for these inputs");
    EXPECT_EQ(m.rows()[0].text, "8.333e+02");
    EXPECT_EQ(m.rows()[0].reason, "");
    EXPECT_EQ(m.rows()[3].text, "-1.000e+02");
    EXPECT_TRUE(m.statusVisible());
    EXPECT_EQ(m.statusText(), "Ra: its formula divides by 0 for these inputs");
    EXPECT_FALSE(m.lastRejected());
    EXPECT_EQ(w.platform.beeps, 0);
    ASSERT_EQ(m.chartPoints().size(), 5u);
    EXPECT_TRUE(std::isnan(m.chartPoints()[1].value));  // its slot stays empty
    EXPECT_EQ(m.selectPoint(1), "比 (Ra)  its formula divides by 0 for these inputs");

    // E l beyond the largest double, with l / a still dividing by zero
    m.setText(0, "1e307");
    EXPECT_EQ(m.rows()[2].reason, "too large to compute (beyond 1.8e308)");
    EXPECT_EQ(m.statusText(),
              "Ra: its formula divides by 0 for these inputs; Ke: too large to compute (beyond 1.8e308)");
    m.setText(3, "4");
    EXPECT_EQ(m.statusText(), "Ke: too large to compute (beyond 1.8e308)");
    m.setText(0, "100000");
    EXPECT_FALSE(m.statusVisible());
    EXPECT_EQ(m.rows()[2].reason, "");
}

// A row at the top of the range of a double shows its value in either format, also after the
// chart is drawn again (its general text reads back as infinity).
TEST(shellmodel, aRowAtTheTopOfTheRangeShowsItsValue)
{
    Window w;
    ShellModel &m = w.model;
    m.setText(0, "1.7976931348623157e308");  // E l with l = 1: the largest double
    m.setText(2, "1");
    EXPECT_EQ(m.rows()[2].text, "1.798e+308");
    m.tickRow(0, false);
    EXPECT_EQ(m.rows()[2].text, "1.798e+308");
    m.toggleFormat();
    EXPECT_EQ(m.rows()[2].text, "1.79769313486232E+308");
    EXPECT_EQ(m.rows()[2].value, std::numeric_limits<double>::max());
}

TEST(shellmodel, resultFormatSwitchRecomputesInTheOtherFormat)
{
    Window w;
    ShellModel &m = w.model;
    m.toggleFormat();
    EXPECT_FALSE(m.formatResults());
    EXPECT_EQ(w.texts(), (std::vector<std::string>{"833.333333333333", "25", "10000000", "-96", "0"}));
    m.toggleFormat();
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
    } table[] = {{3, "16"}, {-2, "6"}, {0, "10"}, {1500, "2010"}};
    for (const auto &c : table) {
        SCOPED_TRACE(c.position);
        m.setScroll(0, c.position);
        EXPECT_EQ(m.text(1, 0), c.text);
    }
    EXPECT_EQ(m.scrollValue(1, 0), 1000);
    EXPECT_EQ(m.rows()[0].text, "2.010e+03");

    // a step of 0 leaves the input at the base
    m.setText(2, "0");
    m.setScroll(0, 7);
    EXPECT_EQ(m.text(1, 0), "10");
}

TEST(shellmodel, eachScrollBarStartsFromItsOwnInput)
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
    m.setScrollFocus(1, false);

    // after typing into the input, its scroll bar starts from the typed value
    m.setText(0, "50");
    m.setScrollFocus(0, true);
    EXPECT_EQ(m.scrollValue(1, 0), 0);
    m.setScroll(0, 1);
    EXPECT_EQ(m.text(1, 0), "52");
}

// A wheel notch is a click on the arrow: from the input shown, by its step, up or down;
// with the focus on the bar it goes on from the bar's position.
TEST(shellmodel, aWheelNotchStepsTheInputLikeAnArrowClick)
{
    Window w;
    ShellModel &m = w.model;
    m.selectCase(1);
    m.wheel(0, 1);
    EXPECT_EQ(m.text(1, 0), "12");
    m.wheel(0, 1);
    EXPECT_EQ(m.text(1, 0), "14");
    m.wheel(0, -3);
    EXPECT_EQ(m.text(1, 0), "8");
    EXPECT_FALSE(m.scrollFocused(0));

    // typed in between: the next notch starts from the typed value
    m.setText(0, "40");
    m.wheel(0, -1);
    EXPECT_EQ(m.text(1, 0), "38");

    // a focused bar: positions add up on its base
    m.setScrollFocus(0, true);
    m.setScroll(0, 2);
    ASSERT_EQ(m.text(1, 0), "42");
    m.wheel(0, 1);
    EXPECT_EQ(m.scrollValue(1, 0), 3);
    EXPECT_EQ(m.text(1, 0), "44");
    EXPECT_TRUE(m.scrollFocused(0));
    // a notch beyond the bar's end stays at the end
    m.wheel(0, 5000);
    EXPECT_EQ(m.text(1, 0), "2038");
}

// Fields too wide for the frames as the program lays them out widen the frames; the Reset
// button and the notes keep clear of the widened input frame.
TEST(shellmodel, leastWidthsWidenTheFramesAndMoveResetAlong)
{
    Window w;
    ShellModel &m = w.model;
    const LayoutRect frame = m.inputFrameRect(0);
    const LayoutRect reset = m.resetButtonRect();
    const int results = m.resultsFrameRect().width;
    m.setLeastWidths(frame.width - 100, results - 100);
    EXPECT_EQ(m.inputFrameRect(0).width, frame.width);
    EXPECT_EQ(m.resetButtonRect().left, reset.left);
    EXPECT_EQ(m.resultsFrameRect().width, results);

    m.setLeastWidths(frame.width + 600, results + 900);
    EXPECT_EQ(m.inputFrameRect(0).width, frame.width + 600);
    EXPECT_EQ(m.resetButtonRect().left, reset.left + 600);
    EXPECT_EQ(m.noteRect(0).left, reset.left + 600);
    EXPECT_EQ(m.resultsFrameRect().width, results + 900);
    m.resize(30000, 11000);
    EXPECT_EQ(m.resultsFrameRect().width, 30000 - m.resultsFrameRect().left - 600);
}

// --- Reset and units ---

TEST(shellmodel, resetRestoresTheDefaultsInTheCurrentUnit)
{
    const struct {
        shell::LengthUnit unit;
        std::vector<std::string> inputs;
    } table[] = {
        {shell::LengthUnit::Millimetre, StartInputs},
        {shell::LengthUnit::Centimetre, CmInputs},
        {shell::LengthUnit::Metre, {"1E+11", "2500", "0.1", "0.004", "1E+09", "10", "0.001", "0.002"}},
    };
    for (const auto &c : table) {
        SCOPED_TRACE(shell::lengthUnitName(c.unit));
        Window w;
        ShellModel &m = w.model;
        m.chooseUnit(c.unit);
        m.setText(0, "1");
        m.setText(5, "99");
        m.setText(2, "0");
        m.setScrollFocus(3, true);
        m.setScroll(3, 3);
        m.setScrollFocus(3, false);
        m.reset();
        EXPECT_EQ(w.inputs(), c.inputs);
        EXPECT_EQ(m.scrollValue(0, 3), 0);
    }
}

TEST(shellmodel, unitChangeConvertsEveryInputByItsDimensionAndBack)
{
    Window w;
    ShellModel &m = w.model;
    m.chooseUnit(shell::LengthUnit::Centimetre);
    EXPECT_EQ(w.inputs(), CmInputs);
    // The same member: the results are the same quantities, written in the new units.
    EXPECT_EQ(w.texts(), (std::vector<std::string>{"8.333e+02", "2.500e+01", "1.000e+08", "-9.600e+00", "0.000e+00"}));
    EXPECT_EQ(m.rows()[0].unit, "N");
    EXPECT_EQ(m.rows()[1].unit, "");
    EXPECT_EQ(m.rows()[2].unit, "N/cm");
    EXPECT_EQ(m.rows()[3].unit, "cm");
    EXPECT_EQ(m.inputUnit(0, 0), "N/cm^2");
    EXPECT_EQ(m.notes(), (std::vector<std::string>{"P : 荷重 N", "l : スパン cm"}));

    m.chooseUnit(shell::LengthUnit::Metre);
    m.chooseForceUnit(shell::ForceUnit::Kilonewton);
    EXPECT_EQ(w.inputs(), (std::vector<std::string>{"1E+08", "2.5", "0.1", "0.004", "1000000", "0.01", "0.001",
                                                    "0.002"}));  // kN/m^2, kN, m
    EXPECT_EQ(m.inputUnit(0, 0), "kN/m^2");
    EXPECT_EQ(m.rows()[2].unit, "kN/m");
    m.chooseForceUnit(shell::ForceUnit::Newton);
    m.chooseUnit(shell::LengthUnit::Millimetre);
    EXPECT_EQ(w.inputs(), StartInputs);
    EXPECT_EQ(w.texts(), StartResults);

    // Typed digits survive a round trip, written in the one style of converted numbers; a field
    // holding no number is left as it is.
    m.setText(0, "123456789");
    m.setText(1, "abc");
    m.chooseUnit(shell::LengthUnit::Centimetre);
    m.chooseUnit(shell::LengthUnit::Millimetre);
    EXPECT_EQ(m.text(0, 0), "1.23456789E+08");
    EXPECT_EQ(m.text(0, 1), "abc");
}

// A case not on display converts when it is next shown; a number that cannot be written in
// the new units refuses the change and leaves every field as it was.
TEST(shellmodel, hiddenCasesConvertWhenShownAndOverflowRefusesTheChange)
{
    Window w;
    ShellModel &m = w.model;
    m.selectCase(1);
    m.setText(1, "7");  // w = 7 N/mm
    m.selectCase(0);
    m.chooseUnit(shell::LengthUnit::Centimetre);
    m.selectCase(1);
    EXPECT_EQ(m.text(1, 0), "1");   // x: 10 mm
    EXPECT_EQ(m.text(1, 1), "70");  // w: 7 N/mm
    EXPECT_EQ(m.rows()[1].text, "1.400e+02");
    m.chooseUnit(shell::LengthUnit::Millimetre);

    m.selectCase(0);
    m.setText(0, "1e303");
    const int beeps = w.platform.beeps;
    m.chooseUnit(shell::LengthUnit::Metre);  // E × 10^6 leaves the range of a double
    EXPECT_EQ(m.units().length, shell::LengthUnit::Millimetre);
    EXPECT_EQ(m.text(0, 0), "1e303");
    EXPECT_EQ(w.platform.beeps, beeps + 1);
    EXPECT_EQ(m.statusText(), "Please check command entry  #1 : E cannot be written in N/m^2");
    EXPECT_EQ(m.markedField(), 0);
}

// A case whose numbers cannot be written in the window's units when it is shown again keeps
// its fields, labelled, in the units they were written in and computes nothing until they can
// be converted: never fields of one unit system computed as another.
TEST(shellmodel, aCaseThatCannotBeConvertedWhenShownComputesNothing)
{
    Window w;
    ShellModel &m = w.model;
    m.setText(0, "1e303");  // E in N/mm^2: beyond a double in N/m^2
    m.selectCase(1);
    m.chooseUnit(shell::LengthUnit::Metre);
    m.selectCase(0);
    EXPECT_TRUE(m.lastRejected());
    EXPECT_EQ(m.rejectionReason(), "E cannot be written in N/m^2");
    EXPECT_EQ(m.inputUnit(0, 2), "mm");
    EXPECT_EQ(m.notes(), (std::vector<std::string>{"P : 荷重 N", "l : スパン mm"}));
    m.setText(2, "50");  // still in mm, as labelled; E still refuses
    EXPECT_TRUE(m.lastRejected());
    EXPECT_EQ(w.texts(), (std::vector<std::string>{"", "", "", "", ""}));

    m.setText(0, "200000");  // now every field converts, and the case computes in m
    EXPECT_FALSE(m.lastRejected());
    EXPECT_EQ(m.inputUnit(0, 2), "m");
    EXPECT_EQ(m.notes(), (std::vector<std::string>{"P : 荷重 N", "l : スパン m"}));
    EXPECT_EQ(w.inputs(),
              (std::vector<std::string>{"2E+11", "2500", "0.05", "0.004", "1E+09", "10", "0.001", "0.002"}));
    EXPECT_EQ(w.texts(), (std::vector<std::string>{"8.333e+02", "1.250e+01", "1.000e+10", "-4.600e-02", "0.000e+00"}));

    // A number too large for any units does not stand in the way: it is refused as it is.
    m.setText(2, "1e999");
    m.selectCase(1);
    m.chooseUnit(shell::LengthUnit::Millimetre);
    m.selectCase(0);
    EXPECT_EQ(m.inputUnit(0, 2), "mm");
    EXPECT_EQ(m.text(0, 2), "1e999");
    EXPECT_EQ(m.text(0, 3), "4");
    EXPECT_EQ(m.rejectionReason(), "l is too large a number");
}

// A unit change converts only numbers that keep their digits there and back; it refuses the
// others and leaves every field as it was. A number that means the same in both systems keeps
// the text the user typed.
TEST(shellmodel, unitChangeRefusesNumbersThatWouldLoseDigits)
{
    const struct {
        int field;
        const char *text;
        Units to;
        const char *reason;
    } table[] = {
        // the smallest normal double, a tenth of it below the normal range
        {2, "2.2250738585072014e-308", {LengthUnit::Centimetre, ForceUnit::Newton}, "l cannot be written in cm"},
        // the largest double: its fifteen digits read back as infinity
        {1, "1.7976931348623157e308", {LengthUnit::Millimetre, ForceUnit::Kilonewton}, "P cannot be written in kN"},
        // a step, and zero in the field beside it converts
        {6, "1e-306", {LengthUnit::Metre, ForceUnit::Newton}, "l step cannot be written in m"},
    };
    for (const auto &c : table) {
        SCOPED_TRACE(c.text);
        Window w;
        ShellModel &m = w.model;
        m.setText(3, "0");
        m.setText(c.field, c.text);
        const std::vector<std::string> before = w.inputs();
        if (c.to.length != LengthUnit::Millimetre)
            m.chooseUnit(c.to.length);
        else
            m.chooseForceUnit(c.to.force);
        EXPECT_EQ(m.units(), CatalogueUnits);
        EXPECT_EQ(w.inputs(), before);
        EXPECT_EQ(m.rejectionReason(), c.reason);
        EXPECT_EQ(m.markedField(), c.field);
    }

    Window w;
    ShellModel &m = w.model;
    m.selectCase(12);
    m.setText(0, "2.0");
    m.setText(1, "1e3");
    m.chooseUnit(shell::LengthUnit::Metre);
    EXPECT_EQ(m.text(12, 0), "2.0");
    EXPECT_EQ(m.text(12, 1), "1");
    m.chooseUnit(shell::LengthUnit::Millimetre);
    EXPECT_EQ(m.text(12, 0), "2.0");
    EXPECT_EQ(m.text(12, 1), "1000");  // the same number, as the window writes it
    EXPECT_EQ(m.rows()[0].text, "2.000e+03");
}

// --- chart ---

TEST(shellmodel, logScalePlotsDecimalLogarithmsAndZeroForTheRest)
{
    Window w;
    ShellModel &m = w.model;
    m.setText(1, "3000");  // P / 3 = 1000; a - P negative; the last row 0
    m.toggleLogScale();
    ASSERT_EQ(m.chartPoints().size(), 5u);
    EXPECT_DOUBLE_EQ(m.chartPoints()[0].value, 3);
    EXPECT_DOUBLE_EQ(m.chartPoints()[2].value, 7);
    EXPECT_EQ(m.chartPoints()[3].value, 0);
    EXPECT_EQ(m.chartPoints()[4].value, 0);
    EXPECT_EQ(m.rows()[0].text, "1.000e+03");  // the results themselves are not logarithms
}

TEST(shellmodel, aSelectedPointShowsItsOwnRowsCaptionAndValue)
{
    Window w;
    ShellModel &m = w.model;
    m.tickRow(0, false);
    EXPECT_EQ(m.pointRows(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(m.selectPoint(0), "比 (Ra)  2.500e+01");
    EXPECT_EQ(m.selectPoint(2), "差 (Sd)  -9.600e+01 mm");
    // on the log scale the value is the logarithm plotted, of the row's unit; a negative
    // result is marked as standing at the base line
    m.toggleLogScale();
    EXPECT_EQ(m.selectPoint(1), "剛性 (Ke)  7.000e+00 (log10 of N/mm)");
    EXPECT_EQ(m.selectPoint(0), "比 (Ra)  1.398e+00 (log10)");
    std::vector<bool> atBase;
    for (const ChartPoint &p : m.chartPoints())
        atBase.push_back(p.atBaseLine);
    EXPECT_EQ(atBase, (std::vector<bool>{false, false, true, true}));
}

// --- commands ---

TEST(shellmodel, clipboardHoldsOneLinePerVisibleRow)
{
    Window w;
    ShellModel &m = w.model;
    m.tickRow(2, false);
    m.copyResults();
    EXPECT_EQ(w.platform.clipboard, "荷重 (P3) \t8.333e+02 N\r\n"
                                    "比 (Ra) \t2.500e+01 \r\n"
                                    "剛性 (Ke) \t1.000e+07 N/mm\r\n"
                                    "差 (Sd) \t-9.600e+01 mm\r\n"
                                    "零 (Z) \t0.000e+00 \r\n");
    m.setText(3, "0");
    m.copyResults();
    EXPECT_NE(w.platform.clipboard.find("比 (Ra) \t \r\n"), std::string::npos);
}

TEST(shellmodel, helpOpensTheReferenceBesideTheProgramOrReportsWhy)
{
    Window w;
    w.model.help();
    EXPECT_EQ(w.platform.openedPaths, (std::vector<std::string>{"/opt/structcalc/Test.pdf"}));
    EXPECT_TRUE(w.platform.messages.empty());

    w.platform.openSucceeds = false;
    w.model.help();
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].text, "Test.pdf : Reference File open error ! ");
    EXPECT_EQ(w.platform.messages[0].title, "Test Message");

    // the file is there but no viewer opens it: the path is given, no error box
    w.platform.noApplication = true;
    w.model.help();
    ASSERT_EQ(w.platform.messages.size(), 2u);
    EXPECT_EQ(w.platform.messages[1].text,
              "No application to open PDF files was found. The reference is at /opt/structcalc/Test.pdf");
    EXPECT_EQ(w.platform.messages[1].title, "Test Message");
    w.platform.noApplication = false;
    w.platform.messages.pop_back();

    w.platform.openErrorNumber = 53;
    w.platform.openErrorText = "File not found";
    w.model.help();
    ASSERT_EQ(w.platform.messages.size(), 2u);
    EXPECT_EQ(w.platform.messages[1].text, "Error : 53File not found");
    EXPECT_EQ(w.platform.messages[1].title, "Error Message");
}

}  // namespace

// The colour dialogs start from the colour in use; a cancelled dialog changes nothing. Exit
// closes the window.
TEST(shellmodel, colourCommandsStartFromTheCurrentColourAndCancelChangesNothing)
{
    Window w;
    ShellModel &m = w.model;
    EXPECT_EQ(m.plotColor(), 255u);
    w.platform.colorToPick = 0x0000FF00;
    m.plotColorCommand();
    EXPECT_EQ(w.platform.colorDialogInitial, 255u);
    EXPECT_EQ(m.plotColor(), 0x0000FF00u);

    w.platform.cancelColor = true;
    m.plotColorCommand();
    EXPECT_EQ(w.platform.colorDialogInitial, 0x0000FF00u);
    EXPECT_EQ(m.plotColor(), 0x0000FF00u);
    const unsigned before = m.programColor();
    m.programColorCommand();
    EXPECT_EQ(w.platform.colorDialogInitial, before);
    EXPECT_EQ(m.programColor(), before);
    EXPECT_EQ(w.platform.colorDialogs, 3);

    m.exit();
    EXPECT_EQ(w.platform.closes, 1);
}

// A step that is no finite number is refused like an input; a scroll position whose value
// would leave the range of a double leaves the input as it is.
TEST(shellmodel, stepsBeyondTheRangeOfADoubleAreRefused)
{
    Window w;
    ShellModel &m = w.model;
    m.setText(4 + 2, "1e400");  // the step of l
    EXPECT_TRUE(m.lastRejected());
    EXPECT_EQ(m.statusText(), "Please check command entry  #7 : l step is too large a number");
    EXPECT_EQ(m.markedField(), 6);
    m.setText(4 + 2, "1");
    EXPECT_FALSE(m.lastRejected());

    m.setText(0, "1e308");
    m.setText(4, "1e306");
    m.setScrollFocus(0, true);
    m.setScroll(0, 900);  // 1e308 + 900 × 1e306 is beyond the largest double
    EXPECT_EQ(m.text(0, 0), "1e308");
    m.setScroll(0, -900);
    EXPECT_EQ(m.text(0, 0), "1e308");  // -8e308 as well
    m.setScroll(0, 1);
    EXPECT_EQ(m.text(0, 0), "1.01E+308");

    // a finite value whose fifteen digits round beyond the largest double: left as it is too
    m.setText(0, "1.79769313486231e308");
    m.setText(4, "5.5e293");
    m.setScrollFocus(0, false);
    m.setScrollFocus(0, true);
    m.setScroll(0, 1);
    EXPECT_EQ(m.text(0, 0), "1.79769313486231e308");
    EXPECT_FALSE(m.lastRejected());
}
