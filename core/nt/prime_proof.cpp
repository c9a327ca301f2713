#include <flint/fmpz.h>
#include <flint/ulong_extras.h>

#include "core/nt/factor_big.h"

namespace numerel {

bool IsProvenPrime(const mpz_class& n) {
    if (n < 2) return false;
    if (mpz_fits_ulong_p(n.get_mpz_t()) != 0) return n_is_prime(mpz_get_ui(n.get_mpz_t())) != 0;
    // BPSW turns composites away in microseconds; only a probable prime pays for a proof.
    if (mpz_probab_prime_p(n.get_mpz_t(), 1) == 0) return false;
    fmpz_t value;
    fmpz_init(value);
    fmpz_set_mpz(value, n.get_mpz_t());
    const bool prime = fmpz_is_prime(value) == 1;
    fmpz_clear(value);
    return prime;
}

}  // namespace numerel
