#include "mechanics/linearsystem.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace mechanics {

namespace {

bool allFinite(const std::vector<double> &values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

}  // namespace

bool isFiniteSystem(const Matrix &a, const std::vector<double> &b)
{
    return std::all_of(a.begin(), a.end(), allFinite) && allFinite(b);
}

bool isFiniteSystem(const SquareMatrix &a, const std::vector<double> &b)
{
    return allFinite(a.entries) && allFinite(b);
}

std::optional<std::vector<double>> solveLinearSystem(Matrix a, std::vector<double> b, SystemFailure *failure)
{
    const std::size_t n = a.size();
    const bool square =
        std::all_of(a.begin(), a.end(), [n](const std::vector<double> &row) { return row.size() == n; });
    if (!square || b.size() != n) {
        if (failure)
            *failure = SystemFailure::Singular;
        return std::nullopt;
    }
    SquareMatrix block(n);
    for (std::size_t i = 0; i < n; ++i)
        std::copy(a[i].begin(), a[i].end(), block.entries.begin() + static_cast<std::ptrdiff_t>(i * n));
    return solveLinearSystem(std::move(block), std::move(b), failure);
}

std::optional<std::vector<double>> solveLinearSystem(SquareMatrix a, std::vector<double> b, SystemFailure *failure)
{
    const auto fail = [failure](SystemFailure why) -> std::optional<std::vector<double>> {
        if (failure)
            *failure = why;
        return std::nullopt;
    };
    if (failure)
        *failure = SystemFailure::None;
    const std::size_t n = a.n;
    if (b.size() != n || a.entries.size() != n * n)
        return fail(SystemFailure::Singular);
    if (!isFiniteSystem(a, b))
        return fail(SystemFailure::NotFinite);
    double *const entries = a.entries.data();
    const auto row = [entries, n](std::size_t i) { return entries + i * n; };

    // Equilibrate: every row, then every column, to a largest magnitude of 1. A zero row or
    // column means an equation without unknowns or an unknown in no equation: singular.
    for (std::size_t i = 0; i < n; ++i) {
        double *const r = row(i);
        double largest = 0;
        for (std::size_t j = 0; j < n; ++j)
            largest = std::max(largest, std::fabs(r[j]));
        if (largest == 0)
            return fail(SystemFailure::Singular);
        for (std::size_t j = 0; j < n; ++j)
            r[j] /= largest;
        b[i] /= largest;
    }
    std::vector<double> columnScale(n, 0.0);
    for (std::size_t j = 0; j < n; ++j) {
        for (std::size_t i = 0; i < n; ++i)
            columnScale[j] = std::max(columnScale[j], std::fabs(row(i)[j]));
        if (columnScale[j] == 0)
            return fail(SystemFailure::Singular);
        for (std::size_t i = 0; i < n; ++i)
            row(i)[j] /= columnScale[j];
    }

    constexpr double singular = 1e-12;
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t pivot = k;
        for (std::size_t i = k + 1; i < n; ++i)
            if (std::fabs(row(i)[k]) > std::fabs(row(pivot)[k]))
                pivot = i;
        if (std::fabs(row(pivot)[k]) <= singular)
            return fail(SystemFailure::Singular);
        // Left of column k both rows hold what elimination left there, which is never read again.
        std::swap_ranges(row(k) + k, row(k) + n, row(pivot) + k);
        std::swap(b[k], b[pivot]);
        const double *const top = row(k);
        for (std::size_t i = k + 1; i < n; ++i) {
            double *const r = row(i);
            const double factor = r[k] / top[k];
            if (factor == 0)
                continue;
            for (std::size_t j = k; j < n; ++j)
                r[j] -= factor * top[j];
            b[i] -= factor * b[k];
        }
    }
    std::vector<double> x(n, 0.0);
    for (std::size_t k = n; k-- > 0;) {
        const double *const r = row(k);
        double sum = b[k];
        for (std::size_t j = k + 1; j < n; ++j)
            sum -= r[j] * x[j];
        x[k] = sum / r[k];
    }
    for (std::size_t j = 0; j < n; ++j)
        x[j] /= columnScale[j];
    if (!allFinite(x))
        return fail(SystemFailure::NotFinite);
    return x;
}

}  // namespace mechanics
