#include "fuzz/commandlinechecks.h"

#include "cli/jsontext.h"
#include "cli/structcalc.h"
#include "fuzz/numberchecks.h"
#include "fuzz/textchecks.h"
#include "shell/core/files.h"
#include "shell/core/numbertext.h"
#include "shell/core/savedcalculation.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace fuzzing {

namespace {

// The longest line a message may have: a file name of MostShownPath characters and a few texts of
// the user's of MostShown, with the words around them.
constexpr std::size_t MostMessageBytes = 4096;

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

// Files of every kind for the runs to name: an argument "@NAME" stands for the file NAME in a
// scratch folder made once, so that the fuzzer reaches them without knowing where they lie.
//   regular.json, regular.csv  a saved calculation and a batch
//   link.json, hard.json       a symbolic and a hard link to regular.json
//   large.json, large.csv      regular files larger than any calculation (NUL bytes: no text)
//   fifo, folder, socket       no regular files (a FIFO has no writer)
//   device                     a link to /dev/null; loop: a link to itself; dangling: a link to nothing
struct Scratch {
    std::string folder;
    ~Scratch()
    {
        std::error_code ignored;
        if (!folder.empty())
            std::filesystem::remove_all(folder, ignored);
    }
};

const std::string &scratchFolder()
{
    static const Scratch scratch{[] {
        char pattern[] = "/tmp/structcalc-fuzz-XXXXXX";
        if (!::mkdtemp(pattern))
            return std::string();
        const std::string f = pattern;
        const auto put = [&](const std::string &name, const std::string &text) {
            std::ofstream(f + "/" + name, std::ios::binary) << text;
        };
        put("regular.json", shell::writeSavedCalculation([] {
                shell::SavedCalculation c;
                c.program = "Beams";
                c.caseNumber = 1;
                c.caseCaption = "Beam (1)";
                c.units = shell::CatalogueUnits;
                c.inputs = {{"P", "100", "1"}, {"a", "30", "1"},  {"l", "100", "1"},  {"x1", "20", "1"},
                            {"x2", "50", "1"}, {"E", "1e5", "1"}, {"I", "833.3", "1"}};
                c.ticked = std::vector<bool>(6, true);
                return c;
            }()));
        put("regular.csv", "case,P,a\n1,100,30\n1,100,300\n");
        for (const char *large : {"large.json", "large.csv"})
            if (FILE *file = std::fopen((f + "/" + large).c_str(), "wb")) {
                std::fseek(file, static_cast<long>(2 * shell::SavedCalculationMaxBytes), SEEK_SET);
                std::fputc('\n', file);
                std::fclose(file);
            }
        // Without every kind of file in place the checks would pass for the wrong reason.
        const auto made = [&f](int result, const char *name) {
            if (result != 0) {
                std::fprintf(stderr, "cannot make %s/%s: %s\n", f.c_str(), name, std::strerror(errno));
                std::abort();
            }
        };
        made(::symlink("regular.json", (f + "/link.json").c_str()), "link.json");
        made(::link((f + "/regular.json").c_str(), (f + "/hard.json").c_str()), "hard.json");
        made(::mkfifo((f + "/fifo").c_str(), 0600), "fifo");
        made(::mkdir((f + "/folder").c_str(), 0700), "folder");
        made(::symlink("/dev/null", (f + "/device").c_str()), "device");
        made(::symlink("loop", (f + "/loop").c_str()), "loop");
        made(::symlink("nothing", (f + "/dangling").c_str()), "dangling");
        const int unixSocket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        (f + "/socket").copy(address.sun_path, sizeof address.sun_path - 1);
        ::bind(unixSocket, reinterpret_cast<sockaddr *>(&address), sizeof address);
        ::close(unixSocket);
        return f;
    }()};
    return scratch.folder;
}

// What a file read by name must be refused with: "" for a regular file of at most `limit`
// bytes; the reason otherwise, as a check of its own finds it.
std::string expectedReadProblem(const std::string &path, std::size_t limit)
{
    struct stat status {
    };
    if (::stat(path.c_str(), &status) != 0)
        return shell::fileProblem(errno);  // no such file, a loop of links, a name too long ...
    if (S_ISREG(status.st_mode))
        return static_cast<std::size_t>(status.st_size) > limit
                   ? "it is larger than " + std::to_string(limit) + " bytes"
                   : std::string();
    return "it is " + shell::kindInWords(S_ISDIR(status.st_mode)    ? shell::FileKind::Folder
                                         : S_ISFIFO(status.st_mode) ? shell::FileKind::Fifo
                                         : S_ISCHR(status.st_mode)  ? shell::FileKind::CharacterDevice
                                         : S_ISBLK(status.st_mode)  ? shell::FileKind::BlockDevice
                                         : S_ISSOCK(status.st_mode) ? shell::FileKind::Socket
                                                                    : shell::FileKind::Other);
}

// Every line on stderr starts with the program's name and is one readable line: printable
// UTF-8, the user's long texts shortened.
std::string messagesFault(const std::string &e)
{
    std::istringstream lines(e);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("structcalc: ", 0) != 0)
            return "a message without its prefix: '" + line.substr(0, 200) + "'";
        if (line.size() > MostMessageBytes)
            return "a message of " + std::to_string(line.size()) + " bytes: '" + line.substr(0, 200) + "'";
        for (std::size_t pos = 0; pos < line.size(); ++pos)
            if (line[pos] == '\t' || line[pos] == '\r')
                return "a message with a control character: '" + line.substr(0, 200) + "'";
        if (const std::string fault = textFault(line, false);
            !fault.empty() && fault.find("spells") == std::string::npos)
            return "a message that is " + fault + ": '" + line.substr(0, 200) + "'";
    }
    return {};
}

// The files a run names, after the scratch names are put for "@NAME"; false where the run names
// a file outside the scratch folder to read (it could be anything: /proc/kmsg waits for ever).
bool placeFiles(std::vector<std::string> &args, std::string &open, std::string &batch, std::string &sheet)
{
    for (std::string &a : args)
        if (a.size() > 1 && a[0] == '@')
            a = scratchFolder() + "/" + a.substr(1);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        const bool next = i + 1 < args.size();
        // A word an option takes as its file is that file, not an option of its own
        // ("--sheet --open" writes a sheet named "--open").
        if (a == "--open" && next)
            open = args[++i];
        else if (a.rfind("--open=", 0) == 0)
            open = a.substr(7);
        else if (a == "--sheet" && next)
            sheet = args[++i];
        else if (a.rfind("--sheet=", 0) == 0)
            sheet = a.substr(8);
        else if (a == "--batch" && next && (args[i + 1] == "-" || args[i + 1].rfind("--", 0) != 0))
            batch = args[++i];
    }
    const auto inScratch = [](const std::string &name) {
        return name.empty() || name == "-" || name.rfind(scratchFolder() + "/", 0) == 0;
    };
    return inScratch(open) && inScratch(batch);
}

// The file rules: a file read by name is a regular one within its limit, or the run is refused
// with the reason (unless the command line was refused first); a sheet is never written to
// anything but a regular file, nor over the calculation read, whatever link leads there.
std::string filesFault(const std::string &open, const std::string &batch, const std::string &sheet, int status,
                       const std::string &e, const std::string &openedBefore)
{
    const bool usage = e.find("structcalc: usage: ") != std::string::npos;
    for (const auto &[file, limit] :
         {std::pair{open, shell::SavedCalculationMaxBytes}, std::pair{batch, ~std::size_t{0}}}) {
        if (file.empty() || file == "-")
            continue;
        std::string problem = expectedReadProblem(file, limit);
        if (problem.empty())
            continue;
        if (file == batch && problem == "it is " + shell::kindInWords(shell::FileKind::Fifo))
            problem += "; give it as standard input (--batch -)";
        // The name as messages show it: escaped where it is not text, shortened where it is long.
        const std::string refusal =
            "structcalc: cannot read " + structcalc::userText(file, structcalc::MostShownPath) + ": " + problem + "\n";
        if (!usage && (status != structcalc::UsageError || e.find(refusal) == std::string::npos))
            return "a file that is " + problem + " was not refused so (stderr '" + e.substr(0, 300) + "')";
    }
    if (sheet.empty())
        return {};
    if (!openedBefore.empty() && shell::readRegularFile(open, MostMessageBytes * 1024).text != openedBefore)
        return "a sheet replaced the calculation read";
    struct stat target {
    };
    if (status == structcalc::Computed && ::stat(sheet.c_str(), &target) == 0 && !S_ISREG(target.st_mode))
        return "a sheet to " + expectedReadProblem(sheet, 0) + " computed as if written";
    if (status == structcalc::Computed && !open.empty() && shell::fileIdOf(sheet) == shell::fileIdOf(open))
        return "a sheet over the calculation read computed as if written";
    return {};
}

}  // namespace

bool isJson(const std::string &text)
{
    return nlohmann::json::accept(text);
}

std::string checkCommandLine(const std::vector<std::string> &given)
{
    std::ostringstream out;
    std::ostringstream err;
    // Files read by name are those of the scratch folder ("@fifo"), of every kind; what saved
    // calculations and batches hold is the file targets' part. The standard input is empty.
    std::vector<std::string> args = given;
    std::string open, batch, sheet;
    if (!placeFiles(args, open, batch, sheet))
        return {};
    const std::string openedBefore = open.empty() ? std::string() : shell::readRegularFile(open, 1 << 20).text;
    std::istringstream in;
    const int status = structcalc::run(args, out, err, &in);
    const std::string o = out.str();
    const std::string e = err.str();
    const std::string said = " (stdout '" + o.substr(0, 200) + "', stderr '" + e.substr(0, 200) + "')";
    if (status != structcalc::Computed && status != structcalc::UsageError && status != structcalc::Rejected)
        return "exit status " + std::to_string(status) + said;
    if (status != structcalc::Computed && e.rfind("structcalc: ", 0) != 0)
        return "a failure without its reason on stderr" + said;
    if (const std::string fault = messagesFault(e); !fault.empty())
        return fault;
    // --list, --help and --version in first place print their text whatever follows, and
    // read or write no file.
    const bool listOrHelp =
        !args.empty() && (args[0] == "--list" || args[0] == "--help" || args[0] == "-h" || args[0] == "--version");
    if (const std::string fault = listOrHelp ? std::string() : filesFault(open, batch, sheet, status, e, openedBefore);
        !fault.empty())
        return fault;
    if (!batch.empty())
        return {};  // the batch's output is the batch target's to check
    if (status == structcalc::UsageError)
        return o.empty() ? std::string() : "a usage error printed on stdout" + said;
    if (const std::string fault = textFault(o, false); !fault.empty())
        return "stdout: " + fault + said;

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
