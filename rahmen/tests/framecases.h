#pragma once

// Helpers for the Rahmen tests: cases by their number (1 to 10), inputs by caption, results
// by symbol.

#include "numbertext.h"
#include "rahmen.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace rahmen::testing {

inline const shell::CaseDef &frameCase(int number) { return program().cases.at(static_cast<std::size_t>(number - 1)); }

// The start values of case `number`, with the inputs named in `changes` replaced.
inline std::vector<double> inputs(int number, const std::map<std::string, double> &changes = {})
{
    const shell::CaseDef &c = frameCase(number);
    std::vector<double> values = shell::startValues(c);
    for (const auto &[caption, value] : changes) {
        bool found = false;
        for (std::size_t k = 0; k < c.inputs.size(); ++k) {
            if (c.inputs[k].caption == caption) {
                values[k] = value;
                found = true;
            }
        }
        if (!found)
            throw std::invalid_argument("no input " + caption + " in case " + std::to_string(number));
    }
    return values;
}

// The results of case `number` by symbol ("MB", "VA", ...); empty when the input is rejected.
inline std::map<std::string, double> results(int number, const std::vector<double> &in)
{
    const shell::CaseDef &c = frameCase(number);
    const shell::Evaluation e = shell::evaluate(c, in);
    std::map<std::string, double> bySymbol;
    for (std::size_t r = 0; r < e.values.size(); ++r)
        bySymbol[shell::SymbolOf(c.rows[r].caption)] = e.values[r];
    return bySymbol;
}

} // namespace rahmen::testing
