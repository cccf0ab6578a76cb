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

// The value scale of a strip: the values fill it (with zero always in it), the ticks stand at
// the round multiples of 1, 2 or 5 × 10^n that fall inside, as many as its height holds.
struct StripScale {
    QRectF rect;
    double low = 0;
    double high = 1;
    double step = 1;
    bool down = false;
    double y(double value) const
    {
        const double t = (value - low) / (high - low);
        return down ? rect.top() + (t * rect.height()) : rect.bottom() - (t * rect.height());
    }
    std::vector<double> ticks() const
    {
        std::vector<double> values;
        const double first = std::ceil((low / step) - 1e-9);
        for (double k = first; (k * step) <= high * (1 + 1e-12) + (step * 1e-9) && values.size() < 64; ++k)
            values.push_back(std::fabs(k) < 0.5 ? 0 : k * step);
        return values;
    }
};

StripScale stripScale(const Curve &curve, const QRectF &rect, double lineHeight)
{
    StripScale s;
    s.rect = rect;
    s.down = downward(curve.quantity);
    const double smallest = curve.extremes.smallest.at.empty() ? 0 : curve.extremes.smallest.value;
    const double largest = curve.extremes.largest.at.empty() ? 0 : curve.extremes.largest.value;
    s.low = std::min(0.0, std::isfinite(smallest) ? smallest : 0.0);
    s.high = std::max(0.0, std::isfinite(largest) ? largest : 0.0);
    // A diagram that is zero everywhere is drawn on a plain axis.
    if (!(s.high - s.low > 0)) {
        s.low = 0;
        s.high = 1;
    }
    const double margin = (s.high - s.low) * 0.04;
    s.low -= s.low < 0 ? margin : 0;
    s.high += s.high > 0 ? margin : 0;
    const int intervals = std::max(1, static_cast<int>(rect.height() / (lineHeight * 1.05)));
    s.step = roundStep((s.high - s.low) / intervals);
    // Two ticks at least, so that the scale can be read: the next smaller round step (5 -> 2,
    // 2 -> 1, 1 -> 0.5).
    for (int i = 0; i < 3 && s.ticks().size() < 2; ++i) {
        const double magnitude = std::pow(10.0, std::floor(std::log10(s.step) + 1e-9));
        const double leading = std::round(s.step / magnitude);
        s.step = leading >= 5 ? 2 * magnitude : leading >= 2 ? magnitude : magnitude / 2;
    }
    return s;
}

// Thin straight lines of the grid and the axes, one pixel wide and without antialiasing: crisp,
// and drawn in one go.
void drawCrispLines(QPainter &painter, const std::vector<QLineF> &lines, const QColor &ink)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(ink, 0));
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    painter.restore();
}

// A diagram's curve, about two device pixels wide: two antialiased hairlines a device pixel
// apart on the diagonal. A hairline is drawn by the raster engine's fast path; a wide pen is
// stroked as an outline and filled, many times slower, and this runs on every keystroke.
void drawCurve(QPainter &painter, const QPolygonF &line, const QColor &ink)
{
    const double device = painter.device() ? 1.0 / painter.device()->devicePixelRatioF() : 1.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(ink, 0));
    painter.drawPolyline(line);
    painter.drawPolyline(line.translated(device * 0.7, device * 0.7));
    painter.restore();
}

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
    const StripScale scale = stripScale(curve, strip, lineHeight);

    // The symbol and its unit, then the value ticks.
    painter.setPen(Ink);
    const QRectF captionBox(strip.left(), strip.center().y() - lineHeight, metrics.horizontalAdvance(qs(curve.unit)),
                            2 * lineHeight);
    const double captionWidth = std::max(captionBox.width(), metrics.horizontalAdvance(QStringLiteral("M")));
    drawTextIn(painter, metrics, QRectF(strip.left(), strip.center().y() - lineHeight, captionWidth, lineHeight),
               Qt::AlignHCenter, qs(quantitySymbol(curve.quantity)));
    painter.setPen(AxisInk);
    drawTextIn(painter, metrics, QRectF(strip.left(), strip.center().y(), captionWidth, lineHeight), Qt::AlignHCenter,
               qs(curve.unit));
    // The zero tick first, so that it keeps its label where labels of neighbouring ticks or
    // strips would meet.
    const double tickLength = lineHeight * 0.25;
    std::vector<double> ticks = scale.ticks();
    std::stable_partition(ticks.begin(), ticks.end(), [](double v) { return v == 0; });
    std::vector<QLineF> grid, tickMarks;
    for (const double value : ticks) {
        const double y = scale.y(value);
        grid.emplace_back(QPointF(block.plotLeft, y), QPointF(block.plotRight, y));
        tickMarks.emplace_back(QPointF(block.plotLeft - tickLength, y), QPointF(block.plotLeft, y));
    }
    drawCrispLines(painter, grid, GridInk);
    drawCrispLines(painter, tickMarks, AxisInk);
    painter.setPen(AxisInk);
    for (const double value : ticks) {
        const double y = scale.y(value);
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
        drawTextIn(painter, metrics, box, Qt::AlignRight, text);
    }

    // The curve piece by piece, so that both sides of every jump are drawn: a straight piece by
    // its ends, a curved one at about every third pixel; and its area.
    QPolygonF line;
    const std::vector<double> &breaks = curve.values.breakpoints();
    const std::vector<mechanics::Polynomial> &pieces = curve.values.pieces();
    const double pixelsPerUnit = (block.plotRight - block.plotLeft) / length;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const double width = breaks[k + 1] - breaks[k];
        const int steps =
            pieces[k].degree() <= 1 ? 1 : std::clamp(static_cast<int>(width * pixelsPerUnit / 3), 2, 1000);
        for (int i = 0; i <= steps; ++i) {
            const double t = width * i / steps;
            line << QPointF(block.xAt(breaks[k] + t, length), scale.y(pieces[k](t)));
        }
    }
    const double zero = scale.y(0);
    painter.save();
    painter.setClipRect(strip.adjusted(0, -1, 0, 1));
    // The areas without antialiasing (the curve drawn over them gives the smooth edge): an
    // antialiased fill of this size costs the raster engine a hundred times more.
    painter.setRenderHint(QPainter::Antialiasing, false);
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
    drawCrispLines(painter, {QLineF(QPointF(block.plotLeft, zero), QPointF(block.plotRight, zero))}, AxisInk);
    drawCurve(painter, line, curveInk(curve.quantity));
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

    // The member itself is a bar drawn directly (a wide antialiased pen this long is slow); the
    // sketch vocabulary draws its supports and loads.
    const double thickness = std::max(1.2, u * 0.2);
    painter.fillRect(QRectF(block.plotLeft, level - (thickness / 2), block.plotRight - block.plotLeft, thickness), Ink);
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
            drawTextIn(painter, QFontMetricsF(bold, painter.device()), b.title, Qt::AlignLeft, qs(member.name));
            painter.restore();
        }
        const double length = member.length();

        // Vertical grid at round x, through the member's strips, labelled under the last one.
        const double stripsTop = b.strips.front().second.top();
        const double stripsBottom = b.strips.back().second.bottom();
        const int most = std::max(1, static_cast<int>((b.plotRight - b.plotLeft) / (lineHeight * 4)));
        const double step = roundStep(length / most);
        std::vector<QLineF> grid, tickMarks;
        for (int i = 0; i * step <= length * (1 + 1e-9); ++i) {
            const double x = b.xAt(i * step, length);
            grid.emplace_back(QPointF(x, stripsTop), QPointF(x, stripsBottom));
            tickMarks.emplace_back(QPointF(x, stripsBottom), QPointF(x, stripsBottom + (lineHeight * 0.25)));
        }
        tickMarks.emplace_back(QPointF(b.plotLeft, stripsBottom), QPointF(b.plotRight, stripsBottom));
        drawCrispLines(painter, grid, GridInk);

        Labels labels(metrics, QRectF(QPointF(b.plotLeft, stripsTop), QPointF(b.right, stripsBottom)));
        std::vector<QRectF> tickBoxes;
        for (const auto &[quantity, strip] : b.strips)
            paintStrip(painter, b, strip, *member.curve(quantity), member, diagrams.lengthUnit, metrics, labels,
                       tickBoxes);

        drawCrispLines(painter, tickMarks, AxisInk);
        painter.setPen(AxisInk);
        double lastRight = -1e300;
        for (int i = 0; i * step <= length * (1 + 1e-9); ++i) {
            const double x = b.xAt(i * step, length);
            const QString text = qs(diagramNumber(i * step));
            const double width = metrics.horizontalAdvance(text);
            if (x - (width / 2) > lastRight + (lineHeight * 0.3)) {
                drawTextIn(painter, metrics,
                           QRectF(x - (width / 2) - 2, stripsBottom + (lineHeight * 0.2), width + 4, lineHeight),
                           Qt::AlignHCenter, text);
                lastRight = x + (width / 2);
            }
        }
        const QString axisName = QStringLiteral("x  ") + qs(diagrams.lengthUnit);
        drawTextIn(painter, metrics,
                   QRectF(QPointF(b.drawing.left(), stripsBottom + (lineHeight * 0.2)),
                          QPointF(b.plotLeft - (lineHeight * 0.5), stripsBottom + (lineHeight * 1.2))),
                   Qt::AlignRight, axisName);

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
