#pragma once

// The controls of the calculator form outside the case pages: the band and rules, the banner,
// the titles with the reference link, Exit, Help and the page labels, the case buttons, Reset,
// the notes, the case title, the advisory, the results frame, the chart and the diagrams with
// their switches. buildFormWidgets makes them once from the program value, in the stacking
// order they are painted in, each with the object name that tests and accessibility tools find
// it by; what they do is connected by the window, where they stand is FormLayout's.

#include <QString>

#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace shell {

// `widget` under the object name tests and automation find it by.
template <typename W> W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

// "Text1_3": the object name of a widget of kind `base` at `index`.
inline QString indexed(const char *base, int index)
{
    return QString::fromLatin1(base) + QLatin1Char('_') + QString::number(index);
}

struct Program;
class ChartView;
class DiagramView;
class ResultsView;

struct FormWidgets {
    QWidget *form = nullptr;                   // everything below stands on it
    std::vector<QFrame *> bands;               // the side band behind the case buttons and two rules
    QLabel *banner = nullptr;                  // the program's name over "structural calculator"
    std::vector<QLabel *> titles;              // the two title lines
    QLabel *reference = nullptr;               // the reference's name as a link, after "Reference :"
    std::vector<QPushButton *> commandLabels;  // Exit, Help and the two page labels
    std::vector<QFrame *> pages;               // the one or two pages of case buttons
    std::vector<QPushButton *> caseButtons;
    QPushButton *reset = nullptr;
    std::vector<QLabel *> notes;
    ResultsView *results = nullptr;  // the results frame with its rows
    QLabel *caseTitle = nullptr;     // the case on display in words
    QLabel *advisory = nullptr;
    ChartView *chart = nullptr;
    DiagramView *diagramView = nullptr;
    QPushButton *resultsSwitch = nullptr;   // the switch above the chart: results chart
    QPushButton *diagramsSwitch = nullptr;  // or diagrams
    QPushButton *windowButton = nullptr;    // the diagrams in a window of their own
    // Any member: two more switches, its influence line and its envelopes, and the quantity
    // whose influence line shows (none for the other programs).
    QPushButton *influenceSwitch = nullptr;
    QPushButton *envelopeSwitch = nullptr;
    QComboBox *influenceChoice = nullptr;
    QComboBox *envelopeChoice = nullptr;  // the envelope over all, or one combination alone
    // The switches in their order from the left.
    std::vector<QPushButton *> switches() const;
    // The tables of any member (a program with a member editor), beside the results frame.
    QWidget *memberEditor = nullptr;

    QPushButton *exitLabel() const { return commandLabels[0]; }
    QPushButton *helpLabel() const { return commandLabels[1]; }
};

// Makes the controls of `program` on `form`; `helpPath` is the reference link's tooltip.
FormWidgets buildFormWidgets(QWidget *form, const Program &program, const QString &helpPath);
// Every fixed text of the widgets (captions, tooltips, names read aloud) in the language
// installed, the reference link naming `helpPath`, the handbook of that language.
void retranslateFormWidgets(FormWidgets &w, const Program &program, const QString &helpPath);

}  // namespace shell
