#pragma once

// The diagrams of the current case as a widget; the painting itself is in diagrampainter.h.

#include "shell/core/diagrams.h"
#include "shell/paint/diagrampainter.h"
#include "shell/qt/controls.h"

#include <QPoint>
#include <QString>

namespace shell {

// Pointing at a member's diagrams reports the values at that x (for the status bar); leaving
// them reports an empty text. The right button, the context-menu key and Shift+F10 ask for the
// chart's menu, as on the results chart; a double click asks for the diagrams in a window of
// their own.
class DiagramView : public MenuPictureView
{
    Q_OBJECT
public:
    explicit DiagramView(QWidget *parent = nullptr);

    // Repaints only when the diagrams come from other inputs or the options differ.
    void setData(const CaseDiagrams &diagrams, const DiagramOptions &options);
    // Diagrams of an input since refused: drawn washed out, and said so, until the next accepted
    // input.
    void setStale(bool stale);
    bool stale() const { return m_stale; }
    const CaseDiagrams &diagrams() const { return m_diagrams; }
    const DiagramOptions &options() const { return m_options; }
    int paintCount() const { return m_paintCount; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void valuesHovered(const QString &text);
    void windowRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    CaseDiagrams m_diagrams;
    DiagramOptions m_options;
    QString m_hovered;
    bool m_stale = false;
    int m_paintCount = 0;
};

}  // namespace shell
