#include "core/nt/prime_count.h"

#include <gtest/gtest.h>

#include <primesieve.hpp>

namespace numerel {
namespace {

// The search counts what is left past the result budget from wherever its list stopped, so
// every lower end must count, down to intervals of a single pair.
TEST(CountTwinsTest, EveryShortIntervalCountsAsPrimesieve) {
    for (std::uint64_t lo = 0; lo <= 40; ++lo) {
        for (std::uint64_t hi = lo; hi <= 40; ++hi) {
            EXPECT_EQ(CountTwins(lo, hi, {}), primesieve::count_twins(lo, hi))
                << "[" << lo << ", " << hi << "]";
        }
    }
}

// (10^9 + 7, 10^9 + 9) starts on the last number of the first 2^28-number slice.
TEST(CountTwinsTest, PairAcrossASliceEdgeCounts) {
    EXPECT_EQ(CountTwins(731564552, 1000000019, {}),
              primesieve::count_twins(731564552, 1000000019));
}

// Each row takes another counting method: pi(x) differences, sieve slices, and the enumeration
// above 2^50. Counts from pi(10^9) = 50847534 and pi(2 * 10^9) = 98222287 (2 * 10^9 + 1 to + 7
// are composite), and PARI/GP's #primes([lo, hi]).
TEST(CountPrimesTest, PrimeLowerEndCounts) {
    struct Row {
        uint128 lo;
        uint128 hi;
        std::uint64_t count;
    };
    for (const Row& row :
         {Row{1000000007, 2000000007, 98222287 - 50847534}, Row{1000000007, 1000001007, 49},
          Row{1125899906842679, 1125899906843679, 36}}) {
        EXPECT_EQ(CountPrimes(row.lo, row.hi, {}), row.count) << static_cast<std::uint64_t>(row.lo);
    }
}

}  // namespace
}  // namespace numerel
