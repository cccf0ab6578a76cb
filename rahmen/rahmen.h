#pragma once

// Rahmen: support reactions and corner moments of single-bay portal frames (two columns of
// height h and second moment I1, one beam of span l and second moment I2) with pinned or
// fixed feet under ten standard loads.

#include "shell/core/catalogue.h"

namespace rahmen {

const shell::Program &program();

}  // namespace rahmen
