// The window's work for a program that describes any member: the tables of the member editor,
// their gestures, and the member solved into the rows and the diagrams.

#include "shell/core/shellmodel.h"

#include "mechanics/beam.h"
#include "shell/core/language.h"
#include "shell/core/numbertext.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace shell {

namespace {

// The inputs of the member's one case, in their order.
enum MemberInput { LengthInput, ElasticModulusInput, SecondMomentInput, PointInput };

// The moving loads in words, for telling one member's study from another's: the description
// does not hold them.
std::string trainText(const std::optional<mechanics::Train> &train)
{
    std::string t;
    if (train) {
        for (const mechanics::Axle &a : train->axles)
            t += " " + generalText(a.offset) + ":" + generalText(a.load);
        t += " w " + generalText(train->uniform) + " ways " + std::to_string(static_cast<int>(train->ways));
    }
    return t;
}

// The language the study's words (its reasons, the envelopes' names) are in: a study made in
// another language is made again.
std::string languageKey()
{
    const std::optional<Language> language = installedLanguage();
    return language ? std::string(" in ") + languageCode(*language) : std::string();
}

}  // namespace

void ShellModel::computeMember(const std::vector<double> &numbers)
{
    const MemberTablesRead read = readMemberTables(m_member, numbers[LengthInput], numbers[ElasticModulusInput],
                                                   numbers[SecondMomentInput], m_program.sectionShapes, units());
    if (!read.member) {
        tableError(read.cell, read.reason);
        return;
    }
    const mechanics::Beam beam = read.member->beam();
    const mechanics::Outcome<mechanics::BeamSolution> solved = mechanics::solveBeam(beam);
    if (!solved) {
        tableError(tableOfRefusal(solved.error().message), translatedMessage(solved.error().reason));
        return;
    }
    // The study (the envelopes over the combinations and under the moving loads) depends on the
    // member alone: a new point of interest, a tick or a view keeps the one already made.
    const std::string described = memberDescriptionJson(*read.member);
    const std::string studied = described + trainText(read.member->train) + languageKey();
    const bool sameMember = m_acceptedMember && m_acceptedDescription == studied;
    // Referred to, not copied: a study holds the governing combination and pattern of every
    // section of every envelope.
    MemberStudy fresh;
    if (!sameMember)
        fresh = studyMember(*read.member);
    const MemberStudy &study = sameMember ? m_acceptedStudy : fresh;
    if (!study.problem.empty()) {
        tableError({study.problemTable, -1, -1}, study.problem);
        return;
    }
    std::vector<MemberRow> rows = memberRows(*solved);
    const std::vector<MemberRow> more = studyRows(*read.member, *solved, study);
    rows.insert(rows.end(), more.begin(), more.end());
    writeMemberRows(rows);
    m_diagrams = memberDiagrams(beam, *solved, units());
    m_diagrams.caseIndex = m_currentCase;
    m_diagrams.inputs = numbers;
    m_diagrams.member = described;
    m_diagrams.members.front().marks.push_back({"x", numbers[PointInput]});
    m_acceptedCase = m_currentCase;
    m_acceptedInputs = numbers;
    m_acceptedMember = read.member;
    m_acceptedDescription = studied;
    if (!sameMember)
        m_acceptedStudy = std::move(fresh);
    m_advisories.clear();
    m_lastRejected = false;
    m_markedField = -1;
    m_reason.clear();
    writeRowsStatus();
    drawChart();
}

void ShellModel::writeMemberRows(const std::vector<MemberRow> &rows)
{
    // Rows beyond those shown keep their ticks for a member that gains supports again.
    if (m_rows.size() < rows.size())
        m_rows.resize(rows.size());
    m_resultCount = static_cast<int>(rows.size());
    const std::string lengthUnit = unitCaption(units(), Dimension::Length);
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        ResultRow &row = m_rows[r];
        row.visible = r < rows.size();
        if (!row.visible)
            continue;
        const MemberRow &m = rows[r];
        row.caption = translatedCaption(m.caption);
        row.unit = m.unit(units());
        row.meaning = translated("Meaning", m.meaning);
        row.value = std::isfinite(m.value) ? m.value : std::numeric_limits<double>::quiet_NaN();
        row.text = m_formatResults ? resultText(m.value) : generalText(m.value);
        row.reason = std::isfinite(m.value) ? "" : translated("Reason", "too large to compute (beyond 1.8e308)");
        row.largest.reset();
        row.outsideRange.clear();
        row.lineBelow = m.x.has_value() || !m.below.empty();
        row.largestText =
            m.x ? translatedPattern("Text", "at x = %1", {diagramNumber(*m.x) + " " + lengthUnit}) : m.below;
    }
}

void ShellModel::tableError(const MemberCell &cell, const std::string &reason)
{
    m_platform.beep();
    m_statusVisible = true;
    m_statusText = translatedPattern("Text", "Please check %1 : %2",
                                     {translated("Table", memberTableDef(cell.table).title), reason});
    m_lastRejected = true;
    m_markedField = -1;
    m_markedCell = cell;
    m_reason = reason;
}

void ShellModel::setMemberCell(const MemberCell &cell, const std::string &text)
{
    if (!m_program.memberEditor || m_currentCase < 0 || !m_member.holds(cell))
        return;
    m_member.tables[static_cast<std::size_t>(cell.table)][static_cast<std::size_t>(cell.row)]
                   [static_cast<std::size_t>(cell.column)] = text;
    compute(0);
}

int ShellModel::insertMemberRow(int table, int row)
{
    if (!m_program.memberEditor || m_currentCase < 0 || table < 0 || table >= MemberTableCount)
        return -1;
    auto &rows = m_member.tables[static_cast<std::size_t>(table)];
    const int at = std::clamp(row, -1, static_cast<int>(rows.size()) - 1) + 1;
    const double length = inputNumbers(m_currentCase)[LengthInput];
    rows.insert(rows.begin() + at, newMemberRow(table, length));
    compute(0);
    return at;
}

void ShellModel::removeMemberRow(int table, int row)
{
    if (!m_program.memberEditor || m_currentCase < 0 || !m_member.holds({table, row, 0}))
        return;
    auto &rows = m_member.tables[static_cast<std::size_t>(table)];
    rows.erase(rows.begin() + row);
    compute(0);
}

int ShellModel::moveMemberRow(int table, int row, int by)
{
    if (!m_program.memberEditor || m_currentCase < 0 || !m_member.holds({table, row, 0}))
        return row;
    auto &rows = m_member.tables[static_cast<std::size_t>(table)];
    const int to = std::clamp(row + by, 0, static_cast<int>(rows.size()) - 1);
    if (to == row)
        return row;
    std::swap(rows[static_cast<std::size_t>(row)], rows[static_cast<std::size_t>(to)]);
    compute(0);
    return to;
}

void ShellModel::stepMemberCell(const MemberCell &cell, int clicks)
{
    if (!m_program.memberEditor || m_currentCase < 0 || !m_member.holds(cell))
        return;
    const double length = inputNumbers(m_currentCase)[LengthInput];
    setMemberCell(cell, steppedCellText(m_member, cell, clicks, length));
}

void ShellModel::chooseInfluence(const InfluenceChoice &choice)
{
    m_influence = choice;
}

void ShellModel::chooseEnvelopeOf(const std::string &combination)
{
    m_envelopeOf = combination;
}

const CaseDiagrams &ShellModel::studyDiagrams() const
{
    if (!m_acceptedMember) {
        m_studyDiagrams = CaseDiagrams{};
        m_studyDiagramsSource.clear();
        return m_studyDiagrams;
    }
    const bool influence = m_chartArea == ChartArea::Influence;
    const double x = m_acceptedInputs.size() > PointInput ? m_acceptedInputs[PointInput] : 0;
    const Units u = units();
    const std::string source = memberDescriptionJson(*m_acceptedMember) + (influence ? " influence " : " envelope ") +
                               influenceKey(m_influence) + " " + generalText(x) + " " +
                               unitCaption(u, Dimension::Moment) + trainText(m_acceptedMember->train) + " of " +
                               m_envelopeOf + languageKey();
    if (source == m_studyDiagramsSource)
        return m_studyDiagrams;
    const mechanics::Beam beam = m_acceptedMember->beam();
    const auto &combinations = m_acceptedMember->combinations;
    const auto chosen = std::find_if(combinations.begin(), combinations.end(),
                                     [this](const MemberCombination &c) { return c.name == m_envelopeOf; });
    if (influence)
        m_studyDiagrams = influenceDiagrams(beam, m_influence, x, u);
    else if (chosen != combinations.end())
        m_studyDiagrams =
            combinationDiagrams(*m_acceptedMember, static_cast<std::size_t>(chosen - combinations.begin()), u);
    else
        m_studyDiagrams = envelopeDiagrams(beam, m_acceptedStudy, u);
    m_studyDiagrams.caseIndex = m_acceptedCase;
    m_studyDiagrams.inputs = m_acceptedInputs;
    m_studyDiagrams.member = source;
    m_studyDiagramsSource = source;
    return m_studyDiagrams;
}

void ShellModel::setMemberTables(const MemberTables &tables)
{
    if (!m_program.memberEditor || m_currentCase < 0)
        return;
    m_member = tables;
    padMemberRows(m_member);
    compute(0);
}

}  // namespace shell
