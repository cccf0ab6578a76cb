// libFuzzer target. The saved-calculation reader, writer and the window's open on a file's text.
// What is checked: fuzz/filechecks.h.

#include "fuzz/filechecks.h"
#include "fuzz/target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return fuzzing::stopOnFailure(fuzzing::savedCalculationInput(data, size));
}
