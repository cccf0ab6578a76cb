#include "mechanics/combinationloads.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace mechanics {

namespace {

constexpr double rangeTolerance = 1e-12;  // relative to L: beyond an end by less is rounding
constexpr double mergeTolerance = 1e-14;  // relative to L: positions closer are one position

Error invalid(Message reason)
{
    return {ErrorKind::InvalidInput, std::move(reason)};
}

// The span a point load at x belongs to: the one on its right where it stands on a support.
std::size_t spanAt(const std::vector<double> &ends, double x, double l)
{
    const auto above = std::upper_bound(ends.begin(), ends.end(), x + mergeTolerance * l);
    const std::size_t k = above == ends.begin() ? 0 : static_cast<std::size_t>(above - ends.begin()) - 1;
    return std::min(k, ends.size() - 2);
}

// The loads of a case as solveBeam reads them.
std::optional<Error> checkLoads(const LoadCase &c, std::size_t index, double l)
{
    const Message which("load case %1", {number(double(index + 1))});
    const auto outside = [l](double x) {
        return !std::isfinite(x) || x < -rangeTolerance * l || x > l + rangeTolerance * l;
    };
    for (const PointForce &f : c.forces)
        if (outside(f.x) || !std::isfinite(f.force))
            return outside(f.x) ? invalid(outsideMember({"a point force of %1", {which}}, "x", f.x, "the member", l))
                                : invalid({"a point force of %1 has a value that is not a finite number", {which}});
    for (const PointCouple &m : c.couples)
        if (outside(m.x) || !std::isfinite(m.couple))
            return outside(m.x) ? invalid(outsideMember({"a couple of %1", {which}}, "x", m.x, "the member", l))
                                : invalid({"a couple of %1 has a value that is not a finite number", {which}});
    for (const DistributedLoad &d : c.distributed) {
        if (outside(d.from) || outside(d.to))
            return invalid(outsideMember({"a distributed load of %1", {which}}, "x", outside(d.from) ? d.from : d.to,
                                         "the member", l));
        if (!std::isfinite(d.wFrom) || !std::isfinite(d.wTo))
            return invalid({"a distributed load of %1 has a value that is not a finite number", {which}});
        if (d.from > d.to)
            return invalid({"a distributed load of %1 must run from its start to its end (from %2 > to %3)",
                            {which, number(d.from), number(d.to)}});
    }
    return std::nullopt;
}

}  // namespace

Beam bareMember(const Beam &member)
{
    Beam bare = member;
    bare.forces.clear();
    bare.couples.clear();
    bare.distributed.clear();
    for (Support &s : bare.supports)
        s.settlement = 0;
    return bare;
}

std::vector<double> spanEnds(const Beam &member)
{
    const double l = member.length;
    std::vector<double> at{0, l};
    for (const Support &s : member.supports)
        if (std::isfinite(s.x))
            at.push_back(std::clamp(s.x, 0.0, l));
    std::sort(at.begin(), at.end());
    std::vector<double> ends;
    for (double p : at)
        if (ends.empty() || p - ends.back() > mergeTolerance * l)
            ends.push_back(p);
    ends.back() = l;
    return ends;
}

std::optional<Error> checkCombination(const Combination &combination, std::size_t index, std::size_t cases)
{
    const Message which("load combination %1", {number(double(index + 1))});
    if (combination.factors.size() != cases)
        return invalid({"%1 has %2 factors for %3 load cases",
                        {which, number(double(combination.factors.size())), number(double(cases))}});
    for (double f : combination.factors)
        if (!std::isfinite(f))
            return invalid({"a factor of %1 is not a finite number", {which}});
    return std::nullopt;
}

std::optional<Error> checkCases(const Beam &bare, const std::vector<LoadCase> &cases)
{
    if (cases.size() > MaxLoadCases)
        return invalid({"a member takes at most %1 load cases, not %2",
                        {number(double(MaxLoadCases)), number(double(cases.size()))}});
    for (std::size_t k = 0; k < cases.size(); ++k)
        if (auto e = checkLoads(cases[k], k, bare.length))
            return e;
    return std::nullopt;
}

void addLoads(const LoadCase &c, double factor, const std::vector<double> &ends, std::optional<std::size_t> span,
              Beam &into)
{
    const double l = into.length;
    const auto onSpan = [&](double x) { return !span || spanAt(ends, std::clamp(x, 0.0, l), l) == *span; };
    for (const PointForce &f : c.forces)
        if (onSpan(f.x))
            into.forces.push_back({f.x, f.force * factor});
    for (const PointCouple &m : c.couples)
        if (onSpan(m.x))
            into.couples.push_back({m.x, m.couple * factor});
    for (const DistributedLoad &d : c.distributed) {
        if (!span) {
            into.distributed.push_back({d.from, d.to, d.wFrom * factor, d.wTo * factor});
            continue;
        }
        const double a = ends[*span];
        const double b = ends[*span + 1];
        const double from = std::max(d.from, a);
        const double to = std::min(d.to, b);
        if (!(to - from > mergeTolerance * l))
            continue;  // not on this span, or over no length of it
        // The intensity where the span cuts the load, on the load's own straight line.
        const auto w = [&d](double x) { return d.wFrom + (d.wTo - d.wFrom) * ((x - d.from) / (d.to - d.from)); };
        const double wFrom = from == d.from ? d.wFrom : w(from);
        const double wTo = to == d.to ? d.wTo : w(to);
        into.distributed.push_back({from, to, wFrom * factor, wTo * factor});
    }
}

namespace {

Outcome<BeamSolution> solveWithSpans(const Beam &member, const std::vector<LoadCase> &cases,
                                     const Combination &combination, const std::vector<std::vector<bool>> *caseSpans)
{
    Beam beam = bareMember(member);
    if (const Outcome<BeamSolution> bare = solveBeam(beam); !bare)
        return bare.error();
    if (auto e = checkCases(beam, cases))
        return *e;
    if (auto e = checkCombination(combination, 0, cases.size()))
        return *e;
    const std::vector<double> ends = spanEnds(beam);
    const std::size_t spans = ends.size() - 1;
    if (caseSpans && caseSpans->size() != cases.size())
        return invalid({"the pattern names the spans of %1 load cases, not of %2",
                        {number(double(caseSpans->size())), number(double(cases.size()))}});
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const double f = combination.factors[k];
        if (f == 0)
            continue;
        if (!caseSpans || !cases[k].variable) {
            addLoads(cases[k], f, ends, std::nullopt, beam);
            continue;
        }
        const std::vector<bool> &on = (*caseSpans)[k];
        if (on.size() != spans)
            return invalid(
                {"the pattern names %1 spans, the member has %2", {number(double(on.size())), number(double(spans))}});
        for (std::size_t s = 0; s < spans; ++s)
            if (on[s])
                addLoads(cases[k], f, ends, s, beam);
    }
    return solveBeam(beam);
}

}  // namespace

std::vector<std::pair<double, double>> spansOf(const Beam &member)
{
    const std::vector<double> ends = spanEnds(member);
    std::vector<std::pair<double, double>> spans;
    for (std::size_t s = 0; s + 1 < ends.size(); ++s)
        spans.emplace_back(ends[s], ends[s + 1]);
    return spans;
}

Outcome<BeamSolution> solveCombination(const Beam &member, const std::vector<LoadCase> &cases,
                                       const Combination &combination, const std::vector<bool> &loadedSpans)
{
    if (loadedSpans.empty())
        return solveWithSpans(member, cases, combination, nullptr);
    const std::vector<std::vector<bool>> caseSpans(cases.size(), loadedSpans);
    return solveWithSpans(member, cases, combination, &caseSpans);
}

Outcome<BeamSolution> solvePattern(const Beam &member, const std::vector<LoadCase> &cases,
                                   const Combination &combination, const std::vector<std::vector<bool>> &caseSpans)
{
    return solveWithSpans(member, cases, combination, &caseSpans);
}

}  // namespace mechanics
