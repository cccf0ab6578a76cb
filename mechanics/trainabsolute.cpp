#include "mechanics/trainabsolute.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <map>
#include <utility>
#include <vector>

namespace mechanics {

namespace {

using Coefficients = std::array<double, Polynomial::Capacity>;

// sum += scale·p(t + d).
void addShifted(Coefficients &sum, const Polynomial &p, double d, double scale)
{
    const Polynomial q = p.shifted(d);
    for (int k = 0; k <= q.degree(); ++k)
        sum[static_cast<std::size_t>(k)] += scale * q.coefficient(k);
}

// sum += a(t)·(t + c).
void addTimesLinear(Coefficients &sum, const Coefficients &a, double c)
{
    for (std::size_t k = 0; k + 1 < a.size(); ++k) {
        sum[k] += c * a[k];
        sum[k + 1] += a[k];
    }
}

void add(Coefficients &sum, const Coefficients &a)
{
    for (std::size_t k = 0; k < a.size(); ++k)
        sum[k] += a[k];
}

Polynomial polynomialOf(const Coefficients &c)
{
    return Polynomial(std::vector<double>(c.begin(), c.end()));
}

struct Keeper {
    TrainExtreme &largest;
    TrainExtreme &smallest;
    bool &any;

    void offer(double value, double x, double lead, bool leftward, Side side)
    {
        const TrainExtreme e{value, x, {lead, leftward, side, {}}};
        if (!any || value > largest.value)
            largest = e;
        if (!any || value < smallest.value)
            smallest = e;
        any = true;
    }
};

// The cubics of a section's piece and a load's piece, each made once: the search asks for the same
// pairs at every position of the train.
class AcrossCache
{
public:
    explicit AcrossCache(const SectionLines &lines) : m_lines(lines) {}
    const AcrossPieces &operator()(std::size_t p, std::size_t q)
    {
        const auto key = std::make_pair(p, q);
        auto found = m_cache.find(key);
        if (found == m_cache.end())
            found = m_cache.emplace(key, m_lines.across(p, q)).first;
        return found->second;
    }

private:
    const SectionLines &m_lines;
    std::map<std::pair<std::size_t, std::size_t>, AcrossPieces> m_cache;
};

// One way of running. For every stretch of positions, the axles on the member are grouped by the
// piece they stand in (in the order of their offsets). Under axle i in piece p, the axles in
// other pieces add Σ P·(A(ξ) + B(ξ)·(x − start of p)), the same for every axle in p, and those in
// p the terms of WithinPiece: the ones left of i (or on it) through the right end of p, the others
// through its left end, summed from either end of the group; so a stretch costs the number of
// axles times the number of pieces they stand in, not the square of the axles.
void searchOneWay(const SectionLines &lines, const Train &train, bool leftward, double length, Keeper &moment,
                  Keeper &shear)
{
    AcrossCache across(lines);
    const std::vector<double> &places = lines.places();
    const std::size_t pieces = places.size() - 1;
    std::vector<double> sigma;
    for (const Axle &a : train.axles)
        sigma.push_back(leftward ? a.offset : -a.offset);
    std::vector<std::size_t> byOffset(sigma.size());
    for (std::size_t i = 0; i < byOffset.size(); ++i)
        byOffset[i] = i;
    std::stable_sort(byOffset.begin(), byOffset.end(),
                     [&](std::size_t a, std::size_t b) { return sigma[a] < sigma[b]; });
    std::vector<double> leads;
    for (double si : sigma)
        for (double place : places)
            leads.push_back(place - si);
    std::sort(leads.begin(), leads.end());
    leads.erase(std::unique(leads.begin(), leads.end()), leads.end());
    const double inside = 1e-9 * length;

    std::vector<std::vector<std::size_t>> group(pieces);  // axles by piece, by offset
    std::vector<std::size_t> occupied;
    for (std::size_t k = 0; k + 1 < leads.size(); ++k) {
        const double from = leads[k];
        const double width = leads[k + 1] - from;
        const double mid = from + width / 2;
        for (std::size_t p : occupied)
            group[p].clear();
        occupied.clear();
        for (std::size_t i : byOffset) {
            const double xi = mid + sigma[i];
            if (xi < places.front() || xi > places.back())
                continue;
            const auto above = std::upper_bound(places.begin(), places.end(), xi) - places.begin();
            const auto p = static_cast<std::size_t>(std::min<std::ptrdiff_t>(above - 1, pieces - 1));
            if (group[p].empty())
                occupied.push_back(p);
            group[p].push_back(i);
        }
        // The load's position in its piece, as t + c.
        const auto positionIn = [&](std::size_t j, std::size_t q) { return from + sigma[j] - places[q]; };
        for (std::size_t p : occupied) {
            Coefficients otherM{}, otherSlope{}, otherV{};
            for (std::size_t q : occupied) {
                if (q == p)
                    continue;
                const AcrossPieces &a = across(p, q);
                for (std::size_t j : group[q]) {
                    const double load = train.axles[j].load;
                    addShifted(otherM, a.moment, positionIn(j, q), load);
                    addShifted(otherSlope, a.momentSlope, positionIn(j, q), load);
                    addShifted(otherV, a.shear, positionIn(j, q), load);
                }
            }
            const WithinPiece &w = lines.within(p);
            const std::vector<std::size_t> &g = group[p];
            // leftM[r]: Σ over the first r axles of P·momentAtRight, and so on; right*: over the rest.
            std::vector<Coefficients> leftM(g.size() + 1), leftV(g.size() + 1), rightM(g.size() + 1),
                rightV(g.size() + 1);
            for (std::size_t r = 0; r < g.size(); ++r) {
                const double load = train.axles[g[r]].load;
                leftM[r + 1] = leftM[r];
                leftV[r + 1] = leftV[r];
                addShifted(leftM[r + 1], w.momentAtRight, positionIn(g[r], p), load);
                addShifted(leftV[r + 1], w.shearAtRight, positionIn(g[r], p), load);
            }
            for (std::size_t r = g.size(); r > 0; --r) {
                const double load = train.axles[g[r - 1]].load;
                rightM[r - 1] = rightM[r];
                rightV[r - 1] = rightV[r];
                addShifted(rightM[r - 1], w.momentAtLeft, positionIn(g[r - 1], p), load);
                addShifted(rightV[r - 1], w.shearAtLeft, positionIn(g[r - 1], p), load);
            }
            for (std::size_t r = 0; r < g.size(); ++r) {
                const std::size_t i = g[r];
                std::size_t upTo = r + 1;  // the axles at i's offset count as left of the section
                while (upTo < g.size() && sigma[g[upTo]] == sigma[i])
                    ++upTo;
                // x − start of p and x − end of p, as t + c.
                const double fromStart = from + sigma[i] - places[p];
                const double fromEnd = from + sigma[i] - places[p + 1];
                Coefficients mc = otherM, vc = otherV;
                addTimesLinear(mc, otherSlope, fromStart);
                add(mc, leftM[upTo]);
                addTimesLinear(mc, leftV[upTo], fromEnd);
                add(mc, rightM[upTo]);
                addTimesLinear(mc, rightV[upTo], fromStart);
                add(vc, leftV[upTo]);
                add(vc, rightV[upTo]);
                const Polynomial m = polynomialOf(mc), v = polynomialOf(vc);
                // At the ends of the stretch an axle meets a place; where that is a free end the
                // axle leaves the member and M jumps: the ends are limits from inside.
                const auto offerM = [&](double t, Side side) {
                    moment.offer(m(t), from + t + sigma[i], from + t, leftward, side);
                };
                offerM(0, Side::Right);
                offerM(width, Side::Left);
                for (double t : realRoots(m.derivative(), 0, width))
                    if (t > 0 && t < width)
                        offerM(t, Side::Both);
                const double lo = width > 2 * inside ? inside : width / 2;
                const double hi = width - lo;
                const auto offerV = [&](double t) {
                    shear.offer(v(t), from + t + sigma[i], from + t, leftward, Side::Left);
                };
                offerV(lo);
                offerV(hi);
                for (double t : realRoots(v.derivative(), lo, hi))
                    offerV(t);
            }
        }
    }
}

}  // namespace

AxleExtremes extremesUnderAxles(const SectionLines &lines, const Train &train, double length)
{
    AxleExtremes e;
    bool anyMoment = false, anyShear = false;
    Keeper moment{e.largestMoment, e.smallestMoment, anyMoment};
    Keeper shear{e.largestShear, e.smallestShear, anyShear};
    if (train.ways != TrainWays::Leftward)
        searchOneWay(lines, train, false, length, moment, shear);
    if (train.ways != TrainWays::Rightward)
        searchOneWay(lines, train, true, length, moment, shear);
    e.found = anyMoment && anyShear;
    // A limit that the train reaches at the lead itself (no axle leaving a free end there) is said so.
    for (TrainExtreme *m : {&e.largestMoment, &e.smallestMoment}) {
        if (!e.found || m->placement.side == Side::Both)
            continue;
        const Piecewise line = lines.at(m->x).moment;
        const double tolerance = 1e-10 * std::fabs(m->value) + 1e-300;
        TrainPlacement p = m->placement;
        bool same = true;
        for (Side side : {Side::Left, Side::Right, Side::Both}) {
            p.side = side;
            same = same && std::fabs(trainValue(line, train, p) - m->value) <= tolerance;
        }
        if (same)
            m->placement.side = Side::Both;
    }
    return e;
}

}  // namespace mechanics
