#include "shell/qt/qtplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace shell {

namespace {
QColor fromBgr(unsigned bgr)
{
    return QColor(int(bgr & 0xFFu), int((bgr >> 8) & 0xFFu), int((bgr >> 16) & 0xFFu));
}
unsigned toBgr(const QColor &c)
{
    return unsigned(c.red()) | (unsigned(c.green()) << 8) | (unsigned(c.blue()) << 16);
}
}  // namespace

void QtPlatform::beep()
{
    QApplication::beep();
}

void QtPlatform::setClipboardText(const std::string &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
}

bool QtPlatform::pickColor(unsigned initial, unsigned &chosen)
{
    const QColor color = QColorDialog::getColor(fromBgr(initial), m_window);
    if (!color.isValid())
        return false;
    chosen = toBgr(color);
    return true;
}

namespace {

// True where the desktop names an application for the file's kind. On a freedesktop system
// the association is xdg-mime's; the desktop launcher starts without asking it and reports
// success even where nothing then opens the file.
bool desktopHasApplicationFor(const QString &file)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString mimeType = QMimeDatabase().mimeTypeForFile(file).name();
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return false;
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(1000);
        return true;  // no answer: let the launcher try
    }
    return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
#else
    Q_UNUSED(file);
    return true;
#endif
}

}  // namespace

OpenResult QtPlatform::openDocument(const std::string &path, int &errorNumber, std::string &errorText)
{
    errorNumber = 0;
    errorText.clear();
    const QString file = QString::fromStdString(path);
    // The desktop's viewer reports nothing back for a missing file; look first.
    if (!QFileInfo(file).isFile())
        return OpenResult::Missing;
    if (!desktopHasApplicationFor(file))
        return OpenResult::NoApplication;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file)) ? OpenResult::Opened : OpenResult::NoApplication;
}

void QtPlatform::messageBox(const std::string &text, const std::string &title)
{
    // The text can be selected and copied (a path, an error number).
    QMessageBox box(QMessageBox::Information, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, m_window);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

std::string QtPlatform::programFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
}

void QtPlatform::closeWindow()
{
    // The model asks during a gesture (Exit); the window closes once that gesture has returned,
    // so that closing (which saves the settings from the model) never runs inside the model's
    // call. A window gone by then has nothing left to close.
    if (m_window)
        QTimer::singleShot(0, m_window, [window = m_window] { window->close(); });
}

}  // namespace shell
