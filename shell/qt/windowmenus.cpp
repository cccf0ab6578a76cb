// The window's commands as actions, each made once and shown both in the right-button menu
// (the window's menu and the chart's menu) and in the menu bar. Exclusive choices (the length
// unit, the force unit, the chart's look) are action groups with radio marks. Object names:
// the window's menu is Menu10 and its items m10_0 to m10_3, the general settings m1010_*, the
// units m1015_*, the chart's settings m1020_*, the chart point's menu Menu20 with m20_0.

#include "shell/qt/windowmenus.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace shell {

namespace {

template <typename W> W *named(W *object, const QString &name)
{
    object->setObjectName(name);
    return object;
}

QString indexed(const char *base, int index)
{
    return QString::fromLatin1(base) + QLatin1Char('_') + QString::number(index);
}

QActionGroup *exclusiveGroup(QObject *parent)
{
    auto *group = new QActionGroup(parent);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    return group;
}

}  // namespace

WindowMenus::WindowMenus(QMainWindow &window, const Program &program, ShellModel &model)
    : m_window(window), m_program(program), m_model(model)
{
    m_mainMenu = named(new QMenu(&m_window), QStringLiteral("Menu10"));
    buildGeneralMenu();
    buildUnitMenu();
    m_copyAction = named(m_mainMenu->addAction(QString()), QStringLiteral("m10_2"));
    // Ctrl+C copies the results wherever the focus is not on a field with text to copy of its own.
    m_copyAction->setShortcut(QKeySequence::Copy);
    connect(m_copyAction, &QAction::triggered, this, &WindowMenus::copyResultsRequested);
    buildChartMenu();
    m_chartPointMenu = named(new QMenu(&m_window), QStringLiteral("Menu20"));
    m_valueAction = named(m_chartPointMenu->addAction(QString()), QStringLiteral("m20_0"));
    buildCommands();
    buildMenuBar();
    retranslate();
}

template <typename Gesture> void WindowMenus::runs(QAction *action, Gesture gesture)
{
    connect(action, &QAction::triggered, this, [this, gesture] {
        gesture();
        emit changed();
    });
}

void WindowMenus::buildGeneralMenu()
{
    QMenu *general = m_generalMenu = m_mainMenu->addMenu(QString());
    general->menuAction()->setObjectName(QStringLiteral("m10_0"));
    m_programColorAction = named(general->addAction(QString()), QStringLiteral("m1010_0"));
    m_formatAction = named(general->addAction(QString()), QStringLiteral("m1010_1"));
    m_formatAction->setCheckable(true);
    runs(m_programColorAction, [this] { m_model.programColorCommand(); });
    runs(m_formatAction, [this] { m_model.toggleFormat(); });
}

void WindowMenus::buildUnitMenu()
{
    QMenu *unit = m_unitMenu = m_mainMenu->addMenu(QString());
    named(unit->menuAction(), QStringLiteral("m10_1"));
    QActionGroup *lengths = exclusiveGroup(&m_window);
    // Unit items without mnemonics: "mm" and "m" would share one.
    for (int i = 0; i < 3; ++i) {
        const LengthUnit length = LengthUnits[i];
        QAction *action = named(unit->addAction(QString::fromStdString(lengthUnitName(length))), indexed("m1015", i));
        action->setCheckable(true);
        lengths->addAction(action);
        runs(action, [this, length] { m_model.chooseUnit(length); });
        m_unitActions.push_back(action);
    }
    // The force unit beside the length unit, where the program has forces.
    if (!m_program.forceUnits)
        return;
    unit->addSeparator()->setObjectName(QStringLiteral("m1015_3"));
    QActionGroup *forces = exclusiveGroup(&m_window);
    for (int i = 0; i < 2; ++i) {
        const ForceUnit force = ForceUnits[i];
        QAction *action = named(unit->addAction(QString::fromStdString(forceUnitName(force))), indexed("m1015", i + 4));
        action->setCheckable(true);
        forces->addAction(action);
        runs(action, [this, force] { m_model.chooseForceUnit(force); });
        m_forceActions.push_back(action);
    }
}

void WindowMenus::buildChartMenu()
{
    m_chartSubmenu = m_mainMenu->addMenu(QString());
    m_chartSubmenu->setObjectName(QStringLiteral("ChartSetting"));
    named(m_chartSubmenu->menuAction(), QStringLiteral("m10_3"));
    m_plotColorAction = named(m_chartSubmenu->addAction(QString()), QStringLiteral("m1020_0"));
    runs(m_plotColorAction, [this] { m_model.plotColorCommand(); });
    m_logAction = named(m_chartSubmenu->addAction(QString()), QStringLiteral("m1020_1"));
    m_logAction->setCheckable(true);
    runs(m_logAction, [this] { m_model.toggleLogScale(); });
    m_chartSubmenu->addSeparator()->setObjectName(QStringLiteral("m1020_2"));
    buildChartLooks();
    m_diagramWindowAction = named(m_chartSubmenu->addAction(QString()), QStringLiteral("m1020_14"));
    connect(m_diagramWindowAction, &QAction::triggered, this, &WindowMenus::diagramWindowRequested);
    m_slopeAction = named(m_chartSubmenu->addAction(QString()), QStringLiteral("m1020_13"));
    m_slopeAction->setCheckable(true);
    runs(m_slopeAction, [this] { m_model.toggleSlope(); });
}

// One look of the results chart or the diagrams: one choice among nine.
void WindowMenus::buildChartLooks()
{
    QActionGroup *looks = exclusiveGroup(&m_window);
    for (int i = 0; i < 8; ++i) {
        QAction *action = named(m_chartSubmenu->addAction(QString()), indexed("m1020", i + 3));
        action->setCheckable(true);
        looks->addAction(action);
        runs(action, [this, i] { m_model.chooseChartType(static_cast<ChartType>(i)); });
        m_chartTypeActions.push_back(action);
    }
    m_chartSubmenu->addSeparator()->setObjectName(QStringLiteral("m1020_11"));
    m_diagramsAction = named(m_chartSubmenu->addAction(QString()), QStringLiteral("m1020_12"));
    m_diagramsAction->setCheckable(true);
    looks->addAction(m_diagramsAction);
    connect(m_diagramsAction, &QAction::triggered, this, [this] { emit viewChosen(ChartArea::Diagrams); });
    if (!m_program.memberEditor)
        return;
    m_influenceAction = named(m_chartSubmenu->addAction(QString()), QStringLiteral("m1020_14"));
    m_envelopeAction = named(m_chartSubmenu->addAction(QString()), QStringLiteral("m1020_15"));
    for (QAction *action : {m_influenceAction, m_envelopeAction}) {
        action->setCheckable(true);
        looks->addAction(action);
    }
    connect(m_influenceAction, &QAction::triggered, this, [this] { emit viewChosen(ChartArea::Influence); });
    connect(m_envelopeAction, &QAction::triggered, this, [this] { emit viewChosen(ChartArea::Envelope); });
}

// Help and Exit, which the menu bar shows; with Copy their keys work whichever control holds
// the focus, also before the menu bar was opened.
void WindowMenus::buildCommands()
{
    m_helpAction = named(new QAction(&m_window), QStringLiteral("HelpAction"));
    m_helpAction->setShortcut(QKeySequence::HelpContents);
    connect(m_helpAction, &QAction::triggered, this, &WindowMenus::helpRequested);
    m_exitAction = named(new QAction(&m_window), QStringLiteral("ExitAction"));
    // The desktop's Quit keys, and Ctrl+Q wherever the desktop names none.
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (!quitKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Q)))
        quitKeys.prepend(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_exitAction->setShortcuts(quitKeys);
    connect(m_exitAction, &QAction::triggered, this, [this] { m_model.exit(); });
    for (QAction *action : {m_copyAction, m_helpAction, m_exitAction}) {
        action->setShortcutContext(Qt::WindowShortcut);
        m_window.addAction(action);
    }
}

void WindowMenus::buildMenuBar()
{
    QMenuBar *bar = m_window.menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));

    m_fileMenu = named(bar->addMenu(QString()), QStringLiteral("MenuFile"));
    m_fileMenuEnd = m_fileMenu->addSeparator();
    m_fileMenuEnd->setObjectName(QStringLiteral("FileMenuEnd"));
    m_fileMenu->addAction(m_exitAction);

    m_editMenu = named(bar->addMenu(QString()), QStringLiteral("MenuEdit"));
    m_editMenu->addAction(m_copyAction);

    QMenu *view = m_viewMenu = named(bar->addMenu(QString()), QStringLiteral("MenuView"));
    for (QAction *action : m_chartTypeActions)
        view->addAction(action);
    view->addSeparator();
    view->addAction(m_diagramsAction);
    view->addAction(m_diagramWindowAction);
    view->addAction(m_slopeAction);
    view->addSeparator();
    view->addAction(m_logAction);
    view->addAction(m_plotColorAction);
    view->addSeparator();
    view->addAction(m_formatAction);
    view->addAction(m_programColorAction);
    view->addSeparator();
    buildLanguageMenu(*view);

    QMenu *units = m_unitsMenu = named(bar->addMenu(QString()), QStringLiteral("MenuUnits"));
    for (QAction *action : m_unitActions)
        units->addAction(action);
    if (!m_forceActions.empty()) {
        units->addSeparator();
        for (QAction *action : m_forceActions)
            units->addAction(action);
    }

    QMenu *help = m_helpMenu = named(bar->addMenu(QString()), QStringLiteral("MenuHelp"));
    help->addAction(m_helpAction);
}

// View > Language: each language named in its own words, so that a user who cannot read the
// window's present language still finds theirs.
void WindowMenus::buildLanguageMenu(QMenu &view)
{
    m_languageMenu = named(view.addMenu(QString()), QStringLiteral("MenuLanguage"));
    QActionGroup *group = exclusiveGroup(&m_window);
    const std::pair<Language, QString> languages_[] = {{Language::Japanese, QStringLiteral("日本語")},
                                                       {Language::English, QStringLiteral("English")}};
    for (const auto &[language, name] : languages_) {
        QAction *action =
            named(m_languageMenu->addAction(name), QStringLiteral("Language_") + QLatin1String(languageCode(language)));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, language = language] { emit languageChosen(language); });
        m_languageActions.emplace_back(language, action);
    }
}

void WindowMenus::retranslate()
{
    m_copyAction->setText(tr("Results to c&lipboard"));
    m_generalMenu->setTitle(tr("&General setting"));
    m_programColorAction->setText(tr("Program &color ..."));
    m_formatAction->setText(tr("&Format resulte values"));
    m_unitMenu->setTitle(tr("&Length unit"));
    m_chartSubmenu->setTitle(tr("C&hart setting"));
    m_plotColorAction->setText(tr("&Plot color ..."));
    m_logAction->setText(tr("&Log scale values"));
    m_diagramWindowAction->setText(tr("Diagrams in a &window"));
    m_slopeAction->setText(tr("Show &slope"));
    const QString looks[] = {tr("3D Bar"),      tr("2D Bar"),       tr("3D Line"), tr("2D Line"),
                             tr("3D Area Bar"), tr("2D Area Line"), tr("3D Step"), tr("2D Step")};
    for (std::size_t i = 0; i < m_chartTypeActions.size(); ++i)
        m_chartTypeActions[i]->setText(looks[i]);
    m_diagramsAction->setText(tr("&Diagrams"));
    if (m_influenceAction) {
        m_influenceAction->setText(tr("&Influence line"));
        m_envelopeAction->setText(tr("&Envelope"));
    }
    m_helpAction->setText(tr("&Help"));
    m_exitAction->setText(tr("E&xit"));
    m_fileMenu->setTitle(tr("&File"));
    m_editMenu->setTitle(tr("&Edit"));
    m_viewMenu->setTitle(tr("&View"));
    m_unitsMenu->setTitle(tr("&Units"));
    m_helpMenu->setTitle(tr("&Help"));
    // Translated, the language menu keeps its English name beside: it is where a user who reads
    // only English looks first.
    m_languageMenu->setTitle(tr("&Language"));
}

void WindowMenus::showLanguage(Language language)
{
    for (const auto &[each, action] : m_languageActions)
        action->setChecked(each == language);
}

void WindowMenus::refresh()
{
    m_formatAction->setChecked(m_model.formatResults());
    m_logAction->setChecked(m_model.logScale());
    for (std::size_t i = 0; i < m_unitActions.size(); ++i)
        m_unitActions[i]->setChecked(LengthUnits[i] == m_model.units().length);
    for (std::size_t i = 0; i < m_forceActions.size(); ++i)
        m_forceActions[i]->setChecked(ForceUnits[i] == m_model.units().force);
    const bool diagrams = showsDiagrams(m_model.chartArea());
    for (int i = 0; i < 8; ++i)
        m_chartTypeActions[static_cast<std::size_t>(i)]->setChecked(!diagrams &&
                                                                    i == static_cast<int>(m_model.chartType()));
    m_diagramsAction->setChecked(m_model.chartArea() == ChartArea::Diagrams);
    if (m_influenceAction) {
        m_influenceAction->setChecked(m_model.chartArea() == ChartArea::Influence);
        m_envelopeAction->setChecked(m_model.chartArea() == ChartArea::Envelope);
    }
    m_slopeAction->setChecked(m_model.showSlope());
    m_slopeAction->setEnabled(diagrams);
}

void WindowMenus::popupMain(const QPoint &globalPos)
{
    refresh();
    m_mainMenu->popup(globalPos);
}

void WindowMenus::popupChart(const QPoint &globalPos)
{
    m_chartSubmenu->popup(globalPos);
}

void WindowMenus::popupPoint(const QString &caption, const QPoint &globalPos)
{
    m_valueAction->setText(caption);
    m_chartPointMenu->popup(globalPos);
}

}  // namespace shell
