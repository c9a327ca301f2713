#include "core/nt/siqs_sieve.h"

#include <flint/ulong_extras.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace numerel::siqs {

Siever::Siever(const FactorBase& base)
    : base_(base),
      block_count_(2 * base.blocks),
      sieve_(kBlockSize),
      next1_(base.size()),
      next2_(base.size()),
      bucket_fill_(2 * base.blocks + 1),
      // A prime above the block size hits a block at most once per root.
      bucket_capacity_(static_cast<std::uint32_t>(2 * (base.size() - base.first_large) + 8)) {
    bucket_.resize(static_cast<std::size_t>(bucket_capacity_) * (block_count_ + 1));
}

void Siever::FillBuckets(const PolyFamily& poly) {
    const std::uint32_t end = block_count_ * kBlockSize;
    const std::uint32_t* prime = base_.prime.data();
    const std::uint32_t* root1 = poly.root1().data();
    const std::uint32_t* root2 = poly.root2().data();
    const std::uint8_t* active = poly.active().data();
    std::uint32_t* fill = bucket_fill_.data();
    std::uint32_t* bucket = bucket_.data();
    const std::uint32_t cap = bucket_capacity_;
    std::fill(bucket_fill_.begin(), bucket_fill_.end(), 0);
    std::size_t j = base_.first_large;
    for (; j < base_.size() && prime[j] < end; ++j) {
        if (!active[j]) continue;
        const std::uint32_t p = prime[j];
        const std::uint32_t tag = static_cast<std::uint32_t>(j) << kBlockBits;
        for (std::uint32_t i = root1[j]; i < end; i += p) {
            const std::uint32_t b = i >> kBlockBits;
            bucket[b * cap + fill[b]++] = tag | (i & (kBlockSize - 1));
        }
        for (std::uint32_t i = root2[j]; i < end; i += p) {
            const std::uint32_t b = i >> kBlockBits;
            bucket[b * cap + fill[b]++] = tag | (i & (kBlockSize - 1));
        }
    }
    // Primes above the interval hit it at most once per root: without branches, a miss is
    // written to the spare bucket past the last, whose fill never moves.
    for (; j < base_.size(); ++j) {
        const std::uint32_t tag = static_cast<std::uint32_t>(j) << kBlockBits;
        const std::uint32_t live = active[j];
        for (const std::uint32_t i : {root1[j], root2[j]}) {
            const std::uint32_t b = std::min(i >> kBlockBits, block_count_);
            const std::uint32_t hit = live & static_cast<std::uint32_t>(b < block_count_);
            bucket[b * cap + fill[b]] = tag | (i & (kBlockSize - 1));
            fill[b] += hit;
        }
    }
}

void Siever::SieveBlock(std::uint32_t block, const PolyFamily& poly) {
    std::uint8_t* s = sieve_.data();
    std::memset(s, base_.sieve_init, kBlockSize);
    const std::uint32_t* prime = base_.prime.data();
    const std::uint8_t* logp = base_.logp.data();
    const std::uint8_t* active = poly.active().data();
    std::uint32_t* next1 = next1_.data();
    std::uint32_t* next2 = next2_.data();
    // Positions are kept relative to the current block; the two roots take turns, and which
    // is which no longer matters once the polynomial is set.
    for (std::size_t j = base_.first_sieved; j < base_.first_large; ++j) {
        if (!active[j]) continue;
        const std::uint32_t p = prime[j];
        const std::uint8_t l = logp[j];
        std::uint32_t a = next1[j], b = next2[j];
        if (a > b) std::swap(a, b);
        for (; b < kBlockSize; a += p, b += p) {
            s[a] += l;
            s[b] += l;
        }
        if (a < kBlockSize) {
            s[a] += l;
            a += p;
        }
        next1[j] = a - kBlockSize;
        next2[j] = b - kBlockSize;
    }
    const std::uint32_t* entry =
        bucket_.data() + static_cast<std::size_t>(block) * bucket_capacity_;
    const std::uint32_t* entry_end = entry + bucket_fill_[block];
    for (; entry != entry_end; ++entry) s[*entry & (kBlockSize - 1)] += logp[*entry >> kBlockBits];
}

void Siever::Sieve(const PolyFamily& poly, std::vector<Relation>& out) {
    std::memcpy(next1_.data(), poly.root1().data(), base_.size() * sizeof(std::uint32_t));
    std::memcpy(next2_.data(), poly.root2().data(), base_.size() * sizeof(std::uint32_t));
    two_b_ = poly.b() * 2;
    FillBuckets(poly);
    for (std::uint32_t block = 0; block < block_count_; ++block) {
        SieveBlock(block, poly);
        const std::uint8_t* s = sieve_.data();
        for (std::uint32_t i = 0; i < kBlockSize; i += 32) {
            std::uint64_t words[4];
            std::memcpy(words, s + i, 32);
            if (((words[0] | words[1] | words[2] | words[3]) & 0x8080808080808080ULL) == 0)
                continue;
            for (std::uint32_t k = 0; k < 32; ++k)
                if (s[i + k] & 0x80) TrialDivide(block, i + k, poly, out);
        }
    }
}

void Siever::TrialDivide(std::uint32_t block, std::uint32_t offset, const PolyFamily& poly,
                         std::vector<Relation>& out) {
    const std::uint32_t pos = block * kBlockSize + offset;
    const long x = static_cast<long>(pos) - static_cast<long>(base_.half_width());
    mpz_ptr value = value_.get_mpz_t();
    mpz_mul_si(value, poly.a().get_mpz_t(), x);
    mpz_add(value, value, two_b_.get_mpz_t());
    mpz_mul_si(value, value, x);
    mpz_add(value, value, poly.c().get_mpz_t());
    if (mpz_sgn(value) == 0) return;
    factors_.clear();
    if (mpz_sgn(value) < 0) {
        factors_.push_back(0);
        mpz_neg(value, value);
    }
    const mp_bitcnt_t twos = mpz_scan1(value, 0);
    if (twos > 0) {
        factors_.insert(factors_.end(), twos, 1);
        mpz_tdiv_q_2exp(value, value, twos);
    }
    const std::uint32_t* prime = base_.prime.data();
    const std::uint32_t* root1 = poly.root1().data();
    const std::uint32_t* root2 = poly.root2().data();
    const std::uint8_t* active = poly.active().data();
    auto divide_out = [&](std::size_t j) {
        while (mpz_divisible_ui_p(value, prime[j])) {
            mpz_divexact_ui(value, value, prime[j]);
            factors_.push_back(static_cast<std::uint32_t>(j));
        }
    };
    const std::uint32_t* inverse = base_.inverse.data();
    const std::uint32_t* limit = base_.limit.data();
    for (std::size_t j = 2; j < base_.first_large; ++j) {
        // Exact divisibility of pos - root by p, without a division; a wrapped difference may
        // pass too, and divide_out checks.
        const bool hit =
            (pos - root1[j]) * inverse[j] <= limit[j] || (pos - root2[j]) * inverse[j] <= limit[j];
        if (hit || !active[j]) divide_out(j);
    }
    for (const std::uint32_t j : poly.a_indices())
        if (j >= base_.first_large) divide_out(j);
    const std::uint32_t* entry =
        bucket_.data() + static_cast<std::size_t>(block) * bucket_capacity_;
    const std::uint32_t* entry_end = entry + bucket_fill_[block];
    for (; entry != entry_end; ++entry)
        if ((*entry & (kBlockSize - 1)) == offset) divide_out(*entry >> kBlockBits);
    Relation rel;
    if (mpz_cmp_ui(value, base_.large_bound) < 0) {
        rel.large_prime = mpz_get_ui(value);
    } else {
        // Two large primes: the cofactor has no prime below the base's largest, so below the
        // square of the large-prime bound a composite one is a product of two such primes.
        const std::uint64_t bound = base_.large_bound;
        if (mpz_cmp_ui(value, bound * bound) >= 0) return;
        const std::uint64_t rest = mpz_get_ui(value);
        // A base-2 strong probable prime is taken as prime: a rare pseudoprime only costs a
        // relation. (FLINT's n_is_probabprime builds a prime table in every thread for this.)
        std::uint64_t odd = rest - 1;
        while (odd % 2 == 0) odd /= 2;
        if (n_is_strong_probabprime2_preinv(rest, n_preinvert_limb(rest), 2, odd)) return;
        const std::uint64_t f = n_factor_SQUFOF(rest, 4000);
        if (f <= 1 || f == rest) return;
        const std::uint64_t g = rest / f;
        if (f >= bound || g >= bound) return;
        rel.large_prime = std::min(f, g);
        rel.large_prime2 = std::max(f, g);
    }
    for (const std::uint32_t j : poly.a_indices()) factors_.push_back(j);
    rel.factors = factors_;
    rel.axb = poly.a() * x + poly.b();
    out.push_back(std::move(rel));
}

}  // namespace numerel::siqs
