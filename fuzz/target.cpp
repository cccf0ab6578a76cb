// libFuzzer target, built once per entry point (fuzz/CMakeLists.txt): FUZZ_CHECKS names the
// header of the checks, FUZZ_INPUT the function that runs one input through them. A broken
// promise is said and stops the run, so that libFuzzer keeps the input that broke it.

#include FUZZ_CHECKS

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string failure = fuzzing::FUZZ_INPUT(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "\nbroken promise: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
