#pragma once

// Cantilever: reactions, bending moments and deflections of cantilevers, propped cantilevers
// and single spans (simply supported and fixed at both ends) under 21 load arrangements.

#include "shell/core/catalogue.h"

namespace cantilever {

const shell::Program &program();

}  // namespace cantilever
