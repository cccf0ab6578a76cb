// The envelope of M and V under a moving train. Every section needs its influence lines of M and
// V; rather than solving the member 4 times per piece for each section, the unit load is solved
// once at the sample places of every piece between the member's places, and M(x) and V(x) of
// those solutions give every section's cubic on those pieces: the same solutions and cubics
// influenceLine makes. On the piece that holds the section (where its line kinks or jumps) the
// lines follow from the same solutions by statics (see SectionLines::at), equal to influenceLine's
// to rounding, so no section costs a solution of its own.

#include "mechanics/movingload.h"

#include "mechanics/influencepieces.h"
#include "mechanics/sectionlines.h"
#include "mechanics/trainabsolute.h"

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

// Which of the four absolute extremes.
struct Wanted {
    bool moment;
    bool largest;
};

const TrainValue &pick(const TrainEffect &e, bool largest)
{
    return largest ? e.largest : e.smallest;
}

TrainExtreme bestSection(const TrainEnvelope &e, Wanted wanted)
{
    const std::vector<TrainEffect> &effects = wanted.moment ? e.moment : e.shear;
    std::size_t best = 0;
    for (std::size_t k = 1; k < effects.size(); ++k) {
        const double v = pick(effects[k], wanted.largest).value, b = pick(effects[best], wanted.largest).value;
        if (wanted.largest ? v > b : v < b)
            best = k;
    }
    return {pick(effects[best], wanted.largest).value, e.x[best], pick(effects[best], wanted.largest).placement};
}

// The absolute extreme of a train with a uniform load (without one, extremesUnderAxles finds it
// exactly). Between two sections the member does not change, and the envelope there is bounded by
// its values at the two sections and by how fast it can change:
//  - M changes with slope V. With loads of one sign V only drops (or only rises) between two
//    places for any one position of the train, so it stays between the envelope's V at the two
//    ends (just left of the right end where that is a support); with loads of both signs it is
//    bounded by all the loads on the largest unit shear. Every interval whose bound could still
//    beat the best value found is probed at Probes places and the best of them refined by
//    golden-section search to 1e-9 of the member's length (the envelope need not have one peak
//    between two sections: another axle may govern a little further on), the most promising
//    interval first.
//  - V: with loads of one sign, the largest V over an interval is at its left section and the
//    smallest the limit at its right end: the section itself, or, where that is a support or
//    another place where V jumps, just left of it (taken 1e-9 of the length before it). With
//    loads of both signs V is searched like M, allowing it to change by all the loads.
TrainExtreme absolute(const SectionLines &lines, const Train &train, const TrainEnvelope &e, Wanted wanted,
                      double length)
{
    constexpr int Probes = 8;
    const std::vector<TrainEffect> &effects = wanted.moment ? e.moment : e.shear;
    const auto better = [&](double a, double b) { return wanted.largest ? a > b : a < b; };
    const auto at = [&](std::size_t k) { return pick(effects[k], wanted.largest).value; };
    const std::size_t n = effects.size();
    TrainExtreme found = bestSection(e, wanted);
    const auto value = [&](double x) {
        const SectionLineSet l = lines.at(x);
        const TrainValue v = pick(trainEffect(wanted.moment ? l.moment : l.shear, train), wanted.largest);
        if (better(v.value, found.value))
            found = {v.value, x, v.placement};
        return v.value;
    };

    double loads = 0;
    bool up = train.uniform < 0;
    bool down = train.uniform > 0;
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
    std::vector<std::pair<double, std::size_t>> order;  // the intervals by the most each might reach
    const double sense = wanted.largest ? 1 : -1;
    if (wanted.moment && !(up && down)) {
        // M changes with slope V, which lies between the envelope's Vmin and Vmax, and with loads
        // of one sign both only drop (or only rise) between two places: so from each end of an
        // interval M can move towards the better only as fast as the envelope of V at the far
        // (or near) end allows, and no further than where the two bounds meet.
        std::vector<double> vmaxLeft, vminLeft;  // V just left of each section
        for (std::size_t k = 0; k < n; ++k) {
            if (k > 0 && std::binary_search(places.begin(), places.end(), e.x[k])) {
                const TrainEffect left = trainEffect(lines.shearLeftOf(e.x[k]), train);
                vmaxLeft.push_back(left.largest.value);
                vminLeft.push_back(left.smallest.value);
            } else {
                vmaxLeft.push_back(e.shear[k].largest.value);
                vminLeft.push_back(e.shear[k].smallest.value);
            }
        }
        for (std::size_t k = 0; k + 1 < n; ++k) {
            const double h = e.x[k + 1] - e.x[k];
            // The fastest rise from the left end and from the right end, in the better sense.
            const double riseUp = down ? e.shear[k].largest.value : vmaxLeft[k + 1];
            const double fallDown = down ? vminLeft[k + 1] : e.shear[k].smallest.value;
            const double s1 = std::max(wanted.largest ? riseUp : -fallDown, 0.0) * (1 + 1e-9);
            const double s2 = std::max(wanted.largest ? -fallDown : riseUp, 0.0) * (1 + 1e-9);
            const double fa = sense * at(k), fb = sense * at(k + 1);
            const double t = s1 + s2 > 0 ? std::clamp((fb - fa + s2 * h) / (s1 + s2), 0.0, h) : 0;
            const double reach = std::min(fa + s1 * t, fb + s2 * (h - t)) + 1e-12 * std::fabs(fa);
            order.emplace_back(sense * reach, k);
        }
    } else {
        // Loads of both signs: M changes no faster than all the loads on a unit shear line, V by
        // no more than all the loads.
        double shearLine = 0;
        for (double x : wanted.moment ? e.x : std::vector<double>{}) {
            const Piecewise line = lines.at(x).shear;
            for (std::size_t k = 0; k < line.pieces().size(); ++k) {
                const double width = line.breakpoints()[k + 1] - line.breakpoints()[k];
                shearLine = std::max({shearLine, std::fabs(line.pieces()[k](0)), std::fabs(line.pieces()[k](width))});
            }
        }
        const double all = loads + std::fabs(train.uniform) * length;
        for (std::size_t k = 0; k + 1 < n; ++k) {
            const double h = e.x[k + 1] - e.x[k];
            const double end = std::max(sense * at(k), sense * at(k + 1));
            order.emplace_back(sense * (end + (wanted.moment ? all * shearLine * h / 2 : all)), k);
        }
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
    const std::vector<double> &places = lines.places();
    for (double p : places)
        e.x.push_back(std::clamp(p, 0.0, length));
    // An equally spaced section that rounding puts beside a place (20·L/100 a few ulps off a
    // support at L/5) is the place.
    for (int i = 1; i < intervals; ++i) {
        const double x = i * length / intervals;
        const auto above = std::lower_bound(places.begin(), places.end(), x);
        const bool beside = (above != places.end() && *above - x <= 1e-12 * length) ||
                            (above != places.begin() && x - *(above - 1) <= 1e-12 * length);
        if (!beside)
            e.x.push_back(x);
    }
    std::sort(e.x.begin(), e.x.end());
    e.x.erase(std::unique(e.x.begin(), e.x.end()), e.x.end());
    for (double x : e.x) {
        const SectionLineSet l = lines.at(x);
        e.moment.push_back(trainEffect(l.moment, train));
        e.shear.push_back(trainEffect(l.shear, train));
    }
    TrainExtreme *const absolutes[4] = {&e.largestMoment, &e.smallestMoment, &e.largestShear, &e.smallestShear};
    const Wanted wanted[4] = {{true, true}, {true, false}, {false, true}, {false, false}};
    if (train.uniform == 0) {
        // Exact: the best section (every place is one) or the best under an axle.
        const AxleExtremes under = extremesUnderAxles(lines, train, length);
        const TrainExtreme *const candidates[4] = {&under.largestMoment, &under.smallestMoment, &under.largestShear,
                                                   &under.smallestShear};
        for (int k = 0; k < 4; ++k) {
            *absolutes[k] = bestSection(e, wanted[k]);
            const double c = candidates[k]->value;
            if (under.found && (wanted[k].largest ? c > absolutes[k]->value : c < absolutes[k]->value))
                *absolutes[k] = *candidates[k];
        }
        return e;
    }
    for (int k = 0; k < 4; ++k)
        *absolutes[k] = absolute(lines, train, e, wanted[k], length);
    return e;
}

}  // namespace mechanics
