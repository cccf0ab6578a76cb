// The diagrams painted into images: every kind draws, the moment hangs on the tension side and
// peaks under the load, the typed positions cross the strips, the column curves and the section
// show their parts, and pointing at a member reads its values. No stored reference images.
//
// With DIAGRAM_SHOTS=DIR set, every picture is also written to DIR at 100 % and 200 %, to look at.

#include "beams/beams.h"
#include "buckling/buckling.h"
#include "cantilever/cantilever.h"
#include "profilor/profilor.h"
#include "shell/paint/diagrampainter.h"
#include "shell/paint/diagramparts.h"

#include <QApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace shell;

CaseDiagrams diagramsOf(const CaseDef &c, const std::vector<double> &inputs)
{
    const Evaluation e = evaluate(c, inputs);
    return caseDiagrams(c, 0, inputs, e.values, CatalogueUnits);
}

CaseDiagrams diagramsOf(const CaseDef &c)
{
    return diagramsOf(c, startValues(c));
}

QImage paint(const CaseDiagrams &d, QSize size = QSize(760, 240), double ratio = 1, DiagramOptions options = {})
{
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    painter.setFont(QApplication::font());
    paintDiagrams(painter, QRectF(QPointF(0, 0), QSizeF(size)), d, options);
    return image;
}

void keep(const QImage &image, const char *name)
{
    const char *dir = std::getenv("DIAGRAM_SHOTS");
    if (dir && *dir)
        image.save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

bool near(QRgb pixel, const QColor &colour, int tolerance = 45)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance && std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

int count(const QImage &image, const QColor &colour, int tolerance = 30)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += near(image.pixel(x, y), colour, tolerance) ? 1 : 0;
    return n;
}

// The topmost and bottommost rows of `colour` in column x between y0 and y1 (-1 where none).
std::pair<int, int> inkRows(const QImage &image, int x, double y0, double y1, const QColor &colour)
{
    int first = -1, last = -1;
    for (int y = std::max(0, static_cast<int>(y0)); y < std::min(image.height(), static_cast<int>(y1)); ++y)
        if (near(image.pixel(x, y), colour, 70)) {
            first = first < 0 ? y : first;
            last = y;
        }
    return {first, last};
}

// A beam over three quarters of its length with the rest overhanging, uniform load and a tip load.
CaseDef overhangCase()
{
    CaseBuilder c("Overhang");
    c.input("w", Dimension::LineLoad, 2);
    c.input("P", Dimension::Force, 150);
    c.input("l", Dimension::Length, 400);
    c.member({}, [](const std::vector<double> &in) {
        mechanics::Beam b;
        b.length = in[2];
        b.flexuralRigidity = 2e10;
        b.supports = {{0, mechanics::SupportKind::Pinned}, {0.75 * in[2], mechanics::SupportKind::Roller}};
        b.distributed = {{0, in[2], in[0], in[0]}};
        b.forces = {{in[2], in[1]}};
        return b;
    });
    return c.build();
}

// Fixed at the left, propped at the right, uniform load: hogging at the wall, sagging at 5l/8.
mechanics::Beam proppedCantilever(double l, double w)
{
    mechanics::Beam b;
    b.length = l;
    b.flexuralRigidity = 1e9;
    b.supports = {{0, mechanics::SupportKind::Fixed}, {l, mechanics::SupportKind::Roller}};
    b.distributed = {{0, l, w, w}};
    return b;
}

CaseDef proppedCase()
{
    CaseBuilder c("Propped");
    c.input("w", Dimension::LineLoad, 1);
    c.input("l", Dimension::Length, 1000);
    c.member({}, [](const std::vector<double> &in) { return proppedCantilever(in[1], in[0]); });
    return c.build();
}

// A span reported simply supported and fixed at both ends, as the cantilever program's span cases.
CaseDef twoMemberCase()
{
    CaseBuilder c("Two");
    c.input("w", Dimension::LineLoad, 1);
    c.input("l", Dimension::Length, 1000);
    for (const bool fixed : {false, true})
        c.member(fixed ? "fixed at both ends" : "simply supported", [fixed](const std::vector<double> &in) {
            mechanics::Beam b;
            b.length = in[1];
            b.flexuralRigidity = 1e9;
            const auto end = fixed ? mechanics::SupportKind::Fixed : mechanics::SupportKind::Pinned;
            b.supports = {{0, end}, {in[1], fixed ? end : mechanics::SupportKind::Roller}};
            b.distributed = {{0, in[1], in[0], in[0]}};
            return b;
        });
    return c.build();
}

CaseDef frameCase()
{
    CaseBuilder c("Frame");
    c.input("w", Dimension::LineLoad, 10);
    c.input("H", Dimension::Force, 20000);
    c.frame([](const std::vector<double> &in) {
        mechanics::PortalFrame f;
        f.height = 4000;
        f.span = 6000;
        f.columnInertia = 1;
        f.beamInertia = 2;
        f.feet = mechanics::FrameFeet::Fixed;
        f.distributed = {{mechanics::FrameMember::BC, 0, 6000, in[0], in[0]}};
        f.forces = {{mechanics::FrameMember::AB, 4000, in[1], 0}};
        return f;
    });
    return c.build();
}

// Pinned at 0, held at mid-length by a spring (a roller for comparison), on a roller at l; with
// or without a hinge at a quarter.
CaseDef springCase(bool spring, bool hinge)
{
    CaseBuilder c("Spring");
    c.input("l", Dimension::Length, 1000);
    c.member({}, [spring, hinge](const std::vector<double> &in) {
        mechanics::Beam b;
        b.length = in[0];
        b.flexuralRigidity = 1e9;
        b.supports = {{0, mechanics::SupportKind::Pinned},
                      {in[0] / 2, spring ? mechanics::SupportKind::Spring : mechanics::SupportKind::Roller, 1e4},
                      {in[0], mechanics::SupportKind::Roller}};
        if (hinge)
            b.hinges = {in[0] / 4};
        b.forces = {{0.8 * in[0], 100}};
        return b;
    });
    return c.build();
}

class diagrampainter : public ::testing::Test
{
protected:
    static QFontMetricsF metrics(const QImage &image) { return QFontMetricsF(QApplication::font(), &image); }
};

TEST_F(diagrampainter, momentHangsOnTheTensionSideAndPeaksUnderTheLoad)
{
    const CaseDiagrams d = diagramsOf(beams::program().cases[0]);
    const QImage image = paint(d, QSize(760, 300));
    keep(image, "beam-point-load");
    keep(paint(d, QSize(760, 300), 2), "beam-point-load@2x");
    keep(paint(d, QSize(760, 230), 1, DiagramOptions{true}), "beam-point-load-slope");

    const std::vector<MemberBlock> blocks = layoutMembers(QRectF(image.rect()), d, {}, metrics(image));
    ASSERT_EQ(blocks.size(), 1u);
    const MemberBlock &b = blocks[0];
    ASSERT_EQ(b.strips.size(), 3u);  // V, M, δ: θ only on request
    EXPECT_EQ(b.strips[1].first, Quantity::Moment);
    const QRectF M = b.strips[1].second;
    const QColor ink = diagramparts::curveInk(Quantity::Moment);
    const auto curveRow = [&](double x) {
        return inkRows(image, static_cast<int>(std::lround(b.xAt(x, 100))), M.top(), M.bottom() + 1, ink).second;
    };
    // Sagging is drawn below the zero line at the top: deepest under the load at x = 30.
    EXPECT_GT(curveRow(30), curveRow(10));
    EXPECT_GT(curveRow(30), curveRow(70));
    EXPECT_GT(curveRow(70), curveRow(95));

    // Shear: positive left of the load (above), negative right of it (below).
    const QRectF V = b.strips[0].second;
    const QColor vInk = diagramparts::curveInk(Quantity::Shear);
    const int left = inkRows(image, static_cast<int>(b.xAt(15, 100)), V.top(), V.bottom() + 1, vInk).first;
    const int right = inkRows(image, static_cast<int>(b.xAt(60, 100)), V.top(), V.bottom() + 1, vInk).first;
    ASSERT_GE(left, 0);
    EXPECT_LT(left, right);

    // x1 = 20 and x2 = 50 cross every strip.
    for (const double mark : {20.0, 50.0}) {
        const int x = static_cast<int>(std::lround(b.xAt(mark, 100)));
        for (const auto &[quantity, strip] : b.strips) {
            bool found = false;
            for (int dx = -1; dx <= 1 && !found; ++dx)
                found = inkRows(image, x + dx, strip.top(), strip.bottom(), diagramparts::MarkInk).first >= 0;
            EXPECT_TRUE(found) << "mark " << mark << " in strip " << quantitySymbol(quantity);
        }
    }
}

TEST_F(diagrampainter, proppedCantileverHogsAtTheWallAndSagsInTheSpan)
{
    const CaseDiagrams d = diagramsOf(proppedCase());
    const QImage image = paint(d, QSize(760, 300));
    keep(image, "propped-cantilever");
    keep(paint(d, QSize(760, 300), 2), "propped-cantilever@2x");
    const MemberBlock b = layoutMembers(QRectF(image.rect()), d, {}, metrics(image)).front();
    const QRectF M = b.strips[1].second;
    const QColor ink = diagramparts::curveInk(Quantity::Moment);
    const int wall = inkRows(image, static_cast<int>(b.xAt(5, 1000)), M.top(), M.bottom() + 1, ink).first;
    const int span = inkRows(image, static_cast<int>(b.xAt(625, 1000)), M.top(), M.bottom() + 1, ink).second;
    ASSERT_GE(wall, 0);
    EXPECT_LT(wall, span);
}

TEST_F(diagrampainter, everyKindDrawsSomething)
{
    struct Picture {
        const char *name;
        CaseDiagrams diagrams;
        QColor ink;  // a colour only that kind's figure has
    };
    CaseBuilder bare("Bare");  // a case without a member model
    bare.input("l", Dimension::Length, 10);
    const CaseDiagrams none = diagramsOf(bare.build());
    CaseBuilder loose("Loose");
    loose.input("l", Dimension::Length, 10);
    loose.member({}, [](const std::vector<double> &) {
        mechanics::Beam b;
        b.length = 10;
        return b;
    });
    const Picture pictures[] = {
        {"overhang", diagramsOf(overhangCase()), diagramparts::curveInk(Quantity::Deflection)},
        {"two-members", diagramsOf(twoMemberCase()), diagramparts::curveInk(Quantity::Shear)},
        {"frame", diagramsOf(frameCase()), diagramparts::curveInk(Quantity::Moment)},
        {"column-cast-iron", diagramsOf(buckling::program().cases[4]), QColor(185, 80, 10)},
        {"column-euler", diagramsOf(buckling::program().cases[1]), QColor(30, 90, 170)},
        {"section-l", diagramsOf(profilor::program().cases[6], {10, 10, 2}), QColor(210, 210, 210)},
        {"section-t", diagramsOf(profilor::program().cases[5], {10, 2, 2, 8}), QColor(210, 210, 210)},
        {"no-member", none, diagramparts::AxisInk},
        {"unsolvable", diagramsOf(loose.build()), diagramparts::AxisInk},
    };
    for (const Picture &p : pictures) {
        for (const double ratio : {1.0, 2.0}) {
            const QImage image = paint(p.diagrams, QSize(760, 280), ratio);
            keep(image, (std::string(p.name) + (ratio > 1 ? "@2x" : "")).c_str());
            EXPECT_EQ(count(image, Qt::magenta, 0), 0) << p.name << ": the whole area is painted";
            EXPECT_GT(count(image, p.ink, 20), 10 * ratio) << p.name << " at " << ratio;
        }
    }
    // The column curves differ: only the empirical case has the empirical line.
    const QColor empirical(185, 80, 10);
    EXPECT_EQ(count(paint(pictures[4].diagrams), empirical, 20), 0);
    // Nothing to draw: no curve at all.
    EXPECT_EQ(count(paint(none), diagramparts::curveInk(Quantity::Moment), 20), 0);
}

// Cantilever (21), a pair of wheels rolling over a span: V and M are bands between their largest
// and smallest values, filled on both sides of zero where the band spans it; the pair stands on
// the member where it gives the largest moment, said in words over it; pointing reads both values.
TEST_F(diagrampainter, anEnvelopeIsABandWithTheLoadWhereItGovernsInWords)
{
    const CaseDef &c = cantilever::program().cases.at(20);
    const std::vector<double> inputs = startValues(c);
    const CaseDiagrams d = caseDiagrams(c, 20, inputs, evaluate(c, inputs).values, CatalogueUnits);
    QImage image(QSize(760, 300) * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    QPainter painter(&image);
    painter.setFont(QApplication::font());
    DiagramReport report;
    paintDiagrams(painter, QRectF(0, 0, 760, 300), d, {}, &report);
    painter.end();
    keep(image, "wheel-pair-envelope@2x");
    keep(paint(d, QSize(760, 300)), "wheel-pair-envelope");

    const MemberBlock b = layoutMembers(QRectF(0, 0, 760, 300), d, {}, metrics(image)).front();
    ASSERT_EQ(report.strips.size(), 2u);
    const auto fill = [](Quantity q) {
        const QColor ink = diagramparts::areaFill(q, true);
        const double a = ink.alphaF();
        const auto over = [a](int v) { return static_cast<int>(std::lround((v * a) + (255 * (1 - a)))); };
        return QColor(over(ink.red()), over(ink.green()), over(ink.blue()));
    };
    // V at mid-span lies between -70 and 70 N: filled above and below the zero line alike.
    const DiagramReport::Strip &V = report.strips[0];
    ASSERT_FALSE(V.lower.isEmpty());
    const int mid = static_cast<int>(std::lround(b.xAt(50, 100) * 2)) + 3;
    const double reach = V.zero - V.curve.boundingRect().top();
    for (const double y : {V.zero - (reach * 0.15), V.zero + (reach * 0.15)})
        EXPECT_TRUE(near(image.pixel(mid, static_cast<int>(y * 2)), fill(Quantity::Shear), 12)) << y;
    // M from 0 to 3500 N･mm there: filled between, white beyond the upper curve.
    const DiagramReport::Strip &M = report.strips[1];
    const double bottom = M.curve.boundingRect().bottom();
    EXPECT_TRUE(near(image.pixel(mid, static_cast<int>((M.zero + bottom) / 2 * 2)), fill(Quantity::Moment), 12));
    EXPECT_TRUE(near(image.pixel(mid, static_cast<int>((bottom + 4) * 2)), Qt::white, 12));
    // The wheels' loads on the member, in the ink of loads, and the words over it.
    const auto hasText = [&](const QString &text) {
        return std::any_of(report.texts.begin(), report.texts.end(),
                           [&](const DiagramReport::Text &t) { return t.text == text; });
    };
    // Mmax is 3612.5, written to four digits as 3612 or 3613 by the last bit of the search.
    EXPECT_TRUE(hasText(QStringLiteral("Mmax 3613 N･mm at x = 42.5 mm, wheels at 42.5 and 72.5 mm")) ||
                hasText(QStringLiteral("Mmax 3612 N･mm at x = 42.5 mm, wheels at 42.5 and 72.5 mm")));
    EXPECT_TRUE(hasText(QStringLiteral("Mmax = 3613 N･mm at x = 42.5 mm")) ||
                hasText(QStringLiteral("Mmax = 3612 N･mm at x = 42.5 mm")));
    EXPECT_TRUE(hasText(QStringLiteral("Vmax = 170 N at x = 0 mm")));
    EXPECT_EQ(std::count_if(report.texts.begin(), report.texts.end(),
                            [](const DiagramReport::Text &t) { return t.text == QStringLiteral("100 N"); }),
              2);
    const QString hovered =
        diagramValuesAt(QRectF(0, 0, 760, 300), d, {}, QPointF(b.xAt(50, 100), V.rect.center().y()), metrics(image));
    EXPECT_EQ(hovered, QStringLiteral("x = 50 mm   Vmax = 70 N   Vmin = -70 N   Mmax = 3500 N･mm   Mmin = 0 N･mm"));
}

TEST_F(diagrampainter, twoMembersStandSideBySideWhenWideAndStackedWhenTall)
{
    const CaseDiagrams d = diagramsOf(twoMemberCase());
    QImage image(10, 10, QImage::Format_RGB32);
    const std::vector<MemberBlock> wide = layoutMembers(QRectF(0, 0, 900, 260), d, {}, metrics(image));
    ASSERT_EQ(wide.size(), 2u);
    EXPECT_GT(wide[1].plotLeft, wide[0].plotRight);
    EXPECT_FALSE(wide[0].title.isEmpty());
    const std::vector<MemberBlock> tall = layoutMembers(QRectF(0, 0, 500, 700), d, {}, metrics(image));
    ASSERT_EQ(tall.size(), 2u);
    EXPECT_GT(tall[1].drawing.top(), tall[0].strips.back().second.bottom());
    EXPECT_EQ(tall[0].plotLeft, tall[1].plotLeft);
}

TEST_F(diagrampainter, pointingAtAMemberReadsItsValues)
{
    const CaseDiagrams d = diagramsOf(beams::program().cases[0]);
    QImage image(760, 300, QImage::Format_RGB32);
    const QRectF area(image.rect());
    const MemberBlock b = layoutMembers(area, d, {}, metrics(image)).front();
    const QPointF atLoad(b.xAt(30, 100), b.strips[1].second.center().y());
    const QString text = diagramValuesAt(area, d, {}, atLoad, metrics(image));
    EXPECT_TRUE(text.startsWith(QStringLiteral("x = 30 mm"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("M = 2100 N･mm"))) << text.toStdString();
    EXPECT_TRUE(diagramValuesAt(area, d, {}, QPointF(2, 2), metrics(image)).isEmpty());
    EXPECT_TRUE(diagramValuesAt(area, diagramsOf(frameCase()), {}, atLoad, metrics(image)).isEmpty());
}

TEST_F(diagrampainter, springsAndHingesShowOnTheMember)
{
    const auto shot = [](bool spring, bool hinge) {
        return paint(diagramsOf(springCase(spring, hinge)), QSize(760, 300), 2);
    };
    const QImage roller = shot(false, false), spring = shot(true, true);
    keep(spring, "spring-and-hinge@2x");
    const MemberBlock b =
        layoutMembers(QRectF(0, 0, 760, 300), diagramsOf(springCase(true, true)), {}, metrics(roller)).front();
    const auto column = [&](double x) { return static_cast<int>(std::lround(b.xAt(x, 1000) * 2)); };
    // The bar: the black rows at 0.6 l.
    const auto [barTop, barBottom] =
        inkRows(roller, column(600), b.drawing.top() * 2, b.drawing.bottom() * 2, Qt::black);
    ASSERT_GE(barTop, 0);
    const int bar = (barTop + barBottom) / 2;
    // Down through the support at mid-length: a roller's tip, its triangle's base, its base and
    // hatching; a spring crosses its zigzag three times on the way as well.
    const auto runs = [&](const QImage &image) {
        int n = 0;
        bool inside = false;
        for (int y = bar; y < static_cast<int>(b.drawing.bottom() * 2) + 20; ++y) {
            const bool dark = qGray(image.pixel(column(500), y)) < 150;
            n += dark && !inside ? 1 : 0;
            inside = dark;
        }
        return n;
    };
    EXPECT_LE(runs(roller), 4);
    EXPECT_GE(runs(spring), 6);
    // The hinge is an open circle on the bar.
    EXPECT_TRUE(near(roller.pixel(column(250), bar), Qt::black, 60));
    EXPECT_TRUE(near(spring.pixel(column(250), bar), Qt::white, 30));
}

}  // namespace
