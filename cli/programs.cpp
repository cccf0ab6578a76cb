#include "programs.h"

#include "beams.h"
#include "buckling.h"
#include "cantilever.h"
#include "profilor.h"
#include "rahmen.h"

#include <algorithm>
#include <cctype>

namespace structcalc {

const std::vector<const shell::Program *> &programs()
{
    static const std::vector<const shell::Program *> all{&beams::program(), &cantilever::program(),
                                                         &rahmen::program(), &buckling::program(),
                                                         &profilor::program()};
    return all;
}

const shell::Program *findProgram(const std::string &name)
{
    const auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return s;
    };
    for (const shell::Program *p : programs())
        if (lower(p->name) == lower(name))
            return p;
    return nullptr;
}

} // namespace structcalc
