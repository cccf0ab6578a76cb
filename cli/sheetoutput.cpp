#include "cli/sheetoutput.h"

#include "refdoc/calculationsheet.h"
#include "shell/core/shellmodel.h"

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

    const refdoc::SheetResult written = refdoc::writeSheet(QString::fromStdString(path), refdoc::sheetCase(model),
                                                           refdoc::sheetHeader(model.names(), today(), version));
    application.reset();
    qInstallMessageHandler(previous);
    return written.ok ? std::string() : written.error.toStdString();
}

}  // namespace structcalc
