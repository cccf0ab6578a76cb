// structcalc in one process, without its start: --batch throughput on Beams case 1, one
// calculation per CSV line, reading the input and writing the output included (from and to
// memory, so the disk does not count); beside it, in the same run, the floor of a batch: the
// same lines read, one formula computed on each (the reaction RA = P (l - a) / l) and the line
// written back with it. And one command-line run as structcalc does it after its start, which
// start_bench sets beside the whole process.
//
//     build/bench/batch_bench        # 10 interleaved repetitions, medians and a TABLE line

#include "bench/medians.h"
#include "cli/structcalc.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int Lines = 20000;

std::string beamLines()
{
    std::string csv = "case,P,a,l,x1,x2,E,I\n";
    for (int i = 0; i < Lines; ++i)
        csv += "1," + std::to_string(100 + (i % 37)) + "," + std::to_string(10 + (i % 80)) + ",100,20,50,100000,833\n";
    return csv;
}

void batchBeamsCase1(benchmark::State &state)
{
    const std::string csv = beamLines();
    for (auto _ : state) {
        std::istringstream in(csv);
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(structcalc::run({"Beams", "--batch", "-"}, out, err, &in));
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * Lines);
}

// The floor: each line read, its numbers P, a and l parsed, RA computed and written beside it.
void oneFormulaPerLine(benchmark::State &state)
{
    const std::string csv = beamLines();
    for (auto _ : state) {
        std::istringstream in(csv);
        std::ostringstream out;
        std::string line;
        std::getline(in, line);
        out << line << ",RA\n";
        while (std::getline(in, line)) {
            const char *field = std::strchr(line.c_str(), ',') + 1;
            char *end = nullptr;
            const double p = std::strtod(field, &end);
            const double a = std::strtod(end + 1, &end);
            const double l = std::strtod(end + 1, &end);
            char value[32];
            std::snprintf(value, sizeof value, "%.3e", (p * (l - a)) / l);
            out << line << ',' << value << '\n';
        }
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * Lines);
}

void structcalcRun(benchmark::State &state)
{
    const std::vector<std::string> args{"cantilever", "18", "w=120"};
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(structcalc::run(args, out, err));
    }
}

}  // namespace

int main(int argc, char **argv)
{
    benchmark::RegisterBenchmark("batch/structcalc", batchBeamsCase1)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("batch/oneFormula", oneFormulaPerLine)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("structcalcRun/inProcess", structcalcRun)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
    MedianReporter reporter;
    runMedians(argc, argv, reporter);
    const double product = reporter.medians["batch/structcalc"];
    const double floor = reporter.medians["batch/oneFormula"];
    if (product > 0 && floor > 0)
        std::printf(
            "\nTABLE\tstructcalc --batch in one process, %d lines\t%.1f ms\t%.1f ms C++, one formula a line\t%.2f"
            "\t\t\t%.2f\n",
            Lines, product, floor, product / floor,
            reporter.cpuMedians["batch/structcalc"] / reporter.cpuMedians["batch/oneFormula"]);
    if (reporter.medians.count("structcalcRun/inProcess") != 0)
        std::printf("structcalc run in one process, after its start: %.0f us\n",
                    reporter.medians["structcalcRun/inProcess"]);
    benchmark::Shutdown();
    return 0;
}
