// Exact prime factorization of any integer up to 2^128 - 1, the kernel behind the factoring,
// batch and divisor tools. Primes are proven (FLINT), never merely probable.
#pragma once

#include <cstdint>
#include <vector>

#include "core/input/decimal96.h"

namespace numerel {

struct PrimePower {
    uint128 prime;
    int exponent;

    friend bool operator==(const PrimePower&, const PrimePower&) = default;
};

// Primes in increasing order, each with its exponent; empty for 1.
using Factorization = std::vector<PrimePower>;

// The factorization of n (n >= 1; n = 0 is outside the contract and gives an empty list).
// Cost: below 2^64 FLINT's n_factor (microseconds); above, trial division by the primes below
// 4096, a proven primality test and a quadratic sieve for what remains: about 2 ms at 2^96,
// growing subexponentially up to 2^126. Beyond 2^126 (no tool goes there) Pollard-Brent rho
// splits, which is slow for two large factors. No files, no threads. Polls stop inside the
// quadratic sieve (RunStopped escapes).
Factorization FactorExact(uint128 n);

// The largest r with r * r <= n. Exact for every n. Cost O(1): one long double root and a few
// corrections; no memory.
uint128 IntegerSqrt(uint128 n);

}  // namespace numerel
