#include "cli/sheetoutput.h"

#include "cli/jsontext.h"
#include "refdoc/calculationsheet.h"
#include "shell/core/shellmodel.h"

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <ctime>
#include <memory>

namespace structcalc {

namespace {

// Today's date where the sheet is made: "2024-05-01".
std::string today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    return std::strftime(text, sizeof text, "%Y-%m-%d", &local) > 0 ? std::string(text) : std::string();
}

// Qt's own notes (a missing runtime folder, a font it substitutes) are not structcalc's to
// print: stderr keeps to structcalc's messages. Only what stops Qt is passed on.
void quietQt(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "structcalc: Qt: %s\n", qPrintable(message));
}

}  // namespace

std::string writeSheetFile(const shell::ShellModel &model, const std::string &path, const std::string &version)
{
    const QtMessageHandler previous = qInstallMessageHandler(quietQt);
    // The offscreen platform needs no display; an application that runs already (a test) is used.
    // Qt takes the platform's arguments out of argv: they are laid out anew for each sheet.
    char name[] = "structcalc", platform[] = "-platform", offscreen[] = "offscreen";
    char *argv[] = {name, platform, offscreen, nullptr};
    int argc = 3;
    std::unique_ptr<QGuiApplication> application;
    if (!QGuiApplication::instance())
        application = std::make_unique<QGuiApplication>(argc, argv);

    const refdoc::SheetResult written =
        refdoc::writeSheet(path, refdoc::sheetCase(model), refdoc::sheetHeader(model.names(), today(), version));
    application.reset();
    qInstallMessageHandler(previous);
    if (written.ok)
        return {};
    // One line, and the file named as the command line's other messages name it: its bytes escaped.
    std::string problem = visibleText(written.error.toStdString());
    const std::string named = visibleText(QFile::decodeName(QByteArray::fromStdString(path)).toStdString());
    if (const std::size_t at = problem.find(named); at != std::string::npos)
        problem.replace(at, named.size(), userText(path, MostShownPath));
    return problem;
}

}  // namespace structcalc
