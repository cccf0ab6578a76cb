// libFuzzer target. The structcalc command line on arguments decoded from the bytes, one a line.
// What is checked: fuzz/commandlinechecks.h.

#include "fuzz/commandlinechecks.h"
#include "fuzz/target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return fuzzing::stopOnFailure(fuzzing::commandLineInput(data, size));
}
