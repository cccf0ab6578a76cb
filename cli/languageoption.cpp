// --lang: the whole answer in one language, through the translations' library, opened for it
// alone (the command line links no Qt); without it every text is as written.

#include "cli/jsontext.h"
#include "cli/structcalc.h"

#include "shell/core/languagelibrary.h"

namespace structcalc {

std::string takeLanguage(const std::vector<std::string> &args, std::vector<std::string> &rest)
{
    // Without --lang every text is as written, whatever an earlier run in this process chose; so
    // are --lang's own refusals, said before the language is known.
    shell::installTranslation(nullptr);
    std::optional<shell::Language> language;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg != "--lang" && arg.rfind("--lang=", 0) != 0) {
            rest.push_back(arg);
            continue;
        }
        const bool joined = arg.size() > 6;
        if (!joined && i + 1 == args.size())
            return "--lang needs ja or en";
        const std::string code = joined ? arg.substr(7) : args[++i];
        language = shell::languageOfCode(code);
        if (!language)
            return "--lang takes ja or en, not '" + visibleText(code) + "'";
    }
    std::string problem;
    if (language && !language::installFromLibrary(*language, {STRUCTCALC_PROGRAM_FOLDER}, problem))
        return "--lang: " + problem;
    return {};
}

}  // namespace structcalc
