#pragma once

// The programs of the family, in the order they are made in the build: the one list that the
// command line, the reference writer, the file writer and the tests read.
//
//     const shell::Program *p = registry::find("profilor");  // the Profilor program value
//
// A program's catalogue is built the first time it is asked for.

#include "shell/core/catalogue.h"
#include "shell/core/savedcalculation.h"

#include <string>
#include <string_view>
#include <vector>

namespace registry {

struct Entry {
    const char *name;                    // the name it is started with: "Beams", "cantilever", ...
    const shell::Program &(*program)();  // builds the program value on first use
};

// Every program, in order.
const std::vector<Entry> &entries();
// Every program value, in order (builds them all).
std::vector<const shell::Program *> programs();
// The program started as `name`, compared without regard to case, built on its own; nullptr
// when there is none.
const shell::Program *find(const std::string &name);
// "Beams, cantilever, Rahmen, buckling or Profilor".
std::string namesInWords();

// A saved calculation's file text with the program it belongs to: read, its program found by the
// name the file gives (exactly as a program is named) and checked against that program's
// catalogue. `program` is null where the file is refused, and `error` says why:
//   "it is a calculation of \"Frames\", a program structcalc does not know (Beams, cantilever, ...)"
struct OpenedCalculation {
    const shell::Program *program = nullptr;
    shell::SavedCalculation calculation;
    std::string error;
};
OpenedCalculation readCalculation(std::string_view text);

}  // namespace registry
