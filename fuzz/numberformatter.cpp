// libFuzzer target. The number formatters against the exact decimal digits of the number a text reads and of a double's
// bits. What is checked: fuzz/numberchecks.h.

#include "fuzz/numberchecks.h"
#include "fuzz/target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return fuzzing::stopOnFailure(fuzzing::numberFormatterInput(data, size));
}
