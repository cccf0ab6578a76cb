// programfiles: writes the files a program is installed with, from its program value.
//
//     programfiles desktop Beams structcalc-beams.desktop.in
//     programfiles metainfo Beams structcalc-beams.metainfo.xml 1.0 2026-12-07 https://example.org/structcalc
//     programfiles manpage Beams Beams.1 1.0 2026-12-07
//
// The desktop entry has every line but Exec, which names the installation prefix and is added
// when the program is installed. The metainfo is the AppStream description software centres
// show; the manual page lists the program's cases.

#include "registry/registry.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

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

std::string xmlEscaped(const std::string &text)
{
    std::string out;
    for (const char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

// The cases as a reader meets them: "Beam (1): simply supported beam, point load P at a".
std::vector<std::string> caseLines(const shell::Program &program)
{
    std::vector<std::string> lines;
    for (const shell::CaseDef &c : program.cases)
        lines.push_back(c.title.empty() ? c.caption : c.caption + ": " + c.title);
    return lines;
}

std::string metainfo(const shell::Program &program, const std::string &version, const std::string &date,
                     const std::string &homepage)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<component type=\"desktop-application\">\n"
                      "  <id>org.structcalc." +
                      program.id +
                      "</id>\n"
                      "  <metadata_license>MIT</metadata_license>\n"
                      "  <project_license>MIT</project_license>\n"
                      "  <name>" +
                      xmlEscaped(program.windowTitle) + "</name>\n  <summary>" + xmlEscaped(program.desktopComment) +
                      "</summary>\n  <description>\n    <p>" + xmlEscaped(program.windowTitle) +
                      " is one of the structcalc calculators for structural engineers. " +
                      xmlEscaped(program.desktopComment) + ", for " + std::to_string(program.caseCount()) +
                      " standard cases. Every input converts with the units (mm, cm, m; N, kN), impossible inputs "
                      "are refused with the reason, and each case comes with its formulas in a reference "
                      "document.</p>\n    <p>The cases:</p>\n    <ul>\n";
    for (const std::string &line : caseLines(program))
        xml += "      <li>" + xmlEscaped(line) + "</li>\n";
    xml += "    </ul>\n  </description>\n"
           "  <launchable type=\"desktop-id\">structcalc-" +
           program.id +
           ".desktop</launchable>\n"
           "  <url type=\"homepage\">" +
           xmlEscaped(homepage) +
           "</url>\n"
           "  <developer_name>The structcalc developers</developer_name>\n"
           "  <screenshots>\n"
           "    <screenshot type=\"default\">\n"
           "      <image>" +
           xmlEscaped(homepage) + "/docs/screenshots/" + program.id +
           ".png</image>\n"
           "      <caption>" +
           xmlEscaped(program.cases.front().caption) +
           " with its inputs, result rows and chart</caption>\n"
           "    </screenshot>\n"
           "  </screenshots>\n"
           "  <provides>\n    <binary>" +
           program.name +
           "</binary>\n  </provides>\n"
           "  <content_rating type=\"oars-1.1\"/>\n"
           "  <releases>\n    <release version=\"" +
           version + "\" date=\"" + date +
           "\"/>\n  </releases>\n"
           "</component>\n";
    return xml;
}

// Text for roff: backslashes doubled, minus signs as \-, no line starting with a control character.
std::string roff(const std::string &text)
{
    std::string out;
    for (const char ch : text) {
        if (ch == '\\')
            out += "\\e";
        else if (ch == '-')
            out += "\\-";
        else
            out += ch;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\''))
        out.insert(0, "\\&");
    return out;
}

std::string upper(std::string text)
{
    for (char &ch : text)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return text;
}

std::string manPage(const shell::Program &program, const std::string &version, const std::string &date)
{
    std::string page = ".TH " + upper(program.name) + " 1 \"" + date + "\" \"structcalc " + version +
                       "\" \"User Commands\"\n"
                       ".SH NAME\n" +
                       roff(program.name) + " \\- " + roff(program.desktopComment) +
                       "\n"
                       ".SH SYNOPSIS\n"
                       ".B " +
                       roff(program.name) +
                       "\n"
                       ".RB [ \\-\\-defaults ]\n"
                       ".RI [ FILE .structcalc.json]\n"
                       ".SH DESCRIPTION\n" +
                       roff(program.windowTitle) +
                       " is a calculator of one window. Pick a case with its button, type the inputs or move "
                       "the scroll bar beside each input; every change recomputes the result rows and the "
                       "chart. The right mouse button opens the menu: units, result format, results to the "
                       "clipboard, chart type and colours. Help opens the reference document, which gives "
                       "every case with its formulas.\n"
                       ".PP\n"
                       "The File menu saves the calculation to a .structcalc.json file and opens one again "
                       "(a FILE given on the command line opens at start), exports the calculation sheet "
                       "as a PDF, prints it, and copies the calculation as a tab-separated table. The "
                       "window starts as it was left: size, units, format, chart, case and inputs.\n"
                       ".SS Cases\n";
    for (const std::string &line : caseLines(program))
        page += ".IP \\(bu 2\n" + roff(line) + "\n";
    page += ".SH OPTIONS\n"
            ".TP\n"
            ".B \\-\\-defaults\n"
            "Start as a fresh installation would, without the remembered window and calculation.\n"
            ".TP\n"
            ".B \\-\\-help\n"
            "Print the usage and the options, and exit.\n"
            ".TP\n"
            ".B \\-\\-version\n"
            "Print the version, and exit.\n"
            ".SH FILES\n"
            ".TP\n"
            ".I " +
            roff(program.helpFile) +
            "\n"
            "The reference document, beside the program in its installation folder.\n"
            ".SH SEE ALSO\n"
            ".BR structcalc (1)\n";
    return page;
}

bool write(const std::string &path, const std::string &text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "programfiles: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

int usage()
{
    std::fprintf(stderr, "usage: programfiles desktop PROGRAM OUTPUT\n"
                         "       programfiles metainfo PROGRAM OUTPUT VERSION DATE HOMEPAGE\n"
                         "       programfiles manpage PROGRAM OUTPUT VERSION DATE\n");
    return 2;
}

}  // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() < 3)
        return usage();
    const shell::Program *program = registry::find(args[1]);
    if (!program) {
        std::fprintf(stderr, "programfiles: no program named %s\n", args[1].c_str());
        return 2;
    }
    if (args[0] == "desktop" && args.size() == 3)
        return write(args[2], desktopEntry(*program)) ? 0 : 1;
    if (args[0] == "metainfo" && args.size() == 6)
        return write(args[2], metainfo(*program, args[3], args[4], args[5])) ? 0 : 1;
    if (args[0] == "manpage" && args.size() == 5)
        return write(args[2], manPage(*program, args[3], args[4])) ? 0 : 1;
    return usage();
}
