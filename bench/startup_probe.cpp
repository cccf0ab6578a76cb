// One start of a program up to its first finished paint, for shell_bench's start-up timing:
// builds the application and the window as the program's main does, and at the end of the
// window's first paint prints the resident memory ("rss_kib 41234") and leaves at once, so that
// the time from fork to exit is the start-up. "label" starts a bare QLabel window instead; a
// second word "mappings" prints where the resident memory is, by mapping, largest first.
//
//     startup_probe cantilever | startup_probe label | startup_probe cantilever mappings

#include "cantilever/cantilever.h"
#include "shell/qt/calculatorwindow.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

long residentKib()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// The resident memory by mapping (a file, [heap], [anon] ...), in KiB, largest first.
void printMappings()
{
    std::ifstream smaps("/proc/self/smaps");
    std::map<std::string, long> bySource;
    std::string source;
    for (std::string line; std::getline(smaps, line);) {
        if (line.rfind("Rss:", 0) == 0) {
            bySource[source] += std::strtol(line.c_str() + 4, nullptr, 10);
        } else if (!line.empty() && std::isxdigit(static_cast<unsigned char>(line[0])) &&
                   line.find('-') < line.find(' ')) {
            const auto path = line.find('/');
            const auto bracket = line.find('[');
            source = path != std::string::npos      ? line.substr(path)
                     : bracket != std::string::npos ? line.substr(bracket)
                                                    : std::string("[anon]");
        }
    }
    std::vector<std::pair<long, std::string>> sorted;
    for (const auto &[name, kib] : bySource)
        sorted.emplace_back(kib, name);
    std::sort(sorted.rbegin(), sorted.rend());
    for (std::size_t i = 0; i < sorted.size() && i < 25; ++i)
        std::printf("%8ld KiB  %s\n", sorted[i].first, sorted[i].second.c_str());
}

// Leaves right after the first paint of the watched window has been flushed: a zero timer
// posted from inside the paint runs once the repaint manager has finished that paint.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(bool mappings) : m_mappings(mappings) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [this] {
                std::printf("rss_kib %ld\n", residentKib());
                if (m_mappings)
                    printMappings();
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool m_mappings;
    bool m_seen = false;
};

}  // namespace

int main(int argc, char **argv)
{
    const bool label = argc > 1 && std::strcmp(argv[1], "label") == 0;
    QApplication app(argc, argv);
    FirstPaint watcher(argc > 2 && std::strcmp(argv[2], "mappings") == 0);
    std::unique_ptr<QWidget> window;
    if (label)
        window = std::make_unique<QLabel>(QStringLiteral("structcalc"));
    else
        window = std::make_unique<shell::CalculatorWindow>(cantilever::program());
    window->installEventFilter(&watcher);
    window->show();
    return QApplication::exec();
}
