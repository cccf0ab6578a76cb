#pragma once

// A calculation as an engineer keeps it: a small JSON file (".structcalc.json") that holds the
// case on display with every input and step text as typed, its unit system, the ticked rows, the
// look of the chart area, the colours, and the names a calculation sheet is headed with.
//
//     {
//       "format": "structcalc calculation",
//       "version": 1,
//       "program": "Beams",
//       "case": 1,
//       "caption": "Beam (1)",
//       "units": {"length": "mm", "force": "N"},
//       "inputs": [{"name": "P", "text": "100", "step": "1"}, ...],
//       "ticked": [true, false, ...],
//       "chart": {"type": "2D Bar", "logScale": false, "view": "results", "slope": false},
//       "colours": {"plot": "#FF0000", "program": "#4080C0"},
//       "names": {"project": "Hall 3", "member": "Beam B12", "engineer": "A. Sato"}
//     }
//
// The reader is strict: a file that is not UTF-8, not JSON, of another kind or another format
// version, with a field missing, unknown, given twice or of the wrong type, or with a text no
// field of the window could hold, is refused with one message that says what is wrong and
// where. Whether the calculation fits a program (its case, inputs and rows) is a second check,
// made with the program's catalogue.

#include "shell/core/catalogue.h"
#include "shell/core/chartchoice.h"
#include "shell/core/membertables.h"
#include "shell/core/units.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// The names a calculation sheet is headed with.
struct CalculationNames {
    std::string project;
    std::string member;
    std::string engineer;
    bool operator==(const CalculationNames &other) const
    {
        return project == other.project && member == other.member && engineer == other.engineer;
    }
};

// One input of the case: its caption (a guard against a file of another catalogue) and the
// texts of its field and of its step field, exactly as the window holds them.
struct SavedInput {
    std::string caption;
    std::string text;
    std::string step;
    bool operator==(const SavedInput &other) const
    {
        return caption == other.caption && text == other.text && step == other.step;
    }
};

struct SavedCalculation {
    std::string program;      // "Beams": the name it is started with
    int caseNumber = 1;       // the number on its case button: "Beam (3)" is 3
    std::string caseCaption;  // "Beam (3)"
    Units units;              // the units the input texts are written in
    std::vector<SavedInput> inputs;
    std::vector<bool> ticked;  // one per result row of the case
    ChartType chartType = ChartType::Bar2D;
    bool logScale = false;
    ChartArea view = ChartArea::Results;
    bool showSlope = false;
    unsigned plotColor = 0x000000FF;     // 0x00BBGGRR
    unsigned programColor = 0x00C08040;  // 0x00BBGGRR
    CalculationNames names;
    // The tables of a program that describes any member (none for the others).
    std::optional<MemberTables> member;
    // The quantity whose influence line the member's window shows: "M", "V", "R2", ...
    std::string influence = "M";
    // The combination the Envelope view shows alone, by its name; "" for the envelope over all.
    std::string envelopeOf;

    bool operator==(const SavedCalculation &other) const;
    bool operator!=(const SavedCalculation &other) const { return !(*this == other); }
};

// The value of "format" and the version this reader reads (and the writer writes).
extern const char *const SavedCalculationFormat;
constexpr int SavedCalculationVersion = 1;
// The suffix of the files: "beam-b12.structcalc.json".
extern const char *const SavedCalculationSuffix;
// A saved calculation is a few kilobytes: a larger file is refused before it is parsed.
constexpr std::size_t SavedCalculationMaxBytes = 1 << 20;
// The longest text of a field, a step field or a name (bytes of UTF-8).
constexpr std::size_t SavedTextMaxBytes = 200;

struct SavedCalculationRead {
    bool ok = false;
    SavedCalculation calculation;  // only where ok
    // Why the file is refused, as a clause after "cannot open FILE: ":
    //   "it is not a structcalc calculation (a JSON file of another kind)"
    //   "it was written by a newer version of structcalc (format 2); this one reads format 1"
    //   "\"case\" must be a whole number, not a text"
    std::string error;
};

// The file's text as a saved calculation, or why it is not one. Never throws.
SavedCalculationRead readSavedCalculation(std::string_view text);

// The file's text: UTF-8 JSON, two-space indented, ending in a line feed.
std::string writeSavedCalculation(const SavedCalculation &calculation);

// A name as the sheet and the file take it, from what a user typed or a settings file held:
// line breaks, tabs and other control characters become blanks, bytes that are not UTF-8 are
// dropped, blanks at either end are trimmed, and a name longer than SavedTextMaxBytes is cut at a
// character boundary.
//     cleanName(" Hall 3\nEast ")  ->  "Hall 3 East"
std::string cleanName(std::string_view name);

// Whether the calculation fits `program`: its name, a case the program has (number and
// caption), the case's inputs in their order, one tick per result row, units the program offers,
// and texts every one of which the window can compute with (none too large a number for a
// double). "" where it fits; otherwise why not, in the reader's words:
//   "Beams has no case 25 (1 to 19)"
//   "Beam (1) has 5 inputs (P, a, l, E, I); the file gives 4"
//   "the text of input P of Beam (1) is too large a number: 1e999"
std::string checkSavedCalculation(const SavedCalculation &calculation, const Program &program);

}  // namespace shell
