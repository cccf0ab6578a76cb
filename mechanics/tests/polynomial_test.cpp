// Polynomials in a local coordinate, their roots, and the small linear systems of the solvers.

#include "mechanics/linearsystem.h"
#include "mechanics/polynomial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace mechanics;

// (t − r1)(t − r2)... expanded, from the roots.
Polynomial fromRoots(const std::vector<double> &roots, double lead = 1)
{
    Polynomial p({lead});
    for (double r : roots) {
        std::vector<double> c(p.coefficients().size() + 1, 0.0);
        for (std::size_t k = 0; k < p.coefficients().size(); ++k) {
            c[k + 1] += p.coefficients()[k];
            c[k] -= r * p.coefficients()[k];
        }
        p = Polynomial(c);
    }
    return p;
}

TEST(polynomial, calculusAndShiftAgreeWithHandValues)
{
    const Polynomial p({1, -3, 0, 2});  // 1 − 3t + 2t³
    EXPECT_EQ(p.degree(), 3);
    EXPECT_DOUBLE_EQ(p(2), 11);
    EXPECT_DOUBLE_EQ(p.derivative()(2), 21);            // −3 + 6t²
    EXPECT_DOUBLE_EQ(p.integral(5)(2), 5 + 2 - 6 + 8);  // 5 + t − 1.5t² + 0.5t⁴
    const Polynomial q = p.shifted(1.5);
    for (double t : {-2.0, 0.0, 0.25, 3.0})
        EXPECT_NEAR(q(t), p(t + 1.5), 1e-12 * (1 + std::fabs(p(t + 1.5))));
    EXPECT_EQ(Polynomial({0, 0, 0}).degree(), -1);
    EXPECT_EQ((p - p).degree(), -1);
}

TEST(polynomial, rootsOfEveryDegreeAreFoundToMachinePrecision)
{
    const struct {
        const char *name;
        std::vector<double> roots;
        double a, b;
        std::vector<double> expected;
        double tolerance = 1e-13;  // relative to b − a
    } table[] = {
        {"linear", {0.3}, 0, 1, {0.3}},
        {"quadratic with both roots inside", {0.25, 0.75}, 0, 1, {0.25, 0.75}},
        {"quadratic with one root outside", {-1, 0.5}, 0, 1, {0.5}},
        {"cubic", {0.1, 0.2, 0.9}, 0, 1, {0.1, 0.2, 0.9}},
        // close roots are ill-conditioned in the coefficients themselves: rounding them moves the
        // roots by about eps·|p|/|p'| ≈ 1e-12
        {"quartic with close roots", {1, 1.001, 2, 3}, 0, 4, {1, 1.001, 2, 3}, 1e-11},
        {"quartic on a long member", {1.5, 3.75, 6, 7}, 0, 7.5, {1.5, 3.75, 6, 7}},
        {"cubic with a double root reports the simple one", {0.5, 0.5, 0.8}, 0, 1, {0.8}},
        {"roots on both ends count", {0, 2, 1}, 0, 2, {0, 1, 2}},
    };
    for (const auto &c : table) {
        SCOPED_TRACE(c.name);
        const std::vector<double> found = realRoots(fromRoots(c.roots, -2.5), c.a, c.b);
        ASSERT_EQ(found.size(), c.expected.size());
        for (std::size_t i = 0; i < found.size(); ++i)
            EXPECT_NEAR(found[i], c.expected[i], c.tolerance * (c.b - c.a));
    }
}

TEST(polynomial, roundingNoiseInTheLeadingTermDoesNotInventRoots)
{
    // 1 − t² with a t³ term of rounding size: still the roots ±1 only, not a far-off third one.
    const Polynomial p({1, 0, -1, 1e-19});
    const std::vector<double> roots = realRoots(p, -2, 2);
    ASSERT_EQ(roots.size(), 2u);
    EXPECT_DOUBLE_EQ(roots[0], -1);
    EXPECT_DOUBLE_EQ(roots[1], 1);
    EXPECT_TRUE(realRoots(Polynomial(), 0, 1).empty());
    EXPECT_TRUE(realRoots(Polynomial({3}), 0, 1).empty());
    EXPECT_TRUE(realRoots(Polynomial({1, 0, 1}), -5, 5).empty());
}

TEST(linearsystem, solvesWithPivotingAndRefusesSingularSystems)
{
    const auto x = solveLinearSystem({{2, 1}, {1, 3}}, {3, 5});
    ASSERT_TRUE(x);
    EXPECT_DOUBLE_EQ((*x)[0], 0.8);
    EXPECT_DOUBLE_EQ((*x)[1], 1.4);

    // A zero first pivot and rows of very different size (forces and moments of a long span).
    const auto y = solveLinearSystem({{0, 1, 1}, {1e6, 2e6, 0}, {1, 0, 4}}, {3, 5e6, 5});
    ASSERT_TRUE(y);
    EXPECT_NEAR((*y)[0], 1, 1e-14);
    EXPECT_NEAR((*y)[1], 2, 1e-14);
    EXPECT_NEAR((*y)[2], 1, 1e-14);

    EXPECT_FALSE(solveLinearSystem({{1, 2}, {2, 4}}, {1, 2}));
    EXPECT_FALSE(solveLinearSystem({{1, 0}, {0, 0}}, {1, 0}));
    EXPECT_FALSE(solveLinearSystem({{1, std::numeric_limits<double>::infinity()}, {0, 1}}, {1, 1}));
    EXPECT_FALSE(solveLinearSystem({{1, 2}}, {1}));
}

}  // namespace
