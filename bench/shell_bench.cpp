// One keystroke, timed beside its yardstick in the same run:
//
// - in the model (read, compute, format, chart points);
// - in the real window, on cantilever's case with the most result rows, at the program's own
//   size and at 1920×1080, and in a stock-Qt window of the same case (line edits, a Qt Charts
//   bar chart, everything recomputed on textChanged) where Qt Charts is installed; the same in
//   the window with the diagrams of Beams (1), which has no stock counterpart.
//
// A window keystroke is the key event and everything the event loop then does, up to the paint
// of what the keystroke changed ("changed"), and then, in the other two definitions, a repaint
// of the whole window: QWidget::repaint() of the window ("repaint"), which leaves out the
// children that paint themselves opaquely, and a grab() of the window ("grab"), which paints
// every visible widget of it. Each benchmark counts, before it is timed, the widgets one
// keystroke paints ("painted") beside the visible widgets of the window ("widgets").
//
// Repetitions run interleaved (product and reference alternate at random), real time; at the
// end the medians are set against each other as "reference / product", how many times as fast
// the product is, one TABLE line each for bench/run, with the same ratio in processor time (of
// the benchmark's thread) beside it.
//
//     build/bench/shell_bench                      # offscreen, 10 interleaved repetitions
//     xvfb-run -s '-screen 0 2560x1440x24' env QT_QPA_PLATFORM=xcb build/bench/shell_bench

#include "bench/medians.h"
#include "benchcase.h"

#include "beams/beams.h"
#include "cantilever/cantilever.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"
#include "shell/qt/calculatorwindow.h"

#ifdef STRUCTCALC_REFERENCE_WINDOW
#include "referencewindow.h"
#endif

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QStatusBar>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

void modelKeystroke(benchmark::State &state)
{
    shell::testing::RecordingPlatform platform;
    shell::ShellModel model(cantilever::program(), platform);
    model.start();
    model.selectCase(caseWithMostRows(cantilever::program()));
    bool flip = false;
    for (auto _ : state) {
        model.setText(0, flip ? "100" : "101");
        flip = !flip;
        benchmark::DoNotOptimize(model.rows().data());
    }
}

// How a keystroke ends, see above.
enum class Finish { Changed, Repaint, Grab };

void finishKeystroke(QWidget &window, Finish finish)
{
    QApplication::sendPostedEvents();
    QApplication::processEvents();
    if (finish == Finish::Repaint)
        window.repaint();
    if (finish == Finish::Grab)
        benchmark::DoNotOptimize(window.grab().cacheKey());
}

// Notes which widgets paint while it is installed on the application.
class PaintWatcher : public QObject
{
public:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted.insert(object);
        return false;
    }
    std::set<QObject *> painted;
};

int visibleWidgets(const QWidget &window)
{
    int visible = 1;
    for (const QWidget *child : window.findChildren<QWidget *>())
        visible += child->isVisible() ? 1 : 0;
    return visible;
}

// Types into `input` of `window`: a digit, then a backspace, alternately.
void typeInto(benchmark::State &state, QWidget &window, QLineEdit *input, Finish finish)
{
    QApplication::processEvents();
    input->setFocus();
    input->end(false);
    bool add = true;
    const auto keystroke = [&] {
        QTest::keyClick(input, add ? Qt::Key_1 : Qt::Key_Backspace);
        add = !add;
        finishKeystroke(window, finish);
    };
    // What one keystroke paints, from a keystroke after a first one, untimed.
    keystroke();
    PaintWatcher watcher;
    qApp->installEventFilter(&watcher);
    keystroke();
    qApp->removeEventFilter(&watcher);

    for (auto _ : state)
        keystroke();
    state.counters["painted"] = static_cast<double>(watcher.painted.size());
    state.counters["widgets"] = visibleWidgets(window);
}

void productKeystroke(benchmark::State &state, QSize size, Finish finish, bool diagrams)
{
    const shell::Program &program = diagrams ? beams::program() : cantilever::program();
    shell::testing::RecordingPlatform platform;
    shell::CalculatorWindow window(program, &platform);
    window.resize(size);
    window.show();
    const int index = diagrams ? 0 : caseWithMostRows(program);
    window.model().selectCase(index);
    if (diagrams)
        window.model().chooseView(shell::ChartArea::Diagrams);
    window.refresh();
    auto *input = window.findChild<QLineEdit *>(QStringLiteral("Text%1_0").arg(index + 1));
    typeInto(state, window, input, finish);
}

// The window's size as the program opens it on a screen with room for it (its form at the
// program's size, with the menu bar and the status bar), for both windows to take the same.
QSize programSize()
{
    shell::testing::RecordingPlatform platform;
    shell::CalculatorWindow window(cantilever::program(), &platform);
    const shell::Program &program = cantilever::program();
    const int perPixel = shell::ShellModel::LayoutUnitsPerPixel;
    return {program.windowWidth / perPixel, (program.windowHeight / perPixel) + window.menuBar()->sizeHint().height() +
                                                window.statusBar()->sizeHint().height()};
}

#ifdef STRUCTCALC_REFERENCE_WINDOW
void referenceKeystroke(benchmark::State &state, QSize size, Finish finish)
{
    const shell::Program &program = cantilever::program();
    ReferenceWindow window(program.cases[static_cast<std::size_t>(caseWithMostRows(program))]);
    window.resize(size);
    window.show();
    typeInto(state, window, window.input(0), finish);
}
#endif

// Prints as the console does and keeps the median of each benchmark, by its whole name with its
// arguments, for the ratios.
class FullNameMedianReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medians[run.run_name.str()] = run.GetAdjustedRealTime();
                cpuMedians[run.run_name.str()] = run.GetAdjustedCPUTime();
            }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;
    std::map<std::string, double> cpuMedians;
};

struct Definition {
    const char *name;
    const char *target;
    Finish finish;
    double goalAtOwnSize;  // times as fast as the stock window at the program's size, 0 for none
};

const Definition Definitions[] = {
    {"changed", "keystroke, paint of what changed", Finish::Changed, 10.0},
    {"repaint", "keystroke + window repaint()", Finish::Repaint, 0.0},
    {"grab", "keystroke + full repaint, grab()", Finish::Grab, 2.0},
};

std::string sizeName(QSize size)
{
    return std::to_string(size.width()) + "x" + std::to_string(size.height());
}

void printTable(const FullNameMedianReporter &reporter, QSize own, QSize large)
{
    std::printf("\n");
    for (const QSize &size : {own, large}) {
        for (const Definition &definition : Definitions) {
            const std::string base = std::string("keystroke/") + definition.name + "/" + sizeName(size);
            double product = 0;
            double reference = 0;
            double productCpu = 0;
            double referenceCpu = 0;
            for (const auto &[name, median] : reporter.medians) {
                if (name.rfind(base + "/product", 0) == 0) {
                    product = median;
                    productCpu = reporter.cpuMedians.at(name);
                }
                if (name.rfind(base + "/reference", 0) == 0) {
                    reference = median;
                    referenceCpu = reporter.cpuMedians.at(name);
                }
            }
            if (product <= 0 || reference <= 0 || productCpu <= 0)
                continue;
            const double goal = size == own ? definition.goalAtOwnSize : 0.0;
            const double ratio = reference / product;
            char line[512];
            std::snprintf(line, sizeof line, "TABLE\t%s, %s\t%.0f us\t%.0f us stock Qt Charts\t%.2f\t%s\t%s\t%.2f\n",
                          definition.target, sizeName(size).c_str(), product, reference, ratio,
                          goal > 0 ? (">= " + std::to_string(static_cast<int>(goal)) + " x as fast").c_str() : "",
                          goal > 0 ? (ratio >= goal ? "yes" : "no") : "", referenceCpu / productCpu);
            std::fputs(line, stdout);
        }
    }
}

void registerBenchmarks(QSize own, QSize large)
{
    benchmark::RegisterBenchmark("modelKeystroke", modelKeystroke)->Unit(benchmark::kMicrosecond);
    for (const Definition &definition : Definitions) {
        for (const QSize &size : {own, large}) {
            const std::string name = std::string("keystroke/") + definition.name + "/" + sizeName(size);
            benchmark::RegisterBenchmark((name + "/product").c_str(), productKeystroke, size, definition.finish, false)
                ->Unit(benchmark::kMicrosecond)
                ->UseRealTime();
#ifdef STRUCTCALC_REFERENCE_WINDOW
            benchmark::RegisterBenchmark((name + "/reference").c_str(), referenceKeystroke, size, definition.finish)
                ->Unit(benchmark::kMicrosecond)
                ->UseRealTime();
#endif
            benchmark::RegisterBenchmark((name + "/diagrams").c_str(), productKeystroke, size, definition.finish, true)
                ->Unit(benchmark::kMicrosecond)
                ->UseRealTime();
        }
    }
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    const QSize ownSize = programSize();
    const QSize large(1920, 1080);
    registerBenchmarks(ownSize, large);
    FullNameMedianReporter reporter;
    runMedians(argc, argv, reporter);
    printTable(reporter, ownSize, large);
    benchmark::Shutdown();
    return 0;
}
