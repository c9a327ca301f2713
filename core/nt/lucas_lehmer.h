// The Lucas-Lehmer test: a proof, not a probable-prime test, for numbers of the form 2^p - 1.
#pragma once

namespace numerel {

// Is 2^p - 1 prime? Exact for every p >= 2. Cost: p - 2 squarings of p-bit numbers with a
// reduction by shifts (milliseconds at p = 3321, where 2^p - 1 has 1000 digits); memory a few
// p-bit numbers.
bool IsMersennePrime(unsigned long p);

}  // namespace numerel
