// Exact factorization of integers of any size up to 1000 digits: trial division, Pollard rho and
// p-1 for small factors, ECM (GMP-ECM's library), then the SIQS (siqs.h) for what is left. Every
// factor reported as prime is proven prime; a stopped run reports what it has.
#pragma once

#include <gmpxx.h>

#include <functional>
#include <vector>

namespace numerel {

struct BigPrimePower {
    mpz_class prime;
    int exponent = 0;

    friend bool operator==(const BigPrimePower&, const BigPrimePower&) = default;
};

// The stage a factorization is in, for the live report.
enum class FactorStage { TrialDivision, Rho, PMinus1, Ecm, Siqs, Proof };

struct BigFactorization {
    // Proven primes in increasing order, each with its exponent; empty for n = 1.
    std::vector<BigPrimePower> primes;
    // Composites not yet split (empty unless the run was stopped), each with its exponent, in
    // increasing order. The product of all primes and composites with their exponents is n.
    std::vector<BigPrimePower> unfactored;
    bool stopped = false;
};

// The live report: what is known so far (primes proven and parts not yet split) and the stage
// now running. Called from the calling thread at every new factor and change of stage, and
// otherwise at most a few times a second (during a long ECM curve or sieve). Must not throw.
using BigFactorProgressFn = std::function<void(const BigFactorization& so_far, FactorStage)>;

// The factorization of n >= 1 (n < 1 is outside the contract and gives an empty result).
// Stop: polls the calling thread's StopToken (core/run_control.h); a stopped run returns what it
// found with `stopped` set and never throws RunStopped. Cost: dominated by the second-largest
// prime factor: milliseconds when it has under 20 digits, seconds at 60-digit balanced
// semiprimes (SIQS), more beyond.
BigFactorization FactorBig(const mpz_class& n, const BigFactorProgressFn& progress = {});

// The cores one proof may use. One where the caller already runs proofs on every core (a
// search): helper threads would only fight for the same cores. AllCores for a proof run alone;
// below about 60 digits it still runs on the calling thread only, where a helper costs more than
// it saves.
enum class ProofThreads { One, AllCores };

// Is n a prime? Proven (APR-CL or a certificate), never merely probable. n < 2 is not prime.
// Cost: microseconds below 2^64; a composite is rejected by a probable-prime test (BPSW) in
// microseconds; a prime's proof grows quickly with its size (about a second at 300 digits),
// divided by the cores `threads` allows. Stop: above 2^128 polls the calling thread's StopToken
// between the proof's parts and throws RunStopped.
bool IsProvenPrime(const mpz_class& n, ProofThreads threads);

}  // namespace numerel
