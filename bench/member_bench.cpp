// Any straight member solved with its extremes, as a keystroke in the member window asks for it:
// reactions, V, M, θ and δ as exact pieces, and the largest and smallest value of each. A member
// of 10 supports (fixed, pinned, rollers and springs, one settling), 4 hinges and 10, 100 or 1000
// loads (point forces, couples and partial linear loads); beside it, in the same run, the smallest
// member of the family: a simple span under one point load, solved and read the same way. And the
// envelope of M and V under a crane runway's train (two cranes of three axles each) rolling both
// ways across the member of 10 supports, at 200 intervals with its absolute extremes, as the
// member window asks for it when the train changes, and the same with a uniform load beside it;
// and the same member under three load cases in four combinations, all with pattern loading: the
// envelope at 200 intervals with its exact extremes, as the combinations table of the member
// window asks for it.
//
//     build/bench/member_bench        # 10 interleaved repetitions, medians and TABLE lines

#include "bench/medians.h"
#include "mechanics/beam.h"
#include "mechanics/combination.h"
#include "mechanics/extremes.h"
#include "mechanics/movingload.h"
#include "shell/core/heap.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace mechanics;

constexpr double Length = 45000;  // mm: nine spans of 5 m

Beam generalMember(int loads)
{
    Beam beam{Length, 2.05e5 * 3.2e8, {}, {}, {}, {}};
    for (int s = 0; s <= 9; ++s) {
        const double x = s * Length / 9;
        Support support{x, s == 0 ? SupportKind::Fixed : SupportKind::Roller};
        if (s == 5)
            support = {x, SupportKind::Spring, 4e4, 0, 0};
        if (s == 9)
            support = {x, SupportKind::Spring, 8e4, 1e11, 0};
        if (s == 3)
            support.settlement = 4;
        beam.supports.push_back(support);
    }
    // One hinge in every second span from the second on: every part keeps two supports.
    beam.hinges = {1.4 * Length / 9, 3.6 * Length / 9, 5.4 * Length / 9, 7.6 * Length / 9};
    beam.segments = {{0, Length / 9, 2.05e5 * 6e8}};
    // Positions spread over the member by a fixed stride (never on a hinge).
    for (int i = 0; i < loads; ++i) {
        const double x = Length * ((i * 0.618034 + 0.0137) - static_cast<int>(i * 0.618034 + 0.0137));
        switch (i % 3) {
        case 0:
            beam.forces.push_back({x, 1e4 + 10 * i});
            break;
        case 1:
            beam.couples.push_back({x, 2e6 - 1e3 * i});
            break;
        default:
            beam.distributed.push_back({x, std::min(Length, x + 3000), 5, 12});
        }
    }
    return beam;
}

Beam simpleSpan()
{
    return {6000, 2.05e5 * 3.2e8, {{0, SupportKind::Pinned}, {6000, SupportKind::Roller}}, {{2000, 1e4}}, {}, {}};
}

// Permanent load (uniform over the member, two point forces), imposed load over the whole
// member and snow on the right half (partial, varying), in 1.35·G + 1.5·Q + 0.75·S and its
// companions, every one with pattern loading.
struct Combined {
    Beam member;
    std::vector<LoadCase> cases;
    std::vector<Combination> combinations;
};

Combined combinedMember()
{
    Combined c{generalMember(0), {}, {}};
    c.cases.push_back({{{0.3 * Length, 2e4}, {0.7 * Length, 3e4}}, {}, {{0, Length, 4, 4}}, false});
    c.cases.push_back({{}, {}, {{0, Length, 5, 5}}, true});
    c.cases.push_back({{{0.8 * Length, 1e4}}, {}, {{0.5 * Length, Length, 2, 3}}, true});
    c.combinations = {
        {{1.35, 1.5, 0.75}, true}, {{1.35, 1.05, 1.5}, true}, {{1.0, 1.5, 0}, true}, {{1.0, 0, 1.5}, true}};
    return c;
}

void combinationEnvelope200(benchmark::State &state, const Combined &c)
{
    for (auto _ : state) {
        const Outcome<CombinationEnvelope> e = combinationEnvelope(c.member, c.cases, c.combinations, 200);
        if (!e) {
            state.SkipWithError(e.error().message.c_str());
            break;
        }
        benchmark::DoNotOptimize(e->largestMoment.governing.value);
    }
}

void solveWithExtremes(benchmark::State &state, const Beam &beam)
{
    for (auto _ : state) {
        const Outcome<BeamSolution> s = solveBeam(beam);
        if (!s) {
            state.SkipWithError(s.error().message.c_str());
            break;
        }
        benchmark::DoNotOptimize(extremes(s->shear));
        benchmark::DoNotOptimize(extremes(s->moment));
        benchmark::DoNotOptimize(extremes(*s->slope));
        benchmark::DoNotOptimize(extremes(*s->deflection));
    }
}

// Two cranes of three axles of 150 kN each, 1.2 m apart, the cranes 3.6 m apart.
Train craneTrain()
{
    Train train;
    for (double a : {0.0, 1200.0, 2400.0, 6000.0, 7200.0, 8400.0})
        train.axles.push_back({a, 1.5e5});
    return train;
}

void trainEnvelopeOf(benchmark::State &state, const Beam &beam, double uniform)
{
    Train train = craneTrain();
    train.uniform = uniform;
    for (auto _ : state) {
        const Outcome<TrainEnvelope> e = trainEnvelope(beam, train, 200);
        if (!e) {
            state.SkipWithError(e.error().message.c_str());
            break;
        }
        benchmark::DoNotOptimize(e->largestMoment.value);
    }
}

}  // namespace

int main(int argc, char **argv)
{
    // As the programs do at their start.
    shell::keepFreedMemoryForTheNextSolution();
    const std::vector<int> counts{10, 100, 1000};
    for (int loads : counts)
        benchmark::RegisterBenchmark(("member/loads" + std::to_string(loads)).c_str(), solveWithExtremes,
                                     generalMember(loads))
            ->Unit(benchmark::kMicrosecond)
            ->UseRealTime();
    benchmark::RegisterBenchmark("member/combinations", combinationEnvelope200, combinedMember())
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("member/simpleSpan", solveWithExtremes, simpleSpan())
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("member/trainEnvelope", trainEnvelopeOf, generalMember(0), 0.0)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    // The same train with a uniform load of 10 N/mm beside it, placed where it is worst.
    benchmark::RegisterBenchmark("member/trainEnvelopeUniform", trainEnvelopeOf, generalMember(0), 10.0)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    MedianReporter reporter;
    runMedians(argc, argv, reporter);
    const double reference = reporter.medians["member/simpleSpan"];
    for (int loads : counts) {
        const std::string name = "member/loads" + std::to_string(loads);
        const double product = reporter.medians[name];
        if (product > 0 && reference > 0)
            std::printf("TABLE\tmember: 10 supports, 4 hinges, %d loads, solved with extremes\t%.1f us\t%.1f us "
                        "simple span, one load\t%.1f\t%s\t%s\t%.1f\n",
                        loads, product, reference, product / reference, loads == 100 ? "<= 50 us" : "",
                        loads == 100 ? (product <= 50 ? "yes" : "no") : "",
                        reporter.cpuMedians[name] / reporter.cpuMedians["member/simpleSpan"]);
    }
    // The simple span's time is in microseconds, the envelopes' in milliseconds.
    for (const char *uniform : {"", "Uniform"}) {
        const std::string name = std::string("member/trainEnvelope") + uniform;
        const double envelope = reporter.medians[name];
        if (envelope > 0 && reference > 0)
            std::printf("TABLE\tmember: train of 6 axles%s, envelope at 200 intervals, 10 supports\t%.2f ms\t%.1f us "
                        "simple span, one load\t%.0f\t<= 50 ms\t%s\t%.0f\n",
                        *uniform ? " and w" : "", envelope, reference, envelope * 1000 / reference,
                        envelope <= 50 ? "yes" : "no",
                        reporter.cpuMedians[name] * 1000 / reporter.cpuMedians["member/simpleSpan"]);
    }
    const double combined = reporter.medians["member/combinations"];
    if (combined > 0 && reference > 0)
        std::printf("TABLE\tmember: 10 supports, 4 hinges, 3 load cases, 4 combinations with pattern loading, "
                    "envelope at 200 intervals with exact extremes\t%.1f us\t%.1f us simple span, one load\t%.1f\t"
                    "\t\t%.1f\n",
                    combined, reference, combined / reference,
                    reporter.cpuMedians["member/combinations"] / reporter.cpuMedians["member/simpleSpan"]);
    benchmark::Shutdown();
    return 0;
}
