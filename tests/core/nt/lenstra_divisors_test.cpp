#include "core/nt/lenstra_divisors.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <numeric>

namespace numerel {
namespace {

// A divisor the walk missed would let a composite through the primality proof: every class of
// small n is checked against the divisors themselves, s anywhere from just above n^(1/3).
TEST(HasDivisorInClass, AgreesWithTheDivisorsOfSmallNumbers) {
    gmp_randclass random(gmp_randinit_default);
    random.seed(20261208);
    int with_divisor = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        const unsigned long n = 10 + mpz_class(random.get_z_range(200000)).get_ui();
        unsigned long low = 1;
        while (low * low * low <= n) ++low;
        const unsigned long s = low + mpz_class(random.get_z_range(3 * low)).get_ui();
        const unsigned long r = mpz_class(random.get_z_range(s)).get_ui();
        if (s >= n || std::gcd(r, s) != 1 || std::gcd(n, s) != 1) continue;
        bool expected = false;
        for (unsigned long d = r; d < n && !expected; d += s) expected = d > 1 && n % d == 0;
        with_divisor += expected;
        ASSERT_EQ(HasDivisorInClass(mpz_class(n), mpz_class(r), mpz_class(s)), expected)
            << "n = " << n << ", r = " << r << ", s = " << s;
    }
    EXPECT_GT(with_divisor, 500);
}

// Large n = p*q with s just above n^(1/3): the class of p holds a divisor, in machine integers
// (s below 2^63) and in GMP (s above).
TEST(HasDivisorInClass, FindsAPlantedFactorOfLargeNumbers) {
    gmp_randclass random(gmp_randinit_default);
    random.seed(7);
    for (const unsigned bits : {160u, 186u, 250u, 600u}) {
        int tried = 0;
        while (tried < 200) {
            const unsigned p_bits =
                bits / 2 - bits / 8 +
                static_cast<unsigned>(mpz_class(random.get_z_range(bits / 4)).get_ui());
            mpz_class p = random.get_z_bits(p_bits) | 1, q = random.get_z_bits(bits - p_bits) | 1;
            mpz_nextprime(p.get_mpz_t(), p.get_mpz_t());
            mpz_nextprime(q.get_mpz_t(), q.get_mpz_t());
            const mpz_class n = p * q;
            mpz_class s;
            mpz_root(s.get_mpz_t(), n.get_mpz_t(), 3);
            s += 1 + random.get_z_range(s / 8 + 1);
            const mpz_class r = p % s;
            if (gcd(r, s) != 1 || gcd(n, s) != 1) continue;
            ++tried;
            ASSERT_TRUE(HasDivisorInClass(n, r, s)) << "n = " << n << ", s = " << s;
        }
    }
}

}  // namespace
}  // namespace numerel
