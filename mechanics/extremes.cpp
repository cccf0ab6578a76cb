#include "mechanics/extremes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

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

// What a piece shows at its two ends, and how far it strays from its start: Σ|c_i|·h^i bounds
// |p(t) − p(0)|. How far it strays from the straight line between its ends: Σ_{i≥2} |c_i|·h^i
// bounds |p(t) − p(0) − (p(h) − p(0))·t/h|, since every term c_i·t^i differs from its own chord
// c_i·h^(i−1)·t by at most |c_i|·h^i; the linear term, which the first bound carries whole and
// which dominates the slope and the deflection of a piece, has no part in it.
struct PieceEnds {
    double start = 0;
    double end = 0;
    double variation = 0;
    double curvature = 0;
};

// A stationary point of a piece: its position in the piece and the value there.
struct Stationary {
    double t = 0;
    double value = 0;
};

// The candidates of a diagram, in ascending x (the left side of a jump first): each breakpoint
// (both sides of a jump), then the stationary points inside the piece after it. They are not
// kept in a list: their largest and smallest values are known from the pieces, and they are
// handed out once, in that order, to gather where those are attained.
class CandidatesOf
{
public:
    explicit CandidatesOf(const Piecewise &f) : m_f(f)
    {
        const std::vector<double> &breaks = f.breakpoints();
        const std::vector<Polynomial> &pieces = f.pieces();
        const std::size_t n = pieces.size();

        // Each piece's values at its two ends and its variation. From them the range of the
        // values at the breakpoints and a bound of the diagram's largest magnitude.
        m_ends.resize(n);
        double high = -HUGE_VAL, low = HUGE_VAL, bound = 0;
        for (std::size_t k = 0; k < n; ++k) {
            const double h = breaks[k + 1] - breaks[k];
            PieceEnds &e = m_ends[k];
            e.start = pieces[k](0);
            e.end = pieces[k](h);
            double power = 1;
            for (int i = 1; i <= pieces[k].degree(); ++i) {
                power *= h;
                const double reach = std::fabs(pieces[k].coefficient(i)) * power;
                e.variation += reach;
                if (i >= 2)
                    e.curvature += reach;
            }
            high = std::max({high, e.start, e.end});
            low = std::min({low, e.start, e.end});
            bound = std::max(bound, std::fabs(e.start) + e.variation);
        }

        // The largest magnitude at breakpoints and stationary points sets the tolerances. A
        // piece whose values all stay inside the breakpoints' range, farther than any tolerance
        // from its ends, can neither raise that magnitude nor come near an extreme: its
        // stationary points are not looked for; either bound of its straying shows it. Every
        // other piece is searched, so no extreme is missed.
        const double margin = 2 * valueTolerance * bound;
        m_firstStationary.assign(n + 1, 0);
        double scale = std::max(std::fabs(high), std::fabs(low));
        for (std::size_t k = 0; k < n; ++k) {
            m_firstStationary[k] = m_stationary.size();
            const PieceEnds &e = m_ends[k];
            if (e.start + e.variation < high - margin && e.start - e.variation > low + margin)
                continue;
            if (std::max(e.start, e.end) + e.curvature < high - margin &&
                std::min(e.start, e.end) - e.curvature > low + margin)
                continue;
            for (double t : realRoots(pieces[k].derivative(), 0, breaks[k + 1] - breaks[k])) {
                const double value = pieces[k](t);
                m_stationary.push_back({t, value});
                scale = std::max(scale, std::fabs(value));
            }
        }
        m_firstStationary[n] = m_stationary.size();
        m_valueTol = valueTolerance * scale;
        m_positionTol = positionTolerance * (f.end() - f.start());

        // Every value at a breakpoint is a candidate's (the two sides of a jump, or the higher
        // and lower of them): the candidates reach from the breakpoints' range to the
        // stationary points handed out beyond it.
        m_highest = high;
        m_lowest = low;
        for (std::size_t k = 0; k < n; ++k)
            forEachStationary(k, [this](double, double value) {
                m_highest = std::max(m_highest, value);
                m_lowest = std::min(m_lowest, value);
            });
    }

    double valueTol() const { return m_valueTol; }
    double positionTol() const { return m_positionTol; }
    // The largest and the smallest value of all the candidates.
    double highest() const { return m_highest; }
    double lowest() const { return m_lowest; }

    // Calls take(candidate) for every candidate in ascending x.
    template <typename Take> void forEach(Take &&take) const
    {
        const std::vector<double> &breaks = m_f.breakpoints();
        const std::size_t n = m_ends.size();
        for (std::size_t k = 0; k <= n; ++k) {
            const bool hasLeft = k > 0;
            const bool hasRight = k < n;
            const double left = hasLeft ? m_ends[k - 1].end : 0.0;
            const double right = hasRight ? m_ends[k].start : 0.0;
            if (!hasLeft || !hasRight || std::fabs(left - right) <= m_valueTol) {
                const double a = hasLeft ? left : right;
                const double b = hasRight ? right : left;
                take(Candidate{breaks[k], Side::Both, std::max(a, b), std::min(a, b), true});
            } else {
                take(Candidate{breaks[k], Side::Left, left, left, true});
                take(Candidate{breaks[k], Side::Right, right, right, true});
            }
            if (hasRight)
                forEachStationary(k, [&](double x, double value) {
                    take(Candidate{x, Side::Both, value, value, false});
                });
        }
    }

private:
    // Calls take(x, value) for every stationary point inside piece k that is a candidate.
    template <typename Take> void forEachStationary(std::size_t k, Take &&take) const
    {
        // A piece that varies by less than the tolerance is a plateau: its ends stand for it,
        // and the roots of its derivative are rounding noise.
        if (m_ends[k].variation <= m_valueTol)
            return;
        const std::vector<double> &breaks = m_f.breakpoints();
        const double h = breaks[k + 1] - breaks[k];
        for (std::size_t r = m_firstStationary[k]; r < m_firstStationary[k + 1]; ++r) {
            const Stationary &s = m_stationary[r];
            if (s.t <= m_positionTol || s.t >= h - m_positionTol)
                continue;  // the breakpoint next to it is already a candidate
            take(breaks[k] + s.t, s.value);
        }
    }

    const Piecewise &m_f;
    std::vector<PieceEnds> m_ends;
    std::vector<Stationary> m_stationary;        // of the pieces searched, piece by piece
    std::vector<std::size_t> m_firstStationary;  // piece k's are [first[k], first[k + 1])
    double m_valueTol = 0;
    double m_positionTol = 0;
    double m_highest = 0;
    double m_lowest = 0;
};

// Gathers one extreme from the candidates handed to it in ascending x. sign +1 for the largest
// value, −1 for the smallest; `best` is the largest signed value of all the candidates.
class ExtremeOf
{
public:
    ExtremeOf(double sign, double best, double valueTol, double positionTol)
        : m_sign(sign), m_best(best), m_valueTol(valueTol), m_positionTol(positionTol)
    {
        // Rounding leaves a few ulps where the answer is zero (the deflection over a support,
        // the moment at a pin); such a value is within the tolerance of zero and is reported as 0.
        m_extreme.value = std::fabs(best) <= valueTol ? 0.0 : sign * best;
    }

    static double signedValue(double sign, const Candidate &c) { return sign > 0 ? c.high : -c.low; }

    void take(const Candidate &c)
    {
        if (signedValue(m_sign, c) < m_best - m_valueTol)
            return;
        if (m_hasKept && c.x - m_kept.x <= m_positionTol) {
            // One position found twice: prefer the breakpoint, then the better value.
            const bool better =
                (c.atBreakpoint && !m_kept.atBreakpoint) ||
                (c.atBreakpoint == m_kept.atBreakpoint && signedValue(m_sign, c) > signedValue(m_sign, m_kept));
            if (better) {
                m_kept = c;
                m_extreme.at.back() = {c.x, c.side};
            }
            return;
        }
        m_kept = c;
        m_hasKept = true;
        m_extreme.at.push_back({c.x, c.side});
    }

    Extreme &&extreme() { return std::move(m_extreme); }

private:
    double m_sign;
    double m_best;
    double m_valueTol;
    double m_positionTol;
    Candidate m_kept;
    bool m_hasKept = false;
    Extreme m_extreme;
};

}  // namespace

Extremes extremes(const Piecewise &f)
{
    if (f.empty())
        return {};
    const CandidatesOf candidates(f);
    ExtremeOf largest(1, candidates.highest(), candidates.valueTol(), candidates.positionTol());
    ExtremeOf smallest(-1, -candidates.lowest(), candidates.valueTol(), candidates.positionTol());
    candidates.forEach([&](const Candidate &c) {
        largest.take(c);
        smallest.take(c);
    });
    return {largest.extreme(), smallest.extreme()};
}

}  // namespace mechanics
