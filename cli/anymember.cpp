#include "cli/anymember.h"

#include "cli/descriptorstreams.h"
#include "cli/diagramoutput.h"
#include "cli/jsontext.h"
#include "cli/quietplatform.h"
#include "cli/sheetoutput.h"
#include "cli/structcalc.h"
#include "cli/trainoutput.h"
#include "mechanics/beam.h"
#include "mechanics/combination.h"
#include "mechanics/extremes.h"
#include "mechanics/influence.h"
#include "mechanics/movingload.h"
#include "registry/registry.h"
#include "shell/core/diagrams.h"
#include "shell/core/files.h"
#include "shell/core/language.h"
#include "shell/core/memberdescription.h"
#include "shell/core/memberresults.h"
#include "shell/core/membersection.h"
#include "shell/core/numbertext.h"
#include "shell/core/savedcalculation.h"
#include "shell/core/shellmodel.h"
#include "shell/core/traindescription.h"
#include "shell/core/units.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <unistd.h>

namespace structcalc {

namespace {

constexpr int DefaultPoints = 100;
constexpr int MostPoints = 100000;
constexpr int MostTrainIntervals = 10000;  // what trainEnvelope takes

struct MemberRequest {
    std::string program;     // the program's name: "Member"
    std::string memberFile;  // "-": the standard input
    std::string batchFile;
    std::string openFile;   // a saved calculation of the program
    std::string sheetFile;  // the calculation sheet, written beside the rows
    std::string influence;  // "M@3000": the influence line asked for instead of the rows
    std::string trainFile;  // a moving load train: its envelope instead of the rows
    bool unitsGiven = false;
    shell::Units units = shell::CatalogueUnits;
    bool raw = false;
    bool json = false;
    bool diagram = false;
    int points = DefaultPoints;
};

int usage(std::ostream &err, const std::string &program, const std::string &message)
{
    err << "structcalc: " << visibleText(message) << "\n"
        << "structcalc: "
        << wording("usage: structcalc %1 --member FILE|- [--unit UNITS] [--raw] [--json] [--diagram [--points N]]"
                   " [--influence QUANTITY@X | --train TRAIN]",
                   {program})
        << "\nstructcalc: " << wording("usage: structcalc %1 --batch FILE|- [--unit UNITS] [--raw]", {program})
        << "\nstructcalc: "
        << wording("usage: structcalc %1 --open FILE [--unit UNITS] [--raw] [--json] [--diagram [--points N]]"
                   " [--influence QUANTITY@X | --train TRAIN]",
                   {program})
        << "\nstructcalc: "
        << wording("usage: with --member or --open, --sheet OUT.pdf writes the calculation sheet too") << "\n";
    return UsageError;
}

int parse(const std::vector<std::string> &args, MemberRequest &request, std::ostream &err)
{
    std::optional<shell::LengthUnit> length;
    std::optional<shell::ForceUnit> force;
    bool points = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        const auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        if (arg == "--member" || arg == "--batch") {
            const std::optional<std::string> file = value();
            if (!file)
                return usage(err, request.program, wording("%1 needs a file, or - for the standard input", {arg}));
            (arg == "--member" ? request.memberFile : request.batchFile) = *file;
        } else if (arg == "--open" || arg == "--sheet") {
            const std::optional<std::string> file = value();
            if (!file || file->empty())
                return usage(err, request.program, wording("%1 needs a file", {arg}));
            (arg == "--open" ? request.openFile : request.sheetFile) = *file;
        } else if (arg == "--train") {
            const std::optional<std::string> file = value();
            if (!file || file->empty())
                return usage(err, request.program, wording("--train needs a file: the train as JSON"));
            request.trainFile = *file;
        } else if (arg == "--influence") {
            const std::optional<std::string> asked = value();
            if (!asked || asked->find('@') == std::string::npos)
                return usage(
                    err, request.program,
                    wording("--influence needs QUANTITY@X: R, MR, V, M, theta or delta at x (R@6000, M@3000)"));
            request.influence = *asked;
        } else if (arg == "--unit") {
            const std::optional<std::string> words = value();
            if (!words)
                return usage(err, request.program, wording("--unit needs mm, cm or m"));
            const std::string problem = unitProblem(*words, shell::readUnitWords(*words, length, force));
            if (!problem.empty())
                return usage(err, request.program, problem);
            request.unitsGiven = true;
        } else if (arg == "--points") {
            const std::optional<std::string> count = value();
            const bool whole = count && !count->empty() && count->size() <= 6 &&
                               count->find_first_not_of("0123456789") == std::string::npos;
            const int n = whole ? std::stoi(*count) : 0;
            if (n < 1 || n > MostPoints)
                return usage(err, request.program,
                             wording("--points takes a whole number from 1 to 100000, not '%1'",
                                     {userText(count.value_or(""))}));
            request.points = n;
            points = true;
        } else if (arg == "--json") {
            request.json = true;
        } else if (arg == "--raw") {
            request.raw = true;
        } else if (arg == "--diagram") {
            request.diagram = true;
        } else {
            return usage(err, request.program, wording("%1 does not take '%2'", {request.program, userText(arg)}));
        }
    }
    request.units = {length.value_or(shell::LengthUnit::Millimetre), force.value_or(shell::ForceUnit::Newton)};
    const int sources = !request.memberFile.empty() + !request.batchFile.empty() + !request.openFile.empty();
    if (sources != 1)
        return usage(err, request.program,
                     wording("%1 takes one of --member FILE, --batch FILE and --open FILE", {request.program}));
    if (!request.batchFile.empty() && !request.influence.empty())
        return usage(err, request.program, wording("--influence answers one member, not a batch"));
    if (!request.batchFile.empty() && !request.trainFile.empty())
        return usage(err, request.program, wording("--train answers one member, not a batch"));
    if (!request.influence.empty() && !request.trainFile.empty())
        return usage(err, request.program, wording("--influence and --train do not go together"));
    if (!request.batchFile.empty() && !request.sheetFile.empty())
        return usage(err, request.program, wording("--sheet writes the sheet of one member, not of a batch"));
    if (points && !request.diagram && request.trainFile.empty())
        return usage(err, request.program, wording("--points goes with --diagram or --train"));
    if (!request.trainFile.empty() && request.points > MostTrainIntervals)
        return usage(err, request.program, wording("--points takes at most 10000 intervals with --train"));
    if (!request.batchFile.empty() && request.diagram)
        return usage(err, request.program, wording("--batch and --diagram do not go together"));
    return Computed;
}

struct Solved {
    shell::MemberDescription member;
    mechanics::BeamSolution solution;
    shell::CaseDiagrams diagrams;
    std::vector<shell::MemberRow> rows;
};

// The member of `text` solved, or why not: `status` UsageError where the text is no member
// description, Rejected where the member cannot be solved.
std::optional<Solved> solve(const shell::Program &program, std::string_view text, shell::Units units,
                            std::string &reason, int &status)
{
    shell::MemberReading read = shell::readMemberDescription(text);
    if (read.member) {
        // The section and the material it names give I, Z and E, by the program's shapes.
        read.error = shell::applySection(*read.member, program.sectionShapes, units);
        if (!read.error.empty())
            read.member.reset();
    }
    if (!read.member) {
        reason = wording("the member description cannot be read: %1", {read.error});
        status = Rejected;
        return std::nullopt;
    }
    const mechanics::Beam beam = read.member->beam();
    mechanics::Outcome<mechanics::BeamSolution> solved = mechanics::solveBeam(beam);
    if (!solved) {
        reason = wording("the member cannot be solved: %1", {shell::translatedMessage(solved.error().reason)});
        status = Rejected;
        return std::nullopt;
    }
    std::string problem;
    std::vector<shell::MemberRow> rows = shell::memberAndStudyRows(*read.member, *solved, problem);
    if (!problem.empty()) {
        reason = wording("the member's combinations cannot be solved: %1", {problem});
        status = Rejected;
        return std::nullopt;
    }
    Solved s{std::move(*read.member), *solved, shell::memberDiagrams(beam, *solved, units), std::move(rows)};
    status = Computed;
    return s;
}

std::string valueText(double value, bool raw)
{
    return raw ? shell::generalText(value) : shell::resultText(value);
}

// Each combination with its loads taken whole: its reactions and the extremes of V, M and δ
// (pattern loading, where asked for, is in the envelope rows).
void printJsonCombinations(std::ostream &out, const shell::MemberDescription &member)
{
    if (member.combinations.empty())
        return;
    const auto solutions = shell::solvedCombinations(member);
    out << ", \"combinations\": [";
    for (std::size_t k = 0; k < member.combinations.size(); ++k) {
        const shell::MemberCombination &c = member.combinations[k];
        out << (k == 0 ? "" : ", ") << "{\"name\": " << jsonString(c.name)
            << ", \"factors\": " << jsonString(shell::factorsText(c.factors))
            << ", \"pattern\": " << (c.pattern ? "true" : "false");
        const auto &solved = solutions[k];
        if (solved) {
            out << ", \"reactions\": [";
            for (std::size_t r = 0; r < solved->reactions.size(); ++r)
                out << (r == 0 ? "" : ", ") << "{\"force\": " << jsonNumber(solved->reactions[r].force)
                    << ", \"moment\": " << jsonNumber(solved->reactions[r].moment) << "}";
            out << "]";
            const auto extremes = [&out](const char *key, const mechanics::Piecewise &f) {
                const mechanics::Extremes e = mechanics::extremes(f);
                out << ", \"" << key << "max\": " << jsonNumber(e.largest.value) << ", \"" << key
                    << "min\": " << jsonNumber(e.smallest.value);
            };
            extremes("V", solved->shear);
            extremes("M", solved->moment);
            if (solved->deflection)
                extremes("delta", *solved->deflection);
        }
        out << "}";
    }
    out << "]";
}

void printJson(std::ostream &out, const Solved &s, const MemberRequest &request)
{
    out << "{\"program\": " << jsonString(request.program)
        << ", \"unit\": " << jsonString(shell::lengthUnitName(request.units.length))
        << ", \"forceUnit\": " << jsonString(shell::forceUnitName(request.units.force))
        << ", \"member\": " << shell::memberDescriptionJson(s.member) << ", \"rows\": [";
    for (std::size_t k = 0; k < s.rows.size(); ++k) {
        const shell::MemberRow &r = s.rows[k];
        out << (k == 0 ? "" : ", ") << "{\"caption\": " << jsonString(shell::translatedCaption(r.caption))
            << ", \"symbol\": " << jsonString(r.symbol) << ", \"value\": " << jsonNumber(r.value)
            << ", \"text\": " << jsonString(valueText(r.value, request.raw))
            << ", \"unit\": " << jsonString(r.unit(request.units))
            << ", \"meaning\": " << jsonString(shell::translated("Meaning", r.meaning));
        if (r.x)
            out << ", \"x\": " << jsonNumber(*r.x);
        if (!r.below.empty())
            out << ", \"verdict\": " << jsonString(r.below);
        out << "}";
    }
    out << "]";
    printJsonCombinations(out, s.member);
    out << ", \"reactions\": [";
    for (std::size_t k = 0; k < s.solution.reactions.size(); ++k) {
        const mechanics::Reaction &r = s.solution.reactions[k];
        out << (k == 0 ? "" : ", ") << "{\"x\": " << jsonNumber(r.support.x) << ", \"kind\": \""
            << shell::supportKindName(r.support.kind) << "\", \"force\": " << jsonNumber(r.force)
            << ", \"moment\": " << jsonNumber(r.moment) << "}";
    }
    out << "]";
    printJsonExtremes(out, s.diagrams);
    if (request.diagram)
        printJsonDiagram(out, s.diagrams, request.points);
    out << "}\n";
}

void printRows(std::ostream &out, const Solved &s, const MemberRequest &request)
{
    for (const shell::MemberRow &r : s.rows) {
        out << shell::translatedCaption(r.caption) << "\t" << valueText(r.value, request.raw) << "\t"
            << r.unit(request.units);
        if (r.x)
            out << "\tx = " << (request.raw ? shell::generalText(*r.x) : shell::diagramNumber(*r.x)) << " "
                << shell::lengthUnitName(request.units.length);
        else if (!r.below.empty())
            out << "\t" << r.below;
        out << "\n";
    }
}

// The whole of the description: the standard input or a regular file, at most
// MemberDescriptionMaxBytes bytes.
bool readDescription(const std::string &file, std::istream &in, std::string &text, std::string &problem)
{
    if (file != "-") {
        const shell::FileRead read = shell::readRegularFile(file, shell::MemberDescriptionMaxBytes);
        if (!read.ok) {
            problem = wording("cannot read %1: %2", {userText(file, MostShownPath), read.error});
            return false;
        }
        text = read.text;
        return true;
    }
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > shell::MemberDescriptionMaxBytes) {
            problem = wording("the member description on the standard input is longer than %1 bytes",
                              {std::to_string(shell::MemberDescriptionMaxBytes)});
            return false;
        }
    }
    if (in.bad()) {
        problem = wording("cannot read the standard input");
        return false;
    }
    return true;
}

int refuse(const MemberRequest &request, const std::string &reason, int status, std::ostream &out, std::ostream &err)
{
    err << "structcalc: " << request.program << ": " << visibleText(reason) << "\n";
    if (request.json)
        out << "{\"program\": " << jsonString(request.program)
            << ", \"rejected\": true, \"reason\": " << jsonString(reason) << "}\n";
    return status;
}

// The sheet of the member the window would show: its own model, the member in its tables.
int writeSheet(const shell::ShellModel &model, const MemberRequest &request, std::ostream &err)
{
    if (request.sheetFile.empty())
        return Computed;
    if (const std::string problem = shell::checkWritable(request.sheetFile); !problem.empty()) {
        err << "structcalc: " << wording("cannot write %1: %2", {userText(request.sheetFile, MostShownPath), problem})
            << "\n";
        return UsageError;
    }
    for (const std::string &input : {request.memberFile, request.openFile})
        if (!input.empty() && input != "-" && shell::fileIdOf(input) == shell::fileIdOf(request.sheetFile)) {
            err << "structcalc: "
                << wording("cannot write %1: %2", {userText(request.sheetFile, MostShownPath),
                                                   wording("it is the file the member is read from")})
                << "\n";
            return UsageError;
        }
    if (const std::string problem = writeSheetFile(model, request.sheetFile, STRUCTCALC_VERSION); !problem.empty()) {
        err << "structcalc: " << problem << "\n";
        return UsageError;
    }
    return Computed;
}

// "M@3000" as the quantity and where; why not where it is none.
std::optional<mechanics::InfluenceOf> influenceOf(const std::string &asked, const shell::MemberDescription &member,
                                                  std::string &problem)
{
    const std::size_t at = asked.find('@');
    const std::string name = asked.substr(0, at), where = asked.substr(at + 1);
    const std::pair<const char *, mechanics::InfluenceQuantity> names[] = {
        {"R", mechanics::InfluenceQuantity::Reaction},       {"MR", mechanics::InfluenceQuantity::ReactionMoment},
        {"V", mechanics::InfluenceQuantity::Shear},          {"M", mechanics::InfluenceQuantity::Moment},
        {"theta", mechanics::InfluenceQuantity::Slope},      {"\u03b8", mechanics::InfluenceQuantity::Slope},
        {"delta", mechanics::InfluenceQuantity::Deflection}, {"\u03b4", mechanics::InfluenceQuantity::Deflection}};
    mechanics::InfluenceOf of;
    bool known = false;
    for (const auto &[word, quantity] : names)
        if (name == word) {
            of.quantity = quantity;
            known = true;
        }
    char *end = nullptr;
    const double x = where.empty() ? NAN : std::strtod(where.c_str(), &end);
    if (!known || !end || *end != '\0' || !std::isfinite(x)) {
        problem = wording("--influence takes R, MR, V, M, theta or delta, then @ and a position, not '%1'",
                          {userText(asked)});
        return std::nullopt;
    }
    of.x = x;
    if (of.quantity == mechanics::InfluenceQuantity::Reaction ||
        of.quantity == mechanics::InfluenceQuantity::ReactionMoment) {
        of.support = -1;
        for (std::size_t k = 0; k < member.supports.size(); ++k)
            if (member.supports[k].x == x)
                of.support = static_cast<int>(k);
        if (of.support < 0) {
            problem = wording("no support stands at x = %1", {shell::generalText(x)});
            return std::nullopt;
        }
    }
    return of;
}

// The influence line: its extremes with where they are, or as a table x,value (both sides of a
// jump), or in JSON.
int influenceAnswer(const Solved &s, const MemberRequest &request, std::ostream &out, std::ostream &err)
{
    std::string problem;
    const std::optional<mechanics::InfluenceOf> of = influenceOf(request.influence, s.member, problem);
    if (!of) {
        err << "structcalc: " << visibleText(problem) << "\n";
        return UsageError;
    }
    const mechanics::Outcome<mechanics::Piecewise> line = mechanics::influenceLine(s.member.beam(), *of);
    if (!line)
        return refuse(request, wording("no influence line: %1", {shell::translatedMessage(line.error().reason)}),
                      Rejected, out, err);
    const mechanics::Extremes e = mechanics::extremes(*line);
    const std::string unit = shell::lengthUnitName(request.units.length);
    if (request.diagram) {
        out << "x," << request.influence << "\n";
        std::vector<std::pair<double, double>> rows;
        for (int k = 0; k <= request.points; ++k) {
            const double x = line->end() * k / request.points;
            rows.emplace_back(x, (*line)(x));
        }
        // What the solutions' rounding leaves (1e-16 where the line is 0) is neither a value nor a jump.
        const double rounding = 1e-12 * std::max(std::abs(e.largest.value), std::abs(e.smallest.value));
        for (const double b : line->breakpoints())
            if (std::abs(line->jumpAt(b)) > rounding)
                rows.emplace_back(b, line->leftOf(b));
        std::stable_sort(rows.begin(), rows.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        for (const auto &[x, v] : rows)
            out << shell::generalText(x) << "," << shell::generalText(std::abs(v) > rounding ? v : 0.0) << "\n";
    } else if (request.json) {
        out << "{\"program\": " << jsonString(request.program) << ", \"influence\": " << jsonString(request.influence)
            << ", \"largest\": {\"value\": " << jsonNumber(e.largest.value)
            << ", \"x\": " << jsonNumber(e.largest.at.front().x)
            << "}, \"smallest\": {\"value\": " << jsonNumber(e.smallest.value)
            << ", \"x\": " << jsonNumber(e.smallest.at.front().x) << "}}\n";
    } else {
        out << wording("largest") << "\t" << shell::generalText(e.largest.value)
            << "\tx = " << shell::diagramNumber(e.largest.at.front().x) << " " << unit << "\n"
            << wording("smallest") << "\t" << shell::generalText(e.smallest.value)
            << "\tx = " << shell::diagramNumber(e.smallest.at.front().x) << " " << unit << "\n";
    }
    return Computed;
}

// The envelope of M and V under the train of --train, at --points intervals and every place of
// the member, with its absolute extremes.
int trainAnswer(const Solved &s, const MemberRequest &request, std::ostream &out, std::ostream &err)
{
    const shell::FileRead file = shell::readRegularFile(request.trainFile, shell::TrainDescriptionMaxBytes);
    if (!file.ok) {
        err << "structcalc: " << wording("cannot read %1: %2", {userText(request.trainFile, MostShownPath), file.error})
            << "\n";
        return UsageError;
    }
    const shell::TrainReading read = shell::readTrainDescription(file.text);
    if (!read.train)
        return refuse(request, wording("the train cannot be read: %1", {read.error}), Rejected, out, err);
    const mechanics::Outcome<mechanics::TrainEnvelope> e =
        mechanics::trainEnvelope(s.member.beam(), *read.train, request.points);
    if (!e)
        return refuse(request, wording("the train cannot be placed: %1", {shell::translatedMessage(e.error().reason)}),
                      Rejected, out, err);
    const TrainOutput how{request.units, request.raw, request.json, request.diagram};
    if (request.json)
        out << "{\"program\": " << jsonString(request.program)
            << ", \"unit\": " << jsonString(shell::lengthUnitName(request.units.length))
            << ", \"forceUnit\": " << jsonString(shell::forceUnitName(request.units.force)) << ", \"envelope\": ";
    printTrainEnvelope(out, *e, how);
    if (request.json)
        out << "}\n";
    return Computed;
}

int answer(const Solved &s, const MemberRequest &request, std::ostream &out, std::ostream &err)
{
    if (!request.influence.empty())
        return influenceAnswer(s, request, out, err);
    if (!request.trainFile.empty())
        return trainAnswer(s, request, out, err);
    if (request.json)
        printJson(out, s, request);
    else if (request.diagram)
        printDiagramCsv(out, s.diagrams, request.points);
    else
        printRows(out, s, request);
    return Computed;
}

// The window's model holding `member`: its length, E and I as inputs, the rest in its tables.
int sheetOfDescription(const shell::Program &program, const Solved &s, const MemberRequest &request, std::ostream &err)
{
    if (!s.member.E || !s.member.I) {
        err << "structcalc: " << request.program << ": " << wording("the sheet needs the member's E and I") << "\n";
        return UsageError;
    }
    QuietPlatform platform;
    shell::ShellModel model(program, platform);
    model.start();
    model.chooseUnits(request.units);
    model.setTexts({{0, shell::generalText(s.member.length)},
                    {1, shell::generalText(*s.member.E)},
                    {2, shell::generalText(*s.member.I)},
                    {3, "0"}});
    model.setMemberTables(shell::memberTablesOf(s.member));
    if (model.lastRejected()) {
        err << "structcalc: " << request.program << ": " << visibleText(model.rejectionReason()) << "\n";
        return Rejected;
    }
    return writeSheet(model, request, err);
}

// A saved calculation of the program: the member as the window shows it, in the file's units or
// those of --unit.
int openCommand(const shell::Program &program, MemberRequest request, std::ostream &out, std::ostream &err)
{
    const shell::FileRead file = shell::readRegularFile(request.openFile, shell::SavedCalculationMaxBytes);
    const std::string name = userText(request.openFile, MostShownPath);
    if (!file.ok) {
        err << "structcalc: " << wording("cannot read %1: %2", {name, file.error}) << "\n";
        return UsageError;
    }
    const registry::OpenedCalculation opened = registry::readCalculation(file.text);
    std::string problem = opened.program ? "" : opened.error;
    if (opened.program && opened.program != &program)
        problem = wording("it is a calculation of %1, not of %2", {opened.program->name, program.name});
    QuietPlatform platform;
    shell::ShellModel model(program, platform);
    model.start();
    if (problem.empty())
        problem = model.open(opened.calculation);
    if (!problem.empty()) {
        err << "structcalc: " << wording("cannot open %1: %2", {name, visibleText(problem)}) << "\n";
        return UsageError;
    }
    if (request.unitsGiven)
        model.chooseUnits(request.units);
    request.units = model.units();
    if (model.lastRejected() || !model.acceptedMember())
        return refuse(request, wording("the member cannot be solved: %1", {model.rejectionReason()}), Rejected, out,
                      err);
    const shell::MemberDescription &member = *model.acceptedMember();
    const mechanics::Beam beam = member.beam();
    const mechanics::Outcome<mechanics::BeamSolution> solved = mechanics::solveBeam(beam);
    if (!solved)
        return refuse(request,
                      wording("the member cannot be solved: %1", {shell::translatedMessage(solved.error().reason)}),
                      Rejected, out, err);
    std::string studyProblem;
    std::vector<shell::MemberRow> rows = shell::memberAndStudyRows(member, *solved, studyProblem);
    if (!studyProblem.empty())
        return refuse(request, wording("the member's combinations cannot be solved: %1", {studyProblem}), Rejected, out,
                      err);
    const Solved s{member, *solved, shell::memberDiagrams(beam, *solved, request.units), std::move(rows)};
    if (const int status = writeSheet(model, request, err); status != Computed)
        return status;
    return answer(s, request, out, err);
}

int memberCommand(const shell::Program &program, const MemberRequest &request, std::istream &in, std::ostream &out,
                  std::ostream &err)
{
    std::string text, problem;
    if (!readDescription(request.memberFile, in, text, problem)) {
        err << "structcalc: " << visibleText(problem) << "\n";
        return UsageError;
    }
    std::string reason;
    int status = Computed;
    const std::optional<Solved> s = solve(program, text, request.units, reason, status);
    if (!s)
        return refuse(request, reason, status, out, err);
    if (!request.sheetFile.empty())
        if (const int written = sheetOfDescription(program, *s, request, err); written != Computed)
            return written;
    return answer(*s, request, out, err);
}

// One description a line, one answer a line; a line longer than MemberDescriptionMaxBytes is
// refused and skipped, so that any length of input goes in constant memory.
int batchLines(const shell::Program &program, const MemberRequest &request, std::istream &input, std::ostream &out,
               std::ostream &err)
{
    MemberRequest each = request;
    each.json = true;
    bool anyRefused = false;
    std::string line;
    for (long number = 1;; ++number) {
        line.clear();
        bool tooLong = false;
        bool any = false;
        char c = 0;
        while (input.get(c)) {
            any = true;
            if (c == '\n')
                break;
            if (line.size() < shell::MemberDescriptionMaxBytes)
                line += c;
            else
                tooLong = true;
        }
        if (!any)
            break;
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;  // an empty line between members
        std::string reason =
            wording("the line is longer than %1 bytes", {std::to_string(shell::MemberDescriptionMaxBytes)});
        int status = Computed;
        const std::optional<Solved> s = tooLong ? std::nullopt : solve(program, line, request.units, reason, status);
        if (s) {
            printJson(out, *s, each);
        } else {
            anyRefused = true;
            out << "{\"line\": " << number << ", \"rejected\": true, \"reason\": " << jsonString(reason) << "}\n";
        }
    }
    if (input.bad()) {
        err << "structcalc: " << wording("cannot read the batch input") << "\n";
        return UsageError;
    }
    return anyRefused ? Rejected : Computed;
}

int batchCommand(const shell::Program &program, const MemberRequest &request, std::istream &in, std::ostream &out,
                 std::ostream &err)
{
    if (request.batchFile == "-")
        return batchLines(program, request, in, out, err);
    // A named file only where it is a regular one: a FIFO is never waited on, a device never read.
    std::string problem;
    const int descriptor = shell::openRegularFile(request.batchFile, problem);
    if (descriptor < 0) {
        err << "structcalc: " << wording("cannot read %1: %2", {userText(request.batchFile, MostShownPath), problem})
            << "\n";
        return UsageError;
    }
    DescriptorInput buffer(descriptor);
    std::istream input(&buffer);
    const int status = batchLines(program, request, input, out, err);
    ::close(descriptor);
    return status;
}

}  // namespace

int runMember(const shell::Program &program, const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
              std::istream *in)
{
    MemberRequest request;
    request.program = program.name;
    if (const int status = parse(args, request, err); status != Computed)
        return status;
    std::istream &input = in ? *in : std::cin;
    if (!request.openFile.empty())
        return openCommand(program, request, out, err);
    return request.memberFile.empty() ? batchCommand(program, request, input, out, err)
                                      : memberCommand(program, request, input, out, err);
}

}  // namespace structcalc
