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
#include <queue>
#include <string>
#include <utility>

namespace mechanics {

namespace {

Error invalid(Message reason)
{
    return Error{ErrorKind::InvalidInput, std::move(reason)};
}

std::optional<Error> checkTrain(const Train &train, int intervals)
{
    if (train.axles.empty() && train.uniform == 0)
        return invalid("the train has neither axles nor a uniform load");
    if (train.axles.size() > TrainMaxAxles)
        return invalid({"the train has %1 axles; at most %2 are taken",
                        {number(double(train.axles.size())), number(double(TrainMaxAxles))}});
    for (std::size_t i = 0; i < train.axles.size(); ++i) {
        const Axle &a = train.axles[i];
        const Message axle("axle %1", {number(double(i + 1))});
        if (!(std::isfinite(a.offset) && a.offset >= 0))
            return invalid({"%1: the distance behind the first axle must be a finite number of 0 or more, not %2",
                            {axle, number(a.offset)}});
        if (!std::isfinite(a.load))
            return invalid({"%1: the load must be a finite number, not %2", {axle, number(a.load)}});
    }
    if (!std::isfinite(train.uniform))
        return invalid({"the uniform load of the train must be a finite number, not %1", {number(train.uniform)}});
    if (intervals < 1 || intervals > 10000)
        return invalid({"the number of intervals must be from 1 to 10000, not %1", {number(intervals)}});
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

struct LoadSigns {
    double all = 0;  // Σ|P| + |w|·L
    bool up = false, down = false;
};

LoadSigns signsOf(const Train &train, double length)
{
    LoadSigns s;
    s.all = std::fabs(train.uniform) * length;
    s.up = train.uniform < 0;
    s.down = train.uniform > 0;
    for (const Axle &a : train.axles) {
        s.all += std::fabs(a.load);
        s.up = s.up || a.load < 0;
        s.down = s.down || a.load > 0;
    }
    return s;
}

// What the envelope is at one section: M (the largest or smallest sought) and V on either side.
struct Point {
    double x, m;
    double vmaxRight, vminRight, vmaxLeft, vminLeft;
};

// The absolute largest or smallest M of a train with a uniform load (without one,
// extremesUnderAxles finds it exactly), by branch and bound over the intervals between sections.
// Between two sections the member does not change; M changes with slope V, which lies between
// the envelope's Vmin and Vmax, and with loads of one sign V only drops (or only rises) between
// two places for any one position of the train. So from each end of an interval M can move
// towards the better only as fast as the envelope of V at the far (or near) end allows, and no
// further than where the two bounds meet; with loads of both signs, as fast as all the loads on
// the largest unit shear. The interval that could reach furthest is halved, its middle section
// evaluated, until none could beat the best found by 1e-5 of the largest |M| (or they are 1e-9 of
// the length wide; at most MostEvaluations sections): that much is certain. The Polished
// intervals that could reach furthest past it are then searched by golden section for the last
// digits (where the envelope is smooth the bound closes in too slowly to reach them).
TrainExtreme momentWithUniform(const SectionLines &lines, const Train &train, const TrainEnvelope &e, bool largest,
                               double length)
{
    constexpr int MostEvaluations = 4000;
    constexpr std::size_t Polished = 6;
    const double sense = largest ? 1 : -1;
    TrainExtreme found = bestSection(e, {true, largest});
    const LoadSigns signs = signsOf(train, length);
    const bool mixed = signs.up && signs.down;
    const std::vector<double> &places = lines.places();
    std::vector<Point> sections;
    double scale = 0;
    double shearLine = 0;  // the largest unit shear, for loads of both signs
    for (std::size_t k = 0; k < e.x.size(); ++k) {
        Point p{e.x[k],
                pick(e.moment[k], largest).value,
                e.shear[k].largest.value,
                e.shear[k].smallest.value,
                e.shear[k].largest.value,
                e.shear[k].smallest.value};
        if (k > 0 && std::binary_search(places.begin(), places.end(), e.x[k])) {
            const TrainEffect left = trainEffect(lines.shearLeftOf(e.x[k]), train);
            p.vmaxLeft = left.largest.value;
            p.vminLeft = left.smallest.value;
        }
        sections.push_back(p);
        scale = std::max({scale, std::fabs(e.moment[k].largest.value), std::fabs(e.moment[k].smallest.value)});
        if (mixed) {
            const Piecewise line = lines.at(e.x[k]).shear;
            for (std::size_t j = 0; j < line.pieces().size(); ++j) {
                const double width = line.breakpoints()[j + 1] - line.breakpoints()[j];
                shearLine = std::max({shearLine, std::fabs(line.pieces()[j](0)), std::fabs(line.pieces()[j](width))});
            }
        }
    }
    // The most sense·M can reach between a and b.
    const auto reach = [&](const Point &a, const Point &b) {
        const double h = b.x - a.x;
        double s1 = signs.all * shearLine, s2 = s1;
        if (!mixed) {
            const double riseUp = signs.down ? a.vmaxRight : b.vmaxLeft;
            const double fallDown = signs.down ? b.vminLeft : a.vminRight;
            s1 = std::max(largest ? riseUp : -fallDown, 0.0) * (1 + 1e-9);
            s2 = std::max(largest ? -fallDown : riseUp, 0.0) * (1 + 1e-9);
        }
        const double fa = sense * a.m, fb = sense * b.m;
        const double t = s1 + s2 > 0 ? std::clamp((fb - fa + s2 * h) / (s1 + s2), 0.0, h) : 0;
        return std::min(fa + s1 * t, fb + s2 * (h - t));
    };
    // M at x, and the envelope of V there where `shear` (the bound needs it, the final search not).
    const auto evaluate = [&](double x, bool shear) {
        const SectionLineSet l = lines.at(x);
        const TrainValue m = pick(trainEffect(l.moment, train), largest);
        const TrainEffect v = shear ? trainEffect(l.shear, train) : TrainEffect{};
        if (sense * m.value > sense * found.value)
            found = {m.value, x, m.placement};
        return Point{x, m.value, v.largest.value, v.smallest.value, v.largest.value, v.smallest.value};
    };
    const double tolerance = 1e-5 * scale;
    struct Node {
        double reach;
        Point a, b;
        bool operator<(const Node &other) const { return reach < other.reach; }
    };
    std::priority_queue<Node> open;
    std::vector<Node> close;  // given up within the tolerance: where a little more may hide
    const auto consider = [&](const Point &a, const Point &b) {
        const double r = reach(a, b);
        if (r > sense * found.value + tolerance && b.x - a.x > 1e-9 * length)
            open.push({r, a, b});
        else if (r > sense * found.value)
            close.push_back({r, a, b});
    };
    for (std::size_t k = 0; k + 1 < sections.size(); ++k)
        consider(sections[k], sections[k + 1]);
    for (int evaluations = 0; !open.empty() && evaluations < MostEvaluations; ++evaluations) {
        const Node node = open.top();
        open.pop();
        if (node.reach <= sense * found.value + tolerance) {
            close.push_back(node);
            break;
        }
        const Point middle = evaluate(node.a.x + (node.b.x - node.a.x) / 2, true);
        consider(node.a, middle);
        consider(middle, node.b);
    }
    for (; !open.empty(); open.pop())
        close.push_back(open.top());
    // The last digits: golden-section search on the most promising of those, to 1e-9 of the length.
    std::sort(close.begin(), close.end(), [](const Node &a, const Node &b) { return b < a; });
    const double invPhi = (std::sqrt(5.0) - 1) / 2;
    for (std::size_t k = 0; k < close.size() && k < Polished; ++k) {
        if (!(close[k].reach > sense * found.value))
            break;
        double a = close[k].a.x, b = close[k].b.x;
        double c = b - invPhi * (b - a), d = a + invPhi * (b - a);
        double fc = sense * evaluate(c, false).m, fd = sense * evaluate(d, false).m;
        while (b - a > 1e-9 * length) {
            if (fc > fd) {
                b = d;
                d = c;
                fd = fc;
                c = b - invPhi * (b - a);
                fc = sense * evaluate(c, false).m;
            } else {
                a = c;
                c = d;
                fc = fd;
                d = a + invPhi * (b - a);
                fd = sense * evaluate(d, false).m;
            }
        }
    }
    return found;
}

// The absolute largest or smallest V of a train with a uniform load. With loads of one sign, for
// any one position of the train V only drops (or only rises) between two places, so the largest
// V over an interval between sections is at its left section and the smallest the limit at its
// right end: the section itself, or, where that is a support or another place where V jumps,
// just left of it (taken 1e-9 of the length before it). With loads of both signs V may jump
// either way as the section passes an axle: every interval whose ends are within all the loads
// of the best is probed at Probes places and the best of them refined by golden-section search.
TrainExtreme shearWithUniform(const SectionLines &lines, const Train &train, const TrainEnvelope &e, bool largest,
                              double length)
{
    constexpr int Probes = 8;
    const auto better = [&](double a, double b) { return largest ? a > b : a < b; };
    const auto at = [&](std::size_t k) { return pick(e.shear[k], largest).value; };
    const std::size_t n = e.x.size();
    TrainExtreme found = bestSection(e, {false, largest});
    const auto value = [&](double x) {
        const TrainValue v = pick(trainEffect(lines.at(x).shear, train), largest);
        if (better(v.value, found.value))
            found = {v.value, x, v.placement};
        return v.value;
    };
    const LoadSigns signs = signsOf(train, length);
    const std::vector<double> &places = lines.places();
    if (!(signs.up && signs.down)) {
        if (largest == signs.up)
            for (std::size_t k = 1; k < n; ++k)
                if (std::binary_search(places.begin(), places.end(), e.x[k]))
                    value(std::max(e.x[k] - 1e-9 * length, e.x[k - 1]));
        return found;
    }
    const double sense = largest ? 1 : -1;
    std::vector<std::pair<double, std::size_t>> order;  // the intervals by the most each might reach
    for (std::size_t k = 0; k + 1 < n; ++k)
        order.emplace_back(std::max(sense * at(k), sense * at(k + 1)) + signs.all, k);
    std::sort(order.begin(), order.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    const double invPhi = (std::sqrt(5.0) - 1) / 2;
    const double tolerance = 1e-9 * length;
    for (const auto &[reach, from] : order) {
        if (!(reach > sense * found.value))
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
    e.largestMoment = momentWithUniform(lines, train, e, true, length);
    e.smallestMoment = momentWithUniform(lines, train, e, false, length);
    e.largestShear = shearWithUniform(lines, train, e, true, length);
    e.smallestShear = shearWithUniform(lines, train, e, false, length);
    return e;
}

}  // namespace mechanics
