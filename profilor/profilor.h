#pragma once

// Profilor: area, centroid distances, second moment, section moduli and radius of gyration
// of eight cross-section shapes.

#include "shell/core/catalogue.h"

namespace profilor {

const shell::Program &program();

}  // namespace profilor
