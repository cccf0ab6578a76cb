#pragma once

// Libraries of the family opened only when a command needs them: the calculation sheet's writer
// (Qt painting and the PDF finishing) and the printer dialog are not loaded by a program that
// never writes a sheet, so that neither the command line nor a window pays for them at start.
//
//     std::string problem;
//     const auto write = reinterpret_cast<WriteSheetEntry>(
//         shell::librarySymbol("libstructcalc-sheet.so", "structcalc_write_sheet", {}, problem));
//
// A library is looked for by an absolute path only: in the folder of the running executable (as
// the kernel names it in /proc/self/exe, links resolved), then in each of `alsoIn`, folders
// relative to that one ("../lib/structcalc" for a program installed in bin/). Never through a
// search path, and never where a file or the environment says.

#include <string>
#include <vector>

namespace shell {

// The folder of the running executable: "/usr/lib/x86_64-linux-gnu/structcalc"; "" where it
// cannot be read.
std::string executableFolder();

// The address of `symbol` in the library `fileName`, opened once and kept for the life of the
// process; nullptr where the library cannot be found or opened or lacks the symbol, with the
// reason in `problem` ("/usr/lib/structcalc/libstructcalc-sheet.so: cannot open shared object
// file: No such file or directory").
void *librarySymbol(const std::string &fileName, const char *symbol, const std::vector<std::string> &alsoIn,
                    std::string &problem);

}  // namespace shell
