// A long primality proof that the window can watch and stop: the proof of a 1000-digit prime
// runs for a while and offers no progress of its own.
#pragma once

#include <gmpxx.h>

#include <functional>

namespace numerel {

// The proof's expected duration in seconds for a prime of `digits` decimal digits, from the
// growth of APR-CL-class proofs (about digits^3.2; 0.04 s at 100 digits). Only for a bar.
double ExpectedProofSeconds(double digits);

// IsProvenPrime(n) on every core, run on a helper thread while the calling thread calls
// watch(seconds so far) about ten times a second. Stop: polled at every watch; a stop leaves the
// helper to finish on its own (it owns a copy of n) and throws RunStopped at once.
bool ProveWatched(const mpz_class& n, const std::function<void(double seconds)>& watch);

}  // namespace numerel
