// Every committed seed input of every fuzz target keeps its promises: the corpus the fuzz runs
// start from is checked on every build, with or without clang.

#include "fuzz/commandlinechecks.h"
#include "fuzz/filechecks.h"
#include "fuzz/gestures.h"
#include "fuzz/memberchecks.h"
#include "fuzz/numberchecks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Target {
    const char *name;
    std::string (*input)(const std::uint8_t *, std::size_t);
};

class seedCorpus : public ::testing::TestWithParam<Target>
{
};

std::string targetName(const ::testing::TestParamInfo<Target> &info)
{
    return info.param.name;
}

TEST_P(seedCorpus, keepsEveryPromise)
{
    const std::filesystem::path folder = std::filesystem::path(STRUCTCALC_FUZZ_CORPUS) / GetParam().name;
    int seeds = 0;
    for (const auto &entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        EXPECT_EQ(GetParam().input(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size()), "")
            << entry.path().filename();
        ++seeds;
    }
    EXPECT_GE(seeds, 10);
}

INSTANTIATE_TEST_SUITE_P(everyTarget, seedCorpus,
                         ::testing::Values(Target{"numberreader", fuzzing::numberReaderInput},
                                           Target{"numberformatter", fuzzing::numberFormatterInput},
                                           Target{"windowmodel", fuzzing::windowModelInput},
                                           Target{"commandline", fuzzing::commandLineInput},
                                           Target{"savedcalculation", fuzzing::savedCalculationInput},
                                           Target{"batch", fuzzing::batchInput},
                                           Target{"member", fuzzing::memberInput}),
                         targetName);

}  // namespace
