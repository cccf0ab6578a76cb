#include "shell/core/diagrams.h"

#include "shell/core/language.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace shell {

namespace {

// A quantity's names: its symbol on the diagram and its name in CSV headers and JSON.
struct QuantityNames {
    const char *symbol;
    const char *key;
};

QuantityNames namesOf(Quantity quantity)
{
    switch (quantity) {
    case Quantity::Shear:
        return {"V", "V"};
    case Quantity::Moment:
        return {"M", "M"};
    case Quantity::Slope:
        return {"θ", "theta"};
    case Quantity::Deflection:
        return {"δ", "delta"};
    }
    return {"", ""};
}

}  // namespace

std::string quantitySymbol(Quantity quantity)
{
    return namesOf(quantity).symbol;
}

std::string quantityKey(Quantity quantity)
{
    return namesOf(quantity).key;
}

namespace {

// "2.500" -> "2.5", "3.000" -> "3"; a mantissa "1.500e-05" -> "1.5e-05".
std::string withoutTrailingZeros(std::string text)
{
    const std::size_t exponent = text.find('e');
    std::string tail = exponent == std::string::npos ? std::string() : text.substr(exponent);
    std::string head = exponent == std::string::npos ? text : text.substr(0, exponent);
    if (head.find('.') != std::string::npos) {
        while (!head.empty() && head.back() == '0')
            head.pop_back();
        if (!head.empty() && head.back() == '.')
            head.pop_back();
    }
    return head + tail;
}

}  // namespace

std::string diagramNumber(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return "0";
    char buffer[64];
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    if (exponent >= 6 || exponent < -3) {
        std::snprintf(buffer, sizeof buffer, "%.3e", value);
    } else {
        const int decimals = std::max(0, 3 - exponent);
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    }
    std::string text = withoutTrailingZeros(buffer);
    if (text == "-0")
        text = "0";
    return text;
}

const Curve *MemberDiagram::curve(Quantity quantity) const
{
    for (const Curve &c : curves)
        if (c.quantity == quantity)
            return &c;
    return nullptr;
}

double ColumnCurveDiagram::euler(double slenderness) const
{
    if (!(slenderness > 0))
        return std::numeric_limits<double>::quiet_NaN();
    if (eulerNumerator)
        return *eulerNumerator / (slenderness * slenderness);
    if (empirical && slenderness >= empirical->lambda0 && empirical->lambda0 > 0) {
        const double l0 = empirical->lambda0;
        const double atLimit = empirical->a * ((1 - (empirical->b * l0)) + (empirical->c * (l0 * l0)));
        return (atLimit * (l0 * l0)) / (slenderness * slenderness);
    }
    return std::numeric_limits<double>::quiet_NaN();
}

double ColumnCurveDiagram::empiricalAt(double slenderness) const
{
    if (!empirical || slenderness < 0 || slenderness > empirical->lambda0)
        return std::numeric_limits<double>::quiet_NaN();
    return empirical->a * ((1 - (empirical->b * slenderness)) + (empirical->c * (slenderness * slenderness)));
}

double ColumnCurveDiagram::stressAt(double slenderness) const
{
    const double line = empiricalAt(slenderness);
    return std::isfinite(line) ? line : euler(slenderness);
}

std::vector<ColumnSample> sampleColumnCurve(const ColumnCurveDiagram &curve, int intervals)
{
    const int n = std::max(intervals, 1);
    std::vector<double> positions;
    for (int i = 0; i <= n; ++i)
        positions.push_back(i == n ? curve.lambdaMax : (curve.lambdaMax * i) / n);
    if (curve.empirical && curve.empirical->lambda0 > 0 && curve.empirical->lambda0 < curve.lambdaMax) {
        const double l0 = curve.empirical->lambda0;
        const bool listed = std::any_of(positions.begin(), positions.end(),
                                        [&](double p) { return std::fabs(p - l0) <= 1e-12 * curve.lambdaMax; });
        if (!listed)
            positions.insert(std::upper_bound(positions.begin(), positions.end(), l0), l0);
    }
    std::vector<ColumnSample> samples;
    samples.reserve(positions.size());
    for (double lambda : positions)
        samples.push_back({lambda, curve.euler(lambda), curve.empiricalAt(lambda)});
    return samples;
}

bool CaseDiagrams::sameSource(const CaseDiagrams &other) const
{
    return caseIndex == other.caseIndex && units == other.units && inputs == other.inputs && rows == other.rows &&
           kind == other.kind && member == other.member;
}

namespace {

Curve curveOf(Quantity quantity, const mechanics::Piecewise &values, std::string unit)
{
    return {quantity, values, mechanics::extremes(values), std::move(unit)};
}

// The column curve runs to a round slenderness past the current column and the empirical limit.
double curveEnd(double lambda, const std::optional<EmpiricalLine> &empirical)
{
    double reach = 150;
    if (std::isfinite(lambda))
        reach = std::max(reach, 1.25 * lambda);
    if (empirical)
        reach = std::max(reach, 1.6 * empirical->lambda0);
    return 50 * std::ceil(reach / 50);
}

const char *const FrameMemberNames[] = {"AB", "BC", "CD"};

// The moment diagram of a solved portal frame, with the moments at its feet and corners.
FrameDiagram frameDiagram(const mechanics::PortalFrame &frame, const mechanics::PortalSolution &solved, Units units)
{
    FrameDiagram f;
    f.frame = frame;
    f.reactions = solved.reactions;
    f.momentUnit = unitCaption(units, Dimension::Moment);
    for (std::size_t k = 0; k < 3; ++k) {
        const mechanics::FrameMemberResult &r = solved.members[k];
        f.members[k] = {FrameMemberNames[k], r, mechanics::extremes(r.moment)};
    }
    const mechanics::Piecewise &ab = f.members[0].result.moment;
    const mechanics::Piecewise &cd = f.members[2].result.moment;
    f.MA = ab.rightOf(ab.start());
    f.MB = ab.leftOf(ab.end());
    f.MC = cd.rightOf(cd.start());
    f.MD = cd.leftOf(cd.end());
    return f;
}

// The curves of a solved straight member: V and M, θ and δ where its stiffness is known.
std::vector<Curve> memberCurves(const mechanics::BeamSolution &solved, Units units)
{
    std::vector<Curve> curves;
    curves.push_back(curveOf(Quantity::Shear, solved.shear, unitCaption(units, Dimension::Force)));
    curves.push_back(curveOf(Quantity::Moment, solved.moment, unitCaption(units, Dimension::Moment)));
    if (solved.slope && solved.deflection) {
        curves.push_back(curveOf(Quantity::Slope, *solved.slope, "rad"));
        curves.push_back(curveOf(Quantity::Deflection, *solved.deflection, unitCaption(units, Dimension::Length)));
    }
    return curves;
}

// The case's typed positions on member m at their values; a position off the member (where the
// domain allows it) is not marked.
std::vector<Mark> typedPositions(const CaseDef &definition, std::size_t m, double length, const EvalContext &context)
{
    std::vector<Mark> marks;
    for (const PositionMark &mark : definition.marks)
        if (mark.member == static_cast<int>(m)) {
            const double x = mark.x.eval(context);
            if (std::isfinite(x) && x >= 0 && x <= length)
                marks.push_back({mark.label, x});
        }
    return marks;
}

// The column curve of σk against λ in the units on display, with the current column.
ColumnCurveDiagram columnDiagram(const ColumnCurve &curve, const EvalContext &context, Units units)
{
    ColumnCurveDiagram c;
    c.lambda = curve.slenderness.eval(context);
    if (curve.eulerNumerator)
        c.eulerNumerator = curve.eulerNumerator->eval(context);
    if (curve.empirical) {
        EmpiricalLine line = *curve.empirical;
        line.a = convert(line.a, Dimension::Stress, CatalogueUnits, units);
        c.empirical = line;
    }
    c.lambdaMax = curveEnd(c.lambda, c.empirical);
    c.stressUnit = unitCaption(units, Dimension::Stress);
    return c;
}

// The section of the case's sketch with the extreme-fibre distances of its rows.
SectionDiagram sectionDiagram(const CaseDef &definition, const std::vector<double> &inputs,
                              const std::vector<double> &rows, const std::string &lengthUnit)
{
    SectionDiagram s;
    s.sketch = definition.sketch(inputs);
    s.figure = *definition.section;
    const auto row = [&rows](int r) {
        return r >= 0 && r < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(r)]
                                                           : std::numeric_limits<double>::quiet_NaN();
    };
    s.e1 = row(s.figure.e1Row);
    s.e2 = s.figure.e2Row >= 0 ? row(s.figure.e2Row) : s.e1;
    s.lengthUnit = lengthUnit;
    return s;
}

// The diagrams of the case's member models, a portal frame or straight members; Kind::None where
// it has neither, Kind::Error with why where one cannot be solved.
void addMemberDiagrams(CaseDiagrams &d, const CaseDef &definition, const std::vector<double> &inputs,
                       const EvalContext &context)
{
    const auto fail = [&d](const std::string &why) {
        d.kind = CaseDiagrams::Kind::Error;
        d.members.clear();
        d.frame.reset();
        d.error = why;
    };
    for (std::size_t m = 0; m < definition.members.size(); ++m) {
        const MemberModel &model = definition.members[m];
        if (model.frame) {
            const mechanics::PortalFrame frame = model.frame(inputs);
            const auto solved = mechanics::solvePortalFrame(frame);
            if (!solved)
                return fail(translatedPattern("Reason", "The frame cannot be solved: %1",
                                              {translatedMessage(solved.error().reason)}));
            d.frame = frameDiagram(frame, *solved, d.units);
            d.kind = CaseDiagrams::Kind::Frame;
            continue;
        }
        const auto cannot = [&model](const mechanics::Error &error) {
            const std::string reason = translatedMessage(error.reason);
            return model.name.empty()
                       ? translatedPattern("Reason", "The member cannot be solved: %1", {reason})
                       : translatedPattern("Reason", "The member %1 cannot be solved: %2", {model.name, reason});
        };
        if (model.movingLoad) {
            auto solved = movingLoadDiagram(model.movingLoad(inputs), d.units);
            if (!solved)
                return fail(cannot(solved.error()));
            MemberDiagram member = std::move(*solved);
            member.name = translated("Text", model.name);
            member.marks = typedPositions(definition, m, member.length(), context);
            d.members.push_back(std::move(member));
            d.kind = CaseDiagrams::Kind::Members;
            continue;
        }
        if (!model.beam)
            continue;
        MemberDiagram member;
        member.name = translated("Text", model.name);
        member.beam = model.beam(inputs);
        const auto solved = mechanics::solveBeam(member.beam);
        if (!solved)
            return fail(cannot(solved.error()));
        member.reactions = solved->reactions;
        member.curves = memberCurves(*solved, d.units);
        member.marks = typedPositions(definition, m, member.length(), context);
        d.members.push_back(std::move(member));
        d.kind = CaseDiagrams::Kind::Members;
    }
}

}  // namespace

CaseDiagrams caseDiagrams(const CaseDef &definition, int caseIndex, const std::vector<double> &inputs,
                          const std::vector<double> &rows, Units units)
{
    CaseDiagrams d;
    d.caseIndex = caseIndex;
    d.inputs = inputs;
    d.rows = rows;
    d.units = units;
    d.lengthUnit = unitCaption(units, Dimension::Length);
    const EvalContext context{&inputs, &rows};
    addMemberDiagrams(d, definition, inputs, context);
    if (d.kind != CaseDiagrams::Kind::None)
        return d;
    if (definition.columnCurve) {
        d.column = columnDiagram(*definition.columnCurve, context, units);
        d.kind = CaseDiagrams::Kind::Column;
        return d;
    }
    if (definition.section && definition.sketch) {
        d.section = sectionDiagram(definition, inputs, rows, d.lengthUnit);
        d.kind = CaseDiagrams::Kind::Section;
    }
    return d;
}

std::vector<mechanics::BeamSample> sampleMember(const MemberDiagram &member, int intervals)
{
    const Curve *shear = member.curve(Quantity::Shear);
    const Curve *moment = member.curve(Quantity::Moment);
    const Curve *slope = member.curve(Quantity::Slope);
    const Curve *deflection = member.curve(Quantity::Deflection);
    std::vector<mechanics::BeamSample> rows;
    if (!shear || !moment)
        return rows;
    for (const mechanics::Sample &s : mechanics::samplePositions({&shear->values, &moment->values}, intervals)) {
        mechanics::BeamSample row;
        row.x = s.x;
        row.shear = mechanics::valueAt(shear->values, s);
        row.moment = mechanics::valueAt(moment->values, s);
        if (slope && deflection) {
            row.slope = mechanics::valueAt(slope->values, s);
            row.deflection = mechanics::valueAt(deflection->values, s);
        }
        rows.push_back(row);
    }
    return rows;
}

bool hasEnvelope(const MemberDiagram &member)
{
    return std::any_of(member.curves.begin(), member.curves.end(), [](const Curve &c) { return c.envelope(); });
}

std::vector<EnvelopeSample> sampleEnvelope(const MemberDiagram &member, int intervals)
{
    const Curve *shear = member.curve(Quantity::Shear);
    const Curve *moment = member.curve(Quantity::Moment);
    std::vector<EnvelopeSample> rows;
    if (!shear || !moment)
        return rows;
    const std::vector<const mechanics::Piecewise *> functions{&shear->values, &shear->lower(), &moment->values,
                                                              &moment->lower()};
    for (const mechanics::Sample &s : mechanics::samplePositions(functions, intervals))
        rows.push_back({s.x, mechanics::valueAt(shear->values, s), mechanics::valueAt(shear->lower(), s),
                        mechanics::valueAt(moment->values, s), mechanics::valueAt(moment->lower(), s)});
    return rows;
}

namespace {

// "70" or, at a jump, "70 | -30": the value from the left, then from the right.
std::string bothSides(const mechanics::Piecewise &f, double x)
{
    const std::string left = diagramNumber(f.leftOf(x));
    const std::string right = diagramNumber(f.rightOf(x));
    return left == right ? right : left + " | " + right;
}

}  // namespace

std::string valuesAtText(const MemberDiagram &member, double x, bool withSlope, const std::string &lengthUnit)
{
    std::string text = "x = " + diagramNumber(x) + " " + lengthUnit;
    for (const Curve &c : member.curves) {
        if (c.quantity == Quantity::Slope && !withSlope)
            continue;
        const std::string unit = c.unit.empty() ? "" : " " + c.unit;
        const std::string symbol = quantitySymbol(c.quantity);
        if (c.envelope())
            text += "   " + symbol + "max = " + bothSides(c.values, x) + unit + "   " + symbol +
                    "min = " + bothSides(*c.smallest, x) + unit;
        else
            text += "   " + symbol + " = " + bothSides(c.values, x) + unit;
    }
    return text;
}

const mechanics::Extreme *claimedExtreme(const CaseDef &definition, const CaseDiagrams &diagrams, int row, double value)
{
    if (row < 0 || row >= definition.rowCount() || !std::isfinite(value))
        return nullptr;
    const std::optional<ExtremeClaim> &claim = definition.rows[static_cast<std::size_t>(row)].claims;
    if (!claim || diagrams.kind != CaseDiagrams::Kind::Members || claim->member < 0 ||
        claim->member >= static_cast<int>(diagrams.members.size()))
        return nullptr;
    const Curve *curve = diagrams.members[static_cast<std::size_t>(claim->member)].curve(claim->quantity);
    if (!curve || curve->extremes.largest.at.empty() || curve->extremes.smallest.at.empty())
        return nullptr;
    const mechanics::Extremes &e = curve->extremes;
    if (value > 0)
        return &e.largest;
    if (value < 0)
        return &e.smallest;
    return std::fabs(e.largest.value) >= std::fabs(e.smallest.value) ? &e.largest : &e.smallest;
}

std::optional<RowLargest> rowLargest(const CaseDef &definition, const CaseDiagrams &diagrams, int row, double value)
{
    const mechanics::Extreme *extreme = claimedExtreme(definition, diagrams, row, value);
    if (!extreme || !std::isfinite(extreme->value))
        return std::nullopt;
    if (std::fabs(extreme->value - value) <= LargestTolerance * std::max(std::fabs(extreme->value), std::fabs(value)))
        return std::nullopt;
    return RowLargest{extreme->value, extreme->at.front().x};
}

std::string largestText(const std::string &valueText, const std::string &unit, double x, const std::string &lengthUnit)
{
    return translatedPattern("Text", "largest %1 at x = %2",
                             {valueText + (unit.empty() ? "" : " " + unit),
                              diagramNumber(x) + (lengthUnit.empty() ? "" : " " + lengthUnit)});
}

std::vector<FrameSample> sampleFrame(const FrameDiagram &frame, int intervals)
{
    std::vector<FrameSample> samples;
    for (int k = 0; k < 3; ++k) {
        const mechanics::FrameMemberResult &r = frame.members[static_cast<std::size_t>(k)].result;
        for (const mechanics::Sample &s : mechanics::samplePositions({&r.moment}, intervals)) {
            const mechanics::Point at = r.at(s.x);
            samples.push_back({k, s.x, at.x, at.y, mechanics::valueAt(r.moment, s)});
        }
    }
    return samples;
}

}  // namespace shell
