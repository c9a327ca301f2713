#include "core/nt/lucas_lehmer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace numerel {
namespace {

// The exponents of the Mersenne primes below 2^3400 (OEIS A000043); every other p up to 3400
// gives a composite 2^p - 1. The divisors page lists its perfect numbers from these.
TEST(LucasLehmer, FindsExactlyThePublishedMersennePrimes) {
    constexpr std::array<unsigned long, 18> kExponents = {
        2, 3, 5, 7, 13, 17, 19, 31, 61, 89, 107, 127, 521, 607, 1279, 2203, 2281, 3217};
    for (unsigned long p = 0; p <= 3400; ++p) {
        const bool published =
            std::find(kExponents.begin(), kExponents.end(), p) != kExponents.end();
        EXPECT_EQ(IsMersennePrime(p), published) << "p = " << p;
    }
}

}  // namespace
}  // namespace numerel
