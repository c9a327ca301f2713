// Factoring beyond 2^96 and proofs of large primes. scripts/bench times PARI/GP's factor and
// isprime on the same numbers in the same run.
#include <benchmark/benchmark.h>
#include <gmpxx.h>

#include "core/nt/factor_big.h"

namespace numerel {
namespace {

mpz_class Power(unsigned long base, unsigned long exponent) {
    mpz_class n;
    mpz_ui_pow_ui(n.get_mpz_t(), base, exponent);
    return n;
}

void Factor(benchmark::State& state, const mpz_class& n, std::size_t primes) {
    for (auto _ : state) {
        const BigFactorization result = FactorBig(n);
        if (result.primes.size() != primes || !result.unfactored.empty()) {
            state.SkipWithError("wrong factorization");
            return;
        }
    }
}

// CPU is that of the whole process: the sieve and the proofs run on every core.
BENCHMARK_CAPTURE(Factor, TwoTo128Plus1, Power(2, 128) + 1, 2)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(Factor, FermatF8, Power(2, 256) + 1, 2)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

void ProvenPrime(benchmark::State& state, unsigned long exponent) {
    mpz_class n = Power(10, exponent);
    mpz_nextprime(n.get_mpz_t(), n.get_mpz_t());
    for (auto _ : state) {
        if (!IsProvenPrime(n, ProofThreads::AllCores)) {
            state.SkipWithError("not proven");
            return;
        }
    }
}

// nextprime(10^k): the Goldbach page's large primes are of this kind.
BENCHMARK_CAPTURE(ProvenPrime, NextPrime10To100, 100)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(ProvenPrime, NextPrime10To300, 300)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(ProvenPrime, NextPrime10To499, 499)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Iterations(1);

}  // namespace
}  // namespace numerel

BENCHMARK_MAIN();
