#pragma once

// The File commands of a window: Save…, Open…, the recent files, Export calculation… (the
// calculation sheet as a PDF), Print…, Copy calculation and the names on the sheet (asked once,
// remembered). A calculation of another program of the family is handed on to that program.
// Each command says what went wrong in a message box; a calculation opened into the model is
// announced with opened(), a short confirmation for the status bar with confirmed().

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QPagedPaintDevice;
class QWidget;

namespace sheet {
struct SheetRequest;
}

namespace shell {

struct CalculationNames;
struct Program;
class Platform;
class ShellModel;
class WindowMenus;
class WindowSettings;

// Starts the program at the absolute path `program` with the one argument `file`; false where
// it could not be started.
using ProgramStarter = std::function<bool(const QString &program, const QString &file)>;

class FileCommands : public QObject
{
    Q_OBJECT

public:
    // The commands of `window` (the parent of their dialogs and the owner of their keys), put
    // into its File, Edit and right-button menus.
    FileCommands(QWidget &window, const Program &program, ShellModel &model, Platform &platform,
                 WindowSettings &settings, WindowMenus &menus);

    // The programs whose saved calculations are handed on (by their names; this program's own
    // always opens here), and how one is started (by default a detached process).
    void setFamily(std::vector<std::string> programs, ProgramStarter start = {});

    // The commands without their dialogs: each returns whether it was done.
    bool save(const QString &path);
    bool open(const QString &path);
    bool exportSheet(const QString &path);
    bool print(QPagedPaintDevice &printer);

    // The Recent files menu as the settings have them.
    void refreshRecentFiles();
    // The commands' texts in the language installed.
    void retranslate();

signals:
    void opened();
    void confirmed(const QString &text);
    // A notice that stays until the next message (a setting not saved).
    void noticed(const QString &text);

private:
    void buildActions(WindowMenus &menus);
    void askToOpen();
    void askToSave();
    void askToExport();
    void askToPrint();
    bool handOn(const QString &path, const std::string &program);
    bool askNames(bool always);
    void rememberFile(const QString &path);
    sheet::SheetRequest sheetRequest() const;
    void say(const QString &text);

    QWidget &m_window;
    const Program &m_program;
    ShellModel &m_model;
    Platform &m_platform;
    WindowSettings &m_settings;
    std::vector<std::string> m_family;  // the programs whose calculations are handed on
    ProgramStarter m_startProgram;
    QMenu *m_recentMenu = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_exportAction = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_copyAction = nullptr;
    QAction *m_namesAction = nullptr;
};

}  // namespace shell
