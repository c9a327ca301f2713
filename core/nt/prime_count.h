// Exact counts of primes and twin pairs in an interval, without listing them: what a search
// uses for the rest of the interval once its list has filled the sink's budget.
#pragma once

#include <cstdint>

#include "core/input/decimal96.h"
#include "core/result_sink.h"

namespace numerel {

// The number of primes of [lo, hi] (0 when lo > hi). Below 2^64 it takes the cheaper of
// pi(hi) - pi(lo - 1) by the prime-counting function (primecount: 12 ms at 10^11, ~1 s at 10^15,
// ~50 s at 10^18, memory a few MB to tens of MB) and counting by sieve (primesieve's counting in
// slices below 2^50, 0.13 ns a number at 10^11 on two cores; the enumeration above); from 2^64 on
// the tested enumeration. Polls stop between slices of at most about 0.15 s; a pi call runs in a
// child process that a stop kills (plus a few ms to start it). progress gets the fraction of the
// interval counted; while pi runs, the fraction of its expected time (never full before it ends).
std::uint64_t CountPrimes(uint128 lo, uint128 hi, const ProgressFn& progress);

// The number of pairs (p, p + 2) of primes with lo <= p and p + 2 <= hi. primesieve's
// count_twins in slices below 2^50 (0.15 ns a number at 10^11, 0.6 ns at 2^50 on two cores), an
// enumeration above (as the twins search), polled. Memory: primesieve's sieving primes up to
// sqrt(hi) (about 40 MB at 2^50), then that of ForEachPrime (below 200 MB, about 1 MB from
// kSieveTop on).
std::uint64_t CountTwins(uint128 lo, uint128 hi, const ProgressFn& progress);

}  // namespace numerel
