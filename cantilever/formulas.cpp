// Cantilevers (fixed at A, free at B) and propped cantilevers (fixed at A, simply supported at
// B): reactions, bending moments and deflections, each formula in the grouping it is evaluated
// in. Moments at the fixed end of a propped cantilever are hogging and come out negative.

#include "catalogue_parts.h"

namespace cantilever {

using shell::CaseBuilder;
using shell::Expr;
using shell::named;
using shell::pow;
using shell::when;

namespace {

// Point load P at C, a from the fixed end A; the free end B lies b beyond C; x from B.
shell::CaseDef cantileverPointLoad()
{
    CaseBuilder c("Cantilever (1)");
    const Expr a = c.input("a", 70), b = c.input("b", 30), P = c.input("P", 100);
    const Expr E = c.input("E", 100000, 1000), I = c.input("I", 833, 10), x = c.input("x", 60);
    c.rejectWhen((a <= 0) || (b < 0) || (x < 0));
    c.row("反力 (RA)", P);
    // Between the free end and the load the member carries no moment.
    c.row("曲げモーメント (Mx)", when(x <= b, 0, P * (x - b)));
    c.row("変位 (fB)", ((P * pow(a, 3)) / ((3 * E) * I)) * (1 + ((3 * b) / (2 * a))));
    c.row("変位 (fC)", (P * pow(a, 3)) / ((3 * E) * I));
    // The caption labels of this case stand in the order E, P, I, unlike its input rows.
    c.legendOrder({"E", "P", "I"});
    c.sketch(sketches::cantileverPointLoad);
    return c.build();
}

// Uniform load w over the whole length l; x from the free end B.
shell::CaseDef cantileverUniform()
{
    CaseBuilder c("Cantilever (2)");
    const Expr E = c.input("E", 100000, 1000), I = c.input("I", 833, 10), l = c.input("l", 100);
    const Expr w = c.input("w", 1), x = c.input("x", 50);
    c.rejectWhen((l <= 0) || (x < 0));
    c.row("反力 (RA)", w * l);
    c.row("曲げモーメント (Mx)", (w * pow(x, 2)) / 2);
    c.row("曲げモーメント (MA)", (w * pow(l, 2)) / 2);
    c.row("変位 (fx)",
          ((w * pow(l, 4)) / ((8 * E) * I)) * ((1 - ((4 * x) / (3 * l))) + (pow(x, 4) / (3 * pow(l, 4)))));
    c.sketch(sketches::cantileverUniform);
    return c.build();
}

// Triangular load, w at the fixed end A falling to 0 at the free end B; x from B.
shell::CaseDef cantileverTriangular()
{
    CaseBuilder c("Cantilever (3)");
    const Expr E = c.input("E", 100000, 1000), I = c.input("I", 833, 10), l = c.input("l", 100);
    const Expr w = c.input("w", 1), x = c.input("x", 50);
    c.rejectWhen((l <= 0) || (x < 0));
    c.row("反力 (RA)", (w * l) / 2);
    c.row("曲げモーメント (Mx)", (w * pow(x, 3)) / (6 * l));
    c.row("曲げモーメント (MA)", (w * pow(l, 2)) / 6);
    c.row("変位 (fx)",
          ((w * pow(l, 4)) / ((30 * E) * I)) * ((1 - ((5 * x) / (4 * l))) + (pow(x, 5) / (4 * pow(l, 5)))));
    c.sketch(sketches::cantileverTriangular);
    return c.build();
}

// Moment M applied at C, a from the fixed end A; the free end B lies b beyond C.
shell::CaseDef cantileverMoment()
{
    CaseBuilder c("Cantilever (4)");
    const Expr a = c.input("a", 70), b = c.input("b", 30), E = c.input("E", 100000, 1000);
    const Expr I = c.input("I", 833, 10), M = c.input("M", 100);
    c.rejectWhen((a <= 0) || (b < 0));
    // A couple alone needs no vertical reaction.
    c.row("反力 (RA)", 0);
    c.row("曲げモーメント (Mx)", M);
    c.row("曲げモーメント (MA)", M);
    c.row("変位 (fB)", ((M * pow(a, 2)) / ((2 * E) * I)) * (1 + ((2 * b) / a)));
    c.row("変位 (fC)", (M * pow(a, 2)) / ((2 * E) * I));
    c.sketch(sketches::cantileverMoment);
    return c.build();
}

// Propped cantilever of span l, point load P at C, a from the fixed end A.
shell::CaseDef proppedPointLoad()
{
    CaseBuilder c("Cantilever (5)");
    const Expr a = c.input("a", 70), l = c.input("l", 100), E = c.input("E", 100000, 1000);
    const Expr I = c.input("I", 833, 10), P = c.input("P", 100);
    c.rejectWhen((a < 0) || (l <= 0));
    // The prop reaction comes first; the fixed end takes the rest of the load.
    const Expr RB = named("RB", ((P * pow(a, 2)) / (2 * pow(l, 3))) * ((l - a) + (2 * l)));
    c.row("反力 (RA)", P - RB);
    c.row("反力 (RB)", RB);
    c.row("曲げモーメント (MA)", (((-P) * (l - a)) * (pow(l, 2) - pow(l - a, 2))) / (2 * pow(l, 2)));
    c.row("曲げモーメント (MC)",
          ((P * (l - a)) / 2) * ((2 - ((3 * (l - a)) / l)) + (pow(l - a, 3) / pow(l, 3))));
    c.row("変位 (fC)", (((P * pow(a, 3)) * pow(l - a, 2)) / (((12 * E) * I) * pow(l, 3))) * ((4 * l) - a));
    c.sketch(sketches::proppedPointLoad);
    return c.build();
}

// Propped cantilever under a uniform load w; x from the prop B. The largest span moment MC
// stands 3l/8 from B.
shell::CaseDef proppedUniform()
{
    CaseBuilder c("Cantilever (6)");
    const Expr E = c.input("E", 100000, 1000), I = c.input("I", 833, 10), l = c.input("l", 100);
    const Expr w = c.input("w", 100), x = c.input("x", 50);
    c.rejectWhen((l <= 0) || (x < 0));
    const Expr m = named("m", x / l);
    c.row("反力 (RA)", ((5 * w) * l) / 8);
    c.row("反力 (RB)", ((3 * w) * l) / 8);
    c.row("曲げモーメント (MA)", (-(w * pow(l, 2))) / 8);
    c.row("曲げモーメント (MC)", ((9 * w) * pow(l, 2)) / 128);
    c.row("変位 (fx)", ((w * pow(l, 4)) / ((48 * E) * I)) * ((m - (3 * pow(m, 3))) + (2 * pow(m, 4))));
    c.row("変位 (fmax)", (w * pow(l, 4)) / ((185 * E) * I));
    c.sketch(sketches::proppedUniform);
    return c.build();
}

// Propped cantilever under a triangular load, w at the fixed end A falling to 0 at the prop B.
shell::CaseDef proppedTriangular()
{
    CaseBuilder c("Cantilever (7)");
    const Expr E = c.input("E", 100000, 1000), I = c.input("I", 833, 10), l = c.input("l", 100);
    const Expr w = c.input("w", 100);
    c.rejectWhen(l <= 0);
    c.row("反力 (RA)", ((4 * w) * l) / 10);
    c.row("反力 (RB)", (w * l) / 10);
    c.row("曲げモーメント (MA)", (-(w * pow(l, 2))) / 15);
    c.row("曲げモーメント (Mmax)", (0.0298 * w) * pow(l, 2));
    c.row("変位 (fmax)", ((0.002385 * w) * pow(l, 4)) / (E * I));
    c.sketch(sketches::proppedTriangular);
    return c.build();
}

// Propped cantilever with a moment M applied at C, a from the fixed end A and b from the prop B.
// MCA and MCB are the moments just on either side of C; they differ by M.
shell::CaseDef proppedMoment()
{
    CaseBuilder c("Cantilever (8)");
    const Expr a = c.input("a", 70), b = c.input("b", 30), M = c.input("M", 100);
    c.rejectWhen((a <= 0) || (b < 0));
    const Expr l = named("l", a + b);
    const Expr n = named("n", a / l);
    // The fixed-end moment comes first; the reactions follow from it.
    const Expr MA = named("MA", (-(M / 2)) * ((2 - (6 * n)) + (3 * pow(n, 2))));
    c.row("反力 (RA)", -((M + MA) / l));
    c.row("反力 (RB)", (M + MA) / l);
    c.row("曲げモーメント (MA)", MA);
    c.row("曲げモーメント (MCA)", (M / 2) * (((2 - (6 * n)) + (9 * pow(n, 2))) - (3 * pow(n, 3))));
    c.row("曲げモーメント (MCB)", (((3 * M) * n) / 2) * ((2 - (3 * n)) + pow(n, 2)));
    c.sketch(sketches::proppedMoment);
    return c.build();
}

} // namespace

std::vector<shell::CaseDef> fixedEndCases()
{
    return {cantileverPointLoad(), cantileverUniform(), cantileverTriangular(), cantileverMoment(),
            proppedPointLoad(),    proppedUniform(),    proppedTriangular(),    proppedMoment()};
}

} // namespace cantilever
