#pragma once

// The window's menus: the right-button menu of the window (general settings, units, the chart's
// settings), the chart point's menu, and the menu bar (File, Edit, View, Units, Help) that shows
// the same actions. A command that only changes the model is carried out here and announced
// with changed(); those that need the window (copying the results with a confirmation, the
// diagrams' view or window, Help) are asked for by a signal. refresh() sets the check marks
// from the model; retranslate() writes every text in the language installed.

#include "shell/core/language.h"
#include "shell/core/shellmodel.h"

#include <QObject>
#include <QPoint>

#include <utility>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

namespace shell {

class WindowMenus : public QObject
{
    Q_OBJECT

public:
    // Builds the menus of `window`, their actions children of it; Copy, Help and Exit take
    // their keys wherever the focus is in the window.
    WindowMenus(QMainWindow &window, const Program &program, ShellModel &model);

    QMenu *mainMenu() const { return m_mainMenu; }
    QMenu *chartMenu() const { return m_chartSubmenu; }
    QMenu *fileMenu() const { return m_fileMenu; }
    QMenu *editMenu() const { return m_editMenu; }
    // The separator above Exit in the File menu.
    QAction *fileMenuEnd() const { return m_fileMenuEnd; }

    // The check marks and what is enabled, as the model has them.
    void refresh();
    // The window's menu, its marks brought in line first.
    void popupMain(const QPoint &globalPos);
    void popupChart(const QPoint &globalPos);
    // The chart point's menu, headed by the point's caption.
    void popupPoint(const QString &caption, const QPoint &globalPos);
    // Every text in the language now installed.
    void retranslate();
    // The mark in View > Language.
    void showLanguage(Language language);

signals:
    void changed();
    void copyResultsRequested();
    void viewChosen(ChartArea area);
    void diagramWindowRequested();
    void helpRequested();
    void languageChosen(Language language);

private:
    void buildGeneralMenu();
    void buildUnitMenu();
    void buildChartMenu();
    void buildChartLooks();
    void buildCommands();
    void buildMenuBar();
    void buildLanguageMenu(QMenu &view);
    // Connects `action` to the model's `gesture`, followed by changed().
    template <typename Gesture> void runs(QAction *action, Gesture gesture);

    QMainWindow &m_window;
    const Program &m_program;
    ShellModel &m_model;

    QMenu *m_mainMenu = nullptr;
    QMenu *m_chartSubmenu = nullptr;
    QMenu *m_chartPointMenu = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_generalMenu = nullptr;
    QMenu *m_unitMenu = nullptr;  // in the window's menu: the length and force units
    QMenu *m_viewMenu = nullptr;
    QMenu *m_unitsMenu = nullptr;  // in the menu bar
    QMenu *m_helpMenu = nullptr;
    QMenu *m_languageMenu = nullptr;
    std::vector<std::pair<Language, QAction *>> m_languageActions;
    QAction *m_fileMenuEnd = nullptr;
    QAction *m_formatAction = nullptr;
    QAction *m_logAction = nullptr;
    std::vector<QAction *> m_unitActions;   // mm, cm, m
    std::vector<QAction *> m_forceActions;  // N, kN
    std::vector<QAction *> m_chartTypeActions;
    QAction *m_diagramsAction = nullptr;
    QAction *m_influenceAction = nullptr;  // any member: its influence line
    QAction *m_envelopeAction = nullptr;   // and its envelopes
    QAction *m_slopeAction = nullptr;
    QAction *m_diagramWindowAction = nullptr;
    QAction *m_valueAction = nullptr;
    QAction *m_copyAction = nullptr;
    QAction *m_helpAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_programColorAction = nullptr;
    QAction *m_plotColorAction = nullptr;
};

}  // namespace shell
