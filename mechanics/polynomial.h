#pragma once

// Polynomials in a local coordinate t, and their real roots on an interval. The diagrams of a
// member are polynomials of degree five at most, and all that is asked of their roots is where
// a derivative changes sign; a root finder of this size is written here rather than taken from
// a numerics library, which would bring a dependency for a few dozen lines.
//
// Every piece of a diagram is stored as a polynomial in t = x − x0 from the start x0 of its
// piece, never in the member coordinate x: near the right end of a long member, powers of x
// would cancel against each other and lose digits that the local form keeps.

#include <array>
#include <cassert>
#include <cstddef>
#include <initializer_list>
#include <vector>

namespace mechanics {

class Polynomial
{
public:
    // The most coefficients a polynomial holds: degree 7. A deflection under a linearly varying
    // load is of degree 5; nothing in a member's diagrams goes higher. The coefficients are kept
    // in the object itself, so that a diagram of many pieces costs no allocation per piece.
    static constexpr int Capacity = 8;

    // The zero polynomial.
    Polynomial() = default;
    // c[0] + c[1]·t + c[2]·t² + ...; at most Capacity coefficients (asserted).
    explicit Polynomial(const std::vector<double> &coefficients);
    Polynomial(std::initializer_list<double> coefficients) : m_size(coefficients.size())
    {
        assert(coefficients.size() <= m_c.size());
        std::size_t k = 0;
        for (double c : coefficients)
            m_c[k++] = c;
        trim();
    }

    // Index of the highest stored non-zero coefficient; −1 for the zero polynomial.
    int degree() const { return static_cast<int>(m_size) - 1; }
    std::vector<double> coefficients() const { return {m_c.begin(), m_c.begin() + m_size}; }
    // The coefficient of t^k; 0 beyond the stored ones.
    double coefficient(int k) const
    {
        return k >= 0 && k < static_cast<int>(m_size) ? m_c[static_cast<std::size_t>(k)] : 0.0;
    }

    // Value at t (Horner's scheme). Inline: the diagrams and their extremes evaluate pieces by
    // the thousand.
    double operator()(double t) const
    {
        double value = 0;
        for (std::size_t k = m_size; k > 0; --k)
            value = value * t + m_c[k - 1];
        return value;
    }

    Polynomial derivative() const;
    // The antiderivative that takes the value `atZero` at t = 0.
    Polynomial integral(double atZero = 0) const;
    // q(t) = p(t + d): the same function with its origin moved to d.
    Polynomial shifted(double d) const;
    // The first `terms` terms, c[0] + ... + c[terms − 1]·t^(terms − 1), without the higher ones.
    Polynomial truncated(int terms) const;

    Polynomial operator+(const Polynomial &other) const;
    Polynomial operator-(const Polynomial &other) const;
    Polynomial operator*(double factor) const;

private:
    // Drops the zero coefficients at the top.
    void trim()
    {
        while (m_size > 0 && m_c[m_size - 1] == 0)
            --m_size;
    }

    std::array<double, Capacity> m_c{};
    std::size_t m_size = 0;
};

// The real roots of p in [a, b] at which p changes sign, ascending, each found to machine
// precision: degree 1 and 2 in closed form (the quadratic in its cancellation-free form), higher
// degrees by splitting [a, b] at the roots of p' into stretches where p is monotone and bisecting
// every stretch whose ends differ in sign. Roots of even multiplicity, where p touches zero
// without crossing, are not reported (they are never an extreme of p's antiderivative). Terms
// too small to change p on [a, b] by more than rounding are dropped first, so a cubic whose t³
// term is rounding noise is solved as the quadratic it is. A polynomial that is zero throughout
// has no isolated roots and gives none. A value exactly zero at a or b counts as a root there.
//   realRoots(Polynomial({-2, 0, 1}), 0, 4) -> {1.4142135623730951}
std::vector<double> realRoots(const Polynomial &p, double a, double b);

}  // namespace mechanics
