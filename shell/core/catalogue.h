#pragma once

// What a program supplies to the calculator shell: its cases (inputs, entry check, result
// rows with their formulas, sketch) and the small rules in which the five programs differ.
// Everything here is data; the shell model does all the work.

#include "shell/core/expr.h"
#include "shell/core/sketch.h"
#include "shell/core/unitcaptions.h"

#include <functional>
#include <string>
#include <vector>

namespace shell {

struct InputDef {
    std::string caption;  // "P", "l", "I1", "dia", ... case-sensitive
    double start = 0;
    double step = 1;
};

struct RowDef {
    std::string caption;  // "反力 (RA)": the result name with its symbol in parentheses
    Expr formula;
};

// A plain note shown under the results when its condition holds after a computation
// (for example an empirical column formula used beyond its range).
struct Advisory {
    Expr condition;
    std::string text;
};

using SketchFunction = std::function<Sketch(const std::vector<double> &inputs)>;

struct CaseDef {
    std::string caption;  // button caption: "Beam (1)", "Rectangular bar"
    std::vector<InputDef> inputs;
    Expr rejectWhen;  // entry check: the input is rejected where this is non-zero (null: never)
    std::vector<RowDef> rows;
    std::vector<Advisory> advisories;
    SketchFunction sketch;  // drawn from the current inputs
    int group = 0;          // layout group of the program (buckling has two)
    // Input captions in the order the legend explains them (empty: the inputs in their order).
    std::vector<std::string> legendOrder;

    int inputCount() const { return static_cast<int>(inputs.size()); }
    int rowCount() const { return static_cast<int>(rows.size()); }
};

// Builds a case so that its source reads like the formula table it implements:
//
//     CaseBuilder c("Beam (1)");
//     const Expr P = c.input("P", 100), a = c.input("a", 30), l = c.input("l", 100);
//     c.rejectWhen(l <= 0 || a < 0);
//     const Expr RA = c.row("反力 (RA)", (P * (l - a)) / l);
//     c.row("反力 (RB)", P - RA);
class CaseBuilder
{
public:
    explicit CaseBuilder(const std::string &caption);

    // The next input (its index is the order of the calls); returns the symbol for formulas.
    Expr input(const std::string &caption, double start, double step = 1);
    void rejectWhen(const Expr &condition);
    // The next result row; returns its value for reuse by later rows.
    Expr row(const std::string &caption, const Expr &formula);
    void advise(const Expr &condition, const std::string &text);
    void sketch(SketchFunction drawing);
    void group(int layoutGroup);
    void legendOrder(const std::vector<std::string> &captions);

    CaseDef build() const { return m_case; }

private:
    CaseDef m_case;
};

// Fixed positions of one layout group, in twips.
struct LayoutGroup {
    int pictureTop = 2100;
    int pictureLeft = 2400;
    int frameTop = 2000;
    int frameLeft = 5500;
    int command2Top = 2200;
    int command2Left = 10000;
    int frame2Gap = 0;     // space between the upper part and the results frame
    int frame2Height = 0;  // fixed results frame height (0: by the result count)
};

enum class UnitChange {
    Convert,     // unit-bearing inputs are multiplied by the factor, the case recomputed
    RelabelOnly  // only the unit captions change (the numbers mean whatever unit the user means)
};

enum class ResetWrite {
    General,         // stored numbers written back with the general number text
    ScaledFormatted  // unit-bearing stored numbers scaled to the unit system, then FormatLarge*
};

enum class StartupReset {
    None,         // the case selection at start-up computes the start texts as laid out
    CurrentCase,  // Reset once after the first case is selected
    EveryCase     // every case made current and reset before the first selection
};

// Results frame heights by bands of the result count: 9 rows or more, 7–8, 5–6, 3–4, 2 or fewer.
std::function<int(int rows)> heightsByRows(int nineOrMore, int sevenOrEight, int fiveOrSix, int threeOrFour,
                                           int twoOrFewer);

// A symbol the program's legend explains wherever an input of a case has it as caption:
// {{"W", "W1", "W2"}, "荷重", UnitKind::LineLoad} gives "w1 : 荷重 N/mm" for the input w1.
struct LegendSymbol {
    std::vector<std::string> captions;  // upper-cased: "P", "W1"
    std::string meaning;                // "荷重"
    UnitKind unit = UnitKind::None;
};

// One line of the legend under the Reset button.
struct LegendLine {
    std::string symbol;   // the input caption as written: "w1"
    std::string meaning;  // "荷重"
    std::string unit;     // "N/mm"; empty for a pure number
    // "w1 : 荷重 N/mm" (a pure number ends in the blank: "n : 柱端定数 ").
    std::string text() const { return symbol + " : " + meaning + " " + unit; }
};

struct Program {
    std::string name;            // command-line name: "Beams", "cantilever", "Rahmen", "buckling", "Profilor"
    std::string id;              // lower-case identifier of its files: "beams" (structcalc-beams.desktop)
    std::string windowTitle;     // "Beams", "Cantilever", ...
    std::string desktopComment;  // one line for the desktop's program list
    std::string pictureObjectName = "Image1";  // object name of the case pictures ("Image1(i)")
    // Case buttons on the first page; a program with more cases has a second page for the rest.
    int casesPerPage = 10;
    std::string titleLine0;   // Label3(0)
    std::string titleLine1;   // Label3(1)
    int windowWidth = 14000;  // twips
    int windowHeight = 11000;
    std::vector<LayoutGroup> groups{LayoutGroup{}};
    int frame2Left = 2400;
    int chartLeft = 2200;
    int chartWidth = 9200;
    int pictureWidth = 2900;
    int pictureHeight = 2600;
    // Results frame height by the number of result rows.
    std::function<int(int rows)> frame2Height;
    std::vector<CaseDef> cases;

    // Unit caption of a result row in a unit system.
    std::function<std::string(const std::string &caption, int row, int unitSystem)> unitLabel;
    // The symbols the legend (Label4) explains, for the inputs of each case.
    std::vector<LegendSymbol> legend;

    UnitChange unitChange = UnitChange::Convert;
    std::vector<std::string> unitBearingCaptions;  // "E", "P", "w", "M"
    bool stepScaledBySquareRoot = false;           // unit change scales a step by √factor
    ResetWrite resetWrite = ResetWrite::ScaledFormatted;
    StartupReset startupReset = StartupReset::None;

    std::string helpFile;                // "Beams.pdf"
    std::string helpMessageTitle;        // "Beams Message"
    std::string errorPrefix;             // "Error : "
    unsigned programColor = 0x00C08040;  // decoration colour, 0x00BBGGRR

    int caseCount() const { return static_cast<int>(cases.size()); }
    bool hasPages() const { return caseCount() > casesPerPage; }
    // The button page of a case (0 or 1) and the first case of a page.
    int pageOf(int caseIndex) const { return hasPages() && caseIndex >= casesPerPage ? 1 : 0; }
    int firstCaseOf(int page) const { return page > 0 && hasPages() ? casesPerPage : 0; }
    bool isUnitBearing(const std::string &caption) const;
};

// The legend of the beam programs: loads P (N), w, w1, w2 (line load) and M (moment), the
// elastic modulus E and the second moment I.
std::vector<LegendSymbol> beamLegend();

// The legend lines of a case in a unit system, top to bottom: one for every input (in the
// case's legend order) whose caption the program's legend explains.
std::vector<LegendLine> legendLines(const Program &program, const CaseDef &definition, int unitSystem);

// One evaluation of a case, as the window, the command line and the reference document all
// make it: an input that is not a finite number or that the entry check refuses rejects the
// inputs (and leaves `values` empty); otherwise every row in order, and the advisories whose
// condition holds.
struct Evaluation {
    bool rejected = false;
    std::vector<double> values;
    std::vector<std::string> advisories;
};
Evaluation evaluate(const CaseDef &definition, const std::vector<double> &inputs);
std::vector<double> startValues(const CaseDef &definition);

}  // namespace shell
