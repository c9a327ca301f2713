#include "core/nt/trial_small.h"

#include "core/nt/small_primes.h"

namespace numerel {

namespace {

// The primes below the bound, grouped so that each group's product fits in 64 bits: one
// remainder of n per group tells which of its primes may divide n.
struct PrimeGroup {
    std::uint64_t product;
    std::vector<std::uint32_t> primes;
};

const std::vector<PrimeGroup>& Groups() {
    static const std::vector<PrimeGroup> groups = [] {
        std::vector<PrimeGroup> list;
        PrimeGroup group{1, {}};
        for (const std::uint32_t p : PrimesBelow2To16()) {
            if (group.product > UINT64_MAX / p) {
                list.push_back(group);
                group = {1, {}};
            }
            group.product *= p;
            group.primes.push_back(p);
        }
        list.push_back(group);
        return list;
    }();
    return groups;
}

}  // namespace

std::vector<SmallPrimePower> TrialDivideSmall(mpz_class& n) {
    std::vector<SmallPrimePower> found;
    for (const PrimeGroup& group : Groups()) {
        if (n == 1) break;
        const std::uint64_t rest = mpz_fdiv_ui(n.get_mpz_t(), group.product);
        for (const std::uint32_t p : group.primes) {
            if (rest % p != 0) continue;
            int exponent = 0;
            while (mpz_divisible_ui_p(n.get_mpz_t(), p) != 0) {
                mpz_divexact_ui(n.get_mpz_t(), n.get_mpz_t(), p);
                ++exponent;
            }
            found.push_back({p, exponent});
        }
    }
    return found;
}

}  // namespace numerel
