#include "core/nt/small_primes.h"

#include <flint/ulong_extras.h>

#include <algorithm>

namespace numerel {

const std::vector<std::uint32_t>& PrimesBelow2To16() {
    static const std::vector<std::uint32_t> primes = [] {
        constexpr std::uint32_t kBound = 1u << 16;
        std::vector<bool> composite(kBound);
        std::vector<std::uint32_t> list;
        for (std::uint32_t p = 2; p < kBound; ++p) {
            if (composite[p]) continue;
            list.push_back(p);
            for (std::uint32_t m = p * p; m < kBound; m += p) composite[m] = true;
        }
        return list;
    }();
    return primes;
}

std::uint64_t NextPrime(std::uint64_t p) {
    const std::vector<std::uint32_t>& primes = PrimesBelow2To16();
    if (p < primes.back()) return *std::upper_bound(primes.begin(), primes.end(), p);
    return n_nextprime(p, 0);
}

}  // namespace numerel
