#pragma once

// The cases of the family as the parameter of the tests that run over them: every case of every
// program, or those a rule keeps. A case prints as "Beams Beam (3)" and is listed as
// "Beams_case3".

#include "registry/registry.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace familycases {

struct CaseRef {
    const shell::Program *program;
    int index;
    const shell::CaseDef &definition() const { return program->cases[static_cast<std::size_t>(index)]; }
};

inline void PrintTo(const CaseRef &ref, std::ostream *out)
{
    *out << ref.program->name << " " << ref.definition().caption;
}

// Every case of every program that `keep` keeps; every case where there is no rule.
inline std::vector<CaseRef>
familyCases(const std::function<bool(const shell::Program &, const shell::CaseDef &)> &keep = nullptr)
{
    std::vector<CaseRef> all;
    for (const shell::Program *program : registry::programs())
        for (int k = 0; k < program->caseCount(); ++k)
            if (!keep || keep(*program, program->cases[static_cast<std::size_t>(k)]))
                all.push_back({program, k});
    return all;
}

inline std::string caseName(const ::testing::TestParamInfo<CaseRef> &info)
{
    return info.param.program->name + "_case" + std::to_string(info.param.index + 1);
}

}  // namespace familycases
