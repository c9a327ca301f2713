// The long-number operations on large operands, text in and text out, each beside the same work
// done by GMP directly (radix conversions included) or, for the repetend expansions, by a plain
// C digit loop (r = 10 r mod d). Ratios are ours / reference. Each pair first checks that both
// give the same text and fails loudly when they do not.
#include <benchmark/benchmark.h>
#include <gmpxx.h>

#include <random>
#include <string>

#include "core/long/long_div.h"
#include "core/long/long_mul.h"
#include "core/long/long_pow.h"
#include "core/long/long_quot.h"
#include "core/long/long_sqrt.h"

namespace numerel {
namespace {

std::string RandomDigits(std::size_t length, std::uint64_t seed) {
    std::mt19937_64 rng(seed);
    std::string text(length, '0');
    for (char& c : text) c = static_cast<char>('0' + rng() % 10);
    text[0] = '7';
    return text;
}

std::string GmpText(const mpz_class& value) {
    return value.get_str();
}

template <class Ours, class Reference>
void Compare(benchmark::State& state, Ours&& ours, Reference&& reference) {
    if (ours() != reference()) state.SkipWithError("ours and the reference differ");
}

// ----- multiplication of two 100000-digit numbers
const std::string& Factor(int which) {
    static const std::string a = RandomDigits(100000, 1);
    static const std::string b = RandomDigits(100000, 2);
    return which == 0 ? a : b;
}

std::string GmpMul() {
    return GmpText(mpz_class(Factor(0)) * mpz_class(Factor(1)));
}

void BM_LongMul_100000x100000(benchmark::State& state) {
    Compare(
        state, [] { return LongMul(Factor(0), Factor(1)); }, GmpMul);
    for (auto _ : state) benchmark::DoNotOptimize(LongMul(Factor(0), Factor(1)));
}
void BM_Gmp_Mul_100000x100000(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(GmpMul());
}

// ----- factorials
std::string GmpFactorial(unsigned long n) {
    mpz_class f;
    mpz_fac_ui(f.get_mpz_t(), n);
    return GmpText(f);
}

void BM_LongFactorial(benchmark::State& state) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    Compare(
        state, [n] { return LongFactorial(n); }, [n] { return GmpFactorial(n); });
    for (auto _ : state) benchmark::DoNotOptimize(LongFactorial(n));
}
void BM_Gmp_Factorial(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(GmpFactorial(state.range(0)));
}

// ----- 2^10000000
std::string GmpPower() {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 2, 10000000);
    return GmpText(p);
}

void BM_LongPow_2_10000000(benchmark::State& state) {
    Compare(
        state, [] { return LongPow("2", "10000000"); }, GmpPower);
    for (auto _ : state) benchmark::DoNotOptimize(LongPow("2", "10000000"));
}
void BM_Gmp_Pow_2_10000000(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(GmpPower());
}

// ----- square root of 2 to N decimals
std::string GmpSqrt2(long decimals) {
    mpz_class radicand;
    mpz_ui_pow_ui(radicand.get_mpz_t(), 10, 2 * decimals);
    radicand *= 2;
    std::string digits = GmpText(sqrt(radicand));
    return digits.substr(0, 1) + "." + digits.substr(1);
}

void BM_LongSqrt2(benchmark::State& state) {
    const long n = state.range(0);
    const auto ours = [n] {
        bool exact = false;
        return LongSqrt("2", ReadPrecision(std::to_string(n)), exact).digits;
    };
    Compare(state, ours, [n] { return GmpSqrt2(n); });
    for (auto _ : state) benchmark::DoNotOptimize(ours());
}
void BM_Gmp_Sqrt2(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(GmpSqrt2(state.range(0)));
}

// ----- quotient, remainder: a dividend of state.range(0) digits, a divisor of 100000 digits.
// The page asks for one of them per click, so each is set against GMP computing that one.
const std::string& Dividend(long digits) {
    static const std::string a100 = RandomDigits(100000, 3);
    static const std::string a200 = RandomDigits(200000, 3);
    return digits == 100000 ? a100 : a200;
}
const std::string& Divisor() {
    static const std::string b = RandomDigits(100000, 4);
    return b;
}

std::string GmpQuotient(const std::string& a, const std::string& b) {
    mpz_class q;
    mpz_fdiv_q(q.get_mpz_t(), mpz_class(a).get_mpz_t(), mpz_class(b).get_mpz_t());
    return GmpText(q);
}
std::string GmpRemainder(const std::string& a, const std::string& b) {
    mpz_class r;
    mpz_fdiv_r(r.get_mpz_t(), mpz_class(a).get_mpz_t(), mpz_class(b).get_mpz_t());
    return GmpText(r);
}

void BM_LongIntQuot(benchmark::State& state) {
    const std::string& a = Dividend(state.range(0));
    Compare(
        state, [&] { return LongIntQuot(a, Divisor()).digits; },
        [&] { return GmpQuotient(a, Divisor()); });
    for (auto _ : state) benchmark::DoNotOptimize(LongIntQuot(a, Divisor()));
}
void BM_Gmp_Quotient(benchmark::State& state) {
    const std::string& a = Dividend(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(GmpQuotient(a, Divisor()));
}
void BM_LongMod(benchmark::State& state) {
    const std::string& a = Dividend(state.range(0));
    Compare(
        state, [&] { return LongMod(a, Divisor()).digits; },
        [&] { return GmpRemainder(a, Divisor()); });
    for (auto _ : state) benchmark::DoNotOptimize(LongMod(a, Divisor()));
}
void BM_Gmp_Remainder(benchmark::State& state) {
    const std::string& a = Dividend(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(GmpRemainder(a, Divisor()));
}

// ----- 1 / d until the repetend has recurred, against a plain digit loop of the same length
std::string UntilRepeat(long d) {
    return LongDiv("1", std::to_string(d), ReadPrecision("0")).digits;
}

std::string DigitLoop(long d, std::size_t count) {
    std::string text = "0.";
    text.reserve(count + 2);
    long r = 1;
    for (std::size_t i = 0; i < count; ++i) {
        r *= 10;
        text.push_back(static_cast<char>('0' + r / d));
        r %= d;
    }
    return text;
}

void BM_LongDiv_UntilRepeat(benchmark::State& state) {
    const long d = state.range(0);
    const std::string result = UntilRepeat(d);
    Compare(
        state, [&] { return result; }, [&] { return DigitLoop(d, result.size() - 2); });
    for (auto _ : state) benchmark::DoNotOptimize(UntilRepeat(d));
    state.counters["digits"] = static_cast<double>(result.size() - 2);
}
void BM_DigitLoop_UntilRepeatLength(benchmark::State& state) {
    const long d = state.range(0);
    const std::size_t count = UntilRepeat(d).size() - 2;
    for (auto _ : state) benchmark::DoNotOptimize(DigitLoop(d, count));
}

BENCHMARK(BM_LongMul_100000x100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gmp_Mul_100000x100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongFactorial)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gmp_Factorial)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongPow_2_10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gmp_Pow_2_10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongSqrt2)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gmp_Sqrt2)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongIntQuot)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gmp_Quotient)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongMod)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gmp_Remainder)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongDiv_UntilRepeat)
    ->Arg(9973)
    ->Arg(10007)
    ->Arg(1000171)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DigitLoop_UntilRepeatLength)
    ->Arg(9973)
    ->Arg(10007)
    ->Arg(1000171)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace numerel

BENCHMARK_MAIN();
