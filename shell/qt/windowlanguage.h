#pragma once

// The language of the windows, Japanese or English, installed for the whole application: the
// window's own texts (tr()) and the shell's (result names, meanings, notes) both follow it. A
// change sends every widget Qt's LanguageChange event, on which the window writes its texts
// again.
//
//     shell::useLanguage(shell::startLanguage(asked));

#include "shell/core/language.h"

#include <optional>

namespace shell {

// The language of a user's desktop: Japanese where its locale is Japanese, English otherwise.
Language systemLanguage();

// Installs `language` for the application and the shell.
void useLanguage(Language language);

// The language installed last; the system's before any.
Language languageInUse();

// No language: every text exactly as written (the family's mix), as the command line shows it
// without --lang and as the tests of the window expect it.
void useSourceTexts();

}  // namespace shell
