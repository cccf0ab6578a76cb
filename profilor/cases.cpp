// Section properties of the eight shapes. Rows: A area, e1 centroid to extreme fibre,
// I second moment about the bending axis through the centroid, Z1 = I / e1, i radius of
// gyration; the L and I sections add e2 (to the opposite fibre) and Z2 = I / e2.

#include "profilor/catalogue_parts.h"

namespace profilor {

using shell::CaseBuilder;
using shell::Dimension;
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
    CaseBuilder section("Rectangular bar");
    const Expr a = section.input("a", Dimension::Length, 10), b = section.input("b", Dimension::Length, 10);
    section.requirePositive(a);
    section.requirePositive(b);
    section.row(AreaCaption, Dimension::Area, a * b);
    section.row(E1Caption, Dimension::Length, a / 2);
    section.row(ICaption, Dimension::SecondMoment, (b * pow(a, 3)) / 12);
    section.row(Z1Caption, Dimension::SectionModulus, (pow(a, 2) * b) / 6);
    // 0.28867 stands for 1/√12 as the tables print it.
    section.row(RadiusCaption, Dimension::Length, a * 0.28867);
    section.section({1, -1, shell::Side::Above});
    section.sketch(rectangularBarSketch);
    return section.build();
}

shell::CaseDef rectangularTube()
{
    CaseBuilder section("Rectangular tube");
    const Expr a = section.input("a", Dimension::Length, 10), b = section.input("b", Dimension::Length, 10),
               c = section.input("c", Dimension::Length, 2);
    section.requirePositive(a);
    section.requirePositive(b);
    section.requirePositive(c);
    section.requireBelow(c, a / 2);
    section.requireBelow(c, b / 2);
    const Expr ai = named("ai", a - (2 * c));
    const Expr bi = named("bi", b - (2 * c));
    // The larger outer side is the depth.
    const Expr deep = a > b;
    const Expr S = named("S", when(deep, (b * pow(a, 3)) - (bi * pow(ai, 3)), (a * pow(b, 3)) - (ai * pow(bi, 3))));
    const Expr A = section.row(AreaCaption, Dimension::Area, (a * b) - (ai * bi));
    section.row(E1Caption, Dimension::Length, when(deep, a / 2, b / 2));
    section.row(ICaption, Dimension::SecondMoment, S / 12);
    section.row(Z1Caption, Dimension::SectionModulus, when(deep, S / (6 * a), S / (6 * b)));
    section.row(RadiusCaption, Dimension::Length, sqrt(S / (12 * A)));
    section.section({1, -1, shell::Side::Above});
    section.sketch(rectangularTubeSketch);
    return section.build();
}

shell::CaseDef circularBar()
{
    CaseBuilder section("Circular bar");
    const Expr d = section.input("dia", Dimension::Length, 10);
    section.row(AreaCaption, Dimension::Area, (Pi * pow(d, 2)) / 4);
    section.row(E1Caption, Dimension::Length, d / 2);
    section.row(ICaption, Dimension::SecondMoment, (Pi * pow(d, 4)) / 64);
    section.row(Z1Caption, Dimension::SectionModulus, (Pi * pow(d, 3)) / 32);
    section.row(RadiusCaption, Dimension::Length, d / 4);
    section.section({1, -1, shell::Side::Above});
    section.sketch(circularBarSketch);
    return section.build();
}

shell::CaseDef circularTube()
{
    CaseBuilder section("Circular tube");
    const Expr D = section.input("OD", Dimension::Length, 10), d = section.input("ID", Dimension::Length, 8);
    section.requireAtLeast(D, d);
    section.row(AreaCaption, Dimension::Area, (Pi * (pow(D, 2) - pow(d, 2))) / 4);
    section.row(E1Caption, Dimension::Length, D / 2);
    section.row(ICaption, Dimension::SecondMoment, (Pi * (pow(D, 4) - pow(d, 4))) / 64);
    section.row(Z1Caption, Dimension::SectionModulus, (Pi * (pow(D, 4) - pow(d, 4))) / (32 * D));
    section.row(RadiusCaption, Dimension::Length, sqrt(pow(D, 2) + pow(d, 2)) / 4);
    section.section({1, -1, shell::Side::Above});
    section.sketch(circularTubeSketch);
    return section.build();
}

shell::CaseDef cSection()
{
    CaseBuilder section("C section");
    const Expr a = section.input("a", Dimension::Length, 10), b = section.input("b", Dimension::Length, 10),
               c = section.input("c", Dimension::Length, 2), d = section.input("d", Dimension::Length, 2);
    // Flanges thicker together than the depth would overlap (2c = b is a solid rectangle).
    section.requireAtLeast(a, d);
    section.requireAtLeast(b, c);
    section.requireAtMost(c, b / 2);
    const Expr S = named("S", (a * pow(b, 3)) - ((a - d) * pow(b - (2 * c), 3)));
    const Expr A = section.row(AreaCaption, Dimension::Area, (a * b) - ((a - d) * (b - (2 * c))));
    section.row(E1Caption, Dimension::Length, b / 2);
    section.row(ICaption, Dimension::SecondMoment, S / 12);
    section.row(Z1Caption, Dimension::SectionModulus, S / (6 * b));
    section.row(RadiusCaption, Dimension::Length, sqrt(S / (12 * A)));
    section.section({1, -1, shell::Side::Above});
    section.sketch(cSectionSketch);
    return section.build();
}

shell::CaseDef tSection()
{
    CaseBuilder section("T section");
    const Expr a = section.input("a", Dimension::Length, 10), b = section.input("b", Dimension::Length, 2),
               c = section.input("c", Dimension::Length, 2), d = section.input("d", Dimension::Length, 8);
    section.requireAtLeast(a, b);
    section.requireAtLeast(d, c);
    // Bending about the axis of symmetry, the centre line of the web.
    const Expr S = named("S", (c * pow(a, 3)) + (d * pow(b, 3)));
    const Expr A = section.row(AreaCaption, Dimension::Area, (a * c) + (b * d));
    section.row(E1Caption, Dimension::Length, a / 2);
    section.row(ICaption, Dimension::SecondMoment, S / 12);
    section.row(Z1Caption, Dimension::SectionModulus, S / (6 * a));
    section.row(RadiusCaption, Dimension::Length, sqrt(S / (12 * A)));
    section.section({1, -1, shell::Side::Right});
    section.sketch(tSectionSketch);
    return section.build();
}

shell::CaseDef lSection()
{
    CaseBuilder section("L section");
    const Expr a = section.input("a", Dimension::Length, 10), b = section.input("b", Dimension::Length, 10),
               c = section.input("c", Dimension::Length, 2);
    section.requireAtLeast(a, c);
    section.requireAtLeast(b, c);
    // e1 from the outer face of leg a, e2 to the tip of leg b.
    const Expr e1 = named("e1", ((pow(b, 2) * c) + (pow(c, 2) * (a - c))) / (2 * ((c * (a - c)) + (b * c))));
    const Expr e2 = named("e2", b - e1);
    const Expr A = section.row(AreaCaption, Dimension::Area, (a * b) - ((a - c) * (b - c)));
    const Expr E1 = section.row(E1Caption, Dimension::Length, e1);
    const Expr I = section.row(ICaption, Dimension::SecondMoment,
                               (((c * pow(e2, 3)) + (a * pow(e1, 3))) - ((a - c) * pow(e1 - c, 3))) / 3);
    section.row(Z1Caption, Dimension::SectionModulus, I / E1);
    section.row(RadiusCaption, Dimension::Length, sqrt(I / A));
    const Expr E2 = section.row(E2Caption, Dimension::Length, e2);
    section.row(Z2Caption, Dimension::SectionModulus, I / E2);
    section.section({1, 5, shell::Side::Below});
    section.sketch(lSectionSketch);
    return section.build();
}

shell::CaseDef iSection()
{
    CaseBuilder section("I section");
    const Expr a = section.input("a", Dimension::Length, 10), b = section.input("b", Dimension::Length, 10),
               c = section.input("c", Dimension::Length, 2), d = section.input("d", Dimension::Length, 2);
    // Flanges thicker together than the depth would overlap (2c = a is a solid rectangle).
    section.requireAtLeast(a, c);
    section.requireAtLeast(b, d);
    section.requireAtMost(c, a / 2);
    const Expr A = section.row(AreaCaption, Dimension::Area, ((2 * b) * c) + (d * (a - (2 * c))));
    const Expr E1 = section.row(E1Caption, Dimension::Length, a / 2);
    const Expr I =
        section.row(ICaption, Dimension::SecondMoment, ((b * pow(a, 3)) - ((b - d) * pow(a - (2 * c), 3))) / 12);
    section.row(Z1Caption, Dimension::SectionModulus, I / E1);
    section.row(RadiusCaption, Dimension::Length, sqrt(I / A));
    const Expr E2 = section.row(E2Caption, Dimension::Length, a / 2);
    section.row(Z2Caption, Dimension::SectionModulus, I / E2);
    section.section({1, 5, shell::Side::Above});
    section.sketch(iSectionSketch);
    return section.build();
}

}  // namespace profilor
