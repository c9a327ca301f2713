#include "core/nt/factor_exact.h"

#include <flint/fmpz.h>
#include <flint/fmpz_factor.h>
#include <flint/ulong_extras.h>
#include <gmpxx.h>

#include <algorithm>
#include <cmath>

#include "core/input/uint128_mpz.h"
#include "core/nt/factor_qs.h"
#include "core/nt/primality.h"
#include "core/nt/small_primes.h"

namespace numerel {

namespace {

// The quadratic sieve wants its input free of factors below this bound.
constexpr std::uint32_t kTrialBound = 4096;
// ... and below this.
constexpr uint128 kSieveLimit = uint128{1} << 126;

const std::vector<std::uint32_t>& SmallPrimes() {
    static const std::vector<std::uint32_t> primes = [] {
        const std::vector<std::uint32_t>& all = PrimesBelow2To16();
        return std::vector<std::uint32_t>(all.begin(),
                                          std::lower_bound(all.begin(), all.end(), kTrialBound));
    }();
    return primes;
}

void AppendFactorsOf64(std::uint64_t n, int multiplicity, Factorization& out) {
    if (n <= 1) return;
    n_factor_t factors;
    n_factor_init(&factors);
    n_factor(&factors, n, 1);
    for (int i = 0; i < factors.num; ++i)
        out.push_back({factors.p[i], static_cast<int>(factors.exp[i]) * multiplicity});
}

// Pollard-Brent with ever longer runs: for n beyond the sieve's range, or should it fail.
uint128 RhoSplit(uint128 n) {
    fmpz_t value, factor;
    fmpz_init(value);
    fmpz_init(factor);
    const mpz_class big = ToMpz(n);
    fmpz_set_mpz(value, big.get_mpz_t());
    flint_rand_t state;
    flint_randinit(state);
    uint128 result = 0;
    for (ulong iterations = 1 << 16; result == 0; iterations *= 2) {
        if (fmpz_factor_pollard_brent(factor, state, value, 8, iterations) != 0) {
            mpz_class found;
            fmpz_get_mpz(found.get_mpz_t(), factor);
            result = FromMpz(found);
        }
    }
    flint_randclear(state);
    fmpz_clear(factor);
    fmpz_clear(value);
    return result;
}

// m is odd and free of factors below kTrialBound.
void AppendFactorsOfLarge(uint128 m, int multiplicity, Factorization& out) {
    if (m <= 1) return;
    if (m <= UINT64_MAX) {
        AppendFactorsOf64(static_cast<std::uint64_t>(m), multiplicity, out);
        return;
    }
    if (IsPrimeOddDec(m)) {
        out.push_back({m, multiplicity});
        return;
    }
    // The sieve cannot split a prime power; m has no factor below 4096, so a power is at most
    // the 10th of its root.
    const mpz_class big = ToMpz(m);
    for (unsigned long k = 2;
         std::pow(static_cast<double>(kTrialBound), k) <= static_cast<double>(m); ++k) {
        mpz_class root;
        if (mpz_root(root.get_mpz_t(), big.get_mpz_t(), k) != 0) {
            AppendFactorsOfLarge(FromMpz(root), multiplicity * static_cast<int>(k), out);
            return;
        }
    }
    uint128 divisor = m < kSieveLimit ? QuadraticSieveSplit(m) : 0;
    if (divisor <= 1 || divisor >= m || m % divisor != 0) divisor = RhoSplit(m);
    AppendFactorsOfLarge(divisor, multiplicity, out);
    AppendFactorsOfLarge(m / divisor, multiplicity, out);
}

void SortAndMerge(Factorization& factors) {
    std::sort(factors.begin(), factors.end(),
              [](const PrimePower& a, const PrimePower& b) { return a.prime < b.prime; });
    std::size_t kept = 0;
    for (std::size_t i = 0; i < factors.size(); ++i) {
        if (kept > 0 && factors[kept - 1].prime == factors[i].prime)
            factors[kept - 1].exponent += factors[i].exponent;
        else
            factors[kept++] = factors[i];
    }
    factors.resize(kept);
}

}  // namespace

Factorization FactorExact(uint128 n) {
    Factorization factors;
    if (n <= UINT64_MAX) {
        AppendFactorsOf64(static_cast<std::uint64_t>(n), 1, factors);
    } else {
        for (const std::uint32_t p : SmallPrimes()) {
            int exponent = 0;
            while (n % p == 0) {
                n /= p;
                ++exponent;
            }
            if (exponent > 0) factors.push_back({p, exponent});
        }
        AppendFactorsOfLarge(n, 1, factors);
    }
    SortAndMerge(factors);
    return factors;
}

uint128 IntegerSqrt(uint128 n) {
    uint128 r = static_cast<uint128>(std::sqrt(static_cast<long double>(n)));
    // The estimate is within a few units; the guards keep r * r from wrapping near 2^128.
    constexpr uint128 kRootMax = UINT64_MAX;
    if (r > kRootMax) r = kRootMax;
    while (r > 0 && r * r > n) --r;
    while (r < kRootMax && (r + 1) * (r + 1) <= n) ++r;
    return r;
}

}  // namespace numerel
