#include "shell/qt/qtplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
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

bool QtPlatform::openDocument(const std::string &path, int &errorNumber, std::string &errorText)
{
    errorNumber = 0;
    errorText.clear();
    const QString file = QString::fromStdString(path);
    // The desktop's viewer reports nothing back for a missing file; look first.
    if (!QFileInfo(file).isFile())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void QtPlatform::messageBox(const std::string &text, const std::string &title)
{
    QMessageBox::information(m_window, QString::fromStdString(title), QString::fromStdString(text));
}

std::string QtPlatform::programFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
}

void QtPlatform::closeWindow()
{
    if (m_window)
        m_window->close();
}

}  // namespace shell
