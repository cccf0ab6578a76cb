// Opens libstructcalc-language.so and installs its translation as the shell's (languagelibrary.h).

#include "shell/core/languagelibrary.h"

namespace language {

namespace {

TranslateEntry opened = nullptr;

std::string throughLibrary(const char *context, const std::string &text)
{
    std::string translation;
    opened(context, text, translation);
    return translation;
}

}  // namespace

bool installFromLibrary(shell::Language language, const std::vector<std::string> &alsoIn, std::string &problem)
{
    const auto load = reinterpret_cast<LoadEntry>(shell::librarySymbol(LibraryFile, LoadEntryName, alsoIn, problem));
    const auto translate =
        load ? reinterpret_cast<TranslateEntry>(shell::librarySymbol(LibraryFile, TranslateEntryName, alsoIn, problem))
             : nullptr;
    if (!translate)
        return false;
    if (!load(shell::languageCode(language))) {
        problem = std::string("the translation into ") +
                  (language == shell::Language::Japanese ? "Japanese" : "English") + " cannot be read";
        return false;
    }
    opened = translate;
    shell::installTranslation(&throughLibrary, language);
    return true;
}

}  // namespace language
