#pragma once

// Small dense linear systems: the handful of unknown reactions, rotations and integration
// constants of one member or frame. A dozen unknowns at most, solved once per diagram, so a
// plain Gaussian elimination written here serves better than a linear-algebra dependency.

#include <cstddef>
#include <optional>
#include <vector>

namespace mechanics {

// Row-major square matrix.
using Matrix = std::vector<std::vector<double>>;

// A square matrix in one block, row after row: what a solver fills column by column and solves
// at every keystroke, without an allocation per row.
struct SquareMatrix {
    explicit SquareMatrix(std::size_t size) : n(size), entries(size * size, 0.0) {}
    double &operator()(std::size_t i, std::size_t j) { return entries[i * n + j]; }
    double operator()(std::size_t i, std::size_t j) const { return entries[i * n + j]; }

    std::size_t n;
    std::vector<double> entries;
};

// Why a system has no solution: singular (or too near it to trust any digit), or its numbers or
// its solution leave the range of a double.
enum class SystemFailure { None, Singular, NotFinite };

// Solves a·x = b by Gaussian elimination with partial pivoting after equilibration: rows and
// then columns are scaled to a largest entry of 1, so that equations in forces, moments and
// displacements, and unknowns in forces and rotations, weigh alike. No solution where a pivot
// falls below 1e-12 of the equilibrated scale: the system is singular or too near it to trust
// any digit. Also no solution for a non-square or non-finite input, or where the solution
// overflows. `failure`, where given, says which.
//   solveLinearSystem({{2, 1}, {1, 3}}, {3, 5}) -> {0.8, 1.4}
std::optional<std::vector<double>> solveLinearSystem(Matrix a, std::vector<double> b, SystemFailure *failure = nullptr);
// The same for a matrix in one block, with the same operations in the same order, so the same
// digits.
std::optional<std::vector<double>> solveLinearSystem(SquareMatrix a, std::vector<double> b,
                                                     SystemFailure *failure = nullptr);

// True where every entry of a and b is a finite number: a member whose equations overflow
// (a span of 1e200 mm cubed) is too large to solve, which is not the same as a mechanism.
bool isFiniteSystem(const Matrix &a, const std::vector<double> &b);
bool isFiniteSystem(const SquareMatrix &a, const std::vector<double> &b);
// The reason given for such a member.
inline constexpr const char *TooLargeToSolve =
    "its numbers leave the range of a double (lengths, loads or stiffness too large or too small)";

}  // namespace mechanics
