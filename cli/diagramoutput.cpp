#include "cli/diagramoutput.h"

#include "cli/jsontext.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace structcalc {

namespace {

using Kind = shell::CaseDiagrams::Kind;

// A CSV field: empty where there is no number.
std::string field(double value)
{
    return std::isfinite(value) ? mechanics::numberText(value) : std::string();
}

std::string field(const std::optional<double> &value)
{
    return value ? field(*value) : std::string();
}

const char *sideName(mechanics::Side side)
{
    return side == mechanics::Side::Left ? "left" : "right";
}

// One JSON object per position where an extreme is attained.
void printExtreme(std::ostream &out, bool &first, const std::string &quantity, const char *kind,
                  const mechanics::Extreme &extreme, const std::string &memberField,
                  const mechanics::FrameMemberResult *frameMember)
{
    for (const mechanics::Attained &at : extreme.at) {
        out << (first ? "" : ", ") << "{\"quantity\": " << jsonString(quantity) << memberField
            << ", \"kind\": " << jsonString(kind) << ", \"value\": " << jsonNumber(extreme.value);
        if (frameMember) {
            const mechanics::Point p = frameMember->at(at.x);
            out << ", \"s\": " << jsonNumber(at.x) << ", \"x\": " << jsonNumber(p.x) << ", \"y\": " << jsonNumber(p.y);
        } else {
            out << ", \"x\": " << jsonNumber(at.x);
        }
        if (at.side != mechanics::Side::Both)
            out << ", \"side\": " << jsonString(sideName(at.side));
        out << "}";
        first = false;
    }
}

// Where the moving load stands for an envelope's extreme: `, "train": {...}` with its first axle,
// its direction, the axles on the member and the parts its uniform load covers.
void printPlacement(std::ostream &out, const shell::MemberDiagram &member, const mechanics::TrainExtreme &extreme)
{
    const mechanics::TrainPlacement &p = extreme.placement;
    out << ", \"train\": {\"lead\": " << jsonNumber(p.lead) << ", \"direction\": \""
        << (p.leftward ? "leftward" : "rightward") << "\", \"axles\": [";
    const std::vector<double> axles = member.train->axlesAt(p, member.length());
    for (std::size_t i = 0; i < axles.size(); ++i)
        out << (i ? ", " : "") << jsonNumber(axles[i]);
    out << "], \"covered\": [";
    for (std::size_t i = 0; i < p.covered.size(); ++i)
        out << (i ? ", " : "") << "[" << jsonNumber(p.covered[i].first) << ", " << jsonNumber(p.covered[i].second)
            << "]";
    out << "]}";
}

// The extremes of an envelope: the largest of its upper curve and the smallest of its lower one,
// each at its section and, unless it is 0 (which the member has with no load on it), with the
// train where the search found it.
void printEnvelopeExtremes(std::ostream &out, bool &first, const shell::MemberDiagram &member,
                           const shell::Curve &curve, const std::string &memberField)
{
    const bool shear = curve.quantity == shell::Quantity::Shear;
    const shell::TrainDiagram &t = *member.train;
    const std::tuple<const char *, const mechanics::Extreme *, const mechanics::TrainExtreme *> extremes[] = {
        {"max", &curve.extremes.largest, shear ? &t.largestShear : &t.largestMoment},
        {"min", &curve.extremes.smallest, shear ? &t.smallestShear : &t.smallestMoment}};
    for (const auto &[kind, extreme, placed] : extremes) {
        if (extreme->at.empty())
            continue;
        out << (first ? "" : ", ") << "{\"quantity\": " << jsonString(shell::quantityKey(curve.quantity)) << memberField
            << ", \"kind\": " << jsonString(kind) << ", \"value\": " << jsonNumber(extreme->value)
            << ", \"x\": " << jsonNumber(extreme->at.front().x);
        if (extreme->value != 0)
            printPlacement(out, member, *placed);
        out << "}";
        first = false;
    }
}

bool anyEnvelope(const shell::CaseDiagrams &diagrams)
{
    return std::any_of(diagrams.members.begin(), diagrams.members.end(), shell::hasEnvelope);
}

template <typename T, typename F>
void printArray(std::ostream &out, const char *name, const std::vector<T> &rows, F value)
{
    out << ", " << jsonString(name) << ": [";
    for (std::size_t i = 0; i < rows.size(); ++i)
        out << (i ? ", " : "") << jsonNumber(value(rows[i]));
    out << "]";
}

}  // namespace

bool hasDiagramTable(const shell::CaseDiagrams &diagrams)
{
    return diagrams.kind == Kind::Members || diagrams.kind == Kind::Frame || diagrams.kind == Kind::Column;
}

void printDiagramCsv(std::ostream &out, const shell::CaseDiagrams &diagrams, int intervals)
{
    if (diagrams.kind == Kind::Members && anyEnvelope(diagrams)) {
        const bool named = diagrams.members.size() > 1;
        out << (named ? "member," : "") << "x,Vmax,Vmin,Mmax,Mmin\n";
        for (const shell::MemberDiagram &member : diagrams.members)
            for (const shell::EnvelopeSample &s : shell::sampleEnvelope(member, intervals)) {
                if (named)
                    out << member.name << ',';
                out << field(s.x) << ',' << field(s.shearLargest) << ',' << field(s.shearSmallest) << ','
                    << field(s.momentLargest) << ',' << field(s.momentSmallest) << '\n';
            }
    } else if (diagrams.kind == Kind::Members) {
        const bool named = diagrams.members.size() > 1;
        out << (named ? "member," : "") << "x,V,M,theta,delta\n";
        for (const shell::MemberDiagram &member : diagrams.members)
            for (const mechanics::BeamSample &s : shell::sampleMember(member, intervals)) {
                if (named)
                    out << member.name << ',';
                out << field(s.x) << ',' << field(s.shear) << ',' << field(s.moment) << ',' << field(s.slope) << ','
                    << field(s.deflection) << '\n';
            }
    } else if (diagrams.kind == Kind::Frame && diagrams.frame) {
        out << "member,s,x,y,M\n";
        for (const shell::FrameSample &s : shell::sampleFrame(*diagrams.frame, intervals))
            out << diagrams.frame->members[static_cast<std::size_t>(s.member)].name << ',' << field(s.s) << ','
                << field(s.x) << ',' << field(s.y) << ',' << field(s.moment) << '\n';
    } else if (diagrams.kind == Kind::Column && diagrams.column) {
        out << "lambda,euler,empirical\n";
        for (const shell::ColumnSample &s : shell::sampleColumnCurve(*diagrams.column, intervals))
            out << field(s.lambda) << ',' << field(s.euler) << ',' << field(s.empirical) << '\n';
    }
}

void printJsonExtremes(std::ostream &out, const shell::CaseDiagrams &diagrams)
{
    if (diagrams.kind == Kind::Error) {
        out << ", \"extremes\": [], \"diagramError\": " << jsonString(diagrams.error);
        return;
    }
    if (diagrams.kind != Kind::Members && diagrams.kind != Kind::Frame)
        return;
    out << ", \"extremes\": [";
    bool first = true;
    if (diagrams.kind == Kind::Members) {
        for (const shell::MemberDiagram &member : diagrams.members) {
            const std::string memberField =
                diagrams.members.size() > 1 ? ", \"member\": " + jsonString(member.name) : std::string();
            for (const shell::Curve &curve : member.curves) {
                if (curve.envelope() && member.train &&
                    (curve.quantity == shell::Quantity::Shear || curve.quantity == shell::Quantity::Moment)) {
                    printEnvelopeExtremes(out, first, member, curve, memberField);
                    continue;
                }
                const std::string key = shell::quantityKey(curve.quantity);
                printExtreme(out, first, key, "max", curve.extremes.largest, memberField, nullptr);
                printExtreme(out, first, key, "min", curve.extremes.smallest, memberField, nullptr);
            }
        }
    } else if (diagrams.frame) {
        for (const shell::FrameMemberDiagram &member : diagrams.frame->members) {
            const std::string memberField = ", \"member\": " + jsonString(member.name);
            printExtreme(out, first, "M", "max", member.extremes.largest, memberField, &member.result);
            printExtreme(out, first, "M", "min", member.extremes.smallest, memberField, &member.result);
        }
    }
    out << "]";
}

void printJsonDiagram(std::ostream &out, const shell::CaseDiagrams &diagrams, int intervals)
{
    if (!hasDiagramTable(diagrams))
        return;
    out << ", \"diagram\": [";
    if (diagrams.kind == Kind::Members) {
        for (std::size_t m = 0; m < diagrams.members.size(); ++m) {
            const shell::MemberDiagram &member = diagrams.members[m];
            out << (m ? ", " : "") << "{\"member\": " << jsonString(member.name);
            if (anyEnvelope(diagrams)) {
                using Row = shell::EnvelopeSample;
                const std::vector<Row> rows = shell::sampleEnvelope(member, intervals);
                printArray(out, "x", rows, [](const Row &s) { return s.x; });
                printArray(out, "Vmax", rows, [](const Row &s) { return s.shearLargest; });
                printArray(out, "Vmin", rows, [](const Row &s) { return s.shearSmallest; });
                printArray(out, "Mmax", rows, [](const Row &s) { return s.momentLargest; });
                printArray(out, "Mmin", rows, [](const Row &s) { return s.momentSmallest; });
                out << "}";
                continue;
            }
            const std::vector<mechanics::BeamSample> rows = shell::sampleMember(member, intervals);
            const auto missing = std::numeric_limits<double>::quiet_NaN();
            printArray(out, "x", rows, [](const mechanics::BeamSample &s) { return s.x; });
            printArray(out, "V", rows, [](const mechanics::BeamSample &s) { return s.shear; });
            printArray(out, "M", rows, [](const mechanics::BeamSample &s) { return s.moment; });
            printArray(out, "theta", rows, [&](const mechanics::BeamSample &s) { return s.slope.value_or(missing); });
            printArray(out, "delta", rows,
                       [&](const mechanics::BeamSample &s) { return s.deflection.value_or(missing); });
            out << "}";
        }
    } else if (diagrams.kind == Kind::Frame && diagrams.frame) {
        const std::vector<shell::FrameSample> all = shell::sampleFrame(*diagrams.frame, intervals);
        for (int k = 0; k < 3; ++k) {
            std::vector<shell::FrameSample> rows;
            for (const shell::FrameSample &s : all)
                if (s.member == k)
                    rows.push_back(s);
            out << (k ? ", " : "")
                << "{\"member\": " << jsonString(diagrams.frame->members[static_cast<std::size_t>(k)].name);
            printArray(out, "s", rows, [](const shell::FrameSample &s) { return s.s; });
            printArray(out, "x", rows, [](const shell::FrameSample &s) { return s.x; });
            printArray(out, "y", rows, [](const shell::FrameSample &s) { return s.y; });
            printArray(out, "M", rows, [](const shell::FrameSample &s) { return s.moment; });
            out << "}";
        }
    } else if (diagrams.column) {
        const std::vector<shell::ColumnSample> rows = shell::sampleColumnCurve(*diagrams.column, intervals);
        out << "{\"quantity\": \"sigma_k\"";
        printArray(out, "lambda", rows, [](const shell::ColumnSample &s) { return s.lambda; });
        printArray(out, "euler", rows, [](const shell::ColumnSample &s) { return s.euler; });
        printArray(out, "empirical", rows, [](const shell::ColumnSample &s) { return s.empirical; });
        out << "}";
    }
    out << "]";
}

}  // namespace structcalc
