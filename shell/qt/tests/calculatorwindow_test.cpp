// The real window, driven offscreen with QTest gestures: that a gesture reaches the model and
// the model's answer comes back to the widgets. Widgets are found by their object names.

#include "shell/qt/controls.h"
#include "shell/qt/tests/shownwindow.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

using Part = shell::ResultsView::Part;

TEST(calculatorwindow, eachKeystrokeRecomputesOnceAndKeepsTheCursor)
{
    ShownWindow w("Profilor");
    auto *a = w.get<QLineEdit>("Text1_0");
    a->setFocus();
    a->setCursorPosition(1);  // between "1" and "0"
    const int before = w.model().computeCount();
    QTest::keyClick(a, Qt::Key_2);
    EXPECT_EQ(w.model().computeCount(), before + 1);
    EXPECT_EQ(a->text(), QStringLiteral("120"));
    EXPECT_EQ(a->cursorPosition(), 2);
    EXPECT_EQ(w.results()->row(0).text, QStringLiteral("1.200e+03"));
}

TEST(calculatorwindow, clearingAnInputShowsTheEntryErrorAndKeepsTheResults)
{
    ShownWindow w("Profilor");
    auto *b = w.get<QLineEdit>("Text1_1");
    b->setFocus();
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Delete);
    EXPECT_TRUE(w.get<QStatusBar>("StatusBar1")->isVisible());
    EXPECT_EQ(w.status(), QStringLiteral("Please check command entry  #2 : b must be greater than 0"));
    EXPECT_EQ(w.results()->row(0).text, QStringLiteral("1.000e+02"));
    EXPECT_EQ(w.platform.beeps, 1);
}

// The unit beside an input's symbol reads on the frame's ground, on the window's own palette and
// on a dark desktop's: a contrast of 4.5:1 at least.
TEST(calculatorwindow, unitCaptionsReadOnTheirGround)
{
    ShownWindow w("Profilor");
    auto *caption = w.get<QLabel>("F1L_0");
    auto *frame = w.get<QGroupBox>("Frame1_0");
    QPalette dark = w.window->palette();
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    for (const QPalette &palette : {w.window->palette(), dark}) {
        w.window->setPalette(palette);
        w.window->refresh();
        // The ground as painted: the frame left of the caption's text.
        const QImage painted = frame->grab().toImage();
        const QColor ground = painted.pixelColor(caption->geometry().left() + 1, caption->geometry().center().y());
        const QColor expected = shell::frameGround(caption->palette());
        EXPECT_LE(std::abs(ground.lightness() - expected.lightness()), 3);
        const QRegularExpressionMatch ink =
            QRegularExpression(QStringLiteral("color:(#[0-9a-f]{6})")).match(caption->text());
        ASSERT_TRUE(ink.hasMatch()) << caption->text().toStdString();
        EXPECT_GE(shell::contrastRatio(QColor(ink.captured(1)), ground), 4.5) << ink.captured(1).toStdString();
    }
}

TEST(calculatorwindow, aScrollBarClickStepsItsInput)
{
    ShownWindow w("Profilor");
    auto *scroll = w.get<QScrollBar>("HScroll1_0");
    auto *other = w.get<QScrollBar>("HScroll1_1");
    auto *b = w.get<QLineEdit>("Text1_1");
    // A click on the right arrow: focus first, then one step of 1 from the input's own value.
    QTest::mouseClick(scroll, Qt::LeftButton, {}, QPoint(scroll->width() - 4, scroll->height() / 2));
    EXPECT_EQ(w.text("Text1_0"), QStringLiteral("11"));
    QTest::mouseClick(scroll, Qt::LeftButton, {}, QPoint(scroll->width() - 4, scroll->height() / 2));
    EXPECT_EQ(w.text("Text1_0"), QStringLiteral("12"));
    // Typing into another input and coming back starts from the value shown, not a stale base.
    b->setFocus();
    b->selectAll();
    QTest::keyClicks(b, QStringLiteral("40"));
    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(4, other->height() / 2));
    EXPECT_EQ(b->text(), QStringLiteral("39"));
}

TEST(calculatorwindow, caseButtonsShowTheirFrameAndRows)
{
    ShownWindow w("Profilor");
    auto *iSection = w.get<QPushButton>("Command1_7");
    auto *barFrame = w.get<QGroupBox>("Frame1_0");
    shell::ResultsView *results = w.results();
    // A case's inputs are built when it is first shown.
    EXPECT_EQ(w.window->findChild<QGroupBox *>(QStringLiteral("Frame1_7")), nullptr);
    QTest::mouseClick(iSection, Qt::LeftButton);
    auto *iFrame = w.get<QGroupBox>("Frame1_7");
    EXPECT_TRUE(iFrame->isVisible());
    EXPECT_FALSE(barFrame->isVisible());
    ASSERT_GT(results->rowCount(), 6);
    EXPECT_EQ(results->row(6).caption, QStringLiteral("断面係数 (Z2)"));
    QTest::mouseClick(w.get<QPushButton>("Command1_2"), Qt::LeftButton);
    EXPECT_LE(results->rowCount(), 6);
    EXPECT_EQ(results->row(2).unit, QStringLiteral("mm^4"));
    QTest::mouseClick(iSection, Qt::LeftButton);  // the second time, the same controls
    EXPECT_EQ(w.window->findChildren<QGroupBox *>(QStringLiteral("Frame1_7")).size(), 1);
    EXPECT_TRUE(iFrame->isVisible());
}

TEST(calculatorwindow, uncheckingARowTakesItOffTheChart)
{
    ShownWindow w("Profilor");
    shell::ResultsView *results = w.results();
    const QRect box = results->partRect(0, Part::Check);
    QTest::mouseClick(results, Qt::LeftButton, {}, QPoint(box.left() + 6, box.center().y()));
    EXPECT_FALSE(results->row(0).ticked);
    EXPECT_EQ(w.model().chartPoints().size(), 4u);
    EXPECT_EQ(w.model().selectPoint(0).rfind("重心距離 (e1)  ", 0), 0u);
}

// The menu opens on a right click and on Shift+F10; its commands reach the model.
TEST(calculatorwindow, theMenuOpensByMouseAndKeyboardAndItsCommandsReachTheModel)
{
    ShownWindow w("Profilor");
    shell::ResultsView *frame = w.results();
    auto *mm = w.get<QAction>("m1015_0");
    auto *cm = w.get<QAction>("m1015_1");
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), frame->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(frame, &event);
    EXPECT_TRUE(w.window->mainMenu()->isVisible());
    w.window->mainMenu()->hide();
    w.get<QLineEdit>("Text1_0")->setFocus();
    QTest::keyClick(w.window.get(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(w.window->mainMenu()->isVisible());
    w.window->mainMenu()->hide();

    w.get<QAction>("m10_2")->trigger();
    EXPECT_EQ(w.platform.clipboard, w.model().resultsText());
    EXPECT_EQ(w.platform.clipboard.rfind("断面積 (A) \t1.000e+02 mm^2\r\n", 0), 0u);

    cm->trigger();
    EXPECT_EQ(frame->row(0).unit, QStringLiteral("cm^2"));
    EXPECT_TRUE(cm->isChecked());
    EXPECT_FALSE(mm->isChecked());

    w.get<QAction>("m1010_1")->trigger();
    EXPECT_EQ(frame->row(2).text, QStringLiteral("0.0833333333333333"));  // 833.333 mm^4: the same bar in cm
}

// A Beams window: the force unit beside the length unit, a refused input marked with its reason
// and the results greyed until it is mended, a text read by its leading number marked, the case
// and its rows explained in words.
TEST(beamsCalculatorWindow, forceUnitConvertsBesideTheLengthUnit)
{
    ShownWindow w("Beams");
    auto *kN = w.get<QAction>("m1015_5");
    auto *N = w.get<QAction>("m1015_4");
    EXPECT_TRUE(N->isChecked());
    kN->trigger();
    w.get<QAction>("m1015_2")->trigger();  // m
    EXPECT_TRUE(kN->isChecked());
    EXPECT_FALSE(N->isChecked());
    EXPECT_EQ(w.text("Text1_0"), QStringLiteral("0.1"));  // 100 N
    EXPECT_TRUE(w.get<QLabel>("F1L_0")->text().contains(QStringLiteral("kN")));
    EXPECT_EQ(w.results()->row(2).unit, QStringLiteral("kN･m"));
}

TEST(beamsCalculatorWindow, refusedInputIsMarkedAndTheResultsGreyedUntilMended)
{
    ShownWindow w("Beams");
    auto *span = w.get<QLineEdit>("Text1_2");
    auto *load = w.get<QLineEdit>("Text1_0");
    auto *x2 = w.get<QLineEdit>("Text1_4");
    shell::ResultsView *results = w.results();
    EXPECT_EQ(w.get<QLabel>("CaseTitle")->text(), QStringLiteral("Beam (1): Simply supported beam, point load P at a"));
    const QPoint reaction = results->partRect(0, Part::Check).center();
    EXPECT_TRUE(results->toolTipAt(reaction).startsWith(QStringLiteral("upward reaction at A")))
        << results->toolTipAt(reaction).toStdString();

    span->setFocus();
    span->selectAll();
    QTest::keyClicks(span, QStringLiteral("40"));  // x2 = 50 now lies beyond the span
    EXPECT_FALSE(results->isEnabled());
    EXPECT_EQ(results->toolTipAt(reaction), QStringLiteral("Results of the last accepted input"));
    EXPECT_FALSE(x2->styleSheet().isEmpty());
    EXPECT_EQ(x2->toolTip(), QStringLiteral("x2 must lie between 0 and l"));
    QTest::keyClick(span, Qt::Key_0);  // 400
    EXPECT_TRUE(results->isEnabled());
    EXPECT_TRUE(x2->styleSheet().isEmpty());

    load->setFocus();
    load->selectAll();
    QTest::keyClicks(load, QStringLiteral("8kN"));
    EXPECT_EQ(load->toolTip(), QStringLiteral("read as 8"));
    EXPECT_FALSE(load->styleSheet().isEmpty());
    EXPECT_TRUE(results->isEnabled());

    // The status bar says it too, and forgets it once the field reads as typed.
    load->selectAll();
    QTest::keyClicks(load, QStringLiteral("1,5"));
    EXPECT_EQ(w.status().toStdString(), "P read as 1: the text after the number is ignored");
    QTest::keyClick(load, Qt::Key_Backspace);
    QTest::keyClick(load, Qt::Key_Backspace);
    EXPECT_EQ(w.status().toStdString(), "");
}

// A row that cannot be computed says why in its empty field's tooltip and on the status line.
TEST(beamsCalculatorWindow, anEmptyRowSaysWhyInItsTooltipAndTheStatusLine)
{
    ShownWindow w("Beams");
    auto *load = w.get<QLineEdit>("Text1_0");
    shell::ResultsView *results = w.results();
    load->setFocus();
    load->selectAll();
    QTest::keyClicks(load, QStringLiteral("1e305"));
    const QString why = QStringLiteral("too large to compute: a step of its formula goes beyond 1.8e308");
    EXPECT_EQ(results->toolTipAt(results->partRect(4, Part::Value).center()), why);
    EXPECT_EQ(results->toolTipAt(results->partRect(3, Part::Value).center()), QString());
    EXPECT_EQ(w.status(), QStringLiteral("Mmax, σmax: ") + why);
    QTest::keyClick(load, Qt::Key_Backspace);  // 1e30
    EXPECT_EQ(results->toolTipAt(results->partRect(4, Part::Value).center()), QString());
    EXPECT_EQ(w.status(), QString());
}

// In "Rahmen (3)" a + b = l: typing a moves b on the screen and the status bar says so; an a
// that would leave b negative is refused and marked, b keeps its number.
TEST(rahmenCalculatorWindow, thePartnerOfATypedPositionFollowsOnScreen)
{
    ShownWindow w("Rahmen");
    QTest::mouseClick(w.get<QPushButton>("Command1_2"), Qt::LeftButton);
    auto *a = w.get<QLineEdit>("Text3_3");
    auto *b = w.get<QLineEdit>("Text3_4");
    a->setFocus();
    a->selectAll();
    QTest::keyClicks(a, QStringLiteral("40"));
    EXPECT_EQ(a->text(), QStringLiteral("40"));
    EXPECT_EQ(b->text(), QStringLiteral("60"));
    EXPECT_EQ(w.status(), QString::fromUtf8("b changed to 60 (b = l − a)"));
    EXPECT_TRUE(a->styleSheet().isEmpty());
    QTest::keyClick(a, Qt::Key_0);  // 400
    EXPECT_EQ(b->text(), QStringLiteral("60"));
    EXPECT_FALSE(a->styleSheet().isEmpty());
    EXPECT_TRUE(b->styleSheet().isEmpty());
    EXPECT_EQ(w.status(), QString::fromUtf8("Please check command entry  #4 : b = l − a would be negative"));
}

// Exit asks the model, the model asks the desktop to close the window, and the window closes
// (saving its settings from the model) only once the gesture has returned.
TEST(calculatorwindow, exitClosesTheWindowAfterTheGestureReturns)
{
    shell::CalculatorWindow window(*registry::find("Beams"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("Label1_0")), Qt::LeftButton);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }));
}

}  // namespace
