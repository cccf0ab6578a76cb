#include "mechanics/influence.h"

#include "mechanics/influencepieces.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace mechanics {

namespace {

// The quantity for one solution.
double quantityOf(const BeamSolution &s, const InfluenceOf &of)
{
    switch (of.quantity) {
    case InfluenceQuantity::Reaction:
        return s.reactions[static_cast<std::size_t>(of.support)].force;
    case InfluenceQuantity::ReactionMoment:
        return s.reactions[static_cast<std::size_t>(of.support)].moment;
    case InfluenceQuantity::Shear:
        return s.shear(of.x);
    case InfluenceQuantity::Moment:
        return s.moment(of.x);
    case InfluenceQuantity::Slope:
        return (*s.slope)(of.x);
    case InfluenceQuantity::Deflection:
        break;
    }
    return (*s.deflection)(of.x);
}

Error invalid(Message reason)
{
    return Error{ErrorKind::InvalidInput, std::move(reason)};
}

}  // namespace

std::vector<double> influencePlaces(const Beam &beam)
{
    std::vector<double> places{0, beam.length};
    for (const Support &s : beam.supports)
        places.push_back(s.x);
    places.insert(places.end(), beam.hinges.begin(), beam.hinges.end());
    for (const Segment &g : beam.segments) {
        places.push_back(g.from);
        places.push_back(g.to);
    }
    std::sort(places.begin(), places.end());
    places.erase(std::unique(places.begin(), places.end()), places.end());
    return places;
}

Beam unloadedMember(const Beam &beam)
{
    Beam unit = beam;
    unit.forces.clear();
    unit.couples.clear();
    unit.distributed.clear();
    for (Support &s : unit.supports)
        s.settlement = 0;
    return unit;
}

// From the Newton form of the cubic.
Polynomial cubicThrough(const double (&y)[4], double width)
{
    double d[4] = {y[0], y[1], y[2], y[3]};
    for (int order = 1; order < 4; ++order)
        for (int k = 3; k >= order; --k)
            d[k] = (d[k] - d[k - 1]) / (InfluenceSamples[k] - InfluenceSamples[k - order]);
    // Horner on polynomials: ((d3 (u − u2) + d2) (u − u1) + d1) (u − u0) + d0.
    std::vector<double> c{d[3]};
    for (int k = 2; k >= 0; --k) {
        std::vector<double> next(c.size() + 1, 0.0);
        for (std::size_t i = 0; i < c.size(); ++i) {
            next[i + 1] += c[i];
            next[i] -= c[i] * InfluenceSamples[k];
        }
        next[0] += d[k];
        c = next;
    }
    double scale = 1;
    for (double &coefficient : c) {
        coefficient /= scale;
        scale *= width;
    }
    return Polynomial(c);
}

Outcome<Piecewise> influenceLine(const Beam &beam, const InfluenceOf &of)
{
    Beam unit = unloadedMember(beam);
    const Outcome<BeamSolution> unloaded = solveBeam(unit);
    if (!unloaded)
        return unloaded.error();
    const bool atSupport =
        of.quantity == InfluenceQuantity::Reaction || of.quantity == InfluenceQuantity::ReactionMoment;
    if (atSupport && (of.support < 0 || of.support >= static_cast<int>(beam.supports.size())))
        return invalid({"the member has no support %1", {number(double(of.support + 1))}});
    if (!atSupport && !(of.x >= 0 && of.x <= beam.length))
        return invalid(outsideMember("the section", "x", of.x, "the member", beam.length));
    if ((of.quantity == InfluenceQuantity::Slope || of.quantity == InfluenceQuantity::Deflection) &&
        !beam.flexuralRigidity)
        return invalid("the slope and the deflection need the flexural rigidity EI of the member");

    std::vector<double> places = influencePlaces(beam);
    if (!atSupport && !std::binary_search(places.begin(), places.end(), of.x))
        places.insert(std::upper_bound(places.begin(), places.end(), of.x), of.x);

    std::vector<Polynomial> pieces;
    for (std::size_t k = 0; k + 1 < places.size(); ++k) {
        const double width = places[k + 1] - places[k];
        double y[4];
        for (int j = 0; j < 4; ++j) {
            unit.forces = {PointForce{places[k] + InfluenceSamples[j] * width, 1.0}};
            const Outcome<BeamSolution> solved = solveBeam(unit);
            if (!solved)
                return solved.error();
            y[j] = quantityOf(*solved, of);
        }
        pieces.push_back(cubicThrough(y, width));
    }
    return Piecewise(places, pieces);
}

}  // namespace mechanics
