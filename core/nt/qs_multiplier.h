// The multiplier k of a quadratic sieve on kn (Knuth-Schroeppel), shared by the sieve for
// numbers below 2^126 and the self-initialising sieve for larger ones.
#pragma once

#include <cstdint>
#include <functional>

namespace numerel {

// The odd squarefree k <= max_k (1 to 97) that makes the most small primes split over
// x^2 - kn, less the cost of the larger sieve values; every prime below prime_bound counts.
// n_mod(p) gives n mod p for the odd primes p < prime_bound, n_mod_8 gives n mod 8.
std::uint32_t ChooseQsMultiplier(const std::function<std::uint64_t(std::uint64_t)>& n_mod,
                                 std::uint64_t n_mod_8, std::uint64_t max_k,
                                 std::uint64_t prime_bound);

}  // namespace numerel
