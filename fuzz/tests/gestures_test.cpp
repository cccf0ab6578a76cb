// The gesture harness without libFuzzer: gestures of a fixed seed on every program, with every
// promise of the window checked after each (fuzz/gestures.h).

#include "fuzz/gestures.h"
#include "registry/registry.h"
#include "shell/core/testing/acceptedinputs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Each program's gestures in two halves of four runs of their own seeds, so that the slowest
// program's checks (the member's, which solves a study per gesture) run in two shards at once.
class programGestures : public ::testing::TestWithParam<int>
{
};

std::string programHalf(const ::testing::TestParamInfo<int> &info)
{
    return std::string(registry::entries()[static_cast<std::size_t>(info.param / 2)].name) +
           (info.param % 2 == 0 ? "_a" : "_b");
}

TEST_P(programGestures, keepEveryPromiseOfTheWindow)
{
    const int program = GetParam() / 2;
    shell::testing::Draws draws(7919 + static_cast<std::uint64_t>(GetParam()));
    int gestures = 0;
    for (int run = 0; run < 4; ++run) {
        std::vector<std::uint8_t> bytes(1500);
        for (std::uint8_t &b : bytes)
            b = static_cast<std::uint8_t>(draws.next() * 256);
        ASSERT_EQ(fuzzing::runGestures(program, bytes.data(), bytes.size()), "") << "run " << run;
        gestures += fuzzing::lastGestureCount();
    }
    EXPECT_GE(gestures, 1000);
}

INSTANTIATE_TEST_SUITE_P(everyProgram, programGestures,
                         ::testing::Range(0, 2 * static_cast<int>(registry::entries().size())), programHalf);

// The byte code as its header gives it: seven gestures, and no more than asked for.
TEST(gestureHarness, runsTheGesturesItIsGivenAndNoMore)
{
    // Beams: select case 3, type "12" into field 1, Reset, choose m and kN, back to mm.
    const std::uint8_t gestures[] = {0, 2, 1, 0, 0, 2, 1, 2, 4, 5, 2, 6, 1, 5, 0, 6, 0};
    EXPECT_EQ(fuzzing::runGestures(0, gestures, sizeof gestures), "");
    EXPECT_EQ(fuzzing::lastGestureCount(), 7);
    // Stops after the gestures asked for.
    EXPECT_EQ(fuzzing::runGestures(0, gestures, sizeof gestures, 3), "");
    EXPECT_EQ(fuzzing::lastGestureCount(), 3);
}

}  // namespace
