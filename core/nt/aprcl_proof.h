// The APR-CL primality proof with Jacobi sums (Cohen and Lenstra), its independent parts spread
// over several threads. FLINT supplies the arithmetic in Z[zeta]/(n); the parameters are
// PlanAprcl's.
#pragma once

#include <gmpxx.h>

#include <optional>

namespace numerel {

enum class ProofOutcome { Prime, Composite, Unknown };

// Proves n (odd, > 2^64, no factor below 2^16 needed) prime or composite. Unknown only when
// the proof's extra condition found no auxiliary prime (never seen for a prime n); the caller
// then needs another proof. Cost: for each pair (q, p^k) of the parameters one exponentiation
// to about n in Z[zeta_{p^k}]/(n): seconds at 300 digits, minutes at 1000, divided by the
// threads. Threads: `threads` (the calling thread is one of them). Stop: the calling thread
// polls its StopToken between pairs and throws RunStopped after the others have ended.
ProofOutcome AprclProve(const mpz_class& n, unsigned threads);

// The proof's last step: true when none of n^i mod s, 0 < i <= R, is a divisor of n other than 1
// (gcd(n, s) = 1, s^2 > n). Spread over `threads` threads; the calling thread polls its StopToken and
// nullopt means it was stopped. Cost: R multiplications and divisibility tests mod s.
std::optional<bool> NoDivisorAmongPowers(const mpz_class& n, const mpz_class& s, unsigned long R,
                                         unsigned threads);

// The same for s^3 > n: true when no class n^i mod s, 0 <= i < R, holds a divisor of n other
// than 1 and n, each class searched by HasDivisorInClass. Cost: about R/2 searches, each a
// continued-fraction walk over s (0.7 ms in all at 50 digits).
std::optional<bool> NoDivisorInPowerClasses(const mpz_class& n, const mpz_class& s, unsigned long R,
                                            unsigned threads);

}  // namespace numerel
