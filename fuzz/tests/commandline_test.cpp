// The command-line checks on runs of every kind: computed, listed, refused, usage errors.

#include "fuzz/commandlinechecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(commandLineChecks, holdForRunsOfEveryKind)
{
    const std::vector<std::vector<std::string>> runs{
        {"Beams", "1"},
        {"Beams", "1", "P=100", "--unit", "m,kN", "--json"},
        {"Profilor", "3", "dia=20", "--raw"},
        {"--list"},
        {"--list", "Rahmen"},
        {"--help"},
        {"--version", "5", "--json"},  // the version, whatever follows
        {"buckling", "5", "--json", "l=0"},  // refused
        {"cantilever", "21", "--unit=cm"},
        {"Beams", "1", "P=12abc"},  // not wholly a number
        {"Beams", "20"},
        {"Beams", "1", "--unit", "kN,kN"},
        {"Profilor", "1", "a=1e400", "--json"},
        {""},
        {},
    };
    for (const auto &args : runs) {
        std::string line;
        for (const std::string &a : args)
            line += a + " ";
        SCOPED_TRACE(line);
        EXPECT_EQ(fuzzing::checkCommandLine(args), "");
    }
}

}  // namespace
