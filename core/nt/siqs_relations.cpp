#include "core/nt/siqs_relations.h"

#include <utility>

namespace numerel::siqs {

namespace {

std::uint64_t Fingerprint(const mpz_class& value) {
    std::uint64_t low = mpz_getlimbn(value.get_mpz_t(), 0);
    if (mpz_size(value.get_mpz_t()) > 1)
        low ^= mpz_getlimbn(value.get_mpz_t(), 1) * 0x9E3779B97F4A7C15ULL;
    return mpz_sgn(value.get_mpz_t()) < 0 ? ~low : low;
}

}  // namespace

std::int32_t RelationStore::Vertex(std::uint64_t prime) {
    const auto [it, inserted] =
        vertex_of_.try_emplace(prime, static_cast<std::int32_t>(parent_.size()));
    if (inserted) {
        parent_.push_back(-1);
        parent_edge_.push_back(-1);
        set_of_.push_back(it->second);
        set_size_.push_back(1);
        mark_.push_back(0);
    }
    return it->second;
}

std::int32_t RelationStore::Find(std::int32_t v) {
    while (set_of_[v] != v) {
        set_of_[v] = set_of_[set_of_[v]];
        v = set_of_[v];
    }
    return v;
}

void RelationStore::AddEdge(std::int32_t u, std::int32_t v, std::int32_t relation) {
    const std::int32_t ru = Find(u), rv = Find(v);
    if (ru != rv) {
        // Joining two trees: the smaller is re-rooted at its end of the edge and hung below
        // the other end.
        if (set_size_[ru] > set_size_[rv]) std::swap(u, v);
        std::int32_t previous = -1, previous_edge = -1, current = u;
        while (current != -1) {
            const std::int32_t next = parent_[current], edge = parent_edge_[current];
            parent_[current] = previous;
            parent_edge_[current] = previous_edge;
            previous = current;
            previous_edge = edge;
            current = next;
        }
        parent_[u] = v;
        parent_edge_[u] = relation;
        const std::int32_t small = Find(u), large = Find(v);
        set_of_[small] = large;
        set_size_[large] += set_size_[small];
        return;
    }
    // A cycle: the tree paths from both ends up to where they meet, and this edge.
    ++stamp_;
    for (std::int32_t w = u; w != -1; w = parent_[w]) mark_[w] = stamp_;
    RelationSet set{relation};
    std::int32_t meet = v;
    while (mark_[meet] != stamp_) {
        set.push_back(parent_edge_[meet]);
        meet = parent_[meet];
    }
    for (std::int32_t w = u; w != meet; w = parent_[w]) set.push_back(parent_edge_[w]);
    sets_.push_back(std::move(set));
}

void RelationStore::Add(std::vector<Relation>& batch) {
    const std::lock_guard lock(mutex_);
    if (parent_.empty()) Vertex(1);
    for (Relation& rel : batch) {
        if (!seen_.insert(Fingerprint(rel.axb)).second) continue;
        const std::uint64_t large1 = rel.large_prime, large2 = rel.large_prime2;
        relations_.push_back(std::move(rel));
        const auto id = static_cast<std::int32_t>(relations_.size() - 1);
        if (large1 == 1 && large2 == 1)
            sets_.push_back({id});
        else
            AddEdge(Vertex(large1), Vertex(large2), id);
    }
    batch.clear();
    usable_.store(sets_.size(), std::memory_order_relaxed);
}

void RelationStore::Snapshot(std::vector<Relation>& relations, std::vector<RelationSet>& sets) {
    const std::lock_guard lock(mutex_);
    relations.clear();
    sets.clear();
    std::unordered_map<std::int32_t, std::int32_t> renumbered;
    for (const RelationSet& set : sets_) {
        RelationSet copy;
        for (const std::int32_t id : set) {
            const auto [it, inserted] =
                renumbered.try_emplace(id, static_cast<std::int32_t>(relations.size()));
            if (inserted) relations.push_back(relations_[id]);
            copy.push_back(it->second);
        }
        sets.push_back(std::move(copy));
    }
}

bool RelationStore::ClaimA(const mpz_class& a) {
    const std::lock_guard lock(mutex_);
    return used_a_.insert(Fingerprint(a)).second;
}

}  // namespace numerel::siqs
