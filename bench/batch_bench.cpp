// structcalc --batch throughput: Beams case 1, one calculation per CSV line, reading the input
// and writing the output included (from and to memory, so the disk does not count). Beside it,
// the same lines only read and written back, measured in the same run, as the machine's own
// yardstick: the ratio of the two is what holds from one machine to another.
//
//     build/bench/batch_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "cli/structcalc.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

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
BENCHMARK(batchBeamsCase1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The yardstick: the same lines read one at a time and written back unchanged.
void copyLines(benchmark::State &state)
{
    const std::string csv = beamLines();
    for (auto _ : state) {
        std::istringstream in(csv);
        std::ostringstream out;
        for (std::string line; std::getline(in, line);)
            out << line << ",ok\n";
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * Lines);
}
BENCHMARK(copyLines)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
