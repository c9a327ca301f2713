// The polynomials of the self-initialising quadratic sieve. For A = q_1 ... q_s (primes of the
// base) and b with b^2 = kn (mod A), g(x) = A x^2 + 2 b x + c with c = (b^2 - kn) / A satisfies
// A g(x) = (A x + b)^2 - kn. One A serves 2^(s-1) values of b = B_1 +- B_2 ... +- B_s, taken in
// Gray-code order so that each switch moves every sieve root by one precomputed step.
#pragma once

#include <gmpxx.h>

#include <cstdint>
#include <random>
#include <vector>

#include "core/nt/siqs_base.h"

namespace numerel::siqs {

class PolyFamily {
public:
    explicit PolyFamily(const FactorBase& base);

    // Chooses a fresh A at random and sets the first b.
    void NewA(std::mt19937_64& rng);
    // Polynomials of the current A; index() runs from 0 to count() - 1.
    std::uint32_t count() const { return count_; }
    std::uint32_t index() const { return index_; }
    // Moves to the next b; false after the last.
    bool Next();

    const mpz_class& a() const { return a_; }
    const mpz_class& b() const { return b_; }
    const mpz_class& c() const { return c_; }
    const std::vector<std::uint32_t>& a_indices() const { return a_indices_; }
    // Sieve positions i = x + M (0 <= i < 2M) where prime j divides g: i = root (mod p).
    // Meaningful only where active[j] (not for primes of A nor of the multiplier).
    const std::vector<std::uint32_t>& root1() const { return root1_; }
    const std::vector<std::uint32_t>& root2() const { return root2_; }
    const std::vector<std::uint8_t>& active() const { return active_; }

private:
    void ChooseA(std::mt19937_64& rng);
    void UpdateC();

    const FactorBase& base_;
    std::uint32_t count_ = 0;
    std::uint32_t index_ = 0;
    mpz_class a_, b_, c_;
    std::vector<std::uint32_t> a_indices_;
    std::vector<mpz_class> big_b_;
    std::vector<std::uint32_t> root1_, root2_;
    std::vector<std::uint8_t> active_;
    std::vector<std::uint32_t> step_;  // step_[l * size + j] = 2 B_l / A mod p_j
};

}  // namespace numerel::siqs
