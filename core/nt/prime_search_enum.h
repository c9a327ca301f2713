// Exact enumeration of the primes of an interval, the fast kernel behind the interval and
// partition searches. Below 2^64 it is primesieve's iterator; above, a segmented sieve by the
// small primes removes most composites and every survivor gets the proven IsPrimeOddDec.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <primesieve.hpp>

#include "core/go_on.h"
#include "core/input/decimal96.h"
#include "core/run_control.h"

namespace numerel {

// primesieve keeps every prime up to sqrt(hi) for sieving, about 7 bytes each (1.3 GB near
// 2^64): from here on the tested enumeration takes over, which needs a few MB at any height.
inline constexpr std::uint64_t kSieveTop = std::uint64_t{1} << 58;

// The smallest number the tested enumeration handles.
inline constexpr std::uint64_t kTestedFrom = std::uint64_t{1} << 20;

// Calls fn(p) for every prime p of [lo, hi] (both ends inclusive, lo below kTestedFrom treated
// as kTestedFrom), in increasing order. Cost: a sieve by the odd primes below 2^17 over each
// 2^18 numbers, then one proven primality test per survivor (about 1 in 10 odd numbers): about
// 0.1 us per number below 2^64 and up to 0.6 ms per prime near 2^96; no start-up cost; memory
// about 1 MB. Polls stop before every proven test. Ends early, returning false, when fn returns
// false; true when it went through.
bool ForEachPrimeTested(uint128 lo, uint128 hi, const std::function<bool(uint128)>& fn);

// Calls fn(p) for every prime p of [lo, hi] (both ends inclusive), in increasing order: with a
// std::uint64_t below 2^64 and a uint128 from 2^64 on. Nothing when lo > hi. Cost below kSieveTop:
// primesieve's, about 0.5 ns * sqrt(hi) to start and a nanosecond or two per number; memory
// O(sqrt(hi)) (below 200 MB). A window too narrow to repay that start (width < sqrt(hi) / 128)
// and everything from kSieveTop on goes through ForEachPrimeTested. Polls stop at every batch
// of primes, so fn should cost no more than a microsecond or so; the first batch, which lists
// the sieving primes up to sqrt(lo), is not interrupted (about 0.1 s at 10^16, a second near
// kSieveTop on an idle machine). fn may return bool: false ends the walk there and
// ForEachPrime returns false; otherwise it returns true.
template <class Fn>
bool ForEachPrime(uint128 lo, uint128 hi, Fn&& fn) {
    if (lo > hi) return true;
    const auto tested = [&fn](uint128 p) {
        return p < kTwoTo64 ? VisitGoesOn(fn, static_cast<std::uint64_t>(p)) : VisitGoesOn(fn, p);
    };
    if (lo >= kTestedFrom &&
        static_cast<double>(hi - lo) * 128 < std::sqrt(static_cast<double>(hi))) {
        return ForEachPrimeTested(lo, hi, tested);
    }
    if (lo < kSieveTop) {
        const std::uint64_t lo64 = static_cast<std::uint64_t>(lo);
        const std::uint64_t hi64 = hi < kSieveTop ? static_cast<std::uint64_t>(hi) : kSieveTop - 1;
        primesieve::iterator it(lo64, hi64);
        bool done = false;
        while (!done) {
            PollStop();
            it.generate_next_primes();
            const std::uint64_t* primes = it.primes_;
            const std::size_t size = it.size_;
            for (std::size_t k = 0; k < size; ++k) {
                const std::uint64_t p = primes[k];
                if (p > hi64) {
                    done = true;
                    break;
                }
                if (!VisitGoesOn(fn, p)) return false;
            }
        }
    }
    if (hi >= kSieveTop) return ForEachPrimeTested(std::max(lo, uint128{kSieveTop}), hi, tested);
    return true;
}

}  // namespace numerel
