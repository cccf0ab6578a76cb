#include "shell/qt/calculatorwindow.h"

#include "shell/qt/applicationstyle.h"
#include "shell/qt/casepages.h"
#include "shell/qt/chartpanel.h"
#include "shell/qt/chartview.h"
#include "shell/qt/controls.h"
#include "shell/qt/diagramview.h"
#include "shell/qt/formlayout.h"
#include "shell/qt/membereditor.h"
#include "shell/qt/resultsview.h"
#include "shell/qt/sketchview.h"
#include "shell/qt/windowlanguage.h"
#include "shell/qt/windowmenus.h"
#include "shell/qt/windowsettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace shell {

namespace {

// A confirmation in the status bar stays this long (milliseconds).
constexpr int ConfirmationTime = 3000;

// The family that holds the Japanese glyphs of the captions, named in the window's font so
// that text with them finds its glyphs without a search through the system's fallback fonts.
const QString JapaneseFamily = QStringLiteral("Noto Sans CJK JP");

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

QColor fromBgr(unsigned bgr)
{
    return QColor(int(bgr & 0xFFu), int((bgr >> 8) & 0xFFu), int((bgr >> 16) & 0xFFu));
}

void setLabelIfDifferent(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

// The visible result rows of the case on display as the results frame shows them.
std::vector<ResultsView::Row> shownRows(const ShellModel &model)
{
    const auto &rows = model.rows();
    const CaseDef &c = model.currentCaseDef();
    std::vector<ResultsView::Row> shown;
    shown.reserve(rows.size());
    for (std::size_t r = 0; r < rows.size() && rows[r].visible; ++r) {
        const ResultRow &row = rows[r];
        const RowDef *definition = r < c.rows.size() ? &c.rows[r] : nullptr;
        shown.push_back({qs(row.caption), qs(row.text), qs(row.unit), qs(row.meaning), row.ticked, row.lineBelow,
                         qs(row.largestText), definition && definition->range.has_value(), qs(row.outsideRange),
                         qs(row.reason)});
    }
    return shown;
}

}  // namespace

CalculatorWindow::CalculatorWindow(const Program &program, Platform *platform, QWidget *parent)
    : QMainWindow(parent), m_program(program)
{
    useApplicationStyle();
    if (!platform) {
        m_ownPlatform = std::make_unique<QtPlatform>(this);
        platform = m_ownPlatform.get();
    }
    m_platform = platform;
    m_model = std::make_unique<ShellModel>(program, *platform);
    m_settings = std::make_unique<WindowSettings>(*this, program, *m_model);
    setWindowTitle(qs(program.windowTitle));
    buildControls();

    for (const QKeySequence &keys : {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &CalculatorWindow::openContextMenuAtFocus);
    }

    m_model->start();
    refresh();
    fitToScreen();
    if (!m_widgets.caseButtons.empty())
        m_widgets.caseButtons.front()->setFocus(Qt::TabFocusReason);
}

CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::buildControls()
{
    buildForm();
    connectCommands();
    connectStatus();
    // The window's own status bar, across the whole window under the form: the entry error
    // with its reason, the values under the pointer on the diagrams, short confirmations.
    m_status = new QStatusBar(this);
    m_status->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(m_status);
    m_menus = std::make_unique<WindowMenus>(*this, m_program, *m_model);
    m_files = std::make_unique<FileCommands>(*this, m_program, *m_model, *m_platform, *m_settings, *m_menus);
    m_chartPanel = std::make_unique<ChartPanel>(*this, *m_model, m_widgets, *m_menus);
    connectCollaborators();
    setTabOrder();
}

void CalculatorWindow::buildForm()
{
    // The family the desktop's font resolves to stays first (a generic name such as "Sans Serif"
    // would give way to the Japanese family); the Japanese family follows it.
    QFont windowFont = font();
    const QString primary = QFontInfo(windowFont).family();
    if (primary != JapaneseFamily) {
        windowFont.setFamilies({primary, JapaneseFamily});
        setFont(windowFont);
    }

    // The form keeps the program's layout down to the least size its fields need; a smaller
    // window scrolls it.
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("FormScroll"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(true);
    // Not a tab stop of its own: it scrolls to the control that takes the focus.
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    auto *form = new QWidget;
    form->setObjectName(QStringLiteral("Form1"));
    m_scrollArea->setWidget(form);
    setCentralWidget(m_scrollArea);

    m_widgets = buildFormWidgets(form, m_program, qs(m_model->helpPath()));
    // The banner, the background, the results frame, the titles and the note lines open the
    // window's menu (eventFilter); a resize of the form lays it out again.
    for (QObject *opensMenu : std::initializer_list<QObject *>{
             form, m_widgets.banner, m_widgets.titles[0], m_widgets.titles[1], m_widgets.results, m_widgets.caseTitle})
        opensMenu->installEventFilter(this);
    for (QLabel *note : m_widgets.notes)
        note->installEventFilter(this);

    if (m_program.memberEditor) {
        m_memberEditor = new MemberEditor(*m_model, form);
        m_widgets.memberEditor = m_memberEditor;
    }
    m_pages = std::make_unique<CasePages>(form, m_program, *m_model);
    m_layout = std::make_unique<FormLayout>(m_program, *m_model, m_widgets, *m_pages);
}

// What Exit, Help, the reference link, the page labels, the case buttons, Reset and the result
// rows do.
void CalculatorWindow::connectCommands()
{
    const FormWidgets &w = m_widgets;
    const auto help = [this] {
        m_model->help();
        refresh();
    };
    connect(w.reference, &QLabel::linkActivated, this, help);
    connect(w.exitLabel(), &QPushButton::clicked, this, [this] { m_model->exit(); });
    connect(w.helpLabel(), &QPushButton::clicked, this, help);
    if (m_program.hasPages()) {
        connect(w.commandLabels[2], &QPushButton::clicked, this, [this] {
            m_model->nextPage();
            refresh();
            m_widgets.caseButtons[static_cast<std::size_t>(m_program.firstCaseOf(1))]->setFocus();
        });
        connect(w.commandLabels[3], &QPushButton::clicked, this, [this] {
            m_model->previousPage();
            refresh();
            m_widgets.caseButtons[static_cast<std::size_t>(m_program.firstCaseOf(0))]->setFocus();
        });
    }
    for (std::size_t i = 0; i < w.caseButtons.size(); ++i)
        connect(w.caseButtons[i], &QPushButton::clicked, this, [this, i] {
            m_model->selectCase(static_cast<int>(i));
            refresh();
        });
    connect(w.reset, &QPushButton::clicked, this, [this] {
        m_model->reset();
        refresh();
    });
    connect(w.results, &ResultsView::tickToggled, this, [this](int row, bool ticked) {
        m_model->tickRow(row, ticked);
        refresh();
    });
    connect(w.results, &ResultsView::valueCopied, this,
            [this](const QString &text) { m_platform->setClipboardText(text.toStdString()); });
}

void CalculatorWindow::connectStatus()
{
    // The values under the pointer on the diagrams stand in the status line while it is there.
    connect(m_widgets.diagramView, &DiagramView::valuesHovered, this, [this](const QString &text) {
        if (text.isEmpty()) {
            m_statusFromModel = true;
            showModelStatus();
            return;
        }
        m_statusFromModel = false;
        m_status->showMessage(text);
    });
}

void CalculatorWindow::connectCollaborators()
{
    connect(m_pages.get(), &CasePages::inputChanged, this, &CalculatorWindow::refreshInput);
    if (m_memberEditor)
        connect(m_memberEditor, &MemberEditor::changed, this, &CalculatorWindow::refreshInput);
    connect(m_pages.get(), &CasePages::pageBuilt, this, &CalculatorWindow::setTabOrder);
    connect(m_menus.get(), &WindowMenus::changed, this, &CalculatorWindow::refresh);
    connect(m_menus.get(), &WindowMenus::copyResultsRequested, this, &CalculatorWindow::copyResults);
    connect(m_menus.get(), &WindowMenus::viewChosen, m_chartPanel.get(), &ChartPanel::chooseView);
    connect(m_menus.get(), &WindowMenus::diagramWindowRequested, m_chartPanel.get(), &ChartPanel::openDiagramWindow);
    connect(m_menus.get(), &WindowMenus::helpRequested, m_widgets.helpLabel(), &QPushButton::click);
    connect(m_menus.get(), &WindowMenus::languageChosen, this, &CalculatorWindow::chooseLanguage);
    m_menus->showLanguage(languageInUse());
    connect(m_files.get(), &FileCommands::opened, this, &CalculatorWindow::refresh);
    connect(m_files.get(), &FileCommands::confirmed, this, &CalculatorWindow::confirm);
    connect(m_files.get(), &FileCommands::noticed, this, &CalculatorWindow::notice);
    connect(m_chartPanel.get(), &ChartPanel::changed, this, &CalculatorWindow::refresh);
    connect(m_chartPanel.get(), &ChartPanel::roomWanted, this, &CalculatorWindow::growToShowDiagrams);
}

void CalculatorWindow::setTabOrder()
{
    // Case buttons with the page labels that switch them, each case's inputs row by row (value,
    // scroll bar, step), Reset, the result rows, the chart with its switch, then Help and Exit.
    // Only the cases shown so far have inputs; those of hidden cases are passed over.
    const FormWidgets &w = m_widgets;
    std::vector<QWidget *> order(w.caseButtons.begin(), w.caseButtons.end());
    for (std::size_t i = 2; i < w.commandLabels.size(); ++i)
        order.push_back(w.commandLabels[i]);
    for (const CasePage &page : m_pages->pages())
        for (const InputRow &row : page.rows) {
            order.push_back(row.value);
            order.push_back(row.scroll);
            order.push_back(row.step);
        }
    if (m_memberEditor)
        order.push_back(m_memberEditor);
    order.push_back(w.reset);
    order.push_back(w.results);
    for (QPushButton *s : w.switches())
        order.push_back(s);
    if (w.influenceChoice)
        order.push_back(w.influenceChoice);
    if (w.envelopeChoice)
        order.push_back(w.envelopeChoice);
    for (QWidget *next : std::initializer_list<QWidget *>{w.windowButton, w.chart, w.diagramView, w.helpLabel(),
                                                          w.exitLabel(), w.reference})
        order.push_back(next);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void CalculatorWindow::fitToScreen()
{
    // The size every case fits, within the screen's room for windows (a title bar and a frame
    // included); a smaller screen scrolls the form.
    const QSize form = fittingSize();
    const int chrome = menuBar()->sizeHint().height() + m_status->sizeHint().height();
    QSize wanted(form.width(), form.height() + chrome);
    const QScreen *display = screen();
    if (display) {
        const QRect room = display->availableGeometry();
        // Room for the window manager's title bar and frame.
        const QSize decoration(16, 40);
        const QSize most = room.size() - decoration;
        if (wanted.width() > most.width() || wanted.height() > most.height()) {
            const int scrollBar = m_scrollArea->verticalScrollBar()->sizeHint().width();
            wanted = QSize(std::min(wanted.width() + scrollBar, most.width()),
                           std::min(wanted.height() + scrollBar, most.height()));
            move(room.topLeft());
        }
    }
    setMinimumSize(QSize(320, 240).boundedTo(wanted));
    resize(wanted);
}

void CalculatorWindow::growToShowDiagrams()
{
    const QScreen *display = screen();
    if (!display || isMaximized() || isFullScreen() || !isVisible())
        return;
    // A window just shown has no frame yet while the window manager decorates it; grown then, it
    // would be placed by a position the window manager has since changed. A few moments later.
    if (frameGeometry() == geometry() && m_growAttempts < 5) {
        ++m_growAttempts;
        QTimer::singleShot(100, this, &CalculatorWindow::growToShowDiagrams);
        return;
    }
    m_growAttempts = 0;
    // The room right of and below the window's place on the screen, less the window manager's
    // title bar and frame: the window grows there and does not move.
    const QRect room = display->availableGeometry();
    const QRect frame = frameGeometry();
    const QSize decoration = (frame.size() - size()).expandedTo(QSize(16, 40));
    const QSize most = QSize(room.right() - std::max(frame.left(), room.left()) + 1,
                             room.bottom() - std::max(frame.top(), room.top()) + 1) -
                       decoration;
    const QSize chrome = size() - m_scrollArea->viewport()->size();
    const QSize form = m_layout->formForDiagrams(m_scrollArea->viewport()->size(), most.width() - chrome.width());
    const QSize wanted = (form + chrome).boundedTo(most).expandedTo(size());
    if (wanted != size())
        resize(wanted);
}

void CalculatorWindow::closeEvent(QCloseEvent *event)
{
    m_settings->save();
    QMainWindow::closeEvent(event);
}

QMenu *CalculatorWindow::mainMenu() const
{
    return m_menus->mainMenu();
}

QMenu *CalculatorWindow::fileMenu() const
{
    return m_menus->fileMenu();
}

QAction *CalculatorWindow::fileMenuEnd() const
{
    return m_menus->fileMenuEnd();
}

QSize CalculatorWindow::formMinimum() const
{
    return m_layout->formMinimum();
}

QSize CalculatorWindow::fittingSize() const
{
    return m_layout->fittingSize();
}

void CalculatorWindow::rememberSettings(bool restore, const QString &file)
{
    const QString problem = m_settings->open(file, restore);
    if (restore && m_settings->language() && !m_languageGiven)
        useLanguage(*m_settings->language());
    if (restore) {
        refresh();
        // The focus where the user left it: on the case on display.
        const int current = m_model->currentCase();
        if (current >= 0 && current < static_cast<int>(m_widgets.caseButtons.size()))
            m_widgets.caseButtons[static_cast<std::size_t>(current)]->setFocus(Qt::OtherFocusReason);
    }
    if (!problem.isEmpty())
        notice(problem);
    m_files->refreshRecentFiles();
}

void CalculatorWindow::keepLanguage()
{
    m_languageGiven = true;
}

void CalculatorWindow::chooseLanguage(Language language)
{
    if (language != languageInUse())
        useLanguage(language);
    const QString problem = m_settings->rememberLanguage(language);
    if (!problem.isEmpty())
        notice(problem);
}

void CalculatorWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && m_model)
        retranslate();
}

void CalculatorWindow::retranslate()
{
    m_menus->retranslate();
    m_menus->showLanguage(languageInUse());
    m_files->retranslate();
    retranslateFormWidgets(m_widgets, m_program, qs(m_model->helpPath()));
    m_pages->retranslate();
    // The rows, notes and status of the case on display are the model's: written again.
    m_model->reselect();
    refresh();
    refreshLayout();
}

void CalculatorWindow::setFamily(std::vector<std::string> programs, ProgramStarter start)
{
    m_files->setFamily(std::move(programs), std::move(start));
}

bool CalculatorWindow::saveCalculation(const QString &path)
{
    return m_files->save(path);
}

bool CalculatorWindow::openCalculation(const QString &path)
{
    return m_files->open(path);
}

bool CalculatorWindow::exportCalculation(const QString &path)
{
    return m_files->exportSheet(path);
}

bool CalculatorWindow::printCalculation(QPagedPaintDevice &printer)
{
    return m_files->print(printer);
}

void CalculatorWindow::refresh()
{
    if (m_refreshing)
        return;
    m_refreshing = true;
    showCurrentCase();
    refreshInputs();
    refreshResults();
    refreshLayout();
    m_menus->refresh();
    m_chartPanel->refreshSwitches();
    applyColors();
    m_refreshing = false;
}

void CalculatorWindow::refreshInput()
{
    if (m_refreshing)
        return;
    m_refreshing = true;
    refreshInputs();
    if (refreshResults())
        refreshLayout();
    m_refreshing = false;
}

void CalculatorWindow::refreshInputs()
{
    const int current = m_model->currentCase();
    if (current >= 0 && current == m_shownCase)
        m_pages->refresh(current);
    if (m_memberEditor)
        m_memberEditor->refresh();
}

void CalculatorWindow::refreshLayout()
{
    if (m_layout && m_model->currentCase() >= 0 && m_model->currentCase() == m_shownCase)
        m_layout->lay();
}

void CalculatorWindow::showCurrentCase()
{
    // Only the case on display has its picture and inputs shown; they are built when it is
    // first selected.
    const int current = m_model->currentCase();
    if (current == m_shownCase)
        return;
    const auto &buttons = m_widgets.caseButtons;
    if (m_shownCase >= 0) {
        CasePage &old = m_pages->page(m_shownCase);
        old.picture->hide();
        old.frame->hide();
        const QSignalBlocker blocker(buttons[static_cast<std::size_t>(m_shownCase)]);
        buttons[static_cast<std::size_t>(m_shownCase)]->setChecked(false);
    }
    m_shownCase = current;
    if (current < 0)
        return;
    CasePage &page = m_pages->page(current);
    page.picture->show();
    page.frame->show();
    const QSignalBlocker blocker(buttons[static_cast<std::size_t>(current)]);
    buttons[static_cast<std::size_t>(current)]->setChecked(true);
}

bool CalculatorWindow::refreshResults()
{
    const FormWidgets &w = m_widgets;
    bool layout = w.results->setRows(shownRows(*m_model));
    // Results that no longer belong to the inputs shown (a refused input) are greyed as stale;
    // they come back as soon as the input is accepted.
    const bool stale = m_model->lastRejected();
    if (w.results->isEnabled() == stale)
        w.results->setEnabled(!stale);

    const CaseDef &onDisplay = m_model->currentCaseDef();
    const QString caption = qs(translatedCaption(onDisplay.caption, "Case"));
    setLabelIfDifferent(w.caseTitle, onDisplay.title.empty()
                                         ? caption
                                         : caption + QStringLiteral(": ") + qs(translated("Title", onDisplay.title)));
    if (refreshNotes())
        layout = true;
    showModelStatus();
    m_chartPanel->refresh(stale);
    return layout;
}

// The note lines and the advisory; true where one came, went or changed its text.
bool CalculatorWindow::refreshNotes()
{
    const FormWidgets &w = m_widgets;
    bool layout = false;
    const auto &notes = m_model->notes();
    for (std::size_t j = 0; j < w.notes.size(); ++j) {
        const bool noted = j < notes.size();
        if (w.notes[j]->isVisibleTo(w.form) != noted) {
            w.notes[j]->setVisible(noted);
            layout = true;
        }
        if (noted && w.notes[j]->text() != qs(notes[j])) {
            w.notes[j]->setText(qs(notes[j]));
            layout = true;
        }
    }

    QString advice;
    for (const std::string &line : m_model->advisories())
        advice += (advice.isEmpty() ? QString() : QStringLiteral("\n")) + qs(line);
    setLabelIfDifferent(w.advisory, advice);
    if (w.advisory->isVisibleTo(w.form) == advice.isEmpty()) {
        w.advisory->setVisible(!advice.isEmpty());
        layout = true;
    }
    return layout;
}

void CalculatorWindow::applyColors()
{
    const FormWidgets &w = m_widgets;
    const QColor color = fromBgr(m_model->programColor());
    const QColor colors[] = {color.lighter(185), color, color};
    for (std::size_t i = 0; i < w.bands.size(); ++i) {
        QPalette palette = w.bands[i]->palette();
        if (palette.color(QPalette::Window) != colors[i]) {
            palette.setColor(QPalette::Window, colors[i]);
            w.bands[i]->setPalette(palette);
        }
    }
    // Text on the program colour takes black or white, whichever reads on it.
    const QColor banner = color.lighter(160);
    QPalette bannerPalette = w.banner->palette();
    if (bannerPalette.color(QPalette::Window) != banner) {
        bannerPalette.setColor(QPalette::Window, banner);
        bannerPalette.setColor(QPalette::WindowText, readableOn(banner));
        w.banner->setPalette(bannerPalette);
    }
    // The page labels stand on the side band.
    for (std::size_t i = 2; i < w.commandLabels.size(); ++i) {
        QPalette palette = w.commandLabels[i]->palette();
        const QColor ink = readableOn(colors[0]);
        if (palette.color(QPalette::ButtonText) != ink) {
            palette.setColor(QPalette::ButtonText, ink);
            palette.setColor(QPalette::WindowText, ink);
            w.commandLabels[i]->setPalette(palette);
        }
    }
}

void CalculatorWindow::showModelStatus()
{
    // The entry error stays until the next accepted input, then a field read otherwise than
    // typed says so until it reads as typed; a confirmation or the values under the pointer are
    // left alone unless one of those replaces them.
    const QString readAs = m_model->statusVisible() ? QString() : qs(m_model->readAsStatus());
    if (m_model->statusVisible() || !readAs.isEmpty()) {
        const QString text = readAs.isEmpty() ? qs(m_model->statusText()) : readAs;
        if (m_status->currentMessage() != text)
            m_status->showMessage(text);
        m_statusFromModel = true;
    } else if (m_statusFromModel) {
        m_status->clearMessage();
        m_statusFromModel = false;
    }
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

void CalculatorWindow::copyResults()
{
    m_model->copyResults();
    confirm(tr("Results copied"));
}

void CalculatorWindow::popupMenu(const QPoint &globalPos)
{
    m_menus->popupMain(globalPos);
}

void CalculatorWindow::openContextMenuAtFocus()
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || !isAncestorOf(focus))
        focus = m_widgets.form;
    const QPoint at = focus->mapToGlobal(focus->rect().center());
    if (focus == m_widgets.chart || focus == m_widgets.diagramView)
        m_menus->popupChart(at);
    else
        popupMenu(at);
}

bool CalculatorWindow::eventFilter(QObject *watched, QEvent *event)
{
    const FormWidgets &w = m_widgets;
    if (event->type() == QEvent::ContextMenu) {
        // The banner, the background, the results frame, the title and the note lines open
        // the window's menu; other controls keep their own.
        const bool opensMenu = watched == w.banner || watched == w.results || watched == w.form ||
                               std::find(w.titles.begin(), w.titles.end(), watched) != w.titles.end() ||
                               std::find(w.notes.begin(), w.notes.end(), watched) != w.notes.end();
        if (opensMenu) {
            popupMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        }
    } else if (event->type() == QEvent::Resize && watched == w.form) {
        refreshLayout();
    }
    return QMainWindow::eventFilter(watched, event);
}

void CalculatorWindow::contextMenuEvent(QContextMenuEvent *event)
{
    popupMenu(event->globalPos());
}

}  // namespace shell
