// Splitting a composite of 65 to 126 bits without small factors: a multiple-polynomial quadratic
// sieve with one large prime, kept in memory (no files, no threads).
#pragma once

#include "core/input/decimal96.h"

namespace numerel {

// A nontrivial divisor of n. Contract: n odd, composite, not a perfect power, without prime
// factors below 4096, and 2^40 < n < 2^126. Cost: about 2 ms for 96-bit n, growing
// subexponentially with its size; the memory is about 200 kB. The sieve runs until a divisor
// is found (for n inside the contract one always is); outside the contract the result is
// unspecified (it may be 1 or n).
uint128 QuadraticSieveSplit(uint128 n);

}  // namespace numerel
