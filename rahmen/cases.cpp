// The ten portal frame cases, each written as its formula table.
//
// Sign rules shared by all cases: a bending moment is positive when it puts the inside face of
// the frame in tension (a downward load on the beam gives negative corner moments MB, MC); a
// horizontal reaction under a downward load on the beam is the inward thrust, given positive.
// Under a horizontal load (cases 2, 4, 7, 9) VA and VD are given as the same positive value
// although one of them acts downward, and HA and HD are both given positive.
//
// Every case rejects a column height or a span that is not positive, and I1 = 0, since the
// stiffness ratio divides by it. Loads may be zero or negative.
//
// Worked example, case 1 with w = 1000, h = l = 100, I1 = I2 = 833 (k = 1):
// MB = MC = −(1000 · 100²) / (4 · 5) = −500000, VA = VD = 50000, HA = HD = 5000.

#include "rahmen/catalogue_parts.h"

namespace rahmen {

using shell::Dimension;
using shell::Expr;
using shell::named;

namespace {

// Sketch hook of a case: the drawing depends on the load and the feet only.
shell::SketchFunction drawn(shell::Sketch (*drawing)(Feet), Feet feet)
{
    return [drawing, feet](const std::vector<double> &) { return drawing(feet); };
}

// The stiffness ratio of beam to column, k = (I2 / I1) · (h / l).
Expr stiffnessRatio(const Expr &I1, const Expr &I2, const Expr &h, const Expr &l)
{
    return named("k", (I2 / I1) * (h / l));
}

shell::CaseDef pinnedUniformOnBeam()
{
    shell::CaseBuilder frame("Rahmen (1)");
    const Expr w = frame.input("w", Dimension::LineLoad, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    frame.requirePositive(h);
    frame.requirePositive(l);
    frame.requirePositive(I1);
    const Expr k = stiffnessRatio(I1, I2, h, l);
    const Expr M = named("M", (-(w * shell::pow(l, 2))) / (4 * ((2 * k) + 3)));
    frame.row("モーメント (MB)", Dimension::Moment, M);
    frame.row("モーメント (MC)", Dimension::Moment, M);
    const Expr VA = frame.row("鉛直反力 (VA)", Dimension::Force, (w * l) / 2);
    frame.row("鉛直反力 (VD)", Dimension::Force, VA);
    const Expr HA = frame.row("水平反力 (HA)", Dimension::Force, (-M) / h);
    frame.row("水平反力 (HD)", Dimension::Force, HA);
    frame.sketch(drawn(uniformLoadOnBeam, Feet::Pinned));
    return frame.build();
}

shell::CaseDef pinnedHorizontalLoadAtB()
{
    shell::CaseBuilder frame("Rahmen (2)");
    const Expr P = frame.input("P", Dimension::Force, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10);
    frame.input("I2", Dimension::SecondMoment, 833, 10);
    // The symmetric frame shares a load at B equally between its feet whatever its sections
    // are; I1 = 0 is still refused, as in every other case.
    frame.requirePositive(h);
    frame.requirePositive(l);
    frame.requirePositive(I1);
    frame.row("モーメント (MB)", Dimension::Moment, (P * h) / 2);
    frame.row("モーメント (MC)", Dimension::Moment, -((P * h) / 2));
    const Expr VA = frame.row("鉛直反力 (VA)", Dimension::Force, (P * h) / l);
    frame.row("鉛直反力 (VD)", Dimension::Force, VA);
    const Expr HA = frame.row("水平反力 (HA)", Dimension::Force, P / 2);
    frame.row("水平反力 (HD)", Dimension::Force, HA);
    frame.sketch(drawn(horizontalLoadAtB, Feet::Pinned));
    return frame.build();
}

shell::CaseDef pinnedPointLoadOnBeam()
{
    shell::CaseBuilder frame("Rahmen (3)");
    const Expr P = frame.input("P", Dimension::Force, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr a = frame.input("a", Dimension::Length, 30, 1), b = frame.input("b", Dimension::Length, 70, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    frame.requirePositive(h);
    frame.requirePositive(l);
    frame.requirePositive(a);
    frame.requirePositive(b);
    frame.requirePositive(I1);
    const Expr k = stiffnessRatio(I1, I2, h, l);
    const Expr M = named("M", (-(((P * a) * b) / l)) * (3 / (2 * ((2 * k) + 3))));
    frame.row("モーメント (MB)", Dimension::Moment, M);
    frame.row("モーメント (MC)", Dimension::Moment, M);
    frame.row("鉛直反力 (VA)", Dimension::Force, (P * b) / l);
    frame.row("鉛直反力 (VD)", Dimension::Force, (P * a) / l);
    const Expr HA = frame.row("水平反力 (HA)", Dimension::Force, (-M) / h);
    frame.row("水平反力 (HD)", Dimension::Force, HA);
    frame.sketch(drawn(pointLoadOnBeam, Feet::Pinned));
    return frame.build();
}

shell::CaseDef pinnedUniformOnColumn()
{
    shell::CaseBuilder frame("Rahmen (4)");
    const Expr w = frame.input("w", Dimension::LineLoad, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    frame.requirePositive(h);
    frame.requirePositive(l);
    frame.requirePositive(I1);
    const Expr k = stiffnessRatio(I1, I2, h, l);
    const Expr q = named("q", k / (2 * ((2 * k) + 3)));
    const Expr W = named("W", (w * shell::pow(h, 2)) / 4);
    frame.row("モーメント (MB)", Dimension::Moment, W * ((-q) + 1));
    const Expr MC = frame.row("モーメント (MC)", Dimension::Moment, W * ((-q) - 1));
    const Expr VA = frame.row("鉛直反力 (VA)", Dimension::Force, (w * shell::pow(h, 2)) / (2 * l));
    frame.row("鉛直反力 (VD)", Dimension::Force, VA);
    // The thrust at D follows from the unloaded right column; A takes the rest of w · h.
    const Expr HD = named("HD", (-MC) / h);
    frame.row("水平反力 (HA)", Dimension::Force, (w * h) - HD);
    frame.row("水平反力 (HD)", Dimension::Force, HD);
    frame.sketch(drawn(uniformLoadOnColumn, Feet::Pinned));
    return frame.build();
}

shell::CaseDef pinnedBracketLoad()
{
    shell::CaseBuilder frame("Rahmen (5)");
    const Expr P = frame.input("P", Dimension::Force, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr a = frame.input("a", Dimension::Length, 70, 1), c = frame.input("c", Dimension::Length, 30, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    frame.requirePositive(h);
    frame.requirePositive(l);
    frame.requirePositive(a);
    frame.requirePositive(c);
    frame.requirePositive(I1);
    const Expr k = stiffnessRatio(I1, I2, h, l);
    const Expr S = named("S", (((3 * shell::pow(a / h, 2)) - 1) * k) / ((2 * k) + 3));
    frame.row("モーメント (MB)", Dimension::Moment, ((P * c) / 2) * (S + 1));
    const Expr MC = frame.row("モーメント (MC)", Dimension::Moment, ((P * c) / 2) * (S - 1));
    const Expr H = named("H", (-MC) / h);
    // Just below and just above the bracket: the moment jumps by the bracket moment P · c.
    frame.row("モーメント (MEA)", Dimension::Moment, (-H) * a);
    frame.row("モーメント (MEB)", Dimension::Moment, (P * c) - (H * a));
    frame.row("鉛直反力 (VA)", Dimension::Force, P - ((P * c) / l));
    frame.row("鉛直反力 (VD)", Dimension::Force, (P * c) / l);
    frame.row("水平反力 (HA)", Dimension::Force, H);
    frame.row("水平反力 (HD)", Dimension::Force, H);
    frame.sketch(drawn(bracketLoad, Feet::Pinned));
    return frame.build();
}

shell::CaseDef fixedUniformOnBeam()
{
    shell::CaseBuilder frame("Rahmen (6)");
    const Expr w = frame.input("w", Dimension::LineLoad, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    frame.requirePositive(h);
    frame.requirePositive(l);
    frame.requirePositive(I1);
    const Expr k = stiffnessRatio(I1, I2, h, l);
    const Expr M1 = named("M1", (w * shell::pow(l, 2)) / (12 * (k + 2)));
    frame.row("モーメント (MA)", Dimension::Moment, M1);
    frame.row("モーメント (MB)", Dimension::Moment, -2 * M1);
    frame.row("モーメント (MC)", Dimension::Moment, -2 * M1);
    frame.row("モーメント (MD)", Dimension::Moment, M1);
    const Expr VA = frame.row("鉛直反力 (VA)", Dimension::Force, (w * l) / 2);
    frame.row("鉛直反力 (VD)", Dimension::Force, VA);
    const Expr HA = frame.row("水平反力 (HA)", Dimension::Force, (3 * M1) / h);
    frame.row("水平反力 (HD)", Dimension::Force, HA);
    frame.sketch(drawn(uniformLoadOnBeam, Feet::Fixed));
    return frame.build();
}

shell::CaseDef fixedHorizontalLoadAtB()
{
    shell::CaseBuilder frame("Rahmen (7)");
    const Expr P = frame.input("P", Dimension::Force, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    frame.requirePositive(h);
    frame.requirePositive(l);
    frame.requirePositive(I1);
    const Expr k = stiffnessRatio(I1, I2, h, l);
    const Expr D = named("D", (6 * k) + 1);
    const Expr F = named("F", (P * h) / 2);
    frame.row("モーメント (MA)", Dimension::Moment, -(F * (((3 * k) + 1) / D)));
    const Expr MB = frame.row("モーメント (MB)", Dimension::Moment, F * ((3 * k) / D));
    frame.row("モーメント (MC)", Dimension::Moment, -MB);
    frame.row("モーメント (MD)", Dimension::Moment, F * (((3 * k) + 1) / D));
    const Expr VA = frame.row("鉛直反力 (VA)", Dimension::Force, (2 * MB) / l);
    frame.row("鉛直反力 (VD)", Dimension::Force, VA);
    const Expr HA = frame.row("水平反力 (HA)", Dimension::Force, P / 2);
    frame.row("水平反力 (HD)", Dimension::Force, HA);
    frame.sketch(drawn(horizontalLoadAtB, Feet::Fixed));
    return frame.build();
}

shell::CaseDef fixedPointLoadOnBeam()
{
    shell::CaseBuilder frame("Rahmen (8)");
    const Expr P = frame.input("P", Dimension::Force, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr a = frame.input("a", Dimension::Length, 30, 1), b = frame.input("b", Dimension::Length, 70, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    frame.requirePositive(h);
    frame.requirePositive(l);
    frame.requirePositive(a);
    frame.requirePositive(b);
    frame.requirePositive(I1);
    const Expr k = stiffnessRatio(I1, I2, h, l);
    const Expr Q = named("Q", ((P * a) * b) / l);
    // The part of the corner moments due to the load standing off mid-span.
    const Expr delta = named("δ", ((b / l) - (a / l)) / (2 * ((6 * k) + 1)));
    frame.row("モーメント (MA)", Dimension::Moment, Q * ((1 / (2 * (k + 2))) - delta));
    frame.row("モーメント (MB)", Dimension::Moment, -(Q * ((1 / (k + 2)) + delta)));
    frame.row("モーメント (MC)", Dimension::Moment, (-Q) * ((1 / (k + 2)) - delta));
    frame.row("モーメント (MD)", Dimension::Moment, Q * ((1 / (2 * (k + 2))) + delta));
    const Expr VA = frame.row("鉛直反力 (VA)", Dimension::Force,
                              (P * (b / l)) * (1 + (((a / l) * ((b / l) - (a / l))) / ((6 * k) + 1))));
    frame.row("鉛直反力 (VD)", Dimension::Force, P - VA);
    const Expr HA = frame.row("水平反力 (HA)", Dimension::Force, (((3 * P) * a) * b) / (((2 * l) * h) * (k + 2)));
    frame.row("水平反力 (HD)", Dimension::Force, HA);
    frame.sketch(drawn(pointLoadOnBeam, Feet::Fixed));
    return frame.build();
}

shell::CaseDef fixedUniformOnColumn()
{
    shell::CaseBuilder frame("Rahmen (9)");
    const Expr w = frame.input("w", Dimension::LineLoad, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    frame.requirePositive(h);
    frame.requirePositive(l);
    frame.requirePositive(I1);
    const Expr k = stiffnessRatio(I1, I2, h, l);
    const Expr W = named("W", (w * shell::pow(h, 2)) / 4);
    // Symmetric (T1, T3) and antisymmetric (T2, T4) parts of the corner and foot moments.
    const Expr T1 = named("T1", (-(k + 3)) / (6 * (k + 2)));
    const Expr T2 = named("T2", ((4 * k) + 1) / ((6 * k) + 1));
    const Expr T3 = named("T3", (-k) / (6 * (k + 2)));
    const Expr T4 = named("T4", (2 * k) / ((6 * k) + 1));
    frame.row("モーメント (MA)", Dimension::Moment, W * (T1 - T2));
    frame.row("モーメント (MB)", Dimension::Moment, W * (T3 + T4));
    frame.row("モーメント (MC)", Dimension::Moment, W * (T3 - T4));
    frame.row("モーメント (MD)", Dimension::Moment, W * (T1 + T2));
    const Expr VA = frame.row("鉛直反力 (VA)", Dimension::Force, ((w * shell::pow(h, 2)) * k) / (l * ((6 * k) + 1)));
    frame.row("鉛直反力 (VD)", Dimension::Force, VA);
    // The foot D takes this share of w · h; A takes the rest.
    const Expr HD = named("HD", ((w * h) * ((2 * k) + 3)) / (8 * (k + 2)));
    frame.row("水平反力 (HA)", Dimension::Force, (w * h) - HD);
    frame.row("水平反力 (HD)", Dimension::Force, HD);
    frame.sketch(drawn(uniformLoadOnColumn, Feet::Fixed));
    return frame.build();
}

shell::CaseDef fixedBracketLoad()
{
    shell::CaseBuilder frame("Rahmen (10)");
    const Expr P = frame.input("P", Dimension::Force, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr a = frame.input("a", Dimension::Length, 70, 1), b = frame.input("b", Dimension::Length, 30, 1),
               c = frame.input("c", Dimension::Length, 30, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    frame.requirePositive(h);
    frame.requirePositive(l);
    frame.requirePositive(a);
    frame.requirePositive(b);
    frame.requirePositive(c);
    frame.requirePositive(I1);
    const Expr k = stiffnessRatio(I1, I2, h, l);
    const Expr Pc = named("Pc", P * c);
    const Expr X1 =
        named("X1", (Pc / (2 * (k + 2))) * ((1 + (k * (2 * (b / h)))) - ((k + 1) * (3 * shell::pow(b / h, 2)))));
    const Expr X2 = named("X2", (((Pc * k) * (a / h)) * ((3 * (a / h)) - 2)) / (2 * (k + 2)));
    const Expr X3 = named("X3", ((((3 * P) * c) * k) * (a / h)) / ((6 * k) + 1));
    const Expr MA = frame.row("モーメント (MA)", Dimension::Moment, X1 - ((Pc / 2) - X3));
    frame.row("モーメント (MB)", Dimension::Moment, X2 + X3);
    frame.row("モーメント (MC)", Dimension::Moment, X2 - X3);
    frame.row("モーメント (MD)", Dimension::Moment, X1 + ((Pc / 2) - X3));
    const Expr H = named("H", (Pc / (2 * h)) + ((X1 - X2) / h));
    // Just below and just above the bracket: the moment jumps by the bracket moment P · c.
    const Expr MEA = frame.row("モーメント (MEA)", Dimension::Moment, MA - (H * a));
    frame.row("モーメント (MEB)", Dimension::Moment, MEA + Pc);
    const Expr VD = named("VD", (2 * X3) / l);
    frame.row("鉛直反力 (VA)", Dimension::Force, P - VD);
    frame.row("鉛直反力 (VD)", Dimension::Force, VD);
    frame.row("水平反力 (HA)", Dimension::Force, H);
    frame.row("水平反力 (HD)", Dimension::Force, H);
    frame.sketch(drawn(bracketLoad, Feet::Fixed));
    return frame.build();
}

}  // namespace

std::vector<shell::CaseDef> frameCases()
{
    return {pinnedUniformOnBeam(),  pinnedHorizontalLoadAtB(), pinnedPointLoadOnBeam(),  pinnedUniformOnColumn(),
            pinnedBracketLoad(),    fixedUniformOnBeam(),      fixedHorizontalLoadAtB(), fixedPointLoadOnBeam(),
            fixedUniformOnColumn(), fixedBracketLoad()};
}

}  // namespace rahmen
