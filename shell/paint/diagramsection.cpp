// A cross-section drawn from its case sketch, with its centroid and the distances e1 and e2 from
// the bending axis to the extreme fibres.

#include "shell/paint/diagramparts.h"

#include "shell/core/language.h"
#include "shell/paint/sketchpainter.h"

#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace shell::diagramparts {

namespace {

struct SectionGeometry {
    double area = 0;
    double cx = 0;
    double cy = 0;
    double left = 0, right = 0, top = 0, bottom = 0;
    bool valid = false;
};

// Centroid and extent of the filled parts of a section sketch: outlines and circles, less holes.
SectionGeometry geometryOf(const Sketch &sketch)
{
    SectionGeometry g;
    double mx = 0, my = 0;
    bool first = true;
    const auto extend = [&](double x0, double y0, double x1, double y1) {
        g.left = first ? x0 : std::min(g.left, x0);
        g.right = first ? x1 : std::max(g.right, x1);
        g.top = first ? y0 : std::min(g.top, y0);
        g.bottom = first ? y1 : std::max(g.bottom, y1);
        first = false;
    };
    const double pi = std::acos(-1.0);
    for (const SketchElement &e : sketch.elements()) {
        const bool cut = e.kind == SketchElement::Kind::Hole || e.kind == SketchElement::Kind::CircleHole;
        const double sign = cut ? -1 : 1;
        if (e.kind == SketchElement::Kind::Outline || e.kind == SketchElement::Kind::Hole) {
            double a = 0, sx = 0, sy = 0;
            for (std::size_t i = 0; i < e.points.size(); ++i) {
                const Point &p = e.points[i];
                const Point &q = e.points[(i + 1) % e.points.size()];
                const double cross = (p.x * q.y) - (q.x * p.y);
                a += cross;
                sx += (p.x + q.x) * cross;
                sy += (p.y + q.y) * cross;
                if (!cut)
                    extend(p.x, p.y, p.x, p.y);
            }
            if (a != 0) {
                g.area += sign * std::fabs(a / 2);
                mx += sign * std::fabs(a / 2) * (sx / (3 * a));
                my += sign * std::fabs(a / 2) * (sy / (3 * a));
            }
        } else if (e.kind == SketchElement::Kind::Circle || e.kind == SketchElement::Kind::CircleHole) {
            const double a = pi * e.h1 * e.h1;
            g.area += sign * a;
            mx += sign * a * e.a.x;
            my += sign * a * e.a.y;
            if (!cut)
                extend(e.a.x - e.h1, e.a.y - e.h1, e.a.x + e.h1, e.a.y + e.h1);
        }
    }
    g.valid = g.area > 0 && !first;
    if (g.valid) {
        g.cx = mx / g.area;
        g.cy = my / g.area;
    }
    return g;
}

// Whether the element is one of the sketch's own e1 and e2 lines, drawn anew with their values.
bool isFibreDistance(const SketchElement &e)
{
    return e.kind == SketchElement::Kind::Dimension && (e.label == "e1" || e.label == "e2");
}

// How far right and how high the sketch's other dimension lines and axis names reach.
struct SketchReach {
    double right = 0;
    double top = 0;
};

SketchReach reachOf(const Sketch &sketch, const SectionGeometry &g)
{
    SketchReach reach{g.right, g.top};
    for (const SketchElement &e : sketch.elements()) {
        if (isFibreDistance(e))
            continue;
        if (e.kind == SketchElement::Kind::Dimension) {
            reach.right = std::max({reach.right, e.a.x + std::fabs(e.h1), e.b.x + std::fabs(e.h1)});
            reach.top = std::min({reach.top, e.a.y - std::fabs(e.h1), e.b.y - std::fabs(e.h1)});
        } else if (e.kind == SketchElement::Kind::Axis) {
            // An upright axis is named at its top end: room for the name above it.
            reach.top = std::min({reach.top, e.a.y - 8, e.b.y - 8});
        }
    }
    return reach;
}

// The section's sketch without its own e1 and e2 lines.
Sketch withoutFibreDistances(const Sketch &section)
{
    Sketch sketch;
    for (const SketchElement &e : section.elements()) {
        if (isFibreDistance(e))
            continue;
        switch (e.kind) {
        case SketchElement::Kind::Outline:
            sketch.outline(e.points);
            break;
        case SketchElement::Kind::Hole:
            sketch.hole(e.points);
            break;
        case SketchElement::Kind::Circle:
            sketch.circle(e.a, e.h1);
            break;
        case SketchElement::Kind::CircleHole:
            sketch.circleHole(e.a, e.h1);
            break;
        case SketchElement::Kind::Dimension:
            sketch.dimension(e.a, e.b, e.h1, e.label);
            break;
        case SketchElement::Kind::Axis:
            sketch.axis(e.a, e.b, e.label);
            break;
        case SketchElement::Kind::Label:
            sketch.label(e.a, e.label);
            break;
        default:
            break;
        }
    }
    return sketch;
}

// e1 and e2 with their values as dimension lines from the extreme fibres to the centroid,
// beyond every other line of the sketch.
void addFibreDistances(Sketch &sketch, const SectionDiagram &section, const SectionGeometry &g,
                       const SketchReach &reach)
{
    const std::string unit = section.lengthUnit;
    const auto text = [&](const char *name, double value) {
        return std::string(name) + " = " + diagramNumber(value) + (unit.empty() ? "" : " " + unit);
    };
    const double size = std::max(g.right - g.left, g.bottom - g.top);
    const double gap = 0.14 * size;
    const bool upright = section.figure.e1Side == Side::Left || section.figure.e1Side == Side::Right;
    if (!upright) {
        // Vertical lines right of everything: top fibre to centroid, centroid to bottom fibre.
        const double offset = (reach.right - g.right) + gap;
        const bool e1Below = section.figure.e1Side == Side::Below;
        sketch.dimension({g.right, g.top}, {g.right, g.cy}, offset,
                         text(e1Below ? "e2" : "e1", e1Below ? section.e2 : section.e1));
        sketch.dimension({g.right, g.cy}, {g.right, g.bottom}, offset,
                         text(e1Below ? "e1" : "e2", e1Below ? section.e1 : section.e2));
    } else {
        // Horizontal lines above everything: left fibre to centroid, centroid to right fibre.
        const double offset = (g.top - reach.top) + gap;
        const bool e1Right = section.figure.e1Side == Side::Right;
        // Two rows, the second above the first, so that their names stand clear of each other.
        sketch.dimension({g.left, g.top}, {g.cx, g.top}, offset + (2 * gap),
                         text(e1Right ? "e2" : "e1", e1Right ? section.e2 : section.e1));
        sketch.dimension({g.cx, g.top}, {g.right, g.top}, offset,
                         text(e1Right ? "e1" : "e2", e1Right ? section.e1 : section.e2));
    }
}

// The centroid: a circle with two filled quarters, named G.
void drawCentroid(QPainter &painter, const QPointF &centre, double lh)
{
    const double r = lh * 0.32;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Ink, 1));
    painter.setBrush(Paper);
    painter.drawEllipse(centre, r, r);
    QPainterPath quarters;
    quarters.moveTo(centre);
    quarters.arcTo(QRectF(centre - QPointF(r, r), QSizeF(2 * r, 2 * r)), 0, 90);
    quarters.closeSubpath();
    quarters.moveTo(centre);
    quarters.arcTo(QRectF(centre - QPointF(r, r), QSizeF(2 * r, 2 * r)), 180, 90);
    quarters.closeSubpath();
    painter.fillPath(quarters, Ink);
    painter.setPen(Ink);
    painter.drawText(QRectF(centre + QPointF(r * 1.2, -lh - (r * 0.2)), QSizeF(lh * 1.5, lh)),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("G"));
    painter.restore();
}

}  // namespace

void paintSection(QPainter &painter, const QRectF &area, const SectionDiagram &section)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double lh = metrics.height();
    const SectionGeometry g = geometryOf(section.sketch);
    if (!g.valid) {
        paintMessage(painter, area, QString::fromStdString(shell::translated("Text", "No section to draw")));
        return;
    }
    Sketch sketch = withoutFibreDistances(section.sketch);
    addFibreDistances(sketch, section, g, reachOf(section.sketch, g));
    const double pad = figurePad(lh);
    const SketchPlacement placed = paintSketch(painter, area.adjusted(pad, pad, -pad, -pad), sketch);
    if (!placed.drawn)
        return;
    drawCentroid(painter, placed.map({g.cx, g.cy}), lh);
}

}  // namespace shell::diagramparts
