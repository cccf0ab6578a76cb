#include "shell/paint/sketchpainter.h"

#include "shell/paint/sketchcanvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace shell {

namespace {

using sketchcanvas::Box;
using sketchcanvas::Canvas;
using sketchcanvas::drawAll;
using sketchcanvas::Kind;
using sketchcanvas::Metrics;
using sketchcanvas::metricsFor;

bool finite(Point p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

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

SketchPlacement paintSketch(QPainter &painter, const QRectF &target, const Sketch &sketch)
{
    const std::vector<const SketchElement *> elements = drawable(sketch);
    // One pixel is kept free all round for the antialiased edges.
    const QRectF room = target.adjusted(1, 1, -1, -1);
    if (elements.empty() || room.width() < 4 || room.height() < 4)
        return {};
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
            // Scales are tried from the largest down to the first that fits, then refined between
            // it and the one above. A search from the smallest up would be misled by a sketch with
            // many labels: shrunk to a point, its labels pile up taller than the room.
            const double least = std::min(room.width(), room.height()) / size * 1e-6;
            double high = 2 * std::max(room.width(), room.height()) / size;
            double low = high;
            while (low >= least && !fits(low)) {
                high = low;
                low *= 0.7;
            }
            if (low < least)
                continue;
            for (int i = 0; i < 24; ++i) {
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
        const QPointF origin = room.center() - bounds.center();
        Canvas c(&painter, metrics, device, scale, origin, middle);
        drawAll(c, elements);
        painter.restore();
        return {true, scale, origin, c.textBoxes()};
    }
    return {};
}

}  // namespace shell
