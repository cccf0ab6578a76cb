#include "shell/qt/calculatorwindow.h"

#include "shell/qt/applicationstyle.h"
#include "shell/qt/chartview.h"
#include "shell/qt/controls.h"
#include "shell/qt/diagramview.h"
#include "shell/qt/diagramwindow.h"
#include "shell/qt/resultsview.h"
#include "shell/qt/settingsfile.h"
#include "shell/qt/sketchview.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
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
#include <QWheelEvent>

#include <algorithm>

namespace shell {

namespace {

constexpr int UnitsPerPixel = ShellModel::LayoutUnitsPerPixel;
// A confirmation in the status bar stays this long (milliseconds).
constexpr int ConfirmationTime = 3000;

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

// How an input field looks: plain, marked as the one the entry error is about (a red frame and
// a pale red ground, which read in every style), or warning that its text holds more than its
// number (a pale amber ground).
enum class FieldMark { None, Refused, ReadAsNumber };

void markField(QLineEdit *edit, FieldMark mark)
{
    static const QString refused =
        QStringLiteral("QLineEdit { border: 2px solid #c62828; border-radius: 2px; background: #fdecea; }");
    static const QString readAs =
        QStringLiteral("QLineEdit { border: 1px solid #e0a800; border-radius: 2px; background: #fff4cc; }");
    const QString sheet = mark == FieldMark::Refused ? refused : mark == FieldMark::ReadAsNumber ? readAs : QString();
    if (edit->styleSheet() != sheet)
        edit->setStyleSheet(sheet);
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
    m_family = {program.name};
    setWindowTitle(qs(program.windowTitle));
    buildControls();

    for (const QKeySequence &keys : {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &CalculatorWindow::openContextMenuAtFocus);
    }

    m_model->start();
    refresh();
    fitToScreen();
    if (!m_caseButtons.empty())
        m_caseButtons.front()->setFocus(Qt::TabFocusReason);
}

void CalculatorWindow::closeEvent(QCloseEvent *event)
{
    saveSettings();
    QMainWindow::closeEvent(event);
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

CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::place(QWidget *widget, const LayoutRect &r)
{
    const QRect target(r.left / UnitsPerPixel, r.top / UnitsPerPixel, std::max(r.width / UnitsPerPixel, 1),
                       std::max(r.height / UnitsPerPixel, 1));
    if (widget->geometry() != target)
        widget->setGeometry(target);
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
    refreshMenus();
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

void CalculatorWindow::showCurrentCase()
{
    // Only the case on display has its picture and inputs shown; they are built when it is
    // first selected.
    const int current = m_model->currentCase();
    if (current == m_shownCase)
        return;
    if (m_shownCase >= 0) {
        CasePage &old = m_cases[static_cast<std::size_t>(m_shownCase)];
        old.picture->hide();
        old.frame->hide();
        const QSignalBlocker blocker(m_caseButtons[static_cast<std::size_t>(m_shownCase)]);
        m_caseButtons[static_cast<std::size_t>(m_shownCase)]->setChecked(false);
    }
    m_shownCase = current;
    if (current < 0)
        return;
    CasePage &page = casePage(current);
    page.picture->show();
    page.frame->show();
    const QSignalBlocker blocker(m_caseButtons[static_cast<std::size_t>(current)]);
    m_caseButtons[static_cast<std::size_t>(current)]->setChecked(true);
}

void CalculatorWindow::copyResults()
{
    m_model->copyResults();
    m_statusFromModel = false;
    m_status->showMessage(QStringLiteral("Results copied"), ConfirmationTime);
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

void CalculatorWindow::refreshInputs()
{
    const int i = m_model->currentCase();
    if (i < 0 || i != m_shownCase)
        return;
    CasePage &page = m_cases[static_cast<std::size_t>(i)];
    const int count = static_cast<int>(page.rows.size());
    const CaseDef &definition = m_program.cases[static_cast<std::size_t>(i)];
    const QPalette &colours = page.frame->palette();
    const QColor unitInk = quietInk(colours.color(QPalette::WindowText), frameGround(colours));
    for (int k = 0; k < count; ++k) {
        InputRow &row = page.rows[static_cast<std::size_t>(k)];
        // The symbol with its unit in a quieter ink that still reads on the frame: "l mm", "w N/mm".
        const QString unit = qs(m_model->inputUnit(i, k)).toHtmlEscaped();
        const QString symbol = qs(definition.inputs[static_cast<std::size_t>(k)].caption).toHtmlEscaped();
        setLabelIfDifferent(row.caption, unit.isEmpty()
                                             ? symbol
                                             : symbol + QStringLiteral("&nbsp;<span style='color:") + unitInk.name() +
                                                   QStringLiteral("'>") + unit + QStringLiteral("</span>"));
        for (const int field : {k, count + k}) {
            QLineEdit *edit = field < count ? row.value : row.step;
            const std::string note = m_model->inputNote(i, field);
            FieldMark mark = FieldMark::None;
            QString tip = field < count ? QString() : QStringLiteral("step");
            if (m_model->lastRejected() && m_model->markedField() == field) {
                mark = FieldMark::Refused;
                tip = qs(m_model->rejectionReason());
            } else if (!note.empty()) {
                mark = FieldMark::ReadAsNumber;
                tip = qs(note);
            }
            markField(edit, mark);
            showNumberText(edit, qs(m_model->text(i, field)), tip);
        }
        if (row.scroll->value() != m_model->scrollValue(i, k) && !row.scroll->isSliderDown()) {
            const QSignalBlocker blocker(row.scroll);
            row.scroll->setValue(m_model->scrollValue(i, k));
        }
    }
    if (definition.sketch)
        page.picture->setSketch(definition.sketch(m_model->inputNumbers(i)));
}

bool CalculatorWindow::refreshResults()
{
    const auto &rows = m_model->rows();
    const CaseDef &c = m_model->currentCaseDef();
    std::vector<ResultsView::Row> shown;
    shown.reserve(rows.size());
    for (std::size_t r = 0; r < rows.size() && rows[r].visible; ++r) {
        const ResultRow &row = rows[r];
        const RowDef *definition = r < c.rows.size() ? &c.rows[r] : nullptr;
        shown.push_back({qs(row.caption), qs(row.text), qs(row.unit), definition ? qs(definition->meaning) : QString(),
                         row.ticked, definition && definition->claims.has_value(), qs(row.largestText),
                         definition && definition->range.has_value(), qs(row.outsideRange), qs(row.reason)});
    }
    bool layout = m_results->setRows(std::move(shown));
    // Results that no longer belong to the inputs shown (a refused input) are greyed as stale;
    // they come back as soon as the input is accepted.
    const bool stale = m_model->lastRejected();
    if (m_results->isEnabled() == stale)
        m_results->setEnabled(!stale);
    m_chart->setStale(stale);
    m_diagramView->setStale(stale);

    const CaseDef &onDisplay = m_model->currentCaseDef();
    setLabelIfDifferent(m_caseTitle, onDisplay.title.empty()
                                         ? qs(onDisplay.caption)
                                         : qs(onDisplay.caption) + QStringLiteral(": ") + qs(onDisplay.title));

    const auto &notes = m_model->notes();
    for (std::size_t j = 0; j < m_notes.size(); ++j) {
        const bool noted = j < notes.size();
        if (m_notes[j]->isVisibleTo(m_form) != noted) {
            m_notes[j]->setVisible(noted);
            layout = true;
        }
        if (noted && m_notes[j]->text() != qs(notes[j])) {
            m_notes[j]->setText(qs(notes[j]));
            layout = true;
        }
    }

    QString advice;
    for (const std::string &line : m_model->advisories())
        advice += (advice.isEmpty() ? QString() : QStringLiteral("\n")) + qs(line);
    setLabelIfDifferent(m_advisory, advice);
    if (m_advisory->isVisibleTo(m_form) == advice.isEmpty()) {
        m_advisory->setVisible(!advice.isEmpty());
        layout = true;
    }

    showModelStatus();

    // Only the view on display follows the model, so a keystroke draws one of them.
    const bool diagrams = m_model->chartArea() == ChartArea::Diagrams;
    if (diagrams)
        m_diagramView->setData(m_model->diagrams(), DiagramOptions{m_model->showSlope()});
    else
        m_chart->setData(m_model->chartPoints(), m_model->chartType(), fromBgr(m_model->plotColor()),
                         m_model->logScale());
    // The window of their own follows every input while it is open.
    if (m_diagramWindow && m_diagramWindow->isVisible())
        m_diagramWindow->setContent(m_caseTitle->text(), m_model->diagrams(), DiagramOptions{m_model->showSlope()},
                                    stale);
    if (m_windowButton->isVisibleTo(m_form) != diagrams)
        m_windowButton->setVisible(diagrams);
    if (m_chart->isVisibleTo(m_form) == diagrams || m_diagramView->isVisibleTo(m_form) != diagrams) {
        const bool focused = m_chart->hasFocus() || m_diagramView->hasFocus();
        m_chart->setVisible(!diagrams);
        m_diagramView->setVisible(diagrams);
        // Diagrams that come into view (a switch, a menu, a calculation opened) get the room
        // they read in, once the layout has followed.
        if (diagrams)
            QTimer::singleShot(0, this, &CalculatorWindow::growToShowDiagrams);
        if (focused)
            (diagrams ? static_cast<QWidget *>(m_diagramView) : m_chart)->setFocus();
    }
    return layout;
}

void CalculatorWindow::chooseView(ChartArea area)
{
    m_model->chooseView(area);
    refresh();
}

void CalculatorWindow::openDiagramWindow()
{
    if (!m_diagramWindow) {
        m_diagramWindow = new DiagramWindow(this);
        connect(m_diagramWindow, &DiagramWindow::contextMenuRequested, this,
                [this](QPoint globalPos) { m_chartSubmenu->popup(globalPos); });
    }
    m_diagramWindow->setContent(m_caseTitle->text(), m_model->diagrams(), DiagramOptions{m_model->showSlope()},
                                m_model->lastRejected());
    m_diagramWindow->open(this);
}

void CalculatorWindow::refreshMenus()
{
    m_formatAction->setChecked(m_model->formatResults());
    m_logAction->setChecked(m_model->logScale());
    for (std::size_t i = 0; i < m_unitActions.size(); ++i)
        m_unitActions[i]->setChecked(LengthUnits[i] == m_model->units().length);
    for (std::size_t i = 0; i < m_forceActions.size(); ++i)
        m_forceActions[i]->setChecked(ForceUnits[i] == m_model->units().force);
    const bool diagrams = m_model->chartArea() == ChartArea::Diagrams;
    for (int i = 0; i < 8; ++i)
        m_chartTypeActions[static_cast<std::size_t>(i)]->setChecked(!diagrams &&
                                                                    i == static_cast<int>(m_model->chartType()));
    m_diagramsAction->setChecked(diagrams);
    m_slopeAction->setChecked(m_model->showSlope());
    m_slopeAction->setEnabled(diagrams);
    m_resultsSwitch->setChecked(!diagrams);
    m_diagramsSwitch->setChecked(diagrams);
}

void CalculatorWindow::applyColors()
{
    const QColor color = fromBgr(m_model->programColor());
    const QColor colors[] = {color.lighter(185), color, color};
    for (std::size_t i = 0; i < m_bands.size(); ++i) {
        QPalette palette = m_bands[i]->palette();
        if (palette.color(QPalette::Window) != colors[i]) {
            palette.setColor(QPalette::Window, colors[i]);
            m_bands[i]->setPalette(palette);
        }
    }
    // Text on the program colour takes black or white, whichever reads on it.
    const QColor banner = color.lighter(160);
    QPalette bannerPalette = m_banner->palette();
    if (bannerPalette.color(QPalette::Window) != banner) {
        bannerPalette.setColor(QPalette::Window, banner);
        bannerPalette.setColor(QPalette::WindowText, readableOn(banner));
        m_banner->setPalette(bannerPalette);
    }
    // The page labels stand on the side band.
    for (std::size_t i = 2; i < m_commandLabels.size(); ++i) {
        QPalette palette = m_commandLabels[i]->palette();
        const QColor ink = readableOn(colors[0]);
        if (palette.color(QPalette::ButtonText) != ink) {
            palette.setColor(QPalette::ButtonText, ink);
            palette.setColor(QPalette::WindowText, ink);
            m_commandLabels[i]->setPalette(palette);
        }
    }
}

void CalculatorWindow::popupMenu(const QPoint &globalPos)
{
    refreshMenus();
    m_mainMenu->popup(globalPos);
}

void CalculatorWindow::openContextMenuAtFocus()
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || !isAncestorOf(focus))
        focus = m_form;
    const QPoint at = focus->mapToGlobal(focus->rect().center());
    if (focus == m_chart || focus == m_diagramView)
        m_chartSubmenu->popup(at);
    else
        popupMenu(at);
}

bool CalculatorWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ContextMenu: {
        const auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        // The banner, the background, the results frame, the title and the note lines open
        // the window's menu; other controls keep their own.
        const bool opensMenu = watched == m_banner || watched == m_results || watched == m_form ||
                               std::find(m_titles.begin(), m_titles.end(), watched) != m_titles.end() ||
                               std::find(m_notes.begin(), m_notes.end(), watched) != m_notes.end();
        if (!opensMenu)
            break;
        popupMenu(menuEvent->globalPos());
        return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (auto *scroll = qobject_cast<QScrollBar *>(watched)) {
            const int current = m_model->currentCase();
            if (current >= 0) {
                const auto &rows = m_cases[static_cast<std::size_t>(current)].rows;
                for (std::size_t k = 0; k < rows.size(); ++k)
                    if (rows[k].scroll == scroll) {
                        m_model->setScrollFocus(static_cast<int>(k), event->type() == QEvent::FocusIn);
                        refreshInput();
                    }
            }
        } else if (auto *field = qobject_cast<QLineEdit *>(watched); field && event->type() == QEvent::FocusOut) {
            // A field left with a long text shows it from its first character again.
            field->setCursorPosition(0);
        }
        break;
    case QEvent::Wheel:
        if (wheelOverInput(watched, static_cast<QWheelEvent *>(event)))
            return true;
        break;
    case QEvent::Resize:
        if (watched == m_form)
            refreshLayout();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CalculatorWindow::wheelOverInput(QObject *watched, QWheelEvent *event)
{
    const int current = m_model->currentCase();
    if (current < 0)
        return false;
    const auto &rows = m_cases[static_cast<std::size_t>(current)].rows;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (watched != rows[k].value && watched != rows[k].scroll)
            continue;
        // One notch (120 eighths of a degree) is one step; finer wheels add up to a notch.
        // Up or away raises the input, as the right arrow does.
        const QPoint delta = event->angleDelta();
        m_wheelRemainder += delta.y() != 0 ? delta.y() : delta.x();
        const int clicks = m_wheelRemainder / 120;
        m_wheelRemainder -= clicks * 120;
        event->accept();
        if (clicks != 0) {
            m_model->wheel(static_cast<int>(k), clicks);
            refreshInput();
        }
        return true;
    }
    return false;
}

void CalculatorWindow::contextMenuEvent(QContextMenuEvent *event)
{
    popupMenu(event->globalPos());
}

}  // namespace shell
