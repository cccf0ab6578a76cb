#include "shell/paint/diagramparts.h"

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

double roundStep(double raw)
{
    if (!(raw > 0) || !std::isfinite(raw))
        return 1;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / magnitude;
    constexpr double Slack = 1e-9;
    if (fraction <= 1 + Slack)
        return magnitude;
    if (fraction <= 2 + Slack)
        return 2 * magnitude;
    if (fraction <= 5 + Slack)
        return 5 * magnitude;
    return 10 * magnitude;
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
    return {m_metrics.horizontalAdvance(text) + 4, m_metrics.height()};
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

void Labels::place(const QString &text, const std::vector<QPointF> &corners, const QColor &ink, const QRectF &within)
{
    const QRectF bounds = within.isEmpty() ? m_bounds : within;
    const auto inside = [&bounds](const QRectF &box) { return Labels::inside(box, bounds); };
    if (text.isEmpty() || corners.empty())
        return;
    const QSizeF extent = size(text);
    const auto clear = [this](const QRectF &box) {
        return std::none_of(m_boxes.begin(), m_boxes.end(), [&](const QRectF &other) { return other.intersects(box); });
    };
    QRectF chosen = inside(QRectF(corners.front(), extent));
    bool found = false;
    for (const QPointF &corner : corners) {
        const QRectF box = inside(QRectF(corner, extent));
        if (clear(box)) {
            chosen = box;
            found = true;
            break;
        }
    }
    // Every place taken: step down (or up) from the first until the label stands clear.
    for (int i = 1; !found && i < 12; ++i)
        for (const double direction : {1.0, -1.0}) {
            const QRectF box = inside(chosen.translated(0, direction * i * extent.height()));
            if (clear(box)) {
                chosen = box;
                found = true;
                break;
            }
        }
    m_boxes.push_back(chosen);
    m_texts.push_back(text);
    m_inks.push_back(ink);
}

void Labels::draw(QPainter &painter) const
{
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        painter.fillRect(m_boxes[i], QColor(255, 255, 255, 170));
        painter.setPen(m_inks[i]);
        drawTextIn(painter, m_metrics, m_boxes[i], Qt::AlignCenter, m_texts[i]);
    }
}

void paintMessage(QPainter &painter, const QRectF &area, const QString &text)
{
    painter.save();
    painter.setPen(AxisInk);
    const QRectF box = area.adjusted(8, 8, -8, -8);
    painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text);
    painter.restore();
}

}  // namespace shell::diagramparts
