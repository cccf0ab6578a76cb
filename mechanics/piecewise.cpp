#include "mechanics/piecewise.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <functional>
#include <iterator>
#include <utility>

namespace mechanics {

Piecewise::Piecewise(std::vector<double> breakpoints, std::vector<Polynomial> pieces)
    : m_breaks(std::move(breakpoints)), m_pieces(std::move(pieces))
{
    assert(m_pieces.empty() ? m_breaks.empty() : m_breaks.size() == m_pieces.size() + 1);
    assert(std::adjacent_find(m_breaks.begin(), m_breaks.end(), std::greater_equal<double>()) == m_breaks.end());
}

Piecewise Piecewise::single(double from, double to, Polynomial p)
{
    return Piecewise({from, to}, {std::move(p)});
}

std::size_t Piecewise::pieceOnRight(double x) const
{
    const auto above = std::upper_bound(m_breaks.begin(), m_breaks.end(), x);
    const auto k = static_cast<std::size_t>(std::max<std::ptrdiff_t>(above - m_breaks.begin() - 1, 0));
    return std::min(k, m_pieces.size() - 1);
}

std::size_t Piecewise::pieceOnLeft(double x) const
{
    const auto atOrAbove = std::lower_bound(m_breaks.begin(), m_breaks.end(), x);
    const auto k = static_cast<std::size_t>(std::max<std::ptrdiff_t>(atOrAbove - m_breaks.begin() - 1, 0));
    return std::min(k, m_pieces.size() - 1);
}

double Piecewise::operator()(double x) const
{
    return rightOf(x);
}

double Piecewise::leftOf(double x) const
{
    assert(!empty());
    x = std::clamp(x, start(), end());
    const std::size_t k = pieceOnLeft(x);
    return m_pieces[k](x - m_breaks[k]);
}

double Piecewise::rightOf(double x) const
{
    assert(!empty());
    x = std::clamp(x, start(), end());
    const std::size_t k = pieceOnRight(x);
    return m_pieces[k](x - m_breaks[k]);
}

Piecewise Piecewise::derivative() const
{
    std::vector<Polynomial> d;
    for (const Polynomial &p : m_pieces)
        d.push_back(p.derivative());
    return Piecewise(m_breaks, std::move(d));
}

Piecewise Piecewise::integral(double atStart) const
{
    std::vector<Polynomial> i;
    double value = atStart;
    for (std::size_t k = 0; k < m_pieces.size(); ++k) {
        i.push_back(m_pieces[k].integral(value));
        value = i.back()(m_breaks[k + 1] - m_breaks[k]);
    }
    return Piecewise(m_breaks, std::move(i));
}

Piecewise Piecewise::operator+(const Piecewise &other) const
{
    if (empty())
        return other;
    if (other.empty())
        return *this;
    assert(start() == other.start() && end() == other.end());
    std::vector<double> breaks;
    std::set_union(m_breaks.begin(), m_breaks.end(), other.m_breaks.begin(), other.m_breaks.end(),
                   std::back_inserter(breaks));
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
    std::vector<Polynomial> sum;
    for (std::size_t k = 0; k + 1 < breaks.size(); ++k) {
        // Each summand's piece that covers [breaks[k], breaks[k+1]], moved to its start.
        const double mid = breaks[k] + (breaks[k + 1] - breaks[k]) / 2;
        const std::size_t a = pieceOnRight(mid);
        const std::size_t b = other.pieceOnRight(mid);
        sum.push_back(m_pieces[a].shifted(breaks[k] - m_breaks[a]) +
                      other.m_pieces[b].shifted(breaks[k] - other.m_breaks[b]));
    }
    return Piecewise(std::move(breaks), std::move(sum));
}

Piecewise Piecewise::operator*(double factor) const
{
    std::vector<Polynomial> scaled;
    for (const Polynomial &p : m_pieces)
        scaled.push_back(p * factor);
    return Piecewise(m_breaks, std::move(scaled));
}

}  // namespace mechanics
