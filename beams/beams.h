#pragma once

// Beams: reactions, shear forces, bending moments and deflections of single-span beams under
// 19 standard arrangements of supports and loads.

#include "shell/core/catalogue.h"

namespace beams {

const shell::Program &program();

}  // namespace beams
