// libFuzzer target. The window model of every program driven by gestures decoded from the bytes.
// What is checked: fuzz/gestures.h.

#include "fuzz/gestures.h"
#include "fuzz/target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return fuzzing::stopOnFailure(fuzzing::windowModelInput(data, size));
}
