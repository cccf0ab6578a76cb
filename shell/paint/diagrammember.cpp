// The member drawn above its strips on the same x axis: the bar, its supports and its loads with
// their values.

#include "shell/paint/diagramparts.h"
#include "shell/paint/sketchcanvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace shell::diagramparts {

// The member with its supports and loads, on the strips' x axis.
void paintMember(QPainter &painter, const MemberBlock &block, const MemberDiagram &member, Units units,
                 const QFontMetricsF &metrics, Labels &labels)
{
    const double lineHeight = metrics.height();
    const double length = member.length();
    const double scale = (block.plotRight - block.plotLeft) / length;
    const double u = lineHeight * 0.55;
    const double level = block.drawing.top() + (u * 2.6) + (lineHeight * 0.2);

    // The member itself is a bar drawn directly (a wide antialiased pen this long is slow); the
    // sketch vocabulary draws its supports and loads.
    const double thickness = std::max(1.2, u * 0.2);
    painter.fillRect(QRectF(block.plotLeft, level - (thickness / 2), block.plotRight - block.plotLeft, thickness), Ink);
    labels.avoid(QRectF(block.plotLeft, level - thickness, block.plotRight - block.plotLeft, 2 * thickness));
    Sketch sketch;
    for (const mechanics::Support &s : member.beam.supports) {
        if (s.kind == mechanics::SupportKind::Fixed) {
            const Side wall = s.x <= 0 ? Side::Left : s.x >= length ? Side::Right : Side::Below;
            sketch.fixed({s.x, 0}, wall);
        } else {
            sketch.support({s.x, 0}, s.kind == mechanics::SupportKind::Pinned ? SupportKind::Pin : SupportKind::Roller,
                           Side::Below);
        }
    }
    double largestLoad = 0;
    for (const mechanics::DistributedLoad &w : member.beam.distributed)
        largestLoad = std::max({largestLoad, std::fabs(w.wFrom), std::fabs(w.wTo)});
    const double loadHeight = (u * 1.3) / scale;
    for (const mechanics::DistributedLoad &w : member.beam.distributed) {
        if (largestLoad <= 0 || !(w.to > w.from))
            continue;
        const bool up = w.wFrom + w.wTo < 0;
        sketch.distributed({w.from, 0}, {w.to, 0}, loadHeight * std::fabs(w.wFrom) / largestLoad,
                           loadHeight * std::fabs(w.wTo) / largestLoad, up ? Side::Below : Side::Above, {});
    }
    for (const mechanics::PointForce &f : member.beam.forces)
        if (f.force != 0)
            sketch.pointLoad({f.x, 0}, f.force > 0 ? Side::Above : Side::Below, {});
    for (const mechanics::PointCouple &c : member.beam.couples)
        if (c.couple != 0)
            sketch.moment({c.x, 0}, (u * (c.couple > 0 ? 0.9 : -0.9)) / scale, c.couple > 0, {});

    // The loads' values beside their arrows (which they keep clear of) and above their areas.
    const double gap = lineHeight * 0.2;
    for (const mechanics::PointForce &f : member.beam.forces)
        if (f.force != 0)
            labels.avoid(
                QRectF(block.xAt(f.x, length) - (u * 0.35), f.force > 0 ? level - (u * 2.6) : level, u * 0.7, u * 2.6));
    for (const mechanics::PointForce &f : member.beam.forces) {
        if (f.force == 0)
            continue;
        const QString text = valueWithUnit(std::fabs(f.force), unitCaption(units, Dimension::Force));
        const double x = block.xAt(f.x, length);
        const double top = f.force > 0 ? level - (u * 2.6) - gap : level + gap;
        labels.place(text, {{x + gap, top}, {x - gap - labels.size(text).width(), top}}, sketchcanvas::LoadInk);
    }
    for (const mechanics::DistributedLoad &w : member.beam.distributed) {
        if (largestLoad <= 0 || !(w.to > w.from))
            continue;
        const double peak = std::max(std::fabs(w.wFrom), std::fabs(w.wTo));
        const QString text = valueWithUnit(peak, unitCaption(units, Dimension::LineLoad));
        const double x = block.xAt((w.from + w.to) / 2, length) - (labels.size(text).width() / 2);
        const double top = level - (loadHeight * scale * peak / largestLoad) - lineHeight - (gap * 0.5);
        labels.place(text, {{x, top}, {x, block.drawing.top()}}, sketchcanvas::LoadInk);
    }
    for (const mechanics::PointCouple &c : member.beam.couples) {
        if (c.couple == 0)
            continue;
        const QString text = valueWithUnit(std::fabs(c.couple), unitCaption(units, Dimension::Moment));
        const double x = block.xAt(c.x, length);
        labels.place(text,
                     {{x + u, level - u - lineHeight}, {x - u - labels.size(text).width(), level - u - lineHeight}},
                     sketchcanvas::LoadInk);
    }

    std::vector<const SketchElement *> elements;
    for (const SketchElement &e : sketch.elements())
        elements.push_back(&e);
    const sketchcanvas::Metrics m = sketchcanvas::metricsFor(painter.font(), u);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    sketchcanvas::Canvas canvas(&painter, m, painter.device(), scale, QPointF(block.plotLeft, level),
                                QPointF(length / 2, 0));
    sketchcanvas::drawAll(canvas, elements);
    painter.restore();
}

}  // namespace shell::diagramparts
