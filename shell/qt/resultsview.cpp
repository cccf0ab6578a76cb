#include "shell/qt/resultsview.h"

#include "shell/core/language.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QToolTip>
#include <QtMath>

#include <algorithm>
#include <utility>

namespace shell {

void installResultsAccessible();  // resultsaccessible.cpp

namespace {

constexpr int UnitsPerPixel = 15;  // layout units to a logical pixel at 96 DPI
constexpr int FrameMargin = 8;     // pixels inside the frame's left and right edge
constexpr int FieldGap = 6;        // pixels between the box with its caption, the value and the unit
constexpr int ColumnGap = 18;      // pixels between two columns of rows
constexpr int ValuePadding = 4;    // pixels between a value field's edge and its text
constexpr int FocusMargin = 3;     // pixels around a caption for the focus frame

QColor fieldBorder(const QPalette &palette)
{
    return palette.color(QPalette::Window).darker(150);
}

// A one-pixel outline along the inside of `box`, as four filled lines: cheaper than a stroked
// rectangle, and on whole pixels at every scale.
void outline(QPainter &painter, const QRect &box, const QColor &colour)
{
    painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), colour);
    painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), colour);
    painter.fillRect(QRect(box.left(), box.top() + 1, 1, box.height() - 2), colour);
    painter.fillRect(QRect(box.right(), box.top() + 1, 1, box.height() - 2), colour);
}

const QString NumberCharacters = QStringLiteral("0123456789.+-eE");

// The line under a row and the range mark are set smaller than the rows.
constexpr qreal SmallType = 0.85;
// The mark beside a value outside its formula's range, in the language shown.
QString rangeMark()
{
    return QStringLiteral("\u26a0 ") + QString::fromStdString(shell::translated("Text", "outside range"));
}

// A value outside its formula's range: a warm field with a strong border and dark red digits,
// and the mark in the same red, legible on the window's light background.
const QColor OutsideFill(0xff, 0xee, 0xc2);
const QColor OutsideBorder(0xc2, 0x5a, 0x00);
const QColor OutsideInk(0xa0, 0x20, 0x00);

}  // namespace

void NumberGlyphs::setFont(const QFont &font)
{
    m_font = QRawFont::fromFont(font);
    m_known = {};
    const QList<quint32> glyphs = m_font.glyphIndexesForString(NumberCharacters);
    if (glyphs.size() != NumberCharacters.size())
        return;
    const QList<QPointF> advances = m_font.advancesForGlyphIndexes(glyphs);
    for (qsizetype i = 0; i < NumberCharacters.size(); ++i) {
        const auto c = static_cast<std::size_t>(NumberCharacters[i].unicode());
        m_known[c] = glyphs[i] != 0;
        m_glyph[c] = glyphs[i];
        m_advance[c] = advances[i].x();
    }
}

bool NumberGlyphs::layout(const QString &text, QGlyphRun &run, qreal &width) const
{
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(text.size());
    positions.reserve(text.size());
    qreal x = 0;
    for (const QChar c : text) {
        const auto code = static_cast<std::size_t>(c.unicode());
        if (code >= m_known.size() || !m_known[code])
            return false;
        glyphs.append(m_glyph[code]);
        positions.append(QPointF(x, m_font.ascent()));
        x += m_advance[code];
    }
    run.setRawFont(m_font);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    width = x;
    return true;
}

ResultsView::ResultsView(QWidget *parent) : QWidget(parent)
{
    installResultsAccessible();
    m_numbers.setFont(font());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

bool ResultsView::setRows(std::vector<Row> rows)
{
    bool widths = rows.size() != m_rows.size();
    for (std::size_t r = 0; !widths && r < rows.size(); ++r)
        widths = rows[r].caption != m_rows[r].caption || rows[r].unit != m_rows[r].unit ||
                 rows[r].largestSlot != m_rows[r].largestSlot || rows[r].rangeSlot != m_rows[r].rangeSlot;
    if (widths) {
        m_rows = std::move(rows);
        m_current = std::clamp(m_current, 0, std::max(rowCount() - 1, 0));
        m_selected = -1;
        m_texts.resize(m_rows.size());
        prepareRows();
        update();
        return true;
    }
    for (int r = 0; r < rowCount(); ++r) {
        Row &now = m_rows[static_cast<std::size_t>(r)];
        Row &next = rows[static_cast<std::size_t>(r)];
        const bool text = now.text != next.text || now.outsideRange != next.outsideRange;
        const bool largest = now.largest != next.largest;
        if (now.ticked != next.ticked) {
            update(partRect(r, Part::Check));
            if (QAccessible::isActive()) {
                QAccessible::State state;
                state.checked = true;
                QAccessibleStateChangeEvent changed(this, state);
                changed.setChild(2 * r);
                QAccessible::updateAccessibility(&changed);
            }
        }
        now = std::move(next);
        if (text) {
            prepareValue(r);
            update(partRect(r, Part::Value));
            update(partRect(r, Part::Range));
        }
        if (largest)
            update(partRect(r, Part::Largest));
    }
    return false;
}

void ResultsView::setLongestValue(const QString &text)
{
    if (text == m_longestValue)
        return;
    m_longestValue = text;
    measure();
    layoutRows();
    update();
}

qreal ResultsView::prepare(QStaticText &text, const QString &content) const
{
    text.setTextFormat(Qt::PlainText);
    text.setText(content);
    text.prepare(QTransform(), font());
    // The height of the line above its baseline, with every font its glyphs come from.
    QTextLayout layout(content, font());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return line.isValid() ? line.ascent() : fontMetrics().ascent();
}

void ResultsView::prepareRows()
{
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        m_texts[r].captionAscent = prepare(m_texts[r].caption, m_rows[r].caption);
        m_texts[r].unitAscent = prepare(m_texts[r].unit, m_rows[r].unit);
        prepareValue(static_cast<int>(r));
    }
    measure();
    layoutRows();
}

void ResultsView::prepareValue(int r)
{
    QGlyphRun run;
    qreal width = 0;
    const QString &text = m_rows[static_cast<std::size_t>(r)].text;
    Texts &texts = m_texts[static_cast<std::size_t>(r)];
    if (m_numbers.layout(text, run, width))
        texts.value = QStaticText();
    else
        texts.valueAscent = prepare(texts.value, text);
}

QFont ResultsView::smallFont(bool bold) const
{
    QFont small = font();
    if (small.pointSizeF() > 0)
        small.setPointSizeF(small.pointSizeF() * SmallType);
    else if (small.pixelSize() > 0)
        small.setPixelSize(std::max(qRound(small.pixelSize() * SmallType), 1));
    small.setBold(bold);
    return small;
}

ResultsView::ColumnWidths ResultsView::columnWidths(const std::vector<Row> &rows) const
{
    const QFontMetrics metrics = fontMetrics();
    QStyleOptionButton option;
    option.initFrom(this);
    ColumnWidths widths;
    widths.box = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this) +
                 style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    for (const Row &row : rows) {
        widths.caption = std::max(widths.caption, widths.box + metrics.horizontalAdvance(row.caption) + FocusMargin);
        widths.unit = std::max(widths.unit, metrics.horizontalAdvance(row.unit) + 1);
        if (row.rangeSlot)
            widths.mark = FieldGap + QFontMetrics(smallFont(true)).horizontalAdvance(rangeMark()) + 1;
    }
    return widths;
}

void ResultsView::measure()
{
    const QFontMetrics metrics = fontMetrics();
    const ColumnWidths widths = columnWidths(m_rows);
    m_boxWidth = widths.box;
    m_captionWidth = widths.caption;
    m_unitWidth = widths.unit;
    m_markWidth = widths.mark;
    m_lineHeight = QFontMetrics(smallFont(false)).height() + 1;
    // The text, the padding on both sides and a pixel for rounding.
    m_valueWidth = metrics.horizontalAdvance(m_longestValue) + (2 * ValuePadding) + 1;
}

int ResultsView::columnsFor(int heightUnits, int count)
{
    return count > 0 && (heightUnits - 260) / count < 330 ? 2 : 1;
}

int ResultsView::leastWidth(int columns) const
{
    const int column = m_captionWidth + m_valueWidth + m_unitWidth + (2 * FieldGap) + m_markWidth;
    return (columns * column) + ((columns - 1) * ColumnGap) + (2 * FrameMargin);
}

int ResultsView::leastWidthFor(const std::vector<Row> &rows, int columns) const
{
    const ColumnWidths widths = columnWidths(rows);
    const int column = widths.caption + m_valueWidth + widths.unit + (2 * FieldGap) + widths.mark;
    return (columns * column) + ((columns - 1) * ColumnGap) + (2 * FrameMargin);
}

void ResultsView::layoutRows()
{
    // In each column the value follows its caption and the unit its value, however wide the
    // view: the captions take the width of the longest one.
    const int count = rowCount();
    const int heightUnits = height() * UnitsPerPixel;
    const int columns = columnsFor(heightUnits, count);
    const int perColumn = std::max((count + columns - 1) / columns, 1);
    // Every column keeps room under its rows that may carry a line; the rows share what is left,
    // all of one height, as many lines as the column with the most of them taking their room.
    int lines = 0;
    for (int first = 0; first < count; first += perColumn) {
        int inColumn = 0;
        for (int r = first; r < std::min(first + perColumn, count); ++r)
            inColumn += m_rows[static_cast<std::size_t>(r)].largestSlot ? 1 : 0;
        lines = std::max(lines, inColumn);
    }
    const int rowRoom = heightUnits - 260 - (lines * m_lineHeight * UnitsPerPixel);
    const int rowHeight = std::max(std::min(420, rowRoom / perColumn) / UnitsPerPixel, 1);
    const int inner = width() - (2 * FrameMargin);
    const int columnPitch = (inner + ColumnGap) / columns;
    m_geometry.resize(m_rows.size());
    int top = 0;
    for (int r = 0; r < count; ++r) {
        const int left = FrameMargin + (r / perColumn) * columnPitch;
        if (r % perColumn == 0)
            top = 200 / UnitsPerPixel;
        const int h = std::max(rowHeight - (45 / UnitsPerPixel), 1);
        Geometry &g = m_geometry[static_cast<std::size_t>(r)];
        const Row &row = m_rows[static_cast<std::size_t>(r)];
        g.check = QRect(left, top, m_captionWidth, h);
        g.value = QRect(g.check.right() + 1 + FieldGap, top, m_valueWidth, h);
        g.unit = QRect(g.value.right() + 1 + FieldGap, top, m_unitWidth, h);
        g.range = row.rangeSlot ? QRect(g.unit.right() + 1 + FieldGap, top, m_markWidth - FieldGap, h) : QRect();
        top += rowHeight;
        // The line stands under the caption's text and runs to the end of the row.
        const int lineLeft = left + m_boxWidth;
        const int lineRight = std::max(g.unit.right(), g.range.isNull() ? 0 : g.range.right());
        g.largest = row.largestSlot
                        ? QRect(lineLeft, top - (45 / UnitsPerPixel), lineRight - lineLeft + 1, m_lineHeight)
                        : QRect();
        if (row.largestSlot)
            top += m_lineHeight;
    }
}

QRect ResultsView::partRect(int r, Part part) const
{
    if (r < 0 || r >= static_cast<int>(m_geometry.size()))
        return {};
    const Geometry &g = m_geometry[static_cast<std::size_t>(r)];
    switch (part) {
    case Part::Check:
        return g.check;
    case Part::Value:
        return g.value;
    case Part::Unit:
        return g.unit;
    case Part::Largest:
        return g.largest;
    case Part::Range:
        return g.range;
    }
    return {};
}

QRect ResultsView::valueTextRect(int r) const
{
    return partRect(r, Part::Value).adjusted(ValuePadding, 0, -ValuePadding, 0);
}

bool ResultsView::partNamed(const QString &name, int &r, Part &part)
{
    static const QRegularExpression pattern(QStringLiteral("^(Check1|Tx|Label5|Largest|Range)_(\\d+)$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return false;
    r = match.captured(2).toInt();
    const QString control = match.captured(1);
    part = control == QLatin1String("Check1")    ? Part::Check
           : control == QLatin1String("Tx")      ? Part::Value
           : control == QLatin1String("Label5")  ? Part::Unit
           : control == QLatin1String("Largest") ? Part::Largest
                                                 : Part::Range;
    return true;
}

int ResultsView::rowAt(const QPoint &pos, Part &part) const
{
    for (int r = 0; r < rowCount(); ++r)
        for (const Part p : {Part::Check, Part::Value, Part::Unit, Part::Largest, Part::Range})
            if (partRect(r, p).contains(pos)) {
                part = p;
                return r;
            }
    return -1;
}

void ResultsView::setCurrentRow(int r)
{
    if (r < 0 || r >= rowCount() || r == m_current)
        return;
    update(partRect(m_current, Part::Check).adjusted(-FocusMargin, -FocusMargin, FocusMargin, FocusMargin));
    m_current = r;
    update(partRect(m_current, Part::Check).adjusted(-FocusMargin, -FocusMargin, FocusMargin, FocusMargin));
    notifyFocus();
}

void ResultsView::notifyFocus()
{
    if (!hasFocus() || !QAccessible::isActive() || m_current >= rowCount())
        return;
    QAccessibleEvent focused(this, QAccessible::Focus);
    focused.setChild(2 * m_current);
    QAccessible::updateAccessibility(&focused);
}

void ResultsView::select(int r)
{
    if (r == m_selected)
        return;
    update(partRect(m_selected, Part::Value));
    m_selected = r;
    update(partRect(m_selected, Part::Value));
}

void ResultsView::toggle(int r)
{
    if (r >= 0 && r < rowCount() && isEnabled())
        emit tickToggled(r, !m_rows[static_cast<std::size_t>(r)].ticked);
}

QString ResultsView::toolTipAt(const QPoint &pos) const
{
    // Results that no longer belong to the inputs shown (a refused input) are greyed as stale.
    if (!isEnabled())
        return QString::fromStdString(shell::translated("Text", "Results of the last accepted input"));
    Part part = Part::Check;
    const int r = rowAt(pos, part);
    if (r < 0)
        return {};
    const Row &row = m_rows[static_cast<std::size_t>(r)];
    // A value outside its formula's range: why, on the value and on its mark.
    if ((part == Part::Value || part == Part::Range) && !row.outsideRange.isEmpty())
        return tr("Outside the formula's range: %1").arg(row.outsideRange);
    // An empty value field: why it is empty.
    if (part == Part::Value && !row.reason.isEmpty())
        return row.reason;
    if (part == Part::Largest && !row.largest.isEmpty())
        return row.largest +
               QString::fromStdString(shell::translated(
                   "Text", "\nThe member's true extreme from its diagrams (x from the member's left end as sketched); "
                           "the row above gives its formula's value"));
    if (part != Part::Check)
        return {};
    // What the row means, and what its box does.
    const QString include = QString::fromStdString(shell::translated("Text", "include in the chart"));
    return row.meaning.isEmpty() ? include : row.meaning + QLatin1Char('\n') + include;
}

const QPixmap &ResultsView::indicator(bool ticked)
{
    const qreal ratio = devicePixelRatioF();
    QPixmap &pixmap = m_indicators[(ticked ? 1 : 0) + (isEnabled() ? 2 : 0)];
    if (pixmap.isNull() || pixmap.devicePixelRatio() != ratio) {
        QStyleOptionButton option;
        option.initFrom(this);
        option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        option.state |= ticked ? QStyle::State_On : QStyle::State_Off;
        const int w = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this);
        const int h = style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this);
        option.rect = QRect(0, 0, w, h);
        pixmap = QPixmap(QSize(w, h) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);
    }
    return pixmap;
}

void ResultsView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    const QRegion &exposed = event->region();
    painter.fillRect(event->rect(), colours.color(QPalette::Window));
    // The frame around the rows.
    outline(painter, rect(), fieldBorder(colours));
    for (int r = 0; r < rowCount(); ++r) {
        const Geometry &g = m_geometry[static_cast<std::size_t>(r)];
        if (exposed.intersects(g.check.adjusted(-FocusMargin, -FocusMargin, FocusMargin, FocusMargin)))
            paintCheck(painter, r);
        if (exposed.intersects(g.value))
            paintValue(painter, r);
        paintUnitAndNotes(painter, r, exposed);
    }
}

int ResultsView::baseline(const QRect &box) const
{
    // Every text of a row stands on one baseline, placed as the window's font centres a line in
    // the row; a caption with Japanese glyphs rises above it no more than they do.
    const QFontMetrics metrics = fontMetrics();
    return box.top() + ((box.height() - metrics.height()) / 2) + metrics.ascent();
}

QColor ResultsView::ink(QPalette::ColorRole role) const
{
    return palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, role);
}

// The tick box, the caption beside it and, on the current row of the focused list, the focus
// frame around both.
void ResultsView::paintCheck(QPainter &painter, int r)
{
    const Row &row = m_rows[static_cast<std::size_t>(r)];
    const Geometry &g = m_geometry[static_cast<std::size_t>(r)];
    const Texts &texts = m_texts[static_cast<std::size_t>(r)];
    const QPixmap &box = indicator(row.ticked);
    const QSize boxSize = box.deviceIndependentSize().toSize();
    const int boxTop = g.check.top() + ((g.check.height() - boxSize.height()) / 2);
    painter.drawPixmap(g.check.left(), boxTop, box);
    QStyleOptionButton option;
    option.initFrom(this);
    const int textLeft =
        g.check.left() + boxSize.width() + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    painter.setPen(ink(QPalette::WindowText));
    painter.drawStaticText(QPointF(textLeft, baseline(g.check) - texts.captionAscent), texts.caption);
    if (hasFocus() && r == m_current) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(g.check).adjusted(-1.5, 0.5, 0.5, -0.5), 3, 3);
        painter.restore();
    }
}

// A read-only field: the base colour inside a one-pixel border, the number at its right edge; a
// selected value in the highlight colours. A value outside its formula's range in the warning
// colours, inside a doubled border.
void ResultsView::paintValue(QPainter &painter, int r)
{
    const Row &row = m_rows[static_cast<std::size_t>(r)];
    const Geometry &g = m_geometry[static_cast<std::size_t>(r)];
    const Texts &texts = m_texts[static_cast<std::size_t>(r)];
    const QPalette &colours = palette();
    const bool outside = !row.outsideRange.isEmpty();
    const bool selected = r == m_selected;
    painter.fillRect(g.value.adjusted(1, 1, -1, -1), selected  ? colours.color(QPalette::Highlight)
                                                     : outside ? OutsideFill
                                                               : colours.color(QPalette::Base));
    outline(painter, g.value, outside ? OutsideBorder : fieldBorder(colours));
    if (outside)
        outline(painter, g.value.adjusted(1, 1, -1, -1), OutsideBorder);
    painter.setPen(selected                 ? colours.color(QPalette::HighlightedText)
                   : outside && isEnabled() ? OutsideInk
                                            : ink(QPalette::Text));
    const QRect room = valueTextRect(r);
    QGlyphRun run;
    qreal width = 0;
    if (m_numbers.layout(row.text, run, width))
        painter.drawGlyphRun(QPointF(room.right() + 1 - qCeil(width), baseline(room) - run.rawFont().ascent()), run);
    else
        painter.drawStaticText(
            QPointF(room.right() + 1 - qCeil(texts.value.size().width()), baseline(room) - texts.valueAscent),
            texts.value);
}

// The unit, the range mark of a value outside its formula's range and the line under the row
// (the member's largest value), each where it is exposed.
void ResultsView::paintUnitAndNotes(QPainter &painter, int r, const QRegion &exposed)
{
    const Row &row = m_rows[static_cast<std::size_t>(r)];
    const Geometry &g = m_geometry[static_cast<std::size_t>(r)];
    const Texts &texts = m_texts[static_cast<std::size_t>(r)];
    const QColor text = ink(QPalette::WindowText);
    if (exposed.intersects(g.unit)) {
        painter.setPen(text);
        painter.drawStaticText(QPointF(g.unit.left(), baseline(g.unit) - texts.unitAscent), texts.unit);
    }
    if (!row.outsideRange.isEmpty() && !g.range.isNull() && exposed.intersects(g.range)) {
        painter.save();
        painter.setFont(smallFont(true));
        painter.setPen(isEnabled() ? OutsideInk : text);
        painter.drawText(g.range, Qt::AlignLeft | Qt::AlignVCenter, rangeMark());
        painter.restore();
    }
    if (!row.largest.isEmpty() && !g.largest.isNull() && exposed.intersects(g.largest)) {
        painter.save();
        const QFont small = smallFont(false);
        painter.setFont(small);
        painter.setPen(text);
        const QString line = QFontMetrics(small).elidedText(row.largest, Qt::ElideRight, g.largest.width());
        painter.drawText(g.largest, Qt::AlignLeft | Qt::AlignVCenter, line);
        painter.restore();
    }
}

void ResultsView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutRows();
}

void ResultsView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_indicators = {};
        m_numbers.setFont(font());
        prepareRows();
    }
    QWidget::changeEvent(event);
}

bool ResultsView::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ToolTip: {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString tip = toolTipAt(help->pos());
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this);
        }
        return true;
    }
    case QEvent::ShortcutOverride: {
        // Ctrl+C copies the selected value here; without a selection the window copies all rows.
        auto *key = static_cast<QKeyEvent *>(event);
        if ((m_selected >= 0 && key->matches(QKeySequence::Copy)) || key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::event(event);
}

void ResultsView::mousePressEvent(QMouseEvent *event)
{
    m_pressed = -1;
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    Part part = Part::Check;
    const int r = rowAt(event->position().toPoint(), part);
    if (r >= 0)
        setCurrentRow(r);
    select(r >= 0 && part == Part::Value ? r : -1);
    if (r >= 0 && part == Part::Check)
        m_pressed = r;
    event->accept();
}

void ResultsView::mouseReleaseEvent(QMouseEvent *event)
{
    Part part = Part::Check;
    const int r = rowAt(event->position().toPoint(), part);
    // A box is ticked by a click that goes down and up on it, as a check box is.
    if (event->button() == Qt::LeftButton && r >= 0 && r == m_pressed && part == Part::Check)
        toggle(r);
    m_pressed = -1;
    event->accept();
}

void ResultsView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        if (m_selected >= 0)
            emit valueCopied(m_rows[static_cast<std::size_t>(m_selected)].text);
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        select(m_current < rowCount() ? m_current : -1);
        event->accept();
        return;
    }
    if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
        toggle(m_current);
        break;
    case Qt::Key_Up:
        setCurrentRow(m_current - 1);
        break;
    case Qt::Key_Down:
        setCurrentRow(m_current + 1);
        break;
    case Qt::Key_Home:
        setCurrentRow(0);
        break;
    case Qt::Key_End:
        setCurrentRow(rowCount() - 1);
        break;
    case Qt::Key_Escape:
        if (m_selected < 0) {
            QWidget::keyPressEvent(event);
            return;
        }
        select(-1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ResultsView::focusInEvent(QFocusEvent *event)
{
    if (event->reason() == Qt::TabFocusReason)
        m_current = 0;
    else if (event->reason() == Qt::BacktabFocusReason)
        m_current = std::max(rowCount() - 1, 0);
    QWidget::focusInEvent(event);
    update(partRect(m_current, Part::Check).adjusted(-FocusMargin, -FocusMargin, FocusMargin, FocusMargin));
    notifyFocus();
}

void ResultsView::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update(partRect(m_current, Part::Check).adjusted(-FocusMargin, -FocusMargin, FocusMargin, FocusMargin));
}

bool ResultsView::focusNextPrevChild(bool next)
{
    // Each row is a stop of the tab chain: the focus leaves the rows after the last one (Tab)
    // or before the first (Shift+Tab).
    if (hasFocus()) {
        const int r = m_current + (next ? 1 : -1);
        if (r >= 0 && r < rowCount()) {
            setCurrentRow(r);
            return true;
        }
    }
    return QWidget::focusNextPrevChild(next);
}

}  // namespace shell
