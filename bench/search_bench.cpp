// The interval and partition searches at the sizes users run them, text formatting included
// (the sink only counts the bytes, so the numbers show the search and not the disk).
// Every benchmark checks its count and fails loudly when it is wrong.
#include <benchmark/benchmark.h>

#include <string>

#include "core/tools/goldbach.h"
#include "core/tools/prime_search.h"
#include "core/tools/twin_search.h"

namespace numerel {
namespace {

uint128 Parse(const char* digits) {
    uint128 value = 0;
    for (const char* c = digits; *c != '\0'; ++c)
        value = value * 10 + static_cast<unsigned>(*c - '0');
    return value;
}

template <class Run>
void Measure(benchmark::State& state, std::uint64_t expected_count, Run&& run) {
    std::uint64_t count = 0;
    std::uint64_t bytes = 0;
    for (auto _ : state) {
        CountingSink sink;
        const SearchSummary summary = run(sink);
        count = summary.count;
        bytes = sink.Bytes();
        benchmark::DoNotOptimize(bytes);
    }
    if (count != expected_count) {
        state.SkipWithError(("wrong count " + std::to_string(count)).c_str());
    }
    state.counters["count"] = static_cast<double>(count);
    state.counters["text_MB"] = static_cast<double>(bytes) / 1e6;
}

void GoldbachEven(benchmark::State& state, const char* n, bool one_result, std::uint64_t expected) {
    const GoldbachRequest request{Parse(n), n, GoldbachOptions{one_result, false}};
    Measure(state, expected,
            [&](ResultSink& sink) { return GoldbachEvenRun(request, sink, ProgressFn{}); });
}

void GoldbachOdd(benchmark::State& state, const char* n, bool one_result, std::uint64_t expected) {
    const GoldbachRequest request{Parse(n), n, GoldbachOptions{one_result, false}};
    Measure(state, expected,
            [&](ResultSink& sink) { return GoldbachOddRun(request, sink, ProgressFn{}); });
}

void Primes(benchmark::State& state, const char* from, const char* to, PathButton path,
            std::uint64_t expected) {
    const PrimesBounds bounds{Parse(from), Parse(to), path};
    Measure(state, expected,
            [&](ResultSink& sink) { return PrimesRun(bounds, sink, ProgressFn{}); });
}

void Twins(benchmark::State& state, const char* from, const char* to, std::uint64_t expected) {
    const TwinsBounds bounds{Parse(from), Parse(to)};
    Measure(state, expected,
            [&](ResultSink& sink) { return TwinsRun(bounds, sink, ProgressFn{}); });
}

BENCHMARK_CAPTURE(GoldbachEven, all_of_1e8, "100000000", false, 291400)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GoldbachEven, all_of_1e9, "1000000000", false, 2274205)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(GoldbachEven, one_of_largest_even, "79228162514264337593543950334", true, 1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GoldbachOdd, one_of_largest_odd, "79228162514264337593543950335", true, 1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GoldbachOdd, all_of_20001, "20001", false, 87357)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Primes, from_1e12_width_1e7, "1000000000000", "1000010000000",
                  PathButton::Binary64, 361726)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Primes, from_1e14_width_1e7, "100000000000000", "100000010000000",
                  PathButton::Binary64, 310582)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Primes, decimal96_from_1e28_width_1e5, "10000000000000000000000000000",
                  "10000000000000000000000100000", PathButton::Decimal96, 1554)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(Twins, from_1e12_width_1e9, "1000000000000", "1001000000000", 1730012)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace numerel

BENCHMARK_MAIN();
