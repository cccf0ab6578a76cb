#include "cli/sheetoutput.h"

#include "cli/jsontext.h"
#include "shell/sheet/sheetlibrary.h"

#include <ctime>

namespace structcalc {

namespace {

// Today's date where the sheet is made: "2024-05-01".
std::string today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    return std::strftime(text, sizeof text, "%Y-%m-%d", &local) > 0 ? std::string(text) : std::string();
}

}  // namespace

std::string writeSheetFile(const shell::ShellModel &model, const std::string &path, const std::string &version)
{
    // The writer lies beside structcalc in the build, and in the programs' folder when installed.
    const sheet::SheetAnswer written =
        sheet::writeSheetFile({&model, today(), version}, path, {STRUCTCALC_PROGRAM_FOLDER});
    if (written.ok)
        return {};
    if (written.named.empty())
        return wording("cannot write %1: %2", {userText(path, MostShownPath), visibleText(written.error)});
    // One line, and the file named as the command line's other messages name it: its bytes escaped.
    std::string problem = visibleText(written.error);
    const std::string named = visibleText(written.named);
    if (const std::size_t at = problem.find(named); at != std::string::npos)
        problem.replace(at, named.size(), userText(path, MostShownPath));
    return problem;
}

}  // namespace structcalc
