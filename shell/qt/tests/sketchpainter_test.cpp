// Case sketches painted into images: every kind draws and nothing leaves the target, holes
// are cut out, dimension lines go to the stated side, springs and hinges show as such, arrows
// keep their lengths and a member with many labels still fills its picture.

#include "shell/core/membersketch.h"
#include "shell/paint/sketchpainter.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

using shell::Side;
using shell::Sketch;

constexpr int Margin = 10;

bool inked(QRgb pixel)
{
    return qRed(pixel) < 245 || qGreen(pixel) < 245 || qBlue(pixel) < 245;
}

struct Painted {
    QImage image;
    QRect target;
    int inkInside = 0, inkOutside = 0;
    QRect inkBox;  // around every inked pixel
};

Painted paint(const Sketch &sketch, QSize size)
{
    Painted p;
    p.image = QImage(size, QImage::Format_RGB32);
    p.image.fill(Qt::white);
    p.target = QRect(QPoint(0, 0), size).adjusted(Margin, Margin, -Margin, -Margin);
    {
        QPainter painter(&p.image);
        shell::paintSketch(painter, QRectF(p.target), sketch);
    }
    for (int y = 0; y < p.image.height(); ++y) {
        for (int x = 0; x < p.image.width(); ++x) {
            if (!inked(p.image.pixel(x, y)))
                continue;
            (p.target.contains(x, y) ? p.inkInside : p.inkOutside) += 1;
            p.inkBox = p.inkBox.united(QRect(x, y, 1, 1));
        }
    }
    return p;
}

TEST(sketchpainter, EachKindAloneDrawsInsideTheTarget)
{
    std::vector<std::pair<const char *, Sketch>> kinds;
    const auto add = [&kinds](const char *name) -> Sketch & { return kinds.emplace_back(name, Sketch()).second; };
    add("member").member({0, 0}, {100, 0});
    add("pin").pin({0, 0}, "A");
    add("roller").roller({0, 0}, "B");
    add("roller beside").support({0, 0}, shell::SupportKind::Roller, Side::Left);
    add("fixed").fixed({0, 0}, Side::Right, "B");
    add("fixed foot").fixed({0, 0}, Side::Below, "A");
    add("free end").freeEnd({0, 0}, "C");
    add("spring").spring({0, 0}, false, "D");
    add("rotational spring").spring({0, 0}, true, "D").settles();
    add("hinge").hinge({0, 0});
    add("point load").pointLoad({0, 0}, Side::Left, "P");
    add("triangle load").distributed({0, 0}, {100, 0}, 0, 16, Side::Above, "w");
    add("load on a column").distributed({0, 0}, {0, 70}, 10, 10, Side::Left, "w");
    add("moment").moment({0, 0}, 8, false, "M");
    add("dimension").dimension({0, 0}, {100, 0}, 14, "l");
    add("short dimension").dimension({0, 0}, {0, 3}, -14, "c");
    add("outline").outline({{0, 0}, {60, 0}, {0, 100}});
    add("hole").outline({{0, 0}, {60, 0}, {0, 100}}).hole({{5, 5}, {20, 5}, {5, 20}});
    add("circle").circle({0, 0}, 50).circleHole({0, 0}, 20);
    add("axis").axis({0, 0}, {0, 100}, "y");
    add("deflected").deflected({{0, 0}, {10, 50}, {0, 100}});
    add("label").label({0, 0}, "座屈 λ");
    for (const auto &[name, sketch] : kinds) {
        for (QSize size : {QSize(120, 120), QSize(600, 300)}) {
            const Painted p = paint(sketch, size);
            EXPECT_GT(p.inkInside, 20) << name << " at " << size.width();
            EXPECT_EQ(p.inkOutside, 0) << name << " at " << size.width();
        }
    }
}

TEST(sketchpainter, HolesAreCutOutOfTheSection)
{
    Sketch box;
    box.outline({{0, 0}, {100, 0}, {100, 100}, {0, 100}}).hole({{20, 20}, {80, 20}, {80, 80}, {20, 80}});
    Sketch pipe;
    pipe.circle({50, 50}, 50).circleHole({50, 50}, 30);
    for (const Sketch *s : {&box, &pipe}) {
        const Painted p = paint(*s, QSize(220, 220));
        const QPoint centre = p.target.center();
        EXPECT_EQ(p.image.pixelColor(centre), QColor(Qt::white)) << "the hole";
        const QPoint wall(centre.x() + (p.inkBox.width() * 4 / 10), centre.y());
        EXPECT_EQ(p.image.pixelColor(wall), QColor(210, 210, 210)) << "the wall";
    }
}

TEST(sketchpainter, DimensionOffsetGoesToTheLeftOfItsDirection)
{
    // Walking from a to b along the member y = 0 to the right, the left is up the page.
    for (const auto &[reversed, offset] : {std::pair{false, 20.0}, {false, -20.0}, {true, 20.0}}) {
        const bool above = (offset > 0) != reversed;
        const shell::Point a{0, 0}, b{100, 0};
        Sketch s;
        s.member(a, b).dimension(reversed ? b : a, reversed ? a : b, offset, "l");
        const Painted p = paint(s, QSize(300, 300));
        int memberRow = 0;  // the last black row at a quarter of the member: the member, not the dimension ink
        for (int y = 0; y < p.image.height(); ++y)
            memberRow = p.image.pixelColor(p.target.left() + (p.target.width() / 4), y) == Qt::black ? y : memberRow;
        const int up = memberRow - p.inkBox.top(), down = p.inkBox.bottom() - memberRow;
        EXPECT_GT(above ? up : down, 5 * std::max(1, above ? down : up)) << up << " up, " << down << " down";
    }
}

// The highest and lowest row of red (load) ink in column x (-1 where none).
std::pair<int, int> redRows(const QImage &image, int x)
{
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb p = image.pixel(x, y);
        if (qRed(p) > 120 && qGreen(p) < 90) {
            first = first < 0 ? y : first;
            last = y;
        }
    }
    return {first, last};
}

// Paints into a white picture; the placement maps sketch points to pixels.
std::pair<QImage, shell::SketchPlacement> placed(const Sketch &sketch, QSize size = QSize(420, 170))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const shell::SketchPlacement placement = shell::paintSketch(painter, QRectF(image.rect()), sketch);
    return {image, placement};
}

// The separate runs of dark ink in column x below row y.
int darkRuns(const QImage &image, int x, int y)
{
    int runs = 0;
    bool inside = false;
    for (; y < image.height(); ++y) {
        const bool dark = qGray(image.pixel(x, y)) < 150;
        runs += dark && !inside ? 1 : 0;
        inside = dark;
    }
    return runs;
}

TEST(sketchpainter, SpringsAreZigzagsAndHingesAreOpen)
{
    Sketch s;
    s.member({0, 0}, {300, 0}).pin({60, 0}).roller({120, 0}).spring({180, 0}, false).hinge({240, 0});
    const auto shot = placed(s, QSize(900, 400));
    const QImage &image = shot.first;
    const shell::SketchPlacement &at = shot.second;
    ASSERT_TRUE(at.drawn);
    const auto x = [&](double sketchX) { return static_cast<int>(std::lround(at.map({sketchX, 0}).x())); };
    const int level = static_cast<int>(std::lround(at.map({0, 0}).y()));
    // Down through a pin or a roller: the member with the tip, the triangle's base, the base and
    // its hatching; a spring crosses its zigzag three times on the way as well.
    EXPECT_LE(darkRuns(image, x(60), level - 2), 4);
    EXPECT_LE(darkRuns(image, x(120), level - 2), 4);
    EXPECT_GE(darkRuns(image, x(180), level - 2), 6);
    EXPECT_EQ(image.pixelColor(x(240), level), QColor(Qt::white)) << "the hinge";
    EXPECT_EQ(image.pixelColor(x(270), level), QColor(Qt::black)) << "the member";
}

TEST(sketchpainter, PointLoadsHaveTheirLengths)
{
    Sketch s;
    s.member({0, 0}, {300, 0}).pointLoad({100, 0}, Side::Above, {}, 40).pointLoad({200, 0}, Side::Above, {}, 20);
    const auto shot = placed(s);
    const QImage &image = shot.first;
    const shell::SketchPlacement &at = shot.second;
    const auto length = [&](double x) {
        const auto [top, bottom] = redRows(image, static_cast<int>(std::lround(at.map({x, 0}).x())));
        return bottom - top;
    };
    EXPECT_NEAR(length(100), 2.0 * length(200), 3);
    EXPECT_NEAR(length(100), 40 * at.scale, 3);
}

TEST(sketchpainter, AMemberWithManyLabelsFillsItsPicture)
{
    shell::MemberDescription m;
    m.length = 10000;
    m.supports = {{0, mechanics::SupportKind::Pinned},
                  {6000, mechanics::SupportKind::Roller, 0, 0, 5},
                  {10000, mechanics::SupportKind::Fixed},
                  {3000, mechanics::SupportKind::Spring, 500, 1e6, 0}};
    m.hinges = {4500};
    shell::MemberLoad couple;
    couple.kind = shell::MemberLoad::Kind::Couple;
    couple.x = 2000;
    couple.value = 5e6;
    shell::MemberLoad w;
    w.kind = shell::MemberLoad::Kind::Distributed;
    w.to = 6000;
    w.w1 = w.w2 = 5;
    shell::MemberLoad turning = w;
    turning.from = 6500;
    turning.to = 10000;
    turning.w2 = -4;
    m.loads = {{shell::MemberLoad::Kind::Point, 3000, 10000},
               {shell::MemberLoad::Kind::Point, 8000, -5000},
               couple,
               w,
               turning};
    for (const double ratio : {1.0, 2.0}) {
        QImage image(QSize(420, 170) * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        QPainter painter(&image);
        const shell::SketchPlacement placed =
            shell::paintSketch(painter, QRectF(0, 0, 420, 170), shell::memberSketch(m, shell::Units{}));
        ASSERT_TRUE(placed.drawn);
        EXPECT_GT(placed.scale * shell::MemberSketchWidth, 0.7 * 420) << "at " << ratio;
    }
}

}  // namespace
