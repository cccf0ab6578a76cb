// The window's calculations as files and its memory between runs: Save…, Open…, recent files,
// Export calculation… (the calculation sheet as a PDF), Print…, Copy calculation, the names on
// the sheet (asked once, remembered), and the settings a next start restores.

#include "shell/qt/calculatorwindow.h"

#include "refdoc/calculationsheet.h"
#include "shell/core/savedcalculation.h"

#include <QAction>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QStatusBar>

namespace shell {

namespace {

constexpr int ConfirmationTime = 3000;  // ms a confirmation stays in the status bar
constexpr int RecentFiles = 6;

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

template <typename W> W *named(W *object, const QString &name)
{
    object->setObjectName(name);
    return object;
}

QString fileFilter()
{
    return QStringLiteral("Calculations (*") + QString::fromLatin1(SavedCalculationSuffix) +
           QStringLiteral(");;All files (*)");
}

}  // namespace

void CalculatorWindow::buildFileCommands()
{
    const auto command = [this](const QString &text, const QString &name, const QKeySequence &keys) {
        QAction *action = named(new QAction(text, this), name);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        return action;
    };
    QAction *open = command(QStringLiteral("&Open…"), QStringLiteral("OpenAction"), QKeySequence::Open);
    QAction *save = command(QStringLiteral("&Save…"), QStringLiteral("SaveAction"), QKeySequence::Save);
    QAction *exportSheet = command(QStringLiteral("&Export calculation…"), QStringLiteral("ExportAction"),
                                   QKeySequence(Qt::CTRL | Qt::Key_E));
    QAction *print = command(QStringLiteral("&Print…"), QStringLiteral("PrintAction"), QKeySequence::Print);
    QAction *copy = command(QStringLiteral("Copy ca&lculation"), QStringLiteral("CopyCalculationAction"),
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(open, &QAction::triggered, this, [this] {
        const QString path =
            QFileDialog::getOpenFileName(this, QStringLiteral("Open calculation"), lastFolder(), fileFilter());
        if (!path.isEmpty())
            openCalculation(path);
    });
    connect(save, &QAction::triggered, this, [this] {
        const QString suggested = lastFolder() + QLatin1Char('/') +
                                  qs(m_model->currentCaseDef().caption)
                                      .remove(QLatin1Char(' '))
                                      .remove(QLatin1Char('('))
                                      .remove(QLatin1Char(')')) +
                                  QString::fromLatin1(SavedCalculationSuffix);
        QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save calculation"), suggested, fileFilter());
        if (path.isEmpty())
            return;
        if (!path.endsWith(QString::fromLatin1(SavedCalculationSuffix)))
            path += QString::fromLatin1(SavedCalculationSuffix);
        saveCalculation(path);
    });
    connect(exportSheet, &QAction::triggered, this, [this] {
        if (!askNames(false))
            return;
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export calculation"),
                                                          lastFolder() + QStringLiteral("/calculation.pdf"),
                                                          QStringLiteral("PDF documents (*.pdf)"));
        if (!path.isEmpty())
            exportCalculation(path);
    });
    connect(print, &QAction::triggered, this, [this] {
        if (!askNames(false))
            return;
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() == QDialog::Accepted)
            printCalculation(printer);
    });
    connect(copy, &QAction::triggered, this, [this] {
        m_model->copyCalculation();
        m_statusFromModel = false;
        m_status->showMessage(QStringLiteral("Calculation copied"), ConfirmationTime);
    });
    QAction *names = named(new QAction(QStringLiteral("&Names on the sheet…"), this), QStringLiteral("NamesAction"));
    connect(names, &QAction::triggered, this, [this] { askNames(true); });

    m_recentMenu = named(new QMenu(QStringLiteral("&Recent files"), this), QStringLiteral("MenuRecent"));
    for (QAction *action : {open, save})
        m_fileMenu->insertAction(m_fileMenuEnd, action);
    m_fileMenu->insertMenu(m_fileMenuEnd, m_recentMenu);
    m_fileMenu->insertSeparator(m_fileMenuEnd);
    for (QAction *action : {exportSheet, print, names})
        m_fileMenu->insertAction(m_fileMenuEnd, action);
    if (QMenu *edit = findChild<QMenu *>(QStringLiteral("MenuEdit")))
        edit->addAction(copy);
    // The right-button menu offers them too.
    m_menu10->addSeparator();
    for (QAction *action : {copy, exportSheet, print, save, open})
        m_menu10->addAction(action);
    refreshRecentFiles();
}

QString CalculatorWindow::lastFolder() const
{
    const QStringList recent = QSettings().value(QStringLiteral("files/recent")).toStringList();
    return recent.isEmpty() ? QString() : QFileInfo(recent.front()).absolutePath();
}

void CalculatorWindow::rememberFile(const QString &path)
{
    if (!m_remember)
        return;
    QSettings settings;
    QStringList recent = settings.value(QStringLiteral("files/recent")).toStringList();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > RecentFiles)
        recent.removeLast();
    settings.setValue(QStringLiteral("files/recent"), recent);
    refreshRecentFiles();
}

void CalculatorWindow::refreshRecentFiles()
{
    m_recentMenu->clear();
    const QStringList recent =
        m_remember ? QSettings().value(QStringLiteral("files/recent")).toStringList() : QStringList();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction *action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setToolTip(path);
        connect(action, &QAction::triggered, this, [this, path] { openCalculation(path); });
    }
    m_recentMenu->setEnabled(!recent.isEmpty());
}

void CalculatorWindow::say(const QString &text)
{
    m_platform->messageBox(text.toStdString(), m_program.windowTitle);
}

bool CalculatorWindow::saveCalculation(const QString &path)
{
    const SavedCalculation calculation = m_model->save();
    const std::string problem = checkSavedCalculation(calculation, m_program);
    if (!problem.empty()) {
        say(QStringLiteral("Cannot save %1: %2").arg(path, qs(problem)));
        return false;
    }
    QFile file(path);
    const QByteArray text = QByteArray::fromStdString(writeSavedCalculation(calculation));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size() || !file.flush()) {
        say(QStringLiteral("Cannot save %1: %2").arg(path, file.errorString()));
        return false;
    }
    file.close();
    rememberFile(path);
    m_statusFromModel = false;
    m_status->showMessage(QStringLiteral("Saved %1").arg(QFileInfo(path).fileName()), ConfirmationTime);
    return true;
}

bool CalculatorWindow::openCalculation(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        say(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
        return false;
    }
    // A calculation file is small; anything far larger is not one.
    const QByteArray text = file.read(4 << 20);
    const SavedCalculationRead read = readSavedCalculation(std::string_view(text.constData(), text.size()));
    if (!read.ok) {
        say(QStringLiteral("Cannot open %1: %2").arg(path, qs(read.error)));
        return false;
    }
    // A calculation of another program opens in that program, where it is installed beside this one.
    if (read.calculation.program != m_program.name) {
        const QString other =
            QString::fromStdString(m_platform->programFolder()) + QLatin1Char('/') + qs(read.calculation.program);
        if (QFileInfo(other).isExecutable() && QProcess::startDetached(other, {QFileInfo(path).absoluteFilePath()})) {
            m_statusFromModel = false;
            m_status->showMessage(
                QStringLiteral("%1 opens %2").arg(qs(read.calculation.program), QFileInfo(path).fileName()),
                ConfirmationTime);
            return true;
        }
        say(QStringLiteral("Cannot open %1: it is a calculation of %2, not of %3")
                .arg(path, qs(read.calculation.program), qs(m_program.name)));
        return false;
    }
    const std::string problem = m_model->open(read.calculation);
    refresh();
    if (!problem.empty()) {
        say(QStringLiteral("Cannot open %1: %2").arg(path, qs(problem)));
        return false;
    }
    rememberFile(path);
    return true;
}

bool CalculatorWindow::exportCalculation(const QString &path)
{
    const refdoc::SheetResult written = refdoc::writeSheet(path, refdoc::sheetCase(*m_model), sheetHeader());
    if (!written.ok) {
        say(QStringLiteral("Cannot export %1: %2").arg(path, written.error));
        return false;
    }
    m_statusFromModel = false;
    m_status->showMessage(QStringLiteral("Exported %1 (%2 pages)").arg(QFileInfo(path).fileName()).arg(written.pages),
                          ConfirmationTime);
    return true;
}

bool CalculatorWindow::printCalculation(QPrinter &printer)
{
    const refdoc::SheetResult printed = refdoc::paintSheet(printer, refdoc::sheetCase(*m_model), sheetHeader());
    if (!printed.ok)
        say(QStringLiteral("Cannot print: %1").arg(printed.error));
    return printed.ok;
}

refdoc::SheetHeader CalculatorWindow::sheetHeader() const
{
    return refdoc::sheetHeader(m_model->names(), QDate::currentDate().toString(Qt::ISODate).toStdString(),
                               STRUCTCALC_VERSION);
}

bool CalculatorWindow::askNames(bool always)
{
    CalculationNames names = m_model->names();
    if (!always && !(names.project.empty() && names.member.empty() && names.engineer.empty()))
        return true;
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Names on the calculation sheet"));
    auto *form = new QFormLayout(&dialog);
    auto *project = new QLineEdit(qs(names.project), &dialog);
    auto *member = new QLineEdit(qs(names.member), &dialog);
    auto *engineer = new QLineEdit(qs(names.engineer), &dialog);
    form->addRow(QStringLiteral("&Project:"), project);
    form->addRow(QStringLiteral("&Member:"), member);
    form->addRow(QStringLiteral("&Engineer:"), engineer);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    names.project = project->text().trimmed().toStdString();
    names.member = member->text().trimmed().toStdString();
    names.engineer = engineer->text().trimmed().toStdString();
    m_model->setNames(names);
    if (m_remember) {
        QSettings settings;
        settings.setValue(QStringLiteral("names/project"), qs(names.project));
        settings.setValue(QStringLiteral("names/engineer"), qs(names.engineer));
    }
    return true;
}

// What a next start restores: the window's place and size, the result format, and the case on
// display with its inputs, units, ticks, chart and colours (kept as a calculation of its own).
void CalculatorWindow::saveSettings() const
{
    if (!m_remember)
        return;
    QSettings settings;
    settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("results/format"), m_model->formatResults());
    settings.setValue(QStringLiteral("state/calculation"), qs(writeSavedCalculation(m_model->save())));
}

void CalculatorWindow::restoreSettings()
{
    QSettings settings;
    const QByteArray geometry = settings.value(QStringLiteral("window/geometry")).toByteArray();
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
    if (settings.value(QStringLiteral("results/format"), true).toBool() != m_model->formatResults())
        m_model->toggleFormat();
    CalculationNames names;
    names.project = settings.value(QStringLiteral("names/project")).toString().toStdString();
    names.engineer = settings.value(QStringLiteral("names/engineer")).toString().toStdString();
    m_model->setNames(names);
    // A state written by another version or damaged is left aside: the window starts fresh.
    const std::string state = settings.value(QStringLiteral("state/calculation")).toString().toStdString();
    const SavedCalculationRead read = readSavedCalculation(state);
    if (read.ok && read.calculation.program == m_program.name) {
        SavedCalculation calculation = read.calculation;
        // The names of a calculation belong to it; the sheet's standing names come from above.
        if (calculation.names.project.empty())
            calculation.names.project = names.project;
        if (calculation.names.engineer.empty())
            calculation.names.engineer = names.engineer;
        m_model->open(calculation);
    }
    refresh();
}

}  // namespace shell
