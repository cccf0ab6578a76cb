#include "cli/structcalc.h"

#include "cli/anymember.h"
#include "cli/batch.h"
#include "cli/descriptorstreams.h"
#include "cli/diagramoutput.h"
#include "cli/jsontext.h"
#include "cli/quietplatform.h"
#include "cli/sheetoutput.h"

#include "registry/registry.h"
#include "shell/core/files.h"
#include "shell/core/language.h"
#include "shell/core/numbertext.h"
#include "shell/core/shellmodel.h"

#include <iostream>
#include <optional>
#include <ostream>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

namespace structcalc {

namespace {

// One line that says how to call it; --help says the rest.
const char *const UsageLine = "usage: structcalc PROGRAM CASE [NAME=VALUE ...] [options]   (structcalc --help)";

// The programs in words: "Beams, Cantilever or Member".
std::string programNames()
{
    const std::vector<const shell::Program *> all = registry::programs();
    std::string names;
    for (std::size_t k = 0; k < all.size(); ++k)
        names += (k == 0 ? "" : k + 1 == all.size() ? wording(" or ") : ", ") + all[k]->name;
    return names;
}

// The help is one message, %1 the version and %2 the programs.
std::string helpText()
{
    return wording("structcalc %1: compute a case of the structural calculators, as their windows do.\n"
                   "\n"
                   "usage: structcalc PROGRAM CASE [NAME=VALUE ...] [--unit UNITS] [--raw] [--json]\n"
                   "                  [--diagram [--points N]] [--sheet OUT.pdf]\n"
                   "       structcalc --open FILE [--unit UNITS] [--raw] [--json] [--diagram [--points N]]\n"
                   "                  [--sheet OUT.pdf]\n"
                   "       structcalc PROGRAM --batch [FILE|-] [--unit UNITS] [--raw] [--json]\n"
                   "       structcalc Member --member FILE|- [--unit UNITS] [--raw] [--json]\n"
                   "                  [--diagram [--points N]] [--sheet OUT.pdf]\n"
                   "                  [--influence QUANTITY@X | --train TRAIN [--points N]]\n"
                   "       structcalc Member --open FILE [--unit UNITS] [--raw] [--json]\n"
                   "                  [--diagram [--points N]] [--sheet OUT.pdf]\n"
                   "                  [--influence QUANTITY@X | --train TRAIN [--points N]]\n"
                   "       structcalc Member --batch FILE|- [--unit UNITS] [--raw]\n"
                   "       structcalc --list [PROGRAM [CASE]]\n"
                   "       structcalc --help | --version\n"
                   "\n"
                   "PROGRAM is %2; CASE the number on its case button\n"
                   "(\"Beam (3)\" is 3). NAME is an input caption as the window shows it (l the span, I the\n"
                   "second moment); inputs not given keep their start values. VALUE is a number and nothing else.\n"
                   "One line per result row: caption, TAB, value as the window shows it, TAB, unit.\n"
                   "\n"
                   "  --unit UNITS      a length unit mm, cm or m, a force unit N or kN, or both (m,kN);\n"
                   "                    the start values convert, the values given are read in these units\n"
                   "  --raw             values in full precision instead of the window's format\n"
                   "  --lang ja|en      every text wholly in Japanese or in English (without it, the\n"
                   "                    result names in Japanese and the rest in English, as scripts read them)\n"
                   "  --json            one JSON object: case, units, inputs with units, rows with meanings\n"
                   "                    (\"largest\" beside a row that is not the member's largest,\n"
                   "                    \"outsideRange\" beside a value outside its formula's range), the\n"
                   "                    diagram extremes; a refused input gives \"rejected\": true\n"
                   "  --diagram         the member's diagrams as CSV: x,V,M,theta,delta (frames\n"
                   "                    member,s,x,y,M; columns lambda,euler,empirical)\n"
                   "  --points N        intervals of the diagram, 1 to 100000 (default 100)\n"
                   "  --open FILE       compute a saved calculation (.structcalc.json): its program, case,\n"
                   "                    units and inputs; a damaged file is a usage error that says why\n"
                   "  --sheet OUT.pdf   also write the calculation sheet of the case as computed: a one- or\n"
                   "                    two-page A4 PDF with formulas, worked values and diagrams (no display\n"
                   "                    needed); refused inputs write none\n"
                   "  --batch [FILE|-]  one case per CSV line: a header with the column case and input\n"
                   "                    captions; writes the inputs, one column per result row (units on\n"
                   "                    the second line), a status (ok, rejected: reason) and notes\n"
                   "  --member FILE|-   Member: any straight member described in JSON (supports, springs,\n"
                   "                    settlements, hinges, segments, loads; see the man page); --batch\n"
                   "                    then takes one description per line\n"
                   "  --influence Q@X   Member: the influence line of R, MR (support at X), V, M, theta or\n"
                   "                    delta (section X) instead of the rows: its extremes, --diagram the line\n"
                   "  --train TRAIN     Member: the envelope of M and V under a moving load train (axles at a\n"
                   "                    behind the first with loads P, a uniform load w, the ways it runs; see\n"
                   "                    the man page): the largest and smallest M and V with their sections\n"
                   "                    and train positions, --diagram x,Mmax,Mmin,Vmax,Vmin at N intervals\n"
                   "  --list            the programs and their cases; --list PROGRAM CASE: the case's\n"
                   "                    title, inputs with units and start values, rows with their meanings\n"
                   "  --help, --version this text; the version\n"
                   "\n"
                   "Exit status: 0 computed, 2 usage error or a file or the output that cannot be read or\n"
                   "written, 3 an input refused (the reason on stderr; in a batch, any line refused). Every\n"
                   "message on stderr starts with \"structcalc: \". Files are read and written only where they\n"
                   "are regular files; a batch line holds at most 1 MiB; an input cell that a spreadsheet\n"
                   "would run as a formula goes back in the batch's CSV with a leading '.\n"
                   "\n"
                   "Examples:\n"
                   "  structcalc Beams 1 P=2.5 a=0.04 --unit m,kN\n"
                   "  structcalc --open beam-b12.structcalc.json --sheet beam-b12.pdf\n"
                   "  printf 'case,P,a\\n1,100,30\\n1,100,150\\n' | structcalc Beams --batch -\n"
                   "See structcalc(1).\n",
                   {STRUCTCALC_VERSION, programNames()});
}

struct Request {
    const shell::Program *program = nullptr;
    int caseIndex = -1;
    std::vector<std::pair<std::string, std::string>> inputs;
    std::optional<shell::LengthUnit> lengthUnit;  // none: as the window starts
    std::optional<shell::ForceUnit> forceUnit;
    bool raw = false;
    bool json = false;
    bool diagram = false;
    int points = -1;  // intervals of the diagram table; -1: not given
    bool batch = false;
    std::string batchFile;  // "" or "-": the standard input
    std::string openFile;   // a saved calculation to compute; "": the case of the command line
    std::string sheetFile;  // where the calculation sheet goes; "": none
};

constexpr int DefaultPoints = 100;
constexpr int MostPoints = 100000;
constexpr std::size_t CaseDigits = 4;   // case numbers: "Beam (3)" is 3
constexpr std::size_t CountDigits = 6;  // --points, up to MostPoints

int usage(std::ostream &err, const std::string &problem)
{
    err << "structcalc: " << visibleText(problem) << "\nstructcalc: " << wording(UsageLine) << "\n";
    return UsageError;
}

void list(std::ostream &out, const shell::Program &program)
{
    out << program.name << "\n";
    for (int i = 0; i < program.caseCount(); ++i) {
        const shell::CaseDef &c = program.cases[static_cast<std::size_t>(i)];
        out << "  " << (i + 1) << "\t" << shell::translatedCaption(c.caption, "Case") << "\t";
        for (std::size_t k = 0; k < c.inputs.size(); ++k)
            out << (k ? " " : "") << c.inputs[k].caption << "=" << shell::generalText(c.inputs[k].start);
        out << "\n";
    }
}

// What --list says of a row beyond its meaning: the member's diagram a row claims the extreme of,
// with that extreme at the start values where it is not the row's ("member's δ: largest 2.006e-02
// mm at x = 44.92 mm at the start values"), and the range its formula holds in ("range: the
// wrought-iron formula holds for λ up to 112; Euler applies beyond").
std::string rowRemark(const shell::Program &program, const shell::CaseDef &c, int r, const shell::Evaluation &start,
                      const shell::CaseDiagrams &diagrams)
{
    const shell::RowDef &row = c.rows[static_cast<std::size_t>(r)];
    std::string remark;
    if (row.claims) {
        const auto m = static_cast<std::size_t>(row.claims->member);
        const std::string name = m < c.members.size() ? c.members[m].name : std::string();
        remark = wording(name.empty() ? "member's %1" : "member's %1 (%2)",
                         {shell::quantitySymbol(row.claims->quantity), name});
        const double value = start.rejected ? 0 : start.values[static_cast<std::size_t>(r)];
        if (const auto largest = shell::rowLargest(c, diagrams, r, value))
            remark +=
                wording(": %1 at the start values", {shell::largestText(shell::resultText(largest->value),
                                                                        program.rowUnit(c, r, shell::CatalogueUnits),
                                                                        largest->x, diagrams.lengthUnit)});
        else if (!start.rejected)
            remark += wording(": the row's own value at the start values");
    }
    if (row.range)
        remark += (remark.empty() ? "" : "; ") + wording("range: %1", {shell::translated("Reason", row.range->reason)});
    return remark;
}

// One case in full: its title, its inputs with units and start values, its rows with their
// units and meanings (and what rowRemark says of them), and its domain (in mm and N, the units
// it starts in).
void listCase(std::ostream &out, const shell::Program &program, int caseIndex)
{
    const shell::CaseDef &c = program.cases[static_cast<std::size_t>(caseIndex)];
    const shell::Units units = shell::CatalogueUnits;
    out << shell::translatedCaption(c.caption, "Case")
        << (c.title.empty() ? "" : ": " + shell::translated("Title", c.title)) << "\n"
        << wording("inputs:") << "\n";
    for (const shell::InputDef &input : c.inputs)
        out << "  " << input.caption << "\t" << shell::generalText(input.start) << "\t"
            << shell::unitCaption(units, input.dimension) << "\n";
    const std::vector<double> inputs = shell::startValues(c);
    const shell::Evaluation start = shell::evaluate(c, inputs, units);
    shell::CaseDiagrams diagrams;
    for (const shell::RowDef &row : c.rows)
        if (row.claims && !start.rejected && diagrams.kind == shell::CaseDiagrams::Kind::None)
            diagrams = shell::caseDiagrams(c, caseIndex, inputs, start.values, units);
    out << wording("results:") << "\n";
    for (int r = 0; r < c.rowCount(); ++r) {
        const shell::RowDef &row = c.rows[static_cast<std::size_t>(r)];
        const std::string remark = rowRemark(program, c, r, start, diagrams);
        out << "  " << shell::translatedCaption(row.caption) << "\t" << program.rowUnit(c, r, units) << "\t"
            << shell::translated("Meaning", row.meaning) << (remark.empty() ? "" : "\t" + remark) << "\n";
    }
    out << wording("domain:") << "\n";
    for (const shell::Check &check : c.checks)
        out << "  " << (check.reason.empty() ? check.holds.formula() : shell::translated("Reason", check.reason))
            << "\n";
}

bool parseWholeNumber(const std::string &text, std::size_t mostDigits, int &number);

// Why `text` is no case of the program: "case '9' is not a case of Beams (1 to 6)".
std::string notACase(const std::string &text, const shell::Program &program)
{
    return wording("case '%1' is not a case of %2 (1 to %3)",
                   {userText(text), program.name, std::to_string(program.caseCount())});
}

int listCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    if (args.size() > 3)
        return usage(err, wording("--list takes at most a program and a case"));
    if (args.size() == 1) {
        for (const shell::Program *program : registry::programs())
            list(out, *program);
        return Computed;
    }
    const shell::Program *program = registry::find(args[1]);
    if (!program)
        return usage(err, wording("unknown program '%1'", {userText(args[1])}));
    if (args.size() == 2) {
        list(out, *program);
        return Computed;
    }
    int number = 0;
    if (!parseWholeNumber(args[2], CaseDigits, number) || number < 1 || number > program->caseCount())
        return usage(err, notACase(args[2], *program));
    listCase(out, *program, number - 1);
    return Computed;
}

// A whole number written in decimal digits alone, at most mostDigits of them.
bool parseWholeNumber(const std::string &text, std::size_t mostDigits, int &number)
{
    if (text.empty() || text.size() > mostDigits)
        return false;
    number = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9')
            return false;
        number = number * 10 + (ch - '0');
    }
    return true;
}

// Whether the word is the option, alone ("--unit") or with its word after '=' ("--unit=cm").
bool isOption(const std::string &arg, const std::string &option)
{
    return arg == option || arg.rfind(option + "=", 0) == 0;
}

// The word an option takes: what follows its '=' ("--unit=cm"), or else the next word ("--unit
// cm"), which `i` then moves past. False where the option stands last without one.
bool optionWord(const std::vector<std::string> &args, std::size_t &i, const std::string &option, std::string &word)
{
    if (args[i] != option) {
        word = args[i].substr(option.size() + 1);
        return true;
    }
    if (i + 1 >= args.size())
        return false;
    word = args[++i];
    return true;
}

// --points: a whole number of intervals from 1 to MostPoints.
int readPoints(const std::string &count, Request &request, std::ostream &err)
{
    int number = 0;
    if (!parseWholeNumber(count, CountDigits, number) || number < 1 || number > MostPoints)
        return usage(err, wording("--points takes a whole number from 1 to 100000, not '%1'", {userText(count)}));
    request.points = number;
    return Computed;
}

// --unit: "cm", "kN", "m,kN": a length unit, a force unit or both, each named once.
int readUnits(const std::string &unit, Request &request, std::ostream &err)
{
    const std::string problem = unitProblem(unit, shell::readUnitWords(unit, request.lengthUnit, request.forceUnit));
    return problem.empty() ? Computed : usage(err, problem);
}

// The options into the request, in the order given; the other words (program, case, inputs)
// into `positional`.
int readOptions(const std::vector<std::string> &args, Request &request, std::vector<std::string> &positional,
                std::ostream &err)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--raw") {
            request.raw = true;
        } else if (arg == "--json") {
            request.json = true;
        } else if (arg == "--diagram") {
            request.diagram = true;
        } else if (arg == "--batch") {
            request.batch = true;
            // The file is optional: the next word, unless it is another option.
            if (i + 1 < args.size() && (args[i + 1] == "-" || args[i + 1].rfind("--", 0) != 0))
                request.batchFile = args[++i];
        } else if (isOption(arg, "--open") || isOption(arg, "--sheet")) {
            const bool open = isOption(arg, "--open");
            const std::string option = open ? "--open" : "--sheet";
            std::string file;
            if (!optionWord(args, i, option, file))
                return usage(
                    err, wording(open ? "--open needs a saved calculation file" : "--sheet needs a PDF file to write"));
            if (file.empty())
                return usage(err, wording("%1 needs a file name", {option}));
            (open ? request.openFile : request.sheetFile) = file;
        } else if (isOption(arg, "--points")) {
            std::string count;
            if (!optionWord(args, i, "--points", count))
                return usage(err, wording("--points needs a number of intervals (1 to 100000)"));
            if (const int status = readPoints(count, request, err); status != Computed)
                return status;
        } else if (isOption(arg, "--unit")) {
            std::string unit;
            if (!optionWord(args, i, "--unit", unit))
                return usage(err, wording("--unit needs mm, cm or m"));
            if (const int status = readUnits(unit, request, err); status != Computed)
                return status;
        } else if (arg.rfind("--", 0) == 0) {
            return usage(err, wording("unknown option '%1'", {userText(arg)}));
        } else {
            positional.push_back(arg);
        }
    }
    return Computed;
}

// Options that do not go together.
int checkOptionsTogether(const Request &request, std::ostream &err)
{
    if (request.points >= 0 && !request.diagram)
        return usage(err, wording("--points goes with --diagram"));
    if (request.batch && !request.openFile.empty())
        return usage(err, wording("--batch and --open do not go together"));
    if (request.batch && !request.sheetFile.empty())
        return usage(err, wording("--sheet writes the sheet of one case, not of a batch"));
    return Computed;
}

// One NAME=VALUE of the command line: an input of the case, and a number and nothing else.
int readInput(const std::string &assignment, const shell::CaseDef &c, int caseNumber, Request &request,
              std::ostream &err)
{
    const auto equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0)
        return usage(err, wording("'%1' is not NAME=VALUE", {userText(assignment)}));
    const std::string name = assignment.substr(0, equals);
    bool known = false;
    for (const shell::InputDef &input : c.inputs)
        known = known || input.caption == name;
    if (!known) {
        std::string names;
        for (const shell::InputDef &input : c.inputs)
            names.append(names.empty() ? "" : ", ").append(input.caption);
        return usage(err, wording("'%1' is not an input of %2 case %3 (%4)",
                                  {userText(name), request.program->name, std::to_string(caseNumber), names}));
    }
    // Values on the command line are numbers and nothing else: a script that passes "12abc"
    // has a fault the window's leading-number reading would hide.
    const std::string value = assignment.substr(equals + 1);
    if (!shell::isWholeNumber(value)) {
        err << "structcalc: " << wording("%1: not a number: %2", {userText(name), userText(value)}) << "\n";
        return UsageError;
    }
    request.inputs.emplace_back(name, value);
    return Computed;
}

// PROGRAM CASE [NAME=VALUE ...]: the program, the number on its case button and the inputs.
int readCaseAndInputs(const std::vector<std::string> &positional, Request &request, std::ostream &err)
{
    if (positional.size() < 2)
        return usage(err, wording(positional.empty() ? "no program given" : "no case number given"));
    request.program = registry::find(positional[0]);
    if (!request.program)
        return usage(err, wording("unknown program '%1'", {userText(positional[0])}));
    int number = 0;
    if (!parseWholeNumber(positional[1], CaseDigits, number) || number < 1 || number > request.program->caseCount())
        return usage(err, notACase(positional[1], *request.program));
    request.caseIndex = number - 1;
    const shell::CaseDef &c = request.program->cases[static_cast<std::size_t>(request.caseIndex)];
    for (std::size_t i = 2; i < positional.size(); ++i)
        if (const int status = readInput(positional[i], c, number, request, err); status != Computed)
            return status;
    return Computed;
}

int parse(const std::vector<std::string> &args, Request &request, std::ostream &err)
{
    std::vector<std::string> positional;
    if (const int status = readOptions(args, request, positional, err); status != Computed)
        return status;
    if (const int status = checkOptionsTogether(request, err); status != Computed)
        return status;
    if (!request.openFile.empty()) {
        // The file names the program, the case and the inputs.
        if (!positional.empty())
            return usage(err, wording("--open takes no program, case or inputs: the file gives them ('%1')",
                                      {userText(positional[0])}));
        return Computed;
    }
    if (request.batch) {
        if (positional.size() != 1)
            return usage(err, wording(positional.empty() ? "no program given" : "--batch takes a program and no case"));
        if (request.diagram)
            return usage(err, wording("--batch computes result rows, not diagrams"));
        request.program = registry::find(positional[0]);
        if (!request.program)
            return usage(err, wording("unknown program '%1'", {userText(positional[0])}));
        return Computed;
    }
    return readCaseAndInputs(positional, request, err);
}

// --diagram of a case that has none is a usage error.
int checkDiagram(const Request &request, std::ostream &err)
{
    const shell::CaseDef &c = request.program->cases[static_cast<std::size_t>(request.caseIndex)];
    if (request.diagram && c.members.empty() && !c.columnCurve) {
        err << "structcalc: "
            << wording("%1 case %2 has no diagram", {request.program->name, std::to_string(request.caseIndex + 1)})
            << "\n";
        return UsageError;
    }
    return Computed;
}

// The saved calculation of --open, read whole (only a regular file, and one no larger than any
// calculation) and checked against its program's catalogue. `read` is the file it was.
int readOpenFile(const Request &request, registry::OpenedCalculation &opened, shell::FileId &read, std::ostream &err)
{
    const shell::FileRead file = shell::readRegularFile(request.openFile, shell::SavedCalculationMaxBytes);
    if (!file.ok) {
        err << "structcalc: " << wording("cannot read %1: %2", {userText(request.openFile, MostShownPath), file.error})
            << "\n";
        return UsageError;
    }
    read = file.id;
    opened = registry::readCalculation(file.text);
    if (!opened.program) {
        err << "structcalc: "
            << wording("cannot open %1: %2", {userText(request.openFile, MostShownPath), visibleText(opened.error)})
            << "\n";
        return UsageError;
    }
    return Computed;
}

// The files a run writes its answers to, as messages name them: the output stream's own
// descriptor, and the process's standard output and error.
std::vector<std::pair<shell::FileId, const char *>> answerFiles(const std::ostream &out)
{
    std::vector<std::pair<shell::FileId, const char *>> files;
    if (const auto *output = dynamic_cast<const DescriptorOutput *>(out.rdbuf()))
        files.emplace_back(shell::fileIdOfDescriptor(output->descriptor()), "the standard output");
    files.emplace_back(shell::fileIdOfDescriptor(STDOUT_FILENO), "the standard output");
    files.emplace_back(shell::fileIdOfDescriptor(STDERR_FILENO), "the standard error");
    return files;
}

// Why the sheet cannot go to `path`: anything but a regular file (links followed), and a file
// the run reads or answers on, by whatever name or link leads to it. "" where it can.
std::string sheetProblem(const std::string &path, const shell::FileId &input, const std::ostream &out)
{
    if (std::string problem = shell::checkWritable(path); !problem.empty())
        return problem;
    const shell::FileId target = shell::fileIdOf(path);
    if (target == input)
        return wording("it is the calculation --open reads");
    for (const auto &[file, name] : answerFiles(out))
        if (target == file)
            return wording("it is %1", {wording(name)});
    return {};
}

// Whether the descriptor reads a regular file that is also where the answers go: a batch that
// read its own output would never end.
const char *readsItsAnswers(int descriptor, const std::ostream &out)
{
    struct stat status {
    };
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))
        return nullptr;
    const shell::FileId input = shell::fileIdOfDescriptor(descriptor);
    for (const auto &[file, name] : answerFiles(out))
        if (input == file)
            return name;
    return nullptr;
}

int batchCommand(const Request &request, std::ostream &out, std::ostream &err, std::istream *in)
{
    BatchOptions options;
    options.units.length = request.lengthUnit.value_or(options.units.length);
    options.units.force = request.forceUnit.value_or(options.units.force);
    options.raw = request.raw;
    options.json = request.json;
    if (request.batchFile.empty() || request.batchFile == "-") {
        std::istream &input = in ? *in : std::cin;
        if (const auto *stream = dynamic_cast<const DescriptorInput *>(input.rdbuf()))
            if (const char *name = readsItsAnswers(stream->descriptor(), out)) {
                err << "structcalc: " << wording("the standard input is also %1", {wording(name)}) << "\n";
                return UsageError;
            }
        return runBatch(*request.program, input, out, err, options);
    }
    // A named file only where it is a regular one: a FIFO is never waited on, a device never read.
    options.inputName = userText(request.batchFile, MostShownPath);
    std::string problem;
    const int descriptor = shell::openRegularFile(request.batchFile, problem);
    if (descriptor < 0) {
        err << "structcalc: " << wording("cannot read %1: %2", {options.inputName, problem})
            << (problem == shell::kindProblem(shell::FileKind::Fifo)
                    ? wording("; give it as standard input (--batch -)")
                    : "")
            << "\n";
        return UsageError;
    }
    int status = UsageError;
    if (const char *name = readsItsAnswers(descriptor, out)) {
        err << "structcalc: " << wording("%1 is both the input and %2", {options.inputName, wording(name)}) << "\n";
    } else {
        DescriptorInput buffer(descriptor);
        std::istream input(&buffer);
        status = runBatch(*request.program, input, out, err, options);
    }
    ::close(descriptor);
    return status;
}

int intervals(const Request &request)
{
    return request.points > 0 ? request.points : DefaultPoints;
}

// The case, the units and the inputs with their units: the head every JSON answer starts with.
void printJsonHead(std::ostream &out, const Request &request, const shell::ShellModel &model)
{
    const shell::CaseDef &c = model.currentCaseDef();
    const std::vector<double> numbers = model.inputNumbers(request.caseIndex);
    out << "{\"program\": " << jsonString(request.program->name) << ", \"case\": " << (request.caseIndex + 1)
        << ", \"title\": " << jsonString(shell::translated("Title", c.title))
        << ", \"unit\": " << jsonString(shell::lengthUnitName(model.units().length))
        << ", \"forceUnit\": " << jsonString(shell::forceUnitName(model.units().force)) << ", \"inputs\": {";
    for (std::size_t k = 0; k < c.inputs.size(); ++k)
        out << (k ? ", " : "") << jsonString(c.inputs[k].caption) << ": " << jsonNumber(numbers[k]);
    out << "}, \"inputUnits\": {";
    for (std::size_t k = 0; k < c.inputs.size(); ++k)
        out << (k ? ", " : "") << jsonString(c.inputs[k].caption) << ": "
            << jsonString(model.inputUnit(request.caseIndex, static_cast<int>(k)));
    out << "}";
}

void printJson(std::ostream &out, const Request &request, const shell::ShellModel &model)
{
    printJsonHead(out, request, model);
    const shell::CaseDef &c = model.currentCaseDef();
    out << ", \"rows\": [";
    for (int r = 0; r < model.resultCount(); ++r) {
        const shell::ResultRow &row = model.rows()[static_cast<std::size_t>(r)];
        out << (r ? ", " : "") << "{\"caption\": " << jsonString(row.caption)
            << ", \"symbol\": " << jsonString(shell::SymbolOf(row.caption)) << ", \"value\": " << jsonNumber(row.value);
        // A value that cannot be computed is null, with why beside it.
        if (!row.reason.empty())
            out << ", \"reason\": " << jsonString(row.reason);
        out << ", \"text\": " << jsonString(request.raw ? shell::generalText(row.value) : row.text)
            << ", \"unit\": " << jsonString(row.unit) << ", \"meaning\": "
            << jsonString(shell::translated("Meaning", c.rows[static_cast<std::size_t>(r)].meaning));
        // The member's true extreme beside a row that claims one and is not it; the reason a row
        // lies outside its formula's range.
        if (row.largest)
            out << ", \"largest\": {\"value\": " << jsonNumber(row.largest->value)
                << ", \"x\": " << jsonNumber(row.largest->x) << "}";
        if (!row.outsideRange.empty())
            out << ", \"outsideRange\": " << jsonString(row.outsideRange);
        out << "}";
    }
    out << "]";
    printJsonExtremes(out, model.diagrams());
    if (request.diagram)
        printJsonDiagram(out, model.diagrams(), intervals(request));
    out << "}\n";
}

// "反力 (RA)" -> "RA"; a caption without a symbol as it is.
std::string rowName(const std::string &caption)
{
    const std::string symbol = shell::SymbolOf(caption);
    return symbol.empty() ? caption : symbol;
}

// A refused input: which and why, in the window's words.
int printRejection(std::ostream &out, std::ostream &err, const Request &request, const shell::ShellModel &model)
{
    const shell::CaseDef &c = model.currentCaseDef();
    const int field = model.markedField();
    const std::string caseCaption = shell::translatedCaption(c.caption, "Case");
    const std::string entry =
        shell::translatedPattern("Text", "Please check command entry  #%1", {std::to_string(field + 1)});
    if (field >= 0 && !model.rejectionReason().empty())
        err << "structcalc: " << caseCaption << ": " << model.rejectionReason() << " (" << entry << ")\n";
    else
        err << "structcalc: " << caseCaption << ": " << model.statusText() << "\n";
    if (request.json) {
        printJsonHead(out, request, model);
        const bool named = field >= 0 && field < c.inputCount();
        out << ", \"rejected\": true, \"reason\": " << jsonString(model.rejectionReason()) << ", \"field\": "
            << (named ? jsonString(c.inputs[static_cast<std::size_t>(field)].caption) : std::string("null")) << "}\n";
    }
    return Rejected;
}

// --list, --help and --version, answered without a case; nothing for any other command line.
std::optional<int> infoCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    if (args.empty())
        return std::nullopt;
    if (args[0] == "--list")
        return listCommand(args, out, err);
    if (args[0] == "--help" || args[0] == "-h") {
        out << helpText();
        return Computed;
    }
    if (args[0] == "--version") {
        out << "structcalc " << STRUCTCALC_VERSION << "\n";
        return Computed;
    }
    return std::nullopt;
}

// The case to compute, checked before anything is computed or written: the saved calculation of
// --open read (its program and case into the request, the file it was into `openedFile`), a
// diagram the case has, and a place the sheet can go.
int checkCase(Request &request, registry::OpenedCalculation &opened, shell::FileId &openedFile, const std::ostream &out,
              std::ostream &err)
{
    if (!request.openFile.empty()) {
        if (const int status = readOpenFile(request, opened, openedFile, err); status != Computed)
            return status;
        request.program = opened.program;
        request.caseIndex = opened.calculation.caseNumber - 1;
    }
    if (const int status = checkDiagram(request, err); status != Computed)
        return status;
    if (!request.sheetFile.empty())
        if (const std::string problem = sheetProblem(request.sheetFile, openedFile, out); !problem.empty()) {
            err << "structcalc: "
                << wording("cannot write %1: %2", {userText(request.sheetFile, MostShownPath), problem}) << "\n";
            return UsageError;
        }
    return Computed;
}

// The model given the case as a window would be: started, the saved calculation opened or the
// case selected, the units chosen, the inputs typed.
int setUpCase(shell::ShellModel &model, const Request &request, const registry::OpenedCalculation &opened,
              std::ostream &err)
{
    model.start();
    if (!request.openFile.empty()) {
        const std::string problem = model.open(opened.calculation);
        if (!problem.empty()) {
            err << "structcalc: "
                << wording("cannot open %1: %2", {userText(request.openFile, MostShownPath), visibleText(problem)})
                << "\n";
            return UsageError;
        }
    } else {
        model.selectCase(request.caseIndex);
    }
    // The units first, so that the values given are read in them (a saved calculation converts),
    // both in one change: a number that cannot be written in them refuses the change whole.
    if (request.lengthUnit || request.forceUnit)
        model.chooseUnits(
            {request.lengthUnit.value_or(model.units().length), request.forceUnit.value_or(model.units().force)});
    const shell::CaseDef &c = model.currentCaseDef();
    // All at once, as one edit: an input that follows those named (b = l − a) takes its value
    // unless it is named itself.
    std::vector<std::pair<int, std::string>> edits;
    for (const auto &[name, value] : request.inputs)
        for (int k = 0; k < c.inputCount(); ++k)
            if (c.inputs[static_cast<std::size_t>(k)].caption == name)
                edits.emplace_back(k, value);
    if (!edits.empty())
        model.setTexts(edits);
    if (!model.followNote().empty())
        err << "structcalc: " << wording("note: %1", {model.followNote()}) << "\n";
    return Computed;
}

// The notes beside the rows on stderr, so that stdout keeps one line per result row: a plain
// note of the window (an empirical formula beyond its range) and why a row shows no value.
void printNotes(std::ostream &err, const shell::ShellModel &model)
{
    for (const std::string &note : model.advisories())
        err << "structcalc: " << wording("note: %1", {note}) << "\n";
    for (int r = 0; r < model.resultCount(); ++r) {
        const shell::ResultRow &row = model.rows()[static_cast<std::size_t>(r)];
        if (!row.reason.empty())
            err << "structcalc: " << wording("note: %1: %2", {rowName(row.caption), row.reason}) << "\n";
    }
}

// The answer of a computed case: the sheet where asked for, the notes, then the rows as JSON,
// the diagram table or one line per row.
int printAnswer(std::ostream &out, std::ostream &err, const Request &request, const shell::ShellModel &model)
{
    if (!request.sheetFile.empty()) {
        const std::string problem = writeSheetFile(model, request.sheetFile, STRUCTCALC_VERSION);
        if (!problem.empty()) {
            err << "structcalc: " << problem << "\n";
            return UsageError;
        }
    }
    printNotes(err, model);
    if (request.diagram && model.diagrams().kind == shell::CaseDiagrams::Kind::Error) {
        err << "structcalc: " << shell::translatedCaption(model.currentCaseDef().caption, "Case") << ": "
            << model.diagrams().error << "\n";
        if (request.json)
            printJson(out, request, model);
        return Rejected;
    }
    if (request.json) {
        printJson(out, request, model);
        return Computed;
    }
    if (request.diagram) {
        printDiagramCsv(out, model.diagrams(), intervals(request));
        return Computed;
    }
    for (int r = 0; r < model.resultCount(); ++r) {
        const shell::ResultRow &row = model.rows()[static_cast<std::size_t>(r)];
        out << row.caption << "\t" << (request.raw ? shell::generalText(row.value) : row.text) << "\t" << row.unit
            << "\n";
    }
    return Computed;
}

int runCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err, std::istream *in)
{
    if (const std::optional<int> status = infoCommand(args, out, err))
        return *status;
    Request request;
    if (const int status = parse(args, request, err); status != Computed)
        return status;
    if (request.batch)
        return batchCommand(request, out, err, in);
    registry::OpenedCalculation opened;
    shell::FileId openedFile;
    if (const int status = checkCase(request, opened, openedFile, out, err); status != Computed)
        return status;
    // A saved calculation of any member is answered as that program's own --open.
    if (request.program->memberEditor)
        return runMember(*request.program, args, out, err, in);

    QuietPlatform platform;
    shell::ShellModel model(*request.program, platform);
    if (const int status = setUpCase(model, request, opened, err); status != Computed)
        return status;
    if (model.lastRejected()) {
        if (!request.sheetFile.empty())
            err << "structcalc: "
                << wording("%1 is not written: the inputs are refused", {userText(request.sheetFile, MostShownPath)})
                << "\n";
        return printRejection(out, err, request, model);
    }
    return printAnswer(out, err, request, model);
}

}  // namespace

int run(const std::vector<std::string> &line, std::ostream &out, std::ostream &err, std::istream *in)
{
    std::vector<std::string> args;
    if (const std::string problem = takeLanguage(line, args); !problem.empty())
        return usage(err, problem);
    // A program that describes any member reads a member description, not a case and inputs.
    const shell::Program *program = args.empty() ? nullptr : registry::find(args[0]);
    const int status = program && program->memberEditor
                           ? runMember(*program, std::vector<std::string>(args.begin() + 1, args.end()), out, err, in)
                           : runCommand(args, out, err, in);
    // An answer that did not reach its reader is a failure, whatever was computed.
    out.flush();
    if (!out) {
        const std::string problem = streamProblem(out.rdbuf());
        err << "structcalc: "
            << wording("cannot write the output: %1", {problem.empty() ? wording("the stream failed") : problem})
            << "\n";
        return UsageError;
    }
    return status;
}

}  // namespace structcalc
