#include "mechanics/sampling.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace mechanics {

namespace {

constexpr double jumpTolerance = 1e-12;      // relative to a function's largest breakpoint value
constexpr double positionTolerance = 1e-12;  // relative to the length

double largestAtBreakpoints(const Piecewise &f)
{
    double largest = 0;
    for (double x : f.breakpoints())
        largest = std::max({largest, std::fabs(f.leftOf(x)), std::fabs(f.rightOf(x))});
    return largest;
}

}  // namespace

std::vector<Sample> samplePositions(const std::vector<const Piecewise *> &functions, int intervals)
{
    if (functions.empty() || functions.front()->empty())
        return {};
    const Piecewise &first = *functions.front();
    const double start = first.start();
    const double length = first.end() - start;
    const int n = std::max(intervals, 1);

    std::vector<double> breaks;
    for (const Piecewise *f : functions)
        breaks.insert(breaks.end(), f->breakpoints().begin(), f->breakpoints().end());
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());

    std::vector<double> tolerance;
    for (const Piecewise *f : functions)
        tolerance.push_back(jumpTolerance * largestAtBreakpoints(*f));
    std::vector<Sample> samples;
    for (double x : breaks) {
        bool jumps = false;
        for (std::size_t i = 0; i < functions.size(); ++i)
            jumps = jumps || std::fabs(functions[i]->jumpAt(x)) > tolerance[i];
        if (jumps) {
            samples.push_back({x, Side::Left});
            samples.push_back({x, Side::Right});
        } else {
            samples.push_back({x, Side::Both});
        }
    }
    for (int i = 0; i <= n; ++i) {
        const double x = i == n ? first.end() : start + length * i / n;
        const auto near = std::lower_bound(breaks.begin(), breaks.end(), x);
        const bool covered = (near != breaks.end() && *near - x <= positionTolerance * length) ||
                             (near != breaks.begin() && x - *(near - 1) <= positionTolerance * length);
        if (!covered)
            samples.push_back({x, Side::Both});
    }
    std::stable_sort(samples.begin(), samples.end(), [](const Sample &a, const Sample &b) { return a.x < b.x; });
    return samples;
}

double valueAt(const Piecewise &f, const Sample &at)
{
    return at.side == Side::Left ? f.leftOf(at.x) : f.rightOf(at.x);
}

std::vector<BeamSample> sampleBeam(const BeamSolution &solution, int intervals)
{
    std::vector<BeamSample> rows;
    for (const Sample &s : samplePositions({&solution.shear, &solution.moment}, intervals)) {
        BeamSample row;
        row.x = s.x;
        row.shear = valueAt(solution.shear, s);
        row.moment = valueAt(solution.moment, s);
        if (solution.slope && solution.deflection) {
            row.slope = valueAt(*solution.slope, s);
            row.deflection = valueAt(*solution.deflection, s);
        }
        rows.push_back(row);
    }
    return rows;
}

std::string csvTable(const std::vector<BeamSample> &samples)
{
    std::string text = "x,V,M,theta,delta\n";
    for (const BeamSample &s : samples) {
        text += numberText(s.x) + ',' + numberText(s.shear) + ',' + numberText(s.moment) + ',';
        if (s.slope)
            text += numberText(*s.slope);
        text += ',';
        if (s.deflection)
            text += numberText(*s.deflection);
        text += '\n';
    }
    return text;
}

}  // namespace mechanics
