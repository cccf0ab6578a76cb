#include "mechanics/polynomial.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <utility>

namespace mechanics {

Polynomial::Polynomial(const std::vector<double> &coefficients) : m_size(coefficients.size())
{
    assert(coefficients.size() <= m_c.size());
    std::copy(coefficients.begin(), coefficients.end(), m_c.begin());
    trim();
}

Polynomial Polynomial::derivative() const
{
    Polynomial d;
    for (std::size_t k = 1; k < m_size; ++k)
        d.m_c[k - 1] = static_cast<double>(k) * m_c[k];
    d.m_size = m_size > 0 ? m_size - 1 : 0;
    d.trim();
    return d;
}

Polynomial Polynomial::integral(double atZero) const
{
    assert(m_size < m_c.size());
    Polynomial i;
    i.m_c[0] = atZero;
    for (std::size_t k = 0; k < m_size; ++k)
        i.m_c[k + 1] = m_c[k] / static_cast<double>(k + 1);
    i.m_size = m_size + 1;
    i.trim();
    return i;
}

Polynomial Polynomial::shifted(double d) const
{
    // Taylor shift by repeated synthetic division: after pass i, c[i] is the i-th coefficient
    // about the new origin.
    Polynomial c = *this;
    const std::size_t n = m_size;
    for (std::size_t i = 0; i + 1 < n; ++i)
        for (std::size_t j = n - 1; j > i; --j)
            c.m_c[j - 1] += d * c.m_c[j];
    c.trim();
    return c;
}

Polynomial Polynomial::truncated(int terms) const
{
    Polynomial c = *this;
    c.m_size = std::min(m_size, static_cast<std::size_t>(std::max(terms, 0)));
    std::fill(c.m_c.begin() + static_cast<std::ptrdiff_t>(c.m_size), c.m_c.end(), 0.0);
    c.trim();
    return c;
}

Polynomial Polynomial::operator+(const Polynomial &other) const
{
    Polynomial sum;
    sum.m_size = std::max(m_size, other.m_size);
    for (std::size_t k = 0; k < sum.m_size; ++k)
        sum.m_c[k] = coefficient(static_cast<int>(k)) + other.coefficient(static_cast<int>(k));
    sum.trim();
    return sum;
}

Polynomial Polynomial::operator-(const Polynomial &other) const
{
    return *this + other * -1.0;
}

Polynomial Polynomial::operator*(double factor) const
{
    Polynomial c = *this;
    for (std::size_t k = 0; k < m_size; ++k)
        c.m_c[k] *= factor;
    c.trim();
    return c;
}

namespace {

// The roots found of a polynomial, kept without an allocation (root finding recurses through the
// derivatives of every searched piece of a diagram). Rounding can report a root at the start of
// a stretch beside one inside it, so a polynomial of degree d gives at most two more than its
// derivative: 12 for the highest degree, 7.
struct Roots {
    static constexpr std::size_t Most = 2 * Polynomial::Capacity;
    std::array<double, Most> t{};
    std::size_t count = 0;

    void push(double v)
    {
        assert(count < Most);
        t[count++] = v;
    }
    double *begin() { return t.data(); }
    double *end() { return t.data() + count; }
};

// Drops leading terms whose largest size on [a, b] is below rounding of the largest term, so
// that the degree used for root finding is the degree the values actually show.
Polynomial significantPart(const Polynomial &p, double a, double b)
{
    const double reach = std::max(std::fabs(a), std::fabs(b));
    const std::size_t terms = static_cast<std::size_t>(p.degree() + 1);
    std::array<double, Polynomial::Capacity> size{};  // |c_k|·reach^k: the largest the term t^k reaches
    double power = 1;
    double largest = 0;
    for (std::size_t k = 0; k < terms; ++k) {
        size[k] = std::fabs(p.coefficient(static_cast<int>(k))) * power;
        largest = std::max(largest, size[k]);
        power *= reach;
    }
    std::size_t kept = terms;
    while (kept > 0 && size[kept - 1] <= 1e-15 * largest)
        --kept;
    return kept == terms ? p : p.truncated(static_cast<int>(kept));
}

// The sign change of a monotone p between lo and hi, by bisection down to adjacent doubles:
// slower than Newton's method but it cannot leave the bracket, and a few dozen halvings per
// root cost nothing at the sizes of a member diagram.
double bisect(const Polynomial &p, double lo, double hi)
{
    const bool lowNegative = p(lo) < 0;
    for (int i = 0; i < 2100; ++i) {
        const double mid = lo + (hi - lo) / 2;
        if (mid <= lo || mid >= hi)
            break;
        const double value = p(mid);
        if (value == 0)
            return mid;
        // Either side as likely as the other: chosen without a branch to mispredict.
        const bool towardsHigh = (value < 0) == lowNegative;
        lo = towardsHigh ? mid : lo;
        hi = towardsHigh ? hi : mid;
    }
    return std::fabs(p(lo)) <= std::fabs(p(hi)) ? lo : hi;
}

Roots quadraticRoots(double c0, double c1, double c2)
{
    Roots roots;
    const double discriminant = c1 * c1 - 4 * c2 * c0;
    if (!(discriminant > 0))
        return roots;  // no real root, or a double root where the parabola only touches zero
    const double q = -0.5 * (c1 + std::copysign(std::sqrt(discriminant), c1));
    roots.push(q / c2);
    if (q != 0)
        roots.push(c0 / q);
    std::sort(roots.begin(), roots.end());
    return roots;
}

Roots rootsOf(const Polynomial &p, double a, double b)
{
    const Polynomial q = significantPart(p, a, b);
    Roots roots;
    const auto inside = [&](double t) { return t >= a && t <= b; };
    if (q.degree() <= 0) {
        return roots;
    } else if (q.degree() == 1) {
        const double t = -q.coefficient(0) / q.coefficient(1);
        if (inside(t))
            roots.push(t);
    } else if (q.degree() == 2) {
        for (double t : quadraticRoots(q.coefficient(0), q.coefficient(1), q.coefficient(2)))
            if (inside(t))
                roots.push(t);
    } else {
        std::array<double, Roots::Most + 2> ends{a};
        std::size_t count = 1;
        for (double t : rootsOf(q.derivative(), a, b))
            if (t > ends[count - 1] && t < b)
                ends[count++] = t;
        ends[count++] = b;
        for (std::size_t i = 0; i + 1 < count; ++i) {
            const double pLo = q(ends[i]);
            const double pHi = q(ends[i + 1]);
            if (i == 0 && pLo == 0)
                roots.push(a);
            if ((pLo < 0 && pHi > 0) || (pLo > 0 && pHi < 0)) {
                roots.push(bisect(q, ends[i], ends[i + 1]));
            } else if (pHi == 0) {
                // Exactly zero where two stretches meet: a root where the sign changes across it.
                const double beyond = i + 2 < count ? q(ends[i + 2]) : 0.0;
                if (i + 2 == count || (pLo < 0 && beyond > 0) || (pLo > 0 && beyond < 0))
                    roots.push(ends[i + 1]);
            }
        }
    }
    roots.count = static_cast<std::size_t>(std::unique(roots.begin(), roots.end()) - roots.begin());
    return roots;
}

}  // namespace

std::vector<double> realRoots(const Polynomial &p, double a, double b)
{
    Roots roots = rootsOf(p, a, b);
    return {roots.begin(), roots.end()};
}

}  // namespace mechanics
