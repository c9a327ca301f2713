#include "core/nt/aprcl_proof.h"

#include <flint/aprcl.h>
#include <flint/fmpz.h>
#include <gmpxx.h>
#include <gtest/gtest.h>

namespace numerel {
namespace {

mpz_class NextPrime(unsigned long base, unsigned long exponent) {
    mpz_class n;
    mpz_ui_pow_ui(n.get_mpz_t(), base, exponent);
    mpz_nextprime(n.get_mpz_t(), n.get_mpz_t());
    return n;
}

struct AprclCase {
    const char* name;
    mpz_class n;
    ProofOutcome outcome;
    unsigned threads;
};

void PrintTo(const AprclCase& c, std::ostream* os) {
    *os << c.name;
}

class AprclProveTest : public testing::TestWithParam<AprclCase> {};

// The proof is reached only by probable primes, so a composite it let through would be shown
// as prime unnoticed elsewhere: here composites meet it directly.
TEST_P(AprclProveTest, ProvesPrimesAndRejectsComposites) {
    EXPECT_EQ(AprclProve(GetParam().n, GetParam().threads), GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Values, AprclProveTest,
    testing::Values(
        AprclCase{"PrimeAbove2To64", NextPrime(2, 70), ProofOutcome::Prime, 1},
        AprclCase{"Prime50DigitsLenstraLastStep", NextPrime(10, 49), ProofOutcome::Prime, 2},
        AprclCase{"Prime61Digits", NextPrime(10, 60), ProofOutcome::Prime, 2},
        AprclCase{"Prime151DigitsOnThreeThreads", NextPrime(10, 150), ProofOutcome::Prime, 3},
        // (6k+1)(12k+1)(18k+1), k = 1000020: a Carmichael number, a Fermat liar to every base.
        AprclCase{"CarmichaelAbove2To64", mpz_class("1296198694153288947529"),
                  ProofOutcome::Composite, 2},
        AprclCase{"SemiprimeOfTwo40DigitPrimes", NextPrime(10, 39) * NextPrime(10, 40),
                  ProofOutcome::Composite, 2},
        // p(2p - 1), strong pseudoprimes to the first 12 and 13 prime bases (published), and
        // one of 140 bits: on one thread, as the searches now run every proof.
        AprclCase{"StrongPseudoprimeToBasesTo37", mpz_class("318665857834031151167461"),
                  ProofOutcome::Composite, 1},
        AprclCase{"StrongPseudoprimeToBasesTo41", mpz_class("3317044064679887385961981"),
                  ProofOutcome::Composite, 1},
        AprclCase{"PTimes2PMinus1Of140Bits",
                  mpz_class("696898287454081975762618916063902993528153"), ProofOutcome::Composite,
                  1}),
    [](const testing::TestParamInfo<AprclCase>& info) { return info.param.name; });

}  // namespace
}  // namespace numerel

namespace numerel {
namespace {

// The last step must try every n^i mod s with 0 < i <= R, in whichever thread's piece it falls:
// n = p*q is built so that its factor p is n^i0 mod s for the first time at a late i0. With
// R = i0 the factor is in range, with R = i0 - 1 it is not; FLINT's serial loop agrees.
TEST(AprclLastStep, FindsAFactorAtTheEndOfTheRangeAndNotBeyond) {
    mpz_class s, p, q;
    mpz_ui_pow_ui(s.get_mpz_t(), 2, 64);
    mpz_nextprime(s.get_mpz_t(), s.get_mpz_t());
    mpz_ui_pow_ui(p.get_mpz_t(), 3, 25);
    mpz_nextprime(p.get_mpz_t(), p.get_mpz_t());
    unsigned long i0 = 200001;
    while (gcd(mpz_class(i0), s - 1) != 1) i0 += 2;
    // g^i0 = p (mod s) for g = p^(1/i0); q = g/p (mod s), the first prime in that class.
    mpz_class root, g, p_inverse, exponent(i0);
    mpz_invert(root.get_mpz_t(), exponent.get_mpz_t(), mpz_class(s - 1).get_mpz_t());
    mpz_powm(g.get_mpz_t(), p.get_mpz_t(), root.get_mpz_t(), s.get_mpz_t());
    mpz_invert(p_inverse.get_mpz_t(), p.get_mpz_t(), s.get_mpz_t());
    for (q = g * p_inverse % s + s; mpz_probab_prime_p(q.get_mpz_t(), 30) == 0;) q += s;
    const mpz_class n = p * q;
    fmpz_t n_flint, s_flint;
    fmpz_init(n_flint);
    fmpz_init(s_flint);
    fmpz_set_mpz(n_flint, n.get_mpz_t());
    fmpz_set_mpz(s_flint, s.get_mpz_t());
    for (const unsigned long R : {i0 - 1, i0}) {
        const bool no_divisor = aprcl_is_prime_final_division(n_flint, s_flint, R) == 1;
        EXPECT_EQ(no_divisor, R < i0) << "FLINT, R = " << R;
        for (const unsigned threads : {1u, 3u})
            EXPECT_EQ(NoDivisorAmongPowers(n, s, R, threads), std::optional<bool>(R < i0))
                << "R = " << R << ", threads = " << threads;
    }
    fmpz_clear(n_flint);
    fmpz_clear(s_flint);
}

}  // namespace
}  // namespace numerel

namespace numerel {
namespace {

// With s^3 > n only one class of each pair i, 1 - i is searched: n = p*q is built with p in
// class n^i0 mod s and q in class n^(1 - i0), n of order 15 mod s. Whichever of the two is
// searched, the factor must be found; i0 = 8 is its own partner (2 * 8 = 1 mod 15).
TEST(AprclLastStep, FindsAFactorInEitherClassOfAPair) {
    mpz_class s;
    mpz_ui_pow_ui(s.get_mpz_t(), 2, 60);
    do mpz_nextprime(s.get_mpz_t(), s.get_mpz_t());
    while (s % 15 != 1);
    // g of order exactly 15 mod s.
    mpz_class g, h = 2;
    const mpz_class cofactor = (s - 1) / 15;
    const auto power = [&](const mpz_class& base, unsigned long e) {
        mpz_class result;
        mpz_powm_ui(result.get_mpz_t(), base.get_mpz_t(), e, s.get_mpz_t());
        return result;
    };
    for (;; ++h) {
        mpz_powm(g.get_mpz_t(), h.get_mpz_t(), cofactor.get_mpz_t(), s.get_mpz_t());
        if (power(g, 3) != 1 && power(g, 5) != 1) break;
    }
    // The first prime above 2^80 in the class of `residue`.
    const auto prime_in_class = [&](const mpz_class& residue) {
        mpz_class start;
        mpz_ui_pow_ui(start.get_mpz_t(), 2, 80);
        mpz_class x = start - start % s + residue;
        while (mpz_probab_prime_p(x.get_mpz_t(), 30) == 0) x += s;
        return x;
    };
    for (const unsigned long i0 : {0ul, 1ul, 8ul, 11ul, 14ul}) {
        const mpz_class p = prime_in_class(power(g, i0));
        const mpz_class q = prime_in_class(power(g, (16 - i0) % 15));
        for (const unsigned threads : {1u, 3u})
            EXPECT_EQ(NoDivisorInPowerClasses(p * q, s, 15, threads), std::optional<bool>(false))
                << "i0 = " << i0 << ", threads = " << threads;
    }
}

}  // namespace
}  // namespace numerel
