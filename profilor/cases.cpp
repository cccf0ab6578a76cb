// Section properties of the eight shapes. Rows: A area, e1 centroid to extreme fibre,
// I second moment about the bending axis through the centroid, Z1 = I / e1, i radius of
// gyration; the L and I sections add e2 (to the opposite fibre) and Z2 = I / e2.
//
// Domain: every dimension above zero (a tube's inner diameter may be 0: a solid bar), and the
// walls, flanges and webs thinner than what holds them: a tube's wall below half of each outer
// side, an inner diameter below the outer, flanges below half the depth, a web thinner than
// the flange is wide, an angle's legs no shorter than they are thick (a leg as short as the
// thickness leaves a rectangle, which the angle's formulas give exactly). A shape whose parts
// meet or vanish otherwise is another shape (a solid bar, two loose flanges) and is refused; the
// formulas stay exact up to those bounds.

#include "profilor/catalogue_parts.h"

#include <string>

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

// π as the programs have always used it, not the full double precision; the rows that take it
// say so.
const Expr Pi = Expr::constant("π", 3.141592);
const char *const PiTaken = ", π taken as 3.141592";

// What the rows mean where every shape says the same.
const char *const Area = "area of the section";
const char *const ModulusE1 = "section modulus I / e1, at the extreme fibre";
const char *const Radius = "radius of gyration √(I / A) about the bending axis";

}  // namespace

shell::CaseDef rectangularBar()
{
    CaseBuilder section("Rectangular bar");
    section.title("Rectangular bar, depth a, bending about the axis parallel to b");
    const Expr a = section.input("a", Dimension::Length, 10), b = section.input("b", Dimension::Length, 10);
    section.requirePositive(a);
    section.requirePositive(b);
    section.row(AreaCaption, Dimension::Area, a * b).means(Area);
    section.row(E1Caption, Dimension::Length, a / 2).means("half the depth a: from the bending axis to either face");
    section.row(ICaption, Dimension::SecondMoment, (b * pow(a, 3)) / 12)
        .means("second moment about the centroidal axis parallel to b");
    section.row(Z1Caption, Dimension::SectionModulus, (pow(a, 2) * b) / 6).means(ModulusE1);
    // 0.28867 stands for 1/√12 as the tables print it.
    section.row(RadiusCaption, Dimension::Length, a * 0.28867)
        .means("radius of gyration, a × 0.28867 (1/√12 rounded to five digits)");
    section.section({1, -1, shell::Side::Above});
    section.sketch(rectangularBarSketch);
    return section.build();
}

shell::CaseDef rectangularTube()
{
    CaseBuilder section("Rectangular tube");
    section.title("Rectangular tube, bending about its major axis");
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
    const Expr A = section.row(AreaCaption, Dimension::Area, (a * b) - (ai * bi)).means(Area);
    section.row(E1Caption, Dimension::Length, when(deep, a / 2, b / 2))
        .means("half the larger outer side (the depth): from the bending axis to either face");
    section.row(ICaption, Dimension::SecondMoment, S / 12)
        .means("second moment about the centroidal axis parallel to the shorter side");
    section.row(Z1Caption, Dimension::SectionModulus, when(deep, S / (6 * a), S / (6 * b))).means(ModulusE1);
    section.row(RadiusCaption, Dimension::Length, sqrt(S / (12 * A))).means(Radius);
    section.section({1, -1, shell::Side::Above});
    section.sketch(rectangularTubeSketch);
    return section.build();
}

shell::CaseDef circularBar()
{
    CaseBuilder section("Circular bar");
    section.title("Circular bar, bending about a diameter");
    const Expr d = section.input("dia", Dimension::Length, 10);
    section.requirePositive(d);
    section.row(AreaCaption, Dimension::Area, (Pi * pow(d, 2)) / 4).means(std::string(Area) + PiTaken);
    section.row(E1Caption, Dimension::Length, d / 2).means("the radius: from the centre to the outer fibre");
    section.row(ICaption, Dimension::SecondMoment, (Pi * pow(d, 4)) / 64)
        .means(std::string("second moment about a diameter") + PiTaken);
    section.row(Z1Caption, Dimension::SectionModulus, (Pi * pow(d, 3)) / 32).means(std::string(ModulusE1) + PiTaken);
    section.row(RadiusCaption, Dimension::Length, d / 4).means(Radius);
    section.section({1, -1, shell::Side::Above});
    section.sketch(circularBarSketch);
    return section.build();
}

shell::CaseDef circularTube()
{
    CaseBuilder section("Circular tube");
    section.title("Circular tube, bending about a diameter");
    const Expr D = section.input("OD", Dimension::Length, 10), d = section.input("ID", Dimension::Length, 8);
    // ID = 0 is the solid bar; ID = OD leaves no wall.
    section.requirePositive(D);
    section.requireAtLeast(d, 0);
    section.requireBelow(d, D);
    section.row(AreaCaption, Dimension::Area, (Pi * (pow(D, 2) - pow(d, 2))) / 4).means(std::string(Area) + PiTaken);
    section.row(E1Caption, Dimension::Length, D / 2).means("the outer radius: from the centre to the outer fibre");
    section.row(ICaption, Dimension::SecondMoment, (Pi * (pow(D, 4) - pow(d, 4))) / 64)
        .means(std::string("second moment about a diameter") + PiTaken);
    section.row(Z1Caption, Dimension::SectionModulus, (Pi * (pow(D, 4) - pow(d, 4))) / (32 * D))
        .means(std::string(ModulusE1) + PiTaken);
    section.row(RadiusCaption, Dimension::Length, sqrt(pow(D, 2) + pow(d, 2)) / 4).means(Radius);
    section.section({1, -1, shell::Side::Above});
    section.sketch(circularTubeSketch);
    return section.build();
}

shell::CaseDef cSection()
{
    CaseBuilder section("C section");
    section.title("C section, depth b, bending about its axis of symmetry");
    const Expr a = section.input("a", Dimension::Length, 10), b = section.input("b", Dimension::Length, 10),
               c = section.input("c", Dimension::Length, 2), d = section.input("d", Dimension::Length, 2);
    // Flanges meeting in the middle (2c = b) or a web as wide as the flanges (d = a) leave a
    // solid rectangle, not a channel.
    section.requirePositive(a);
    section.requirePositive(b);
    section.requirePositive(c);
    section.requireBelow(c, b / 2);
    section.requirePositive(d);
    section.requireBelow(d, a);
    const Expr S = named("S", (a * pow(b, 3)) - ((a - d) * pow(b - (2 * c), 3)));
    const Expr A = section.row(AreaCaption, Dimension::Area, (a * b) - ((a - d) * (b - (2 * c)))).means(Area);
    section.row(E1Caption, Dimension::Length, b / 2)
        .means("half the depth b: from the axis of symmetry to either flange face");
    section.row(ICaption, Dimension::SecondMoment, S / 12)
        .means("second moment about the axis of symmetry, square to the web");
    section.row(Z1Caption, Dimension::SectionModulus, S / (6 * b)).means(ModulusE1);
    section.row(RadiusCaption, Dimension::Length, sqrt(S / (12 * A))).means(Radius);
    section.section({1, -1, shell::Side::Above});
    section.sketch(cSectionSketch);
    return section.build();
}

shell::CaseDef tSection()
{
    CaseBuilder section("T section");
    section.title("T section, bending about the web's centre line");
    const Expr a = section.input("a", Dimension::Length, 10), b = section.input("b", Dimension::Length, 2),
               c = section.input("c", Dimension::Length, 2), d = section.input("d", Dimension::Length, 8);
    // A web as wide as the flange leaves a rectangle. The web may be shorter than the flange is
    // thick: a stocky tee, for which the formulas hold as they do for any other.
    section.requirePositive(a);
    section.requirePositive(b);
    section.requireBelow(b, a);
    section.requirePositive(c);
    section.requirePositive(d);
    // Bending about the axis of symmetry, the centre line of the web.
    const Expr S = named("S", (c * pow(a, 3)) + (d * pow(b, 3)));
    const Expr A = section.row(AreaCaption, Dimension::Area, (a * c) + (b * d)).means(Area);
    section.row(E1Caption, Dimension::Length, a / 2)
        .means("half the flange width a: from the web's centre line to the flange tips");
    section.row(ICaption, Dimension::SecondMoment, S / 12)
        .means("second moment about the axis of symmetry, the web's centre line");
    section.row(Z1Caption, Dimension::SectionModulus, S / (6 * a)).means(ModulusE1);
    section.row(RadiusCaption, Dimension::Length, sqrt(S / (12 * A))).means(Radius);
    section.section({1, -1, shell::Side::Right});
    section.sketch(tSectionSketch);
    return section.build();
}

shell::CaseDef lSection()
{
    CaseBuilder section("L section");
    section.title("L section, bending about the axis parallel to leg a");
    const Expr a = section.input("a", Dimension::Length, 10), b = section.input("b", Dimension::Length, 10),
               c = section.input("c", Dimension::Length, 2);
    // A leg as short as the thickness (c = a or c = b) leaves a rectangle a wide and b deep, for
    // which the formulas give the rectangle's values (e1 = b/2, I = a·b³/12); a thicker one is
    // no angle at all.
    section.requirePositive(a);
    section.requirePositive(b);
    section.requirePositive(c);
    section.requireAtMost(c, a);
    section.requireAtMost(c, b);
    // e1 from the outer face of leg a, e2 to the tip of leg b.
    const Expr e1 = named("e1", ((pow(b, 2) * c) + (pow(c, 2) * (a - c))) / (2 * ((c * (a - c)) + (b * c))));
    const Expr e2 = named("e2", b - e1);
    const Expr A = section.row(AreaCaption, Dimension::Area, (a * b) - ((a - c) * (b - c))).means(Area);
    const Expr E1 = section.row(E1Caption, Dimension::Length, e1).means("from the centroid to the outer face of leg a");
    const Expr I = section
                       .row(ICaption, Dimension::SecondMoment,
                            (((c * pow(e2, 3)) + (a * pow(e1, 3))) - ((a - c) * pow(e1 - c, 3))) / 3)
                       .means("second moment about the centroidal axis parallel to leg a (not a principal axis)");
    section.row(Z1Caption, Dimension::SectionModulus, I / E1)
        .means("section modulus I / e1, at the outer face of leg a");
    section.row(RadiusCaption, Dimension::Length, sqrt(I / A)).means(Radius);
    const Expr E2 = section.row(E2Caption, Dimension::Length, e2).means("from the centroid to the tip of leg b");
    section.row(Z2Caption, Dimension::SectionModulus, I / E2).means("section modulus I / e2, at the tip of leg b");
    section.section({1, 5, shell::Side::Below});
    section.sketch(lSectionSketch);
    return section.build();
}

shell::CaseDef iSection()
{
    CaseBuilder section("I section");
    section.title("I section, bending about the axis parallel to the flanges");
    const Expr a = section.input("a", Dimension::Length, 10), b = section.input("b", Dimension::Length, 10),
               c = section.input("c", Dimension::Length, 2), d = section.input("d", Dimension::Length, 2);
    // Flanges meeting in the middle (2c = a) or a web as wide as the flanges (d = b) leave a
    // solid rectangle, not an I.
    section.requirePositive(a);
    section.requirePositive(b);
    section.requirePositive(c);
    section.requireBelow(c, a / 2);
    section.requirePositive(d);
    section.requireBelow(d, b);
    const Expr A = section.row(AreaCaption, Dimension::Area, ((2 * b) * c) + (d * (a - (2 * c)))).means(Area);
    const Expr E1 = section.row(E1Caption, Dimension::Length, a / 2)
                        .means("half the depth a: from the bending axis to the face of one flange");
    const Expr I =
        section.row(ICaption, Dimension::SecondMoment, ((b * pow(a, 3)) - ((b - d) * pow(a - (2 * c), 3))) / 12)
            .means("second moment about the centroidal axis parallel to the flanges");
    section.row(Z1Caption, Dimension::SectionModulus, I / E1).means(ModulusE1);
    section.row(RadiusCaption, Dimension::Length, sqrt(I / A)).means(Radius);
    const Expr E2 = section.row(E2Caption, Dimension::Length, a / 2)
                        .means("half the depth a: from the bending axis to the face of the other flange");
    section.row(Z2Caption, Dimension::SectionModulus, I / E2).means("section modulus I / e2, the same by symmetry");
    section.section({1, 5, shell::Side::Above});
    section.sketch(iSectionSketch);
    return section.build();
}

}  // namespace profilor
