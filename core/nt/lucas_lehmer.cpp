#include "core/nt/lucas_lehmer.h"

#include <gmpxx.h>

namespace numerel {

bool IsMersennePrime(unsigned long p) {
    if (p < 2) return false;
    if (p == 2) return true;
    // A composite p gives a composite 2^p - 1; the test below needs p odd.
    for (unsigned long d = 2; d * d <= p; ++d)
        if (p % d == 0) return false;
    const mpz_class m = (mpz_class(1) << p) - 1;
    mpz_class s = 4;
    mpz_class high;
    for (unsigned long i = 0; i + 2 < p; ++i) {
        s = s * s - 2;
        // s mod (2^p - 1) is the sum of its p-bit pieces; s*s - 2 >= -2 needs one fix-up.
        while (s > m) {
            high = s >> p;
            s &= m;
            s += high;
        }
        if (s == m) s = 0;
        if (s < 0) s += m;
    }
    return s == 0;
}

}  // namespace numerel
