#pragma once

// structcalc ... --sheet out.pdf: the calculation sheet of the case as computed, written without
// a display. Qt Gui paints it on its offscreen platform, started here only for the sheet, so that
// every other run of structcalc starts no Qt at all.

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
