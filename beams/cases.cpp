// The 19 beam cases: what each is in words, its inputs with their start values and steps, the
// domain in which its formulas describe the drawn member, the result rows in order (each formula
// grouped exactly as it is evaluated, with what it means), the member it states for the diagrams
// and the positions marked on it.

#include "beams/catalogue_parts.h"

namespace beams {

namespace {

using shell::CaseBuilder;
using shell::Dimension;
using shell::Expr;
using shell::named;
using shell::pow;
using shell::Quantity;
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

// A stiffness that divides the deflections: E and I must both be above zero.
void requireStiffness(CaseBuilder &c, const Expr &E, const Expr &I)
{
    c.requirePositive(E);
    c.requirePositive(I);
}

// What the rows mean, where many cases share the words. Forces are upward positive, shear is
// the sum of the upward forces left of the section, moments are sagging positive.
const char *const upwardAtA = "upward reaction at A";
const char *const upwardAtB = "upward reaction at B";
const char *const upwardAtAHoldingDown = "upward reaction at A; negative means the support holds the beam down";
const char *const upwardAtBHoldingDown = "upward reaction at B; negative means the support holds the beam down";
const char *const upwardAtFixedB = "upward reaction at the fixed end B";
const char *const noReactionAtA = "reaction at the free end A: always 0";
const char *const shearAtX = "shear force at x from A: the upward forces left of x";
const char *const momentAtX = "moment at x from A, sagging positive";
const char *const cantileverShearAtX = "shear force at x from the free end: the upward forces on the free side";
const char *const hoggingAtXShownPositive = "hogging moment at x from the free end, shown positive";
const char *const largestMomentAtFixedB = "moment at the fixed end B, the largest in magnitude, hogging negative";
const char *const deflectionAtFreeA = "deflection of the free end A, the largest, downward positive";
const char *const momentAtFixedA = "moment at the fixed end A, hogging negative";
const char *const momentAtFixedB = "moment at the fixed end B, hogging negative";

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
    requireStiffness(c, E, I);
    const Expr b = named("b", l - a);
    const Expr RA = c.row(reaction("RA"), Dimension::Force, (P * (l - a)) / l).means(upwardAtA);
    c.row(reaction("RB"), Dimension::Force, (P * a) / l).means(upwardAtB);
    // The moment grows as RA × x up to the load and loses P × (x − a) beyond it; both rows
    // take the part of the span their position lies in.
    const auto momentAt = [&](const Expr &x) { return when(x <= a, RA * x, (RA * x) - (P * (x - a))); };
    c.row(moment("Mx1"), Dimension::Moment, momentAt(x1)).means("moment at x1 from A, sagging positive");
    c.row(moment("Mx2"), Dimension::Moment, momentAt(x2)).means("moment at x2 from A, sagging positive");
    c.row(maxMoment("Mmax"), Dimension::Moment, ((P * a) * b) / l).means("moment under the load P, the largest");
    c.row(maxDeflection, Dimension::Length, ((((P * a) * a) * b) * b) / (((3 * E) * I) * l))
        .means("deflection under the load P, downward positive (the largest only for a = l / 2)")
        .notAlwaysLargest(Quantity::Deflection);
    c.member({}, members::simplePointLoad);
    c.mark(0, x1, "x1");
    c.mark(0, x2, "x2");
    c.sketch(sketches::simplePointLoad);
    return c.build();
}

shell::CaseDef simpleUniform()
{
    CaseBuilder c("Beam (2)");
    c.title("Simply supported beam, uniform load w");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 30), E = modulus(c), I = secondMoment(c);
    c.requirePositive(l);
    c.requireBetween(x, 0, l);
    requireStiffness(c, E, I);
    const Expr RA = c.row(reaction("RA"), Dimension::Force, (w * l) / 2).means(upwardAtA);
    c.row(reaction("RB"), Dimension::Force, RA).means(upwardAtB);
    c.row(shear("Sx"), Dimension::Force, RA - (w * x)).means(shearAtX);
    c.row(moment("Mx"), Dimension::Moment, ((w * x) / 2) * (l - x)).means(momentAtX);
    c.row(maxMoment("Mmax"), Dimension::Moment, (0.125 * w) * pow(l, 2)).means("moment at mid-span, the largest");
    c.row(maxDeflection, Dimension::Length, ((5 * w) * pow(l, 4)) / ((384 * E) * I))
        .means("deflection at mid-span, the largest, downward positive");
    c.member({}, members::simpleUniform);
    c.mark(0, x, "x");
    c.sketch(sketches::simpleUniform);
    return c.build();
}

shell::CaseDef simpleTriangular()
{
    CaseBuilder c("Beam (3)");
    c.title("Simply supported beam, triangular load rising to w at B");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 30), E = modulus(c), I = secondMoment(c);
    c.requirePositive(l);
    c.requireBetween(x, 0, l);
    requireStiffness(c, E, I);
    c.row(reaction("RA"), Dimension::Force, (w * l) / 6).means(upwardAtA);
    c.row(reaction("RB"), Dimension::Force, (w * l) / 3).means(upwardAtB);
    c.row(shear("Sx"), Dimension::Force, (w / (6 * l)) * (pow(l, 2) - (3 * pow(x, 2)))).means(shearAtX);
    c.row(moment("Mx"), Dimension::Moment, (((w * x) / 6) / l) * (pow(l, 2) - pow(x, 2))).means(momentAtX);
    // The handbook's coefficients, rounded: 1 / (9√3) = 0.06415 and 0.006522.
    c.row(maxMoment("Mmax"), Dimension::Moment, (0.0642 * w) * pow(l, 2))
        .means("the largest moment, at l / √3 from A (coefficient rounded)");
    c.row(maxDeflection, Dimension::Length, (0.00652 * (w * pow(l, 4))) / (E * I))
        .means("the largest deflection, at 0.519 l from A, downward positive (coefficient rounded)");
    c.member({}, members::simpleTriangular);
    c.mark(0, x, "x");
    c.sketch(sketches::simpleTriangular);
    return c.build();
}

shell::CaseDef simplePartialUniform()
{
    CaseBuilder c("Beam (4)");
    c.title("Simply supported beam, uniform load w from a to b");
    const Expr w = c.input("w", Dimension::LineLoad, 100), a = c.input("a", Dimension::Length, 20),
               b = c.input("b", Dimension::Length, 50), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 30);
    // The load runs from a to b within the span: 0 ≤ a ≤ b ≤ l. Given back to front (a > b) the
    // reactions would be those of an upward load on b..a, but X0 would not be its point of zero
    // shear.
    c.requirePositive(l);
    c.requireBetween(b, 0, l);
    c.requireBetween(a, 0, b);
    c.requireBetween(x, 0, l);
    const Expr RA =
        c.row(reaction("RA"), Dimension::Force, ((w / (2 * l)) * (b - a)) * (((2 * l) - b) - a)).means(upwardAtA);
    c.row(reaction("RB"), Dimension::Force, ((w / (2 * l)) * (b - a)) * (b + a)).means(upwardAtB);
    // Moment at x: RA × x ahead of the load, the loaded part from a to b, and beyond b the
    // whole load w × (b − a) acting at its centre (a + b) / 2.
    const Expr loaded = (RA * x) - ((w / 2) * pow(x - a, 2));
    const Expr beyond = (RA * x) - ((w * (b - a)) * (x - ((a + b) / 2)));
    c.row(moment("Mx"), Dimension::Moment, when(x < a, RA * x, when(x <= b, loaded, beyond))).means(momentAtX);
    // Zero shear at X0; the row keeps the moment caption although it holds a position. RA / w
    // does not depend on w; without a load (w = 0, which makes it 0 / 0) X0 is where the zero
    // shear of any load w on a..b would stand, and the moment there is 0.
    const Expr X0 = c.row(moment("X0"), Dimension::Length,
                          when(w == 0, a + (((b - a) * (((2 * l) - b) - a)) / (2 * l)), a + (RA / w)))
                        .means("distance from A to the point of zero shear, where the moment is largest");
    c.row(maxMoment("Mmax"), Dimension::Moment, (RA * X0) - ((w / 2) * pow(X0 - a, 2)))
        .means("moment at X0, the largest");
    c.row(maxMoment("Mxmax"), Dimension::Moment, ((w * (b - a)) * (((2 * l) - b) + a)) / 8)
        .means("mid-span moment with the load w × (b − a) centred on the span: the largest it gives anywhere")
        .notAlwaysLargest(Quantity::Moment);
    c.member({}, members::simplePartialUniform);
    c.mark(0, x, "x");
    c.sketch(sketches::simplePartialUniform);
    return c.build();
}

shell::CaseDef simpleSymmetricTriangle()
{
    CaseBuilder c("Beam (5)");
    c.title("Simply supported beam, triangular load, w at mid-span");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 30);
    c.requirePositive(l);
    c.requireBetween(x, 0, l);
    const Expr RA = c.row(reaction("RA"), Dimension::Force, (w * l) / 4).means(upwardAtA);
    c.row(reaction("RB"), Dimension::Force, RA).means(upwardAtB);
    // Shear and moment of the left half; the right half mirrors them about mid-span, the
    // shear with its sign reversed.
    const auto shearAt = [&](const Expr &p) { return ((w / 4) / l) * (pow(l, 2) - (4 * pow(p, 2))); };
    const auto momentAt = [&](const Expr &p) { return ((w * p) / (12 * l)) * ((3 * pow(l, 2)) - (4 * pow(p, 2))); };
    const Expr leftHalf = x <= (l / 2);
    c.row(shear("Sx"), Dimension::Force, when(leftHalf, shearAt(x), -shearAt(l - x))).means(shearAtX);
    c.row(moment("Mx"), Dimension::Moment, when(leftHalf, momentAt(x), momentAt(l - x))).means(momentAtX);
    c.row(maxMoment("Mmax"), Dimension::Moment, (w * pow(l, 2)) / 12).means("moment at mid-span, the largest");
    c.member({}, members::simpleSymmetricTriangle);
    c.mark(0, x, "x");
    c.sketch(sketches::simpleSymmetricTriangle);
    return c.build();
}

shell::CaseDef simpleTriangularPlusUniform()
{
    CaseBuilder c("Beam (6)");
    c.title("Simply supported beam, triangular load w1 and uniform w2");
    const Expr w1 = c.input("w1", Dimension::LineLoad, 100), w2 = c.input("w2", Dimension::LineLoad, 100),
               l = c.input("l", Dimension::Length, 100), x = c.input("x", Dimension::Length, 30);
    const Expr E = modulus(c), I = secondMoment(c);
    c.requirePositive(l);
    c.requireBetween(x, 0, l);
    requireStiffness(c, E, I);
    c.row(reaction("RA"), Dimension::Force, ((w1 * l) / 6) + ((w2 * l) / 2)).means(upwardAtA);
    c.row(reaction("RB"), Dimension::Force, ((w1 * l) / 3) + ((w2 * l) / 2)).means(upwardAtB);
    c.row(shear("Sx"), Dimension::Force, ((w1 / (6 * l)) * (pow(l, 2) - (3 * pow(x, 2)))) + ((w2 / 2) * (l - (2 * x))))
        .means(shearAtX);
    c.row(moment("Mx"), Dimension::Moment,
          (((w2 * x) / 2) * (l - x)) + (((w1 * x) / (6 * l)) * (pow(l, 2) - pow(x, 2))))
        .means(momentAtX);
    // Mid-span moment and deflection: the triangle moves the largest towards B.
    c.row(maxMoment("Mmax"), Dimension::Moment, (pow(l, 2) / 16) * ((2 * w2) + w1))
        .means("moment at mid-span, sagging positive (the largest only for w1 = 0)")
        .notAlwaysLargest(Quantity::Moment);
    c.row(maxDeflection, Dimension::Length, ((5 * pow(l, 4)) / ((768 * E) * I)) * (w1 + (2 * w2)))
        .means("deflection at mid-span, downward positive (the largest only for w1 = 0)")
        .notAlwaysLargest(Quantity::Deflection);
    c.member({}, members::simpleTriangularPlusUniform);
    c.mark(0, x, "x");
    c.sketch(sketches::simpleTriangularPlusUniform);
    return c.build();
}

// Cantilevers 7 to 9: free end A on the left, fixed end B on the right, x measured from the free
// end.

shell::CaseDef cantileverPointLoad()
{
    CaseBuilder c("Beam (7)");
    c.title("Cantilever, point load P at the free end");
    const Expr P = c.input("P", Dimension::Force, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 30), E = modulus(c), I = secondMoment(c);
    c.requirePositive(l);
    c.requireBetween(x, 0, l);
    requireStiffness(c, E, I);
    c.row(reaction("RA"), Dimension::Force, 0).means(noReactionAtA);
    c.row(reaction("RB"), Dimension::Force, P).means(upwardAtFixedB);
    c.row(shear("Sx"), Dimension::Force, -P).means(cantileverShearAtX);
    c.row(moment("Mx"), Dimension::Moment, (-P) * x).means("moment at x from the free end, hogging negative");
    c.row(maxMoment("MBmax"), Dimension::Moment, (-P) * l).means(largestMomentAtFixedB);
    c.row(maxDeflection, Dimension::Length, (P * pow(l, 3)) / ((3 * E) * I)).means(deflectionAtFreeA);
    c.member({}, members::cantileverPointLoad);
    c.mark(0, x, "x");
    c.sketch(sketches::cantileverPointLoad);
    return c.build();
}

shell::CaseDef cantileverUniform()
{
    CaseBuilder c("Beam (8)");
    c.title("Cantilever, uniform load w");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 30), E = modulus(c), I = secondMoment(c);
    c.requirePositive(l);
    c.requireBetween(x, 0, l);
    requireStiffness(c, E, I);
    c.row(reaction("RA"), Dimension::Force, 0).means(noReactionAtA);
    c.row(reaction("RB"), Dimension::Force, w * l).means(upwardAtFixedB);
    c.row(shear("Sx"), Dimension::Force, (-w) * x).means(cantileverShearAtX);
    c.row(moment("Mx"), Dimension::Moment, (w * pow(x, 2)) / 2).means(hoggingAtXShownPositive);
    c.row(maxMoment("MBmax"), Dimension::Moment, (-(w * pow(l, 2))) / 2).means(largestMomentAtFixedB);
    c.row(maxDeflection, Dimension::Length, (w * pow(l, 4)) / ((8 * E) * I)).means(deflectionAtFreeA);
    c.member({}, members::cantileverUniform);
    c.mark(0, x, "x");
    c.sketch(sketches::cantileverUniform);
    return c.build();
}

shell::CaseDef cantileverTriangular()
{
    CaseBuilder c("Beam (9)");
    c.title("Cantilever, triangular load rising to w at the fixed end");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 70), E = modulus(c), I = secondMoment(c);
    c.requirePositive(l);
    c.requireBetween(x, 0, l);
    requireStiffness(c, E, I);
    c.row(reaction("RB"), Dimension::Force, (w * l) / 2).means(upwardAtFixedB);
    c.row(shear("Sx"), Dimension::Force, ((-w) * pow(x, 2)) / (2 * l)).means(cantileverShearAtX);
    c.row(moment("Mx"), Dimension::Moment, (w * pow(x, 3)) / (6 * l)).means(hoggingAtXShownPositive);
    c.row(maxMoment("MBmax"), Dimension::Moment, (-(w * pow(l, 2))) / 6).means(largestMomentAtFixedB);
    c.row(maxDeflection, Dimension::Length, (w * pow(l, 4)) / ((30 * E) * I)).means(deflectionAtFreeA);
    c.member({}, members::cantileverTriangular);
    c.mark(0, x, "x");
    c.sketch(sketches::cantileverTriangular);
    return c.build();
}

// Overhangs 10 and 11: supports A and B a span l apart, the overhang a beyond B to the tip C;
// x1 from A within the span, x2 from the tip within the overhang.

shell::CaseDef overhangPointLoad()
{
    CaseBuilder c("Beam (10)");
    c.title("Beam with overhang, point load P at the tip");
    const Expr P = c.input("P", Dimension::Force, 100), a = c.input("a", Dimension::Length, 20),
               l = c.input("l", Dimension::Length, 80), x1 = c.input("x1", Dimension::Length, 30),
               x2 = c.input("x2", Dimension::Length, 10);
    c.requirePositive(l);
    c.requireAtLeast(a, 0);
    c.requireBetween(x1, 0, l);
    c.requireBetween(x2, 0, a);
    // RA comes out negative: support A holds the beam down against the tip load.
    const Expr RA = c.row(reaction("RA"), Dimension::Force, (-P) * (a / l)).means(upwardAtAHoldingDown);
    c.row(reaction("RB"), Dimension::Force, (P * (a + l)) / l).means(upwardAtB);
    c.row(shear("S.A-B"), Dimension::Force, -RA)
        .means("shear force between A and B, sign reversed: positive for a downward P");
    c.row(shear("S.B-C"), Dimension::Force, P)
        .means("shear force between B and the tip C: the upward forces left of it");
    c.row(moment("Mx1"), Dimension::Moment, RA * x1).means("moment at x1 from A, hogging negative");
    c.row(moment("Mx2"), Dimension::Moment, (-P) * x2).means("moment at x2 from the tip C, hogging negative");
    c.row(maxMoment("MB"), Dimension::Moment, RA * l)
        .means("moment over support B, the largest in magnitude, hogging negative");
    c.member({}, members::overhangPointLoad);
    c.mark(0, x1, "x1");
    c.mark(0, (l + a) - x2, "x2");
    c.sketch(sketches::overhangPointLoad);
    return c.build();
}

shell::CaseDef overhangUniform()
{
    CaseBuilder c("Beam (11)");
    c.title("Beam with overhang, uniform load w throughout");
    const Expr w = c.input("w", Dimension::LineLoad, 100), a = c.input("a", Dimension::Length, 20),
               l = c.input("l", Dimension::Length, 80), x1 = c.input("x1", Dimension::Length, 30),
               x2 = c.input("x2", Dimension::Length, 15);
    // An overhang longer than the span lifts A (RA < 0), as the tip load does in "Beam (10)".
    c.requirePositive(l);
    c.requireAtLeast(a, 0);
    c.requireBetween(x1, 0, l);
    c.requireBetween(x2, 0, a);
    const Expr RA = c.row(reaction("RA"), Dimension::Force, ((w * (l + a)) * (l - a)) / (2 * l)).means(upwardAtA);
    c.row(reaction("RB"), Dimension::Force, (w * pow(l + a, 2)) / (2 * l)).means(upwardAtB);
    c.row(shear("Sx1"), Dimension::Force, RA - (w * x1))
        .means("shear force at x1 from A: the upward forces left of it");
    c.row(shear("Sx2"), Dimension::Force, w * x2).means("shear force at x2 from the tip: the upward forces left of it");
    c.row(shear("SB"), Dimension::Force, RA - (w * l)).means("shear force just left of support B");
    c.row(moment("Mx1"), Dimension::Moment, (RA * x1) - ((w * pow(x1, 2)) / 2))
        .means("moment at x1 from A, sagging positive");
    c.row(moment("Mx2"), Dimension::Moment, (-(w * pow(x2, 2))) / 2)
        .means("moment at x2 from the tip, hogging negative");
    c.row(moment("MB"), Dimension::Moment, (-(w * pow(a, 2))) / 2).means("moment over support B, hogging negative");
    // From a = l on the shear is nowhere zero in the span: the span hogs throughout and its
    // largest moment is the 0 at A (the formula would give the moment at a point before A).
    c.row(maxMoment("Mx1max"), Dimension::Moment,
          when(a < l, ((w * pow(l + a, 2)) * pow(l - a, 2)) / (8 * pow(l, 2)), 0))
        .means("the largest moment of the span, where the shear is zero, (l² − a²) / (2 l) from A; 0 (at A) "
               "where a ≥ l");
    c.member({}, members::overhangUniform);
    c.mark(0, x1, "x1");
    c.mark(0, (l + a) - x2, "x2");
    c.sketch(sketches::overhangUniform);
    return c.build();
}

// Two overhangs 12 and 13: the overhang a beyond A, the span l, the overhang b beyond B; x from
// A within the span.

shell::CaseDef twoOverhangsPointLoads()
{
    CaseBuilder c("Beam (12)");
    c.title("Beam with two overhangs, point loads P1, P2 at the tips");
    const Expr P1 = c.input("P1", Dimension::Force, 100), P2 = c.input("P2", Dimension::Force, 100),
               a = c.input("a", Dimension::Length, 15), b = c.input("b", Dimension::Length, 25);
    const Expr l = c.input("l", Dimension::Length, 60), x = c.input("x", Dimension::Length, 20);
    c.requirePositive(l);
    c.requireAtLeast(a, 0);
    c.requireAtLeast(b, 0);
    c.requireBetween(x, 0, l);
    const Expr RA =
        c.row(reaction("RA"), Dimension::Force, ((P1 * (l + a)) - (P2 * b)) / l).means(upwardAtAHoldingDown);
    c.row(reaction("RB"), Dimension::Force, ((P2 * (l + b)) - (P1 * a)) / l).means(upwardAtBHoldingDown);
    c.row(moment("MA"), Dimension::Moment, (-P1) * a).means("moment over support A, hogging negative");
    c.row(moment("MB"), Dimension::Moment, (-P2) * b).means("moment over support B, hogging negative");
    c.row(moment("Mx"), Dimension::Moment, (RA * x) - (P1 * (a + x)))
        .means("moment at x from A within the span, sagging positive");
    c.member({}, members::twoOverhangsPointLoads);
    c.mark(0, a + x, "x");
    c.sketch(sketches::twoOverhangsPointLoads);
    return c.build();
}

shell::CaseDef twoOverhangsUniform()
{
    CaseBuilder c("Beam (13)");
    c.title("Beam with two overhangs, uniform load w throughout");
    const Expr w = c.input("w", Dimension::LineLoad, 100), a = c.input("a", Dimension::Length, 15),
               b = c.input("b", Dimension::Length, 25), l = c.input("l", Dimension::Length, 60),
               x = c.input("x", Dimension::Length, 20);
    c.requirePositive(l);
    c.requireAtLeast(a, 0);
    c.requireAtLeast(b, 0);
    c.requireBetween(x, 0, l);
    const Expr T = named("T", (a + l) + b);  // the whole loaded length
    const Expr RA = c.row(reaction("RA"), Dimension::Force, ((w * T) * ((T / 2) - b)) / l).means(upwardAtAHoldingDown);
    c.row(reaction("RB"), Dimension::Force, ((w * T) * ((T / 2) - a)) / l).means(upwardAtBHoldingDown);
    c.row(moment("MA"), Dimension::Moment, ((-w) * pow(a, 2)) / 2).means("moment over support A, hogging negative");
    c.row(moment("MB"), Dimension::Moment, ((-w) * pow(b, 2)) / 2).means("moment over support B, hogging negative");
    c.row(moment("Mx"), Dimension::Moment, (RA * x) - ((w * pow(a + x, 2)) / 2))
        .means("moment at x from A within the span, sagging positive");
    c.member({}, members::twoOverhangsUniform);
    c.mark(0, a + x, "x");
    c.sketch(sketches::twoOverhangsUniform);
    return c.build();
}

// Propped cantilevers 14 and 15: simple support at A, fixed end at B.

shell::CaseDef proppedPointLoad()
{
    CaseBuilder c("Beam (14)");
    c.title("Propped cantilever, point load P at a");
    const Expr P = c.input("P", Dimension::Force, 100), a = c.input("a", Dimension::Length, 30),
               l = c.input("l", Dimension::Length, 100), x = c.input("x", Dimension::Length, 20);
    c.requirePositive(l);
    c.requireBetween(a, 0, l);
    c.requireBetween(x, 0, l);
    const Expr b = named("b", l - a);
    const Expr RA =
        c.row(reaction("RA"), Dimension::Force, ((P * pow(b, 2)) / (2 * pow(l, 3))) * (a + (2 * l))).means(upwardAtA);
    c.row(reaction("RB"), Dimension::Force, P - RA).means(upwardAtFixedB);
    c.row(moment("MB"), Dimension::Moment, (((P * a) * b) / (2 * pow(l, 2))) * (a + l))
        .means("hogging moment at the fixed end B, shown positive");
    // RA × x up to the load, less P × (x − a) beyond it.
    c.row(moment("Mx"), Dimension::Moment, when(x <= a, RA * x, (RA * x) - (P * (x - a)))).means(momentAtX);
    c.member({}, members::proppedPointLoad);
    c.mark(0, x, "x");
    c.sketch(sketches::proppedPointLoad);
    return c.build();
}

shell::CaseDef proppedUniform()
{
    CaseBuilder c("Beam (15)");
    c.title("Propped cantilever, uniform load w");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 30);
    c.requirePositive(l);
    c.requireBetween(x, 0, l);
    c.row(reaction("RA"), Dimension::Force, (fraction(3, 8) * w) * l).means(upwardAtA);
    c.row(reaction("RB"), Dimension::Force, (fraction(5, 8) * w) * l).means(upwardAtFixedB);
    c.row(moment("MB"), Dimension::Moment, ((-fraction(1, 8)) * w) * pow(l, 2))
        .means("moment at the fixed end B, hogging negative");
    c.row(moment("Mx"), Dimension::Moment, ((w * x) / 8) * ((3 * l) - (4 * x))).means(momentAtX);
    c.row(moment("Mxmax"), Dimension::Moment, (fraction(9, 128) * w) * pow(l, 2))
        .means("the largest sagging moment, at 3 l / 8 from A");
    c.member({}, members::proppedUniform);
    c.mark(0, x, "x");
    c.sketch(sketches::proppedUniform);
    return c.build();
}

// Beams 16 to 19 are fixed at both ends.

shell::CaseDef fixedUniform()
{
    CaseBuilder c("Beam (16)");
    c.title("Fixed-ended beam, uniform load w");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 30), E = modulus(c), I = secondMoment(c);
    c.requirePositive(l);
    c.requireBetween(x, 0, l);
    requireStiffness(c, E, I);
    const Expr RA = c.row(reaction("RA"), Dimension::Force, (w * l) / 2).means(upwardAtA);
    c.row(reaction("RB"), Dimension::Force, RA).means(upwardAtB);
    c.row(shear("Sx"), Dimension::Force, RA - (w * x)).means(shearAtX);
    const Expr MA = c.row(moment("MA"), Dimension::Moment, ((-w) * pow(l, 2)) / 12).means(momentAtFixedA);
    c.row(moment("MB"), Dimension::Moment, MA).means(momentAtFixedB);
    c.row(moment("Mx"), Dimension::Moment, MA + (((w * x) / 2) * (l - x))).means(momentAtX);
    c.row(moment("Mxmax"), Dimension::Moment, (w * pow(l, 2)) / 24).means("moment at mid-span, the largest sagging");
    c.row(maxDeflection, Dimension::Length, fraction(1, 384) * ((w * pow(l, 4)) / (E * I)))
        .means("deflection at mid-span, the largest, downward positive");
    c.member({}, members::fixedUniform);
    c.mark(0, x, "x");
    c.sketch(sketches::fixedUniform);
    return c.build();
}

shell::CaseDef fixedPointLoad()
{
    CaseBuilder c("Beam (17)");
    c.title("Fixed-ended beam, point load P at a");
    const Expr P = c.input("P", Dimension::Force, 100), a = c.input("a", Dimension::Length, 30),
               l = c.input("l", Dimension::Length, 100), x = c.input("x", Dimension::Length, 30);
    c.requirePositive(l);
    c.requireBetween(a, 0, l);
    c.requireBetween(x, 0, l);
    const Expr b = named("b", l - a);
    const Expr RA =
        c.row(reaction("RA"), Dimension::Force, ((P * pow(b, 2)) / pow(l, 3)) * ((2 * a) + l)).means(upwardAtA);
    c.row(reaction("RB"), Dimension::Force, P - RA).means(upwardAtB);
    const Expr MA = c.row(moment("MA"), Dimension::Moment, (((-P) * a) * pow(b, 2)) / pow(l, 2)).means(momentAtFixedA);
    c.row(moment("MB"), Dimension::Moment, (((-P) * pow(a, 2)) * b) / pow(l, 2)).means(momentAtFixedB);
    // Under the load itself (x = a) the second branch applies; both give the same value there.
    c.row(moment("Mx"), Dimension::Moment, when(a > x, (RA * x) + MA, ((RA * x) + MA) - (P * (x - a))))
        .means(momentAtX);
    c.member({}, members::fixedPointLoad);
    c.mark(0, x, "x");
    c.sketch(sketches::fixedPointLoad);
    return c.build();
}

shell::CaseDef fixedTriangular()
{
    CaseBuilder c("Beam (18)");
    c.title("Fixed-ended beam, triangular load rising to w at B");
    const Expr w = c.input("w", Dimension::LineLoad, 100), l = c.input("l", Dimension::Length, 100),
               x = c.input("x", Dimension::Length, 50);
    c.requirePositive(l);
    c.requireBetween(x, 0, l);
    const Expr RA = c.row(reaction("RA"), Dimension::Force, (fraction(3, 20) * w) * l).means(upwardAtA);
    c.row(reaction("RB"), Dimension::Force, (fraction(7, 20) * w) * l).means(upwardAtB);
    c.row(shear("Sx"), Dimension::Force, RA - ((w * pow(x, 2)) / (2 * l))).means(shearAtX);
    c.row(moment("MA"), Dimension::Moment, ((-fraction(1, 30)) * w) * pow(l, 2)).means(momentAtFixedA);
    c.row(moment("MB"), Dimension::Moment, ((-fraction(1, 20)) * w) * pow(l, 2)).means(momentAtFixedB);
    c.row(moment("Mx"), Dimension::Moment,
          (((((3 * w) * l) * x) / 20) - ((w * pow(l, 2)) / 30)) - ((w * pow(x, 3)) / (6 * l)))
        .means(momentAtX);
    // The handbook's coefficient; the exact largest moment is 0.02144 w l².
    c.row(moment("Mxmax"), Dimension::Moment, (0.0215 * w) * pow(l, 2))
        .means("the largest sagging moment, at 0.548 l from A (coefficient rounded up)")
        .notAlwaysLargest(Quantity::Moment);
    c.member({}, members::fixedTriangular);
    c.mark(0, x, "x");
    c.sketch(sketches::fixedTriangular);
    return c.build();
}

shell::CaseDef fixedTriangularPlusUniform()
{
    CaseBuilder c("Beam (19)");
    c.title("Fixed-ended beam, triangular load w1 and uniform w2");
    const Expr w1 = c.input("w1", Dimension::LineLoad, 100), w2 = c.input("w2", Dimension::LineLoad, 100),
               l = c.input("l", Dimension::Length, 100), x = c.input("x", Dimension::Length, 30);
    c.requirePositive(l);
    c.requireBetween(x, 0, l);
    const Expr RA = c.row(reaction("RA"), Dimension::Force, ((w2 * l) / 2) + (((3 * w1) * l) / 20)).means(upwardAtA);
    c.row(reaction("RB"), Dimension::Force, ((w2 * l) / 2) + (((7 * w1) * l) / 20)).means(upwardAtB);
    const Expr MA = c.row(moment("MA"), Dimension::Moment, -(((w2 * pow(l, 2)) / 12) + ((w1 * pow(l, 2)) / 30)))
                        .means(momentAtFixedA);
    c.row(moment("MB"), Dimension::Moment, -(((w2 * pow(l, 2)) / 12) + ((w1 * pow(l, 2)) / 20))).means(momentAtFixedB);
    c.row(moment("Mx"), Dimension::Moment, (((RA * x) + MA) - ((w2 * pow(x, 2)) / 2)) - ((w1 * pow(x, 3)) / (6 * l)))
        .means(momentAtX);
    c.member({}, members::fixedTriangularPlusUniform);
    c.mark(0, x, "x");
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
