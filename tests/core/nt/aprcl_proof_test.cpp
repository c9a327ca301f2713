#include "core/nt/aprcl_proof.h"

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
