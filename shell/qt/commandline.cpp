#include "shell/qt/commandline.h"

#include "shell/core/savedcalculation.h"
#include "shell/qt/calculatorwindow.h"
#include "shell/qt/windowlanguage.h"

#include <QApplication>

#include <cstdio>

namespace shell {

CommandLine readCommandLine(const std::vector<std::string> &arguments)
{
    CommandLine line;
    bool options = true;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (options && (argument == "--lang" || argument.rfind("--lang=", 0) == 0)) {
            const bool joined = argument.size() > 6;
            if (!joined && i + 1 == arguments.size()) {
                line.action = CommandLine::Action::Refuse;
                line.problem = "--lang needs ja or en";
                return line;
            }
            const std::string code = joined ? argument.substr(7) : arguments[++i];
            line.language = languageOfCode(code);
            if (!line.language) {
                line.action = CommandLine::Action::Refuse;
                line.problem = "--lang takes ja or en, not '" + code + "'";
                return line;
            }
        } else if (options && argument == "--") {
            options = false;
        } else if (options && (argument == "--help" || argument == "-h")) {
            line.action = CommandLine::Action::Help;
            return line;
        } else if (options && argument == "--version") {
            line.action = CommandLine::Action::Version;
            return line;
        } else if (options && argument == "--defaults") {
            line.defaults = true;
        } else if (options && argument.size() > 1 && argument.front() == '-') {
            line.action = CommandLine::Action::Refuse;
            line.problem = "unknown option '" + argument + "'";
            return line;
        } else if (line.file.empty()) {
            line.file = argument;
        } else {
            line.action = CommandLine::Action::Refuse;
            line.problem = "one file at a time ('" + line.file + "' and '" + argument + "' given)";
            return line;
        }
    }
    return line;
}

std::string usageText(const Program &program)
{
    return "Usage: " + program.name + " [--defaults] [--lang ja|en] [FILE]\n" + program.windowTitle + ": " +
           program.desktopComment + ".\n\nFILE is a saved calculation (*" + SavedCalculationSuffix +
           ") to open in the window;\na calculation of another program of the family opens in that program.\n\n"
           "  --defaults  start as freshly installed: the window's place, the calculation on display\n"
           "              and the names on the sheet are not restored\n"
           "  --lang ja|en  show the window in Japanese or in English (by default the language\n"
           "              chosen in View > Language, at first the desktop's)\n"
           "  --help      print this help and exit\n"
           "  --version   print the version and exit\n";
}

std::string versionText(const Program &program)
{
    return program.name + " (structcalc) " STRUCTCALC_VERSION "\n";
}

int runCalculator(int argc, char **argv, const Program &program, std::vector<std::string> family)
{
    // --help and --version answer before the toolkit starts: they need no display.
    std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const CommandLine asked = readCommandLine(arguments);
    if (asked.action == CommandLine::Action::Help || asked.action == CommandLine::Action::Version) {
        const std::string text = asked.action == CommandLine::Action::Help ? usageText(program) : versionText(program);
        std::fputs(text.c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromStdString(program.name));
    // Lets the desktop match the window to the program's menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("structcalc-") + QString::fromStdString(program.id));
    QApplication::setOrganizationName(QStringLiteral("structcalc"));
    // The toolkit has taken its own options (-platform, -style, ...) out by now.
    arguments.clear();
    for (const QString &argument : QApplication::arguments().mid(1))
        arguments.push_back(argument.toLocal8Bit().toStdString());
    const CommandLine line = readCommandLine(arguments);
    if (line.action == CommandLine::Action::Refuse) {
        std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", program.name.c_str(), line.problem.c_str(),
                     program.name.c_str());
        return 2;
    }
    // The texts are in the language from the start; the one remembered replaces the desktop's
    // when the settings are read.
    useLanguage(line.language.value_or(systemLanguage()));
    CalculatorWindow window(program);
    window.setFamily(std::move(family));
    if (line.language)
        window.keepLanguage();
    window.rememberSettings(!line.defaults);
    window.show();
    if (!line.file.empty())
        window.openCalculation(QString::fromLocal8Bit(line.file.c_str()));
    return QApplication::exec();
}

}  // namespace shell
