#include "shell/qt/diagramview.h"

#include "shell/core/language.h"

#include "shell/qt/controls.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace shell {

DiagramView::DiagramView(QWidget *parent) : MenuPictureView(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DiagramView::setData(const CaseDiagrams &diagrams, const DiagramOptions &options)
{
    if (diagrams.sameSource(m_diagrams) && diagrams.error == m_diagrams.error &&
        options.showSlope == m_options.showSlope)
        return;
    m_diagrams = diagrams;
    m_options = options;
    update();
}

void DiagramView::setStale(bool stale)
{
    if (m_stale == stale)
        return;
    m_stale = stale;
    update();
}

QSize DiagramView::sizeHint() const
{
    return {400, 240};
}

QSize DiagramView::minimumSizeHint() const
{
    return {120, 80};
}

void DiagramView::paintEvent(QPaintEvent *)
{
    ++m_paintCount;
    QPainter painter(this);
    painter.setFont(font());
    if (m_stale && m_diagrams.kind == CaseDiagrams::Kind::None) {
        // Refused before any input was accepted: nothing to show yet.
        painter.fillRect(rect(), Qt::white);
        painter.setPen(quietInk(Qt::black, Qt::white));
        painter.drawText(
            rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
            QString::fromStdString(shell::translated("Text", "The diagrams show once the inputs are accepted")));
    } else {
        paintDiagrams(painter, QRectF(rect()), m_diagrams, m_options);
        if (m_stale)
            paintStaleMark(painter, rect());
    }
    if (hasFocus())
        paintFocusFrame(painter, 1);
}

void DiagramView::mouseMoveEvent(QMouseEvent *event)
{
    const QString text =
        diagramValuesAt(QRectF(rect()), m_diagrams, m_options, event->position(), QFontMetricsF(font(), this));
    if (text != m_hovered) {
        m_hovered = text;
        emit valuesHovered(text);
    }
    QWidget::mouseMoveEvent(event);
}

void DiagramView::leaveEvent(QEvent *event)
{
    if (!m_hovered.isEmpty()) {
        m_hovered.clear();
        emit valuesHovered(QString());
    }
    QWidget::leaveEvent(event);
}

void DiagramView::mousePressEvent(QMouseEvent *event)
{
    askMenuByMouse(event);
}

void DiagramView::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit windowRequested();
}

void DiagramView::keyPressEvent(QKeyEvent *event)
{
    if (!askMenuByKey(event, mapToGlobal(rect().center())))
        QWidget::keyPressEvent(event);
}

}  // namespace shell
