#include "shell/qt/chartpanel.h"

#include "shell/core/shellmodel.h"
#include "shell/qt/chartview.h"
#include "shell/qt/diagramview.h"
#include "shell/qt/diagramwindow.h"
#include "shell/qt/formwidgets.h"
#include "shell/qt/windowmenus.h"

#include <QLabel>
#include <QPushButton>
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
}

void ChartPanel::refresh(bool stale)
{
    const FormWidgets &w = m_widgets;
    w.chart->setStale(stale);
    w.diagramView->setStale(stale);
    // Only the view on display follows the model, so a keystroke draws one of them.
    const bool diagrams = m_model.chartArea() == ChartArea::Diagrams;
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
    const bool diagrams = m_model.chartArea() == ChartArea::Diagrams;
    m_widgets.resultsSwitch->setChecked(!diagrams);
    m_widgets.diagramsSwitch->setChecked(diagrams);
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
