// Relations of the quadratic sieve and the store that collects them from the sieving threads,
// pairing partial relations that share their large prime.
#pragma once

#include <gmpxx.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace numerel::siqs {

// (A x + b)^2 = (-1)^e0 * prod(base primes) * large_prime (mod n), the primes listed by their
// index in the factor base (0 for -1), with multiplicity.
struct Relation {
    mpz_class axb;
    std::vector<std::uint32_t> factors;
    std::uint64_t large_prime = 1;
};

// A usable relation set: one full relation (second < 0) or two partials with one large prime,
// whose product has that prime squared.
using RelationSet = std::pair<std::int32_t, std::int32_t>;

class RelationStore {
public:
    // Takes the relations of a batch (leaves it empty).
    void Add(std::vector<Relation>& batch);
    // Full relations plus pairs of partials; read from any thread.
    std::size_t usable() const { return usable_.load(std::memory_order_relaxed); }
    // True the first time a given A is offered, so that no two threads sieve the same family.
    bool ClaimA(const mpz_class& a);

    // A copy of the usable sets and of the relations they use (renumbered), taken while the
    // sieving threads go on adding.
    void Snapshot(std::vector<Relation>& relations, std::vector<RelationSet>& sets);

private:
    std::mutex mutex_;
    std::vector<Relation> relations_;
    std::vector<RelationSet> sets_;
    std::unordered_map<std::uint64_t, std::int32_t> partial_by_prime_;
    std::unordered_set<std::uint64_t> seen_;  // relations by their A x + b, against repeats
    std::unordered_set<std::uint64_t> used_a_;
    std::atomic<std::size_t> usable_{0};
};

}  // namespace numerel::siqs
