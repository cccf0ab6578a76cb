#pragma once

// The reference document that Help opens beside each program ("Beams.pdf", ...): a handbook
// written from the program's own catalogue, so that it shows exactly the cases, inputs,
// domains and formulas the program evaluates. A title page gives the program's purpose,
// version, build date and sign convention and the contents (linked, and an outline of
// bookmarks); then each case has a section of its own: its picture, its inputs with their
// units, its domain in words, the named intermediate values and every result row with its
// meaning, its typeset formula and its value worked at the start values; last the sources of
// the coefficients and the assumptions.
//
// Painting needs a QGuiApplication (the offscreen platform will do).

#include "shell/core/catalogue.h"
#include "shell/sheet/handbook.h"

#include <QString>

#include <string>
#include <vector>

namespace sheet {

struct WriteResult {
    bool ok = false;
    int pages = 0;
    QString error;              // why the file could not be written
    std::vector<int> sections;  // the page (from 1) each section starts on: the cases, then the sources
};

// Writes the reference document of `program` as a PDF file at `path`, stamped with `info`.
WriteResult writeReference(const shell::Program &program, const QString &path, const DocumentInfo &info);

}  // namespace sheet
