#pragma once

// The chart area under the results: the results chart or the diagrams along the member, the two
// switches between them, the command that opens the diagrams in a window of their own, and that
// window. Only the view on display follows the model. A click on a chart point opens its menu, a
// right click the chart's menu; a switch chosen is announced with changed(), diagrams that come
// into view ask for room with roomWanted() once the layout has followed.

#include "shell/core/memberresults.h"

#include <QObject>

#include <vector>

class QWidget;

namespace shell {

enum class ChartArea;
struct FormWidgets;
class DiagramWindow;
class ShellModel;
class WindowMenus;

class ChartPanel : public QObject
{
    Q_OBJECT

public:
    // The chart area among `widgets` of `window`.
    ChartPanel(QWidget &window, ShellModel &model, const FormWidgets &widgets, WindowMenus &menus);

    // Brings the view on display, the switches and the diagrams' window in line with the model;
    // `stale` where the results no longer belong to the inputs shown.
    void refresh(bool stale);
    void refreshSwitches();
    void chooseView(ChartArea area);
    // The diagrams in a window of their own, opened or raised.
    void openDiagramWindow();

signals:
    void changed();
    void roomWanted();

private:
    QWidget &m_window;
    ShellModel &m_model;
    const FormWidgets &m_widgets;
    WindowMenus &m_menus;
    DiagramWindow *m_diagramWindow = nullptr;         // made when first asked for
    std::vector<InfluenceChoice> m_influenceChoices;  // the quantities the choice lists, in its order
    std::vector<std::string> m_envelopeChoices;       // "" for the envelope, then the combinations' names

    void refreshInfluenceChoice();
    void refreshEnvelopeChoice();
};

}  // namespace shell
