// The ten portal frame cases, each written as its formula table, with the frame it describes.
//
// Sign rules shared by all cases: a bending moment is positive when it puts the inside face of
// the frame in tension (a downward load on the beam gives negative corner moments MB, MC); a
// horizontal reaction under a downward load on the beam or the bracket is the inward thrust,
// given positive. Under a horizontal load (cases 2, 4, 7, 9, the load acting to the right) VA
// and VD are given as the same positive value although A is held down and D pushed up, and HA
// and HD are both given positive: the two feet push back against the load.
//
// Domain: the column height h and the span l above zero, both second moments above zero (the
// stiffness ratio divides by I1, and a member without stiffness makes no frame); a load on the
// beam at a from B and b from C with a, b above zero and a + b = l; a bracket at a above A on
// the column, with 0 ≤ a ≤ h, and on fixed feet b below B with a + b = h; its lever c from
// zero (on the column axis) to below l (inside the bay, as drawn, clear of the other column).
// a + b is compared with l or h to within 1e-9 of it, so that positions typed as decimals
// meet; editing one of them or the length moves the other. Loads may be zero or negative.
//
// Worked example, case 1 with w = 1000, h = l = 100, I1 = I2 = 833 (k = 1):
// MB = MC = −(1000 · 100²) / (4 · 5) = −500000, VA = VD = 50000, HA = HD = 5000.

#include "rahmen/catalogue_parts.h"

#include "mechanics/portalframe.h"

#include <functional>

namespace rahmen {

using mechanics::FrameMember;
using mechanics::PortalFrame;
using shell::CaseBuilder;
using shell::Dimension;
using shell::Expr;
using shell::named;

namespace {

using FrameModel = std::function<PortalFrame(const std::vector<double> &)>;

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

// The frame without its load: columns of height h and second moment I1, the beam of span l and
// I2, standing on the case's feet.
PortalFrame bareFrame(Feet feet, double h, double l, double I1, double I2)
{
    PortalFrame f;
    f.height = h;
    f.span = l;
    f.columnInertia = I1;
    f.beamInertia = I2;
    f.feet = feet == Feet::Pinned ? mechanics::FrameFeet::Pinned : mechanics::FrameFeet::Fixed;
    return f;
}

// The size of the frame, checked before the positions measured on it.
void requireFrame(CaseBuilder &frame, const Expr &h, const Expr &l)
{
    frame.requirePositive(h);
    frame.requirePositive(l);
}

void requireSections(CaseBuilder &frame, const Expr &I1, const Expr &I2)
{
    frame.requirePositive(I1);
    frame.requirePositive(I2);
}

// Two distances that must add up to a length of the frame, to within 1e-9 of it. Editing a or
// the length sets b so that they do; editing b sets a.
void requireSum(CaseBuilder &frame, const Expr &a, const Expr &b, const Expr &length)
{
    const Expr excess = (a + b) - length;
    frame.require(b, (excess <= (1e-9 * length)) && ((-excess) <= (1e-9 * length)),
                  "a + b must equal " + length.formula());
    frame.follow(b, {a, length}, length - a);
    frame.follow(a, {b}, length - b);
}

// What the rows mean, in the words every case uses.
const char *const AtA = "moment at the fixed foot A, inside face in tension positive";
const char *const AtB = "moment at corner B, inside face in tension positive";
const char *const AtC = "moment at corner C, inside face in tension positive";
const char *const AtD = "moment at the fixed foot D, inside face in tension positive";
const char *const BelowE = "moment in column AB just below the bracket E, inside face in tension positive";
const char *const AboveE = "moment in column AB just above the bracket E, inside face in tension positive";
const char *const UpA = "upward reaction at A";
const char *const UpD = "upward reaction at D";
const char *const ThrustA = "horizontal reaction at A, inward (towards D) positive";
const char *const ThrustD = "horizontal reaction at D, inward (towards A) positive";
// Under a load acting to the right: the frame tips over D, A is held down, both feet push left.
const char *const DownA = "reaction at A, downward positive (A is held down as the load tips the frame)";
const char *const BackA = "horizontal reaction at A, positive against the load (to the left)";
const char *const BackD = "horizontal reaction at D, positive against the load (to the left)";

// The member models, one per kind of load; the input indices are those of the cases.
FrameModel uniformLoadOnBeamFrame(Feet feet)
{
    return [feet](const std::vector<double> &in) {  // w, h, l, I1, I2
        PortalFrame f = bareFrame(feet, in[1], in[2], in[3], in[4]);
        f.distributed = {{FrameMember::BC, 0, in[2], in[0], in[0]}};
        return f;
    };
}

FrameModel horizontalLoadAtBFrame(Feet feet)
{
    return [feet](const std::vector<double> &in) {  // P, h, l, I1, I2; P to the right at B
        PortalFrame f = bareFrame(feet, in[1], in[2], in[3], in[4]);
        f.forces = {{FrameMember::BC, 0, in[0], 0}};
        return f;
    };
}

FrameModel pointLoadOnBeamFrame(Feet feet)
{
    return [feet](const std::vector<double> &in) {  // P, h, l, a, b, I1, I2; P down at a from B
        PortalFrame f = bareFrame(feet, in[1], in[2], in[5], in[6]);
        f.forces = {{FrameMember::BC, in[3], 0, in[0]}};
        return f;
    };
}

FrameModel uniformLoadOnColumnFrame(Feet feet)
{
    return [feet](const std::vector<double> &in) {  // w, h, l, I1, I2; w to the right along AB
        PortalFrame f = bareFrame(feet, in[1], in[2], in[3], in[4]);
        f.distributed = {{FrameMember::AB, 0, in[1], in[0], in[0]}};
        return f;
    };
}

// P down at the tip of a bracket at E, a above A, reaching c from the column axis into the bay.
FrameModel bracketLoadFrame(Feet feet, int leverIndex)
{
    return [feet, leverIndex](const std::vector<double> &in) {  // P, h, l, a, (b,) c, I1, I2
        const auto c = static_cast<std::size_t>(leverIndex);
        PortalFrame f = bareFrame(feet, in[1], in[2], in[c + 1], in[c + 2]);
        f.brackets = {{FrameMember::AB, in[3], in[c], in[0]}};
        return f;
    };
}

shell::CaseDef pinnedUniformOnBeam()
{
    CaseBuilder frame("Rahmen (1)");
    frame.title("Portal frame, pinned feet, uniform load w on the beam");
    const Expr w = frame.input("w", Dimension::LineLoad, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    requireFrame(frame, h, l);
    requireSections(frame, I1, I2);
    const Expr k = stiffnessRatio(I1, I2, h, l);
    const Expr M = named("M", (-(w * shell::pow(l, 2))) / (4 * ((2 * k) + 3)));
    frame.row("モーメント (MB)", Dimension::Moment, M).means(AtB);
    frame.row("モーメント (MC)", Dimension::Moment, M).means(AtC);
    const Expr VA = frame.row("鉛直反力 (VA)", Dimension::Force, (w * l) / 2).means(UpA);
    frame.row("鉛直反力 (VD)", Dimension::Force, VA).means(UpD);
    const Expr HA = frame.row("水平反力 (HA)", Dimension::Force, (-M) / h).means(ThrustA);
    frame.row("水平反力 (HD)", Dimension::Force, HA).means(ThrustD);
    frame.frame(uniformLoadOnBeamFrame(Feet::Pinned));
    frame.sketch(drawn(uniformLoadOnBeam, Feet::Pinned));
    return frame.build();
}

shell::CaseDef pinnedHorizontalLoadAtB()
{
    CaseBuilder frame("Rahmen (2)");
    frame.title("Portal frame, pinned feet, horizontal load P at B");
    const Expr P = frame.input("P", Dimension::Force, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    // The symmetric frame shares a load at B equally between its feet whatever its sections
    // are; the sections are still checked, as in every other case.
    requireFrame(frame, h, l);
    requireSections(frame, I1, I2);
    frame.row("モーメント (MB)", Dimension::Moment, (P * h) / 2).means(AtB);
    frame.row("モーメント (MC)", Dimension::Moment, -((P * h) / 2)).means(AtC);
    const Expr VA = frame.row("鉛直反力 (VA)", Dimension::Force, (P * h) / l).means(DownA);
    frame.row("鉛直反力 (VD)", Dimension::Force, VA).means(UpD);
    const Expr HA = frame.row("水平反力 (HA)", Dimension::Force, P / 2).means(BackA);
    frame.row("水平反力 (HD)", Dimension::Force, HA).means(BackD);
    frame.frame(horizontalLoadAtBFrame(Feet::Pinned));
    frame.sketch(drawn(horizontalLoadAtB, Feet::Pinned));
    return frame.build();
}

shell::CaseDef pinnedPointLoadOnBeam()
{
    CaseBuilder frame("Rahmen (3)");
    frame.title("Portal frame, pinned feet, point load P on the beam at a");
    const Expr P = frame.input("P", Dimension::Force, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr a = frame.input("a", Dimension::Length, 30, 1), b = frame.input("b", Dimension::Length, 70, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    requireFrame(frame, h, l);
    frame.requirePositive(a);
    frame.requirePositive(b);
    requireSum(frame, a, b, l);
    requireSections(frame, I1, I2);
    const Expr k = stiffnessRatio(I1, I2, h, l);
    const Expr M = named("M", (-(((P * a) * b) / l)) * (3 / (2 * ((2 * k) + 3))));
    frame.row("モーメント (MB)", Dimension::Moment, M).means(AtB);
    frame.row("モーメント (MC)", Dimension::Moment, M).means(AtC);
    frame.row("鉛直反力 (VA)", Dimension::Force, (P * b) / l).means(UpA);
    frame.row("鉛直反力 (VD)", Dimension::Force, (P * a) / l).means(UpD);
    const Expr HA = frame.row("水平反力 (HA)", Dimension::Force, (-M) / h).means(ThrustA);
    frame.row("水平反力 (HD)", Dimension::Force, HA).means(ThrustD);
    frame.frame(pointLoadOnBeamFrame(Feet::Pinned));
    frame.sketch(drawn(pointLoadOnBeam, Feet::Pinned));
    return frame.build();
}

shell::CaseDef pinnedUniformOnColumn()
{
    CaseBuilder frame("Rahmen (4)");
    frame.title("Portal frame, pinned feet, horizontal uniform load w on AB");
    const Expr w = frame.input("w", Dimension::LineLoad, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    requireFrame(frame, h, l);
    requireSections(frame, I1, I2);
    const Expr k = stiffnessRatio(I1, I2, h, l);
    const Expr q = named("q", k / (2 * ((2 * k) + 3)));
    const Expr W = named("W", (w * shell::pow(h, 2)) / 4);
    frame.row("モーメント (MB)", Dimension::Moment, W * ((-q) + 1)).means(AtB);
    const Expr MC = frame.row("モーメント (MC)", Dimension::Moment, W * ((-q) - 1)).means(AtC);
    const Expr VA = frame.row("鉛直反力 (VA)", Dimension::Force, (w * shell::pow(h, 2)) / (2 * l)).means(DownA);
    frame.row("鉛直反力 (VD)", Dimension::Force, VA).means(UpD);
    // The thrust at D follows from the unloaded right column; A takes the rest of w · h.
    const Expr HD = named("HD", (-MC) / h);
    frame.row("水平反力 (HA)", Dimension::Force, (w * h) - HD).means(BackA);
    frame.row("水平反力 (HD)", Dimension::Force, HD).means(BackD);
    frame.frame(uniformLoadOnColumnFrame(Feet::Pinned));
    frame.sketch(drawn(uniformLoadOnColumn, Feet::Pinned));
    return frame.build();
}

shell::CaseDef pinnedBracketLoad()
{
    CaseBuilder frame("Rahmen (5)");
    frame.title("Portal frame, pinned feet, bracket load P on column AB");
    const Expr P = frame.input("P", Dimension::Force, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr a = frame.input("a", Dimension::Length, 70, 1), c = frame.input("c", Dimension::Length, 30, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    requireFrame(frame, h, l);
    // A bracket at the foot (a = 0) or on the column axis (c = 0) is a real load: at c = 0 it
    // only presses on the column.
    frame.requireBetween(a, 0, h);
    frame.requireAtLeast(c, 0);
    frame.requireBelow(c, l);  // the bracket stays inside the bay
    requireSections(frame, I1, I2);
    const Expr k = stiffnessRatio(I1, I2, h, l);
    const Expr S = named("S", (((3 * shell::pow(a / h, 2)) - 1) * k) / ((2 * k) + 3));
    frame.row("モーメント (MB)", Dimension::Moment, ((P * c) / 2) * (S + 1)).means(AtB);
    const Expr MC = frame.row("モーメント (MC)", Dimension::Moment, ((P * c) / 2) * (S - 1)).means(AtC);
    const Expr H = named("H", (-MC) / h);
    // Just below and just above the bracket: the moment jumps by the bracket moment P · c.
    frame.row("モーメント (MEA)", Dimension::Moment, (-H) * a).means(BelowE);
    frame.row("モーメント (MEB)", Dimension::Moment, (P * c) - (H * a)).means(AboveE);
    frame.row("鉛直反力 (VA)", Dimension::Force, P - ((P * c) / l)).means(UpA);
    frame.row("鉛直反力 (VD)", Dimension::Force, (P * c) / l).means(UpD);
    frame.row("水平反力 (HA)", Dimension::Force, H).means(ThrustA);
    frame.row("水平反力 (HD)", Dimension::Force, H).means(ThrustD);
    frame.frame(bracketLoadFrame(Feet::Pinned, 4));
    frame.sketch(drawn(bracketLoad, Feet::Pinned));
    return frame.build();
}

shell::CaseDef fixedUniformOnBeam()
{
    CaseBuilder frame("Rahmen (6)");
    frame.title("Portal frame, fixed feet, uniform load w on the beam");
    const Expr w = frame.input("w", Dimension::LineLoad, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    requireFrame(frame, h, l);
    requireSections(frame, I1, I2);
    const Expr k = stiffnessRatio(I1, I2, h, l);
    const Expr M1 = named("M1", (w * shell::pow(l, 2)) / (12 * (k + 2)));
    frame.row("モーメント (MA)", Dimension::Moment, M1).means(AtA);
    frame.row("モーメント (MB)", Dimension::Moment, -2 * M1).means(AtB);
    frame.row("モーメント (MC)", Dimension::Moment, -2 * M1).means(AtC);
    frame.row("モーメント (MD)", Dimension::Moment, M1).means(AtD);
    const Expr VA = frame.row("鉛直反力 (VA)", Dimension::Force, (w * l) / 2).means(UpA);
    frame.row("鉛直反力 (VD)", Dimension::Force, VA).means(UpD);
    const Expr HA = frame.row("水平反力 (HA)", Dimension::Force, (3 * M1) / h).means(ThrustA);
    frame.row("水平反力 (HD)", Dimension::Force, HA).means(ThrustD);
    frame.frame(uniformLoadOnBeamFrame(Feet::Fixed));
    frame.sketch(drawn(uniformLoadOnBeam, Feet::Fixed));
    return frame.build();
}

shell::CaseDef fixedHorizontalLoadAtB()
{
    CaseBuilder frame("Rahmen (7)");
    frame.title("Portal frame, fixed feet, horizontal load P at B");
    const Expr P = frame.input("P", Dimension::Force, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    requireFrame(frame, h, l);
    requireSections(frame, I1, I2);
    const Expr k = stiffnessRatio(I1, I2, h, l);
    const Expr D = named("D", (6 * k) + 1);
    const Expr F = named("F", (P * h) / 2);
    frame.row("モーメント (MA)", Dimension::Moment, -(F * (((3 * k) + 1) / D))).means(AtA);
    const Expr MB = frame.row("モーメント (MB)", Dimension::Moment, F * ((3 * k) / D)).means(AtB);
    frame.row("モーメント (MC)", Dimension::Moment, -MB).means(AtC);
    frame.row("モーメント (MD)", Dimension::Moment, F * (((3 * k) + 1) / D)).means(AtD);
    const Expr VA = frame.row("鉛直反力 (VA)", Dimension::Force, (2 * MB) / l).means(DownA);
    frame.row("鉛直反力 (VD)", Dimension::Force, VA).means(UpD);
    const Expr HA = frame.row("水平反力 (HA)", Dimension::Force, P / 2).means(BackA);
    frame.row("水平反力 (HD)", Dimension::Force, HA).means(BackD);
    frame.frame(horizontalLoadAtBFrame(Feet::Fixed));
    frame.sketch(drawn(horizontalLoadAtB, Feet::Fixed));
    return frame.build();
}

shell::CaseDef fixedPointLoadOnBeam()
{
    CaseBuilder frame("Rahmen (8)");
    frame.title("Portal frame, fixed feet, point load P on the beam at a");
    const Expr P = frame.input("P", Dimension::Force, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr a = frame.input("a", Dimension::Length, 30, 1), b = frame.input("b", Dimension::Length, 70, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    requireFrame(frame, h, l);
    frame.requirePositive(a);
    frame.requirePositive(b);
    requireSum(frame, a, b, l);
    requireSections(frame, I1, I2);
    const Expr k = stiffnessRatio(I1, I2, h, l);
    const Expr Q = named("Q", ((P * a) * b) / l);
    // The part of the corner moments due to the load standing off mid-span.
    const Expr delta = named("δ", ((b / l) - (a / l)) / (2 * ((6 * k) + 1)));
    frame.row("モーメント (MA)", Dimension::Moment, Q * ((1 / (2 * (k + 2))) - delta)).means(AtA);
    frame.row("モーメント (MB)", Dimension::Moment, -(Q * ((1 / (k + 2)) + delta))).means(AtB);
    frame.row("モーメント (MC)", Dimension::Moment, (-Q) * ((1 / (k + 2)) - delta)).means(AtC);
    frame.row("モーメント (MD)", Dimension::Moment, Q * ((1 / (2 * (k + 2))) + delta)).means(AtD);
    const Expr VA = frame
                        .row("鉛直反力 (VA)", Dimension::Force,
                             (P * (b / l)) * (1 + (((a / l) * ((b / l) - (a / l))) / ((6 * k) + 1))))
                        .means(UpA);
    frame.row("鉛直反力 (VD)", Dimension::Force, P - VA).means(UpD);
    const Expr HA =
        frame.row("水平反力 (HA)", Dimension::Force, (((3 * P) * a) * b) / (((2 * l) * h) * (k + 2))).means(ThrustA);
    frame.row("水平反力 (HD)", Dimension::Force, HA).means(ThrustD);
    frame.frame(pointLoadOnBeamFrame(Feet::Fixed));
    frame.sketch(drawn(pointLoadOnBeam, Feet::Fixed));
    return frame.build();
}

shell::CaseDef fixedUniformOnColumn()
{
    CaseBuilder frame("Rahmen (9)");
    frame.title("Portal frame, fixed feet, horizontal uniform load w on AB");
    const Expr w = frame.input("w", Dimension::LineLoad, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    requireFrame(frame, h, l);
    requireSections(frame, I1, I2);
    const Expr k = stiffnessRatio(I1, I2, h, l);
    const Expr W = named("W", (w * shell::pow(h, 2)) / 4);
    // Symmetric (T1, T3) and antisymmetric (T2, T4) parts of the corner and foot moments.
    const Expr T1 = named("T1", (-(k + 3)) / (6 * (k + 2)));
    const Expr T2 = named("T2", ((4 * k) + 1) / ((6 * k) + 1));
    const Expr T3 = named("T3", (-k) / (6 * (k + 2)));
    const Expr T4 = named("T4", (2 * k) / ((6 * k) + 1));
    frame.row("モーメント (MA)", Dimension::Moment, W * (T1 - T2)).means(AtA);
    frame.row("モーメント (MB)", Dimension::Moment, W * (T3 + T4)).means(AtB);
    frame.row("モーメント (MC)", Dimension::Moment, W * (T3 - T4)).means(AtC);
    frame.row("モーメント (MD)", Dimension::Moment, W * (T1 + T2)).means(AtD);
    const Expr VA =
        frame.row("鉛直反力 (VA)", Dimension::Force, ((w * shell::pow(h, 2)) * k) / (l * ((6 * k) + 1))).means(DownA);
    frame.row("鉛直反力 (VD)", Dimension::Force, VA).means(UpD);
    // The foot D takes this share of w · h; A takes the rest.
    const Expr HD = named("HD", ((w * h) * ((2 * k) + 3)) / (8 * (k + 2)));
    frame.row("水平反力 (HA)", Dimension::Force, (w * h) - HD).means(BackA);
    frame.row("水平反力 (HD)", Dimension::Force, HD).means(BackD);
    frame.frame(uniformLoadOnColumnFrame(Feet::Fixed));
    frame.sketch(drawn(uniformLoadOnColumn, Feet::Fixed));
    return frame.build();
}

shell::CaseDef fixedBracketLoad()
{
    CaseBuilder frame("Rahmen (10)");
    frame.title("Portal frame, fixed feet, bracket load P on column AB");
    const Expr P = frame.input("P", Dimension::Force, 1000, 100), h = frame.input("h", Dimension::Length, 100, 1),
               l = frame.input("l", Dimension::Length, 100, 1);
    const Expr a = frame.input("a", Dimension::Length, 70, 1), b = frame.input("b", Dimension::Length, 30, 1),
               c = frame.input("c", Dimension::Length, 30, 1);
    const Expr I1 = frame.input("I1", Dimension::SecondMoment, 833, 10),
               I2 = frame.input("I2", Dimension::SecondMoment, 833, 10);
    requireFrame(frame, h, l);
    // From the foot (a = 0) to the corner (b = 0), on the column axis (c = 0) or off it.
    frame.requireAtLeast(a, 0);
    frame.requireAtLeast(b, 0);
    requireSum(frame, a, b, h);
    frame.requireAtLeast(c, 0);
    frame.requireBelow(c, l);  // the bracket stays inside the bay
    requireSections(frame, I1, I2);
    const Expr k = stiffnessRatio(I1, I2, h, l);
    const Expr Pc = named("Pc", P * c);
    const Expr X1 =
        named("X1", (Pc / (2 * (k + 2))) * ((1 + (k * (2 * (b / h)))) - ((k + 1) * (3 * shell::pow(b / h, 2)))));
    const Expr X2 = named("X2", (((Pc * k) * (a / h)) * ((3 * (a / h)) - 2)) / (2 * (k + 2)));
    const Expr X3 = named("X3", ((((3 * P) * c) * k) * (a / h)) / ((6 * k) + 1));
    const Expr MA = frame.row("モーメント (MA)", Dimension::Moment, X1 - ((Pc / 2) - X3)).means(AtA);
    frame.row("モーメント (MB)", Dimension::Moment, X2 + X3).means(AtB);
    frame.row("モーメント (MC)", Dimension::Moment, X2 - X3).means(AtC);
    frame.row("モーメント (MD)", Dimension::Moment, X1 + ((Pc / 2) - X3)).means(AtD);
    const Expr H = named("H", (Pc / (2 * h)) + ((X1 - X2) / h));
    // Just below and just above the bracket: the moment jumps by the bracket moment P · c.
    const Expr MEA = frame.row("モーメント (MEA)", Dimension::Moment, MA - (H * a)).means(BelowE);
    frame.row("モーメント (MEB)", Dimension::Moment, MEA + Pc).means(AboveE);
    const Expr VD = named("VD", (2 * X3) / l);
    frame.row("鉛直反力 (VA)", Dimension::Force, P - VD).means(UpA);
    frame.row("鉛直反力 (VD)", Dimension::Force, VD).means(UpD);
    frame.row("水平反力 (HA)", Dimension::Force, H).means(ThrustA);
    frame.row("水平反力 (HD)", Dimension::Force, H).means(ThrustD);
    frame.frame(bracketLoadFrame(Feet::Fixed, 5));
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
