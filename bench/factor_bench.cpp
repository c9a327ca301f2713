// Factoring speed: one number (page 0, both buttons), a list (page 1), divisors (page 5).
// Reference timings for the same inputs come from scripts/bench (coreutils factor, PARI/GP).
#include <benchmark/benchmark.h>

#include <string>

#include "core/input/read_number.h"
#include "core/nt/factor_qs.h"
#include "core/nt/factor_sieve.h"
#include "core/tools/divisors_search.h"
#include "core/tools/factor_one.h"
#include "core/tools/factor_range.h"

namespace numerel {
namespace {

void FactorOne(benchmark::State& state, const char* text) {
    const FactorOneChecked checked = FactorOneCheck(text);
    const FactorOneChecked large = FactorLargeCheck(text);
    const auto* input = std::get_if<FactorOneInput>(&checked);
    if (ReadDecimal(text).value > Decimal96::FromInteger(999999999999999))
        input = std::get_if<FactorOneInput>(&large);
    if (input == nullptr) {
        state.SkipWithError("rejected");
        return;
    }
    for (auto _ : state) {
        StringSink pane;
        FactorOneRun(*input, pane, {});
        benchmark::DoNotOptimize(pane.Text().data());
    }
}

BENCHMARK_CAPTURE(FactorOne, Prime999999999999989, "999999999999989")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FactorOne, SmallLimit999999999999999, "999999999999999")
    ->Unit(benchmark::kMicrosecond);
// 200000000000027 x 350000000000009: two 15-digit primes, the hardest shape at 29 digits.
BENCHMARK_CAPTURE(FactorOne, Semiprime29Digits, "70000000000011250000000000243")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FactorOne, Prime29Digits, "79228162514264337593543950319")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FactorOne, TwoTo96Minus1, "79228162514264337593543950335")
    ->Unit(benchmark::kMillisecond);

void FactorRange(benchmark::State& state, std::uint64_t from, std::uint64_t to) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        CountingSink sink;
        FactorRangeRun(FactorRangeInput{from, to}, sink, {});
        bytes = sink.Bytes();
    }
    state.counters["numbers"] = static_cast<double>(to - from + 1);
    state.counters["bytes"] = static_cast<double>(bytes);
}

BENCHMARK_CAPTURE(FactorRange, TenTo12Plus10To5, 1000000000000, 1000000100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FactorRange, TenTo14Plus10To4, 100000000000000, 100000000010000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FactorRange, NearSmallLimit1000, 999999999998999, 999999999999999)
    ->Unit(benchmark::kMillisecond);

// The two strategies of the interval kernel side by side: width 2^range(0) at 10^range(1).
void PrimeDivisors(benchmark::State& state, SieveStrategy strategy) {
    std::uint64_t from = 1;
    for (int i = 0; i < state.range(1); ++i) from *= 10;
    const std::uint64_t to = from + (std::uint64_t{1} << state.range(0)) - 1;
    for (auto _ : state) {
        std::uint64_t sum = 0;
        ForEachPrimeDivisors(
            from, to,
            [&sum](std::uint64_t, std::span<const std::uint64_t> primes) { sum += primes.size(); },
            strategy);
        benchmark::DoNotOptimize(sum);
    }
}

BENCHMARK_CAPTURE(PrimeDivisors, Sieve, SieveStrategy::Segmented)
    ->ArgsProduct({{8, 12, 16}, {9, 12, 15}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PrimeDivisors, PerNumber, SieveStrategy::PerNumber)
    ->ArgsProduct({{8, 12, 16}, {9, 12, 15}})
    ->Unit(benchmark::kMillisecond);

void Divisors(benchmark::State& state, const char* from, const char* to, bool perfect_only) {
    const DivisorsChecked checked = DivisorsCheck(PathButton::Binary64, from, to, perfect_only);
    const DivisorsInput input = std::get<DivisorsInput>(checked);
    for (auto _ : state) {
        CountingSink sink;
        benchmark::DoNotOptimize(DivisorsRun(input, sink, {}).count);
    }
}

BENCHMARK_CAPTURE(Divisors, TenTo14Plus1000, "100000000000000", "100000000001000", false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Divisors, PerfectOnlyToTenTo7, "1", "10000000", true)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace numerel

BENCHMARK_MAIN();
