#pragma once

// The whole state of one calculator window and every gesture and menu command on it.
//
// The model is the window without the toolkit: the Qt view forwards each user gesture to one
// of the operations below and then brings its widgets in line with the state; the command
// line and the tests drive the same operations. Writing an input or step text runs the
// case's compute handler, exactly as a text box's change notification would: that rule lives
// in `writeText` and, for the user's edits (whose following inputs are written with them, one
// computation for all), in `edit`.

#include "shell/core/catalogue.h"
#include "shell/core/chartchoice.h"
#include "shell/core/diagrams.h"
#include "shell/core/memberresults.h"
#include "shell/core/membertables.h"
#include "shell/core/platform.h"
#include "shell/core/savedcalculation.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace shell {

// A rectangle of the window in layout units (ShellModel::LayoutUnitsPerPixel, 15 to a pixel at
// 96 DPI), from the form's top left corner.
struct LayoutRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int bottom() const { return top + height; }
};

struct ResultRow {
    std::string caption;  // the caption beside the row's tick box
    std::string text;     // the value as the row shows it ("" where the value cannot be computed)
    double value = 0;     // the computed number (NaN where the row shows empty)
    // Why the row shows empty after a computation: "too large to compute (beyond 1.8e308)".
    std::string reason;
    std::string unit;  // the caption of the row's unit
    bool ticked = true;
    bool visible = false;
    // Beside a row that claims the member's extreme but is not it: the extreme with its position
    // and the line shown with the row ("largest 2.006e-02 mm at x = 44.92 mm"); none and "" else.
    std::optional<RowLargest> largest;
    std::string largestText;
    // Why the row's value lies outside its formula's range ("the wrought-iron formula holds for
    // λ up to 112; Euler applies beyond"); "" where it lies inside.
    std::string outsideRange;
    std::string meaning;     // what the row is, where it is taken, its sign
    bool lineBelow = false;  // the row has room for a line under it (largestText)
};

struct ChartPoint {
    std::string label;  // "(RA)"
    double value = 0;
    // On a log scale: the result is 0 or negative and stands at the base line (0) for want of
    // a logarithm.
    bool atBaseLine = false;
};

class ShellModel
{
public:
    static constexpr int ScrollMin = -1000;
    static constexpr int ScrollMax = 1000;
    static constexpr int MaxInputs = 8;
    static constexpr int LayoutUnitsPerPixel = 15;

    ShellModel(const Program &program, Platform &platform);

    // The start of the window: lay out, fill the default store, apply the plot colour, select case 0.
    void start();

    const Program &program() const { return m_program; }
    const CaseDef &currentCaseDef() const;

    // --- window state ---
    // The case on display (-1 before the first is selected) and how many rows it shows.
    int currentCase() const { return m_currentCase; }
    int resultCount() const { return m_resultCount; }
    // The colour of the chart's bars and lines, as 0x00BBGGRR.
    unsigned plotColor() const { return m_plotColor; }
    // The number a focused scroll bar's position 0 stands for, and whether bar k has the focus.
    double scrollBase() const { return m_scrollBase; }
    bool scrollFocused(int k) const { return k >= 0 && k < MaxInputs && m_scrollFocus[static_cast<std::size_t>(k)]; }
    // The start values of a case as Reset writes them: its inputs followed by their steps, in the
    // catalogue's units.
    const std::vector<double> &defaultValues(int caseIndex) const
    {
        return m_defaultStore[static_cast<std::size_t>(caseIndex)];
    }
    // The result row shown as each chart point, in the order of the points.
    const std::vector<int> &pointRows() const { return m_pointRows; }

    // --- inputs of a case: k < InputCount the inputs, InputCount + k their step fields ---
    const std::string &text(int caseIndex, int k) const { return m_texts[caseIndex][k]; }
    int scrollValue(int caseIndex, int k) const { return m_scroll[caseIndex][k]; }
    // The numbers of the current case's inputs as the compute handler reads them.
    std::vector<double> inputNumbers(int caseIndex) const;
    // The units the window works in.
    Units units() const { return m_units; }
    // The units a case's fields are written in: the window's, except for a case not shown since
    // the units changed and for one whose numbers could not be written in them (it then
    // computes nothing until they can), and the caption of input k's unit in them.
    Units fieldUnits(int caseIndex) const;
    std::string inputUnit(int caseIndex, int k) const;
    // "read as 8" while the text of a field holds more than its number ("8abc"); else "".
    std::string inputNote(int caseIndex, int k) const;
    // The status line for the fields of the case on display read otherwise than typed, while no
    // entry error stands: "w read as 1: the text after the number is ignored" for "1,5",
    // "w step read as 0: the text holds no number" for "abc"; several joined by "; "; "" where
    // every field reads as typed.
    std::string readAsStatus() const;

    // --- results, notes, status (an entry error, or the rows that show no value and why:
    // "Mmax: too large to compute (beyond 1.8e308)") ---
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

    // --- diagrams: the current case's member, frame, column curve or section, made after
    // every accepted computation (a rejected one leaves those of the last accepted inputs) ---
    // The diagrams of the last accepted computation of the case on display, made when first
    // asked for after it (solving a member costs more than the whole keystroke without it).
    const CaseDiagrams &diagrams() const;
    ChartArea chartArea() const { return m_chartArea; }
    bool showSlope() const { return m_showSlope; }

    // --- layout, in layout units (15 to a pixel) ---
    int windowWidth() const { return m_windowWidth; }
    int windowHeight() const { return m_windowHeight; }
    LayoutRect pictureRect(int caseIndex) const;
    LayoutRect inputFrameRect(int caseIndex) const;
    LayoutRect resetButtonRect() const { return m_resetButton; }
    LayoutRect resultsFrameRect() const { return m_resultsFrame; }
    // The results frame as the case `caseIndex` places it (below its inputs and picture), for a
    // window that sizes itself for every case before they are shown.
    LayoutRect resultsFrameRectOf(int caseIndex) const;
    LayoutRect chartRect() const { return m_chart; }
    // The member editor's tables, left of the results frame and as high (none without an editor).
    LayoutRect memberEditorRect() const;
    LayoutRect noteRect(int line) const;
    static int inputFrameHeight(int inputCount);
    int page() const { return m_page; }
    // The least widths the window needs for its fields to show their texts whole, as it
    // measures them in its font: the input frame and the results frame are never laid out
    // narrower, and the Reset button and the notes move right of a widened input frame.
    void setLeastWidths(int inputFrame, int resultsFrame);

    // --- gestures and commands ---
    void selectCase(int index);  // a case button
    // The user edits a field of the current case. An input that follows the edited one (b
    // follows a and l where a + b = l) takes its value first, and the status bar says so.
    void setText(int k, const std::string &text);
    // Several fields of the current case at once, as the command line names them, with one
    // computation: a follower named itself keeps the number given to it.
    void setTexts(const std::vector<std::pair<int, std::string>> &texts);
    // What the followers of the last edit changed ("b changed to 60 (b = l − a)"); "" where none.
    const std::string &followNote() const { return m_followNote; }
    void setScroll(int k, int value);          // the scroll bar of input k moved
    void setScrollFocus(int k, bool focused);  // the scroll bar of input k takes or loses the focus
    // A turn of the mouse wheel over input k or its scroll bar, `clicks` notches (positive
    // raises): as many clicks on the bar's arrow. A bar without the focus takes the input as
    // its base first, as a click that gives it the focus does.
    void wheel(int k, int clicks);
    void reset();                           // the Reset button
    void chooseUnit(LengthUnit length);     // the length unit: mm, cm, m
    void chooseForceUnit(ForceUnit force);  // N, kN
    // Both at once, as one change: refused whole where a number cannot be written in them.
    void chooseUnits(Units units);
    void toggleFormat();                   // "Format resulte values"
    void programColorCommand();            // "Program color ..."
    void tickRow(int row, bool ticked);    // the tick box of a result row
    void plotColorCommand();               // "Plot color ..."
    void toggleLogScale();                 // "Log scale values"
    void chooseChartType(ChartType type);  // the chart types of the chart menu
    void chooseView(ChartArea area);       // the results chart or the diagrams
    void toggleSlope();                    // "Show slope" on the diagrams
    // The caption at the top of the menu of chart point `point` (0-based): the row, its value
    // and unit.
    std::string selectPoint(int point);
    void resize(int widthUnits, int heightUnits);  // the window resized
    void nextPage();                               // the second page of case buttons
    void previousPage();                           // back to the first page of case buttons
    std::string resultsText() const;               // the clipboard text of the results
    void copyResults();                            // "Results to clipboard"
    std::string calculationText() const;           // the clipboard text of "Copy calculation"
    void copyCalculation();                        // "Copy calculation"
    // Help: opens the reference beside the program, or says why not.
    void help();
    std::string helpPath() const;
    void exit();  // the Exit command

    // --- the member of a program that describes any member (Program::memberEditor): the
    // tables of its supports, hinges, loads and segments beside the inputs l, E, I and x ---
    const MemberTables &memberTables() const { return m_member; }
    // The cell, row or table the last refusal is about (table -1: none).
    const MemberCell &markedCell() const { return m_markedCell; }
    // The member of the last accepted computation, as the sketch and the sheet draw it.
    const std::optional<MemberDescription> &acceptedMember() const { return m_acceptedMember; }
    // The quantity whose influence line the Influence view shows, and the user's choice of it
    // (kept where the member loses the support it names: the view then says why it has none).
    const InfluenceChoice &influenceChoice() const { return m_influence; }
    void chooseInfluence(const InfluenceChoice &choice);
    // The combination the Envelope view shows alone, by its name ("" for the envelope over every
    // combination and the moving loads); a name the member no longer has shows the envelope.
    const std::string &envelopeOf() const { return m_envelopeOf; }
    void chooseEnvelopeOf(const std::string &combination);
    // The user edits a cell; the member is computed again.
    void setMemberCell(const MemberCell &cell, const std::string &text);
    // Insert adds a row after `row` (-1: before the first) and returns its index; Delete removes
    // one; Ctrl+Up and Ctrl+Down move one by `by` rows and return where it went.
    int insertMemberRow(int table, int row);
    void removeMemberRow(int table, int row);
    int moveMemberRow(int table, int row, int by);
    // The step gesture on a cell (the wheel, the arrow keys of the step): see steppedCellText.
    void stepMemberCell(const MemberCell &cell, int clicks);
    // All tables at once, as a file or the command line brings them.
    void setMemberTables(const MemberTables &tables);

    // Re-lay out and recompute the current case although it did not change.
    void reselect();

    // --- calculations kept in files, and the names a calculation sheet is headed with ---
    const CalculationNames &names() const { return m_names; }
    void setNames(const CalculationNames &names) { m_names = names; }
    // The units the texts of a case are written in: the window's once the case has been shown in
    // them (a case whose texts could not be brought into them keeps its own).
    Units caseUnits(int caseIndex) const { return m_caseUnits[static_cast<std::size_t>(caseIndex)]; }
    // The case on display as a file keeps it: its texts in the units they are written in, the
    // ticks, the chart area's look, the colours and the names. Where a field holds a number too
    // large for a double (the window refuses it), checkSavedCalculation() says that the file
    // could not be opened again.
    SavedCalculation save() const;
    // Opens a calculation of this program: "" where it is shown, with one computation; otherwise
    // why not (checkSavedCalculation's words, or that it belongs to another program), and nothing
    // has changed. The other cases keep their texts; the window takes the file's units.
    std::string open(const SavedCalculation &calculation);

private:
    // Select Case's work for `index`: lay out, show its rows with `ticked` (all where null), compute.
    void showCase(int index, const std::vector<bool> *ticked);
    void writeText(int k, const std::string &text);
    // A gesture's edit: the texts written, their followers following, one computation.
    void edit(const std::vector<std::pair<int, std::string>> &texts);
    // The field a refusal marks: the edited input where the refusing condition is about its
    // partners (reads it and it leads or follows, or reads a follower it moved), else the input
    // the reason is about.
    int markedFor(const Evaluation &evaluation) const;
    void compute(int index);
    // compute's work for a program that describes any member, once its inputs are accepted.
    void computeMember(const std::vector<double> &numbers);
    // The rows of the accepted computation, as many as it gives, keeping the ticks of those shown.
    void writeMemberRows(const std::vector<MemberRow> &rows);
    // The member's extremes beside the rows that claim one (solves the member where a row does).
    void writeLargest();
    void writeNotes();  // the legend lines of the current case, in the units of its fields
    void entryError(int index, int field, const std::string &reason);
    // A refusal of the member's tables: the cell is marked, the status names its table.
    void tableError(const MemberCell &cell, const std::string &reason);
    void drawChart();
    void writeRowsStatus();  // the status line after an accepted computation
    void scrollToText(int k);
    void changeUnits(Units to);
    // Brings the texts of a case into the units `to`; false (and nothing changed) where a number
    // would leave the range of a double, with the field and the reason.
    bool convertCase(int caseIndex, Units to, int &field, std::string &reason);
    void layoutCase(const CaseDef &c);
    int resultsFrameWidth(int left) const;
    void resetCase();

    const Program &m_program;
    Platform &m_platform;
    int m_currentCase = -1;
    int m_resultCount = 0;
    Units m_units;  // the units the window works in
    unsigned m_plotColor = 255;
    double m_scrollBase = 0;
    std::array<bool, MaxInputs> m_scrollFocus{};
    // m_defaultStore[case]: the case's start values followed by its steps.
    std::vector<std::vector<double>> m_defaultStore;
    // m_pointRows[k]: the result row shown as chart point k.
    std::vector<int> m_pointRows;
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
    // The edit being computed: its inputs and what their followers did.
    std::vector<int> m_edited;
    Following m_following;
    std::string m_followNote;
    ChartType m_chartType = ChartType::Bar2D;
    // What the diagrams are made from: the last accepted computation of the case on display.
    int m_acceptedCase = -1;
    std::vector<double> m_acceptedInputs;
    std::vector<double> m_acceptedRows;
    mutable CaseDiagrams m_diagrams;
    ChartArea m_chartArea = ChartArea::Results;
    bool m_showSlope = false;
    bool m_logScale = false;
    bool m_formatResults = true;
    unsigned m_programColor = 0;
    int m_windowWidth = 0;
    int m_windowHeight = 0;
    LayoutRect m_resetButton;
    LayoutRect m_resultsFrame;
    LayoutRect m_chart;
    int m_leastInputFrame = 0;
    int m_leastResultsFrame = 0;
    int m_page = 0;
    CalculationNames m_names;
    MemberTables m_member;
    MemberCell m_markedCell;
    std::optional<MemberDescription> m_acceptedMember;
    MemberStudy m_acceptedStudy;
    std::string m_acceptedDescription;  // the accepted member and its moving loads, in words
    InfluenceChoice m_influence;
    std::string m_envelopeOf;
    // The diagrams of the Influence and Envelope views, made when asked for.
    mutable CaseDiagrams m_studyDiagrams;
    mutable std::string m_studyDiagramsSource;
    const CaseDiagrams &studyDiagrams() const;
};

}  // namespace shell
