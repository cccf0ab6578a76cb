// The cantilever and propped-cantilever cases, each formula in the grouping it is evaluated in,
// and the assembly of all 21 cases.
//
// Every member here is fixed at A on the left of its sketch (x = 0 of its member model) and
// either free or propped at B on the right. A couple M is drawn clockwise; with it, the moment
// rows of the plain cantilevers show the hogging moment as a positive number, while those of
// the propped cantilevers keep their sign (sagging positive), so their fixed-end moments under
// a downward load come out negative.

#include "cantilever/catalogue_parts.h"

namespace cantilever {

using mechanics::Beam;
using mechanics::SupportKind;
using shell::CaseBuilder;
using shell::Dimension;
using shell::Expr;
using shell::named;
using shell::pow;
using shell::Quantity;
using shell::when;

namespace {

// A member of length `length` fixed at its left end, free at its right end or propped there.
Beam fixedAtLeft(double length, double flexuralRigidity, bool propped)
{
    Beam beam;
    beam.length = length;
    beam.flexuralRigidity = flexuralRigidity;
    beam.supports = {{0, SupportKind::Fixed}};
    if (propped)
        beam.supports.push_back({length, SupportKind::Roller});
    return beam;
}

// E and I of a case, the stiffness every deflection row divides by.
void requireStiffness(CaseBuilder &c, const Expr &E, const Expr &I)
{
    c.requirePositive(E);
    c.requirePositive(I);
}

// Point load P at C, a from the fixed end A; the free end B lies b beyond C; x from B.
shell::CaseDef cantileverPointLoad()
{
    CaseBuilder c("Cantilever (1)");
    c.title("Cantilever, point load P at a");
    const Expr a = c.input("a", Dimension::Length, 70), b = c.input("b", Dimension::Length, 30),
               P = c.input("P", Dimension::Force, 100);
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10),
               x = c.input("x", Dimension::Length, 60);
    // A load at the fixed end (a = 0) goes straight into the support.
    c.requireAtLeast(a, 0);
    c.requireAtLeast(b, 0);
    requireLength(c, a, b);
    c.requireBetween(x, 0, a + b);
    requireStiffness(c, E, I);
    c.row("反力 (RA)", Dimension::Force, P).means("upward reaction at the fixed end A");
    // Between the free end and the load the member carries no moment.
    c.row("曲げモーメント (Mx)", Dimension::Moment, when(x <= b, 0, P * (x - b)))
        .means("moment at x from the free end B, hogging shown positive; 0 between B and the load");
    // The handbook's form divides by a; its limit at a = 0 is 0 (P a³/3EI + P a² b/2EI).
    c.row("変位 (fB)", Dimension::Length, when(a > 0, ((P * pow(a, 3)) / ((3 * E) * I)) * (1 + ((3 * b) / (2 * a))), 0))
        .means("deflection of the free end B, downward positive");
    c.row("変位 (fC)", Dimension::Length, (P * pow(a, 3)) / ((3 * E) * I))
        .means("deflection under the load P, downward positive");
    c.member({}, [=](const Inputs &in) {
        Beam beam = fixedAtLeft(valueOf(a + b, in), valueOf(E * I, in), false);
        beam.forces = {{valueOf(a, in), valueOf(P, in)}};
        return beam;
    });
    c.mark(0, (a + b) - x, "x");
    // The caption labels of this case stand in the order E, P, I, unlike its input rows.
    c.legendOrder({"E", "P", "I"});
    c.sketch(sketches::cantileverPointLoad);
    return c.build();
}

// A cantilever of length l under a load from A to B (uniform or falling to 0 at B).
Beam cantileverUnder(const Inputs &in, const Expr &E, const Expr &I, const Expr &l, const Expr &w, bool uniform)
{
    Beam beam = fixedAtLeft(valueOf(l, in), valueOf(E * I, in), false);
    beam.distributed = {{0, beam.length, valueOf(w, in), uniform ? valueOf(w, in) : 0.0}};
    return beam;
}

// Uniform load w over the whole length l; x from the free end B.
shell::CaseDef cantileverUniform()
{
    CaseBuilder c("Cantilever (2)");
    c.title("Cantilever, uniform load");
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10),
               l = c.input("l", Dimension::Length, 100);
    const Expr w = c.input("w", Dimension::LineLoad, 1), x = c.input("x", Dimension::Length, 50);
    c.requirePositive(l);
    c.requireBetween(x, 0, l);
    requireStiffness(c, E, I);
    c.row("反力 (RA)", Dimension::Force, w * l).means("upward reaction at the fixed end A");
    c.row("曲げモーメント (Mx)", Dimension::Moment, (w * pow(x, 2)) / 2)
        .means("moment at x from the free end B, hogging shown positive");
    c.row("曲げモーメント (MA)", Dimension::Moment, (w * pow(l, 2)) / 2)
        .means("moment at the fixed end A, hogging shown positive");
    c.row("変位 (fx)", Dimension::Length,
          ((w * pow(l, 4)) / ((8 * E) * I)) * ((1 - ((4 * x) / (3 * l))) + (pow(x, 4) / (3 * pow(l, 4)))))
        .means("deflection at x from the free end B, downward positive");
    c.member({}, [=](const Inputs &in) { return cantileverUnder(in, E, I, l, w, true); });
    c.mark(0, l - x, "x");
    c.sketch(sketches::cantileverUniform);
    return c.build();
}

// Triangular load, w at the fixed end A falling to 0 at the free end B; x from B.
shell::CaseDef cantileverTriangular()
{
    CaseBuilder c("Cantilever (3)");
    c.title("Cantilever, triangular load falling to the free end");
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10),
               l = c.input("l", Dimension::Length, 100);
    const Expr w = c.input("w", Dimension::LineLoad, 1), x = c.input("x", Dimension::Length, 50);
    c.requirePositive(l);
    c.requireBetween(x, 0, l);
    requireStiffness(c, E, I);
    c.row("反力 (RA)", Dimension::Force, (w * l) / 2).means("upward reaction at the fixed end A");
    c.row("曲げモーメント (Mx)", Dimension::Moment, (w * pow(x, 3)) / (6 * l))
        .means("moment at x from the free end B, hogging shown positive");
    c.row("曲げモーメント (MA)", Dimension::Moment, (w * pow(l, 2)) / 6)
        .means("moment at the fixed end A, hogging shown positive");
    c.row("変位 (fx)", Dimension::Length,
          ((w * pow(l, 4)) / ((30 * E) * I)) * ((1 - ((5 * x) / (4 * l))) + (pow(x, 5) / (4 * pow(l, 5)))))
        .means("deflection at x from the free end B, downward positive");
    c.member({}, [=](const Inputs &in) { return cantileverUnder(in, E, I, l, w, false); });
    c.mark(0, l - x, "x");
    c.sketch(sketches::cantileverTriangular);
    return c.build();
}

// Moment M applied at C, a from the fixed end A; the free end B lies b beyond C. M turns
// clockwise as drawn: it hogs the member between A and C and bends it down.
shell::CaseDef cantileverMoment()
{
    CaseBuilder c("Cantilever (4)");
    c.title("Cantilever, moment M at a");
    const Expr a = c.input("a", Dimension::Length, 70), b = c.input("b", Dimension::Length, 30),
               E = c.input("E", Dimension::Stress, 100000, 1000);
    const Expr I = c.input("I", Dimension::SecondMoment, 833, 10), M = c.input("M", Dimension::Moment, 100);
    // A couple at the fixed end (a = 0) goes straight into the support: Mx and MA are then the
    // end moment the support takes.
    c.requireAtLeast(a, 0);
    c.requireAtLeast(b, 0);
    requireLength(c, a, b);
    requireStiffness(c, E, I);
    // A couple alone needs no vertical reaction.
    c.row("反力 (RA)", Dimension::Force, 0).means("upward reaction at the fixed end A: a couple alone needs none");
    c.row("曲げモーメント (Mx)", Dimension::Moment, M)
        .means("moment anywhere between A and C (with C at A: the moment A takes), hogging shown positive; 0 "
               "between C and B");
    c.row("曲げモーメント (MA)", Dimension::Moment, M).means("moment at the fixed end A, hogging shown positive");
    // The handbook's form divides by a; its limit at a = 0 is 0 (M a²/2EI + M a b/EI).
    c.row("変位 (fB)", Dimension::Length, when(a > 0, ((M * pow(a, 2)) / ((2 * E) * I)) * (1 + ((2 * b) / a)), 0))
        .means("deflection of the free end B, downward positive");
    c.row("変位 (fC)", Dimension::Length, (M * pow(a, 2)) / ((2 * E) * I))
        .means("deflection at C, where M acts, downward positive");
    c.member({}, [=](const Inputs &in) {
        Beam beam = fixedAtLeft(valueOf(a + b, in), valueOf(E * I, in), false);
        beam.couples = {{valueOf(a, in), valueOf(M, in)}};
        return beam;
    });
    c.sketch(sketches::cantileverMoment);
    return c.build();
}

// Propped cantilever of span l, point load P at C, a from the fixed end A.
shell::CaseDef proppedPointLoad()
{
    CaseBuilder c("Cantilever (5)");
    c.title("Propped cantilever, point load P at a");
    const Expr a = c.input("a", Dimension::Length, 70), l = c.input("l", Dimension::Length, 100),
               E = c.input("E", Dimension::Stress, 100000, 1000);
    const Expr I = c.input("I", Dimension::SecondMoment, 833, 10), P = c.input("P", Dimension::Force, 100);
    c.requirePositive(l);
    c.requireBetween(a, 0, l);
    requireStiffness(c, E, I);
    // The prop reaction comes first; the fixed end takes the rest of the load.
    const Expr RB = named("RB", ((P * pow(a, 2)) / (2 * pow(l, 3))) * ((l - a) + (2 * l)));
    c.row("反力 (RA)", Dimension::Force, P - RB).means("upward reaction at the fixed end A");
    c.row("反力 (RB)", Dimension::Force, RB).means("upward reaction at the prop B");
    c.row("曲げモーメント (MA)", Dimension::Moment, (((-P) * (l - a)) * (pow(l, 2) - pow(l - a, 2))) / (2 * pow(l, 2)))
        .means("moment at the fixed end A, sagging positive (hogging under a downward load)");
    c.row("曲げモーメント (MC)", Dimension::Moment,
          ((P * (l - a)) / 2) * ((2 - ((3 * (l - a)) / l)) + (pow(l - a, 3) / pow(l, 3))))
        .means("moment under the load P, sagging positive");
    c.row("変位 (fC)", Dimension::Length,
          (((P * pow(a, 3)) * pow(l - a, 2)) / (((12 * E) * I) * pow(l, 3))) * ((4 * l) - a))
        .means("deflection under the load P, downward positive");
    c.member({}, [=](const Inputs &in) {
        Beam beam = fixedAtLeft(valueOf(l, in), valueOf(E * I, in), true);
        beam.forces = {{valueOf(a, in), valueOf(P, in)}};
        return beam;
    });
    c.sketch(sketches::proppedPointLoad);
    return c.build();
}

// A propped cantilever of span l under a load from A to B (uniform or falling to 0 at B).
Beam proppedUnder(const Inputs &in, const Expr &E, const Expr &I, const Expr &l, const Expr &w, bool uniform)
{
    Beam beam = fixedAtLeft(valueOf(l, in), valueOf(E * I, in), true);
    beam.distributed = {{0, beam.length, valueOf(w, in), uniform ? valueOf(w, in) : 0.0}};
    return beam;
}

// Propped cantilever under a uniform load w; x from the prop B. The largest span moment MC
// stands 3l/8 from B.
shell::CaseDef proppedUniform()
{
    CaseBuilder c("Cantilever (6)");
    c.title("Propped cantilever, uniform load");
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10),
               l = c.input("l", Dimension::Length, 100);
    const Expr w = c.input("w", Dimension::LineLoad, 100), x = c.input("x", Dimension::Length, 50);
    c.requirePositive(l);
    c.requireBetween(x, 0, l);
    requireStiffness(c, E, I);
    const Expr m = named("m", x / l);
    c.row("反力 (RA)", Dimension::Force, ((5 * w) * l) / 8).means("upward reaction at the fixed end A");
    c.row("反力 (RB)", Dimension::Force, ((3 * w) * l) / 8).means("upward reaction at the prop B");
    c.row("曲げモーメント (MA)", Dimension::Moment, (-(w * pow(l, 2))) / 8)
        .means("moment at the fixed end A, sagging positive (hogging under a downward load)");
    c.row("曲げモーメント (MC)", Dimension::Moment, ((9 * w) * pow(l, 2)) / 128)
        .means("largest span moment, 3l/8 from the prop B, sagging positive");
    c.row("変位 (fx)", Dimension::Length,
          ((w * pow(l, 4)) / ((48 * E) * I)) * ((m - (3 * pow(m, 3))) + (2 * pow(m, 4))))
        .means("deflection at x from the prop B, downward positive");
    // The exact divisor is 184.6; the handbook rounds it to 185.
    c.row("変位 (fmax)", Dimension::Length, (w * pow(l, 4)) / ((185 * E) * I))
        .means("largest deflection, 0.42 l from the prop B, downward positive (divisor rounded)")
        .notAlwaysLargest(Quantity::Deflection);
    c.member({}, [=](const Inputs &in) { return proppedUnder(in, E, I, l, w, true); });
    c.mark(0, l - x, "x");
    c.sketch(sketches::proppedUniform);
    return c.build();
}

// Propped cantilever under a triangular load, w at the fixed end A falling to 0 at the prop B.
shell::CaseDef proppedTriangular()
{
    CaseBuilder c("Cantilever (7)");
    c.title("Propped cantilever, triangular load falling to the prop");
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10),
               l = c.input("l", Dimension::Length, 100);
    const Expr w = c.input("w", Dimension::LineLoad, 100);
    c.requirePositive(l);
    requireStiffness(c, E, I);
    c.row("反力 (RA)", Dimension::Force, ((4 * w) * l) / 10).means("upward reaction at the fixed end A");
    c.row("反力 (RB)", Dimension::Force, (w * l) / 10).means("upward reaction at the prop B");
    c.row("曲げモーメント (MA)", Dimension::Moment, (-(w * pow(l, 2))) / 15)
        .means("moment at the fixed end A, sagging positive (hogging under a downward load)");
    // Handbook coefficients rounded from 0.029814 and 0.0023851, both taken 0.447 l from B.
    c.row("曲げモーメント (Mmax)", Dimension::Moment, (0.0298 * w) * pow(l, 2))
        .means("largest span moment, 0.447 l from the prop B, sagging positive (coefficient rounded)");
    c.row("変位 (fmax)", Dimension::Length, ((0.002385 * w) * pow(l, 4)) / (E * I))
        .means("largest deflection, 0.447 l from the prop B, downward positive (coefficient rounded)");
    c.member({}, [=](const Inputs &in) { return proppedUnder(in, E, I, l, w, false); });
    c.sketch(sketches::proppedTriangular);
    return c.build();
}

// Propped cantilever with a moment M applied at C, a from the fixed end A and b from the prop B.
// M turns clockwise as drawn. MCA and MCB are the moments just on either side of C; they add up
// to M.
shell::CaseDef proppedMoment()
{
    CaseBuilder c("Cantilever (8)");
    c.title("Propped cantilever, moment M at a");
    const Expr a = c.input("a", Dimension::Length, 70), b = c.input("b", Dimension::Length, 30),
               M = c.input("M", Dimension::Moment, 100);
    // A couple at the fixed end (a = 0) goes into the support, which then takes MA = −M; the
    // member between A and C has no length, and MCA is that end moment shown hogging.
    c.requireAtLeast(a, 0);
    c.requireAtLeast(b, 0);
    requireLength(c, a, b);
    const Expr l = named("l", a + b);
    const Expr n = named("n", a / l);
    // The fixed-end moment comes first; the reactions follow from it.
    const Expr MA = named("MA", (-(M / 2)) * ((2 - (6 * n)) + (3 * pow(n, 2))));
    c.row("反力 (RA)", Dimension::Force, -((M + MA) / l))
        .means("upward reaction at the fixed end A; negative means A holds the member down");
    c.row("反力 (RB)", Dimension::Force, (M + MA) / l).means("upward reaction at the prop B");
    c.row("曲げモーメント (MA)", Dimension::Moment, MA).means("moment at the fixed end A, sagging positive");
    c.row("曲げモーメント (MCA)", Dimension::Moment, (M / 2) * (((2 - (6 * n)) + (9 * pow(n, 2))) - (3 * pow(n, 3))))
        .means("moment just on the A side of C (with C at A: the moment A takes), hogging shown positive");
    c.row("曲げモーメント (MCB)", Dimension::Moment, (((3 * M) * n) / 2) * ((2 - (3 * n)) + pow(n, 2)))
        .means("moment just on the B side of C, sagging positive");
    // No E and I: the reactions and moments of the propped member do not depend on its stiffness.
    c.member({}, [=](const Inputs &in) {
        Beam beam;
        beam.length = valueOf(l, in);
        beam.supports = {{0, SupportKind::Fixed}, {beam.length, SupportKind::Roller}};
        beam.couples = {{valueOf(a, in), valueOf(M, in)}};
        return beam;
    });
    c.sketch(sketches::proppedMoment);
    return c.build();
}

}  // namespace

std::vector<shell::CaseDef> cantileverCases()
{
    std::vector<shell::CaseDef> cases = {cantileverPointLoad(), cantileverUniform(), cantileverTriangular(),
                                         cantileverMoment(),    proppedPointLoad(),  proppedUniform(),
                                         proppedTriangular(),   proppedMoment()};
    for (shell::CaseDef &span : spanCases())
        cases.push_back(std::move(span));
    return cases;
}

}  // namespace cantilever
