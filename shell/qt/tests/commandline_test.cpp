// The command line of a window program, as a Linux program reads it: --help and --version
// answer without a window, one file opens, --lang chooses the language of the run, "--" ends the
// options, anything else is refused.

#include "registry/registry.h"
#include "shell/qt/commandline.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Action = shell::CommandLine::Action;
using shell::Language;

TEST(commandLine, readsTheOptionsOfAWindowProgram)
{
    const struct {
        std::vector<std::string> arguments;
        Action action;
        bool defaults;
        std::string file;
        std::string problem;
        std::optional<Language> language;
    } rows[] = {
        {{}, Action::Run, false, "", "", {}},
        {{"--help"}, Action::Help, false, "", "", {}},
        {{"-h"}, Action::Help, false, "", "", {}},
        {{"b12.structcalc.json", "--help"}, Action::Help, false, "b12.structcalc.json", "", {}},
        {{"--version"}, Action::Version, false, "", "", {}},
        {{"--defaults", "b12.structcalc.json"}, Action::Run, true, "b12.structcalc.json", "", {}},
        {{"--", "--help"}, Action::Run, false, "--help", "", {}},
        {{"-"}, Action::Run, false, "-", "", {}},
        {{"--frobnicate"}, Action::Refuse, false, "", "unknown option '--frobnicate'", {}},
        {{"a.json", "b.json"}, Action::Refuse, false, "a.json", "one file at a time ('a.json' and 'b.json' given)", {}},
        {{"--lang", "en"}, Action::Run, false, "", "", Language::English},
        {{"--lang=ja", "b.json"}, Action::Run, false, "b.json", "", Language::Japanese},
        {{"--defaults", "--lang", "ja"}, Action::Run, true, "", "", Language::Japanese},
        {{"--lang"}, Action::Refuse, false, "", "--lang needs ja or en", {}},
        {{"--lang", "de"}, Action::Refuse, false, "", "--lang takes ja or en, not 'de'", {}},
        {{"--lang=English"}, Action::Refuse, false, "", "--lang takes ja or en, not 'English'", {}},
        {{"--", "--lang"}, Action::Run, false, "--lang", "", {}},
    };
    for (const auto &row : rows) {
        const shell::CommandLine line = shell::readCommandLine(row.arguments);
        const std::string given = row.arguments.empty() ? "<none>" : row.arguments.front();
        EXPECT_EQ(line.action, row.action) << given;
        EXPECT_EQ(line.defaults, row.defaults) << given;
        EXPECT_EQ(line.file, row.file) << given;
        EXPECT_EQ(line.problem, row.problem) << given;
        EXPECT_EQ(line.language, row.language) << given;
    }
}

TEST(commandLine, theUsageNamesEveryOptionOfEveryProgram)
{
    for (const shell::Program *program : registry::programs()) {
        const std::string usage = shell::usageText(*program);
        EXPECT_EQ(usage.rfind("Usage: " + program->name + " [--defaults] [--lang ja|en] [FILE]\n", 0), 0u) << usage;
        for (const char *option : {"--defaults", "--lang", "--help", "--version"})
            EXPECT_NE(usage.find(std::string("\n  ") + option + " "), std::string::npos) << option;
        EXPECT_EQ(shell::versionText(*program).rfind(program->name + " (structcalc) ", 0), 0u);
    }
}

}  // namespace
