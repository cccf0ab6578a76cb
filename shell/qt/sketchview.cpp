#include "shell/qt/sketchview.h"

#include "shell/paint/sketchpainter.h"

#include <QColor>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace shell {

SketchView::SketchView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

namespace {

bool samePoint(Point p, Point q)
{
    return p.x == q.x && p.y == q.y;
}

bool sameElement(const SketchElement &e, const SketchElement &f)
{
    return e.kind == f.kind && samePoint(e.a, f.a) && samePoint(e.b, f.b) && e.h1 == f.h1 && e.h2 == f.h2 &&
           e.side == f.side && e.support == f.support && e.label == f.label &&
           std::equal(e.points.begin(), e.points.end(), f.points.begin(), f.points.end(), samePoint);
}

}  // namespace

void SketchView::setSketch(Sketch sketch)
{
    const auto &now = m_sketch.elements();
    const auto &next = sketch.elements();
    if (std::equal(now.begin(), now.end(), next.begin(), next.end(), sameElement))
        return;
    m_sketch = std::move(sketch);
    update();
}

QSize SketchView::sizeHint() const
{
    return {190, 170};
}

void SketchView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const double margin = std::max(4.0, std::min(width(), height()) * 0.04);
    paintSketch(painter, QRectF(rect()).adjusted(margin, margin, -margin, -margin), m_sketch);
}

}  // namespace shell
