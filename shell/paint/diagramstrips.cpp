// The strips of a member's diagrams and the member itself: one strip per quantity with its
// value scale, area, curve, ticks and extremes; the member with its supports and loads above
// them on the same x axis.

#include "shell/paint/diagramparts.h"
#include "shell/paint/sketchcanvas.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace shell::diagramparts {

namespace {

// M is drawn on the tension side and δ the way the member moves: positive below the zero line.
bool downward(Quantity quantity)
{
    return quantity == Quantity::Moment || quantity == Quantity::Deflection;
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

}  // namespace

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

}  // namespace shell::diagramparts
