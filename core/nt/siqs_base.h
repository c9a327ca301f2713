// The factor base of the self-initialising quadratic sieve: the multiplier, the primes over
// which kn is a square, and the sizes chosen for n (sieve interval, large-prime bound,
// candidate threshold).
#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace numerel::siqs {

// Bytes of one sieve block: the L1 data cache of a desktop core.
inline constexpr std::uint32_t kBlockBits = 15;
inline constexpr std::uint32_t kBlockSize = 1u << kBlockBits;

// Entry 0 stands for -1 and entry 1 for 2; the rest are odd primes p with kn a square mod p,
// in increasing order. sqrt_kn is 0 where p divides the multiplier.
struct FactorBase {
    mpz_class n;
    mpz_class kn;
    std::uint32_t multiplier = 1;
    std::vector<std::uint32_t> prime;
    std::vector<std::uint32_t> sqrt_kn;
    std::vector<std::uint32_t> inverse;  // 1/p mod 2^32, and (2^32 - 1) / p: m is a multiple
    std::vector<std::uint32_t> limit;    // of p exactly when m * inverse <= limit
    std::vector<std::uint8_t> logp;      // scaled so that the threshold stays below 128
    std::size_t first_sieved = 2;        // smaller primes are trial-divided only
    std::size_t first_large = 2;         // primes from here up exceed a block (bucket-sieved)
    std::uint32_t blocks = 1;       // per side: the interval is x in [-M, M), M = blocks * block
    std::uint64_t large_bound = 0;  // a partial relation's cofactor stays below this
    std::uint8_t sieve_init = 0;    // the sieve bytes start here; bit 7 marks a candidate
    std::uint32_t a_primes = 0;     // number of primes in each A
    std::size_t a_low = 0, a_high = 0;  // A's primes are drawn from [a_low, a_high)
    double log2_a_target = 0;

    std::size_t size() const { return prime.size(); }
    std::uint32_t half_width() const { return blocks * kBlockSize; }
};

// Builds the factor base for n (odd, composite, no prime factor below 2^16). Returns 0, or a
// prime of the base that divides n (then the base is unusable).
std::uint64_t BuildFactorBase(const mpz_class& n, FactorBase& base);

}  // namespace numerel::siqs
