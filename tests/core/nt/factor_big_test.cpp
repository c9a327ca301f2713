#include "core/nt/factor_big.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/run_control.h"

namespace numerel {
namespace {

mpz_class Value(const std::string& text) {
    return mpz_class(text);
}

mpz_class Power(unsigned long base, unsigned long exponent) {
    mpz_class result;
    mpz_ui_pow_ui(result.get_mpz_t(), base, exponent);
    return result;
}

mpz_class ProductOf(const std::vector<BigPrimePower>& parts) {
    mpz_class product = 1;
    for (const BigPrimePower& part : parts) {
        mpz_class power;
        mpz_pow_ui(power.get_mpz_t(), part.prime.get_mpz_t(), part.exponent);
        product *= power;
    }
    return product;
}

std::string Text(const std::vector<BigPrimePower>& parts) {
    std::string text;
    for (const BigPrimePower& part : parts) {
        if (!text.empty()) text += "*";
        text += part.prime.get_str();
        if (part.exponent != 1) text += "^" + std::to_string(part.exponent);
    }
    return text;
}

// Factorizations from published tables (each checked against PARI/GP's factor).
struct PublishedCase {
    const char* name;
    mpz_class n;
    const char* factors;
};

void PrintTo(const PublishedCase& c, std::ostream* os) {
    *os << c.name;
}

class FactorBigPublished : public testing::TestWithParam<PublishedCase> {};

TEST_P(FactorBigPublished, GivesTheTableFactorization) {
    const BigFactorization result = FactorBig(GetParam().n);
    EXPECT_EQ(Text(result.primes), GetParam().factors);
    EXPECT_TRUE(result.unfactored.empty());
    EXPECT_FALSE(result.stopped);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, FactorBigPublished,
    testing::Values(PublishedCase{"TwoTo128Plus1", Power(2, 128) + 1,
                                  "59649589127497217*5704689200685129054721"},
                    PublishedCase{"FermatF8", Power(2, 256) + 1,
                                  "1238926361552897*"
                                  "93461639715357977769163558199606896584051237541638188580280321"},
                    PublishedCase{"TenTo41Plus1", Power(10, 41) + 1,
                                  "11*2670502781396266997*3404193829806058997303"},
                    // 3^6, and two 15-digit factors beside a 27-digit one.
                    PublishedCase{
                        "TenTo81Minus1", Power(10, 81) - 1,
                        "3^6*37*163*757*9397*333667*2462401*440334654777631*676421558270641*"
                        "130654897808007778425046117"},
                    PublishedCase{"One", 1, ""},
                    PublishedCase{"TwoTo64Plus1", Power(2, 64) + 1, "274177*67280421310721"}),
    [](const testing::TestParamInfo<PublishedCase>& info) { return info.param.name; });

// Products of primes made by GMP's nextprime from seeded random starts, with repeated factors
// and perfect powers; each prime is checked by 50 Miller-Rabin rounds and the product by GMP.
struct ShapeCase {
    const char* name;
    unsigned long seed;
    // (digits, exponent) of each prime.
    std::vector<std::pair<int, int>> shape;
};

void PrintTo(const ShapeCase& c, std::ostream* os) {
    *os << c.name;
}

class FactorBigProducts : public testing::TestWithParam<ShapeCase> {};

TEST_P(FactorBigProducts, FindsEveryPrimeWithItsExponent) {
    gmp_randclass random(gmp_randinit_default);
    random.seed(GetParam().seed);
    std::vector<BigPrimePower> expected;
    mpz_class n = 1;
    for (const auto& [digits, exponent] : GetParam().shape) {
        mpz_class prime = Power(10, digits - 1) + random.get_z_range(Power(10, digits - 1) * 9);
        mpz_nextprime(prime.get_mpz_t(), prime.get_mpz_t());
        expected.push_back({prime, exponent});
        mpz_class power;
        mpz_pow_ui(power.get_mpz_t(), prime.get_mpz_t(), exponent);
        n *= power;
    }
    std::sort(expected.begin(), expected.end(),
              [](const BigPrimePower& a, const BigPrimePower& b) { return a.prime < b.prime; });

    const BigFactorization result = FactorBig(n);
    EXPECT_EQ(Text(result.primes), Text(expected));
    EXPECT_EQ(ProductOf(result.primes), n);
    for (const BigPrimePower& part : result.primes)
        EXPECT_NE(mpz_probab_prime_p(part.prime.get_mpz_t(), 50), 0) << part.prime.get_str();
    EXPECT_TRUE(result.unfactored.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Seeded, FactorBigProducts,
    testing::Values(
        ShapeCase{"RepeatedSmallAndMediumPrimes", 1, {{9, 3}, {12, 1}, {14, 2}, {40, 1}}},
        ShapeCase{"BalancedSemiprime40Digits", 2, {{20, 1}, {20, 1}}},
        ShapeCase{"FourthPowerOfSemiprime", 3, {{15, 4}, {25, 4}}},
        ShapeCase{"SquareOfPrimeBesideAnother", 4, {{16, 2}, {12, 1}}},
        ShapeCase{"LargePrimeTimesSquare", 5, {{150, 1}, {13, 2}}},
        ShapeCase{"SmallPrimeCubedTimesCubeOfLargePrime", 6, {{4, 3}, {60, 3}}},
        // 126 digits: beyond the sieve, only rho, p-1 and ECM can split it.
        ShapeCase{"BeyondTheSieve", 7, {{12, 1}, {114, 1}}},
        // Its ECM curves are dealt out to child processes, one of which finds the 18 digits.
        ShapeCase{"EcmInChildProcesses", 8, {{18, 1}, {112, 1}}}),
    [](const testing::TestParamInfo<ShapeCase>& info) { return info.param.name; });

// A run stopped while ECM works on a part it cannot split keeps what it has proven and leaves
// the rest, unsplit, in the unfactored list: together they still make n.
TEST(FactorBigStop, DuringEcmLeavesProvenPrimesAndTheCofactor) {
    mpz_class p = Power(10, 60), q = Power(10, 61);
    mpz_nextprime(p.get_mpz_t(), p.get_mpz_t());
    mpz_nextprime(q.get_mpz_t(), q.get_mpz_t());
    // 7^3 and a 9-digit prime (rho's) come first; p*q (123 digits) is beyond the sieve.
    const mpz_class small = 100000007;
    const mpz_class n = 343 * small * p * q;

    StopToken token;
    StopScope scope(token);
    bool saw_ecm = false;
    const BigFactorization result = FactorBig(n, [&](const BigFactorization&, FactorStage stage) {
        if (stage == FactorStage::Ecm) {
            saw_ecm = true;
            token.RequestStop();
        }
    });
    EXPECT_TRUE(saw_ecm);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(ProductOf(result.primes) * ProductOf(result.unfactored), n);
    EXPECT_EQ(Text(result.unfactored), mpz_class(p * q).get_str());
    EXPECT_EQ(Text(result.primes), "7^3*100000007");
}

// A stop during the proof of a large probable prime leaves it unfactored: it is not shown as
// prime unproven, and the run does not wait for the proof to end.
TEST(FactorBigStop, DuringAProofLeavesTheProbablePrimeUnfactored) {
    mpz_class prime = Power(10, 300);
    mpz_nextprime(prime.get_mpz_t(), prime.get_mpz_t());
    const mpz_class n = 3 * prime;

    StopToken token;
    StopScope scope(token);
    const BigFactorization result = FactorBig(n, [&](const BigFactorization&, FactorStage stage) {
        if (stage == FactorStage::Proof) token.RequestStop();
    });
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(Text(result.primes), "3");
    EXPECT_EQ(Text(result.unfactored), prime.get_str());
}

struct ProofCase {
    const char* name;
    mpz_class n;
    bool prime;
};

void PrintTo(const ProofCase& c, std::ostream* os) {
    *os << c.name;
}

class IsProvenPrimeTest : public testing::TestWithParam<ProofCase> {};

TEST_P(IsProvenPrimeTest, AgreesWithPari) {
    EXPECT_EQ(IsProvenPrime(GetParam().n, ProofThreads::One), GetParam().prime);
    EXPECT_EQ(IsProvenPrime(GetParam().n, ProofThreads::AllCores), GetParam().prime);
}

// The odd numbers around each change of method (word test, FLINT's own test, APR-CL on one
// thread, APR-CL on every core), against GMP's test with 50 rounds.
TEST(IsProvenPrimeTest, AgreesWithGmpAroundEachChangeOfMethod) {
    for (const unsigned long bits : {64ul, 128ul, 199ul}) {
        const mpz_class middle = Power(2, bits);
        for (mpz_class n = middle - 301; n <= middle + 301; n += 2) {
            const bool expected = mpz_probab_prime_p(n.get_mpz_t(), 50) > 0;
            EXPECT_EQ(IsProvenPrime(n, ProofThreads::One), expected) << n.get_str();
            EXPECT_EQ(IsProvenPrime(n, ProofThreads::AllCores), expected) << n.get_str();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, IsProvenPrimeTest,
    testing::Values(ProofCase{"Zero", 0, false}, ProofCase{"One", 1, false},
                    ProofCase{"Two", 2, true},
                    ProofCase{"LargestPrimeBelow2To64", Power(2, 64) - 59, true},
                    ProofCase{"FirstPrimeAbove2To64", Power(2, 64) + 13, true},
                    ProofCase{"StrongPseudoprimeToBasesUpTo37", Value("3825123056546413051"),
                              false},
                    ProofCase{"Mersenne127", Power(2, 127) - 1, true},
                    ProofCase{"LargestPrimeBelow2To128", Power(2, 128) - 159, true},
                    ProofCase{"FirstPrimeAbove2To128", Power(2, 128) + 51, true},
                    ProofCase{"LargestPrimeOf199Bits", Power(2, 199) - 49, true},
                    ProofCase{"FirstPrimeOf200Bits", Power(2, 199) + 101, true},
                    ProofCase{"NextPrimeAfter10To100", Power(10, 100) + 267, true},
                    ProofCase{"OddNonPrimeAfterIt", Power(10, 100) + 269, false}),
    [](const testing::TestParamInfo<ProofCase>& info) { return info.param.name; });

}  // namespace
}  // namespace numerel
