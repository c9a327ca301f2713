#include "core/nt/siqs_square.h"

#include <algorithm>
#include <unordered_map>

namespace numerel::siqs {

std::vector<std::uint32_t> OddFactors(const std::vector<Relation>& relations,
                                      const RelationSet& set) {
    std::vector<std::uint32_t> all;
    for (const std::int32_t id : set) {
        const auto& more = relations[id].factors;
        all.insert(all.end(), more.begin(), more.end());
    }
    std::sort(all.begin(), all.end());
    std::vector<std::uint32_t> odd;
    for (std::size_t i = 0; i < all.size();) {
        std::size_t j = i;
        while (j < all.size() && all[j] == all[i]) ++j;
        if ((j - i) % 2 == 1) odd.push_back(all[i]);
        i = j;
    }
    return odd;
}

mpz_class SquareGcd(const FactorBase& base, const std::vector<Relation>& relations,
                    const std::vector<RelationSet>& sets,
                    const std::vector<std::uint32_t>& dependency) {
    const mpz_class& n = base.n;
    mpz_class x = 1, y = 1;
    std::vector<std::uint32_t> exponent(base.size(), 0);
    std::unordered_map<std::uint64_t, std::uint32_t> large_count;
    for (const std::uint32_t s : dependency) {
        for (const std::int32_t id : sets[s]) {
            const Relation& rel = relations[id];
            x = x * rel.axb % n;
            for (const std::uint32_t f : rel.factors) ++exponent[f];
            for (const std::uint64_t large : {rel.large_prime, rel.large_prime2})
                if (large != 1) ++large_count[large];
        }
    }
    for (const auto& [large, count] : large_count) {
        if (count % 2 != 0) return 1;
        mpz_class power;
        const mpz_class l(static_cast<unsigned long>(large));
        mpz_powm_ui(power.get_mpz_t(), l.get_mpz_t(), count / 2, n.get_mpz_t());
        y = y * power % n;
    }
    for (std::size_t j = 1; j < base.size(); ++j) {
        if (exponent[j] % 2 != 0) return 1;
        if (exponent[j] == 0) continue;
        mpz_class power;
        const mpz_class p(static_cast<unsigned long>(base.prime[j]));
        mpz_powm_ui(power.get_mpz_t(), p.get_mpz_t(), exponent[j] / 2, n.get_mpz_t());
        y = y * power % n;
    }
    mpz_class g;
    const mpz_class difference = x - y;
    mpz_gcd(g.get_mpz_t(), difference.get_mpz_t(), n.get_mpz_t());
    return g;
}

}  // namespace numerel::siqs
