// The member editor in the Member window: the keyboard alone types a member (Tab from cell to
// cell, typing, Insert, Delete, Ctrl+Up/Down, Alt+Up/Down), the wheel steps the current cell, a
// refused cell is marked with its reason, and every gesture reaches the rows.

#include "shell/qt/membereditor.h"
#include "shell/qt/tests/shownwindow.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

std::string cell(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text().toStdString() : std::string("(none)");
}

// Types `text` into the current cell and takes it with Tab, as a user does.
void type(QTableWidget *table, const QString &text)
{
    // The first key opens the cell's editor, which takes the focus and the keys after it.
    for (const QChar c : text) {
        QWidget *focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : table, c.toLatin1());
    }
    QWidget *focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : table, Qt::Key_Tab);
}

TEST(memberEditor, theKeyboardAloneTypesAMemberAndItsRowsFollow)
{
    ShownWindow w("Member");
    auto *supports = w.get<QTableWidget>("Supports");
    auto *tabs = w.get<shell::MemberEditor>("MemberEditor");
    tabs->setCurrentIndex(shell::SupportTable);
    supports->setFocus();
    supports->setCurrentCell(2, 0);

    // Insert adds a fourth support after the third; typed x and kind make it a fixed end.
    QTest::keyClick(supports, Qt::Key_Insert);
    ASSERT_EQ(supports->rowCount(), 4);
    EXPECT_EQ(supports->currentRow(), 3);
    type(supports, QStringLiteral("4500"));
    type(supports, QStringLiteral("f"));
    EXPECT_EQ(w.model().memberTables().tables[shell::SupportTable][3][0], "4500");
    EXPECT_EQ(w.model().memberTables().tables[shell::SupportTable][3][1], "f");
    EXPECT_FALSE(w.model().lastRejected()) << w.model().statusText();
    EXPECT_EQ(w.results()->row(0).caption.toStdString(), "反力 (R1)");
    bool moment = false;
    for (int r = 0; r < w.results()->rowCount(); ++r)
        moment = moment || w.results()->row(r).caption == QStringLiteral("反力モーメント (MR4)");
    EXPECT_TRUE(moment);

    // Ctrl+Up moves it above the third; Alt+Up steps its x by a hundredth of the length rounded up
    // to 1, 2 or 5 × 10^n (6000 / 100 = 60: 100), two wheel notches down by two steps.
    supports->setCurrentCell(3, 0);
    QTest::keyClick(supports, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(supports->currentRow(), 2);
    EXPECT_EQ(cell(supports, 2, 0), "4500");
    QTest::keyClick(supports, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(cell(supports, 2, 0), "4600");
    QWheelEvent down(QPointF(5, 5), supports->viewport()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -240),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(supports->viewport(), &down);
    EXPECT_EQ(cell(supports, 2, 0), "4400");

    // A support off the member is marked with its reason; Delete removes it and the mark goes.
    supports->setCurrentCell(2, 0);
    type(supports, QStringLiteral("7000"));
    ASSERT_TRUE(w.model().lastRejected());
    EXPECT_EQ(supports->item(2, 0)->toolTip().toStdString(), w.model().rejectionReason());
    EXPECT_NE(supports->item(2, 0)->background(), supports->item(1, 0)->background());
    EXPECT_NE(w.status().indexOf(QStringLiteral("Please check Supports")), -1) << w.status().toStdString();
    supports->setCurrentCell(2, 0);
    QTest::keyClick(supports, Qt::Key_Delete);
    EXPECT_EQ(supports->rowCount(), 3);
    EXPECT_FALSE(w.model().lastRejected());
    EXPECT_EQ(supports->item(1, 0)->background(), QBrush());

    // With the supports gone but one roller the member can move: the tab says why.
    supports->setCurrentCell(0, 0);
    QTest::keyClick(supports, Qt::Key_Delete);
    QTest::keyClick(supports, Qt::Key_Delete);
    EXPECT_TRUE(w.model().lastRejected());
    EXPECT_TRUE(tabs->tabText(shell::SupportTable).startsWith(QStringLiteral("\u26a0")));
    EXPECT_FALSE(tabs->tabToolTip(shell::SupportTable).isEmpty());
}

}  // namespace

// A floor beam's study with the keyboard: Ctrl+Tab reaches the Combinations table, a factor typed
// there changes the envelope row that names the combination, and the Influence switch shows the
// line of the quantity chosen in its list.
TEST(memberEditor, theKeyboardReachesTheCombinationsAndTheViewsOfTheStudy)
{
    ShownWindow w("Member");
    auto *tabs = w.get<shell::MemberEditor>("MemberEditor");
    auto *supports = w.get<QTableWidget>("Supports");
    supports->setFocus();
    for (int k = 0; k < shell::CombinationTable; ++k)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(tabs->currentIndex(), shell::CombinationTable);
    auto *combinations = w.get<QTableWidget>("Combinations");
    combinations->setFocus();
    combinations->setCurrentCell(0, 1);
    type(combinations, QStringLiteral("1.2 G + 1.6 Q"));
    EXPECT_EQ(w.model().memberTables().tables[shell::CombinationTable][0][1], "1.2 G + 1.6 Q");
    bool named = false;
    for (int r = 0; r < w.results()->rowCount(); ++r)
        named = named || w.results()->row(r).meaning.contains(QStringLiteral("ULS (1.2 G + 1.6 Q)"));
    EXPECT_TRUE(named);

    QTest::keyClick(w.get<QPushButton>("ChartSwitch_2"), Qt::Key_Space);
    EXPECT_EQ(w.model().chartArea(), shell::ChartArea::Influence);
    auto *choice = w.get<QComboBox>("InfluenceOf");
    ASSERT_TRUE(choice->isVisible());
    const int r2 = choice->findText(QStringLiteral("Influence line of R2"));
    ASSERT_GE(r2, 0);
    choice->setFocus();
    for (int k = choice->currentIndex(); k < r2; ++k)
        QTest::keyClick(choice, Qt::Key_Down);
    EXPECT_EQ(shell::influenceKey(w.model().influenceChoice()), "R2");
    EXPECT_NEAR(w.model().diagrams().members[0].curves[0].values(3000), 1.0, 1e-9);
}
