#include "shell/paint/chartpainter.h"

#include "shell/core/language.h"

#include "shell/core/numbertext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace shell {

namespace {

// Values beyond this are drawn at it, so that the axis arithmetic stays finite.
constexpr double LargestPlotted = 1e300;
// A spread of values smaller than this is drawn on a plain 0 .. 1 axis.
constexpr double SmallestSpread = 1e-290;

double plotted(double value)
{
    if (!std::isfinite(value))
        return 0;
    return std::clamp(value, -LargestPlotted, LargestPlotted);
}

bool is3D(ChartType type)
{
    return type == ChartType::Bar3D || type == ChartType::Line3D || type == ChartType::Area3D ||
           type == ChartType::Step3D;
}

}  // namespace

double ChartTextWidths::of(const QString &text, const QFontMetricsF &metrics)
{
    const auto found = m_widths.constFind(text);
    if (found != m_widths.constEnd())
        return found.value();
    // Typing through many values leaves many tick texts behind: start afresh now and then.
    if (m_widths.size() > 512)
        m_widths.clear();
    const double width = metrics.horizontalAdvance(text);
    m_widths.insert(text, width);
    return width;
}

ChartLayout layoutChart(const QRectF &area, const std::vector<ChartPoint> &points, ChartType type, bool logScale,
                        const QFontMetricsF &metrics, ChartTextWidths *widths)
{
    const auto widthOf = [&](const QString &text) {
        return widths ? widths->of(text, metrics) : metrics.horizontalAdvance(text);
    };
    ChartLayout l;
    l.area = area;
    l.lineWidth = std::max(1.0, metrics.height() * 0.06);
    if (points.empty())
        return l;
    const int count = static_cast<int>(points.size());
    l.lineHeight = metrics.height();
    l.pad = std::max(2.0, l.lineHeight * 0.4);
    l.tickLength = l.lineHeight * 0.3;

    double minValue = 0;
    double maxValue = 0;
    double labelWidth = 0;
    for (const ChartPoint &p : points) {
        minValue = std::min(minValue, plotted(p.value));
        maxValue = std::max(maxValue, plotted(p.value));
        labelWidth = std::max(labelWidth, widthOf(QString::fromStdString(p.label)));
    }

    // The top tick label needs half a line above the plot; the log title stands on a line of
    // its own. The columns and the tick count do not depend on the title, so that a point is
    // hit at the same place in both modes.
    const double plainTop = area.top() + l.pad + (l.lineHeight * 0.5);
    const double top = logScale ? plainTop + l.lineHeight : plainTop;
    const double right = area.right() - l.pad;
    double left = area.left() + l.pad;
    l.labelRows = 1;
    for (int pass = 0; pass < 5; ++pass) {
        const double bottom = area.bottom() - l.pad - (l.labelRows * l.lineHeight) - (l.pad * 0.5);
        const double plainHeight = bottom - plainTop;
        const double width = right - left;
        if (bottom - top < 4 || width < count)
            return l;
        double depthX = 0;
        if (is3D(type))
            depthX = std::min({(width / count) * 0.5, plainHeight * 0.25, l.lineHeight * 1.6});
        l.depth = QPointF(depthX, -depthX * 0.6);
        l.plot = QRectF(QPointF(left, top - l.depth.y()), QPointF(right - depthX, bottom));
        l.slot = l.plot.width() / count;
        const int intervals = std::max(1, static_cast<int>((plainHeight + l.depth.y()) / (l.lineHeight * 1.8)));
        l.axis = chartAxis(minValue, maxValue, intervals);

        double tickWidth = 0;
        for (const QString &text : chartTickTexts(l.axis))
            tickWidth = std::max(tickWidth, widthOf(text));
        // The room for the tick labels grows in steps of three figures, so that the plot stays
        // where it is while the values gain or lose a digit.
        const double figures = 3 * widthOf(QStringLiteral("0"));
        tickWidth = std::ceil(tickWidth / figures) * figures;
        const double neededLeft = area.left() + l.pad + tickWidth + l.tickLength + (l.pad * 0.5);
        const int rows = labelWidth > l.slot * 0.92 ? 2 : 1;
        if (neededLeft <= left + 0.01 && rows == l.labelRows)
            break;
        left = std::max(left, neededLeft);
        l.labelRows = std::max(l.labelRows, rows);
    }
    l.labelTop = l.plot.bottom() + (l.pad * 0.5);
    l.drawable = l.plot.width() >= count && l.plot.height() >= 4;
    return l;
}

namespace {

QColor mixed(const QColor &colour, const QColor &with, double share)
{
    const auto mix = [share](int a, int b) { return static_cast<int>(std::lround((a * (1 - share)) + (b * share))); };
    return QColor(mix(colour.red(), with.red()), mix(colour.green(), with.green()), mix(colour.blue(), with.blue()));
}

// Axis-aligned rectangles and lines stand on whole pixels and are drawn without antialiasing:
// crisp at every size, and cheaper to fill than their antialiased edges.
class Aliased
{
public:
    explicit Aliased(QPainter &painter) : m_painter(painter), m_was(painter.testRenderHint(QPainter::Antialiasing))
    {
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    ~Aliased() { m_painter.setRenderHint(QPainter::Antialiasing, m_was); }
    Aliased(const Aliased &) = delete;
    Aliased &operator=(const Aliased &) = delete;

private:
    QPainter &m_painter;
    bool m_was;
};

double whole(double v)
{
    return std::round(v);
}

QRectF onPixels(const QRectF &r)
{
    return QRectF(QPointF(whole(r.left()), whole(r.top())), QPointF(whole(r.right()), whole(r.bottom())));
}

struct Shades {
    QColor face;
    QColor top;
    QColor side;
    QPen edge;
};

// A box standing in front of the back wall: its right side and top first, then its front.
void drawBox(QPainter &painter, const QRectF &front, const QPointF &depth, const Shades &shades)
{
    painter.setPen(shades.edge);
    if (!depth.isNull()) {
        painter.setBrush(shades.side);
        painter.drawPolygon(
            QPolygonF({front.topRight(), front.bottomRight(), front.bottomRight() + depth, front.topRight() + depth}));
        painter.setBrush(shades.top);
        painter.drawPolygon(
            QPolygonF({front.topLeft(), front.topRight(), front.topRight() + depth, front.topLeft() + depth}));
    }
    painter.setBrush(shades.face);
    const Aliased aliased(painter);
    painter.drawRect(onPixels(front));
}

void drawWallsAndGrid(QPainter &painter, const ChartLayout &l, const QPen &gridPen, const QPen &zeroPen)
{
    const QRectF &p = l.plot;
    const QPointF d = l.depth;
    painter.setPen(QPen(QColor(160, 160, 160), gridPen.widthF()));
    if (d.isNull()) {
        painter.setBrush(Qt::white);
        const Aliased aliased(painter);
        painter.drawRect(onPixels(p));
    } else {
        painter.setBrush(QColor(244, 244, 244));
        painter.drawRect(p.translated(d));
        painter.setBrush(QColor(232, 232, 232));
        painter.drawPolygon(QPolygonF({p.topLeft(), p.topLeft() + d, p.bottomLeft() + d, p.bottomLeft()}));
        painter.setBrush(QColor(222, 222, 222));
        painter.drawPolygon(QPolygonF({p.bottomLeft(), p.bottomLeft() + d, p.bottomRight() + d, p.bottomRight()}));
    }
    for (int i = 0; i <= l.axis.intervals; ++i) {
        const double value = l.tick(i);
        const double y = whole(l.y(value));
        painter.setPen(value == 0 ? zeroPen : gridPen);
        const QPointF front(whole(p.left()), y);
        if (d.isNull()) {
            const Aliased aliased(painter);
            painter.drawLine(front, QPointF(whole(p.right()), y));
        } else {
            painter.drawPolyline(QPolygonF({front, front + d, QPointF(p.right(), y) + d}));
            if (value == 0) {
                const Aliased aliased(painter);
                painter.drawLine(front, QPointF(whole(p.right()), y));
            }
        }
    }
}

void drawValueAxis(QPainter &painter, const ChartLayout &l, const QPen &axisPen, const QColor &textColour,
                   bool logScale)
{
    const QRectF &p = l.plot;
    const double x = whole(p.left());
    painter.setPen(axisPen);
    {
        const Aliased aliased(painter);
        painter.drawLine(QPointF(x, whole(p.top())), QPointF(x, whole(p.bottom())));
    }
    const double labelRight = p.left() - l.tickLength - (l.pad * 0.3);
    const std::vector<QString> texts = chartTickTexts(l.axis);
    for (int i = 0; i <= l.axis.intervals; ++i) {
        const double y = l.y(l.tick(i));
        painter.setPen(axisPen);
        {
            const Aliased aliased(painter);
            painter.drawLine(QPointF(whole(p.left() - l.tickLength), whole(y)), QPointF(x, whole(y)));
        }
        painter.setPen(textColour);
        // A label stays inside the chart's frame even where its tick is at the very edge.
        const double top = std::clamp(y - (l.lineHeight / 2), l.area.top(), l.area.bottom() - l.lineHeight);
        const QRectF box(l.area.left(), top, labelRight - l.area.left(), l.lineHeight);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, texts[static_cast<std::size_t>(i)]);
    }
    if (logScale) {
        painter.setPen(textColour);
        const QRectF box(l.area.left() + l.pad, l.area.top() + (l.pad * 0.5), l.area.width(), l.lineHeight);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("log10"));
    }
}

void drawCategoryLabels(QPainter &painter, const ChartLayout &l, const std::vector<ChartPoint> &points,
                        const QFontMetricsF &metrics, const QColor &textColour)
{
    painter.setPen(textColour);
    const double room = l.slot * l.labelRows * 0.95;
    for (int i = 0; i < static_cast<int>(points.size()); ++i) {
        QString text = QString::fromStdString(points[static_cast<size_t>(i)].label);
        if (metrics.horizontalAdvance(text) > room)
            text = metrics.elidedText(text, Qt::ElideRight, room);
        const double y = l.labelTop + ((i % l.labelRows) * l.lineHeight);
        painter.drawText(QRectF(l.centre(i) - room, y, 2 * room, l.lineHeight), Qt::AlignHCenter | Qt::AlignTop, text);
    }
}

// The polygon of an area chart down to the zero line; a single point is drawn as a plateau.
QPolygonF areaOutline(const QPolygonF &line, double zeroY)
{
    QPolygonF outline;
    outline << QPointF(line.first().x(), zeroY) << line << QPointF(line.last().x(), zeroY);
    return outline;
}

// A run of points that can all be drawn: their slots from `first` on, the line through their
// values and the zero line.
struct Run {
    const ChartLayout &l;
    int first = 0;
    int count = 0;
    double zeroY = 0;
    QPolygonF line;
    // The column of point i from its value to the zero line, `share` of its slot wide.
    QRectF column(int i, double share) const
    {
        const double y = line[i].y();
        return QRectF(QPointF(l.centre(first + i) - (l.slot * share * 0.5), std::min(y, zeroY)),
                      QPointF(l.centre(first + i) + (l.slot * share * 0.5), std::max(y, zeroY)));
    }
    // The left edge of the slot of point i (i = count: the right edge of the last).
    double slotLeft(int i) const { return l.plot.left() + ((first + i) * l.slot); }
};

Run runOf(const ChartLayout &l, int first, const std::vector<double> &values)
{
    Run run{l, first, static_cast<int>(values.size()), l.y(0), {}};
    for (int i = 0; i < run.count; ++i)
        run.line << QPointF(l.centre(first + i), l.y(values[static_cast<size_t>(i)]));
    return run;
}

// The strip of the line from point i to the next, seen from above: its top face in depth.
QPolygonF topFace(const QPolygonF &line, int i, const QPointF &depth)
{
    return QPolygonF({line[i], line[i + 1], line[i + 1] + depth, line[i] + depth});
}

// Flat steps: each point's full slot filled, the outline from the zero line along the tops.
void drawSteps(QPainter &painter, const Run &run, const Shades &shades)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(shades.face);
    {
        const Aliased aliased(painter);
        for (int i = 0; i < run.count; ++i)
            painter.drawRect(onPixels(run.column(i, 1.0)));
    }
    QPolygonF steps;
    steps << QPointF(run.slotLeft(0), run.zeroY);
    for (int i = 0; i < run.count; ++i)
        steps << QPointF(run.slotLeft(i), run.line[i].y()) << QPointF(run.slotLeft(i + 1), run.line[i].y());
    steps << QPointF(run.slotLeft(run.count), run.zeroY);
    painter.setPen(shades.edge);
    painter.drawPolyline(steps);
}

// A flat line with a square marker on each point.
void drawMarkedLine(QPainter &painter, const Run &run, const Shades &shades)
{
    QPen pen(shades.face, std::max(1.5, run.l.lineHeight * 0.14));
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.drawPolyline(run.line);
    const double half = run.l.lineHeight * 0.2;
    painter.setPen(shades.edge);
    painter.setBrush(shades.face);
    for (const QPointF &p : std::as_const(run.line))
        painter.drawRect(QRectF(p - QPointF(half, half), p + QPointF(half, half)));
}

// A tape seen from above: its top, then its front edge, so that a stretch running along the line
// of sight still shows.
void drawTape(QPainter &painter, const Run &run, const Shades &shades)
{
    const QPointF thickness(0, std::max(2.0, run.l.lineHeight * 0.22));
    const QPolygonF &line = run.line;
    painter.setPen(shades.edge);
    for (int i = 0; i + 1 < line.size(); ++i) {
        painter.setBrush(shades.top);
        painter.drawPolygon(topFace(line, i, run.l.depth));
        painter.setBrush(shades.face);
        painter.drawPolygon(QPolygonF({line[i], line[i + 1], line[i + 1] + thickness, line[i] + thickness}));
    }
}

// An area with depth: its back, its top along the line, its right end, then its front.
void drawSolidArea(QPainter &painter, const Run &run, const Shades &shades)
{
    const QPointF d = run.l.depth;
    const QPolygonF front = areaOutline(run.line, run.zeroY);
    painter.setPen(shades.edge);
    painter.setBrush(shades.side);
    painter.drawPolygon(front.translated(d));
    painter.setBrush(shades.top);
    for (int i = 0; i + 1 < run.line.size(); ++i)
        painter.drawPolygon(topFace(run.line, i, d));
    painter.setBrush(shades.side);
    const QPointF end = run.line.last();
    const QPointF endFoot(end.x(), run.zeroY);
    painter.drawPolygon(QPolygonF({endFoot, end, end + d, endFoot + d}));
    painter.setBrush(shades.face);
    painter.drawPolygon(front);
}

// A run of points that can all be drawn, the first at slot `first`.
void drawRun(QPainter &painter, const ChartLayout &l, int first, const std::vector<double> &values, ChartType type,
             const Shades &shades)
{
    Run run = runOf(l, first, values);
    // A single point of a tape or an area is drawn as a plateau across its slot.
    if (run.count == 1 && (type == ChartType::Line3D || type == ChartType::Area2D || type == ChartType::Area3D)) {
        const QPointF p = run.line.first();
        run.line = QPolygonF({p - QPointF(l.slot * 0.3, 0), p + QPointF(l.slot * 0.3, 0)});
    }
    switch (type) {
    case ChartType::Bar2D:
    case ChartType::Bar3D:
        for (int i = 0; i < run.count; ++i)
            drawBox(painter, run.column(i, 0.55), l.depth, shades);
        break;
    case ChartType::Step2D:
        drawSteps(painter, run, shades);
        break;
    case ChartType::Step3D:
        for (int i = 0; i < run.count; ++i)
            drawBox(painter, run.column(i, 1.0), l.depth, shades);
        break;
    case ChartType::Line2D:
        drawMarkedLine(painter, run, shades);
        break;
    case ChartType::Line3D:
        drawTape(painter, run, shades);
        break;
    case ChartType::Area2D:
        painter.setPen(shades.edge);
        painter.setBrush(shades.face);
        painter.drawPolygon(areaOutline(run.line, run.zeroY));
        break;
    case ChartType::Area3D:
        drawSolidArea(painter, run, shades);
        break;
    }
}

// Every point that can be drawn; a value that cannot be computed leaves its slot empty, and a
// line or an area breaks there.
void drawSeries(QPainter &painter, const ChartLayout &l, const std::vector<double> &values, ChartType type,
                const Shades &shades)
{
    const int count = static_cast<int>(values.size());
    for (int start = 0; start < count;) {
        if (!std::isfinite(values[static_cast<size_t>(start)])) {
            ++start;
            continue;
        }
        int end = start;
        while (end < count && std::isfinite(values[static_cast<size_t>(end)]))
            ++end;
        drawRun(painter, l, start, std::vector<double>(values.begin() + start, values.begin() + end), type, shades);
        start = end;
    }
}

// On a log scale a result of 0 or less has no logarithm and stands at the base line: the
// chart says which, on its title line.
void drawBaseLineNote(QPainter &painter, const ChartLayout &l, const std::vector<ChartPoint> &points,
                      const QFontMetricsF &metrics, const QColor &textColour)
{
    QStringList labels;
    for (const ChartPoint &p : points)
        if (p.atBaseLine)
            labels << QString::fromStdString(p.label);
    if (labels.isEmpty())
        return;
    const QString note = labels.join(QStringLiteral(", ")) +
                         QString::fromStdString(shell::translated("Text", ": 0 or negative, drawn at the base line"));
    const double left = l.area.left() + l.pad + metrics.horizontalAdvance(QStringLiteral("log10")) + (2 * l.pad);
    const QRectF box(QPointF(left, l.area.top() + (l.pad * 0.5)),
                     QPointF(l.area.right() - l.pad, l.area.top() + (l.pad * 0.5) + l.lineHeight));
    painter.setPen(textColour);
    painter.drawText(box, Qt::AlignRight | Qt::AlignTop, metrics.elidedText(note, Qt::ElideRight, box.width()));
}

}  // namespace

ChartAxis chartAxis(double minValue, double maxValue, int maxIntervals)
{
    maxIntervals = std::max(1, maxIntervals);
    const double low = std::min(0.0, plotted(minValue));
    double high = std::max(0.0, plotted(maxValue));
    if (high - low < SmallestSpread)
        high = low + 1;
    ChartAxis axis;
    axis.step = roundStep((high - low) / maxIntervals);
    for (int attempt = 0; attempt < 4; ++attempt) {
        const double first = std::floor((low / axis.step) + 1e-9);
        const double last = std::ceil((high / axis.step) - 1e-9);
        axis.low = first * axis.step;
        axis.high = last * axis.step;
        axis.intervals = std::max(1, static_cast<int>(std::lround(last - first)));
        if (axis.intervals <= maxIntervals)
            break;
        axis.step = roundStep(axis.step * 1.5);
    }
    if (axis.high <= axis.low)
        axis.high = axis.low + axis.step;
    return axis;
}

std::vector<QString> chartTickTexts(const ChartAxis &axis)
{
    std::vector<double> ticks;
    for (int i = 0; i <= axis.intervals; ++i) {
        const double value = axis.low + (i * axis.step);
        ticks.push_back(std::fabs(value) < axis.step * 1e-9 ? 0.0 : value);
    }
    // The step is 1, 2 or 5 × 10^n: n decides the decimals a plain label needs.
    const int stepExponent = static_cast<int>(std::floor(std::log10(axis.step) + 1e-9));
    bool plain = true;
    for (double value : ticks)
        if (value != 0 && (std::fabs(value) >= 1e5 || std::fabs(value) < 1e-4))
            plain = false;
    std::vector<QString> texts;
    if (plain && stepExponent >= -4) {
        const int decimals = std::max(0, -stepExponent);
        for (double value : ticks)
            texts.push_back(value == 0 ? QStringLiteral("0") : QString::number(value, 'f', decimals));
        return texts;
    }
    // The fewest mantissa digits that still tell every tick exactly.
    int digits = 0;
    for (double value : ticks)
        while (digits < 6 && std::fabs(QString::number(value, 'e', digits).toDouble() - value) > axis.step * 1e-6)
            ++digits;
    for (double value : ticks)
        texts.push_back(value == 0 ? QStringLiteral("0") : QString::number(value, 'e', digits));
    return texts;
}

QString chartTickText(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'g', 5);
}

void paintChartBackground(QPainter &painter, const ChartLayout &l, const std::vector<ChartPoint> &points, bool logScale)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = l.lineWidth;
    painter.setPen(QPen(QColor(128, 128, 128), line));
    painter.setBrush(Qt::white);
    {
        // The frame's line along the area's outermost pixels, the white ground inside.
        const Aliased aliased(painter);
        const QRectF outer = onPixels(l.area);
        painter.drawRect(QRectF(outer.topLeft(), QSizeF(outer.width() - 1, outer.height() - 1)));
    }
    if (!l.drawable)
        return;
    const QColor text(Qt::black);
    const QPen gridPen(QColor(215, 215, 215), line);
    const QPen axisPen(QColor(64, 64, 64), line);
    drawWallsAndGrid(painter, l, gridPen, axisPen);
    drawValueAxis(painter, l, axisPen, text, logScale);
    drawCategoryLabels(painter, l, points, metrics, text);
    if (logScale)
        drawBaseLineNote(painter, l, points, metrics, text);
}

void paintChartSeries(QPainter &painter, const ChartLayout &l, const std::vector<ChartPoint> &points, ChartType type,
                      const QColor &fill)
{
    if (!l.drawable)
        return;
    const QColor face = fill.isValid() ? fill.toRgb() : QColor(Qt::red);
    const Shades shades{face, mixed(face, Qt::white, 0.35), mixed(face, Qt::black, 0.3),
                        QPen(mixed(face, Qt::black, 0.5), l.lineWidth)};
    std::vector<double> values;
    values.reserve(points.size());
    for (const ChartPoint &p : points)
        values.push_back(std::isfinite(p.value) ? plotted(p.value) : p.value);
    drawSeries(painter, l, values, type, shades);
}

void paintChart(QPainter &painter, const QRectF &area, const std::vector<ChartPoint> &points, ChartType type,
                const QColor &fill, bool logScale)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const ChartLayout l = layoutChart(area, points, type, logScale, QFontMetricsF(painter.font(), painter.device()));
    paintChartBackground(painter, l, points, logScale);
    paintChartSeries(painter, l, points, type, fill);
    painter.restore();
}

QRectF chartBarFront(const ChartLayout &l, const std::vector<ChartPoint> &points, int point, ChartType type)
{
    if (!l.drawable || point < 0 || point >= static_cast<int>(points.size()) ||
        (type != ChartType::Bar2D && type != ChartType::Bar3D && type != ChartType::Step3D))
        return {};
    const double value = points[static_cast<std::size_t>(point)].value;
    if (!std::isfinite(value))
        return {};
    const double share = type == ChartType::Step3D ? 1.0 : 0.55;
    const double y = l.y(plotted(value));
    const double zeroY = l.y(0);
    return QRectF(QPointF(l.centre(point) - (l.slot * share * 0.5), std::min(y, zeroY)),
                  QPointF(l.centre(point) + (l.slot * share * 0.5), std::max(y, zeroY)));
}

QRectF chartPointExtent(const ChartLayout &l, const std::vector<ChartPoint> &points, int point, ChartType type)
{
    const QRectF plot = l.plot.united(l.plot.translated(l.depth));
    const double margin = l.lineWidth + 1;
    if (!l.drawable || point < 0 || point >= static_cast<int>(points.size()))
        return {};
    if (type != ChartType::Bar2D && type != ChartType::Bar3D && type != ChartType::Step3D)
        return plot.adjusted(-margin, -margin, margin, margin);
    const QRectF front = chartBarFront(l, points, point, type);
    if (front.isNull())
        return {};
    return front.united(front.translated(l.depth)).adjusted(-margin, -margin, margin, margin);
}

bool sameChartGrid(const ChartLayout &a, const ChartLayout &b)
{
    return a.drawable == b.drawable && a.area == b.area && a.plot == b.plot && a.depth == b.depth &&
           a.axis.intervals == b.axis.intervals &&
           std::lround(a.axis.low / a.axis.step) == std::lround(b.axis.low / b.axis.step) &&
           a.labelRows == b.labelRows && a.labelTop == b.labelTop && a.lineHeight == b.lineHeight &&
           a.lineWidth == b.lineWidth;
}

bool sameChartFrame(const ChartLayout &a, const ChartLayout &b)
{
    return a.drawable == b.drawable && a.area == b.area && a.plot == b.plot && a.depth == b.depth &&
           a.axis.low == b.axis.low && a.axis.high == b.axis.high && a.axis.step == b.axis.step &&
           a.axis.intervals == b.axis.intervals && a.labelRows == b.labelRows && a.labelTop == b.labelTop &&
           a.lineHeight == b.lineHeight && a.lineWidth == b.lineWidth;
}

int chartPointAt(const QRectF &area, const std::vector<ChartPoint> &points, ChartType type, const QPointF &pos,
                 const QFontMetricsF &metrics)
{
    const ChartLayout l = layoutChart(area, points, type, false, metrics);
    if (!l.drawable)
        return -1;
    // A column reaches from the top of the chart down to its label.
    const double bottom = l.labelTop + (l.labelRows * l.lineHeight);
    if (pos.y() < area.top() || pos.y() > bottom || pos.x() < l.plot.left() || pos.x() >= l.plot.right())
        return -1;
    const int point = static_cast<int>((pos.x() - l.plot.left()) / l.slot);
    return std::clamp(point, 0, static_cast<int>(points.size()) - 1);
}

int chartPointAt(const QRectF &area, const std::vector<ChartPoint> &points, ChartType type, const QPointF &pos,
                 const QFont &font)
{
    return chartPointAt(area, points, type, pos, QFontMetricsF(font));
}

}  // namespace shell
