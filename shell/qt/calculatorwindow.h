#pragma once

// The calculator window of a program: built from the program's catalogue, it forwards every
// user gesture to the shell model and afterwards writes each widget whose content differs
// from the model (under a signal blocker, so nothing loops back). It owns the model and its
// collaborators: the form's widgets (formwidgets.h) with the case pages (casepages.h), where
// they stand (formlayout.h) and the chart area (chartpanel.h), the menus (windowmenus.h), the
// File commands (filecommands.h) and what is remembered between runs (windowsettings.h). The
// window itself connects the commands of the form, keeps the results, the notes, the colours
// and the status line in line with the model, sizes itself to the screen and decides which menu
// a right click opens.

#include "shell/core/language.h"
#include "shell/core/shellmodel.h"
#include "shell/qt/filecommands.h"
#include "shell/qt/formwidgets.h"
#include "shell/qt/qtplatform.h"

#include <QMainWindow>
#include <QSize>

#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QPagedPaintDevice;
class QScrollArea;
class QStatusBar;

namespace shell {

class CasePages;
class ChartPanel;
class FormLayout;
class MemberEditor;
class WindowMenus;
class WindowSettings;

// The program of a window: reads its command line (`--help`, `--version`, `--defaults`, a file to
// open), builds the window of `program`, shows it and runs the event loop. `family` names the
// programs a saved calculation may belong to, each an executable beside this one.
int runCalculator(int argc, char **argv, const Program &program, std::vector<std::string> family);

class CalculatorWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit CalculatorWindow(const Program &program, Platform *platform = nullptr, QWidget *parent = nullptr);
    ~CalculatorWindow() override;

    ShellModel &model() { return *m_model; }
    QMenu *mainMenu() const;
    // Brings every widget in line with the model.
    void refresh();
    // After an input of the case on display changed: its fields, the result rows, the chart or
    // the diagrams and the sketch; the layout only where the notes or the advisory changed.
    void refreshInput();
    // The least size of the laid-out form, in pixels: below it the form scrolls.
    QSize formMinimum() const;
    // The size of the form the window starts with where the screen has room: that of the
    // program, grown where a case needs more, so that no case of the program scrolls.
    QSize fittingSize() const;

    // The File menu: commands on calculations (saving, opening, printing, exporting, recent
    // files) go in before fileMenuEnd(), the separator above Exit.
    QMenu *fileMenu() const;
    QAction *fileMenuEnd() const;

    // The window remembers between runs, in `file` (by default where QSettings keeps the
    // application's settings): its place, the result format, the case on display with its
    // inputs, units, ticks, chart and colours, the names on the sheet and the recent files.
    // `restore` false starts as a fresh install would and still remembers at the end. Settings
    // that cannot be used are left aside, and the status bar says so.
    void rememberSettings(bool restore, const QString &file = QString());
    // The language given on the command line holds for this run: the one remembered is not
    // restored over it.
    void keepLanguage();
    // View > Language: the language installed for the application at once, and remembered.
    void chooseLanguage(Language language);

    // The programs whose saved calculations this window hands on (by their names; this
    // program's own always opens here), and how one is started (by default a detached process).
    void setFamily(std::vector<std::string> programs, ProgramStarter start = {});

    // The File commands without their dialogs: each says what went wrong in a message box and
    // returns whether it was done.
    bool saveCalculation(const QString &path);
    bool openCalculation(const QString &path);
    bool exportCalculation(const QString &path);
    bool printCalculation(QPagedPaintDevice &printer);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // Building: the scroll area and the form, the form's widgets and what their gestures do.
    void buildControls();
    void buildForm();
    void connectCommands();
    void connectStatus();
    void connectCollaborators();
    void setTabOrder();
    void fitToScreen();
    // Every text again in the language installed now.
    void retranslate();

    // Refreshing: the case on display, the results, the chart area, the colours.
    void refreshLayout();
    void showCurrentCase();
    // True where the layout must follow (other result captions or units, notes, advisory).
    bool refreshResults();
    bool refreshNotes();
    void refreshInputs();
    void applyColors();
    // The window grown (as far as the screen allows) so that the diagrams show whole: wide
    // enough for two members side by side where the screen has room.
    void growToShowDiagrams();

    // The status line: the model's entry error or warning, a confirmation for a few seconds, a
    // notice until the next message.
    void showModelStatus();
    void confirm(const QString &text);
    void notice(const QString &text);
    void copyResults();

    void popupMenu(const QPoint &globalPos);
    void openContextMenuAtFocus();

    const Program &m_program;
    std::unique_ptr<QtPlatform> m_ownPlatform;
    Platform *m_platform = nullptr;
    std::unique_ptr<ShellModel> m_model;
    // The collaborators, made after the model and gone before it.
    std::unique_ptr<WindowSettings> m_settings;
    std::unique_ptr<CasePages> m_pages;
    std::unique_ptr<FormLayout> m_layout;
    std::unique_ptr<WindowMenus> m_menus;
    std::unique_ptr<FileCommands> m_files;
    std::unique_ptr<ChartPanel> m_chartPanel;

    QScrollArea *m_scrollArea = nullptr;
    MemberEditor *m_memberEditor = nullptr;  // a program that describes any member
    FormWidgets m_widgets;
    bool m_languageGiven = false;  // by --lang
    int m_shownCase = -1;
    bool m_statusFromModel = false;
    int m_growAttempts = 0;  // waits for the window manager's frame
    QStatusBar *m_status = nullptr;
    bool m_refreshing = false;
};

}  // namespace shell
