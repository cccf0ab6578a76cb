#pragma once

// The translations as a library opened by the command line for --lang alone, so that structcalc
// without it loads no Qt: libstructcalc-language.so, beside the programs. This header holds no
// Qt.
//
//     std::string problem;
//     if (!language::installFromLibrary(shell::Language::English, alsoIn, problem)) ...

#include "shell/core/language.h"
#include "shell/core/ondemand.h"

#include <string>
#include <vector>

namespace language {

inline constexpr const char *LibraryFile = "libstructcalc-language.so";
// Loads a language ("ja", "en"); false where its translation cannot be read.
using LoadEntry = bool (*)(const char *code);
// The translation of `text` in `context` into `translation` (the text itself where none).
using TranslateEntry = void (*)(const char *context, const std::string &text, std::string &translation);
inline constexpr const char *LoadEntryName = "structcalc_load_language";
inline constexpr const char *TranslateEntryName = "structcalc_translate";

// The library's translation of `language` installed as the shell's; false with the reason in
// `problem` where the library or its translation cannot be loaded.
bool installFromLibrary(shell::Language language, const std::vector<std::string> &alsoIn, std::string &problem);

}  // namespace language
