#pragma once

// What a program supplies to the calculator shell: its cases (inputs with their dimensions,
// domain, result rows with their formulas and meanings, member models, sketch) and the small
// rules in which the five programs differ. Everything here is data; the shell model does all
// the work.

#include "mechanics/beam.h"
#include "mechanics/movingload.h"
#include "mechanics/portalframe.h"
#include "shell/core/expr.h"
#include "shell/core/sketch.h"
#include "shell/core/units.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace shell {

// An input of a case. Start value and step are in the catalogue's units (mm and N).
struct InputDef {
    std::string caption;  // "P", "l", "I1", "dia", ... case-sensitive
    Dimension dimension = Dimension::None;
    double start = 0;
    double step = 1;
};

// The quantities along a straight member that its diagrams show.
enum class Quantity { Shear, Moment, Slope, Deflection };

// A row whose caption or meaning speaks of a largest value that is not always the member's: the
// deflection under a load off mid-span, a mid-span moment under an unsymmetric load, a moment for
// the load placed elsewhere, a handbook coefficient rounded beyond the fourth digit. The window
// shows the member's true extreme of `quantity` beside the row wherever the two differ.
struct ExtremeClaim {
    int member = 0;  // the member model of the case the row speaks of
    Quantity quantity = Quantity::Moment;
};

// Where the row's formula holds: outside it (`holds` zero) the value is still shown, marked
// with `reason` ("the wrought-iron formula holds for λ up to 112; Euler applies beyond").
struct RowRange {
    Expr holds;
    std::string reason;
};

struct RowDef {
    std::string caption;  // "反力 (RA)": the result name with its symbol in parentheses
    Dimension dimension = Dimension::None;
    Expr formula;
    // One line: what the quantity is, where it is taken, and its sign where the sign is not
    // obvious ("upward reaction at A; negative means the support holds the beam down").
    std::string meaning;
    std::optional<ExtremeClaim> claims;
    std::optional<RowRange> range;
};

// One condition of a case's domain: the inputs describe the drawn member only where `holds` is
// non-zero. `field` is the input the reason speaks of (the window marks it).
struct Check {
    Expr holds;
    int field = -1;
    std::string reason;  // "a must lie between 0 and l"
};

// An input that follows others so that a relation between them holds: where one of `leaders` is
// given (typed, scrolled, named on the command line) and the follower is not, the follower takes
// `value`. Rahmen (3) keeps a + b = l with two of them:
//
//     c.follow(b, {a, l}, l - a);  // editing a or l sets b = l − a
//     c.follow(a, {b}, l - b);     // editing b sets a = l − b
struct Follow {
    int follower = -1;
    std::vector<int> leaders;
    Expr value;
};

// A plain note shown under the results when its condition holds after a computation
// (for example an empirical column formula used beyond its range).
struct Advisory {
    Expr condition;
    std::string text;
};

using SketchFunction = std::function<Sketch(const std::vector<double> &inputs)>;

// A member under a moving load: the member with its supports and no load of its own, and the
// train that rolls over it. Its diagrams are the envelopes of V and M over every position.
struct MovingLoad {
    mechanics::Beam beam;
    mechanics::Train train;
};

// A member the case's rows describe, built from the current inputs (in the window's units,
// which the solver takes as they come: any consistent units give the same member). A case
// that reports on two members (a span simply supported and fixed at both ends) has two.
struct MemberModel {
    std::string name;  // "simply supported", "fixed at both ends"; may be empty for the only one
    std::function<mechanics::Beam(const std::vector<double> &inputs)> beam;             // or
    std::function<mechanics::PortalFrame(const std::vector<double> &inputs)> frame;     // a frame, or
    std::function<MovingLoad(const std::vector<double> &inputs)> movingLoad = nullptr;  // a moving load
};

// A position typed into the case, marked on the diagrams of a member: x from the member's left
// end as the sketch draws it.
struct PositionMark {
    int member = 0;
    Expr x;
    std::string label;  // "x1"
};

// The column curve of a buckling case: the buckling stress σk against the slenderness λ.
// Euler's hyperbola σ = eulerNumerator / λ² for the case's end condition (n·π²·E), or an
// empirical straight line or parabola σ = a·(1 − b·λ + c·λ²) of the material up to λ0, with
// Euler's hyperbola through its value at λ0 beyond.
struct EmpiricalLine {
    double a = 0;  // N/mm² (the catalogue's stress unit)
    double b = 0;
    double c = 0;
    double lambda0 = 0;
};
struct ColumnCurve {
    Expr slenderness;                    // λ of the current inputs
    std::optional<Expr> eulerNumerator;  // in the case's stress unit
    std::optional<EmpiricalLine> empirical;
};

// What the section drawing of a cross-section case annotates: the rows that hold the distances
// from the centroid to the extreme fibres, and the side of the case sketch where e1 ends (e2
// ends on the opposite side). Left or Right: the bending axis stands upright.
struct SectionFigure {
    int e1Row = -1;
    int e2Row = -1;  // -1: the section has no separate e2 row
    Side e1Side = Side::Below;
};

struct CaseDef {
    std::string caption;  // button caption: "Beam (1)", "Rectangular bar"
    std::string title;    // in words: "Simply supported beam, point load P at a"
    std::vector<InputDef> inputs;
    std::vector<Check> checks;  // the domain, in the order the reasons are given
    std::vector<Follow> follows;
    std::vector<RowDef> rows;
    std::vector<Advisory> advisories;
    std::vector<MemberModel> members;
    std::vector<PositionMark> marks;
    std::optional<ColumnCurve> columnCurve;
    std::optional<SectionFigure> section;
    SketchFunction sketch;  // drawn from the current inputs
    int group = 0;          // layout group of the program (buckling has two)
    // Input captions in the order the legend explains them (empty: the inputs in their order).
    std::vector<std::string> legendOrder;

    int inputCount() const { return static_cast<int>(inputs.size()); }
    int rowCount() const { return static_cast<int>(rows.size()); }
};

class CaseBuilder;

// A row just added to a case: converts to its value for later rows, and takes its meaning.
class RowRef
{
public:
    RowRef(CaseBuilder &builder, int index, Expr value) : m_builder(builder), m_index(index), m_value(std::move(value))
    {
    }
    RowRef &means(const std::string &meaning);
    // The row claims the extreme of `quantity` on member `member` but is not always it.
    RowRef &notAlwaysLargest(Quantity quantity, int member = 0);
    // The row's formula holds only where `holds` is non-zero; elsewhere it is marked with `reason`.
    RowRef &holdsWhile(const Expr &holds, const std::string &reason);
    operator Expr() const { return m_value; }  // NOLINT(google-explicit-constructor): `const Expr RA = c.row(...)`

private:
    CaseBuilder &m_builder;
    int m_index;
    Expr m_value;
};

// Builds a case so that its source reads like the formula table it implements:
//
//     CaseBuilder c("Beam (1)");
//     c.title("Simply supported beam, point load P at a");
//     const Expr P = c.input("P", Dimension::Force, 100), a = c.input("a", Dimension::Length, 30);
//     const Expr l = c.input("l", Dimension::Length, 100);
//     c.requirePositive(l);
//     c.requireBetween(a, 0, l);  // "a must lie between 0 and l"
//     const Expr RA = c.row("反力 (RA)", Dimension::Force, (P * (l - a)) / l).means("upward reaction at A");
//     c.row("反力 (RB)", Dimension::Force, P - RA).means("upward reaction at B");
class CaseBuilder
{
public:
    explicit CaseBuilder(const std::string &caption);

    void title(const std::string &words);
    // The next input (its index is the order of the calls); returns the symbol for formulas.
    Expr input(const std::string &caption, Dimension dimension, double start, double step = 1);

    // The domain. `field` is an input of this case; the reason is shown as it is given, or
    // made from the names of the bounds:
    void require(const Expr &field, const Expr &holds, const std::string &reason);
    void requirePositive(const Expr &field);                                       // "l must be greater than 0"
    void requireAtLeast(const Expr &field, const Expr &lower);                     // "x must be 0 or more"
    void requireAtMost(const Expr &field, const Expr &upper);                      // "a must be l / 2 or less"
    void requireBelow(const Expr &field, const Expr &upper);                       // "c must be less than a / 2"
    void requireBetween(const Expr &field, const Expr &lower, const Expr &upper);  // "a must lie between 0 and l"
    // `follower` takes `value` where one of `leaders` is given and it is not (see Follow).
    void follow(const Expr &follower, const std::vector<Expr> &leaders, const Expr &value);

    // The next result row; converts to its value for reuse by later rows.
    RowRef row(const std::string &caption, Dimension dimension, const Expr &formula);
    void advise(const Expr &condition, const std::string &text);
    void sketch(SketchFunction drawing);
    void member(const std::string &name, std::function<mechanics::Beam(const std::vector<double> &)> beam);
    void frame(std::function<mechanics::PortalFrame(const std::vector<double> &)> frame);
    // A member under a moving load: the case states the member's supports and the train, and
    // its diagrams are the envelopes the solver finds.
    void movingLoads(const std::string &name, std::function<MovingLoad(const std::vector<double> &)> load);
    void mark(int member, const Expr &x, const std::string &label);
    void columnCurve(const ColumnCurve &curve);
    void section(const SectionFigure &figure);
    void group(int layoutGroup);
    void legendOrder(const std::vector<std::string> &captions);

    CaseDef build() const { return m_case; }

private:
    friend class RowRef;
    CaseDef m_case;
};

// Fixed positions of one layout group, in layout units (15 to a pixel): the case picture,
// the input frame, the Reset button and the results frame.
struct LayoutGroup {
    int pictureTop = 2100;
    int pictureLeft = 2400;
    int inputFrameTop = 2000;
    int inputFrameLeft = 5500;
    int resetButtonTop = 2200;
    int resetButtonLeft = 10000;
    int resultsFrameGap = 0;     // space between the upper part and the results frame
    int resultsFrameHeight = 0;  // fixed results frame height (0: by the result count)
};

enum class UnitChange {
    Convert,     // every input converts by its dimension, so the member stays the same
    RelabelOnly  // only the unit captions change (the numbers mean whatever unit the user means)
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
// {{"W", "W1", "W2"}, "荷重"} gives "w1 : 荷重 N/mm" for the input w1, the unit that of the
// input's dimension.
struct LegendSymbol {
    std::vector<std::string> captions;  // upper-cased: "P", "W1"
    std::string meaning;                // "荷重"
};

// One line of the legend under the Reset button.
struct LegendLine {
    std::string symbol;   // the input caption as written: "w1"
    std::string meaning;  // "荷重"
    std::string unit;     // "N/mm"; empty for a pure number
    // "w1 : 荷重 N/mm" (a pure number ends in the blank: "n : 柱端定数 ").
    std::string text() const { return symbol + " : " + meaning + " " + unit; }
};

// A coefficient of a case's formulas that is not derived in the reference document, and where it
// comes from; or, without a case, an assumption of the whole program.
struct SourceNote {
    std::string caseCaption;  // the case whose formulas hold it ("" for the whole program)
    double coefficient = 0;   // the number as the formula holds it (0: a note without one)
    std::string text;
};

struct Program {
    std::string name;            // command-line name: "Beams", "cantilever", "Rahmen", "buckling", "Profilor"
    std::string id;              // lower-case identifier of its files: "beams" (structcalc-beams.desktop)
    std::string windowTitle;     // "Beams", "Cantilever", ...
    std::string desktopComment;  // one line for the desktop's program list
    std::string pictureObjectName = "Image1";  // object name of the case pictures ("Image1_0", ...)
    // Case buttons on the first page; a program with more cases has a second page for the rest.
    int casesPerPage = 10;
    std::string titleLine0;  // the first title line at the top of the window
    std::string titleLine1;  // the second title line
    // The window's size and the places of its parts, in layout units (15 to a pixel).
    int windowWidth = 14000;
    int windowHeight = 11000;
    std::vector<LayoutGroup> groups{LayoutGroup{}};
    int resultsFrameLeft = 2400;
    int chartLeft = 2200;
    int chartWidth = 9200;
    int pictureWidth = 2900;
    int pictureHeight = 2600;
    // Results frame height (layout units) by the number of result rows.
    std::function<int(int rows)> resultsFrameHeight;
    std::vector<CaseDef> cases;

    // The unit caption of a result row where the program writes its own (Profilor's table);
    // otherwise the caption of the row's dimension.
    std::function<std::string(int row, Units units)> unitLabel;
    // The symbols the legend under the Reset button explains, for the inputs of each case.
    std::vector<LegendSymbol> legend;

    UnitChange unitChange = UnitChange::Convert;
    bool forceUnits = true;  // the window offers N and kN beside the length units
    // The program describes any member: its one case holds the length, E, I and a point of
    // interest as inputs, and the member editor's tables (membertables.h) the rest; its rows
    // are the solved member's (memberresults.h), as many as the member has supports.
    bool memberEditor = false;
    // The cross-section shapes a member may name instead of typing I and Z (the section
    // program's cases: their inputs the dimensions, their rows I and the section moduli).
    std::vector<CaseDef> sectionShapes;
    StartupReset startupReset = StartupReset::None;

    // The sources and assumptions the reference document gives: general notes first, then one
    // per coefficient.
    std::vector<SourceNote> sourceNotes;

    std::string helpFile;                // "Beams.pdf"
    std::string helpMessageTitle;        // "Beams Message"
    std::string errorPrefix;             // "Error : "
    unsigned programColor = 0x00C08040;  // decoration colour, 0x00BBGGRR

    int caseCount() const { return static_cast<int>(cases.size()); }
    bool hasPages() const { return caseCount() > casesPerPage; }
    // The button page of a case (0 or 1) and the first case of a page.
    int pageOf(int caseIndex) const { return hasPages() && caseIndex >= casesPerPage ? 1 : 0; }
    int firstCaseOf(int page) const { return page > 0 && hasPages() ? casesPerPage : 0; }
    // The unit caption of result row `row` of a case.
    std::string rowUnit(const CaseDef &definition, int row, Units units) const;
};

// The legend of the beam programs: loads P (N), w, w1, w2 (line load) and M (moment), the
// elastic modulus E and the second moment I.
std::vector<LegendSymbol> beamLegend();
// The assumptions of the beam programs, the first of their source notes.
SourceNote beamTheoryNote();

// The legend lines of a case in a unit system, top to bottom: one for every input (in the
// case's legend order) whose caption the program's legend explains.
std::vector<LegendLine> legendLines(const Program &program, const CaseDef &definition, Units units);

// One evaluation of a case, as the window, the command line and the reference document all
// make it: an input that is not a finite number or lies nearer 0 than the normal range of a
// double (a number with fewer digits than the others), or the first condition of the domain
// that does not hold, rejects the inputs (and leaves `values` empty) with the field and the
// reason; otherwise every row in order, with why each row that has no finite value has none,
// the rows taken outside their formula's range, and the advisories whose condition holds.
struct Evaluation {
    bool rejected = false;
    int field = -1;         // the input the reason is about
    std::string reason;     // "a must lie between 0 and l", "E is too large a number"
    std::vector<int> read;  // every input the refusing condition reads (a and l for the reason above)
    std::vector<double> values;
    // Per row, the reason of its range where the row lies outside it, else "". Empty where every
    // row lies inside (so that a case without ranges costs nothing).
    std::vector<std::string> outsideRange;
    // Per row: "" where its value is a finite number, otherwise why not:
    // "too large to compute (beyond 1.8e308)".
    std::vector<std::string> rowReasons;
    std::vector<std::string> advisories;
    // The reason row `r` is outside its formula's range; "" where it is inside.
    const std::string &outsideRangeOf(int row) const;
};

// Why a formula gives no finite number for these inputs, from the first operation (in the order
// it is evaluated) whose operands are finite but whose result is not; rows it reads give their
// own reasons. "" where the value is finite.
//   (P × a) × b with P = 1e305, a = 30, b = 70 -> "too large to compute (beyond 1.8e308)"
std::string whyNotFinite(const Expr &formula, const EvalContext &context, const std::vector<std::string> &rowReasons);

// An input nearer 0 than the smallest normal double (2.2e-308) but not 0: "P is too small a
// number (nearer 0 than 2.2e-308)".
std::string tooSmallReason(const std::string &caption);
Evaluation evaluate(const CaseDef &definition, const std::vector<double> &inputs, Units units = CatalogueUnits);
std::vector<double> startValues(const CaseDef &definition);

// What the followers of the given inputs did: the inputs they changed, in order, and the words
// the status bar gives them ("b changed to 60 (b = l − a)"); or the refusal of a follower that
// would be negative, with the given input it marks.
struct Following {
    std::vector<int> changed;
    std::string note;
    bool refused = false;
    int field = -1;      // the given input that leads the follower
    int blocked = -1;    // the follower that could not follow
    std::string reason;  // "b = l − a would be negative"
};
// Lets every follower of the `given` inputs that is not given itself take its value, in place,
// in the units the inputs are written in. A given input that is not a finite number leads
// nothing (the entry check refuses it); a follower that would be negative is left as it was and
// refuses the inputs (see the evaluation below). `given` in the order the inputs were given; the
// last one leading a refused follower is the field marked.
Following follow(const CaseDef &definition, std::vector<double> &inputs, const std::vector<int> &given,
                 Units units = CatalogueUnits);
// The evaluation of inputs whose followers have followed. Where one could not, the inputs are
// refused: for the first condition that does not hold where it is not about that follower
// ("l must be greater than 0"), else for the follower ("b = l − a would be negative").
Evaluation evaluate(const CaseDef &definition, const std::vector<double> &inputs, const Following &following,
                    Units units = CatalogueUnits);

}  // namespace shell
