// The kernel of the Goldbach tools above 2^96 - 1: pairs p + q = m with a small prime p (taken
// upward from primesieve) and a large prime q = m - p, which gets a BPSW test and then a proof.
#pragma once

#include <gmpxx.h>

#include <cstdint>
#include <functional>
#include <optional>

namespace numerel {

struct BigPrimePair {
    std::uint64_t p = 0;
    mpz_class q;
};

// How the large prime of a pair is proven: IsProvenPrime, or a caller's wrapper around it that
// watches the proof (the proof of a 1000-digit prime takes a while).
using ProveFn = std::function<bool(const mpz_class&)>;

// The pair with the smallest prime p >= lo (odd, p <= m/2) whose q = m - p is prime, q proven by
// prove; nullopt when p runs past m/2 (or 2^63) without one. m must be even or odd as the caller
// wants (an odd m gives q even: no pair but p = 2, which lo >= 3 excludes). Cost: the candidates
// q are sieved by the primes below 2^17 (m's residues computed once), about ln m / 40 survivors
// get a BPSW test, spread over every core, then one proof: well under a second of searching at
// 1000 digits, the proof on top. Stop: polled between tests (RunStopped).
std::optional<BigPrimePair> FirstBigPrimePair(const mpz_class& m, std::uint64_t lo,
                                              const ProveFn& prove);

// Calls tick(p) for every prime p >= lo (odd) with p <= m/2 in increasing order and emit(p, q)
// after tick(p) when q = m - p is prime too (proven by IsProvenPrime); emit and tick return
// whether to go on. Unbounded in practice for large m (p runs to m/2): the caller stops it.
// Cost: as FirstBigPrimePair per pair, plus one proof per pair emitted. Stop: polled between
// tests (RunStopped, after the pairs decided so far were emitted).
void ForEachBigPrimePair(const mpz_class& m, std::uint64_t lo,
                         const std::function<bool(std::uint64_t, const mpz_class&)>& emit,
                         const std::function<bool(std::uint64_t)>& tick);

}  // namespace numerel
