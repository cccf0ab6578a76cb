// The entries of libstructcalc-sheet.so (see sheetlibrary.h): the sheet of a model's case written
// to a PDF file or painted onto a printer.

#include "shell/sheet/sheetlibrary.h"

#include "shell/core/shellmodel.h"
#include "shell/sheet/calculationsheet.h"

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QString>

#include <cstdio>
#include <memory>

namespace {

// Qt's own notes (a missing runtime folder, a font it substitutes) are not the command line's to
// print: stderr keeps to its messages. Only what stops Qt is passed on.
void quietQt(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "structcalc: Qt: %s\n", qPrintable(message));
}

sheet::SheetHeader header(const sheet::SheetRequest &request)
{
    return sheet::sheetHeader(request.model->names(), request.date, request.version);
}

void answer(const sheet::SheetResult &result, sheet::SheetAnswer &to)
{
    to.ok = result.ok;
    to.pages = result.pages;
    to.error = result.error.toStdString();
}

}  // namespace

extern "C" {

void structcalc_write_sheet(const sheet::SheetRequest &request, const char *path, sheet::SheetAnswer &to)
{
    to.named = QFile::decodeName(QByteArray(path)).toStdString();
    // The result names and meanings in the caller's language.
    shell::installTranslation(request.translation);
    // The offscreen platform needs no display; an application that runs already (a window, a
    // test) is used. Qt takes the platform's arguments out of argv: they are laid out anew for
    // each sheet.
    char name[] = "structcalc", platform[] = "-platform", offscreen[] = "offscreen";
    char *argv[] = {name, platform, offscreen, nullptr};
    int argc = 3;
    std::unique_ptr<QGuiApplication> application;
    QtMessageHandler previous = nullptr;
    if (!QGuiApplication::instance()) {
        previous = qInstallMessageHandler(quietQt);
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    answer(sheet::writeSheet(std::string(path), sheet::sheetCase(*request.model), header(request)), to);
    if (application) {
        application.reset();
        qInstallMessageHandler(previous);
    }
}

void structcalc_paint_sheet(const sheet::SheetRequest &request, void *pagedDevice, sheet::SheetAnswer &to)
{
    shell::installTranslation(request.translation);
    answer(sheet::paintSheet(*static_cast<QPagedPaintDevice *>(pagedDevice), sheet::sheetCase(*request.model),
                             header(request)),
           to);
}

}  // extern "C"
