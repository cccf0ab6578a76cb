#include "refdoc/casepages.h"

#include "refdoc/casetext.h"
#include "refdoc/formula.h"
#include "refdoc/handbook.h"
#include "shell/core/diagrams.h"
#include "shell/paint/diagrampainter.h"
#include "shell/paint/sketchpainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <utility>

namespace refdoc {

const QString SourcesTitle = QStringLiteral("Sources and assumptions");

namespace {

const QColor Grey(95, 95, 95);
const QColor HeaderShade(228, 232, 240);
const QColor RowShade(246, 246, 246);

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

Block spaced(Block block, double spaceBefore, bool keepWithNext = false)
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

Block flowBlock(const QPaintDevice *device, std::vector<Flow> flows, double gap)
{
    auto shared = std::make_shared<std::vector<Flow>>(std::move(flows));
    Block block;
    block.height = [device, shared, gap](double width) {
        double h = 0;
        for (const Flow &f : *shared)
            h += f.height(device, width) + gap;
        return shared->empty() ? 0 : h - gap;
    };
    block.draw = [device, shared, gap](QPainter &painter, const QRectF &rect) {
        double y = rect.top();
        for (const Flow &f : *shared) {
            f.draw(painter, QPointF(rect.left(), y), rect.width());
            y += f.height(device, rect.width()) + gap;
        }
    };
    return block;
}

// The typesetters of a page: formulas in black, worked lines in grey.
struct Setters {
    Typesetter formula;
    Typesetter worked;
    Setters(const QPaintDevice *device) : formula(device, 10), worked(device, 10, Grey) {}
};

// "name = formula", then "= worked = value" with the value in bold, on a line of its own where
// `ownLine`. A formula that is a single name or number is not worked again.
std::vector<FormulaPiece> formulaPieces(const Setters &t, const std::string &name, const shell::Expr &expression,
                                        const CaseText &text, bool worked, double value, bool ownLine = true)
{
    const BoxPtr lead =
        name.empty() ? BoxPtr() : t.formula.row({t.formula.symbol(name), t.formula.text(QStringLiteral(" = "))});
    std::vector<FormulaPiece> pieces = t.formula.formulaPieces(expression, lead);
    if (!worked)
        return pieces;
    const shell::EvalContext context = text.context();
    const bool leaf = expression.operandCount() == 0 || expression.op() == shell::Op::Named;
    const QString equals = ownLine ? QStringLiteral("= ") : QStringLiteral(" = ");
    if (!leaf) {
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
            {t.worked.text(QStringLiteral("  (no finite value: the window leaves this row empty)")), true});
    return pieces;
}

// The case's picture at its start values beside the table of its inputs, each with its unit
// and, where the program's legend names it, its meaning.
Block pictureAndInputs(const QPaintDevice *device, const PageGeometry &g, const shell::CaseDef &definition,
                       const CaseText &text)
{
    const double pictureWidth = g.mm(68);
    const double pictureHeight = g.mm(58);
    const double gap = g.mm(5);
    const std::vector<double> columns{0.16, 0.24, 0.2, 0.4};
    const auto row = [&](std::vector<std::vector<Flow>> cells, const QColor &shade) {
        return tableRow(device, g.mm(1), columns, std::move(cells), shade);
    };
    const Setters t(device);
    auto rows = std::make_shared<std::vector<Block>>();
    rows->push_back(row({{Paragraph(QStringLiteral("Input"), Style::BodyBold)},
                         {Paragraph(QStringLiteral("Start value"), Style::BodyBold)},
                         {Paragraph(QStringLiteral("Unit"), Style::BodyBold)},
                         {Paragraph(QStringLiteral("Meaning"), Style::BodyBold)}},
                        HeaderShade));
    for (const InputLine &input : text.inputs)
        rows->push_back(
            row({{formulaFlow({{t.formula.symbol(input.caption)}}, 0, 0)},
                 {Paragraph(q(input.start), Style::Body)},
                 {Paragraph(input.unit.empty() ? QStringLiteral("(a number)") : q(input.unit), Style::Body)},
                 {Paragraph(q(input.meaning), Style::Body)}},
                Qt::transparent));
    const auto tableHeight = [rows](double width) {
        double h = 0;
        for (const Block &r : *rows)
            h += r.height(width);
        return h;
    };
    const shell::Sketch sketch =
        definition.sketch ? definition.sketch(shell::startValues(definition)) : shell::Sketch();

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

// Where the case applies, in words.
Block domain(const QPaintDevice *device, const PageGeometry &g, const CaseText &text)
{
    std::vector<Run> runs{{QStringLiteral("Valid for: "), Style::BodyBold, Qt::black}};
    if (text.domain.empty())
        runs.push_back({QStringLiteral("any inputs (the case has no entry check)."), Style::Body, Qt::black});
    for (std::size_t k = 0; k < text.domain.size(); ++k)
        runs.push_back({q(text.domain[k]) + (k + 1 < text.domain.size() ? QStringLiteral("; ") : QStringLiteral(".")),
                        Style::Body, Qt::black});
    if (!text.domain.empty())
        runs.push_back({QStringLiteral(" The window refuses other entries with the reason."), Style::Body, Grey});
    std::vector<Paragraph> paragraphs{Paragraph(runs, g.mm(5))};
    if (text.startRejected)
        paragraphs.emplace_back(QStringLiteral("The start values lie outside this domain, so the results below show "
                                               "their formulas only."),
                                Style::Body);
    return spaced(paragraphBlock(device, paragraphs, g.mm(1.5)), g.mm(5));
}

// The case's diagrams at the start values with their extremes, drawn by the window's own
// diagram painter: the member (or both members) with V, M and δ, the frame with its moments on
// the tension side, or the column curve. Sections have their picture above; a case the solver
// cannot solve at its start values has none.
std::vector<Block> diagrams(const shell::Program &program, int caseIndex, const QPaintDevice *device,
                            const PageGeometry &g)
{
    const shell::CaseDef &definition = program.cases[static_cast<std::size_t>(caseIndex)];
    const std::vector<double> inputs = shell::startValues(definition);
    const shell::Evaluation evaluation = shell::evaluate(definition, inputs, DocumentUnits);
    if (evaluation.rejected)
        return {};
    const shell::CaseDiagrams diagrams =
        shell::caseDiagrams(definition, caseIndex, inputs, evaluation.values, DocumentUnits);
    double proportion = 0;  // height over width
    if (diagrams.kind == shell::CaseDiagrams::Kind::Members)
        proportion = diagrams.members.size() > 1 ? 0.95 : 0.6;
    else if (diagrams.kind == shell::CaseDiagrams::Kind::Frame)
        proportion = 0.55;
    else if (diagrams.kind == shell::CaseDiagrams::Kind::Column)
        proportion = 0.45;
    if (proportion == 0)
        return {};
    Block figure;
    figure.height = [proportion](double width) { return width * proportion; };
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
    return {subheading(device, g, QStringLiteral("Diagrams at the start values")), spaced(figure, g.mm(2))};
}

std::vector<Block> intermediates(const QPaintDevice *device, const PageGeometry &g, const CaseText &text)
{
    std::vector<Block> blocks;
    if (text.definitions.empty() && text.constants.empty())
        return blocks;
    blocks.push_back(subheading(device, g,
                                text.constants.empty()     ? QStringLiteral("Intermediate values")
                                : text.definitions.empty() ? QStringLiteral("Constants")
                                                           : QStringLiteral("Constants and intermediate values")));
    const Setters t(device);
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

const std::vector<double> ResultColumns{0.22, 0.50, 0.15, 0.13};

Block resultHeader(const QPaintDevice *device, const PageGeometry &g)
{
    return tableRow(device, g.mm(1), ResultColumns,
                    {{Paragraph(QStringLiteral("Result"), Style::BodyBold)},
                     {Paragraph(QStringLiteral("Formula, and worked at the start values"), Style::BodyBold)},
                     {Paragraph(std::vector<Run>{{QStringLiteral("Value"), Style::BodyBold, Qt::black}}, 0, true)},
                     {Paragraph(QStringLiteral("Unit"), Style::BodyBold)}},
                    HeaderShade);
}

Block resultRow(const QPaintDevice *device, const PageGeometry &g, const CaseText &text, std::size_t r)
{
    const ResultLine &line = text.results[r];
    const Setters t(device);
    const bool worked = !line.worked.empty();
    const double value = worked ? text.rowValues[r] : 0;
    std::vector<Flow> caption{Paragraph(q(line.caption), Style::Body)};
    if (!line.meaning.empty())
        caption.emplace_back(Paragraph(std::vector<Run>{{q(line.meaning), Style::Small, Grey}}));
    return tableRow(
        device, g.mm(1), ResultColumns,
        {caption,
         {formulaFlow(formulaPieces(t, line.symbol, line.expression, text, worked, value), g.mm(5), g.mm(1))},
         {Paragraph({{q(line.shown), Style::Body, Qt::black}}, 0, true)},
         {Paragraph(line.unit.empty() ? QStringLiteral("\u2013") : q(line.unit), Style::Body)}},
        r % 2 == 1 ? RowShade : QColor(Qt::transparent));
}

std::vector<Block> results(const QPaintDevice *device, const PageGeometry &g, const CaseText &text)
{
    std::vector<Block> blocks;
    Block heading = subheading(device, g, QStringLiteral("Results"));
    // A short table goes to the next page whole rather than break; a long one breaks with its
    // column heads repeated, and its heading goes with the column heads and three rows at least.
    const std::size_t rows = text.results.size();
    heading.keepTogether = static_cast<int>(rows <= 6 ? rows : 3) + 1;
    blocks.push_back(heading);
    blocks.push_back(spaced(resultHeader(device, g), 0, true));
    // Where the table goes on over a page, the page starts with the case and the column heads.
    std::vector<Block> again{
        paragraphBlock(device, {Paragraph({{q(text.caption) + QStringLiteral(", results (continued)"), Style::BodyBold,
                                            Qt::black}})}),
        resultHeader(device, g)};
    auto header = std::make_shared<Block>();
    header->height = [again, g](double width) { return again[0].height(width) + g.mm(2) + again[1].height(width); };
    header->draw = [again, g](QPainter &painter, const QRectF &rect) {
        const double first = again[0].height(rect.width());
        again[0].draw(painter, QRectF(rect.left(), rect.top(), rect.width(), first));
        const double top = rect.top() + first + g.mm(2);
        again[1].draw(painter, QRectF(rect.left(), top, rect.width(), again[1].height(rect.width())));
    };
    for (std::size_t r = 0; r < text.results.size(); ++r) {
        Block row = resultRow(device, g, text, r);
        row.continuedHeader = header;
        blocks.push_back(row);
    }
    return blocks;
}

std::vector<Block> advisories(const QPaintDevice *device, const PageGeometry &g, const CaseText &text)
{
    std::vector<Block> blocks;
    if (text.advisories.empty())
        return blocks;
    blocks.push_back(subheading(device, g, QStringLiteral("Notes shown by the window")));
    const Setters t(device);
    for (const AdvisoryLine &line : text.advisories) {
        std::vector<Flow> flows{
            Paragraph(std::vector<Run>{{QStringLiteral("\u2022 ") + q(line.text), Style::Body, Qt::black}}, g.mm(3))};
        if (!line.expression.isNull()) {
            std::vector<FormulaPiece> pieces{{t.worked.text(QStringLiteral("shown when "))}};
            for (const FormulaPiece &piece : t.worked.formulaPieces(line.expression, BoxPtr()))
                pieces.push_back(piece);
            if (line.holdsAtStart)
                pieces.push_back({t.worked.text(QStringLiteral(" (it holds at the start values)"))});
            flows.push_back(formulaFlow(pieces, g.mm(3), g.mm(1)));
        }
        Block block = flowBlock(device, flows, g.mm(0.8));
        blocks.push_back(spaced(block, g.mm(1.5)));
    }
    return blocks;
}

// One line of the list of contents: number, title, a dotted leader, and the page its section
// starts on. The whole line links to the section.
Block contentsLine(const QPaintDevice *device, const PageGeometry &g, const QString &number, const QString &caption,
                   int section, const std::shared_ptr<const std::vector<int>> &sectionPages)
{
    const Paragraph numberText(std::vector<Run>{{number, Style::Body, Grey}}, 0, true);
    const Paragraph text(caption, Style::Body);
    const double numberWidth = g.mm(8);
    const double pageWidth = g.mm(12);
    const double indent = g.mm(4);
    Block block;
    block.height = [=](double width) { return text.height(device, width - numberWidth - indent - pageWidth); };
    block.draw = [=](QPainter &painter, const QRectF &rect) {
        numberText.draw(painter, rect.topLeft(), numberWidth);
        const double textLeft = rect.left() + numberWidth + indent;
        const double textWidth = rect.width() - numberWidth - indent - pageWidth;
        text.draw(painter, QPointF(textLeft, rect.top()), textWidth);
        const std::size_t k = static_cast<std::size_t>(section);
        const int page = sectionPages && k < sectionPages->size() ? (*sectionPages)[k] : 0;
        if (page <= 0)
            return;
        Paragraph(std::vector<Run>{{QString::number(page), Style::Body, Qt::black}}, 0, true)
            .draw(painter, QPointF(rect.right() - pageWidth, rect.top()), pageWidth);
        const QFontMetricsF metrics(fontFor(Style::Body), painter.device());
        const double from = textLeft + std::min(textWidth, metrics.horizontalAdvance(caption)) + g.mm(2);
        const double to = rect.right() - g.mm(7);
        const double baseline = rect.top() + (rect.height() + metrics.ascent() - metrics.descent()) / 2;
        painter.save();
        painter.setPen(QPen(QColor(160, 160, 160), g.mm(0.3), Qt::DotLine));
        if (to > from && text.height(device, textWidth) < 1.5 * metrics.height())
            painter.drawLine(QPointF(from, baseline), QPointF(to, baseline));
        painter.restore();
    };
    block.spaceBefore = g.mm(0.15);
    block.linkTarget = section;
    return block;
}

// The reading guide on the title page: a word in bold, then its explanation.
Paragraph guide(const QString &lead, const QString &text)
{
    return Paragraph(
        std::vector<Run>{{lead + QStringLiteral(" "), Style::BodyBold, Qt::black}, {text, Style::Body, Qt::black}});
}

}  // namespace

QString sectionTitle(const shell::Program &program, int section)
{
    if (section == program.caseCount())
        return SourcesTitle;
    const shell::CaseDef &definition = program.cases.at(static_cast<std::size_t>(section));
    return definition.title.empty() ? q(definition.caption) : q(definition.caption + ": " + definition.title);
}

std::vector<Block> titlePage(const shell::Program &program, const DocumentInfo &info, const QPaintDevice *device,
                             const PageGeometry &g, const std::shared_ptr<const std::vector<int>> &sectionPages)
{
    std::vector<Block> blocks;
    blocks.push_back(spaced(paragraphBlock(device,
                                           {Paragraph(q(program.windowTitle), Style::Title),
                                            Paragraph(QStringLiteral("Reference handbook"), Style::Subtitle)},
                                           g.mm(1)),
                            0));
    blocks.push_back(ruleBlock(g));
    std::vector<Paragraph> about{Paragraph(q(program.desktopComment) + QStringLiteral("."), Style::Body)};
    about.emplace_back(std::vector<Run>{
        {QStringLiteral("Version ") + q(info.version) + QStringLiteral(", built ") + q(info.date), Style::Body, Grey}});
    blocks.push_back(spaced(paragraphBlock(device, about, g.mm(1.5)), g.mm(2)));

    std::vector<Paragraph> guides{
        guide(QStringLiteral("About this handbook."),
              QStringLiteral("Help in ") + q(program.windowTitle) + QStringLiteral(" opens this file, ") +
                  q(program.helpFile) +
                  QStringLiteral(", from the program's folder. It is written from the program's own case catalogue, "
                                 "so it shows exactly what the program computes: for every case its picture, its "
                                 "inputs with their units, the domain in which it applies, and every result row "
                                 "with its meaning, its formula as the program evaluates it and the value it gives "
                                 "at the start values.")),
        guide(QStringLiteral("Units."),
              QStringLiteral("Numbers are in mm and N, the units the program starts in; every input and result "
                             "carries its unit.")),
    };
    QString convention;
    for (const std::string &sentence : signConvention(program))
        convention += (convention.isEmpty() ? QString() : QStringLiteral(" ")) + q(sentence);
    guides.push_back(guide(QStringLiteral("Sign convention."), convention));
    guides.push_back(guide(QStringLiteral("Notation."), q(notation(program))));
    guides.push_back(guide(
        QStringLiteral("Formulas."),
        QStringLiteral("They group as the program evaluates them: a fraction bar, a root's bar and brackets enclose "
                       "what is worked out first; a brace lists a formula's cases, each with its condition. "
                       "Constants and named intermediate values are given before the results that use them.")));
    guides.push_back(guide(
        QStringLiteral("Results."),
        QStringLiteral("Each row gives its formula, the same with the start values put in (six significant digits, "
                       "a negative value in brackets) and the value; the Value column shows it as the window does "
                       "by default (#.000e+00). A row without a finite value is left empty by the window.")));
    blocks.push_back(spaced(paragraphBlock(device, guides, g.mm(1.5)), g.mm(4)));

    blocks.push_back(subheading(device, g, QStringLiteral("Contents")));
    for (int k = 0; k < program.caseCount(); ++k)
        blocks.push_back(contentsLine(device, g, QString::number(k + 1), sectionTitle(program, k), k, sectionPages));
    blocks.push_back(contentsLine(device, g, QString(), SourcesTitle, program.caseCount(), sectionPages));
    return blocks;
}

std::vector<Block> caseSection(const shell::Program &program, int caseIndex, const QPaintDevice *device,
                               const PageGeometry &g)
{
    const shell::CaseDef &definition = program.cases.at(static_cast<std::size_t>(caseIndex));
    const CaseText text = describeCase(program, caseIndex);
    std::vector<Block> blocks;
    Block heading = headingBlock(device, g, sectionTitle(program, caseIndex),
                                 QStringLiteral("Case ") + QString::number(caseIndex + 1) + QStringLiteral(" of ") +
                                     QString::number(program.caseCount()));
    heading.newPage = true;
    heading.anchor = caseIndex;
    heading.runningHead = q(text.caption);
    blocks.push_back(heading);
    blocks.push_back(spaced(pictureAndInputs(device, g, definition, text), g.mm(3)));
    blocks.push_back(domain(device, g, text));
    for (std::vector<Block> part : {diagrams(program, caseIndex, device, g), intermediates(device, g, text),
                                    results(device, g, text), advisories(device, g, text)})
        for (Block &block : part)
            blocks.push_back(std::move(block));
    return blocks;
}

std::vector<Block> sourcesSection(const shell::Program &program, const QPaintDevice *device, const PageGeometry &g)
{
    std::vector<Block> blocks;
    Block heading = headingBlock(device, g, SourcesTitle, QString());
    heading.newPage = true;
    heading.anchor = program.caseCount();
    heading.runningHead = SourcesTitle;
    blocks.push_back(heading);
    for (const SourceNote &note : sourceNotes(program)) {
        std::vector<Run> runs;
        if (!note.caseCaption.empty())
            runs.push_back({q(note.caseCaption) + QStringLiteral(". "), Style::BodyBold, Qt::black});
        runs.push_back({q(note.text), Style::Body, Qt::black});
        blocks.push_back(spaced(paragraphBlock(device, {Paragraph(runs, g.mm(4))}), g.mm(2.5)));
    }
    return blocks;
}

}  // namespace refdoc
