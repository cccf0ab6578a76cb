// The result chart painted into images: every look draws, the looks differ, bars stand on the
// zero line, non-finite values lie on it, and a click finds the bar it lands on.

#include "chartview.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <vector>

namespace {

using shell::ChartPoint;
using shell::ChartType;

const QColor Fill(0, 160, 0);
const QSize Size(600, 180);
const ChartType AllTypes[] = {ChartType::Bar3D,  ChartType::Bar2D,  ChartType::Line3D, ChartType::Line2D,
                              ChartType::Area3D, ChartType::Area2D, ChartType::Step3D, ChartType::Step2D};

QImage paint(const std::vector<ChartPoint> &points, ChartType type, bool logScale = false, QSize size = Size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    shell::paintChart(painter, QRectF(QPointF(0, 0), size), points, type, Fill, logScale);
    return image;
}

int countColour(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    return count;
}

// Runs of columns holding pixels of exactly the fill colour, left to right: the bar fronts.
struct BarFront {
    int left;
    int right;
    int top;
    int bottom;
    QPoint centre() const { return {(left + right) / 2, (top + bottom) / 2}; }
};
std::vector<BarFront> fillRuns(const QImage &image)
{
    std::vector<BarFront> runs;
    bool inside = false;
    for (int x = 0; x < image.width(); ++x) {
        int top = -1;
        int bottom = -1;
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) == Fill) {
                top = top < 0 ? y : top;
                bottom = y;
            }
        }
        if (top < 0) {
            inside = false;
            continue;
        }
        if (!inside)
            runs.push_back({x, x, top, bottom});
        inside = true;
        BarFront &run = runs.back();
        run.right = x;
        run.top = std::min(run.top, top);
        run.bottom = std::max(run.bottom, bottom);
    }
    return runs;
}

const std::vector<ChartPoint> Positive{{"(RA)", 650}, {"(RB)", 350}, {"(Mmax)", 152000}, {"(Qx)", 12000}};
const std::vector<ChartPoint> Negative{{"(δ1)", -0.25}, {"(δ2)", -1.5}, {"(δ3)", -0.75}};
const std::vector<ChartPoint> Mixed{{"(A)", 3}, {"(B)", -7}, {"(C)", 5}, {"(D)", 0}, {"(E)", 1}};
// Comparable values, so that every bar front is several pixels tall.
const std::vector<ChartPoint> Columns{{"(A)", 3}, {"(B)", 5}, {"(C)", 4}, {"(D)", 2}, {"(E)", 6}};
const double Nan = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();
const std::vector<ChartPoint> NonFinite{{"(A)", Nan}, {"(B)", 4}, {"(C)", Inf}, {"(D)", -Inf}};

struct AxisCase {
    double min, max;
    int intervals;
    double low, high, step;
};

void PrintTo(const AxisCase &c, std::ostream *out) { *out << c.min << " to " << c.max << " in " << c.intervals; }

class ChartAxisTest : public ::testing::TestWithParam<AxisCase>
{
};

TEST_P(ChartAxisTest, RoundStepsTakingInZero)
{
    const AxisCase c = GetParam();
    const shell::ChartAxis axis = shell::chartAxis(c.min, c.max, c.intervals);
    const double tolerance = c.step * 1e-9;
    EXPECT_NEAR(axis.low, c.low, tolerance);
    EXPECT_NEAR(axis.high, c.high, tolerance);
    EXPECT_NEAR(axis.step, c.step, tolerance);
    EXPECT_LE(axis.intervals, c.intervals);
    EXPECT_NEAR(axis.low + (axis.intervals * axis.step), axis.high, tolerance);
}

INSTANTIATE_TEST_SUITE_P(chartview, ChartAxisTest,
                         ::testing::Values(AxisCase{0, 1800, 5, 0, 2000, 500},  // 360 a step -> 500
                                           AxisCase{-3, 7, 6, -4, 8, 2},        // 10/6 -> 2
                                           AxisCase{5, 9, 4, 0, 10, 5},         // zero is always on the axis
                                           AxisCase{-1e-3, -2e-4, 5, -1e-3, 0, 2e-4},
                                           AxisCase{0, 0, 5, 0, 1, 0.2},  // nothing to show: 0 .. 1
                                           AxisCase{-45000.5, 152000, 4, -1e5, 2e5, 1e5}, AxisCase{0, 1, 1, 0, 1, 1}));

TEST(chartview, AxisStaysFiniteForExtremeAndNonFiniteValues)
{
    for (const auto &[low, high] : {std::pair{-1e308, 1e308}, std::pair{Nan, Inf}, std::pair{-Inf, 5.0}}) {
        const shell::ChartAxis axis = shell::chartAxis(low, high, 4);
        EXPECT_TRUE(std::isfinite(axis.low) && std::isfinite(axis.high) && std::isfinite(axis.step));
        EXPECT_LT(axis.low, axis.high);
        EXPECT_GE(axis.intervals, 1);
    }
}

TEST(chartview, TickTextsAreCompact)
{
    const std::pair<double, const char *> cases[] = {
        {2000, "2000"}, {150000, "1.5e+05"}, {0.25, "0.25"},    {-50000, "-50000"}, {0, "0"},
        {-0.0, "0"},    {1e-5, "1e-05"},     {200000, "2e+05"}, {-2.5, "-2.5"}};
    for (const auto &[value, text] : cases)
        EXPECT_EQ(shell::chartTickText(value), QString::fromLatin1(text)) << value;
}

TEST(chartview, EveryTypeDrawsEveryKindOfData)
{
    for (ChartType type : AllTypes) {
        for (const auto *points : {&Positive, &Negative, &Mixed, &NonFinite}) {
            const QImage image = paint(*points, type);
            EXPECT_GT(countColour(image, Fill), 300) << static_cast<int>(type);
            EXPECT_EQ(countColour(image, Qt::magenta), 0) << "the whole area is painted";
        }
    }
}

TEST(chartview, NoPointsLeaveAnEmptyFrame)
{
    for (ChartType type : AllTypes) {
        const QImage image = paint({}, type);
        EXPECT_EQ(countColour(image, Fill), 0);
        EXPECT_EQ(countColour(image, Qt::magenta), 0);
        EXPECT_EQ(image.pixelColor(Size.width() / 2, Size.height() / 2), QColor(Qt::white));
    }
}

TEST(chartview, TheEightTypesLookDifferent)
{
    std::vector<QImage> images;
    for (ChartType type : AllTypes)
        images.push_back(paint(Mixed, type));
    for (size_t i = 0; i < images.size(); ++i)
        for (size_t j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j]) << i << " and " << j;
}

TEST(chartview, NonFiniteValuesAreDrawnAsZero)
{
    const std::vector<ChartPoint> zeros{{"(A)", 0}, {"(B)", 4}, {"(C)", 0}, {"(D)", 0}};
    for (ChartType type : AllTypes)
        EXPECT_EQ(paint(NonFinite, type), paint(zeros, type)) << static_cast<int>(type);
}

TEST(chartview, BarsStandOnTheZeroLineInProportion)
{
    // A bar of 2 and a bar of -1: the first rises twice as far above the zero line as the
    // second falls below it.
    const std::vector<BarFront> runs = fillRuns(paint({{"(A)", 2}, {"(B)", -1}}, ChartType::Bar2D));
    ASSERT_EQ(runs.size(), 2U);
    const double up = runs[0].bottom - runs[0].top;
    const double down = runs[1].bottom - runs[1].top;
    EXPECT_NEAR(runs[0].bottom, runs[1].top, 4) << "both meet at the zero line, under the bars' edges";
    EXPECT_NEAR(up, 2 * down, 3);
}

TEST(chartview, AClickFindsTheBarItLandsOn)
{
    const QRectF area(QPointF(0, 0), Size);
    for (ChartType type : {ChartType::Bar2D, ChartType::Bar3D}) {
        for (bool logScale : {false, true}) {
            const std::vector<BarFront> runs = fillRuns(paint(Columns, type, logScale));
            ASSERT_EQ(runs.size(), Columns.size());
            for (size_t k = 0; k < runs.size(); ++k)
                EXPECT_EQ(shell::chartPointAt(area, Columns, type, runs[k].centre()), static_cast<int>(k));
        }
    }
    EXPECT_EQ(shell::chartPointAt(area, Columns, ChartType::Bar2D, QPointF(-5, 90)), -1);
    EXPECT_EQ(shell::chartPointAt(area, Columns, ChartType::Bar2D, QPointF(3, 90)), -1) << "on the value axis";
    EXPECT_EQ(shell::chartPointAt(area, Columns, ChartType::Bar2D, QPointF(300, 500)), -1);
    EXPECT_EQ(shell::chartPointAt(area, {}, ChartType::Bar2D, QPointF(300, 90)), -1);
}

TEST(chartview, LogModeAddsItsTitleAndKeepsTheColumns)
{
    const std::vector<ChartPoint> logs{{"(RA)", 2.81}, {"(RB)", 2.54}, {"(Mmax)", 5.18}};
    const QImage plain = paint(logs, ChartType::Bar2D, false);
    const QImage log = paint(logs, ChartType::Bar2D, true);
    EXPECT_NE(plain, log);
    const std::vector<BarFront> plainRuns = fillRuns(plain);
    const std::vector<BarFront> logRuns = fillRuns(log);
    ASSERT_EQ(plainRuns.size(), logRuns.size());
    for (size_t k = 0; k < plainRuns.size(); ++k)
        EXPECT_NEAR(plainRuns[k].left, logRuns[k].left, 1);
}

TEST(chartview, ReadableOnSmallAndDoubleScaleDevices)
{
    for (double ratio : {1.0, 2.0}) {
        QImage image(QSize(300, 110) * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        shell::paintChart(painter, QRectF(0, 0, 300, 110), Mixed, ChartType::Step3D, Fill, true);
        painter.end();
        EXPECT_GT(countColour(image, Fill), 100);
        EXPECT_EQ(countColour(image, Qt::magenta), 0);
    }
}

// Counts the paint events a widget receives.
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

class ChartViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        view.resize(Size);
        view.setData(Columns, ChartType::Bar2D, Fill, false);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        view.activateWindow();
        view.setFocus();
        QApplication::processEvents();
    }
    std::vector<BarFront> bars() { return fillRuns(view.grab().toImage()); }

    shell::ChartView view;
};

TEST_F(ChartViewTest, RepaintsOnlyWhenTheDataChange)
{
    PaintCounter counter;
    view.installEventFilter(&counter);
    view.setData(Columns, ChartType::Bar2D, Fill, false);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    view.setData(Columns, ChartType::Bar2D, Fill, true);
    QApplication::processEvents();
    EXPECT_GT(counter.paints, 0);
    EXPECT_TRUE(view.logScale());
    view.removeEventFilter(&counter);
}

TEST_F(ChartViewTest, LeftClickReportsThePoint)
{
    QSignalSpy clicked(&view, &shell::ChartView::pointClicked);
    const std::vector<BarFront> runs = bars();
    ASSERT_EQ(runs.size(), Columns.size());
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, runs[2].centre());
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 2);
    EXPECT_EQ(clicked.at(0).at(1).toPoint(), view.mapToGlobal(runs[2].centre()));
}

TEST_F(ChartViewTest, RightButtonAndMenuKeysAskForTheMenuOnce)
{
    QSignalSpy menu(&view, &shell::ChartView::contextMenuRequested);
    QSignalSpy clicked(&view, &shell::ChartView::pointClicked);
    QTest::mouseClick(&view, Qt::RightButton, Qt::NoModifier, QPoint(300, 60));
    EXPECT_EQ(menu.count(), 1);
    QTest::keyClick(&view, Qt::Key_Menu);
    EXPECT_EQ(menu.count(), 2);
    QTest::keyClick(&view, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(menu.count(), 3);
    EXPECT_EQ(clicked.count(), 0);

    // Where the platform follows the press with a context menu event, that event is the same
    // request; on its own (a synthetic event) it is a request of its own.
    const auto contextEvent = [this](QContextMenuEvent::Reason reason) {
        QContextMenuEvent event(reason, QPoint(10, 10), view.mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(&view, &event);
        EXPECT_TRUE(event.isAccepted());
    };
    QTest::keyPress(&view, Qt::Key_Menu);
    contextEvent(QContextMenuEvent::Keyboard);
    QTest::keyRelease(&view, Qt::Key_Menu);
    EXPECT_EQ(menu.count(), 4);
    QTest::mousePress(&view, Qt::RightButton, Qt::NoModifier, QPoint(300, 60));
    contextEvent(QContextMenuEvent::Mouse);
    QTest::mouseRelease(&view, Qt::RightButton, Qt::NoModifier, QPoint(300, 60));
    EXPECT_EQ(menu.count(), 5);
    contextEvent(QContextMenuEvent::Keyboard);
    contextEvent(QContextMenuEvent::Mouse);
    EXPECT_EQ(menu.count(), 7);
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(ChartViewTest, KeyboardPicksAndReportsPoints)
{
    EXPECT_EQ(view.focusPolicy(), Qt::StrongFocus);
    QSignalSpy clicked(&view, &shell::ChartView::pointClicked);
    QTest::keyClick(&view, Qt::Key_Right);
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(view.currentPoint(), 1);
    QTest::keyClick(&view, Qt::Key_Space);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 1);
    QTest::keyClick(&view, Qt::Key_End);
    EXPECT_EQ(view.currentPoint(), static_cast<int>(Columns.size()) - 1);
    view.setData({{"(A)", 1}}, ChartType::Bar2D, Fill, false);
    EXPECT_EQ(view.currentPoint(), -1) << "the picked point is gone";
}

}  // namespace
