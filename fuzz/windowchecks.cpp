#include "fuzz/windowchecks.h"

#include "fuzz/textchecks.h"
#include "shell/core/numbertext.h"

#include <cmath>
#include <limits>

namespace fuzzing {

namespace {

using shell::ShellModel;

bool sameNumber(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

std::vector<std::string> fieldsOf(const ShellModel &m, int caseIndex)
{
    const int count = 2 * m.program().cases[static_cast<std::size_t>(caseIndex)].inputCount();
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k)
        texts.push_back(m.text(caseIndex, k));
    return texts;
}

}  // namespace

WindowChecks::WindowChecks(const ShellModel &model) : m_model(model), m_program(model.program()) {}

void WindowChecks::remember()
{
    m_before.clear();
    for (int i = 0; i < m_program.caseCount(); ++i)
        m_before.push_back(fieldsOf(m_model, i));
    m_caseBefore = m_model.currentCase();
}

shell::Units WindowChecks::computeUnits() const
{
    return m_program.unitChange == shell::UnitChange::Convert ? m_model.units() : shell::CatalogueUnits;
}

std::string WindowChecks::check(int typedField)
{
    const ShellModel &m = m_model;
    if (m.currentCase() < 0 || m.currentCase() >= m_program.caseCount())
        return "no case is selected";
    const auto cc = static_cast<std::size_t>(m.currentCase());
    const shell::CaseDef &c = m_program.cases[cc];
    const int n = c.inputCount();

    // The rows of this case (of any member: those of the member solved), and every text of the
    // window clean.
    const bool anyMember = m_program.memberEditor;
    if (!anyMember && m.resultCount() != c.rowCount())
        return "the window shows " + std::to_string(m.resultCount()) + " rows for a case of " +
               std::to_string(c.rowCount());
    const auto &rows = m.rows();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const shell::ResultRow &row = rows[r];
        if (row.visible != (static_cast<int>(r) < m.resultCount()))
            return "row " + std::to_string(r + 1) + " is " + (row.visible ? "shown" : "hidden");
        if (!row.visible)
            continue;
        if (!anyMember &&
            (row.caption != c.rows[r].caption || row.unit != m_program.rowUnit(c, static_cast<int>(r), m.units())))
            return "row " + std::to_string(r + 1) + " has the caption or unit of another case or unit";
        for (const std::string *text : {&row.caption, &row.text, &row.unit})
            if (const std::string fault = textFault(*text, false); !fault.empty())
                return "row " + std::to_string(r + 1) + ": " + fault;
        if (std::isinf(row.value))
            return "row " + std::to_string(r + 1) + " holds an infinite value";
        const std::string shown = std::isnan(row.value) ? std::string()
                                  : m.formatResults()   ? shell::resultText(row.value)
                                                        : shell::generalText(row.value);
        if (row.text != shown)
            return "row " + std::to_string(r + 1) + " shows '" + row.text + "' for the value '" + shown + "'";
    }
    std::vector<const std::string *> texts{&m.statusText()};
    for (const std::string &note : m.notes())
        texts.push_back(&note);
    for (const std::string &advisory : m.advisories())
        texts.push_back(&advisory);
    for (const std::string *text : texts)
        if (const std::string fault = textFault(*text, false); !fault.empty())
            return "status or note: " + fault;

    // Fields: what was typed stays as typed; what the window wrote reads back as a number.
    for (int i = 0; i < m_program.caseCount(); ++i) {
        const std::vector<std::string> now = fieldsOf(m, i);
        for (std::size_t k = 0; k < now.size(); ++k) {
            auto where = [&] { return "case " + std::to_string(i + 1) + " field " + std::to_string(k + 1); };
            if (const std::string fault = textFault(now[k], false); !fault.empty())
                return where() + ": " + fault;
            const bool typedHere = i == m_caseBefore && static_cast<int>(k) == typedField;
            if (typedHere || now[k] == m_before[static_cast<std::size_t>(i)][k])
                continue;
            if (!shell::isWholeNumber(now[k]) || !std::isfinite(shell::readNumber(now[k])))
                return where() + ": the window wrote '" + now[k] + "', which does not read back as a finite number";
        }
        for (int k = 0; k < m_program.cases[static_cast<std::size_t>(i)].inputCount(); ++k)
            if (m.scrollValue(i, k) < ShellModel::ScrollMin || m.scrollValue(i, k) > ShellModel::ScrollMax)
                return "scroll bar " + std::to_string(k + 1) + " of case " + std::to_string(i + 1) +
                       " stands outside its range";
    }

    // The units of the fields are the window's but while the case cannot be written in them.
    for (int k = 0; k < n; ++k)
        if (m.inputUnit(m.currentCase(), k) != shell::unitCaption(m.fieldUnits(m.currentCase()), c.inputs[k].dimension))
            return "input " + std::to_string(k + 1) + " is labelled in units its field is not written in";

    // Accepted: exactly what the case computes from the inputs and units on display.
    if (!m.lastRejected()) {
        if (m.fieldUnits(m.currentCase()) != m.units())
            return "the case computed with fields written in other units than the window's";
        for (int k = 0; k < 2 * n; ++k)
            if (!std::isfinite(shell::readNumber(m.text(m.currentCase(), k))))
                return "field " + std::to_string(k + 1) + " is no finite number, yet the case was accepted";
        const shell::Evaluation e = shell::evaluate(c, m.inputNumbers(m.currentCase()), computeUnits());
        if (e.rejected)
            return "the case computes results its domain refuses (" + e.reason + ")";
        for (std::size_t r = 0; r < e.values.size(); ++r) {
            if (!sameNumber(rows[r].value,
                            std::isfinite(e.values[r]) ? e.values[r] : std::numeric_limits<double>::quiet_NaN()))
                return "row " + std::to_string(r + 1) + " is not what the case computes from the inputs shown";
            if (std::isnan(rows[r].value) == rows[r].reason.empty())
                return "row " + std::to_string(r + 1) + " is empty without saying why, or says why beside a value";
        }
        if (e.advisories != m.advisories())
            return "the notes are not those of the inputs shown";
        m_shown = {true, m.currentCase(), m.units(), m.formatResults(), {}, {}};
        for (int r = 0; r < m.resultCount(); ++r) {
            m_shown.texts.push_back(rows[static_cast<std::size_t>(r)].text);
            m_shown.values.push_back(rows[static_cast<std::size_t>(r)].value);
        }
    } else {
        // Rejected: the last accepted rows of this case in these units and format, or nothing.
        if (m.statusText().rfind("Please check command entry  #", 0) != 0 &&
            !(anyMember && m.markedCell().table >= 0 && m.statusText().rfind("Please check ", 0) == 0))
            return "a rejection without the entry error in the status bar";
        if (m.markedField() < -1 || m.markedField() >= 2 * n)
            return "the refused field is not a field of the case";
        bool empty = true;
        for (int r = 0; r < m.resultCount(); ++r)
            empty = empty && rows[static_cast<std::size_t>(r)].text.empty();
        const bool sameUnits = m.units() == m_shown.units || m_program.unitChange == shell::UnitChange::RelabelOnly;
        bool stale =
            m_shown.valid && m_shown.caseIndex == m.currentCase() && sameUnits && m_shown.format == m.formatResults();
        for (int r = 0; stale && r < m.resultCount(); ++r)
            stale = rows[static_cast<std::size_t>(r)].text == m_shown.texts[static_cast<std::size_t>(r)] &&
                    sameNumber(rows[static_cast<std::size_t>(r)].value, m_shown.values[static_cast<std::size_t>(r)]);
        if (!empty && !stale)
            return "the rows of a rejected case are neither its last accepted results in these units nor empty";
        if (empty)
            m_shown.valid = false;
    }

    // The chart: each ticked row's own value, in the rows' order.
    const auto &points = m.chartPoints();
    if (points.size() != m.pointRows().size())
        return "the chart has " + std::to_string(points.size()) + " points for " +
               std::to_string(m.pointRows().size()) + " rows";
    if (!points.empty() || !m.lastRejected()) {
        std::vector<int> ticked;
        for (int r = 0; r < m.resultCount(); ++r)
            if (rows[static_cast<std::size_t>(r)].ticked)
                ticked.push_back(r);
        if (m.pointRows() != ticked)
            return "the chart does not plot the ticked rows of the case shown";
    }
    for (std::size_t p = 0; p < points.size(); ++p) {
        const shell::ResultRow &row = rows[static_cast<std::size_t>(m.pointRows()[p])];
        const double expected = m.logScale() && std::isfinite(row.value) ? shell::Log10OrZero(row.value) : row.value;
        if (points[p].label != shell::SymbolPart(row.caption) || !sameNumber(points[p].value, expected))
            return "chart point " + std::to_string(p + 1) + " is not its row's value";
    }
    return {};
}

std::string WindowChecks::checkPopup(int point, const std::string &text) const
{
    const ShellModel &m = m_model;
    if (point >= static_cast<int>(m.chartPoints().size()))
        return text.empty() ? std::string() : "a point that is not there shows '" + text + "'";
    if (const std::string fault = textFault(text, false); !fault.empty())
        return "chart popup: " + fault;
    const double value = m.chartPoints()[static_cast<std::size_t>(point)].value;
    const std::string caption =
        m.rows()[static_cast<std::size_t>(m.pointRows()[static_cast<std::size_t>(point)])].caption;
    const shell::ResultRow &row = m.rows()[static_cast<std::size_t>(m.pointRows()[static_cast<std::size_t>(point)])];
    std::string expected = caption + "  ";
    if (std::isnan(value)) {
        expected += row.reason.empty() ? std::string("cannot be computed") : row.reason;
    } else {
        // The number as the results show it, then the unit it is in (on the log scale, the unit
        // of the number whose logarithm is plotted).
        expected += m.formatResults() ? shell::resultText(value) : shell::generalText(value);
        if (m.logScale())
            expected += row.unit.empty() ? " (log10)" : " (log10 of " + row.unit + ")";
        else if (!row.unit.empty())
            expected += " " + row.unit;
    }
    if (text != expected)
        return "chart popup shows '" + text + "' for '" + expected + "'";
    return {};
}

std::string WindowChecks::checkClipboard(const std::string &clip) const
{
    if (const std::string fault = textFault(clip, true); !fault.empty())
        return "clipboard: " + fault;
    std::size_t lines = 0;
    for (std::size_t p = clip.find("\r\n"); p != std::string::npos; p = clip.find("\r\n", p + 2))
        ++lines;
    if (static_cast<int>(lines) != m_model.resultCount())
        return "the clipboard holds " + std::to_string(lines) + " lines for " + std::to_string(m_model.resultCount()) +
               " rows";
    return {};
}

std::string WindowChecks::checkRoundTrip(int number) const
{
    ShellModel copy(m_model);
    const int cc = copy.currentCase();
    const shell::Units from = copy.units();
    if (copy.fieldUnits(cc) != from)
        return {};  // the case is not in the window's units to begin with
    std::vector<shell::Units> others;
    for (const shell::LengthUnit length : shell::LengthUnits)
        for (std::size_t f = 0; f < (m_program.forceUnits ? 2 : 1); ++f)
            if (shell::Units{length, shell::ForceUnits[f]} != from)
                others.push_back({length, shell::ForceUnits[f]});
    const shell::Units to = others[static_cast<std::size_t>(number) % others.size()];
    const std::vector<std::string> before = fieldsOf(copy, cc);

    // One change: refused with every field as it was, or made.
    std::string failure;
    auto change = [&](bool force, shell::Units units) {
        const std::vector<std::string> prior = fieldsOf(copy, cc);
        if (force)
            copy.chooseForceUnit(units.force);
        else
            copy.chooseUnit(units.length);
        if (force ? copy.units().force == units.force : copy.units().length == units.length)
            return true;
        if (fieldsOf(copy, cc) != prior)
            failure = "a unit change it refused altered the fields";
        else if (!copy.lastRejected() || copy.statusText().find("cannot be written in") == std::string::npos)
            failure = "a unit change was refused without the entry error";
        return false;
    };
    const bool length = to.length != from.length && change(false, to);
    const bool force = failure.empty() && to.force != from.force && change(true, to);
    if (failure.empty() && force && !change(true, from))
        failure = "the force unit does not come back";
    if (failure.empty() && length && !change(false, from))
        failure = "the length unit does not come back";
    if (!failure.empty()) {
        std::string fields;
        for (const std::string &t : before)
            fields += (fields.empty() ? "'" : ", '") + t + "'";
        return "unit round trip to " + shell::lengthUnitName(to.length) + "," + shell::forceUnitName(to.force) + ": " +
               failure + " (" + copy.statusText() + "; the fields " + fields + ")";
    }

    const std::vector<std::string> after = fieldsOf(copy, cc);
    for (std::size_t k = 0; k < before.size(); ++k) {
        const std::string &t = before[k];
        const std::string &b = after[k];
        if (b == t)
            continue;
        // The window's own text of the number the field held must come back as it was; any
        // other text of a number of at most fifteen digits comes back as the window writes
        // that number; a longer one as the same number to fifteen digits.
        const double x = shell::readNumber(t);
        const std::string own = shell::convertedText(x);
        const double y = shell::readNumber(b);
        const bool returned =
            shell::holdsNumber(t) && t != own &&
            (shell::readNumber(own) == x ? b == own
                                         : shell::isWholeNumber(b) && std::fabs(y - x) <= 1e-14 * std::fabs(x));
        if (!returned)
            return "unit round trip to " + shell::lengthUnitName(to.length) + "," + shell::forceUnitName(to.force) +
                   " turns field " + std::to_string(k + 1) + " from '" + t + "' into '" + b + "'";
    }
    // The same fields in the same units give the same results.
    if (after == before && !m_model.lastRejected())
        for (int r = 0; r < copy.resultCount(); ++r)
            if (!sameNumber(copy.rows()[static_cast<std::size_t>(r)].value,
                            m_model.rows()[static_cast<std::size_t>(r)].value))
                return "row " + std::to_string(r + 1) + " differs after a unit round trip";
    return {};
}

}  // namespace fuzzing
