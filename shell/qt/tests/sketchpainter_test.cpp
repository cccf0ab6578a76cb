// Case sketches painted into images: every kind draws and nothing leaves the target, holes
// are cut out and dimension lines go to the stated side.

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

}  // namespace
