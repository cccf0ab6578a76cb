// The 21 cantilever cases, each formula in the grouping it is evaluated in.
//
// Cantilevers (fixed at A, free at B) and propped cantilevers (fixed at A, simply supported at
// B): reactions, bending moments and deflections. Moments at the fixed end of a propped
// cantilever are hogging and come out negative.
//
// Single spans between the supports A (left) and B (right): for each load, the reactions,
// moments and deflections of the simply supported span beside those of the span fixed at both
// ends. The last case is a pair of moving wheel loads on a simply supported span.

#include "cantilever/catalogue_parts.h"

namespace cantilever {

using shell::CaseBuilder;
using shell::Dimension;
using shell::Expr;
using shell::min;
using shell::named;
using shell::pow;
using shell::when;

namespace {

// Point load P at C, a from the fixed end A; the free end B lies b beyond C; x from B.
shell::CaseDef cantileverPointLoad()
{
    CaseBuilder c("Cantilever (1)");
    const Expr a = c.input("a", Dimension::Length, 70), b = c.input("b", Dimension::Length, 30),
               P = c.input("P", Dimension::Force, 100);
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10),
               x = c.input("x", Dimension::Length, 60);
    c.requirePositive(a);
    c.requireAtLeast(b, 0);
    c.requireAtLeast(x, 0);
    c.row("反力 (RA)", Dimension::Force, P);
    // Between the free end and the load the member carries no moment.
    c.row("曲げモーメント (Mx)", Dimension::Moment, when(x <= b, 0, P * (x - b)));
    c.row("変位 (fB)", Dimension::Length, ((P * pow(a, 3)) / ((3 * E) * I)) * (1 + ((3 * b) / (2 * a))));
    c.row("変位 (fC)", Dimension::Length, (P * pow(a, 3)) / ((3 * E) * I));
    // The caption labels of this case stand in the order E, P, I, unlike its input rows.
    c.legendOrder({"E", "P", "I"});
    c.sketch(sketches::cantileverPointLoad);
    return c.build();
}

// Uniform load w over the whole length l; x from the free end B.
shell::CaseDef cantileverUniform()
{
    CaseBuilder c("Cantilever (2)");
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10),
               l = c.input("l", Dimension::Length, 100);
    const Expr w = c.input("w", Dimension::LineLoad, 1), x = c.input("x", Dimension::Length, 50);
    c.requirePositive(l);
    c.requireAtLeast(x, 0);
    c.row("反力 (RA)", Dimension::Force, w * l);
    c.row("曲げモーメント (Mx)", Dimension::Moment, (w * pow(x, 2)) / 2);
    c.row("曲げモーメント (MA)", Dimension::Moment, (w * pow(l, 2)) / 2);
    c.row("変位 (fx)", Dimension::Length,
          ((w * pow(l, 4)) / ((8 * E) * I)) * ((1 - ((4 * x) / (3 * l))) + (pow(x, 4) / (3 * pow(l, 4)))));
    c.sketch(sketches::cantileverUniform);
    return c.build();
}

// Triangular load, w at the fixed end A falling to 0 at the free end B; x from B.
shell::CaseDef cantileverTriangular()
{
    CaseBuilder c("Cantilever (3)");
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10),
               l = c.input("l", Dimension::Length, 100);
    const Expr w = c.input("w", Dimension::LineLoad, 1), x = c.input("x", Dimension::Length, 50);
    c.requirePositive(l);
    c.requireAtLeast(x, 0);
    c.row("反力 (RA)", Dimension::Force, (w * l) / 2);
    c.row("曲げモーメント (Mx)", Dimension::Moment, (w * pow(x, 3)) / (6 * l));
    c.row("曲げモーメント (MA)", Dimension::Moment, (w * pow(l, 2)) / 6);
    c.row("変位 (fx)", Dimension::Length,
          ((w * pow(l, 4)) / ((30 * E) * I)) * ((1 - ((5 * x) / (4 * l))) + (pow(x, 5) / (4 * pow(l, 5)))));
    c.sketch(sketches::cantileverTriangular);
    return c.build();
}

// Moment M applied at C, a from the fixed end A; the free end B lies b beyond C.
shell::CaseDef cantileverMoment()
{
    CaseBuilder c("Cantilever (4)");
    const Expr a = c.input("a", Dimension::Length, 70), b = c.input("b", Dimension::Length, 30),
               E = c.input("E", Dimension::Stress, 100000, 1000);
    const Expr I = c.input("I", Dimension::SecondMoment, 833, 10), M = c.input("M", Dimension::Moment, 100);
    c.requirePositive(a);
    c.requireAtLeast(b, 0);
    // A couple alone needs no vertical reaction.
    c.row("反力 (RA)", Dimension::Force, 0);
    c.row("曲げモーメント (Mx)", Dimension::Moment, M);
    c.row("曲げモーメント (MA)", Dimension::Moment, M);
    c.row("変位 (fB)", Dimension::Length, ((M * pow(a, 2)) / ((2 * E) * I)) * (1 + ((2 * b) / a)));
    c.row("変位 (fC)", Dimension::Length, (M * pow(a, 2)) / ((2 * E) * I));
    c.sketch(sketches::cantileverMoment);
    return c.build();
}

// Propped cantilever of span l, point load P at C, a from the fixed end A.
shell::CaseDef proppedPointLoad()
{
    CaseBuilder c("Cantilever (5)");
    const Expr a = c.input("a", Dimension::Length, 70), l = c.input("l", Dimension::Length, 100),
               E = c.input("E", Dimension::Stress, 100000, 1000);
    const Expr I = c.input("I", Dimension::SecondMoment, 833, 10), P = c.input("P", Dimension::Force, 100);
    c.requireAtLeast(a, 0);
    c.requirePositive(l);
    // The prop reaction comes first; the fixed end takes the rest of the load.
    const Expr RB = named("RB", ((P * pow(a, 2)) / (2 * pow(l, 3))) * ((l - a) + (2 * l)));
    c.row("反力 (RA)", Dimension::Force, P - RB);
    c.row("反力 (RB)", Dimension::Force, RB);
    c.row("曲げモーメント (MA)", Dimension::Moment, (((-P) * (l - a)) * (pow(l, 2) - pow(l - a, 2))) / (2 * pow(l, 2)));
    c.row("曲げモーメント (MC)", Dimension::Moment,
          ((P * (l - a)) / 2) * ((2 - ((3 * (l - a)) / l)) + (pow(l - a, 3) / pow(l, 3))));
    c.row("変位 (fC)", Dimension::Length,
          (((P * pow(a, 3)) * pow(l - a, 2)) / (((12 * E) * I) * pow(l, 3))) * ((4 * l) - a));
    c.sketch(sketches::proppedPointLoad);
    return c.build();
}

// Propped cantilever under a uniform load w; x from the prop B. The largest span moment MC
// stands 3l/8 from B.
shell::CaseDef proppedUniform()
{
    CaseBuilder c("Cantilever (6)");
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10),
               l = c.input("l", Dimension::Length, 100);
    const Expr w = c.input("w", Dimension::LineLoad, 100), x = c.input("x", Dimension::Length, 50);
    c.requirePositive(l);
    c.requireAtLeast(x, 0);
    const Expr m = named("m", x / l);
    c.row("反力 (RA)", Dimension::Force, ((5 * w) * l) / 8);
    c.row("反力 (RB)", Dimension::Force, ((3 * w) * l) / 8);
    c.row("曲げモーメント (MA)", Dimension::Moment, (-(w * pow(l, 2))) / 8);
    c.row("曲げモーメント (MC)", Dimension::Moment, ((9 * w) * pow(l, 2)) / 128);
    c.row("変位 (fx)", Dimension::Length,
          ((w * pow(l, 4)) / ((48 * E) * I)) * ((m - (3 * pow(m, 3))) + (2 * pow(m, 4))));
    c.row("変位 (fmax)", Dimension::Length, (w * pow(l, 4)) / ((185 * E) * I));
    c.sketch(sketches::proppedUniform);
    return c.build();
}

// Propped cantilever under a triangular load, w at the fixed end A falling to 0 at the prop B.
shell::CaseDef proppedTriangular()
{
    CaseBuilder c("Cantilever (7)");
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10),
               l = c.input("l", Dimension::Length, 100);
    const Expr w = c.input("w", Dimension::LineLoad, 100);
    c.requirePositive(l);
    c.row("反力 (RA)", Dimension::Force, ((4 * w) * l) / 10);
    c.row("反力 (RB)", Dimension::Force, (w * l) / 10);
    c.row("曲げモーメント (MA)", Dimension::Moment, (-(w * pow(l, 2))) / 15);
    c.row("曲げモーメント (Mmax)", Dimension::Moment, (0.0298 * w) * pow(l, 2));
    c.row("変位 (fmax)", Dimension::Length, ((0.002385 * w) * pow(l, 4)) / (E * I));
    c.sketch(sketches::proppedTriangular);
    return c.build();
}

// Propped cantilever with a moment M applied at C, a from the fixed end A and b from the prop B.
// MCA and MCB are the moments just on either side of C; they differ by M.
shell::CaseDef proppedMoment()
{
    CaseBuilder c("Cantilever (8)");
    const Expr a = c.input("a", Dimension::Length, 70), b = c.input("b", Dimension::Length, 30),
               M = c.input("M", Dimension::Moment, 100);
    c.requirePositive(a);
    c.requireAtLeast(b, 0);
    const Expr l = named("l", a + b);
    const Expr n = named("n", a / l);
    // The fixed-end moment comes first; the reactions follow from it.
    const Expr MA = named("MA", (-(M / 2)) * ((2 - (6 * n)) + (3 * pow(n, 2))));
    c.row("反力 (RA)", Dimension::Force, -((M + MA) / l));
    c.row("反力 (RB)", Dimension::Force, (M + MA) / l);
    c.row("曲げモーメント (MA)", Dimension::Moment, MA);
    c.row("曲げモーメント (MCA)", Dimension::Moment, (M / 2) * (((2 - (6 * n)) + (9 * pow(n, 2))) - (3 * pow(n, 3))));
    c.row("曲げモーメント (MCB)", Dimension::Moment, (((3 * M) * n) / 2) * ((2 - (3 * n)) + pow(n, 2)));
    c.sketch(sketches::proppedMoment);
    return c.build();
}

// Point load P at C, a from A.
shell::CaseDef spanPointLoad()
{
    CaseBuilder c("Cantilever (9)");
    const Expr P = c.input("P", Dimension::Force, 100), l = c.input("l", Dimension::Length, 100),
               a = c.input("a", Dimension::Length, 70);
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requireAtLeast(a, 0);
    c.requirePositive(l);
    // The mid-span deflection is the same for a load a from A as for one a from B; the
    // deflection formula holds for a load on the near half, so it takes the distance from
    // the nearer support.
    const Expr a1 = named("a1", min(a, l - a));
    c.row("反力 (RA)", Dimension::Force, (P * (l - a)) / l);
    c.row("反力 (RB)", Dimension::Force, (P * a) / l);
    c.row("曲げモーメント (MC)", Dimension::Moment, ((P * a) * (l - a)) / l);
    c.row("変位 (fmid)", Dimension::Length,
          ((P * pow(l, 3)) / ((48 * E) * I)) * (((3 * a1) / l) - (4 * pow(a1 / l, 3))));
    c.row("反力 (RAs)", Dimension::Force, (P * pow((l - a) / l, 2)) * (1 + (2 * (a / l))));
    c.row("反力 (RBs)", Dimension::Force, (P * pow(a / l, 2)) * (1 + (2 * ((l - a) / l))));
    c.row("曲げモーメント (MA)", Dimension::Moment, -(((P * a) * pow(l - a, 2)) / pow(l, 2)));
    c.row("曲げモーメント (MB)", Dimension::Moment, ((P * pow(a, 2)) * (l - a)) / pow(l, 2));
    c.row("変位 (fC)", Dimension::Length, ((P * pow(a, 3)) * pow(l - a, 3)) / (((3 * E) * I) * pow(l, 3)));
    c.sketch(sketches::spanPointLoad);
    return c.build();
}

// Point load P at mid-span C.
shell::CaseDef spanMidPointLoad()
{
    CaseBuilder c("Cantilever (10)");
    const Expr P = c.input("P", Dimension::Force, 100), l = c.input("l", Dimension::Length, 100),
               E = c.input("E", Dimension::Stress, 100000, 1000);
    const Expr I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requirePositive(l);
    c.row("反力 (RA)", Dimension::Force, P / 2);
    c.row("反力 (RB)", Dimension::Force, P / 2);
    c.row("曲げモーメント (MC)", Dimension::Moment, (P * l) / 4);
    c.row("変位 (fC)", Dimension::Length, (P * pow(l, 3)) / ((48 * E) * I));
    c.row("曲げモーメント (MB)", Dimension::Moment, (P * l) / 8);
    c.row("変位 (fC2)", Dimension::Length, (P * pow(l, 3)) / ((192 * E) * I));
    c.sketch(sketches::spanMidPointLoad);
    return c.build();
}

// Two point loads P at the third points.
shell::CaseDef spanThirdPointLoads()
{
    CaseBuilder c("Cantilever (11)");
    const Expr P = c.input("P", Dimension::Force, 100), l = c.input("l", Dimension::Length, 100),
               E = c.input("E", Dimension::Stress, 100000, 1000);
    const Expr I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requirePositive(l);
    c.row("反力 (RA)", Dimension::Force, P);
    c.row("反力 (RB)", Dimension::Force, P);
    c.row("曲げモーメント (MC)", Dimension::Moment, (P * l) / 3);
    c.row("変位 (fC)", Dimension::Length, (Expr(23) / 648) * ((P * pow(l, 3)) / (E * I)));
    c.row("曲げモーメント (MA,MB)", Dimension::Moment, ((2 * P) * l) / 9);
    c.row("変位 (fC2)", Dimension::Length, (Expr(5) / 648) * ((P * pow(l, 3)) / (E * I)));
    c.sketch(sketches::spanThirdPointLoads);
    return c.build();
}

// Two point loads P, each a from its end.
shell::CaseDef spanSymmetricPointLoads()
{
    CaseBuilder c("Cantilever (12)");
    const Expr P = c.input("P", Dimension::Force, 100), l = c.input("l", Dimension::Length, 100),
               a = c.input("a", Dimension::Length, 30);
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requirePositive(l);
    c.requireAtLeast(a, 0);
    // Loads a from each end with a beyond mid-span are the same pair as loads l - a from each
    // end; the formulas hold for the loads on their near halves, so they take the shorter one.
    const Expr a1 = named("a1", min(a, l - a));
    c.row("反力 (RA)", Dimension::Force, P);
    c.row("反力 (RB)", Dimension::Force, P);
    c.row("曲げモーメント (MC)", Dimension::Moment, P * a1);
    c.row("変位 (fC)", Dimension::Length, ((P * pow(l, 3)) / ((6 * E) * I)) * (((3 * a1) / (4 * l)) - pow(a1 / l, 3)));
    c.row("曲げモーメント (MA,MB)", Dimension::Moment, ((P * a1) / l) * (l - a1));
    c.row("変位 (fC2)", Dimension::Length,
          ((P * pow(l, 3)) / ((6 * E) * I)) * (((Expr(3) / 4) * pow(a1 / l, 2)) - pow(a1 / l, 3)));
    c.sketch(sketches::spanSymmetricPointLoads);
    return c.build();
}

// Uniform load w over the span, C at mid-span.
shell::CaseDef spanUniform()
{
    CaseBuilder c("Cantilever (13)");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               E = c.input("E", Dimension::Stress, 100000, 1000);
    const Expr I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requirePositive(l);
    const Expr RA = c.row("反力 (RA)", Dimension::Force, (w * l) / 2);
    c.row("反力 (RB)", Dimension::Force, RA);
    c.row("曲げモーメント (MC)", Dimension::Moment, (w * pow(l, 2)) / 8);
    c.row("変位 (fC)", Dimension::Length, ((5 * w) * pow(l, 4)) / ((384 * E) * I));
    // The fixed-end moment wl²/12, a magnitude like the end moments of the other symmetric loads.
    c.row("曲げモーメント (MA,MB)", Dimension::Moment, (w * pow(l, 2)) / 12);
    c.row("変位 (fC2)", Dimension::Length, (w * pow(l, 4)) / ((384 * E) * I));
    c.sketch(sketches::spanUniform);
    return c.build();
}

// Trapezoidal load: w over the middle, rising from 0 over the length a at each end.
shell::CaseDef spanTrapezoidal()
{
    CaseBuilder c("Cantilever (14)");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               a = c.input("a", Dimension::Length, 20);
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10);
    // Ramps longer than half the span would overlap: no such trapezoid exists.
    c.requirePositive(l);
    c.requireAtLeast(a, 0);
    c.requireAtMost(a, l / 2);
    const Expr RA = c.row("反力 (RA)", Dimension::Force, ((l - a) / 2) * w);
    c.row("反力 (RB)", Dimension::Force, RA);
    c.row("曲げモーメント (MC)", Dimension::Moment, ((w * pow(l, 2)) / 24) * (3 - (4 * pow(a / l, 2))));
    c.row("変位 (fC)", Dimension::Length,
          ((w * pow(l, 4)) / ((1920 * E) * I)) * ((25 - (40 * pow(a / l, 2))) + (16 * pow(a / l, 4))));
    // Fixed-end moment (wl²/12)(1 − 2(a/l)² + (a/l)³): wl²/12 of the uniform load when a = 0.
    c.row("曲げモーメント (MA,MB)", Dimension::Moment,
          ((w * pow(l, 2)) / 12) * (1 - ((2 * pow(a / l, 2)) - pow(a / l, 3))));
    c.sketch(sketches::spanTrapezoidal);
    return c.build();
}

// Symmetric triangular load, 0 at both ends, w at mid-span C.
shell::CaseDef spanSymmetricTriangle()
{
    CaseBuilder c("Cantilever (15)");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               E = c.input("E", Dimension::Stress, 100000, 1000);
    const Expr I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requirePositive(l);
    const Expr RA = c.row("反力 (RA)", Dimension::Force, (w * l) / 4);
    c.row("反力 (RB)", Dimension::Force, RA);
    c.row("曲げモーメント (MC)", Dimension::Moment, (w * pow(l, 2)) / 12);
    c.row("変位 (fC)", Dimension::Length, (w * pow(l, 4)) / ((120 * E) * I));
    c.row("曲げモーメント (MA,MB)", Dimension::Moment, ((5 * w) * pow(l, 2)) / 96);
    c.row("変位 (fC2)", Dimension::Length, ((0.7 * w) * pow(l, 4)) / ((384 * E) * I));
    c.sketch(sketches::spanSymmetricTriangle);
    return c.build();
}

// Two triangular loads over the two halves, peaks w at the quarter points.
shell::CaseDef spanTwoTriangles()
{
    CaseBuilder c("Cantilever (16)");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               E = c.input("E", Dimension::Stress, 100000, 1000);
    const Expr I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requirePositive(l);
    const Expr RA = c.row("反力 (RA)", Dimension::Force, (w * l) / 4);
    c.row("反力 (RB)", Dimension::Force, RA);
    c.row("曲げモーメント (MC)", Dimension::Moment, (w * pow(l, 2)) / 16);
    c.row("変位 (fC)", Dimension::Length, ((7 * w) * pow(l, 4)) / ((1024 * E) * I));
    c.row("曲げモーメント (MA,MB)", Dimension::Moment, ((17 * w) * pow(l, 2)) / 384);
    c.sketch(sketches::spanTwoTriangles);
    return c.build();
}

// Three triangular loads over the three thirds, peaks w at the middle of each third.
shell::CaseDef spanThreeTriangles()
{
    CaseBuilder c("Cantilever (17)");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               E = c.input("E", Dimension::Stress, 100000, 1000);
    const Expr I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requirePositive(l);
    const Expr RA = c.row("反力 (RA)", Dimension::Force, (w * l) / 4);
    c.row("反力 (RB)", Dimension::Force, RA);
    c.row("曲げモーメント (MC)", Dimension::Moment, ((7 * w) * pow(l, 2)) / 108);
    c.row("変位 (fC)", Dimension::Length, ((259 * w) * pow(l, 4)) / ((38880 * E) * I));
    c.row("曲げモーメント (MA,MB)", Dimension::Moment, ((37 * w) * pow(l, 2)) / 864);
    c.sketch(sketches::spanThreeTriangles);
    return c.build();
}

// Triangular load rising from 0 at A to w at B; x from A. With both ends fixed, both end
// moments are hogging (negative).
shell::CaseDef spanRisingTriangle()
{
    CaseBuilder c("Cantilever (18)");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 50);
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requirePositive(l);
    const Expr W = named("W", w * l);
    c.row("反力 (RA)", Dimension::Force, W / 6);
    c.row("反力 (RB)", Dimension::Force, (2 * W) / 6);
    c.row("曲げモーメント (Mx)", Dimension::Moment, ((W * x) / 6) * (1 - (pow(x, 2) / pow(l, 2))));
    c.row("曲げモーメント (Mmax)", Dimension::Moment, (0.064 * w) * pow(l, 2));
    c.row("変位 (fmax)", Dimension::Length, ((0.00652 * w) * pow(l, 4)) / (E * I));
    c.row("反力 (RA1)", Dimension::Force, (3 * W) / 20);
    c.row("反力 (RB1)", Dimension::Force, (7 * W) / 20);
    c.row("曲げモーメント (MA)", Dimension::Moment, -((w * pow(l, 2)) / 30));
    c.row("曲げモーメント (MB)", Dimension::Moment, -((w * pow(l, 2)) / 20));
    c.row("変位 (fC)", Dimension::Length, (w * pow(l, 4)) / ((764 * E) * I));
    c.sketch(sketches::spanRisingTriangle);
    return c.build();
}

// Uniform load w over the length b, from a after A to c before B (span l = a + b + c).
shell::CaseDef spanPartialUniform()
{
    CaseBuilder c("Cantilever (19)");
    const Expr a = c.input("a", Dimension::Length, 30), b = c.input("b", Dimension::Length, 40),
               cc = c.input("c", Dimension::Length, 30), w = c.input("w", Dimension::LineLoad, 1);
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requireAtLeast(a, 0);
    c.requirePositive(b);
    c.requireAtLeast(cc, 0);
    const Expr W = named("W", w * b);
    const Expr l = named("l", (a + b) + cc);
    const Expr RA = c.row("反力 (RA)", Dimension::Force, (W / l) * ((b / 2) + cc));
    c.row("反力 (RB)", Dimension::Force, (W / l) * ((b / 2) + a));
    // The moment where the shear is zero, a + RA / w from A.
    c.row("曲げモーメント (Mmax)", Dimension::Moment, (W / b) * ((pow(a + ((RA * b) / W), 2) - pow(a, 2)) / 2));
    // The mid-span deflection of a load of length b centred on the span.
    c.row("変位 (fmax)", Dimension::Length,
          (W / ((384 * E) * I)) * (((8 * pow(l, 3)) - ((4 * l) * pow(b, 2))) + pow(b, 3)));
    c.row("曲げモーメント (MA)", Dimension::Moment,
          ((-W) / ((12 * pow(l, 2)) * b)) *
              ((pow(b + cc, 3) * ((4 * l) - (3 * (b + cc)))) - (pow(cc, 3) * ((4 * l) - (3 * cc)))));
    c.row("曲げモーメント (MB)", Dimension::Moment,
          (W / ((12 * pow(l, 2)) * b)) *
              ((pow(a + b, 3) * ((4 * l) - (3 * (a + b)))) - (pow(a, 3) * ((4 * l) - (3 * a)))));
    c.sketch(sketches::spanPartialUniform);
    return c.build();
}

// Moment M applied at C, a from A and b from B.
shell::CaseDef spanMoment()
{
    CaseBuilder c("Cantilever (20)");
    const Expr M = c.input("M", Dimension::Moment, 100), a = c.input("a", Dimension::Length, 70),
               b = c.input("b", Dimension::Length, 30);
    const Expr E = c.input("E", Dimension::Stress, 100000, 1000), I = c.input("I", Dimension::SecondMoment, 833, 10);
    c.requirePositive(a);
    c.requireAtLeast(b, 0);
    const Expr l = named("l", a + b);
    c.row("反力 (RA)", Dimension::Force, -(M / l));
    c.row("反力 (RB)", Dimension::Force, M / l);
    c.row("曲げモーメント (MCA)", Dimension::Moment, (M * a) / l);
    c.row("曲げモーメント (MCB)", Dimension::Moment, (M * b) / l);
    c.row("変位 (fC)", Dimension::Length, (((M * a) * b) / ((3 * E) * I)) * ((a / l) - (b / l)));
    c.row("曲げモーメント (MA)", Dimension::Moment, (M * (b / pow(l, 2))) * ((3 * a) - l));
    c.row("曲げモーメント (MB)", Dimension::Moment, (M * (a / pow(l, 2))) * ((3 * b) - l));
    c.sketch(sketches::spanMoment);
    return c.build();
}

// Two equal wheel loads w at the spacing a moving over a simply supported span l.
shell::CaseDef spanWheelLoads()
{
    CaseBuilder c("Cantilever (21)");
    const Expr w = c.input("w", Dimension::Force, 100), l = c.input("l", Dimension::Length, 100),
               a = c.input("a", Dimension::Length, 30);
    c.requirePositive(l);
    c.requireAtLeast(a, 0);
    // With the wheels a span or more apart only one of them is ever on the span.
    c.row("反力 (Rmax)", Dimension::Force, when(a >= l, w, (w / l) * ((2 * l) - a)));
    // Beyond a = 0.586 l one wheel alone at mid-span gives the larger moment.
    c.row("曲げモーメント (Mmax)", Dimension::Moment,
          when(a > (0.586 * l), (w * l) / 4, (w / (8 * l)) * pow((2 * l) - a, 2)));
    c.sketch(sketches::spanWheelLoads);
    return c.build();
}

}  // namespace

std::vector<shell::CaseDef> cantileverCases()
{
    return {cantileverPointLoad(), cantileverUniform(),  cantileverTriangular(),  cantileverMoment(),
            proppedPointLoad(),    proppedUniform(),     proppedTriangular(),     proppedMoment(),
            spanPointLoad(),       spanMidPointLoad(),   spanThirdPointLoads(),   spanSymmetricPointLoads(),
            spanUniform(),         spanTrapezoidal(),    spanSymmetricTriangle(), spanTwoTriangles(),
            spanThreeTriangles(),  spanRisingTriangle(), spanPartialUniform(),    spanMoment(),
            spanWheelLoads()};
}

}  // namespace cantilever
