// Splitting a large composite by the self-initialising quadratic sieve (SIQS): many polynomials
// per factor-base choice of A, the large-prime variation, and a sparse linear-algebra step.
// Kept in memory (no files); sieves on every core.
#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <functional>

namespace numerel {

// Relations found so far and relations needed; called from the calling thread, at most a few
// times a second.
using SiqsProgressFn = std::function<void(std::size_t found, std::size_t needed)>;

// A nontrivial divisor d of n (1 < d < n), checked to divide n. Contract: n composite, not a
// perfect power, without prime factors below 2^16, and at most 120 decimal digits; outside it,
// an even n gives 2, a perfect power its root, a prime factor below 2^16 that prime, and a prime
// n never returns (unless stopped). Below 2^125 the single-threaded MPQS of
// factor_qs.h does the work. Cost: subexponential, L(n)^(1+o(1)); memory grows with the factor
// base and the partial relations (about 30 MB at 70 digits). Threads:
// std::thread::hardware_concurrency() sievers, while the calling thread reports progress and
// tries the matrix. Stop: polls the calling thread's StopToken (core/run_control.h) and throws
// RunStopped after its sievers have ended.
mpz_class SiqsSplit(const mpz_class& n, const SiqsProgressFn& progress = {});

}  // namespace numerel
