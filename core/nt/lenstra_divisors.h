// Lenstra's divisors in residue classes ("Divisors in residue classes", Math. Comp. 42, 1984):
// with s^3 > n there are at most 11 divisors of n congruent to r mod s, and a continued-fraction
// walk over r/s finds them all.
#pragma once

#include <gmpxx.h>

namespace numerel {

// Up to this size of s the walk runs in machine integers.
constexpr unsigned kLenstraWordBits = 63;

// True when n has a divisor d with 1 < d < n and d = r (mod s). Needs 0 <= r < s < n,
// gcd(r, s) = 1 and s^3 > n. Cost: a walk of about log(s) steps, a fraction of a microsecond a
// step while s fits kLenstraWordBits.
bool HasDivisorInClass(const mpz_class& n, const mpz_class& r, const mpz_class& s);

}  // namespace numerel
