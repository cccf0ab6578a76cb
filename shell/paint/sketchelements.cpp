#include "shell/paint/sketchcanvas.h"

#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace shell::sketchcanvas {

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

namespace {

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

QString text(const std::string &label)
{
    return QString::fromStdString(label);
}

// The spiral of a rotational spring around the point of the member it holds.
void drawSpiral(Canvas &c, QPointF centre)
{
    const double u = c.m().unit;
    const double pi = std::acos(-1.0);
    const double turns = 1.75;
    const int steps = 48;
    QPolygonF spiral;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double angle = (pi / 2) + (t * turns * 2 * pi);
        const double radius = u * (0.12 + (0.48 * t));
        spiral << centre + (QPointF(std::cos(angle), -std::sin(angle)) * radius);
    }
    c.polyline(spiral, QPen(Ink, c.m().thin));
}

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
    case SupportKind::Free:
        // A free end is the member's plain end: only its name, beyond it.
        c.textBeyond(p + (out * (u * 0.15)), out, text(e.label));
        break;
    case SupportKind::Spring: {
        if (e.h1 > 0)
            drawSpiral(c, p);
        // A short lead, two teeth of zigzag and a lead to the base, as tall as a roller.
        const double lead = u * 0.14;
        const double coil = u * 0.84;
        const double half = u * 0.34;
        QPolygonF spring({p, p + (base * lead)});
        const int corners = 4;
        for (int i = 0; i < corners; ++i)
            spring << p + (base * (lead + ((i + 0.5) * coil / corners))) + (across * (i % 2 == 0 ? half : -half));
        spring << p + (base * (lead + coil)) << p + (base * ((2 * lead) + coil));
        c.polyline(spring, pen);
        hatch(p + (base * ((2 * lead) + coil)), u * 0.7);
        if (upright)
            c.textBeyond(p + (base * (lead + (coil * 0.5))) + (out * half), out, text(e.label));
        else
            c.textBeyond(p + (base * (lead + (coil * 0.5))) + QPointF(0, -half), QPointF(0, -1), text(e.label));
        break;
    }
    }
    if (e.h2 > 0) {
        // A settlement: a short arrow down on the inner side of the support, the way it moves.
        const QPointF side = upright ? -out : -across;
        const QPointF top = p + (side * (u * 1.0)) + (base * (u * 0.25));
        const QPointF tip = top + (base * (u * 1.2));
        const double head = u * 0.45;
        c.line(top, tip - (base * (head * 0.9)), QPen(DimensionInk, c.m().thin));
        c.arrowHead(tip, base, head, DimensionInk);
        c.textBeyond(tip - (base * (u * 0.4)) + (side * (head * 0.4)), side, QStringLiteral("δs"));
    }
}

void drawHinge(Canvas &c, const SketchElement &e)
{
    const double radius = std::max(c.m().unit * 0.28, c.m().member * 1.1);
    c.circle(c.map(e.a), radius, QPen(Ink, c.m().line), Qt::white);
}

void drawPointLoad(Canvas &c, const SketchElement &e)
{
    const double u = c.m().unit;
    const QPointF tip = c.map(e.a);
    const QPointF from = towards(e.side);
    const double head = u * 0.6;
    const double length = e.h1 > 0 ? std::max(e.h1 * c.scale(), head * 1.6) : u * 2.6;
    const QPointF tail = tip + (from * length);
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
    const QString label = text(e.label);
    const QSizeF size = c.textSize(label);
    const double along = (std::fabs(d.x()) * size.width()) + (std::fabs(d.y()) * size.height());
    const QPointF middle = (a2 + b2) / 2;
    const bool labelInside = !label.isEmpty() && along + (2 * head) + (u * 0.8) <= length;
    if (length >= (2 * head) + (u * 0.2)) {
        // The line stops short of a figure standing on it, so that the figure reads clear.
        if (labelInside) {
            const QPointF clear = d * ((along / 2) + (u * 0.2));
            c.line(a2, middle - clear, pen);
            c.line(middle + clear, b2, pen);
        } else {
            c.line(a2, b2, pen);
        }
        c.arrowHead(a2, -d, head, DimensionInk);
        c.arrowHead(b2, d, head, DimensionInk);
    } else {  // too short for arrows inside: they point in from outside
        c.line(a2 - (d * (head * 1.8)), b2 + (d * (head * 1.8)), pen);
        c.arrowHead(a2, d, head, DimensionInk);
        c.arrowHead(b2, -d, head, DimensionInk);
    }
    if (labelInside)
        c.text(middle, label, away, true);
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

}  // namespace

void drawAll(Canvas &c, const std::vector<const SketchElement *> &elements)
{
    std::vector<const SketchElement *> section;
    for (const SketchElement *e : elements)
        if (e->kind == Kind::Outline || e->kind == Kind::Hole || e->kind == Kind::Circle || e->kind == Kind::CircleHole)
            section.push_back(e);
    drawSection(c, section);
    // Loads under the members, the members over them, the symbols and lines on top.
    const Kind layers[] = {Kind::Distributed, Kind::Deflected, Kind::Member,    Kind::Support, Kind::Hinge,
                           Kind::PointLoad,   Kind::Moment,    Kind::Dimension, Kind::Axis,    Kind::Label};
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
                QPen pen(Ink, e->h1 > 0 ? std::max(c.m().thin, c.m().member * e->h1) : c.m().member);
                pen.setCapStyle(Qt::RoundCap);
                c.line(c.map(e->a), c.map(e->b), pen);
                c.obstacle(c.map(e->a), c.map(e->b), pen.widthF());
                break;
            }
            case Kind::Support:
                drawSupport(c, *e);
                break;
            case Kind::Hinge:
                drawHinge(c, *e);
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

}  // namespace shell::sketchcanvas
