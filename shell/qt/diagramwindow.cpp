#include "shell/qt/diagramwindow.h"

#include "shell/core/language.h"

#include "shell/qt/diagramview.h"

#include <QFontMetricsF>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace shell {

DiagramWindow::DiagramWindow(QWidget *calculator) : QWidget(calculator, Qt::Window)
{
    setObjectName(QStringLiteral("DiagramWindow"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_view = new DiagramView(this);
    m_view->setObjectName(QStringLiteral("Diagrams2"));
    layout->addWidget(m_view, 1);
    m_status = new QStatusBar(this);
    m_status->setObjectName(QStringLiteral("StatusBar2"));
    m_status->setSizeGripEnabled(true);
    layout->addWidget(m_status);
    connect(m_view, &DiagramView::valuesHovered, m_status, [this](const QString &text) {
        if (text.isEmpty())
            m_status->clearMessage();
        else
            m_status->showMessage(text);
    });
    connect(m_view, &DiagramView::contextMenuRequested, this, &DiagramWindow::contextMenuRequested);
}

void DiagramWindow::setContent(const QString &caseTitle, const CaseDiagrams &diagrams, const DiagramOptions &options,
                               bool stale)
{
    const QString title = caseTitle + QString::fromStdString(shell::translated("Text", " – diagrams"));
    if (windowTitle() != title)
        setWindowTitle(title);
    m_view->setData(diagrams, options);
    m_view->setStale(stale);
    fitLeastSize();
}

void DiagramWindow::fitLeastSize()
{
    // Narrower than two members side by side need and lower than the diagrams read it never
    // gets; a larger window gives every strip more.
    const QFontMetricsF metrics(m_view->font());
    const int width = static_cast<int>(std::ceil(LeastBlockWidthLines * metrics.height()));
    const int height = static_cast<int>(std::ceil(
        leastDiagramHeight(m_view->diagrams(), m_view->options(), metrics, std::max(m_view->width(), width))));
    m_view->setMinimumSize(width, height);
}

void DiagramWindow::open(const QWidget *calculator)
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    fitLeastSize();
    const QScreen *display = calculator->screen();
    QSize wanted(900, 700);
    if (display) {
        const QRect room = display->availableGeometry();
        const QRect beside = calculator->frameGeometry();
        // Beside the calculator where the screen has room for a readable window there, else as
        // large as most of the screen.
        const int right = room.right() - beside.right() - 24;
        const QSize least = minimumSizeHint().expandedTo(QSize(m_view->minimumWidth(), m_view->minimumHeight()));
        if (right >= least.width()) {
            wanted = QSize(right, room.height() - 60);
            move(beside.right() + 8, room.top());
        } else {
            wanted = QSize(room.width() * 3 / 4, room.height() * 3 / 4);
            move(room.left() + (room.width() / 8), room.top() + (room.height() / 10));
        }
    }
    resize(wanted.expandedTo(minimumSizeHint()));
    show();
    raise();
    activateWindow();
}

}  // namespace shell
