// The window as a keyboard user, a screen reader and a small screen find it: scroll-bar keys
// and the wheel step the input the way the arrows do, every number reads whole, the form
// scrolls below its least size, the tab order, Return and Space, the shortcuts, the radio
// groups of the menus, the accessible names and the help messages.

#include "shell/core/numbertext.h"
#include "shell/qt/tests/shownwindow.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The room a line edit has for its text: its width less its frame and the two pixels it keeps
// free on each side.
int roomFor(const QLineEdit *field)
{
    const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
    return field->width() - (2 * frame) - 4;
}

// The width a result row's check box with its caption needs: the box, the gap and the text.
int captionNeeds(const shell::ResultsView *results, int r)
{
    const QStyle *style = results->style();
    return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, results) +
           style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, results) +
           results->fontMetrics().horizontalAdvance(results->row(r).caption);
}

// --- scroll-bar keys: Right, Up and PageUp raise the input as the right arrow does ---

struct KeyStep {
    const char *name;
    Qt::Key key;
    const char *expected;  // Profilor's depth a = 10, step 1
};

class scrollBarKeys : public ::testing::TestWithParam<KeyStep>
{
};

TEST_P(scrollBarKeys, moveTheInputTheWayTheArrowsDo)
{
    ShownWindow w("Profilor");
    auto *bar = w.get<QScrollBar>("HScroll1_0");
    bar->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(bar->hasFocus());
    QTest::keyClick(bar, GetParam().key);
    EXPECT_EQ(w.text("Text1_0"), QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(window, scrollBarKeys,
                         ::testing::Values(KeyStep{"right", Qt::Key_Right, "11"}, KeyStep{"up", Qt::Key_Up, "11"},
                                           KeyStep{"pageUp", Qt::Key_PageUp, "11"}, KeyStep{"left", Qt::Key_Left, "9"},
                                           KeyStep{"down", Qt::Key_Down, "9"},
                                           KeyStep{"pageDown", Qt::Key_PageDown, "9"},
                                           KeyStep{"home", Qt::Key_Home, "-990"}, KeyStep{"end", Qt::Key_End, "1010"}),
                         [](const ::testing::TestParamInfo<KeyStep> &step) { return std::string(step.param.name); });

// --- the wheel: one notch is one step, up raises, over the field or its bar ---

void turnWheel(QWidget *widget, int eighths)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, eighths), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

TEST(window, aWheelNotchStepsTheInputOverItsFieldAndItsBar)
{
    ShownWindow w("Profilor");
    auto *field = w.get<QLineEdit>("Text1_0");
    auto *bar = w.get<QScrollBar>("HScroll1_0");
    field->setFocus();
    turnWheel(field, 120);
    EXPECT_EQ(w.text("Text1_0"), QStringLiteral("11"));
    EXPECT_TRUE(field->hasFocus());  // the field keeps the focus
    turnWheel(bar, -240);
    EXPECT_EQ(w.text("Text1_0"), QStringLiteral("9"));
    // half notches of a fine wheel add up to one
    turnWheel(field, 60);
    EXPECT_EQ(w.text("Text1_0"), QStringLiteral("9"));
    turnWheel(field, 60);
    EXPECT_EQ(w.text("Text1_0"), QStringLiteral("10"));
    // with the focus on the bar the positions go on from its base, as clicks on its arrow do
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    turnWheel(bar, 120);
    EXPECT_EQ(bar->value(), 2);
    EXPECT_EQ(w.text("Text1_0"), QStringLiteral("12"));
}

// --- every number reads whole ---

// The fields are as wide as the longest texts the program writes into them: inputs as Reset
// and a unit change write them, steps, results in either format; in every case of every program.
TEST(window, fieldsHoldTheLongestTextsWhole)
{
    const QString longestInput = QString::fromStdString(shell::FormatLargeValue(-1.2345e300));
    const QString longestStep = QString::fromStdString(shell::FormatLargeStep(-1.25e300));
    const QString longestResult[] = {QString::fromStdString(shell::resultText(-1.234e300)),
                                     QString::fromStdString(shell::generalText(-1.23456789012345e-300))};
    ASSERT_EQ(longestResult[1].size(), 22);
    for (const shell::Program *program : registry::programs()) {
        ShownWindow w(program->name.c_str());
        for (int format = 0; format < 2; ++format) {
            for (int i = 0; i < program->caseCount(); ++i) {
                w.window->model().selectCase(i);
                w.window->refresh();
                const shell::CaseDef &c = program->cases[static_cast<std::size_t>(i)];
                const int n = i + 1;
                for (int k = 0; k < c.inputCount(); ++k) {
                    const auto *value = w.window->findChild<QLineEdit *>(QStringLiteral("Text%1_%2").arg(n).arg(k));
                    const auto *step =
                        w.window->findChild<QLineEdit *>(QStringLiteral("Text%1_%2").arg(n).arg(c.inputCount() + k));
                    ASSERT_TRUE(value && step);
                    EXPECT_GE(roomFor(value), value->fontMetrics().horizontalAdvance(longestInput))
                        << program->name << " " << c.caption << " input " << k;
                    EXPECT_GE(roomFor(step), step->fontMetrics().horizontalAdvance(longestStep))
                        << program->name << " " << c.caption << " step " << k;
                }
                const shell::ResultsView *results = w.results();
                ASSERT_EQ(results->rowCount(), w.window->model().resultCount());
                for (int r = 0; r < results->rowCount(); ++r)
                    EXPECT_GE(results->valueTextRect(r).width(),
                              results->fontMetrics().horizontalAdvance(longestResult[format]))
                        << program->name << " " << c.caption << " row " << r << " format " << format;
            }
            w.window->findChild<QAction *>(QStringLiteral("m1010_1"))->trigger();
        }
    }
}

// A beam's deflection unformatted: all 15 digits show; a text longer than its field (typed)
// shows from its first character once the field is left, its tooltip giving all of it.
TEST(window, numbersReadFromTheirFirstCharacter)
{
    ShownWindow w("Beams");
    w.window->findChild<QAction *>(QStringLiteral("m1010_1"))->trigger();  // plain results
    const shell::ResultsView *results = w.results();
    EXPECT_EQ(results->row(5).text, QStringLiteral("0.0176470588235294"));
    EXPECT_GE(results->valueTextRect(5).width(), results->fontMetrics().horizontalAdvance(results->row(5).text));

    auto *modulus = w.get<QLineEdit>("Text1_5");
    modulus->setFocus();
    modulus->selectAll();
    const QString typed = QStringLiteral("100000.000000000000000000001");
    QTest::keyClicks(modulus, typed);
    ASSERT_LT(roomFor(modulus), modulus->fontMetrics().horizontalAdvance(typed));
    w.get<QLineEdit>("Text1_0")->setFocus();
    EXPECT_EQ(modulus->cursorPosition(), 0);
    EXPECT_TRUE(modulus->toolTip().contains(typed)) << modulus->toolTip().toStdString();

    // after a unit change E is written as 1E+11 and shows whole
    w.window->findChild<QAction *>(QStringLiteral("m1015_2"))->trigger();  // m
    w.window->findChild<QAction *>(QStringLiteral("m1015_0"))->trigger();  // back to mm
    w.window->findChild<QAction *>(QStringLiteral("m1015_2"))->trigger();
    EXPECT_EQ(modulus->text(), QStringLiteral("1E+11"));
    EXPECT_GE(roomFor(modulus), modulus->fontMetrics().horizontalAdvance(modulus->text()));
}

// --- small and large windows ---

TEST(window, belowItsLeastSizeTheFormScrollsInsteadOfOverlapping)
{
    ShownWindow w("Beams");
    auto *area = w.get<QScrollArea>("FormScroll");
    auto *form = w.get<QWidget>("Form1");
    EXPECT_EQ(w.window->statusBar(), w.get<QStatusBar>("StatusBar1"));
    const QSize least = w.window->formMinimum();
    EXPECT_GE(least.width(), 400);
    EXPECT_GE(least.height(), 400);

    w.window->resize(400, 300);
    QApplication::processEvents();
    EXPECT_GE(form->width(), least.width());
    EXPECT_GE(form->height(), least.height());
    EXPECT_GT(area->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(area->verticalScrollBar()->maximum(), 0);
    // Help and Exit stay clear of the title, the chart inside the form
    const QRect title = w.get<QLabel>("Label3_0")->geometry();
    const QRect titleText(title.topLeft(), QSize(w.get<QLabel>("Label3_0")->sizeHint().width(), title.height()));
    EXPECT_FALSE(w.get<QPushButton>("Label1_1")->geometry().intersects(titleText));
    EXPECT_FALSE(w.get<QPushButton>("Label1_0")->geometry().intersects(titleText));
    EXPECT_LE(w.get<QWidget>("Chart1")->geometry().bottom(), form->height());
    // every result caption shows whole, and every unit inside the rows' frame
    const shell::ResultsView *results = w.results();
    ASSERT_EQ(results->rowCount(), w.window->model().resultCount());
    for (int r = 0; r < results->rowCount(); ++r) {
        EXPECT_GE(results->partRect(r, shell::ResultsView::Part::Check).width(), captionNeeds(results, r)) << r;
        const QRect unit = results->partRect(r, shell::ResultsView::Part::Unit);
        EXPECT_GE(unit.width(), results->fontMetrics().horizontalAdvance(results->row(r).unit)) << r;
        EXPECT_LT(unit.right(), results->width()) << r;
    }
}

TEST(window, inAWideWindowValuesStayNextToTheirCaptionsAndTheChartLinesUp)
{
    ShownWindow w("Beams");
    w.window->resize(1900, 1000);
    QApplication::processEvents();
    auto *form = w.get<QWidget>("Form1");
    EXPECT_GT(form->width(), w.window->formMinimum().width());
    const shell::ResultsView *results = w.results();
    for (int r = 0; r < results->rowCount(); ++r) {
        const QRect check = results->partRect(r, shell::ResultsView::Part::Check);
        const QRect value = results->partRect(r, shell::ResultsView::Part::Value);
        const int gap = value.left() - check.left() - captionNeeds(results, r);
        EXPECT_LE(gap, 200) << r;  // the widest caption of the column and a small gap
        EXPECT_GE(gap, 0) << r;
    }
    const QRect frame = results->geometry();
    const QRect chart = w.get<QWidget>("Chart1")->geometry();
    EXPECT_EQ(chart.left(), frame.left());
    EXPECT_EQ(chart.right(), frame.right());
}

// A window starts within the screen, and the size it starts with where the screen has room
// holds every case of its program (the tallest included) without scrolling.
TEST(window, theFirstSizeFitsTheScreenAndHoldsEveryCaseOfTheProgram)
{
    for (const shell::Program *program : registry::programs()) {
        ShownWindow w(program->name.c_str());
        const QRect room = w.window->screen()->availableGeometry();
        EXPECT_LE(w.window->width(), room.width()) << program->name;
        EXPECT_LE(w.window->height(), room.height()) << program->name;
        const QSize first = w.window->fittingSize();
        for (int c = 0; c < program->caseCount(); ++c) {
            w.window->model().selectCase(c);
            w.window->refresh();
            EXPECT_LE(w.window->formMinimum().height(), first.height()) << program->name << " case " << c + 1;
            EXPECT_LE(w.window->formMinimum().width(), first.width()) << program->name << " case " << c + 1;
        }
    }
}

// --- the keyboard ---

// The object names the focus goes through; a result row as the name of its check box.
std::vector<QString> tabThrough(QWidget *start, int presses)
{
    std::vector<QString> names;
    start->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < presses; ++i) {
        QWidget *focus = QApplication::focusWidget();
        if (const auto *results = qobject_cast<const shell::ResultsView *>(focus))
            names.push_back(QStringLiteral("Check1_%1").arg(results->currentRow()));
        else
            names.push_back(focus ? focus->objectName() : QStringLiteral("<none>"));
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return names;
}

TEST(window, tabGoesFromTheCasesThroughTheInputsAndResultsToTheCommands)
{
    ShownWindow w("Profilor");
    std::vector<QString> expected;
    for (int i = 0; i < 8; ++i)
        expected.push_back(QStringLiteral("Command1_%1").arg(i));
    for (const char *name : {"Text1_0", "HScroll1_0", "Text1_2", "Text1_1", "HScroll1_1", "Text1_3", "Command2"})
        expected.push_back(QString::fromLatin1(name));
    for (int r = 0; r < 5; ++r)  // one stop per row: Space ticks it, Ctrl+A and Ctrl+C copy its value
        expected.push_back(QStringLiteral("Check1_%1").arg(r));
    for (const char *name : {"ChartSwitch_0", "ChartSwitch_1", "Chart1", "Label1_1", "Label1_0", "ReferenceLink"})
        expected.push_back(QString::fromLatin1(name));
    EXPECT_EQ(tabThrough(w.get<QWidget>("Command1_0"), static_cast<int>(expected.size())), expected);
}

// The page labels switch the case buttons: the focus reaches them right after the buttons.
TEST(window, thePageLabelsFollowTheCaseButtonsAndTheFocusStartsOnTheFirstCase)
{
    ShownWindow w("Beams");
    EXPECT_EQ(QApplication::focusWidget(), w.get<QWidget>("Command1_0"));
    const std::vector<QString> names = tabThrough(w.get<QWidget>("Command1_9"), 4);
    EXPECT_EQ(names, (std::vector<QString>{QStringLiteral("Command1_9"), QStringLiteral("Label1_2"),
                                           QStringLiteral("Label1_3"), QStringLiteral("Text1_0")}));
    EXPECT_EQ(tabThrough(w.get<QWidget>("Label1_0"), 2),
              (std::vector<QString>{QStringLiteral("Label1_0"), QStringLiteral("ReferenceLink")}));
}

TEST(window, returnAndSpacePressTheFocusedButton)
{
    ShownWindow w("Profilor");
    auto *circle = w.get<QPushButton>("Command1_2");
    circle->setFocus(Qt::TabFocusReason);
    QTest::keyClick(circle, Qt::Key_Return);
    EXPECT_EQ(w.window->model().currentCase(), 2);
    EXPECT_EQ(QApplication::focusWidget(), circle);  // the focus stays where the user is
    auto *tube = w.get<QPushButton>("Command1_3");
    tube->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tube, Qt::Key_Space);
    EXPECT_EQ(w.window->model().currentCase(), 3);
    QTest::keyClick(tube, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(w.window->model().currentCase(), 3);

    auto *help = w.get<QPushButton>("Label1_1");
    help->setFocus(Qt::TabFocusReason);
    QTest::keyClick(help, Qt::Key_Return);
    EXPECT_EQ(w.platform.openedPaths.size(), 1u);
    auto *exit = w.get<QPushButton>("Label1_0");
    exit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(exit, Qt::Key_Return);
    EXPECT_EQ(w.platform.closes, 1);
}

TEST(window, shortcutsReachTheirCommands)
{
    ShownWindow w("Profilor");
    auto *button = w.get<QPushButton>("Command1_0");
    button->setFocus();
    QTest::keyClick(button, Qt::Key_F1);
    EXPECT_EQ(w.platform.openedPaths.size(), 1u);

    QTest::keyClick(button, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(w.platform.clipboard, w.window->model().resultsText());
    EXPECT_EQ(w.window->statusBar()->currentMessage(), QStringLiteral("Results copied"));

    // in an input field Ctrl+C copies the field's own selection, not the results
    w.platform.clipboard.clear();
    auto *field = w.get<QLineEdit>("Text1_0");
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(w.platform.clipboard.empty());
    // on the result rows without a selected value it copies the results, with one that value
    auto *results = w.results();
    results->setFocus(Qt::TabFocusReason);
    QTest::keyClick(results, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(w.platform.clipboard, w.window->model().resultsText());
    QTest::keyClick(results, Qt::Key_Down);
    QTest::keyClick(results, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(results, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(w.platform.clipboard, w.window->model().rows()[1].text);

    QTest::keyClick(button, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(w.platform.closes, 1);
}

// --- menus ---

TEST(window, exclusiveChoicesAreRadioGroupsAndTheMenuBarHoldsTheSameActions)
{
    ShownWindow w("Beams");
    const auto groupOf = [&](const char *name) { return w.get<QAction>(name)->actionGroup(); };
    for (const auto &names : std::vector<std::vector<const char *>>{
             {"m1015_0", "m1015_1", "m1015_2"},
             {"m1015_4", "m1015_5"},
             {"m1020_3", "m1020_4", "m1020_5", "m1020_6", "m1020_7", "m1020_8", "m1020_9", "m1020_10", "m1020_12"}}) {
        QActionGroup *group = groupOf(names.front());
        ASSERT_NE(group, nullptr) << names.front();
        EXPECT_EQ(group->exclusionPolicy(), QActionGroup::ExclusionPolicy::Exclusive);
        for (const char *name : names)
            EXPECT_EQ(groupOf(name), group) << name;
        int ticked = 0;
        for (QAction *action : group->actions())
            ticked += action->isChecked() ? 1 : 0;
        EXPECT_EQ(ticked, 1) << names.front();
    }
    w.get<QAction>("m1020_12")->trigger();  // the diagrams
    EXPECT_FALSE(w.get<QAction>("m1020_4")->isChecked());
    w.get<QAction>("m1020_5")->trigger();
    EXPECT_TRUE(w.get<QAction>("m1020_5")->isChecked());
    EXPECT_FALSE(w.get<QAction>("m1020_12")->isChecked());

    // File, Edit, View, Units, Help with mnemonics, holding the popup menu's own actions
    QStringList titles;
    for (QAction *menu : w.window->menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"), QStringLiteral("&View"),
                                   QStringLiteral("&Units"), QStringLiteral("&Help")}));
    const auto inMenu = [&](const char *menu, const char *action) {
        return w.get<QMenu>(menu)->actions().contains(w.get<QAction>(action));
    };
    EXPECT_TRUE(inMenu("MenuEdit", "m10_2"));
    EXPECT_TRUE(inMenu("MenuUnits", "m1015_1"));
    EXPECT_TRUE(inMenu("MenuUnits", "m1015_5"));
    EXPECT_TRUE(inMenu("MenuView", "m1020_7"));
    EXPECT_TRUE(inMenu("MenuView", "m1010_1"));
    EXPECT_TRUE(inMenu("MenuHelp", "HelpAction"));
    // File: the commands on calculations, then Exit below a separator
    const QList<QAction *> file = w.window->fileMenu()->actions();
    ASSERT_GE(file.size(), 2);
    EXPECT_EQ(file[file.size() - 2], w.window->fileMenuEnd());
    EXPECT_TRUE(file[file.size() - 2]->isSeparator());
    EXPECT_EQ(file.back()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(file.front()->shortcut(), QKeySequence(QKeySequence::Open));
}

// --- what a screen reader says, what the eye reads ---

TEST(window, controlsHaveAccessibleNamesFromTheirCaptions)
{
    ShownWindow w("Beams");
    const std::vector<std::pair<const char *, QString>> names = {
        {"Text1_0", QStringLiteral("P, 荷重")},
        {"HScroll1_0", QStringLiteral("P, 荷重, scroll bar")},
        {"Text1_7", QStringLiteral("P, step")},
        {"Text1_1", QStringLiteral("a, input")},
        {"Command1_0", QStringLiteral("Beam (1), Simply supported beam, point load P at a")},
    };
    for (const auto &[name, spoken] : names) {
        const auto *widget = w.get<QWidget>(name);
        EXPECT_EQ(widget->accessibleName(), spoken) << name;
    }
    // the result rows as accessible children: row 0's check box and its value
    QAccessibleInterface *rows = QAccessible::queryAccessibleInterface(w.results());
    ASSERT_NE(rows, nullptr);
    ASSERT_EQ(rows->childCount(), 2 * w.window->model().resultCount());
    EXPECT_EQ(rows->child(0)->text(QAccessible::Name), QStringLiteral("反力 (RA)"));
    EXPECT_EQ(rows->child(1)->text(QAccessible::Name), QStringLiteral("反力 (RA), value"));
    const QString tip = w.results()->toolTipAt(w.results()->partRect(0, shell::ResultsView::Part::Check).center());
    EXPECT_TRUE(tip.endsWith(QStringLiteral("\ninclude in the chart"))) << tip.toStdString();
    EXPECT_EQ(w.get<QLabel>("StepHeading_0")->text(), QStringLiteral("step"));
}

TEST(window, textOnTheProgramColourReadsOnItDarkOrLight)
{
    ShownWindow w("Beams");
    auto *banner = w.get<QLabel>("Image2");
    auto *next = w.get<QPushButton>("Label1_2");
    const struct {
        unsigned bgr;
        QColor ink;
    } table[] = {{0x00400000u, Qt::white}, {0x00200020u, Qt::white}, {0x00F0E0C0u, Qt::black}};
    for (const auto &c : table) {
        w.platform.colorToPick = c.bgr;
        w.get<QAction>("m1010_0")->trigger();
        EXPECT_EQ(banner->palette().color(QPalette::WindowText), c.ink) << std::hex << c.bgr;
        EXPECT_EQ(next->palette().color(QPalette::ButtonText), c.ink) << std::hex << c.bgr;
    }
}

TEST(window, theReferenceLinkOpensTheReferenceOrSaysWhereItIs)
{
    ShownWindow w("Beams");
    auto *link = w.get<QLabel>("ReferenceLink");
    EXPECT_TRUE(link->text().contains(QStringLiteral(">Beams.pdf</a>")));
    w.platform.openSucceeds = false;
    w.platform.noApplication = true;
    emit link->linkActivated(QStringLiteral("help"));
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].text,
              "No application to open PDF files was found. The reference is at /opt/structcalc/Beams.pdf");
    EXPECT_EQ(w.platform.messages[0].title, "Beams Message");
}

}  // namespace
