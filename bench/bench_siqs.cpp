// Times SiqsSplit on a balanced semiprime p*q, p and q the next primes after two random numbers
// of half the digits (GMP's Mersenne Twister, seeded). Prints "digits seed p q seconds" so that
// scripts/bench can time another tool on the same p and q.
// Usage: bench_siqs DIGITS [SEED]
#include <gmpxx.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "core/nt/siqs.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DIGITS [SEED]\n", argv[0]);
        return 2;
    }
    const int digits = std::atoi(argv[1]);
    const unsigned long seed = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1;
    gmp_randclass random(gmp_randinit_mt);
    random.seed(seed);
    mpz_class low, p, q;
    mpz_ui_pow_ui(low.get_mpz_t(), 10, static_cast<unsigned long>(digits / 2 - 1));
    const mpz_class span = low * 9;
    for (mpz_class* prime : {&p, &q}) {
        *prime = low + random.get_z_range(span);
        mpz_nextprime(prime->get_mpz_t(), prime->get_mpz_t());
    }
    const mpz_class n = p * q;
    const auto start = std::chrono::steady_clock::now();
    const mpz_class d = numerel::SiqsSplit(n);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (d <= 1 || d >= n || n % d != 0) {
        std::cerr << "wrong divisor " << d << " of " << n << "\n";
        return 1;
    }
    std::cout << digits << ' ' << seed << ' ' << p << ' ' << q << ' ' << seconds << std::endl;
    return 0;
}
