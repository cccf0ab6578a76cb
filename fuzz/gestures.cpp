#include "fuzz/gestures.h"

#include "fuzz/textchecks.h"
#include "registry/registry.h"
#include "shell/core/numbertext.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace fuzzing {

namespace {

using shell::ShellModel;

int gestureCount = 0;

class Decoder
{
public:
    Decoder(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}
    bool done() const { return m_pos >= m_size; }
    int byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    // 0 .. n - 1 (0 where n is not positive).
    int below(int n) { return n > 0 ? byte() % n : 0; }
    int twoBytes() { return static_cast<std::int16_t>(static_cast<std::uint16_t>((byte() << 8) | byte())); }
    double bits()
    {
        std::uint64_t b = 0;
        for (int i = 0; i < 8; ++i)
            b = (b << 8) | static_cast<std::uint64_t>(byte());
        double value = 0;
        std::memcpy(&value, &b, sizeof value);
        return value;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// The pieces a typed text is made of.
const char *const Pieces[] = {"0",  "1",  "2", "3", "4", "5", "6", "7",  "8",  "9", ".", "-", "+", "e", "E", "d", "D",
                              "&H", "&O", "a", "b", "c", "F", " ", "\t", "\n", ",", "x", "µ", "･", "0", "1", "5", "."};
constexpr int PieceCount = sizeof Pieces / sizeof Pieces[0];

// Numbers at the edges of what a double and the formats hold.
const char *const Edges[] = {"0",
                             "-0",
                             "1e308",
                             "-1e308",
                             "1.79769313486232E+308",
                             "1.7976931348623157e308",
                             "1.797693134862315e308",
                             "2.2250738585072014e-308",
                             "2.225e-308",
                             "1e-307",
                             "1e-310",
                             "4.9e-324",
                             "1e-400",
                             "1e400",
                             "-1D400",
                             "9007199254740993",
                             "&H20000000000001",
                             "&O1777777777777777777777",
                             "&HFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
                             "123456789",
                             "123456789012345",
                             "1.23456789012345678",
                             "100000000",
                             "100000001",
                             "100000000.5",
                             "10000",
                             "10001",
                             "99999.5",
                             "9.9995",
                             "0.1",
                             "1e15",
                             "999999999999999.5",
                             "1E-05",
                             "0.0001",
                             "-5",
                             "1.0000e+11",
                             "1.00e+05",
                             "1.2346e+08",
                             "12abc",
                             "1e5",
                             " 7 ",
                             "abc",
                             ""};
constexpr int EdgeCount = sizeof Edges / sizeof Edges[0];

std::string typedText(Decoder &in)
{
    const int length = in.below(24);
    std::string text;
    for (int i = 0; i < length; ++i)
        text += Pieces[in.below(PieceCount)];
    return text;
}

std::string numberText(Decoder &in, const shell::InputDef *input)
{
    switch (in.below(4)) {
    case 0:
        return shell::generalText(in.bits());
    case 1: {
        std::string text = in.byte() % 4 == 0 ? "-" : "";
        const int digits = 1 + in.below(17);
        for (int i = 0; i < digits; ++i) {
            text += static_cast<char>('0' + in.below(10));
            if (i == 0 && digits > 1)
                text += '.';
        }
        return text + "e" + std::to_string(in.twoBytes() % 340);
    }
    case 2:
        return Edges[in.below(EdgeCount)];
    default: {
        const double start = input != nullptr && input->start != 0 ? input->start : 1;
        return shell::generalText(start * std::pow(10.0, in.below(41) - 20));
    }
    }
}

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

// The last accepted results the window showed, and the case, units and format they belong to.
struct Shown {
    bool valid = false;
    int caseIndex = -1;
    shell::Units units;
    bool format = true;
    std::vector<std::string> texts;
    std::vector<double> values;
};

class Run
{
public:
    explicit Run(const shell::Program &program) : m_program(program), m_model(program, m_platform) {}

    std::string start()
    {
        m_model.start();
        remember();
        return check(-1);
    }

    // One gesture from the bytes; "" or what broke.
    std::string gesture(Decoder &in, int number)
    {
        ShellModel &m = m_model;
        const shell::CaseDef &c = m.currentCaseDef();
        const int n = c.inputCount();
        const shell::Units fieldUnits = m.fieldUnits(m.CurrentCase);
        remember();
        std::string name;
        int typedField = -1;
        std::string failure;
        switch (in.byte() % 16) {
        case 0: {
            const int index = in.below(m_program.caseCount());
            name = "select case " + std::to_string(index + 1);
            m.selectCase(index);
            break;
        }
        case 1:
        case 14: {
            const bool typed = in.byte() % 2 == 0;
            const int k = in.below(2 * n + 1);  // 2n: no such field
            const std::string text = typed ? typedText(in) : numberText(in, k < 2 * n ? &c.inputs[k % n] : nullptr);
            name = "type '" + text + "' into field " + std::to_string(k + 1);
            m.setText(k, text);
            if (k < 2 * n) {
                typedField = k;
                // (unless the case was just brought into the window's units, the typed text with it)
                if (m.text(m.CurrentCase, k) != text && m.fieldUnits(m.CurrentCase) == fieldUnits)
                    failure = "the field does not hold the text typed";
            }
            break;
        }
        case 2:
        case 15: {
            const int k = in.below(n + 1);
            const int position = in.twoBytes();
            const bool drag = in.byte() % 2 == 0;
            name = std::string(drag ? "drag" : "move") + " scroll bar " + std::to_string(k + 1) + " to " +
                   std::to_string(position);
            if (drag)
                m.setScrollFocus(k, true);
            m.setScroll(k, position);
            if (drag)
                m.setScrollFocus(k, false);
            break;
        }
        case 3: {
            const int k = in.below(ShellModel::MaxInputs + 1);
            const bool focused = in.byte() % 2 == 0;
            name = std::string(focused ? "focus" : "leave") + " scroll bar " + std::to_string(k + 1);
            m.setScrollFocus(k, focused);
            break;
        }
        case 4:
            name = "Reset";
            m.reset();
            break;
        case 5: {
            const int unit = in.below(4);
            name = "length unit " + std::to_string(unit);
            m.chooseUnit(unit);
            break;
        }
        case 6: {
            const int unit = in.below(3);
            name = "force unit " + std::to_string(unit);
            m.chooseForceUnit(unit);
            break;
        }
        case 7:
            name = "result format";
            m.toggleFormat();
            break;
        case 8: {
            const int row = in.below(static_cast<int>(m.rows().size()) + 1);
            const bool ticked = in.byte() % 2 == 0;
            name = std::string(ticked ? "tick" : "untick") + " row " + std::to_string(row + 1);
            m.tickRow(row, ticked);
            break;
        }
        case 9:
            name = "log scale";
            m.toggleLogScale();
            break;
        case 10: {
            const int type = in.below(8);
            name = "chart type " + std::to_string(type);
            m.chooseChartType(static_cast<shell::ChartType>(type));
            break;
        }
        case 11: {
            const int point = in.below(static_cast<int>(m.chartPoints().size()) + 1);
            name = "click chart point " + std::to_string(point + 1);
            failure = checkPopup(point, m.selectPoint(point));
            break;
        }
        case 12:
            if (in.byte() % 2 == 0) {
                name = "next page";
                m.nextPage();
            } else {
                name = "previous page";
                m.previousPage();
            }
            break;
        default:
            if (in.byte() % 2 == 0) {
                name = "results to clipboard";
                m.copyResults();
                failure = checkClipboard();
            } else {
                const int width = in.twoBytes();
                const int height = in.twoBytes();
                name = "resize to " + std::to_string(width) + " x " + std::to_string(height);
                m.resize(width, height);
            }
            break;
        }
        ++gestureCount;
        if (failure.empty())
            failure = check(typedField);
        if (failure.empty())
            failure = checkRoundTrip(number);
        return failure.empty() ? std::string()
                               : "gesture " + std::to_string(number + 1) + " (" + name + "): " + failure;
    }

private:
    void remember()
    {
        m_before.clear();
        for (int i = 0; i < m_program.caseCount(); ++i)
            m_before.push_back(fieldsOf(m_model, i));
        m_caseBefore = m_model.CurrentCase;
    }

    shell::Units computeUnits() const
    {
        return m_program.unitChange == shell::UnitChange::Convert ? m_model.units() : shell::CatalogueUnits;
    }

    std::string check(int typedField)
    {
        const ShellModel &m = m_model;
        if (m.CurrentCase < 0 || m.CurrentCase >= m_program.caseCount())
            return "no case is selected";
        const auto cc = static_cast<std::size_t>(m.CurrentCase);
        const shell::CaseDef &c = m_program.cases[cc];
        const int n = c.inputCount();

        // The rows of this case, and every text of the window clean.
        if (m.ResultCount != c.rowCount())
            return "the window shows " + std::to_string(m.ResultCount) + " rows for a case of " +
                   std::to_string(c.rowCount());
        const auto &rows = m.rows();
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const shell::ResultRow &row = rows[r];
            if (row.visible != (static_cast<int>(r) < m.ResultCount))
                return "row " + std::to_string(r + 1) + " is " + (row.visible ? "shown" : "hidden");
            if (!row.visible)
                continue;
            if (row.caption != c.rows[r].caption || row.unit != m_program.rowUnit(c, static_cast<int>(r), m.units()))
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
            if (m.inputUnit(m.CurrentCase, k) != shell::unitCaption(m.fieldUnits(m.CurrentCase), c.inputs[k].dimension))
                return "input " + std::to_string(k + 1) + " is labelled in units its field is not written in";

        // Accepted: exactly what the case computes from the inputs and units on display.
        if (!m.lastRejected()) {
            if (m.fieldUnits(m.CurrentCase) != m.units())
                return "the case computed with fields written in other units than the window's";
            for (int k = 0; k < 2 * n; ++k)
                if (!std::isfinite(shell::readNumber(m.text(m.CurrentCase, k))))
                    return "field " + std::to_string(k + 1) + " is no finite number, yet the case was accepted";
            const shell::Evaluation e = shell::evaluate(c, m.inputNumbers(m.CurrentCase), computeUnits());
            if (e.rejected)
                return "the case computes results its domain refuses (" + e.reason + ")";
            for (std::size_t r = 0; r < e.values.size(); ++r)
                if (!sameNumber(rows[r].value,
                                std::isfinite(e.values[r]) ? e.values[r] : std::numeric_limits<double>::quiet_NaN()))
                    return "row " + std::to_string(r + 1) + " is not what the case computes from the inputs shown";
            if (e.advisories != m.advisories())
                return "the notes are not those of the inputs shown";
            m_shown = {true, m.CurrentCase, m.units(), m.formatResults(), {}, {}};
            for (int r = 0; r < m.ResultCount; ++r) {
                m_shown.texts.push_back(rows[static_cast<std::size_t>(r)].text);
                m_shown.values.push_back(rows[static_cast<std::size_t>(r)].value);
            }
        } else {
            // Rejected: the last accepted rows of this case in these units and format, or nothing.
            if (m.statusText().rfind("Please check command entry  #", 0) != 0)
                return "a rejection without the entry error in the status bar";
            if (m.markedField() < -1 || m.markedField() >= 2 * n)
                return "the refused field is not a field of the case";
            bool empty = true;
            for (int r = 0; r < m.ResultCount; ++r)
                empty = empty && rows[static_cast<std::size_t>(r)].text.empty();
            const bool sameUnits = m.units() == m_shown.units || m_program.unitChange == shell::UnitChange::RelabelOnly;
            bool stale =
                m_shown.valid && m_shown.caseIndex == m.CurrentCase && sameUnits && m_shown.format == m.formatResults();
            for (int r = 0; stale && r < m.ResultCount; ++r)
                stale =
                    rows[static_cast<std::size_t>(r)].text == m_shown.texts[static_cast<std::size_t>(r)] &&
                    sameNumber(rows[static_cast<std::size_t>(r)].value, m_shown.values[static_cast<std::size_t>(r)]);
            if (!empty && !stale)
                return "the rows of a rejected case are neither its last accepted results in these units nor empty";
            if (empty)
                m_shown.valid = false;
        }

        // The chart: each ticked row's own value, in the rows' order.
        const auto &points = m.chartPoints();
        if (points.size() != m.PointRow.size())
            return "the chart has " + std::to_string(points.size()) + " points for " +
                   std::to_string(m.PointRow.size()) + " rows";
        if (!points.empty() || !m.lastRejected()) {
            std::vector<int> ticked;
            for (int r = 0; r < m.ResultCount; ++r)
                if (rows[static_cast<std::size_t>(r)].ticked)
                    ticked.push_back(r);
            if (m.PointRow != ticked)
                return "the chart does not plot the ticked rows of the case shown";
        }
        for (std::size_t p = 0; p < points.size(); ++p) {
            const shell::ResultRow &row = rows[static_cast<std::size_t>(m.PointRow[p])];
            const double expected =
                m.logScale() && std::isfinite(row.value) ? shell::Log10OrZero(row.value) : row.value;
            if (points[p].label != shell::SymbolPart(row.caption) || !sameNumber(points[p].value, expected))
                return "chart point " + std::to_string(p + 1) + " is not its row's value";
        }
        return {};
    }

    std::string checkPopup(int point, const std::string &text) const
    {
        const ShellModel &m = m_model;
        if (point >= static_cast<int>(m.chartPoints().size()))
            return text.empty() ? std::string() : "a point that is not there shows '" + text + "'";
        if (const std::string fault = textFault(text, false); !fault.empty())
            return "chart popup: " + fault;
        const double value = m.chartPoints()[static_cast<std::size_t>(point)].value;
        const std::string caption =
            m.rows()[static_cast<std::size_t>(m.PointRow[static_cast<std::size_t>(point)])].caption;
        const std::string number = std::isnan(value)   ? "cannot be computed"
                                   : m.formatResults() ? shell::resultText(value)
                                                       : shell::generalText(value);
        if (text != caption + "  " + number)
            return "chart popup shows '" + text + "' for '" + caption + "  " + number + "'";
        return {};
    }

    std::string checkClipboard() const
    {
        const std::string &clip = m_platform.clipboard;
        if (const std::string fault = textFault(clip, true); !fault.empty())
            return "clipboard: " + fault;
        std::size_t lines = 0;
        for (std::size_t p = clip.find("\r\n"); p != std::string::npos; p = clip.find("\r\n", p + 2))
            ++lines;
        if (static_cast<int>(lines) != m_model.ResultCount)
            return "the clipboard holds " + std::to_string(lines) + " lines for " +
                   std::to_string(m_model.ResultCount) + " rows";
        return {};
    }

    // Another unit system and back, on a copy of the window.
    std::string checkRoundTrip(int number) const
    {
        ShellModel copy(m_model);
        const int cc = copy.CurrentCase;
        const shell::Units from = copy.units();
        if (copy.fieldUnits(cc) != from)
            return {};  // the case is not in the window's units to begin with
        std::vector<shell::Units> others;
        for (int length = 0; length < 3; ++length)
            for (int force = 0; force < (m_program.forceUnits ? 2 : 1); ++force)
                if (shell::Units{length, force} != from)
                    others.push_back({length, force});
        const shell::Units to = others[static_cast<std::size_t>(number) % others.size()];
        const std::vector<std::string> before = fieldsOf(copy, cc);

        // One change: refused with every field as it was, or made.
        std::string failure;
        auto change = [&](bool force, int unit) {
            const std::vector<std::string> prior = fieldsOf(copy, cc);
            if (force)
                copy.chooseForceUnit(unit);
            else
                copy.chooseUnit(unit);
            if ((force ? copy.ForceUnit : copy.UnitSystem) == unit)
                return true;
            if (fieldsOf(copy, cc) != prior)
                failure = "a unit change it refused altered the fields";
            else if (!copy.lastRejected() || copy.statusText().find("cannot be written in") == std::string::npos)
                failure = "a unit change was refused without the entry error";
            return false;
        };
        const bool length = to.length != from.length && change(false, to.length);
        const bool force = failure.empty() && to.force != from.force && change(true, to.force);
        if (failure.empty() && force && !change(true, from.force))
            failure = "the force unit does not come back";
        if (failure.empty() && length && !change(false, from.length))
            failure = "the length unit does not come back";
        if (!failure.empty()) {
            std::string fields;
            for (const std::string &t : before)
                fields += (fields.empty() ? "'" : ", '") + t + "'";
            return "unit round trip to " + shell::lengthUnitName(to.length) + "," + shell::forceUnitName(to.force) +
                   ": " + failure + " (" + copy.statusText() + "; the fields " + fields + ")";
        }

        const std::vector<std::string> after = fieldsOf(copy, cc);
        const int n = copy.currentCaseDef().inputCount();
        for (std::size_t k = 0; k < before.size(); ++k) {
            const std::string &t = before[k];
            const std::string &b = after[k];
            if (b == t)
                continue;
            // The window's own text of the number the field held must come back as it was; any
            // other text of a number of at most fifteen digits comes back as the window writes
            // that number; a longer one as the same number to fifteen digits.
            const double x = shell::readNumber(t);
            const std::string own =
                static_cast<int>(k) >= n ? shell::convertedStepText(x) : shell::convertedValueText(x);
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
            for (int r = 0; r < copy.ResultCount; ++r)
                if (!sameNumber(copy.rows()[static_cast<std::size_t>(r)].value,
                                m_model.rows()[static_cast<std::size_t>(r)].value))
                    return "row " + std::to_string(r + 1) + " differs after a unit round trip";
        return {};
    }

    const shell::Program &m_program;
    shell::testing::RecordingPlatform m_platform;
    ShellModel m_model;
    Shown m_shown;
    std::vector<std::vector<std::string>> m_before;
    int m_caseBefore = -1;
};

}  // namespace

std::string runGestures(int programIndex, const std::uint8_t *data, std::size_t size, int maxGestures)
{
    gestureCount = 0;
    const std::vector<const shell::Program *> programs = registry::programs();
    const shell::Program &program = *programs[static_cast<std::size_t>(programIndex) % programs.size()];
    Run run(program);
    std::string failure = run.start();
    Decoder in(data, size);
    for (int g = 0; failure.empty() && !in.done() && g < maxGestures; ++g)
        failure = run.gesture(in, g);
    return failure.empty() ? std::string() : program.name + ", " + failure;
}

std::string windowModelInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return {};
    return runGestures(data[0], data + 1, size - 1);
}

int lastGestureCount()
{
    return gestureCount;
}

}  // namespace fuzzing
