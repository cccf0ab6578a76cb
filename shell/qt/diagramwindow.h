#pragma once

// The diagrams of the case on display in a window of their own beside the calculator, which can
// be maximised: the same painting as the diagrams under the results, as large as the window,
// following every input. Pointing at a member shows its values in the window's own status bar.

#include "shell/core/diagrams.h"
#include "shell/paint/diagrampainter.h"

#include <QWidget>

class QStatusBar;

namespace shell {

class DiagramView;

class DiagramWindow : public QWidget
{
    Q_OBJECT
public:
    // A window of its own that closes with `calculator`.
    explicit DiagramWindow(QWidget *calculator);

    DiagramView *view() const { return m_view; }
    // The case's title in the window title, the diagrams, and whether they belong to an input
    // since refused.
    void setContent(const QString &caseTitle, const CaseDiagrams &diagrams, const DiagramOptions &options, bool stale);
    // Shows the window beside the calculator where the screen has room, else over it, at a size
    // in which the diagrams read; raises it where it is open already.
    void open(const QWidget *calculator);

signals:
    void contextMenuRequested(QPoint globalPos);

private:
    void fitLeastSize();

    DiagramView *m_view = nullptr;
    QStatusBar *m_status = nullptr;
};

}  // namespace shell
