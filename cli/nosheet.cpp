// The command line of the fuzz build, which has no Qt: the arguments are read as everywhere,
// and a calculation sheet, if asked for, is refused rather than written into the fuzzer's files.

#include "cli/jsontext.h"
#include "cli/sheetoutput.h"

namespace structcalc {

std::string writeSheetFile(const shell::ShellModel &, const std::string &path, const std::string &)
{
    return wording("cannot write %1: %2",
                   {userText(path, MostShownPath), wording("this build writes no calculation sheets")});
}

}  // namespace structcalc
