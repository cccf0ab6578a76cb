// The entries of libstructcalc-language.so (see shell/core/languagelibrary.h).

#include "shell/core/languagelibrary.h"
#include "shell/language/translator.h"

extern "C" {

bool structcalc_load_language(const char *code)
{
    const std::optional<shell::Language> language = shell::languageOfCode(code);
    return language && language::load(*language);
}

void structcalc_translate(const char *context, const std::string &text, std::string &translation)
{
    translation = language::translate(context, text);
}

}  // extern "C"
