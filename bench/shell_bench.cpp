// Timings that matter to the user: one keystroke in the model (read, compute, format, chart
// points), one keystroke in the real window up to a finished repaint (with the results chart on
// the case with the most result rows, and with the diagrams of Beam (1)), opening a window, and
// one command-line run.
//
//     QT_QPA_PLATFORM=offscreen build/bench/shell_bench

#include "beams/beams.h"
#include "cantilever/cantilever.h"
#include "cli/structcalc.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"
#include "shell/qt/calculatorwindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <sstream>

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
BENCHMARK(modelKeystroke);

void windowKeystroke(benchmark::State &state)
{
    shell::testing::RecordingPlatform platform;
    shell::CalculatorWindow window(cantilever::program(), &platform);
    window.show();
    const int index = caseWithMostRows(cantilever::program());
    window.model().selectCase(index);
    window.refresh();
    QApplication::processEvents();
    auto *input = window.findChild<QLineEdit *>(QStringLiteral("Text%1_0").arg(index + 1));
    input->setFocus();
    input->end(false);
    bool add = true;
    for (auto _ : state) {
        if (add)
            QTest::keyClick(input, Qt::Key_1);
        else
            QTest::keyClick(input, Qt::Key_Backspace);
        add = !add;
        // Paint what the keystroke invalidated, as the event loop would before the next event.
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }
}
BENCHMARK(windowKeystroke)->Unit(benchmark::kMicrosecond);

// The same keystroke with the diagrams on display: the member solved again, its extremes found
// and the member with its strips painted.
void windowKeystrokeDiagrams(benchmark::State &state)
{
    shell::testing::RecordingPlatform platform;
    shell::CalculatorWindow window(beams::program(), &platform);
    window.show();
    window.model().selectCase(0);
    window.model().chooseView(shell::ChartArea::Diagrams);
    window.refresh();
    QApplication::processEvents();
    auto *input = window.findChild<QLineEdit *>(QStringLiteral("Text1_0"));
    input->setFocus();
    input->end(false);
    bool add = true;
    for (auto _ : state) {
        QTest::keyClick(input, add ? Qt::Key_1 : Qt::Key_Backspace);
        add = !add;
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }
}
BENCHMARK(windowKeystrokeDiagrams)->Unit(benchmark::kMicrosecond);

void windowStartup(benchmark::State &state)
{
    shell::testing::RecordingPlatform platform;
    for (auto _ : state) {
        shell::CalculatorWindow window(cantilever::program(), &platform);
        window.show();
        window.repaint();
    }
}
BENCHMARK(windowStartup)->Unit(benchmark::kMillisecond);

void structcalcRun(benchmark::State &state)
{
    const std::vector<std::string> args{"cantilever", "18", "w=120", "--json"};
    for (auto _ : state) {
        std::ostringstream out, err;
        benchmark::DoNotOptimize(structcalc::run(args, out, err));
    }
}
BENCHMARK(structcalcRun)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
