// Section properties of the eight shapes. Rows: A area, e1 centroid to extreme fibre,
// I second moment about the bending axis through the centroid, Z1 = I / e1, i radius of
// gyration; the L and I sections add e2 (to the opposite fibre) and Z2 = I / e2.

#include "profilor/catalogue_parts.h"

namespace profilor {

using shell::CaseBuilder;
using shell::Expr;
using shell::named;
using shell::pow;
using shell::sqrt;
using shell::when;

namespace {

const char *const AreaCaption = "断面積 (A)";
const char *const E1Caption = "重心距離 (e1)";
const char *const ICaption = "断面2次モーメント (I)";
const char *const Z1Caption = "断面係数 (Z1)";
const char *const RadiusCaption = "断面2次半径 (i)";
const char *const E2Caption = "重心距離 (e2)";
const char *const Z2Caption = "断面係数 (Z2)";

// π as the programs have always used it, not the full double precision.
const Expr Pi = Expr::constant("π", 3.141592);

}  // namespace

shell::CaseDef rectangularBar()
{
    CaseBuilder c("Rectangular bar");
    const Expr a = c.input("a", 10), b = c.input("b", 10);
    c.rejectWhen((a <= 0) || (b <= 0));
    c.row(AreaCaption, a * b);
    c.row(E1Caption, a / 2);
    c.row(ICaption, (b * pow(a, 3)) / 12);
    c.row(Z1Caption, (pow(a, 2) * b) / 6);
    // 0.28867 stands for 1/√12 as the tables print it.
    c.row(RadiusCaption, a * 0.28867);
    c.sketch(rectangularBarSketch);
    return c.build();
}

shell::CaseDef rectangularTube()
{
    CaseBuilder c("Rectangular tube");
    const Expr a = c.input("a", 10), b = c.input("b", 10), t = c.input("c", 2);
    c.rejectWhen((a <= 0) || (b <= 0) || (t <= 0) || ((a - (2 * t)) <= 0) || ((b - (2 * t)) <= 0));
    const Expr ai = named("ai", a - (2 * t));
    const Expr bi = named("bi", b - (2 * t));
    // The larger outer side is the depth.
    const Expr deep = a > b;
    const Expr S = named("S", when(deep, (b * pow(a, 3)) - (bi * pow(ai, 3)), (a * pow(b, 3)) - (ai * pow(bi, 3))));
    const Expr A = c.row(AreaCaption, (a * b) - (ai * bi));
    c.row(E1Caption, when(deep, a / 2, b / 2));
    c.row(ICaption, S / 12);
    c.row(Z1Caption, when(deep, S / (6 * a), S / (6 * b)));
    c.row(RadiusCaption, sqrt(S / (12 * A)));
    c.sketch(rectangularTubeSketch);
    return c.build();
}

shell::CaseDef circularBar()
{
    CaseBuilder c("Circular bar");
    const Expr d = c.input("dia", 10);
    c.row(AreaCaption, (Pi * pow(d, 2)) / 4);
    c.row(E1Caption, d / 2);
    c.row(ICaption, (Pi * pow(d, 4)) / 64);
    c.row(Z1Caption, (Pi * pow(d, 3)) / 32);
    c.row(RadiusCaption, d / 4);
    c.sketch(circularBarSketch);
    return c.build();
}

shell::CaseDef circularTube()
{
    CaseBuilder c("Circular tube");
    const Expr D = c.input("OD", 10), d = c.input("ID", 8);
    c.rejectWhen(D < d);
    c.row(AreaCaption, (Pi * (pow(D, 2) - pow(d, 2))) / 4);
    c.row(E1Caption, D / 2);
    c.row(ICaption, (Pi * (pow(D, 4) - pow(d, 4))) / 64);
    c.row(Z1Caption, (Pi * (pow(D, 4) - pow(d, 4))) / (32 * D));
    c.row(RadiusCaption, sqrt(pow(D, 2) + pow(d, 2)) / 4);
    c.sketch(circularTubeSketch);
    return c.build();
}

shell::CaseDef cSection()
{
    CaseBuilder c("C section");
    const Expr a = c.input("a", 10), b = c.input("b", 10), t = c.input("c", 2), d = c.input("d", 2);
    // Flanges thicker together than the depth would overlap (2c = b is a solid rectangle).
    c.rejectWhen((a < d) || (b < t) || ((2 * t) > b));
    const Expr S = named("S", (a * pow(b, 3)) - ((a - d) * pow(b - (2 * t), 3)));
    const Expr A = c.row(AreaCaption, (a * b) - ((a - d) * (b - (2 * t))));
    c.row(E1Caption, b / 2);
    c.row(ICaption, S / 12);
    c.row(Z1Caption, S / (6 * b));
    c.row(RadiusCaption, sqrt(S / (12 * A)));
    c.sketch(cSectionSketch);
    return c.build();
}

shell::CaseDef tSection()
{
    CaseBuilder c("T section");
    const Expr a = c.input("a", 10), b = c.input("b", 2), t = c.input("c", 2), d = c.input("d", 8);
    c.rejectWhen((a < b) || (d < t));
    // Bending about the axis of symmetry, the centre line of the web.
    const Expr S = named("S", (t * pow(a, 3)) + (d * pow(b, 3)));
    const Expr A = c.row(AreaCaption, (a * t) + (b * d));
    c.row(E1Caption, a / 2);
    c.row(ICaption, S / 12);
    c.row(Z1Caption, S / (6 * a));
    c.row(RadiusCaption, sqrt(S / (12 * A)));
    c.sketch(tSectionSketch);
    return c.build();
}

shell::CaseDef lSection()
{
    CaseBuilder c("L section");
    const Expr a = c.input("a", 10), b = c.input("b", 10), t = c.input("c", 2);
    c.rejectWhen((a < t) || (b < t));
    // e1 from the outer face of leg a, e2 to the tip of leg b.
    const Expr e1 = named("e1", ((pow(b, 2) * t) + (pow(t, 2) * (a - t))) / (2 * ((t * (a - t)) + (b * t))));
    const Expr e2 = named("e2", b - e1);
    const Expr A = c.row(AreaCaption, (a * b) - ((a - t) * (b - t)));
    const Expr E1 = c.row(E1Caption, e1);
    const Expr I = c.row(ICaption, (((t * pow(e2, 3)) + (a * pow(e1, 3))) - ((a - t) * pow(e1 - t, 3))) / 3);
    c.row(Z1Caption, I / E1);
    c.row(RadiusCaption, sqrt(I / A));
    const Expr E2 = c.row(E2Caption, e2);
    c.row(Z2Caption, I / E2);
    c.sketch(lSectionSketch);
    return c.build();
}

shell::CaseDef iSection()
{
    CaseBuilder c("I section");
    const Expr a = c.input("a", 10), b = c.input("b", 10), t = c.input("c", 2), d = c.input("d", 2);
    // Flanges thicker together than the depth would overlap (2c = a is a solid rectangle).
    c.rejectWhen((a < t) || (b < d) || ((2 * t) > a));
    const Expr A = c.row(AreaCaption, ((2 * b) * t) + (d * (a - (2 * t))));
    const Expr E1 = c.row(E1Caption, a / 2);
    const Expr I = c.row(ICaption, ((b * pow(a, 3)) - ((b - d) * pow(a - (2 * t), 3))) / 12);
    c.row(Z1Caption, I / E1);
    c.row(RadiusCaption, sqrt(I / A));
    const Expr E2 = c.row(E2Caption, a / 2);
    c.row(Z2Caption, I / E2);
    c.sketch(iSectionSketch);
    return c.build();
}

}  // namespace profilor
