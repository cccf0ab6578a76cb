#include "refdoc/casepages.h"

#include "refdoc/casetext.h"
#include "shell/qt/sketchpainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <utility>

namespace refdoc {

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

// The case's picture at its start values beside the table of its inputs. The unit and
// meaning columns are left out where the program's legend names none.
Block pictureAndInputs(const QPaintDevice *device, const PageGeometry &g, const shell::CaseDef &definition,
                       const CaseText &text)
{
    const double pictureWidth = g.mm(68);
    const double pictureHeight = g.mm(58);
    const double gap = g.mm(5);
    const bool units = std::any_of(text.inputs.begin(), text.inputs.end(), [](const InputLine &input) {
        return !input.unit.empty() || !input.meaning.empty();
    });
    const std::vector<double> columns =
        units ? std::vector<double>{0.14, 0.18, 0.14, 0.19, 0.35} : std::vector<double>{0.2, 0.3, 0.25};
    const auto row = [&](std::vector<std::vector<Paragraph>> cells, const QColor &shade) {
        cells.resize(columns.size());
        return tableRow(device, g.mm(1), columns, cells, shade);
    };
    auto rows = std::make_shared<std::vector<Block>>();
    rows->push_back(row({{Paragraph(QStringLiteral("Input"), Style::BodyBold)},
                         {Paragraph(QStringLiteral("Start"), Style::BodyBold)},
                         {Paragraph(QStringLiteral("Step"), Style::BodyBold)},
                         {Paragraph(QStringLiteral("Unit"), Style::BodyBold)},
                         {Paragraph(QStringLiteral("Meaning"), Style::BodyBold)}},
                        HeaderShade));
    for (const InputLine &input : text.inputs)
        rows->push_back(row({{Paragraph(q(input.caption), Style::Formula)},
                             {Paragraph(q(input.start), Style::Body)},
                             {Paragraph(q(input.step), Style::Body)},
                             {Paragraph(q(input.unit), Style::Body)},
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

Block entryCheck(const QPaintDevice *device, const PageGeometry &g, const shell::CaseDef &definition,
                 const CaseText &text)
{
    std::vector<Run> runs{{QStringLiteral("Entry check: "), Style::BodyBold, Qt::black},
                          {q(entryCheckText(definition)), Style::Body, Qt::black}};
    std::vector<Paragraph> paragraphs{Paragraph(runs, g.mm(5))};
    if (text.startRejected)
        paragraphs.emplace_back(QStringLiteral("The start values fail this check, so the results below show their "
                                               "formulas only."),
                                Style::Body);
    return spaced(paragraphBlock(device, paragraphs, g.mm(1.5)), g.mm(5));
}

// The worked part of a formula line: "= 100 − 30 = 70", the substituted formula in grey
// where it says more than the formula and the value, the value in bold.
std::vector<Run> workedRuns(const std::string &formula, const std::string &worked, const std::string &value,
                            bool startsLine)
{
    std::vector<Run> runs;
    if (worked.empty())
        return runs;  // the start values are rejected: formulas only
    const QString first = startsLine ? QStringLiteral("= ") : QStringLiteral(" = ");
    const bool showWorked = worked != formula && worked != value;
    if (showWorked)
        runs.push_back({first + q(worked), Style::Formula, Grey});
    if (value.empty())
        runs.push_back({QStringLiteral(" (no finite value: the window leaves this row empty)"), Style::Small, Grey});
    else if (value != formula)
        runs.push_back({(showWorked ? QStringLiteral(" = ") : first) + q(value), Style::FormulaBold, Qt::black});
    return runs;
}

Paragraph definitionLine(const PageGeometry &g, const DefinitionLine &line)
{
    std::vector<Run> runs{{q(line.name) + QStringLiteral(" = ") + q(line.formula), Style::Formula, Qt::black}};
    for (Run &run : workedRuns(line.formula, line.worked, line.value, false))
        runs.push_back(run);
    return Paragraph(runs, g.mm(8));
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
    if (!text.constants.empty()) {
        std::vector<Run> runs;
        for (const ConstantLine &c : text.constants)
            runs.push_back(
                {(runs.empty() ? QString() : QStringLiteral(",   ")) + q(c.name) + QStringLiteral(" = ") + q(c.value),
                 Style::Formula, Qt::black});
        blocks.push_back(spaced(paragraphBlock(device, {Paragraph(runs)}), g.mm(1.2)));
    }
    for (const DefinitionLine &line : text.definitions)
        blocks.push_back(spaced(paragraphBlock(device, {definitionLine(g, line)}), g.mm(1.2)));
    return blocks;
}

const std::vector<double> ResultColumns{0.21, 0.54, 0.14, 0.11};

Block resultHeader(const QPaintDevice *device, const PageGeometry &g)
{
    return tableRow(device, g.mm(1), ResultColumns,
                    {{Paragraph(QStringLiteral("Result"), Style::BodyBold)},
                     {Paragraph(QStringLiteral("Formula, and worked at the start values"), Style::BodyBold)},
                     {Paragraph(std::vector<Run>{{QStringLiteral("Value"), Style::BodyBold, Qt::black}}, 0, true)},
                     {Paragraph(QStringLiteral("Unit"), Style::BodyBold)}},
                    HeaderShade);
}

Block resultRow(const QPaintDevice *device, const PageGeometry &g, const ResultLine &line, bool shaded)
{
    std::vector<Paragraph> formula{
        Paragraph({{q(line.symbol) + QStringLiteral(" = ") + q(line.formula), Style::Formula, Qt::black}}, g.mm(5))};
    const std::vector<Run> worked = workedRuns(line.formula, line.worked, line.value, true);
    if (!worked.empty())
        formula.emplace_back(worked, g.mm(5));
    return tableRow(device, g.mm(1), ResultColumns,
                    {{Paragraph(q(line.caption), Style::Body)},
                     formula,
                     {Paragraph({{q(line.shown), Style::Body, Qt::black}}, 0, true)},
                     {Paragraph(q(line.unit), Style::Body)}},
                    shaded ? RowShade : QColor(Qt::transparent));
}

std::vector<Block> results(const QPaintDevice *device, const PageGeometry &g, const CaseText &text)
{
    std::vector<Block> blocks;
    blocks.push_back(subheading(device, g, QStringLiteral("Results")));
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
        Block row = resultRow(device, g, text.results[r], r % 2 == 1);
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
    for (const AdvisoryLine &line : text.advisories) {
        std::vector<Run> runs{{QStringLiteral("• ") + q(line.text), Style::Body, Qt::black}};
        if (!line.condition.empty()) {
            runs.push_back({QStringLiteral(", shown when "), Style::Body, Grey});
            runs.push_back({q(line.condition), Style::Formula, Grey});
        }
        if (line.holdsAtStart)
            runs.push_back({QStringLiteral(" (it holds at the start values)"), Style::Body, Grey});
        blocks.push_back(spaced(paragraphBlock(device, {Paragraph(runs, g.mm(3))}), g.mm(1.5)));
    }
    return blocks;
}

// One line of the list of cases: number, caption, a dotted leader, and the page its section
// starts on.
Block contentsLine(const QPaintDevice *device, const PageGeometry &g, int caseIndex, const QString &caption,
                   const std::shared_ptr<const std::vector<int>> &casePages)
{
    const Paragraph number(std::vector<Run>{{QString::number(caseIndex + 1), Style::Body, Grey}}, 0, true);
    const Paragraph text(caption, Style::Body);
    const double numberWidth = g.mm(8);
    const double pageWidth = g.mm(12);
    const double indent = g.mm(4);
    Block block;
    block.height = [=](double width) { return text.height(device, width - numberWidth - indent - pageWidth); };
    block.draw = [=](QPainter &painter, const QRectF &rect) {
        number.draw(painter, rect.topLeft(), numberWidth);
        const double textLeft = rect.left() + numberWidth + indent;
        const double textWidth = rect.width() - numberWidth - indent - pageWidth;
        text.draw(painter, QPointF(textLeft, rect.top()), textWidth);
        const std::size_t k = static_cast<std::size_t>(caseIndex);
        const int page = casePages && k < casePages->size() ? (*casePages)[k] : 0;
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
        if (to > from)
            painter.drawLine(QPointF(from, baseline), QPointF(to, baseline));
        painter.restore();
    };
    block.spaceBefore = g.mm(0.4);
    return block;
}

// The reading guide on the title page: a word in bold, then its explanation.
Paragraph guide(const QString &lead, const QString &text)
{
    return Paragraph(
        std::vector<Run>{{lead + QStringLiteral(" "), Style::BodyBold, Qt::black}, {text, Style::Body, Qt::black}});
}

}  // namespace

std::vector<Block> titlePage(const shell::Program &program, const QPaintDevice *device, const PageGeometry &g,
                             const std::shared_ptr<const std::vector<int>> &casePages)
{
    std::vector<Block> blocks;
    blocks.push_back(spaced(paragraphBlock(device,
                                           {Paragraph(q(program.windowTitle), Style::Title),
                                            Paragraph(QStringLiteral("Reference"), Style::Subtitle)},
                                           g.mm(1)),
                            0));
    blocks.push_back(ruleBlock(g));
    std::vector<Paragraph> titles;
    for (const std::string &line : {program.titleLine0, program.titleLine1})
        if (!line.empty())
            titles.emplace_back(std::vector<Run>{{q(line), Style::Body, Grey}});
    blocks.push_back(spaced(paragraphBlock(device, titles, g.mm(1)), g.mm(2)));

    const std::vector<Paragraph> guides{
        guide(QStringLiteral("About this document."),
              QStringLiteral("Help in ") + q(program.windowTitle) + QStringLiteral(" opens this file, ") +
                  q(program.helpFile) +
                  QStringLiteral(", from the program's folder. It is written from the program's own case catalogue, "
                                 "so it shows exactly what the program computes: for every case its picture, its "
                                 "inputs with their start values and steps, the check that rejects an entry, and "
                                 "every result row with its formula as the program evaluates it and the value it "
                                 "gives at the start values.")),
        guide(QStringLiteral("Units."),
              QStringLiteral("Numbers and units are those of the unit system mm, in which the program starts. An "
                             "input's unit and meaning are given where the program's legend names them.")),
        guide(QStringLiteral("Formulas."),
              QStringLiteral("They are written in the order the program works them out: brackets group as "
                             "evaluated, × multiplies, / divides, x² and x³ are powers, √( ) is a square root, "
                             "min( , ) and max( , ) the smaller and the larger value, and {A where c; otherwise B} "
                             "takes A where the condition c holds. A condition counts 1 where it holds and 0 "
                             "elsewhere. Constants and named intermediate values are listed before the results "
                             "that use them.")),
        guide(QStringLiteral("Results."),
              QStringLiteral("Each row gives its formula, the same with the start values put in, and the value; "
                             "the Value column shows it as the window does by default (#.000e+00). A row without "
                             "a finite value is left empty by the window."))};
    blocks.push_back(spaced(paragraphBlock(device, guides, g.mm(2)), g.mm(7)));

    blocks.push_back(subheading(device, g, QStringLiteral("Cases")));
    for (int k = 0; k < program.caseCount(); ++k)
        blocks.push_back(contentsLine(device, g, k, q(program.cases[static_cast<std::size_t>(k)].caption), casePages));
    return blocks;
}

std::vector<Block> caseSection(const shell::Program &program, int caseIndex, const QPaintDevice *device,
                               const PageGeometry &g)
{
    const shell::CaseDef &definition = program.cases.at(static_cast<std::size_t>(caseIndex));
    const CaseText text = describeCase(program, caseIndex);
    std::vector<Block> blocks;
    Block heading = headingBlock(device, g, q(text.caption),
                                 QStringLiteral("Case ") + QString::number(caseIndex + 1) + QStringLiteral(" of ") +
                                     QString::number(program.caseCount()));
    heading.newPage = true;
    heading.anchor = caseIndex;
    heading.runningHead = q(text.caption);
    blocks.push_back(heading);
    blocks.push_back(spaced(pictureAndInputs(device, g, definition, text), g.mm(3)));
    blocks.push_back(entryCheck(device, g, definition, text));
    for (std::vector<Block> part :
         {intermediates(device, g, text), results(device, g, text), advisories(device, g, text)})
        for (Block &block : part)
            blocks.push_back(std::move(block));
    return blocks;
}

}  // namespace refdoc
