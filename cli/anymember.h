#pragma once

// structcalc Member --member FILE|- [--unit UNITS] [--raw] [--json] [--diagram [--points N]]
//                   [--influence QUANTITY@X | --train TRAIN]
// structcalc Member --batch FILE|- [--unit UNITS] [--raw]
//
// Any straight member, read as a member description (shell/core/memberdescription.h) in the
// units of --unit (mm and N where not given), solved exactly. Rows: each support's reaction
// force (and moment where it holds the slope), the largest and smallest V, M and δ with the
// first position where each is attained, and the slopes at both ends.
//
//     $ structcalc Member --member two-spans.json      (two spans of 4000 mm, w = 10 N/mm)
//     反力 (R1)	1.500e+04	N
//     ...
//     最小曲げモーメント (Mmin)	-2.000e+07	N･mm	x = 4000 mm
//
// --influence answers an influence line instead of the rows; --train the envelope of M and V under a
// moving load train (cli/trainoutput.h).
//
// --batch reads JSON Lines, one description a line, and writes one JSON object a line (a line
// refused: "rejected": true and the reason). Exit status as the other programs: 0 solved, 2 usage
// or input that cannot be read, 3 a member refused (in a batch: any line refused).

#include "shell/core/catalogue.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace structcalc {

// `args` after the name of `program`, a program that describes any member (Program::memberEditor).
int runMember(const shell::Program &program, const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
              std::istream *in);

}  // namespace structcalc
