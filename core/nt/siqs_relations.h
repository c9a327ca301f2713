// Relations of the quadratic sieve and the store that collects them from the sieving threads.
// Partial relations (one or two large primes outside the factor base) are edges of a graph on
// the large primes, with 1 as an extra vertex; every cycle multiplies to a product in which each
// large prime occurs squared, so it is one usable relation set.
#pragma once

#include <gmpxx.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace numerel::siqs {

// (A x + b)^2 = (-1)^e0 * prod(base primes) * large_prime * large_prime2 (mod n), the primes
// listed by their index in the factor base (0 for -1), with multiplicity; 1 for no large prime.
struct Relation {
    mpz_class axb;
    std::vector<std::uint32_t> factors;
    std::uint64_t large_prime = 1;
    std::uint64_t large_prime2 = 1;
};

// Relations (indices) whose product has every large prime to an even power.
using RelationSet = std::vector<std::int32_t>;

class RelationStore {
public:
    // Takes the relations of a batch (leaves it empty).
    void Add(std::vector<Relation>& batch);
    // Usable relation sets so far; read from any thread.
    std::size_t usable() const { return usable_.load(std::memory_order_relaxed); }
    // True the first time a given A is offered, so that no two threads sieve the same family.
    bool ClaimA(const mpz_class& a);

    // A copy of the usable sets and of the relations they use (renumbered), taken while the
    // sieving threads go on adding.
    void Snapshot(std::vector<Relation>& relations, std::vector<RelationSet>& sets);

private:
    std::int32_t Vertex(std::uint64_t prime);
    std::int32_t Find(std::int32_t v);
    void AddEdge(std::int32_t u, std::int32_t v, std::int32_t relation);

    std::mutex mutex_;
    std::vector<Relation> relations_;
    std::vector<RelationSet> sets_;
    std::unordered_set<std::uint64_t> seen_;  // relations by their A x + b, against repeats
    std::unordered_set<std::uint64_t> used_a_;
    std::atomic<std::size_t> usable_{0};

    // The graph: a spanning forest (parent vertex and the relation on that edge, -1 at a root)
    // and union-find over its trees; vertex 0 is the prime 1.
    std::unordered_map<std::uint64_t, std::int32_t> vertex_of_;
    std::vector<std::int32_t> parent_, parent_edge_;
    std::vector<std::int32_t> set_of_, set_size_;
    std::vector<std::uint32_t> mark_;
    std::uint32_t stamp_ = 0;
};

}  // namespace numerel::siqs
