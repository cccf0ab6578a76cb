// programfiles: writes the files a program is installed with, from its program value.
//
//     programfiles desktop Beams structcalc-beams.desktop.in
//
// The desktop entry has every line but Exec, which names the installation prefix and is added
// when the program is installed.

#include "registry/registry.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

std::string desktopEntry(const shell::Program &program)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" +
           program.windowTitle + "\nComment=" + program.desktopComment + "\nIcon=structcalc-" + program.id +
           "\nTerminal=false\n"
           "Categories=Science;Engineering;\n"
           "StartupWMClass=" +
           program.name + "\n";
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 4 || std::string(argv[1]) != "desktop") {
        std::fprintf(stderr, "usage: programfiles desktop PROGRAM OUTPUT\n");
        return 2;
    }
    const shell::Program *program = registry::find(argv[2]);
    if (!program) {
        std::fprintf(stderr, "programfiles: no program named %s\n", argv[2]);
        return 2;
    }
    std::ofstream out(argv[3], std::ios::binary);
    out << desktopEntry(*program);
    out.close();
    if (!out) {
        std::fprintf(stderr, "programfiles: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
