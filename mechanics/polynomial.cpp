#include "mechanics/polynomial.h"

#include <algorithm>
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

Polynomial::Polynomial(std::initializer_list<double> coefficients) : m_size(coefficients.size())
{
    assert(coefficients.size() <= m_c.size());
    std::copy(coefficients.begin(), coefficients.end(), m_c.begin());
    trim();
}

void Polynomial::trim()
{
    while (m_size > 0 && m_c[m_size - 1] == 0)
        --m_size;
}

double Polynomial::operator()(double t) const
{
    double value = 0;
    for (std::size_t k = m_size; k > 0; --k)
        value = value * t + m_c[k - 1];
    return value;
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

// Drops leading terms whose largest size on [a, b] is below rounding of the largest term, so
// that the degree used for root finding is the degree the values actually show.
Polynomial significantPart(const Polynomial &p, double a, double b)
{
    const double reach = std::max(std::fabs(a), std::fabs(b));
    std::vector<double> c = p.coefficients();
    std::vector<double> size(c.size());  // |c_k|·reach^k: the largest the term t^k reaches
    double power = 1;
    double largest = 0;
    for (std::size_t k = 0; k < c.size(); ++k) {
        size[k] = std::fabs(c[k]) * power;
        largest = std::max(largest, size[k]);
        power *= reach;
    }
    while (!c.empty() && size[c.size() - 1] <= 1e-15 * largest)
        c.pop_back();
    return Polynomial(std::move(c));
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
        if ((value < 0) == lowNegative)
            lo = mid;
        else
            hi = mid;
    }
    return std::fabs(p(lo)) <= std::fabs(p(hi)) ? lo : hi;
}

std::vector<double> quadraticRoots(double c0, double c1, double c2)
{
    const double discriminant = c1 * c1 - 4 * c2 * c0;
    if (!(discriminant > 0))
        return {};  // no real root, or a double root where the parabola only touches zero
    const double q = -0.5 * (c1 + std::copysign(std::sqrt(discriminant), c1));
    std::vector<double> roots{q / c2};
    if (q != 0)
        roots.push_back(c0 / q);
    std::sort(roots.begin(), roots.end());
    return roots;
}

}  // namespace

std::vector<double> realRoots(const Polynomial &p, double a, double b)
{
    const Polynomial q = significantPart(p, a, b);
    std::vector<double> roots;
    const auto inside = [&](double t) { return t >= a && t <= b; };
    if (q.degree() <= 0) {
        return roots;
    } else if (q.degree() == 1) {
        const double t = -q.coefficient(0) / q.coefficient(1);
        if (inside(t))
            roots.push_back(t);
    } else if (q.degree() == 2) {
        for (double t : quadraticRoots(q.coefficient(0), q.coefficient(1), q.coefficient(2)))
            if (inside(t))
                roots.push_back(t);
    } else {
        std::vector<double> ends{a};
        for (double t : realRoots(q.derivative(), a, b))
            if (t > ends.back() && t < b)
                ends.push_back(t);
        ends.push_back(b);
        for (std::size_t i = 0; i + 1 < ends.size(); ++i) {
            const double pLo = q(ends[i]);
            const double pHi = q(ends[i + 1]);
            if (i == 0 && pLo == 0)
                roots.push_back(a);
            if ((pLo < 0 && pHi > 0) || (pLo > 0 && pHi < 0)) {
                roots.push_back(bisect(q, ends[i], ends[i + 1]));
            } else if (pHi == 0) {
                // Exactly zero where two stretches meet: a root where the sign changes across it.
                const double beyond = i + 2 < ends.size() ? q(ends[i + 2]) : 0.0;
                if (i + 2 == ends.size() || (pLo < 0 && beyond > 0) || (pLo > 0 && beyond < 0))
                    roots.push_back(ends[i + 1]);
            }
        }
    }
    roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
    return roots;
}

}  // namespace mechanics
