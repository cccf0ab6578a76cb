// The window's calculations as files. Object names: OpenAction, SaveAction, ExportAction,
// PrintAction, CopyCalculationAction, NamesAction, the menu MenuRecent and the dialog
// NamesDialog with its fields ProjectName, MemberName and EngineerName.

#include "shell/qt/filecommands.h"

#include "shell/core/files.h"
#include "shell/core/savedcalculation.h"
#include "shell/core/shellmodel.h"
#include "shell/qt/windowmenus.h"
#include "shell/qt/windowsettings.h"
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

#include <algorithm>
#include <memory>

namespace shell {

namespace {

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
    return FileCommands::tr("Calculations (*%1);;All files (*)").arg(QString::fromLatin1(SavedCalculationSuffix));
}

}  // namespace

FileCommands::FileCommands(QWidget &window, const Program &program, ShellModel &model, Platform &platform,
                           WindowSettings &settings, WindowMenus &menus)
    : m_window(window), m_program(program), m_model(model), m_platform(platform),
      m_settings(settings), m_family{program.name}
{
    buildActions(menus);
}

void FileCommands::buildActions(WindowMenus &menus)
{
    const auto command = [this](const QString &name, const QKeySequence &keys) {
        QAction *action = named(new QAction(&m_window), name);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        m_window.addAction(action);
        return action;
    };
    QAction *open = m_openAction = command(QStringLiteral("OpenAction"), QKeySequence::Open);
    QAction *save = m_saveAction = command(QStringLiteral("SaveAction"), QKeySequence::Save);
    QAction *exportSheet = m_exportAction = command(QStringLiteral("ExportAction"), QKeySequence(Qt::CTRL | Qt::Key_E));
    QAction *print = m_printAction = command(QStringLiteral("PrintAction"), QKeySequence::Print);
    QAction *copy = m_copyAction =
        command(QStringLiteral("CopyCalculationAction"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(open, &QAction::triggered, this, &FileCommands::askToOpen);
    connect(save, &QAction::triggered, this, &FileCommands::askToSave);
    connect(exportSheet, &QAction::triggered, this, &FileCommands::askToExport);
    connect(print, &QAction::triggered, this, &FileCommands::askToPrint);
    connect(copy, &QAction::triggered, this, [this] {
        m_model.copyCalculation();
        emit confirmed(tr("Calculation copied"));
    });
    QAction *names = m_namesAction = named(new QAction(&m_window), QStringLiteral("NamesAction"));
    connect(names, &QAction::triggered, this, [this] { askNames(true); });

    m_recentMenu = named(new QMenu(&m_window), QStringLiteral("MenuRecent"));
    QMenu *file = menus.fileMenu();
    for (QAction *action : {open, save})
        file->insertAction(menus.fileMenuEnd(), action);
    file->insertMenu(menus.fileMenuEnd(), m_recentMenu);
    file->insertSeparator(menus.fileMenuEnd());
    for (QAction *action : {exportSheet, print, names})
        file->insertAction(menus.fileMenuEnd(), action);
    menus.editMenu()->addAction(copy);
    // The right-button menu offers them too.
    menus.mainMenu()->addSeparator();
    for (QAction *action : {copy, exportSheet, print, save, open})
        menus.mainMenu()->addAction(action);
    retranslate();
    refreshRecentFiles();
}

void FileCommands::retranslate()
{
    m_openAction->setText(tr("&Open…"));
    m_saveAction->setText(tr("&Save…"));
    m_exportAction->setText(tr("&Export calculation…"));
    m_printAction->setText(tr("&Print…"));
    m_copyAction->setText(tr("Copy ca&lculation"));
    m_namesAction->setText(tr("&Names on the sheet…"));
    m_recentMenu->setTitle(tr("&Recent files"));
}

void FileCommands::askToOpen()
{
    const QString path =
        QFileDialog::getOpenFileName(&m_window, tr("Open calculation"), m_settings.lastFolder(), fileFilter());
    if (!path.isEmpty())
        open(path);
}

void FileCommands::askToSave()
{
    const QString suggested = m_settings.lastFolder() + QLatin1Char('/') +
                              qs(m_model.currentCaseDef().caption)
                                  .remove(QLatin1Char(' '))
                                  .remove(QLatin1Char('('))
                                  .remove(QLatin1Char(')')) +
                              QString::fromLatin1(SavedCalculationSuffix);
    QString path = QFileDialog::getSaveFileName(&m_window, tr("Save calculation"), suggested, fileFilter());
    if (path.isEmpty())
        return;
    if (!path.endsWith(QString::fromLatin1(SavedCalculationSuffix)))
        path += QString::fromLatin1(SavedCalculationSuffix);
    save(path);
}

// The file first, then (where none are known yet) the names on the sheet: a path typed for the
// export lands in the file dialog, never in the names.
void FileCommands::askToExport()
{
    const QString path = QFileDialog::getSaveFileName(&m_window, tr("Export calculation"),
                                                      m_settings.lastFolder() + QStringLiteral("/calculation.pdf"),
                                                      tr("PDF documents (*.pdf)"));
    if (!path.isEmpty() && askNames(false))
        exportSheet(path);
}

void FileCommands::askToPrint()
{
    if (!askNames(false))
        return;
    std::string problem;
    const auto ask = reinterpret_cast<AskPrinter>(shell::librarySymbol(PrinterLibrary, AskPrinterEntry, {}, problem));
    if (!ask) {
        say(tr("Cannot print: %1").arg(qs(problem)));
        return;
    }
    if (const std::unique_ptr<QPagedPaintDevice> printer{ask(&m_window)})
        print(*printer);
}

void FileCommands::say(const QString &text)
{
    m_platform.messageBox(text.toStdString(), m_program.windowTitle);
}

void FileCommands::rememberFile(const QString &path)
{
    const QString problem = m_settings.rememberFile(path);
    if (!problem.isEmpty())
        emit noticed(problem);
    refreshRecentFiles();
}

void FileCommands::refreshRecentFiles()
{
    m_recentMenu->clear();
    const QStringList recent = m_settings.recentFiles();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction *action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setToolTip(path);
        connect(action, &QAction::triggered, this, [this, path] { open(path); });
    }
    m_recentMenu->setEnabled(!recent.isEmpty());
}

void FileCommands::setFamily(std::vector<std::string> programs, ProgramStarter start)
{
    m_family = std::move(programs);
    m_startProgram = std::move(start);
}

bool FileCommands::save(const QString &path)
{
    const SavedCalculation calculation = m_model.save();
    const std::string problem = checkSavedCalculation(calculation, m_program);
    if (!problem.empty()) {
        say(tr("Cannot save %1: %2").arg(path, qs(problem)));
        return false;
    }
    // Written whole beside the old file and renamed over it: a failure keeps the old one.
    const std::string written = writeFileAtomically(local(path), writeSavedCalculation(calculation));
    if (!written.empty()) {
        say(tr("Cannot save %1: %2").arg(path, qs(written)));
        return false;
    }
    rememberFile(path);
    emit confirmed(tr("Saved %1").arg(QFileInfo(path).fileName()));
    return true;
}

bool FileCommands::open(const QString &path)
{
    // Only a regular file is read (a FIFO would hold the window for ever), and no more of it
    // than a calculation can be.
    const FileRead file = readRegularFile(local(path), SavedCalculationMaxBytes);
    if (!file.ok) {
        say(tr("Cannot open %1: %2").arg(path, qs(file.error)));
        return false;
    }
    const SavedCalculationRead read = readSavedCalculation(file.text);
    if (!read.ok) {
        say(tr("Cannot open %1: %2").arg(path, qs(read.error)));
        return false;
    }
    if (read.calculation.program != m_program.name)
        return handOn(path, read.calculation.program);
    const std::string problem = m_model.open(read.calculation);
    emit opened();
    if (!problem.empty()) {
        say(tr("Cannot open %1: %2").arg(path, qs(problem)));
        return false;
    }
    rememberFile(path);
    return true;
}

// A calculation of another program of the family opens in that program. The file's "program" is
// a name, never a path: only a name of the family is started, as the executable of that name in
// this program's folder, with the file as its one argument.
bool FileCommands::handOn(const QString &path, const std::string &program)
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
        say(tr("Cannot open %1: it is a calculation of \"%2\", not a program of structcalc (%3)")
                .arg(path, shown, known.join(QStringLiteral(", "))));
        return false;
    }
    const QString folder = QFile::decodeName(QByteArray::fromStdString(m_platform.programFolder()));
    const QFileInfo installed(folder + QLatin1Char('/') + name);
    if (!installed.isFile() || !installed.isExecutable()) {
        say(tr("Cannot open %1: it is a calculation of %2, which is not installed beside %3 (in %4)")
                .arg(path, name, qs(m_program.name), folder));
        return false;
    }
    // A program never hands a file to itself (an executable of the family's name that is this
    // program would hand it on again for ever).
    if (installed.canonicalFilePath() == QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath()) {
        say(tr("Cannot open %1: it is a calculation of %2, but %3 is this program, %4")
                .arg(path, name, installed.filePath(), qs(m_program.name)));
        return false;
    }
    const ProgramStarter start =
        m_startProgram ? m_startProgram : [](const QString &executable, const QString &argument) {
            return QProcess::startDetached(executable, {argument});
        };
    if (!start(installed.absoluteFilePath(), file)) {
        say(tr("Cannot open %1: %2 could not be started").arg(path, installed.absoluteFilePath()));
        return false;
    }
    emit confirmed(tr("%1 opens %2").arg(name, QFileInfo(path).fileName()));
    return true;
}

bool FileCommands::exportSheet(const QString &path)
{
    // A folder, a device or a FIFO is refused by its kind before the sheet is painted.
    const std::string writable = checkWritable(local(path));
    if (!writable.empty()) {
        say(tr("Cannot export %1: %2").arg(path, qs(writable)));
        return false;
    }
    const sheet::SheetAnswer written = sheet::writeSheetFile(sheetRequest(), local(path), {});
    if (!written.ok) {
        // The writer's words name the file already ("cannot write F: why").
        QString why = written.error.empty() ? tr("the sheet could not be written") : qs(written.error);
        if (why.startsWith(QLatin1String("cannot ")))
            why[0] = QLatin1Char('C');
        else
            why = tr("Cannot export %1: %2").arg(path, why);
        say(why);
        return false;
    }
    m_settings.rememberFolder(path);
    emit confirmed(tr("Exported %1 (%2 pages)").arg(QFileInfo(path).fileName()).arg(written.pages));
    return true;
}

bool FileCommands::print(QPagedPaintDevice &printer)
{
    const sheet::SheetAnswer printed = sheet::paintOnPrinter(sheetRequest(), &printer);
    if (!printed.ok)
        say(tr("Cannot print: %1").arg(qs(printed.error)));
    return printed.ok;
}

sheet::SheetRequest FileCommands::sheetRequest() const
{
    return {&m_model, QDate::currentDate().toString(Qt::ISODate).toStdString(), STRUCTCALC_VERSION};
}

bool FileCommands::askNames(bool always)
{
    CalculationNames names = m_model.names();
    if (!always && !(names.project.empty() && names.member.empty() && names.engineer.empty()))
        return true;
    QDialog dialog(&m_window);
    dialog.setObjectName(QStringLiteral("NamesDialog"));
    const QString title = tr("Names on the calculation sheet");
    dialog.setWindowTitle(title);
    auto *form = new QFormLayout(&dialog);
    auto *about = new QLabel(tr("The head of every page of the sheet shows these names."), &dialog);
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
    form->addRow(tr("&Project:"), project);
    form->addRow(tr("&Member:"), member);
    form->addRow(tr("&Engineer:"), engineer);
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
    m_model.setNames(names);
    const QString problem = m_settings.rememberNames(names);
    if (!problem.isEmpty())
        emit noticed(problem);
    return true;
}

}  // namespace shell
