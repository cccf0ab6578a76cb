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

// The largest and smallest of the axles' part running one way. E(s) is a polynomial between the
// lead positions where an axle stands on a breakpoint of the line: its extremes are at the ends
// of those pieces (from either side) or where E′ is zero inside one.
void searchOneWay(const Piecewise &influence, const Train &train, bool leftward, Best &largest, Best &smallest)
{
    const std::vector<double> &breaks = influence.breakpoints();
    const std::vector<Polynomial> &pieces = influence.pieces();
    // ξᵢ = s + σᵢ.
    std::vector<double> sigma;
    for (const Axle &a : train.axles)
        sigma.push_back(leftward ? a.offset : -a.offset);
    std::vector<double> leads;
    leads.reserve(sigma.size() * breaks.size());
    for (double si : sigma)
        for (double b : breaks)
            leads.push_back(b - si);
    std::sort(leads.begin(), leads.end());
    leads.erase(std::unique(leads.begin(), leads.end()), leads.end());

    const auto offer = [&](double value, double lead, Side side) {
        largest.offer(true, value, lead, leftward, side);
        smallest.offer(false, value, lead, leftward, side);
    };
    for (std::size_t k = 0; k + 1 < leads.size(); ++k) {
        const double from = leads[k];
        const double width = leads[k + 1] - from;
        const double mid = from + width / 2;
        // Σ Pᵢ·η(ξᵢ) as a polynomial in t = s − from, summed in place: this runs for every piece
        // of every section's search.
        std::array<double, Polynomial::Capacity> sum{};
        for (std::size_t i = 0; i < sigma.size(); ++i) {
            const double xi = mid + sigma[i];
            if (xi < influence.start() || xi > influence.end())
                continue;
            const auto above = std::upper_bound(breaks.begin(), breaks.end(), xi) - breaks.begin();
            const std::size_t j =
                std::min(static_cast<std::size_t>(std::max<std::ptrdiff_t>(above - 1, 0)), pieces.size() - 1);
            addShifted(sum, pieces[j], from + sigma[i] - breaks[j], train.axles[i].load);
        }
        const Polynomial e(std::vector<double>(sum.begin(), sum.end()));
        offer(e(0), from, Side::Right);
        for (double t : realRoots(e.derivative(), 0, width))
            if (t > 0 && t < width)
                offer(e(t), from + t, Side::Both);
        offer(e(width), leads[k + 1], Side::Left);
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
