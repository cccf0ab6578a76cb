#include "fuzz/filechecks.h"

#include "cli/batch.h"
#include "cli/structcalc.h"
#include "fuzz/commandlinechecks.h"
#include "fuzz/numberchecks.h"
#include "fuzz/textchecks.h"
#include "registry/registry.h"
#include "shell/core/numbertext.h"
#include "shell/core/savedcalculation.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <string_view>
#include <vector>

namespace fuzzing {

namespace {

// The records of a CSV text (fields may be quoted, with "" for a quote and line breaks inside);
// false where a quote is left open.
bool csvRecords(const std::string &text, std::vector<std::vector<std::string>> &records)
{
    std::vector<std::string> record(1);
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"')
                record.back() += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                record.back() += text[++i];
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            record.emplace_back();
        } else if (c == '\n') {
            records.push_back(std::move(record));
            record.assign(1, {});
        } else {
            record.back() += c;
        }
    }
    if (record.size() > 1 || !record.back().empty())
        records.push_back(std::move(record));
    return !quoted;
}

// The number of result columns a batch of the program writes: the header of a batch with the
// case column alone is the case, the result columns, the status and the notes.
std::size_t resultColumns(const std::string &program)
{
    static std::map<std::string, std::size_t> counted;
    if (const auto known = counted.find(program); known != counted.end())
        return known->second;
    std::istringstream in("case\n");
    std::ostringstream out, err;
    structcalc::run({program, "--batch", "-"}, out, err, &in);
    std::vector<std::vector<std::string>> records;
    csvRecords(out.str(), records);
    const std::size_t count = records.empty() || records[0].size() < 3 ? 0 : records[0].size() - 3;
    return counted[program] = count;
}

// "" where every visible row shows the text of its own value in the window's format, or nothing.
std::string rowsFault(const shell::ShellModel &model)
{
    for (const shell::ResultRow &row : model.rows()) {
        if (!row.visible || row.text.empty())
            continue;
        const std::string expected =
            model.formatResults() ? shell::resultText(row.value) : shell::generalText(row.value);
        if (row.text != expected)
            return "row " + row.caption + " shows '" + row.text + "' for its value '" + expected + "'";
    }
    return {};
}

}  // namespace

std::string checkSavedCalculationText(std::string_view text)
{
    const shell::SavedCalculationRead read = shell::readSavedCalculation(text);
    if (!read.ok)
        return read.error.empty() ? "a file refused without a reason" : std::string();

    const std::string written = shell::writeSavedCalculation(read.calculation);
    const shell::SavedCalculationRead again = shell::readSavedCalculation(written);
    if (!again.ok)
        return "what was read, written again, is refused: " + again.error;
    if (again.calculation != read.calculation)
        return "what was read, written again, reads back another calculation";
    if (shell::writeSavedCalculation(again.calculation) != written)
        return "a calculation read back writes another text";

    const registry::OpenedCalculation opened = registry::readCalculation(text);
    if (!opened.program)
        return opened.error.empty() ? "a calculation of no program refused without a reason" : std::string();
    shell::testing::RecordingPlatform platform;
    shell::ShellModel model(*opened.program, platform);
    model.start();
    const shell::SavedCalculation before = model.save();
    const std::string problem = model.open(opened.calculation);
    if (!problem.empty())
        return model.save() == before ? std::string() : "a refused calculation changed the window: " + problem;
    shell::SavedCalculation saved = model.save();
    // Any member ticks the rows the file does not name: as many as the member gives.
    if (opened.program->memberEditor && saved.ticked.size() > opened.calculation.ticked.size()) {
        if (std::find(saved.ticked.begin() + static_cast<long>(opened.calculation.ticked.size()), saved.ticked.end(),
                      false) != saved.ticked.end())
            return "a row the file does not name is not ticked";
        saved.ticked.resize(opened.calculation.ticked.size());
    }
    if (saved != opened.calculation)
        return "an opened calculation saves as another";
    return rowsFault(model);
}

std::string checkBatch(int programIndex, const std::string &csv, bool json, bool stretched)
{
    // The programs whose batch is CSV (any member's batch of JSON Lines is the member target's).
    std::vector<std::string> programs;
    for (const registry::Entry &entry : registry::entries())
        if (!entry.program().memberEditor)
            programs.push_back(entry.name);
    const std::string program = programs[static_cast<std::size_t>(programIndex) % programs.size()];
    std::vector<std::string> args{program, "--batch", "-"};
    if (json)
        args.push_back("--json");
    std::istringstream in(csv);
    std::ostringstream out, err;
    const int status = structcalc::run(args, out, err, &in);
    const std::string o = out.str();
    const std::string e = err.str();
    const std::string said = " (stderr: " + e.substr(0, 200) + ")";

    if (status != structcalc::Computed && status != structcalc::UsageError && status != structcalc::Rejected)
        return "exit status " + std::to_string(status) + said;
    std::istringstream messages(e);
    for (std::string line; std::getline(messages, line);)
        if (line.rfind("structcalc: ", 0) != 0)
            return "a message without its prefix: '" + line.substr(0, 200) + "'";
    // Bytes that are no text stop the batch where they stand, after the lines before them.
    const bool notText = csv.find('\0') != std::string::npos;
    if (notText && status != structcalc::UsageError)
        return "an input with a NUL byte taken for text" + said;
    if (status == structcalc::UsageError)
        return o.empty() || (notText && e.find(": the input is not text: line ") != std::string::npos)
                   ? std::string()
                   : "a usage error printed results" + said;
    // A line longer than the bound is refused with its number, and the batch goes on.
    if (stretched && (status != structcalc::Rejected || e.find(" 1048576 bytes") == std::string::npos))
        return "a line longer than 1048576 bytes was not refused" + said;

    if (json) {
        std::istringstream lines(o);
        for (std::string line; std::getline(lines, line);)
            if (line.empty() || line.front() != '{' || !isJson(line))
                return "a JSON line that is not one object: '" + line.substr(0, 200) + "'";
        return {};
    }
    std::vector<std::vector<std::string>> records;
    if (!csvRecords(o, records))
        return "the output leaves a quote open";
    if (records.size() < 2 || records[0].size() < 2 || records[0].back() != "notes" ||
        records[0][records[0].size() - 2] != "status")
        return "no header ending in the status and notes columns";
    // The input columns go back as the user wrote them; the result columns, before the status,
    // hold numbers in the result format or nothing, and nothing on a refused line, whose notes
    // are empty too.
    const std::size_t results = resultColumns(program);
    if (records[0].size() < results + 3)
        return "a header without the program's result columns";
    const std::size_t first = records[0].size() - 2 - results;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const std::vector<std::string> &record = records[r];
        const std::string where = "record " + std::to_string(r + 1);
        if (record.size() != records[0].size())
            return where + " has " + std::to_string(record.size()) + " fields under a header of " +
                   std::to_string(records[0].size());
        if (r == 1)
            continue;  // the units
        const std::string &state = record[record.size() - 2];
        const bool ok = state == "ok";
        if (!ok && state.rfind("rejected: ", 0) != 0)
            return where + " has the status '" + state.substr(0, 200) + "'";
        if (!ok && !record.back().empty())
            return where + " is refused with the notes '" + record.back().substr(0, 200) + "'";
        // An input cell goes back as text that no spreadsheet runs: a number, or not a formula.
        for (std::size_t k = 0; k < first; ++k) {
            const std::string &cell = record[k];
            if (!cell.empty() && std::string_view("=+-@\t\r").find(cell.front()) != std::string_view::npos &&
                !shell::isWholeNumber(cell))
                return where + " writes back '" + cell.substr(0, 200) + "', which a spreadsheet would run";
        }
        for (std::size_t k = first; k + 2 < record.size(); ++k) {
            const std::string &number = record[k];
            if (!number.empty() && (!ok || !isScientificFormat(number, 3) || !textFault(number, false).empty()))
                return where + " has '" + number.substr(0, 200) + "' in result column " + records[0][k];
        }
    }
    return {};
}

std::string savedCalculationInput(const std::uint8_t *data, std::size_t size)
{
    return checkSavedCalculationText(std::string_view(reinterpret_cast<const char *>(data), size));
}

std::string batchInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return {};
    std::string csv(reinterpret_cast<const char *>(data + 1), size - 1);
    // Stretched: a line longer than any batch may hold follows, of the CSV's last byte.
    const bool stretched = (data[0] & 0x10) != 0;
    if (stretched) {
        const char fill = csv.empty() || csv.back() == '\n' || csv.back() == '"' ? '7' : csv.back();
        csv += std::string(structcalc::MostRecordBytes + 1, fill) + "\n1\n";
    }
    return checkBatch(data[0] & 0x7, csv, (data[0] & 0x8) != 0, stretched);
}

}  // namespace fuzzing
