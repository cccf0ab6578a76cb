#include "mechanics/combination.h"

#include "mechanics/combinationloads.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

namespace mechanics {

namespace {

constexpr double mergeTolerance = 1e-14;    // relative to L: positions closer are one position
constexpr double sectionTolerance = 1e-12;  // relative to L: an equally spaced section this near a place is it
constexpr int MaxIntervals = 10000;

Error invalid(Message reason)
{
    return {ErrorKind::InvalidInput, std::move(reason)};
}

bool hasLoads(const Beam &b)
{
    return !b.forces.empty() || !b.couples.empty() || !b.distributed.empty();
}

// A case solved alone, whole (span none) or its share on one span; `factor` is 1, the
// combinations' factors come in when the values are added up.
struct Term {
    std::size_t loadCase = 0;
    std::optional<std::size_t> span;
    BeamSolution solution;
};

// A term as one combination takes it: always, or (a variable share in a pattern) where it makes
// the value worse.
struct Part {
    std::size_t term = 0;
    double factor = 0;
    bool optional = false;
};

// The values of one quantity of every term at every section (or support).
using Table = std::vector<std::vector<double>>;

struct Model {
    std::vector<double> ends;  // of the spans
    std::vector<Term> terms;
    std::vector<std::vector<Part>> parts;  // per combination
    std::size_t cases = 0;
};

// The pattern of a value: which optional parts are taken, from their values `taken(part)`.
template <typename Taken>
void recordPattern(const Model &model, const std::vector<Part> &parts, const std::vector<LoadCase> &cases, Taken taken,
                   Governing &g)
{
    const std::size_t spans = model.ends.size() - 1;
    g.loadedSpans.assign(spans, false);
    g.caseSpans.assign(model.cases, {});
    for (std::size_t k = 0; k < model.cases; ++k)
        if (cases[k].variable)
            g.caseSpans[k].assign(spans, false);
    for (const Part &p : parts)
        if (p.optional && taken(p)) {
            const Term &t = model.terms[p.term];
            g.caseSpans[t.loadCase][*t.span] = true;
            g.loadedSpans[*t.span] = true;
        }
}

// The largest (sign +1) or smallest (−1) value of one combination at place i, optional parts
// taken where they make it worse.
double worstAt(const std::vector<Part> &parts, const Table &values, std::size_t i, double sign)
{
    double sum = 0;
    for (const Part &p : parts) {
        const double v = p.factor * values[p.term][i];
        if (!p.optional || sign * v > 0)
            sum += v;
    }
    return sum;
}

// The envelope of one quantity at n places, from the values of the terms there.
std::vector<GoverningPair> envelopeOf(const Model &model, const std::vector<Combination> &combinations,
                                      const std::vector<LoadCase> &cases, const Table &values, std::size_t n)
{
    std::vector<GoverningPair> envelope(n);
    for (std::size_t i = 0; i < n; ++i) {
        for (const double sign : {1.0, -1.0}) {
            std::size_t worst = 0;
            double value = worstAt(model.parts[0], values, i, sign);
            for (std::size_t c = 1; c < combinations.size(); ++c)
                if (const double v = worstAt(model.parts[c], values, i, sign); sign * v > sign * value) {
                    value = v;
                    worst = c;
                }
            Governing &g = sign > 0 ? envelope[i].largest : envelope[i].smallest;
            g.value = value;
            g.combination = static_cast<int>(worst);
            if (combinations[worst].pattern)
                recordPattern(
                    model, model.parts[worst], cases,
                    [&](const Part &p) { return sign * p.factor * values[p.term][i] > 0; }, g);
        }
    }
    return envelope;
}

// How far p strays above (sign +1) or below (−1) its value at a on [a, b] ⊂ [0, ∞) at most:
// |t^k − a^k| ≤ b^k − a^k there.
double reachOn(const Polynomial &p, double a, double b)
{
    double reach = 0;
    double powerA = 1;
    double powerB = 1;
    for (int k = 1; k <= p.degree(); ++k) {
        powerA *= a;
        powerB *= b;
        reach += std::fabs(p.coefficient(k)) * (powerB - powerA);
    }
    return reach;
}

// The largest (sign +1) or smallest (−1) value of p on [a, b] ⊂ [0, ∞): at an end or a root of
// p'. The roots are not looked for where p cannot go beyond `beyond` between the ends.
std::pair<double, double> extremeOn(const Polynomial &p, double a, double b, double sign, double beyond)
{
    std::pair<double, double> best{p(a), a};
    const auto consider = [&](double t) {
        const double v = p(t);
        if (sign * v > sign * best.first)
            best = {v, t};
    };
    consider(b);
    if (p.degree() >= 2 && sign * (p(a) - beyond) + reachOn(p, a, b) > 0)
        for (double t : realRoots(p.derivative(), a, b))
            consider(t);
    return best;
}

// The exact largest and smallest of one diagram of every combination, over the whole member.
// Stretch by stretch of the breakpoints of all terms, each term's piece is moved to the
// stretch's start; the optional parts' roots cut it further into stretches where each keeps its
// sign, so that every combination's value is one polynomial there (see combination.h).
std::pair<GoverningAt, GoverningAt> exactExtremes(const Model &model, const std::vector<Combination> &combinations,
                                                  const std::vector<LoadCase> &cases,
                                                  const std::vector<const Piecewise *> &diagrams)
{
    std::vector<double> grid;
    for (const Piecewise *f : diagrams)
        grid.insert(grid.end(), f->breakpoints().begin(), f->breakpoints().end());
    std::sort(grid.begin(), grid.end());
    grid.erase(std::unique(grid.begin(), grid.end()), grid.end());

    std::vector<bool> optional(model.terms.size(), false);
    for (const std::vector<Part> &parts : model.parts)
        for (const Part &p : parts)
            optional[p.term] = optional[p.term] || p.optional;

    // The worst so far: its value, where, in which combination, with which optional parts (one
    // flag per part of the combination, kept in memory that serves every improvement).
    struct Worst {
        double value = 0;
        double x = 0;
        std::size_t combination = 0;
        std::vector<char> taken;
    };
    Worst largest, smallest;
    bool first = true;
    std::vector<std::size_t> piece(diagrams.size(), 0);
    std::vector<Polynomial> moved(diagrams.size());
    std::vector<double> cuts, whole;
    for (std::size_t k = 0; k + 1 < grid.size(); ++k) {
        const double x0 = grid[k];
        const double h = grid[k + 1] - x0;
        const auto at = [&](double t) { return t == h ? grid[k + 1] : x0 + t; };  // the breakpoint itself at the end
        cuts.assign({0.0, h});
        whole.assign({0.0, h});
        for (std::size_t j = 0; j < diagrams.size(); ++j) {
            const std::vector<double> &breaks = diagrams[j]->breakpoints();
            while (piece[j] + 2 < breaks.size() && breaks[piece[j] + 1] <= x0)
                ++piece[j];
            const double d = x0 - breaks[piece[j]];
            const Polynomial &own = diagrams[j]->pieces()[piece[j]];
            moved[j] = d == 0 ? own : own.shifted(d);
            // A piece that stays farther from zero than it strays has no root.
            if (optional[j] && std::fabs(moved[j](0)) <= reachOn(moved[j], 0, h))
                for (double t : realRoots(moved[j], 0, h))
                    if (t > 0 && t < h)
                        cuts.push_back(t);
        }
        std::sort(cuts.begin(), cuts.end());
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
        for (std::size_t c = 0; c < combinations.size(); ++c) {
            const std::vector<Part> &parts = model.parts[c];
            Polynomial fixed;
            bool anyOptional = false;
            for (const Part &p : parts) {
                if (!p.optional)
                    fixed = fixed + moved[p.term] * p.factor;
                anyOptional = anyOptional || p.optional;
            }
            // Without optional parts the combination is one polynomial on the whole stretch.
            const std::vector<double> &bounds = anyOptional ? cuts : whole;
            for (std::size_t s = 0; s + 1 < bounds.size(); ++s) {
                const double a = bounds[s];
                const double b = bounds[s + 1];
                const double mid = a + (b - a) / 2;
                Polynomial high = fixed;
                Polynomial low = fixed;
                for (const Part &p : parts) {
                    if (!p.optional)
                        continue;
                    const double v = p.factor * moved[p.term](mid);
                    if (v > 0)
                        high = high + moved[p.term] * p.factor;
                    else if (v < 0)
                        low = low + moved[p.term] * p.factor;
                }
                const std::pair<double, double> up = extremeOn(high, a, b, 1, first ? -HUGE_VAL : largest.value);
                const std::pair<double, double> down = extremeOn(low, a, b, -1, first ? HUGE_VAL : smallest.value);
                const auto keep = [&](Worst &w, const std::pair<double, double> &found, double sign) {
                    w.value = found.first;
                    w.x = at(found.second);
                    w.combination = c;
                    w.taken.clear();
                    for (const Part &p : parts)
                        w.taken.push_back(p.optional && sign * p.factor * moved[p.term](mid) > 0);
                };
                if (first || up.first > largest.value)
                    keep(largest, up, 1);
                if (first || down.first < smallest.value)
                    keep(smallest, down, -1);
                first = false;
            }
        }
    }
    const auto governing = [&](const Worst &w) {
        GoverningAt g{{w.value, static_cast<int>(w.combination), {}, {}}, w.x};
        const std::vector<Part> &parts = model.parts[w.combination];
        if (combinations[w.combination].pattern)
            recordPattern(
                model, parts, cases,
                [&](const Part &p) { return w.taken[static_cast<std::size_t>(&p - parts.data())] != 0; }, g.governing);
        return g;
    };
    return {governing(largest), governing(smallest)};
}

// The exact extremes, never inside the sections' envelope (their sums are formed in another
// order, so they may differ by a rounding).
void keepAtLeastSections(const std::vector<GoverningPair> &envelope, const std::vector<double> &x,
                         std::pair<GoverningAt, GoverningAt> &extremes)
{
    for (std::size_t i = 0; i < envelope.size(); ++i) {
        if (envelope[i].largest.value > extremes.first.governing.value)
            extremes.first = {envelope[i].largest, x[i]};
        if (envelope[i].smallest.value < extremes.second.governing.value)
            extremes.second = {envelope[i].smallest, x[i]};
    }
}

// The sections: both ends, every place where the member changes or a load starts or ends, and
// the equally spaced ones not already there.
std::vector<double> sectionsOf(const Beam &bare, const std::vector<LoadCase> &cases, int intervals)
{
    const double l = bare.length;
    std::vector<double> places{0, l};
    const auto add = [&](double x) { places.push_back(std::clamp(x, 0.0, l)); };
    for (const Support &s : bare.supports)
        add(s.x);
    for (double h : bare.hinges)
        add(h);
    for (const Segment &g : bare.segments) {
        add(g.from);
        add(g.to);
    }
    for (const LoadCase &c : cases) {
        for (const PointForce &f : c.forces)
            add(f.x);
        for (const PointCouple &m : c.couples)
            add(m.x);
        for (const DistributedLoad &d : c.distributed) {
            add(d.from);
            add(d.to);
        }
    }
    std::sort(places.begin(), places.end());
    std::vector<double> x;
    for (double p : places)
        if (x.empty() || p - x.back() > mergeTolerance * l)
            x.push_back(p);
    x.back() = l;
    const std::size_t member = x.size();
    for (int i = 1; i < intervals; ++i) {
        const double at = l * i / intervals;
        const auto near = std::lower_bound(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(member), at);
        const bool covered =
            (*near - at <= sectionTolerance * l) || (near != x.begin() && at - *(near - 1) <= sectionTolerance * l);
        if (!covered)
            x.push_back(at);
    }
    std::sort(x.begin(), x.end());
    return x;
}

}  // namespace

Outcome<CombinationEnvelope> combinationEnvelope(const Beam &member, const std::vector<LoadCase> &cases,
                                                 const std::vector<Combination> &combinations, int intervals)
{
    const Beam bare = bareMember(member);
    if (const Outcome<BeamSolution> solved = solveBeam(bare); !solved)
        return solved.error();
    if (combinations.empty())
        return invalid("there is no load combination");
    if (combinations.size() > MaxCombinations)
        return invalid({"a member takes at most %1 load combinations, not %2",
                        {number(MaxCombinations), number(double(combinations.size()))}});
    if (auto e = checkCases(bare, cases))
        return *e;
    for (std::size_t c = 0; c < combinations.size(); ++c)
        if (auto e = checkCombination(combinations[c], c, cases.size()))
            return *e;
    if (intervals < 1 || intervals > MaxIntervals)
        return invalid(
            {"the number of intervals must be from 1 to %1, not %2", {number(MaxIntervals), number(intervals)}});

    // Which solutions the combinations need: a case whole where it is permanent or taken whole,
    // a variable case's share on each span where a pattern takes it.
    Model model;
    model.ends = spanEnds(bare);
    model.cases = cases.size();
    const std::size_t spans = model.ends.size() - 1;
    std::vector<bool> whole(cases.size(), false);
    std::vector<bool> split(cases.size(), false);
    for (const Combination &c : combinations)
        for (std::size_t k = 0; k < cases.size(); ++k)
            if (c.factors[k] != 0)
                (c.pattern && cases[k].variable ? split : whole)[k] = true;
    std::vector<std::size_t> wholeTerm(cases.size());
    std::vector<std::vector<std::optional<std::size_t>>> shareTerm(cases.size(),
                                                                   std::vector<std::optional<std::size_t>>(spans));
    const auto solveTerm = [&](std::size_t k, std::optional<std::size_t> span) -> std::optional<Error> {
        Beam beam = bare;
        addLoads(cases[k], 1.0, model.ends, span, beam);
        if (span && !hasLoads(beam))
            return std::nullopt;  // nothing on this span: a share that is always zero
        Outcome<BeamSolution> solved = solveBeam(beam);
        if (!solved)
            return solved.error();
        if (span)
            shareTerm[k][*span] = model.terms.size();
        else
            wholeTerm[k] = model.terms.size();
        model.terms.push_back({k, span, *solved});
        return std::nullopt;
    };
    for (std::size_t k = 0; k < cases.size(); ++k) {
        if (whole[k])
            if (auto e = solveTerm(k, std::nullopt))
                return *e;
        for (std::size_t s = 0; s < spans && split[k]; ++s)
            if (auto e = solveTerm(k, s))
                return *e;
    }
    for (const Combination &c : combinations) {
        std::vector<Part> parts;
        for (std::size_t k = 0; k < cases.size(); ++k) {
            const double f = c.factors[k];
            if (f == 0)
                continue;
            if (!(c.pattern && cases[k].variable)) {
                parts.push_back({wholeTerm[k], f, false});
                continue;
            }
            for (std::size_t s = 0; s < spans; ++s)
                if (shareTerm[k][s])
                    parts.push_back({*shareTerm[k][s], f, true});
        }
        model.parts.push_back(std::move(parts));
    }

    CombinationEnvelope envelope;
    for (std::size_t s = 0; s < spans; ++s)
        envelope.spans.emplace_back(model.ends[s], model.ends[s + 1]);
    envelope.x = sectionsOf(bare, cases, intervals);
    const std::size_t n = envelope.x.size();
    const std::size_t supports = bare.supports.size();
    const bool rigidity = bare.flexuralRigidity.has_value();
    Table shear, moment, deflection, force, turn;
    for (const Term &t : model.terms) {
        std::vector<double> v(n), m(n), d(rigidity ? n : 0), r(supports), rm(supports);
        for (std::size_t i = 0; i < n; ++i) {
            v[i] = t.solution.shear(envelope.x[i]);
            m[i] = t.solution.moment(envelope.x[i]);
            if (rigidity)
                d[i] = (*t.solution.deflection)(envelope.x[i]);
        }
        for (std::size_t s = 0; s < supports; ++s) {
            r[s] = t.solution.reactions[s].force;
            rm[s] = t.solution.reactions[s].moment;
        }
        shear.push_back(std::move(v));
        moment.push_back(std::move(m));
        deflection.push_back(std::move(d));
        force.push_back(std::move(r));
        turn.push_back(std::move(rm));
    }
    envelope.shear = envelopeOf(model, combinations, cases, shear, n);
    envelope.moment = envelopeOf(model, combinations, cases, moment, n);
    if (rigidity)
        envelope.deflection = envelopeOf(model, combinations, cases, deflection, n);
    envelope.reactions = envelopeOf(model, combinations, cases, force, supports);
    envelope.reactionMoments = envelopeOf(model, combinations, cases, turn, supports);

    // With no term at all (no case with a factor), every value is 0 at the left end.
    const auto exact = [&](auto diagramOf, const std::vector<GoverningPair> &sections) {
        std::vector<const Piecewise *> diagrams;
        for (const Term &t : model.terms)
            diagrams.push_back(&diagramOf(t.solution));
        std::pair<GoverningAt, GoverningAt> found;
        if (!diagrams.empty())
            found = exactExtremes(model, combinations, cases, diagrams);
        else
            found = {{sections[0].largest, 0}, {sections[0].smallest, 0}};
        keepAtLeastSections(sections, envelope.x, found);
        return found;
    };
    std::tie(envelope.largestShear, envelope.smallestShear) =
        exact([](const BeamSolution &s) -> const Piecewise & { return s.shear; }, envelope.shear);
    std::tie(envelope.largestMoment, envelope.smallestMoment) =
        exact([](const BeamSolution &s) -> const Piecewise & { return s.moment; }, envelope.moment);
    if (rigidity) {
        const auto d =
            exact([](const BeamSolution &s) -> const Piecewise & { return *s.deflection; }, envelope.deflection);
        envelope.largestDeflection = d.first;
        envelope.smallestDeflection = d.second;
    }
    return envelope;
}

}  // namespace mechanics
