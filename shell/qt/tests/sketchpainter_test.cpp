// Case sketches painted into images of many sizes: something is drawn, nothing leaves the
// target, proportions are kept, holes are cut out and dimension lines go to the stated side.

#include "sketchpainter.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <string>

namespace {

using shell::Point;
using shell::Side;
using shell::Sketch;
using shell::SupportKind;

constexpr int Margin = 10;

bool inked(QRgb pixel) { return qRed(pixel) < 245 || qGreen(pixel) < 245 || qBlue(pixel) < 245; }

struct Painted {
    QImage image;
    QRect target;
    int inkInside = 0;
    int inkOutside = 0;
    QRect inkBox;  // around every inked pixel
};

Painted paint(const Sketch &sketch, QSize size, double ratio = 1)
{
    Painted p;
    p.image = QImage(size * ratio, QImage::Format_RGB32);
    p.image.setDevicePixelRatio(ratio);
    p.image.fill(Qt::white);
    p.target = QRect(QPoint(0, 0), size).adjusted(Margin, Margin, -Margin, -Margin);
    {
        QPainter painter(&p.image);
        shell::paintSketch(painter, QRectF(p.target), sketch);
    }
    const QRect device(p.target.topLeft() * ratio, p.target.size() * ratio);
    for (int y = 0; y < p.image.height(); ++y) {
        for (int x = 0; x < p.image.width(); ++x) {
            if (!inked(p.image.pixel(x, y)))
                continue;
            (device.contains(x, y) ? p.inkInside : p.inkOutside) += 1;
            p.inkBox = p.inkBox.united(QRect(x, y, 1, 1));
        }
    }
    return p;
}

Sketch everyKind()
{
    Sketch s;
    s.member({0, 0}, {100, 0}).pin({0, 0}, "A").roller({70, 0}, "B").freeEnd({100, 0}, "C");
    s.member({0, 30}, {60, 30}).fixed({0, 30}, Side::Left, "D");
    s.pointLoad({35, 0}, Side::Above, "P").distributed({0, 0}, {70, 0}, 8, 16, Side::Above, "w");
    s.moment({85, 0}, 6, true, "M").dimension({0, 0}, {70, 0}, -20, "l");
    s.outline({{80, 20}, {110, 20}, {110, 50}, {80, 50}}).hole({{88, 28}, {102, 28}, {102, 42}, {88, 42}});
    s.circle({130, 35}, 12).circleHole({130, 35}, 6).axis({75, 35}, {150, 35}, "x");
    s.deflected({{0, 30}, {20, 33}, {40, 38}, {60, 44}}).label({40, 50}, "鋼材 n = 2");
    return s;
}

// A picture size, printed "190x170" in the test names.
struct PictureSize {
    int width;
    int height;
    QSize size() const { return {width, height}; }
};
void PrintTo(const PictureSize &p, std::ostream *out) { *out << p.width << "x" << p.height; }

class SketchSizeTest : public ::testing::TestWithParam<PictureSize>
{
};

TEST_P(SketchSizeTest, EveryKindFitsInsideTheTarget)
{
    for (double ratio : {1.0, 2.0}) {
        const Painted p = paint(everyKind(), GetParam().size(), ratio);
        EXPECT_GT(p.inkInside, 200) << "ratio " << ratio;
        EXPECT_EQ(p.inkOutside, 0) << "ratio " << ratio;
        // Fitted: the drawing reaches across the target in at least one direction (the boxes of
        // the labels reach a little further than their letters).
        const QSize room = p.target.size() * ratio;
        const auto across = [&](int ink, int length) { return ink >= length - std::max(6 * ratio, 0.03 * length); };
        EXPECT_TRUE(across(p.inkBox.width(), room.width()) || across(p.inkBox.height(), room.height()))
            << p.inkBox.width() << " x " << p.inkBox.height();
    }
}

INSTANTIATE_TEST_SUITE_P(sketchpainter, SketchSizeTest,
                         ::testing::Values(PictureSize{120, 120}, PictureSize{190, 170}, PictureSize{400, 150},
                                           PictureSize{150, 400}, PictureSize{1200, 900}));

struct SingleKind {
    const char *name;
    std::function<void(Sketch &)> add;
};
void PrintTo(const SingleKind &kind, std::ostream *out) { *out << kind.name; }

class SketchKindTest : public ::testing::TestWithParam<SingleKind>
{
};

TEST_P(SketchKindTest, EachKindAloneDrawsInsideTheTarget)
{
    Sketch s;
    GetParam().add(s);
    for (QSize size : {QSize(120, 120), QSize(600, 300)}) {
        const Painted p = paint(s, size);
        EXPECT_GT(p.inkInside, 20) << GetParam().name;
        EXPECT_EQ(p.inkOutside, 0) << GetParam().name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    sketchpainter, SketchKindTest,
    ::
        testing::
            Values(
                SingleKind{"member",
                           [](Sketch &s) {
                               s.member({0, 0}, {100, 0});
                           }},
                SingleKind{"pin",
                           [](Sketch &s) {
                               s.pin({0, 0}, "A");
                           }},
                SingleKind{"roller",
                           [](Sketch &s) {
                               s.roller({0, 0}, "B");
                           }},
                SingleKind{"roller beside",
                           [](Sketch &s) {
                               s.support({0, 0}, SupportKind::Roller, Side::Left);
                           }},
                SingleKind{"fixed",
                           [](Sketch &s) {
                               s.fixed({0, 0}, Side::Right, "B");
                           }},
                SingleKind{"fixed foot",
                           [](Sketch &s) {
                               s.fixed({0, 0}, Side::Below, "A");
                           }},
                SingleKind{"free end",
                           [](Sketch &s) {
                               s.freeEnd({0, 0}, "C");
                           }},
                SingleKind{"point load",
                           [](Sketch &s) {
                               s.pointLoad({0, 0}, Side::Left, "P");
                           }},
                SingleKind{"triangle load",
                           [](Sketch &s) {
                               s.distributed({0, 0}, {100, 0}, 0, 16, Side::Above, "w");
                           }},
                SingleKind{"load on a column",
                           [](Sketch &s) {
                               s.distributed({0, 0}, {0, 70}, 10, 10, Side::Left, "w");
                           }},
                SingleKind{"moment",
                           [](Sketch &s) {
                               s.moment({0, 0}, 8, false, "M");
                           }},
                SingleKind{"dimension",
                           [](Sketch &s) {
                               s.dimension({0, 0}, {100, 0}, 14, "l");
                           }},
                SingleKind{"short dimension",
                           [](Sketch &s) {
                               s.dimension({0, 0}, {0, 3}, -14, "c");
                           }},
                SingleKind{"outline",
                           [](Sketch &s) {
                               s.outline({{0, 0}, {60, 0}, {0, 100}});
                           }},
                SingleKind{
                    "circle",
                    [](Sketch &s) {
                        s.circle({0, 0}, 50);
                    }},
                SingleKind{"axis", [](Sketch &s) { s.axis({0, 0}, {0, 100}, "y"); }},
                SingleKind{
                    "deflected",
                    [](Sketch &s) {
                        s.deflected({{0, 0}, {10, 50}, {0, 100}});
                    }},
                SingleKind{"label", [](Sketch &s) {
                               s.label({0, 0}, "座屈 λ");
                           }}));

const QColor Grey(210, 210, 210);

TEST(sketchpainter, SectionKeepsItsProportionsAndIsCentred)
{
    Sketch s;
    s.outline({{0, 0}, {100, 0}, {100, 100}, {0, 100}});
    const Painted p = paint(s, QSize(420, 220));
    EXPECT_NEAR(p.inkBox.width(), p.inkBox.height(), 2);
    EXPECT_NEAR(p.inkBox.center().x(), p.target.center().x(), 2);
    EXPECT_NEAR(p.inkBox.height(), p.target.height(), 4);
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
        EXPECT_EQ(p.image.pixelColor(wall), Grey) << "the wall";
    }
}

// Inked pixels above and below the row holding the member y = 0, drawn from (0,0) to (100,0).
std::pair<int, int> inkAboveAndBelowMember(const Sketch &s)
{
    const Painted p = paint(s, QSize(300, 300));
    int memberRow = 0;
    int most = 0;
    for (int y = 0; y < p.image.height(); ++y) {
        int black = 0;
        for (int x = 0; x < p.image.width(); ++x)
            black += p.image.pixelColor(x, y) == QColor(Qt::black) ? 1 : 0;
        if (black > most) {
            most = black;
            memberRow = y;
        }
    }
    std::pair<int, int> ink{0, 0};
    for (int y = 0; y < p.image.height(); ++y)
        for (int x = 0; x < p.image.width(); ++x)
            if (inked(p.image.pixel(x, y)) && std::abs(y - memberRow) > 4)
                (y < memberRow ? ink.first : ink.second) += 1;
    return ink;
}

TEST(sketchpainter, DimensionOffsetGoesToTheLeftOfItsDirection)
{
    // Walking from a to b along y = 0 to the right, the left is up the page.
    Sketch up;
    up.member({0, 0}, {100, 0}).dimension({0, 0}, {100, 0}, 20, "l");
    const auto [aboveUp, belowUp] = inkAboveAndBelowMember(up);
    EXPECT_GT(aboveUp, 10 * std::max(1, belowUp));
    Sketch down;
    down.member({0, 0}, {100, 0}).dimension({0, 0}, {100, 0}, -20, "l");
    const auto [aboveDown, belowDown] = inkAboveAndBelowMember(down);
    EXPECT_GT(belowDown, 10 * std::max(1, aboveDown));
    Sketch reversed;
    reversed.member({0, 0}, {100, 0}).dimension({100, 0}, {0, 0}, 20, "l");
    const auto [aboveReversed, belowReversed] = inkAboveAndBelowMember(reversed);
    EXPECT_GT(belowReversed, 10 * std::max(1, aboveReversed));
}

// Height in pixels of the ink of a lone label.
int labelHeight(int size)
{
    Sketch s;
    s.label({0, 0}, "H");
    return paint(s, QSize(size, size)).inkBox.height();
}

TEST(sketchpainter, LabelsStayLegibleSmallAndGrowLessThanTheTarget)
{
    const int small = labelHeight(120);
    const int large = labelHeight(1200);
    EXPECT_GE(small, 7) << "cap height at a 120 pixel picture";
    EXPECT_GT(large, 2 * small);
    EXPECT_LT(large, 10 * small);
}

TEST(sketchpainter, LinesThickenWithTheTarget)
{
    Sketch s;
    s.member({0, 0}, {100, 0});
    const int thin = paint(s, QSize(200, 200)).inkBox.height();
    const int thick = paint(s, QSize(1000, 1000)).inkBox.height();
    EXPECT_GT(thick, thin);
}

TEST(sketchpainter, NothingToDrawLeavesTheTargetBlank)
{
    EXPECT_EQ(paint(Sketch(), QSize(200, 200)).inkInside, 0);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Sketch broken;
    broken.member({nan, 0}, {100, 0}).circle({0, 0}, std::numeric_limits<double>::infinity());
    EXPECT_EQ(paint(broken, QSize(200, 200)).inkInside, 0);
    broken.member({0, 0}, {100, 0});
    const Painted p = paint(broken, QSize(200, 200));
    EXPECT_GT(p.inkInside, 100) << "the finite member is still drawn";
    EXPECT_EQ(p.inkOutside, 0);
}

class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

TEST(sketchpainter, ViewRepaintsOnlyForAnotherSketch)
{
    shell::SketchView view;
    view.resize(190, 170);
    view.setSketch(everyKind());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QImage shown = view.grab().toImage();
    EXPECT_EQ(shown.pixelColor(3, 3), QColor(Qt::white));
    EXPECT_TRUE(inked(shown.pixel(0, 0))) << "the border";

    PaintCounter counter;
    view.installEventFilter(&counter);
    view.setSketch(everyKind());
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    Sketch other = everyKind();
    other.label({0, 60}, "E");
    view.setSketch(other);
    QApplication::processEvents();
    EXPECT_GT(counter.paints, 0);
    view.removeEventFilter(&counter);
}

}  // namespace
