#include "fuzz/commandlinechecks.h"

#include "cli/structcalc.h"
#include "fuzz/numberchecks.h"
#include "fuzz/textchecks.h"
#include "shell/core/numbertext.h"

#include <nlohmann/json.hpp>

#include <sstream>
#include <vector>

namespace fuzzing {

namespace {

bool has(const std::vector<std::string> &args, const char *option)
{
    for (const std::string &a : args)
        if (a == option)
            return true;
    return false;
}

// A result row's number as the command line prints it.
bool isRowNumber(const std::string &text)
{
    return text.empty() || isScientificFormat(text, 3) ||
           (shell::isWholeNumber(text) && shell::generalText(shell::readNumber(text)) == text);
}

// The fields of one CSV line of a diagram (no quoting: names hold no commas).
std::vector<std::string> fieldsOf(const std::string &line)
{
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

// A diagram as CSV: a header, then lines of as many fields, every field a number or empty,
// but the first where the header starts with "member" (the member's name).
std::string diagramFault(const std::string &o)
{
    std::istringstream lines(o);
    std::string header;
    std::getline(lines, header);
    const std::size_t columns = fieldsOf(header).size();
    if (columns < 2)
        return "a diagram without its header: '" + header + "'";
    const bool named = header.rfind("member,", 0) == 0;
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        const std::vector<std::string> fields = fieldsOf(line);
        if (fields.size() != columns)
            return "a diagram line of " + std::to_string(fields.size()) + " fields under " + std::to_string(columns) +
                   ": '" + line + "'";
        for (std::size_t i = named ? 1 : 0; i < fields.size(); ++i)
            if (!fields[i].empty() && !shell::isWholeNumber(fields[i]))
                return "a diagram field that is no number: '" + fields[i] + "'";
    }
    return count > 0 ? std::string() : "a diagram without points";
}

}  // namespace

bool isJson(const std::string &text)
{
    return nlohmann::json::accept(text);
}

std::string checkCommandLine(const std::vector<std::string> &args)
{
    std::ostringstream out;
    std::ostringstream err;
    // Runs that read a file by name are left out: a name like /dev/zero would read for ever,
    // and what saved calculations and batches hold is the file targets' part.
    for (const std::string &a : args)
        if (a.rfind("--open", 0) == 0 || a == "--batch")
            return {};
    const int status = structcalc::run(args, out, err);
    const std::string o = out.str();
    const std::string e = err.str();
    const std::string said = " (stdout '" + o.substr(0, 200) + "', stderr '" + e.substr(0, 200) + "')";
    if (status != structcalc::Computed && status != structcalc::UsageError && status != structcalc::Rejected)
        return "exit status " + std::to_string(status) + said;
    if (status != structcalc::Computed && e.rfind("structcalc: ", 0) != 0)
        return "a failure without its reason on stderr" + said;
    if (status == structcalc::UsageError)
        return o.empty() ? std::string() : "a usage error printed on stdout" + said;
    if (const std::string fault = textFault(o, false); !fault.empty())
        return "stdout: " + fault + said;

    // --list, --help and --version in first place print their text whatever follows.
    const bool listOrHelp =
        !args.empty() && (args[0] == "--list" || args[0] == "--help" || args[0] == "-h" || args[0] == "--version");
    if (listOrHelp)
        return o.empty() ? "nothing listed" + said : std::string();

    // The values taken: wholly numbers. Positional arguments from the third on are NAME=VALUE.
    int positional = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--unit" || args[i] == "--sheet" || args[i] == "--points") {
            ++i;  // the option's value
            continue;
        }
        if (args[i].rfind("--", 0) == 0)
            continue;
        if (++positional > 2 && !shell::isWholeNumber(args[i].substr(args[i].find('=') + 1)))
            return "the value of '" + args[i] + "' is no number, yet it was taken" + said;
    }

    const bool json = has(args, "--json");
    if (json) {
        if (o.empty() || o.back() != '\n' || o.find('\n') != o.size() - 1 || !isJson(o))
            return "--json printed no single JSON line" + said;
        // A refusal is an input refused ("rejected": true) or, with --diagram, a member that
        // cannot be solved ("diagramError").
        const bool refused = o.find("\"rejected\": true") != std::string::npos ||
                             (has(args, "--diagram") && o.find("\"diagramError\": ") != std::string::npos);
        if ((status == structcalc::Rejected) != refused)
            return "a JSON refusal without \"rejected\": true, or one with it that computed" + said;
        return {};
    }
    if (status == structcalc::Rejected)
        return o.empty() ? std::string() : "a refusal printed results" + said;
    if (has(args, "--diagram"))
        return diagramFault(o);
    if (o.empty())
        return "a computation printed no rows" + said;
    std::istringstream lines(o);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t first = line.find('\t');
        const std::size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
        if (second == std::string::npos || line.find('\t', second + 1) != std::string::npos)
            return "a row line that is not caption, number and unit: '" + line + "'";
        const std::string number = line.substr(first + 1, second - first - 1);
        if (!isRowNumber(number))
            return "a row number '" + number + "' in no format of the program";
    }
    return {};
}

std::string commandLineInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size && args.size() <= 16; ++i) {
        if (data[i] == '\n')
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    if (args.size() > 16)
        args.pop_back();
    return checkCommandLine(args);
}

}  // namespace fuzzing
