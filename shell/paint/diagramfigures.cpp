// The figures other than a straight member: a portal frame with its moment diagram and a
// column curve.

#include "shell/core/language.h"
#include "shell/paint/chartpainter.h"
#include "shell/paint/diagramparts.h"
#include "shell/paint/sketchcanvas.h"

#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <functional>

namespace shell::diagramparts {

namespace {

const QColor MomentInk = curveInk(Quantity::Moment);
const QColor EulerInk(30, 90, 170);
const QColor EmpiricalInk(185, 80, 10);

double magnitude(const mechanics::Extremes &e)
{
    double m = 0;
    if (!e.largest.at.empty())
        m = std::max(m, std::fabs(e.largest.value));
    if (!e.smallest.at.empty())
        m = std::max(m, std::fabs(e.smallest.value));
    return std::isfinite(m) ? m : 0;
}

}  // namespace

namespace {

// Where along a member of the frame a value stands, in the words an engineer marks it on the
// drawing: "column AB, 70 mm above A", "beam BC, 30 mm right of B", and on a line of its own
// at a jump the side of it: "below the jump".
QString framePlace(std::size_t member, double s, double length, mechanics::Side side, const std::string &lengthUnit)
{
    const std::string unit = " " + lengthUnit;
    // "column AB, %1 above A" and the side of a jump, in the language shown.
    const auto say = [](const char *pattern, const std::string &at) {
        return qs(shell::translatedPattern("Text", pattern, {at}));
    };
    QString place;
    const char *before = nullptr;
    const char *after = nullptr;
    switch (member) {
    case 0:
        place = say("column AB, %1 above A", diagramNumber(s) + unit);
        before = "below the jump";
        after = "above the jump";
        break;
    case 1:
        place = say("beam BC, %1 right of B", diagramNumber(s) + unit);
        before = "left of the jump";
        after = "right of the jump";
        break;
    default:
        // CD runs from C down to D: s from C, so above D by the rest of the column.
        place = say("column CD, %1 above D", diagramNumber(length - s) + unit);
        before = "above the jump";
        after = "below the jump";
        break;
    }
    if (side == mechanics::Side::Left)
        place += QLatin1Char('\n') + qs(shell::translated("Text", before));
    else if (side == mechanics::Side::Right)
        place += QLatin1Char('\n') + qs(shell::translated("Text", after));
    return place;
}

}  // namespace

namespace {

// Inside of the frame, member by member: right of AB, below BC, left of CD.
const QPointF Inward[] = {{1, 0}, {0, 1}, {-1, 0}};

// Where the frame stands in the area and how large: the frame as large as the area holds it
// with its diagram, which reaches a quarter of the shorter member out from the members, centred.
struct FramePlacement {
    QPointF A;               // the left foot
    double scale = 0;        // pixels per unit of length
    double momentScale = 0;  // pixels per unit of moment
    QPointF map(mechanics::Point p) const { return QPointF(A.x() + (p.x * scale), A.y() - (p.y * scale)); }
    // The point of the moment line at a place of member k: the member's point moved to the
    // member's inside by the moment.
    QPointF onMomentLine(std::size_t k, mechanics::Point p, double moment) const
    {
        return map(p) + (Inward[k] * (moment * momentScale));
    }
};

FramePlacement placeFrame(const QRectF &room, const FrameDiagram &f)
{
    const double h = f.frame.height;
    const double l = f.frame.span;
    double largest = 0;
    for (const FrameMemberDiagram &m : f.members)
        largest = std::max(largest, magnitude(m.extremes));
    const double shorter = std::min(l, h);
    const double reachShare = 0.25 * shorter;
    FramePlacement placed;
    placed.scale = std::min(room.width() / (l + (2 * reachShare)), room.height() / (h + reachShare));
    const double s = placed.scale;
    const double reach = reachShare * s;
    placed.momentScale = largest > 0 ? reach / largest : 0;
    placed.A = QPointF(room.center().x() - (l * s / 2), room.center().y() + ((h + reachShare) * s / 2));
    return placed;
}

// "MB = -500000 N･mm": the moment at a corner or a foot.
QString endMomentText(const char *name, double value, const std::string &momentUnit)
{
    return QString::fromLatin1(name) + QStringLiteral(" = ") + valueWithUnit(value, momentUnit);
}

// The moment line of each member on its tension side, its area filled against the member; the
// lines as drawn, which later labels keep clear of.
std::vector<QPolygonF> paintMomentLines(QPainter &painter, const FrameDiagram &f, const FramePlacement &placed,
                                        double lh, Labels &labels)
{
    std::vector<QPolygonF> curves;
    for (std::size_t k = 0; k < 3; ++k) {
        const mechanics::FrameMemberResult &r = f.members[k].result;
        QPolygonF curve;
        const std::vector<mechanics::Sample> samples = mechanics::samplePositions({&r.moment}, 120);
        for (const mechanics::Sample &sample : samples)
            curve << placed.onMomentLine(k, r.at(sample.x), mechanics::valueAt(r.moment, sample));
        QPolygonF fill = curve;
        fill << placed.map(r.end) << placed.map(r.start);
        painter.setPen(Qt::NoPen);
        painter.setBrush(areaFill(Quantity::Moment, true));
        painter.drawPolygon(fill);
        painter.setPen(QPen(MomentInk, std::max(1.5, lh * 0.12)));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(curve);
        labels.avoid(curve);
        curves.push_back(curve);
    }
    return curves;
}

// The corner moments outside the corners; the moments at fixed feet beside the feet.
void placeEndMoments(Labels &labels, const FrameDiagram &f, const FramePlacement &placed, double lh)
{
    const double h = f.frame.height;
    const double l = f.frame.span;
    const QPointF A = placed.A, B = placed.map({0, h}), C = placed.map({l, h}), D = placed.map({l, 0});
    const QString labelB = endMomentText("MB", f.MB, f.momentUnit), labelC = endMomentText("MC", f.MC, f.momentUnit);
    const QSizeF sizeB = labels.size(labelB), sizeC = labels.size(labelC);
    const double g = lh * 0.3;
    labels.place(labelB, {B + QPointF(-sizeB.width() - g, -sizeB.height() - g),
                          B + QPointF(-sizeB.width() / 2, -sizeB.height() - g), B + QPointF(-sizeB.width() - g, g),
                          B + QPointF(g, g)});
    labels.place(labelC, {C + QPointF(g, -sizeC.height() - g), C + QPointF(-sizeC.width() / 2, -sizeC.height() - g),
                          C + QPointF(g, g), C + QPointF(-sizeC.width() - g, g)});
    if (f.frame.feet != mechanics::FrameFeet::Fixed)
        return;
    const QString labelA = endMomentText("MA", f.MA, f.momentUnit), labelD = endMomentText("MD", f.MD, f.momentUnit);
    const QSizeF sizeA = labels.size(labelA), sizeD = labels.size(labelD);
    labels.place(labelA, {A + QPointF(-sizeA.width() - (lh * 2.3), -sizeA.height()),
                          A + QPointF(-sizeA.width() - g, -sizeA.height() * 2), A + QPointF(g, -sizeA.height() * 2)});
    labels.place(labelD, {D + QPointF(lh * 2.3, -sizeD.height()), D + QPointF(g, -sizeD.height() * 2),
                          D + QPointF(-sizeD.width() - g, -sizeD.height() * 2)});
}

// The extremes inside the members (the corners and feet are labelled on their own): a dot on
// the moment line and its value with the place, clear of the frame and of every moment line.
void markInnerExtremes(QPainter &painter, Labels &labels, const FrameDiagram &f, const FramePlacement &placed,
                       const std::string &lengthUnit, double lh)
{
    const double g = lh * 0.3;
    for (std::size_t k = 0; k < 3; ++k) {
        const mechanics::FrameMemberResult &r = f.members[k].result;
        for (const mechanics::Extreme *e : {&f.members[k].extremes.largest, &f.members[k].extremes.smallest}) {
            if (e->at.empty() || e->value == 0)
                continue;
            const mechanics::Attained &at = e->at.front();
            if (at.x <= r.length * 1e-6 || at.x >= r.length * (1 - 1e-6))
                continue;
            const QPointF p = placed.onMomentLine(k, r.at(at.x), e->value);
            painter.setPen(Qt::NoPen);
            painter.setBrush(MomentInk);
            painter.drawEllipse(p, lh * 0.16, lh * 0.16);
            labels.avoid(QRectF(p - QPointF(lh * 0.16, lh * 0.16), QSizeF(lh * 0.32, lh * 0.32)));
            const QString text = QStringLiteral("M = ") + valueWithUnit(e->value, f.momentUnit) + QLatin1Char('\n') +
                                 framePlace(k, at.x, r.length, at.side, lengthUnit);
            const QSizeF size = labels.size(text);
            // First choice: beyond the dot, away from the member.
            const QPointF out = Inward[k] * (e->value >= 0 ? 1 : -1);
            const QPointF anchor = p + (out * (lh * 0.3));
            labels.place(text,
                         {anchor + QPointF(out.x() < 0 ? -size.width() : (out.x() > 0 ? 0 : -size.width() / 2),
                                           out.y() < 0 ? -size.height() : (out.y() > 0 ? 0 : -size.height() / 2)),
                          p + QPointF(g, g), p + QPointF(-size.width() - g, g), p + QPointF(g, -size.height() - g),
                          p + QPointF(-size.width() - g, -size.height() - g)},
                         MomentInk.darker(150), QRectF(), &p);
        }
    }
    painter.setBrush(Qt::NoBrush);
}

// The frame's members and its feet (pinned or fixed, named A and D), over the diagram.
void paintFrameOutline(QPainter &painter, const FrameDiagram &f, const FramePlacement &placed, double lh)
{
    const double h = f.frame.height;
    const double l = f.frame.span;
    const double s = placed.scale;
    Sketch sketch;
    const auto at = [&](double x, double y) { return Point{(x * s), -(y * s)}; };
    sketch.member(at(0, 0), at(0, h)).member(at(0, h), at(l, h)).member(at(l, h), at(l, 0));
    const SupportKind foot = f.frame.feet == mechanics::FrameFeet::Fixed ? SupportKind::Fixed : SupportKind::Pin;
    sketch.support(at(0, 0), foot, Side::Below, "A").support(at(l, 0), foot, Side::Below, "D");
    drawSketch(painter, sketch, lh * 0.7, 1, placed.A, QPointF(l * s / 2, 0));
}

}  // namespace

void paintFrame(QPainter &painter, const QRectF &area, const FrameDiagram &f, const std::string &lengthUnit,
                DiagramReport *report)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double lh = metrics.height();
    const double pad = figurePad(lh);
    const double h = f.frame.height;
    const double l = f.frame.span;
    // The frame and its diagram under the title, above the feet and their names, a line on each
    // side. The moments at the corners and feet find room beside them.
    const QRectF room = area.adjusted(pad + lh, pad + (lh * 1.5), -(pad + lh), -(pad + (lh * 1.3)));
    if (room.width() < 20 || room.height() < 20 || !(h > 0) || !(l > 0)) {
        paintTooSmall(painter, area);
        return;
    }
    const FramePlacement placed = placeFrame(room, f);

    const QString title = QStringLiteral("M  ") + qs(f.momentUnit) + QStringLiteral("   ") +
                          qs(shell::translated("Text", "on the tension side"));
    painter.setPen(Ink);
    const QRectF titleBox(area.left() + pad, area.top() + pad, metrics.horizontalAdvance(title), lh);
    drawTextIn(painter, metrics, titleBox, Qt::AlignLeft, title);

    Labels labels(metrics, area.adjusted(pad, pad, -pad, -pad));
    labels.avoid(titleBox);
    const QPointF A = placed.A, D = placed.map({l, 0});
    const QPolygonF members({A, placed.map({0, h}), placed.map({l, h}), D});
    labels.avoid(members);
    // The feet with their names.
    for (const QPointF &foot : {A, D})
        labels.avoid(QRectF(foot.x() - (lh * 2.2), foot.y() - (lh * 0.2), lh * 4.4, lh * 1.4));
    std::vector<QPolygonF> curves = paintMomentLines(painter, f, placed, lh, labels);
    placeEndMoments(labels, f, placed, lh);
    markInnerExtremes(painter, labels, f, placed, lengthUnit, lh);
    paintFrameOutline(painter, f, placed, lh);

    labels.draw(painter);
    if (report) {
        report->texts.push_back({title, titleBox, -1});
        labels.report(report, -1);
        report->lines.push_back(members);
        for (QPolygonF &curve : curves)
            report->lines.push_back(std::move(curve));
    }
}

namespace {

// The top of the stress axis: room above the current column and, for an empirical line, above
// its value at λ = 0; for Euler's hyperbola alone, its value at a quarter of the λ axis.
double stressAxisTop(const ColumnCurveDiagram &c, double current)
{
    double top = 0;
    if (c.empirical)
        top = std::max(c.empirical->a * 1.1, std::isfinite(current) ? current * 1.2 : 0.0);
    else
        top = std::max(std::isfinite(current) ? current * 1.5 : 0.0, c.euler(c.lambdaMax / 4));
    if (!(top > 0) || !std::isfinite(top))
        top = 1;
    return top;
}

// The plot of σk against λ: its rectangle, the stress axis, and the pixels of a slenderness and
// of a stress.
struct ColumnPlot {
    QRectF rect;
    ChartAxis axis;
    double lambdaMax = 1;
    double X(double lambda) const { return rect.left() + (rect.width() * lambda / lambdaMax); }
    double Y(double sigma) const
    {
        return rect.bottom() - (rect.height() * (sigma - axis.low) / (axis.high - axis.low));
    }
};

// Texts of the axes, each drawn where it is reported.
class AxisTexts
{
public:
    AxisTexts(QPainter &painter, const QFontMetricsF &metrics) : m_painter(painter), m_metrics(metrics) {}
    // The text one line high at `at`, aligned in the `width` from `from` (its own width where
    // aligned left).
    void write(const QString &text, double from, double at, Qt::Alignment alignment, double width)
    {
        const double own = m_metrics.horizontalAdvance(text);
        const double x = alignment & Qt::AlignRight     ? from + width - own
                         : alignment & Qt::AlignHCenter ? from + ((width - own) / 2)
                                                        : from;
        const QRectF box(x, at, own, m_metrics.height());
        drawTextIn(m_painter, m_metrics, box, Qt::AlignLeft, text);
        m_texts.push_back({text, box, -1});
    }
    const std::vector<DiagramReport::Text> &texts() const { return m_texts; }

private:
    QPainter &m_painter;
    const QFontMetricsF &m_metrics;
    std::vector<DiagramReport::Text> m_texts;
};

// The grid with round ticks on both axes, their values, the names of the axes and the axes.
void paintColumnAxes(QPainter &painter, AxisTexts &texts, const ColumnPlot &plot, const ColumnCurveDiagram &c,
                     const QRectF &area, double pad, double lh)
{
    const ChartAxis &axis = plot.axis;
    painter.setPen(Ink);
    texts.write(QStringLiteral("σk  ") + qs(c.stressUnit), area.left() + pad, area.top() + pad, Qt::AlignLeft, 0);
    for (int i = 0; i <= axis.intervals; ++i) {
        const double value = axis.low + (i * axis.step);
        painter.setPen(QPen(GridInk, 1));
        painter.drawLine(QPointF(plot.rect.left(), plot.Y(value)), QPointF(plot.rect.right(), plot.Y(value)));
        painter.setPen(AxisInk);
        texts.write(qs(diagramNumber(value)), area.left(), plot.Y(value) - (lh / 2), Qt::AlignRight,
                    plot.rect.left() - area.left() - (lh * 0.3));
    }
    const double step = roundStep(c.lambdaMax / std::max(1.0, plot.rect.width() / (lh * 3.5)));
    for (int i = 0; i * step <= c.lambdaMax * (1 + 1e-9); ++i) {
        const double x = plot.X(i * step);
        painter.setPen(QPen(GridInk, 1));
        painter.drawLine(QPointF(x, plot.rect.top()), QPointF(x, plot.rect.bottom()));
        painter.setPen(AxisInk);
        texts.write(qs(diagramNumber(i * step)), x - (lh * 2), plot.rect.bottom() + (lh * 0.15), Qt::AlignHCenter,
                    lh * 4);
    }
    // λ at the end of its axis, above the row of its ticks.
    texts.write(QStringLiteral("λ"), plot.rect.right() + (lh * 0.2), plot.rect.bottom() - (lh * 1.1), Qt::AlignLeft, 0);
    painter.setPen(QPen(AxisInk, 1));
    painter.drawLine(plot.rect.bottomLeft(), plot.rect.bottomRight());
    painter.drawLine(plot.rect.bottomLeft(), plot.rect.topLeft());
}

// Euler's hyperbola and, where the column has one, the empirical line with the λ0 between them,
// clipped to the plot and named; the lines as the clip leaves them.
std::vector<QPolygonF> paintStressCurves(QPainter &painter, Labels &labels, const ColumnPlot &plot,
                                         const ColumnCurveDiagram &c, double lh)
{
    painter.save();
    painter.setClipRect(plot.rect.adjusted(-2, -2, 2, 2));
    std::vector<QPolygonF> lines;
    const auto trace = [&](double from, double to, const std::function<double(double)> &sigma, const QPen &pen) {
        QPolygonF line;
        const int steps = 240;
        for (int i = 0; i <= steps; ++i) {
            const double lambda = from + ((to - from) * i / steps);
            const double value = sigma(lambda);
            if (std::isfinite(value))
                line << QPointF(plot.X(lambda), plot.Y(std::min(value, plot.axis.high * 4)));
        }
        painter.setPen(pen);
        painter.drawPolyline(line);
        // What the clip leaves of it is what labels keep clear of.
        QPolygonF shown;
        for (const QPointF &p : line)
            if (p.y() >= plot.rect.top() - 2)
                shown << p;
        labels.avoid(shown);
        lines.push_back(shown);
    };
    const double width = std::max(1.5, lh * 0.13);
    const auto eulerCurve = [&](double lambda) { return c.euler(lambda); };
    if (c.empirical) {
        const double l0 = c.empirical->lambda0;
        // Euler's hyperbola through the empirical value at λ0, dotted where the line governs.
        const double atLimit = c.empiricalAt(l0);
        const auto through = [&](double lambda) { return atLimit * (l0 * l0) / (lambda * lambda); };
        trace(l0 * 0.45, l0, through, QPen(EulerInk, 1, Qt::DotLine));
        trace(l0, c.lambdaMax, eulerCurve, QPen(EulerInk, width));
        trace(
            0, l0, [&](double lambda) { return c.empiricalAt(lambda); }, QPen(EmpiricalInk, width));
        painter.setPen(QPen(AxisInk, 1, Qt::DashLine));
        painter.drawLine(QPointF(plot.X(l0), plot.rect.top()), QPointF(plot.X(l0), plot.rect.bottom()));
        labels.place(QStringLiteral("λ0 = ") + qs(diagramNumber(l0)),
                     {{plot.X(l0) + (lh * 0.2), plot.rect.top()}, {plot.X(l0) - (lh * 5), plot.rect.top()}});
        // Named away from the current column.
        const double named = std::isfinite(c.lambda) && c.lambda < 0.5 * l0 ? 0.75 * l0 : 0.25 * l0;
        const QPointF onLine(plot.X(named), plot.Y(c.empiricalAt(named)));
        labels.place(qs(shell::translated("Text", "empirical")),
                     {onLine + QPointF(0, lh * 0.3), onLine - QPointF(0, lh * 1.3)}, EmpiricalInk.darker(130));
    } else {
        trace(c.lambdaMax / 400, c.lambdaMax, eulerCurve, QPen(EulerInk, width));
    }
    painter.restore();
    const double farEnd = c.lambdaMax * 0.9;
    const QPointF onEuler(plot.X(farEnd), plot.Y(c.euler(farEnd)));
    labels.place(QStringLiteral("Euler"), {onEuler - QPointF(lh * 2, lh * 1.3), onEuler + QPointF(-lh * 2, lh * 0.3)},
                 EulerInk.darker(130));
    return lines;
}

}  // namespace

void paintColumnCurve(QPainter &painter, const QRectF &area, const ColumnCurveDiagram &c, DiagramReport *report)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double lh = metrics.height();
    const double pad = figurePad(lh);
    const double current = c.stressAt(c.lambda);
    const double left = area.left() + pad + metrics.horizontalAdvance(QStringLiteral("00000000")) + (lh * 0.4);
    ColumnPlot plot;
    plot.rect = QRectF(QPointF(left, area.top() + pad + (lh * 1.7)),
                       QPointF(area.right() - pad - (lh * 1.5), area.bottom() - pad - (lh * 1.3)));
    if (plot.rect.width() < 20 || plot.rect.height() < 20) {
        paintTooSmall(painter, area);
        return;
    }
    plot.axis = chartAxis(0, stressAxisTop(c, current), std::max(1, static_cast<int>(plot.rect.height() / (lh * 1.5))));
    plot.lambdaMax = c.lambdaMax;

    AxisTexts texts(painter, metrics);
    paintColumnAxes(painter, texts, plot, c, area, pad, lh);
    Labels labels(metrics, plot.rect);
    std::vector<QPolygonF> lines = paintStressCurves(painter, labels, plot, c, lh);

    // The current column, its dot over every label.
    const bool marked = std::isfinite(current) && std::isfinite(c.lambda);
    const QPointF p(plot.X(std::min(c.lambda, c.lambdaMax)), plot.Y(std::min(current, plot.axis.high)));
    if (marked) {
        const QString text = QStringLiteral("λ = ") + qs(diagramNumber(c.lambda)) + QStringLiteral(",  σk = ") +
                             valueWithUnit(current, c.stressUnit);
        const QSizeF size = labels.size(text);
        labels.place(text,
                     {p + QPointF(lh * 0.5, -size.height() - (lh * 0.2)), p + QPointF(lh * 0.5, lh * 0.2),
                      p + QPointF(-size.width() - (lh * 0.5), -size.height() - (lh * 0.2))},
                     MarkInk.darker(130));
    }
    labels.draw(painter);
    if (report) {
        report->texts.insert(report->texts.end(), texts.texts().begin(), texts.texts().end());
        labels.report(report, -1);
        for (QPolygonF &line : lines)
            report->lines.push_back(std::move(line));
    }
    if (marked) {
        painter.setPen(QPen(MarkInk, 1.2));
        painter.setBrush(MarkInk);
        painter.drawEllipse(p, lh * 0.22, lh * 0.22);
        painter.setBrush(Qt::NoBrush);
    }
}

}  // namespace shell::diagramparts
