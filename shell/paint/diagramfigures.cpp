// The figures other than a straight member: a portal frame with its moment diagram and a
// column curve.

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

void paintFrame(QPainter &painter, const QRectF &area, const FrameDiagram &f, const std::string &lengthUnit)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double lh = metrics.height();
    const double pad = std::max(2.0, lh * 0.35);
    const double h = f.frame.height;
    const double l = f.frame.span;
    double largest = 0;
    for (const FrameMemberDiagram &m : f.members)
        largest = std::max(largest, magnitude(m.extremes));

    const QString title = QStringLiteral("M  ") + qs(f.momentUnit) + QStringLiteral("   on the tension side");
    const auto corner = [&](const char *name, double value) -> QString {
        return QString::fromLatin1(name) + QStringLiteral(" = ") + valueWithUnit(value, f.momentUnit);
    };
    const QString labelB = corner("MB", f.MB), labelC = corner("MC", f.MC);
    const double side = std::max(metrics.horizontalAdvance(labelB), metrics.horizontalAdvance(labelC)) * 0.6 + pad;
    const QRectF room = area.adjusted(pad + side, pad + (lh * 2.2), -(pad + side), -(pad + (lh * 1.6)));
    if (room.width() < 20 || room.height() < 20 || !(h > 0) || !(l > 0)) {
        paintMessage(painter, area, QStringLiteral("The diagrams need a larger window"));
        return;
    }
    // The diagram reaches a quarter of the shorter member out from the frame on either side.
    const double shorter = std::min(l, h);
    const double s = std::min(room.width() / (l + (0.5 * shorter)), room.height() / (h + (0.5 * shorter)));
    const double reach = 0.25 * shorter * s;
    const double momentScale = largest > 0 ? reach / largest : 0;
    const QPointF A(room.center().x() - (l * s / 2), room.center().y() + (h * s / 2));
    const auto map = [&](mechanics::Point p) { return QPointF(A.x() + (p.x * s), A.y() - (p.y * s)); };
    // Inside of the frame: right of AB, below BC, left of CD.
    const QPointF inward[] = {{1, 0}, {0, 1}, {-1, 0}};

    painter.setPen(Ink);
    painter.drawText(QRectF(area.left() + pad, area.top() + pad, area.width() - (2 * pad), lh),
                     Qt::AlignLeft | Qt::AlignVCenter, title);

    Labels labels(metrics, area.adjusted(pad, pad + lh, -pad, -pad));
    for (std::size_t k = 0; k < 3; ++k) {
        const mechanics::FrameMemberResult &r = f.members[k].result;
        QPolygonF curve;
        QPainterPath fill;
        const std::vector<mechanics::Sample> samples = mechanics::samplePositions({&r.moment}, 120);
        fill.moveTo(map(r.start));
        for (const mechanics::Sample &sample : samples) {
            const QPointF p = map(r.at(sample.x)) + (inward[k] * (mechanics::valueAt(r.moment, sample) * momentScale));
            curve << p;
            fill.lineTo(p);
        }
        fill.lineTo(map(r.end));
        fill.closeSubpath();
        painter.fillPath(fill, areaFill(Quantity::Moment, true));
        painter.setPen(QPen(MomentInk, std::max(1.5, lh * 0.12)));
        painter.drawPolyline(curve);
        // Extremes inside the member (the corners are labelled on their own).
        for (const mechanics::Extreme *e : {&f.members[k].extremes.largest, &f.members[k].extremes.smallest}) {
            if (e->at.empty() || e->value == 0)
                continue;
            const double at = e->at.front().x;
            if (at <= r.length * 1e-6 || at >= r.length * (1 - 1e-6))
                continue;
            const QPointF p = map(r.at(at)) + (inward[k] * (e->value * momentScale));
            painter.setPen(Qt::NoPen);
            painter.setBrush(MomentInk);
            painter.drawEllipse(p, lh * 0.16, lh * 0.16);
            const QString text = QStringLiteral("M = ") + valueWithUnit(e->value, f.momentUnit) +
                                 QStringLiteral(" at ") + qs(diagramNumber(at)) + QLatin1Char(' ') + qs(lengthUnit) +
                                 QStringLiteral(" from ") + qs(f.members[k].name.substr(0, 1));
            const QSizeF size = labels.size(text);
            const QPointF out = inward[k] * (e->value >= 0 ? 1 : -1);
            const QPointF anchor = p + (out * (lh * 0.3));
            labels.place(text,
                         {anchor + QPointF(out.x() < 0 ? -size.width() : (out.x() > 0 ? 0 : -size.width() / 2),
                                           out.y() < 0 ? -size.height() : (out.y() > 0 ? 0 : -size.height() / 2)),
                          p + QPointF(lh * 0.3, lh * 0.3), p + QPointF(-size.width() - (lh * 0.3), lh * 0.3)},
                         MomentInk.darker(150));
        }
    }
    painter.setBrush(Qt::NoBrush);

    // The frame and its feet over the diagram.
    Sketch sketch;
    const auto at = [&](double x, double y) { return Point{(x * s), -(y * s)}; };
    sketch.member(at(0, 0), at(0, h)).member(at(0, h), at(l, h)).member(at(l, h), at(l, 0));
    const SupportKind foot = f.frame.feet == mechanics::FrameFeet::Fixed ? SupportKind::Fixed : SupportKind::Pin;
    sketch.support(at(0, 0), foot, Side::Below, "A").support(at(l, 0), foot, Side::Below, "D");
    std::vector<const SketchElement *> elements;
    for (const SketchElement &e : sketch.elements())
        elements.push_back(&e);
    const sketchcanvas::Metrics m = sketchcanvas::metricsFor(painter.font(), lh * 0.7);
    painter.save();  // the canvas sets its own font for the names of the feet
    sketchcanvas::Canvas canvas(&painter, m, painter.device(), 1, A, QPointF(l * s / 2, 0));
    sketchcanvas::drawAll(canvas, elements);
    painter.restore();

    // The corner moments outside the corners, the feet moments beside the feet.
    const QPointF B = map({0, h}), C = map({l, h});
    const QSizeF sizeB = labels.size(labelB), sizeC = labels.size(labelC);
    labels.place(labelB, {B + QPointF(-sizeB.width() - (lh * 0.3), -sizeB.height() - (lh * 0.2)),
                          B + QPointF(-sizeB.width() / 2, -sizeB.height() - (lh * 0.2))});
    labels.place(labelC, {C + QPointF(lh * 0.3, -sizeC.height() - (lh * 0.2)),
                          C + QPointF(-sizeC.width() / 2, -sizeC.height() - (lh * 0.2))});
    if (f.frame.feet == mechanics::FrameFeet::Fixed) {
        const QString labelA = corner("MA", f.MA), labelD = corner("MD", f.MD);
        const QSizeF sizeA = labels.size(labelA), sizeD = labels.size(labelD);
        const QPointF D = map({l, 0});
        labels.place(labelA, {A + QPointF(-sizeA.width() - (lh * 0.6), -sizeA.height()),
                              A + QPointF(lh * 0.6, -sizeA.height() * 2)});
        labels.place(labelD, {D + QPointF(lh * 0.6, -sizeD.height()),
                              D + QPointF(-sizeD.width() - (lh * 0.6), -sizeD.height() * 2)});
    }
    labels.draw(painter);
}

void paintColumnCurve(QPainter &painter, const QRectF &area, const ColumnCurveDiagram &c)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double lh = metrics.height();
    const double pad = std::max(2.0, lh * 0.35);
    const double current = c.stressAt(c.lambda);
    double top = 0;
    if (c.empirical)
        top = std::max(c.empirical->a * 1.1, std::isfinite(current) ? current * 1.2 : 0.0);
    else
        top = std::max(std::isfinite(current) ? current * 1.5 : 0.0, c.euler(c.lambdaMax / 4));
    if (!(top > 0) || !std::isfinite(top))
        top = 1;

    const double left = area.left() + pad + metrics.horizontalAdvance(QStringLiteral("00000000")) + (lh * 0.4);
    const QRectF plot(QPointF(left, area.top() + pad + (lh * 1.4)),
                      QPointF(area.right() - pad - (lh * 1.5), area.bottom() - pad - (lh * 1.3)));
    if (plot.width() < 20 || plot.height() < 20) {
        paintMessage(painter, area, QStringLiteral("The diagrams need a larger window"));
        return;
    }
    const ChartAxis axis = chartAxis(0, top, std::max(1, static_cast<int>(plot.height() / (lh * 1.5))));
    const auto X = [&](double lambda) { return plot.left() + (plot.width() * lambda / c.lambdaMax); };
    const auto Y = [&](double sigma) {
        return plot.bottom() - (plot.height() * (sigma - axis.low) / (axis.high - axis.low));
    };

    // Grid, ticks and the axis names.
    painter.setPen(Ink);
    painter.drawText(QRectF(area.left() + pad, area.top() + pad, area.width(), lh), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("σk  ") + qs(c.stressUnit));
    for (int i = 0; i <= axis.intervals; ++i) {
        const double value = axis.low + (i * axis.step);
        painter.setPen(QPen(GridInk, 1));
        painter.drawLine(QPointF(plot.left(), Y(value)), QPointF(plot.right(), Y(value)));
        painter.setPen(AxisInk);
        painter.drawText(QRectF(area.left(), Y(value) - (lh / 2), plot.left() - area.left() - (lh * 0.3), lh),
                         Qt::AlignRight | Qt::AlignVCenter, qs(diagramNumber(value)));
    }
    const double step = roundStep(c.lambdaMax / std::max(1.0, plot.width() / (lh * 3.5)));
    for (int i = 0; i * step <= c.lambdaMax * (1 + 1e-9); ++i) {
        const double x = X(i * step);
        painter.setPen(QPen(GridInk, 1));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(AxisInk);
        painter.drawText(QRectF(x - (lh * 2), plot.bottom() + (lh * 0.15), lh * 4, lh), Qt::AlignCenter,
                         qs(diagramNumber(i * step)));
    }
    painter.drawText(QRectF(plot.right() + (lh * 0.2), plot.bottom() - (lh * 0.5), lh * 1.5, lh),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("λ"));
    painter.setPen(QPen(AxisInk, 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    Labels labels(metrics, plot);
    painter.save();
    painter.setClipRect(plot.adjusted(-2, -2, 2, 2));
    const auto trace = [&](double from, double to, const std::function<double(double)> &sigma, const QPen &pen) {
        QPolygonF line;
        const int steps = 240;
        for (int i = 0; i <= steps; ++i) {
            const double lambda = from + ((to - from) * i / steps);
            const double value = sigma(lambda);
            if (std::isfinite(value))
                line << QPointF(X(lambda), Y(std::min(value, axis.high * 4)));
        }
        painter.setPen(pen);
        painter.drawPolyline(line);
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
        painter.drawLine(QPointF(X(l0), plot.top()), QPointF(X(l0), plot.bottom()));
        labels.place(QStringLiteral("λ0 = ") + qs(diagramNumber(l0)),
                     {{X(l0) + (lh * 0.2), plot.top()}, {X(l0) - (lh * 5), plot.top()}});
        // Named away from the current column.
        const double named = std::isfinite(c.lambda) && c.lambda < 0.5 * l0 ? 0.75 * l0 : 0.25 * l0;
        const QPointF onLine(X(named), Y(c.empiricalAt(named)));
        labels.place(QStringLiteral("empirical"), {onLine + QPointF(0, lh * 0.3), onLine - QPointF(0, lh * 1.3)},
                     EmpiricalInk.darker(130));
    } else {
        trace(c.lambdaMax / 400, c.lambdaMax, eulerCurve, QPen(EulerInk, width));
    }
    painter.restore();
    const double farEnd = c.lambdaMax * 0.9;
    const QPointF onEuler(X(farEnd), Y(c.euler(farEnd)));
    labels.place(QStringLiteral("Euler"), {onEuler - QPointF(lh * 2, lh * 1.3), onEuler + QPointF(-lh * 2, lh * 0.3)},
                 EulerInk.darker(130));

    // The current column, its dot over every label.
    const bool marked = std::isfinite(current) && std::isfinite(c.lambda);
    const QPointF p(X(std::min(c.lambda, c.lambdaMax)), Y(std::min(current, axis.high)));
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
    if (marked) {
        painter.setPen(QPen(MarkInk, 1.2));
        painter.setBrush(MarkInk);
        painter.drawEllipse(p, lh * 0.22, lh * 0.22);
        painter.setBrush(Qt::NoBrush);
    }
}

}  // namespace shell::diagramparts
