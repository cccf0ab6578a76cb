#pragma once

// structcalc PROGRAM --batch [FILE|-]: one calculation per line of a CSV file.
//
//     case,P,a,l                      ->   case,P,a,l,RA,RB,...,status,notes
//     1,100,30,100                         ,N,mm,mm,N,N,...,,
//     1,100,150,100                        1,100,30,100,7.000e+01,3.000e+01,...,ok,
//                                          1,100,150,100,,,...,rejected: a must lie between 0 and l,
//
// The header names the column `case` and input captions of the program (any case's); an input
// a line leaves empty, or a column the line's case does not have, takes the case's start value.
// The output repeats the input columns, then one column per result row of the program (its
// symbol; empty where the line's case has no such row), then `status` and `notes` (each row
// outside its formula's range with the reason: "σk: the wrought-iron formula holds for λ up to
// 112; Euler applies beyond"); a second header line gives the unit of each column where every
// case agrees on it. With JSON, one object per line instead (a row outside its range with
// "outsideRange"). Lines are read and written one at a time: any length of input in constant memory.
// An input cell written back that a spreadsheet would run as a formula (=, +, -, @, a tab or a
// carriage return first, and not a number) is written with a leading apostrophe.

#include "shell/core/catalogue.h"

#include <cstddef>
#include <iosfwd>
#include <string>

namespace structcalc {

struct BatchOptions {
    shell::Units units = shell::CatalogueUnits;    // the inputs are read and the results written in them
    bool raw = false;                              // full precision instead of the window's format
    bool json = false;                             // JSON lines instead of CSV
    std::string inputName = "the standard input";  // as messages name the input
};

// A record (a line, with the lines a quoted field runs on over) longer than this is refused
// with its line number, and the batch goes on at the next line; its fields beyond MostFields
// are not read.
constexpr std::size_t MostRecordBytes = 1 << 20;
constexpr std::size_t MostFields = 1024;

// Exit status: 0 every line computed, 3 a line refused or not understood (each reported on
// `err` with its line number), 2 a header that cannot be read, an input that cannot be read or
// is not text (a NUL byte).
int runBatch(const shell::Program &program, std::istream &in, std::ostream &out, std::ostream &err,
             const BatchOptions &options);

}  // namespace structcalc
