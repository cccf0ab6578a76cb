#pragma once

// JSON texts of the command line's answers: strings escaped, numbers in the shortest form that
// reads back as the same double.
//
//     jsonString("a \"b\"") -> "\"a \\\"b\\\"\"",  jsonNumber(0.1) -> "0.1",  jsonNumber(NaN) -> "null"

#include <string>

namespace structcalc {

std::string jsonString(const std::string &s);
// The shortest text that reads back as the same double; null where there is no number.
std::string jsonNumber(double value);

}  // namespace structcalc
