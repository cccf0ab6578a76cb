#include "cli/batch.h"

#include "cli/descriptorstreams.h"
#include "cli/jsontext.h"
#include "cli/structcalc.h"
#include "shell/core/language.h"
#include "shell/core/numbertext.h"

#include <algorithm>
#include <cmath>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace structcalc {

namespace {

const char ByteOrderMark[] = "\xEF\xBB\xBF";

// Reads CSV records one at a time: fields separated by commas, a field in double quotes may
// hold commas, doubled quotes and line breaks; a CR before the line feed is dropped. A record
// holds at most MostRecordBytes bytes and MostFields fields, so that no input, however long its
// lines, takes more memory than that.
class CsvReader
{
public:
    enum class Read { Record, TooLong, NotText, End };

    explicit CsvReader(std::streambuf &in) : m_in(in) {}

    // The next record and the number of the line it starts on. TooLong: the record was longer
    // than MostRecordBytes and is skipped to the end of the line where it passed the bound;
    // NotText: a NUL byte on line lastLine().
    Read next(std::vector<std::string> &fields, long &line)
    {
        fields.clear();
        int c = m_in.sbumpc();
        if (c == Eof)
            return Read::End;
        line = ++m_line;
        std::string *field = newField(fields);
        bool quoted = false;
        std::size_t bytes = 0;
        for (; c != Eof; c = m_in.sbumpc()) {
            if (c == 0)
                return Read::NotText;
            if (++bytes > MostRecordBytes) {
                m_runOn = m_line > line;
                fields.clear();
                return c == '\n' || skipLine() ? Read::TooLong : Read::NotText;
            }
            const char ch = static_cast<char>(c);
            if (ch == '\r' && (m_in.sgetc() == '\n' || m_in.sgetc() == Eof))
                continue;
            if (quoted) {
                if (ch == '"' && m_in.sgetc() == '"') {
                    m_in.sbumpc();
                    ++bytes;
                    *field += '"';
                } else if (ch == '"') {
                    quoted = false;
                } else {
                    // A quoted field runs on over the line break.
                    m_line += ch == '\n' ? 1 : 0;
                    *field += ch;
                }
            } else if (ch == '"') {
                quoted = true;
            } else if (ch == ',') {
                field = newField(fields);
            } else if (ch == '\n') {
                break;
            } else {
                *field += ch;
            }
        }
        return Read::Record;
    }

    // The line read last: where a record too long ends, where a NUL byte stands.
    long lastLine() const { return m_line; }
    // Whether the record too long was a quoted field run on over lines.
    bool ranOn() const { return m_runOn; }

private:
    static constexpr int Eof = std::char_traits<char>::eof();

    // The next field of the record; beyond MostFields one that is not kept.
    std::string *newField(std::vector<std::string> &fields)
    {
        if (fields.size() < MostFields)
            return &fields.emplace_back();
        m_dropped.clear();
        return &m_dropped;
    }

    // Skips to the next line; false where a NUL byte comes first.
    bool skipLine()
    {
        for (int c = m_in.sbumpc(); c != Eof && c != '\n'; c = m_in.sbumpc())
            if (c == 0)
                return false;
        return true;
    }

    std::streambuf &m_in;
    long m_line = 0;
    bool m_runOn = false;
    std::string m_dropped;
};

// A text cell that a spreadsheet would take for a formula or a command (=, +, -, @, a tab or a
// carriage return first) goes out with a leading apostrophe, which spreadsheets show as text;
// a number is never changed.
bool looksLikeFormula(const std::string &cell)
{
    if (cell.empty() || std::string_view("=+-@\t\r").find(cell.front()) == std::string_view::npos)
        return false;
    return !shell::isWholeNumber(cell);
}

void appendCsvField(std::string &out, const std::string &field)
{
    bool plain = true;
    for (const char ch : field)
        plain = plain && ch != ',' && ch != '"' && ch != '\r' && ch != '\n';
    if (plain) {
        out += field;
        return;
    }
    out += '"';
    for (const char ch : field) {
        if (ch == '"')
            out += '"';
        out += ch;
    }
    out += '"';
}

// A cell of the user's input written back: as text, never as a formula.
void appendInputCell(std::string &out, const std::string &field)
{
    appendCsvField(out, looksLikeFormula(field) ? "'" + field : field);
}

std::string trimmed(const std::string &text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// What the batch knows of one case: its start values in the batch's units, where each column
// of the input goes, and where each of its rows is written.
struct CasePlan {
    std::vector<double> defaults;
    std::vector<int> inputOfColumn;  // per input column: the case's input index, or -1
    std::vector<int> columnOfRow;    // per row: the result column
};

class Batch
{
public:
    Batch(const shell::Program &program, std::ostream &out, std::ostream &err, const BatchOptions &options)
        : m_program(program), m_out(out), m_err(err), m_options(options),
          m_convert(program.unitChange == shell::UnitChange::Convert)
    {
    }

    // Reads the header; false (with the reason on `err`) where it cannot be used.
    bool header(const std::vector<std::string> &fields)
    {
        for (std::size_t k = 0; k < fields.size(); ++k) {
            const std::string name = trimmed(fields[k]);
            if (name == "case") {
                if (m_caseColumn >= 0)
                    return fail(wording("the header names the column case twice"));
                m_caseColumn = static_cast<int>(k);
                continue;
            }
            if (!isInputCaption(name))
                return fail(
                    wording("the header's column '%1' is not an input of %2", {userText(name), m_program.name}));
            if (std::find(m_inputNames.begin(), m_inputNames.end(), name) != m_inputNames.end())
                return fail(wording("the header names the column %1 twice", {name}));
            m_inputNames.push_back(name);
            m_inputColumns.push_back(static_cast<int>(k));
        }
        if (m_caseColumn < 0)
            return fail(wording("the header names no column case"));
        plan();
        writeHeader();
        return true;
    }

    // One line: false where it was refused or not understood.
    bool line(const std::vector<std::string> &fields, long number)
    {
        const std::string caseText = field(fields, m_caseColumn);
        int caseIndex = -1;
        if (!parseCase(caseText, caseIndex))
            return refuse(fields, number, -1,
                          wording("case '%1' is not a case of %2 (1 to %3)",
                                  {userText(caseText), m_program.name, std::to_string(m_program.caseCount())}));
        const shell::CaseDef &c = m_program.cases[static_cast<std::size_t>(caseIndex)];
        const std::string caseCaption = shell::translatedCaption(c.caption, "Case");
        const CasePlan &plan = m_plans[static_cast<std::size_t>(caseIndex)];
        std::vector<double> inputs = plan.defaults;
        std::vector<int> given;
        for (std::size_t column = 0; column < m_inputColumns.size(); ++column) {
            const std::string value = field(fields, m_inputColumns[column]);
            if (value.find_first_not_of(" \t") == std::string::npos)
                continue;
            const int input = plan.inputOfColumn[column];
            if (input < 0)
                return refuse(fields, number, caseIndex,
                              wording("%1 is not an input of %2", {m_inputNames[column], caseCaption}));
            if (!shell::isWholeNumber(value))
                return refuse(fields, number, caseIndex,
                              wording("%1: not a number: %2", {m_inputNames[column], userText(value)}));
            if (shell::isBelowNormalRange(value))
                return refuse(fields, number, caseIndex,
                              caseCaption + ": " + shell::tooSmallReason(m_inputNames[column]));
            inputs[static_cast<std::size_t>(input)] = shell::readNumber(value);
            given.push_back(input);
        }
        // As in the window: an input that follows those given (b = l − a) takes its value
        // unless it is given itself.
        const shell::Units units = m_convert ? m_options.units : shell::CatalogueUnits;
        const shell::Following following = shell::follow(c, inputs, given, units);
        const shell::Evaluation e = shell::evaluate(c, inputs, following, units);
        if (e.rejected)
            return refuse(fields, number, caseIndex, caseCaption + ": " + e.reason);
        // A row without a value says why on stderr (and in JSON beside its null).
        for (std::size_t r = 0; r < e.rowReasons.size(); ++r)
            if (!e.rowReasons[r].empty())
                m_err << "structcalc: "
                      << wording("line %1: note: %2: %3: %4",
                                 {std::to_string(number), caseCaption, rowName(c.rows[r].caption), e.rowReasons[r]})
                      << "\n";
        if (m_options.json)
            writeJson(number, caseIndex, inputs, e, "ok", {});
        else
            writeCsv(fields, caseIndex, e.values, "ok", notes(c, e));
        return true;
    }

    // A record that was not read (too long to hold): refused with the reason, its fields empty.
    void refuseUnread(long number, const std::string &why) { refuse({}, number, -1, why); }

private:
    bool fail(const std::string &problem)
    {
        m_err << "structcalc: --batch: " << visibleText(problem) << "\n";
        return false;
    }

    // The notes column of a line: each row outside its formula's range with the reason,
    // "σk: the wrought-iron formula holds for λ up to 112; Euler applies beyond", and each row
    // without a value with why, "Mmax: too large to compute (beyond 1.8e308)".
    static std::string notes(const shell::CaseDef &c, const shell::Evaluation &e)
    {
        std::string text;
        for (int r = 0; r < c.rowCount(); ++r) {
            const std::string &outside = e.outsideRangeOf(r);
            const std::string &why = e.rowReasons[static_cast<std::size_t>(r)];
            if (!outside.empty() || !why.empty())
                text += (text.empty() ? "" : "; ") + shell::SymbolOf(c.rows[static_cast<std::size_t>(r)].caption) +
                        ": " + (why.empty() ? outside : why);
        }
        return text;
    }

    bool isInputCaption(const std::string &name) const
    {
        for (const shell::CaseDef &c : m_program.cases)
            for (const shell::InputDef &input : c.inputs)
                if (input.caption == name)
                    return true;
        return false;
    }

    static std::string field(const std::vector<std::string> &fields, int column)
    {
        return column >= 0 && static_cast<std::size_t>(column) < fields.size()
                   ? fields[static_cast<std::size_t>(column)]
                   : std::string();
    }

    bool parseCase(const std::string &text, int &caseIndex) const
    {
        const std::string t = trimmed(text);
        if (t.empty() || t.size() > 4 || t.find_first_not_of("0123456789") != std::string::npos)
            return false;
        const int number = std::stoi(t);
        if (number < 1 || number > m_program.caseCount())
            return false;
        caseIndex = number - 1;
        return true;
    }

    // The result columns (every row symbol of the program, in the order the cases first show
    // them) and each case's plan.
    void plan()
    {
        for (const shell::CaseDef &c : m_program.cases)
            for (const shell::RowDef &row : c.rows)
                if (std::find(m_symbols.begin(), m_symbols.end(), shell::SymbolOf(row.caption)) == m_symbols.end())
                    m_symbols.push_back(shell::SymbolOf(row.caption));
        const shell::Units units = m_options.units;
        for (const shell::CaseDef &c : m_program.cases) {
            CasePlan p;
            for (const shell::InputDef &input : c.inputs)
                p.defaults.push_back(m_convert
                                         ? shell::convert(input.start, input.dimension, shell::CatalogueUnits, units)
                                         : input.start);
            for (const std::string &name : m_inputNames) {
                int index = -1;
                for (std::size_t k = 0; k < c.inputs.size(); ++k)
                    if (c.inputs[k].caption == name)
                        index = static_cast<int>(k);
                p.inputOfColumn.push_back(index);
            }
            for (const shell::RowDef &row : c.rows) {
                const auto at = std::find(m_symbols.begin(), m_symbols.end(), shell::SymbolOf(row.caption));
                p.columnOfRow.push_back(static_cast<int>(at - m_symbols.begin()));
            }
            m_plans.push_back(p);
        }
    }

    // The unit of an input caption or a row symbol where every case that has it agrees; else "".
    std::string inputUnit(const std::string &name) const
    {
        std::string unit;
        bool first = true;
        for (const shell::CaseDef &c : m_program.cases)
            for (const shell::InputDef &input : c.inputs)
                if (input.caption == name) {
                    const std::string u = shell::unitCaption(m_options.units, input.dimension);
                    if (!first && u != unit)
                        return {};
                    unit = u;
                    first = false;
                }
        return unit;
    }

    std::string rowUnit(const std::string &symbol) const
    {
        std::string unit;
        bool first = true;
        for (const shell::CaseDef &c : m_program.cases)
            for (int r = 0; r < c.rowCount(); ++r)
                if (shell::SymbolOf(c.rows[static_cast<std::size_t>(r)].caption) == symbol) {
                    const std::string u = m_program.rowUnit(c, r, m_options.units);
                    if (!first && u != unit)
                        return {};
                    unit = u;
                    first = false;
                }
        return unit;
    }

    void writeHeader()
    {
        if (m_options.json)
            return;
        // The columns in the order of the input's header, then the results and the status.
        m_inputOrder.clear();
        const int inputs = static_cast<int>(m_inputNames.size()) + 1;
        for (int column = 0; column < inputs; ++column)
            m_inputOrder.push_back(column == 0 ? m_caseColumn : m_inputColumns[static_cast<std::size_t>(column - 1)]);
        std::sort(m_inputOrder.begin(), m_inputOrder.end());
        std::string head;
        std::string unitLine;
        for (std::size_t k = 0; k < m_inputOrder.size(); ++k) {
            const int column = m_inputOrder[k];
            std::string name = "case";
            std::string unit;
            for (std::size_t i = 0; i < m_inputColumns.size(); ++i)
                if (m_inputColumns[i] == column) {
                    name = m_inputNames[i];
                    unit = inputUnit(name);
                }
            if (k > 0) {
                head += ',';
                unitLine += ',';
            }
            appendCsvField(head, name);
            appendCsvField(unitLine, unit);
        }
        for (const std::string &symbol : m_symbols) {
            head += ',';
            appendCsvField(head, symbol);
            unitLine += ',';
            appendCsvField(unitLine, rowUnit(symbol));
        }
        m_out << head << ",status,notes\n" << unitLine << ",,\n";
    }

    std::string valueText(double value) const
    {
        if (!std::isfinite(value))
            return {};
        return m_options.raw ? shell::generalText(value) : shell::resultText(value);
    }

    void writeCsv(const std::vector<std::string> &fields, int caseIndex, const std::vector<double> &values,
                  const std::string &status, const std::string &notes)
    {
        std::string &line = m_line;
        line.clear();
        for (std::size_t k = 0; k < m_inputOrder.size(); ++k) {
            if (k > 0)
                line += ',';
            appendInputCell(line, field(fields, m_inputOrder[k]));
        }
        // The result columns: the row that goes to each, if the case has one (numbers need no quotes).
        m_rowOfColumn.assign(m_symbols.size(), -1);
        if (caseIndex >= 0) {
            const CasePlan &p = m_plans[static_cast<std::size_t>(caseIndex)];
            for (std::size_t r = 0; r < values.size(); ++r)
                m_rowOfColumn[static_cast<std::size_t>(p.columnOfRow[r])] = static_cast<int>(r);
        }
        for (const int r : m_rowOfColumn) {
            line += ',';
            if (r >= 0)
                line += valueText(values[static_cast<std::size_t>(r)]);
        }
        line += ',';
        appendCsvField(line, status);
        line += ',';
        appendCsvField(line, notes);
        line += '\n';
        m_out << line;
    }

    static std::string rowName(const std::string &caption)
    {
        const std::string symbol = shell::SymbolOf(caption);
        return symbol.empty() ? caption : symbol;
    }

    void writeJson(long number, int caseIndex, const std::vector<double> &inputs, const shell::Evaluation &e,
                   const std::string &status, const std::string &reason)
    {
        const std::vector<double> &values = e.values;
        std::string line = "{\"line\": " + std::to_string(number) + ", \"case\": ";
        line += caseIndex >= 0 ? std::to_string(caseIndex + 1) : std::string("null");
        line += ", \"status\": " + jsonString(status);
        if (!reason.empty())
            line += ", \"reason\": " + jsonString(reason);
        if (caseIndex >= 0 && !values.empty()) {
            const shell::CaseDef &c = m_program.cases[static_cast<std::size_t>(caseIndex)];
            line += ", \"inputs\": {";
            for (std::size_t k = 0; k < c.inputs.size(); ++k)
                line += (k ? ", " : "") + jsonString(c.inputs[k].caption) + ": " + jsonNumber(inputs[k]);
            line += "}, \"inputUnits\": {";
            for (std::size_t k = 0; k < c.inputs.size(); ++k)
                line += (k ? ", " : "") + jsonString(c.inputs[k].caption) + ": " +
                        jsonString(shell::unitCaption(m_options.units, c.inputs[k].dimension));
            line += "}, \"rows\": [";
            for (std::size_t r = 0; r < values.size(); ++r) {
                line += (r ? ", " : "") + std::string("{\"symbol\": ") +
                        jsonString(shell::SymbolOf(c.rows[r].caption)) + ", \"value\": " + jsonNumber(values[r]) +
                        (e.rowReasons[r].empty() ? std::string() : ", \"reason\": " + jsonString(e.rowReasons[r])) +
                        ", \"unit\": " + jsonString(m_program.rowUnit(c, static_cast<int>(r), m_options.units));
                if (const std::string &outside = e.outsideRangeOf(static_cast<int>(r)); !outside.empty())
                    line += ", \"outsideRange\": " + jsonString(outside);
                line += "}";
            }
            line += "]";
        }
        line += "}\n";
        m_out << line;
    }

    bool refuse(const std::vector<std::string> &fields, long number, int caseIndex, const std::string &why)
    {
        // The reason quotes the user's fields: one line, whatever they hold.
        const std::string reason = visibleText(why);
        m_err << "structcalc: " << wording("line %1: %2", {std::to_string(number), reason}) << "\n";
        if (m_options.json)
            writeJson(number, caseIndex, {}, {}, "rejected", reason);
        else
            writeCsv(fields, -1, {}, "rejected: " + reason, {});
        return false;
    }

    const shell::Program &m_program;
    std::ostream &m_out;
    std::ostream &m_err;
    const BatchOptions m_options;
    const bool m_convert;
    int m_caseColumn = -1;
    std::vector<std::string> m_inputNames;  // the input columns of the header, in order
    std::vector<int> m_inputColumns;        // where each stands in a record
    std::vector<int> m_inputOrder;          // the record columns written back, in their order
    std::vector<std::string> m_symbols;     // the result columns
    std::vector<CasePlan> m_plans;
    std::vector<int> m_rowOfColumn;  // scratch of writeCsv
    std::string m_line;
};

}  // namespace

int runBatch(const shell::Program &program, std::istream &in, std::ostream &out, std::ostream &err,
             const BatchOptions &options)
{
    CsvReader reader(*in.rdbuf());
    std::vector<std::string> fields;
    long number = 0;
    // Why the input ends early, if it does: a read that failed, or bytes that are no text.
    const auto unreadable = [&](CsvReader::Read read) {
        if (const std::string problem = streamProblem(in.rdbuf()); !problem.empty()) {
            err << "structcalc: " << wording("cannot read %1: %2", {options.inputName, problem}) << "\n";
            return true;
        }
        if (read == CsvReader::Read::NotText) {
            err << "structcalc: --batch: "
                << wording("the input is not text: line %1 holds a NUL byte", {std::to_string(reader.lastLine())})
                << "\n";
            return true;
        }
        return false;
    };
    CsvReader::Read read = reader.next(fields, number);
    if (unreadable(read))
        return UsageError;
    if (read == CsvReader::Read::End) {
        err << "structcalc: --batch: " << wording("the input has no header line") << "\n";
        return UsageError;
    }
    if (read == CsvReader::Read::TooLong) {
        err << "structcalc: --batch: "
            << wording("the header line is longer than %1 bytes", {std::to_string(MostRecordBytes)}) << "\n";
        return UsageError;
    }
    // A byte-order mark before the header, as editors on Windows write one.
    if (fields[0].rfind(ByteOrderMark, 0) == 0)
        fields[0].erase(0, std::string_view(ByteOrderMark).size());
    Batch batch(program, out, err, options);
    if (!batch.header(fields))
        return UsageError;
    bool allComputed = true;
    while (out && (read = reader.next(fields, number)) != CsvReader::Read::End) {
        if (read == CsvReader::Read::NotText)
            break;
        if (read == CsvReader::Read::TooLong) {
            allComputed = false;
            const std::string most = std::to_string(MostRecordBytes);
            batch.refuseUnread(number,
                               reader.ranOn()
                                   ? wording("a quoted field runs on past %1 bytes, to line %2 (an unclosed quote?)",
                                             {most, std::to_string(reader.lastLine())})
                                   : wording("the line is longer than %1 bytes", {most}));
            continue;
        }
        if (fields.size() == 1 && trimmed(fields[0]).empty())
            continue;  // a blank line
        allComputed = batch.line(fields, number) && allComputed;
    }
    out.flush();
    if (unreadable(read))
        return UsageError;
    return allComputed ? Computed : Rejected;
}

}  // namespace structcalc
