// Where the controls of the window stand. The frames, the picture, the Reset button, the notes
// and the chart follow the model's layout units; inside the frames the fields take the widths that the
// longest texts they hold need in the window's font, so that every number reads whole. The
// diagrams take the chart's place and the room down to the bottom of the window, at least the
// height in which they read. Below the least size of that layout the form scrolls.

#include "shell/core/numbertext.h"
#include "shell/core/units.h"
#include "shell/qt/calculatorwindow.h"
#include "shell/qt/chartview.h"
#include "shell/qt/diagramview.h"
#include "shell/qt/resultsview.h"
#include "shell/qt/sketchview.h"

#include <QFontMetricsF>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace shell {

namespace {

constexpr int UnitsPerPixel = ShellModel::LayoutUnitsPerPixel;
constexpr int ButtonPitch = 420;
constexpr int ButtonsTop = 1950;
constexpr int FieldGap = 6;         // pixels between the fields of a row
constexpr int FrameMargin = 8;      // pixels inside a frame's left and right edge
constexpr int LeastScrollBar = 64;  // pixels: both arrows and room to drag
constexpr int LeastChart = 2400;    // layout units: the chart and its switch row
constexpr int ChartBottomMargin = 700;
constexpr int DiagramsBottomMargin = 150;  // layout units: the diagrams reach nearly to the window's bottom
constexpr int SwitchHeight = 330;          // layout units: the row of switches above the chart area
constexpr int SwitchGap = 60;

int pixels(int length)
{
    return (length + UnitsPerPixel - 1) / UnitsPerPixel;
}

// The width a line edit needs to show `text` whole, its frame and margins included.
int fieldWidthFor(const QLineEdit *field, const QString &text)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    const QMargins margins = field->textMargins();
    // QLineEdit keeps two pixels free on each side of its text; one more for rounding.
    const int content = field->fontMetrics().horizontalAdvance(text) + 4 + 1 + margins.left() + margins.right();
    return field->style()
        ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(content, field->fontMetrics().height()), field)
        .width();
}

void placeAt(QWidget *widget, const QRect &target)
{
    if (widget->geometry() != target)
        widget->setGeometry(target);
}

}  // namespace

void CalculatorWindow::measureFields()
{
    // The longest texts the program writes: an input as Reset and the unit change write it, a
    // step likewise, a result in the format in use (the general text has up to 15 digits, a
    // sign and a three-digit exponent). Longer texts a user types read from their start, the
    // tooltip giving all of them.
    const QLineEdit *input = nullptr;
    for (const CasePage &page : m_cases)
        if (!input && !page.rows.empty())
            input = page.rows.front().value;
    if (input) {
        m_valueWidth = fieldWidthFor(input, QString::fromStdString(convertedText(-8.8888e300)));
        m_stepWidth = fieldWidthFor(input, QString::fromStdString(convertedText(-8.88e300)));
    }
    m_results->setLongestValue(QString::fromStdString(m_model->formatResults() ? resultText(-8.888e300)
                                                                               : generalText(-8.88888888888888e-300)));
}

QSize CalculatorWindow::leastFormSize() const
{
    int width = 0;
    int height = 0;
    const auto reach = [&](int right, int bottom) {
        width = std::max(width, right);
        height = std::max(height, bottom);
    };
    // The results frame at its least width, the chart under it at a readable height, or the
    // diagrams at the least height in which they read.
    const LayoutRect results = m_model->resultsFrameRect();
    const int chartTop = m_model->chartRect().top + (m_advisory->isVisibleTo(m_form) ? 500 : 0);
    reach(results.left + std::max(3000, m_leastResults) + 600, chartTop + LeastChart + ChartBottomMargin);
    if (m_model->chartArea() == ChartArea::Diagrams)
        reach(0, chartTop + SwitchHeight + SwitchGap +
                     (leastDiagramPixels(results.width / UnitsPerPixel) * UnitsPerPixel) + DiagramsBottomMargin);
    // Reset and the notes beside the inputs.
    const LayoutRect reset = m_model->resetButtonRect();
    int notesWidth = reset.width;
    for (std::size_t j = 0; j < m_notes.size() && j < m_model->notes().size(); ++j) {
        notesWidth = std::max(notesWidth, m_notes[j]->sizeHint().width() * UnitsPerPixel);
        reach(0, m_model->noteRect(static_cast<int>(j)).bottom() + 200);
    }
    reach(reset.left + notesWidth + 200, reset.bottom());
    if (m_model->currentCase() >= 0) {
        const LayoutRect frame = m_model->inputFrameRect(m_model->currentCase());
        const LayoutRect picture = m_model->pictureRect(m_model->currentCase());
        reach(frame.left + frame.width + 150, std::max(frame.bottom(), picture.bottom()));
    }
    // The titles with Help and Exit beside them, the case title.
    const int titles = std::max(m_titles[0]->sizeHint().width(),
                                m_titles[1]->sizeHint().width() + 6 + m_reference->sizeHint().width());
    reach(2400 + (titles * UnitsPerPixel) + 2700, 1500);
    // The case buttons and the page labels on the side band.
    const int cases = m_program.caseCount();
    const int firstPage = m_program.hasPages() ? m_program.casesPerPage : cases;
    const int perPage = std::max(firstPage, cases - firstPage);
    reach(0, ButtonsTop + (perPage * ButtonPitch) + 60 + (m_program.hasPages() ? 1100 : 0) + 200);
    return {pixels(width), pixels(height)};
}

QSize CalculatorWindow::fittingSize() const
{
    // The program's size, or more where the fields of the case on display need it, and tall
    // enough for the case that places its results lowest: no case scrolls on a screen that
    // has the room.
    QSize size =
        QSize(m_program.windowWidth / UnitsPerPixel, m_program.windowHeight / UnitsPerPixel).expandedTo(m_formMinimum);
    for (int c = 0; c < m_program.caseCount(); ++c) {
        const LayoutRect results = m_model->resultsFrameRectOf(c);
        size.setHeight(std::max(size.height(), pixels(results.bottom() + LeastChart + ChartBottomMargin)));
        // The results frame of the case at its least width: its captions, units and range marks.
        const CaseDef &definition = m_program.cases[static_cast<std::size_t>(c)];
        std::vector<ResultsView::Row> rows;
        for (const RowDef &row : definition.rows) {
            ResultsView::Row shown;
            shown.caption = QString::fromStdString(row.caption);
            shown.unit = QString::fromStdString(unitCaption(m_model->units(), row.dimension));
            shown.rangeSlot = row.range.has_value();
            rows.push_back(shown);
        }
        const int columns = ResultsView::columnsFor(results.height, static_cast<int>(rows.size()));
        const int least = m_results->leastWidthFor(rows, columns) * UnitsPerPixel;
        size.setWidth(std::max(size.width(), pixels(results.left + std::max(3000, least) + 600)));
    }
    return size;
}

void CalculatorWindow::refreshLayout()
{
    if (m_laying || !m_model || m_model->currentCase() < 0 || m_model->currentCase() != m_shownCase)
        return;
    m_laying = true;

    // The least widths of the frames, as the fields of the case on display need them.
    measureFields();
    const int current = m_model->currentCase();
    CasePage &page = m_cases[static_cast<std::size_t>(current)];
    int captionWidth = 0;
    for (const InputRow &row : page.rows)
        captionWidth = std::max(captionWidth, row.caption->sizeHint().width());
    const int inputRow = captionWidth + m_valueWidth + LeastScrollBar + m_stepWidth + (3 * FieldGap);
    const int columns = ResultsView::columnsFor(m_model->resultsFrameRect().height, m_model->resultCount());
    m_leastResults = m_results->leastWidth(columns) * UnitsPerPixel;
    m_model->setLeastWidths((inputRow + (2 * FrameMargin)) * UnitsPerPixel, m_leastResults);

    // The least size follows the form's width (the diagrams of two members stand side by side in
    // a wide one), and the form its least size: twice over, so that both have followed.
    for (int pass = 0; pass < 2; ++pass) {
        const QSize least = leastFormSize();
        if (least != m_formMinimum) {
            m_formMinimum = least;
            m_form->setMinimumSize(least);
        }
        if (m_form->isVisible() && (m_form->width() * UnitsPerPixel != m_model->windowWidth() ||
                                    m_form->height() * UnitsPerPixel != m_model->windowHeight()))
            m_model->resize(m_form->width() * UnitsPerPixel, m_form->height() * UnitsPerPixel);
    }

    const int width = m_form->width() * UnitsPerPixel;
    const int height = m_form->height() * UnitsPerPixel;
    place(m_bands[0], {0, 0, 2150, height});
    place(m_bands[1], {2300, 1500, std::max(width - 2600, 600), 45});
    place(m_bands[2], {2150, 0, 45, height});
    place(m_banner, {150, 150, 1850, 1650});
    place(m_titles[0], {2400, 300, std::max(width - 5400, 3000), 520});
    place(m_titles[1], {2400, 880, std::max(width - 5400, 3000), 420});
    const QSize link = m_reference->sizeHint();
    placeAt(m_reference,
            QRect(2400 / UnitsPerPixel + m_titles[1]->sizeHint().width() + 6,
                  (880 / UnitsPerPixel) + ((420 / UnitsPerPixel) - link.height()) / 2, link.width(), link.height()));
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

    place(page.picture, m_model->pictureRect(current));
    const LayoutRect frame = m_model->inputFrameRect(current);
    place(page.frame, frame);
    placeInputRows(page, frame);

    place(m_reset, m_model->resetButtonRect());
    for (std::size_t j = 0; j < m_notes.size(); ++j)
        place(m_notes[j], m_model->noteRect(static_cast<int>(j)));

    const LayoutRect results = m_model->resultsFrameRect();
    place(m_results, results);

    // The case in words between the rule under the titles and the picture.
    const LayoutRect picture = m_model->pictureRect(current);
    place(m_caseTitle, {picture.left, 1580, std::max(width - picture.left - 400, 3000), 380});

    // The chart stands under the results frame, edge to edge with it, and ends inside the form.
    LayoutRect chart = m_model->chartRect();
    chart.left = results.left;
    chart.width = results.width;
    chart.height = std::max(std::min(chart.height, height - chart.top - 300), 0);
    if (m_advisory->isVisible()) {
        place(m_advisory, {chart.left, chart.top + 60, chart.width, 400});
        chart.top += 500;
        chart.height = std::max(chart.height - 500, 0);
    }
    // The switch between the results chart and the diagrams stands above them, on the right;
    // left of it while the diagrams show, the command that opens them in a window of their own.
    const int switchWidth =
        std::max(m_diagramsSwitch->sizeHint().width(), m_resultsSwitch->sizeHint().width()) * UnitsPerPixel + 150;
    place(m_diagramsSwitch, {chart.left + chart.width - switchWidth, chart.top + 30, switchWidth, SwitchHeight});
    place(m_resultsSwitch, {chart.left + chart.width - (2 * switchWidth), chart.top + 30, switchWidth, SwitchHeight});
    const int windowWidth = (m_windowButton->sizeHint().width() * UnitsPerPixel) + 150;
    place(m_windowButton,
          {chart.left + chart.width - (2 * switchWidth) - windowWidth - 60, chart.top + 30, windowWidth, SwitchHeight});
    chart.top += SwitchHeight + SwitchGap;
    LayoutRect diagrams = chart;
    diagrams.height = std::max(height - chart.top - DiagramsBottomMargin, 0);
    chart.height = std::max(chart.height - SwitchHeight - SwitchGap, 0);
    place(m_chart, chart);
    place(m_diagramView, diagrams);
    m_laying = false;
}

void CalculatorWindow::placeInputRows(CasePage &page, const LayoutRect &frame)
{
    // Caption with its unit, value, scroll bar, step: the scroll bar takes what the others
    // leave; the step column has its heading on the frame's caption line.
    const int inner = (frame.width / UnitsPerPixel) - (2 * FrameMargin);
    int captionWidth = 0;
    for (const InputRow &row : page.rows)
        captionWidth = std::max(captionWidth, row.caption->sizeHint().width());
    const int valueLeft = FrameMargin + captionWidth + FieldGap;
    const int stepLeft = FrameMargin + inner - m_stepWidth;
    const int scrollLeft = valueLeft + m_valueWidth + FieldGap;
    const int scrollWidth = std::max(stepLeft - FieldGap - scrollLeft, 16);
    for (std::size_t k = 0; k < page.rows.size(); ++k) {
        const int top = (360 + static_cast<int>(k) * 390) / UnitsPerPixel;
        const int rowHeight = 330 / UnitsPerPixel;
        InputRow &row = page.rows[k];
        placeAt(row.caption, QRect(FrameMargin, top, captionWidth, rowHeight));
        placeAt(row.value, QRect(valueLeft, top, m_valueWidth, rowHeight));
        placeAt(row.scroll, QRect(scrollLeft, top + (30 / UnitsPerPixel), scrollWidth, 270 / UnitsPerPixel));
        placeAt(row.step, QRect(stepLeft, top, m_stepWidth, rowHeight));
    }
    QLabel *heading = page.stepHeading;
    const int headingHeight = heading->sizeHint().height();
    placeAt(heading, QRect(stepLeft, std::max((360 / UnitsPerPixel) - headingHeight, 0), m_stepWidth, headingHeight));
}

int CalculatorWindow::leastDiagramPixels(int chartWidth) const
{
    const QFontMetricsF metrics(m_diagramView->font());
    return static_cast<int>(std::ceil(leastDiagramHeight(m_model->diagrams(), DiagramOptions{m_model->showSlope()},
                                                         metrics, static_cast<double>(chartWidth))));
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
    const QSize form = m_scrollArea->viewport()->size();
    // The chart area is as wide as the results frame: the form less the frame's left and its
    // margin on the right.
    const int besideChart = (m_model->resultsFrameRect().left + 600) / UnitsPerPixel;
    int formWidth = std::max(form.width(), m_formMinimum.width());
    const CaseDiagrams &diagrams = m_model->diagrams();
    if (diagrams.kind == CaseDiagrams::Kind::Members && diagrams.members.size() > 1) {
        // Wide enough for the members side by side, where the screen has it: they then need
        // the height of one.
        const double lineHeight = QFontMetricsF(m_diagramView->font()).height();
        const auto count = static_cast<double>(diagrams.members.size());
        const int across = besideChart + static_cast<int>(std::ceil(count * (LeastBlockWidthLines + 1) * lineHeight));
        if (across > formWidth && across + chrome.width() <= most.width())
            formWidth = across;
    }
    const int above = (m_model->chartRect().top + SwitchHeight + SwitchGap + DiagramsBottomMargin) / UnitsPerPixel;
    const int formHeight =
        std::max({form.height(), m_formMinimum.height(), above + leastDiagramPixels(formWidth - besideChart)});
    const QSize wanted = (QSize(formWidth, formHeight) + chrome).boundedTo(most).expandedTo(size());
    if (wanted != size())
        resize(wanted);
}

}  // namespace shell
