#include "mechanics/linearsystem.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace mechanics {

bool isFiniteSystem(const Matrix &a, const std::vector<double> &b)
{
    for (const std::vector<double> &row : a)
        for (double v : row)
            if (!std::isfinite(v))
                return false;
    for (double v : b)
        if (!std::isfinite(v))
            return false;
    return true;
}

std::optional<std::vector<double>> solveLinearSystem(Matrix a, std::vector<double> b, SystemFailure *failure)
{
    const auto fail = [failure](SystemFailure why) -> std::optional<std::vector<double>> {
        if (failure)
            *failure = why;
        return std::nullopt;
    };
    if (failure)
        *failure = SystemFailure::None;
    const std::size_t n = a.size();
    if (b.size() != n)
        return fail(SystemFailure::Singular);
    for (std::size_t i = 0; i < n; ++i)
        if (a[i].size() != n)
            return fail(SystemFailure::Singular);
    if (!isFiniteSystem(a, b))
        return fail(SystemFailure::NotFinite);

    // Equilibrate: every row, then every column, to a largest magnitude of 1. A zero row or
    // column means an equation without unknowns or an unknown in no equation: singular.
    for (std::size_t i = 0; i < n; ++i) {
        double largest = 0;
        for (double v : a[i])
            largest = std::max(largest, std::fabs(v));
        if (largest == 0)
            return fail(SystemFailure::Singular);
        for (double &v : a[i])
            v /= largest;
        b[i] /= largest;
    }
    std::vector<double> columnScale(n, 0.0);
    for (std::size_t j = 0; j < n; ++j) {
        for (std::size_t i = 0; i < n; ++i)
            columnScale[j] = std::max(columnScale[j], std::fabs(a[i][j]));
        if (columnScale[j] == 0)
            return fail(SystemFailure::Singular);
        for (std::size_t i = 0; i < n; ++i)
            a[i][j] /= columnScale[j];
    }

    constexpr double singular = 1e-12;
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t pivot = k;
        for (std::size_t i = k + 1; i < n; ++i)
            if (std::fabs(a[i][k]) > std::fabs(a[pivot][k]))
                pivot = i;
        if (std::fabs(a[pivot][k]) <= singular)
            return fail(SystemFailure::Singular);
        std::swap(a[k], a[pivot]);
        std::swap(b[k], b[pivot]);
        for (std::size_t i = k + 1; i < n; ++i) {
            const double factor = a[i][k] / a[k][k];
            if (factor == 0)
                continue;
            for (std::size_t j = k; j < n; ++j)
                a[i][j] -= factor * a[k][j];
            b[i] -= factor * b[k];
        }
    }
    std::vector<double> x(n, 0.0);
    for (std::size_t k = n; k-- > 0;) {
        double sum = b[k];
        for (std::size_t j = k + 1; j < n; ++j)
            sum -= a[k][j] * x[j];
        x[k] = sum / a[k][k];
    }
    for (std::size_t j = 0; j < n; ++j)
        x[j] /= columnScale[j];
    for (double v : x)
        if (!std::isfinite(v))
            return fail(SystemFailure::NotFinite);
    return x;
}

}  // namespace mechanics
