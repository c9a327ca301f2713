// A search whose list outgrows the window's result budget (1 GiB): the list up to the budget,
// then the exact count of the rest (pi(b) - pi(last listed prime) for wide prime intervals,
// primesieve's counting for twins). The sink counts bytes only, so the figures show computing
// and formatting, not the disk. Each benchmark checks its count against the published value.
#include <benchmark/benchmark.h>

#include <string>

#include "core/tools/prime_search.h"
#include "core/tools/twin_search.h"

namespace numerel {
namespace {

constexpr std::uint64_t kBudget = std::uint64_t{1} << 30;

template <class Run>
void Measure(benchmark::State& state, std::uint64_t expected, Run&& run) {
    SearchSummary summary;
    std::uint64_t bytes = 0;
    for (auto _ : state) {
        CountingSink sink(kBudget);
        summary = run(sink);
        bytes = sink.Bytes();
    }
    if (summary.count != expected || !summary.cut) {
        state.SkipWithError(("wrong count or not cut: " + summary.caption).c_str());
    }
    state.counters["count"] = static_cast<double>(summary.count);
    state.counters["text_MB"] = static_cast<double>(bytes) / 1e6;
}

void Primes(benchmark::State& state, std::uint64_t to, std::uint64_t expected) {
    Measure(state, expected, [&](ResultSink& sink) {
        return PrimesRun(PrimesBounds{1, to, PathButton::Binary64}, sink, {});
    });
}

void Twins(benchmark::State& state, std::uint64_t to, std::uint64_t expected) {
    Measure(state, expected, [&](ResultSink& sink) {
        return TwinsRun(TwinsBounds{2, to}, sink, {});
    });
}

// pi(10^11), pi(10^16) and the twin pairs below 10^11 (published values).
BENCHMARK_CAPTURE(Primes, from_1_to_1e11, 100000000000, 4118054813)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(Primes, from_1_to_1e16, 10000000000000000, 279238341033925)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(Twins, from_2_to_1e11, 100000000000, 224376048)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

}  // namespace
}  // namespace numerel

BENCHMARK_MAIN();
