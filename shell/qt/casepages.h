#pragma once

// The page of each case: its picture and its input rows (the symbol with its unit, the value
// field, the scroll bar, the step field), built when the case is first shown. The pages forward
// the user's typing, scrolling and wheel turns on the inputs to the model and say so with
// inputChanged(); refresh writes the fields of a case from the model.

#include <QObject>

#include <vector>

class QEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class QWheelEvent;
class QWidget;

namespace shell {

struct Program;
class ShellModel;
class SketchView;

struct InputRow {
    QLabel *caption = nullptr;  // the symbol and its unit
    QLineEdit *value = nullptr;
    QScrollBar *scroll = nullptr;
    QLineEdit *step = nullptr;
};

// A case's picture and inputs.
struct CasePage {
    SketchView *picture = nullptr;
    QGroupBox *frame = nullptr;
    QLabel *stepHeading = nullptr;  // "step" above the step column
    std::vector<InputRow> rows;
};

class CasePages : public QObject
{
    Q_OBJECT

public:
    // The pages of `program`'s cases, each built on `form` when first asked for.
    CasePages(QWidget *form, const Program &program, ShellModel &model);

    // The page of the case, built (hidden) where it was not yet; pageBuilt() then follows.
    CasePage &page(int caseIndex);
    // Every page; those not yet built have no frame and no rows.
    const std::vector<CasePage> &pages() const { return m_pages; }
    // Writes the input fields of the case, their marks and tooltips, the scroll bars and the
    // picture from the model.
    void refresh(int caseIndex);
    // The texts of every page built (the step heading, tooltips, names read aloud) in the
    // language installed.
    void retranslate();

signals:
    // The model took an input gesture; the window brings itself in line.
    void inputChanged();
    // A page was built: its fields join the tab order.
    void pageBuilt();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build(int caseIndex);
    InputRow buildRow(QWidget *frame, int caseIndex, int k);
    void writeTexts(int caseIndex);
    void connectRow(const InputRow &row, int k, int count);
    // The row of the case on display whose value field or scroll bar is `watched`, or -1.
    int rowOf(const QObject *watched, bool valueToo) const;
    bool wheelOverInput(QObject *watched, QWheelEvent *event);

    QWidget *m_form;
    const Program &m_program;
    ShellModel &m_model;
    std::vector<CasePage> m_pages;
    int m_wheelRemainder = 0;
};

}  // namespace shell
