#include "core/tools/factor_range_loop.h"

#include <algorithm>
#include <string>

#include "core/input/uint128_mpz.h"
#include "core/nt/factor_big.h"
#include "core/nt/factor_exact.h"
#include "core/nt/factor_sieve.h"
#include "core/run_control.h"
#include "core/tools/factor_one.h"
#include "core/tools/factor_text.h"

namespace numerel {

namespace {

BigFactorization FromExact(const Factorization& factors) {
    BigFactorization big;
    for (const PrimePower& factor : factors)
        big.primes.push_back(BigPrimePower{ToMpz(factor.prime), factor.exponent});
    return big;
}

// Below 2^96 the exact kernel answers in milliseconds; a stop inside it leaves i unsplit.
BigFactorization FactorOne(const mpz_class& i, const mpz_class& limit96) {
    if (i > limit96) return FactorBig(i);
    try {
        return FromExact(FactorExact(FromMpz(i)));
    } catch (const RunStopped&) {
        BigFactorization partial;
        partial.unfactored.push_back(BigPrimePower{i, 1});
        partial.stopped = true;
        return partial;
    }
}

// The line of i from its distinct prime divisors, as the sieve lists them (the cofactor left after
// dividing them out is 1 or a prime). True when i is a prime.
bool AppendSievedLine(ResultSink& sink, std::uint64_t i, std::span<const std::uint64_t> primes) {
    AppendNumber(sink, i);
    sink.Append("=");
    std::uint64_t c = i;
    for (const std::uint64_t d : primes) {
        const int s = RemoveFactor(c, d);
        AppendFactorLine(sink, s, d, c);
    }
    if (c != 1 && c != i) {
        AppendNumber(sink, c);
        sink.EndLine();
    }
    if (c != i) return false;
    sink.Append(kPrimeWord);
    sink.EndLine();
    return true;
}

}  // namespace

bool FactorRangeMainLoop(const mpz_class& first, const mpz_class& to, ResultSink& sink,
                         const ProgressFn& progress, SearchSummary& summary) {
    const mpz_class span = to - first;
    const auto report_prime = [&](const mpz_class& i) {
        if (progress) progress(span == 0 ? 1.0 : FractionOf(i - first, span));
    };
    const mpz_class limit64 = mpz_class(UINT64_MAX);
    if (first <= limit64) {
        const std::uint64_t hi = to > limit64 ? UINT64_MAX : to.get_ui();
        const auto item = [&](std::uint64_t i, std::span<const std::uint64_t> primes) {
            PollStop();
            if (sink.Full()) return false;
            const bool prime = AppendSievedLine(sink, i, primes);
            ++summary.count;
            if (prime) report_prime(mpz_class(i));
            return true;
        };
        if (!VisitPrimeDivisors(first.get_ui(), hi, item)) return false;
    }
    const mpz_class limit96 = ToMpz(Decimal96::kMaxMagnitude);
    for (mpz_class i = std::max(first, mpz_class(limit64 + 1)); i <= to; ++i) {
        PollStop();
        if (sink.Full()) return false;
        const BigFactorization factors = FactorOne(i, limit96);
        sink.Append(FactorLargeText(i.get_str(10), factors));
        sink.EndLine();
        ++summary.count;
        if (factors.stopped) throw RunStopped{};
        if (factors.primes.size() == 1 && factors.primes[0].exponent == 1) report_prime(i);
    }
    return true;
}

}  // namespace numerel
