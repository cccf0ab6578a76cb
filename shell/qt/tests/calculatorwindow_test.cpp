// The real window, driven offscreen with QTest gestures: that a gesture reaches the model and
// the model's answer comes back to the widgets. Widgets are found by their object names.

#include "beams.h"
#include "buckling.h"
#include "calculatorwindow.h"
#include "cantilever.h"
#include "profilor.h"
#include "rahmen.h"
#include "sketchpainter.h"
#include "recordingplatform.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<shell::CalculatorWindow>(profilor::program(), &platform);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    template <typename W> W *find(const char *name)
    {
        W *widget = window->findChild<W *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    shell::testing::RecordingPlatform platform;
    std::unique_ptr<shell::CalculatorWindow> window;
};

TEST_F(WindowTest, eachKeystrokeRecomputesOnceAndKeepsTheCursor)
{
    QLineEdit *a = find<QLineEdit>("Text1_0");
    a->setFocus();
    a->setCursorPosition(1);  // between "1" and "0"
    const int before = window->model().computeCount();
    QTest::keyClick(a, Qt::Key_2);
    EXPECT_EQ(window->model().computeCount(), before + 1);
    EXPECT_EQ(a->text(), QStringLiteral("120"));
    EXPECT_EQ(a->cursorPosition(), 2);
    EXPECT_EQ(find<QLineEdit>("Tx_0")->text(), QStringLiteral("1.200e+03"));
    EXPECT_EQ(find<QLineEdit>("Tx_0")->alignment() & Qt::AlignRight, Qt::AlignRight);
}

TEST_F(WindowTest, clearingAnInputShowsTheEntryErrorAndKeepsTheResults)
{
    QLineEdit *b = find<QLineEdit>("Text1_1");
    b->setFocus();
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Delete);
    auto *status = find<QStatusBar>("StatusBar1");
    EXPECT_TRUE(status->isVisible());
    EXPECT_EQ(status->currentMessage(), QStringLiteral("Please check command entry  #2"));
    EXPECT_EQ(find<QLineEdit>("Tx_0")->text(), QStringLiteral("1.000e+02"));
    EXPECT_EQ(platform.beeps, 1);
}

TEST_F(WindowTest, aScrollBarClickStepsItsInput)
{
    QScrollBar *scroll = find<QScrollBar>("HScroll1_0");
    // A click on the right arrow: focus first, then one step of 1 from the input's own value.
    QTest::mouseClick(scroll, Qt::LeftButton, {}, QPoint(scroll->width() - 4, scroll->height() / 2));
    EXPECT_EQ(find<QLineEdit>("Text1_0")->text(), QStringLiteral("11"));
    QTest::mouseClick(scroll, Qt::LeftButton, {}, QPoint(scroll->width() - 4, scroll->height() / 2));
    EXPECT_EQ(find<QLineEdit>("Text1_0")->text(), QStringLiteral("12"));
    // Typing into another input and coming back starts from the value shown, not a stale base.
    QLineEdit *b = find<QLineEdit>("Text1_1");
    b->setFocus();
    b->selectAll();
    QTest::keyClicks(b, QStringLiteral("40"));
    QScrollBar *other = find<QScrollBar>("HScroll1_1");
    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(4, other->height() / 2));
    EXPECT_EQ(b->text(), QStringLiteral("39"));
}

TEST_F(WindowTest, caseButtonsShowTheirFrameAndRows)
{
    QTest::mouseClick(find<QPushButton>("Command1_7"), Qt::LeftButton);
    EXPECT_TRUE(find<QGroupBox>("Frame1_7")->isVisible());
    EXPECT_FALSE(find<QGroupBox>("Frame1_0")->isVisible());
    EXPECT_TRUE(find<QCheckBox>("Check1_6")->isVisible());
    EXPECT_EQ(find<QCheckBox>("Check1_6")->text(), QStringLiteral("断面係数 (Z2)"));
    QTest::mouseClick(find<QPushButton>("Command1_2"), Qt::LeftButton);
    EXPECT_FALSE(find<QCheckBox>("Check1_6")->isVisible());
    EXPECT_EQ(find<QLabel>("Label5_2")->text(), QStringLiteral("mm^4"));
}

TEST_F(WindowTest, uncheckingARowTakesItOffTheChart)
{
    QCheckBox *first = find<QCheckBox>("Check1_0");
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(6, first->height() / 2));
    EXPECT_FALSE(first->isChecked());
    EXPECT_EQ(window->model().chartPoints().size(), 4u);
    EXPECT_EQ(window->model().selectPoint(0).rfind("重心距離 (e1)  ", 0), 0u);
}

TEST_F(WindowTest, rightClickOpensTheMenuAndItsCommandsReachTheModel)
{
    auto *frame = find<QGroupBox>("Frame2");
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), frame->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(frame, &event);
    EXPECT_TRUE(window->mainMenu()->isVisible());
    window->mainMenu()->hide();

    window->findChild<QAction *>(QStringLiteral("m10_2"))->trigger();
    EXPECT_EQ(platform.clipboard, window->model().resultsText());
    EXPECT_EQ(platform.clipboard.rfind("断面積 (A) \t1.000e+02 mm^2\r\n", 0), 0u);

    window->findChild<QAction *>(QStringLiteral("m1015_1"))->trigger();
    EXPECT_EQ(find<QLabel>("Label5_0")->text(), QStringLiteral("cm^2"));
    EXPECT_TRUE(window->findChild<QAction *>(QStringLiteral("m1015_1"))->isChecked());
    EXPECT_FALSE(window->findChild<QAction *>(QStringLiteral("m1015_0"))->isChecked());

    window->findChild<QAction *>(QStringLiteral("m1010_1"))->trigger();
    EXPECT_EQ(find<QLineEdit>("Tx_2")->text(), QStringLiteral("833.333333333333"));
}

TEST_F(WindowTest, theKeyboardOpensTheMenuToo)
{
    find<QLineEdit>("Text1_0")->setFocus();
    QTest::keyClick(window.get(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(window->mainMenu()->isVisible());
    window->mainMenu()->hide();
}

TEST_F(WindowTest, helpWithoutItsDocumentSaysSo)
{
    platform.openSucceeds = false;
    QTest::mouseClick(find<QPushButton>("Label1_1"), Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "profilor.pdf : Reference File open error ! ");
    EXPECT_EQ(platform.messages[0].title, "Message");
    EXPECT_EQ(platform.openedPaths[0], platform.folder + "/profilor.pdf");
}

}  // namespace

// Every case picture of every program paints without asserting and shows something, at the
// window's picture size and at a page's size, for the start values and for inputs that make no
// drawable member (zero everywhere).
TEST(caseSketches, everyCaseOfEveryProgramPaints)
{
    const shell::Program *programs[] = {&beams::program(), &cantilever::program(), &rahmen::program(),
                                        &buckling::program(), &profilor::program()};
    for (const shell::Program *program : programs) {
        for (const shell::CaseDef &c : program->cases) {
            ASSERT_TRUE(c.sketch) << program->name << " " << c.caption;
            for (const auto &inputs : {shell::startValues(c), std::vector<double>(c.inputs.size(), 0.0)}) {
                for (const QSize size : {QSize(140, 170), QSize(700, 500)}) {
                    QImage image(size, QImage::Format_RGB32);
                    image.fill(Qt::white);
                    QPainter painter(&image);
                    shell::paintSketch(painter, QRectF(QPointF(0, 0), QSizeF(size)), c.sketch(inputs));
                    painter.end();
                    int marked = 0;
                    for (int y = 0; y < size.height(); y += 2)
                        for (int x = 0; x < size.width(); x += 2)
                            marked += image.pixel(x, y) != qRgb(255, 255, 255);
                    EXPECT_GT(marked, 40) << program->name << " " << c.caption;
                }
            }
        }
    }
}
