#pragma once

// The calculation sheet of one case: what an engineer hands in with a member, on one or two A4
// pages. A header with the project, member and engineer, the date and the program's version;
// the case title, its sketch drawn to the inputs and every input with its value and unit; the
// domain in which the case applies and whether the inputs lie inside; the sign convention;
// the constants and named intermediates; every result row with its meaning, its typeset formula,
// the same worked with the inputs, its value and unit; the notes the window shows; and the
// member's diagrams for these inputs. The same blocks as the handbook's case pages, worked with
// the inputs on display in their units.
//
//     const sheet::SheetResult written =
//         sheet::writeSheet(path, sheet::sheetCase(model), sheet::sheetHeader(model.names(), date, version));
//
// Painting needs a QGuiApplication (the offscreen platform will do).

#include "shell/core/catalogue.h"
#include "shell/core/savedcalculation.h"
#include "shell/sheet/pagelayout.h"

#include <QString>

#include <string>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;

namespace shell {
class ShellModel;
}

namespace sheet {

struct SheetHeader {
    std::string project;
    std::string member;
    std::string engineer;
    std::string date;     // "2024-05-01": the day the sheet is made
    std::string version;  // the program's: "1.0"
};

// The case a sheet is of, with its inputs as the window computes them.
struct SheetCase {
    const shell::Program *program = nullptr;
    int caseIndex = 0;
    std::vector<double> inputs;  // the numbers of the fields, written in `units`
    shell::Units units;
    // A reason of the window's own to refuse the inputs ("P cannot be written in kN"); empty
    // where the case's entry check alone judges them.
    std::string refusal;
    // Any member as the window last accepted it (a program that describes any member).
    std::optional<shell::MemberDescription> member;
};

// The case on display in the window, its inputs in the units they are written in; where the
// window refuses them, the sheet shows the formulas and the window's reason.
SheetCase sheetCase(const shell::ShellModel &model);
SheetHeader sheetHeader(const shell::CalculationNames &names, const std::string &date, const std::string &version);

struct SheetResult {
    bool ok = false;
    int pages = 0;
    QString error;  // why the sheet could not be written
};

// The sheet's pages laid out for a device (its resolution and page size): the number of pages
// without painting them.
int sheetPageCount(const SheetCase &sheet, const SheetHeader &header, const QPaintDevice &device,
                   const PageGeometry &geometry);

// Paints the sheet onto a paged device (a PDF writer, a printer): asks for A4 without margins
// and lays the pages out for the paper the device has.
SheetResult paintSheet(QPagedPaintDevice &device, const SheetCase &sheet, const SheetHeader &header);

// Writes the sheet as a PDF file whose text can be searched and copied: only a regular file (a
// symbolic link's target), written whole through a temporary file or not at all, so that a
// failure keeps the old file. The error says which step failed and why: "cannot write F: it is a
// folder", "cannot write F: No space left on device".
SheetResult writeSheet(const QString &path, const SheetCase &sheet, const SheetHeader &header);
// The same to a file name in the system's bytes, as a command line gives it.
SheetResult writeSheet(const std::string &path, const SheetCase &sheet, const SheetHeader &header);

}  // namespace sheet
