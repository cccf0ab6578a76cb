// The window's calculations as files and its memory between runs: Save…, Open…, recent files,
// Export calculation… (the calculation sheet as a PDF), Print…, Copy calculation, the names on
// the sheet (asked once, remembered), and the settings a next start restores.

#include "shell/qt/calculatorwindow.h"

#include "shell/core/files.h"
#include "shell/core/savedcalculation.h"
#include "shell/sheet/sheetlibrary.h"

#include <QAction>
#include <QCoreApplication>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPagedPaintDevice>
#include <QProcess>
#include <QRegularExpression>
#include <QStatusBar>

#include <algorithm>
#include <memory>

namespace shell {

namespace {

constexpr int ConfirmationTime = 3000;  // ms a confirmation stays in the status bar

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

// A path as the system takes it.
std::string local(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

template <typename W> W *named(W *object, const QString &name)
{
    object->setObjectName(name);
    return object;
}

// The printer dialog is in a library of its own, libstructcalc-printer.so beside the program, so
// that Qt Print Support is loaded when Print is chosen, not at every start. Its entry asks for a
// printer and gives it, or nullptr where the user cancelled.
using AskPrinter = QPagedPaintDevice *(*)(QWidget *parent);
constexpr const char *PrinterLibrary = "libstructcalc-printer.so";
constexpr const char *AskPrinterEntry = "structcalc_ask_printer";

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
    // The file first, then (where none are known yet) the names on the sheet: a path typed
    // for the export lands in the file dialog, never in the names.
    connect(exportSheet, &QAction::triggered, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export calculation"),
                                                          lastFolder() + QStringLiteral("/calculation.pdf"),
                                                          QStringLiteral("PDF documents (*.pdf)"));
        if (!path.isEmpty() && askNames(false))
            exportCalculation(path);
    });
    connect(print, &QAction::triggered, this, [this] {
        if (!askNames(false))
            return;
        std::string problem;
        const auto ask =
            reinterpret_cast<AskPrinter>(shell::librarySymbol(PrinterLibrary, AskPrinterEntry, {}, problem));
        if (!ask) {
            say(QStringLiteral("Cannot print: %1").arg(qs(problem)));
            return;
        }
        if (const std::unique_ptr<QPagedPaintDevice> printer{ask(this)})
            printCalculation(*printer);
    });
    connect(copy, &QAction::triggered, this, [this] {
        m_model->copyCalculation();
        confirm(QStringLiteral("Calculation copied"));
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
    m_mainMenu->addSeparator();
    for (QAction *action : {copy, exportSheet, print, save, open})
        m_mainMenu->addAction(action);
    refreshRecentFiles();
}

void CalculatorWindow::say(const QString &text)
{
    m_platform->messageBox(text.toStdString(), m_program.windowTitle);
}

void CalculatorWindow::confirm(const QString &text)
{
    m_statusFromModel = false;
    m_status->showMessage(text, ConfirmationTime);
}

void CalculatorWindow::notice(const QString &text)
{
    m_statusFromModel = false;
    m_status->showMessage(text);
}

void CalculatorWindow::setFamily(std::vector<std::string> programs, ProgramStarter start)
{
    m_family = std::move(programs);
    m_startProgram = std::move(start);
}

bool CalculatorWindow::saveCalculation(const QString &path)
{
    const SavedCalculation calculation = m_model->save();
    const std::string problem = checkSavedCalculation(calculation, m_program);
    if (!problem.empty()) {
        say(QStringLiteral("Cannot save %1: %2").arg(path, qs(problem)));
        return false;
    }
    // Written whole beside the old file and renamed over it: a failure keeps the old one.
    const std::string written = writeFileAtomically(local(path), writeSavedCalculation(calculation));
    if (!written.empty()) {
        say(QStringLiteral("Cannot save %1: %2").arg(path, qs(written)));
        return false;
    }
    rememberFile(path);
    confirm(QStringLiteral("Saved %1").arg(QFileInfo(path).fileName()));
    return true;
}

bool CalculatorWindow::openCalculation(const QString &path)
{
    // Only a regular file is read (a FIFO would hold the window for ever), and no more of it
    // than a calculation can be.
    const FileRead file = readRegularFile(local(path), SavedCalculationMaxBytes);
    if (!file.ok) {
        say(QStringLiteral("Cannot open %1: %2").arg(path, qs(file.error)));
        return false;
    }
    const SavedCalculationRead read = readSavedCalculation(file.text);
    if (!read.ok) {
        say(QStringLiteral("Cannot open %1: %2").arg(path, qs(read.error)));
        return false;
    }
    if (read.calculation.program != m_program.name)
        return handOn(path, read.calculation.program);
    const std::string problem = m_model->open(read.calculation);
    refresh();
    if (!problem.empty()) {
        say(QStringLiteral("Cannot open %1: %2").arg(path, qs(problem)));
        return false;
    }
    rememberFile(path);
    return true;
}

// A calculation of another program of the family opens in that program. The file's "program" is
// a name, never a path: only a name of the family is started, as the executable of that name in
// this program's folder, with the file as its one argument.
bool CalculatorWindow::handOn(const QString &path, const std::string &program)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    const QString name = qs(program);
    if (std::find(m_family.begin(), m_family.end(), program) == m_family.end()) {
        // A hostile name may be long or hold control characters: show a short, quoted part.
        QString shown =
            name.left(60).replace(QRegularExpression(QStringLiteral("[\\x00-\\x1f\\x7f]")), QStringLiteral("?"));
        if (name.size() > 60)
            shown += QStringLiteral("…");
        QStringList known;
        for (const std::string &member : m_family)
            known << qs(member);
        say(QStringLiteral("Cannot open %1: it is a calculation of \"%2\", not a program of structcalc (%3)")
                .arg(path, shown, known.join(QStringLiteral(", "))));
        return false;
    }
    const QString folder = QFile::decodeName(QByteArray::fromStdString(m_platform->programFolder()));
    const QFileInfo installed(folder + QLatin1Char('/') + name);
    if (!installed.isFile() || !installed.isExecutable()) {
        say(QStringLiteral("Cannot open %1: it is a calculation of %2, which is not installed beside %3 (in %4)")
                .arg(path, name, qs(m_program.name), folder));
        return false;
    }
    // A program never hands a file to itself (an executable of the family's name that is this
    // program would hand it on again for ever).
    if (installed.canonicalFilePath() == QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath()) {
        say(QStringLiteral("Cannot open %1: it is a calculation of %2, but %3 is this program, %4")
                .arg(path, name, installed.filePath(), qs(m_program.name)));
        return false;
    }
    const ProgramStarter start =
        m_startProgram ? m_startProgram : [](const QString &executable, const QString &argument) {
            return QProcess::startDetached(executable, {argument});
        };
    if (!start(installed.absoluteFilePath(), file)) {
        say(QStringLiteral("Cannot open %1: %2 could not be started").arg(path, installed.absoluteFilePath()));
        return false;
    }
    confirm(QStringLiteral("%1 opens %2").arg(name, QFileInfo(path).fileName()));
    return true;
}

bool CalculatorWindow::exportCalculation(const QString &path)
{
    // A folder, a device or a FIFO is refused by its kind before the sheet is painted.
    const std::string writable = checkWritable(local(path));
    if (!writable.empty()) {
        say(QStringLiteral("Cannot export %1: %2").arg(path, qs(writable)));
        return false;
    }
    const sheet::SheetAnswer written = sheet::writeSheetFile(sheetRequest(), local(path), {});
    if (!written.ok) {
        // The writer's words name the file already ("cannot write F: why").
        QString why = written.error.empty() ? QStringLiteral("the sheet could not be written") : qs(written.error);
        if (why.startsWith(QLatin1String("cannot ")))
            why[0] = QLatin1Char('C');
        else
            why = QStringLiteral("Cannot export %1: %2").arg(path, why);
        say(why);
        return false;
    }
    rememberFolder(path);
    confirm(QStringLiteral("Exported %1 (%2 pages)").arg(QFileInfo(path).fileName()).arg(written.pages));
    return true;
}

bool CalculatorWindow::printCalculation(QPagedPaintDevice &printer)
{
    const sheet::SheetAnswer printed = sheet::paintOnPrinter(sheetRequest(), &printer);
    if (!printed.ok)
        say(QStringLiteral("Cannot print: %1").arg(qs(printed.error)));
    return printed.ok;
}

sheet::SheetRequest CalculatorWindow::sheetRequest() const
{
    return {m_model.get(), QDate::currentDate().toString(Qt::ISODate).toStdString(), STRUCTCALC_VERSION};
}

bool CalculatorWindow::askNames(bool always)
{
    CalculationNames names = m_model->names();
    if (!always && !(names.project.empty() && names.member.empty() && names.engineer.empty()))
        return true;
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("NamesDialog"));
    const QString title = QStringLiteral("Names on the calculation sheet");
    dialog.setWindowTitle(title);
    auto *form = new QFormLayout(&dialog);
    auto *about = new QLabel(QStringLiteral("The head of every page of the sheet shows these names."), &dialog);
    about->setWordWrap(true);
    form->addRow(about);
    const auto field = [&](const std::string &text, const char *name) {
        auto *edit = named(new QLineEdit(qs(text), &dialog), QString::fromLatin1(name));
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 36);
        return edit;
    };
    QLineEdit *project = field(names.project, "ProjectName");
    QLineEdit *member = field(names.member, "MemberName");
    QLineEdit *engineer = field(names.engineer, "EngineerName");
    form->addRow(QStringLiteral("&Project:"), project);
    form->addRow(QStringLiteral("&Member:"), member);
    form->addRow(QStringLiteral("&Engineer:"), engineer);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    // Wide enough that the window manager shows the whole title beside its buttons.
    dialog.setMinimumWidth(dialog.fontMetrics().horizontalAdvance(title) + 160);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // Cleaned as typed: a line break or an overlong name would make every later Save fail.
    names.project = cleanName(project->text().toStdString());
    names.member = cleanName(member->text().toStdString());
    names.engineer = cleanName(engineer->text().toStdString());
    m_model->setNames(names);
    rememberNames(names);
    return true;
}

}  // namespace shell
