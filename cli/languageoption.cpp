// --lang: the whole answer in one language, through the translations' library, opened for it
// alone (the command line links no Qt); without it every text is as written.

#include "cli/jsontext.h"
#include "cli/structcalc.h"

#include "shell/core/languagelibrary.h"

#include <ostream>

namespace structcalc {

int takeLanguage(const std::vector<std::string> &args, std::vector<std::string> &rest, std::ostream &err)
{
    std::optional<shell::Language> language;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg != "--lang" && arg.rfind("--lang=", 0) != 0) {
            rest.push_back(arg);
            continue;
        }
        const bool joined = arg.size() > 6;
        if (!joined && i + 1 == args.size()) {
            err << "structcalc: --lang needs ja or en\n";
            return UsageError;
        }
        const std::string code = joined ? arg.substr(7) : args[++i];
        language = shell::languageOfCode(code);
        if (!language) {
            err << "structcalc: --lang takes ja or en, not '" << visibleText(code) << "'\n";
            return UsageError;
        }
    }
    // Without --lang every text is as written, whatever an earlier run in this process chose.
    shell::installTranslation(nullptr);
    std::string problem;
    if (language && !language::installFromLibrary(*language, {STRUCTCALC_PROGRAM_FOLDER}, problem)) {
        err << "structcalc: --lang: " << problem << "\n";
        return UsageError;
    }
    return Computed;
}

}  // namespace structcalc
