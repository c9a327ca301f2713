// Primality tests shared by the integer tools. All are exact for every argument
// of their contract; the trial-division loops the pages describe are replaced by proven tests.
#pragma once

#include <cstdint>

#include "core/input/decimal96.h"

namespace numerel {

// Is the odd n (3 <= n <= 999999999999999) prime? Even n and n = 1 are outside the contract
// (the page's test never looks at the factor 2); callers pass odd n >= 3 only (asserted).
// Cost: FLINT's n_is_prime, microseconds at most; no heap memory.
bool IsPrimeOdd(std::uint64_t n);

// The same for an odd n with 3 <= n <= 2^96 - 1. Cost: below 2^64 as IsPrimeOdd; above, a
// probable-prime test rejects composites in microseconds and a prime is proven in up to about
// 0.6 ms near 2^96; memory a few limbs.
bool IsPrimeOddDec(uint128 n);

}  // namespace numerel
