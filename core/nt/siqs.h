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

// A nontrivial divisor d of n (1 < d < n). Contract: n odd, composite, not a perfect power,
// without prime factors below 2^16, and at most 120 decimal digits. Cost: subexponential,
// L(n)^(1+o(1)); memory grows with the factor base (tens of MB at 70 digits). Threads:
// std::thread::hardware_concurrency() sievers. Stop: polls the calling thread's StopToken
// (core/run_control.h) and throws RunStopped after its sievers have ended.
mpz_class SiqsSplit(const mpz_class& n, const SiqsProgressFn& progress = {});

}  // namespace numerel
