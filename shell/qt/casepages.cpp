// The case pages. Object names: the picture of case 2 is named by the program
// (pictureObjectName, then _1), its frame Frame1_1, the first input has its value field Text2_0,
// its scroll bar HScroll2_0 and its caption F2L_0, and its step field follows the values
// (Text2_3 where the case has three inputs). They never change: tests and accessibility tools
// find the fields by them.

#include "shell/qt/casepages.h"

#include "shell/core/language.h"
#include "shell/core/membersketch.h"
#include "shell/core/shellmodel.h"
#include "shell/qt/controls.h"
#include "shell/qt/formwidgets.h"
#include "shell/qt/sketchview.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace shell {

namespace {

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

// A field of an input frame fills its rounded corners with the frame's ground itself, so that a
// keystroke repaints the field alone and not the frame behind it.
void paintsItsGround(QLineEdit *field)
{
    QPalette colours = field->palette();
    colours.setColor(QPalette::Window, frameGround(colours));
    field->setPalette(colours);
    field->setBackgroundRole(QPalette::Window);
    field->setAutoFillBackground(true);
}

void setLabelIfDifferent(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

// How an input field looks: plain, marked as the one the entry error is about (a red frame and
// a pale red ground, which read in every style), or warning that its text holds more than its
// number (a pale amber ground).
enum class FieldMark { None, Refused, ReadAsNumber };

void markField(QLineEdit *edit, FieldMark mark)
{
    static const QString refused =
        QStringLiteral("QLineEdit { border: 2px solid #c62828; border-radius: 2px; background: #fdecea; }");
    static const QString readAs =
        QStringLiteral("QLineEdit { border: 1px solid #e0a800; border-radius: 2px; background: #fff4cc; }");
    const QString sheet = mark == FieldMark::Refused ? refused : mark == FieldMark::ReadAsNumber ? readAs : QString();
    if (edit->styleSheet() != sheet)
        edit->setStyleSheet(sheet);
}

// What a screen reader says for each input of a case: its symbol and, where the legend explains
// it, its meaning ("P, 荷重").
std::vector<QString> accessibleInputNames(const Program &program, const CaseDef &c)
{
    std::vector<std::string> meanings(c.inputs.size());
    for (const LegendLine &line : legendLines(program, c, CatalogueUnits))
        for (std::size_t k = 0; k < c.inputs.size(); ++k)
            if (c.inputs[k].caption == line.symbol)
                meanings[k] = line.meaning;
    std::vector<QString> names;
    for (std::size_t k = 0; k < c.inputs.size(); ++k)
        names.push_back(meanings[k].empty() ? CasePages::tr("%1, input").arg(qs(c.inputs[k].caption))
                                            : qs(c.inputs[k].caption) + QStringLiteral(", ") + qs(meanings[k]));
    return names;
}

}  // namespace

CasePages::CasePages(QWidget *form, const Program &program, ShellModel &model)
    : m_form(form), m_program(program), m_model(model), m_pages(static_cast<std::size_t>(program.caseCount()))
{
}

CasePage &CasePages::page(int caseIndex)
{
    CasePage &page = m_pages[static_cast<std::size_t>(caseIndex)];
    if (!page.frame) {
        build(caseIndex);
        emit pageBuilt();
    }
    return page;
}

void CasePages::build(int caseIndex)
{
    const CaseDef &c = m_program.cases[static_cast<std::size_t>(caseIndex)];
    CasePage &page = m_pages[static_cast<std::size_t>(caseIndex)];
    page.picture = named(new SketchView(m_form), indexed(m_program.pictureObjectName.c_str(), caseIndex));
    page.picture->hide();
    page.frame = named(new QGroupBox(m_form), indexed("Frame1", caseIndex));
    page.frame->hide();
    auto *heading = named(new QLabel(page.frame), indexed("StepHeading", caseIndex));
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    QFont small = heading->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    heading->setFont(small);
    page.stepHeading = heading;

    const int count = c.inputCount();
    for (int k = 0; k < count; ++k) {
        const InputRow row = buildRow(page.frame, caseIndex, k);
        connectRow(row, k, count);
        page.rows.push_back(row);
    }
    writeTexts(caseIndex);
}

void CasePages::writeTexts(int caseIndex)
{
    const CaseDef &c = m_program.cases[static_cast<std::size_t>(caseIndex)];
    CasePage &page = m_pages[static_cast<std::size_t>(caseIndex)];
    page.frame->setTitle(qs(translatedCaption(c.caption, "Case")));
    page.stepHeading->setText(tr("step"));
    const std::vector<QString> names = accessibleInputNames(m_program, c);
    for (std::size_t k = 0; k < page.rows.size(); ++k) {
        const InputRow &row = page.rows[k];
        row.value->setAccessibleName(names[k]);
        row.scroll->setAccessibleName(tr("%1, scroll bar").arg(names[k]));
        row.step->setToolTip(tr("step"));
        row.step->setAccessibleName(tr("%1, step").arg(qs(c.inputs[k].caption)));
    }
}

void CasePages::retranslate()
{
    for (int i = 0; i < m_program.caseCount(); ++i)
        if (m_pages[static_cast<std::size_t>(i)].frame)
            writeTexts(i);
}

InputRow CasePages::buildRow(QWidget *frame, int caseIndex, int k)
{
    const CaseDef &c = m_program.cases[static_cast<std::size_t>(caseIndex)];
    const int n = caseIndex + 1;
    const int count = c.inputCount();
    InputRow row;
    row.caption = named(new QLabel(frame), QStringLiteral("F%1L_%2").arg(n).arg(k));
    row.caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.caption->setTextFormat(Qt::RichText);
    row.value = named(new QLineEdit(frame), QStringLiteral("Text%1_%2").arg(n).arg(k));
    paintsItsGround(row.value);
    row.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.value->installEventFilter(this);
    row.caption->setBuddy(row.value);
    row.scroll = named(new InputScrollBar(frame), QStringLiteral("HScroll%1_%2").arg(n).arg(k));
    row.scroll->setRange(ShellModel::ScrollMin, ShellModel::ScrollMax);
    row.scroll->setSingleStep(1);
    row.scroll->setPageStep(1);
    row.scroll->setValue(0);
    row.scroll->installEventFilter(this);
    row.step = named(new QLineEdit(frame), QStringLiteral("Text%1_%2").arg(n).arg(count + k));
    paintsItsGround(row.step);
    row.step->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.step->installEventFilter(this);
    return row;
}

// Typing into the value or the step field, a click on the scroll bar or a drag of its slider.
void CasePages::connectRow(const InputRow &row, int k, int count)
{
    connect(row.value, &QLineEdit::textEdited, this, [this, k](const QString &text) {
        m_model.setText(k, text.toStdString());
        emit inputChanged();
    });
    connect(row.step, &QLineEdit::textEdited, this, [this, k, count](const QString &text) {
        m_model.setText(count + k, text.toStdString());
        emit inputChanged();
    });
    QScrollBar *scroll = row.scroll;
    connect(scroll, &QScrollBar::actionTriggered, this, [this, k, scroll](int) {
        m_model.setScroll(k, scroll->sliderPosition());
        emit inputChanged();
    });
    connect(scroll, &QScrollBar::sliderMoved, this, [this, k](int position) {
        m_model.setScroll(k, position);
        emit inputChanged();
    });
}

void CasePages::refresh(int i)
{
    CasePage &page = m_pages[static_cast<std::size_t>(i)];
    const int count = static_cast<int>(page.rows.size());
    const CaseDef &definition = m_program.cases[static_cast<std::size_t>(i)];
    const QPalette &colours = page.frame->palette();
    const QColor unitInk = quietInk(colours.color(QPalette::WindowText), frameGround(colours));
    for (int k = 0; k < count; ++k) {
        InputRow &row = page.rows[static_cast<std::size_t>(k)];
        // The symbol with its unit in a quieter ink that still reads on the frame: "l mm", "w N/mm".
        const QString unit = qs(m_model.inputUnit(i, k)).toHtmlEscaped();
        const QString symbol = qs(definition.inputs[static_cast<std::size_t>(k)].caption).toHtmlEscaped();
        setLabelIfDifferent(row.caption, unit.isEmpty()
                                             ? symbol
                                             : symbol + QStringLiteral("&nbsp;<span style='color:") + unitInk.name() +
                                                   QStringLiteral("'>") + unit + QStringLiteral("</span>"));
        for (const int field : {k, count + k}) {
            QLineEdit *edit = field < count ? row.value : row.step;
            const std::string note = m_model.inputNote(i, field);
            FieldMark mark = FieldMark::None;
            QString tip = field < count ? QString() : tr("step");
            if (m_model.lastRejected() && m_model.markedField() == field) {
                mark = FieldMark::Refused;
                tip = qs(m_model.rejectionReason());
            } else if (!note.empty()) {
                mark = FieldMark::ReadAsNumber;
                tip = qs(note);
            }
            markField(edit, mark);
            showNumberText(edit, qs(m_model.text(i, field)), tip);
        }
        if (row.scroll->value() != m_model.scrollValue(i, k) && !row.scroll->isSliderDown()) {
            const QSignalBlocker blocker(row.scroll);
            row.scroll->setValue(m_model.scrollValue(i, k));
        }
    }
    // Any member is drawn as last accepted, to scale, with its numbers in the window's units.
    if (m_program.memberEditor && m_model.acceptedMember())
        page.picture->setSketch(memberSketch(*m_model.acceptedMember(), m_model.units()));
    else if (definition.sketch)
        page.picture->setSketch(definition.sketch(m_model.inputNumbers(i)));
}

int CasePages::rowOf(const QObject *watched, bool valueToo) const
{
    const int current = m_model.currentCase();
    if (current < 0)
        return -1;
    const auto &rows = m_pages[static_cast<std::size_t>(current)].rows;
    for (std::size_t k = 0; k < rows.size(); ++k)
        if (watched == rows[k].scroll || (valueToo && watched == rows[k].value))
            return static_cast<int>(k);
    return -1;
}

bool CasePages::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (qobject_cast<QScrollBar *>(watched)) {
            const int k = rowOf(watched, false);
            if (k >= 0) {
                m_model.setScrollFocus(k, event->type() == QEvent::FocusIn);
                emit inputChanged();
            }
        } else if (auto *field = qobject_cast<QLineEdit *>(watched); field && event->type() == QEvent::FocusOut) {
            // A field left with a long text shows it from its first character again.
            field->setCursorPosition(0);
        }
        break;
    case QEvent::Wheel:
        if (wheelOverInput(watched, static_cast<QWheelEvent *>(event)))
            return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool CasePages::wheelOverInput(QObject *watched, QWheelEvent *event)
{
    const int k = rowOf(watched, true);
    if (k < 0)
        return false;
    // One notch (120 eighths of a degree) is one step; finer wheels add up to a notch.
    // Up or away raises the input, as the right arrow does.
    const QPoint delta = event->angleDelta();
    m_wheelRemainder += delta.y() != 0 ? delta.y() : delta.x();
    const int clicks = m_wheelRemainder / 120;
    m_wheelRemainder -= clicks * 120;
    event->accept();
    if (clicks != 0) {
        m_model.wheel(k, clicks);
        emit inputChanged();
    }
    return true;
}

}  // namespace shell
