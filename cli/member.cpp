#include "cli/member.h"

#include "cli/descriptorstreams.h"
#include "cli/diagramoutput.h"
#include "cli/jsontext.h"
#include "cli/structcalc.h"
#include "mechanics/beam.h"
#include "mechanics/extremes.h"
#include "shell/core/diagrams.h"
#include "shell/core/files.h"
#include "shell/core/memberdescription.h"
#include "shell/core/numbertext.h"
#include "shell/core/units.h"

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

struct MemberRequest {
    std::string memberFile;  // "-": the standard input
    std::string batchFile;
    shell::Units units = shell::CatalogueUnits;
    bool raw = false;
    bool json = false;
    bool diagram = false;
    int points = DefaultPoints;
};

int usage(std::ostream &err, const std::string &message)
{
    err << "structcalc: " << visibleText(message) << "\n"
        << "structcalc: usage: structcalc Member --member FILE|- [--unit UNITS] [--raw] [--json] [--diagram [--points "
           "N]]\n"
        << "structcalc: usage: structcalc Member --batch FILE|- [--unit UNITS] [--raw]\n";
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
                return usage(err, arg + " needs a file, or - for the standard input");
            (arg == "--member" ? request.memberFile : request.batchFile) = *file;
        } else if (arg == "--unit") {
            const std::optional<std::string> words = value();
            if (!words)
                return usage(err, "--unit needs mm, cm or m");
            const std::string problem = unitProblem(*words, shell::readUnitWords(*words, length, force));
            if (!problem.empty())
                return usage(err, problem);
        } else if (arg == "--points") {
            const std::optional<std::string> count = value();
            const bool whole = count && !count->empty() && count->size() <= 6 &&
                               count->find_first_not_of("0123456789") == std::string::npos;
            const int n = whole ? std::stoi(*count) : 0;
            if (n < 1 || n > MostPoints)
                return usage(err, "--points takes a whole number from 1 to 100000, not '" +
                                      userText(count.value_or("")) + "'");
            request.points = n;
            points = true;
        } else if (arg == "--json") {
            request.json = true;
        } else if (arg == "--raw") {
            request.raw = true;
        } else if (arg == "--diagram") {
            request.diagram = true;
        } else {
            return usage(err, "Member does not take '" + userText(arg) + "'");
        }
    }
    request.units = {length.value_or(shell::LengthUnit::Millimetre), force.value_or(shell::ForceUnit::Newton)};
    if (request.memberFile.empty() == request.batchFile.empty())
        return usage(err, "Member takes one of --member FILE and --batch FILE");
    if (points && !request.diagram)
        return usage(err, "--points goes with --diagram");
    if (!request.batchFile.empty() && request.diagram)
        return usage(err, "--batch and --diagram do not go together");
    return Computed;
}

struct Row {
    std::string symbol, caption, meaning;
    double value = 0;
    shell::Dimension dimension = shell::Dimension::Force;  // rad where `slope`
    bool slope = false;
    std::optional<double> x;  // where an extreme is first attained
};

const char *kindName(mechanics::SupportKind kind)
{
    switch (kind) {
    case mechanics::SupportKind::Pinned:
        return "pinned";
    case mechanics::SupportKind::Roller:
        return "roller";
    case mechanics::SupportKind::Fixed:
        return "fixed";
    case mechanics::SupportKind::Spring:
        break;
    }
    return "spring";
}

struct Solved {
    shell::MemberDescription member;
    mechanics::BeamSolution solution;
    shell::CaseDiagrams diagrams;
    std::vector<Row> rows;
};

// The rows of a solved member, in the family's captions.
std::vector<Row> rowsOf(const mechanics::BeamSolution &s)
{
    std::vector<Row> rows;
    for (std::size_t k = 0; k < s.reactions.size(); ++k) {
        const mechanics::Reaction &r = s.reactions[k];
        const std::string n = std::to_string(k + 1);
        const std::string where =
            std::string(kindName(r.support.kind)) + " at x = " + mechanics::numberText(r.support.x);
        rows.push_back({"R" + n, "反力 (R" + n + ")", "upward reaction of support " + n + " (" + where + ")", r.force,
                        shell::Dimension::Force, false, std::nullopt});
        const bool turning = r.support.kind == mechanics::SupportKind::Fixed || r.support.rotationalStiffness > 0;
        if (turning)
            rows.push_back({"MR" + n, "反力モーメント (MR" + n + ")",
                            "reaction moment of support " + n + ", clockwise positive on the member", r.moment,
                            shell::Dimension::Moment, false, std::nullopt});
    }
    const auto extremeRows = [&rows](const mechanics::Piecewise &f, const std::string &symbol, const char *large,
                                     const char *small, const std::string &what, shell::Dimension dimension) {
        const mechanics::Extremes e = mechanics::extremes(f);
        rows.push_back({symbol + "max", std::string(large) + " (" + symbol + "max)", "largest " + what, e.largest.value,
                        dimension, false, e.largest.at.front().x});
        rows.push_back({symbol + "min", std::string(small) + " (" + symbol + "min)", "smallest " + what,
                        e.smallest.value, dimension, false, e.smallest.at.front().x});
    };
    extremeRows(s.shear, "V", "最大せん断力", "最小せん断力", "shear force", shell::Dimension::Force);
    extremeRows(s.moment, "M", "最大曲げモーメント", "最小曲げモーメント", "bending moment, sagging positive",
                shell::Dimension::Moment);
    if (s.deflection && s.slope) {
        extremeRows(*s.deflection, "δ", "最大変位", "最小変位", "deflection, downward positive",
                    shell::Dimension::Length);
        rows.push_back({"θA", "たわみ角 (θA)", "slope at the left end, clockwise positive", (*s.slope)(0),
                        shell::Dimension::Length, true, std::nullopt});
        rows.push_back({"θB", "たわみ角 (θB)", "slope at the right end, clockwise positive", (*s.slope)(s.length),
                        shell::Dimension::Length, true, std::nullopt});
    }
    return rows;
}

shell::CaseDiagrams diagramsOf(const mechanics::Beam &beam, const mechanics::BeamSolution &s, shell::Units units)
{
    shell::CaseDiagrams d;
    d.kind = shell::CaseDiagrams::Kind::Members;
    d.lengthUnit = shell::unitCaption(units, shell::Dimension::Length);
    d.units = units;
    shell::MemberDiagram member;
    member.beam = beam;
    member.reactions = s.reactions;
    const auto curve = [](shell::Quantity q, const mechanics::Piecewise &f, std::string unit) {
        return shell::Curve{q, f, mechanics::extremes(f), std::move(unit)};
    };
    member.curves.push_back(curve(shell::Quantity::Shear, s.shear, shell::unitCaption(units, shell::Dimension::Force)));
    member.curves.push_back(
        curve(shell::Quantity::Moment, s.moment, shell::unitCaption(units, shell::Dimension::Moment)));
    if (s.slope && s.deflection) {
        member.curves.push_back(curve(shell::Quantity::Slope, *s.slope, "rad"));
        member.curves.push_back(
            curve(shell::Quantity::Deflection, *s.deflection, shell::unitCaption(units, shell::Dimension::Length)));
    }
    d.members.push_back(std::move(member));
    return d;
}

// The member of `text` solved, or why not: `status` UsageError where the text is no member
// description, Rejected where the member cannot be solved.
std::optional<Solved> solve(std::string_view text, shell::Units units, std::string &reason, int &status)
{
    shell::MemberReading read = shell::readMemberDescription(text);
    if (!read.member) {
        reason = "the member description cannot be read: " + read.error;
        status = Rejected;
        return std::nullopt;
    }
    const mechanics::Beam beam = read.member->beam();
    mechanics::Outcome<mechanics::BeamSolution> solved = mechanics::solveBeam(beam);
    if (!solved) {
        reason = "the member cannot be solved: " + solved.error().message;
        status = Rejected;
        return std::nullopt;
    }
    Solved s{std::move(*read.member), *solved, diagramsOf(beam, *solved, units), rowsOf(*solved)};
    status = Computed;
    return s;
}

std::string valueText(double value, bool raw)
{
    return raw ? shell::generalText(value) : shell::resultText(value);
}

std::string unitOf(const Row &row, shell::Units units)
{
    return row.slope ? "rad" : shell::unitCaption(units, row.dimension);
}

void printJson(std::ostream &out, const Solved &s, const MemberRequest &request)
{
    out << "{\"program\": \"Member\", \"unit\": " << jsonString(shell::lengthUnitName(request.units.length))
        << ", \"forceUnit\": " << jsonString(shell::forceUnitName(request.units.force))
        << ", \"member\": " << shell::memberDescriptionJson(s.member) << ", \"rows\": [";
    for (std::size_t k = 0; k < s.rows.size(); ++k) {
        const Row &r = s.rows[k];
        out << (k == 0 ? "" : ", ") << "{\"caption\": " << jsonString(r.caption)
            << ", \"symbol\": " << jsonString(r.symbol) << ", \"value\": " << jsonNumber(r.value)
            << ", \"text\": " << jsonString(valueText(r.value, request.raw))
            << ", \"unit\": " << jsonString(unitOf(r, request.units)) << ", \"meaning\": " << jsonString(r.meaning);
        if (r.x)
            out << ", \"x\": " << jsonNumber(*r.x);
        out << "}";
    }
    out << "], \"reactions\": [";
    for (std::size_t k = 0; k < s.solution.reactions.size(); ++k) {
        const mechanics::Reaction &r = s.solution.reactions[k];
        out << (k == 0 ? "" : ", ") << "{\"x\": " << jsonNumber(r.support.x) << ", \"kind\": \""
            << kindName(r.support.kind) << "\", \"force\": " << jsonNumber(r.force)
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
    for (const Row &r : s.rows) {
        out << r.caption << "\t" << valueText(r.value, request.raw) << "\t" << unitOf(r, request.units);
        if (r.x)
            out << "\tx = " << (request.raw ? shell::generalText(*r.x) : shell::diagramNumber(*r.x)) << " "
                << shell::lengthUnitName(request.units.length);
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
            problem = "cannot read " + userText(file, MostShownPath) + ": " + read.error;
            return false;
        }
        text = read.text;
        return true;
    }
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > shell::MemberDescriptionMaxBytes) {
            problem = "the member description on the standard input is longer than " +
                      std::to_string(shell::MemberDescriptionMaxBytes) + " bytes";
            return false;
        }
    }
    if (in.bad()) {
        problem = "cannot read the standard input";
        return false;
    }
    return true;
}

int memberCommand(const MemberRequest &request, std::istream &in, std::ostream &out, std::ostream &err)
{
    std::string text, problem;
    if (!readDescription(request.memberFile, in, text, problem)) {
        err << "structcalc: " << visibleText(problem) << "\n";
        return UsageError;
    }
    std::string reason;
    int status = Computed;
    const std::optional<Solved> s = solve(text, request.units, reason, status);
    if (!s) {
        err << "structcalc: Member: " << visibleText(reason) << "\n";
        if (request.json)
            out << "{\"program\": \"Member\", \"rejected\": true, \"reason\": " << jsonString(reason) << "}\n";
        return status;
    }
    if (request.json)
        printJson(out, *s, request);
    else if (request.diagram)
        printDiagramCsv(out, s->diagrams, request.points);
    else
        printRows(out, *s, request);
    return Computed;
}

// One description a line, one answer a line; a line longer than MemberDescriptionMaxBytes is
// refused and skipped, so that any length of input goes in constant memory.
int batchLines(const MemberRequest &request, std::istream &input, std::ostream &out, std::ostream &err)
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
        std::string reason = "the line is longer than " + std::to_string(shell::MemberDescriptionMaxBytes) + " bytes";
        int status = Computed;
        const std::optional<Solved> s = tooLong ? std::nullopt : solve(line, request.units, reason, status);
        if (s) {
            printJson(out, *s, each);
        } else {
            anyRefused = true;
            out << "{\"line\": " << number << ", \"rejected\": true, \"reason\": " << jsonString(reason) << "}\n";
        }
    }
    if (input.bad()) {
        err << "structcalc: cannot read the batch input\n";
        return UsageError;
    }
    return anyRefused ? Rejected : Computed;
}

int batchCommand(const MemberRequest &request, std::istream &in, std::ostream &out, std::ostream &err)
{
    if (request.batchFile == "-")
        return batchLines(request, in, out, err);
    // A named file only where it is a regular one: a FIFO is never waited on, a device never read.
    std::string problem;
    const int descriptor = shell::openRegularFile(request.batchFile, problem);
    if (descriptor < 0) {
        err << "structcalc: cannot read " << userText(request.batchFile, MostShownPath) << ": " << problem << "\n";
        return UsageError;
    }
    DescriptorInput buffer(descriptor);
    std::istream input(&buffer);
    const int status = batchLines(request, input, out, err);
    ::close(descriptor);
    return status;
}

}  // namespace

int runMember(const std::vector<std::string> &args, std::ostream &out, std::ostream &err, std::istream *in)
{
    MemberRequest request;
    if (const int status = parse(args, request, err); status != Computed)
        return status;
    std::istream &input = in ? *in : std::cin;
    return request.memberFile.empty() ? batchCommand(request, input, out, err)
                                      : memberCommand(request, input, out, err);
}

}  // namespace structcalc
