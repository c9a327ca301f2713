// The prime divisors of every number of an interval, for the list tools (batch factorization,
// divisors): a segmented sieve over the interval, or one factorization per number where the
// interval is too narrow for a sieve to pay.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "core/go_on.h"

namespace numerel {

enum class SieveStrategy { Auto, Segmented, PerNumber };

// Called once per number n with distinct primes dividing n in increasing order: every prime
// factor of n except n itself, where the largest one may be left out if it divides n exactly
// once. Dividing the listed primes out completely therefore leaves 1 or a prime (n itself when
// n is prime). The span is valid during the call only. Returns whether to go on.
using PrimeDivisorsVisit =
    std::function<bool(std::uint64_t n, std::span<const std::uint64_t> primes)>;

// Visits n = lo, lo + 1, ..., hi in increasing order (both ends inclusive; nothing when
// lo > hi; lo = 0 is treated as 1). Cost with the sieve: O(sqrt(hi)) to list the primes up to
// sqrt(hi), then about log log hi steps per number; memory O(sqrt(hi) / log hi + 2^18) entries
// however wide the interval. The sieve is only used while sqrt(hi) < 2^25 (hi below about 1.1e15);
// per number, FLINT's n_factor costs microseconds. Auto picks whichever is cheaper. Never wraps at
// 2^64 - 1. Polls stop at least every 4096 numbers and while the sieve is set up. Ends early,
// returning false, when visit returns false; true when it went through.
bool VisitPrimeDivisors(std::uint64_t lo, std::uint64_t hi, const PrimeDivisorsVisit& visit,
                        SieveStrategy strategy = SieveStrategy::Auto);

// VisitPrimeDivisors for a visit that may also return nothing (then it goes through).
template <class Visit>
bool ForEachPrimeDivisors(std::uint64_t lo, std::uint64_t hi, Visit&& visit,
                          SieveStrategy strategy = SieveStrategy::Auto) {
    return VisitPrimeDivisors(
        lo, hi,
        [&visit](std::uint64_t n, std::span<const std::uint64_t> primes) {
            return VisitGoesOn(visit, n, primes);
        },
        strategy);
}

}  // namespace numerel
