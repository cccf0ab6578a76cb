#include "shell/qt/chartview.h"

#include "shell/qt/controls.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace shell {

namespace {

bool sameValue(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool samePoints(const std::vector<ChartPoint> &a, const std::vector<ChartPoint> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const ChartPoint &p, const ChartPoint &q) {
        return p.label == q.label && p.atBaseLine == q.atBaseLine && sameValue(p.value, q.value);
    });
}

// The same labels with the same base-line marks: what the background shows of the points.
bool sameLabels(const std::vector<ChartPoint> &a, const std::vector<ChartPoint> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const ChartPoint &p, const ChartPoint &q) {
        return p.label == q.label && p.atBaseLine == q.atBaseLine;
    });
}

// Backgrounds kept: the axis on display and the one before it.
constexpr std::size_t KeptBackgrounds = 2;

}  // namespace

ChartView::ChartView(QWidget *parent) : MenuPictureView(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::setData(std::vector<ChartPoint> points, ChartType type, QColor fill, bool logScale)
{
    if (samePoints(points, m_points) && type == m_type && fill == m_fill && logScale == m_logScale)
        return;
    // Values that change on a chart already shown will change again: from now on the chart
    // keeps its background.
    m_keepBackground = m_keepBackground || m_painted;
    const bool valuesOnly = type == m_type && fill == m_fill && logScale == m_logScale && sameLabels(points, m_points);
    const ChartLayout before = m_layout;
    std::vector<ChartPoint> old = std::move(m_points);
    m_points = std::move(points);
    m_type = type;
    m_fill = fill;
    m_logScale = logScale;
    if (m_current >= static_cast<int>(m_points.size()))
        m_current = -1;
    relayout();
    const bool sameFrame = sameChartFrame(before, m_layout);
    if (!valuesOnly || (!sameFrame && !sameChartGrid(before, m_layout))) {
        update();
        return;
    }
    // The same grid: only the bars that moved, where they stood and where they stand now, less
    // the part of the bar that both heights share (its face and edges there stay as they are);
    // on a new scale, every bar and the tick labels.
    QRegion changed;
    if (!sameFrame) {
        const QRectF &area = m_layout.area;
        changed += QRectF(area.left(), area.top(), m_layout.plot.left() - area.left(), area.height()).toAlignedRect();
    }
    const double margin = m_layout.lineWidth + 1;
    for (int i = 0; i < static_cast<int>(m_points.size()); ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        if (sameFrame && sameValue(old[k].value, m_points[k].value))
            continue;
        QRegion bar = chartPointExtent(before, old, i, m_type).toAlignedRect();
        bar += chartPointExtent(m_layout, m_points, i, m_type).toAlignedRect();
        const QRectF was = chartBarFront(before, old, i, m_type);
        const QRectF is = chartBarFront(m_layout, m_points, i, m_type);
        const double zeroY = m_layout.y(0);
        const bool up = was.top() < zeroY && is.top() < zeroY;
        const bool down = was.bottom() > zeroY && is.bottom() > zeroY;
        if (!was.isNull() && !is.isNull() && up != down) {
            // The shared part, away from the moving end by the edge's width and its smoothing.
            const QRectF both = was.intersected(is).adjusted(-margin, up ? margin : 0, margin, up ? 0 : -margin);
            const QRect inside(QPoint(qCeil(both.left()), qCeil(both.top())),
                               QPoint(qFloor(both.right()) - 1, qFloor(both.bottom()) - 1));
            if (inside.isValid())
                bar -= inside;
        }
        changed += bar;
    }
    update(changed);
}

void ChartView::relayout()
{
    m_layout = layoutChart(chartArea(), m_points, m_type, m_logScale, QFontMetricsF(font(), this), &m_textWidths);
}

bool ChartView::sameBackground(const Background &b) const
{
    return b.picture.size() == size() * devicePixelRatio() && b.picture.devicePixelRatio() == devicePixelRatio() &&
           b.logScale == m_logScale && sameChartFrame(b.layout, m_layout) && sameLabels(b.points, m_points);
}

const QPixmap &ChartView::background()
{
    const auto found = std::find_if(m_backgrounds.begin(), m_backgrounds.end(),
                                    [this](const Background &b) { return sameBackground(b); });
    if (found != m_backgrounds.end()) {
        std::rotate(m_backgrounds.begin(), found, found + 1);
        return m_backgrounds.front().picture;
    }
    Background made;
    made.picture = QPixmap(size() * devicePixelRatio());
    made.picture.setDevicePixelRatio(devicePixelRatio());
    made.layout = m_layout;
    made.points = m_points;
    made.logScale = m_logScale;
    {
        QPainter painter(&made.picture);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setFont(font());
        paintChartBackground(painter, m_layout, m_points, m_logScale);
    }
    m_backgrounds.insert(m_backgrounds.begin(), std::move(made));
    if (m_backgrounds.size() > KeptBackgrounds)
        m_backgrounds.pop_back();
    return m_backgrounds.front().picture;
}

void ChartView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_backgrounds.clear();
    relayout();
}

void ChartView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        m_backgrounds.clear();
        m_textWidths.clear();
        relayout();
    }
    QWidget::changeEvent(event);
}

QSize ChartView::sizeHint() const
{
    return {400, 160};
}

QSize ChartView::minimumSizeHint() const
{
    return {120, 80};
}

QRectF ChartView::chartArea() const
{
    return QRectF(rect());
}

QPoint ChartView::pointGlobalPos(int point) const
{
    const QRectF area = chartArea();
    if (point < 0 || point >= static_cast<int>(m_points.size()))
        return mapToGlobal(rect().center());
    const ChartLayout &l = m_layout;
    if (!l.drawable || l.area != area)
        return mapToGlobal(rect().center());
    return mapToGlobal(QPointF(l.centre(point), l.plot.center().y()).toPoint());
}

void ChartView::setStale(bool stale)
{
    if (m_stale == stale)
        return;
    m_stale = stale;
    update();
}

void ChartView::paintEvent(QPaintEvent *event)
{
    if (m_layout.area != chartArea())
        relayout();
    m_painted = true;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.setFont(font());
    if (m_keepBackground) {
        painter.drawPixmap(0, 0, background());
    } else {
        painter.setRenderHint(QPainter::Antialiasing, true);
        paintChartBackground(painter, m_layout, m_points, m_logScale);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintChartSeries(painter, m_layout, m_points, m_type, m_fill);
    // Washed out: the bars stay readable but plainly belong to an earlier input.
    if (m_stale)
        paintStaleMark(painter, rect());
    if (!hasFocus())
        return;
    paintFocusFrame(painter, 2);
    if (m_current < 0 || m_current >= static_cast<int>(m_points.size()))
        return;
    const ChartLayout &l = m_layout;
    if (l.drawable) {
        const double left = l.plot.left() + (m_current * l.slot);
        const double bottom = l.labelTop + (l.labelRows * l.lineHeight);
        painter.drawRect(QRectF(QPointF(left, l.plot.top() + l.depth.y()), QPointF(left + l.slot, bottom)));
    }
}

void ChartView::mousePressEvent(QMouseEvent *event)
{
    if (askMenuByMouse(event) || event->button() != Qt::LeftButton)
        return;
    const int point = chartPointAt(chartArea(), m_points, m_type, event->position(), QFontMetricsF(font(), this));
    if (point < 0)
        return;
    m_current = point;
    update();
    emit pointClicked(point, event->globalPosition().toPoint());
}

void ChartView::keyPressEvent(QKeyEvent *event)
{
    if (askMenuByKey(event, pointGlobalPos(m_current)))
        return;
    const int key = event->key();
    const int last = static_cast<int>(m_points.size()) - 1;
    if (last < 0 || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (key) {
    case Qt::Key_Left:
        m_current = std::max(0, m_current - 1);
        break;
    case Qt::Key_Right:
        m_current = std::min(last, m_current + 1);
        break;
    case Qt::Key_Home:
        m_current = 0;
        break;
    case Qt::Key_End:
        m_current = last;
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_current >= 0)
            emit pointClicked(m_current, pointGlobalPos(m_current));
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    update();
}

void ChartView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void ChartView::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace shell
