// One symbolic picture per beam case: the supports A and B (and the tip C of an overhang),
// the loads in their shape, and the input symbols on the loads and dimension lines. The
// pictures are not to scale: every beam is drawn 100 long on y = 0 with the loads above it
// and the dimension lines stacked below the supports.

#include "beams/catalogue_parts.h"
#include "shell/core/beamsketch.h"

#include <string>

namespace beams::sketches {

namespace {

using shell::BeamEnd;
using shell::Point;
using shell::Side;
using shell::Sketch;
using shell::SupportKind;

constexpr double Span = shell::BeamSpan;
constexpr double LoadHeight = shell::BeamLoadHeight;
constexpr double BaseLoad = 8;  // the uniform part under a triangle stacked on it
constexpr shell::DimensionRows Rows{22, 14};

Point at(double x)
{
    return {x, 0};
}

// Dimension line `row` below the beam (row 0 nearest), drawn left to right.
void dimension(Sketch &s, double from, double to, int row, const std::string &label)
{
    Rows.add(s, from, to, 0, row, label);
}

Sketch beam(const BeamEnd &left, const BeamEnd &right)
{
    Sketch s;
    shell::addBeam(s, 0, left, right);
    return s;
}

Sketch simpleSpan()
{
    return beam({SupportKind::Pin, "A"}, {SupportKind::Roller, "B"});
}

Sketch cantilever()
{
    return beam({SupportKind::Free, "A"}, {SupportKind::Fixed, "B"});
}

Sketch propped()
{
    return beam({SupportKind::Pin, "A"}, {SupportKind::Fixed, "B"});
}

Sketch fixedBothEnds()
{
    return beam({SupportKind::Fixed, "A"}, {SupportKind::Fixed, "B"});
}

// Supports A and B with an overhang from B to the tip C.
constexpr double OverhangB = 70;
Sketch overhang()
{
    Sketch s;
    s.member(at(0), at(Span)).pin(at(0), "A").roller(at(OverhangB), "B").freeEnd(at(Span), "C");
    return s;
}

// Supports A and B with an overhang beyond each of them.
constexpr double TwoOverhangsA = 25;
constexpr double TwoOverhangsB = 75;
Sketch twoOverhangs()
{
    Sketch s;
    s.member(at(0), at(Span)).freeEnd(at(0)).pin(at(TwoOverhangsA), "A").roller(at(TwoOverhangsB), "B");
    s.freeEnd(at(Span));
    return s;
}

void uniform(Sketch &s, const std::string &label, double from = 0, double to = Span)
{
    shell::addUniformLoad(s, from, to, 0, label);
}

// Rising from 0 at A to its full height at B.
void triangle(Sketch &s, const std::string &label)
{
    shell::addTriangularLoad(s, 0, Span, Span, 0, label);
}

// A triangle w1 stacked on a uniform load w2; the w2 label stands over the low end of the
// triangle, clear of the w1 label at its middle.
void triangleOnUniform(Sketch &s)
{
    s.distributed(at(0), at(Span), BaseLoad, BaseLoad, Side::Above, "");
    s.distributed({0, -BaseLoad}, {Span, -BaseLoad}, 0, LoadHeight, Side::Above, "w1");
    s.label({8, -(BaseLoad + 6)}, "w2");
}

// A position x from A and the span l.
void positionAndSpan(Sketch &s, double x = 30)
{
    dimension(s, 0, x, 0, "x");
    dimension(s, 0, Span, 1, "l");
}

}  // namespace

shell::Sketch simplePointLoad(const Inputs &)
{
    Sketch s = simpleSpan();
    s.pointLoad(at(40), Side::Above, "P");
    dimension(s, 0, 25, 0, "x1");
    dimension(s, 0, 40, 1, "a");
    dimension(s, 0, 65, 2, "x2");
    dimension(s, 0, Span, 3, "l");
    return s;
}

shell::Sketch simpleUniform(const Inputs &)
{
    Sketch s = simpleSpan();
    uniform(s, "w");
    positionAndSpan(s);
    return s;
}

shell::Sketch simpleTriangular(const Inputs &)
{
    Sketch s = simpleSpan();
    triangle(s, "w");
    positionAndSpan(s);
    return s;
}

shell::Sketch simplePartialUniform(const Inputs &)
{
    Sketch s = simpleSpan();
    uniform(s, "w", 25, 65);
    dimension(s, 0, 40, 0, "x");
    dimension(s, 0, 25, 1, "a");
    dimension(s, 0, 65, 2, "b");
    dimension(s, 0, Span, 3, "l");
    return s;
}

shell::Sketch simpleSymmetricTriangle(const Inputs &)
{
    Sketch s = simpleSpan();
    shell::addTriangularLoad(s, 0, Span / 2, Span, 0, "w");
    positionAndSpan(s);
    return s;
}

shell::Sketch simpleTriangularPlusUniform(const Inputs &)
{
    Sketch s = simpleSpan();
    triangleOnUniform(s);
    positionAndSpan(s);
    return s;
}

shell::Sketch cantileverPointLoad(const Inputs &)
{
    Sketch s = cantilever();
    s.pointLoad(at(0), Side::Above, "P");
    positionAndSpan(s);
    return s;
}

shell::Sketch cantileverUniform(const Inputs &)
{
    Sketch s = cantilever();
    uniform(s, "w");
    positionAndSpan(s);
    return s;
}

shell::Sketch cantileverTriangular(const Inputs &)
{
    Sketch s = cantilever();
    triangle(s, "w");
    positionAndSpan(s, 70);
    return s;
}

shell::Sketch overhangPointLoad(const Inputs &)
{
    Sketch s = overhang();
    s.pointLoad(at(Span), Side::Above, "P");
    dimension(s, 0, 30, 0, "x1");
    dimension(s, 85, Span, 0, "x2");
    dimension(s, 0, OverhangB, 1, "l");
    dimension(s, OverhangB, Span, 1, "a");
    return s;
}

shell::Sketch overhangUniform(const Inputs &)
{
    Sketch s = overhang();
    uniform(s, "w");
    dimension(s, 0, 30, 0, "x1");
    dimension(s, 85, Span, 0, "x2");
    dimension(s, 0, OverhangB, 1, "l");
    dimension(s, OverhangB, Span, 1, "a");
    return s;
}

shell::Sketch twoOverhangsPointLoads(const Inputs &)
{
    Sketch s = twoOverhangs();
    s.pointLoad(at(0), Side::Above, "P1");
    s.pointLoad(at(Span), Side::Above, "P2");
    dimension(s, TwoOverhangsA, 45, 0, "x");
    dimension(s, 0, TwoOverhangsA, 1, "a");
    dimension(s, TwoOverhangsA, TwoOverhangsB, 1, "l");
    dimension(s, TwoOverhangsB, Span, 1, "b");
    return s;
}

shell::Sketch twoOverhangsUniform(const Inputs &)
{
    Sketch s = twoOverhangs();
    uniform(s, "w");
    dimension(s, TwoOverhangsA, 45, 0, "x");
    dimension(s, 0, TwoOverhangsA, 1, "a");
    dimension(s, TwoOverhangsA, TwoOverhangsB, 1, "l");
    dimension(s, TwoOverhangsB, Span, 1, "b");
    return s;
}

shell::Sketch proppedPointLoad(const Inputs &)
{
    Sketch s = propped();
    s.pointLoad(at(40), Side::Above, "P");
    dimension(s, 0, 25, 0, "x");
    dimension(s, 0, 40, 1, "a");
    dimension(s, 0, Span, 2, "l");
    return s;
}

shell::Sketch proppedUniform(const Inputs &)
{
    Sketch s = propped();
    uniform(s, "w");
    positionAndSpan(s);
    return s;
}

shell::Sketch fixedUniform(const Inputs &)
{
    Sketch s = fixedBothEnds();
    uniform(s, "w");
    positionAndSpan(s);
    return s;
}

shell::Sketch fixedPointLoad(const Inputs &)
{
    Sketch s = fixedBothEnds();
    s.pointLoad(at(40), Side::Above, "P");
    dimension(s, 0, 25, 0, "x");
    dimension(s, 0, 40, 1, "a");
    dimension(s, 0, Span, 2, "l");
    return s;
}

shell::Sketch fixedTriangular(const Inputs &)
{
    Sketch s = fixedBothEnds();
    triangle(s, "w");
    positionAndSpan(s, 50);
    return s;
}

shell::Sketch fixedTriangularPlusUniform(const Inputs &)
{
    Sketch s = fixedBothEnds();
    triangleOnUniform(s);
    positionAndSpan(s);
    return s;
}

}  // namespace beams::sketches
