// The start-up probe of a Qt window program, loaded into the unchanged program with LD_PRELOAD
// by start_bench, so that the program measured is the one that ships. It notes when each step
// of the start is reached and leaves the process as soon as the window's first frame has been
// painted and handed to the window system:
//
//     loaded   the libraries are loaded and relocated (this library's constructor)
//     app      QApplication is being built: its platform plugin is loaded and connected to the
//              display (a pre-routine of QCoreApplication)
//     widget   the first event to a widget: the application is up, the window is being built
//     shown    the window is shown
//     exposed  the window system says the window is on screen (under X, after it is mapped)
//     painted  the first widget paints
//     frame    the first frame is finished: every widget of it painted and flushed
//
// with the resident memory at the end (see probereport.h for what it writes).
//
//     LD_PRELOAD=build/bench/libstartprobe.so build/cantilever/cantilever

#include "probereport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace {

std::int64_t g_loaded = 0;

__attribute__((constructor)) void onLoad()
{
    g_loaded = probe::monotonicNs();
}

class StartWatcher : public QObject
{
public:
    StartWatcher() : m_app(probe::monotonicNs()) {}

    bool eventFilter(QObject *object, QEvent *event) override
    {
        const std::int64_t now = probe::monotonicNs();
        if (object->isWidgetType() && m_widget == 0)
            m_widget = now;
        switch (event->type()) {
        case QEvent::Show:
            if (m_shown == 0 && object->isWidgetType() && static_cast<QWidget *>(object)->isWindow())
                m_shown = now;
            break;
        case QEvent::Expose:
            if (m_exposed == 0 && object->isWindowType())
                m_exposed = now;
            break;
        case QEvent::Paint:
            if (m_painted == 0) {
                m_painted = now;
                // A zero timer posted from inside the first paint runs once the repaint manager
                // has painted and flushed the whole frame.
                QTimer::singleShot(0, this, &StartWatcher::frameDone);
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    void frameDone()
    {
        const std::int64_t frame = probe::monotonicNs();
        std::string line = "marks";
        probe::addMark(line, "loaded", g_loaded);
        probe::addMark(line, "app", m_app);
        probe::addMark(line, "widget", m_widget);
        probe::addMark(line, "shown", m_shown);
        probe::addMark(line, "exposed", m_exposed);
        probe::addMark(line, "painted", m_painted);
        probe::addMark(line, "frame", frame);
        probe::addMemory(line);
        probe::report(line);
        std::_Exit(0);
    }

    std::int64_t m_app;
    std::int64_t m_widget = 0;
    std::int64_t m_shown = 0;
    std::int64_t m_exposed = 0;
    std::int64_t m_painted = 0;
};

void watchStart()
{
    QCoreApplication::instance()->installEventFilter(new StartWatcher);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchStart)
