#include <flint/fmpz.h>
#include <flint/ulong_extras.h>

#include <algorithm>
#include <thread>

#include "core/nt/aprcl_proof.h"
#include "core/nt/factor_big.h"

namespace numerel {

namespace {

// Below this FLINT's own test is quickest (deterministic Miller-Rabin bases below about 2^81,
// then N-1 / N+1 or a small APR-CL).
constexpr std::size_t kSmallProofBits = 128;
// Below this (about 60 digits) a proof takes a few milliseconds of one core: a helper thread and
// its FLINT memory cost a noticeable share of that.
constexpr std::size_t kParallelProofBits = 200;

bool FlintIsPrime(const mpz_class& n) {
    fmpz_t value;
    fmpz_init(value);
    fmpz_set_mpz(value, n.get_mpz_t());
    const bool prime = fmpz_is_prime(value) == 1;
    fmpz_clear(value);
    return prime;
}

bool IsBpswProbablePrime(const mpz_class& n) {
    fmpz_t value;
    fmpz_init(value);
    fmpz_set_mpz(value, n.get_mpz_t());
    const bool probable = fmpz_is_probabprime(value) == 1;
    fmpz_clear(value);
    return probable;
}

}  // namespace

bool IsProvenPrime(const mpz_class& n, ProofThreads threads) {
    if (n < 2) return false;
    if (mpz_fits_ulong_p(n.get_mpz_t()) != 0) return n_is_prime(mpz_get_ui(n.get_mpz_t())) != 0;
    // BPSW turns composites away in microseconds; only a probable prime pays for a proof.
    if (!IsBpswProbablePrime(n)) return false;
    const std::size_t bits = mpz_sizeinbase(n.get_mpz_t(), 2);
    if (bits <= kSmallProofBits) return FlintIsPrime(n);
    const unsigned cores = threads == ProofThreads::AllCores && bits >= kParallelProofBits
                               ? std::max(1u, std::thread::hardware_concurrency())
                               : 1u;
    switch (AprclProve(n, cores)) {
        case ProofOutcome::Prime:
            return true;
        case ProofOutcome::Composite:
            return false;
        case ProofOutcome::Unknown:
            break;
    }
    return FlintIsPrime(n);
}

}  // namespace numerel
