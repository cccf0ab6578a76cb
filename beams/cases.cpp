// The 19 beam cases: inputs with their start values and steps, the entry check, and the
// result rows in order, each formula grouped exactly as it is evaluated.

#include "beams/catalogue_parts.h"

namespace beams {

namespace {

using shell::CaseBuilder;
using shell::Dimension;
using shell::Expr;
using shell::named;
using shell::pow;
using shell::when;

// Result captions: the result name with its symbol in parentheses.
std::string reaction(const std::string &symbol)
{
    return "反力 (" + symbol + ")";
}
std::string shear(const std::string &symbol)
{
    return "せん断力 (" + symbol + ")";
}
std::string moment(const std::string &symbol)
{
    return "曲げモーメント (" + symbol + ")";
}
std::string maxMoment(const std::string &symbol)
{
    return "最大曲げモーメント (" + symbol + ")";
}
const char *const maxDeflection = "最大変位 (σmax)";

// Handbook coefficients such as 3/8 are the double quotient of the two whole numbers.
Expr fraction(int numerator, int denominator)
{
    return Expr(numerator) / denominator;
}

// The elastic constants start at E = 100000 (step 1000) and I = 833 (step 10).
Expr modulus(CaseBuilder &c)
{
    return c.input("E", Dimension::Stress, 100000, 1000);
}
Expr secondMoment(CaseBuilder &c)
{
    return c.input("I", Dimension::SecondMoment, 833, 10);
}

shell::CaseDef simplePointLoad()
{
    CaseBuilder c("Beam (1)");
    c.title("Simply supported beam, point load P at a");
    const Expr P = c.input("P", Dimension::Force, 100), a = c.input("a", Dimension::Length, 30);
    const Expr l = c.input("l", Dimension::Length, 100);
    const Expr x1 = c.input("x1", Dimension::Length, 20), x2 = c.input("x2", Dimension::Length, 50);
    const Expr E = modulus(c), I = secondMoment(c);
    c.requirePositive(l);
    c.requireBetween(a, 0, l);
    c.requireBetween(x1, 0, l);
    c.requireBetween(x2, 0, l);
    c.requirePositive(E);
    c.requirePositive(I);
    const Expr b = named("b", l - a);
    const Expr RA = c.row(reaction("RA"), Dimension::Force, (P * (l - a)) / l).means("upward reaction at A");
    c.row(reaction("RB"), Dimension::Force, (P * a) / l).means("upward reaction at B");
    // The moment grows as RA × x up to the load and loses P × (x − a) beyond it; both rows
    // take the part of the span their position lies in.
    const auto momentAt = [&](const Expr &x) { return when(x <= a, RA * x, (RA * x) - (P * (x - a))); };
    c.row(moment("Mx1"), Dimension::Moment, momentAt(x1)).means("moment at x1 from A, sagging positive");
    c.row(moment("Mx2"), Dimension::Moment, momentAt(x2)).means("moment at x2 from A, sagging positive");
    c.row(maxMoment("Mmax"), Dimension::Moment, ((P * a) * b) / l).means("moment under the load P, the largest");
    c.row(maxDeflection, Dimension::Length, ((((P * a) * a) * b) * b) / (((3 * E) * I) * l))
        .means("deflection under the load P, downward positive");
    c.member({}, [](const std::vector<double> &in) {
        mechanics::Beam beam;
        beam.length = in[2];
        beam.flexuralRigidity = in[5] * in[6];
        beam.supports = {{0, mechanics::SupportKind::Pinned}, {in[2], mechanics::SupportKind::Roller}};
        beam.forces = {{in[1], in[0]}};
        return beam;
    });
    c.mark(0, x1, "x1");
    c.mark(0, x2, "x2");
    c.sketch(sketches::simplePointLoad);
    return c.build();
}

shell::CaseDef simpleUniform()
{
    CaseBuilder c("Beam (2)");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 30), E = modulus(c), I = secondMoment(c);
    c.requirePositive(l);
    c.requireAtLeast(x, 0);
    const Expr RA = c.row(reaction("RA"), Dimension::Force, (w * l) / 2);
    c.row(reaction("RB"), Dimension::Force, RA);
    c.row(shear("Sx"), Dimension::Force, RA - (w * x));
    c.row(moment("Mx"), Dimension::Moment, ((w * x) / 2) * (l - x));
    c.row(maxMoment("Mmax"), Dimension::Moment, (0.125 * w) * pow(l, 2));
    c.row(maxDeflection, Dimension::Length, ((5 * w) * pow(l, 4)) / ((384 * E) * I));
    c.sketch(sketches::simpleUniform);
    return c.build();
}

shell::CaseDef simpleTriangular()
{
    CaseBuilder c("Beam (3)");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 30), E = modulus(c), I = secondMoment(c);
    c.requirePositive(l);
    c.requireAtLeast(x, 0);
    c.row(reaction("RA"), Dimension::Force, (w * l) / 6);
    c.row(reaction("RB"), Dimension::Force, (w * l) / 3);
    c.row(shear("Sx"), Dimension::Force, (w / (6 * l)) * (pow(l, 2) - (3 * pow(x, 2))));
    c.row(moment("Mx"), Dimension::Moment, (((w * x) / 6) / l) * (pow(l, 2) - pow(x, 2)));
    c.row(maxMoment("Mmax"), Dimension::Moment, (0.0642 * w) * pow(l, 2));
    c.row(maxDeflection, Dimension::Length, (0.00652 * (w * pow(l, 4))) / (E * I));
    c.sketch(sketches::simpleTriangular);
    return c.build();
}

shell::CaseDef simplePartialUniform()
{
    CaseBuilder c("Beam (4)");
    const Expr w = c.input("w", Dimension::LineLoad, 100), a = c.input("a", Dimension::Length, 20),
               b = c.input("b", Dimension::Length, 50), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 30);
    c.requireAtLeast(a, 0);
    c.requireAtLeast(b, 0);
    c.requirePositive(l);
    c.requireAtLeast(x, 0);
    const Expr RA = c.row(reaction("RA"), Dimension::Force, ((w / (2 * l)) * (b - a)) * (((2 * l) - b) - a));
    c.row(reaction("RB"), Dimension::Force, ((w / (2 * l)) * (b - a)) * (b + a));
    // Moment at x: RA × x ahead of the load, the loaded part from a to b, and beyond b the
    // whole load w × (b − a) acting at its centre (a + b) / 2. A load given back to front
    // (a > b) keeps the loaded-part expression everywhere.
    const Expr loaded = (RA * x) - ((w / 2) * pow(x - a, 2));
    const Expr beyond = (RA * x) - ((w * (b - a)) * (x - ((a + b) / 2)));
    c.row(moment("Mx"), Dimension::Moment, when(a > b, loaded, when(x < a, RA * x, when(x <= b, loaded, beyond))));
    // Zero shear at X0; the row keeps the moment caption although it holds a position.
    const Expr X0 = c.row(moment("X0"), Dimension::Length, a + (RA / w));
    c.row(maxMoment("Mmax"), Dimension::Moment, (RA * X0) - ((w / 2) * pow(X0 - a, 2)));
    c.row(maxMoment("Mxmax"), Dimension::Moment, ((w * (b - a)) * (((2 * l) - b) + a)) / 8);
    c.sketch(sketches::simplePartialUniform);
    return c.build();
}

shell::CaseDef simpleSymmetricTriangle()
{
    CaseBuilder c("Beam (5)");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 30);
    c.requirePositive(l);
    c.requireAtLeast(x, 0);
    const Expr RA = c.row(reaction("RA"), Dimension::Force, (w * l) / 4);
    c.row(reaction("RB"), Dimension::Force, RA);
    // Shear and moment of the left half; the right half mirrors them about mid-span, the
    // shear with its sign reversed.
    const auto shearAt = [&](const Expr &p) { return ((w / 4) / l) * (pow(l, 2) - (4 * pow(p, 2))); };
    const auto momentAt = [&](const Expr &p) { return ((w * p) / (12 * l)) * ((3 * pow(l, 2)) - (4 * pow(p, 2))); };
    const Expr leftHalf = x <= (l / 2);
    c.row(shear("Sx"), Dimension::Force, when(leftHalf, shearAt(x), -shearAt(l - x)));
    c.row(moment("Mx"), Dimension::Moment, when(leftHalf, momentAt(x), momentAt(l - x)));
    c.row(maxMoment("Mmax"), Dimension::Moment, (w * pow(l, 2)) / 12);
    c.sketch(sketches::simpleSymmetricTriangle);
    return c.build();
}

shell::CaseDef simpleTriangularPlusUniform()
{
    CaseBuilder c("Beam (6)");
    const Expr w1 = c.input("w1", Dimension::LineLoad, 100), w2 = c.input("w2", Dimension::LineLoad, 100),
               l = c.input("l", Dimension::Length, 100), x = c.input("x", Dimension::Length, 30);
    const Expr E = modulus(c), I = secondMoment(c);
    c.requirePositive(l);
    c.requireAtLeast(x, 0);
    c.row(reaction("RA"), Dimension::Force, ((w1 * l) / 6) + ((w2 * l) / 2));
    c.row(reaction("RB"), Dimension::Force, ((w1 * l) / 3) + ((w2 * l) / 2));
    c.row(shear("Sx"), Dimension::Force, ((w1 / (6 * l)) * (pow(l, 2) - (3 * pow(x, 2)))) + ((w2 / 2) * (l - (2 * x))));
    c.row(moment("Mx"), Dimension::Moment,
          (((w2 * x) / 2) * (l - x)) + (((w1 * x) / (6 * l)) * (pow(l, 2) - pow(x, 2))));
    // Mid-span moment and deflection.
    c.row(maxMoment("Mmax"), Dimension::Moment, (pow(l, 2) / 16) * ((2 * w2) + w1));
    c.row(maxDeflection, Dimension::Length, ((5 * pow(l, 4)) / ((768 * E) * I)) * (w1 + (2 * w2)));
    c.sketch(sketches::simpleTriangularPlusUniform);
    return c.build();
}

// Cantilevers 7 to 9: free end A, fixed end B, x measured from the free end.

shell::CaseDef cantileverPointLoad()
{
    CaseBuilder c("Beam (7)");
    const Expr P = c.input("P", Dimension::Force, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 30), E = modulus(c), I = secondMoment(c);
    c.requirePositive(l);
    c.requireAtLeast(x, 0);
    c.row(reaction("RA"), Dimension::Force, 0);  // the free end carries no reaction
    c.row(reaction("RB"), Dimension::Force, P);
    c.row(shear("Sx"), Dimension::Force, -P);
    c.row(moment("Mx"), Dimension::Moment, (-P) * x);
    c.row(maxMoment("MBmax"), Dimension::Moment, (-P) * l);
    c.row(maxDeflection, Dimension::Length, (P * pow(l, 3)) / ((3 * E) * I));
    c.sketch(sketches::cantileverPointLoad);
    return c.build();
}

shell::CaseDef cantileverUniform()
{
    CaseBuilder c("Beam (8)");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 30), E = modulus(c), I = secondMoment(c);
    c.requirePositive(l);
    c.requireAtLeast(x, 0);
    c.row(reaction("RA"), Dimension::Force, 0);  // the free end carries no reaction
    c.row(reaction("RB"), Dimension::Force, w * l);
    c.row(shear("Sx"), Dimension::Force, (-w) * x);
    c.row(moment("Mx"), Dimension::Moment, (w * pow(x, 2)) / 2);
    c.row(maxMoment("MBmax"), Dimension::Moment, (-(w * pow(l, 2))) / 2);
    c.row(maxDeflection, Dimension::Length, (w * pow(l, 4)) / ((8 * E) * I));
    c.sketch(sketches::cantileverUniform);
    return c.build();
}

shell::CaseDef cantileverTriangular()
{
    CaseBuilder c("Beam (9)");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 70), E = modulus(c), I = secondMoment(c);
    c.requirePositive(l);
    c.requireAtLeast(x, 0);
    c.row(reaction("RB"), Dimension::Force, (w * l) / 2);
    c.row(shear("Sx"), Dimension::Force, ((-w) * pow(x, 2)) / (2 * l));
    c.row(moment("Mx"), Dimension::Moment, (w * pow(x, 3)) / (6 * l));
    c.row(maxMoment("MBmax"), Dimension::Moment, (-(w * pow(l, 2))) / 6);
    c.row(maxDeflection, Dimension::Length, (w * pow(l, 4)) / ((30 * E) * I));
    c.sketch(sketches::cantileverTriangular);
    return c.build();
}

shell::CaseDef overhangPointLoad()
{
    CaseBuilder c("Beam (10)");
    const Expr P = c.input("P", Dimension::Force, 100), a = c.input("a", Dimension::Length, 20),
               l = c.input("l", Dimension::Length, 80), x1 = c.input("x1", Dimension::Length, 30),
               x2 = c.input("x2", Dimension::Length, 10);
    c.requirePositive(l);
    c.requireAtLeast(x1, 0);
    c.requireAtLeast(x2, 0);
    // RA comes out negative: support A holds the beam down against the tip load.
    const Expr RA = c.row(reaction("RA"), Dimension::Force, (-P) * (a / l));
    c.row(reaction("RB"), Dimension::Force, (P * (a + l)) / l);
    c.row(shear("S.A-B"), Dimension::Force, -RA);
    c.row(shear("S.B-C"), Dimension::Force, P);
    c.row(moment("Mx1"), Dimension::Moment, RA * x1);
    c.row(moment("Mx2"), Dimension::Moment, (-P) * x2);
    c.row(maxMoment("MB"), Dimension::Moment, RA * l);
    c.sketch(sketches::overhangPointLoad);
    return c.build();
}

shell::CaseDef overhangUniform()
{
    CaseBuilder c("Beam (11)");
    const Expr w = c.input("w", Dimension::LineLoad, 100), a = c.input("a", Dimension::Length, 20),
               l = c.input("l", Dimension::Length, 80), x1 = c.input("x1", Dimension::Length, 30),
               x2 = c.input("x2", Dimension::Length, 15);
    c.requirePositive(l);
    c.requireAtLeast(a, 0);
    c.requireAtLeast(x1, 0);
    c.requireAtLeast(x2, 0);
    const Expr RA = c.row(reaction("RA"), Dimension::Force, ((w * (l + a)) * (l - a)) / (2 * l));
    c.row(reaction("RB"), Dimension::Force, (w * pow(l + a, 2)) / (2 * l));
    c.row(shear("Sx1"), Dimension::Force, RA - (w * x1));
    c.row(shear("Sx2"), Dimension::Force, w * x2);
    c.row(shear("SB"), Dimension::Force, RA - (w * l));  // just left of B
    c.row(moment("Mx1"), Dimension::Moment, (RA * x1) - ((w * pow(x1, 2)) / 2));
    c.row(moment("Mx2"), Dimension::Moment, (-(w * pow(x2, 2))) / 2);
    c.row(moment("MB"), Dimension::Moment, (-(w * pow(a, 2))) / 2);
    c.row(maxMoment("Mx1max"), Dimension::Moment, ((w * pow(l + a, 2)) * pow(l - a, 2)) / (8 * pow(l, 2)));
    c.sketch(sketches::overhangUniform);
    return c.build();
}

shell::CaseDef twoOverhangsPointLoads()
{
    CaseBuilder c("Beam (12)");
    const Expr P1 = c.input("P1", Dimension::Force, 100), P2 = c.input("P2", Dimension::Force, 100),
               a = c.input("a", Dimension::Length, 15), b = c.input("b", Dimension::Length, 25);
    const Expr l = c.input("l", Dimension::Length, 60), x = c.input("x", Dimension::Length, 20);
    c.requirePositive(l);
    c.requireAtLeast(a, 0);
    c.requireAtLeast(b, 0);
    c.requireAtLeast(x, 0);
    const Expr RA = c.row(reaction("RA"), Dimension::Force, ((P1 * (l + a)) - (P2 * b)) / l);
    c.row(reaction("RB"), Dimension::Force, ((P2 * (l + b)) - (P1 * a)) / l);
    c.row(moment("MA"), Dimension::Moment, (-P1) * a);
    c.row(moment("MB"), Dimension::Moment, (-P2) * b);
    c.row(moment("Mx"), Dimension::Moment, (RA * x) - (P1 * (a + x)));
    c.sketch(sketches::twoOverhangsPointLoads);
    return c.build();
}

shell::CaseDef twoOverhangsUniform()
{
    CaseBuilder c("Beam (13)");
    const Expr w = c.input("w", Dimension::LineLoad, 100), a = c.input("a", Dimension::Length, 15),
               b = c.input("b", Dimension::Length, 25), l = c.input("l", Dimension::Length, 60),
               x = c.input("x", Dimension::Length, 20);
    c.requirePositive(l);
    c.requireAtLeast(a, 0);
    c.requireAtLeast(b, 0);
    c.requireAtLeast(x, 0);
    const Expr T = named("T", (a + l) + b);  // the whole loaded length
    const Expr RA = c.row(reaction("RA"), Dimension::Force, ((w * T) * ((T / 2) - b)) / l);
    c.row(reaction("RB"), Dimension::Force, ((w * T) * ((T / 2) - a)) / l);
    c.row(moment("MA"), Dimension::Moment, ((-w) * pow(a, 2)) / 2);
    c.row(moment("MB"), Dimension::Moment, ((-w) * pow(b, 2)) / 2);
    c.row(moment("Mx"), Dimension::Moment, (RA * x) - ((w * pow(a + x, 2)) / 2));
    c.sketch(sketches::twoOverhangsUniform);
    return c.build();
}

// Propped cantilevers 14 and 15: simple support at A, fixed end at B.

shell::CaseDef proppedPointLoad()
{
    CaseBuilder c("Beam (14)");
    const Expr P = c.input("P", Dimension::Force, 100), a = c.input("a", Dimension::Length, 30),
               l = c.input("l", Dimension::Length, 100), x = c.input("x", Dimension::Length, 20);
    c.requirePositive(l);
    c.requireAtLeast(a, 0);
    c.requireAtLeast(x, 0);
    const Expr b = named("b", l - a);
    const Expr RA = c.row(reaction("RA"), Dimension::Force, ((P * pow(b, 2)) / (2 * pow(l, 3))) * (a + (2 * l)));
    c.row(reaction("RB"), Dimension::Force, P - RA);
    c.row(moment("MB"), Dimension::Moment, (((P * a) * b) / (2 * pow(l, 2))) * (a + l));
    // RA × x up to the load, less P × (x − a) beyond it.
    c.row(moment("Mx"), Dimension::Moment, when(x <= a, RA * x, (RA * x) - (P * (x - a))));
    c.sketch(sketches::proppedPointLoad);
    return c.build();
}

shell::CaseDef proppedUniform()
{
    CaseBuilder c("Beam (15)");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 30);
    c.requirePositive(l);
    c.requireAtLeast(x, 0);
    c.row(reaction("RA"), Dimension::Force, (fraction(3, 8) * w) * l);
    c.row(reaction("RB"), Dimension::Force, (fraction(5, 8) * w) * l);
    c.row(moment("MB"), Dimension::Moment, ((-fraction(1, 8)) * w) * pow(l, 2));
    c.row(moment("Mx"), Dimension::Moment, ((w * x) / 8) * ((3 * l) - (4 * x)));
    c.row(moment("Mxmax"), Dimension::Moment, (fraction(9, 128) * w) * pow(l, 2));
    c.sketch(sketches::proppedUniform);
    return c.build();
}

// Beams 16 to 19 are fixed at both ends.

shell::CaseDef fixedUniform()
{
    CaseBuilder c("Beam (16)");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 30), E = modulus(c), I = secondMoment(c);
    c.requirePositive(l);
    c.requireAtLeast(x, 0);
    const Expr RA = c.row(reaction("RA"), Dimension::Force, (w * l) / 2);
    c.row(reaction("RB"), Dimension::Force, RA);
    c.row(shear("Sx"), Dimension::Force, RA - (w * x));
    const Expr MA = c.row(moment("MA"), Dimension::Moment, ((-w) * pow(l, 2)) / 12);
    c.row(moment("MB"), Dimension::Moment, MA);
    c.row(moment("Mx"), Dimension::Moment, MA + (((w * x) / 2) * (l - x)));
    c.row(moment("Mxmax"), Dimension::Moment, (w * pow(l, 2)) / 24);
    c.row(maxDeflection, Dimension::Length, fraction(1, 384) * ((w * pow(l, 4)) / (E * I)));
    c.sketch(sketches::fixedUniform);
    return c.build();
}

shell::CaseDef fixedPointLoad()
{
    CaseBuilder c("Beam (17)");
    const Expr P = c.input("P", Dimension::Force, 100), a = c.input("a", Dimension::Length, 30),
               l = c.input("l", Dimension::Length, 100), x = c.input("x", Dimension::Length, 30);
    c.requirePositive(l);
    c.requireAtLeast(a, 0);
    c.requireAtLeast(x, 0);
    const Expr b = named("b", l - a);
    const Expr RA = c.row(reaction("RA"), Dimension::Force, ((P * pow(b, 2)) / pow(l, 3)) * ((2 * a) + l));
    c.row(reaction("RB"), Dimension::Force, P - RA);
    const Expr MA = c.row(moment("MA"), Dimension::Moment, (((-P) * a) * pow(b, 2)) / pow(l, 2));
    c.row(moment("MB"), Dimension::Moment, (((-P) * pow(a, 2)) * b) / pow(l, 2));
    // Under the load itself (x = a) the second branch applies; both give the same value there.
    c.row(moment("Mx"), Dimension::Moment, when(a > x, (RA * x) + MA, ((RA * x) + MA) - (P * (x - a))));
    c.sketch(sketches::fixedPointLoad);
    return c.build();
}

shell::CaseDef fixedTriangular()
{
    CaseBuilder c("Beam (18)");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 50);
    c.requirePositive(l);
    c.requireAtLeast(x, 0);
    const Expr RA = c.row(reaction("RA"), Dimension::Force, (fraction(3, 20) * w) * l);
    c.row(reaction("RB"), Dimension::Force, (fraction(7, 20) * w) * l);
    c.row(shear("Sx"), Dimension::Force, RA - ((w * pow(x, 2)) / (2 * l)));
    c.row(moment("MA"), Dimension::Moment, ((-fraction(1, 30)) * w) * pow(l, 2));
    c.row(moment("MB"), Dimension::Moment, ((-fraction(1, 20)) * w) * pow(l, 2));
    c.row(moment("Mx"), Dimension::Moment,
          (((((3 * w) * l) * x) / 20) - ((w * pow(l, 2)) / 30)) - ((w * pow(x, 3)) / (6 * l)));
    c.row(moment("Mxmax"), Dimension::Moment, (0.0215 * w) * pow(l, 2));
    c.sketch(sketches::fixedTriangular);
    return c.build();
}

shell::CaseDef fixedTriangularPlusUniform()
{
    CaseBuilder c("Beam (19)");
    const Expr w1 = c.input("w1", Dimension::LineLoad, 100), w2 = c.input("w2", Dimension::LineLoad, 100),
               l = c.input("l", Dimension::Length, 100), x = c.input("x", Dimension::Length, 30);
    c.requirePositive(l);
    c.requireAtLeast(x, 0);
    const Expr RA = c.row(reaction("RA"), Dimension::Force, ((w2 * l) / 2) + (((3 * w1) * l) / 20));
    c.row(reaction("RB"), Dimension::Force, ((w2 * l) / 2) + (((7 * w1) * l) / 20));
    const Expr MA = c.row(moment("MA"), Dimension::Moment, -(((w2 * pow(l, 2)) / 12) + ((w1 * pow(l, 2)) / 30)));
    c.row(moment("MB"), Dimension::Moment, -(((w2 * pow(l, 2)) / 12) + ((w1 * pow(l, 2)) / 20)));
    c.row(moment("Mx"), Dimension::Moment, (((RA * x) + MA) - ((w2 * pow(x, 2)) / 2)) - ((w1 * pow(x, 3)) / (6 * l)));
    c.sketch(sketches::fixedTriangularPlusUniform);
    return c.build();
}

}  // namespace

std::vector<shell::CaseDef> beamCases()
{
    return {simplePointLoad(),
            simpleUniform(),
            simpleTriangular(),
            simplePartialUniform(),
            simpleSymmetricTriangle(),
            simpleTriangularPlusUniform(),
            cantileverPointLoad(),
            cantileverUniform(),
            cantileverTriangular(),
            overhangPointLoad(),
            overhangUniform(),
            twoOverhangsPointLoads(),
            twoOverhangsUniform(),
            proppedPointLoad(),
            proppedUniform(),
            fixedUniform(),
            fixedPointLoad(),
            fixedTriangular(),
            fixedTriangularPlusUniform()};
}

}  // namespace beams
