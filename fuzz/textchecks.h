#pragma once

// What every text the programs show must be: printable UTF-8 (tabs and line feeds allowed,
// carriage returns where asked for), and never a spelled-out non-number ("nan", "inf",
// "infinity" as a word, in any case).
//
//     textFault("8.333e+02", false) -> ""
//     textFault("-inf", false)      -> "'-inf' spells a non-number"

#include <string>
#include <string_view>

namespace fuzzing {

// "" where the text is fine, else what is wrong with it.
std::string textFault(std::string_view text, bool carriageReturns);

}  // namespace fuzzing
