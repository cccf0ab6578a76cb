// The command line of the fuzz build, which has no Qt: the arguments are read as everywhere,
// and a calculation sheet, if asked for, is refused rather than written into the fuzzer's files.

#include "cli/jsontext.h"
#include "cli/sheetoutput.h"

namespace structcalc {

std::string writeSheetFile(const shell::ShellModel &, const std::string &path, const std::string &)
{
    return "cannot write " + userText(path, MostShownPath) + ": this build writes no calculation sheets";
}

}  // namespace structcalc
