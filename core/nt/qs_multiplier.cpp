#include "core/nt/qs_multiplier.h"

#include <flint/ulong_extras.h>

#include <cmath>

#include "core/nt/small_primes.h"

namespace numerel {

std::uint32_t ChooseQsMultiplier(const std::function<std::uint64_t(std::uint64_t)>& n_mod,
                                 std::uint64_t n_mod_8, std::uint64_t max_k,
                                 std::uint64_t prime_bound) {
    static constexpr std::uint32_t kCandidates[] = {
        1,  3,  5,  7,  11, 13, 15, 17, 19, 21, 23, 29, 31, 33, 35, 37, 39, 41, 43, 47, 51,
        53, 55, 57, 59, 61, 65, 67, 69, 71, 73, 77, 79, 83, 85, 87, 89, 91, 93, 95, 97};
    std::uint32_t best = 1;
    double best_score = -1e30;
    for (const std::uint32_t k : kCandidates) {
        if (k > max_k) break;
        double score = -0.5 * std::log(static_cast<double>(k));
        switch ((k * n_mod_8) % 8) {
            case 1:
                score += 2 * std::log(2.0);
                break;
            case 5:
                score += std::log(2.0);
                break;
            default:
                score += 0.5 * std::log(2.0);
                break;
        }
        for (std::uint64_t p = 3; p < prime_bound; p = NextPrime(p)) {
            const double lp = std::log(static_cast<double>(p));
            const std::uint64_t r = n_mod(p) * (k % p) % p;
            if (r == 0)
                score += lp / static_cast<double>(p);
            else if (n_jacobi_unsigned(r, p) == 1)
                score += 2 * lp / static_cast<double>(p - 1);
        }
        if (score > best_score) {
            best_score = score;
            best = k;
        }
    }
    return best;
}

}  // namespace numerel
