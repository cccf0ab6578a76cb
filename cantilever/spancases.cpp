// The single-span cases, each formula in the grouping it is evaluated in.
//
// A span l between the supports A (left, x = 0 of its member models) and B (right). For each
// load the rows give the simply supported span beside the span fixed at both ends, so each case
// has both member models. Moments at mid-span and under loads are sagging positive; the end
// moments of a symmetric load show the hogging moment as a positive number; where the load is
// not symmetric the end moments keep the signs of their formulas, as each row's meaning says.
// A couple M is drawn clockwise. The last case is a pair of moving wheel loads.

#include "cantilever/catalogue_parts.h"

#include <functional>
#include <string>

namespace cantilever {

using mechanics::Beam;
using mechanics::SupportKind;
using shell::CaseBuilder;
using shell::Dimension;
using shell::Expr;
using shell::min;
using shell::named;
using shell::pow;
using shell::Quantity;
using shell::when;

namespace {

// The loads of a case on a span of the given length, from the inputs.
using Loading = std::function<void(Beam &, const Inputs &)>;

// The two members a single-span case reports on: the span l simply supported (pinned at A, on
// a roller at B) and fixed at both ends, under the same load. EI = E·I where the case has E
// and I (every deflection row needs them).
void bothSpans(CaseBuilder &c, const Expr &l, const Expr &E, const Expr &I, const Loading &load)
{
    const auto span = [=](const Inputs &in, SupportKind left, SupportKind right) {
        Beam beam;
        beam.length = valueOf(l, in);
        beam.flexuralRigidity = valueOf(E * I, in);
        beam.supports = {{0, left}, {beam.length, right}};
        load(beam, in);
        return beam;
    };
    c.member("simply supported", [=](const Inputs &in) { return span(in, SupportKind::Pinned, SupportKind::Roller); });
    c.member("fixed at both ends", [=](const Inputs &in) { return span(in, SupportKind::Fixed, SupportKind::Fixed); });
}

void requireStiffness(CaseBuilder &c, const Expr &E, const Expr &I)
{
    c.requirePositive(E);
    c.requirePositive(I);
}

std::string onSpan(const std::string &what)
{
    return what + ", simply supported span";
}

std::string onFixedSpan(const std::string &what)
{
    return what + ", span fixed at both ends";
}

// The rows every symmetric load has: reactions equal on both spans, the mid-span moment and
// deflection of the simply supported span, the end moment of the fixed-ended span.
const char *const EndMomentMeaning = "moment at either fixed end, hogging shown positive";
const char *const MidSpanDeflection = "mid-span deflection, the largest, downward positive";

// Point load P at C, a from A.
shell::CaseDef spanPointLoad()
{
    CaseBuilder c("Cantilever (9)");
    c.title("Simple or fixed-ended span, point load P at a");
    const Expr P = c.input("P", Dimension::Force, 100), l = c.input("l", Dimension::Length, 100),
               a = c.input("a", Dimension::Length, 70);
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requirePositive(l);
    c.requireBetween(a, 0, l);
    requireStiffness(c, E, I);
    // The mid-span deflection is the same for a load a from A as for one a from B; the
    // deflection formula holds for a load on the near half, so it takes the distance from
    // the nearer support.
    const Expr a1 = named("a1", min(a, l - a));
    c.row("反力 (RA)", Dimension::Force, (P * (l - a)) / l).means(onSpan("upward reaction at A"));
    c.row("反力 (RB)", Dimension::Force, (P * a) / l).means(onSpan("upward reaction at B"));
    c.row("曲げモーメント (MC)", Dimension::Moment, ((P * a) * (l - a)) / l)
        .means(onSpan("moment under the load P, the largest"));
    c.row("変位 (fmid)", Dimension::Length,
          ((P * pow(l, 3)) / ((48 * E) * I)) * (((3 * a1) / l) - (4 * pow(a1 / l, 3))))
        .means(onSpan("mid-span deflection, downward positive"));
    c.row("反力 (RAs)", Dimension::Force, (P * pow((l - a) / l, 2)) * (1 + (2 * (a / l))))
        .means(onFixedSpan("upward reaction at A"));
    c.row("反力 (RBs)", Dimension::Force, (P * pow(a / l, 2)) * (1 + (2 * ((l - a) / l))))
        .means(onFixedSpan("upward reaction at B"));
    // The end moments as clockwise couples on the member: at A this is the sagging moment
    // there (negative under a downward load), at B the hogging one (positive).
    c.row("曲げモーメント (MA)", Dimension::Moment, -(((P * a) * pow(l - a, 2)) / pow(l, 2)))
        .means("moment at the fixed end A, sagging positive (hogging under a downward load)");
    c.row("曲げモーメント (MB)", Dimension::Moment, ((P * pow(a, 2)) * (l - a)) / pow(l, 2))
        .means("moment at the fixed end B, hogging shown positive (clockwise end couple)");
    c.row("変位 (fC)", Dimension::Length, ((P * pow(a, 3)) * pow(l - a, 3)) / (((3 * E) * I) * pow(l, 3)))
        .means(onFixedSpan("deflection under the load P, downward positive"));
    bothSpans(c, l, E, I, [=](Beam &beam, const Inputs &in) { beam.forces = {{valueOf(a, in), valueOf(P, in)}}; });
    c.sketch(sketches::spanPointLoad);
    return c.build();
}

// Point load P at mid-span C.
shell::CaseDef spanMidPointLoad()
{
    CaseBuilder c("Cantilever (10)");
    c.title("Simple or fixed-ended span, point load P at mid-span");
    const Expr P = c.input("P", Dimension::Force, 100), l = c.input("l", Dimension::Length, 100),
               E = c.input("E", Dimension::Stress, 100000, 1000);
    const Expr I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requirePositive(l);
    requireStiffness(c, E, I);
    c.row("反力 (RA)", Dimension::Force, P / 2).means("upward reaction at A, on either span");
    c.row("反力 (RB)", Dimension::Force, P / 2).means("upward reaction at B, on either span");
    c.row("曲げモーメント (MC)", Dimension::Moment, (P * l) / 4).means(onSpan("moment at mid-span, the largest"));
    c.row("変位 (fC)", Dimension::Length, (P * pow(l, 3)) / ((48 * E) * I)).means(onSpan(MidSpanDeflection));
    c.row("曲げモーメント (MB)", Dimension::Moment, (P * l) / 8)
        .means("moment at either fixed end, hogging shown positive; mid-span sags as much");
    c.row("変位 (fC2)", Dimension::Length, (P * pow(l, 3)) / ((192 * E) * I)).means(onFixedSpan(MidSpanDeflection));
    bothSpans(c, l, E, I, [=](Beam &beam, const Inputs &in) { beam.forces = {{valueOf(l / 2, in), valueOf(P, in)}}; });
    c.sketch(sketches::spanMidPointLoad);
    return c.build();
}

// Two point loads P at the third points.
shell::CaseDef spanThirdPointLoads()
{
    CaseBuilder c("Cantilever (11)");
    c.title("Simple or fixed-ended span, loads P at the third points");
    const Expr P = c.input("P", Dimension::Force, 100), l = c.input("l", Dimension::Length, 100),
               E = c.input("E", Dimension::Stress, 100000, 1000);
    const Expr I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requirePositive(l);
    requireStiffness(c, E, I);
    c.row("反力 (RA)", Dimension::Force, P).means("upward reaction at A, on either span");
    c.row("反力 (RB)", Dimension::Force, P).means("upward reaction at B, on either span");
    c.row("曲げモーメント (MC)", Dimension::Moment, (P * l) / 3).means(onSpan("moment between the loads, the largest"));
    c.row("変位 (fC)", Dimension::Length, (Expr(23) / 648) * ((P * pow(l, 3)) / (E * I)))
        .means(onSpan(MidSpanDeflection));
    c.row("曲げモーメント (MA,MB)", Dimension::Moment, ((2 * P) * l) / 9).means(EndMomentMeaning);
    c.row("変位 (fC2)", Dimension::Length, (Expr(5) / 648) * ((P * pow(l, 3)) / (E * I)))
        .means(onFixedSpan(MidSpanDeflection));
    bothSpans(c, l, E, I, [=](Beam &beam, const Inputs &in) {
        beam.forces = {{valueOf(l / 3, in), valueOf(P, in)}, {valueOf((2 * l) / 3, in), valueOf(P, in)}};
    });
    c.sketch(sketches::spanThirdPointLoads);
    return c.build();
}

// Two point loads P, each a from its end.
shell::CaseDef spanSymmetricPointLoads()
{
    CaseBuilder c("Cantilever (12)");
    c.title("Simple or fixed-ended span, loads P at a from each end");
    const Expr P = c.input("P", Dimension::Force, 100), l = c.input("l", Dimension::Length, 100),
               a = c.input("a", Dimension::Length, 30);
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requirePositive(l);
    c.requireBetween(a, 0, l);
    requireStiffness(c, E, I);
    // Loads a from each end with a beyond mid-span are the same pair as loads l - a from each
    // end; the formulas hold for the loads on their near halves, so they take the shorter one.
    const Expr a1 = named("a1", min(a, l - a));
    c.row("反力 (RA)", Dimension::Force, P).means("upward reaction at A, on either span");
    c.row("反力 (RB)", Dimension::Force, P).means("upward reaction at B, on either span");
    c.row("曲げモーメント (MC)", Dimension::Moment, P * a1).means(onSpan("moment between the loads, the largest"));
    c.row("変位 (fC)", Dimension::Length, ((P * pow(l, 3)) / ((6 * E) * I)) * (((3 * a1) / (4 * l)) - pow(a1 / l, 3)))
        .means(onSpan(MidSpanDeflection));
    c.row("曲げモーメント (MA,MB)", Dimension::Moment, ((P * a1) / l) * (l - a1)).means(EndMomentMeaning);
    c.row("変位 (fC2)", Dimension::Length,
          ((P * pow(l, 3)) / ((6 * E) * I)) * (((Expr(3) / 4) * pow(a1 / l, 2)) - pow(a1 / l, 3)))
        .means(onFixedSpan(MidSpanDeflection));
    bothSpans(c, l, E, I, [=](Beam &beam, const Inputs &in) {
        beam.forces = {{valueOf(a, in), valueOf(P, in)}, {valueOf(l - a, in), valueOf(P, in)}};
    });
    c.sketch(sketches::spanSymmetricPointLoads);
    return c.build();
}

// Uniform load w over the span, C at mid-span.
shell::CaseDef spanUniform()
{
    CaseBuilder c("Cantilever (13)");
    c.title("Simple or fixed-ended span, uniform load");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               E = c.input("E", Dimension::Stress, 100000, 1000);
    const Expr I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requirePositive(l);
    requireStiffness(c, E, I);
    const Expr RA = c.row("反力 (RA)", Dimension::Force, (w * l) / 2).means("upward reaction at A, on either span");
    c.row("反力 (RB)", Dimension::Force, RA).means("upward reaction at B, on either span");
    c.row("曲げモーメント (MC)", Dimension::Moment, (w * pow(l, 2)) / 8)
        .means(onSpan("moment at mid-span, the largest"));
    c.row("変位 (fC)", Dimension::Length, ((5 * w) * pow(l, 4)) / ((384 * E) * I)).means(onSpan(MidSpanDeflection));
    // The fixed-end moment wl²/12, a magnitude like the end moments of the other symmetric loads.
    c.row("曲げモーメント (MA,MB)", Dimension::Moment, (w * pow(l, 2)) / 12).means(EndMomentMeaning);
    c.row("変位 (fC2)", Dimension::Length, (w * pow(l, 4)) / ((384 * E) * I)).means(onFixedSpan(MidSpanDeflection));
    bothSpans(c, l, E, I, [=](Beam &beam, const Inputs &in) {
        beam.distributed = {{0, beam.length, valueOf(w, in), valueOf(w, in)}};
    });
    c.sketch(sketches::spanUniform);
    return c.build();
}

// Trapezoidal load: w over the middle, rising from 0 over the length a at each end.
shell::CaseDef spanTrapezoidal()
{
    CaseBuilder c("Cantilever (14)");
    c.title("Simple or fixed-ended span, trapezoidal load, ramps a");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               a = c.input("a", Dimension::Length, 20);
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10);
    // Ramps longer than half the span would overlap: no such trapezoid exists.
    c.requirePositive(l);
    c.requireBetween(a, 0, l / 2);
    requireStiffness(c, E, I);
    const Expr RA =
        c.row("反力 (RA)", Dimension::Force, ((l - a) / 2) * w).means("upward reaction at A, on either span");
    c.row("反力 (RB)", Dimension::Force, RA).means("upward reaction at B, on either span");
    c.row("曲げモーメント (MC)", Dimension::Moment, ((w * pow(l, 2)) / 24) * (3 - (4 * pow(a / l, 2))))
        .means(onSpan("moment at mid-span, the largest"));
    c.row("変位 (fC)", Dimension::Length,
          ((w * pow(l, 4)) / ((1920 * E) * I)) * ((25 - (40 * pow(a / l, 2))) + (16 * pow(a / l, 4))))
        .means(onSpan(MidSpanDeflection));
    // Fixed-end moment (wl²/12)(1 − 2(a/l)² + (a/l)³): wl²/12 of the uniform load when a = 0.
    c.row("曲げモーメント (MA,MB)", Dimension::Moment,
          ((w * pow(l, 2)) / 12) * (1 - ((2 * pow(a / l, 2)) - pow(a / l, 3))))
        .means(EndMomentMeaning);
    bothSpans(c, l, E, I, [=](Beam &beam, const Inputs &in) {
        const double q = valueOf(w, in), ramp = valueOf(a, in), span = beam.length;
        beam.distributed = {{0, ramp, 0, q}, {ramp, span - ramp, q, q}, {span - ramp, span, q, 0}};
    });
    c.sketch(sketches::spanTrapezoidal);
    return c.build();
}

// Symmetric triangular load, 0 at both ends, w at mid-span C.
shell::CaseDef spanSymmetricTriangle()
{
    CaseBuilder c("Cantilever (15)");
    c.title("Simple or fixed-ended span, symmetric triangular load");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               E = c.input("E", Dimension::Stress, 100000, 1000);
    const Expr I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requirePositive(l);
    requireStiffness(c, E, I);
    const Expr RA = c.row("反力 (RA)", Dimension::Force, (w * l) / 4).means("upward reaction at A, on either span");
    c.row("反力 (RB)", Dimension::Force, RA).means("upward reaction at B, on either span");
    c.row("曲げモーメント (MC)", Dimension::Moment, (w * pow(l, 2)) / 12)
        .means(onSpan("moment at mid-span, the largest"));
    c.row("変位 (fC)", Dimension::Length, (w * pow(l, 4)) / ((120 * E) * I)).means(onSpan(MidSpanDeflection));
    c.row("曲げモーメント (MA,MB)", Dimension::Moment, ((5 * w) * pow(l, 2)) / 96).means(EndMomentMeaning);
    c.row("変位 (fC2)", Dimension::Length, ((0.7 * w) * pow(l, 4)) / ((384 * E) * I))
        .means(onFixedSpan(MidSpanDeflection));
    bothSpans(c, l, E, I, [=](Beam &beam, const Inputs &in) {
        const double q = valueOf(w, in), half = beam.length / 2;
        beam.distributed = {{0, half, 0, q}, {half, beam.length, q, 0}};
    });
    c.sketch(sketches::spanSymmetricTriangle);
    return c.build();
}

// Triangles of peak w side by side over `count` equal parts of the span, each peaking at the
// middle of its part.
Loading triangles(const Expr &w, int count)
{
    return [=](Beam &beam, const Inputs &in) {
        const double q = valueOf(w, in), part = beam.length / count;
        for (int k = 0; k < count; ++k) {
            const double from = k * part, to = (k + 1) * part, peak = (from + to) / 2;
            beam.distributed.push_back({from, peak, 0, q});
            beam.distributed.push_back({peak, to, q, 0});
        }
    };
}

// Two triangular loads over the two halves, peaks w at the quarter points.
shell::CaseDef spanTwoTriangles()
{
    CaseBuilder c("Cantilever (16)");
    c.title("Simple or fixed-ended span, two triangular loads");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               E = c.input("E", Dimension::Stress, 100000, 1000);
    const Expr I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requirePositive(l);
    requireStiffness(c, E, I);
    const Expr RA = c.row("反力 (RA)", Dimension::Force, (w * l) / 4).means("upward reaction at A, on either span");
    c.row("反力 (RB)", Dimension::Force, RA).means("upward reaction at B, on either span");
    c.row("曲げモーメント (MC)", Dimension::Moment, (w * pow(l, 2)) / 16)
        .means(onSpan("moment at mid-span, the largest"));
    c.row("変位 (fC)", Dimension::Length, ((7 * w) * pow(l, 4)) / ((1024 * E) * I)).means(onSpan(MidSpanDeflection));
    c.row("曲げモーメント (MA,MB)", Dimension::Moment, ((17 * w) * pow(l, 2)) / 384).means(EndMomentMeaning);
    bothSpans(c, l, E, I, triangles(w, 2));
    c.sketch(sketches::spanTwoTriangles);
    return c.build();
}

// Three triangular loads over the three thirds, peaks w at the middle of each third.
shell::CaseDef spanThreeTriangles()
{
    CaseBuilder c("Cantilever (17)");
    c.title("Simple or fixed-ended span, three triangular loads");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               E = c.input("E", Dimension::Stress, 100000, 1000);
    const Expr I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requirePositive(l);
    requireStiffness(c, E, I);
    const Expr RA = c.row("反力 (RA)", Dimension::Force, (w * l) / 4).means("upward reaction at A, on either span");
    c.row("反力 (RB)", Dimension::Force, RA).means("upward reaction at B, on either span");
    c.row("曲げモーメント (MC)", Dimension::Moment, ((7 * w) * pow(l, 2)) / 108)
        .means(onSpan("moment at mid-span, the largest"));
    c.row("変位 (fC)", Dimension::Length, ((259 * w) * pow(l, 4)) / ((38880 * E) * I)).means(onSpan(MidSpanDeflection));
    c.row("曲げモーメント (MA,MB)", Dimension::Moment, ((37 * w) * pow(l, 2)) / 864).means(EndMomentMeaning);
    bothSpans(c, l, E, I, triangles(w, 3));
    c.sketch(sketches::spanThreeTriangles);
    return c.build();
}

// Triangular load rising from 0 at A to w at B; x from A. With both ends fixed, both end
// moments are hogging and shown negative.
shell::CaseDef spanRisingTriangle()
{
    CaseBuilder c("Cantilever (18)");
    c.title("Simple or fixed-ended span, triangular load rising to B");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 50);
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requirePositive(l);
    c.requireBetween(x, 0, l);
    requireStiffness(c, E, I);
    const Expr W = named("W", w * l);
    c.row("反力 (RA)", Dimension::Force, W / 6).means(onSpan("upward reaction at A"));
    c.row("反力 (RB)", Dimension::Force, (2 * W) / 6).means(onSpan("upward reaction at B"));
    c.row("曲げモーメント (Mx)", Dimension::Moment, ((W * x) / 6) * (1 - (pow(x, 2) / pow(l, 2))))
        .means(onSpan("moment at x from A"));
    // Handbook coefficients: 0.064 for 1/(9√3) = 0.06415 at l/√3 from A, 0.00652 for 0.0065222
    // at 0.519 l from A, and the divisor 764 for 763.9 at 0.525 l from A.
    c.row("曲げモーメント (Mmax)", Dimension::Moment, (0.064 * w) * pow(l, 2))
        .means(onSpan("largest moment, l/√3 from A (coefficient rounded)"))
        .notAlwaysLargest(Quantity::Moment);
    c.row("変位 (fmax)", Dimension::Length, ((0.00652 * w) * pow(l, 4)) / (E * I))
        .means(onSpan("largest deflection, 0.519 l from A (coefficient rounded)"));
    c.row("反力 (RA1)", Dimension::Force, (3 * W) / 20).means(onFixedSpan("upward reaction at A"));
    c.row("反力 (RB1)", Dimension::Force, (7 * W) / 20).means(onFixedSpan("upward reaction at B"));
    c.row("曲げモーメント (MA)", Dimension::Moment, -((w * pow(l, 2)) / 30))
        .means("moment at the fixed end A, sagging positive (hogging under a downward load)");
    c.row("曲げモーメント (MB)", Dimension::Moment, -((w * pow(l, 2)) / 20))
        .means("moment at the fixed end B, sagging positive (hogging under a downward load)");
    c.row("変位 (fC)", Dimension::Length, (w * pow(l, 4)) / ((764 * E) * I))
        .means(onFixedSpan("largest deflection, 0.525 l from A (divisor rounded)"));
    bothSpans(c, l, E, I, [=](Beam &beam, const Inputs &in) {
        beam.distributed = {{0, beam.length, 0, valueOf(w, in)}};
    });
    c.mark(0, x, "x");
    c.mark(1, x, "x");
    c.sketch(sketches::spanRisingTriangle);
    return c.build();
}

// Uniform load w over the length b, from a after A to c before B (span l = a + b + c).
shell::CaseDef spanPartialUniform()
{
    CaseBuilder c("Cantilever (19)");
    c.title("Simple or fixed-ended span, uniform load w over b");
    const Expr a = c.input("a", Dimension::Length, 30), b = c.input("b", Dimension::Length, 40),
               cc = c.input("c", Dimension::Length, 30), w = c.input("w", Dimension::LineLoad, 1);
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10);
    // The rows divide by the loaded length b.
    c.requireAtLeast(a, 0);
    c.requirePositive(b);
    c.requireAtLeast(cc, 0);
    requireStiffness(c, E, I);
    const Expr W = named("W", w * b);
    const Expr l = named("l", (a + b) + cc);
    const Expr RA =
        c.row("反力 (RA)", Dimension::Force, (W / l) * ((b / 2) + cc)).means(onSpan("upward reaction at A"));
    c.row("反力 (RB)", Dimension::Force, (W / l) * ((b / 2) + a)).means(onSpan("upward reaction at B"));
    // The moment where the shear is zero, a + RA / w from A; without a load (W = 0, which makes
    // RA × b / W 0 / 0) the moment is 0 there as everywhere.
    c.row("曲げモーメント (Mmax)", Dimension::Moment,
          when(W == 0, 0, (W / b) * ((pow(a + ((RA * b) / W), 2) - pow(a, 2)) / 2)))
        .means(onSpan("moment where the shear is zero, a + RA / w from A, the largest"));
    // The mid-span deflection of a load of length b centred on the span, whatever a and c are:
    // the deflection of the drawn load only where a = c, and above it elsewhere.
    c.row("変位 (fmax)", Dimension::Length,
          (W / ((384 * E) * I)) * (((8 * pow(l, 3)) - ((4 * l) * pow(b, 2))) + pow(b, 3)))
        .means(onSpan("mid-span deflection with the load centred; above the largest one elsewhere"))
        .notAlwaysLargest(Quantity::Deflection);
    // The end moments as clockwise couples on the member, as in "Cantilever (9)".
    c.row("曲げモーメント (MA)", Dimension::Moment,
          ((-W) / ((12 * pow(l, 2)) * b)) *
              ((pow(b + cc, 3) * ((4 * l) - (3 * (b + cc)))) - (pow(cc, 3) * ((4 * l) - (3 * cc)))))
        .means("moment at the fixed end A, sagging positive (hogging under a downward load)");
    c.row("曲げモーメント (MB)", Dimension::Moment,
          (W / ((12 * pow(l, 2)) * b)) *
              ((pow(a + b, 3) * ((4 * l) - (3 * (a + b)))) - (pow(a, 3) * ((4 * l) - (3 * a)))))
        .means("moment at the fixed end B, hogging shown positive (clockwise end couple)");
    bothSpans(c, l, E, I, [=](Beam &beam, const Inputs &in) {
        const double from = valueOf(a, in), q = valueOf(w, in);
        beam.distributed = {{from, from + valueOf(b, in), q, q}};
    });
    c.sketch(sketches::spanPartialUniform);
    return c.build();
}

// Moment M applied at C, a from A and b from B, clockwise as drawn.
shell::CaseDef spanMoment()
{
    CaseBuilder c("Cantilever (20)");
    c.title("Simple or fixed-ended span, moment M at a");
    const Expr M = c.input("M", Dimension::Moment, 100), a = c.input("a", Dimension::Length, 70),
               b = c.input("b", Dimension::Length, 30);
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10);
    // A couple at A (a = 0): the simple support turns under it, the fixed end takes it (MA = −M).
    c.requireAtLeast(a, 0);
    c.requireAtLeast(b, 0);
    requireLength(c, a, b);
    requireStiffness(c, E, I);
    const Expr l = named("l", a + b);
    c.row("反力 (RA)", Dimension::Force, -(M / l))
        .means(onSpan("upward reaction at A; negative means A holds the beam down"));
    c.row("反力 (RB)", Dimension::Force, M / l).means(onSpan("upward reaction at B"));
    c.row("曲げモーメント (MCA)", Dimension::Moment, (M * a) / l)
        .means(onSpan("moment just on the A side of C, hogging shown positive"));
    c.row("曲げモーメント (MCB)", Dimension::Moment, (M * b) / l)
        .means(onSpan("moment just on the B side of C, sagging positive"));
    // Positive where C rises: a clockwise couple nearer B than A lifts C.
    c.row("変位 (fC)", Dimension::Length, (((M * a) * b) / ((3 * E) * I)) * ((a / l) - (b / l)))
        .means(onSpan("deflection at C, upward positive"));
    c.row("曲げモーメント (MA)", Dimension::Moment, (M * (b / pow(l, 2))) * ((3 * a) - l))
        .means("moment at the fixed end A, sagging positive (clockwise end couple)");
    // A couple at B itself (b = 0) goes straight into the fixed end: the member carries none of it.
    c.row("曲げモーメント (MB)", Dimension::Moment, when(b == 0, 0, (M * (a / pow(l, 2))) * ((3 * b) - l)))
        .means("moment at the fixed end B, hogging shown positive (clockwise end couple); 0 for a couple at B itself");
    bothSpans(c, l, E, I, [=](Beam &beam, const Inputs &in) { beam.couples = {{valueOf(a, in), valueOf(M, in)}}; });
    c.sketch(sketches::spanMoment);
    return c.build();
}

// Two equal wheel loads w at the spacing a moving over a simply supported span l. The rows are
// envelopes over every position of the pair, so no single loaded member stands for them: the
// case's member model is the span with the pair rolling over it both ways, and its diagrams the
// envelopes, which the rows claim the extremes of.
shell::CaseDef spanWheelLoads()
{
    CaseBuilder c("Cantilever (21)");
    c.title("Simply supported span, two moving wheel loads w at a");
    const Expr w = c.input("w", Dimension::Force, 100), l = c.input("l", Dimension::Length, 100),
               a = c.input("a", Dimension::Length, 30);
    c.requirePositive(l);
    c.requireAtLeast(a, 0);
    // With the wheels a span or more apart only one of them is ever on the span.
    c.row("反力 (Rmax)", Dimension::Force, when(a >= l, w, (w / l) * ((2 * l) - a)))
        .means("largest reaction as the pair moves: a wheel over the support")
        .notAlwaysLargest(Quantity::Shear);
    // Beyond a = 0.586 l (2 − √2 = 0.5858 rounded) one wheel alone at mid-span gives the larger
    // moment.
    c.row("曲げモーメント (Mmax)", Dimension::Moment,
          when(a > (0.586 * l), (w * l) / 4, (w / (8 * l)) * pow((2 * l) - a, 2)))
        .means("largest moment as the pair moves, under a wheel (threshold 0.586 l rounded)")
        .notAlwaysLargest(Quantity::Moment);
    c.movingLoads({}, [=](const Inputs &in) {
        shell::MovingLoad load;
        load.beam.length = valueOf(l, in);
        load.beam.supports = {{0, SupportKind::Pinned}, {load.beam.length, SupportKind::Roller}};
        load.train.axles = {{0, valueOf(w, in)}, {valueOf(a, in), valueOf(w, in)}};
        return load;
    });
    c.sketch(sketches::spanWheelLoads);
    return c.build();
}

}  // namespace

std::vector<shell::CaseDef> spanCases()
{
    return {spanPointLoad(),      spanMidPointLoad(),   spanThirdPointLoads(),   spanSymmetricPointLoads(),
            spanUniform(),        spanTrapezoidal(),    spanSymmetricTriangle(), spanTwoTriangles(),
            spanThreeTriangles(), spanRisingTriangle(), spanPartialUniform(),    spanMoment(),
            spanWheelLoads()};
}

}  // namespace cantilever
