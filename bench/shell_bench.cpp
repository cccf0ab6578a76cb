// Timings that matter to the user, each beside its yardstick measured in the same run:
//
// - one keystroke in the model (read, compute, format, chart points);
// - one keystroke in the real window, on cantilever's case with the most result rows, at the
//   program's own size and at 1920×1080, in two definitions: up to the paint of what the
//   keystroke changed, as the event loop does it ("keystroke"), and with the whole window
//   repainted after it ("keystroke+repaint"); the same with the diagrams of Beam (1);
// - the same keystrokes in a stock-Qt window of the same case (line edits, a Qt Charts bar
//   chart, everything recomputed on textChanged), where Qt Charts is installed;
// - one start of the program up to its first finished paint, a process of its own, beside a
//   bare QLabel window started the same way, with the resident memory after the first paint;
// - one command-line run.
//
// Repetitions run interleaved (product and reference alternate), real time; at the end the
// medians are set against each other: "reference / product" for the keystrokes (how many times
// faster the product is), "product / label" for the start.
//
//     build/bench/shell_bench                      # offscreen, 10 interleaved repetitions
//     xvfb-run -s '-screen 0 2560x1440x24' env QT_QPA_PLATFORM=xcb build/bench/shell_bench

#include "beams/beams.h"
#include "cantilever/cantilever.h"
#include "cli/structcalc.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"
#include "shell/qt/calculatorwindow.h"

#ifdef STRUCTCALC_REFERENCE_WINDOW
#include "referencewindow.h"
#endif

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

int caseWithMostRows(const shell::Program &program)
{
    int best = 0;
    for (int i = 0; i < program.caseCount(); ++i)
        if (program.cases[static_cast<std::size_t>(i)].rowCount() >
            program.cases[static_cast<std::size_t>(best)].rowCount())
            best = i;
    return best;
}

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

// How the keystroke ends: the event loop paints what it invalidated before the next event, or
// the whole window is repainted after it (the usual definition of a window benchmark).
enum class Finish { ChangedAreas, Repaint };

// Types into `input` of `window`: a digit, then a backspace, alternately.
void typeInto(benchmark::State &state, QWidget &window, QLineEdit *input, Finish finish)
{
    QApplication::processEvents();
    input->setFocus();
    input->end(false);
    bool add = true;
    for (auto _ : state) {
        QTest::keyClick(input, add ? Qt::Key_1 : Qt::Key_Backspace);
        add = !add;
        QApplication::sendPostedEvents();
        QApplication::processEvents();
        if (finish == Finish::Repaint)
            window.repaint();
    }
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
    const int twips = shell::ShellModel::TwipsPerPixel;
    return {program.windowWidth / twips, (program.windowHeight / twips) + window.menuBar()->sizeHint().height() +
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

// --- start-up: a process of its own, up to its first finished paint ---

std::string probePath()
{
    std::vector<char> self(4096);
    const ssize_t length = readlink("/proc/self/exe", self.data(), self.size() - 1);
    std::string path(self.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
    return path.substr(0, path.rfind('/') + 1) + "startup_probe";
}

// Runs the probe once; its resident memory in KiB, or -1.
long startOnce(const std::string &probe, const char *what)
{
    int out[2];
    if (pipe(out) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(probe.c_str(), probe.c_str(), what, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);
    char buffer[128] = {};
    std::size_t got = 0;
    for (ssize_t n = 0; got + 1 < sizeof buffer && (n = read(out[0], buffer + got, sizeof buffer - 1 - got)) > 0;)
        got += static_cast<std::size_t>(n);
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    long kib = -1;
    if (std::sscanf(buffer, "rss_kib %ld", &kib) != 1)
        return -1;
    return kib;
}

void startup(benchmark::State &state, const char *what)
{
    const std::string probe = probePath();
    long kib = -1;
    for (auto _ : state) {
        kib = startOnce(probe, what);
        if (kib < 0) {
            state.SkipWithError("startup_probe did not report");
            return;
        }
    }
    state.counters["rss_MiB"] = static_cast<double>(kib) / 1024.0;
}

void structcalcRun(benchmark::State &state)
{
    const std::vector<std::string> args{"cantilever", "18", "w=120", "--json"};
    for (auto _ : state) {
        std::ostringstream out, err;
        benchmark::DoNotOptimize(structcalc::run(args, out, err));
    }
}

// Prints as the console does and keeps the median of each benchmark for the ratios.
class MedianReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.str()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;
};

void printRatios(const std::map<std::string, double> &medians)
{
    std::printf("\nmedians set against each other (real time):\n");
    for (const auto &[name, product] : medians) {
        const auto at = name.find("/product");
        if (at == std::string::npos)
            continue;
        for (const char *other : {"/reference", "/label"}) {
            std::string match = name;
            match.replace(at, std::strlen("/product"), other);
            const auto found = medians.find(match);
            if (found == medians.end() || product <= 0 || found->second <= 0)
                continue;
            if (std::strcmp(other, "/reference") == 0)
                std::printf("  %-48s reference / product = %.2f (product %.2f times as fast)\n", name.c_str(),
                            found->second / product, found->second / product);
            else
                std::printf("  %-48s product / label = %.3f\n", name.c_str(), product / found->second);
        }
    }
}

void registerBenchmarks()
{
    benchmark::RegisterBenchmark("modelKeystroke", modelKeystroke)->Unit(benchmark::kMicrosecond);
    const QSize own = programSize();
    const QSize large(1920, 1080);
    const struct {
        const char *name;
        Finish finish;
    } finishes[] = {{"keystroke", Finish::ChangedAreas}, {"keystroke+repaint", Finish::Repaint}};
    for (const auto &f : finishes) {
        for (const QSize &size : {own, large}) {
            const std::string at = "/" + std::to_string(size.width()) + "x" + std::to_string(size.height());
            const std::string name = std::string(f.name) + at;
            benchmark::RegisterBenchmark((name + "/product").c_str(), productKeystroke, size, f.finish, false)
                ->Unit(benchmark::kMicrosecond)
                ->UseRealTime();
#ifdef STRUCTCALC_REFERENCE_WINDOW
            benchmark::RegisterBenchmark((name + "/reference").c_str(), referenceKeystroke, size, f.finish)
                ->Unit(benchmark::kMicrosecond)
                ->UseRealTime();
#endif
            benchmark::RegisterBenchmark((std::string(f.name) + "-diagrams" + at).c_str(), productKeystroke, size,
                                         f.finish, true)
                ->Unit(benchmark::kMicrosecond)
                ->UseRealTime();
        }
    }
    benchmark::RegisterBenchmark("startup/product", startup, "cantilever")
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(5);
    benchmark::RegisterBenchmark("startup/label", startup, "label")
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(5);
    benchmark::RegisterBenchmark("structcalcRun", structcalcRun)->Unit(benchmark::kMicrosecond);
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    // Ten repetitions of each, interleaved, reported as their aggregates, unless asked otherwise.
    std::vector<char *> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=10";
    std::string interleaving = "--benchmark_enable_random_interleaving=true";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    bool own = false;
    for (int i = 1; i < argc; ++i)
        own = own || std::strncmp(argv[i], "--benchmark_repetitions", 23) == 0;
    if (!own) {
        args.push_back(repetitions.data());
        args.push_back(interleaving.data());
        args.push_back(aggregates.data());
    }
    int count = static_cast<int>(args.size());
    registerBenchmarks();
    benchmark::Initialize(&count, args.data());
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios(reporter.medians);
    benchmark::Shutdown();
    return 0;
}
