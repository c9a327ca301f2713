// The APR-CL primality proof with Jacobi sums (Cohen and Lenstra), its independent parts spread
// over several threads. FLINT supplies the arithmetic in Z[zeta]/(n) and the parameters.
#pragma once

#include <gmpxx.h>

namespace numerel {

enum class ProofOutcome { Prime, Composite, Unknown };

// Proves n (odd, > 2^64, no factor below 2^16 needed) prime or composite. Unknown only when
// the proof's extra condition found no auxiliary prime (never seen for a prime n); the caller
// then needs another proof. Cost: for each pair (q, p^k) of the parameters one exponentiation
// to about n in Z[zeta_{p^k}]/(n): seconds at 300 digits, minutes at 1000, divided by the
// threads. Threads: `threads` (the calling thread is one of them). Stop: the calling thread
// polls its StopToken between pairs and throws RunStopped after the others have ended.
ProofOutcome AprclProve(const mpz_class& n, unsigned threads);

}  // namespace numerel
