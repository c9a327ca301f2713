#include "core/nt/siqs_poly.h"

#include <flint/ulong_extras.h>

#include <algorithm>
#include <bit>
#include <cmath>

namespace numerel::siqs {

PolyFamily::PolyFamily(const FactorBase& base)
    : base_(base), root1_(base.size(), 0), root2_(base.size(), 0), active_(base.size(), 0) {}

// s - 1 primes drawn at random from the pool, the last one the prime that brings the product
// nearest the target.
void PolyFamily::ChooseA(std::mt19937_64& rng) {
    const std::uint32_t s = base_.a_primes;
    std::uniform_int_distribution<std::size_t> pick(base_.a_low, base_.a_high - 1);
    a_indices_.clear();
    double log2_a = 0;
    while (a_indices_.size() + 1 < s) {
        const std::size_t j = pick(rng);
        if (base_.sqrt_kn[j] == 0 ||
            std::find(a_indices_.begin(), a_indices_.end(), j) != a_indices_.end())
            continue;
        a_indices_.push_back(static_cast<std::uint32_t>(j));
        log2_a += std::log2(static_cast<double>(base_.prime[j]));
    }
    const double want = std::exp2(base_.log2_a_target - log2_a);
    std::size_t best = 0;
    double best_gap = 1e300;
    for (std::size_t j = base_.first_sieved + 1; j < base_.size(); ++j) {
        if (base_.sqrt_kn[j] == 0 ||
            std::find(a_indices_.begin(), a_indices_.end(), j) != a_indices_.end())
            continue;
        const double gap = std::abs(std::log(base_.prime[j] / want));
        if (gap < best_gap) {
            best_gap = gap;
            best = j;
        }
        if (base_.prime[j] > want) break;
    }
    a_indices_.push_back(static_cast<std::uint32_t>(best));
    std::sort(a_indices_.begin(), a_indices_.end());
}

void PolyFamily::NewA(std::mt19937_64& rng) {
    ChooseA(rng);
    const std::size_t s = a_indices_.size();
    const std::size_t size = base_.size();
    a_ = 1;
    for (const std::uint32_t j : a_indices_) a_ *= base_.prime[j];
    big_b_.assign(s, 0);
    b_ = 0;
    for (std::size_t l = 0; l < s; ++l) {
        const std::uint32_t q = base_.prime[a_indices_[l]];
        const mpz_class rest = a_ / q;
        const std::uint64_t inv = n_invmod(mpz_fdiv_ui(rest.get_mpz_t(), q), q);
        std::uint64_t gamma = n_mulmod2(base_.sqrt_kn[a_indices_[l]], inv, q);
        if (gamma > q / 2) gamma = q - gamma;
        big_b_[l] = rest * static_cast<unsigned long>(gamma);
        b_ += big_b_[l];
    }
    count_ = 1u << (s - 1);
    index_ = 0;
    UpdateC();

    step_.assign(s * size, 0);
    const std::uint32_t half = base_.half_width();
    for (std::size_t j = 2; j < size; ++j) {
        const std::uint32_t p = base_.prime[j];
        const std::uint64_t t = base_.sqrt_kn[j];
        const bool in_a = std::binary_search(a_indices_.begin(), a_indices_.end(), j);
        active_[j] = (t != 0 && !in_a) ? 1 : 0;
        if (!active_[j]) {
            root1_[j] = root2_[j] = 0;
            continue;
        }
        const std::uint64_t ainv = n_invmod(mpz_fdiv_ui(a_.get_mpz_t(), p), p);
        const std::uint64_t bm = mpz_fdiv_ui(b_.get_mpz_t(), p);
        const std::uint64_t shift = half % p;
        const std::uint64_t r1 = n_mulmod2((t + p - bm) % p, ainv, p);
        const std::uint64_t r2 = n_mulmod2((2 * p - t - bm) % p, ainv, p);
        root1_[j] = static_cast<std::uint32_t>((r1 + shift) % p);
        root2_[j] = static_cast<std::uint32_t>((r2 + shift) % p);
        for (std::size_t l = 1; l < s; ++l) {
            const std::uint64_t bl = mpz_fdiv_ui(big_b_[l].get_mpz_t(), p);
            step_[l * size + j] = static_cast<std::uint32_t>(n_mulmod2(2 * bl % p, ainv, p));
        }
    }
}

void PolyFamily::UpdateC() {
    c_ = b_ * b_ - base_.kn;
    mpz_divexact(c_.get_mpz_t(), c_.get_mpz_t(), a_.get_mpz_t());
}

bool PolyFamily::Next() {
    if (index_ + 1 >= count_) return false;
    ++index_;
    const std::uint32_t v = static_cast<std::uint32_t>(std::countr_zero(index_));
    const bool minus = ((index_ ^ (index_ >> 1)) >> v) & 1;
    const std::size_t l = v + 1;
    const std::size_t size = base_.size();
    const std::uint32_t* step = step_.data() + l * size;
    const std::uint32_t* prime = base_.prime.data();
    std::uint32_t* r1 = root1_.data();
    std::uint32_t* r2 = root2_.data();
    if (minus) {
        // b falls by 2 B_l, so every root x = (t - b) / A rises by 2 B_l / A.
        b_ -= 2 * big_b_[l];
        for (std::size_t j = 2; j < size; ++j) {
            const std::uint32_t p = prime[j];
            std::uint32_t x = r1[j] + step[j];
            r1[j] = x >= p ? x - p : x;
            x = r2[j] + step[j];
            r2[j] = x >= p ? x - p : x;
        }
    } else {
        b_ += 2 * big_b_[l];
        for (std::size_t j = 2; j < size; ++j) {
            const std::uint32_t p = prime[j];
            const std::uint32_t d = step[j];
            r1[j] = r1[j] >= d ? r1[j] - d : r1[j] + p - d;
            r2[j] = r2[j] >= d ? r2[j] - d : r2[j] + p - d;
        }
    }
    UpdateC();
    return true;
}

}  // namespace numerel::siqs
