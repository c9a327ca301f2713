// Trial division of a large integer by every prime below 2^16, the first step of factoring.
#pragma once

#include <gmpxx.h>

#include <cstdint>
#include <vector>

namespace numerel {

// Every prime below this bound is divided out by TrialDivideSmall.
inline constexpr std::uint32_t kSmallPrimeBound = 1u << 16;

struct SmallPrimePower {
    std::uint32_t prime;
    int exponent;
};

// Divides n (>= 1) by each prime below kSmallPrimeBound as often as it goes, in place, and
// returns the primes taken out in increasing order. Cost: one remainder of n by a product of
// several primes per machine word, about 1500 of them, plus a division per factor found.
std::vector<SmallPrimePower> TrialDivideSmall(mpz_class& n);

}  // namespace numerel
