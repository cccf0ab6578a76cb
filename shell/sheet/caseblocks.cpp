#include "shell/sheet/caseblocks.h"

#include "shell/core/diagrams.h"
#include "shell/core/language.h"
#include "shell/core/memberresults.h"
#include "shell/core/membersketch.h"
#include "shell/core/membertables.h"
#include "shell/core/numbertext.h"
#include "shell/paint/diagrampainter.h"
#include "shell/paint/sketchpainter.h"
#include "shell/sheet/formula.h"
#include "shell/sheet/memberblocks.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace sheet {

const QColor Grey(95, 95, 95);
const QColor HeaderShade(228, 232, 240);
const QColor RowShade(246, 246, 246);

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

QString tx(const char *text)
{
    return q(shell::translated("Sheet", text));
}

Block spaced(Block block, double spaceBefore, bool keepWithNext)
{
    block.spaceBefore = spaceBefore;
    block.keepWithNext = keepWithNext;
    return block;
}

Block subheading(const QPaintDevice *device, const PageGeometry &g, const QString &text)
{
    return spaced(paragraphBlock(device, {Paragraph(text, Style::Subheading)}), g.mm(6), true);
}

// A heading with a second text set flush right on its first line and a rule below.
Block headingBlock(const QPaintDevice *device, const PageGeometry &g, const QString &text, const QString &aside)
{
    const Paragraph heading(text, Style::Heading);
    const Paragraph right(std::vector<Run>{{aside, Style::Small, Grey}}, 0, true);
    const double below = g.mm(2.5);
    Block block;
    block.height = [device, heading, below](double width) { return heading.height(device, width * 0.75) + below; };
    block.draw = [device, heading, right, below, g](QPainter &painter, const QRectF &rect) {
        heading.draw(painter, rect.topLeft(), rect.width() * 0.75);
        right.draw(painter, QPointF(rect.left() + rect.width() * 0.75, rect.top() + g.mm(2.5)), rect.width() * 0.25);
        const double y = rect.top() + heading.height(device, rect.width() * 0.75) + (below / 2);
        painter.save();
        painter.setPen(QPen(QColor(40, 70, 140), g.mm(0.45)));
        painter.drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
        painter.restore();
    };
    return block;
}

// A rule across the text area.
Block ruleBlock(const PageGeometry &g)
{
    Block block;
    block.height = [g](double) { return g.mm(4); };
    block.draw = [g](QPainter &painter, const QRectF &rect) {
        painter.save();
        painter.setPen(QPen(QColor(40, 70, 140), g.mm(0.45)));
        painter.drawLine(QPointF(rect.left(), rect.center().y()), QPointF(rect.right(), rect.center().y()));
        painter.restore();
    };
    return block;
}

namespace {

// A table cell that holds typeset formula pieces.
Flow formulaFlow(std::vector<FormulaPiece> pieces, double indent, double lineGap)
{
    auto shared = std::make_shared<std::vector<FormulaPiece>>(std::move(pieces));
    return Flow([shared, indent, lineGap](const QPaintDevice *,
                                          double width) { return formulaHeight(*shared, width, indent, lineGap); },
                [shared, indent, lineGap](QPainter &painter, const QPointF &topLeft, double width) {
                    drawFormula(painter, *shared, topLeft, width, indent, lineGap);
                });
}

// The typesetters of a page: formulas in black, worked lines in grey.
struct Setters {
    Typesetter formula;
    Typesetter worked;
    Setters(const QPaintDevice *device, double points) : formula(device, points), worked(device, points, Grey) {}
};

// "name = formula", then "= worked = value" with the value in bold, on a line of its own where
// `ownLine`. A formula that is a single name or number is not worked again.
std::vector<FormulaPiece> formulaPieces(const Setters &t, const std::string &name, const shell::Expr &expression,
                                        const CaseText &text, bool worked, double value, bool ownLine = true,
                                        const std::string &reason = {})
{
    const BoxPtr lead =
        name.empty() ? BoxPtr() : t.formula.row({t.formula.symbol(name), t.formula.text(QStringLiteral(" = "))});
    std::vector<FormulaPiece> pieces = t.formula.formulaPieces(expression, lead);
    if (!worked)
        return pieces;
    const shell::EvalContext context = text.context();
    const bool leaf = expression.operandCount() == 0 || expression.op() == shell::Op::Named;
    const QString equals = ownLine ? QStringLiteral("= ") : QStringLiteral(" = ");
    // A row without a value shows its formula and why, not the numbers that overflowed on the way.
    if (!leaf && std::isfinite(value)) {
        std::vector<FormulaPiece> steps = t.worked.workedPieces(expression, context, t.worked.text(equals));
        steps.front().forceBreak = ownLine;
        pieces.insert(pieces.end(), steps.begin(), steps.end());
    }
    const bool number = expression.op() == shell::Op::Constant && expression.name().empty();
    if (std::isfinite(value) && !number)
        pieces.push_back(
            {t.formula.row({t.formula.text(leaf ? equals : QStringLiteral(" = ")), t.formula.number(value, true)}),
             leaf && ownLine});
    else if (!std::isfinite(value))
        pieces.push_back(
            {t.worked.text(reason.empty() ? QStringLiteral("  (no finite value: the window leaves this row empty)")
                                          : QStringLiteral("  (no value: ") + q(reason) + QStringLiteral(")")),
             true});
    return pieces;
}

// The share of a table `width` wide that a column needs to hold the widest of `texts` whole in
// the body font, cell padding included, and `share` at least: a number is never broken.
double columnShare(const QPaintDevice *device, const PageGeometry &g, double width, const std::vector<QString> &texts,
                   double share)
{
    const QFontMetricsF metrics(fontFor(Style::Body), device);
    double widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return std::max(share, (widest + g.mm(3.5)) / width);
}

}  // namespace

Block pictureAndInputs(const QPaintDevice *device, const PageGeometry &g, const shell::CaseDef &definition,
                       const CaseText &text, const CaseLook &look)
{
    const double pictureWidth = g.mm(look.pictureWidth);
    const double pictureHeight = g.mm(look.pictureHeight);
    const double gap = g.mm(5);
    // Input, value, unit, meaning: the meaning gives way to a long value.
    std::vector<QString> values;
    for (const InputLine &input : text.inputs)
        values.push_back(q(input.value));
    const double valueShare = columnShare(device, g, g.width - pictureWidth - gap, values, 0.24);
    const std::vector<double> columns{0.16, valueShare, 0.2, std::max(0.1, 0.64 - valueShare)};
    const auto row = [&](std::vector<std::vector<Flow>> cells, const QColor &shade) {
        return tableRow(device, g.mm(1), columns, std::move(cells), shade);
    };
    const Setters t(device, look.formulaPoints);
    auto rows = std::make_shared<std::vector<Block>>();
    rows->push_back(
        row({{Paragraph(tx("Input"), Style::BodyBold)},
             {Paragraph(look.purpose == Purpose::Handbook ? tx("Start value") : tx("Value"), Style::BodyBold)},
             {Paragraph(tx("Unit"), Style::BodyBold)},
             {Paragraph(tx("Meaning"), Style::BodyBold)}},
            HeaderShade));
    for (const InputLine &input : text.inputs)
        rows->push_back(row({{formulaFlow({{t.formula.symbol(input.caption)}}, 0, 0)},
                             {Paragraph(q(input.value), Style::Body)},
                             {Paragraph(input.unit.empty() ? tx("(a number)") : q(input.unit), Style::Body)},
                             {Paragraph(q(input.meaning), Style::Body)}},
                            Qt::transparent));
    const auto tableHeight = [rows](double width) {
        double h = 0;
        for (const Block &r : *rows)
            h += r.height(width);
        return h;
    };
    // The sketch is drawn to the inputs' proportions; refused inputs may describe no member, so
    // the sketch is then drawn at the start values.
    const shell::Sketch sketch = text.member          ? shell::memberSketch(*text.member, text.units)
                                 : !definition.sketch ? shell::Sketch()
                                 : text.rejected      ? definition.sketch(shell::startValues(definition))
                                                      : definition.sketch(text.inputValues);

    Block block;
    block.height = [=](double width) { return std::max(pictureHeight, tableHeight(width - pictureWidth - gap)); };
    block.draw = [=](QPainter &painter, const QRectF &rect) {
        const QRectF picture(rect.left(), rect.top(), pictureWidth, pictureHeight);
        painter.save();
        painter.fillRect(picture, Qt::white);
        painter.setPen(QPen(QColor(150, 150, 150), g.mm(0.25)));
        painter.drawRect(picture);
        painter.setFont(fontFor(Style::Body));
        painter.setRenderHint(QPainter::Antialiasing);
        shell::paintSketch(painter, picture.adjusted(g.mm(3), g.mm(3), -g.mm(3), -g.mm(3)), sketch);
        painter.restore();
        const double tableWidth = rect.width() - pictureWidth - gap;
        double y = rect.top();
        for (const Block &r : *rows) {
            const double h = r.height(tableWidth);
            r.draw(painter, QRectF(rect.left() + pictureWidth + gap, y, tableWidth, h));
            y += h;
        }
    };
    return block;
}

Block domain(const QPaintDevice *device, const PageGeometry &g, const CaseText &text, const CaseLook &look)
{
    std::vector<Run> runs{{tx("Valid for: "), Style::BodyBold, Qt::black}};
    if (text.domain.empty())
        runs.push_back({tx("any inputs (the case has no entry check)."), Style::Body, Qt::black});
    for (std::size_t k = 0; k < text.domain.size(); ++k)
        runs.push_back({q(text.domain[k]) + (k + 1 < text.domain.size() ? QStringLiteral("; ") : QStringLiteral(".")),
                        Style::Body, Qt::black});
    const bool sheet = look.purpose == Purpose::Sheet;
    if (!text.domain.empty() && !sheet)
        runs.push_back({tx(" The window refuses other entries with the reason."), Style::Body, Grey});
    else if (!text.domain.empty() && !text.rejected)
        runs.push_back({tx(" These inputs lie inside it."), Style::Body, Grey});
    std::vector<Paragraph> paragraphs{Paragraph(runs, g.mm(5))};
    if (text.rejected && look.purpose == Purpose::Handbook)
        paragraphs.emplace_back(tx("The start values lie outside this domain, so the results below show their formulas "
                                   "only."),
                                Style::Body);
    else if (text.rejected)
        paragraphs.emplace_back(
            std::vector<Run>{{tx("These inputs are refused: "), Style::BodyBold, QColor(170, 20, 20)},
                             {q(text.rejection) + tx(". The results below show their formulas only."), Style::Body,
                              QColor(170, 20, 20)}});
    return spaced(paragraphBlock(device, paragraphs, g.mm(1.5)), g.mm(look.purpose == Purpose::Handbook ? 5 : 3));
}

namespace {

// The height of a case's diagrams over their width: a member's strips, two members one above the
// other, a frame, a column curve; 0 for what has none to draw here (a section has its picture).
double figureProportion(const shell::CaseDiagrams &diagrams)
{
    switch (diagrams.kind) {
    case shell::CaseDiagrams::Kind::Members:
        return diagrams.members.size() > 1 ? 0.95 : 0.6;
    case shell::CaseDiagrams::Kind::Frame:
        return 0.55;
    case shell::CaseDiagrams::Kind::Column:
        return 0.45;
    default:
        return 0;
    }
}

shell::CaseDiagrams diagramsOf(const shell::CaseDef &definition, int caseIndex, const CaseText &text)
{
    if (text.member) {
        const mechanics::Beam beam = text.member->beam();
        const mechanics::Outcome<mechanics::BeamSolution> solved = mechanics::solveBeam(beam);
        if (solved)
            return shell::memberDiagrams(beam, *solved, text.units);
    }
    // The window draws them in the units of its captions (a program that only relabels them
    // draws its numbers as they are).
    return shell::caseDiagrams(definition, caseIndex, text.inputValues, text.rowValues, text.units);
}

}  // namespace

double diagramProportion(const shell::CaseDef &definition, int caseIndex, const CaseText &text)
{
    return text.rejected ? 0 : figureProportion(diagramsOf(definition, caseIndex, text));
}

// The member (or both members) with V, M and δ, the frame with its moments on the tension side,
// or the column curve. Sections have their picture above; a case the solver cannot solve for
// these inputs has none, and a sheet says why.
Block diagramFigure(const shell::CaseDiagrams &diagrams, const PageGeometry &g, std::function<double(double)> height)
{
    Block figure;
    figure.height = std::move(height);
    figure.draw = [diagrams, g](QPainter &painter, const QRectF &rect) {
        painter.save();
        painter.setFont(fontFor(Style::Small));
        painter.setPen(QPen(QColor(150, 150, 150), g.mm(0.25)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect);
        shell::paintDiagrams(painter, rect.adjusted(g.mm(2), g.mm(2), -g.mm(2), -g.mm(2)), diagrams,
                             shell::DiagramOptions{});
        painter.restore();
    };
    return figure;
}

std::vector<Block> diagrams(const shell::CaseDef &definition, int caseIndex, const CaseText &text,
                            const QPaintDevice *device, const PageGeometry &g, const CaseLook &look)
{
    if (text.rejected)
        return {};
    const shell::CaseDiagrams diagrams = diagramsOf(definition, caseIndex, text);
    const bool sheet = look.purpose == Purpose::Sheet;
    const QString heading = sheet ? tx("Diagrams") : tx("Diagrams at the start values");
    if (diagrams.kind == shell::CaseDiagrams::Kind::Error && sheet)
        return {subheading(device, g, heading),
                spaced(paragraphBlock(device, {Paragraph(q(diagrams.error) + QStringLiteral("."), Style::Body)}),
                       g.mm(1.5))};
    const double proportion = figureProportion(diagrams) * look.diagramScale;
    if (proportion == 0)
        return {};
    const double fixed = g.mm(look.diagramHeight);
    const Block figure = diagramFigure(
        diagrams, g, [proportion, fixed](double width) { return fixed > 0 ? fixed : width * proportion; });
    return {subheading(device, g, heading), spaced(figure, g.mm(2))};
}

std::vector<Block> intermediates(const QPaintDevice *device, const PageGeometry &g, const CaseText &text,
                                 const CaseLook &look)
{
    std::vector<Block> blocks;
    if (text.definitions.empty() && text.constants.empty())
        return blocks;
    blocks.push_back(subheading(device, g,
                                text.constants.empty()     ? tx("Intermediate values")
                                : text.definitions.empty() ? tx("Constants")
                                                           : tx("Constants and intermediate values")));
    const Setters t(device, look.formulaPoints);
    if (!text.constants.empty()) {
        std::vector<FormulaPiece> pieces;
        for (const ConstantLine &c : text.constants)
            pieces.push_back(
                {t.formula.row({t.formula.text(pieces.empty() ? QString() : QStringLiteral(",   ")),
                                t.formula.symbol(c.name), t.formula.text(QStringLiteral(" = ")),
                                t.formula.text(q(c.value)),
                                t.formula.text(c.unit.empty() ? QString() : QStringLiteral(" ") + q(c.unit))}),
                 false});
        blocks.push_back(spaced(flowBlock(device, {formulaFlow(pieces, 0, g.mm(1))}, 0), g.mm(1.2)));
    }
    for (const DefinitionLine &line : text.definitions) {
        const bool worked = !line.worked.empty();
        const double value = worked ? line.expression.eval(text.context()) : 0;
        blocks.push_back(
            spaced(flowBlock(device,
                             {formulaFlow(formulaPieces(t, line.name, line.expression, text, worked, value, false),
                                          g.mm(8), g.mm(1))},
                             0),
                   g.mm(1.8)));
    }
    return blocks;
}

// The columns of the result table: a sheet gives the captions and their meanings more room and
// the units no more than the widest needs; the value column holds "-1.234e+05" whole, and takes
// from the formula's column what a longer value needs.
std::vector<double> resultColumns(const QPaintDevice *device, const PageGeometry &g, const CaseText &text,
                                  const CaseLook &look)
{
    std::vector<double> columns = look.purpose == Purpose::Handbook ? std::vector<double>{0.22, 0.50, 0.15, 0.13}
                                                                    : std::vector<double>{0.24, 0.50, 0.15, 0.11};
    std::vector<QString> shown;
    for (const ResultLine &line : text.results)
        shown.push_back(q(line.shown));
    const double value = columnShare(device, g, g.width, shown, columns[2]);
    columns[1] -= value - columns[2];
    columns[2] = value;
    return columns;
}

Block resultHeader(const QPaintDevice *device, const PageGeometry &g, const CaseLook &look,
                   const std::vector<double> &columns)
{
    return tableRow(device, g.mm(1), columns,
                    {{Paragraph(tx("Result"), Style::BodyBold)},
                     {Paragraph(look.purpose == Purpose::Handbook ? tx("Formula, and worked at the start values")
                                                                  : tx("Formula, and worked with these inputs"),
                                Style::BodyBold)},
                     {Paragraph(std::vector<Run>{{tx("Value"), Style::BodyBold, Qt::black}}, 0, true)},
                     {Paragraph(tx("Unit"), Style::BodyBold)}},
                    HeaderShade);
}

// The handbook works each formula on a line of its own under it; a sheet goes on on the same
// line where there is room, to keep to its two pages.
// A value outside its formula's range is noted in dark red.
const QColor OutsideRangeInk(0xa0, 0x20, 0x00);

Block resultRow(const QPaintDevice *device, const PageGeometry &g, const CaseText &text, std::size_t r,
                const CaseLook &look, const std::vector<double> &columns)
{
    const ResultLine &line = text.results[r];
    const Setters t(device, look.formulaPoints);
    const bool worked = !line.worked.empty();
    const double value = worked ? text.rowValues[r] : 0;
    std::vector<Flow> caption{Paragraph(q(line.caption), Style::Body)};
    if (!line.meaning.empty())
        caption.emplace_back(Paragraph(std::vector<Run>{{q(line.meaning), Style::Small, Grey}}));
    std::vector<Flow> formula{formulaFlow(formulaPieces(t, line.symbol, line.expression, text, worked, value,
                                                        look.purpose == Purpose::Handbook, line.reason),
                                          g.mm(5), g.mm(1))};
    // On a sheet, under the worked formula: the member's true extreme beside a row that claims it
    // and is not it, and the range a value lies outside of.
    if (look.purpose == Purpose::Sheet && !line.largest.empty())
        formula.emplace_back(
            Paragraph(std::vector<Run>{{tx("Member's extreme from its diagrams: "), Style::Small, Grey},
                                       {q(line.largest), Style::Small, Qt::black}}));
    if (look.purpose == Purpose::Sheet && !line.outsideRange.empty())
        formula.emplace_back(Paragraph(
            std::vector<Run>{{QStringLiteral("\u26a0 ") + tx("Outside the formula's range: ") + q(line.outsideRange),
                              Style::Small, OutsideRangeInk}}));
    return tableRow(device, g.mm(1), columns,
                    {caption,
                     formula,
                     {Paragraph({{q(line.shown), Style::Body, Qt::black}}, 0, true)},
                     {Paragraph(line.unit.empty() ? QStringLiteral("\u2013") : q(line.unit), Style::Body)}},
                    r % 2 == 1 ? RowShade : QColor(Qt::transparent));
}

std::vector<Block> results(const QPaintDevice *device, const PageGeometry &g, const CaseText &text,
                           const CaseLook &look)
{
    if (text.member)
        return memberResults(device, g, text);
    std::vector<Block> blocks;
    Block heading = subheading(device, g, tx("Results"));
    // In the handbook a short table goes to the next page whole rather than break; a long one,
    // and any on a sheet (which has two pages to fill), breaks with its column heads repeated, and
    // its heading goes with the column heads and three rows at least.
    const std::size_t rows = text.results.size();
    const bool whole = rows <= 6 && look.purpose == Purpose::Handbook;
    heading.keepTogether = static_cast<int>(whole ? rows : std::min<std::size_t>(rows, 3)) + 1;
    blocks.push_back(heading);
    const std::vector<double> columns = resultColumns(device, g, text, look);
    blocks.push_back(spaced(resultHeader(device, g, look, columns), 0, true));
    // Where the table goes on over a page, the page starts with the case and the column heads.
    std::vector<Block> again{
        paragraphBlock(device,
                       {Paragraph({{q(shell::translatedPattern("Sheet", "%1, results (continued)", {text.caption})),
                                    Style::BodyBold, Qt::black}})}),
        resultHeader(device, g, look, columns)};
    auto header = std::make_shared<Block>();
    header->height = [again, g](double width) { return again[0].height(width) + g.mm(2) + again[1].height(width); };
    header->draw = [again, g](QPainter &painter, const QRectF &rect) {
        const double first = again[0].height(rect.width());
        again[0].draw(painter, QRectF(rect.left(), rect.top(), rect.width(), first));
        const double top = rect.top() + first + g.mm(2);
        again[1].draw(painter, QRectF(rect.left(), top, rect.width(), again[1].height(rect.width())));
    };
    for (std::size_t r = 0; r < text.results.size(); ++r) {
        Block row = resultRow(device, g, text, r, look, columns);
        row.continuedHeader = header;
        blocks.push_back(row);
    }
    return blocks;
}

std::vector<Block> advisories(const QPaintDevice *device, const PageGeometry &g, const CaseText &text,
                              const CaseLook &look)
{
    std::vector<Block> blocks;
    const bool sheet = look.purpose == Purpose::Sheet;
    const bool any = std::any_of(text.advisories.begin(), text.advisories.end(),
                                 [sheet](const AdvisoryLine &line) { return !sheet || line.holds; });
    if (!any)
        return blocks;
    blocks.push_back(subheading(device, g, sheet ? tx("Notes") : tx("Notes shown by the window")));
    const Setters t(device, look.formulaPoints);
    for (const AdvisoryLine &line : text.advisories) {
        if (sheet && !line.holds)
            continue;
        std::vector<Flow> flows{
            Paragraph(std::vector<Run>{{QStringLiteral("\u2022 ") + q(line.text), Style::Body, Qt::black}}, g.mm(3))};
        if (!line.expression.isNull()) {
            std::vector<FormulaPiece> pieces{{t.worked.text(tx("shown when "))}};
            for (const FormulaPiece &piece : t.worked.formulaPieces(line.expression, BoxPtr()))
                pieces.push_back(piece);
            if (line.holds)
                pieces.push_back({t.worked.text(sheet ? tx(" (it holds for these inputs)")
                                                      : tx(" (it holds at the start values)"))});
            flows.push_back(formulaFlow(pieces, g.mm(3), g.mm(1)));
        }
        Block block = flowBlock(device, flows, g.mm(0.8));
        blocks.push_back(spaced(block, g.mm(1.5)));
    }
    return blocks;
}

}  // namespace sheet
