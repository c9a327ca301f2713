#include "core/factor_sieve.h"

#include <flint/ulong_extras.h>

#include <algorithm>
#include <cmath>
#include <primesieve.hpp>
#include <vector>

namespace numerel {

namespace {

constexpr std::uint64_t kSegmentLength = std::uint64_t{1} << 18;
// Sieving primes and their offsets take 8 bytes per prime: at most about 16 MB.
constexpr std::uint64_t kMaxSieveRoot = std::uint64_t{1} << 25;
constexpr std::uint32_t kNone = UINT32_MAX;

std::uint64_t Isqrt64(std::uint64_t n) {
    auto r = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)));
    while (r > 0 && (r > UINT32_MAX || r * r > n)) --r;
    while (r < UINT32_MAX && (r + 1) * (r + 1) <= n) ++r;
    return r;
}

void VisitEachFactored(std::uint64_t lo, std::uint64_t hi, const PrimeDivisorsVisit& visit) {
    std::vector<std::uint64_t> primes;
    for (std::uint64_t n = lo;; ++n) {
        primes.clear();
        if (n > 1) {
            n_factor_t factors;
            n_factor_init(&factors);
            n_factor(&factors, n, 1);
            for (int i = 0; i < factors.num; ++i)
                if (factors.p[i] != n) primes.push_back(factors.p[i]);
            std::sort(primes.begin(), primes.end());
        }
        visit(n, primes);
        if (n == hi) break;
    }
}

// Every prime p <= sqrt(hi) marks its multiples 2p, 3p, ... in the segment; each number collects
// its marks in a list (newest first, so the primes come out in decreasing order and are reversed).
void VisitEachSieved(std::uint64_t lo, std::uint64_t hi, const PrimeDivisorsVisit& visit) {
    std::vector<std::uint32_t> sieving_primes;
    primesieve::generate_primes(static_cast<std::uint32_t>(Isqrt64(hi)), &sieving_primes);
    // next[k]: offset of the next multiple of sieving_primes[k] (other than the prime itself)
    // from the start of the current segment.
    std::vector<std::uint32_t> next(sieving_primes.size());  // < 2p + segment < 2^32
    for (std::size_t k = 0; k < sieving_primes.size(); ++k) {
        const std::uint64_t p = sieving_primes[k];
        const std::uint64_t first = std::max(2 * p, (lo + p - 1) / p * p);
        next[k] = static_cast<std::uint32_t>(first - lo);
    }
    const std::uint64_t segment = std::min(kSegmentLength, hi - lo + 1);
    std::vector<std::uint32_t> head(segment);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> marks;  // (prime, older mark)
    std::vector<std::uint64_t> primes;
    for (std::uint64_t start = lo;;) {
        const std::uint64_t length = std::min(segment, hi - start + 1);
        std::fill(head.begin(), head.begin() + static_cast<std::ptrdiff_t>(length), kNone);
        marks.clear();
        for (std::size_t k = 0; k < sieving_primes.size(); ++k) {
            const std::uint32_t p = sieving_primes[k];
            std::uint64_t offset = next[k];
            for (; offset < length; offset += p) {
                marks.emplace_back(p, head[offset]);
                head[offset] = static_cast<std::uint32_t>(marks.size() - 1);
            }
            next[k] = static_cast<std::uint32_t>(offset - length);
        }
        for (std::uint64_t i = 0; i < length; ++i) {
            primes.clear();
            for (std::uint32_t m = head[i]; m != kNone; m = marks[m].second)
                primes.push_back(marks[m].first);
            std::reverse(primes.begin(), primes.end());
            visit(start + i, primes);
        }
        if (length == hi - start + 1) break;
        start += length;
    }
}

}  // namespace

void ForEachPrimeDivisors(std::uint64_t lo, std::uint64_t hi, const PrimeDivisorsVisit& visit,
                          SieveStrategy strategy) {
    lo = std::max<std::uint64_t>(lo, 1);
    if (lo > hi) return;
    const std::uint64_t root = Isqrt64(hi);
    if (root >= kMaxSieveRoot) strategy = SieveStrategy::PerNumber;
    if (strategy == SieveStrategy::Auto) {
        // Listing the primes up to the root costs about as much per prime as factoring a number
        // costs per ... number divided by about 20 (measured by bench/factor_bench).
        const double sieve_cost =
            static_cast<double>(root) / std::log(static_cast<double>(root) + 2);
        const double count = static_cast<double>(hi - lo) + 1;
        strategy = count * 20 >= sieve_cost ? SieveStrategy::Segmented : SieveStrategy::PerNumber;
    }
    if (strategy == SieveStrategy::Segmented)
        VisitEachSieved(lo, hi, visit);
    else
        VisitEachFactored(lo, hi, visit);
}

}  // namespace numerel
