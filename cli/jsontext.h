#pragma once

// Texts of the command line's answers: JSON strings escaped, numbers in the shortest form that
// reads back as the same double, and the user's texts quoted in messages on one line.
//
//     jsonString("a \"b\"") -> "\"a \\\"b\\\"\"",  jsonNumber(0.1) -> "0.1",  jsonNumber(NaN) -> "null"
//     visibleText("multi\nline") -> "multi\\nline",  visibleText("\xFF") -> "\\xFF"

#include "shell/core/units.h"

#include <cstddef>
#include <string>
#include <vector>

namespace structcalc {

std::string jsonString(const std::string &s);
// A text as a message quotes it: control characters and bytes that are not UTF-8 written as the
// escapes \n, \r, \t and \xNN, so that a message and a CSV status stay one line of text whatever
// the user's text holds.
std::string visibleText(const std::string &s);
// The user's text in a message: visible, and where it is longer than `most` characters, its
// start and its length: "aaaa… (120000 bytes)". A file name may be longer than a value.
constexpr std::size_t MostShown = 100;
constexpr std::size_t MostShownPath = 400;
std::string userText(const std::string &s, std::size_t most = MostShown);
// The shortest text that reads back as the same double; null where there is no number.
std::string jsonNumber(double value);

// What --unit says of `units` it cannot read: "--unit names two length units in 'm,cm'",
// "unknown unit 'ft' (mm, cm or m; N or kN)"; "" where there is no problem.
std::string unitProblem(const std::string &units, const shell::UnitWordsProblem &problem);

// The command line's own words in the language of --lang: written in English, as scripts read
// them without it, and translated in the context "Text" where --lang installed a translation.
// A pattern's places %1 to %9 take `arguments` (numbers, names, files, the user's text) as they
// are: "unknown program '%1'".
std::string wording(const std::string &text);
std::string wording(const std::string &pattern, const std::vector<std::string> &arguments);

}  // namespace structcalc
