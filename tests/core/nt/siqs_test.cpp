#include "core/nt/siqs.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "core/run_control.h"

namespace numerel {
namespace {

// The next prime (GMP's, independent of the code under test) after a random number of `digits`
// decimal digits.
mpz_class PrimeOfDigits(gmp_randclass& random, int digits) {
    mpz_class low;
    mpz_ui_pow_ui(low.get_mpz_t(), 10, static_cast<unsigned long>(digits - 1));
    mpz_class p = low + random.get_z_range(low * 9);
    mpz_nextprime(p.get_mpz_t(), p.get_mpz_t());
    return p;
}

struct SplitCase {
    const char* name;
    std::vector<int> digits;  // of each prime factor
    unsigned long seed;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << c.name;
}

class SiqsSplitTest : public testing::TestWithParam<SplitCase> {};

// The divisor must be the product of a proper, nonempty subset of the primes.
TEST_P(SiqsSplitTest, ReturnsAProductOfSomeOfThePrimes) {
    gmp_randclass random(gmp_randinit_mt);
    random.seed(GetParam().seed);
    std::vector<mpz_class> primes;
    mpz_class n = 1;
    for (const int d : GetParam().digits) {
        primes.push_back(PrimeOfDigits(random, d));
        n *= primes.back();
    }
    SCOPED_TRACE("n = " + n.get_str());
    const mpz_class d = SiqsSplit(n);
    ASSERT_GT(d, 1);
    ASSERT_LT(d, n);
    ASSERT_TRUE(mpz_divisible_p(n.get_mpz_t(), d.get_mpz_t()));
    mpz_class rest = d;
    for (const mpz_class& p : primes)
        if (mpz_divisible_p(rest.get_mpz_t(), p.get_mpz_t())) rest /= p;
    EXPECT_EQ(rest, 1);
}

INSTANTIATE_TEST_SUITE_P(Products, SiqsSplitTest,
                         testing::Values(SplitCase{"Balanced36DigitsBelow2To125", {18, 18}, 2},
                                         SplitCase{"Balanced40Digits", {20, 20}, 1},
                                         SplitCase{"Balanced40DigitsOtherSeed", {20, 20}, 7},
                                         SplitCase{"Unbalanced42Digits", {17, 25}, 3},
                                         SplitCase{"ThreePrimes45Digits", {15, 15, 15}, 4},
                                         SplitCase{"Balanced50Digits", {25, 25}, 5}),
                         [](const testing::TestParamInfo<SplitCase>& info) {
                             return std::string(info.param.name);
                         });

// A prime of the factor base that divides n is a divisor found before any sieving.
TEST(SiqsSplit, PrimeJustAbove65536) {
    mpz_class big;
    mpz_ui_pow_ui(big.get_mpz_t(), 10, 65);
    mpz_nextprime(big.get_mpz_t(), big.get_mpz_t());
    const mpz_class n = big * 65537;
    EXPECT_EQ(SiqsSplit(n), 65537);
}

// Inputs whose squares would all be trivial, or with a factor found before any sieving: the
// divisor is the expected one at once.
TEST(SiqsSplit, DirectAnswersOutsideTheSieve) {
    gmp_randclass random(gmp_randinit_mt);
    random.seed(9);
    const mpz_class p = PrimeOfDigits(random, 22);
    const mpz_class q = PrimeOfDigits(random, 40);
    EXPECT_EQ(SiqsSplit(p * p), p);
    EXPECT_EQ(SiqsSplit(p * p * p), p);
    EXPECT_EQ(SiqsSplit(2 * q), 2);
    EXPECT_EQ(SiqsSplit(65521 * q), 65521);
}

std::size_t ThreadCount() {
    const auto tasks = std::filesystem::directory_iterator("/proc/self/task");
    return static_cast<std::size_t>(std::distance(tasks, std::filesystem::directory_iterator()));
}

// Stopped from its progress report, the sieve throws RunStopped with every sieving thread ended.
TEST(SiqsSplit, StopFromProgressEndsEveryThread) {
    gmp_randclass random(gmp_randinit_mt);
    random.seed(11);
    const mpz_class n = PrimeOfDigits(random, 33) * PrimeOfDigits(random, 33);
    const std::size_t threads_before = ThreadCount();
    StopToken token;
    const StopScope scope(token);
    std::size_t reports = 0;
    const auto progress = [&](std::size_t found, std::size_t needed) {
        ++reports;
        EXPECT_LE(found, needed);
        token.RequestStop();
    };
    EXPECT_THROW(SiqsSplit(n, progress), RunStopped);
    EXPECT_EQ(reports, 1u);
    // A joined thread can stay listed for a moment while the kernel reaps it; one left running
    // stays listed.
    for (int wait = 0; wait < 100 && ThreadCount() != threads_before; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(ThreadCount(), threads_before);
}

}  // namespace
}  // namespace numerel
