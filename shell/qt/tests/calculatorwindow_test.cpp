// The real window, driven offscreen with QTest gestures: that a gesture reaches the model and
// the model's answer comes back to the widgets. Widgets are found by their object names.

#include "profilor/profilor.h"
#include "registry/registry.h"
#include "shell/core/testing/recordingplatform.h"
#include "shell/qt/calculatorwindow.h"
#include "shell/qt/controls.h"
#include "shell/qt/resultsview.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class calculatorwindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<shell::CalculatorWindow>(profilor::program(), &platform);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    // The control of that object name, for ASSERT_TRUE(find("Text1_0", field)): a missing
    // control fails the test where it is looked up.
    template <typename W>::testing::AssertionResult find(const char *name, W *&widget)
    {
        widget = window->findChild<W *>(QString::fromLatin1(name));
        if (!widget)
            return ::testing::AssertionFailure() << "no control " << name;
        return ::testing::AssertionSuccess();
    }
    QString text(const char *lineEdit)
    {
        const auto *field = window->findChild<QLineEdit *>(QString::fromLatin1(lineEdit));
        return field ? field->text() : QStringLiteral("<no control %1>").arg(QString::fromLatin1(lineEdit));
    }
    // The value of result row r as displayed.
    QString value(int r)
    {
        const auto *results = window->findChild<shell::ResultsView *>(QStringLiteral("Frame2"));
        return results && r < results->rowCount() ? results->row(r).text : QStringLiteral("<no row %1>").arg(r);
    }

    shell::testing::RecordingPlatform platform;
    std::unique_ptr<shell::CalculatorWindow> window;
};

TEST_F(calculatorwindow, eachKeystrokeRecomputesOnceAndKeepsTheCursor)
{
    QLineEdit *a = nullptr;
    ASSERT_TRUE(find("Text1_0", a));
    a->setFocus();
    a->setCursorPosition(1);  // between "1" and "0"
    const int before = window->model().computeCount();
    QTest::keyClick(a, Qt::Key_2);
    EXPECT_EQ(window->model().computeCount(), before + 1);
    EXPECT_EQ(a->text(), QStringLiteral("120"));
    EXPECT_EQ(a->cursorPosition(), 2);
    EXPECT_EQ(value(0), QStringLiteral("1.200e+03"));
}

TEST_F(calculatorwindow, clearingAnInputShowsTheEntryErrorAndKeepsTheResults)
{
    QLineEdit *b = nullptr;
    QStatusBar *status = nullptr;
    ASSERT_TRUE(find("Text1_1", b));
    ASSERT_TRUE(find("StatusBar1", status));
    b->setFocus();
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Delete);
    EXPECT_TRUE(status->isVisible());
    EXPECT_EQ(status->currentMessage(), QStringLiteral("Please check command entry  #2 : b must be greater than 0"));
    EXPECT_EQ(value(0), QStringLiteral("1.000e+02"));
    EXPECT_EQ(platform.beeps, 1);
}

// The unit beside an input's symbol reads on the frame's ground, on the window's own palette and
// on a dark desktop's: a contrast of 4.5:1 at least.
TEST_F(calculatorwindow, unitCaptionsReadOnTheirGround)
{
    QLabel *caption = nullptr;
    QGroupBox *frame = nullptr;
    ASSERT_TRUE(find("F1L_0", caption));
    ASSERT_TRUE(find("Frame1_0", frame));
    QPalette dark = window->palette();
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    for (const QPalette &palette : {window->palette(), dark}) {
        window->setPalette(palette);
        window->refresh();
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

TEST_F(calculatorwindow, aScrollBarClickStepsItsInput)
{
    QScrollBar *scroll = nullptr;
    QScrollBar *other = nullptr;
    QLineEdit *b = nullptr;
    ASSERT_TRUE(find("HScroll1_0", scroll));
    ASSERT_TRUE(find("HScroll1_1", other));
    ASSERT_TRUE(find("Text1_1", b));
    // A click on the right arrow: focus first, then one step of 1 from the input's own value.
    QTest::mouseClick(scroll, Qt::LeftButton, {}, QPoint(scroll->width() - 4, scroll->height() / 2));
    EXPECT_EQ(text("Text1_0"), QStringLiteral("11"));
    QTest::mouseClick(scroll, Qt::LeftButton, {}, QPoint(scroll->width() - 4, scroll->height() / 2));
    EXPECT_EQ(text("Text1_0"), QStringLiteral("12"));
    // Typing into another input and coming back starts from the value shown, not a stale base.
    b->setFocus();
    b->selectAll();
    QTest::keyClicks(b, QStringLiteral("40"));
    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(4, other->height() / 2));
    EXPECT_EQ(b->text(), QStringLiteral("39"));
}

TEST_F(calculatorwindow, caseButtonsShowTheirFrameAndRows)
{
    QPushButton *iSection = nullptr;
    QPushButton *circle = nullptr;
    QGroupBox *iFrame = nullptr;
    QGroupBox *barFrame = nullptr;
    shell::ResultsView *results = nullptr;
    ASSERT_TRUE(find("Command1_7", iSection));
    ASSERT_TRUE(find("Command1_2", circle));
    ASSERT_TRUE(find("Frame1_0", barFrame));
    ASSERT_TRUE(find("Frame2", results));
    // A case's inputs are built when it is first shown.
    EXPECT_EQ(window->findChild<QGroupBox *>(QStringLiteral("Frame1_7")), nullptr);
    QTest::mouseClick(iSection, Qt::LeftButton);
    ASSERT_TRUE(find("Frame1_7", iFrame));
    EXPECT_TRUE(iFrame->isVisible());
    EXPECT_FALSE(barFrame->isVisible());
    ASSERT_GT(results->rowCount(), 6);
    EXPECT_EQ(results->row(6).caption, QStringLiteral("断面係数 (Z2)"));
    QTest::mouseClick(circle, Qt::LeftButton);
    EXPECT_LE(results->rowCount(), 6);
    EXPECT_EQ(results->row(2).unit, QStringLiteral("mm^4"));
    QTest::mouseClick(iSection, Qt::LeftButton);  // the second time, the same controls
    EXPECT_EQ(window->findChildren<QGroupBox *>(QStringLiteral("Frame1_7")).size(), 1);
    EXPECT_TRUE(iFrame->isVisible());
}

TEST_F(calculatorwindow, uncheckingARowTakesItOffTheChart)
{
    shell::ResultsView *results = nullptr;
    ASSERT_TRUE(find("Frame2", results));
    const QRect box = results->partRect(0, shell::ResultsView::Part::Check);
    QTest::mouseClick(results, Qt::LeftButton, {}, QPoint(box.left() + 6, box.center().y()));
    EXPECT_FALSE(results->row(0).ticked);
    EXPECT_EQ(window->model().chartPoints().size(), 4u);
    EXPECT_EQ(window->model().selectPoint(0).rfind("重心距離 (e1)  ", 0), 0u);
}

TEST_F(calculatorwindow, rightClickOpensTheMenuAndItsCommandsReachTheModel)
{
    shell::ResultsView *frame = nullptr;
    QAction *copy = nullptr;
    QAction *mm = nullptr;
    QAction *cm = nullptr;
    QAction *format = nullptr;
    ASSERT_TRUE(find("Frame2", frame));
    ASSERT_TRUE(find("m10_2", copy));
    ASSERT_TRUE(find("m1015_0", mm));
    ASSERT_TRUE(find("m1015_1", cm));
    ASSERT_TRUE(find("m1010_1", format));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), frame->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(frame, &event);
    EXPECT_TRUE(window->mainMenu()->isVisible());
    window->mainMenu()->hide();

    copy->trigger();
    EXPECT_EQ(platform.clipboard, window->model().resultsText());
    EXPECT_EQ(platform.clipboard.rfind("断面積 (A) \t1.000e+02 mm^2\r\n", 0), 0u);

    cm->trigger();
    EXPECT_EQ(frame->row(0).unit, QStringLiteral("cm^2"));
    EXPECT_TRUE(cm->isChecked());
    EXPECT_FALSE(mm->isChecked());

    format->trigger();
    EXPECT_EQ(value(2), QStringLiteral("0.0833333333333333"));  // 833.333 mm^4: the same bar in cm
}

TEST_F(calculatorwindow, theKeyboardOpensTheMenuToo)
{
    QLineEdit *a = nullptr;
    ASSERT_TRUE(find("Text1_0", a));
    a->setFocus();
    QTest::keyClick(window.get(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(window->mainMenu()->isVisible());
    window->mainMenu()->hide();
}

TEST_F(calculatorwindow, helpWithoutItsDocumentSaysSo)
{
    QPushButton *help = nullptr;
    ASSERT_TRUE(find("Label1_1", help));
    platform.openSucceeds = false;
    QTest::mouseClick(help, Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "profilor.pdf : Reference File open error ! ");
    EXPECT_EQ(platform.messages[0].title, "Message");
    EXPECT_EQ(platform.openedPaths[0], platform.folder + "/profilor.pdf");
}

}  // namespace

namespace {

// A Beams window: the force unit beside the length unit, a refused input marked with its reason
// and the results greyed until it is mended, a text read by its leading number marked, the case
// and its rows explained in words.
class beamsCalculatorWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<shell::CalculatorWindow>(*registry::find("Beams"), &platform);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    template <typename W>::testing::AssertionResult find(const char *name, W *&widget)
    {
        widget = window->findChild<W *>(QString::fromLatin1(name));
        if (!widget)
            return ::testing::AssertionFailure() << "no control " << name;
        return ::testing::AssertionSuccess();
    }

    shell::testing::RecordingPlatform platform;
    std::unique_ptr<shell::CalculatorWindow> window;
};

TEST_F(beamsCalculatorWindow, forceUnitConvertsBesideTheLengthUnit)
{
    QAction *kN = nullptr;
    QAction *N = nullptr;
    QAction *m = nullptr;
    QLineEdit *load = nullptr;
    QLabel *caption = nullptr;
    shell::ResultsView *results = nullptr;
    ASSERT_TRUE(find("m1015_5", kN));
    ASSERT_TRUE(find("m1015_4", N));
    ASSERT_TRUE(find("m1015_2", m));
    ASSERT_TRUE(find("Text1_0", load));
    ASSERT_TRUE(find("F1L_0", caption));
    ASSERT_TRUE(find("Frame2", results));
    EXPECT_TRUE(N->isChecked());
    kN->trigger();
    m->trigger();
    EXPECT_TRUE(kN->isChecked());
    EXPECT_FALSE(N->isChecked());
    EXPECT_EQ(load->text(), QStringLiteral("0.1"));  // 100 N
    EXPECT_TRUE(caption->text().contains(QStringLiteral("kN")));
    EXPECT_EQ(results->row(2).unit, QStringLiteral("kN･m"));
}

TEST_F(beamsCalculatorWindow, refusedInputIsMarkedAndTheResultsGreyedUntilMended)
{
    QLineEdit *span = nullptr;
    QLineEdit *load = nullptr;
    QLineEdit *x2 = nullptr;
    shell::ResultsView *results = nullptr;
    QLabel *title = nullptr;
    ASSERT_TRUE(find("Text1_2", span));
    ASSERT_TRUE(find("Text1_0", load));
    ASSERT_TRUE(find("Text1_4", x2));
    ASSERT_TRUE(find("Frame2", results));
    ASSERT_TRUE(find("CaseTitle", title));
    EXPECT_EQ(title->text(), QStringLiteral("Beam (1): Simply supported beam, point load P at a"));
    const QPoint reaction = results->partRect(0, shell::ResultsView::Part::Check).center();
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
    QStatusBar *status = nullptr;
    ASSERT_TRUE(find("StatusBar1", status));
    load->selectAll();
    QTest::keyClicks(load, QStringLiteral("1,5"));
    EXPECT_EQ(status->currentMessage().toStdString(), "P read as 1: the text after the number is ignored");
    QTest::keyClick(load, Qt::Key_Backspace);
    QTest::keyClick(load, Qt::Key_Backspace);
    EXPECT_EQ(status->currentMessage().toStdString(), "");
}

// A row that cannot be computed says why in its empty field's tooltip and on the status line.
TEST_F(beamsCalculatorWindow, anEmptyRowSaysWhyInItsTooltipAndTheStatusLine)
{
    QLineEdit *load = nullptr;
    shell::ResultsView *results = nullptr;
    QStatusBar *status = nullptr;
    ASSERT_TRUE(find("Text1_0", load));
    ASSERT_TRUE(find("Frame2", results));
    ASSERT_TRUE(find("StatusBar1", status));
    load->setFocus();
    load->selectAll();
    QTest::keyClicks(load, QStringLiteral("1e305"));
    const QString why = QStringLiteral("too large to compute: a step of its formula goes beyond 1.8e308");
    EXPECT_EQ(results->toolTipAt(results->partRect(4, shell::ResultsView::Part::Value).center()), why);
    EXPECT_EQ(results->toolTipAt(results->partRect(3, shell::ResultsView::Part::Value).center()), QString());
    EXPECT_EQ(status->currentMessage(), QStringLiteral("Mmax, σmax: ") + why);
    QTest::keyClick(load, Qt::Key_Backspace);  // 1e30
    EXPECT_EQ(results->toolTipAt(results->partRect(4, shell::ResultsView::Part::Value).center()), QString());
    EXPECT_EQ(status->currentMessage(), QString());
}

// In "Rahmen (3)" a + b = l: typing a moves b on the screen and the status bar says so; an a
// that would leave b negative is refused and marked, b keeps its number.
TEST(rahmenCalculatorWindow, thePartnerOfATypedPositionFollowsOnScreen)
{
    shell::testing::RecordingPlatform platform;
    shell::CalculatorWindow window(*registry::find("Rahmen"), &platform);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *frame3 = window.findChild<QPushButton *>(QStringLiteral("Command1_2"));
    ASSERT_NE(frame3, nullptr);
    QTest::mouseClick(frame3, Qt::LeftButton);
    auto *a = window.findChild<QLineEdit *>(QStringLiteral("Text3_3"));
    auto *b = window.findChild<QLineEdit *>(QStringLiteral("Text3_4"));
    auto *status = window.findChild<QStatusBar *>(QStringLiteral("StatusBar1"));
    ASSERT_TRUE(a && b && status);
    a->setFocus();
    a->selectAll();
    QTest::keyClicks(a, QStringLiteral("40"));
    EXPECT_EQ(a->text(), QStringLiteral("40"));
    EXPECT_EQ(b->text(), QStringLiteral("60"));
    EXPECT_EQ(status->currentMessage(), QString::fromUtf8("b changed to 60 (b = l − a)"));
    EXPECT_TRUE(a->styleSheet().isEmpty());
    QTest::keyClick(a, Qt::Key_0);  // 400
    EXPECT_EQ(b->text(), QStringLiteral("60"));
    EXPECT_FALSE(a->styleSheet().isEmpty());
    EXPECT_TRUE(b->styleSheet().isEmpty());
    EXPECT_EQ(status->currentMessage(),
              QString::fromUtf8("Please check command entry  #4 : b = l − a would be negative"));
}

}  // namespace
