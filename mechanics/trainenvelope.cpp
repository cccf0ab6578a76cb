// The envelope of M and V under a moving train. Every section needs its influence lines of M and
// V; rather than solving the member 4 times per piece for each section, the unit load is solved
// once at the sample places of every piece between the member's places, and M(x) and V(x) of
// those solutions give every section's cubic on those pieces: the same solutions and cubics
// influenceLine makes. On the piece that holds the section (where its line kinks or jumps) the
// lines follow from the same solutions by statics (see SectionLines::at), equal to influenceLine's
// to rounding, so no section costs a solution of its own.

#include "mechanics/movingload.h"

#include "mechanics/influencepieces.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace mechanics {

namespace {

Error invalid(const std::string &message)
{
    return Error{ErrorKind::InvalidInput, message};
}

std::optional<Error> checkTrain(const Train &train, int intervals)
{
    if (train.axles.empty() && train.uniform == 0)
        return invalid("the train has neither axles nor a uniform load");
    if (train.axles.size() > TrainMaxAxles)
        return invalid("the train has " + std::to_string(train.axles.size()) + " axles; at most " +
                       std::to_string(TrainMaxAxles) + " are taken");
    for (std::size_t i = 0; i < train.axles.size(); ++i) {
        const Axle &a = train.axles[i];
        const std::string axle = "axle " + std::to_string(i + 1);
        if (!(std::isfinite(a.offset) && a.offset >= 0))
            return invalid(axle + ": the distance behind the first axle must be a finite number of 0 or more, not " +
                           numberText(a.offset));
        if (!std::isfinite(a.load))
            return invalid(axle + ": the load must be a finite number, not " + numberText(a.load));
    }
    if (!std::isfinite(train.uniform))
        return invalid("the uniform load of the train must be a finite number, not " + numberText(train.uniform));
    if (intervals < 1 || intervals > 10000)
        return invalid("the number of intervals must be from 1 to 10000, not " + std::to_string(intervals));
    return std::nullopt;
}

// M and V of the member under a unit load at the sample places of each piece between its places,
// and the cubics of the piece's own ends.
struct SharedSolutions {
    std::vector<double> places;
    std::vector<std::array<Piecewise, 4>> moment, shear;
    // M and V just inside the piece's left end (and right end) as the unit load moves along it.
    std::vector<Polynomial> momentAtLeft, shearAtLeft, momentAtRight, shearAtRight;
};

struct Lines {
    Piecewise moment;
    Piecewise shear;
};

class SectionLines
{
public:
    explicit SectionLines(const Beam &beam) : m_unit(unloadedMember(beam)) {}

    std::optional<Error> prepare()
    {
        m_shared.places = influencePlaces(m_unit);
        const std::vector<double> &p = m_shared.places;
        for (std::size_t k = 0; k + 1 < p.size(); ++k) {
            const double width = p[k + 1] - p[k];
            std::array<Piecewise, 4> m, v;
            double ml[4], vl[4], mr[4], vr[4];
            for (std::size_t j = 0; j < 4; ++j) {
                m_unit.forces = {PointForce{p[k] + InfluenceSamples[j] * width, 1.0}};
                const Outcome<BeamSolution> solved = solveBeam(m_unit);
                if (!solved)
                    return solved.error();
                m[j] = solved->moment;
                v[j] = solved->shear;
                ml[j] = m[j].rightOf(p[k]);
                vl[j] = v[j].rightOf(p[k]);
                mr[j] = m[j].leftOf(p[k + 1]);
                vr[j] = v[j].leftOf(p[k + 1]);
            }
            m_shared.moment.push_back(std::move(m));
            m_shared.shear.push_back(std::move(v));
            m_shared.momentAtLeft.push_back(cubicThrough(ml, width));
            m_shared.shearAtLeft.push_back(cubicThrough(vl, width));
            m_shared.momentAtRight.push_back(cubicThrough(mr, width));
            m_shared.shearAtRight.push_back(cubicThrough(vr, width));
        }
        return std::nullopt;
    }

    const std::vector<double> &places() const { return m_shared.places; }

    // The influence lines of M and V (on its right) at the section x. On the piece that holds the
    // section nothing but the unit load acts, so V is constant and M linear between the load and
    // either end of the piece: with the load left of x, M(x) = M(right end) − V(right end)·(right
    // end − x) and V(x) = V(right end); with the load right of x, M(x) = M(left end) + V(left
    // end)·(x − left end) and V(x) = V(left end). Those four are cubics of the load's position.
    Lines at(double x) const
    {
        const SharedSolutions &s = m_shared;
        const std::vector<double> &p = s.places;
        std::vector<double> breaks;
        std::vector<Polynomial> m, v;
        for (std::size_t k = 0; k + 1 < p.size(); ++k) {
            breaks.push_back(p[k]);
            if (p[k] < x && x < p[k + 1]) {
                breaks.push_back(x);
                m.push_back(s.momentAtRight[k] - s.shearAtRight[k] * (p[k + 1] - x));
                v.push_back(s.shearAtRight[k]);
                m.push_back((s.momentAtLeft[k] + s.shearAtLeft[k] * (x - p[k])).shifted(x - p[k]));
                v.push_back(s.shearAtLeft[k].shifted(x - p[k]));
            } else {
                double ym[4], yv[4];
                for (std::size_t j = 0; j < 4; ++j) {
                    ym[j] = s.moment[k][j](x);
                    yv[j] = s.shear[k][j](x);
                }
                m.push_back(cubicThrough(ym, p[k + 1] - p[k]));
                v.push_back(cubicThrough(yv, p[k + 1] - p[k]));
            }
        }
        breaks.push_back(p.back());
        return Lines{Piecewise(breaks, std::move(m)), Piecewise(std::move(breaks), std::move(v))};
    }

private:
    Beam m_unit;
    SharedSolutions m_shared;
};

// Which of the four absolute extremes.
struct Wanted {
    bool moment;
    bool largest;
};

const TrainValue &pick(const TrainEffect &e, bool largest)
{
    return largest ? e.largest : e.smallest;
}

// The absolute extreme. Between two sections the member does not change, and the envelope there is
// bounded by its values at the two sections and by how fast it can change:
//  - M: for any one position of the train, M(x) changes with slope V(x), at most Σ|P|·|η_V| + |w|·L·|η_V|
//    (η_V the largest unit shear); so over an interval h it can rise above the better end by h/2
//    times that at most. Every interval that could still beat the best found is sampled at Probes
//    places and the best of them refined by golden-section search to 1e-9 of the member's length
//    (the envelope need not have one peak between two sections: another axle may govern a little
//    further on), the most promising interval first.
//  - V: for one position of the train V(x) only drops as x passes a downward axle (and along the
//    uniform load), so with loads of one sign the largest V over an interval is at its left
//    section and the smallest the limit at its right end: the section itself, or, where that is
//    a support or another place where V jumps, just left of it (taken 1e-9 of the length before
//    it). With loads of both signs V is searched like M, allowing it to change by all the loads.
TrainExtreme absolute(const SectionLines &lines, const Train &train, const TrainEnvelope &e, Wanted wanted,
                      double length)
{
    constexpr int Probes = 8;
    const std::vector<TrainEffect> &effects = wanted.moment ? e.moment : e.shear;
    const auto better = [&](double a, double b) { return wanted.largest ? a > b : a < b; };
    const auto at = [&](std::size_t k) { return pick(effects[k], wanted.largest).value; };
    const std::size_t n = effects.size();
    std::size_t best = 0;
    for (std::size_t k = 1; k < n; ++k)
        if (better(at(k), at(best)))
            best = k;
    TrainExtreme found{at(best), e.x[best], pick(effects[best], wanted.largest).placement};
    const auto value = [&](double x) {
        const Lines l = lines.at(x);
        const TrainValue v = pick(trainEffect(wanted.moment ? l.moment : l.shear, train), wanted.largest);
        if (better(v.value, found.value))
            found = {v.value, x, v.placement};
        return v.value;
    };

    double loads = 0;
    bool up = train.uniform<0, down = train.uniform> 0;
    for (const Axle &a : train.axles) {
        loads += std::fabs(a.load);
        up = up || a.load < 0;
        down = down || a.load > 0;
    }
    const std::vector<double> &places = lines.places();
    if (!wanted.moment && !(up && down)) {
        // Monotone between sections: only the approach to a place from the left is left to see.
        const bool atRightEnd = wanted.largest == up;
        if (atRightEnd)
            for (std::size_t k = 1; k < n; ++k)
                if (std::binary_search(places.begin(), places.end(), e.x[k]))
                    value(std::max(e.x[k] - 1e-9 * length, e.x[k - 1]));
        return found;
    }
    // The largest unit shear anywhere, for the slope of M.
    double shearLine = 0;
    for (double x : wanted.moment ? e.x : std::vector<double>{}) {
        const Lines l = lines.at(x);
        for (std::size_t k = 0; k < l.shear.pieces().size(); ++k) {
            const double width = l.shear.breakpoints()[k + 1] - l.shear.breakpoints()[k];
            shearLine = std::max({shearLine, std::fabs(l.shear.pieces()[k](0)), std::fabs(l.shear.pieces()[k](width))});
        }
    }
    const double slope = wanted.moment ? (loads + std::fabs(train.uniform) * length) * shearLine : 0;
    const double jumps = wanted.moment ? 0 : loads + std::fabs(train.uniform) * length;
    // The intervals by the most each might reach, most promising first.
    std::vector<std::pair<double, std::size_t>> order;
    for (std::size_t k = 0; k + 1 < n; ++k) {
        const double h = e.x[k + 1] - e.x[k];
        const double end = better(at(k), at(k + 1)) ? at(k) : at(k + 1);
        const double reach = slope * h / 2 + jumps;
        order.emplace_back(wanted.largest ? end + reach : end - reach, k);
    }
    std::sort(order.begin(), order.end(), [&](const auto &a, const auto &b) { return better(a.first, b.first); });
    const double invPhi = (std::sqrt(5.0) - 1) / 2;
    const double tolerance = 1e-9 * length;
    for (const auto &[reach, from] : order) {
        if (!better(reach, found.value))
            break;
        const double a0 = e.x[from];
        const double step = (e.x[from + 1] - a0) / Probes;
        int top = 1;
        double topValue = value(a0 + step);
        for (int i = 2; i < Probes; ++i) {
            const double v = value(a0 + i * step);
            if (better(v, topValue)) {
                top = i;
                topValue = v;
            }
        }
        double a = a0 + (top - 1) * step;
        double b = a0 + (top + 1) * step;
        double c = b - invPhi * (b - a);
        double d = a + invPhi * (b - a);
        double fc = value(c);
        double fd = value(d);
        while (b - a > tolerance) {
            if (better(fc, fd)) {
                b = d;
                d = c;
                fd = fc;
                c = b - invPhi * (b - a);
                fc = value(c);
            } else {
                a = c;
                c = d;
                fc = fd;
                d = a + invPhi * (b - a);
                fd = value(d);
            }
        }
    }
    return found;
}

}  // namespace

Outcome<TrainEnvelope> trainEnvelope(const Beam &beam, const Train &train, int intervals)
{
    if (const std::optional<Error> refused = checkTrain(train, intervals))
        return *refused;
    const Outcome<BeamSolution> unloaded = solveBeam(unloadedMember(beam));
    if (!unloaded)
        return unloaded.error();
    SectionLines lines(beam);
    if (const std::optional<Error> failed = lines.prepare())
        return *failed;

    TrainEnvelope e;
    const double length = beam.length;
    for (int i = 0; i <= intervals; ++i)
        e.x.push_back(std::min(i * length / intervals, length));
    for (double p : lines.places())
        e.x.push_back(std::clamp(p, 0.0, length));
    std::sort(e.x.begin(), e.x.end());
    e.x.erase(std::unique(e.x.begin(), e.x.end()), e.x.end());
    for (double x : e.x) {
        const Lines l = lines.at(x);
        e.moment.push_back(trainEffect(l.moment, train));
        e.shear.push_back(trainEffect(l.shear, train));
    }
    e.largestMoment = absolute(lines, train, e, {true, true}, length);
    e.smallestMoment = absolute(lines, train, e, {true, false}, length);
    e.largestShear = absolute(lines, train, e, {false, true}, length);
    e.smallestShear = absolute(lines, train, e, {false, false}, length);
    return e;
}

}  // namespace mechanics
