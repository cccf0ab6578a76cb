#include "sketchpainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace shell {

namespace {

using Kind = SketchElement::Kind;

const QColor Ink(0, 0, 0);
const QColor LoadInk(185, 25, 25);
const QColor LoadFill(250, 220, 220);
const QColor DimensionInk(60, 60, 60);
const QColor DeflectedInk(25, 80, 200);
const QColor SectionFill(210, 210, 210);

// Everything not given in sketch coordinates, in device pixels: the label size `unit` sets the
// size of the symbols and the line widths.
struct Metrics {
    QFont font;
    double unit = 10;
    double member = 2;
    double line = 1;
    double thin = 0.7;
};

Metrics metricsFor(const QFont &base, double labelPixels)
{
    Metrics m;
    m.font = base;
    m.font.setPixelSize(std::max(1, static_cast<int>(std::lround(labelPixels))));
    m.unit = labelPixels;
    m.member = std::max(1.2, labelPixels * 0.2);
    m.line = std::max(0.8, labelPixels * 0.09);
    m.thin = std::max(0.7, labelPixels * 0.065);
    return m;
}

QPointF unit(QPointF v)
{
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF(1, 0);
}

// The direction from a point towards `side` (y grows downwards).
QPointF towards(Side side)
{
    switch (side) {
    case Side::Above:
        return {0, -1};
    case Side::Below:
        return {0, 1};
    case Side::Left:
        return {-1, 0};
    case Side::Right:
        return {1, 0};
    }
    return {0, 1};
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
// fitting the sketch and painting it cannot disagree. Texts are drawn last, over the lines.
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
    QRectF bounds() const { return m_bounds.rect(); }

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
    void text(QPointF centre, const QString &text)
    {
        if (text.isEmpty())
            return;
        const QSizeF size = textSize(text);
        const QRectF box(centre - QPointF(size.width() / 2, size.height() / 2), size);
        const double pad = m_metrics.unit * 0.08;
        include(box.adjusted(-pad, 0, pad, 0), 0);
        m_texts.push_back({box, text});
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
        text(anchor + (d * reach), label);
    }
    void drawTexts()
    {
        if (!m_painter)
            return;
        m_painter->setFont(m_metrics.font);
        const double pad = m_metrics.unit * 0.08;
        for (const auto &[box, label] : m_texts) {
            m_painter->fillRect(box.adjusted(-pad, 0, pad, 0), QColor(255, 255, 255, 200));
            m_painter->setPen(Ink);
            m_painter->drawText(box, Qt::AlignCenter, label);
        }
    }

private:
    void include(const QRectF &box, double penWidth)
    {
        const double grow = penWidth / 2;
        m_bounds.add(box.adjusted(-grow, -grow, grow, grow));
    }

    QPainter *m_painter;
    const Metrics &m_metrics;
    QFontMetricsF m_fontMetrics;
    double m_scale;
    QPointF m_origin;
    QPointF m_middle;
    Box m_bounds;
    std::vector<std::pair<QRectF, QString>> m_texts;
};

QString text(const std::string &label) { return QString::fromStdString(label); }

void drawSupport(Canvas &c, const SketchElement &e)
{
    const double u = c.m().unit;
    const QPointF p = c.map(e.a);
    const QPointF base = towards(e.side);
    const QPointF across(base.y(), -base.x());
    const QPen pen(Ink, c.m().line);
    const QPen thin(Ink, c.m().thin);
    const bool upright = e.side == Side::Above || e.side == Side::Below;
    const QPointF out(c.outward(e.a), 0);
    // Short strokes on the far side of a base or wall of half-length `half` centred at `at`.
    const auto hatch = [&](QPointF at, double half) {
        c.line(at - (across * half), at + (across * half),
               e.support == SupportKind::Fixed ? QPen(Ink, c.m().member) : pen);
        const int strokes = 5;
        for (int i = 0; i < strokes; ++i) {
            const QPointF from = at + (across * (-half + (((i + 0.5) * 2 * half) / strokes)));
            c.line(from, from + (base * (u * 0.35)) - (across * (u * 0.3)), thin);
        }
    };
    switch (e.support) {
    case SupportKind::Pin:
    case SupportKind::Roller: {
        const bool roller = e.support == SupportKind::Roller;
        const double height = roller ? u * 0.8 : u;
        const double half = roller ? u * 0.5 : u * 0.6;
        c.polygon(QPolygonF({p, p + (base * height) + (across * half), p + (base * height) - (across * half)}), pen,
                  Qt::white);
        double baseAt = height;
        if (roller) {
            const double r = u * 0.16;
            for (double side : {-1.0, 1.0})
                c.circle(p + (base * (height + r)) + (across * (side * u * 0.28)), r, thin, Qt::white);
            baseAt += 2 * r;
        }
        hatch(p + (base * baseAt), u * 0.85);
        if (upright)
            c.textBeyond(p + (base * (height * 0.55)) + (out * (half * 0.55)), out, text(e.label));
        else
            c.textBeyond(p + (base * (height * 0.55)) + QPointF(0, -half * 0.55), QPointF(0, -1), text(e.label));
        break;
    }
    case SupportKind::Fixed:
        hatch(p, u * 1.1);
        if (upright)
            c.textBeyond(p + (out * (u * 1.1)) + (base * (u * 0.2)), out, text(e.label));
        else
            c.textBeyond(p + (base * (u * 0.4)), base, text(e.label));
        break;
    case SupportKind::Free: {
        const double r = u * 0.25;
        c.circle(p, r, pen, Qt::white);
        c.textBeyond(p + (out * r), out, text(e.label));
        break;
    }
    }
}

void drawPointLoad(Canvas &c, const SketchElement &e)
{
    const double u = c.m().unit;
    const QPointF tip = c.map(e.a);
    const QPointF from = towards(e.side);
    const QPointF tail = tip + (from * (u * 2.6));
    const double head = u * 0.6;
    c.line(tail, tip + (from * head * 0.9), QPen(LoadInk, c.m().line * 1.4));
    c.arrowHead(tip, -from, head, LoadInk);
    c.textBeyond(tail, from, text(e.label));
}

void drawDistributed(Canvas &c, const SketchElement &e)
{
    const double u = c.m().unit;
    const QPointF a = c.map(e.a);
    const QPointF b = c.map(e.b);
    const QPointF n = towards(e.side);
    const QPointF topA = a + (n * (e.h1 * c.scale()));
    const QPointF topB = b + (n * (e.h2 * c.scale()));
    c.polygon(QPolygonF({a, b, topB, topA}), Qt::NoPen, LoadFill);
    c.line(a, topA, QPen(LoadInk, c.m().thin));
    c.line(b, topB, QPen(LoadInk, c.m().thin));
    c.line(topA, topB, QPen(LoadInk, c.m().line));
    const double head = u * 0.45;
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    const int arrows = std::max(2, static_cast<int>(length / (u * 1.3)) + 1);
    for (int i = 0; i < arrows; ++i) {
        const double t = static_cast<double>(i) / (arrows - 1);
        const QPointF foot = a + ((b - a) * t);
        const double height = (e.h1 + ((e.h2 - e.h1) * t)) * c.scale();
        if (height < head * 1.3)
            continue;
        c.line(foot + (n * height), foot + (n * (head * 0.9)), QPen(LoadInk, c.m().thin));
        c.arrowHead(foot, -n, head, LoadInk);
    }
    c.textBeyond((topA + topB) / 2, n, text(e.label));
}

void drawMoment(Canvas &c, const SketchElement &e)
{
    const double u = c.m().unit;
    const QPointF centre = c.map(e.a);
    const double radius = std::max(std::fabs(e.h1) * c.scale(), u * 0.9);
    const bool clockwise = e.h1 > 0;
    const double pi = std::acos(-1.0);
    // Three quarters of a circle open at the bottom; angles counter-clockwise as seen.
    const double start = clockwise ? 1.25 * pi : -0.25 * pi;
    const double head = u * 0.6;
    const double sweep = (1.5 * pi) - ((head * 0.8) / radius);
    const auto at = [&](double angle) { return centre + (QPointF(std::cos(angle), -std::sin(angle)) * radius); };
    QPolygonF arc;
    const int steps = 40;
    for (int i = 0; i <= steps; ++i)
        arc << at(start + ((clockwise ? -sweep : sweep) * i / steps));
    c.polyline(arc, QPen(LoadInk, c.m().line * 1.4));
    const double end = clockwise ? start - (1.5 * pi) : start + (1.5 * pi);
    c.arrowHead(at(end), at(end) - arc.last(), head, LoadInk);
    const QPointF diagonal(std::sqrt(0.5), -std::sqrt(0.5));
    c.textBeyond(centre + (diagonal * radius), diagonal, text(e.label));
}

void drawDimension(Canvas &c, const SketchElement &e)
{
    const double u = c.m().unit;
    const QPointF a = c.map(e.a);
    const QPointF b = c.map(e.b);
    const QPointF d = unit(b - a);
    const QPointF left(d.y(), -d.x());  // to the left of a→b as seen on the page
    const double offset = e.h1 * c.scale();
    const QPointF away = offset < 0 ? -left : left;
    const QPointF a2 = a + (left * offset);
    const QPointF b2 = b + (left * offset);
    const QPen pen(DimensionInk, c.m().thin);
    const double gap = u * 0.25;
    if (std::fabs(offset) > gap * 1.5) {
        c.line(a + (away * gap), a2 + (away * (u * 0.35)), pen);
        c.line(b + (away * gap), b2 + (away * (u * 0.35)), pen);
    }
    const double head = u * 0.55;
    const double length = std::hypot(b2.x() - a2.x(), b2.y() - a2.y());
    if (length >= (2 * head) + (u * 0.2)) {
        c.line(a2, b2, pen);
        c.arrowHead(a2, -d, head, DimensionInk);
        c.arrowHead(b2, d, head, DimensionInk);
    } else {  // too short for arrows inside: they point in from outside
        c.line(a2 - (d * (head * 1.8)), b2 + (d * (head * 1.8)), pen);
        c.arrowHead(a2, d, head, DimensionInk);
        c.arrowHead(b2, -d, head, DimensionInk);
    }
    const QString label = text(e.label);
    const QSizeF size = c.textSize(label);
    const double along = (std::fabs(d.x()) * size.width()) + (std::fabs(d.y()) * size.height());
    const QPointF middle = (a2 + b2) / 2;
    if (along + (2 * head) + (u * 0.4) <= length)
        c.text(middle, label);
    else
        c.textBeyond(middle, away, label);
}

void drawSection(Canvas &c, const std::vector<const SketchElement *> &parts)
{
    QPainterPath section;
    for (const SketchElement *e : parts) {
        QPainterPath shape;
        if (e->kind == Kind::Circle || e->kind == Kind::CircleHole) {
            const double r = e->h1 * c.scale();
            shape.addEllipse(c.map(e->a), r, r);
        } else {
            QPolygonF polygon;
            for (const Point &p : e->points)
                polygon << c.map(p);
            shape.addPolygon(polygon);
            shape.closeSubpath();
        }
        const bool cut = e->kind == Kind::Hole || e->kind == Kind::CircleHole;
        section = cut ? section.subtracted(shape) : section.united(shape);
    }
    if (!section.isEmpty())
        c.path(section, QPen(Ink, c.m().line), SectionFill);
}

void drawAxis(Canvas &c, const SketchElement &e)
{
    QPen pen(DimensionInk, c.m().thin);
    pen.setDashPattern({14, 4, 3, 4});
    const QPointF a = c.map(e.a);
    const QPointF b = c.map(e.b);
    c.line(a, b, pen);
    c.textBeyond(b, unit(b - a), text(e.label));
}

void drawDeflected(Canvas &c, const SketchElement &e)
{
    QPolygonF shape;
    for (const Point &p : e.points)
        shape << c.map(p);
    QPen pen(DeflectedInk, c.m().line);
    pen.setDashPattern({5, 3});
    c.polyline(shape, pen);
}

bool finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Elements whose numbers are all finite: a picture drawn from unusual inputs leaves out what
// it cannot place rather than failing.
std::vector<const SketchElement *> drawable(const Sketch &sketch)
{
    std::vector<const SketchElement *> list;
    for (const SketchElement &e : sketch.elements()) {
        bool ok = finite(e.a) && finite(e.b) && std::isfinite(e.h1) && std::isfinite(e.h2);
        for (const Point &p : e.points)
            ok = ok && finite(p);
        if (ok)
            list.push_back(&e);
    }
    return list;
}

// The box around the points of the sketch, in its own coordinates.
QRectF extent(const std::vector<const SketchElement *> &elements)
{
    Box box;
    for (const SketchElement *e : elements) {
        box.add(e->a.x, e->a.y);
        if (e->kind == Kind::Member || e->kind == Kind::Distributed || e->kind == Kind::Dimension ||
            e->kind == Kind::Axis)
            box.add(e->b.x, e->b.y);
        if (e->kind == Kind::Circle || e->kind == Kind::CircleHole) {
            box.add(e->a.x - e->h1, e->a.y - e->h1);
            box.add(e->a.x + e->h1, e->a.y + e->h1);
        }
        for (const Point &p : e->points)
            box.add(p.x, p.y);
    }
    return box.rect();
}

void drawAll(Canvas &c, const std::vector<const SketchElement *> &elements)
{
    std::vector<const SketchElement *> section;
    for (const SketchElement *e : elements)
        if (e->kind == Kind::Outline || e->kind == Kind::Hole || e->kind == Kind::Circle || e->kind == Kind::CircleHole)
            section.push_back(e);
    drawSection(c, section);
    // Loads under the members, the members over them, the symbols and lines on top.
    const Kind layers[] = {Kind::Distributed, Kind::Deflected, Kind::Member, Kind::Support, Kind::PointLoad,
                           Kind::Moment,      Kind::Dimension, Kind::Axis,   Kind::Label};
    for (Kind layer : layers) {
        for (const SketchElement *e : elements) {
            if (e->kind != layer)
                continue;
            switch (layer) {
            case Kind::Distributed:
                drawDistributed(c, *e);
                break;
            case Kind::Deflected:
                drawDeflected(c, *e);
                break;
            case Kind::Member: {
                QPen pen(Ink, c.m().member);
                pen.setCapStyle(Qt::RoundCap);
                c.line(c.map(e->a), c.map(e->b), pen);
                break;
            }
            case Kind::Support:
                drawSupport(c, *e);
                break;
            case Kind::PointLoad:
                drawPointLoad(c, *e);
                break;
            case Kind::Moment:
                drawMoment(c, *e);
                break;
            case Kind::Dimension:
                drawDimension(c, *e);
                break;
            case Kind::Axis:
                drawAxis(c, *e);
                break;
            default:
                c.text(c.map(e->a), text(e->label));
                break;
            }
        }
    }
    c.drawTexts();
}

// The label height for a target: it grows with the square root of the target's size, so a
// small picture keeps readable letters and a page does not get huge ones.
double labelPixels(const QRectF &target, double dpi)
{
    const double size =
        std::min(std::sqrt(target.width() * target.height()), 1.5 * std::min(target.width(), target.height()));
    const double points = 0.8 * std::sqrt(size * 72 / dpi);
    return points * dpi / 72;
}

}  // namespace

void paintSketch(QPainter &painter, const QRectF &target, const Sketch &sketch)
{
    const std::vector<const SketchElement *> elements = drawable(sketch);
    // One pixel is kept free all round for the antialiased edges.
    const QRectF room = target.adjusted(1, 1, -1, -1);
    if (elements.empty() || room.width() < 4 || room.height() < 4)
        return;
    QPaintDevice *device = painter.device();
    const double dpi = device ? device->logicalDpiY() : 96;
    const QRectF box = extent(elements);
    const QPointF middle = box.center();
    const double size = std::max(box.width(), box.height());

    double label = labelPixels(room, dpi);
    for (int attempt = 0; attempt < 12; ++attempt, label *= 0.8) {
        const Metrics metrics = metricsFor(painter.font(), label);
        const auto measure = [&](double scale) {
            Canvas c(nullptr, metrics, device, scale, QPointF(0, 0), middle);
            drawAll(c, elements);
            return c.bounds();
        };
        const auto fits = [&](double scale) {
            const QRectF b = measure(scale);
            return b.width() <= room.width() && b.height() <= room.height();
        };
        double scale = 1;
        if (size > 0) {
            double low = std::min(room.width(), room.height()) / size * 1e-6;
            double high = 2 * std::max(room.width(), room.height()) / size;
            if (!fits(low))
                continue;
            for (int i = 0; i < 40; ++i) {
                const double mid = std::sqrt(low * high);
                (fits(mid) ? low : high) = mid;
            }
            scale = low;
        } else if (!fits(scale)) {
            continue;
        }
        const QRectF bounds = measure(scale);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        Canvas c(&painter, metrics, device, scale, room.center() - bounds.center(), middle);
        drawAll(c, elements);
        painter.restore();
        return;
    }
}

SketchView::SketchView(QWidget *parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

namespace {

bool samePoint(Point p, Point q) { return p.x == q.x && p.y == q.y; }

bool sameElement(const SketchElement &e, const SketchElement &f)
{
    return e.kind == f.kind && samePoint(e.a, f.a) && samePoint(e.b, f.b) && e.h1 == f.h1 && e.h2 == f.h2 &&
           e.side == f.side && e.support == f.support && e.label == f.label &&
           std::equal(e.points.begin(), e.points.end(), f.points.begin(), f.points.end(), samePoint);
}

}  // namespace

void SketchView::setSketch(Sketch sketch)
{
    const auto &now = m_sketch.elements();
    const auto &next = sketch.elements();
    if (std::equal(now.begin(), now.end(), next.begin(), next.end(), sameElement))
        return;
    m_sketch = std::move(sketch);
    update();
}

QSize SketchView::sizeHint() const { return {190, 170}; }

void SketchView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const double margin = std::max(4.0, std::min(width(), height()) * 0.04);
    paintSketch(painter, QRectF(rect()).adjusted(margin, margin, -margin, -margin), m_sketch);
}

}  // namespace shell
