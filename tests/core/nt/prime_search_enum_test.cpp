#include "core/nt/prime_search_enum.h"

#include <gtest/gtest.h>

#include <primesieve.hpp>
#include <stdexcept>
#include <vector>

namespace numerel {
namespace {

// numerel-cli primes 1000000000000000001 1000000000000262149 enumerates [10^18 + 7,
// 10^18 + 262149]: exactly one segment of 2^17 odd numbers.
TEST(ForEachPrimeTest, WindowOfExactlyOneSegmentStopsAtItsEnd) {
    const std::uint64_t lo = 1000000000000000007;
    const std::uint64_t hi = 1000000000000262149;
    std::vector<std::uint64_t> expected;
    primesieve::generate_primes(lo, hi, &expected);
    std::vector<std::uint64_t> found;
    EXPECT_NO_THROW(ForEachPrime(lo, hi, [&](auto p) {
        if (p > hi) throw std::out_of_range("a prime past the upper end");
        found.push_back(static_cast<std::uint64_t>(p));
    }));
    EXPECT_EQ(found, expected);
}

}  // namespace
}  // namespace numerel
