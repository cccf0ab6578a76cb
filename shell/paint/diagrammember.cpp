// The member drawn above its strips on the same x axis: the bar, its supports and its loads with
// their values.

#include "shell/paint/diagramparts.h"
#include "shell/paint/sketchcanvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace shell::diagramparts {

namespace {

// Where the member is drawn in its block: the bar's level, the sketch's size unit and the pixels
// to a unit of length, and the height of the largest distributed load in units of length.
struct MemberDrawing {
    double length = 1;
    double scale = 1;  // pixels per unit of length
    double u = 1;      // the sketch's size unit, in pixels
    double level = 0;  // y of the bar
    double largestLoad = 0;
    double loadHeight = 0;
    bool drawsLoad(const mechanics::DistributedLoad &w) const { return largestLoad > 0 && w.to > w.from; }
};

MemberDrawing memberDrawing(const MemberBlock &block, const mechanics::Beam &beam, double lineHeight)
{
    MemberDrawing d;
    d.length = beam.length;
    d.scale = (block.plotRight - block.plotLeft) / d.length;
    d.u = lineHeight * 0.55;
    d.level = block.drawing.top() + (d.u * 2.6) + (lineHeight * 0.2);
    for (const mechanics::DistributedLoad &w : beam.distributed)
        d.largestLoad = std::max({d.largestLoad, std::fabs(w.wFrom), std::fabs(w.wTo)});
    d.loadHeight = (d.u * 1.3) / d.scale;
    return d;
}

// The supports, the hinges, distributed loads to the scale of the largest, point loads and couples.
Sketch supportsAndLoads(const mechanics::Beam &beam, const MemberDrawing &d)
{
    Sketch sketch;
    for (const mechanics::Support &s : beam.supports) {
        if (s.kind == mechanics::SupportKind::Fixed) {
            const Side wall = s.x <= 0 ? Side::Left : s.x >= d.length ? Side::Right : Side::Below;
            sketch.fixed({s.x, 0}, wall);
        } else if (s.kind == mechanics::SupportKind::Spring) {
            sketch.spring({s.x, 0}, s.rotationalStiffness > 0);
        } else {
            sketch.support({s.x, 0}, s.kind == mechanics::SupportKind::Pinned ? SupportKind::Pin : SupportKind::Roller,
                           Side::Below);
        }
    }
    for (double x : beam.hinges)
        sketch.hinge({x, 0});
    for (const mechanics::DistributedLoad &w : beam.distributed) {
        if (!d.drawsLoad(w))
            continue;
        const bool up = w.wFrom + w.wTo < 0;
        sketch.distributed({w.from, 0}, {w.to, 0}, d.loadHeight * std::fabs(w.wFrom) / d.largestLoad,
                           d.loadHeight * std::fabs(w.wTo) / d.largestLoad, up ? Side::Below : Side::Above, {});
    }
    for (const mechanics::PointForce &f : beam.forces)
        if (f.force != 0)
            sketch.pointLoad({f.x, 0}, f.force > 0 ? Side::Above : Side::Below, {});
    for (const mechanics::PointCouple &c : beam.couples)
        if (c.couple != 0)
            sketch.moment({c.x, 0}, (d.u * (c.couple > 0 ? 0.9 : -0.9)) / d.scale, c.couple > 0, {});
    return sketch;
}

// The loads' values beside their arrows (which every value keeps clear of) and above their areas.
void placeLoadValues(Labels &labels, const MemberBlock &block, const mechanics::Beam &beam, const MemberDrawing &d,
                     Units units, double lineHeight)
{
    const double u = d.u;
    const double level = d.level;
    const double gap = lineHeight * 0.2;
    for (const mechanics::PointForce &f : beam.forces)
        if (f.force != 0)
            labels.avoid(QRectF(block.xAt(f.x, d.length) - (u * 0.35), f.force > 0 ? level - (u * 2.6) : level, u * 0.7,
                                u * 2.6));
    for (const mechanics::PointForce &f : beam.forces) {
        if (f.force == 0)
            continue;
        const QString text = valueWithUnit(std::fabs(f.force), unitCaption(units, Dimension::Force));
        const double x = block.xAt(f.x, d.length);
        const double top = f.force > 0 ? level - (u * 2.6) - gap : level + gap;
        labels.place(text, {{x + gap, top}, {x - gap - labels.size(text).width(), top}}, sketchcanvas::LoadInk);
    }
    for (const mechanics::DistributedLoad &w : beam.distributed) {
        if (!d.drawsLoad(w))
            continue;
        const double peak = std::max(std::fabs(w.wFrom), std::fabs(w.wTo));
        const QString text = valueWithUnit(peak, unitCaption(units, Dimension::LineLoad));
        const double x = block.xAt((w.from + w.to) / 2, d.length) - (labels.size(text).width() / 2);
        const double top = level - (d.loadHeight * d.scale * peak / d.largestLoad) - lineHeight - (gap * 0.5);
        labels.place(text, {{x, top}, {x, block.drawing.top()}}, sketchcanvas::LoadInk);
    }
    for (const mechanics::PointCouple &c : beam.couples) {
        if (c.couple == 0)
            continue;
        const QString text = valueWithUnit(std::fabs(c.couple), unitCaption(units, Dimension::Moment));
        const double x = block.xAt(c.x, d.length);
        labels.place(text,
                     {{x + u, level - u - lineHeight}, {x - u - labels.size(text).width(), level - u - lineHeight}},
                     sketchcanvas::LoadInk);
    }
}

// The member as drawn: its own loads and, under a moving load, the load where it stands for the
// moment of the largest magnitude (the position the words over the member give).
mechanics::Beam drawnBeam(const MemberDiagram &member)
{
    mechanics::Beam beam = member.beam;
    if (!member.train)
        return beam;
    const TrainDiagram &t = *member.train;
    const mechanics::TrainPlacement &at = t.governing(Quantity::Moment).placement;
    for (const mechanics::Axle &axle : t.train.axles) {
        const double x = at.leftward ? at.lead + axle.offset : at.lead - axle.offset;
        if (x >= 0 && x <= beam.length)
            beam.forces.push_back({x, axle.load});
    }
    for (const auto &[from, to] : at.covered)
        beam.distributed.push_back({from, to, t.train.uniform, t.train.uniform});
    return beam;
}

}  // namespace

// The member with its supports and loads, on the strips' x axis.
void paintMember(QPainter &painter, const MemberBlock &block, const MemberDiagram &member, Units units,
                 const QFontMetricsF &metrics, Labels &labels)
{
    const double lineHeight = metrics.height();
    const mechanics::Beam beam = drawnBeam(member);
    const MemberDrawing d = memberDrawing(block, beam, lineHeight);
    // The member itself is a bar drawn directly (a wide antialiased pen this long is slow); the
    // sketch vocabulary draws its supports and loads.
    const double thickness = std::max(1.2, d.u * 0.2);
    painter.fillRect(QRectF(block.plotLeft, d.level - (thickness / 2), block.plotRight - block.plotLeft, thickness),
                     Ink);
    labels.avoid(QRectF(block.plotLeft, d.level - thickness, block.plotRight - block.plotLeft, 2 * thickness));
    const Sketch sketch = supportsAndLoads(beam, d);
    placeLoadValues(labels, block, beam, d, units, lineHeight);
    drawSketch(painter, sketch, d.u, d.scale, QPointF(block.plotLeft, d.level), QPointF(d.length / 2, 0));
}

}  // namespace shell::diagramparts
