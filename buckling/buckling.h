#pragma once

// The column buckling calculator: nine cases, the Euler load of a column with an end-condition
// constant n (cases 0..3) and the empirical Tetmajer stress of a pinned column (cases 4..8).

#include "shell/core/catalogue.h"

namespace buckling {

const shell::Program &program();

}  // namespace buckling
