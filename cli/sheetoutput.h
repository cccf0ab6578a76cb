#pragma once

// structcalc ... --sheet out.pdf: the calculation sheet of the case as computed, written without
// a display. The sheet's writer is a library loaded for the sheet alone (Qt Gui paints it on its
// offscreen platform, qpdf finishes it), so that every other run of structcalc loads no Qt at all.

#include <string>

namespace shell {
class ShellModel;
}

namespace structcalc {

// Writes the sheet of the case on display, dated today and headed with the model's names; ""
// where it is written, otherwise why not, as one line of a message ("cannot write
// /nowhere/out.pdf: there is no such folder").
std::string writeSheetFile(const shell::ShellModel &model, const std::string &path, const std::string &version);

}  // namespace structcalc
