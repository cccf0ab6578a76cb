#pragma once

// Texts of the command line's answers: JSON strings escaped, numbers in the shortest form that
// reads back as the same double, and the user's texts quoted in messages on one line.
//
//     jsonString("a \"b\"") -> "\"a \\\"b\\\"\"",  jsonNumber(0.1) -> "0.1",  jsonNumber(NaN) -> "null"
//     visibleText("multi\nline") -> "multi\\nline"

#include <string>

namespace structcalc {

std::string jsonString(const std::string &s);
// A text as a message quotes it: control characters written as the escapes \n, \r, \t and
// \xNN, so that a message and a CSV status stay one line whatever the user's text holds.
std::string visibleText(const std::string &s);
// The shortest text that reads back as the same double; null where there is no number.
std::string jsonNumber(double value);

}  // namespace structcalc
