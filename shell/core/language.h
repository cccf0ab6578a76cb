#pragma once

// The language the family's texts are read in. Every text is written once in the family's own
// mix: the names of results and loads in Japanese ("反力 (RA)", "荷重"), everything else in
// English. A front end that shows one whole language installs a translation, which the shell
// asks for every text it hands out; without one (structcalc without --lang) every text is shown
// exactly as written, so that scripts reading it see the same bytes.
//
//     shell::installTranslation(&lookUp);              // the window's or structcalc's
//     shell::translatedCaption("反力 (RA)");           // "Reaction (RA)" in English
//
// The translation is looked up by a context and the text as written: "Caption" holds the names
// of results and of what the inputs are (反力, 荷重), "Meaning" what a row means, "Reason" why an
// input is refused.

#include "mechanics/outcome.h"

#include <optional>
#include <string>
#include <vector>

namespace shell {

// The two whole languages a user can choose.
enum class Language { Japanese, English };

// "ja" and "en", as --lang and the settings name them.
const char *languageCode(Language language);
std::optional<Language> languageOfCode(const std::string &code);

// The translation of `text` in `context`; the text itself where there is none.
using Translation = std::string (*)(const char *context, const std::string &text);

// Sets the translation every text goes through, into `language`; nullptr for the texts as
// written.
void installTranslation(Translation translation, std::optional<Language> language = std::nullopt);
// The translation installed (handed to the libraries opened on demand) and its language;
// nullptr and none for the texts as written.
Translation installedTranslation();
std::optional<Language> installedLanguage();

// The handbook of a program in the language installed: "Beams.pdf" as written and in
// Japanese, "Beams.en.pdf" in English.
std::string helpFileIn(const std::string &helpFile, std::optional<Language> language);

std::string translated(const char *context, const std::string &text);

// A text with places %1 to %9, translated as the pattern it is and then filled in: the
// arguments (numbers, units, symbols) are never translated themselves.
//
//     translatedPattern("Text", "largest %1 at x = %2", {"2.006e-02 mm", "44.92 mm"})
std::string translatedPattern(const char *context, const std::string &pattern,
                              const std::vector<std::string> &arguments);

// A reason of the solver in the context "Reason": its pattern and phrases translated, its
// numbers and symbols kept. As written where no translation is installed.
std::string translatedMessage(const mechanics::Message &message);

// A caption "name (symbol)" with its name translated and its symbol kept: "反力 (RA)" reads
// "Reaction (RA)" in English. A caption without a symbol is translated whole.
// A case's caption ("Beam (3)") is translated the same way in the context "Case".
std::string translatedCaption(const std::string &caption, const char *context = "Caption");

}  // namespace shell
