// The controls of the calculator window, built from the program value: the case pages when
// their case is first shown, everything else once.
//
// Object names: every control is given here the fixed object name by which tests, automation
// and accessibility tools find it, and these names never change: a case button is Command1_3,
// the first input of case 2 has its value field Text2_0, its scroll bar HScroll2_0 and its
// caption F2L_0 (its step field follows the values: Text2_3 where the case has three inputs), the
// results frame is Frame2, the chart Chart1, the status line StatusBar1, the window's menu Menu10
// and the chart point's menu Menu20; the parts of a result row are named in resultsview.h
// (Check1_4, Tx_4, Label5_4). The code and its comments otherwise speak of inputs, rows, the
// chart and pixels.

#include "shell/qt/calculatorwindow.h"
#include "shell/qt/chartview.h"
#include "shell/qt/controls.h"
#include "shell/qt/diagramview.h"
#include "shell/qt/resultsview.h"
#include "shell/qt/sketchview.h"

#include <QAction>
#include <QActionGroup>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

namespace shell {

namespace {

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

template <typename W> W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QString indexed(const char *base, int index)
{
    return QString::fromLatin1(base) + QLatin1Char('_') + QString::number(index);
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

// The family that holds the Japanese glyphs of the captions, named in the window's font so
// that text with them finds its glyphs without a search through the system's fallback fonts.
const QString JapaneseFamily = QStringLiteral("Noto Sans CJK JP");

// The banner: the program's name as large as the banner holds it (up to 15 points, demi-bold)
// over "structural calculator" in 8 points, both centred, painted as two plain lines.
class Banner : public QLabel
{
public:
    Banner(const QString &name, QWidget *parent) : QLabel(parent), m_name(name)
    {
        // What a screen reader reads; the painting below draws the same two lines.
        setText(name + QStringLiteral("\nstructural calculator"));
        setFrameShape(QFrame::StyledPanel);
        setAutoFillBackground(true);
        fitName();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        drawFrame(&painter);
        painter.setPen(palette().color(QPalette::WindowText));
        const QFontMetrics nameMetrics(m_nameFont);
        const QFontMetrics taglineMetrics(m_taglineFont);
        const QRect inside = contentsRect().adjusted(4, 2, -4, -2);
        // The name wraps where even its least size does not hold it on one line.
        const QRect nameBox = nameMetrics.boundingRect(inside, Qt::AlignHCenter | Qt::TextWordWrap, m_name);
        const int total = nameBox.height() + taglineMetrics.height();
        const int top = inside.top() + std::max((inside.height() - total) / 2, 0);
        painter.setFont(m_nameFont);
        painter.drawText(QRect(inside.left(), top, inside.width(), nameBox.height()),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_name);
        painter.setFont(m_taglineFont);
        painter.drawText(QRect(inside.left(), top + nameBox.height(), inside.width(), taglineMetrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("structural calculator"));
    }
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::FontChange)
            fitName();
        QLabel::changeEvent(event);
    }

private:
    void fitName()
    {
        m_nameFont = font();
        m_nameFont.setWeight(QFont::DemiBold);
        double points = 15;
        for (; points > 8; points -= 0.5) {
            m_nameFont.setPointSizeF(points);
            if (QFontMetrics(m_nameFont).horizontalAdvance(m_name) <= (1850 / ShellModel::LayoutUnitsPerPixel) - 12)
                break;
        }
        m_taglineFont = font();
        m_taglineFont.setPointSizeF(8);
    }

    QString m_name;
    QFont m_nameFont;
    QFont m_taglineFont;
};

}  // namespace

void CalculatorWindow::buildControls()
{
    // The form keeps the program's layout down to the least size its fields need; a smaller
    // window scrolls it.
    // The family the desktop's font resolves to stays first (a generic name such as "Sans Serif"
    // would give way to the Japanese family); the Japanese family follows it.
    QFont windowFont = font();
    const QString primary = QFontInfo(windowFont).family();
    if (primary != JapaneseFamily) {
        windowFont.setFamilies({primary, JapaneseFamily});
        setFont(windowFont);
    }

    m_scrollArea = named(new QScrollArea(this), QStringLiteral("FormScroll"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(true);
    // Not a tab stop of its own: it scrolls to the control that takes the focus.
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_form = named(new QWidget, QStringLiteral("Form1"));
    m_scrollArea->setWidget(m_form);
    setCentralWidget(m_scrollArea);
    m_form->installEventFilter(this);

    // Decoration: the band behind the case buttons and two rules; recoloured by "Program color ...".
    for (int i = 1; i <= 3; ++i) {
        auto *band = named(new QFrame(m_form), indexed("Shape", i).remove(QLatin1Char('_')));
        band->setAutoFillBackground(true);
        band->lower();
        m_bands.push_back(band);
    }

    m_banner = named(new Banner(qs(m_program.windowTitle), m_form), QStringLiteral("Image2"));
    m_banner->installEventFilter(this);

    for (int i = 0; i < 2; ++i) {
        auto *title =
            named(new QLabel(qs(i == 0 ? m_program.titleLine0 : m_program.titleLine1), m_form), indexed("Label3", i));
        QFont font = title->font();
        font.setPointSizeF(font.pointSizeF() * (i == 0 ? 1.35 : 1.0));
        font.setBold(i == 0);
        title->setFont(font);
        title->installEventFilter(this);
        m_titles.push_back(title);
    }
    // The reference's file name after "Reference :", a link that opens it.
    m_reference = named(new QLabel(m_form), QStringLiteral("ReferenceLink"));
    m_reference->setText(QStringLiteral("<a href=\"help\">%1</a>").arg(qs(m_program.helpFile).toHtmlEscaped()));
    m_reference->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_reference->setToolTip(qs(m_model->helpPath()));
    m_reference->setAccessibleName(QStringLiteral("Reference: ") + qs(m_program.helpFile));
    connect(m_reference, &QLabel::linkActivated, this, [this] {
        m_model->help();
        refresh();
    });

    const QString commandCaptions[] = {QStringLiteral("Exit"), QStringLiteral("Help"), QStringLiteral("Next Page ->"),
                                       QStringLiteral("<- Pre Page")};
    const int commandCount = m_program.hasPages() ? 4 : 2;
    for (int i = 0; i < commandCount; ++i) {
        auto *label = named(new CommandButton(commandCaptions[i], m_form), indexed("Label1", i));
        label->setFlat(true);
        label->setCursor(Qt::PointingHandCursor);
        m_commandLabels.push_back(label);
    }
    connect(m_commandLabels[0], &QPushButton::clicked, this, [this] { m_model->exit(); });
    connect(m_commandLabels[1], &QPushButton::clicked, this, [this] {
        m_model->help();
        refresh();
    });
    if (m_program.hasPages()) {
        connect(m_commandLabels[2], &QPushButton::clicked, this, [this] {
            m_model->nextPage();
            refresh();
            m_caseButtons[static_cast<std::size_t>(m_program.firstCaseOf(1))]->setFocus();
        });
        connect(m_commandLabels[3], &QPushButton::clicked, this, [this] {
            m_model->previousPage();
            refresh();
            m_caseButtons[static_cast<std::size_t>(m_program.firstCaseOf(0))]->setFocus();
        });
    }

    // Case buttons, on one page or two.
    const int pageCount = m_program.hasPages() ? 2 : 1;
    for (int p = 0; p < pageCount; ++p) {
        auto *page = new QFrame(m_form);
        if (m_program.hasPages())
            page->setObjectName(indexed("Frame3", p));
        page->setFrameShape(QFrame::NoFrame);
        page->setAutoFillBackground(false);
        m_pages.push_back(page);
    }
    for (int i = 0; i < m_program.caseCount(); ++i) {
        QFrame *page = m_pages[static_cast<std::size_t>(m_program.pageOf(i))];
        const CaseDef &c = m_program.cases[static_cast<std::size_t>(i)];
        auto *button = named(new CommandButton(qs(c.caption), page), indexed("Command1", i));
        button->setToolTip(qs(c.title));
        button->setAccessibleName(c.title.empty() ? qs(c.caption) : qs(c.caption) + QStringLiteral(", ") + qs(c.title));
        button->setCheckable(true);
        connect(button, &QPushButton::clicked, this, [this, i] {
            m_model->selectCase(i);
            refresh();
        });
        m_caseButtons.push_back(button);
    }
    m_cases.resize(static_cast<std::size_t>(m_program.caseCount()));

    m_reset = named(new CommandButton(QStringLiteral("Reset"), m_form), QStringLiteral("Command2"));
    connect(m_reset, &QPushButton::clicked, this, [this] {
        m_model->reset();
        refresh();
    });
    for (int j = 0; j < 4; ++j) {
        auto *note = named(new QLabel(m_form), indexed("Label4", j));
        note->hide();
        note->installEventFilter(this);
        m_notes.push_back(note);
    }

    buildResults();

    // The case on display in words, above its picture and inputs.
    m_caseTitle = named(new QLabel(m_form), QStringLiteral("CaseTitle"));
    QFont titleFont = m_caseTitle->font();
    titleFont.setBold(true);
    m_caseTitle->setFont(titleFont);
    m_caseTitle->installEventFilter(this);

    m_advisory = named(new QLabel(m_form), QStringLiteral("Advisory"));
    m_advisory->setWordWrap(true);
    m_advisory->setStyleSheet(QStringLiteral("QLabel { color: #7a4a00; background: #fff6dc; border: 1px solid #e0c070;"
                                             " padding: 2px 6px; }"));
    m_advisory->hide();

    m_chart = named(new ChartView(m_form), QStringLiteral("Chart1"));
    connect(m_chart, &ChartView::pointClicked, this, [this](int point, QPoint globalPos) {
        const std::string caption = m_model->selectPoint(point);
        if (caption.empty())
            return;
        m_valueAction->setText(qs(caption));
        m_chartPointMenu->popup(globalPos);
    });
    connect(m_chart, &ChartView::contextMenuRequested, this,
            [this](QPoint globalPos) { m_chartSubmenu->popup(globalPos); });

    // The diagrams share the chart's place; two flat toggles above it choose between them.
    m_diagramView = named(new DiagramView(m_form), QStringLiteral("Diagrams1"));
    m_diagramView->hide();
    connect(m_diagramView, &DiagramView::contextMenuRequested, this,
            [this](QPoint globalPos) { m_chartSubmenu->popup(globalPos); });
    connect(m_diagramView, &DiagramView::windowRequested, this, &CalculatorWindow::openDiagramWindow);
    connect(m_diagramView, &DiagramView::valuesHovered, this, [this](const QString &text) {
        if (text.isEmpty()) {
            m_statusFromModel = true;
            showModelStatus();
            return;
        }
        m_statusFromModel = false;
        m_status->showMessage(text);
    });
    m_resultsSwitch = named(new CommandButton(QStringLiteral("Results"), m_form), QStringLiteral("ChartSwitch_0"));
    m_diagramsSwitch = named(new CommandButton(QStringLiteral("Diagrams"), m_form), QStringLiteral("ChartSwitch_1"));
    for (QPushButton *button : {m_resultsSwitch, m_diagramsSwitch}) {
        button->setCheckable(true);
        button->setFlat(true);
        button->setCursor(Qt::PointingHandCursor);
    }
    m_resultsSwitch->setToolTip(QStringLiteral("The chart of the result rows"));
    m_diagramsSwitch->setToolTip(QStringLiteral("Shear, moment and deflection along the member"));
    // Beside them while the diagrams show: the diagrams in a window of their own.
    m_windowButton =
        named(new CommandButton(QStringLiteral("In a window"), m_form), QStringLiteral("DiagramWindowButton"));
    m_windowButton->setFlat(true);
    m_windowButton->setCursor(Qt::PointingHandCursor);
    m_windowButton->setToolTip(QStringLiteral("The diagrams in a window of their own, which can be maximised"));
    m_windowButton->hide();
    connect(m_windowButton, &QPushButton::clicked, this, &CalculatorWindow::openDiagramWindow);
    connect(m_resultsSwitch, &QPushButton::clicked, this, [this] { chooseView(ChartArea::Results); });
    connect(m_diagramsSwitch, &QPushButton::clicked, this, [this] { chooseView(ChartArea::Diagrams); });

    // The window's own status bar, across the whole window under the form: the entry error
    // with its reason, the values under the pointer on the diagrams, short confirmations.
    m_status = named(new QStatusBar(this), QStringLiteral("StatusBar1"));
    setStatusBar(m_status);

    buildMenus();
    buildMenuBar();
    buildFileCommands();
    setTabOrder();
}

CalculatorWindow::CasePage &CalculatorWindow::casePage(int caseIndex)
{
    CasePage &page = m_cases[static_cast<std::size_t>(caseIndex)];
    if (!page.frame) {
        buildCasePage(caseIndex);
        setTabOrder();
    }
    return page;
}

void CalculatorWindow::buildCasePage(int caseIndex)
{
    const CaseDef &c = m_program.cases[static_cast<std::size_t>(caseIndex)];
    const int n = caseIndex + 1;
    CasePage &page = m_cases[static_cast<std::size_t>(caseIndex)];
    page.picture = named(new SketchView(m_form), indexed(m_program.pictureObjectName.c_str(), caseIndex));
    page.picture->hide();
    page.frame = named(new QGroupBox(qs(c.caption), m_form), indexed("Frame1", caseIndex));
    page.frame->hide();
    auto *heading = named(new QLabel(QStringLiteral("step"), page.frame), indexed("StepHeading", caseIndex));
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    QFont small = heading->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    heading->setFont(small);
    page.stepHeading = heading;

    // What a screen reader says for input k: its symbol and, where the legend explains it, its
    // meaning ("P, 荷重").
    std::vector<std::string> meanings(c.inputs.size());
    for (const LegendLine &line : legendLines(m_program, c, CatalogueUnits))
        for (std::size_t k = 0; k < c.inputs.size(); ++k)
            if (c.inputs[k].caption == line.symbol)
                meanings[k] = line.meaning;
    const auto accessibleInputName = [&](int k) -> QString {
        const auto index = static_cast<std::size_t>(k);
        return qs(c.inputs[index].caption) +
               (meanings[index].empty() ? QStringLiteral(", input") : QStringLiteral(", ") + qs(meanings[index]));
    };

    const int count = c.inputCount();
    for (int k = 0; k < count; ++k) {
        InputRow row;
        const QString name = accessibleInputName(k);
        row.caption = named(new QLabel(page.frame), QStringLiteral("F%1L_%2").arg(n).arg(k));
        row.caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.caption->setTextFormat(Qt::RichText);
        row.value = named(new QLineEdit(page.frame), QStringLiteral("Text%1_%2").arg(n).arg(k));
        paintsItsGround(row.value);
        row.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.value->setAccessibleName(name);
        row.value->installEventFilter(this);
        row.caption->setBuddy(row.value);
        row.scroll = named(new InputScrollBar(page.frame), QStringLiteral("HScroll%1_%2").arg(n).arg(k));
        row.scroll->setRange(ShellModel::ScrollMin, ShellModel::ScrollMax);
        row.scroll->setSingleStep(1);
        row.scroll->setPageStep(1);
        row.scroll->setValue(0);
        row.scroll->setAccessibleName(name + QStringLiteral(", scroll bar"));
        row.scroll->installEventFilter(this);
        row.step = named(new QLineEdit(page.frame), QStringLiteral("Text%1_%2").arg(n).arg(count + k));
        paintsItsGround(row.step);
        row.step->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.step->setToolTip(QStringLiteral("step"));
        row.step->setAccessibleName(qs(c.inputs[static_cast<std::size_t>(k)].caption) + QStringLiteral(", step"));
        row.step->installEventFilter(this);

        connect(row.value, &QLineEdit::textEdited, this, [this, k](const QString &text) {
            m_model->setText(k, text.toStdString());
            refreshInput();
        });
        connect(row.step, &QLineEdit::textEdited, this, [this, k, count](const QString &text) {
            m_model->setText(count + k, text.toStdString());
            refreshInput();
        });
        QScrollBar *scroll = row.scroll;
        connect(scroll, &QScrollBar::actionTriggered, this, [this, k, scroll](int) {
            m_model->setScroll(k, scroll->sliderPosition());
            refreshInput();
        });
        connect(scroll, &QScrollBar::sliderMoved, this, [this, k](int position) {
            m_model->setScroll(k, position);
            refreshInput();
        });
        page.rows.push_back(row);
    }
}

void CalculatorWindow::buildResults()
{
    m_results = named(new ResultsView(m_form), QStringLiteral("Frame2"));
    m_results->installEventFilter(this);
    connect(m_results, &ResultsView::tickToggled, this, [this](int row, bool ticked) {
        m_model->tickRow(row, ticked);
        refresh();
    });
    connect(m_results, &ResultsView::valueCopied, this,
            [this](const QString &text) { m_platform->setClipboardText(text.toStdString()); });
}

void CalculatorWindow::setTabOrder()
{
    // Case buttons with the page labels that switch them, each case's inputs row by row (value,
    // scroll bar, step), Reset, the result rows, the chart with its switch, then Help and Exit.
    // Only the cases shown so far have inputs; those of hidden cases are passed over.
    std::vector<QWidget *> order(m_caseButtons.begin(), m_caseButtons.end());
    for (std::size_t i = 2; i < m_commandLabels.size(); ++i)
        order.push_back(m_commandLabels[i]);
    for (const CasePage &page : m_cases)
        for (const InputRow &row : page.rows) {
            order.push_back(row.value);
            order.push_back(row.scroll);
            order.push_back(row.step);
        }
    order.push_back(m_reset);
    order.push_back(m_results);
    order.push_back(m_resultsSwitch);
    order.push_back(m_diagramsSwitch);
    order.push_back(m_windowButton);
    order.push_back(m_chart);
    order.push_back(m_diagramView);
    order.push_back(m_commandLabels[1]);  // Help
    order.push_back(m_commandLabels[0]);  // Exit
    order.push_back(m_reference);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace shell
