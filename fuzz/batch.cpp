// libFuzzer target. structcalc PROGRAM --batch on a CSV from the bytes (the first byte chooses
// the program and JSON).
// What is checked: fuzz/filechecks.h.

#include "fuzz/filechecks.h"
#include "fuzz/target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return fuzzing::stopOnFailure(fuzzing::batchInput(data, size));
}
