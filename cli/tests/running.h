// Running structcalc in process for the tests: its exit status and what it wrote to each stream.

#pragma once

#include "cli/structcalc.h"

#include <istream>
#include <sstream>
#include <string>
#include <vector>

namespace structcalc::testing {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// structcalc ARGS, reading `input` where it reads its standard input.
inline Outcome run(const std::vector<std::string> &args, const std::string &input = {})
{
    std::istringstream in(input);
    std::ostringstream out, err;
    Outcome r;
    r.status = structcalc::run(args, out, err, &in);
    r.out = out.str();
    r.err = err.str();
    return r;
}

inline std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

}  // namespace structcalc::testing
