#include "core/nt/factor_exact.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/input/uint128_mpz.h"
#include "core/nt/factor_qs.h"

namespace numerel {
namespace {

// A random prime of exactly `bits` bits (GMP's nextprime: independent of the code under test).
mpz_class RandomPrime(gmp_randclass& random, int bits) {
    for (;;) {
        mpz_class x = random.get_z_bits(bits) | (mpz_class(1) << (bits - 1));
        mpz_class p;
        mpz_nextprime(p.get_mpz_t(), x.get_mpz_t());
        if (mpz_sizeinbase(p.get_mpz_t(), 2) == static_cast<std::size_t>(bits)) return p;
    }
}

// The factorization is the given primes with their exponents, in increasing order.
void ExpectFactorization(const std::vector<std::pair<mpz_class, int>>& primes) {
    std::vector<std::pair<mpz_class, int>> expected = primes;
    std::sort(expected.begin(), expected.end());
    mpz_class n = 1;
    for (const auto& [p, e] : expected) {
        mpz_class power;
        mpz_pow_ui(power.get_mpz_t(), p.get_mpz_t(), static_cast<unsigned long>(e));
        n *= power;
    }
    ASSERT_LT(mpz_sizeinbase(n.get_mpz_t(), 2), 128u);
    SCOPED_TRACE("n = " + n.get_str());
    const Factorization actual = FactorExact(FromMpz(n));
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(ToMpz(actual[i].prime), expected[i].first);
        EXPECT_EQ(actual[i].exponent, expected[i].second);
    }
}

struct Shape {
    const char* name;
    std::vector<std::pair<int, int>> parts;  // (bits, exponent) of each prime
};

void PrintTo(const Shape& c, std::ostream* os) {
    *os << c.name;
}

class FactorExactShapes : public testing::TestWithParam<Shape> {};

TEST_P(FactorExactShapes, RandomPrimesOfTheShape) {
    gmp_randclass random(gmp_randinit_default);
    random.seed(
        static_cast<unsigned long>(GetParam().parts.size() * 1000 + GetParam().parts[0].first));
    for (int trial = 0; trial < 8; ++trial) {
        std::vector<std::pair<mpz_class, int>> primes;
        for (const auto& [bits, exponent] : GetParam().parts)
            primes.emplace_back(RandomPrime(random, bits), exponent);
        // Equal primes drawn twice would merge; the shapes use different sizes or draw again.
        bool distinct = true;
        for (std::size_t i = 0; i < primes.size(); ++i)
            for (std::size_t j = i + 1; j < primes.size(); ++j)
                distinct = distinct && primes[i].first != primes[j].first;
        if (!distinct) continue;
        ExpectFactorization(primes);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, FactorExactShapes,
                         testing::Values(Shape{"Prime96", {{96, 1}}}, Shape{"Prime65", {{65, 1}}},
                                         Shape{"BalancedSemiprime96", {{48, 1}, {48, 1}}},
                                         Shape{"BalancedSemiprime80", {{40, 1}, {40, 1}}},
                                         Shape{"BalancedSemiprime66", {{33, 1}, {33, 1}}},
                                         Shape{"UnbalancedSemiprime", {{20, 1}, {76, 1}}},
                                         Shape{"ThreeLargePrimes", {{32, 1}, {31, 1}, {30, 1}}},
                                         Shape{"SquareOfPrime", {{47, 2}}},
                                         Shape{"CubeOfPrime", {{31, 3}}},
                                         Shape{"SquareTimesPrime", {{30, 2}, {35, 1}}},
                                         Shape{"SmallAndLarge", {{3, 5}, {11, 2}, {60, 1}}},
                                         Shape{"SemiprimeJustAbove2To64", {{32, 1}, {34, 1}}},
                                         Shape{"Semiprime120Bits", {{60, 1}, {60, 1}}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct KnownCase {
    const char* name;
    const char* n;
    std::vector<std::pair<const char*, int>> factors;
};

void PrintTo(const KnownCase& c, std::ostream* os) {
    *os << c.name;
}

class FactorExactKnown : public testing::TestWithParam<KnownCase> {};

TEST_P(FactorExactKnown, MatchesThePublishedFactorization) {
    std::vector<std::pair<mpz_class, int>> primes;
    for (const auto& [p, e] : GetParam().factors) primes.emplace_back(mpz_class(p), e);
    ExpectFactorization(primes);
    EXPECT_EQ(ToMpz(FromMpz(mpz_class(GetParam().n))), mpz_class(GetParam().n));
}

INSTANTIATE_TEST_SUITE_P(
    Values, FactorExactKnown,
    testing::Values(
        KnownCase{"One", "1", {}}, KnownCase{"Two", "2", {{"2", 1}}},
        KnownCase{"TwoTo96Minus1",
                  "79228162514264337593543950335",
                  {{"3", 2},
                   {"5", 1},
                   {"7", 1},
                   {"13", 1},
                   {"17", 1},
                   {"97", 1},
                   {"193", 1},
                   {"241", 1},
                   {"257", 1},
                   {"673", 1},
                   {"65537", 1},
                   {"22253377", 1}}},
        KnownCase{"HardSemiprime",
                  "70000000000011250000000000243",
                  {{"200000000000027", 1}, {"350000000000009", 1}}},
        KnownCase{
            "TwoTo64Minus1",
            "18446744073709551615",
            {{"3", 1}, {"5", 1}, {"17", 1}, {"257", 1}, {"641", 1}, {"65537", 1}, {"6700417", 1}}},
        KnownCase{"TwoTo95", "39614081257132168796771975168", {{"2", 95}}},
        KnownCase{"Mersenne61Squared",
                  "5316911983139663487003542222693990401",
                  {{"2305843009213693951", 2}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuadraticSieveSplit, SplitsSemiprimesOf65To100Bits) {
    gmp_randclass random(gmp_randinit_default);
    random.seed(5);
    for (int bits = 65; bits <= 100; bits += 5) {
        const mpz_class p = RandomPrime(random, bits / 2);
        const mpz_class q = RandomPrime(random, bits - bits / 2);
        const mpz_class n = p * q;
        const uint128 divisor = QuadraticSieveSplit(FromMpz(n));
        EXPECT_TRUE(ToMpz(divisor) == p || ToMpz(divisor) == q) << n.get_str();
    }
}

struct SqrtCase {
    const char* name;
    uint128 n;
    uint128 root;
};

TEST(IntegerSqrt, IsExactAtTheEdges) {
    const uint128 max = ~uint128{0};
    const SqrtCase cases[] = {
        {"Zero", 0, 0},
        {"One", 1, 1},
        {"Three", 3, 1},
        {"Four", 4, 2},
        {"TwoTo53PlusOneSquaredMinusOne", (uint128{1} << 53 | 1) * (uint128{1} << 53 | 1) - 1,
         uint128{1} << 53},
        {"TwoTo96", uint128{1} << 96, uint128{1} << 48},
        {"Max", max, UINT64_MAX},
        {"LargestSquare", uint128{UINT64_MAX} * UINT64_MAX, UINT64_MAX},
        {"BelowLargestSquare", uint128{UINT64_MAX} * UINT64_MAX - 1, UINT64_MAX - 1},
    };
    for (const SqrtCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(IntegerSqrt(c.n) == c.root);
    }
}

}  // namespace
}  // namespace numerel
