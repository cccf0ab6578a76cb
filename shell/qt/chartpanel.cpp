#include "shell/qt/chartpanel.h"

#include "shell/core/language.h"

#include "shell/core/shellmodel.h"
#include "shell/qt/chartview.h"
#include "shell/qt/diagramview.h"
#include "shell/qt/diagramwindow.h"
#include "shell/qt/formwidgets.h"
#include "shell/qt/windowmenus.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QTimer>

namespace shell {

namespace {

QColor fromBgr(unsigned bgr)
{
    return QColor(int(bgr & 0xFFu), int((bgr >> 8) & 0xFFu), int((bgr >> 16) & 0xFFu));
}

}  // namespace

ChartPanel::ChartPanel(QWidget &window, ShellModel &model, const FormWidgets &widgets, WindowMenus &menus)
    : m_window(window), m_model(model), m_widgets(widgets), m_menus(menus)
{
    const FormWidgets &w = m_widgets;
    connect(w.chart, &ChartView::pointClicked, this, [this](int point, QPoint globalPos) {
        const std::string caption = m_model.selectPoint(point);
        if (!caption.empty())
            m_menus.popupPoint(QString::fromStdString(caption), globalPos);
    });
    connect(w.chart, &ChartView::contextMenuRequested, this,
            [this](QPoint globalPos) { m_menus.popupChart(globalPos); });
    connect(w.diagramView, &DiagramView::contextMenuRequested, this,
            [this](QPoint globalPos) { m_menus.popupChart(globalPos); });
    connect(w.diagramView, &DiagramView::windowRequested, this, &ChartPanel::openDiagramWindow);
    connect(w.windowButton, &QPushButton::clicked, this, &ChartPanel::openDiagramWindow);
    connect(w.resultsSwitch, &QPushButton::clicked, this, [this] { chooseView(ChartArea::Results); });
    connect(w.diagramsSwitch, &QPushButton::clicked, this, [this] { chooseView(ChartArea::Diagrams); });
    if (w.influenceSwitch) {
        connect(w.influenceSwitch, &QPushButton::clicked, this, [this] { chooseView(ChartArea::Influence); });
        connect(w.envelopeSwitch, &QPushButton::clicked, this, [this] { chooseView(ChartArea::Envelope); });
        connect(w.influenceChoice, qOverload<int>(&QComboBox::activated), this, [this](int index) {
            if (index >= 0 && static_cast<std::size_t>(index) < m_influenceChoices.size()) {
                m_model.chooseInfluence(m_influenceChoices[static_cast<std::size_t>(index)]);
                emit changed();
            }
        });
        connect(w.envelopeChoice, qOverload<int>(&QComboBox::activated), this, [this](int index) {
            if (index >= 0 && static_cast<std::size_t>(index) < m_envelopeChoices.size()) {
                m_model.chooseEnvelopeOf(m_envelopeChoices[static_cast<std::size_t>(index)]);
                emit changed();
            }
        });
    }
}

void ChartPanel::refreshInfluenceChoice()
{
    QComboBox *box = m_widgets.influenceChoice;
    if (!box)
        return;
    const bool shown = m_model.chartArea() == ChartArea::Influence;
    if (box->isVisibleTo(m_widgets.form) != shown)
        box->setVisible(shown);
    if (!shown || !m_model.acceptedMember())
        return;
    const auto choices = influenceChoices(m_model.acceptedMember()->beam());
    std::vector<InfluenceChoice> kinds;
    QStringList words;
    int current = -1;
    for (const auto &[choice, text] : choices) {
        if (choice == m_model.influenceChoice())
            current = static_cast<int>(kinds.size());
        kinds.push_back(choice);
        words.push_back(QString::fromStdString("Influence line of " + text));
    }
    const QSignalBlocker blocker(box);
    if (kinds != m_influenceChoices) {
        box->clear();
        box->addItems(words);
        m_influenceChoices = kinds;
    }
    box->setCurrentIndex(current);
}

void ChartPanel::refreshEnvelopeChoice()
{
    QComboBox *box = m_widgets.envelopeChoice;
    if (!box)
        return;
    const std::optional<MemberDescription> &member = m_model.acceptedMember();
    const bool shown = m_model.chartArea() == ChartArea::Envelope && member && !member->combinations.empty();
    if (box->isVisibleTo(m_widgets.form) != shown)
        box->setVisible(shown);
    if (!shown)
        return;
    std::vector<std::string> names{""};
    QStringList words{QString::fromStdString(shell::translated("Text", "Envelope over every combination"))};
    int current = 0;
    for (const MemberCombination &c : member->combinations) {
        if (c.name == m_model.envelopeOf())
            current = static_cast<int>(names.size());
        names.push_back(c.name);
        words.push_back(QString::fromStdString("Combination " + c.name + " = " + factorsText(c.factors)));
    }
    const QSignalBlocker blocker(box);
    QStringList listed;
    for (int k = 0; k < box->count(); ++k)
        listed.push_back(box->itemText(k));
    if (names != m_envelopeChoices || listed != words) {
        box->clear();
        box->addItems(words);
        m_envelopeChoices = names;
    }
    box->setCurrentIndex(current);
}

void ChartPanel::refresh(bool stale)
{
    const FormWidgets &w = m_widgets;
    w.chart->setStale(stale);
    w.diagramView->setStale(stale);
    // Only the view on display follows the model, so a keystroke draws one of them.
    const bool diagrams = showsDiagrams(m_model.chartArea());
    refreshInfluenceChoice();
    refreshEnvelopeChoice();
    if (diagrams)
        w.diagramView->setData(m_model.diagrams(), DiagramOptions{m_model.showSlope()});
    else
        w.chart->setData(m_model.chartPoints(), m_model.chartType(), fromBgr(m_model.plotColor()), m_model.logScale());
    // The window of their own follows every input while it is open.
    if (m_diagramWindow && m_diagramWindow->isVisible())
        m_diagramWindow->setContent(w.caseTitle->text(), m_model.diagrams(), DiagramOptions{m_model.showSlope()},
                                    stale);
    if (w.windowButton->isVisibleTo(w.form) != diagrams)
        w.windowButton->setVisible(diagrams);
    if (w.chart->isVisibleTo(w.form) == diagrams || w.diagramView->isVisibleTo(w.form) != diagrams) {
        const bool focused = w.chart->hasFocus() || w.diagramView->hasFocus();
        w.chart->setVisible(!diagrams);
        w.diagramView->setVisible(diagrams);
        // Diagrams that come into view (a switch, a menu, a calculation opened) get the room
        // they read in, once the layout has followed.
        if (diagrams)
            QTimer::singleShot(0, this, &ChartPanel::roomWanted);
        if (focused)
            (diagrams ? static_cast<QWidget *>(w.diagramView) : w.chart)->setFocus();
    }
}

void ChartPanel::refreshSwitches()
{
    const ChartArea areas[] = {ChartArea::Results, ChartArea::Diagrams, ChartArea::Influence, ChartArea::Envelope};
    const std::vector<QPushButton *> switches = m_widgets.switches();
    for (std::size_t k = 0; k < switches.size(); ++k)
        switches[k]->setChecked(m_model.chartArea() == areas[k]);
}

void ChartPanel::chooseView(ChartArea area)
{
    m_model.chooseView(area);
    emit changed();
}

void ChartPanel::openDiagramWindow()
{
    if (!m_diagramWindow) {
        m_diagramWindow = new DiagramWindow(&m_window);
        connect(m_diagramWindow, &DiagramWindow::contextMenuRequested, this,
                [this](QPoint globalPos) { m_menus.popupChart(globalPos); });
    }
    m_diagramWindow->setContent(m_widgets.caseTitle->text(), m_model.diagrams(), DiagramOptions{m_model.showSlope()},
                                m_model.lastRejected());
    m_diagramWindow->open(&m_window);
}

}  // namespace shell
