#pragma once

// The benchmarks' common run: ten repetitions of each registered benchmark, interleaved at
// random and reported as their aggregates (unless the command line asks for repetitions of its
// own), with the median of each kept by its function name, in real and in processor time.

#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

// Prints as the console does and keeps the median of each benchmark.
class MedianReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
                cpuMedians[run.run_name.function_name] = run.GetAdjustedCPUTime();
            }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;
    std::map<std::string, double> cpuMedians;
};

// Runs the registered benchmarks into `reporter`.
inline void runMedians(int argc, char **argv, benchmark::BenchmarkReporter &reporter)
{
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
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks(&reporter);
}
