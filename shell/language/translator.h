#pragma once

// The family's translations, built into this library from the .ts files beside it: one Qt
// translator holding the language chosen, looked up by context and the text as written.
//
//     language::load(shell::Language::English);
//     language::translate("Caption", "反力");   // "Reaction"
//
// The window installs the same translator into the application, so that its own texts (tr())
// follow it too; the command line opens this library only for --lang (shell/core/languagelibrary.h).

#include "shell/core/language.h"

#include <string>

class QTranslator;

namespace language {

// Loads the translation of `language` in place of the one before; false where it cannot be
// read (which leaves every text as written).
bool load(shell::Language language);

// The loaded translator, for the application to install.
QTranslator &translator();

// The translation of `text` in `context`; the text itself where the translation has none.
std::string translate(const char *context, const std::string &text);

}  // namespace language
