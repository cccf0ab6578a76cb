// Where the controls of the form stand; the least size of the form and the size in which the
// diagrams show whole.

#include "shell/qt/formlayout.h"

#include "shell/core/numbertext.h"
#include "shell/core/units.h"
#include "shell/qt/casepages.h"
#include "shell/qt/chartview.h"
#include "shell/qt/diagramview.h"
#include "shell/qt/resultsview.h"
#include "shell/qt/sketchview.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

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

FormLayout::FormLayout(const Program &program, ShellModel &model, const FormWidgets &widgets, CasePages &pages)
    : m_program(program), m_model(model), m_widgets(widgets), m_pages(pages)
{
}

void FormLayout::place(QWidget *widget, const LayoutRect &r)
{
    const QRect target(r.left / UnitsPerPixel, r.top / UnitsPerPixel, std::max(r.width / UnitsPerPixel, 1),
                       std::max(r.height / UnitsPerPixel, 1));
    if (widget->geometry() != target)
        widget->setGeometry(target);
}

void FormLayout::measureFields()
{
    // The longest texts the program writes: an input as Reset and the unit change write it, a
    // step likewise, a result in the format in use (the general text has up to 15 digits, a
    // sign and a three-digit exponent). Longer texts a user types read from their start, the
    // tooltip giving all of them.
    const QLineEdit *input = nullptr;
    for (const CasePage &page : m_pages.pages())
        if (!input && !page.rows.empty())
            input = page.rows.front().value;
    if (input) {
        m_valueWidth = fieldWidthFor(input, QString::fromStdString(convertedText(-8.8888e300)));
        m_stepWidth = fieldWidthFor(input, QString::fromStdString(convertedText(-8.88e300)));
    }
    m_widgets.results->setLongestValue(
        QString::fromStdString(m_model.formatResults() ? resultText(-8.888e300) : generalText(-8.88888888888888e-300)));
}

int FormLayout::pageHeight() const
{
    // The page height fits the fuller page (cantilever's second page holds eleven buttons).
    const int cases = m_program.caseCount();
    const int firstPage = m_program.hasPages() ? m_program.casesPerPage : cases;
    const int perPage = std::max(firstPage, cases - firstPage);
    return perPage * ButtonPitch + 60;
}

QSize FormLayout::leastFormSize() const
{
    int width = 0;
    int height = 0;
    const auto reach = [&](int right, int bottom) {
        width = std::max(width, right);
        height = std::max(height, bottom);
    };
    // The results frame at its least width, the chart under it at a readable height, or the
    // diagrams at the least height in which they read.
    const LayoutRect results = m_model.resultsFrameRect();
    const int chartTop = m_model.chartRect().top + (m_widgets.advisory->isVisibleTo(m_widgets.form) ? 500 : 0);
    reach(results.left + std::max(3000, m_leastResults) + 600, chartTop + LeastChart + ChartBottomMargin);
    if (showsDiagrams(m_model.chartArea()))
        reach(0, chartTop + SwitchHeight + SwitchGap +
                     (leastDiagramPixels(results.width / UnitsPerPixel) * UnitsPerPixel) + DiagramsBottomMargin);
    // Reset and the notes beside the inputs.
    const LayoutRect reset = m_model.resetButtonRect();
    int notesWidth = reset.width;
    for (std::size_t j = 0; j < m_widgets.notes.size() && j < m_model.notes().size(); ++j) {
        notesWidth = std::max(notesWidth, m_widgets.notes[j]->sizeHint().width() * UnitsPerPixel);
        reach(0, m_model.noteRect(static_cast<int>(j)).bottom() + 200);
    }
    reach(reset.left + notesWidth + 200, reset.bottom());
    if (m_model.currentCase() >= 0) {
        const LayoutRect frame = m_model.inputFrameRect(m_model.currentCase());
        const LayoutRect picture = m_model.pictureRect(m_model.currentCase());
        reach(frame.left + frame.width + 150, std::max(frame.bottom(), picture.bottom()));
    }
    // The titles with Help and Exit beside them, the case title.
    const int titles = std::max(m_widgets.titles[0]->sizeHint().width(),
                                m_widgets.titles[1]->sizeHint().width() + 6 + m_widgets.reference->sizeHint().width());
    reach(2400 + (titles * UnitsPerPixel) + 2700, 1500);
    // The case buttons and the page labels on the side band.
    reach(0, ButtonsTop + pageHeight() + (m_program.hasPages() ? 1100 : 0) + 200);
    return {pixels(width), pixels(height)};
}

QSize FormLayout::fittingSize() const
{
    // The program's size, or more where the fields of the case on display need it, and tall
    // enough for the case that places its results lowest: no case scrolls on a screen that
    // has the room.
    QSize size =
        QSize(m_program.windowWidth / UnitsPerPixel, m_program.windowHeight / UnitsPerPixel).expandedTo(m_formMinimum);
    for (int c = 0; c < m_program.caseCount(); ++c) {
        const LayoutRect results = m_model.resultsFrameRectOf(c);
        size.setHeight(std::max(size.height(), pixels(results.bottom() + LeastChart + ChartBottomMargin)));
        // The results frame of the case at its least width: its captions, units and range marks.
        const CaseDef &definition = m_program.cases[static_cast<std::size_t>(c)];
        std::vector<ResultsView::Row> rows;
        for (const RowDef &row : definition.rows) {
            ResultsView::Row shown;
            shown.caption = QString::fromStdString(row.caption);
            shown.unit = QString::fromStdString(unitCaption(m_model.units(), row.dimension));
            shown.rangeSlot = row.range.has_value();
            rows.push_back(shown);
        }
        const int columns = ResultsView::columnsFor(results.height, static_cast<int>(rows.size()));
        const int least = m_widgets.results->leastWidthFor(rows, columns) * UnitsPerPixel;
        size.setWidth(std::max(size.width(), pixels(results.left + std::max(3000, least) + 600)));
    }
    return size;
}

void FormLayout::lay()
{
    if (m_laying)
        return;
    m_laying = true;

    // The least widths of the frames, as the fields of the case on display need them.
    measureFields();
    CasePage &page = m_pages.page(m_model.currentCase());
    int captionWidth = 0;
    for (const InputRow &row : page.rows)
        captionWidth = std::max(captionWidth, row.caption->sizeHint().width());
    const int inputRow = captionWidth + m_valueWidth + LeastScrollBar + m_stepWidth + (3 * FieldGap);
    const int columns = ResultsView::columnsFor(m_model.resultsFrameRect().height, m_model.resultCount());
    m_leastResults = m_widgets.results->leastWidth(columns) * UnitsPerPixel;
    m_model.setLeastWidths((inputRow + (2 * FrameMargin)) * UnitsPerPixel, m_leastResults);
    followLeastSize();

    const int width = m_widgets.form->width() * UnitsPerPixel;
    const int height = m_widgets.form->height() * UnitsPerPixel;
    placeHead(width, height);
    placeCaseButtons();
    placeCase(page, width);
    placeChartArea(height);
    m_laying = false;
}

void FormLayout::followLeastSize()
{
    // The least size follows the form's width (the diagrams of two members stand side by side in
    // a wide one), and the form its least size: twice over, so that both have followed.
    QWidget *form = m_widgets.form;
    for (int pass = 0; pass < 2; ++pass) {
        const QSize least = leastFormSize();
        if (least != m_formMinimum) {
            m_formMinimum = least;
            form->setMinimumSize(least);
        }
        if (form->isVisible() && (form->width() * UnitsPerPixel != m_model.windowWidth() ||
                                  form->height() * UnitsPerPixel != m_model.windowHeight()))
            m_model.resize(form->width() * UnitsPerPixel, form->height() * UnitsPerPixel);
    }
}

// The band and the rules, the banner, the titles with the reference link, Help and Exit.
void FormLayout::placeHead(int width, int height)
{
    const FormWidgets &w = m_widgets;
    place(w.bands[0], {0, 0, 2150, height});
    place(w.bands[1], {2300, 1500, std::max(width - 2600, 600), 45});
    place(w.bands[2], {2150, 0, 45, height});
    place(w.banner, {150, 150, 1850, 1650});
    place(w.titles[0], {2400, 300, std::max(width - 5400, 3000), 520});
    place(w.titles[1], {2400, 880, std::max(width - 5400, 3000), 420});
    const QSize link = w.reference->sizeHint();
    placeAt(w.reference,
            QRect(2400 / UnitsPerPixel + w.titles[1]->sizeHint().width() + 6,
                  (880 / UnitsPerPixel) + ((420 / UnitsPerPixel) - link.height()) / 2, link.width(), link.height()));
    place(w.exitLabel(), {width - 1350, 300, 1100, 450});
    place(w.helpLabel(), {width - 2550, 300, 1100, 450});
}

// The pages of case buttons on the side band, the one on display shown, and the labels that
// switch them under the fuller page.
void FormLayout::placeCaseButtons()
{
    const FormWidgets &w = m_widgets;
    const int height = pageHeight();
    for (std::size_t p = 0; p < w.pages.size(); ++p) {
        place(w.pages[p], {150, ButtonsTop, 1850, height});
        w.pages[p]->setVisible(static_cast<int>(p) == m_model.page() || w.pages.size() == 1);
    }
    for (std::size_t i = 0; i < w.caseButtons.size(); ++i)
        place(w.caseButtons[i],
              {50,
               30 + (static_cast<int>(i) - m_program.firstCaseOf(m_program.pageOf(static_cast<int>(i)))) * ButtonPitch,
               1750, 380});
    if (w.commandLabels.size() == 4) {
        place(w.commandLabels[2], {150, ButtonsTop + height + 120, 1850, 420});
        place(w.commandLabels[3], {150, ButtonsTop + height + 560, 1850, 420});
    }
}

// The picture and the inputs of the case on display, Reset, the notes, the results frame and the
// case in words between the rule under the titles and the picture.
void FormLayout::placeCase(CasePage &page, int width)
{
    const int current = m_model.currentCase();
    place(page.picture, m_model.pictureRect(current));
    const LayoutRect frame = m_model.inputFrameRect(current);
    place(page.frame, frame);
    placeInputRows(page, frame);

    place(m_widgets.reset, m_model.resetButtonRect());
    for (std::size_t j = 0; j < m_widgets.notes.size(); ++j)
        place(m_widgets.notes[j], m_model.noteRect(static_cast<int>(j)));
    place(m_widgets.results, m_model.resultsFrameRect());
    if (m_widgets.memberEditor)
        place(m_widgets.memberEditor, m_model.memberEditorRect());

    const LayoutRect picture = m_model.pictureRect(current);
    place(m_widgets.caseTitle, {picture.left, 1580, std::max(width - picture.left - 400, 3000), 380});
}

// The chart stands under the results frame, edge to edge with it, and ends inside the form; the
// advisory, where there is one, above it.
void FormLayout::placeChartArea(int height)
{
    const FormWidgets &w = m_widgets;
    const LayoutRect results = m_model.resultsFrameRect();
    LayoutRect chart = m_model.chartRect();
    // Under the results frame, and under the member editor beside it where there is one.
    chart.left = m_widgets.memberEditor ? m_model.memberEditorRect().left : results.left;
    chart.width = results.left + results.width - chart.left;
    chart.height = std::max(std::min(chart.height, height - chart.top - 300), 0);
    if (w.advisory->isVisible()) {
        place(w.advisory, {chart.left, chart.top + 60, chart.width, 400});
        chart.top += 500;
        chart.height = std::max(chart.height - 500, 0);
    }
    // The switch between the results chart and the diagrams stands above them, on the right;
    // left of it while the diagrams show, the command that opens them in a window of their own.
    const std::vector<QPushButton *> switches = w.switches();
    int switchWidth = 0;
    for (const QPushButton *s : switches)
        switchWidth = std::max(switchWidth, s->sizeHint().width() * UnitsPerPixel + 150);
    const int count = static_cast<int>(switches.size());
    for (int k = 0; k < count; ++k)
        place(switches[static_cast<std::size_t>(k)],
              {chart.left + chart.width - ((count - k) * switchWidth), chart.top + 30, switchWidth, SwitchHeight});
    const int windowWidth = (w.windowButton->sizeHint().width() * UnitsPerPixel) + 150;
    const int windowLeft = chart.left + chart.width - (count * switchWidth) - windowWidth - 60;
    place(w.windowButton, {windowLeft, chart.top + 30, windowWidth, SwitchHeight});
    if (w.influenceChoice) {
        const int choiceWidth = std::max(w.influenceChoice->sizeHint().width() * UnitsPerPixel, 2400);
        place(w.influenceChoice, {windowLeft - choiceWidth - 60, chart.top + 30, choiceWidth, SwitchHeight});
    }
    if (w.envelopeChoice) {
        const int choiceWidth = std::max(w.envelopeChoice->sizeHint().width() * UnitsPerPixel, 2400);
        place(w.envelopeChoice, {windowLeft - choiceWidth - 60, chart.top + 30, choiceWidth, SwitchHeight});
    }
    chart.top += SwitchHeight + SwitchGap;
    LayoutRect diagrams = chart;
    diagrams.height = std::max(height - chart.top - DiagramsBottomMargin, 0);
    chart.height = std::max(chart.height - SwitchHeight - SwitchGap, 0);
    place(w.chart, chart);
    place(w.diagramView, diagrams);
}

void FormLayout::placeInputRows(CasePage &page, const LayoutRect &frame)
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

int FormLayout::leastDiagramPixels(int chartWidth) const
{
    const QFontMetricsF metrics(m_widgets.diagramView->font());
    return static_cast<int>(std::ceil(leastDiagramHeight(m_model.diagrams(), DiagramOptions{m_model.showSlope()},
                                                         metrics, static_cast<double>(chartWidth))));
}

QSize FormLayout::formForDiagrams(const QSize &form, int mostWidth) const
{
    // The chart area is as wide as the results frame: the form less the frame's left and its
    // margin on the right.
    const int besideChart = (m_model.resultsFrameRect().left + 600) / UnitsPerPixel;
    int formWidth = std::max(form.width(), m_formMinimum.width());
    const CaseDiagrams &diagrams = m_model.diagrams();
    if (diagrams.kind == CaseDiagrams::Kind::Members && diagrams.members.size() > 1) {
        // Wide enough for the members side by side, where the screen has it: they then need
        // the height of one.
        const double lineHeight = QFontMetricsF(m_widgets.diagramView->font()).height();
        const auto count = static_cast<double>(diagrams.members.size());
        const int across = besideChart + static_cast<int>(std::ceil(count * (LeastBlockWidthLines + 1) * lineHeight));
        if (across > formWidth && across <= mostWidth)
            formWidth = across;
    }
    const int above = (m_model.chartRect().top + SwitchHeight + SwitchGap + DiagramsBottomMargin) / UnitsPerPixel;
    const int formHeight =
        std::max({form.height(), m_formMinimum.height(), above + leastDiagramPixels(formWidth - besideChart)});
    return {formWidth, formHeight};
}

}  // namespace shell
