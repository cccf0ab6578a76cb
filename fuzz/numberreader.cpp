// libFuzzer target. The number reader (readNumber, holdsNumber, isWholeNumber) on any typed text.
// What is checked: fuzz/numberchecks.h.

#include "fuzz/numberchecks.h"
#include "fuzz/target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return fuzzing::stopOnFailure(fuzzing::numberReaderInput(data, size));
}
