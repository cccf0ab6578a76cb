#include "shell/core/shellmodel.h"

#include "shell/core/language.h"
#include "shell/core/numbertext.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace shell {

namespace {

// True where a field can hold the number with the fifteen digits of its text, so that it
// converts there and back: zero, or a normal double (below the normal range fewer digits
// remain) whose text does not round beyond the largest double.
bool keepsItsDigits(double value)
{
    return value == 0 || (std::isnormal(value) && std::isfinite(readNumber(generalText(value))));
}

}  // namespace

ShellModel::ShellModel(const Program &program, Platform &platform) : m_program(program), m_platform(platform)
{
    std::size_t rowSlots = 0;
    for (const CaseDef &c : m_program.cases) {
        std::vector<std::string> texts;
        for (const InputDef &input : c.inputs)
            texts.push_back(generalText(input.start));
        for (const InputDef &input : c.inputs)
            texts.push_back(generalText(input.step));
        m_texts.push_back(texts);
        m_scroll.emplace_back(c.inputs.size(), 0);
        m_caseUnits.push_back(CatalogueUnits);
        rowSlots = std::max(rowSlots, c.rows.size());
    }
    m_rows.resize(rowSlots);
    m_programColor = m_program.programColor;
    if (m_program.memberEditor) {
        m_member = startMemberTables();
        m_chartArea = ChartArea::Diagrams;  // the diagrams are the member's main view
    }
}

const CaseDef &ShellModel::currentCaseDef() const
{
    return m_program.cases[static_cast<std::size_t>(std::max(m_currentCase, 0))];
}

void ShellModel::start()
{
    m_windowWidth = m_program.windowWidth;
    m_windowHeight = m_program.windowHeight;
    m_chart.left = m_program.chartLeft;
    m_chart.width = m_program.chartWidth;

    // The default store holds the start texts as laid out in the window, read as numbers.
    m_defaultStore.clear();
    for (const auto &texts : m_texts) {
        std::vector<double> stored;
        stored.reserve(texts.size());
        for (const std::string &t : texts)
            stored.push_back(readNumber(t));
        m_defaultStore.push_back(stored);
    }

    m_plotColor = 255;

    if (m_program.startupReset == StartupReset::EveryCase) {
        for (int i = 0; i < m_program.caseCount(); ++i) {
            m_currentCase = i;
            resetCase();
        }
    }
    m_currentCase = -1;
    selectCase(0);
    if (m_program.startupReset == StartupReset::CurrentCase)
        reset();
}

Units ShellModel::fieldUnits(int caseIndex) const
{
    // A program that only relabels has its fields in whatever units the window names.
    return m_program.unitChange == UnitChange::Convert ? m_caseUnits[static_cast<std::size_t>(caseIndex)] : units();
}

std::string ShellModel::inputUnit(int caseIndex, int k) const
{
    const CaseDef &c = m_program.cases[static_cast<std::size_t>(caseIndex)];
    if (k < 0 || k >= c.inputCount())
        return {};
    return unitCaption(fieldUnits(caseIndex), c.inputs[static_cast<std::size_t>(k)].dimension);
}

std::string ShellModel::inputNote(int caseIndex, int k) const
{
    const std::string &t = text(caseIndex, k);
    if (isWholeNumber(t) || t.find_first_not_of(" \t\n") == std::string::npos)
        return {};
    return "read as " + generalText(readNumber(t));
}

std::string ShellModel::readAsStatus() const
{
    std::string status;
    if (m_currentCase < 0)
        return status;
    const CaseDef &c = currentCaseDef();
    const int n = c.inputCount();
    for (int k = 0; k < 2 * n; ++k) {
        const std::string note = inputNote(m_currentCase, k);
        if (note.empty())
            continue;
        const bool number = holdsNumber(text(m_currentCase, k));
        status += (status.empty() ? "" : "; ") + c.inputs[static_cast<std::size_t>(k % n)].caption +
                  (k < n ? " " : " step ") + note + ": " +
                  (number ? "the text after the number is ignored" : "the text holds no number");
    }
    return status;
}

std::vector<double> ShellModel::inputNumbers(int caseIndex) const
{
    const auto &def = m_program.cases[static_cast<std::size_t>(caseIndex)];
    std::vector<double> numbers;
    numbers.reserve(def.inputs.size());
    for (int k = 0; k < def.inputCount(); ++k)
        numbers.push_back(readNumber(m_texts[static_cast<std::size_t>(caseIndex)][static_cast<std::size_t>(k)]));
    return numbers;
}

const CaseDiagrams &ShellModel::diagrams() const
{
    if (m_program.memberEditor && (m_chartArea == ChartArea::Influence || m_chartArea == ChartArea::Envelope))
        return studyDiagrams();
    // The same inputs give the same diagrams: only a change solves the member again. (Any member
    // is solved at every computation: its rows are its diagrams' extremes.)
    if (m_acceptedCase >= 0 && !m_program.memberEditor &&
        (m_diagrams.caseIndex != m_acceptedCase || m_diagrams.units != units() ||
         m_diagrams.inputs != m_acceptedInputs || m_diagrams.rows != m_acceptedRows))
        m_diagrams = caseDiagrams(m_program.cases[static_cast<std::size_t>(m_acceptedCase)], m_acceptedCase,
                                  m_acceptedInputs, m_acceptedRows, units());
    return m_diagrams;
}

void ShellModel::selectCase(int index)
{
    if (index == m_currentCase || index < 0 || index >= m_program.caseCount())
        return;
    showCase(index, nullptr);
}

void ShellModel::showCase(int index, const std::vector<bool> *ticked)
{
    m_currentCase = index;
    const CaseDef &c = currentCaseDef();

    layoutCase(c);
    // The rows show only what this case computes in these units: nothing until it has. (The rows
    // of any member follow its supports: as many slots as the ticks given.)
    m_resultCount = c.rowCount();
    if (ticked && m_program.memberEditor)
        m_rows.resize(ticked->size());
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        ResultRow &row = m_rows[r];
        row.ticked = !ticked || r >= ticked->size() || (*ticked)[r];
        row.visible = static_cast<int>(r) < m_resultCount;
        row.text.clear();
        row.reason.clear();
        row.value = std::numeric_limits<double>::quiet_NaN();
        row.largest.reset();
        row.largestText.clear();
        row.outsideRange.clear();
        if (row.visible) {
            row.caption = translatedCaption(c.rows[r].caption);
            row.unit = m_program.rowUnit(c, static_cast<int>(r), units());
            row.meaning = translated("Meaning", c.rows[r].meaning);
            row.lineBelow = c.rows[r].claims.has_value();
        }
    }
    // Nor does the chart plot another case's or unit system's numbers.
    m_pointRows.clear();
    m_chartPoints.clear();
    m_advisories.clear();
    m_acceptedCase = -1;
    m_diagrams = CaseDiagrams();
    compute(0);
    writeNotes();
}

void ShellModel::writeNotes()
{
    m_notes.clear();
    for (const LegendLine &line : legendLines(m_program, currentCaseDef(), fieldUnits(m_currentCase)))
        m_notes.push_back(line.text());
}

void ShellModel::reselect()
{
    const int saved = m_currentCase;
    m_currentCase = -1;
    selectCase(saved);
}

void ShellModel::setText(int k, const std::string &text)
{
    edit({{k, text}});
}

void ShellModel::setTexts(const std::vector<std::pair<int, std::string>> &texts)
{
    edit(texts);
}

void ShellModel::edit(const std::vector<std::pair<int, std::string>> &texts)
{
    if (m_currentCase < 0)
        return;
    auto &fields = m_texts[static_cast<std::size_t>(m_currentCase)];
    const CaseDef &c = currentCaseDef();
    std::vector<int> given;
    int last = -1;
    m_edited.clear();
    for (const auto &[k, text] : texts) {
        if (k < 0 || k >= static_cast<int>(fields.size()))
            continue;
        fields[static_cast<std::size_t>(k)] = text;
        last = k;
        if (k >= c.inputCount())
            continue;
        m_edited.push_back(k);
        // A text that holds no number yet ("", "-") leads nothing: the user is still typing.
        if (holdsNumber(text))
            given.push_back(k);
    }
    if (last < 0)
        return;
    m_following = Following();
    if (!given.empty() && !c.follows.empty()) {
        std::vector<double> numbers = inputNumbers(m_currentCase);
        m_following = follow(c, numbers, given, fieldUnits(m_currentCase));
        for (const int f : m_following.changed)
            fields[static_cast<std::size_t>(f)] = generalText(numbers[static_cast<std::size_t>(f)]);
    }
    compute(last);
    m_edited.clear();
    m_following = Following();
}

int ShellModel::markedFor(const Evaluation &evaluation) const
{
    const auto reads = [&](int k) {
        return std::find(evaluation.read.begin(), evaluation.read.end(), k) != evaluation.read.end();
    };
    const auto &follows = currentCaseDef().follows;
    const auto partner = [&](int k) {
        return std::any_of(follows.begin(), follows.end(), [k](const Follow &f) {
            return f.follower == k || std::find(f.leaders.begin(), f.leaders.end(), k) != f.leaders.end();
        });
    };
    // A refusal of the relation the edited input keeps with its partners (a + b = l, or the
    // partner it moved) marks the input typed; any other marks the input its reason is about.
    const bool movedFollower = std::any_of(m_following.changed.begin(), m_following.changed.end(), reads);
    int marked = evaluation.field;
    for (const int k : m_edited)
        if ((reads(k) && partner(k)) || movedFollower)
            marked = k;
    return marked;
}

void ShellModel::writeText(int k, const std::string &text)
{
    auto &texts = m_texts[static_cast<std::size_t>(m_currentCase)];
    if (k < 0 || k >= static_cast<int>(texts.size()))
        return;
    texts[static_cast<std::size_t>(k)] = text;
    compute(k);
}

void ShellModel::compute(int index)
{
    ++m_computeCount;
    m_markedCell = MemberCell();
    m_followNote = m_following.note;
    const CaseDef &c = currentCaseDef();
    // A case last shown in other units is brought into the window's units first; while one of
    // its numbers cannot be written in them it computes nothing, for its fields still mean the
    // units they were written in.
    if (m_program.unitChange == UnitChange::Convert && fieldUnits(m_currentCase) != units()) {
        int field = -1;
        std::string reason;
        if (!convertCase(m_currentCase, units(), field, reason)) {
            entryError(index, field, reason);
            return;
        }
        writeNotes();
    }
    // A step that is not a finite number is refused like an input: the scroll bar could write
    // nothing sensible with it.
    const std::size_t n = c.inputs.size();
    for (std::size_t k = 0; k < n; ++k) {
        if (!std::isfinite(readNumber(m_texts[static_cast<std::size_t>(m_currentCase)][n + k]))) {
            entryError(index, static_cast<int>(n + k),
                       translatedPattern("Reason", "%1 step is too large a number", {c.inputs[k].caption}));
            return;
        }
    }
    // A number nearer 0 than the normal range of a double is refused like one beyond it, also
    // where it reads as 0 ("1e-400").
    for (std::size_t k = 0; k < n; ++k) {
        if (isBelowNormalRange(m_texts[static_cast<std::size_t>(m_currentCase)][k])) {
            entryError(index, static_cast<int>(k), tooSmallReason(c.inputs[k].caption));
            return;
        }
    }
    // A program that only relabels computes in the catalogue's units whatever the labels say.
    const Units in = m_program.unitChange == UnitChange::Convert ? units() : CatalogueUnits;
    const std::vector<double> numbers = inputNumbers(m_currentCase);
    Evaluation evaluation = evaluate(c, numbers, m_following, in);
    if (evaluation.rejected) {
        entryError(index, markedFor(evaluation), evaluation.reason);
        if (!m_followNote.empty())
            m_statusText += "; " + m_followNote;
        return;
    }
    if (m_program.memberEditor) {
        computeMember(numbers);
        return;
    }
    m_acceptedCase = m_currentCase;
    m_acceptedInputs = numbers;
    m_acceptedRows = evaluation.values;
    for (std::size_t r = 0; r < evaluation.values.size(); ++r) {
        const double v = evaluation.values[r];
        ResultRow &row = m_rows[r];
        row.value = std::isfinite(v) ? v : std::numeric_limits<double>::quiet_NaN();
        row.reason = translated("Reason", evaluation.rowReasons[r]);
        // The text as the window shows it, in the result format while it is ticked: one
        // rounding of the value's digits (the same text as formatting the general text).
        row.text = m_formatResults ? resultText(v) : generalText(v);
        row.outsideRange = evaluation.outsideRangeOf(static_cast<int>(r));
    }
    writeLargest();
    m_advisories = std::move(evaluation.advisories);
    m_lastRejected = false;
    m_markedField = -1;
    m_markedCell = MemberCell();
    m_reason.clear();
    writeRowsStatus();
    drawChart();
    if (!m_followNote.empty()) {
        m_statusVisible = true;
        m_statusText = m_followNote;
    }
}

void ShellModel::writeLargest()
{
    const CaseDef &c = currentCaseDef();
    bool claims = false;
    for (int r = 0; r < m_resultCount; ++r) {
        ResultRow &row = m_rows[static_cast<std::size_t>(r)];
        row.largest.reset();
        row.largestText.clear();
        claims = claims || c.rows[static_cast<std::size_t>(r)].claims.has_value();
    }
    // Only a case with such a row pays for solving its member at every keystroke.
    if (!claims)
        return;
    const CaseDiagrams &d = diagrams();
    for (int r = 0; r < m_resultCount; ++r) {
        ResultRow &row = m_rows[static_cast<std::size_t>(r)];
        row.largest = rowLargest(c, d, r, row.value);
        if (row.largest) {
            const double v = row.largest->value;
            row.largestText =
                largestText(m_formatResults ? resultText(v) : generalText(v), row.unit, row.largest->x, d.lengthUnit);
        }
    }
}

void ShellModel::entryError(int index, int field, const std::string &reason)
{
    m_platform.beep();
    m_statusVisible = true;
    m_statusText = translatedPattern("Text", "Please check command entry  #%1", {std::to_string(index + 1)});
    if (!reason.empty())
        m_statusText += " : " + reason;
    m_lastRejected = true;
    m_markedField = field;
    m_reason = reason;
}

void ShellModel::writeRowsStatus()
{
    // The status line says why a row shows no value, rows with one reason named together ("RA,
    // RB: too large to compute ..."), and is hidden while every row shows one. (An entry error
    // takes the line until the next accepted input.)
    std::vector<std::pair<std::string, std::string>> reasons;  // reason, symbols
    for (int r = 0; r < m_resultCount; ++r) {
        const ResultRow &row = m_rows[static_cast<std::size_t>(r)];
        if (row.reason.empty())
            continue;
        const std::string symbol = SymbolOf(row.caption).empty() ? row.caption : SymbolOf(row.caption);
        const auto same =
            std::find_if(reasons.begin(), reasons.end(), [&](const auto &named) { return named.first == row.reason; });
        if (same == reasons.end())
            reasons.emplace_back(row.reason, symbol);
        else
            same->second += ", " + symbol;
    }
    m_statusText.clear();
    for (const auto &[reason, symbols] : reasons)
        m_statusText += (m_statusText.empty() ? "" : "; ") + symbols + ": " + reason;
    m_statusVisible = !m_statusText.empty();
}

void ShellModel::drawChart()
{
    m_pointRows.clear();
    m_chartPoints.clear();
    for (int r = 0; r < m_resultCount; ++r) {
        ResultRow &row = m_rows[static_cast<std::size_t>(r)];
        // The chart takes the computed value itself; a row that cannot be computed keeps its
        // slot, empty.
        if (row.ticked) {
            m_pointRows.push_back(r);
            const double v = row.value;
            const bool logged = std::isfinite(v) && m_logScale;
            m_chartPoints.push_back({SymbolPart(row.caption), logged ? Log10OrZero(v) : v, logged && !(v > 0)});
        }
    }
}

void ShellModel::setScroll(int k, int value)
{
    if (m_currentCase < 0 || k < 0 || k >= currentCaseDef().inputCount())
        return;
    m_scroll[static_cast<std::size_t>(m_currentCase)][static_cast<std::size_t>(k)] =
        std::clamp(value, ScrollMin, ScrollMax);
    scrollToText(k);
}

void ShellModel::scrollToText(int k)
{
    const auto cc = static_cast<std::size_t>(m_currentCase);
    const auto &texts = m_texts[cc];
    const int count = currentCaseDef().inputCount();
    if (!m_scrollFocus[static_cast<std::size_t>(k)]) {
        // A change the user did not make: the current input becomes the base of position 0.
        m_scrollBase = readNumber(texts[static_cast<std::size_t>(k)]);
        m_scroll[cc][static_cast<std::size_t>(k)] = 0;
    }
    const double step = readNumber(texts[static_cast<std::size_t>(count) + static_cast<std::size_t>(k)]);
    const int position = m_scroll[cc][static_cast<std::size_t>(k)];
    const double value = m_scrollBase + position * step;
    const std::string text = generalText(value);
    // A position that would leave the range of a double, or whose text would read back as
    // infinity, leaves the input as it is.
    if (!std::isfinite(value) || !std::isfinite(readNumber(text)))
        return;
    edit({{k, text}});
}

void ShellModel::setScrollFocus(int k, bool focused)
{
    if (k < 0 || k >= MaxInputs)
        return;
    if (focused && m_currentCase >= 0 && k < currentCaseDef().inputCount()) {
        // The base is one number for the whole window: a scroll bar that gains the focus takes
        // its own input as the base and returns to position 0, so that its first step starts
        // from the value the user sees and not from the input scrolled or typed last.
        m_scrollBase = readNumber(m_texts[static_cast<std::size_t>(m_currentCase)][static_cast<std::size_t>(k)]);
        m_scroll[static_cast<std::size_t>(m_currentCase)][static_cast<std::size_t>(k)] = 0;
    }
    m_scrollFocus[static_cast<std::size_t>(k)] = focused;
}

void ShellModel::wheel(int k, int clicks)
{
    if (m_currentCase < 0 || k < 0 || k >= currentCaseDef().inputCount() || clicks == 0)
        return;
    const auto index = static_cast<std::size_t>(k);
    const bool focused = m_scrollFocus[index];
    if (!focused)
        setScrollFocus(k, true);
    setScroll(k, m_scroll[static_cast<std::size_t>(m_currentCase)][index] + clicks);
    if (!focused)
        m_scrollFocus[index] = false;
}

void ShellModel::reset()
{
    if (m_currentCase >= 0)
        resetCase();
}

void ShellModel::resetCase()
{
    const CaseDef &c = currentCaseDef();
    const auto cc = static_cast<std::size_t>(m_currentCase);
    const auto &stored = m_defaultStore[cc];
    const std::size_t n = c.inputs.size();
    // The start values are those of the catalogue (mm and N), written in the case's units.
    // (Each write computes, and may bring the case into the window's units: the units are read
    // again for every field.)
    const bool convert = m_program.unitChange == UnitChange::Convert;
    for (std::size_t k = 0; k < n; ++k) {
        const Dimension d = c.inputs[k].dimension;
        const double value = shell::convert(stored[k], d, CatalogueUnits, convert ? m_caseUnits[cc] : CatalogueUnits);
        writeText(static_cast<int>(k), convertedText(value));
        const double step =
            shell::convert(stored[n + k], d, CatalogueUnits, convert ? m_caseUnits[cc] : CatalogueUnits);
        writeText(static_cast<int>(n + k), convertedText(step));
        m_scroll[cc][k] = 0;
    }
}

void ShellModel::chooseUnit(LengthUnit length)
{
    if (!isUnitSystem({length, m_units.force}))
        return;
    changeUnits({length, m_units.force});
}

void ShellModel::chooseForceUnit(ForceUnit force)
{
    if (!isUnitSystem({m_units.length, force}) || !m_program.forceUnits)
        return;
    changeUnits({m_units.length, force});
}

void ShellModel::chooseUnits(Units units)
{
    if (!isUnitSystem(units))
        return;
    changeUnits({units.length, m_program.forceUnits ? units.force : m_units.force});
}

void ShellModel::changeUnits(Units to)
{
    if (m_program.unitChange == UnitChange::RelabelOnly) {
        // The numbers mean whatever unit the user means: only the captions follow.
        m_units = to;
        const CaseDef &c = currentCaseDef();
        for (int r = 0; r < m_resultCount; ++r)
            m_rows[static_cast<std::size_t>(r)].unit = m_program.rowUnit(c, r, units());
        return;
    }
    // The case on display converts now; the others when they are next shown. A number that
    // would leave the range of a double refuses the change and leaves every field as it was.
    int field = -1;
    std::string reason;
    m_markedCell = MemberCell();
    if (!convertCase(m_currentCase, to, field, reason)) {
        entryError(field, field, reason);
        return;
    }
    m_units = to;
    reselect();
}

bool ShellModel::convertCase(int caseIndex, Units to, int &field, std::string &reason)
{
    const auto cc = static_cast<std::size_t>(caseIndex);
    const Units from = m_caseUnits[cc];
    if (from == to)
        return true;
    const CaseDef &c = m_program.cases[cc];
    const std::size_t n = c.inputs.size();
    std::vector<std::string> converted = m_texts[cc];
    for (std::size_t k = 0; k < 2 * n; ++k) {
        const std::string &t = m_texts[cc][k];
        const InputDef &input = c.inputs[k % n];
        // A field that holds no number, one too large for a double (refused in any units), or one
        // whose number means the same in both unit systems is left as the user typed it.
        const double value = readNumber(t);
        if (!holdsNumber(t) || !std::isfinite(value) || conversionExponent(input.dimension, from, to) == 0)
            continue;
        const double v = shell::convert(value, input.dimension, from, to);
        const std::string text = convertedText(v);
        // The number converts where it keeps its digits here and there, and its text converts back.
        const double back = shell::convert(readNumber(text), input.dimension, to, from);
        if (!keepsItsDigits(value) || !keepsItsDigits(v) || !keepsItsDigits(back)) {
            field = static_cast<int>(k);
            reason =
                input.caption + (k < n ? "" : " step") + " cannot be written in " + unitCaption(to, input.dimension);
            return false;
        }
        converted[k] = text;
    }
    MemberTables tables = m_member;
    if (m_program.memberEditor) {
        MemberCell cell;
        if (!convertMemberTables(tables, from, to, cell, reason)) {
            field = -1;
            m_markedCell = cell;
            return false;
        }
    }
    m_texts[cc] = std::move(converted);
    m_member = std::move(tables);
    m_caseUnits[cc] = to;
    return true;
}

void ShellModel::toggleFormat()
{
    m_formatResults = !m_formatResults;
    reselect();
}

void ShellModel::programColorCommand()
{
    unsigned chosen = 0;
    if (m_platform.pickColor(m_programColor, chosen))
        m_programColor = chosen;
}

void ShellModel::tickRow(int row, bool ticked)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    m_rows[static_cast<std::size_t>(row)].ticked = ticked;
    drawChart();
}

void ShellModel::plotColorCommand()
{
    unsigned chosen = 0;
    if (m_platform.pickColor(m_plotColor, chosen))
        m_plotColor = chosen;
}

void ShellModel::toggleLogScale()
{
    m_logScale = !m_logScale;
    drawChart();
}

void ShellModel::chooseChartType(ChartType type)
{
    // A chart type is a look of the results chart: choosing one shows the chart.
    m_chartType = type;
    m_chartArea = ChartArea::Results;
}

void ShellModel::chooseView(ChartArea area)
{
    m_chartArea = area;
}

void ShellModel::toggleSlope()
{
    m_showSlope = !m_showSlope;
}

std::string ShellModel::selectPoint(int point)
{
    if (point < 0 || point >= static_cast<int>(m_chartPoints.size()))
        return {};
    const double value = m_chartPoints[static_cast<std::size_t>(point)].value;
    const ResultRow &row = m_rows[static_cast<std::size_t>(m_pointRows[static_cast<std::size_t>(point)])];
    if (!std::isfinite(value))
        return row.caption + "  " + (row.reason.empty() ? translated("Reason", "cannot be computed") : row.reason);
    std::string text = row.caption + "  " + (m_formatResults ? resultText(value) : generalText(value));
    // On the log scale the value is the logarithm plotted: of a number in the row's unit.
    if (m_logScale)
        return text + (row.unit.empty() ? " (log10)" : " (log10 of " + row.unit + ")");
    return row.unit.empty() ? text : text + " " + row.unit;
}

void ShellModel::nextPage()
{
    if (!m_program.hasPages())
        return;
    m_page = 1;
    selectCase(m_program.firstCaseOf(1));
}

void ShellModel::previousPage()
{
    if (!m_program.hasPages())
        return;
    m_page = 0;
    selectCase(m_program.firstCaseOf(0));
}

std::string ShellModel::resultsText() const
{
    std::string s;
    for (int r = 0; r < m_resultCount; ++r) {
        const ResultRow &row = m_rows[static_cast<std::size_t>(r)];
        s += row.caption + " \t" + row.text + " " + row.unit + "\r\n";
    }
    return s;
}

void ShellModel::copyResults()
{
    m_platform.setClipboardText(resultsText());
}

std::string ShellModel::helpPath() const
{
    return m_platform.programFolder() + folderSeparator() + helpFileIn(m_program.helpFile, installedLanguage());
}

void ShellModel::help()
{
    const std::string path = helpPath();
    int errorNumber = 0;
    std::string errorText;
    const OpenResult result = m_platform.openDocument(path, errorNumber, errorText);
    if (result == OpenResult::Opened)
        return;
    // The reference is there but nothing on this desktop shows PDF files: say where it is, so
    // that the user can open it another way.
    if (result == OpenResult::NoApplication)
        m_platform.messageBox(
            translatedPattern("Text", "No application to open PDF files was found. The reference is at %1", {path}),
            m_program.helpMessageTitle);
    else if (errorNumber < 1)
        m_platform.messageBox(translatedPattern("Text", "%1 : Reference File open error ! ",
                                                {helpFileIn(m_program.helpFile, installedLanguage())}),
                              m_program.helpMessageTitle);
    else
        m_platform.messageBox(m_program.errorPrefix + std::to_string(errorNumber) + errorText, "Error Message");
}

void ShellModel::exit()
{
    m_platform.closeWindow();
}

}  // namespace shell
