#pragma once

// The reference document that Help opens beside each program ("Beams.pdf", ...): written
// from the program's own catalogue, so that it shows exactly the cases, inputs, entry checks
// and formulas the program evaluates. A title page lists the cases; then each case has a
// section of its own: its picture, its inputs, its entry check in words, the named
// intermediate values and every result row with its formula and its value at the start values.
//
// Painting needs a QGuiApplication (the offscreen platform will do).

#include "shell/core/catalogue.h"

#include <QString>

#include <string>
#include <vector>

namespace refdoc {

struct WriteResult {
    bool ok = false;
    int pages = 0;
    QString error;  // why the file could not be written
};

// Writes the reference document of `program` as a PDF file at `path`.
WriteResult writeReference(const shell::Program &program, const QString &path);

}  // namespace refdoc
