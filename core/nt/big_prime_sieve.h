// The primes of an interval of integers of any size (up to 1000 digits and beyond): a segmented
// sieve by the small primes, a strong probable-prime test (BPSW) of every survivor, then a proof
// (IsProvenPrime) of every probable prime, the tests spread over every core.
#pragma once

#include <gmpxx.h>

#include <cstdint>
#include <functional>
#include <span>

namespace numerel {

// The odd primes below 2^17, the sieving primes of the large searches (computed once).
std::span<const std::uint32_t> SmallOddPrimes();

// Calls fn(p) on the calling thread for every prime p of [lo, hi] (both ends inclusive), in
// increasing order; every p is proven prime. Nothing when lo > hi. fn returns whether to go on.
// Cost: per 2^16 numbers a sieve (one division of lo's size per small prime), then about
// 2 e^-gamma / ln 2^17 of the odd numbers (1 in 10) get a BPSW test and the primes (1 in
// ln p / 2 of the odd numbers) a proof: the proofs dominate from about 25 digits on. Memory: a
// segment's survivors. Stop: polled per segment and between tests (RunStopped, after the primes
// decided so far were passed to fn).
void ForEachBigPrime(const mpz_class& lo, const mpz_class& hi,
                     const std::function<bool(const mpz_class&)>& fn);

// Calls fn(p) as ForEachBigPrime does, for every p of [lo, hi] with p and p + 2 both proven
// prime (the lower members of the twin pairs; p + 2 may exceed hi). Cost: the sieve crosses out
// both members' multiples, so about 1 in 170 odd numbers gets BPSW tests and the pairs two proofs.
void ForEachBigTwinPrime(const mpz_class& lo, const mpz_class& hi,
                         const std::function<bool(const mpz_class&)>& fn);

// The probable-prime test the large searches run before a proof: BPSW (GMP's, without extra
// Miller-Rabin rounds). A false answer is certain (n composite or n < 2).
bool IsBpswProbablePrime(const mpz_class& n);

}  // namespace numerel
