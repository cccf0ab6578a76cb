// The member each beam case describes, for the solver behind the diagrams: x from the left end
// as the case's sketch draws it, loads downward positive, EI = E·I where the case has E and I.
// The inputs come in the window's units, which the solver takes as they come.

#include "beams/catalogue_parts.h"

#include <optional>
#include <utility>

namespace beams::members {

namespace {

using mechanics::Beam;
using mechanics::DistributedLoad;
using mechanics::Support;
using mechanics::SupportKind;

Beam member(double length, std::vector<Support> supports, std::optional<double> rigidity)
{
    Beam beam;
    beam.length = length;
    beam.flexuralRigidity = rigidity;
    beam.supports = std::move(supports);
    return beam;
}

// A pin at A (x = 0) and a roller at B (x = l).
Beam simplySupported(double l, std::optional<double> rigidity = std::nullopt)
{
    return member(l, {{0, SupportKind::Pinned}, {l, SupportKind::Roller}}, rigidity);
}

// Free at A (x = 0), fixed at B (x = l).
Beam cantilever(double l, double rigidity)
{
    return member(l, {{l, SupportKind::Fixed}}, rigidity);
}

// A simple support at A (x = 0), fixed at B (x = l).
Beam propped(double l)
{
    return member(l, {{0, SupportKind::Pinned}, {l, SupportKind::Fixed}}, std::nullopt);
}

Beam fixedBothEnds(double l, std::optional<double> rigidity = std::nullopt)
{
    return member(l, {{0, SupportKind::Fixed}, {l, SupportKind::Fixed}}, rigidity);
}

DistributedLoad uniform(double from, double to, double w)
{
    return {from, to, w, w};
}

// Rising from 0 at `from` to w at `to`.
DistributedLoad rising(double from, double to, double w)
{
    return {from, to, 0, w};
}

// Falling from w at `from` to 0 at `to`.
DistributedLoad falling(double from, double to, double w)
{
    return {from, to, w, 0};
}

}  // namespace

Beam simplePointLoad(const Inputs &in)
{
    const double P = in[0], a = in[1], l = in[2], E = in[5], I = in[6];
    Beam beam = simplySupported(l, E * I);
    beam.forces = {{a, P}};
    return beam;
}

Beam simpleUniform(const Inputs &in)
{
    const double w = in[0], l = in[1], E = in[3], I = in[4];
    Beam beam = simplySupported(l, E * I);
    beam.distributed = {uniform(0, l, w)};
    return beam;
}

Beam simpleTriangular(const Inputs &in)
{
    const double w = in[0], l = in[1], E = in[3], I = in[4];
    Beam beam = simplySupported(l, E * I);
    beam.distributed = {rising(0, l, w)};
    return beam;
}

Beam simplePartialUniform(const Inputs &in)
{
    const double w = in[0], a = in[1], b = in[2], l = in[3];
    Beam beam = simplySupported(l);
    beam.distributed = {uniform(a, b, w)};
    return beam;
}

Beam simpleSymmetricTriangle(const Inputs &in)
{
    const double w = in[0], l = in[1];
    Beam beam = simplySupported(l);
    beam.distributed = {rising(0, l / 2, w), falling(l / 2, l, w)};
    return beam;
}

Beam simpleTriangularPlusUniform(const Inputs &in)
{
    const double w1 = in[0], w2 = in[1], l = in[2], E = in[4], I = in[5];
    Beam beam = simplySupported(l, E * I);
    beam.distributed = {rising(0, l, w1), uniform(0, l, w2)};
    return beam;
}

Beam cantileverPointLoad(const Inputs &in)
{
    const double P = in[0], l = in[1], E = in[3], I = in[4];
    Beam beam = cantilever(l, E * I);
    beam.forces = {{0, P}};
    return beam;
}

Beam cantileverUniform(const Inputs &in)
{
    const double w = in[0], l = in[1], E = in[3], I = in[4];
    Beam beam = cantilever(l, E * I);
    beam.distributed = {uniform(0, l, w)};
    return beam;
}

Beam cantileverTriangular(const Inputs &in)
{
    const double w = in[0], l = in[1], E = in[3], I = in[4];
    Beam beam = cantilever(l, E * I);
    beam.distributed = {rising(0, l, w)};
    return beam;
}

// A at x = 0, B at x = l, the tip C at x = l + a.
Beam overhangPointLoad(const Inputs &in)
{
    const double P = in[0], a = in[1], l = in[2];
    Beam beam = member(l + a, {{0, SupportKind::Pinned}, {l, SupportKind::Roller}}, std::nullopt);
    beam.forces = {{l + a, P}};
    return beam;
}

Beam overhangUniform(const Inputs &in)
{
    const double w = in[0], a = in[1], l = in[2];
    Beam beam = member(l + a, {{0, SupportKind::Pinned}, {l, SupportKind::Roller}}, std::nullopt);
    beam.distributed = {uniform(0, l + a, w)};
    return beam;
}

// The left tip at x = 0, A at x = a, B at x = a + l, the right tip at x = a + l + b.
Beam twoOverhangsPointLoads(const Inputs &in)
{
    const double P1 = in[0], P2 = in[1], a = in[2], b = in[3], l = in[4];
    const double length = (a + l) + b;
    Beam beam = member(length, {{a, SupportKind::Pinned}, {a + l, SupportKind::Roller}}, std::nullopt);
    beam.forces = {{0, P1}, {length, P2}};
    return beam;
}

Beam twoOverhangsUniform(const Inputs &in)
{
    const double w = in[0], a = in[1], b = in[2], l = in[3];
    const double length = (a + l) + b;
    Beam beam = member(length, {{a, SupportKind::Pinned}, {a + l, SupportKind::Roller}}, std::nullopt);
    beam.distributed = {uniform(0, length, w)};
    return beam;
}

Beam proppedPointLoad(const Inputs &in)
{
    const double P = in[0], a = in[1], l = in[2];
    Beam beam = propped(l);
    beam.forces = {{a, P}};
    return beam;
}

Beam proppedUniform(const Inputs &in)
{
    const double w = in[0], l = in[1];
    Beam beam = propped(l);
    beam.distributed = {uniform(0, l, w)};
    return beam;
}

Beam fixedUniform(const Inputs &in)
{
    const double w = in[0], l = in[1], E = in[3], I = in[4];
    Beam beam = fixedBothEnds(l, E * I);
    beam.distributed = {uniform(0, l, w)};
    return beam;
}

Beam fixedPointLoad(const Inputs &in)
{
    const double P = in[0], a = in[1], l = in[2];
    Beam beam = fixedBothEnds(l);
    beam.forces = {{a, P}};
    return beam;
}

Beam fixedTriangular(const Inputs &in)
{
    const double w = in[0], l = in[1];
    Beam beam = fixedBothEnds(l);
    beam.distributed = {rising(0, l, w)};
    return beam;
}

Beam fixedTriangularPlusUniform(const Inputs &in)
{
    const double w1 = in[0], w2 = in[1], l = in[2];
    Beam beam = fixedBothEnds(l);
    beam.distributed = {rising(0, l, w1), uniform(0, l, w2)};
    return beam;
}

}  // namespace beams::members
