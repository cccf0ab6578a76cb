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
        {"Beams", "1", "--diagram", "--points", "3"},
        {"cantilever", "9", "--diagram"},  // two members, named
        {"Rahmen", "2", "--diagram", "--unit", "m"},
        {"buckling", "5", "--diagram"},                  // empty where a formula does not hold
        {"Profilor", "1", "--diagram"},                  // no diagram: a usage error
        {"Profilor", "8", "a=1e-310", "--sheet", "=b"},  // refused: no sheet written
        {"Beams", "--batch"},
        {"buckling", "5", "--json", "l=0"},  // refused
        {"cantilever", "21", "--unit=cm"},
        {"Beams", "1", "P=12abc"},  // not wholly a number
        {"Beams", "1", "P=x"},
        {"Beams", "1", "a=150"},      // refused by the case
        {"buckling", "9", "l=3000"},  // a note on stderr
        {"Trusses", "1"},
        {"--list", "Beams", "0"},
        {"Beams", "1", "--sheet", "/nonexistent/sheet.pdf"},
        {"Beams", "20"},
        {"Beams", "1", "--unit", "kN,kN"},
        {"Profilor", "1", "a=1e400", "--json"},
        {""},
        {},
        // Files of every kind, by their scratch names.
        {"--open", "@regular.json", "--raw"},
        {"--open", "@link.json", "--json"},
        {"--open", "@fifo"},
        {"--open", "@folder"},
        {"--open", "@socket"},
        {"--open", "@device"},
        {"--open", "@loop"},
        {"--open", "@dangling"},
        {"--open", "@large.json"},
        {"--open", "@regular.json", "--sheet", "@hard.json"},
        {"--open", "@hard.json", "--sheet", "@link.json"},
        {"Beams", "1", "--sheet", "@folder"},
        {"Beams", "1", "--sheet", "@fifo"},
        {"Beams", "1", "--sheet", "@device"},
        {"Beams", "--batch", "@regular.csv"},
        {"Beams", "--batch", "@fifo"},
        {"Beams", "--batch", "@large.csv"},
        {"Beams", "--batch", "@loop", "--json"},
        {"Beams", "--batch", "/etc/hostname"},  // outside the scratch folder: not run
        {"Beams", "1", "P=\xFF" + std::string(5000, '9')},
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
