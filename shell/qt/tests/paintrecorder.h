#pragma once

// Records the area of every paint of a widget, for tests of what a change repaints:
//
//     PaintRecorder recorder;
//     view.installEventFilter(&recorder);
//     ...; QApplication::processEvents();
//     EXPECT_TRUE(recorder.painted.boundingRect() <= field);

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>

class PaintRecorder : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
    QRegion painted;
};
