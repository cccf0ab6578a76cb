#include "fuzz/commandlinechecks.h"

#include "cli/structcalc.h"
#include "fuzz/numberchecks.h"
#include "fuzz/textchecks.h"
#include "shell/core/numbertext.h"

#include <nlohmann/json.hpp>

#include <sstream>

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

}  // namespace

bool isJson(const std::string &text)
{
    return nlohmann::json::accept(text);
}

std::string checkCommandLine(const std::vector<std::string> &args)
{
    std::ostringstream out;
    std::ostringstream err;
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
    const bool listOrHelp = !args.empty() && (args[0] == "--list" || args[0] == "--help" || args[0] == "-h" ||
                                              args[0] == "--version");
    if (listOrHelp)
        return o.empty() ? "nothing listed" + said : std::string();

    // The values taken: wholly numbers. Positional arguments from the third on are NAME=VALUE.
    int positional = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--unit") {
            ++i;
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
        if ((status == structcalc::Rejected) != (o.find("\"rejected\": true") != std::string::npos))
            return "a JSON refusal without \"rejected\": true, or one with it that computed" + said;
        return {};
    }
    if (status == structcalc::Rejected)
        return o.empty() ? std::string() : "a refusal printed results" + said;
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
