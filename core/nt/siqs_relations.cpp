#include "core/nt/siqs_relations.h"

namespace numerel::siqs {

namespace {

std::uint64_t Fingerprint(const mpz_class& value) {
    std::uint64_t low = mpz_getlimbn(value.get_mpz_t(), 0);
    if (mpz_size(value.get_mpz_t()) > 1)
        low ^= mpz_getlimbn(value.get_mpz_t(), 1) * 0x9E3779B97F4A7C15ULL;
    return mpz_sgn(value.get_mpz_t()) < 0 ? ~low : low;
}

}  // namespace

void RelationStore::Add(std::vector<Relation>& batch) {
    const std::lock_guard lock(mutex_);
    for (Relation& rel : batch) {
        if (!seen_.insert(Fingerprint(rel.axb)).second) continue;
        const std::uint64_t large = rel.large_prime;
        relations_.push_back(std::move(rel));
        const auto id = static_cast<std::int32_t>(relations_.size() - 1);
        if (large == 1) {
            sets_.push_back({id, -1});
            continue;
        }
        const auto [it, inserted] = partial_by_prime_.try_emplace(large, id);
        if (!inserted) sets_.push_back({it->second, id});
    }
    batch.clear();
    usable_.store(sets_.size(), std::memory_order_relaxed);
}

void RelationStore::Snapshot(std::vector<Relation>& relations, std::vector<RelationSet>& sets) {
    const std::lock_guard lock(mutex_);
    relations.clear();
    sets.clear();
    std::unordered_map<std::int32_t, std::int32_t> renumbered;
    auto copy = [&](std::int32_t id) {
        if (id < 0) return id;
        const auto [it, inserted] =
            renumbered.try_emplace(id, static_cast<std::int32_t>(relations.size()));
        if (inserted) relations.push_back(relations_[id]);
        return it->second;
    };
    for (const RelationSet& set : sets_) {
        const std::int32_t first = copy(set.first);
        sets.push_back({first, copy(set.second)});
    }
}

bool RelationStore::ClaimA(const mpz_class& a) {
    const std::lock_guard lock(mutex_);
    return used_a_.insert(Fingerprint(a)).second;
}

}  // namespace numerel::siqs
