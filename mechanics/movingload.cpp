#include "mechanics/movingload.h"

#include "mechanics/influencepieces.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace mechanics {

namespace {

// The largest or smallest value found so far of the axles' part, with where the train stands.
struct Best {
    bool found = false;
    double value = 0;
    double lead = 0;
    bool leftward = false;
    Side side = Side::Both;

    void offer(bool largest, double v, double at, bool towardsLeft, Side from)
    {
        if (found && !(largest ? v > value : v < value))
            return;
        *this = {true, v, at, towardsLeft, from};
    }
};

double farthestOffset(const Train &train)
{
    double far = 0;
    for (const Axle &a : train.axles)
        far = std::max(far, a.offset);
    return far;
}

// Distances closer than this are one position: an axle put on a breakpoint of the line by adding
// and subtracting offsets may land a few ulps beside it.
double snapOf(const Piecewise &influence, const Train &train)
{
    return 1e-14 * (std::fabs(influence.start()) + std::fabs(influence.end()) + farthestOffset(train));
}

// P·η at ξ, or its limit as ξ is approached from the left or the right; 0 off the member.
double axleValue(const Piecewise &influence, double xi, Side side, double snap)
{
    const std::vector<double> &breaks = influence.breakpoints();
    const double start = influence.start();
    const double end = influence.end();
    std::ptrdiff_t k = 0;
    switch (side) {
    case Side::Both:
        if (xi < start - snap || xi > end + snap)
            return 0;
        return influence(xi);
    case Side::Left:
        if (xi <= start + snap || xi > end + snap)
            return 0;
        k = std::lower_bound(breaks.begin(), breaks.end(), xi - snap) - breaks.begin() - 1;
        break;
    case Side::Right:
        if (xi < start - snap || xi >= end - snap)
            return 0;
        k = std::upper_bound(breaks.begin(), breaks.end(), xi + snap) - breaks.begin() - 1;
        break;
    }
    const std::size_t piece =
        std::min(static_cast<std::size_t>(std::max<std::ptrdiff_t>(k, 0)), influence.pieces().size() - 1);
    return influence.pieces()[piece](xi - breaks[piece]);
}

double axlesValue(const Piecewise &influence, const Train &train, double lead, bool leftward, Side side)
{
    const double snap = snapOf(influence, train);
    double sum = 0;
    for (const Axle &a : train.axles)
        sum += a.load * axleValue(influence, leftward ? lead + a.offset : lead - a.offset, side, snap);
    return sum;
}

// sum += load·p(t + d), by the Taylor shift of Polynomial::shifted.
void addShifted(std::array<double, Polynomial::Capacity> &sum, const Polynomial &p, double d, double load)
{
    const int n = p.degree() + 1;
    std::array<double, Polynomial::Capacity> c{};
    for (int k = 0; k < n; ++k)
        c[static_cast<std::size_t>(k)] = p.coefficient(k);
    for (int i = 0; i + 1 < n; ++i)
        for (int j = n - 1; j > i; --j)
            c[static_cast<std::size_t>(j - 1)] += d * c[static_cast<std::size_t>(j)];
    for (int k = 0; k < n; ++k)
        sum[static_cast<std::size_t>(k)] += c[static_cast<std::size_t>(k)] * load;
}

// sum(t) becomes sum(t + d), in place (the Taylor shift of Polynomial::shifted).
void shiftInPlace(std::array<double, Polynomial::Capacity> &sum, double d)
{
    const std::size_t n = sum.size();
    for (std::size_t i = 0; i + 1 < n; ++i)
        for (std::size_t j = n - 1; j > i; --j)
            sum[j - 1] += d * sum[j];
}

// The largest and smallest of the axles' part running one way. E(s) is a polynomial between the
// lead positions where an axle stands on a breakpoint of the line: its extremes are at the ends
// of those pieces (from either side) or where E′ is zero inside one. The positions are visited in
// order, and E kept as a polynomial about the current one: at each, only the axles that reach a
// breakpoint there change their term, so a long train costs little more per position than a
// short one. The sum is made afresh from every axle's term now and then, so that the rounding of
// the updates does not build up.
void searchOneWay(const Piecewise &influence, const Train &train, bool leftward, Best &largest, Best &smallest)
{
    const std::vector<double> &breaks = influence.breakpoints();
    const std::vector<Polynomial> &pieces = influence.pieces();
    // ξᵢ = s + σᵢ.
    std::vector<double> sigma;
    for (const Axle &a : train.axles)
        sigma.push_back(leftward ? a.offset : -a.offset);
    // Axle i reaches breakpoint m (and with it piece m, or leaves the member at the last) at s.
    struct Event {
        double s;
        std::size_t axle, breakpoint;
    };
    std::vector<Event> events;
    events.reserve(sigma.size() * breaks.size());
    for (std::size_t i = 0; i < sigma.size(); ++i)
        for (std::size_t m = 0; m < breaks.size(); ++m)
            events.push_back({breaks[m] - sigma[i], i, m});
    // Two breakpoints closer than the rounding of s meet at one s: an axle's own reach them in order.
    std::sort(events.begin(), events.end(), [](const Event &a, const Event &b) {
        return a.s != b.s ? a.s < b.s : a.axle != b.axle ? a.axle < b.axle : a.breakpoint < b.breakpoint;
    });

    const auto offer = [&](double value, double lead, Side side) {
        largest.offer(true, value, lead, leftward, side);
        smallest.offer(false, value, lead, leftward, side);
    };
    constexpr std::size_t None = static_cast<std::size_t>(-1);
    std::vector<std::size_t> pieceOf(sigma.size(), None);
    const std::size_t refresh = std::max<std::size_t>(16, sigma.size());
    std::size_t updates = 0;
    std::array<double, Polynomial::Capacity> sum{};  // Σ Pᵢ·η(ξᵢ) in t = s − origin
    double origin = events.front().s;
    for (std::size_t e = 0; e < events.size();) {
        const double from = events[e].s;
        shiftInPlace(sum, from - origin);
        origin = from;
        for (; e < events.size() && events[e].s == from; ++e) {
            const std::size_t i = events[e].axle;
            const double load = train.axles[i].load;
            if (pieceOf[i] != None)
                addShifted(sum, pieces[pieceOf[i]], from + sigma[i] - breaks[pieceOf[i]], -load);
            pieceOf[i] = events[e].breakpoint < pieces.size() ? events[e].breakpoint : None;
            if (pieceOf[i] != None)
                addShifted(sum, pieces[pieceOf[i]], from + sigma[i] - breaks[pieceOf[i]], load);
            ++updates;
        }
        if (e == events.size())
            break;
        if (updates >= refresh) {
            sum.fill(0);
            for (std::size_t i = 0; i < sigma.size(); ++i)
                if (pieceOf[i] != None)
                    addShifted(sum, pieces[pieceOf[i]], from + sigma[i] - breaks[pieceOf[i]], train.axles[i].load);
            updates = 0;
        }
        const double width = events[e].s - from;
        const Polynomial p(std::vector<double>(sum.begin(), sum.end()));
        offer(p(0), from, Side::Right);
        for (double t : realRoots(p.derivative(), 0, width))
            if (t > 0 && t < width)
                offer(p(t), from + t, Side::Both);
        offer(p(width), events[e].s, Side::Left);
    }
}

// The covered parts for the uniform load: where w·η > 0 (largest) or < 0, bounded by the zeros of
// η, and w·∫ η over them.
struct Cover {
    double value = 0;
    std::vector<std::pair<double, double>> parts;
};

Cover uniformCover(const Piecewise &influence, double w, bool largest)
{
    Cover cover;
    if (w == 0)
        return cover;
    const std::vector<double> &breaks = influence.breakpoints();
    for (std::size_t k = 0; k < influence.pieces().size(); ++k) {
        const Polynomial &p = influence.pieces()[k];
        const Polynomial integral = p.integral();
        const double width = breaks[k + 1] - breaks[k];
        std::vector<double> ends{0};
        for (double t : realRoots(p, 0, width))
            if (t > ends.back() && t < width)
                ends.push_back(t);
        ends.push_back(width);
        for (std::size_t i = 0; i + 1 < ends.size(); ++i) {
            const double part = w * (integral(ends[i + 1]) - integral(ends[i]));
            if (!(largest ? part > 0 : part < 0))
                continue;
            cover.value += part;
            const double from = i == 0 ? breaks[k] : breaks[k] + ends[i];
            const double to = i + 2 == ends.size() ? breaks[k + 1] : breaks[k] + ends[i + 1];
            if (!cover.parts.empty() && cover.parts.back().second == from)
                cover.parts.back().second = to;
            else
                cover.parts.emplace_back(from, to);
        }
    }
    return cover;
}

TrainValue valueOf(const Piecewise &influence, const Train &train, const Best &axles, const Cover &cover,
                   double tolerance)
{
    TrainValue v;
    v.placement.lead = axles.lead;
    v.placement.leftward = axles.leftward;
    v.placement.side = axles.side;
    // Where the train's value is continuous in the lead, the value is the train's at the lead itself.
    // Not where an axle stands on a jump of the line: there the value with the axle exactly on it
    // is a matter of convention (a load on the section of a V line), so the side is kept.
    const auto near = [&](Side side) {
        return std::fabs(axlesValue(influence, train, axles.lead, axles.leftward, side) - axles.value) <= tolerance;
    };
    if (axles.side != Side::Both && near(Side::Left) && near(Side::Right))
        v.placement.side = Side::Both;
    v.placement.covered = cover.parts;
    v.value = axles.value + cover.value;
    return v;
}

}  // namespace

TrainEffect trainEffect(const Piecewise &influence, const Train &train)
{
    Best largest, smallest;
    if (!train.axles.empty()) {
        if (train.ways != TrainWays::Leftward)
            searchOneWay(influence, train, false, largest, smallest);
        if (train.ways != TrainWays::Rightward)
            searchOneWay(influence, train, true, largest, smallest);
    }
    double loads = 0;
    for (const Axle &a : train.axles)
        loads += std::fabs(a.load);
    double eta = 0;
    for (std::size_t k = 0; k < influence.pieces().size(); ++k) {
        const double width = influence.breakpoints()[k + 1] - influence.breakpoints()[k];
        eta = std::max({eta, std::fabs(influence.pieces()[k](0)), std::fabs(influence.pieces()[k](width))});
    }
    const double length = influence.end() - influence.start();
    const double tolerance = 1e-10 * (loads + std::fabs(train.uniform) * length) * eta;
    TrainEffect effect{valueOf(influence, train, largest, uniformCover(influence, train.uniform, true), tolerance),
                       valueOf(influence, train, smallest, uniformCover(influence, train.uniform, false), tolerance)};
    // What the solutions' rounding leaves where the value is 0 (a moment at a pinned end) is 0.
    for (TrainValue *v : {&effect.largest, &effect.smallest})
        if (std::fabs(v->value) <= tolerance)
            v->value = 0;
    return effect;
}

double trainValue(const Piecewise &influence, const Train &train, const TrainPlacement &placement)
{
    double value = axlesValue(influence, train, placement.lead, placement.leftward, placement.side);
    if (train.uniform != 0) {
        const Piecewise integral = influence.integral();
        for (const auto &[from, to] : placement.covered)
            value += train.uniform * (integral(to) - integral(from));
    }
    return value;
}

}  // namespace mechanics
