#pragma once

// The command line of a window program, as a Linux program reads it:
//
//     Beams [--defaults] [--lang ja|en] [FILE]
//                                    the window, started fresh or with a calculation open, in
//                                    Japanese or English for this run
//     Beams --help | --version       the usage or the version on the standard output, no window
//
// "--" ends the options, so that a file named "--defaults" can be opened.

#include "shell/core/catalogue.h"
#include "shell/core/language.h"

#include <optional>
#include <string>
#include <vector>

namespace shell {

struct CommandLine {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    bool defaults = false;             // --defaults: start without the remembered settings
    std::optional<Language> language;  // --lang ja|en
    std::string file;                  // the calculation to open; "" for none
    std::string problem;               // for Refuse: "unknown option '--frobnicate'"
};

// The arguments after the program's name (the toolkit's own options already taken out).
CommandLine readCommandLine(const std::vector<std::string> &arguments);

// What --help prints: the usage line, what the program is, and its options.
std::string usageText(const Program &program);
// What --version prints: "Beams (structcalc) 1.0".
std::string versionText(const Program &program);

}  // namespace shell
