// The controls and menus of the calculator window, built once from the program value. Every
// control carries the object name of the control it plays (Command1_3, Text2_0, HScroll2_0,
// Check1_4, Tx_4, Label5_4, Frame2, Chart1, StatusBar1, ...).

#include "shell/qt/calculatorwindow.h"
#include "shell/qt/chartview.h"
#include "shell/qt/diagramview.h"
#include "shell/qt/sketchview.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
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

}  // namespace

void CalculatorWindow::buildControls()
{
    m_form = named(new QWidget(this), QStringLiteral("Form1"));
    setCentralWidget(m_form);
    m_form->installEventFilter(this);

    // Decoration: the band behind the case buttons and two rules; recoloured by "Program color ...".
    for (int i = 1; i <= 3; ++i) {
        auto *band = named(new QFrame(m_form), indexed("Shape", i).remove(QLatin1Char('_')));
        band->setAutoFillBackground(true);
        band->lower();
        m_bands.push_back(band);
    }

    m_banner = named(new QLabel(m_form), QStringLiteral("Image2"));
    m_banner->setAlignment(Qt::AlignCenter);
    m_banner->setWordWrap(true);
    m_banner->setText(QStringLiteral("<div style='font-size:15pt; font-weight:600'>%1</div>"
                                     "<div style='font-size:8pt'>structural calculator</div>")
                          .arg(qs(m_program.windowTitle).toHtmlEscaped()));
    m_banner->setFrameShape(QFrame::StyledPanel);
    m_banner->setAutoFillBackground(true);
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

    const QString commandCaptions[] = {QStringLiteral("Exit"), QStringLiteral("Help"), QStringLiteral("Next Page ->"),
                                       QStringLiteral("<- Pre Page")};
    const int commandCount = m_program.hasPages() ? 4 : 2;
    for (int i = 0; i < commandCount; ++i) {
        auto *label = named(new QPushButton(commandCaptions[i], m_form), indexed("Label1", i));
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
        auto *button = named(new QPushButton(qs(c.caption), page), indexed("Command1", i));
        button->setToolTip(qs(c.title));
        button->setCheckable(true);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] {
            m_model->selectCase(i);
            refresh();
        });
        m_caseButtons.push_back(button);
    }

    for (int i = 0; i < m_program.caseCount(); ++i)
        buildCasePage(i);

    m_reset = named(new QPushButton(QStringLiteral("Reset"), m_form), QStringLiteral("Command2"));
    m_reset->setAutoDefault(false);
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
        m_menu20->popup(globalPos);
    });
    connect(m_chart, &ChartView::contextMenuRequested, this,
            [this](QPoint globalPos) { m_chartSubmenu->popup(globalPos); });

    // The diagrams share the chart's place; two flat toggles above it choose between them.
    m_diagramView = named(new DiagramView(m_form), QStringLiteral("Diagrams1"));
    m_diagramView->hide();
    connect(m_diagramView, &DiagramView::contextMenuRequested, this,
            [this](QPoint globalPos) { m_chartSubmenu->popup(globalPos); });
    connect(m_diagramView, &DiagramView::valuesHovered, this, [this](const QString &text) {
        if (text.isEmpty()) {
            m_status->setVisible(m_model->statusVisible());
            if (m_model->statusVisible())
                m_status->showMessage(qs(m_model->statusText()));
            else
                m_status->clearMessage();
            return;
        }
        m_status->show();
        m_status->showMessage(text);
    });
    m_resultsSwitch = named(new QPushButton(QStringLiteral("Results"), m_form), QStringLiteral("ChartSwitch_0"));
    m_diagramsSwitch = named(new QPushButton(QStringLiteral("Diagrams"), m_form), QStringLiteral("ChartSwitch_1"));
    for (QPushButton *button : {m_resultsSwitch, m_diagramsSwitch}) {
        button->setCheckable(true);
        button->setFlat(true);
        button->setAutoDefault(false);
        button->setCursor(Qt::PointingHandCursor);
    }
    m_resultsSwitch->setToolTip(QStringLiteral("The chart of the result rows"));
    m_diagramsSwitch->setToolTip(QStringLiteral("Shear, moment and deflection along the member"));
    connect(m_resultsSwitch, &QPushButton::clicked, this, [this] { chooseView(ChartArea::Results); });
    connect(m_diagramsSwitch, &QPushButton::clicked, this, [this] { chooseView(ChartArea::Diagrams); });

    m_status = named(new QStatusBar(m_form), QStringLiteral("StatusBar1"));
    m_status->setSizeGripEnabled(false);
    m_status->hide();

    buildMenus();
    setTabOrder();
}

void CalculatorWindow::buildCasePage(int caseIndex)
{
    const CaseDef &c = m_program.cases[static_cast<std::size_t>(caseIndex)];
    const int n = caseIndex + 1;
    CasePage page;
    page.picture = named(new SketchView(m_form), indexed(m_program.pictureObjectName.c_str(), caseIndex));
    page.picture->hide();
    page.frame = named(new QGroupBox(qs(c.caption), m_form), indexed("Frame1", caseIndex));
    page.frame->hide();

    const int count = c.inputCount();
    for (int k = 0; k < count; ++k) {
        InputRow row;
        row.caption = named(new QLabel(page.frame), QStringLiteral("F%1L_%2").arg(n).arg(k));
        row.caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.caption->setTextFormat(Qt::RichText);
        row.value = named(new QLineEdit(page.frame), QStringLiteral("Text%1_%2").arg(n).arg(k));
        row.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.value->setAccessibleName(qs(c.inputs[static_cast<std::size_t>(k)].caption));
        row.scroll = named(new QScrollBar(Qt::Horizontal, page.frame), QStringLiteral("HScroll%1_%2").arg(n).arg(k));
        row.scroll->setRange(ShellModel::ScrollMin, ShellModel::ScrollMax);
        row.scroll->setSingleStep(1);
        row.scroll->setPageStep(1);
        row.scroll->setValue(0);
        row.scroll->setFocusPolicy(Qt::StrongFocus);
        row.scroll->installEventFilter(this);
        row.step = named(new QLineEdit(page.frame), QStringLiteral("Text%1_%2").arg(n).arg(count + k));
        row.step->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.step->setToolTip(QStringLiteral("step"));
        row.step->setAccessibleName(qs(c.inputs[static_cast<std::size_t>(k)].caption) + QStringLiteral(" step"));

        connect(row.value, &QLineEdit::textEdited, this, [this, k](const QString &text) {
            m_model->setText(k, text.toStdString());
            refresh();
        });
        connect(row.step, &QLineEdit::textEdited, this, [this, k, count](const QString &text) {
            m_model->setText(count + k, text.toStdString());
            refresh();
        });
        QScrollBar *scroll = row.scroll;
        connect(scroll, &QScrollBar::actionTriggered, this, [this, k, scroll](int) {
            m_model->setScroll(k, scroll->sliderPosition());
            refresh();
        });
        connect(scroll, &QScrollBar::sliderMoved, this, [this, k](int position) {
            m_model->setScroll(k, position);
            refresh();
        });
        page.rows.push_back(row);
    }
    m_cases.push_back(page);
}

void CalculatorWindow::buildResults()
{
    m_resultsFrame = named(new QGroupBox(m_form), QStringLiteral("Frame2"));
    m_resultsFrame->installEventFilter(this);
    std::size_t rowSlots = 0;
    for (const CaseDef &c : m_program.cases)
        rowSlots = std::max(rowSlots, c.rows.size());
    for (std::size_t r = 0; r < rowSlots; ++r) {
        ResultWidgets w;
        const int row = static_cast<int>(r);
        w.check = named(new QCheckBox(m_resultsFrame), indexed("Check1", row));
        w.value = named(new QLineEdit(m_resultsFrame), indexed("Tx", row));
        w.value->setReadOnly(true);
        w.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        w.unit = named(new QLabel(m_resultsFrame), indexed("Label5", row));
        connect(w.check, &QCheckBox::clicked, this, [this, row](bool checked) {
            m_model->tickRow(row, checked);
            refresh();
        });
        m_results.push_back(w);
    }
}

void CalculatorWindow::buildMenus()
{
    m_menu10 = named(new QMenu(this), QStringLiteral("Menu10"));
    QMenu *general = m_menu10->addMenu(QStringLiteral("General setting"));
    general->menuAction()->setObjectName(QStringLiteral("m10_0"));
    QAction *programColor = named(general->addAction(QStringLiteral("Program color ...")), QStringLiteral("m1010_0"));
    m_formatAction = named(general->addAction(QStringLiteral("Format resulte values")), QStringLiteral("m1010_1"));
    m_formatAction->setCheckable(true);
    connect(programColor, &QAction::triggered, this, [this] {
        m_model->programColorCommand();
        refresh();
    });
    connect(m_formatAction, &QAction::triggered, this, [this] {
        m_model->toggleFormat();
        refresh();
    });

    QMenu *unit = m_menu10->addMenu(QStringLiteral("Length unit"));
    named(unit->menuAction(), QStringLiteral("m10_1"));
    const QString units[] = {QStringLiteral("mm"), QStringLiteral("cm"), QStringLiteral("m")};
    for (int i = 0; i < 3; ++i) {
        QAction *action = named(unit->addAction(units[i]), indexed("m1015", i));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, i] {
            m_model->chooseUnit(i);
            refresh();
        });
        m_unitActions.push_back(action);
    }
    // The force unit beside the length unit, where the program has forces.
    if (m_program.forceUnits) {
        unit->addSeparator()->setObjectName(QStringLiteral("m1015_3"));
        const QString forces[] = {QStringLiteral("N"), QStringLiteral("kN")};
        for (int i = 0; i < 2; ++i) {
            QAction *action = named(unit->addAction(forces[i]), indexed("m1015", i + 4));
            action->setCheckable(true);
            connect(action, &QAction::triggered, this, [this, i] {
                m_model->chooseForceUnit(i);
                refresh();
            });
            m_forceActions.push_back(action);
        }
    }

    QAction *copy = named(m_menu10->addAction(QStringLiteral("Results to clipboard")), QStringLiteral("m10_2"));
    connect(copy, &QAction::triggered, this, [this] { m_model->copyResults(); });

    m_chartSubmenu = m_menu10->addMenu(QStringLiteral("Chart setting"));
    m_chartSubmenu->setObjectName(QStringLiteral("ChartSetting"));
    named(m_chartSubmenu->menuAction(), QStringLiteral("m10_3"));
    QAction *plotColor = named(m_chartSubmenu->addAction(QStringLiteral("Plot color ...")), QStringLiteral("m1020_0"));
    connect(plotColor, &QAction::triggered, this, [this] {
        m_model->plotColorCommand();
        refresh();
    });
    m_logAction = named(m_chartSubmenu->addAction(QStringLiteral("Log scale values")), QStringLiteral("m1020_1"));
    m_logAction->setCheckable(true);
    connect(m_logAction, &QAction::triggered, this, [this] {
        m_model->toggleLogScale();
        refresh();
    });
    m_chartSubmenu->addSeparator()->setObjectName(QStringLiteral("m1020_2"));
    const QString types[] = {QStringLiteral("3D Bar"),  QStringLiteral("2D Bar"),      QStringLiteral("3D Line"),
                             QStringLiteral("2D Line"), QStringLiteral("3D Area Bar"), QStringLiteral("2D Area Line"),
                             QStringLiteral("3D Step"), QStringLiteral("2D Step")};
    for (int i = 0; i < 8; ++i) {
        QAction *action = named(m_chartSubmenu->addAction(types[i]), indexed("m1020", i + 3));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, i] {
            m_model->chooseChartType(static_cast<ChartType>(i));
            refresh();
        });
        m_chartTypeActions.push_back(action);
    }
    m_chartSubmenu->addSeparator()->setObjectName(QStringLiteral("m1020_11"));
    m_diagramsAction = named(m_chartSubmenu->addAction(QStringLiteral("Diagrams")), QStringLiteral("m1020_12"));
    m_diagramsAction->setCheckable(true);
    connect(m_diagramsAction, &QAction::triggered, this, [this] { chooseView(ChartArea::Diagrams); });
    m_slopeAction = named(m_chartSubmenu->addAction(QStringLiteral("Show slope")), QStringLiteral("m1020_13"));
    m_slopeAction->setCheckable(true);
    connect(m_slopeAction, &QAction::triggered, this, [this] {
        m_model->toggleSlope();
        refresh();
    });

    m_menu20 = named(new QMenu(this), QStringLiteral("Menu20"));
    m_valueAction = named(m_menu20->addAction(QString()), QStringLiteral("m20_0"));
}

void CalculatorWindow::setTabOrder()
{
    // Case buttons, then each case's inputs row by row, Reset, then the result rows.
    std::vector<QWidget *> order(m_caseButtons.begin(), m_caseButtons.end());
    for (QPushButton *label : m_commandLabels)
        order.push_back(label);
    for (const CasePage &page : m_cases)
        for (const InputRow &row : page.rows) {
            order.push_back(row.value);
            order.push_back(row.scroll);
            order.push_back(row.step);
        }
    order.push_back(m_reset);
    for (const ResultWidgets &w : m_results) {
        order.push_back(w.check);
        order.push_back(w.value);
    }
    order.push_back(m_resultsSwitch);
    order.push_back(m_diagramsSwitch);
    order.push_back(m_chart);
    order.push_back(m_diagramView);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace shell
