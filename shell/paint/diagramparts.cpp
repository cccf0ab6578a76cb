#include "shell/paint/diagramparts.h"

#include "shell/core/language.h"
#include "shell/paint/sketchcanvas.h"

#include <QPen>

#include <algorithm>
#include <cmath>

namespace shell::diagramparts {

QColor curveInk(Quantity quantity)
{
    switch (quantity) {
    case Quantity::Shear:
        return {30, 90, 170};
    case Quantity::Moment:
        return {185, 80, 10};
    case Quantity::Slope:
        return {20, 125, 70};
    case Quantity::Deflection:
        return {115, 55, 165};
    }
    return Ink;
}

QColor areaFill(Quantity quantity, bool positive)
{
    QColor c = curveInk(quantity);
    c.setAlpha(positive ? 70 : 40);
    return c;
}

QString valueWithUnit(double value, const std::string &unit)
{
    const QString number = qs(diagramNumber(value));
    return unit.empty() ? number : number + QLatin1Char(' ') + qs(unit);
}

void drawTextIn(QPainter &painter, const QFontMetricsF &metrics, const QRectF &box, Qt::Alignment alignment,
                const QString &text)
{
    if (text.isEmpty())
        return;
    const double width = metrics.horizontalAdvance(text);
    double x = box.left();
    if (alignment & Qt::AlignRight)
        x = box.right() - width;
    else if (alignment & Qt::AlignHCenter)
        x = box.center().x() - (width / 2);
    const double baseline = box.top() + ((box.height() - metrics.height()) / 2) + metrics.ascent();
    painter.drawText(QPointF(x, baseline), text);
}

QSizeF Labels::size(const QString &text) const
{
    double width = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines)
        width = std::max(width, m_metrics.horizontalAdvance(line));
    return {width + 4, m_metrics.height() * static_cast<double>(lines.size())};
}

QRectF Labels::inside(QRectF box, const QRectF &bounds)
{
    if (box.right() > bounds.right())
        box.moveRight(bounds.right());
    if (box.left() < bounds.left())
        box.moveLeft(bounds.left());
    if (box.bottom() > bounds.bottom())
        box.moveBottom(bounds.bottom());
    if (box.top() < bounds.top())
        box.moveTop(bounds.top());
    return box;
}

bool segmentMeets(const QPointF &a, const QPointF &b, const QRectF &box)
{
    if (std::max(a.x(), b.x()) < box.left() || std::min(a.x(), b.x()) > box.right() ||
        std::max(a.y(), b.y()) < box.top() || std::min(a.y(), b.y()) > box.bottom())
        return false;
    if (box.contains(a) || box.contains(b))
        return true;
    // The part of the line inside the box's slabs (Liang and Barsky): empty where it misses.
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(), box.bottom() - a.y()};
    double enter = 0;
    double leave = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        if (enter > leave)
            return false;
    }
    return true;
}

void Labels::avoid(const QPolygonF &line)
{
    if (line.isEmpty())
        return;
    m_lines.push_back(line);
    m_lineBounds.push_back(line.boundingRect());
}

void Labels::avoid(const QRectF &box)
{
    m_avoided.push_back(box);
}

bool Labels::clear(const QRectF &box) const
{
    const auto meets = [&box](const QRectF &other) { return other.intersects(box); };
    if (std::any_of(m_boxes.begin(), m_boxes.end(), meets) || std::any_of(m_avoided.begin(), m_avoided.end(), meets))
        return false;
    // The curves are drawn about two pixels wide: keep a pixel and a half off their middle.
    const QRectF reach = box.adjusted(-1.5, -1.5, 1.5, 1.5);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const QRectF &bounds = m_lineBounds[i];
        if (bounds.right() < reach.left() || bounds.left() > reach.right() || bounds.bottom() < reach.top() ||
            bounds.top() > reach.bottom())
            continue;
        const QPolygonF &line = m_lines[i];
        for (int k = 1; k < line.size(); ++k)
            if (segmentMeets(line[k - 1], line[k], reach))
                return false;
    }
    return true;
}

void Labels::place(const QString &text, const std::vector<QPointF> &corners, const QColor &ink, const QRectF &within,
                   const QPointF *point)
{
    const QRectF bounds = within.isEmpty() ? m_bounds : within;
    if (text.isEmpty() || corners.empty())
        return;
    const QSizeF extent = size(text);
    const QRectF first = inside(QRectF(corners.front(), extent), bounds);
    QRectF chosen = first;
    bool found = false;
    for (const QPointF &corner : corners) {
        const QRectF box = inside(QRectF(corner, extent), bounds);
        if (clear(box)) {
            chosen = box;
            found = true;
            break;
        }
    }
    // Every place taken: the clear place nearest the first, on a grid of half a line across
    // and a quarter of a line down the room.
    if (!found) {
        const double across = std::max(2.0, extent.height() * 0.5);
        const double down = std::max(1.0, extent.height() * 0.25);
        std::vector<std::pair<double, QPointF>> places;
        for (double y = bounds.top(); y + extent.height() <= bounds.bottom() + 1e-9; y += down)
            for (double x = bounds.left(); x + extent.width() <= bounds.right() + 1e-9; x += across) {
                const double dx = x - first.left();
                const double dy = y - first.top();
                places.emplace_back((dx * dx) + (4 * dy * dy), QPointF(x, y));
            }
        std::sort(places.begin(), places.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        for (const auto &[distance, corner] : places) {
            const QRectF box(corner, extent);
            if (clear(box)) {
                chosen = box;
                break;
            }
        }
    }
    QLineF leader;
    if (point) {
        const QPointF nearest(std::clamp(point->x(), chosen.left(), chosen.right()),
                              std::clamp(point->y(), chosen.top(), chosen.bottom()));
        if (QLineF(*point, nearest).length() >
            extent.height() * 1.2 / static_cast<double>(text.count(QLatin1Char('\n')) + 1))
            leader = QLineF(*point, nearest);
    }
    m_boxes.push_back(chosen);
    m_texts.push_back(text);
    m_inks.push_back(ink);
    m_leaders.push_back(leader);
}

void Labels::draw(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (std::size_t i = 0; i < m_leaders.size(); ++i) {
        if (m_leaders[i].isNull())
            continue;
        QColor ink = m_inks[i];
        ink.setAlpha(150);
        painter.setPen(QPen(ink, 0));
        painter.drawLine(m_leaders[i]);
    }
    painter.restore();
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        painter.fillRect(m_boxes[i], QColor(255, 255, 255, 170));
        painter.setPen(m_inks[i]);
        const QStringList lines = m_texts[i].split(QLatin1Char('\n'));
        const double lineHeight = m_metrics.height();
        for (int k = 0; k < lines.size(); ++k)
            drawTextIn(
                painter, m_metrics,
                QRectF(m_boxes[i].left() + 2, m_boxes[i].top() + (k * lineHeight), m_boxes[i].width() - 4, lineHeight),
                lines.size() > 1 ? Qt::AlignLeft : Qt::AlignCenter, lines[k]);
    }
}

void Labels::report(DiagramReport *report, int member) const
{
    if (!report)
        return;
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        report->texts.push_back({m_texts[i], m_boxes[i], member});
}

void paintMessage(QPainter &painter, const QRectF &area, const QString &text)
{
    painter.save();
    painter.setPen(AxisInk);
    const QRectF box = area.adjusted(8, 8, -8, -8);
    painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text);
    painter.restore();
}

void drawSketch(QPainter &painter, const Sketch &sketch, double unit, double scale, QPointF origin, QPointF middle)
{
    std::vector<const SketchElement *> elements;
    for (const SketchElement &e : sketch.elements())
        elements.push_back(&e);
    const sketchcanvas::Metrics m = sketchcanvas::metricsFor(painter.font(), unit);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    sketchcanvas::Canvas canvas(&painter, m, painter.device(), scale, origin, middle);
    sketchcanvas::drawAll(canvas, elements);
    painter.restore();
}

void paintTooSmall(QPainter &painter, const QRectF &area)
{
    paintMessage(painter, area, QString::fromStdString(shell::translated("Text", "The diagrams need a larger window")));
}

}  // namespace shell::diagramparts
