// The result chart painted into images: round axis steps taking in zero, every look draws and the looks
// differ, a value that cannot be computed leaves its slot empty, and a click finds the bar it lands on.

#include "shell/qt/chartview.h"
#include "shell/qt/tests/paintrecorder.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

using shell::ChartPoint;
using shell::ChartType;

const QColor Fill(0, 160, 0);
const QSize Size(600, 180);
const ChartType AllTypes[] = {ChartType::Bar3D,  ChartType::Bar2D,  ChartType::Line3D, ChartType::Line2D,
                              ChartType::Area3D, ChartType::Area2D, ChartType::Step3D, ChartType::Step2D};

QImage paint(const std::vector<ChartPoint> &points, ChartType type, bool logScale = false)
{
    QImage image(Size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    shell::paintChart(painter, QRectF(QPointF(0, 0), Size), points, type, Fill, logScale);
    return image;
}

// Runs of columns holding pixels of exactly the fill colour, left to right: the bar fronts.
struct BarFront {
    int left, right, top, bottom;
    QPoint centre() const { return {(left + right) / 2, (top + bottom) / 2}; }
};
std::vector<BarFront> fillRuns(const QImage &image)
{
    std::vector<BarFront> runs;
    bool inside = false;
    for (int x = 0; x < image.width(); ++x) {
        bool any = false;
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) != Fill)
                continue;
            if (!inside)
                runs.push_back({x, x, y, y});
            any = inside = true;
            BarFront &run = runs.back();
            run = {run.left, x, std::min(run.top, y), std::max(run.bottom, y)};
        }
        inside = any;
    }
    return runs;
}

// Comparable values, so that every bar front is several pixels tall.
const std::vector<ChartPoint> Columns{{"(A)", 3}, {"(B)", 5}, {"(C)", 4}, {"(D)", 2}, {"(E)", 6}};

TEST(chartview, AxisTakesRoundStepsAndZero)
{
    const double cases[][6] = {{0, 1800, 5, 0, 2000, 500},  // min, max, intervals -> low, high, step
                               {-3, 7, 6, -4, 8, 2},        // 10/6 -> 2
                               {5, 9, 4, 0, 10, 5},         // zero is always on the axis
                               {-1e-3, -2e-4, 5, -1e-3, 0, 2e-4},
                               {0, 0, 5, 0, 1, 0.2},  // nothing to show: 0 .. 1
                               {-45000.5, 152000, 4, -1e5, 2e5, 1e5}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c[0] << " to " << c[1]);
        const shell::ChartAxis axis = shell::chartAxis(c[0], c[1], static_cast<int>(c[2]));
        const double tolerance = c[5] * 1e-9;
        EXPECT_NEAR(axis.low, c[3], tolerance);
        EXPECT_NEAR(axis.high, c[4], tolerance);
        EXPECT_NEAR(axis.step, c[5], tolerance);
        EXPECT_NEAR(axis.low + (axis.intervals * axis.step), axis.high, tolerance);
    }
}

// One notation per axis, every label telling its tick exactly: plain where all ticks read
// well so, else all scientific.
TEST(chartview, TickLabelsUseOneNotationPerAxisAndReadBackToTheirTicks)
{
    const struct {
        double min, max;
        int intervals;
        std::vector<const char *> texts;  // empty: only the rules below
    } cases[] = {
        {0, 150000, 3, {"0", "5.0e+04", "1.0e+05", "1.5e+05"}},
        {-0.5, 1, 3, {"-0.5", "0", "0.5", "1.0"}},
        {0, 2500, 5, {"0", "500", "1000", "1500", "2000", "2500"}},
        {0, 3e-5, 3, {"0", "1e-05", "2e-05", "3e-05"}},
        {-5e5, 5e5, 4, {}},
        {0, 99999, 5, {}},
        {-2e-3, 7e-3, 6, {}},
        {0, 1.7e11, 5, {}},
        {-1e300, 1e300, 4, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << " to " << c.max);
        const shell::ChartAxis axis = shell::chartAxis(c.min, c.max, c.intervals);
        const std::vector<QString> texts = shell::chartTickTexts(axis);
        ASSERT_EQ(static_cast<int>(texts.size()), axis.intervals + 1);
        int scientific = 0;
        for (int i = 0; i <= axis.intervals; ++i) {
            const QString &text = texts[static_cast<std::size_t>(i)];
            const double tick = axis.low + (i * axis.step);
            EXPECT_NEAR(text.toDouble(), tick, axis.step * 1e-6) << text.toStdString();
            scientific += text.contains(QLatin1Char('e')) ? 1 : 0;
        }
        // zero reads "0" in either notation; every other label is of one kind
        const int zeros = static_cast<int>(std::count(texts.begin(), texts.end(), QStringLiteral("0")));
        EXPECT_TRUE(scientific == 0 || scientific + zeros == axis.intervals + 1) << scientific;
        if (!c.texts.empty()) {
            std::vector<QString> expected;
            for (const char *text : c.texts)
                expected.push_back(QString::fromLatin1(text));
            EXPECT_EQ(texts, expected);
        }
    }
}

// On the log scale the results of 0 or less stand at the base line and the chart says so.
TEST(chartview, LogScaleNotesTheResultsDrawnAtTheBaseLine)
{
    std::vector<ChartPoint> points{{"(A)", 3}, {"(B)", 0, true}, {"(C)", 2}};
    const QImage noted = paint(points, ChartType::Bar2D, true);
    points[1].atBaseLine = false;
    const QImage plain = paint(points, ChartType::Bar2D, true);
    // the note stands on the title line, right of "log10", and nowhere else
    const int titleLine = QFontMetricsF(QApplication::font()).height() * 1.5;
    int differing = 0;
    for (int y = 0; y < Size.height(); ++y)
        for (int x = 0; x < Size.width(); ++x)
            if (noted.pixel(x, y) != plain.pixel(x, y)) {
                EXPECT_LT(y, titleLine) << x;
                ++differing;
            }
    EXPECT_GT(differing, 50);
}

// Every look draws and the eight differ; a value that cannot be computed leaves its slot empty in
// every look, while the others are drawn where they would be.
TEST(chartview, EveryTypeDrawsItsOwnLookAndLeavesTheSlotsOfValuesThatCannotBeComputedEmpty)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<ChartPoint> gaps{{"(A)", nan}, {"(B)", 4}, {"(C)", nan}, {"(D)", -3}, {"(E)", 0}};
    const std::vector<ChartPoint> all{{"(A)", 2}, {"(B)", 4}, {"(C)", 1}, {"(D)", -3}, {"(E)", 0}};
    const QRectF area(QPointF(0, 0), Size);
    const QFontMetricsF metrics{QFont()};
    const shell::ChartLayout l = shell::layoutChart(area, all, ChartType::Bar2D, false, metrics);
    std::vector<QImage> images;
    for (ChartType type : AllTypes) {
        const QImage image = paint(gaps, type);
        for (const QImage &other : images)
            EXPECT_NE(image, other) << static_cast<int>(type);
        images.push_back(image);
        for (const int slot : {0, 2}) {
            int filled = 0;
            const int x = static_cast<int>(l.centre(slot));
            for (int y = 0; y < image.height(); ++y)
                filled += image.pixelColor(x, y) == Fill;
            EXPECT_EQ(filled, 0) << "slot " << slot << " of type " << static_cast<int>(type);
        }
        EXPECT_GE(fillRuns(image).size(), 1u) << static_cast<int>(type);
    }
}

TEST(chartview, AClickFindsTheBarItLandsOnAlsoInLogMode)
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
    EXPECT_NE(paint(Columns, ChartType::Bar2D, false), paint(Columns, ChartType::Bar2D, true)) << "the log title";
}

TEST(chartview, LeftClickReportsThePointAndRightClickOrMenuKeyAsksForTheMenuOnce)
{
    shell::ChartView view;
    view.resize(Size);
    view.setData(Columns, ChartType::Bar2D, Fill, false);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QApplication::processEvents();
    QSignalSpy clicked(&view, &shell::ChartView::pointClicked);
    QSignalSpy menu(&view, &shell::ChartView::contextMenuRequested);

    const std::vector<BarFront> runs = fillRuns(view.grab().toImage());
    ASSERT_EQ(runs.size(), Columns.size());
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, runs[2].centre());
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 2);

    // Where the platform follows the press with a context menu event, that event is the same request.
    const auto contextEvent = [&view](QContextMenuEvent::Reason reason) {
        QContextMenuEvent event(reason, QPoint(10, 10), view.mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(&view, &event);
    };
    QTest::keyPress(&view, Qt::Key_Menu);
    contextEvent(QContextMenuEvent::Keyboard);
    QTest::keyRelease(&view, Qt::Key_Menu);
    EXPECT_EQ(menu.count(), 1);
    QTest::mousePress(&view, Qt::RightButton, Qt::NoModifier, QPoint(300, 60));
    contextEvent(QContextMenuEvent::Mouse);
    QTest::mouseRelease(&view, Qt::RightButton, Qt::NoModifier, QPoint(300, 60));
    EXPECT_EQ(menu.count(), 2);
    EXPECT_EQ(clicked.count(), 1);
}

// The window keeps the frame, walls, grid and labels as a picture: what it shows is what
// paintChart draws in one pass, in every look, before and after new values.
TEST(chartview, TheWindowShowsWhatThePainterDraws)
{
    shell::ChartView view;
    view.resize(Size);
    view.setFocusPolicy(Qt::NoFocus);  // without the focus frame
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const std::vector<ChartPoint> moved{{"(A)", 3.5}, {"(B)", 5}, {"(C)", 4}, {"(D)", 2}, {"(E)", 5.5}};
    const std::vector<ChartPoint> tenfold{{"(A)", 35}, {"(B)", 50}, {"(C)", 40}, {"(D)", 20}, {"(E)", 55}};
    for (ChartType type : AllTypes) {
        for (const std::vector<ChartPoint> *points : {&Columns, &moved, &tenfold, &moved}) {
            view.setData(*points, type, Fill, false);
            QApplication::processEvents();
            QImage direct(Size, QImage::Format_RGB32);
            direct.fill(Qt::magenta);
            {
                QPainter painter(&direct);
                painter.setFont(view.font());
                shell::paintChart(painter, QRectF(QPointF(0, 0), Size), *points, type, Fill, false);
            }
            const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(shown.size(), direct.size());
            int differing = 0;
            QRect where;
            for (int y = 0; y < Size.height(); ++y)
                for (int x = 0; x < Size.width(); ++x)
                    if (shown.pixel(x, y) != direct.pixel(x, y)) {
                        ++differing;
                        where |= QRect(x, y, 1, 1);
                    }
            EXPECT_EQ(differing, 0) << "type " << static_cast<int>(type) << " within " << where.x() << "," << where.y()
                                    << " " << where.width() << "x" << where.height();
        }
    }
}

// A new value on the same axis repaints the part of its bar that moved and nothing else (the
// window then shows what one paint draws: TheWindowShowsWhatThePainterDraws); one that changes the axis
// repaints the whole chart; lines and areas repaint their plot.
TEST(chartview, NewValuesRepaintOnlyTheBarsThatMoved)
{
    shell::ChartView view;
    view.resize(Size);
    view.setFocusPolicy(Qt::NoFocus);  // no repaint for the focus frame
    view.setData(Columns, ChartType::Bar2D, Fill, false);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QApplication::processEvents();
    const std::vector<BarFront> runs = fillRuns(view.grab().toImage());
    ASSERT_EQ(runs.size(), Columns.size());
    PaintRecorder recorder;
    view.installEventFilter(&recorder);

    std::vector<ChartPoint> next = Columns;
    next[2].value = 4.5;  // the axis stays 0 .. 6
    view.setData(next, ChartType::Bar2D, Fill, false);
    QApplication::processEvents();
    // between its neighbours, from above its new top down to the zero line
    const QRect painted = recorder.painted.boundingRect();
    EXPECT_GT(painted.left(), runs[1].right);
    EXPECT_LT(painted.right(), runs[3].left);
    EXPECT_LT(painted.top(), runs[2].top);
    EXPECT_GE(painted.bottom(), runs[2].bottom);
    EXPECT_GT(painted.top(), 0);
    // the face both heights share stays as it is
    EXPECT_FALSE(recorder.painted.contains(QPoint(runs[2].centre().x(), (runs[2].top + (3 * runs[2].bottom)) / 4)));

    // ten times the values: the same grid on a new scale, every bar and the tick labels again
    // but not the category labels under the plot
    recorder.painted = QRegion();
    std::vector<ChartPoint> tenfold = next;
    for (ChartPoint &p : tenfold)
        p.value *= 10;
    view.setData(tenfold, ChartType::Bar2D, Fill, false);
    QApplication::processEvents();
    EXPECT_TRUE(recorder.painted.contains(QPoint(2, runs[2].bottom / 2)));  // a tick label
    EXPECT_FALSE(recorder.painted.contains(QPoint(runs[2].centre().x(), Size.height() - 3)));
    EXPECT_NE(recorder.painted, QRegion(view.rect()));
    view.setData(next, ChartType::Bar2D, Fill, false);
    QApplication::processEvents();

    recorder.painted = QRegion();
    next[2].value = -40;  // a new axis with the zero line elsewhere: everything moves
    view.setData(next, ChartType::Bar2D, Fill, false);
    QApplication::processEvents();
    EXPECT_EQ(recorder.painted, QRegion(view.rect()));

    recorder.painted = QRegion();
    view.setData(next, ChartType::Line2D, Fill, false);
    next[0].value = 4;
    view.setData(next, ChartType::Line2D, Fill, false);
    QApplication::processEvents();
    EXPECT_EQ(recorder.painted, QRegion(view.rect()));  // the look changed first
    recorder.painted = QRegion();
    next[0].value = 5;
    view.setData(next, ChartType::Line2D, Fill, false);
    QApplication::processEvents();
    EXPECT_FALSE(recorder.painted.isEmpty());
    EXPECT_NE(recorder.painted, QRegion(view.rect()));  // the plot without the labels around it
}

}  // namespace
