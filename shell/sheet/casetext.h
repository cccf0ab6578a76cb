#pragma once

// The words and numbers of one case as its reference pages and its calculation sheet print
// them, taken from the program's catalogue: the inputs with their values, steps and the units
// the program's legend gives them, the entry check in words, the named intermediate values, and
// every result row with its formula and its value worked with the inputs (the start values in
// mm and N for the handbook, the inputs on display in their units for a sheet). No painting here.
//
// For "Beam (1)" with P = 100, a = 30, l = 100 the first result reads
//     caption "反力 (RA)", unit "N", symbol "RA", formula "(P × (l − a)) / l",
//     worked "(100 × (100 − 30)) / 100", value "70", shown "7.000e+01".
// The same case with P = 0.25, a = 0.04, l = 0.1 in m and kN reads unit "kN",
// worked "(0.25 × (0.1 − 0.04)) / 0.1", value "0.15".

#include "shell/core/catalogue.h"
#include "shell/core/memberdescription.h"

#include <optional>
#include <string>
#include <vector>

namespace sheet {

// The units the reference pages are written in: mm and N, those every program starts in.
constexpr shell::Units DocumentUnits = shell::CatalogueUnits;

struct InputLine {
    std::string caption;
    std::string value;    // general number text of the value worked with; empty where it is not finite
    std::string step;     // the catalogue's step, in the same units
    std::string unit;     // the unit of its dimension; empty for a pure number
    std::string meaning;  // the legend's word for it ("荷重", "弾性係数"); may be empty
};

// A named intermediate: b = l − a = 100 − 30 = 70.
struct DefinitionLine {
    shell::Expr expression;  // the definition, for typesetting
    std::string name;
    std::string formula;
    std::string worked;
    std::string value;
};

// A constant the formulas name (the column formula's a = 761 N/mm², π = 3.141592).
struct ConstantLine {
    std::string name;
    std::string value;  // as a worked line writes it: "7 × 10⁻⁵"
    std::string unit;   // the unit of its dimension in the text's units; empty for a pure number
};

struct ResultLine {
    shell::Expr expression;  // the formula printed (a named value's definition), for typesetting
    std::string caption;     // "反力 (RA)"
    std::string unit;        // the row's unit caption in the text's unit system
    std::string symbol;      // "RA" (the caption itself where it has no symbol)
    std::string meaning;     // what the quantity is, where it is taken, its sign
    std::string formula;     // a row that is a named value shows that value's definition
    std::string worked;      // the formula with the inputs substituted; empty when rejected
    std::string value;       // general number text; empty when rejected or not finite
    std::string shown;       // as the window shows it by default ("#.000e+00"); empty when not finite
    // Beside a row that claims the member's largest value but is not it, the member's true extreme
    // as the window shows it ("largest 2.006e-02 mm at x = 44.92 mm"); empty elsewhere.
    std::string largest;
    // Where the value lies outside its formula's range, why; empty where it lies inside.
    std::string outsideRange;
    std::string reason;  // why it is not finite: "too large to compute (beyond 1.8e308)"
};

struct AdvisoryLine {
    shell::Expr expression;  // the condition; null where the note has none
    std::string text;
    std::string condition;
    bool holds = false;  // for the inputs worked with: the window shows the note
};

struct CaseText {
    std::string caption;
    std::string title;  // the case in words
    std::vector<InputLine> inputs;
    std::vector<std::string> domain;  // the reasons of the domain, in order: "l must be greater than 0"
    bool rejected = false;            // the inputs fail the entry check: the window refuses them
    std::string rejection;            // why ("a must lie between 0 and l")
    std::vector<ConstantLine> constants;
    std::vector<DefinitionLine> definitions;
    std::vector<ResultLine> results;
    std::vector<AdvisoryLine> advisories;
    // The units the captions and numbers are written in, and those the formulas take the inputs
    // in: the same, but for a program that only relabels its units (it computes in mm and N
    // whatever the captions say).
    shell::Units units = DocumentUnits;
    shell::Units evaluationUnits = DocumentUnits;
    // The numbers the lines are worked with: the inputs and the rows they give.
    std::vector<double> inputValues;
    std::vector<double> rowValues;
    // Any member as the window last accepted it, in `units`: its sketch, rows and diagrams are
    // the solved member's.
    std::optional<shell::MemberDescription> member;
    shell::EvalContext context() const { return {&inputValues, &rowValues, evaluationUnits}; }
};

// The case at its start values, in mm and N: the handbook's page.
CaseText describeCase(const shell::Program &program, int caseIndex);
// The case worked with `inputs` written in `units`, as the window computes them.
CaseText describeCase(const shell::Program &program, int caseIndex, const std::vector<double> &inputs,
                      shell::Units units);

// Inputs the window refuses for a reason of its own (a number it cannot bring into its units):
// every line keeps its formula and loses its worked value.
void markRefused(CaseText &text, const std::string &reason);

// The domain in words: the reasons joined by "; ", or "No entry check" for a case without one.
std::string entryCheckText(const shell::CaseDef &definition);

}  // namespace sheet
