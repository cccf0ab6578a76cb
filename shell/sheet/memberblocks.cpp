#include "shell/sheet/memberblocks.h"

#include "mechanics/beam.h"
#include "mechanics/extremes.h"
#include "shell/core/language.h"
#include "shell/core/memberresults.h"
#include "shell/core/numbertext.h"
#include "shell/core/units.h"
#include "shell/paint/diagrampainter.h"
#include "shell/sheet/caseblocks.h"

#include <QPainter>
#include <QPen>

#include <string>

namespace sheet {

namespace {

std::string number(double value, const std::string &unit)
{
    return shell::generalText(value) + (unit.empty() ? "" : " " + unit);
}

// A text of the sheet in its language, its places filled with numbers and names as they are.
std::string say(const char *pattern, const std::vector<std::string> &arguments)
{
    return shell::translatedPattern("Sheet", pattern, arguments);
}

// One line per table: "Supports: 1 pinned at x = 0 mm; 2 spring at x = 3000 mm, k = 500 N/mm".
std::vector<std::string> tableLines(const shell::MemberDescription &m, shell::Units units)
{
    const std::string mm = shell::unitCaption(units, shell::Dimension::Length);
    const std::string force = shell::unitCaption(units, shell::Dimension::Force);
    const std::string line = shell::unitCaption(units, shell::Dimension::LineLoad);
    const std::string moment = shell::unitCaption(units, shell::Dimension::Moment);
    const std::string separator = shell::translated("Sheet", "; ");
    const auto join = [&separator](std::string &to, const std::string &item) {
        to += (to.empty() ? "" : separator) + item;
    };
    std::string supports, hinges, points, couples, spans, segments;
    for (std::size_t k = 0; k < m.supports.size(); ++k) {
        const mechanics::Support &s = m.supports[k];
        std::string item =
            say("%1 %2 at x = %3",
                {std::to_string(k + 1), shell::translated("Sheet", shell::supportKindName(s.kind)), number(s.x, mm)});
        if (s.kind == mechanics::SupportKind::Spring)
            item +=
                ", k = " + number(s.stiffness, line) + ", k\u03b8 = " + number(s.rotationalStiffness, moment + "/rad");
        if (s.settlement != 0)
            item += say(", settles %1", {number(s.settlement, mm)});
        join(supports, item);
    }
    for (const double x : m.hinges)
        join(hinges, "x = " + number(x, mm));
    for (const shell::MemberLoad &load : m.loads) {
        if (load.kind == shell::MemberLoad::Kind::Point)
            join(points, say("P = %1 at x = %2", {number(load.value, force), number(load.x, mm)}));
        else if (load.kind == shell::MemberLoad::Kind::Couple)
            join(couples, say("C = %1 at x = %2", {number(load.value, moment), number(load.x, mm)}));
        else
            join(spans, say("w = %1 to %2 from x = %3 to %4", {shell::generalText(load.w1), number(load.w2, line),
                                                               shell::generalText(load.from), number(load.to, mm)}));
    }
    const std::string members = shell::translated("Sheet", "the member's");
    for (const shell::MemberSegment &g : m.segments)
        join(segments, say("x = %1 to %2: E = %3, I = %4",
                           {shell::generalText(g.from), number(g.to, mm),
                            g.E ? number(*g.E, shell::unitCaption(units, shell::Dimension::Stress)) : members,
                            g.I ? number(*g.I, shell::unitCaption(units, shell::Dimension::SecondMoment)) : members}));
    std::string section, cases, combinations, axles, checks;
    if (!m.section.shape.empty() && m.I) {
        std::string dimensions;
        for (std::size_t k = 0; k < m.section.dimensions.size() && k < 4; ++k)
            dimensions +=
                std::string(k == 0 ? "" : ", ") + "abcd"[k] + " = " + shell::generalText(m.section.dimensions[k]);
        join(section, say("%1 %2 %3, I = %4 from its shape",
                          {shell::translatedCaption(m.section.shape, "Case"), dimensions, mm,
                           number(*m.I, shell::unitCaption(units, shell::Dimension::SecondMoment))}));
    }
    if (!m.section.material.empty() && m.E)
        join(section, shell::translated("Sheet", m.section.material) +
                          ", E = " + number(*m.E, shell::unitCaption(units, shell::Dimension::Stress)));
    for (const shell::MemberLoadCase &c : m.cases)
        join(cases, c.name + " " + shell::translated("Sheet", c.variable ? "variable" : "permanent") +
                        (c.meaning.empty() ? "" : " (" + c.meaning + ")"));
    for (const shell::MemberCombination &c : m.combinations) {
        const char *uses[] = {"", ", for strength", ", for deflection"};
        join(combinations,
             c.name + " = " + shell::factorsText(c.factors) +
                 (c.pattern ? shell::translated("Sheet", ", variable loads placed span by span where worst") : "") +
                 shell::translated("Sheet", uses[static_cast<int>(c.use)]));
    }
    if (m.train) {
        for (const mechanics::Axle &a : m.train->axles)
            join(axles, say("P = %1 at a = %2", {number(a.load, force), number(a.offset, mm)}));
        if (m.train->uniform != 0)
            join(axles,
                 say("a uniform load w = %1 on the parts that make a value worst", {number(m.train->uniform, line)}));
        const char *ways[] = {"running both ways", "running rightward only", "running leftward only"};
        join(axles, shell::translated("Sheet", ways[static_cast<int>(m.train->ways)]));
    }
    if (m.checks.stress())
        join(checks, say("bending stress \u03c3b = M/Z with Z = %1 against fb = %2",
                         {number(*m.checks.Z, shell::unitCaption(units, shell::Dimension::SectionModulus)),
                          number(*m.checks.f, shell::unitCaption(units, shell::Dimension::Stress))}));
    if (m.checks.deflection())
        join(checks, say("deflection of every span against its length / %1", {shell::generalText(*m.checks.n)}));
    if (!checks.empty())
        checks += shell::translated("Sheet", ". These are simple elastic checks, not a design code");
    std::vector<std::string> lines;
    for (const auto &[title, items] : {std::pair<const char *, const std::string &>{"Supports", supports},
                                       {"Hinges", hinges},
                                       {"Point loads (downward)", points},
                                       {"Couples (clockwise)", couples},
                                       {"Distributed loads (downward)", spans},
                                       {"Segments", segments},
                                       {"Section", section},
                                       {"Load cases", cases},
                                       {"Combinations", combinations},
                                       {"Moving loads (axles behind the first)", axles},
                                       {"Checks", checks}})
        if (!items.empty())
            lines.push_back(say("%1: %2.", {shell::translated("Sheet", title), items}));
    return lines;
}

// Each combination with its loads whole: the reactions and the largest and smallest V, M and δ,
// one row per combination.
std::vector<Block> combinationTable(const QPaintDevice *device, const PageGeometry &g, const CaseText &text)
{
    const shell::MemberDescription &m = *text.member;
    if (m.combinations.empty())
        return {};
    const auto unit = [&](shell::Dimension d) { return shell::unitCaption(text.units, d); };
    const std::vector<double> columns{0.25, 0.27, 0.16, 0.16, 0.16};
    const auto head = [](const QString &t) { return std::vector<Flow>{Paragraph(t, Style::BodyBold)}; };
    std::vector<Block> blocks{
        subheading(device, g, tx("Combinations")),
        paragraphBlock(device,
                       {Paragraph(tx("Each combination with its loads on every span; the envelope rows of the results "
                                     "place the variable loads span by span where a combination asks for it."),
                                  Style::Body)},
                       g.mm(1)),
        spaced(tableRow(device, g.mm(1), columns,
                        {head(tx("Combination")),
                         head(q(shell::translatedPattern("Sheet", "Reactions (%1)", {unit(shell::Dimension::Force)}))),
                         head(q("V max / min (" + unit(shell::Dimension::Force) + ")")),
                         head(q("M max / min (" + unit(shell::Dimension::Moment) + ")")),
                         head(q("δ max / min (" + unit(shell::Dimension::Length) + ")"))},
                        HeaderShade),
               g.mm(1), true)};
    const auto solutions = shell::solvedCombinations(m);
    for (std::size_t k = 0; k < m.combinations.size(); ++k) {
        const shell::MemberCombination &c = m.combinations[k];
        std::vector<std::vector<Flow>> cells{
            {Paragraph(q(c.name), Style::Body),
             Paragraph(std::vector<Run>{{q(shell::factorsText(c.factors)), Style::Small, Grey}})}};
        const auto &solved = solutions[k];
        if (!solved) {
            cells.push_back({Paragraph(q(shell::translatedMessage(solved.error().reason)), Style::Body)});
        } else {
            std::string reactions;
            for (std::size_t r = 0; r < solved->reactions.size(); ++r)
                reactions += (r == 0 ? "" : ", ") + shell::diagramNumber(solved->reactions[r].force);
            cells.push_back({Paragraph(q(reactions), Style::Body)});
            const auto pair = [](const mechanics::Piecewise &f) {
                const mechanics::Extremes e = mechanics::extremes(f);
                return std::vector<Flow>{
                    Paragraph(q(shell::diagramNumber(e.largest.value) + " / " + shell::diagramNumber(e.smallest.value)),
                              Style::Body)};
            };
            cells.push_back(pair(solved->shear));
            cells.push_back(pair(solved->moment));
            cells.push_back(solved->deflection ? pair(*solved->deflection) : std::vector<Flow>{});
        }
        cells.resize(columns.size());
        blocks.push_back(tableRow(device, g.mm(1), columns, cells, k % 2 == 1 ? RowShade : QColor(Qt::transparent)));
    }
    return blocks;
}

}  // namespace

std::vector<Block> memberStudyDiagrams(const QPaintDevice *device, const PageGeometry &g, const CaseText &text)
{
    if (!text.member || text.rejected || text.inputValues.size() < 4)
        return {};
    const mechanics::Beam beam = text.member->beam();
    std::vector<Block> blocks;
    const shell::CaseDiagrams line = shell::influenceDiagrams(beam, {}, text.inputValues[3], text.units);
    if (line.kind == shell::CaseDiagrams::Kind::Members) {
        blocks.push_back(subheading(device, g, tx("Influence line")));
        blocks.push_back(spaced(diagramFigure(line, g, [](double width) { return width * 0.28; }), g.mm(2)));
    }
    for (Block &block : combinationTable(device, g, text))
        blocks.push_back(std::move(block));
    const shell::MemberStudy study = shell::studyMember(*text.member);
    if (study.problem.empty() && (study.combinations || study.train)) {
        const shell::CaseDiagrams envelopes = shell::envelopeDiagrams(beam, study, text.units);
        blocks.push_back(subheading(device, g, tx("Envelopes")));
        blocks.push_back(spaced(diagramFigure(envelopes, g, [](double width) { return width * 0.75; }), g.mm(2)));
    }
    return blocks;
}

void addMember(CaseText &text, const shell::MemberDescription &member)
{
    text.member = member;
}

std::vector<Block> memberTables(const QPaintDevice *device, const PageGeometry &g, const CaseText &text)
{
    if (!text.member)
        return {};
    std::vector<Paragraph> paragraphs;
    for (const std::string &line : tableLines(*text.member, text.units))
        paragraphs.emplace_back(q(line), Style::Body);
    return {subheading(device, g, tx("The member")), spaced(paragraphBlock(device, paragraphs, g.mm(1)), g.mm(1))};
}

std::vector<Block> memberResults(const QPaintDevice *device, const PageGeometry &g, const CaseText &text)
{
    const mechanics::Outcome<mechanics::BeamSolution> solved = mechanics::solveBeam(text.member->beam());
    if (!solved)
        return {
            subheading(device, g, tx("Results")),
            paragraphBlock(device, {Paragraph(q(shell::translatedMessage(solved.error().reason)) + QStringLiteral("."),
                                              Style::Body)})};
    const std::vector<double> columns{0.46, 0.24, 0.17, 0.13};
    std::vector<Block> blocks{
        subheading(device, g, tx("Results")),
        spaced(tableRow(device, g.mm(1), columns,
                        {{Paragraph(tx("Result"), Style::BodyBold)},
                         {Paragraph(tx("Where"), Style::BodyBold)},
                         {Paragraph(std::vector<Run>{{tx("Value"), Style::BodyBold, Qt::black}}, 0, true)},
                         {Paragraph(tx("Unit"), Style::BodyBold)}},
                        HeaderShade),
               0, true)};
    const std::string mm = shell::unitCaption(text.units, shell::Dimension::Length);
    std::string problem;
    const std::vector<shell::MemberRow> rows = shell::memberAndStudyRows(*text.member, *solved, problem);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const shell::MemberRow &row = rows[r];
        blocks.push_back(tableRow(
            device, g.mm(1), columns,
            {{Paragraph(q(shell::translatedCaption(row.caption)), Style::Body),
              Paragraph(std::vector<Run>{{q(row.meaning), Style::Small, Grey}})},
             {Paragraph(row.x ? q("x = " + shell::diagramNumber(*row.x) + " " + mm) : q(row.below), Style::Body)},
             {Paragraph({{q(shell::resultText(row.value)), Style::Body, Qt::black}}, 0, true)},
             {Paragraph(q(row.unit(text.units)), Style::Body)}},
            r % 2 == 1 ? RowShade : QColor(Qt::transparent)));
    }
    if (!problem.empty())
        blocks.push_back(paragraphBlock(device, {Paragraph(q(problem) + QStringLiteral("."), Style::Body)}));
    return blocks;
}

}  // namespace sheet
