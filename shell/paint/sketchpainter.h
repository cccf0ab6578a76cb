#pragma once

// Drawing a case sketch (sketch.h) with QPainter onto any paint device: the case picture of
// the window (shell/qt/sketchview.h), a PDF page, a PNG.
//
// The sketch is fitted into the target keeping its proportions, with room for everything that
// reaches beyond its points (support symbols, arrows, labels). Symbols, line widths and the
// label size follow the size of the target, so a picture 120 pixels wide and one filling a
// page look alike; labels use the family of the painter's current font.

#include "shell/core/sketch.h"

#include <QPointF>
#include <QRectF>

#include <vector>

class QPainter;

namespace shell {

// Where the sketch went: a point p of the sketch is at origin + p × scale on the device.
struct SketchPlacement {
    bool drawn = false;
    double scale = 1;
    QPointF origin;
    std::vector<QRectF> labels;  // where each label was drawn, its white ground included
    QPointF map(Point p) const { return origin + (QPointF(p.x, p.y) * scale); }
};

SketchPlacement paintSketch(QPainter &painter, const QRectF &target, const Sketch &sketch);

}  // namespace shell
