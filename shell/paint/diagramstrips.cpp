// The strips of a member's diagrams: one strip per quantity with its value scale, area, curve,
// ticks and extremes.

#include "shell/paint/diagramparts.h"

#include "shell/core/language.h"

#include <QPainter>
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

// The extremes a strip labels: the largest, and the smallest where it differs; none that is
// zero or not a number.
std::vector<const mechanics::Extreme *> labelledExtremes(const Curve &curve)
{
    std::vector<const mechanics::Extreme *> shown;
    for (const mechanics::Extreme *extreme : {&curve.extremes.largest, &curve.extremes.smallest}) {
        if (extreme->at.empty() || extreme->value == 0 || !std::isfinite(extreme->value))
            continue;
        if (extreme == &curve.extremes.smallest && curve.extremes.smallest.value == curve.extremes.largest.value)
            continue;
        shown.push_back(extreme);
    }
    return shown;
}

// The value scale of a strip: the values fill its plot (with zero always in it), which leaves a
// band above and below for the labels of the extremes that stand beyond the curve there; the
// ticks stand at the round multiples of 1, 2 or 5 × 10^n that fall inside, about two lines
// apart, and three at least where the height holds them.
struct StripScale {
    QRectF rect;  // the plot: the values from low to high
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

// How far a label stands off the point it labels, clear of the curve drawn through it.
double labelOffset(double lineHeight)
{
    return std::max(lineHeight * 0.18, 2.5);
}

StripScale stripScale(const Curve &curve, const QRectF &strip, double lineHeight)
{
    StripScale s;
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
    // A band for labels on each side an extreme is labelled beyond (the side of its sign), a
    // little room for the end tick's label on the others.
    bool above = false;
    bool below = false;
    for (const mechanics::Extreme *extreme : labelledExtremes(curve))
        ((extreme->value > 0) != s.down ? above : below) = true;
    const double band = std::min(lineHeight + labelOffset(lineHeight) + 1.5, strip.height() * 0.24);
    const double edge = std::min(lineHeight * 0.5, strip.height() * 0.1);
    s.rect = strip.adjusted(0, above ? band : edge, 0, below ? -band : -edge);
    const int intervals = std::max(1, static_cast<int>(s.rect.height() / (lineHeight * 2)));
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

// The area between the curve and the zero line on one side of it: the curve where it lies on
// that side, the zero line where it does not, and the points where it crosses the zero line, so
// that the area ends where the curve meets the axis.
QPolygonF areaOnSide(const QPolygonF &line, double zero, bool belowZeroLine)
{
    QPolygonF area;
    if (line.isEmpty())
        return area;
    const auto onSide = [&](const QPointF &p) { return belowZeroLine ? p.y() > zero : p.y() < zero; };
    area << QPointF(line.front().x(), zero);
    for (int i = 0; i < line.size(); ++i) {
        const QPointF &p = line[i];
        if (i > 0) {
            const QPointF &q = line[i - 1];
            if ((q.y() - zero) * (p.y() - zero) < 0) {
                const double t = (zero - q.y()) / (p.y() - q.y());
                area << QPointF(q.x() + (t * (p.x() - q.x())), zero);
            }
        }
        area << QPointF(p.x(), onSide(p) ? p.y() : zero);
    }
    area << QPointF(line.back().x(), zero);
    return area;
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

double tickWidth(const CaseDiagrams &diagrams, const QFontMetricsF &metrics)
{
    // A tick is a round value no larger than the largest magnitude: the widest is a negative
    // one of about that size, or of a small step where the values are tiny.
    double width = metrics.horizontalAdvance(QStringLiteral("-0.000"));
    for (const MemberDiagram &member : diagrams.members)
        for (const Curve &c : member.curves) {
            double magnitude = 0;
            for (const mechanics::Extreme *e : {&c.extremes.largest, &c.extremes.smallest})
                if (!e->at.empty() && std::isfinite(e->value))
                    magnitude = std::max(magnitude, std::fabs(e->value));
            if (!(magnitude > 0))
                continue;
            for (const double tick : {roundStep(magnitude), roundStep(magnitude / 40), roundStep(magnitude) * 0.75})
                width = std::max(width, metrics.horizontalAdvance(qs(diagramNumber(-tick))));
        }
    return width;
}

namespace {

// The texts of a member's strips as they are written, for the report and for later texts to
// keep clear of.
struct StripTexts {
    std::vector<DiagramReport::Text> &texts;
    int member = 0;
    void keep(const QString &text, const QRectF &box) { texts.push_back({text, box, member}); }
    // Whether the box, a little taller, meets no text written before.
    bool isClear(const QRectF &box, double lineHeight) const
    {
        return std::none_of(texts.begin(), texts.end(), [&](const DiagramReport::Text &t) {
            return t.box.intersects(box.adjusted(0, -lineHeight * 0.05, 0, lineHeight * 0.05));
        });
    }
};

// The quantity's symbol and its unit, one over the other in the middle of the strip's left edge.
void writeSymbolAndUnit(QPainter &painter, const QFontMetricsF &metrics, const QRectF &strip, const Curve &curve,
                        StripTexts &texts)
{
    const double lineHeight = metrics.height();
    const QString symbol = qs(curve.label.empty() ? quantitySymbol(curve.quantity) : curve.label);
    const QString unit = qs(curve.unit);
    const double captionWidth =
        std::max(metrics.horizontalAdvance(unit), metrics.horizontalAdvance(QStringLiteral("M")));
    const QRectF symbolBox(strip.left(), strip.center().y() - lineHeight, captionWidth, lineHeight);
    const QRectF unitBox(strip.left(), strip.center().y(), captionWidth, lineHeight);
    painter.setPen(Ink);
    drawTextIn(painter, metrics, symbolBox, Qt::AlignHCenter, symbol);
    texts.keep(symbol, symbolBox);
    painter.setPen(AxisInk);
    drawTextIn(painter, metrics, unitBox, Qt::AlignHCenter, unit);
    texts.keep(unit, unitBox);
}

// The grid lines and the value ticks with their values. The zero tick first, so that it keeps
// its label where labels of neighbouring ticks would meet; each label stays inside its strip.
void paintValueTicks(QPainter &painter, const QFontMetricsF &metrics, const MemberBlock &block, const QRectF &strip,
                     const StripScale &scale, StripTexts &texts)
{
    const double lineHeight = metrics.height();
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
        const double top = std::clamp(y - (lineHeight * 0.5), strip.top(), strip.bottom() - lineHeight);
        const QRectF box(right - width, top, width, lineHeight);
        if (!texts.isClear(box, lineHeight))
            continue;
        texts.keep(text, box);
        drawTextIn(painter, metrics, box, Qt::AlignRight, text);
    }
}

// The curve piece by piece, so that both sides of every jump are in it: a straight piece by its
// ends, a curved one at about every third pixel.
QPolygonF curveLine(const mechanics::Piecewise &values, const MemberBlock &block, const StripScale &scale,
                    double length)
{
    QPolygonF line;
    const std::vector<double> &breaks = values.breakpoints();
    const std::vector<mechanics::Polynomial> &pieces = values.pieces();
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
    return line;
}

// The areas on the side of their sign, the zero line and the curve over them, inside the strip.
void paintCurveAndArea(QPainter &painter, const MemberBlock &block, const QRectF &strip, Quantity quantity,
                       const StripScale &scale, const QPolygonF &line)
{
    const double zero = scale.y(0);
    painter.save();
    painter.setClipRect(strip.adjusted(0, -1, 0, 1));
    // The areas without antialiasing (the curve drawn over them gives the smooth edge): an
    // antialiased fill of this size costs the raster engine a hundred times more.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    for (const bool positive : {true, false}) {
        painter.setBrush(areaFill(quantity, positive));
        painter.drawPolygon(areaOnSide(line, zero, positive == scale.down));
    }
    drawCrispLines(painter, {QLineF(QPointF(block.plotLeft, zero), QPointF(block.plotRight, zero))}, AxisInk);
    drawCurve(painter, line, curveInk(quantity));
    painter.restore();
}

// An envelope: the band between its largest and its smallest values filled lightly, whichever
// side of zero it lies, the zero line, and both curves over it.
void paintBand(QPainter &painter, const MemberBlock &block, const QRectF &strip, Quantity quantity,
               const StripScale &scale, const QPolygonF &upper, const QPolygonF &lower)
{
    const double zero = scale.y(0);
    painter.save();
    painter.setClipRect(strip.adjusted(0, -1, 0, 1));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    QPolygonF band = upper;
    for (auto p = lower.crbegin(); p != lower.crend(); ++p)
        band << *p;
    painter.setBrush(areaFill(quantity, true));
    painter.drawPolygon(band);
    drawCrispLines(painter, {QLineF(QPointF(block.plotLeft, zero), QPointF(block.plotRight, zero))}, AxisInk);
    drawCurve(painter, upper, curveInk(quantity));
    drawCurve(painter, lower, curveInk(quantity));
    painter.restore();
}

// The extremes, each a dot with its value, unit and position, clear of the curve: beyond it on
// the side of its sign first (the strip's band), right of the point, then left of it; then
// beside it and towards zero. Every dot is kept clear of before any label is placed.
void labelExtremes(QPainter &painter, Labels &labels, const MemberBlock &block, const QRectF &strip, const Curve &curve,
                   const StripScale &scale, double length, const std::string &lengthUnit, double lineHeight)
{
    const QString symbol = qs(curve.label.empty() ? quantitySymbol(curve.quantity) : curve.label);
    const double gap = lineHeight * 0.3;
    const double dot = lineHeight * 0.16;
    const std::vector<const mechanics::Extreme *> extremes = labelledExtremes(curve);
    std::vector<QPointF> dots;
    for (const mechanics::Extreme *extreme : extremes) {
        const QPointF p(block.xAt(extreme->at.front().x, length), scale.y(extreme->value));
        dots.push_back(p);
        labels.avoid(QRectF(p - QPointF(dot, dot), QSizeF(2 * dot, 2 * dot)));
    }
    for (std::size_t i = 0; i < dots.size(); ++i) {
        const mechanics::Extreme *extreme = extremes[i];
        const QPointF p = dots[i];
        painter.setPen(Qt::NoPen);
        painter.setBrush(curveInk(curve.quantity));
        painter.drawEllipse(p, dot, dot);
        // An envelope names which of its curves the extreme is on: "Mmax = 3613 N･mm".
        const QString which = !curve.envelope()                    ? QString()
                              : extreme == &curve.extremes.largest ? QStringLiteral("max")
                                                                   : QStringLiteral("min");
        const QString text = qs(shell::translatedPattern("Text", "%1 = %2 at %3",
                                                         {QString(symbol + which).toStdString(),
                                                          valueWithUnit(extreme->value, curve.unit).toStdString(),
                                                          positionsText(*extreme, lengthUnit).toStdString()}));
        const QSizeF size = labels.size(text);
        const bool up = (extreme->value > 0) != scale.down;
        const double off = labelOffset(lineHeight);
        const double beyond = up ? p.y() - size.height() - off : p.y() + off;
        const double toward = up ? p.y() + off : p.y() - size.height() - off;
        const double middle = p.y() - (size.height() / 2);
        labels.place(text,
                     {{p.x() + gap, beyond},
                      {p.x() - gap - size.width(), beyond},
                      {p.x() - (size.width() / 2), beyond},
                      {p.x() + gap, middle},
                      {p.x() - gap - size.width(), middle},
                      {p.x() + gap, toward},
                      {p.x() - gap - size.width(), toward}},
                     curveInk(curve.quantity).darker(150),
                     QRectF(QPointF(block.plotLeft, strip.top()), QPointF(block.right, strip.bottom())), &p);
    }
    painter.setBrush(Qt::NoBrush);
}

}  // namespace

void paintStrip(QPainter &painter, const MemberBlock &block, const QRectF &strip, const Curve &curve,
                const MemberDiagram &member, const std::string &lengthUnit, const QFontMetricsF &metrics,
                Labels &labels, std::vector<DiagramReport::Text> &texts, DiagramReport::Strip &drawn)
{
    const double lineHeight = metrics.height();
    const double length = member.length();
    const StripScale scale = stripScale(curve, strip, lineHeight);
    StripTexts stripTexts{texts, drawn.member};
    writeSymbolAndUnit(painter, metrics, strip, curve, stripTexts);
    paintValueTicks(painter, metrics, block, strip, scale, stripTexts);
    const QPolygonF line = curveLine(curve.values, block, scale, length);
    drawn.quantity = curve.quantity;
    drawn.rect = strip;
    drawn.zero = scale.y(0);
    drawn.curve = line;
    if (curve.envelope()) {
        drawn.lower = curveLine(*curve.smallest, block, scale, length);
        paintBand(painter, block, strip, curve.quantity, scale, line, drawn.lower);
        labels.avoid(drawn.lower);
    } else {
        paintCurveAndArea(painter, block, strip, curve.quantity, scale, line);
    }
    labels.avoid(line);
    labelExtremes(painter, labels, block, strip, curve, scale, length, lengthUnit, lineHeight);
}

}  // namespace shell::diagramparts
