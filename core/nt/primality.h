// Divisibility and primality tests shared by the integer tools. All are exact for every argument
// of their contract; the trial-division loops the pages describe are replaced by proven tests.
#pragma once

#include <cstdint>

#include "core/input/decimal96.h"

namespace numerel {

// Does d (> 0) divide x exactly? Exact for every x, whatever its length.
bool IsDivisible(uint128 x, std::uint64_t d);

// Is the odd n (3 <= n <= 999999999999999) prime? Even n and n = 1 are outside the contract
// (the page's test never looks at the factor 2); callers pass odd n >= 3 only.
bool IsPrimeOdd(std::uint64_t n);

// The same for an odd n with 3 <= n <= 2^96 - 1.
bool IsPrimeOddDec(uint128 n);

}  // namespace numerel
