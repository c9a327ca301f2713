// Sieving one polynomial of the quadratic sieve block by block, and trial division of the
// candidates the sieve marks. One Siever per thread.
#pragma once

#include <gmpxx.h>

#include <cstdint>
#include <vector>

#include "core/nt/siqs_base.h"
#include "core/nt/siqs_poly.h"
#include "core/nt/siqs_relations.h"

namespace numerel::siqs {

class Siever {
public:
    explicit Siever(const FactorBase& base);

    // Sieves g(x) of the current polynomial over [-M, M) and appends its relations.
    void Sieve(const PolyFamily& poly, std::vector<Relation>& out);

private:
    void FillBuckets(const PolyFamily& poly);
    void SieveBlock(std::uint32_t block, const PolyFamily& poly);
    void TrialDivide(std::uint32_t block, std::uint32_t offset, const PolyFamily& poly,
                     std::vector<Relation>& out);

    const FactorBase& base_;
    std::uint32_t block_count_;
    std::vector<std::uint8_t> sieve_;
    std::vector<std::uint32_t> next1_, next2_;  // next sieve position of each small prime
    // Hits of the primes above a block: (index << kBlockBits) | offset, per block.
    std::vector<std::uint32_t> bucket_;
    std::vector<std::uint32_t> bucket_fill_;
    std::uint32_t bucket_capacity_;
    mpz_class value_, two_b_;
    std::vector<std::uint32_t> factors_;
};

}  // namespace numerel::siqs
