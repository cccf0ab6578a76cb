#include "shell/sheet/casepages.h"
#include "shell/core/language.h"
#include "shell/core/membertables.h"
#include "shell/sheet/memberblocks.h"

#include "shell/sheet/caseblocks.h"
#include "shell/sheet/casetext.h"
#include "shell/sheet/handbook.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <utility>

namespace sheet {

QString sourcesTitle()
{
    return tx("Sources and assumptions");
}

namespace {

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
        return sourcesTitle();
    const shell::CaseDef &definition = program.cases.at(static_cast<std::size_t>(section));
    const std::string caption = shell::translatedCaption(definition.caption, "Case");
    return definition.title.empty() ? q(caption) : q(caption + ": " + shell::translated("Title", definition.title));
}

std::vector<Block> titlePage(const shell::Program &program, const DocumentInfo &info, const QPaintDevice *device,
                             const PageGeometry &g, const std::shared_ptr<const std::vector<int>> &sectionPages)
{
    std::vector<Block> blocks;
    blocks.push_back(spaced(paragraphBlock(device,
                                           {Paragraph(q(program.windowTitle), Style::Title),
                                            Paragraph(tx("Reference handbook"), Style::Subtitle)},
                                           g.mm(1)),
                            0));
    blocks.push_back(ruleBlock(g));
    std::vector<Paragraph> about{
        Paragraph(q(shell::translated("Handbook", program.desktopComment + ".")), Style::Body)};
    about.emplace_back(std::vector<Run>{
        {q(shell::translatedPattern("Sheet", "Version %1, built %2", {info.version, info.date})), Style::Body, Grey}});
    blocks.push_back(spaced(paragraphBlock(device, about, g.mm(1.5)), g.mm(2)));

    std::vector<Paragraph> guides{
        guide(tx("About this handbook."),
              q(shell::translatedPattern(
                  "Handbook",
                  "Help in %1 opens this file, %2, from the program's folder. It is written from the program's own "
                  "case catalogue, so it shows exactly what the program computes: for every case its picture, its "
                  "inputs with their units, the domain in which it applies, and every result row with its meaning, "
                  "its formula as the program evaluates it and the value it gives at the start values.",
                  {program.windowTitle, shell::helpFileIn(program.helpFile, shell::installedLanguage())}))),
        guide(tx("Units."), q(shell::translated("Handbook", "Numbers are in mm and N, the units the program starts "
                                                            "in; every input and result carries its unit."))),
    };
    QString convention;
    for (const std::string &sentence : signConvention(program))
        convention +=
            (convention.isEmpty() ? QString() : QStringLiteral(" ")) + q(shell::translated("Handbook", sentence));
    guides.push_back(guide(tx("Sign convention."), convention));
    guides.push_back(guide(tx("Notation."), q(shell::translated("Handbook", notation(program)))));
    guides.push_back(guide(
        tx("Formulas."),
        q(shell::translated("Handbook", "They group as the program evaluates them: a fraction bar, a root's bar and "
                                        "brackets enclose what is worked out first; a brace lists a formula's cases, "
                                        "each with its condition. Constants and named intermediate values are given "
                                        "before the results that use them."))));
    guides.push_back(guide(
        tx("Results."),
        q(shell::translated("Handbook", "Each row gives its formula, the same with the start values put in (six "
                                        "significant digits, a negative value in brackets) and the value; the Value "
                                        "column shows it as the window does by default (#.000e+00). A row without a "
                                        "finite value is left empty by the window."))));
    blocks.push_back(spaced(paragraphBlock(device, guides, g.mm(1.5)), g.mm(4)));

    blocks.push_back(subheading(device, g, tx("Contents")));
    for (int k = 0; k < program.caseCount(); ++k)
        blocks.push_back(contentsLine(device, g, QString::number(k + 1), sectionTitle(program, k), k, sectionPages));
    blocks.push_back(contentsLine(device, g, QString(), sourcesTitle(), program.caseCount(), sectionPages));
    return blocks;
}

std::vector<Block> caseSection(const shell::Program &program, int caseIndex, const QPaintDevice *device,
                               const PageGeometry &g)
{
    const shell::CaseDef &definition = program.cases.at(static_cast<std::size_t>(caseIndex));
    CaseText text = describeCase(program, caseIndex);
    // Any member is shown as a new window shows it: the start member, solved.
    if (program.memberEditor) {
        const shell::MemberTablesRead start =
            shell::readMemberTables(shell::startMemberTables(), text.inputValues.at(0), text.inputValues.at(1),
                                    text.inputValues.at(2), program.sectionShapes);
        if (start.member)
            addMember(text, *start.member);
    }
    std::vector<Block> blocks;
    Block heading =
        headingBlock(device, g, sectionTitle(program, caseIndex),
                     q(shell::translatedPattern("Sheet", "Case %1 of %2",
                                                {std::to_string(caseIndex + 1), std::to_string(program.caseCount())})));
    heading.newPage = true;
    heading.anchor = caseIndex;
    heading.runningHead = q(shell::translatedCaption(text.caption, "Case"));
    blocks.push_back(heading);
    const CaseLook look;
    blocks.push_back(spaced(pictureAndInputs(device, g, definition, text, look), g.mm(3)));
    blocks.push_back(domain(device, g, text, look));
    for (std::vector<Block> part :
         {diagrams(definition, caseIndex, text, device, g, look), intermediates(device, g, text, look),
          results(device, g, text, look), advisories(device, g, text, look)})
        for (Block &block : part)
            blocks.push_back(std::move(block));
    return blocks;
}

std::vector<Block> sourcesSection(const shell::Program &program, const QPaintDevice *device, const PageGeometry &g)
{
    std::vector<Block> blocks;
    Block heading = headingBlock(device, g, sourcesTitle(), QString());
    heading.newPage = true;
    heading.anchor = program.caseCount();
    heading.runningHead = sourcesTitle();
    blocks.push_back(heading);
    for (const SourceNote &note : sourceNotes(program)) {
        std::vector<Run> runs;
        if (!note.caseCaption.empty())
            runs.push_back({q(shell::translatedCaption(note.caseCaption, "Case")) + QStringLiteral(". "),
                            Style::BodyBold, Qt::black});
        runs.push_back({q(shell::translated("Handbook", note.text)), Style::Body, Qt::black});
        blocks.push_back(spaced(paragraphBlock(device, {Paragraph(runs, g.mm(4))}), g.mm(2.5)));
    }
    return blocks;
}

}  // namespace sheet
