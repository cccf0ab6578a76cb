// The window's calculations as files: saved and opened again (also in another unit system and
// chart view), a damaged or foreign file refused with a message and nothing changed, a file of
// another program handed to that program by name only, what is not a regular file refused by its
// kind, a failed write keeping the old file, the sheet exported and printed, the calculation
// copied, and the settings a second start restores or, damaged, leaves aside.

#include "registry/familynames.h"
#include "registry/registry.h"
#include "shell/core/savedcalculation.h"
#include "shell/core/testing/recordingplatform.h"
#include "shell/qt/calculatorwindow.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

struct Window {
    explicit Window(const char *program)
        : window(std::make_unique<shell::CalculatorWindow>(*registry::find(program), &platform))
    {
    }
    shell::testing::RecordingPlatform platform;
    std::unique_ptr<shell::CalculatorWindow> window;
    shell::ShellModel &model() { return window->model(); }
    std::string message() const { return platform.messages.empty() ? "<none>" : platform.messages.back().text; }
    QString status() const { return window->findChild<QStatusBar *>(QStringLiteral("StatusBar1"))->currentMessage(); }
};

std::string local(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool write(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// What a path is, without following a link at its end.
mode_t kind(const QString &path)
{
    struct stat status {
    };
    return ::lstat(local(path).c_str(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

class windowFiles : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString path(const char *name) const { return folder.filePath(QString::fromLatin1(name)); }
    QTemporaryDir folder;
};

TEST_F(windowFiles, aSavedCalculationOpensAsItWasSaved)
{
    Window first("Beams");
    shell::ShellModel &m = first.model();
    m.selectCase(4);
    m.setText(0, "250");
    m.chooseUnit(shell::LengthUnit::Metre);
    m.chooseForceUnit(shell::ForceUnit::Kilonewton);
    m.tickRow(1, false);
    m.chooseChartType(shell::ChartType::Line2D);
    ASSERT_TRUE(first.window->saveCalculation(path("beam5.structcalc.json")));

    Window second("Beams");
    ASSERT_TRUE(second.window->openCalculation(path("beam5.structcalc.json")));
    EXPECT_EQ(second.model().save(), m.save());
    EXPECT_EQ(second.model().currentCase(), 4);
    EXPECT_EQ(second.model().text(4, 0), m.text(4, 0));
    EXPECT_FALSE(second.model().rows()[1].ticked);
    EXPECT_TRUE(second.platform.messages.empty());
}

TEST_F(windowFiles, aDamagedOrForeignFileIsRefusedAndChangesNothing)
{
    Window rahmen("Rahmen");
    ASSERT_TRUE(rahmen.window->saveCalculation(path("frame.structcalc.json")));
    const QByteArray text = contents(path("frame.structcalc.json"));
    ASSERT_TRUE(write(path("cut.structcalc.json"), text.left(text.size() / 2)));

    Window beams("Beams");
    const shell::SavedCalculation before = beams.model().save();
    for (const char *name : {"cut.structcalc.json", "frame.structcalc.json", "missing.structcalc.json"}) {
        beams.platform.messages.clear();
        EXPECT_FALSE(beams.window->openCalculation(path(name))) << name;
        ASSERT_EQ(beams.platform.messages.size(), 1u) << name;
        EXPECT_EQ(beams.platform.messages[0].text.rfind("Cannot open " + path(name).toStdString() + ": ", 0), 0u);
        EXPECT_EQ(beams.model().save(), before) << name;
    }
    EXPECT_EQ(beams.message(),
              "Cannot open " + path("missing.structcalc.json").toStdString() + ": there is no such file");
}

TEST_F(windowFiles, theSheetIsExportedAndPrintedAndTheCalculationCopied)
{
    Window w("cantilever");
    w.model().selectCase(9);
    ASSERT_TRUE(w.window->exportCalculation(path("sheet.pdf")));
    QFile sheet(path("sheet.pdf"));
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    EXPECT_TRUE(sheet.read(5).startsWith("%PDF-"));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("printed.pdf"));
    EXPECT_TRUE(w.window->printCalculation(printer));
    EXPECT_GT(QFile(path("printed.pdf")).size(), 1000);

    QAction *copy = w.window->findChild<QAction *>(QStringLiteral("CopyCalculationAction"));
    ASSERT_NE(copy, nullptr);
    copy->trigger();
    EXPECT_EQ(w.platform.clipboard.rfind(w.model().currentCaseDef().caption, 0), 0u) << w.platform.clipboard;
    EXPECT_NE(w.platform.clipboard.find("Name\tSymbol\tValue\tUnit"), std::string::npos);
}

// A second start finds the case, inputs, units and chart of the first; --defaults starts
// fresh. The settings go to a folder of the test's own.
TEST_F(windowFiles, aSecondStartRestoresTheFirstAndDefaultsStartFresh)
{
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    QCoreApplication::setOrganizationName(QStringLiteral("structcalc-test"));
    {
        Window first("Beams");
        first.window->rememberSettings(true);
        first.model().selectCase(2);
        first.model().setText(1, "120");
        first.model().chooseUnit(shell::LengthUnit::Centimetre);
        first.model().chooseView(shell::ChartArea::Diagrams);
        first.window->close();
    }
    {
        Window second("Beams");
        second.window->rememberSettings(true);
        EXPECT_EQ(second.model().currentCase(), 2);
        EXPECT_EQ(second.model().text(2, 1), "12");  // 120 mm, shown in cm
        EXPECT_EQ(second.model().units().length, shell::LengthUnit::Centimetre);
        EXPECT_EQ(second.model().chartArea(), shell::ChartArea::Diagrams);
        // The focus is on the case on display, as the user left it.
        EXPECT_EQ(second.window->focusWidget(), second.window->findChild<QWidget *>(QStringLiteral("Command1_2")));
        // Reset still gives the start values.
        second.model().reset();
        EXPECT_EQ(second.model().text(2, 1), "10");
    }
    {
        Window fresh("Beams");
        fresh.window->rememberSettings(false);
        EXPECT_EQ(fresh.model().currentCase(), 0);
        EXPECT_EQ(fresh.model().units().length, shell::LengthUnit::Millimetre);
    }
    QCoreApplication::setOrganizationName(QString());
}

// A calculation names its program; only a program of the family is started, by its absolute
// path in the program folder, with the file as its one argument. A path, a name of no program or
// an executable that is this program itself starts nothing; this program's own name opens here.
TEST_F(windowFiles, onlyAProgramOfTheFamilyIsStartedAndWithTheFileAlone)
{
    const QString bin = path("bin");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("bin")));
    ASSERT_TRUE(write(bin + QStringLiteral("/Rahmen"), "#!/bin/sh\n"));
    ASSERT_TRUE(QFile::setPermissions(bin + QStringLiteral("/Rahmen"), QFile::ReadOwner | QFile::ExeOwner));
    ASSERT_TRUE(QFile::link(QCoreApplication::applicationFilePath(), bin + QStringLiteral("/Profilor")));
    Window w("Beams");
    w.platform.folder = local(bin);
    std::vector<QStringList> started;
    w.window->setFamily(registry::familyNames(), [&](const QString &program, const QString &file) {
        started.push_back({program, file});
        return true;
    });
    const QString file = path("calc.structcalc.json");
    const std::string opening = "Cannot open " + file.toStdString() + ": it is a calculation of ";
    const std::string family =
        "\", not a program of structcalc (Beams, cantilever, Rahmen, buckling, Profilor, Member)";
    const struct {
        const char *program;
        std::string message;  // "" where it opens
    } rows[] = {
        {"../../../../../../../../bin/sh", opening + "\"../../../../../../../../bin/sh" + family},
        {"../bin/Beams", opening + "\"../bin/Beams" + family},
        {"/bin/sh", opening + "\"/bin/sh" + family},
        {"rahmen", opening + "\"rahmen" + family},
        {"Rahmen $(touch pwned)", opening + "\"Rahmen $(touch pwned)" + family},
        {"buckling", opening + "buckling, which is not installed beside Beams (in " + local(bin) + ")"},
        {"Profilor", opening + "Profilor, but " + local(bin) + "/Profilor is this program, Beams"},
        {"Rahmen", ""},
        {"Beams", ""},
    };
    for (const auto &row : rows) {
        shell::SavedCalculation calculation = w.model().save();
        calculation.program = row.program;
        ASSERT_TRUE(write(file, QByteArray::fromStdString(shell::writeSavedCalculation(calculation))));
        w.platform.messages.clear();
        started.clear();
        EXPECT_EQ(w.window->openCalculation(file), row.message.empty()) << row.program;
        EXPECT_EQ(w.platform.messages.empty() ? "" : w.message(), row.message) << row.program;
        const std::vector<QStringList> rahmen{{bin + QStringLiteral("/Rahmen"), file}};
        EXPECT_EQ(started, std::string(row.program) == "Rahmen" ? rahmen : std::vector<QStringList>()) << row.program;
    }
}

// A calculation is read only from a regular file, and the window writes only regular files (a
// link followed to its target): the others are refused by their kind, left as they were, and a
// FIFO is never waited on.
TEST_F(windowFiles, whatIsNotARegularFileIsRefusedByItsKindAndLeftAsItWas)
{
    ASSERT_EQ(::mkfifo(local(path("fifo")).c_str(), 0600), 0);
    const int reader = ::open(local(path("fifo")).c_str(), O_RDONLY | O_NONBLOCK);  // a writer would not block
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder")));
    ASSERT_TRUE(QFile::link(path("loop"), path("loop")));
    ASSERT_TRUE(write(path("large"), QByteArray((1 << 20) + 1, ' ')));
    // A null device of the test's own (a system's device is never put at risk); root may make it.
    const bool device = ::mknod(local(path("device")).c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    ASSERT_TRUE(QFile::link(path("device"), path("link")));

    Window w("Beams");
    w.model().selectCase(3);
    const std::pair<const char *, const char *> opened[] = {
        {"missing", "there is no such file"},         {"folder", "it is a folder"},
        {"fifo", "it is a FIFO (named pipe)"},        {"loop", "there is a loop of symbolic links"},
        {"large", "it is larger than 1048576 bytes"}, {"link", "it is a character device"},
    };
    for (const auto &[name, why] : opened) {
        if (!device && std::string(name) == "link")
            continue;
        EXPECT_FALSE(w.window->openCalculation(path(name)));
        EXPECT_EQ(w.message(), "Cannot open " + local(path(name)) + ": " + why);
        EXPECT_EQ(w.model().currentCase(), 3);
    }
    const std::pair<const char *, const char *> written[] = {
        {"folder", "it is a folder"}, {"fifo", "it is a FIFO (named pipe)"}, {"link", "it is a character device"}};
    for (const auto &[name, why] : written) {
        if (!device && std::string(name) == "link")
            continue;
        const mode_t before = kind(path(name));
        EXPECT_FALSE(w.window->saveCalculation(path(name)));
        EXPECT_EQ(w.message(), "Cannot save " + local(path(name)) + ": " + why);
        EXPECT_FALSE(w.window->exportCalculation(path(name)));
        EXPECT_EQ(w.message(), "Cannot export " + local(path(name)) + ": " + why);
        EXPECT_EQ(kind(path(name)), before) << name;
    }
    EXPECT_TRUE(!device || kind(path("device")) == S_IFCHR);
    ::close(reader);
}

// A write that fails part way (here a file size limit, as a full disk would) keeps the old
// file, leaves no temporary file and says why; so do the settings.
TEST_F(windowFiles, aWriteThatFailsKeepsTheOldFileAndSaysWhy)
{
    Window w("Beams");
    const QString file = path("beam.structcalc.json");
    const QString settings = path("Beams.conf");
    w.window->rememberSettings(false, settings);
    ASSERT_TRUE(w.window->saveCalculation(file));
    const QByteArray saved = contents(file);
    const QByteArray remembered = contents(settings);
    w.model().setText(0, "123");

    rlimit usual{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &usual), 0);
    rlimit small = usual;
    small.rlim_cur = 100;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = w.window->saveCalculation(path("beam.structcalc.json"));
    w.window->close();  // the settings of the case on display are written at close
    ::setrlimit(RLIMIT_FSIZE, &usual);
    std::signal(SIGXFSZ, handler);

    EXPECT_FALSE(written);
    EXPECT_EQ(w.message(), "Cannot save " + local(file) + ": File too large");
    EXPECT_EQ(contents(file), saved);
    EXPECT_EQ(contents(settings).toStdString(), remembered.toStdString());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
}

// Settings that are not the window's (random bytes, a folder, a huge file, a FIFO, a link to a
// device) are left aside: the window starts with the defaults, says so once, never waits and
// never writes anything but a regular file.
TEST_F(windowFiles, damagedSettingsStartTheDefaultsWithOneWordAndAreNeverWrittenThroughADevice)
{
    QByteArray noise(3000, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 7919 + 13) % 251);
    const bool device = ::mknod(local(path("device")).c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    const struct {
        const char *name;
        std::function<bool(const QString &)> make;
        const char *why;
    } rows[] = {
        {"noise", [&](const QString &at) { return write(at, noise); }, "it is not a settings file of the window"},
        {"huge", [](const QString &at) { return write(at, QByteArray((8 << 20) + 1, 'x')); },
         "it is larger than 8388608 bytes"},
        {"folder", [](const QString &at) { return QDir().mkdir(at); }, "it is a folder"},
        {"fifo", [](const QString &at) { return ::mkfifo(local(at).c_str(), 0600) == 0; }, "it is a FIFO (named pipe)"},
        {"link", [&](const QString &at) { return device && QFile::link(path("device"), at); },
         "it is a character device"},
    };
    for (const auto &row : rows) {
        const QString settings = path(row.name);
        if (!row.make(settings))
            continue;  // no device without the right to make one
        const mode_t before = kind(settings);
        {
            Window first("Beams");
            first.window->rememberSettings(true, settings);
            EXPECT_EQ(first.model().currentCase(), 0) << row.name;
            EXPECT_EQ(first.status(),
                      QStringLiteral("Settings not read from %1: %2; the window starts with the defaults")
                          .arg(settings, QString::fromLatin1(row.why)));
            first.model().selectCase(2);
            first.window->close();
        }
        Window second("Beams");
        second.window->rememberSettings(true, settings);
        if (before == S_IFREG) {  // damaged contents are written over with sound settings
            EXPECT_EQ(second.model().currentCase(), 2) << row.name;
            EXPECT_TRUE(second.status().isEmpty()) << second.status().toStdString();
        } else {
            EXPECT_EQ(kind(settings), before) << row.name;
        }
    }
    EXPECT_TRUE(!device || kind(path("device")) == S_IFCHR);
}

// A name remembered with a line break or too long is cleaned (else every Save would fail), and of
// a list of any number of recent files only those shown are read.
TEST_F(windowFiles, rememberedNamesAreCleanedAndOnlyTheRecentFilesShownAreKept)
{
    const QString settings = path("Beams.conf");
    {
        QSettings planted(settings, QSettings::IniFormat);
        planted.setValue(QStringLiteral("names/project"), QStringLiteral("Hall 3\nEast"));
        planted.setValue(QStringLiteral("names/engineer"), QString(250, QLatin1Char('x')));
        QStringList recent;
        for (int i = 0; i < 2000; ++i)
            recent << QStringLiteral("/calculations/beam-%1.structcalc.json").arg(i);
        planted.setValue(QStringLiteral("files/recent"), recent);
    }
    Window w("Beams");
    w.window->rememberSettings(true, settings);
    EXPECT_EQ(w.model().names().project, "Hall 3 East");
    EXPECT_EQ(w.model().names().engineer, std::string(200, 'x'));
    EXPECT_TRUE(w.window->saveCalculation(path("b.structcalc.json"))) << w.message();
    const QList<QAction *> recent = w.window->findChild<QMenu *>(QStringLiteral("MenuRecent"))->actions();
    ASSERT_EQ(recent.size(), 6);
    EXPECT_EQ(recent[0]->toolTip(), path("b.structcalc.json"));
    EXPECT_EQ(recent[1]->toolTip(), QStringLiteral("/calculations/beam-0.structcalc.json"));
    EXPECT_EQ(QSettings(settings, QSettings::IniFormat).value(QStringLiteral("files/recent")).toStringList().size(), 6);
}

// Answers the modal dialogs a command opens, one after the other, as a user would; a dialog
// that is not answered is closed, so that a test never hangs.
class Answers : public QObject
{
public:
    explicit Answers(std::vector<std::function<void(QWidget *)>> steps) : m_steps(std::move(steps))
    {
        m_timer.callOnTimeout(this, [this] {
            // A dialog is answered once it has stood on the screen for a tick: a file dialog
            // still filling its folder would otherwise overwrite the file chosen for it.
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog || !dialog->isVisible() || dialog == m_last)
                return;
            if (dialog != m_appeared) {
                m_appeared = dialog;
                return;
            }
            m_last = dialog;
            if (m_done < m_steps.size())
                m_steps[m_done++](dialog);
            else
                QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        });
        m_timer.start(20);
    }
    std::size_t answered() const { return m_done; }

private:
    std::vector<std::function<void(QWidget *)>> m_steps;
    std::size_t m_done = 0;
    QPointer<QWidget> m_appeared;
    QPointer<QWidget> m_last;
    QTimer m_timer;
};

// Export asks for the file first, in the user's documents (never the working folder), then the
// names on the sheet, cleaned as typed; Save then opens in the folder used last.
TEST_F(windowFiles, exportAsksTheFileInTheDocumentsThenTheNamesAndSaveOpensWhereTheLastWent)
{
    Window w("Beams");
    w.window->show();
    QString opened;
    Answers answers(
        {[&](QWidget *dialog) {
             auto *files = qobject_cast<QFileDialog *>(dialog);
             ASSERT_NE(files, nullptr) << dialog->objectName().toStdString();
             opened = files->directory().absolutePath();
             // Typed whole and accepted at once, as a user would: the dialog's folder, still
             // being read, cannot put its own file name back in between.
             files->selectFile(path("sheet.pdf"));
             if (auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                 name->setText(path("sheet.pdf"));
             QMetaObject::invokeMethod(files, "accept", Qt::DirectConnection);
         },
         [&](QWidget *dialog) {
             ASSERT_EQ(dialog->objectName(), QStringLiteral("NamesDialog"));
             dialog->findChild<QLineEdit *>(QStringLiteral("ProjectName"))->setText(QStringLiteral("Hall 3\nEast"));
             dialog->findChild<QLineEdit *>(QStringLiteral("EngineerName"))->setText(QString(250, QLatin1Char('x')));
             QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
         },
         [&](QWidget *dialog) {
             if (auto *files = qobject_cast<QFileDialog *>(dialog))
                 opened = files->directory().absolutePath();
             QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
         }});
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString expected = QDir(documents).exists() ? documents : QDir::homePath();
    w.window->findChild<QAction *>(QStringLiteral("ExportAction"))->trigger();
    EXPECT_EQ(opened, expected);
    EXPECT_NE(opened, QDir::currentPath());
    EXPECT_EQ(w.model().names().project, "Hall 3 East");
    EXPECT_EQ(w.model().names().engineer, std::string(200, 'x'));
    EXPECT_TRUE(QFile::exists(path("sheet.pdf"))) << w.message();
    w.window->findChild<QAction *>(QStringLiteral("SaveAction"))->trigger();
    EXPECT_EQ(answers.answered(), 3u);
    EXPECT_EQ(opened, QDir(folder.path()).absolutePath());
}

}  // namespace
