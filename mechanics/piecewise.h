#pragma once

// A function of x on [x_0, x_n] made of polynomial pieces: the shape of every diagram of a
// member (shear, moment, slope, deflection), exact between the breakpoints where loads, supports
// or load ends sit.
//
// Piece k covers [x_k, x_k+1] and is a polynomial in the local coordinate t = x − x_k. At a
// breakpoint the function may jump (the shear under a point force, the moment under a couple):
// leftOf(x) and rightOf(x) give the two sides, and the plain value gives the right side, except
// at the right end, where only the left side exists.
//
//   Piecewise v({0, 2, 6}, {Polynomial({20.0 / 3}), Polynomial({-10.0 / 3})});  // shear of a span
//   v.leftOf(2) -> 6.667,  v.rightOf(2) -> -3.333,  v(5) -> -3.333
//   v.integral()(2) -> 13.333  (the moment under the load)

#include "mechanics/polynomial.h"

#include <cstddef>
#include <vector>

namespace mechanics {

class Piecewise
{
public:
    // The empty function, defined nowhere.
    Piecewise() = default;
    // Breakpoints strictly ascending, one polynomial fewer than breakpoints; polynomial k in
    // t = x − breakpoints[k]. Anything else is a programming error (asserted).
    Piecewise(std::vector<double> breakpoints, std::vector<Polynomial> pieces);
    // One polynomial in t = x − from over [from, to].
    static Piecewise single(double from, double to, Polynomial p);

    bool empty() const { return m_pieces.empty(); }
    double start() const { return m_breaks.front(); }
    double end() const { return m_breaks.back(); }
    const std::vector<double> &breakpoints() const { return m_breaks; }
    const std::vector<Polynomial> &pieces() const { return m_pieces; }

    // The value at x: the right side at a jump, the left side at the right end. x outside
    // [start, end] is taken at the nearer end.
    double operator()(double x) const;
    // The value approached from the left; at the start, the value there.
    double leftOf(double x) const;
    // The value approached from the right; at the end, the value there.
    double rightOf(double x) const;
    // rightOf(x) − leftOf(x): the jump at x (0 away from breakpoints and at both ends).
    double jumpAt(double x) const { return rightOf(x) - leftOf(x); }

    // Piece by piece; jumps of the function leave no trace in the derivative.
    Piecewise derivative() const;
    // The continuous antiderivative that is `atStart` at the start.
    Piecewise integral(double atStart = 0) const;
    // The sum on the union of both breakpoint sets; both must cover the same [start, end].
    Piecewise operator+(const Piecewise &other) const;
    Piecewise operator*(double factor) const;

private:
    std::size_t pieceOnLeft(double x) const;
    std::size_t pieceOnRight(double x) const;

    std::vector<double> m_breaks;
    std::vector<Polynomial> m_pieces;
};

}  // namespace mechanics
