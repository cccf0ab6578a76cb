#pragma once

// Evaluating a beam case by input caption and result symbol, outside any window:
//     value(16, {{"a", 50}, {"x", 50}}, "Mx")  ->  the mid-span moment of "Beam (17)"

#include "beams/beams.h"
#include "shell/core/numbertext.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace beams::testing {

using Overrides = std::vector<std::pair<std::string, double>>;

inline const shell::CaseDef &beamCase(int index)
{
    return program().cases.at(static_cast<size_t>(index));
}

// The start values of a case with some inputs replaced, by caption.
inline std::vector<double> inputsOf(int caseIndex, const Overrides &overrides)
{
    const shell::CaseDef &c = beamCase(caseIndex);
    std::vector<double> inputs = shell::startValues(c);
    for (const auto &[caption, number] : overrides) {
        bool found = false;
        for (size_t k = 0; k < c.inputs.size(); ++k) {
            if (c.inputs[k].caption == caption) {
                inputs[k] = number;
                found = true;
            }
        }
        EXPECT_TRUE(found) << c.caption << " has no input " << caption;
    }
    return inputs;
}

inline int rowIndex(int caseIndex, const std::string &symbol)
{
    const shell::CaseDef &c = beamCase(caseIndex);
    for (int r = 0; r < c.rowCount(); ++r) {
        if (shell::SymbolOf(c.rows[static_cast<size_t>(r)].caption) == symbol)
            return r;
    }
    ADD_FAILURE() << c.caption << " has no row " << symbol;
    return 0;
}

inline std::vector<double> rowsOf(int caseIndex, const Overrides &overrides = {})
{
    const shell::Evaluation e = shell::evaluate(beamCase(caseIndex), inputsOf(caseIndex, overrides));
    EXPECT_FALSE(e.rejected) << beamCase(caseIndex).caption;
    return e.values;
}

inline double value(int caseIndex, const Overrides &overrides, const std::string &symbol)
{
    const std::vector<double> rows = rowsOf(caseIndex, overrides);
    const int r = rowIndex(caseIndex, symbol);
    return r < static_cast<int>(rows.size()) ? rows[static_cast<size_t>(r)] : 0.0;
}

}  // namespace beams::testing
