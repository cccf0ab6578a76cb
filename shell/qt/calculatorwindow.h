#pragma once

// The calculator window of a program: built from the program's catalogue, it forwards every
// user gesture to the shell model and afterwards writes each widget whose content differs
// from the model (under a signal blocker, so nothing loops back).

#include "shell/core/shellmodel.h"
#include "shell/qt/qtplatform.h"

#include <QMainWindow>
#include <QSize>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QPagedPaintDevice;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QScrollBar;
class QStatusBar;
class QWheelEvent;

namespace sheet {
struct SheetRequest;
}

namespace shell {

class ChartView;
class DiagramView;
class DiagramWindow;
class ResultsView;
class SettingsFile;
class SketchView;

// The program of a window: reads its command line (`--help`, `--version`, `--defaults`, a file to
// open), builds the window of `program`, shows it and runs the event loop. `family` names the
// programs a saved calculation may belong to, each an executable beside this one.
int runCalculator(int argc, char **argv, const Program &program, std::vector<std::string> family);

// Starts the program at the absolute path `program` with the one argument `file`; false where
// it could not be started.
using ProgramStarter = std::function<bool(const QString &program, const QString &file)>;

class CalculatorWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit CalculatorWindow(const Program &program, Platform *platform = nullptr, QWidget *parent = nullptr);
    ~CalculatorWindow() override;

    ShellModel &model() { return *m_model; }
    QMenu *mainMenu() const { return m_mainMenu; }
    // Brings every widget in line with the model.
    void refresh();
    // After an input of the case on display changed: its fields, the result rows, the chart or
    // the diagrams and the sketch; the layout only where the notes or the advisory changed.
    void refreshInput();
    // The least size of the laid-out form, in pixels: below it the form scrolls.
    QSize formMinimum() const { return m_formMinimum; }
    // The size of the form the window starts with where the screen has room: that of the
    // program, grown where a case needs more, so that no case of the program scrolls.
    QSize fittingSize() const;

    // The File menu: commands on calculations (saving, opening, printing, exporting, recent
    // files) go in before fileMenuEnd(), the separator above Exit.
    QMenu *fileMenu() const { return m_fileMenu; }
    QAction *fileMenuEnd() const { return m_fileMenuEnd; }

    // The window remembers between runs, in `file` (by default where QSettings keeps the
    // application's settings): its place, the result format, the case on display with its
    // inputs, units, ticks, chart and colours, the names on the sheet and the recent files.
    // `restore` false starts as a fresh install would and still remembers at the end. Settings
    // that cannot be used are left aside, and the status bar says so.
    void rememberSettings(bool restore, const QString &file = QString());

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
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    struct InputRow {
        QLabel *caption = nullptr;  // the symbol and its unit
        QLineEdit *value = nullptr;
        QScrollBar *scroll = nullptr;
        QLineEdit *step = nullptr;
    };
    // A case's picture and inputs, built when the case is first shown.
    struct CasePage {
        SketchView *picture = nullptr;
        QGroupBox *frame = nullptr;
        QLabel *stepHeading = nullptr;  // "step" above the step column
        std::vector<InputRow> rows;
    };

    // windowbuild.cpp: the controls and menus.
    void buildControls();
    CasePage &casePage(int caseIndex);
    void buildCasePage(int caseIndex);
    void buildBanner();
    void buildResults();
    void buildMenus();
    void buildMenuBar();
    // windowfiles.cpp: calculations as files, the sheet, the settings.
    void buildFileCommands();
    bool handOn(const QString &path, const std::string &program);
    // A confirmation in the status bar for a few seconds; a notice until the next message.
    void confirm(const QString &text);
    void notice(const QString &text);
    bool askNames(bool always);
    sheet::SheetRequest sheetRequest() const;
    void say(const QString &text);
    // windowsettings.cpp: what is remembered between runs.
    void refreshRecentFiles();
    void rememberFile(const QString &path);
    void rememberFolder(const QString &path);
    QString lastFolder() const;
    void saveSettings() const;
    void restoreSettings(bool everything);
    void rememberNames(const CalculationNames &names);
    void setTabOrder();
    void fitToScreen();

    // calculatorwindow.cpp: gestures and refresh.
    void place(QWidget *widget, const LayoutRect &area);
    void showCurrentCase();
    void popupMenu(const QPoint &globalPos);
    void openContextMenuAtFocus();
    void copyResults();
    void showModelStatus();
    bool wheelOverInput(QObject *watched, QWheelEvent *event);
    // windowlayout.cpp: widths measured in the window's font, the form's least size, placing.
    void refreshLayout();
    void measureFields();
    QSize leastFormSize() const;
    void placeInputRows(CasePage &page, const LayoutRect &frame);
    void refreshInputs();
    // True where the layout must follow (other result captions or units, notes, advisory).
    bool refreshResults();
    void refreshMenus();
    void applyColors();
    void chooseView(ChartArea area);
    // The diagrams in a window of their own, opened or raised.
    void openDiagramWindow();
    // windowlayout.cpp: the least height of the diagrams under the results where the chart area
    // is `chartWidth` pixels wide, and the window grown (as far as the screen allows) so that
    // they show whole: wide enough for two members side by side where the screen has room.
    int leastDiagramPixels(int chartWidth) const;
    void growToShowDiagrams();

    const Program &m_program;
    std::unique_ptr<QtPlatform> m_ownPlatform;
    Platform *m_platform = nullptr;
    std::unique_ptr<ShellModel> m_model;
    std::unique_ptr<SettingsFile> m_settings;  // settings and recent files are kept (a program, not a test)
    QStringList m_recent;                      // the recent files, the last first
    QString m_lastFolder;                      // where the last file was saved, opened or exported
    std::vector<std::string> m_family;         // the programs whose calculations are handed on
    ProgramStarter m_startProgram;
    QMenu *m_recentMenu = nullptr;

    QScrollArea *m_scrollArea = nullptr;
    QWidget *m_form = nullptr;
    QSize m_formMinimum;
    bool m_laying = false;
    int m_wheelRemainder = 0;
    bool m_statusFromModel = false;
    // Widths measured in the window's font (pixels): the longest text a field holds whole.
    int m_valueWidth = 0;
    int m_stepWidth = 0;
    int m_leastResults = 0;         // layout units: the results frame's least width
    QLabel *m_reference = nullptr;  // the reference's name as a link, after "Reference :"
    QLabel *m_banner = nullptr;
    std::vector<QFrame *> m_bands;
    std::vector<QLabel *> m_titles;
    std::vector<QPushButton *> m_commandLabels;  // Exit, Help and the two page labels
    std::vector<QFrame *> m_pages;               // the two pages of case buttons
    std::vector<QPushButton *> m_caseButtons;
    std::vector<CasePage> m_cases;  // one per case, built when first shown
    int m_shownCase = -1;
    QPushButton *m_reset = nullptr;
    std::vector<QLabel *> m_notes;
    QLabel *m_advisory = nullptr;
    QLabel *m_caseTitle = nullptr;
    ResultsView *m_results = nullptr;  // the results frame with its rows
    ChartView *m_chart = nullptr;
    DiagramView *m_diagramView = nullptr;
    QPushButton *m_resultsSwitch = nullptr;    // the switch above the chart: results chart
    QPushButton *m_diagramsSwitch = nullptr;   // or diagrams
    QPushButton *m_windowButton = nullptr;     // the diagrams in a window of their own
    DiagramWindow *m_diagramWindow = nullptr;  // made when first asked for
    int m_growAttempts = 0;                    // waits for the window manager's frame
    QStatusBar *m_status = nullptr;

    QMenu *m_fileMenu = nullptr;
    QAction *m_fileMenuEnd = nullptr;
    QMenu *m_mainMenu = nullptr;
    QMenu *m_chartPointMenu = nullptr;
    QMenu *m_chartSubmenu = nullptr;
    QAction *m_formatAction = nullptr;
    QAction *m_logAction = nullptr;
    std::vector<QAction *> m_unitActions;   // mm, cm, m
    std::vector<QAction *> m_forceActions;  // N, kN
    std::vector<QAction *> m_chartTypeActions;
    QAction *m_diagramsAction = nullptr;
    QAction *m_slopeAction = nullptr;
    QAction *m_diagramWindowAction = nullptr;
    QAction *m_valueAction = nullptr;
    QAction *m_copyAction = nullptr;
    QAction *m_helpAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_programColorAction = nullptr;
    QAction *m_plotColorAction = nullptr;
    bool m_refreshing = false;
};

}  // namespace shell
