// The primes and Goldbach searches above 2^96 - 1, where every prime shown is proven: the proofs
// dominate, spread over every core. Real time is reported (the work runs on several threads).
// Every benchmark checks its count or partition and fails loudly when it is wrong.
#include <benchmark/benchmark.h>
#include <gmpxx.h>

#include <string>

#include "core/tools/goldbach_big.h"
#include "core/tools/prime_search_big.h"

namespace numerel {
namespace {

mpz_class TenTo(unsigned k) {
    mpz_class v;
    mpz_ui_pow_ui(v.get_mpz_t(), 10, k);
    return v;
}

void PrimesTenTo50(benchmark::State& state) {
    const PrimesBigBounds bounds{TenTo(50), TenTo(50) + 100000};
    std::uint64_t count = 0;
    for (auto _ : state) {
        CountingSink sink;
        count = PrimesRunBig(bounds, sink, {}).count;
    }
    // #primes([10^50, 10^50+10^5]) in PARI/GP is 895.
    if (count != 895) state.SkipWithError(("wrong count " + std::to_string(count)).c_str());
    state.counters["count"] = static_cast<double>(count);
}
BENCHMARK(PrimesTenTo50)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// One partition of 7 * 10^(digits-1) + 12: the search and the proof of its large prime.
void GoldbachOne(benchmark::State& state) {
    const mpz_class n = 7 * TenTo(static_cast<unsigned>(state.range(0)) - 1) + 12;
    std::uint64_t count = 0;
    for (auto _ : state) {
        StringSink sink;
        count = GoldbachEvenRunBig({n, "", {.one_result = true}}, sink, {}).count;
    }
    if (count != 1) state.SkipWithError("no partition");
}
BENCHMARK(GoldbachOne)
    ->Arg(100)
    ->Arg(300)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
}  // namespace numerel

BENCHMARK_MAIN();
