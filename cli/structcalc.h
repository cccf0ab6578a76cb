#pragma once

// structcalc PROGRAM CASE [NAME=VALUE ...] [--unit UNITS] [--raw] [--json] [--diagram [--points N]]
//            [--sheet OUT.pdf]
// structcalc --open FILE [--unit UNITS] [--raw] [--json] [--diagram [--points N]] [--sheet OUT.pdf]
// structcalc PROGRAM --batch [FILE|-] [--unit UNITS] [--raw] [--json]
// structcalc --list [PROGRAM [CASE]] | --help | --version
// --lang ja|en with any of them: the answer wholly in Japanese or English.
//
//     $ structcalc Profilor 1 a=20
//     断面積 (A)	2.000e+02	mm^2
//     ...
//
// Exit status: 0 computed, 2 usage error (also --diagram for a case without one, a saved
// calculation or a batch input that cannot be read, a sheet that cannot be written, and an
// answer that could not be written to `out`), 3 rejected by the case's entry check (or, with
// --diagram, a member the solver cannot solve).

#include <iosfwd>
#include <string>
#include <vector>

namespace structcalc {

enum ExitStatus { Computed = 0, UsageError = 2, Rejected = 3 };

// `in` is the standard input of a batch (std::cin where null).
int run(const std::vector<std::string> &args, std::ostream &out, std::ostream &err, std::istream *in = nullptr);

// The words of `args` without --lang ja|en (also --lang=ja) into `rest`, the language's
// translation installed; why not, for another language or one that cannot be loaded ("" where
// it is installed or none is asked for).
std::string takeLanguage(const std::vector<std::string> &args, std::vector<std::string> &rest);

}  // namespace structcalc
