#pragma once

// A member description (structcalc Member --member -), run on any bytes with its promises checked:
//  - the reader never throws; it reads a member or says in words why not;
//  - a member read, written back (the "member" of --json), reads as the same member and is
//    written the same again;
//  - structcalc Member answers with exit status 0 or 3 and one valid JSON object, never "nan"
//    or "inf"; a refusal says why on stderr, starting "structcalc: ";
//  - a member solved is in equilibrium: its reaction forces carry its loads, and every row and
//    reaction is a finite number.
//
//     checkMemberDescription(R"({"length": 1, "supports": [{"x": 0, "kind": "fixed"}]})") -> ""

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzzing {

std::string checkMemberDescription(std::string_view text);

// The fuzz target's input: the description's text as it is.
std::string memberInput(const std::uint8_t *data, std::size_t size);

}  // namespace fuzzing
