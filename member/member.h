#pragma once

// Member: any straight member — supports, springs, settlements, hinges, segments and loads
// anywhere — solved exactly, with its reactions, extremes and diagrams.

#include "shell/core/catalogue.h"

namespace member {

const shell::Program &program();

}  // namespace member
