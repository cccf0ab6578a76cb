// The result rows painted by one widget: the control names read as rows and parts, the
// keyboard (a tab stop per row, Space ticks, Ctrl+A and Ctrl+C copy a value), the mouse, what a
// screen reader finds, values drawn whole at the right of their fields, greyed when stale, and
// a new value repainting only its own field.

#include "shell/qt/resultsview.h"
#include "shell/qt/tests/paintrecorder.h"
#include "shell/qt/tests/shownwindow.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using shell::ResultsView;
using Part = shell::ResultsView::Part;

// --- control names as rows and parts ---

TEST(resultsPartNames, controlNamesReadAsRowAndPart)
{
    const struct {
        const char *name;
        bool valid;
        int row;
        Part part;
    } table[] = {{"Check1_3", true, 3, Part::Check},    {"Tx_0", true, 0, Part::Value},
                 {"Tx_12", true, 12, Part::Value},      {"Label5_9", true, 9, Part::Unit},
                 {"Largest_5", true, 5, Part::Largest}, {"Range_0", true, 0, Part::Range},
                 {"Tx3", false, 0, Part::Value},        {"Check1_", false, 0, Part::Check},
                 {"Text1_0", false, 0, Part::Value},    {"Label5_2x", false, 0, Part::Unit}};
    for (const auto &c : table) {
        SCOPED_TRACE(c.name);
        int row = -1;
        Part part = Part::Unit;
        ASSERT_EQ(ResultsView::partNamed(QString::fromLatin1(c.name), row, part), c.valid);
        if (c.valid) {
            EXPECT_EQ(row, c.row);
            EXPECT_EQ(part, c.part);
        }
    }
}

// --- one view with three rows, between two buttons ---

class results : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&form);
        before = new QPushButton(QStringLiteral("before"));
        view = new ResultsView;
        after = new QPushButton(QStringLiteral("after"));
        layout->addWidget(before);
        layout->addWidget(view, 1);
        layout->addWidget(after);
        view->setLongestValue(QStringLiteral("-8.888e+300"));
        view->setRows(rows);
        form.resize(420, 260);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    // The darkest pixel inside part of row r, as a grey level (0 black, 255 white).
    int darkest(int r, Part part)
    {
        const QImage image = view->grab().toImage();
        const QRect inside = view->partRect(r, part).adjusted(1, 1, -1, -1);
        int least = 255;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                least = std::min(least, qGray(image.pixel(x, y)));
        return least;
    }

    std::vector<ResultsView::Row> rows{
        {QStringLiteral("反力 (RA)"), QStringLiteral("-8.888e+300"), QStringLiteral("N"),
         QStringLiteral("upward reaction at A"), true},
        {QStringLiteral("反力 (RB)"), QStringLiteral("5.000e+01"), QStringLiteral("N"), QString(), false},
        {QStringLiteral("最大曲げ (Mmax)"), QString(), QStringLiteral("N･mm"), QString(), true},
    };
    QWidget form;
    QPushButton *before = nullptr;
    ResultsView *view = nullptr;
    QPushButton *after = nullptr;
};

TEST_F(results, tabStopsAtEveryRowThenLeaves)
{
    before->setFocus(Qt::TabFocusReason);
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(view->hasFocus());
    EXPECT_EQ(view->currentRow(), 0);
    QTest::keyClick(view, Qt::Key_Tab);
    EXPECT_EQ(view->currentRow(), 1);
    QTest::keyClick(view, Qt::Key_Tab);
    EXPECT_EQ(view->currentRow(), 2);
    QTest::keyClick(view, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    QTest::keyClick(after, Qt::Key_Backtab);
    ASSERT_TRUE(view->hasFocus());
    EXPECT_EQ(view->currentRow(), 2);
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_EQ(view->currentRow(), 1);
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_EQ(view->currentRow(), 2);
    QTest::keyClick(view, Qt::Key_Home);
    EXPECT_EQ(view->currentRow(), 0);
}

TEST_F(results, spaceAndAClickOnTheBoxAskToTurnTheTickOver)
{
    QSignalSpy toggled(view, &ResultsView::tickToggled);
    view->setFocus(Qt::TabFocusReason);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Space);
    ASSERT_EQ(toggled.count(), 1);
    EXPECT_EQ(toggled[0][0].toInt(), 1);
    EXPECT_TRUE(toggled[0][1].toBool());  // row 1 is not ticked: it asks for the tick
    // on the caption too, as on a check box; a click on a value or a unit ticks nothing
    QTest::mouseClick(view, Qt::LeftButton, {}, view->partRect(0, Part::Check).center());
    ASSERT_EQ(toggled.count(), 2);
    EXPECT_EQ(toggled[1][0].toInt(), 0);
    EXPECT_FALSE(toggled[1][1].toBool());
    QTest::mouseClick(view, Qt::LeftButton, {}, view->partRect(2, Part::Value).center());
    QTest::mouseClick(view, Qt::LeftButton, {}, view->partRect(2, Part::Unit).center());
    EXPECT_EQ(toggled.count(), 2);
    // stale rows tick nothing
    view->setEnabled(false);
    view->toggle(0);
    EXPECT_EQ(toggled.count(), 2);
}

TEST_F(results, aClickedValueIsSelectedAndCopied)
{
    QSignalSpy copied(view, &ResultsView::valueCopied);
    QTest::mouseClick(view, Qt::LeftButton, {}, view->partRect(1, Part::Value).center());
    EXPECT_EQ(view->selectedRow(), 1);
    EXPECT_EQ(view->currentRow(), 1);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(copied.count(), 1);
    EXPECT_EQ(copied[0][0].toString(), QStringLiteral("5.000e+01"));
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(view->selectedRow(), -1);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copied.count(), 1);  // nothing selected: the window's copy of all rows takes it
}

TEST_F(results, screenReadersFindEachRowsBoxAndValue)
{
    QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(view);
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->childCount(), 6);
    QAccessibleInterface *box = frame->child(0);
    QAccessibleInterface *value = frame->child(1);
    EXPECT_EQ(box->role(), QAccessible::CheckBox);
    EXPECT_EQ(box->text(QAccessible::Name), QStringLiteral("反力 (RA)"));
    EXPECT_EQ(box->text(QAccessible::Description), QStringLiteral("upward reaction at A"));
    EXPECT_TRUE(box->state().checked);
    EXPECT_FALSE(frame->child(2)->state().checked);
    EXPECT_EQ(value->text(QAccessible::Name), QStringLiteral("反力 (RA), value"));
    EXPECT_EQ(value->text(QAccessible::Value), QStringLiteral("-8.888e+300 N"));
    EXPECT_EQ(frame->child(5)->text(QAccessible::Value), QString());  // a value that cannot be computed
    EXPECT_EQ(frame->indexOfChild(value), 1);
    EXPECT_EQ(frame->child(3)->parent(), frame);
    // the parts stand where the rows are painted
    EXPECT_EQ(value->rect().topLeft(), view->mapToGlobal(view->partRect(0, Part::Value).topLeft()));
    EXPECT_EQ(frame->childAt(value->rect().center().x(), value->rect().center().y()), value);

    view->setFocus(Qt::TabFocusReason);
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(frame->focusChild(), frame->child(2));
    EXPECT_TRUE(frame->child(2)->state().focused);

    QSignalSpy toggled(view, &ResultsView::tickToggled);
    QAccessibleActionInterface *action = frame->child(4)->actionInterface();
    ASSERT_NE(action, nullptr);
    action->doAction(QAccessibleActionInterface::toggleAction());
    ASSERT_EQ(toggled.count(), 1);
    EXPECT_EQ(toggled[0][0].toInt(), 2);

    // fewer rows: the parts of the rows gone are no longer valid
    QAccessibleInterface *lastValue = frame->child(5);
    view->setRows({rows[0]});
    EXPECT_EQ(frame->childCount(), 2);
    EXPECT_TRUE(box->isValid());
    EXPECT_FALSE(lastValue->isValid());
}

TEST_F(results, valuesStandWholeAtTheRightOfTheirFieldsAndGreyWhenStale)
{
    const QImage image = view->grab().toImage();
    const QRect field = view->partRect(0, Part::Value);
    // the columns of the field that hold ink of the text
    int first = -1;
    int last = -1;
    for (int x = field.left() + 1; x < field.right(); ++x)
        for (int y = field.top() + 2; y < field.bottom() - 1; ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
    ASSERT_GE(first, 0);
    EXPECT_GT(first, field.left() + 1);  // all of it inside the field: nothing cut at the left
    EXPECT_GE(last, field.right() - 8);  // at the right edge, inside the padding
    EXPECT_LT(last, field.right());

    const int ink = darkest(0, Part::Value);
    view->setEnabled(false);
    EXPECT_GT(darkest(0, Part::Value), ink + 40);
    EXPECT_EQ(view->toolTipAt(field.center()), QStringLiteral("Results of the last accepted input"));
}

TEST_F(results, aNewValueRepaintsOnlyItsField)
{
    PaintRecorder recorder;
    view->installEventFilter(&recorder);
    std::vector<ResultsView::Row> next = rows;
    next[1].text = QStringLiteral("5.100e+01");
    EXPECT_FALSE(view->setRows(next));  // the same widths
    QApplication::processEvents();
    EXPECT_EQ(recorder.painted, QRegion(view->partRect(1, Part::Value)));

    recorder.painted = QRegion();
    next[2].caption = QStringLiteral("最大曲げモーメント (Mmax)");
    EXPECT_TRUE(view->setRows(next));  // a longer caption: other widths, all of it again
    QApplication::processEvents();
    EXPECT_EQ(recorder.painted, QRegion(view->rect()));
}

// In the window: a keystroke repaints the values, not the case buttons or the frames.
TEST(resultsInTheWindow, aKeystrokeRepaintsTheValuesAndNotTheCaseButtons)
{
    ShownWindow w("Beams");
    QApplication::processEvents();
    auto *input = w.get<QLineEdit>("Text1_0");
    ResultsView *results = w.results();
    auto *button = w.get<QPushButton>("Command1_3");
    PaintRecorder onResults;
    PaintRecorder onButton;
    results->installEventFilter(&onResults);
    button->installEventFilter(&onButton);
    input->setFocus();
    input->end(false);
    QTest::keyClick(input, Qt::Key_1);
    QApplication::processEvents();
    EXPECT_TRUE(onButton.painted.isEmpty());
    QRegion values;
    for (int r = 0; r < results->rowCount(); ++r)
        values += QRegion(results->partRect(r, Part::Value)) + results->partRect(r, Part::Largest);
    EXPECT_FALSE(onResults.painted.isEmpty());
    EXPECT_TRUE((onResults.painted - values).isEmpty());
}

// Types `text` over the whole of an input, as a user would.
void typeInto(QLineEdit *input, const QString &text)
{
    input->setFocus();
    input->selectAll();
    QTest::keyClicks(input, text);
    QApplication::processEvents();
}

// A part of the results found by its control name.
QRect partNamed(const ResultsView *results, const char *name)
{
    int r = -1;
    Part part = Part::Check;
    return ResultsView::partNamed(QString::fromLatin1(name), r, part) ? results->partRect(r, part) : QRect();
}

// Beam (1): the deflection under the load is not the member's largest, which stands under the
// row in a line of its own, clear of every other row, and is read out with the value.
TEST(resultsInTheWindow, theMembersLargestStandsUnderTheRowThatIsNotIt)
{
    ShownWindow w("Beams");
    ResultsView *results = w.results();
    ASSERT_EQ(results->rowCount(), 6);
    const QString largest = QStringLiteral("largest 2.006e-02 mm at x = 44.92 mm");
    QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(results);
    EXPECT_EQ(frame->child(11)->text(QAccessible::Value), QStringLiteral("1.765e-02 mm"));
    EXPECT_EQ(frame->child(11)->text(QAccessible::Description), largest);
    EXPECT_EQ(frame->child(9)->text(QAccessible::Description), QString());  // Mmax is the largest moment
    EXPECT_EQ(results->row(5).largest, largest);

    const QRect line = partNamed(results, "Largest_5");
    ASSERT_FALSE(line.isEmpty());
    EXPECT_TRUE(results->rect().contains(line));
    EXPECT_GE(line.top(), results->partRect(5, Part::Value).bottom());
    EXPECT_GE(line.height(), QFontMetrics(results->font()).height() * 3 / 4);  // smaller type, still legible
    for (int r = 0; r < results->rowCount(); ++r)
        for (const Part part : {Part::Check, Part::Value, Part::Unit})
            EXPECT_FALSE(line.intersects(results->partRect(r, part))) << r;
    EXPECT_TRUE(results->toolTipAt(line.center()).startsWith(largest));
    EXPECT_TRUE(partNamed(results, "Largest_4").isEmpty());  // no room kept under the largest moment

    // The load at mid-span: the deflection under it is the largest, and the line goes.
    typeInto(w.get<QLineEdit>("Text1_1"), QStringLiteral("50"));
    EXPECT_EQ(results->row(5).text, QStringLiteral("2.501e-02"));
    EXPECT_TRUE(results->row(5).largest.isEmpty());
    EXPECT_EQ(frame->child(11)->text(QAccessible::Description), QString());
}

// Buckling (6) at λ = 250: the wrought-iron line gives a negative stress, shown as computed in a
// field marked as outside the formula's range, with a mark of its own that says why.
TEST(resultsInTheWindow, aValueOutsideItsFormulasRangeIsMarked)
{
    ShownWindow w("buckling");
    QTest::mouseClick(w.get<QPushButton>("Command1_5"), Qt::LeftButton);
    ResultsView *results = w.results();
    EXPECT_TRUE(results->row(0).outsideRange.isEmpty());
    QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(results);
    EXPECT_EQ(frame->child(1)->text(QAccessible::Description), QString());

    typeInto(w.get<QLineEdit>("Text6_0"), QStringLiteral("721.5"));
    const QString reason = QStringLiteral("the wrought-iron formula holds for λ up to 112; Euler applies beyond");
    EXPECT_EQ(results->row(0).text, QStringLiteral("-1.848e+01"));
    EXPECT_EQ(results->row(0).outsideRange, reason);
    EXPECT_EQ(frame->child(1)->text(QAccessible::Value), QStringLiteral("-1.848e+01 N/mm^2"));
    EXPECT_EQ(frame->child(1)->text(QAccessible::Description),
              QStringLiteral("outside the formula's range: ") + reason);
    EXPECT_EQ(frame->child(3)->text(QAccessible::Description), QString());  // k lies in no formula's range
    const QRect mark = partNamed(results, "Range_0");
    ASSERT_FALSE(mark.isEmpty());
    EXPECT_TRUE(results->rect().contains(mark));
    EXPECT_GT(mark.left(), results->partRect(0, Part::Unit).right());
    for (int r = 0; r < results->rowCount(); ++r)
        EXPECT_FALSE(mark.intersects(results->partRect(r, Part::Check))) << r;
    const QString tip = QStringLiteral("Outside the formula's range: ") + reason;
    EXPECT_EQ(results->toolTipAt(mark.center()), tip);
    EXPECT_EQ(results->toolTipAt(results->partRect(0, Part::Value).center()), tip);

    typeInto(w.get<QLineEdit>("Text6_0"), QStringLiteral("100"));
    EXPECT_TRUE(results->row(0).outsideRange.isEmpty());
    EXPECT_TRUE(results->toolTipAt(partNamed(results, "Range_0").center()).isEmpty());
}

}  // namespace
