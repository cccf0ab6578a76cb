// One start of a program up to its first finished paint, for shell_bench's start-up timing:
// builds the application and the window as the program's main does, and at the end of the
// window's first paint prints the resident memory ("rss_kib 41234") and leaves at once, so that
// the time from fork to exit is the start-up. "label" starts a bare QLabel window instead.
//
//     startup_probe cantilever | startup_probe label

#include "cantilever/cantilever.h"
#include "shell/qt/calculatorwindow.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

namespace {

long residentKib()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Leaves right after the first paint of the watched window has been flushed: a zero timer
// posted from inside the paint runs once the repaint manager has finished that paint.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                std::printf("rss_kib %ld\n", residentKib());
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

}  // namespace

int main(int argc, char **argv)
{
    const bool label = argc > 1 && std::strcmp(argv[1], "label") == 0;
    QApplication app(argc, argv);
    FirstPaint watcher;
    std::unique_ptr<QWidget> window;
    if (label)
        window = std::make_unique<QLabel>(QStringLiteral("structcalc"));
    else
        window = std::make_unique<shell::CalculatorWindow>(cantilever::program());
    window->installEventFilter(&watcher);
    window->show();
    return QApplication::exec();
}
