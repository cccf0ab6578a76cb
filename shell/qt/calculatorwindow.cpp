#include "shell/qt/calculatorwindow.h"

#include "shell/qt/chartview.h"
#include "shell/qt/diagramview.h"
#include "shell/qt/sketchview.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>

#include <algorithm>

namespace shell {

namespace {

constexpr int Twips = ShellModel::TwipsPerPixel;
constexpr int ButtonPitch = 420;
constexpr int ButtonsTop = 1950;

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

QColor fromBgr(unsigned bgr)
{
    return QColor(int(bgr & 0xFFu), int((bgr >> 8) & 0xFFu), int((bgr >> 16) & 0xFFu));
}

void setTextIfDifferent(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text) {
        const QSignalBlocker blocker(edit);
        edit->setText(text);
    }
}

void setLabelIfDifferent(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

void setToolTipIfDifferent(QWidget *widget, const QString &tip)
{
    if (widget->toolTip() != tip)
        widget->setToolTip(tip);
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

int runCalculator(int argc, char **argv, const Program &program)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromStdString(program.name));
    // Lets the desktop match the window to the program's menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("structcalc-") + QString::fromStdString(program.id));
    CalculatorWindow window(program);
    window.show();
    return QApplication::exec();
}

CalculatorWindow::CalculatorWindow(const Program &program, Platform *platform, QWidget *parent)
    : QMainWindow(parent), m_program(program)
{
    if (!platform) {
        m_ownPlatform = std::make_unique<QtPlatform>(this);
        platform = m_ownPlatform.get();
    }
    m_model = std::make_unique<ShellModel>(program, *platform);
    setWindowTitle(qs(program.windowTitle));
    buildControls();

    for (const QKeySequence &keys : {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &CalculatorWindow::openContextMenuAtFocus);
    }

    resize(program.windowWidth / Twips, program.windowHeight / Twips);
    m_model->start();
    m_model->resize(m_form->width() * Twips, m_form->height() * Twips);
    refresh();
    if (!m_caseButtons.empty())
        m_caseButtons.front()->setFocus();
}

CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::place(QWidget *widget, const Rect &r)
{
    const QRect target(r.left / Twips, r.top / Twips, std::max(r.width / Twips, 1), std::max(r.height / Twips, 1));
    if (widget->geometry() != target)
        widget->setGeometry(target);
}

void CalculatorWindow::refresh()
{
    if (m_refreshing)
        return;
    m_refreshing = true;
    refreshInputs();
    refreshResults();
    refreshLayout();
    refreshMenus();
    applyColors();
    m_refreshing = false;
}

void CalculatorWindow::refreshInputs()
{
    const int current = m_model->CurrentCase;
    for (int i = 0; i < static_cast<int>(m_cases.size()); ++i) {
        CasePage &page = m_cases[static_cast<std::size_t>(i)];
        const bool shown = i == current;
        page.picture->setVisible(shown);
        page.frame->setVisible(shown);
        {
            const QSignalBlocker blocker(m_caseButtons[static_cast<std::size_t>(i)]);
            m_caseButtons[static_cast<std::size_t>(i)]->setChecked(shown);
        }
        if (!shown)
            continue;
        const int count = static_cast<int>(page.rows.size());
        const CaseDef &definition = m_program.cases[static_cast<std::size_t>(i)];
        for (int k = 0; k < count; ++k) {
            InputRow &row = page.rows[static_cast<std::size_t>(k)];
            setTextIfDifferent(row.value, qs(m_model->text(i, k)));
            setTextIfDifferent(row.step, qs(m_model->text(i, count + k)));
            // The symbol with its unit in grey: "l mm", "w N/mm".
            const QString unit = qs(m_model->inputUnit(i, k)).toHtmlEscaped();
            const QString symbol = qs(definition.inputs[static_cast<std::size_t>(k)].caption).toHtmlEscaped();
            setLabelIfDifferent(row.caption, unit.isEmpty()
                                                 ? symbol
                                                 : symbol + QStringLiteral("&nbsp;<span style='color:#666'>") + unit +
                                                       QStringLiteral("</span>"));
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
                setToolTipIfDifferent(edit, tip);
            }
            if (row.scroll->value() != m_model->scrollValue(i, k) && !row.scroll->isSliderDown()) {
                const QSignalBlocker blocker(row.scroll);
                row.scroll->setValue(m_model->scrollValue(i, k));
            }
        }
        const CaseDef &c = m_program.cases[static_cast<std::size_t>(i)];
        if (c.sketch)
            page.picture->setSketch(c.sketch(m_model->inputNumbers(i)));
    }
}

void CalculatorWindow::refreshResults()
{
    const auto &rows = m_model->rows();
    for (std::size_t r = 0; r < m_results.size() && r < rows.size(); ++r) {
        const ResultRow &row = rows[r];
        ResultWidgets &w = m_results[r];
        w.check->setVisible(row.visible);
        w.value->setVisible(row.visible);
        w.unit->setVisible(row.visible);
        if (!row.visible)
            continue;
        if (w.check->text() != qs(row.caption))
            w.check->setText(qs(row.caption));
        if (w.check->isChecked() != row.ticked) {
            const QSignalBlocker blocker(w.check);
            w.check->setChecked(row.ticked);
        }
        setTextIfDifferent(w.value, qs(row.text));
        setLabelIfDifferent(w.unit, qs(row.unit));
        const CaseDef &c = m_model->currentCaseDef();
        setToolTipIfDifferent(w.check, r < c.rows.size() ? qs(c.rows[r].meaning) : QString());
    }
    // Results that no longer belong to the inputs shown (a refused input) are greyed as stale;
    // they come back as soon as the input is accepted.
    const bool stale = m_model->lastRejected();
    if (m_resultsFrame->isEnabled() == stale) {
        m_resultsFrame->setEnabled(!stale);
        m_resultsFrame->setToolTip(stale ? QStringLiteral("Results of the last accepted input") : QString());
    }
    m_chart->setStale(stale);

    const CaseDef &onDisplay = m_model->currentCaseDef();
    setLabelIfDifferent(m_caseTitle, onDisplay.title.empty()
                                         ? qs(onDisplay.caption)
                                         : qs(onDisplay.caption) + QStringLiteral(": ") + qs(onDisplay.title));

    const auto &notes = m_model->notes();
    for (std::size_t j = 0; j < m_notes.size(); ++j) {
        const bool shown = j < notes.size();
        m_notes[j]->setVisible(shown);
        if (shown)
            setLabelIfDifferent(m_notes[j], qs(notes[j]));
    }

    QString advice;
    for (const std::string &line : m_model->advisories())
        advice += (advice.isEmpty() ? QString() : QStringLiteral("\n")) + qs(line);
    setLabelIfDifferent(m_advisory, advice);
    m_advisory->setVisible(!advice.isEmpty());

    m_status->setVisible(m_model->statusVisible());
    if (m_model->statusVisible() && m_status->currentMessage() != qs(m_model->statusText()))
        m_status->showMessage(qs(m_model->statusText()));

    // Only the view on display follows the model, so a keystroke draws one of them.
    const bool diagrams = m_model->chartArea() == ChartArea::Diagrams;
    if (diagrams)
        m_diagramView->setData(m_model->diagrams(), DiagramOptions{m_model->showSlope()});
    else
        m_chart->setData(m_model->chartPoints(), m_model->chartType(), fromBgr(m_model->PlotColor),
                         m_model->logScale());
    if (m_chart->isVisibleTo(m_form) == diagrams || m_diagramView->isVisibleTo(m_form) != diagrams) {
        const bool focused = m_chart->hasFocus() || m_diagramView->hasFocus();
        m_chart->setVisible(!diagrams);
        m_diagramView->setVisible(diagrams);
        if (focused)
            (diagrams ? static_cast<QWidget *>(m_diagramView) : m_chart)->setFocus();
    }
}

void CalculatorWindow::chooseView(ChartArea area)
{
    m_model->chooseView(area);
    refresh();
}

void CalculatorWindow::refreshLayout()
{
    const int width = m_form->width() * Twips;
    const int height = m_form->height() * Twips;
    place(m_bands[0], {0, 0, 2150, height});
    place(m_bands[1], {2300, 1500, std::max(width - 2600, 600), 45});
    place(m_bands[2], {2150, 0, 45, height});
    place(m_banner, {150, 150, 1850, 1650});
    place(m_titles[0], {2400, 300, std::max(width - 5400, 3000), 520});
    place(m_titles[1], {2400, 880, std::max(width - 5400, 3000), 420});
    place(m_commandLabels[0], {width - 1350, 300, 1100, 450});
    place(m_commandLabels[1], {width - 2550, 300, 1100, 450});

    // The page height fits the fuller page (cantilever's second page holds eleven buttons).
    const int cases = m_program.caseCount();
    const int firstPage = m_program.hasPages() ? m_program.casesPerPage : cases;
    const int perPage = std::max(firstPage, cases - firstPage);
    const int pageHeight = perPage * ButtonPitch + 60;
    for (std::size_t p = 0; p < m_pages.size(); ++p) {
        place(m_pages[p], {150, ButtonsTop, 1850, pageHeight});
        m_pages[p]->setVisible(static_cast<int>(p) == m_model->page() || m_pages.size() == 1);
    }
    for (std::size_t i = 0; i < m_caseButtons.size(); ++i)
        place(m_caseButtons[i],
              {50,
               30 + (static_cast<int>(i) - m_program.firstCaseOf(m_program.pageOf(static_cast<int>(i)))) * ButtonPitch,
               1750, 380});
    if (m_commandLabels.size() == 4) {
        place(m_commandLabels[2], {150, ButtonsTop + pageHeight + 120, 1850, 420});
        place(m_commandLabels[3], {150, ButtonsTop + pageHeight + 560, 1850, 420});
    }

    const int current = m_model->CurrentCase;
    if (current >= 0) {
        CasePage &page = m_cases[static_cast<std::size_t>(current)];
        place(page.picture, m_model->pictureRect(current));
        const Rect frame = m_model->inputFrameRect(current);
        place(page.frame, frame);
        // Caption with its unit, value, scroll bar, step: the scroll bar takes what the others
        // leave.
        const int inner = frame.width - 120;
        const int captionWidth = 1000;
        const int valueWidth = std::clamp(inner * 24 / 100, 900, 1400);
        const int stepWidth = std::clamp(inner * 17 / 100, 700, 1000);
        const int scrollLeft = captionWidth + 100 + valueWidth + 90;
        const int scrollWidth = std::max(inner - scrollLeft - stepWidth - 90, 600);
        for (std::size_t k = 0; k < page.rows.size(); ++k) {
            const int top = 360 + static_cast<int>(k) * 390;
            InputRow &row = page.rows[k];
            place(row.caption, {40, top, captionWidth, 330});
            place(row.value, {captionWidth + 100, top, valueWidth, 330});
            place(row.scroll, {scrollLeft, top + 30, scrollWidth, 270});
            place(row.step, {scrollLeft + scrollWidth + 90, top, stepWidth, 330});
        }
    }

    place(m_reset, m_model->command2Rect());
    for (std::size_t j = 0; j < m_notes.size(); ++j)
        place(m_notes[j], m_model->noteRect(static_cast<int>(j)));

    const Rect results = m_model->frame2Rect();
    place(m_resultsFrame, results);
    // The rows stand in two columns where one column would squeeze them below a readable height.
    const int count = m_model->ResultCount;
    const int columns = count > 0 && (results.height - 260) / count < 330 ? 2 : 1;
    const int perColumn = std::max((count + columns - 1) / columns, 1);
    const int rowHeight = std::min(420, (results.height - 260) / perColumn);
    const int columnWidth = (results.width - 240) / columns;
    for (int r = 0; r < count && r < static_cast<int>(m_results.size()); ++r) {
        const int left = 120 + (r / perColumn) * columnWidth;
        const int top = 200 + (r % perColumn) * rowHeight;
        ResultWidgets &w = m_results[static_cast<std::size_t>(r)];
        // Caption, value and unit; a column keeps a small gap before the next one.
        const int unitWidth = 900;
        const int valueWidth = 1250;
        const int checkWidth = std::min(columnWidth - unitWidth - valueWidth - 360, 4400);
        place(w.check, {left, top, checkWidth, rowHeight - 45});
        place(w.value, {left + checkWidth + 60, top, valueWidth, rowHeight - 45});
        place(w.unit, {left + checkWidth + valueWidth + 150, top, unitWidth, rowHeight - 45});
    }

    // The case in words between the rule under the titles and the picture.
    const Rect picture = m_model->pictureRect(std::max(current, 0));
    place(m_caseTitle, {picture.left, 1580, std::max(width - picture.left - 400, 3000), 380});

    Rect chart = m_model->chartRect();
    if (m_advisory->isVisible()) {
        place(m_advisory, {chart.left, chart.top + 60, chart.width, 400});
        chart.top += 500;
        chart.height = std::max(chart.height - 500, 0);
    }
    // The switch between the results chart and the diagrams stands above them, on the right.
    constexpr int SwitchHeight = 330;
    const int switchWidth =
        std::max(m_diagramsSwitch->sizeHint().width(), m_resultsSwitch->sizeHint().width()) * Twips + 150;
    place(m_diagramsSwitch, {chart.left + chart.width - switchWidth, chart.top + 30, switchWidth, SwitchHeight});
    place(m_resultsSwitch, {chart.left + chart.width - (2 * switchWidth), chart.top + 30, switchWidth, SwitchHeight});
    chart.top += SwitchHeight + 60;
    chart.height = std::max(chart.height - SwitchHeight - 60, 0);
    place(m_chart, chart);
    place(m_diagramView, chart);
    place(m_status, {0, height - 450, width, 450});
}

void CalculatorWindow::refreshMenus()
{
    m_formatAction->setChecked(m_model->formatResults());
    m_logAction->setChecked(m_model->logScale());
    for (int i = 0; i < 3; ++i)
        m_unitActions[static_cast<std::size_t>(i)]->setChecked(i == m_model->UnitSystem);
    for (std::size_t i = 0; i < m_forceActions.size(); ++i)
        m_forceActions[i]->setChecked(static_cast<int>(i) == m_model->ForceUnit);
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
    QPalette bannerPalette = m_banner->palette();
    if (bannerPalette.color(QPalette::Window) != color.lighter(160)) {
        bannerPalette.setColor(QPalette::Window, color.lighter(160));
        m_banner->setPalette(bannerPalette);
    }
}

void CalculatorWindow::popupMenu(const QPoint &globalPos)
{
    refreshMenus();
    m_menu10->popup(globalPos);
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
    if (event->type() == QEvent::ContextMenu) {
        const auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        // The banner, the background, the results frame, the title and the note lines open
        // the window's menu; other controls keep their own.
        const bool opensMenu = watched == m_banner || watched == m_resultsFrame || watched == m_form ||
                               std::find(m_titles.begin(), m_titles.end(), watched) != m_titles.end() ||
                               std::find(m_notes.begin(), m_notes.end(), watched) != m_notes.end();
        if (!opensMenu)
            return QMainWindow::eventFilter(watched, event);
        popupMenu(menuEvent->globalPos());
        return true;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (auto *scroll = qobject_cast<QScrollBar *>(watched)) {
            const int current = m_model->CurrentCase;
            if (current >= 0) {
                const auto &rows = m_cases[static_cast<std::size_t>(current)].rows;
                for (std::size_t k = 0; k < rows.size(); ++k)
                    if (rows[k].scroll == scroll) {
                        m_model->setScrollFocus(static_cast<int>(k), event->type() == QEvent::FocusIn);
                        refresh();
                    }
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CalculatorWindow::contextMenuEvent(QContextMenuEvent *event)
{
    popupMenu(event->globalPos());
}

void CalculatorWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (!m_form || !m_model || m_model->CurrentCase < 0)
        return;
    m_model->resize(m_form->width() * Twips, m_form->height() * Twips);
    refreshLayout();
}

}  // namespace shell
