#pragma once

// Helpers for the cantilever tests: run a case at its start values with some inputs changed,
// and read its rows by symbol.

#include "cantilever/cantilever.h"
#include "shell/core/numbertext.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace cantilever::tests {

inline const shell::CaseDef &caseDef(int index)
{
    return program().cases.at(index);
}

using Changes = std::map<std::string, double>;

struct Results {
    bool rejected = false;
    std::vector<double> values;
    std::map<std::string, double> bySymbol;  // "RA", "MA,MB", ...
    double operator[](const std::string &symbol) const
    {
        const auto it = bySymbol.find(symbol);
        if (it == bySymbol.end())
            throw std::invalid_argument("no row " + symbol);
        return it->second;
    }
};

// The case at its start values with the inputs named in `changes` (by caption) replaced.
inline Results run(int caseIndex, const Changes &changes = {})
{
    const shell::CaseDef &c = caseDef(caseIndex);
    std::vector<double> inputs = shell::startValues(c);
    for (const auto &[caption, value] : changes) {
        int k = 0;
        while (k < c.inputCount() && c.inputs[k].caption != caption)
            ++k;
        if (k == c.inputCount())
            throw std::invalid_argument("no input " + caption + " in " + c.caption);
        inputs[k] = value;
    }
    const shell::Evaluation e = shell::evaluate(c, inputs);
    Results r{e.rejected, e.values, {}};
    for (std::size_t i = 0; i < e.values.size(); ++i)
        r.bySymbol[shell::SymbolOf(c.rows[i].caption)] = e.values[i];
    return r;
}

}  // namespace cantilever::tests
