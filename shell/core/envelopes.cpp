// The diagrams of a member under a moving load: the envelopes of V and M from the solver's
// search over every position of the train, with where it stands for their extremes, and the words
// that say so.

#include "shell/core/diagrams.h"
#include "shell/core/language.h"

#include "mechanics/sectionlines.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace shell {

namespace {

// The sections an envelope is found at: a hundred intervals, and every place the member changes.
constexpr int EnvelopeIntervals = 100;

// The section's values as linear pieces between neighbouring sections (the envelope itself is
// not one polynomial between them: each piece is where one position of the load governs).
mechanics::Piecewise throughSections(const std::vector<double> &x, const std::vector<double> &values)
{
    std::vector<double> breaks;
    std::vector<double> at;
    for (std::size_t i = 0; i < x.size() && i < values.size(); ++i) {
        if (!breaks.empty() && !(x[i] > breaks.back()))
            continue;
        breaks.push_back(x[i]);
        at.push_back(values[i]);
    }
    if (breaks.size() < 2)
        return {};
    std::vector<mechanics::Polynomial> pieces;
    for (std::size_t i = 0; i + 1 < breaks.size(); ++i)
        pieces.push_back(mechanics::Polynomial({at[i], (at[i + 1] - at[i]) / (breaks[i + 1] - breaks[i])}));
    return mechanics::Piecewise(breaks, pieces);
}

// An envelope curve from the sections of trainEnvelope: linear pieces through the largest and
// the smallest values at each section (V as it is just right of each), and as its extremes the
// absolute ones the search found between the sections too. As for a member's own diagrams, a
// value within 1e-10 of the largest magnitude of zero is 0 (the moment over a support is 0, not
// 1e-13), and an extreme of 0 stands at the first section that has it.
Curve envelopeCurve(Quantity quantity, const mechanics::TrainEnvelope &e, const std::vector<mechanics::TrainEffect> &at,
                    const mechanics::TrainExtreme &largest, const mechanics::TrainExtreme &smallest, std::string unit)
{
    double magnitude = std::max(std::fabs(largest.value), std::fabs(smallest.value));
    for (const mechanics::TrainEffect &effect : at)
        magnitude = std::max({magnitude, std::fabs(effect.largest.value), std::fabs(effect.smallest.value)});
    const auto cleaned = [magnitude](double v) { return std::fabs(v) <= 1e-10 * magnitude ? 0.0 : v; };
    std::vector<double> upper, lower;
    for (const mechanics::TrainEffect &effect : at) {
        upper.push_back(cleaned(effect.largest.value));
        lower.push_back(cleaned(effect.smallest.value));
    }
    const auto extreme = [&](const mechanics::TrainExtreme &found, const std::vector<double> &values) {
        const double value = cleaned(found.value);
        double x = found.x;
        if (value == 0 && found.value != 0)
            for (std::size_t i = 0; i < values.size() && i < e.x.size(); ++i)
                if (values[i] == 0) {
                    x = e.x[i];
                    break;
                }
        return mechanics::Extreme{value, {{x, mechanics::Side::Both}}};
    };
    Curve c;
    c.quantity = quantity;
    c.values = throughSections(e.x, upper);
    c.smallest = throughSections(e.x, lower);
    c.extremes = {extreme(largest, upper), extreme(smallest, lower)};
    c.unit = std::move(unit);
    return c;
}

// The largest (`sign` 1) or smallest (−1) M of the envelope at section x with where the train
// stands for it, from the lines of the member's unit load solved once.
mechanics::TrainExtreme momentAt(const mechanics::SectionLines &lines, const MovingLoad &load, double x, double sign)
{
    const mechanics::TrainEffect effect = mechanics::trainEffect(lines.at(x).moment, load.train);
    const mechanics::TrainValue &v = sign > 0 ? effect.largest : effect.smallest;
    return {v.value, x, v.placement};
}

// The leftmost section where the envelope of M reaches its extreme. The search names one place
// where it is reached, and a symmetric member reaches it at two (the moment under the first wheel
// left of mid-span, or under the second right of it); rounding decides which. Every stretch left
// of it whose sections come within one section's change of the extreme is searched again (golden
// section to 1e-10 of the length); where one reaches the extreme to 1e-10 of it, the extreme is
// placed there, with the train as it stands for that section.
mechanics::TrainExtreme leftmostMoment(const MovingLoad &load, const mechanics::TrainEnvelope &e,
                                       const mechanics::TrainExtreme &found, double sign)
{
    const std::vector<double> &x = e.x;
    std::vector<double> v;
    for (const mechanics::TrainEffect &effect : e.moment)
        v.push_back(sign * (sign > 0 ? effect.largest.value : effect.smallest.value));
    const double best = sign * found.value;
    const double length = load.beam.length;
    if (!(std::isfinite(best) && best > 0) || v.size() != x.size() || x.size() < 3)
        return found;
    double change = 0;
    for (std::size_t k = 0; k + 1 < v.size(); ++k)
        change = std::max(change, std::fabs(v[k + 1] - v[k]));
    mechanics::SectionLines lines(load.beam);
    if (lines.prepare())
        return found;
    for (std::size_t k = 1; k + 1 < x.size() && x[k + 1] < found.x - (1e-9 * length); ++k) {
        if (v[k] < v[k - 1] || v[k] < v[k + 1] || v[k] < best - change)
            continue;
        const double golden = (std::sqrt(5.0) - 1) / 2;
        double lo = x[k - 1], hi = x[k + 1];
        const auto f = [&](double s) { return sign * momentAt(lines, load, s, sign).value; };
        double c = hi - (golden * (hi - lo)), d = lo + (golden * (hi - lo));
        double fc = f(c), fd = f(d);
        while (hi - lo > 1e-10 * length) {
            if (fc >= fd) {
                hi = d;
                d = c;
                fd = fc;
                c = hi - (golden * (hi - lo));
                fc = f(c);
            } else {
                lo = c;
                c = d;
                fc = fd;
                d = lo + (golden * (hi - lo));
                fd = f(d);
            }
        }
        const mechanics::TrainExtreme there = momentAt(lines, load, (lo + hi) / 2, sign);
        if (sign * there.value >= best * (1 - 1e-10))
            return {found.value, there.x, there.placement};
    }
    return found;
}

}  // namespace

mechanics::Outcome<MemberDiagram> movingLoadDiagram(const MovingLoad &load, Units units)
{
    const auto found = mechanics::trainEnvelope(load.beam, load.train, EnvelopeIntervals);
    if (!found)
        return found.error();
    const mechanics::TrainEnvelope &e = *found;
    const mechanics::TrainExtreme largestMoment = leftmostMoment(load, e, e.largestMoment, 1);
    const mechanics::TrainExtreme smallestMoment = leftmostMoment(load, e, e.smallestMoment, -1);
    MemberDiagram member;
    member.beam = load.beam;
    member.curves.push_back(envelopeCurve(Quantity::Shear, e, e.shear, e.largestShear, e.smallestShear,
                                          unitCaption(units, Dimension::Force)));
    member.curves.push_back(envelopeCurve(Quantity::Moment, e, e.moment, largestMoment, smallestMoment,
                                          unitCaption(units, Dimension::Moment)));
    member.train = TrainDiagram{load.train, e.largestShear, e.smallestShear, largestMoment, smallestMoment};
    return member;
}

const mechanics::TrainExtreme &TrainDiagram::governing(Quantity quantity) const
{
    const bool shear = quantity == Quantity::Shear;
    const mechanics::TrainExtreme &largest = shear ? largestShear : largestMoment;
    const mechanics::TrainExtreme &smallest = shear ? smallestShear : smallestMoment;
    return std::fabs(largest.value) >= std::fabs(smallest.value) ? largest : smallest;
}

std::vector<double> TrainDiagram::axlesAt(const mechanics::TrainPlacement &placement, double length) const
{
    std::vector<double> at;
    for (const mechanics::Axle &axle : train.axles) {
        const double x = placement.leftward ? placement.lead + axle.offset : placement.lead - axle.offset;
        // An axle off the member carries nothing; the ends themselves are on it.
        if (x >= -1e-12 * length && x <= length * (1 + 1e-12))
            at.push_back(std::clamp(x, 0.0, length));
    }
    std::sort(at.begin(), at.end());
    return at;
}

std::string trainPlacementText(const MemberDiagram &member, Quantity quantity, const std::string &lengthUnit)
{
    const Curve *curve = member.curve(quantity);
    if (!member.train || !curve)
        return {};
    const mechanics::TrainExtreme &e = member.train->governing(quantity);
    if (!std::isfinite(e.value))
        return {};
    const std::string unit = lengthUnit.empty() ? "" : " " + lengthUnit;
    const bool largest = &e == &member.train->largestShear || &e == &member.train->largestMoment;
    std::string text = translatedPattern("Text", "%1 %2 at x = %3",
                                         {quantitySymbol(quantity) + (largest ? "max" : "min"),
                                          diagramNumber(e.value) + (curve->unit.empty() ? "" : " " + curve->unit),
                                          diagramNumber(e.x) + unit});
    const std::vector<double> axles = member.train->axlesAt(e.placement, member.length());
    std::string wheels;
    for (std::size_t i = 0; i < axles.size(); ++i)
        wheels += (i == 0 ? "" : i + 1 == axles.size() ? translated("Text", " and ") : ", ") + diagramNumber(axles[i]);
    if (!axles.empty())
        text += translatedPattern("Text", axles.size() == 1 ? ", wheel at %1" : ", wheels at %1", {wheels + unit});
    for (const auto &[from, to] : e.placement.covered)
        text +=
            translatedPattern("Text", ", uniform load from %1 to %2", {diagramNumber(from), diagramNumber(to) + unit});
    return text;
}

}  // namespace shell
