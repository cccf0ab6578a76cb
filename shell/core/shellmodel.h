#pragma once

// The whole state of one calculator window and every gesture and menu command on it.
//
// The model is the window without the toolkit: the Qt view forwards each user gesture to one
// of the operations below and then brings its widgets in line with the state; the command
// line and the tests drive the same operations. Writing an input or step text runs the
// case's compute handler, exactly as a text box's change notification would: that rule lives
// in `writeText` alone.

#include "shell/core/catalogue.h"
#include "shell/core/platform.h"

#include <array>
#include <string>
#include <vector>

namespace shell {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int bottom() const { return top + height; }
};

struct ResultRow {
    std::string caption;  // Check1(r)
    std::string text;     // Tx(r) as displayed ("" where the value cannot be computed)
    double value = 0;     // the computed number (NaN where the row shows empty)
    std::string unit;     // Label5(r)
    bool ticked = true;
    bool visible = false;
};

struct ChartPoint {
    std::string label;  // "(RA)"
    double value = 0;
};

enum class ChartType { Bar3D, Bar2D, Line3D, Line2D, Area3D, Area2D, Step3D, Step2D };

class ShellModel
{
public:
    static constexpr int ScrollMin = -1000;
    static constexpr int ScrollMax = 1000;
    static constexpr int MaxInputs = 8;
    static constexpr int TwipsPerPixel = 15;

    ShellModel(const Program &program, Platform &platform);

    // Form_Load: lay out, fill the default store, apply the plot colour, select case 0.
    void start();

    const Program &program() const { return m_program; }
    const CaseDef &currentCaseDef() const;

    // --- window state, under the names the programs use ---
    int CurrentCase = -1;
    int ResultCount = 0;
    int UnitSystem = 0;  // length unit: 0 mm, 1 cm, 2 m
    int ForceUnit = 0;   // 0 N, 1 kN
    unsigned PlotColor = 255;
    double ScrollBase = 0;
    std::array<bool, MaxInputs> ScrollFocus{};
    // DefaultStore[case]: InputCount start values followed by InputCount steps.
    std::vector<std::vector<double>> DefaultStore;
    // PointRow[k]: the result row shown as chart point k (0-based here).
    std::vector<int> PointRow;

    // --- inputs of a case: k < InputCount the inputs, InputCount + k their step fields ---
    const std::string &text(int caseIndex, int k) const { return m_texts[caseIndex][k]; }
    int scrollValue(int caseIndex, int k) const { return m_scroll[caseIndex][k]; }
    // The numbers of the current case's inputs as the compute handler reads them.
    std::vector<double> inputNumbers(int caseIndex) const;
    // The units the window works in.
    Units units() const { return {UnitSystem, ForceUnit}; }
    // The units a case's fields are written in: the window's, except for a case not shown since
    // the units changed and for one whose numbers could not be written in them (it then
    // computes nothing until they can), and the caption of input k's unit in them.
    Units fieldUnits(int caseIndex) const;
    std::string inputUnit(int caseIndex, int k) const;
    // "read as 8" while the text of a field holds more than its number ("8abc"); else "".
    std::string inputNote(int caseIndex, int k) const;

    // --- results, notes, status ---
    const std::vector<ResultRow> &rows() const { return m_rows; }
    const std::vector<std::string> &notes() const { return m_notes; }
    const std::vector<std::string> &advisories() const { return m_advisories; }
    bool statusVisible() const { return m_statusVisible; }
    const std::string &statusText() const { return m_statusText; }
    // True while the last computation of the current case was rejected: the rows then show the
    // last accepted results of this case, stale, or nothing.
    bool lastRejected() const { return m_lastRejected; }
    // The input the rejection is about (-1: none) and why.
    int markedField() const { return m_markedField; }
    const std::string &rejectionReason() const { return m_reason; }
    int computeCount() const { return m_computeCount; }

    // --- chart ---
    const std::vector<ChartPoint> &chartPoints() const { return m_chartPoints; }
    ChartType chartType() const { return m_chartType; }
    bool logScale() const { return m_logScale; }
    bool formatResults() const { return m_formatResults; }
    unsigned programColor() const { return m_programColor; }

    // --- layout, in twips ---
    int windowWidth() const { return m_windowWidth; }
    int windowHeight() const { return m_windowHeight; }
    Rect pictureRect(int caseIndex) const;
    Rect inputFrameRect(int caseIndex) const;
    Rect command2Rect() const { return m_command2; }
    Rect frame2Rect() const { return m_frame2; }
    Rect chartRect() const { return m_chart; }
    Rect noteRect(int line) const;
    static int inputFrameHeight(int inputCount);
    int page() const { return m_page; }

    // --- gestures and commands ---
    void selectCase(int index);                    // Command1_Click
    void setText(int k, const std::string &text);  // the user edits a field of the current case
    void setScroll(int k, int value);              // HScroll_Change of the current case
    void setScrollFocus(int k, bool focused);      // HScroll_GotFocus / LostFocus
    void reset();                                  // Command2_Click
    void chooseUnit(int unitSystem);               // m1015_Click: mm, cm, m
    void chooseForceUnit(int forceUnit);           // N, kN
    void toggleFormat();                           // m1010(1)
    void programColorCommand();                    // m1010(0)
    void tickRow(int row, bool ticked);            // Check1_Click
    void plotColorCommand();                       // m1020(0)
    void toggleLogScale();                         // m1020(1)
    void chooseChartType(ChartType type);          // m1020(3..10)
    std::string selectPoint(int point);            // caption of m20(0) for chart point `point` (0-based)
    void resize(int widthTwips, int heightTwips);  // Form_Resize
    void nextPage();                               // Label1(2)
    void previousPage();                           // Label1(3)
    std::string resultsText() const;               // the clipboard text of the results
    void copyResults();                            // m10(2)
    void help();                                   // Label1(1)
    void exit();                                   // Label1(0)

    // Re-lay out and recompute the current case although it did not change.
    void reselect();

private:
    void writeText(int k, const std::string &text);
    void compute(int index);
    void writeNotes();  // the legend lines of the current case, in the units of its fields
    void entryError(int index, int field, const std::string &reason);
    void drawChart();
    void scrollToText(int k);
    void changeUnits(Units to);
    // Brings the texts of a case into the units `to`; false (and nothing changed) where a number
    // would leave the range of a double, with the field and the reason.
    bool convertCase(int caseIndex, Units to, int &field, std::string &reason);
    void layoutCase(const CaseDef &c);
    void resetCase();

    const Program &m_program;
    Platform &m_platform;
    std::vector<std::vector<std::string>> m_texts;
    std::vector<std::vector<int>> m_scroll;
    std::vector<Units> m_caseUnits;  // the units each case's texts are written in
    std::vector<ResultRow> m_rows;
    std::vector<std::string> m_notes;
    std::vector<std::string> m_advisories;
    std::vector<ChartPoint> m_chartPoints;
    bool m_statusVisible = false;
    std::string m_statusText;
    bool m_lastRejected = false;
    int m_markedField = -1;
    std::string m_reason;
    int m_computeCount = 0;
    ChartType m_chartType = ChartType::Bar2D;
    bool m_logScale = false;
    bool m_formatResults = true;
    unsigned m_programColor = 0;
    int m_windowWidth = 0;
    int m_windowHeight = 0;
    Rect m_command2;
    Rect m_frame2;
    Rect m_chart;
    int m_page = 0;
};

}  // namespace shell
