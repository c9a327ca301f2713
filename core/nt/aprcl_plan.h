// The parameters of one APR-CL proof (Cohen and Lenstra's Jacobi-sum test): the exponent t = R,
// the modulus s and the primes q whose Jacobi sums are tested.
#pragma once

#include <gmpxx.h>

#include <vector>

namespace numerel {

// How far s must reach for the last step: s^2 > n leaves every divisor below sqrt(n) equal to a
// residue n^i mod s; s^3 > n needs Lenstra's divisors-in-residue-classes search per residue,
// but a much smaller s, and so far fewer and cheaper Jacobi sums.
enum class LastStep { SquareRoot, CubeRoot };

struct AprclPlan {
    unsigned long R = 0;
    std::vector<unsigned long> r_primes;  // the primes of R
    mpz_class s;  // divides 2 * prod q^(v_q(R) + 1) over the primes q with q - 1 | R
    std::vector<unsigned long> qs;  // the odd primes q of s: one Jacobi-sum test per p^k || q - 1
    LastStep last_step = LastStep::SquareRoot;
};

// The quickest plan measured for n's size (odd, above 2^64).
AprclPlan PlanAprcl(const mpz_class& n);

// The plan for a given R: s is the product of every q^(v_q(R)+1), less the q's dearest per bit
// while s still reaches n's square or cube root. s is 0 when even the whole product falls short.
AprclPlan PlanAprcl(const mpz_class& n, unsigned long R, LastStep last_step);

}  // namespace numerel
