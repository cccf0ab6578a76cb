#include "mechanics/extremes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace mechanics {

namespace {

constexpr double valueTolerance = 1e-10;    // relative to the largest magnitude of the diagram
constexpr double positionTolerance = 1e-9;  // relative to the length of the diagram

struct Candidate {
    double x = 0;
    Side side = Side::Both;
    double high = 0;  // the value, or the higher of the two sides of a jump too small to count
    double low = 0;
    bool atBreakpoint = false;
};

struct Candidates {
    std::vector<Candidate> list;  // ascending in x, the left side of a jump first
    double valueTol = 0;
    double positionTol = 0;
};

Candidates candidatesOf(const Piecewise &f)
{
    const std::vector<double> &breaks = f.breakpoints();
    const std::vector<Polynomial> &pieces = f.pieces();
    const std::size_t n = pieces.size();

    // Each piece's values at its two ends, and how far it strays from its start: Σ|c_i|·h^i
    // bounds |p(t) − p(0)|. From them the range of the values at the breakpoints and a bound of
    // the diagram's largest magnitude.
    std::vector<double> start(n), end(n), variation(n, 0.0);
    double high = -HUGE_VAL, low = HUGE_VAL, bound = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const double h = breaks[k + 1] - breaks[k];
        start[k] = pieces[k](0);
        end[k] = pieces[k](h);
        double power = 1;
        for (int i = 1; i <= pieces[k].degree(); ++i) {
            power *= h;
            variation[k] += std::fabs(pieces[k].coefficient(i)) * power;
        }
        high = std::max({high, start[k], end[k]});
        low = std::min({low, start[k], end[k]});
        bound = std::max(bound, std::fabs(start[k]) + variation[k]);
    }

    // The largest magnitude at breakpoints and stationary points sets the tolerances. A piece
    // whose values all stay inside the breakpoints' range, farther than any tolerance from its
    // ends, can neither raise that magnitude nor come near an extreme: its stationary points are
    // not looked for. Every other piece is searched, so no extreme is missed.
    const double margin = 2 * valueTolerance * bound;
    std::vector<std::vector<double>> roots(n);
    double scale = std::max(std::fabs(high), std::fabs(low));
    for (std::size_t k = 0; k < n; ++k) {
        if (start[k] + variation[k] < high - margin && start[k] - variation[k] > low + margin)
            continue;
        roots[k] = realRoots(pieces[k].derivative(), 0, breaks[k + 1] - breaks[k]);
        for (double t : roots[k])
            scale = std::max(scale, std::fabs(pieces[k](t)));
    }
    const double valueTol = valueTolerance * scale;
    const double positionTol = positionTolerance * (f.end() - f.start());

    // In ascending x: each breakpoint (both sides of a jump), then the stationary points inside
    // the piece after it.
    std::vector<Candidate> candidates;
    candidates.reserve(2 * (n + 1));
    for (std::size_t k = 0; k <= n; ++k) {
        const bool hasLeft = k > 0;
        const bool hasRight = k < n;
        const double left = hasLeft ? end[k - 1] : 0.0;
        const double right = hasRight ? start[k] : 0.0;
        if (!hasLeft || !hasRight || std::fabs(left - right) <= valueTol) {
            const double a = hasLeft ? left : right;
            const double b = hasRight ? right : left;
            candidates.push_back({breaks[k], Side::Both, std::max(a, b), std::min(a, b), true});
        } else {
            candidates.push_back({breaks[k], Side::Left, left, left, true});
            candidates.push_back({breaks[k], Side::Right, right, right, true});
        }
        // A piece that varies by less than the tolerance is a plateau: its ends stand for it,
        // and the roots of its derivative are rounding noise.
        if (!hasRight || variation[k] <= valueTol)
            continue;
        const double h = breaks[k + 1] - breaks[k];
        for (double t : roots[k]) {
            if (t <= positionTol || t >= h - positionTol)
                continue;  // the breakpoint next to it is already a candidate
            const double value = pieces[k](t);
            candidates.push_back({breaks[k] + t, Side::Both, value, value, false});
        }
    }
    return {std::move(candidates), valueTol, positionTol};
}

// sign +1 for the largest value, −1 for the smallest.
Extreme extremeOf(const std::vector<Candidate> &candidates, double sign, double valueTol, double positionTol)
{
    const auto signedValue = [sign](const Candidate &c) { return sign > 0 ? c.high : -c.low; };
    double best = -HUGE_VAL;
    for (const Candidate &c : candidates)
        best = std::max(best, signedValue(c));

    Extreme extreme;
    // Rounding leaves a few ulps where the answer is zero (the deflection over a support, the
    // moment at a pin); such a value is within the tolerance of zero and is reported as 0.
    extreme.value = std::fabs(best) <= valueTol ? 0.0 : sign * best;
    const Candidate *kept = nullptr;
    for (const Candidate &c : candidates) {
        if (signedValue(c) < best - valueTol)
            continue;
        if (kept && c.x - kept->x <= positionTol) {
            // One position found twice: prefer the breakpoint, then the better value.
            const bool better = (c.atBreakpoint && !kept->atBreakpoint) ||
                                (c.atBreakpoint == kept->atBreakpoint && signedValue(c) > signedValue(*kept));
            if (better) {
                kept = &c;
                extreme.at.back() = {c.x, c.side};
            }
            continue;
        }
        kept = &c;
        extreme.at.push_back({c.x, c.side});
    }
    return extreme;
}

}  // namespace

Extremes extremes(const Piecewise &f)
{
    if (f.empty())
        return {};
    const Candidates c = candidatesOf(f);
    return {extremeOf(c.list, 1, c.valueTol, c.positionTol), extremeOf(c.list, -1, c.valueTol, c.positionTol)};
}

}  // namespace mechanics
