#pragma once

// A moving load train, described in JSON beside a member description: its axles (each at a
// distance a behind the first, with its downward load P), an optional uniform load w that may
// cover any part of the member, and the ways it runs. Numbers are in the units of the calculation,
// as the member's are (a in the length unit, P in the force unit, w in force per length).
//
//   {"axles": [{"a": 0, "P": 100000}, {"a": 3600, "P": 100000}], "w": 0, "ways": "both"}
//
// "w" and "ways" may be left out (0 and "both"); "ways" is "both", "rightward" or "leftward".
// Every other key is refused with its name; so are a train without axles and without w, more than
// mechanics::TrainMaxAxles axles, a negative a and numbers that are not finite.

#include "mechanics/movingload.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace shell {

// The largest train description read: room for every axle the solver takes, with spaces.
constexpr std::size_t TrainDescriptionMaxBytes = 1 << 16;

struct TrainReading {
    std::optional<mechanics::Train> train;
    std::string error;  // why there is none: "\"axles[1].a\" must be a number, not a text"
};

TrainReading readTrainDescription(std::string_view text);

// "both", "rightward", "leftward".
const char *trainWaysName(mechanics::TrainWays ways);

}  // namespace shell
