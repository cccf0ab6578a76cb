// libFuzzer target. The member description read, written back and solved by structcalc Member.
// What is checked: fuzz/memberchecks.h.

#include "fuzz/memberchecks.h"
#include "fuzz/target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return fuzzing::stopOnFailure(fuzzing::memberInput(data, size));
}
