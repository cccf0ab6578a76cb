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

namespace {

// Where along a member of the frame a value stands, in the words an engineer marks it on the
// drawing: "column AB, 70 mm above A", "beam BC, 30 mm right of B", and on a line of its own
// at a jump the side of it: "below the jump".
QString framePlace(std::size_t member, double s, double length, mechanics::Side side, const std::string &lengthUnit)
{
    const QString unit = QLatin1Char(' ') + qs(lengthUnit);
    QString place;
    QString before, after;
    switch (member) {
    case 0:
        place = QStringLiteral("column AB, ") + qs(diagramNumber(s)) + unit + QStringLiteral(" above A");
        before = QStringLiteral("below");
        after = QStringLiteral("above");
        break;
    case 1:
        place = QStringLiteral("beam BC, ") + qs(diagramNumber(s)) + unit + QStringLiteral(" right of B");
        before = QStringLiteral("left of");
        after = QStringLiteral("right of");
        break;
    default:
        // CD runs from C down to D: s from C, so above D by the rest of the column.
        place = QStringLiteral("column CD, ") + qs(diagramNumber(length - s)) + unit + QStringLiteral(" above D");
        before = QStringLiteral("above");
        after = QStringLiteral("below");
        break;
    }
    if (side == mechanics::Side::Left)
        place += QLatin1Char('\n') + before + QStringLiteral(" the jump");
    else if (side == mechanics::Side::Right)
        place += QLatin1Char('\n') + after + QStringLiteral(" the jump");
    return place;
}

}  // namespace

void paintFrame(QPainter &painter, const QRectF &area, const FrameDiagram &f, const std::string &lengthUnit,
                DiagramReport *report)
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
    // The frame as large as the area holds it with its diagram, which reaches a quarter of the
    // shorter member out from the members: under the title, above the feet and their names,
    // a line on each side. The moments at the corners and feet find room beside them.
    const QRectF room = area.adjusted(pad + lh, pad + (lh * 1.5), -(pad + lh), -(pad + (lh * 1.3)));
    if (room.width() < 20 || room.height() < 20 || !(h > 0) || !(l > 0)) {
        paintMessage(painter, area, QStringLiteral("The diagrams need a larger window"));
        return;
    }
    const double shorter = std::min(l, h);
    const double reachShare = 0.25 * shorter;
    const double s = std::min(room.width() / (l + (2 * reachShare)), room.height() / (h + reachShare));
    const double reach = reachShare * s;
    const double momentScale = largest > 0 ? reach / largest : 0;
    // The frame with its reach centred in the room.
    const QPointF A(room.center().x() - (l * s / 2), room.center().y() + ((h + reachShare) * s / 2));
    const auto map = [&](mechanics::Point p) { return QPointF(A.x() + (p.x * s), A.y() - (p.y * s)); };
    // Inside of the frame: right of AB, below BC, left of CD.
    const QPointF inward[] = {{1, 0}, {0, 1}, {-1, 0}};

    painter.setPen(Ink);
    const QRectF titleBox(area.left() + pad, area.top() + pad, metrics.horizontalAdvance(title), lh);
    drawTextIn(painter, metrics, titleBox, Qt::AlignLeft, title);

    Labels labels(metrics, area.adjusted(pad, pad, -pad, -pad));
    labels.avoid(titleBox);
    const QPointF B = map({0, h}), C = map({l, h}), D = map({l, 0});
    const QPolygonF members({A, B, C, D});
    labels.avoid(members);
    // The feet with their names.
    for (const QPointF &foot : {A, D})
        labels.avoid(QRectF(foot.x() - (lh * 2.2), foot.y() - (lh * 0.2), lh * 4.4, lh * 1.4));
    std::vector<QPolygonF> curves;
    for (std::size_t k = 0; k < 3; ++k) {
        const mechanics::FrameMemberResult &r = f.members[k].result;
        QPolygonF curve;
        const std::vector<mechanics::Sample> samples = mechanics::samplePositions({&r.moment}, 120);
        for (const mechanics::Sample &sample : samples)
            curve << map(r.at(sample.x)) + (inward[k] * (mechanics::valueAt(r.moment, sample) * momentScale));
        QPolygonF fill = curve;
        fill << map(r.end) << map(r.start);
        painter.setPen(Qt::NoPen);
        painter.setBrush(areaFill(Quantity::Moment, true));
        painter.drawPolygon(fill);
        painter.setPen(QPen(MomentInk, std::max(1.5, lh * 0.12)));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(curve);
        labels.avoid(curve);
        curves.push_back(curve);
    }
    // The corner moments outside the corners, the feet moments beside the feet.
    const QString labelB = corner("MB", f.MB), labelC = corner("MC", f.MC);
    const QSizeF sizeB = labels.size(labelB), sizeC = labels.size(labelC);
    const double g = lh * 0.3;
    labels.place(labelB, {B + QPointF(-sizeB.width() - g, -sizeB.height() - g),
                          B + QPointF(-sizeB.width() / 2, -sizeB.height() - g), B + QPointF(-sizeB.width() - g, g),
                          B + QPointF(g, g)});
    labels.place(labelC, {C + QPointF(g, -sizeC.height() - g), C + QPointF(-sizeC.width() / 2, -sizeC.height() - g),
                          C + QPointF(g, g), C + QPointF(-sizeC.width() - g, g)});
    if (f.frame.feet == mechanics::FrameFeet::Fixed) {
        const QString labelA = corner("MA", f.MA), labelD = corner("MD", f.MD);
        const QSizeF sizeA = labels.size(labelA), sizeD = labels.size(labelD);
        labels.place(labelA,
                     {A + QPointF(-sizeA.width() - (lh * 2.3), -sizeA.height()),
                      A + QPointF(-sizeA.width() - g, -sizeA.height() * 2), A + QPointF(g, -sizeA.height() * 2)});
        labels.place(labelD, {D + QPointF(lh * 2.3, -sizeD.height()), D + QPointF(g, -sizeD.height() * 2),
                              D + QPointF(-sizeD.width() - g, -sizeD.height() * 2)});
    }
    // The extremes inside the members (the corners and feet are labelled on their own), clear
    // of the frame and of every moment line.
    for (std::size_t k = 0; k < 3; ++k) {
        const mechanics::FrameMemberResult &r = f.members[k].result;
        for (const mechanics::Extreme *e : {&f.members[k].extremes.largest, &f.members[k].extremes.smallest}) {
            if (e->at.empty() || e->value == 0)
                continue;
            const mechanics::Attained &at = e->at.front();
            if (at.x <= r.length * 1e-6 || at.x >= r.length * (1 - 1e-6))
                continue;
            const QPointF p = map(r.at(at.x)) + (inward[k] * (e->value * momentScale));
            painter.setPen(Qt::NoPen);
            painter.setBrush(MomentInk);
            painter.drawEllipse(p, lh * 0.16, lh * 0.16);
            labels.avoid(QRectF(p - QPointF(lh * 0.16, lh * 0.16), QSizeF(lh * 0.32, lh * 0.32)));
            const QString text = QStringLiteral("M = ") + valueWithUnit(e->value, f.momentUnit) + QLatin1Char('\n') +
                                 framePlace(k, at.x, r.length, at.side, lengthUnit);
            const QSizeF size = labels.size(text);
            const QPointF out = inward[k] * (e->value >= 0 ? 1 : -1);
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

    labels.draw(painter);
    if (report) {
        report->texts.push_back({title, titleBox, -1});
        labels.report(report, -1);
        report->lines.push_back(members);
        for (QPolygonF &curve : curves)
            report->lines.push_back(std::move(curve));
    }
}

void paintColumnCurve(QPainter &painter, const QRectF &area, const ColumnCurveDiagram &c, DiagramReport *report)
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
    const QRectF plot(QPointF(left, area.top() + pad + (lh * 1.7)),
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

    // Grid, ticks and the axis names, each text where it is reported.
    std::vector<DiagramReport::Text> texts;
    const auto write = [&](const QString &text, double from, double at, Qt::Alignment alignment, double width) {
        const double own = metrics.horizontalAdvance(text);
        const double x = alignment & Qt::AlignRight     ? from + width - own
                         : alignment & Qt::AlignHCenter ? from + ((width - own) / 2)
                                                        : from;
        const QRectF box(x, at, own, lh);
        drawTextIn(painter, metrics, box, Qt::AlignLeft, text);
        texts.push_back({text, box, -1});
    };
    painter.setPen(Ink);
    write(QStringLiteral("σk  ") + qs(c.stressUnit), area.left() + pad, area.top() + pad, Qt::AlignLeft, 0);
    for (int i = 0; i <= axis.intervals; ++i) {
        const double value = axis.low + (i * axis.step);
        painter.setPen(QPen(GridInk, 1));
        painter.drawLine(QPointF(plot.left(), Y(value)), QPointF(plot.right(), Y(value)));
        painter.setPen(AxisInk);
        write(qs(diagramNumber(value)), area.left(), Y(value) - (lh / 2), Qt::AlignRight,
              plot.left() - area.left() - (lh * 0.3));
    }
    const double step = roundStep(c.lambdaMax / std::max(1.0, plot.width() / (lh * 3.5)));
    for (int i = 0; i * step <= c.lambdaMax * (1 + 1e-9); ++i) {
        const double x = X(i * step);
        painter.setPen(QPen(GridInk, 1));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(AxisInk);
        write(qs(diagramNumber(i * step)), x - (lh * 2), plot.bottom() + (lh * 0.15), Qt::AlignHCenter, lh * 4);
    }
    // λ at the end of its axis, above the row of its ticks.
    write(QStringLiteral("λ"), plot.right() + (lh * 0.2), plot.bottom() - (lh * 1.1), Qt::AlignLeft, 0);
    painter.setPen(QPen(AxisInk, 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    Labels labels(metrics, plot);
    painter.save();
    painter.setClipRect(plot.adjusted(-2, -2, 2, 2));
    std::vector<QPolygonF> lines;
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
        // What the clip leaves of it is what labels keep clear of.
        QPolygonF shown;
        for (const QPointF &p : line)
            if (p.y() >= plot.top() - 2)
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
    if (report) {
        report->texts.insert(report->texts.end(), texts.begin(), texts.end());
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
