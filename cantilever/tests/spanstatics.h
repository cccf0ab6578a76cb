#pragma once

// A simply supported span worked out from first principles, to check the handbook formulas:
// the moment diagram from equilibrium, the mid-span deflection by virtual work (a unit load
// at mid-span), and, for a load symmetric about mid-span, the fixed-end moment that makes the
// end slopes vanish: the mean of the simply supported moment diagram.

#include <algorithm>
#include <vector>

namespace cantilever::tests {

class SpanStatics
{
public:
    explicit SpanStatics(double span) : m_l(span) {}

    SpanStatics &pointLoad(double force, double at)
    {
        m_points.push_back({at, at, force, 0});
        return *this;
    }
    // A line load varying linearly from q1 at x1 to q2 at x2.
    SpanStatics &lineLoad(double x1, double q1, double x2, double q2)
    {
        m_lines.push_back({x1, x2, q1, q2});
        return *this;
    }

    double simpleMoment(double x) const { return ((loadMomentAbout(m_l) / m_l) * x) - loadMomentAbout(x); }
    double midDeflectionEI() const
    {
        return integrate([this](double x) { return simpleMoment(x) * (std::min(x, m_l - x) / 2); });
    }
    double symmetricFixedEndMoment() const
    {
        return integrate([this](double x) { return simpleMoment(x); }) / m_l;
    }

private:
    struct Load {
        double x1, x2, q1, q2;  // a point load: force q1 at x1
    };

    // Moment about the section x of the loads to its left.
    double loadMomentAbout(double x) const
    {
        double sum = 0;
        for (const Load &p : m_points)
            sum += p.x1 < x ? p.q1 * (x - p.x1) : 0;
        for (const Load &q : m_lines) {
            const double u = std::min(x, q.x2) - q.x1, d = x - q.x1, k = (q.q2 - q.q1) / (q.x2 - q.x1);
            if (u > 0)
                sum += (q.q1 * ((d * u) - ((u * u) / 2))) + (k * (((d * u * u) / 2) - ((u * u * u) / 3)));
        }
        return sum;
    }
    // Simpson's rule on 2400 panels: the integrands are piecewise polynomials of degree four
    // at most, with their kinks on panel-pair boundaries (multiples of l / 1200) here.
    template <typename F> double integrate(F f) const
    {
        constexpr int n = 2400;
        const double h = m_l / n;
        double sum = f(0) + f(m_l);
        for (int i = 1; i < n; ++i)
            sum += (i % 2 == 1 ? 4 : 2) * f(i * h);
        return (sum * h) / 3;
    }

    double m_l;
    std::vector<Load> m_points;
    std::vector<Load> m_lines;
};

} // namespace cantilever::tests
