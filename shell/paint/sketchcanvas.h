#pragma once

// The internals shared by the case sketch drawing (sketchpainter.h): the sizes derived from the
// label size, the canvas that draws or only measures, and the drawing of all elements.

#include "shell/core/sketch.h"
#include "shell/paint/diagramparts.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace shell::sketchcanvas {

using Kind = SketchElement::Kind;

inline const QColor Ink(0, 0, 0);
inline const QColor LoadInk(185, 25, 25);
inline const QColor LoadFill(250, 220, 220);
inline const QColor DimensionInk(60, 60, 60);
inline const QColor DeflectedInk(25, 80, 200);
inline const QColor SectionFill(210, 210, 210);

// Everything not given in sketch coordinates, in device pixels: the label size `unit` sets the
// size of the symbols and the line widths.
struct Metrics {
    QFont font;
    double unit = 10;
    double member = 2;
    double line = 1;
    double thin = 0.7;
};

Metrics metricsFor(const QFont &base, double labelPixels);

inline QPointF unit(QPointF v)
{
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF(1, 0);
}

// A box grown point by point (QRectF::united skips empty rectangles, so a point or a straight
// line would be lost).
struct Box {
    bool empty = true;
    double left = 0, top = 0, right = 0, bottom = 0;

    void add(double x, double y)
    {
        left = empty ? x : std::min(left, x);
        right = empty ? x : std::max(right, x);
        top = empty ? y : std::min(top, y);
        bottom = empty ? y : std::max(bottom, y);
        empty = false;
    }
    void add(const QRectF &r)
    {
        add(r.left(), r.top());
        add(r.right(), r.bottom());
    }
    QRectF rect() const { return QRectF(QPointF(left, top), QPointF(right, bottom)); }
};

// Draws, or only measures when it has no painter: every primitive widens `bounds()`, so that
// fitting the sketch and painting it cannot disagree. Texts are drawn last, over the lines,
// each moved off the members and off the texts placed before it where it would cover them.
class Canvas
{
public:
    Canvas(QPainter *painter, const Metrics &metrics, QPaintDevice *device, double scale, QPointF origin,
           QPointF middle)
        : m_painter(painter), m_metrics(metrics), m_fontMetrics(metrics.font, device), m_scale(scale), m_origin(origin),
          m_middle(middle)
    {
    }

    const Metrics &m() const { return m_metrics; }
    double scale() const { return m_scale; }
    QPointF map(Point p) const { return m_origin + (QPointF(p.x, p.y) * m_scale); }
    // -1 for a point left of the middle of the sketch, +1 otherwise: names go outwards.
    double outward(Point p) const { return p.x < m_middle.x() ? -1 : 1; }
    QSizeF textSize(const QString &text) const
    {
        return {m_fontMetrics.horizontalAdvance(text), m_fontMetrics.height()};
    }
    QRectF bounds()
    {
        placeTexts();
        return m_bounds.rect();
    }
    // Where the texts went, their white ground included.
    std::vector<QRectF> textBoxes()
    {
        placeTexts();
        std::vector<QRectF> boxes;
        for (const TextItem &t : m_texts)
            boxes.push_back(padded(t.box));
        return boxes;
    }
    // A member line a label must not cover.
    void obstacle(QPointF a, QPointF b, double width) { m_obstacles.push_back({a, b, width / 2}); }

    void polyline(const QPolygonF &points, const QPen &pen)
    {
        include(points.boundingRect(), pen.widthF());
        if (m_painter) {
            m_painter->setPen(pen);
            m_painter->drawPolyline(points);
        }
    }
    void line(QPointF a, QPointF b, const QPen &pen) { polyline(QPolygonF({a, b}), pen); }
    void path(const QPainterPath &shape, const QPen &pen, const QBrush &brush)
    {
        include(shape.boundingRect(), pen.style() == Qt::NoPen ? 0 : pen.widthF());
        if (m_painter) {
            m_painter->setPen(pen);
            m_painter->setBrush(brush);
            m_painter->drawPath(shape);
        }
    }
    void polygon(const QPolygonF &points, const QPen &pen, const QBrush &brush)
    {
        QPainterPath shape;
        shape.addPolygon(points);
        shape.closeSubpath();
        path(shape, pen, brush);
    }
    void circle(QPointF centre, double radius, const QPen &pen, const QBrush &brush)
    {
        QPainterPath shape;
        shape.addEllipse(centre, radius, radius);
        path(shape, pen, brush);
    }
    // An arrowhead with its tip at `tip`, pointing along `direction`.
    void arrowHead(QPointF tip, QPointF direction, double length, const QColor &colour)
    {
        const QPointF d = unit(direction);
        const QPointF across(-d.y(), d.x());
        const QPointF base = tip - (d * length);
        const double half = length * 0.36;
        polygon(QPolygonF({tip, base + (across * half), base - (across * half)}), QPen(colour, m_metrics.thin), colour);
    }
    // A text centred at `centre`. A fixed text stays where it is put (a dimension's figure on
    // its line); the others move away along `away` (or any way) if they would cover a member
    // or an earlier text.
    void text(QPointF centre, const QString &text, QPointF away = {}, bool fixed = false)
    {
        if (text.isEmpty())
            return;
        const QSizeF size = textSize(text);
        const QRectF box(centre - QPointF(size.width() / 2, size.height() / 2), size);
        m_texts.push_back({box, text, away, fixed});
        m_placed = false;
    }
    // A text beside `anchor`, on the side `direction` points to.
    void textBeyond(QPointF anchor, QPointF direction, const QString &label)
    {
        if (label.isEmpty())
            return;
        const QPointF d = unit(direction);
        const QSizeF size = textSize(label);
        const double reach =
            (m_metrics.unit * 0.2) + (std::fabs(d.x()) * size.width() / 2) + (std::fabs(d.y()) * size.height() / 2);
        text(anchor + (d * reach), label, d);
    }
    void drawTexts()
    {
        placeTexts();
        if (!m_painter)
            return;
        m_painter->setFont(m_metrics.font);
        for (const TextItem &t : m_texts) {
            m_painter->fillRect(padded(t.box), QColor(255, 255, 255, 200));
            m_painter->setPen(Ink);
            m_painter->drawText(t.box, Qt::AlignCenter, t.label);
        }
    }

private:
    struct TextItem {
        QRectF box;
        QString label;
        QPointF away;
        bool fixed = false;
    };
    struct Segment {
        QPointF a;
        QPointF b;
        double half = 0;
    };

    void include(const QRectF &box, double penWidth)
    {
        const double grow = penWidth / 2;
        m_bounds.add(box.adjusted(-grow, -grow, grow, grow));
    }
    QRectF padded(const QRectF &box) const
    {
        const double pad = m_metrics.unit * 0.08;
        return box.adjusted(-pad, 0, pad, 0);
    }
    // True where the segment comes within `half` of the box.
    static bool crosses(const Segment &s, const QRectF &box)
    {
        return diagramparts::segmentMeets(s.a, s.b, box.adjusted(-s.half, -s.half, s.half, s.half));
    }
    // True where the box would cover one of the first `upTo` texts placed or, with `members`,
    // a member line.
    bool covers(const QRectF &box, std::size_t upTo, bool members) const
    {
        const QRectF mine = padded(box);
        for (std::size_t i = 0; i < upTo; ++i)
            if (mine.intersects(padded(m_order[i]->box)))
                return true;
        return members &&
               std::any_of(m_obstacles.begin(), m_obstacles.end(), [&](const Segment &s) { return crosses(s, mine); });
    }
    // Fixed texts first, then the others, each at its own place or the nearest free place
    // around it, the side it was put on tried first. A fixed text moves only off another text.
    void placeTexts()
    {
        if (m_placed)
            return;
        m_placed = true;
        m_order.clear();
        for (TextItem &t : m_texts)
            if (t.fixed)
                m_order.push_back(&t);
        for (TextItem &t : m_texts)
            if (!t.fixed)
                m_order.push_back(&t);
        const double step = m_metrics.unit * 0.3;
        for (std::size_t i = 0; i < m_order.size(); ++i) {
            TextItem &t = *m_order[i];
            const bool members = !t.fixed;
            if (covers(t.box, i, members)) {
                const QPointF away = unit(t.away.isNull() ? QPointF(0, -1) : t.away);
                const QPointF across(-away.y(), away.x());
                const QPointF ways[] = {away, across, -across, away + across, away - across, -away};
                bool found = false;
                for (int reach = 1; reach <= 16 && !found; ++reach)
                    for (const QPointF &way : ways) {
                        const QRectF moved = t.box.translated(unit(way) * (reach * step));
                        if (!covers(moved, i, members)) {
                            t.box = moved;
                            found = true;
                            break;
                        }
                    }
            }
            include(padded(t.box), 0);
        }
    }

    QPainter *m_painter;
    const Metrics &m_metrics;
    QFontMetricsF m_fontMetrics;
    double m_scale;
    QPointF m_origin;
    QPointF m_middle;
    Box m_bounds;
    std::vector<TextItem> m_texts;
    std::vector<TextItem *> m_order;
    std::vector<Segment> m_obstacles;
    bool m_placed = false;
};

// Draws the elements in layers (the section first, the texts last), or only measures them.
void drawAll(Canvas &c, const std::vector<const SketchElement *> &elements);

}  // namespace shell::sketchcanvas
