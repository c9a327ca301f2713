// The kernel of the Goldbach tools: the prime pairs p + q = m with lo <= p <= q, in increasing p.
#pragma once

#include <cstdint>
#include <primesieve.hpp>

#include "core/input/decimal96.h"
#include "core/nt/primality.h"
#include "core/nt/prime_search_enum.h"
#include "core/run_control.h"

namespace numerel {

// Two primesieve iterators hold sieving primes each (400 MB just below 2^58): they are used
// up to a quarter of kSieveTop.
inline constexpr std::uint64_t kPairSieveTop = kSieveTop / 4;

// Calls tick(p) for every prime p of [lo, m/2] in increasing order and then, when m - p is
// prime too, emit(p, m - p). lo must be odd and >= 3. Below kPairSieveTop one iterator walks p
// upward and another q = m - p downward, so each side is sieved once: O(m) time, O(sqrt m)
// memory (about 200 MB at most). From there on, m - p gets a proven primality test for every
// prime p, in a few MB. Polls stop every few hundred primes p.
template <class Emit, class Tick>
void ForEachPrimePair(uint128 m, uint128 lo, Emit&& emit, Tick&& tick) {
    if (2 * lo > m) return;
    if (m < kPairSieveTop) {
        const std::uint64_t m64 = static_cast<std::uint64_t>(m);
        const std::uint64_t lo64 = static_cast<std::uint64_t>(lo);
        primesieve::iterator up(lo64, m64 / 2);
        primesieve::iterator down(m64 - lo64);
        std::uint64_t q = down.prev_prime();
        StopPoller poller(256);
        for (std::uint64_t p = up.next_prime(); p <= m64 - p; p = up.next_prime()) {
            poller.Tick();
            tick(p);
            const std::uint64_t target = m64 - p;
            while (q > target) q = down.prev_prime();
            if (q == target) emit(p, q);
        }
        return;
    }
    ForEachPrime(lo, m / 2, [&](auto p) {
        PollStop();
        tick(p);
        const uint128 q = m - p;
        if (IsPrimeOddDec(q)) emit(p, q);
    });
}

}  // namespace numerel
