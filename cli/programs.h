#pragma once

#include "catalogue.h"

#include <string>
#include <vector>

namespace structcalc {

// The five programs, by the name they are started with.
const std::vector<const shell::Program *> &programs();
// The program named `name`, compared without regard to case; nullptr when there is none.
const shell::Program *findProgram(const std::string &name);

} // namespace structcalc
