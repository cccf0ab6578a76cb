#include "shell/core/memberresults.h"

#include "mechanics/extremes.h"
#include "mechanics/outcome.h"
#include "shell/core/memberdescription.h"

#include <utility>

namespace shell {

std::string MemberRow::unit(Units units) const
{
    return slope ? "rad" : unitCaption(units, dimension);
}

std::vector<MemberRow> memberRows(const mechanics::BeamSolution &s)
{
    std::vector<MemberRow> rows;
    for (std::size_t k = 0; k < s.reactions.size(); ++k) {
        const mechanics::Reaction &r = s.reactions[k];
        const std::string n = std::to_string(k + 1);
        const std::string where =
            std::string(supportKindName(r.support.kind)) + " at x = " + mechanics::numberText(r.support.x);
        rows.push_back({"R" + n, "反力 (R" + n + ")", "upward reaction of support " + n + " (" + where + ")", r.force,
                        Dimension::Force, false, std::nullopt});
        const bool turning = r.support.kind == mechanics::SupportKind::Fixed || r.support.rotationalStiffness > 0;
        if (turning)
            rows.push_back({"MR" + n, "反力モーメント (MR" + n + ")",
                            "reaction moment of support " + n + ", clockwise positive on the member", r.moment,
                            Dimension::Moment, false, std::nullopt});
    }
    const auto extremeRows = [&rows](const mechanics::Piecewise &f, const std::string &symbol, const char *large,
                                     const char *small, const std::string &what, Dimension dimension) {
        const mechanics::Extremes e = mechanics::extremes(f);
        rows.push_back({symbol + "max", std::string(large) + " (" + symbol + "max)", "largest " + what, e.largest.value,
                        dimension, false, e.largest.at.front().x});
        rows.push_back({symbol + "min", std::string(small) + " (" + symbol + "min)", "smallest " + what,
                        e.smallest.value, dimension, false, e.smallest.at.front().x});
    };
    extremeRows(s.shear, "V", "最大せん断力", "最小せん断力", "shear force", Dimension::Force);
    extremeRows(s.moment, "M", "最大曲げモーメント", "最小曲げモーメント", "bending moment, sagging positive",
                Dimension::Moment);
    if (s.deflection && s.slope) {
        extremeRows(*s.deflection, "δ", "最大変位", "最小変位", "deflection, downward positive", Dimension::Length);
        rows.push_back({"θA", "たわみ角 (θA)", "slope at the left end, clockwise positive", (*s.slope)(0),
                        Dimension::Length, true, std::nullopt});
        rows.push_back({"θB", "たわみ角 (θB)", "slope at the right end, clockwise positive", (*s.slope)(s.length),
                        Dimension::Length, true, std::nullopt});
    }
    return rows;
}

CaseDiagrams memberDiagrams(const mechanics::Beam &beam, const mechanics::BeamSolution &s, Units units)
{
    CaseDiagrams d;
    d.kind = CaseDiagrams::Kind::Members;
    d.lengthUnit = unitCaption(units, Dimension::Length);
    d.units = units;
    MemberDiagram member;
    member.beam = beam;
    member.reactions = s.reactions;
    const auto curve = [](Quantity q, const mechanics::Piecewise &f, std::string unit) {
        return Curve{q, f, mechanics::extremes(f), std::move(unit)};
    };
    member.curves.push_back(curve(Quantity::Shear, s.shear, unitCaption(units, Dimension::Force)));
    member.curves.push_back(curve(Quantity::Moment, s.moment, unitCaption(units, Dimension::Moment)));
    if (s.slope && s.deflection) {
        member.curves.push_back(curve(Quantity::Slope, *s.slope, "rad"));
        member.curves.push_back(curve(Quantity::Deflection, *s.deflection, unitCaption(units, Dimension::Length)));
    }
    d.members.push_back(std::move(member));
    return d;
}

}  // namespace shell
