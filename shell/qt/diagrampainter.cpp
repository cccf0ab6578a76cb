#include "shell/qt/diagrampainter.h"

#include "shell/qt/chartpainter.h"
#include "shell/qt/diagramparts.h"
#include "shell/qt/sketchcanvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace shell {

using namespace diagramparts;

namespace {

// M is drawn on the tension side and δ the way the member moves: positive below the zero line.
bool downward(Quantity quantity)
{
    return quantity == Quantity::Moment || quantity == Quantity::Deflection;
}

std::vector<Quantity> shownQuantities(const MemberDiagram &member, const DiagramOptions &options)
{
    std::vector<Quantity> shown;
    for (const Curve &c : member.curves)
        if (c.quantity != Quantity::Slope || options.showSlope)
            shown.push_back(c.quantity);
    return shown;
}

// The left margin of the strips: the symbol and unit column, then the value ticks.
double leftMargin(const CaseDiagrams &diagrams, const QFontMetricsF &metrics)
{
    double caption = metrics.horizontalAdvance(QStringLiteral("M"));
    for (const MemberDiagram &member : diagrams.members)
        for (const Curve &c : member.curves)
            caption = std::max(caption, metrics.horizontalAdvance(qs(c.unit)));
    const double ticks = metrics.horizontalAdvance(QStringLiteral("-0.0000"));
    return caption + ticks + (metrics.height() * 0.9);
}

// The value axis of a strip: round ticks taking in zero, as many as its height holds.
ChartAxis stripAxis(const Curve &curve, double height, double lineHeight)
{
    const int intervals = std::max(1, static_cast<int>(height / (lineHeight * 1.05)));
    const double low = curve.extremes.smallest.at.empty() ? 0 : curve.extremes.smallest.value;
    const double high = curve.extremes.largest.at.empty() ? 0 : curve.extremes.largest.value;
    // A diagram that is zero within rounding everywhere is drawn on a plain axis.
    const double spread = std::max(std::fabs(low), std::fabs(high));
    if (!(spread > 0) || !std::isfinite(spread))
        return chartAxis(0, 1, intervals);
    return chartAxis(low, high, intervals);
}

struct StripScale {
    QRectF rect;
    ChartAxis axis;
    bool down = false;
    double y(double value) const
    {
        const double t = (value - axis.low) / (axis.high - axis.low);
        return down ? rect.top() + (t * rect.height()) : rect.bottom() - (t * rect.height());
    }
};

QString positionsText(const mechanics::Extreme &extreme, const std::string &lengthUnit)
{
    QString text = QStringLiteral("x = ");
    const std::size_t shown = std::min<std::size_t>(extreme.at.size(), 2);
    for (std::size_t i = 0; i < shown; ++i)
        text += (i ? QStringLiteral(", ") : QString()) + qs(diagramNumber(extreme.at[i].x));
    if (extreme.at.size() > shown)
        text += QStringLiteral(", …");
    return text + QLatin1Char(' ') + qs(lengthUnit);
}

void paintStrip(QPainter &painter, const MemberBlock &block, const QRectF &strip, const Curve &curve,
                const MemberDiagram &member, const std::string &lengthUnit, const QFontMetricsF &metrics,
                Labels &labels, std::vector<QRectF> &tickBoxes)
{
    const double lineHeight = metrics.height();
    const double length = member.length();
    StripScale scale{strip, stripAxis(curve, strip.height(), lineHeight), downward(curve.quantity)};

    // The symbol and its unit, then the value ticks.
    painter.setPen(Ink);
    const QRectF captionBox(strip.left(), strip.center().y() - lineHeight, metrics.horizontalAdvance(qs(curve.unit)),
                            2 * lineHeight);
    const double captionWidth = std::max(captionBox.width(), metrics.horizontalAdvance(QStringLiteral("M")));
    painter.drawText(QRectF(strip.left(), strip.center().y() - lineHeight, captionWidth, lineHeight),
                     Qt::AlignHCenter | Qt::AlignVCenter, qs(quantitySymbol(curve.quantity)));
    painter.setPen(AxisInk);
    painter.drawText(QRectF(strip.left(), strip.center().y(), captionWidth, lineHeight),
                     Qt::AlignHCenter | Qt::AlignVCenter, qs(curve.unit));
    // The zero tick first, so that it keeps its label where labels of neighbouring ticks or
    // strips would meet.
    const double tickLength = lineHeight * 0.25;
    std::vector<double> ticks;
    for (int i = 0; i <= scale.axis.intervals; ++i) {
        const double value = scale.axis.low + (i * scale.axis.step);
        ticks.push_back(std::fabs(value) < scale.axis.step * 1e-9 ? 0 : value);
    }
    std::stable_partition(ticks.begin(), ticks.end(), [](double v) { return v == 0; });
    for (const double value : ticks) {
        const double y = scale.y(value);
        painter.setPen(QPen(GridInk, 1));
        painter.drawLine(QPointF(block.plotLeft, y), QPointF(block.plotRight, y));
        painter.setPen(QPen(AxisInk, 1));
        painter.drawLine(QPointF(block.plotLeft - tickLength, y), QPointF(block.plotLeft, y));
        const QString text = qs(diagramNumber(value));
        const double width = metrics.horizontalAdvance(text);
        const double right = block.plotLeft - tickLength - (lineHeight * 0.15);
        // Kept to its own strip, so that it never runs into the neighbouring strip's labels.
        const double top = std::clamp(y - (lineHeight * 0.5), strip.top() - (lineHeight * 0.2),
                                      strip.bottom() + (lineHeight * 0.2) - lineHeight);
        const QRectF box(right - width, top, width, lineHeight);
        const QRectF spaced = box.adjusted(0, lineHeight * 0.08, 0, -lineHeight * 0.08);
        if (std::any_of(tickBoxes.begin(), tickBoxes.end(), [&](const QRectF &b) { return b.intersects(spaced); }))
            continue;
        tickBoxes.push_back(spaced);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, text);
    }

    // The curve at about one point per two pixels, both sides of every jump, and its area.
    const int intervals = std::max(8, static_cast<int>((block.plotRight - block.plotLeft) / 2));
    const std::vector<mechanics::Sample> samples = mechanics::samplePositions({&curve.values}, intervals);
    QPolygonF line;
    line.reserve(static_cast<int>(samples.size()));
    for (const mechanics::Sample &s : samples)
        line << QPointF(block.xAt(s.x, length), scale.y(mechanics::valueAt(curve.values, s)));
    const double zero = scale.y(0);
    painter.save();
    painter.setClipRect(strip.adjusted(0, -1, 0, 1));
    for (const bool positive : {true, false}) {
        QPainterPath area;
        area.moveTo(block.plotLeft, zero);
        for (const QPointF &p : line) {
            const bool below = scale.down ? p.y() > zero : p.y() < zero;
            area.lineTo(p.x(), below == positive ? p.y() : zero);
        }
        area.lineTo(block.plotRight, zero);
        area.closeSubpath();
        painter.fillPath(area, areaFill(curve.quantity, positive));
    }
    painter.setPen(QPen(AxisInk, 1));
    painter.drawLine(QPointF(block.plotLeft, zero), QPointF(block.plotRight, zero));
    painter.setPen(QPen(curveInk(curve.quantity), std::max(1.5, lineHeight * 0.12)));
    painter.drawPolyline(line);
    painter.restore();

    // The extremes, each with value, unit and position; a zero extreme needs no label.
    const double gap = lineHeight * 0.3;
    for (const mechanics::Extreme *extreme : {&curve.extremes.largest, &curve.extremes.smallest}) {
        if (extreme->at.empty() || extreme->value == 0 || !std::isfinite(extreme->value))
            continue;
        if (extreme == &curve.extremes.smallest && curve.extremes.smallest.value == curve.extremes.largest.value)
            continue;
        const mechanics::Attained &at = extreme->at.front();
        const QPointF p(block.xAt(at.x, length), scale.y(extreme->value));
        painter.setPen(Qt::NoPen);
        painter.setBrush(curveInk(curve.quantity));
        painter.drawEllipse(p, lineHeight * 0.16, lineHeight * 0.16);
        const QString text = qs(quantitySymbol(curve.quantity)) + QStringLiteral(" = ") +
                             valueWithUnit(extreme->value, curve.unit) + QStringLiteral(" at ") +
                             positionsText(*extreme, lengthUnit);
        const QSizeF size = labels.size(text);
        // Beyond the curve on the side of its sign, right of the point first; then towards zero.
        const double away = (p.y() < zero) ? -1 : 1;
        const double beyond = away < 0 ? p.y() - size.height() - (gap * 0.3) : p.y() + (gap * 0.3);
        const double toward = away < 0 ? p.y() + (gap * 0.3) : p.y() - size.height() - (gap * 0.3);
        const double middle = p.y() - (size.height() / 2);
        labels.place(text,
                     {{p.x() + gap, beyond},
                      {p.x() - gap - size.width(), beyond},
                      {p.x() + gap, middle},
                      {p.x() - gap - size.width(), middle},
                      {p.x() + gap, toward},
                      {p.x() - gap - size.width(), toward}},
                     curveInk(curve.quantity).darker(150),
                     QRectF(QPointF(block.plotLeft, strip.top()), QPointF(block.right, strip.bottom())));
    }
}

// The member with its supports and loads, on the strips' x axis.
void paintMember(QPainter &painter, const MemberBlock &block, const MemberDiagram &member, Units units,
                 const QFontMetricsF &metrics, Labels &labels)
{
    const double lineHeight = metrics.height();
    const double length = member.length();
    const double scale = (block.plotRight - block.plotLeft) / length;
    const double u = lineHeight * 0.55;
    const double level = block.drawing.top() + (u * 2.6) + (lineHeight * 0.2);

    Sketch sketch;
    sketch.member({0, 0}, {length, 0});
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

    // The loads' values beside their arrows and above their areas.
    const double gap = lineHeight * 0.2;
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

}  // namespace

std::vector<MemberBlock> layoutMembers(const QRectF &area, const CaseDiagrams &diagrams, const DiagramOptions &options,
                                       const QFontMetricsF &metrics)
{
    std::vector<MemberBlock> blocks;
    const int count = static_cast<int>(diagrams.members.size());
    if (diagrams.kind != CaseDiagrams::Kind::Members || count == 0)
        return blocks;
    const double lineHeight = metrics.height();
    const double pad = std::max(2.0, lineHeight * 0.35);
    // Two members stand side by side in a wide area, one under the other in a tall one.
    const bool sideBySide = count > 1 && area.width() > area.height() * 1.4;
    for (int i = 0; i < count; ++i) {
        QRectF room = area;
        if (count > 1) {
            if (sideBySide)
                room =
                    QRectF(area.left() + (area.width() * i / count), area.top(), area.width() / count, area.height());
            else
                room =
                    QRectF(area.left(), area.top() + (area.height() * i / count), area.width(), area.height() / count);
        }
        room = room.adjusted(pad, pad, -pad, -pad);
        MemberBlock b;
        b.member = i;
        const MemberDiagram &member = diagrams.members[static_cast<std::size_t>(i)];
        double top = room.top();
        if (!member.name.empty()) {
            b.title = QRectF(room.left(), top, room.width(), lineHeight);
            top += lineHeight;
        }
        b.plotLeft = room.left() + leftMargin(diagrams, metrics);
        b.plotRight = std::max(b.plotLeft + 1, room.right() - (lineHeight * 0.8));
        b.right = room.right();
        const double drawingHeight = (lineHeight * 0.55 * 3.9) + (lineHeight * 0.2);
        b.drawing = QRectF(room.left(), top, room.width(), drawingHeight);
        top += drawingHeight;
        const double axisHeight = lineHeight * 1.2;
        b.axisBottom = room.bottom();
        const std::vector<Quantity> shown = shownQuantities(member, options);
        const double stripGap = lineHeight * 0.45;
        const double total = room.bottom() - axisHeight - top;
        const double each =
            (total - (stripGap * static_cast<double>(shown.size()))) / static_cast<double>(shown.size());
        for (std::size_t k = 0; k < shown.size(); ++k) {
            const double stripTop = top + stripGap + (static_cast<double>(k) * (each + stripGap));
            b.strips.emplace_back(shown[k], QRectF(room.left(), stripTop, room.width(), std::max(each, 1.0)));
        }
        blocks.push_back(b);
    }
    return blocks;
}

namespace {

void paintMembers(QPainter &painter, const QRectF &area, const CaseDiagrams &diagrams, const DiagramOptions &options)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double lineHeight = metrics.height();
    const std::vector<MemberBlock> blocks = layoutMembers(area, diagrams, options, metrics);
    for (const MemberBlock &b : blocks) {
        const MemberDiagram &member = diagrams.members[static_cast<std::size_t>(b.member)];
        if (b.strips.empty() || b.strips.front().second.height() < lineHeight * 0.8) {
            paintMessage(painter, area, QStringLiteral("The diagrams need a larger window"));
            return;
        }
        if (!b.title.isEmpty()) {
            painter.setPen(Ink);
            QFont bold = painter.font();
            bold.setBold(true);
            painter.save();
            painter.setFont(bold);
            painter.drawText(b.title, Qt::AlignLeft | Qt::AlignVCenter, qs(member.name));
            painter.restore();
        }
        const double length = member.length();

        // Vertical grid at round x, through the member's strips, labelled under the last one.
        const double stripsTop = b.strips.front().second.top();
        const double stripsBottom = b.strips.back().second.bottom();
        const int most = std::max(1, static_cast<int>((b.plotRight - b.plotLeft) / (lineHeight * 4)));
        const double step = roundStep(length / most);
        painter.setPen(QPen(GridInk, 1));
        for (int i = 0; i * step <= length * (1 + 1e-9); ++i)
            painter.drawLine(QPointF(b.xAt(i * step, length), stripsTop),
                             QPointF(b.xAt(i * step, length), stripsBottom));

        Labels labels(metrics, QRectF(QPointF(b.plotLeft, stripsTop), QPointF(b.right, stripsBottom)));
        std::vector<QRectF> tickBoxes;
        for (const auto &[quantity, strip] : b.strips)
            paintStrip(painter, b, strip, *member.curve(quantity), member, diagrams.lengthUnit, metrics, labels,
                       tickBoxes);

        painter.setPen(QPen(AxisInk, 1));
        painter.drawLine(QPointF(b.plotLeft, stripsBottom), QPointF(b.plotRight, stripsBottom));
        double lastRight = -1e300;
        for (int i = 0; i * step <= length * (1 + 1e-9); ++i) {
            const double x = b.xAt(i * step, length);
            painter.drawLine(QPointF(x, stripsBottom), QPointF(x, stripsBottom + (lineHeight * 0.25)));
            const QString text = qs(diagramNumber(i * step));
            const double width = metrics.horizontalAdvance(text);
            if (x - (width / 2) > lastRight + (lineHeight * 0.3)) {
                painter.drawText(QRectF(x - (width / 2) - 2, stripsBottom + (lineHeight * 0.2), width + 4, lineHeight),
                                 Qt::AlignCenter, text);
                lastRight = x + (width / 2);
            }
        }
        const QString axisName = QStringLiteral("x  ") + qs(diagrams.lengthUnit);
        painter.drawText(QRectF(b.drawing.left(), stripsBottom + (lineHeight * 0.2),
                                b.plotLeft - b.drawing.left() - (lineHeight * 0.5), lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, axisName);

        // The typed positions: a line through the member and every strip, named at the top;
        // then the member and the values of its loads, clear of the names.
        Labels top(metrics, QRectF(QPointF(b.drawing.left(), b.drawing.top()), QPointF(b.right, b.drawing.bottom())));
        for (const Mark &mark : member.marks) {
            // On a whole pixel, so that the thin line stays crisp.
            const double x = std::round(b.xAt(mark.x, length) - 0.5) + 0.5;
            QPen pen(MarkInk, 1, Qt::DashLine);
            painter.setPen(pen);
            painter.drawLine(QPointF(x, b.drawing.top() + lineHeight), QPointF(x, stripsBottom));
            top.place(qs(mark.label),
                      {{x + 2, b.drawing.top()}, {x - 2 - top.size(qs(mark.label)).width(), b.drawing.top()}}, MarkInk);
        }
        paintMember(painter, b, member, diagrams.units, metrics, top);
        labels.draw(painter);
        top.draw(painter);
    }
}

}  // namespace

void paintDiagrams(QPainter &painter, const QRectF &area, const CaseDiagrams &diagrams, const DiagramOptions &options)
{
    painter.save();
    painter.fillRect(area, Paper);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    switch (diagrams.kind) {
    case CaseDiagrams::Kind::Members:
        paintMembers(painter, area, diagrams, options);
        break;
    case CaseDiagrams::Kind::Frame:
        paintFrame(painter, area, *diagrams.frame, diagrams.lengthUnit);
        break;
    case CaseDiagrams::Kind::Column:
        paintColumnCurve(painter, area, *diagrams.column);
        break;
    case CaseDiagrams::Kind::Section:
        paintSection(painter, area, *diagrams.section);
        break;
    case CaseDiagrams::Kind::Error:
        paintMessage(painter, area, qs(diagrams.error));
        break;
    case CaseDiagrams::Kind::None:
        paintMessage(painter, area, QStringLiteral("This case has no member diagram"));
        break;
    }
    painter.restore();
}

QString diagramValuesAt(const QRectF &area, const CaseDiagrams &diagrams, const DiagramOptions &options,
                        const QPointF &pos, const QFontMetricsF &metrics)
{
    for (const MemberBlock &b : layoutMembers(area, diagrams, options, metrics)) {
        const QRectF reach(QPointF(b.plotLeft, b.drawing.top()), QPointF(b.plotRight, b.axisBottom));
        if (!reach.contains(pos) || b.plotRight <= b.plotLeft)
            continue;
        const MemberDiagram &member = diagrams.members[static_cast<std::size_t>(b.member)];
        const double x = std::clamp((pos.x() - b.plotLeft) / (b.plotRight - b.plotLeft), 0.0, 1.0) * member.length();
        const QString name = member.name.empty() ? QString() : qs(member.name) + QStringLiteral(":   ");
        return name + qs(valuesAtText(member, x, options.showSlope, diagrams.lengthUnit));
    }
    return {};
}

}  // namespace shell
