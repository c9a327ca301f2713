#include "core/nt/primality.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/input/uint128_mpz.h"
#include "reference_factor.h"

namespace numerel {
namespace {

uint128 Parse(const std::string& digits) {
    uint128 value = 0;
    for (const char c : digits) value = value * 10 + static_cast<unsigned>(c - '0');
    return value;
}

struct PrimeCase {
    const char* name;
    const char* n;
    bool prime;
};

void PrintTo(const PrimeCase& c, std::ostream* os) {
    *os << c.name;
}

class IsPrimeOddDecTest : public testing::TestWithParam<PrimeCase> {};

TEST_P(IsPrimeOddDecTest, AnswersAsAProofWould) {
    const uint128 n = Parse(GetParam().n);
    EXPECT_EQ(IsPrimeOddDec(n), GetParam().prime);
    if (n <= 999999999999999) {
        EXPECT_EQ(IsPrimeOdd(static_cast<std::uint64_t>(n)), GetParam().prime);
    }
}

INSTANTIATE_TEST_SUITE_P(
    KnownValues, IsPrimeOddDecTest,
    testing::Values(PrimeCase{"Three", "3", true}, PrimeCase{"Five", "5", true},
                    PrimeCase{"Seven", "7", true}, PrimeCase{"Nine", "9", false},
                    PrimeCase{"TwentyOne", "21", false}, PrimeCase{"TwentyFive", "25", false},
                    PrimeCase{"ThirtyFive", "35", false}, PrimeCase{"FortyNine", "49", false},
                    PrimeCase{"SeventySeven", "77", false}, PrimeCase{"Eleven", "11", true},
                    PrimeCase{"Thirteen", "13", true}, PrimeCase{"FortySeven", "47", true},
                    PrimeCase{"FiftyThree", "53", true}, PrimeCase{"ElevenSquared", "121", false},
                    PrimeCase{"LargestPrimeBelowSmallLimit", "999999999999989", true},
                    PrimeCase{"SmallLimit", "999999999999999", false},
                    PrimeCase{"StrongPseudoprimeToBases2To23", "3825123056546413051", false},
                    PrimeCase{"Mersenne61", "2305843009213693951", true},
                    PrimeCase{"TwoTo64Minus59", "18446744073709551557", true},
                    PrimeCase{"TwoTo64Plus13", "18446744073709551629", true},
                    PrimeCase{"Mersenne61TimesMersenne31", "4951760154835678088235319297", false},
                    PrimeCase{"Mersenne89", "618970019642690137449562111", true},
                    PrimeCase{"TwoTo96Minus17", "79228162514264337593543950319", true},
                    PrimeCase{"TwoTo96Minus1", "79228162514264337593543950335", false}),
    [](const auto& info) { return std::string(info.param.name); });

// Below 10^6 every odd n is checked against the literal trial division.
TEST(IsPrimeOddDifferential, EveryOddNumberBelowOneMillion) {
    int disagreements = 0;
    for (std::uint64_t n = 3; n < 1000000; n += 2) {
        const bool expected = reference::LiteralIsPrimeOdd(n);
        if (IsPrimeOdd(n) != expected || IsPrimeOddDec(n) != expected) {
            ++disagreements;
            ADD_FAILURE() << "n = " << n << ", trial division says " << expected;
            if (disagreements > 10) return;
        }
    }
}

TEST(IsPrimeOddDifferential, SeededRandomOddNumbersUpToSmallLimit) {
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<std::uint64_t> pick(1, 499999999999999);
    for (int i = 0; i < 300; ++i) {
        const std::uint64_t n = 2 * pick(random) + 1;
        SCOPED_TRACE("n = " + std::to_string(n));
        const bool expected = reference::LiteralIsPrimeOdd(n);
        EXPECT_EQ(IsPrimeOdd(n), expected);
        EXPECT_EQ(IsPrimeOddDec(n), expected);
    }
}

// Above the reach of trial division: GMP's Miller-Rabin with 50 rounds is the independent judge.
TEST(IsPrimeOddDifferential, SeededRandomOddNumbersAbove2To64) {
    gmp_randclass random(gmp_randinit_default);
    random.seed(97);
    int primes = 0;
    for (int i = 0; i < 3000; ++i) {
        const mpz_class x = (random.get_z_bits(96) | 1) | (mpz_class(1) << 65);
        const uint128 n = (static_cast<uint128>(mpz_class(x >> 64).get_ui()) << 64) |
                          mpz_class(x & mpz_class(UINT64_MAX)).get_ui();
        ASSERT_EQ(ToMpz(n), x);
        const bool expected = mpz_probab_prime_p(x.get_mpz_t(), 50) != 0;
        primes += expected;
        EXPECT_EQ(IsPrimeOddDec(n), expected) << x.get_str();
    }
    EXPECT_GT(primes, 20);  // the sample does contain primes
}

}  // namespace
}  // namespace numerel
