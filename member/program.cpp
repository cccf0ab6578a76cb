// The Member program value: one case whose inputs are the member's length, E, I and a point of
// interest; the supports, hinges, loads and segments are the member editor's tables.

#include "member/member.h"

#include "profilor/profilor.h"

#include "shell/core/membersketch.h"
#include "shell/core/membertables.h"

#include <string>
#include <vector>

namespace member {

namespace {

using shell::Dimension;
using shell::Expr;

shell::CaseDef anyMember()
{
    shell::CaseBuilder c("Member");
    c.title("Any straight member: supports, hinges and loads anywhere");
    // Two spans of 3000 mm of an IPE 160 (I = 869 cm⁴) with the tables' start loads.
    const Expr l = c.input("l", Dimension::Length, 6000, 100);
    const Expr E = c.input("E", Dimension::Stress, 205000, 1000);
    const Expr I = c.input("I", Dimension::SecondMoment, 8690000, 100000);
    const Expr x = c.input("x", Dimension::Length, 1500, 100);
    c.requirePositive(l);
    c.requirePositive(E);
    c.requirePositive(I);
    c.requireBetween(x, 0, l);
    // The handbook's picture: the start member at the length given (the window draws its own).
    c.sketch([](const std::vector<double> &inputs) {
        const shell::MemberTablesRead read =
            shell::readMemberTables(shell::startMemberTables(), inputs[0], inputs[1], inputs[2]);
        shell::MemberDescription bare;
        bare.length = inputs[0];
        return shell::memberSketch(read.member ? *read.member : bare);
    });
    return c.build();
}

shell::Program makeProgram()
{
    shell::Program p;
    p.name = "Member";
    p.id = "member";
    p.desktopComment = "Reactions, shear forces, bending moments and deflections of any straight member";
    p.windowTitle = "Member";
    p.titleLine0 = "Bending of any straight member Compute tool ";
    p.titleLine1 = "Member Program version 1.0       Reference :";
    p.windowWidth = 18000;
    p.windowHeight = 15300;

    // The sketch of the member and its inputs on top; the member editor's tables and the result
    // rows side by side under them; the diagrams across the window below.
    shell::LayoutGroup layout;
    layout.pictureTop = 2100;
    layout.pictureLeft = 2400;
    layout.inputFrameTop = 2000;
    layout.inputFrameLeft = 8600;
    layout.resetButtonTop = 2200;
    layout.resetButtonLeft = 13900;
    layout.resultsFrameGap = 300;
    layout.resultsFrameHeight = 5700;
    p.groups = {layout};
    p.resultsFrameLeft = 10500;
    p.chartLeft = 2400;
    p.chartWidth = 15200;
    p.pictureWidth = 6000;
    p.pictureHeight = 2500;
    p.casesPerPage = 10;
    p.cases = {anyMember()};
    p.legend = {{{"L"}, "部材長"}, {{"E"}, "弾性係数"}, {{"I"}, "断面2次モーメント"}, {{"X"}, "着目点"}};
    p.unitChange = shell::UnitChange::Convert;
    p.startupReset = shell::StartupReset::None;
    p.memberEditor = true;
    p.sectionShapes = profilor::program().cases;
    p.sourceNotes = {
        shell::beamTheoryNote(),
        {"", 0,
         "Method. The member is cut at every support, hinge, load end and change of E\u00b7I. Between two cuts the "
         "load is a polynomial, and V, M, \u03b8 and \u03b4 follow from it by exact integration (M\u2032 = V, "
         "\u03b8\u2032 = M/EI, \u03b4\u2032 = \u03b8). The unknown reactions and the jumps of the slope at the "
         "hinges are found from one small linear system: equilibrium, a zero moment at every hinge and free end, and "
         "the deflection each support prescribes (zero, its settlement, or its reaction over its stiffness for a "
         "spring). No mesh and no step: the values and the extremes, with their positions, are those of the exact "
         "polynomials."},
        {"", 0,
         "Input. The length l, E and I of the member and a point of interest x, marked on the diagrams; in the "
         "tables the supports (pinned, roller, fixed or spring with its stiffness k and a rotational stiffness "
         "k\u03b8, each with an optional settlement \u03b4s, downward), internal hinges, point loads P (downward), "
         "couples C (clockwise), distributed loads from w1 to w2 (downward, varying linearly) and segments with their "
         "own E and I. A member that can move, a position off the member or a load that ends before it starts is "
         "refused with its reason, and the cell it is about is marked."},
        {"", 0,
         "Worked checks the program is tested against: two equal spans l under a uniform load w give the end "
         "reactions 0.375 wl, the middle one 1.25 wl and the support moment \u2212wl\u00b2/8; three equal spans "
         "0.4 wl and 1.1 wl with \u2212wl\u00b2/10; a member with a hinge equals its statics; a spring support "
         "tends to a pinned one as its stiffness grows and to none as it vanishes; a settlement \u0394 of the middle "
         "support of two equal spans moves its reaction by 6EI\u0394/l\u00b3; a stepped member agrees with the "
         "unit-load method."},
        {"", 0,
         "Loading. Every load belongs to a load case named in the Cases table (permanent or variable); a combination "
         "factors the cases it names (1.35 G + 1.5 Q). By linearity each case is solved once and the combinations are "
         "factored sums. With pattern loading the variable cases are split span by span, and every share that makes a "
         "value worse is taken, separately for every value; the envelope rows name the combination, and the spans, "
         "that govern. Worked checks: two equal spans under g and q give the support moment \u2212(g + q)l\u00b2/8 "
         "with q on both spans, and the largest span moment RA\u00b2/(2(g + q)), RA = (3g/8 + 7q/16)l, with q on "
         "one span."},
        {"", 0,
         "Moving loads. Axles at their distances behind the first axle roll across the member both ways. For each "
         "section the largest and smallest V and M are found from the influence line exactly, among the positions "
         "where an axle stands on a breakpoint of the line and the stationary points between them, with no step "
         "size; a single axle P on a simple span gives P\u00b7x(l \u2212 x)/l, two axles a apart the largest moment "
         "P(2l \u2212 a)\u00b2/(8l) under a wheel."},
        {"", 0,
         "Checks. The bending stress \u03c3b = |M|/Z (|M| the largest of the combinations for strength, or of the "
         "loads as typed) is compared with the allowable stress fb, and the largest deflection of every span with its "
         "length over n (the combinations for deflection); each is shown as a utilisation with OK at 1 or below. These "
         "are simple elastic checks, not a design code."},
    };
    p.helpFile = "Member.pdf";
    p.helpMessageTitle = "Member Message";
    p.errorPrefix = "Error : ";
    return p;
}

}  // namespace

const shell::Program &program()
{
    static const shell::Program member = makeProgram();
    return member;
}

}  // namespace member
