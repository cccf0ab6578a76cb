#include "shell/paint/diagrampainter.h"

#include "shell/paint/diagramparts.h"

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
