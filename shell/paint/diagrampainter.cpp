#include "shell/paint/diagrampainter.h"

#include "shell/core/language.h"

#include "shell/paint/diagramparts.h"

#include <QFontMetricsF>
#include <QPainter>
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
    return caption + tickWidth(diagrams, metrics) + (metrics.height() * 0.9);
}

// The heights of the parts of a member's block, in pixels.
struct BlockParts {
    double pad, title, drawing, gap, axis;
    explicit BlockParts(double lineHeight)
        : pad(figurePad(lineHeight)), title(lineHeight), drawing((lineHeight * 0.55 * 3.9) + (lineHeight * 0.2)),
          gap(lineHeight * 0.45), axis(lineHeight * 1.2)
    {
    }
    // What a block of `height` leaves each of its `strips`.
    double stripHeight(double height, bool named, std::size_t strips) const
    {
        const double fixed = (2 * pad) + (named ? title : 0) + drawing + axis + (gap * static_cast<double>(strips));
        return (height - fixed) / static_cast<double>(std::max<std::size_t>(strips, 1));
    }
    double least(bool named, std::size_t strips, double lineHeight) const
    {
        return (2 * pad) + (named ? title : 0) + drawing + axis +
               ((gap + (LeastStripLines * lineHeight)) * static_cast<double>(strips));
    }
};

std::size_t mostStrips(const CaseDiagrams &diagrams, const DiagramOptions &options)
{
    std::size_t most = 1;
    for (const MemberDiagram &member : diagrams.members)
        most = std::max(most, shownQuantities(member, options).size());
    return most;
}

// Two members stand side by side where each keeps a readable width; in a low area where one
// under the other would leave strips below their least height, where each keeps a narrower
// width still; else one under the other.
bool sideBySide(const QRectF &area, const CaseDiagrams &diagrams, const DiagramOptions &options,
                const QFontMetricsF &metrics)
{
    const auto count = static_cast<double>(diagrams.members.size());
    const double lineHeight = metrics.height();
    if (count < 2 || area.width() / count < 18 * lineHeight)
        return false;
    if (area.width() / count >= LeastBlockWidthLines * lineHeight)
        return true;
    const BlockParts parts(lineHeight);
    const std::size_t strips = mostStrips(diagrams, options);
    return parts.stripHeight(area.height() / count, true, strips) < LeastStripLines * lineHeight;
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
    const BlockParts parts(lineHeight);
    const bool across = sideBySide(area, diagrams, options, metrics);
    const double margin = leftMargin(diagrams, metrics);
    for (int i = 0; i < count; ++i) {
        QRectF room = area;
        if (count > 1) {
            if (across)
                room =
                    QRectF(area.left() + (area.width() * i / count), area.top(), area.width() / count, area.height());
            else
                room =
                    QRectF(area.left(), area.top() + (area.height() * i / count), area.width(), area.height() / count);
        }
        room = room.adjusted(parts.pad, parts.pad, -parts.pad, -parts.pad);
        MemberBlock b;
        b.member = i;
        const MemberDiagram &member = diagrams.members[static_cast<std::size_t>(i)];
        double top = room.top();
        if (!member.name.empty() || member.train) {
            b.title = QRectF(room.left(), top, room.width(), parts.title);
            top += parts.title;
        }
        b.plotLeft = room.left() + margin;
        b.plotRight = std::max(b.plotLeft + 1, room.right() - (lineHeight * 0.8));
        b.right = room.right();
        b.drawing = QRectF(room.left(), top, room.width(), parts.drawing);
        top += parts.drawing;
        b.axisBottom = room.bottom();
        const std::vector<Quantity> shown = shownQuantities(member, options);
        const double total = room.bottom() - parts.axis - top;
        const double each =
            (total - (parts.gap * static_cast<double>(shown.size()))) / static_cast<double>(shown.size());
        for (std::size_t k = 0; k < shown.size(); ++k) {
            const double stripTop = top + parts.gap + (static_cast<double>(k) * (each + parts.gap));
            b.strips.emplace_back(shown[k], QRectF(room.left(), stripTop, room.width(), std::max(each, 1.0)));
        }
        blocks.push_back(b);
    }
    return blocks;
}

double leastDiagramHeight(const CaseDiagrams &diagrams, const DiagramOptions &options, const QFontMetricsF &metrics,
                          double width)
{
    const double lineHeight = metrics.height();
    switch (diagrams.kind) {
    case CaseDiagrams::Kind::Members: {
        const BlockParts parts(lineHeight);
        const std::size_t strips = mostStrips(diagrams, options);
        const bool named =
            diagrams.members.size() > 1 || std::any_of(diagrams.members.begin(), diagrams.members.end(),
                                                       [](const MemberDiagram &m) { return m.train.has_value(); });
        const double block = parts.least(named, strips, lineHeight);
        const auto count = static_cast<double>(diagrams.members.size());
        const bool across = count > 1 && width / count >= LeastBlockWidthLines * lineHeight;
        return std::ceil(across ? block : block * count);
    }
    case CaseDiagrams::Kind::Frame:
        return std::ceil(lineHeight * 24);
    case CaseDiagrams::Kind::Column:
        return std::ceil(lineHeight * 14);
    case CaseDiagrams::Kind::Section:
        return std::ceil(lineHeight * 12);
    default:
        return std::ceil(lineHeight * 4);
    }
}

namespace {

// The member's name in bold over its block, where the case has several members; after it, for a
// member under a moving load, where the load stands for the largest moment, in words.
void writeMemberName(QPainter &painter, const QFontMetricsF &metrics, const MemberBlock &b, const MemberDiagram &member,
                     const std::string &lengthUnit, std::vector<DiagramReport::Text> &texts)
{
    if (b.title.isEmpty())
        return;
    painter.setPen(Ink);
    QFont bold = painter.font();
    bold.setBold(true);
    painter.save();
    painter.setFont(bold);
    const QFontMetricsF boldMetrics(bold, painter.device());
    const QString name = qs(member.name);
    drawTextIn(painter, boldMetrics, b.title, Qt::AlignLeft, name);
    const double nameWidth = name.isEmpty() ? 0 : boldMetrics.horizontalAdvance(name);
    if (!name.isEmpty())
        texts.push_back({name, QRectF(b.title.topLeft(), QSizeF(nameWidth, b.title.height())), b.member});
    painter.restore();
    const double left = b.title.left() + nameWidth + (name.isEmpty() ? 0 : metrics.height() * 0.6);
    const QString words = metrics.elidedText(qs(trainPlacementText(member, Quantity::Moment, lengthUnit)),
                                             Qt::ElideRight, b.title.right() - left);
    if (words.isEmpty())
        return;
    const QRectF box(left, b.title.top(), metrics.horizontalAdvance(words), b.title.height());
    painter.setPen(AxisInk);
    drawTextIn(painter, metrics, box, Qt::AlignLeft, words);
    texts.push_back({words, box, b.member});
}

// The x axis shared by a member's strips: round steps about four lines apart, from the top of the
// first strip to the bottom of the last.
struct MemberAxis {
    double length = 1;
    double step = 1;
    double stripsTop = 0;
    double stripsBottom = 0;
    // How many ticks stand on the member: 0, step, 2 step, ... up to its length.
    int ticks() const
    {
        int n = 0;
        while (n * step <= length * (1 + 1e-9))
            ++n;
        return n;
    }
};

MemberAxis memberAxis(const MemberBlock &b, double length, double lineHeight)
{
    MemberAxis axis;
    axis.length = length;
    axis.stripsTop = b.strips.front().second.top();
    axis.stripsBottom = b.strips.back().second.bottom();
    const int most = std::max(1, static_cast<int>((b.plotRight - b.plotLeft) / (lineHeight * 4)));
    axis.step = roundStep(length / most);
    return axis;
}

// The vertical grid at the round x through every strip.
void paintXGrid(QPainter &painter, const MemberBlock &b, const MemberAxis &axis)
{
    std::vector<QLineF> grid;
    const int ticks = axis.ticks();
    for (int i = 0; i < ticks; ++i) {
        const double x = b.xAt(i * axis.step, axis.length);
        grid.emplace_back(QPointF(x, axis.stripsTop), QPointF(x, axis.stripsBottom));
    }
    drawCrispLines(painter, grid, GridInk);
}

// The x axis under the last strip: its line, the ticks and their values where they stand clear
// of the one before, and the axis name with its unit at the left.
void paintXAxis(QPainter &painter, const QFontMetricsF &metrics, const MemberBlock &b, const MemberAxis &axis,
                const std::string &lengthUnit, std::vector<DiagramReport::Text> &texts)
{
    const double lineHeight = metrics.height();
    std::vector<QLineF> tickMarks;
    const int ticks = axis.ticks();
    for (int i = 0; i < ticks; ++i) {
        const double x = b.xAt(i * axis.step, axis.length);
        tickMarks.emplace_back(QPointF(x, axis.stripsBottom), QPointF(x, axis.stripsBottom + (lineHeight * 0.25)));
    }
    tickMarks.emplace_back(QPointF(b.plotLeft, axis.stripsBottom), QPointF(b.plotRight, axis.stripsBottom));
    drawCrispLines(painter, tickMarks, AxisInk);
    painter.setPen(AxisInk);
    double lastRight = -1e300;
    const double axisTop = axis.stripsBottom + (lineHeight * 0.2);
    const QString axisName = QStringLiteral("x  ") + qs(lengthUnit);
    const QRectF axisNameBox(QPointF(b.drawing.left(), axisTop),
                             QPointF(b.plotLeft - (lineHeight * 0.5), axisTop + lineHeight));
    for (int i = 0; i < ticks; ++i) {
        const double x = b.xAt(i * axis.step, axis.length);
        const QString text = qs(diagramNumber(i * axis.step));
        const double width = metrics.horizontalAdvance(text);
        if (x - (width / 2) > lastRight + (lineHeight * 0.3)) {
            const QRectF box(x - (width / 2), axisTop, width, lineHeight);
            drawTextIn(painter, metrics, box, Qt::AlignHCenter, text);
            texts.push_back({text, box, b.member});
            lastRight = x + (width / 2);
        }
    }
    drawTextIn(painter, metrics, axisNameBox, Qt::AlignRight, axisName);
    const double axisNameWidth = metrics.horizontalAdvance(axisName);
    texts.push_back(
        {axisName, QRectF(axisNameBox.right() - axisNameWidth, axisTop, axisNameWidth, lineHeight), b.member});
}

// The typed positions: a dashed line through the member and every strip, named at the top clear
// of the values of the loads.
void paintTypedPositions(QPainter &painter, const MemberBlock &b, const MemberDiagram &member, const MemberAxis &axis,
                         double lineHeight, Labels &top)
{
    for (const Mark &mark : member.marks) {
        // On a whole pixel, so that the thin line stays crisp.
        const double x = std::round(b.xAt(mark.x, axis.length) - 0.5) + 0.5;
        QPen pen(MarkInk, 1, Qt::DashLine);
        painter.setPen(pen);
        painter.drawLine(QPointF(x, b.drawing.top() + lineHeight), QPointF(x, axis.stripsBottom));
        top.place(qs(mark.label),
                  {{x + 2, b.drawing.top()}, {x - 2 - top.size(qs(mark.label)).width(), b.drawing.top()}}, MarkInk);
    }
}

// One member's block: its name, the grid, a strip per quantity, the x axis, the member with its
// loads and the typed positions, and the labels over them all.
void paintMemberBlock(QPainter &painter, const QFontMetricsF &metrics, const MemberBlock &b,
                      const CaseDiagrams &diagrams, DiagramReport *report)
{
    const double lineHeight = metrics.height();
    const MemberDiagram &member = diagrams.members[static_cast<std::size_t>(b.member)];
    std::vector<DiagramReport::Text> texts;
    writeMemberName(painter, metrics, b, member, diagrams.lengthUnit, texts);
    const MemberAxis axis = memberAxis(b, member.length(), lineHeight);
    paintXGrid(painter, b, axis);

    Labels labels(metrics, QRectF(QPointF(b.plotLeft, axis.stripsTop), QPointF(b.right, axis.stripsBottom)));
    for (const auto &[quantity, strip] : b.strips) {
        DiagramReport::Strip drawn;
        drawn.member = b.member;
        paintStrip(painter, b, strip, *member.curve(quantity), member, diagrams.lengthUnit, metrics, labels, texts,
                   drawn);
        if (report)
            report->strips.push_back(std::move(drawn));
    }
    paintXAxis(painter, metrics, b, axis, diagrams.lengthUnit, texts);

    Labels top(metrics, QRectF(QPointF(b.drawing.left(), b.drawing.top()), QPointF(b.right, b.drawing.bottom())));
    paintMember(painter, b, member, diagrams.units, metrics, top);
    paintTypedPositions(painter, b, member, axis, lineHeight, top);
    labels.draw(painter);
    top.draw(painter);
    if (report) {
        report->texts.insert(report->texts.end(), texts.begin(), texts.end());
        labels.report(report, b.member);
        top.report(report, b.member);
    }
}

void paintMembers(QPainter &painter, const QRectF &area, const CaseDiagrams &diagrams, const DiagramOptions &options,
                  DiagramReport *report)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double lineHeight = metrics.height();
    const std::vector<MemberBlock> blocks = layoutMembers(area, diagrams, options, metrics);
    for (const MemberBlock &b : blocks) {
        if (b.strips.empty() || b.strips.front().second.height() < lineHeight * 2) {
            paintTooSmall(painter, area);
            return;
        }
    }
    for (const MemberBlock &b : blocks)
        paintMemberBlock(painter, metrics, b, diagrams, report);
}

}  // namespace

void paintDiagrams(QPainter &painter, const QRectF &area, const CaseDiagrams &diagrams, const DiagramOptions &options,
                   DiagramReport *report)
{
    painter.save();
    painter.fillRect(area, Paper);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    switch (diagrams.kind) {
    case CaseDiagrams::Kind::Members:
        paintMembers(painter, area, diagrams, options, report);
        break;
    case CaseDiagrams::Kind::Frame:
        paintFrame(painter, area, *diagrams.frame, diagrams.lengthUnit, report);
        break;
    case CaseDiagrams::Kind::Column:
        paintColumnCurve(painter, area, *diagrams.column, report);
        break;
    case CaseDiagrams::Kind::Section:
        paintSection(painter, area, *diagrams.section);
        break;
    case CaseDiagrams::Kind::Error:
        paintMessage(painter, area, qs(diagrams.error));
        break;
    case CaseDiagrams::Kind::None:
        paintMessage(painter, area,
                     QString::fromStdString(shell::translated("Text", "This case has no member diagram")));
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
