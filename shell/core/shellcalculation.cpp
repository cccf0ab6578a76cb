// The calculation on display as it leaves the window: kept in a file and opened again, and
// copied as a table that pastes into a spreadsheet.

#include "shell/core/shellmodel.h"

#include "mechanics/outcome.h"
#include "shell/core/numbertext.h"

#include <algorithm>
#include <cmath>

namespace shell {

SavedCalculation ShellModel::save() const
{
    const CaseDef &c = currentCaseDef();
    const auto cc = static_cast<std::size_t>(std::max(m_currentCase, 0));
    const std::size_t n = c.inputs.size();
    SavedCalculation saved;
    saved.program = m_program.name;
    saved.caseNumber = static_cast<int>(cc) + 1;
    saved.caseCaption = c.caption;
    // The units the texts are written in: the window's, but for a case whose texts could not be
    // converted to them, and for a program that only relabels (whose texts mean the captions).
    saved.units = m_program.unitChange == UnitChange::Convert ? m_caseUnits[cc] : units();
    for (std::size_t k = 0; k < n; ++k)
        saved.inputs.push_back({c.inputs[k].caption, m_texts[cc][k], m_texts[cc][n + k]});
    // Any member keeps the ticks of every row it has shown, up to as many as its supports give.
    const std::size_t rows = m_program.memberEditor
                                 ? std::min(m_rows.size(), memberRowLimit(m_member.tables[SupportTable].size()))
                                 : c.rows.size();
    for (std::size_t r = 0; r < rows; ++r)
        saved.ticked.push_back(m_rows[r].ticked);
    if (m_program.memberEditor) {
        saved.member = m_member;
        saved.influence = influenceKey(m_influence);
        saved.envelopeOf = m_envelopeOf;
    }
    saved.chartType = m_chartType;
    saved.logScale = m_logScale;
    saved.view = m_chartArea;
    saved.showSlope = m_showSlope;
    saved.plotColor = m_plotColor;
    saved.programColor = m_programColor;
    saved.names = m_names;
    return saved;
}

std::string ShellModel::open(const SavedCalculation &calculation)
{
    // Everything is checked before anything changes.
    const std::string problem = checkSavedCalculation(calculation, m_program);
    if (!problem.empty())
        return problem;

    const int index = calculation.caseNumber - 1;
    const auto cc = static_cast<std::size_t>(index);
    const std::size_t n = calculation.inputs.size();
    for (std::size_t k = 0; k < n; ++k) {
        m_texts[cc][k] = calculation.inputs[k].text;
        m_texts[cc][n + k] = calculation.inputs[k].step;
        m_scroll[cc][k] = 0;
    }
    if (m_program.unitChange == UnitChange::Convert)
        m_caseUnits[cc] = calculation.units;
    m_units = calculation.units;
    m_chartType = calculation.chartType;
    m_logScale = calculation.logScale;
    m_chartArea = calculation.view;
    m_showSlope = calculation.showSlope;
    m_plotColor = calculation.plotColor;
    m_programColor = calculation.programColor;
    m_names = calculation.names;
    if (calculation.member) {
        m_member = *calculation.member;
        padMemberRows(m_member);
        m_influence = influenceOfKey(calculation.influence).value_or(InfluenceChoice{});
        m_envelopeOf = calculation.envelopeOf;
    }
    m_page = m_program.pageOf(index);
    // The other cases convert into the new units when they are next shown.
    showCase(index, &calculation.ticked);
    return {};
}

namespace {

// A number as a cell of a spreadsheet: the shortest text that reads back as the same double;
// empty where there is none.
std::string cell(double value)
{
    return std::isfinite(value) ? mechanics::numberText(value) : std::string();
}

// "反力 (RA)" -> "反力": the caption without its symbol.
std::string nameOf(const std::string &caption)
{
    const std::size_t open = caption.find(" (");
    return open == std::string::npos || SymbolOf(caption).empty() ? caption : caption.substr(0, open);
}

}  // namespace

std::string ShellModel::calculationText() const
{
    const CaseDef &c = currentCaseDef();
    const std::string end = "\r\n";
    std::string s = c.caption + (c.title.empty() ? "" : ": " + c.title);
    // Results of refused inputs would not be those of the inputs above them: they stay empty.
    if (m_lastRejected)
        s += "\trefused: " + (m_reason.empty() ? m_statusText : m_reason);
    s += end + "Name\tSymbol\tValue\tUnit" + end;
    const std::vector<LegendLine> legend = legendLines(m_program, c, units());
    const std::vector<double> numbers = inputNumbers(m_currentCase);
    for (int k = 0; k < c.inputCount(); ++k) {
        const std::string &caption = c.inputs[static_cast<std::size_t>(k)].caption;
        std::string meaning;
        for (const LegendLine &line : legend)
            if (line.symbol == caption)
                meaning = line.meaning;
        s += meaning + "\t" + caption + "\t" + cell(numbers[static_cast<std::size_t>(k)]) + "\t" +
             inputUnit(m_currentCase, k) + end;
    }
    // Any member's tables, a line per cell: "support 2", "kind", "roller"; "support 2", "x", 3000, "mm".
    for (int t = 0; m_program.memberEditor && t < MemberTableCount; ++t) {
        const MemberTableDef &def = memberTableDef(t);
        for (int r = 0; r < m_member.rowCount(t); ++r)
            for (std::size_t k = 0; k < def.columns.size(); ++k) {
                const MemberColumn &column = def.columns[k];
                const std::string &text = m_member.text({t, r, static_cast<int>(k)});
                s += def.item + " " + std::to_string(r + 1) + "\t" + column.caption + "\t" +
                     (column.kind ? text : cell(holdsNumber(text) ? readNumber(text) : NAN)) + "\t" +
                     memberColumnUnit(column, fieldUnits(m_currentCase)) + end;
            }
    }
    for (int r = 0; r < m_resultCount; ++r) {
        const ResultRow &row = m_rows[static_cast<std::size_t>(r)];
        s += nameOf(row.caption) + "\t" + SymbolOf(row.caption) + "\t" + (m_lastRejected ? "" : cell(row.value)) +
             "\t" + row.unit + end;
    }
    return s;
}

void ShellModel::copyCalculation()
{
    m_platform.setClipboardText(calculationText());
}

}  // namespace shell
