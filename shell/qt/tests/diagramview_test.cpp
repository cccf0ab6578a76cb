// The chart area's two views in the real window: the switch above the chart and the menu's
// "Diagrams" item agree with the model, the choice stays across case changes, a chart type brings
// the chart back, and pointing at the diagrams writes the values into the status bar.

#include "beams/beams.h"
#include "shell/core/testing/recordingplatform.h"
#include "shell/qt/calculatorwindow.h"
#include "shell/qt/chartview.h"
#include "shell/qt/diagramview.h"
#include "shell/qt/diagramwindow.h"

#include <QAction>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class diagramview : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<shell::CalculatorWindow>(beams::program(), &platform);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        results = window->findChild<QPushButton *>(QStringLiteral("ChartSwitch_0"));
        diagrams = window->findChild<QPushButton *>(QStringLiteral("ChartSwitch_1"));
        view = window->findChild<shell::DiagramView *>(QStringLiteral("Diagrams1"));
        chart = window->findChild<shell::ChartView *>(QStringLiteral("Chart1"));
        menuItem = window->findChild<QAction *>(QStringLiteral("m1020_12"));
        slope = window->findChild<QAction *>(QStringLiteral("m1020_13"));
        ASSERT_TRUE(results && diagrams && view && chart && menuItem && slope);
    }
    // The switch, the menu item, the model and the widget on display all say the same.
    void expectShowing(bool showingDiagrams)
    {
        EXPECT_EQ(window->model().chartArea(),
                  showingDiagrams ? shell::ChartArea::Diagrams : shell::ChartArea::Results);
        EXPECT_EQ(diagrams->isChecked(), showingDiagrams);
        EXPECT_EQ(results->isChecked(), !showingDiagrams);
        EXPECT_EQ(view->isVisible(), showingDiagrams);
        EXPECT_EQ(chart->isVisible(), !showingDiagrams);
        window->refresh();
        EXPECT_EQ(menuItem->isChecked(), showingDiagrams);
        int checkedTypes = 0;
        for (int i = 3; i <= 10; ++i) {
            auto *type = window->findChild<QAction *>(QStringLiteral("m1020_%1").arg(i));
            EXPECT_NE(type, nullptr) << i;
            checkedTypes += type && type->isChecked() ? 1 : 0;
        }
        EXPECT_EQ(checkedTypes, showingDiagrams ? 0 : 1);
    }

    shell::testing::RecordingPlatform platform;
    std::unique_ptr<shell::CalculatorWindow> window;
    QPushButton *results = nullptr;
    QPushButton *diagrams = nullptr;
    shell::DiagramView *view = nullptr;
    shell::ChartView *chart = nullptr;
    QAction *menuItem = nullptr;
    QAction *slope = nullptr;
};

TEST_F(diagramview, switchMenuItemAndModelAgreeAcrossCases)
{
    expectShowing(false);
    EXPECT_EQ(menuItem->text().remove(QLatin1Char('&')), QStringLiteral("Diagrams"));  // its mnemonic aside
    EXPECT_EQ(slope->text().remove(QLatin1Char('&')), QStringLiteral("Show slope"));

    QTest::mouseClick(diagrams, Qt::LeftButton);
    expectShowing(true);
    EXPECT_EQ(view->diagrams().kind, shell::CaseDiagrams::Kind::Members);

    // Another case and back: still the diagrams.
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Command1_1")), Qt::LeftButton);
    expectShowing(true);
    EXPECT_EQ(view->diagrams().kind, shell::CaseDiagrams::Kind::Members);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Command1_0")), Qt::LeftButton);
    expectShowing(true);

    // Clicking the switch that is on leaves it on.
    QTest::mouseClick(diagrams, Qt::LeftButton);
    expectShowing(true);

    // A chart type from the menu is a look of the results chart: it shows the chart.
    window->findChild<QAction *>(QStringLiteral("m1020_6"))->trigger();
    expectShowing(false);
    EXPECT_EQ(window->model().chartType(), shell::ChartType::Line2D);

    menuItem->trigger();
    expectShowing(true);
    QTest::mouseClick(results, Qt::LeftButton);
    expectShowing(false);
}

TEST_F(diagramview, keystrokesRedrawTheDiagramsOnlyWhenTheMemberChanges)
{
    QTest::mouseClick(diagrams, Qt::LeftButton);
    QLineEdit *P = window->findChild<QLineEdit *>(QStringLiteral("Text1_0"));
    ASSERT_NE(P, nullptr);
    P->setFocus();
    P->end(false);
    QTest::keyClick(P, Qt::Key_0);  // P = 1000
    EXPECT_DOUBLE_EQ(view->diagrams().members.at(0).curve(shell::Quantity::Moment)->extremes.largest.value, 21000);
    QApplication::processEvents();
    const int painted = view->paintCount();
    QTest::keyClick(P, Qt::Key_Period);  // "1000." is the same member: nothing to draw again
    QApplication::processEvents();
    EXPECT_EQ(view->paintCount(), painted);

    slope->trigger();
    EXPECT_TRUE(view->options().showSlope);
    EXPECT_TRUE(slope->isChecked());
}

TEST_F(diagramview, pointingAtTheMemberShowsItsValuesInTheStatusBar)
{
    QTest::mouseClick(diagrams, Qt::LeftButton);
    auto *status = window->findChild<QStatusBar *>(QStringLiteral("StatusBar1"));
    ASSERT_NE(status, nullptr);
    const QPoint middle = view->rect().center();
    QMouseEvent move(QEvent::MouseMove, QPointF(middle), view->mapToGlobal(QPointF(middle)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    EXPECT_TRUE(status->isVisible());
    EXPECT_TRUE(status->currentMessage().startsWith(QStringLiteral("x = "))) << status->currentMessage().toStdString();
    EXPECT_TRUE(status->currentMessage().contains(QStringLiteral("M = ")));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view, &leave);
    EXPECT_TRUE(status->currentMessage().isEmpty());
}

// The diagrams of an input since refused are washed out and say whose they are, as the chart
// does, until an input is accepted again.
TEST_F(diagramview, diagramsOfARefusedInputAreMarkedStale)
{
    QTest::mouseClick(diagrams, Qt::LeftButton);
    const auto lightness = [this] {
        const QImage image = view->grab().toImage();
        double sum = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                sum += image.pixelColor(x, y).lightnessF();
        return sum / ((image.height() / 2.0) * (image.width() / 2.0));
    };
    const double accepted = lightness();
    QLineEdit *span = window->findChild<QLineEdit *>(QStringLiteral("Text1_2"));
    ASSERT_NE(span, nullptr);
    span->setFocus();
    span->selectAll();
    QTest::keyClicks(span, QStringLiteral("-1"));
    ASSERT_TRUE(window->model().lastRejected());
    EXPECT_TRUE(view->stale());
    EXPECT_GT(lightness(), accepted + 0.01);
    span->selectAll();
    QTest::keyClicks(span, QStringLiteral("100"));
    EXPECT_FALSE(window->model().lastRejected());
    EXPECT_FALSE(view->stale());
    EXPECT_NEAR(lightness(), accepted, 0.002);
}

// The diagrams take the chart's place and the room below it, never less than the height in which
// every strip reads; "In a window" opens them in a window of their own that follows the inputs.
TEST_F(diagramview, diagramsHaveRoomToReadAndAWindowOfTheirOwn)
{
    QTest::mouseClick(diagrams, Qt::LeftButton);
    QApplication::processEvents();
    const QFontMetricsF metrics(view->font());
    EXPECT_GE(view->height(), shell::leastDiagramHeight(view->diagrams(), view->options(), metrics, view->width()));
    EXPECT_GT(view->height(), chart->height());

    auto *open = window->findChild<QPushButton *>(QStringLiteral("DiagramWindowButton"));
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(open->isVisible());
    QTest::mouseClick(open, Qt::LeftButton);
    auto *own = window->findChild<shell::DiagramWindow *>(QStringLiteral("DiagramWindow"));
    ASSERT_NE(own, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(own));
    EXPECT_TRUE(own->isWindow());
    EXPECT_TRUE(own->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_GE(own->view()->height(), shell::leastDiagramHeight(own->view()->diagrams(), own->view()->options(), metrics,
                                                               own->view()->width()));

    QLineEdit *P = window->findChild<QLineEdit *>(QStringLiteral("Text1_0"));
    ASSERT_NE(P, nullptr);
    P->setFocus();
    P->end(false);
    QTest::keyClick(P, Qt::Key_0);  // P = 1000
    EXPECT_DOUBLE_EQ(own->view()->diagrams().members.at(0).curve(shell::Quantity::Moment)->extremes.largest.value,
                     21000);
    QLineEdit *span = window->findChild<QLineEdit *>(QStringLiteral("Text1_2"));
    ASSERT_NE(span, nullptr);
    span->setFocus();
    span->selectAll();
    QTest::keyClicks(span, QStringLiteral("-1"));
    ASSERT_TRUE(window->model().lastRejected());
    EXPECT_TRUE(own->view()->stale());
    own->close();
}

}  // namespace
