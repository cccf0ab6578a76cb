#pragma once

// The case picture of the window: the sketch painted on white inside a thin border.

#include "shell/core/sketch.h"

#include <QWidget>

namespace shell {

// A case picture: the sketch on white inside a thin border.
class SketchView : public QWidget
{
    Q_OBJECT
public:
    explicit SketchView(QWidget *parent = nullptr);

    // Repaints only when the sketch differs from the one shown.
    void setSketch(Sketch sketch);
    const Sketch &sketch() const { return m_sketch; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Sketch m_sketch;
};

}  // namespace shell
