#pragma once

// structcalc's command line run on arguments decoded from bytes (one argument a line), with its
// promises checked:
//  - the exit status is 0 (computed, listed, helped), 2 (usage, nothing on stdout, the problem
//    on stderr) or 3 (refused by the case, the reason on stderr);
//  - stdout is printable UTF-8 without "nan" or "inf"; a computation prints one line a row,
//    caption TAB number TAB unit, the number empty or in the result or the general format;
//  - --json prints one valid JSON object (a refusal with "rejected": true);
//  - a computation or refusal took only NAME=VALUE values that are wholly numbers.
//
//     checkCommandLine({"Beams", "1", "P=100", "--unit", "m,kN", "--json"}) -> ""

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzzing {

std::string checkCommandLine(const std::vector<std::string> &args);

// True where `text` is one JSON value and nothing else (blanks aside).
bool isJson(const std::string &text);

// The fuzz target's input: the arguments, separated by line feeds (at most 16).
std::string commandLineInput(const std::uint8_t *data, std::size_t size);

}  // namespace fuzzing
