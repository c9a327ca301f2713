#include "core/nt/factor_sieve.h"

#include <flint/ulong_extras.h>

#include <algorithm>
#include <bit>
#include <cassert>
#include <cmath>
#include <primesieve.hpp>
#include <vector>

#include "core/nt/factor_exact.h"
#include "core/run_control.h"

namespace numerel {

namespace {

// Segments of 2^15 numbers keep the marks in the cache; with many sieving primes a segment is
// made longer, so that walking the primes once per segment stays cheap against the numbers.
constexpr std::uint64_t kMinSegment = std::uint64_t{1} << 15;
constexpr std::uint64_t kMaxSegment = std::uint64_t{1} << 18;
// Sieving primes and their offsets take 8 bytes per prime: at most about 16 MB.
constexpr std::uint64_t kMaxSieveRoot = std::uint64_t{1} << 25;
constexpr std::uint32_t kNone = UINT32_MAX;
// How many sieving primes cost as much as factoring one number by itself.
constexpr double kPerNumberOverPerPrime = 2000;

constexpr std::uint64_t kModSmallMaxLo = std::uint64_t{1} << 52;
constexpr std::uint64_t kModSmallMaxP = std::uint64_t{1} << 26;
// The sieve runs only while sqrt(hi) < kMaxSieveRoot, so every lo and p it passes to ModSmall
// are below these bounds.
static_assert(kMaxSieveRoot * kMaxSieveRoot <= kModSmallMaxLo && kMaxSieveRoot <= kModSmallMaxP);

// lo mod p without a 64-bit division (one per sieving prime is most of the set-up of a narrow
// interval): the binary64 quotient is off by at most one for lo < 2^52 and p < 2^26.
std::uint64_t ModSmall(std::uint64_t lo, std::uint64_t p) {
    assert(lo < kModSmallMaxLo && p > 0 && p < kModSmallMaxP);
    const auto q = static_cast<std::int64_t>(static_cast<double>(lo) / static_cast<double>(p));
    std::int64_t r = static_cast<std::int64_t>(lo) - q * static_cast<std::int64_t>(p);
    if (r < 0) r += static_cast<std::int64_t>(p);
    if (r >= static_cast<std::int64_t>(p)) r -= static_cast<std::int64_t>(p);
    return static_cast<std::uint64_t>(r);
}

bool VisitEachFactored(std::uint64_t lo, std::uint64_t hi, const PrimeDivisorsVisit& visit) {
    std::vector<std::uint64_t> primes;
    for (std::uint64_t n = lo;; ++n) {
        PollStop();
        primes.clear();
        if (n > 1) {
            n_factor_t factors;
            n_factor_init(&factors);
            n_factor(&factors, n, 1);
            for (int i = 0; i < factors.num; ++i)
                if (factors.p[i] != n) primes.push_back(factors.p[i]);
            std::sort(primes.begin(), primes.end());
        }
        if (!visit(n, primes)) return false;
        if (n == hi) return true;
    }
}

// Every prime p <= sqrt(hi) marks its multiples 2p, 3p, ... in the segment; each number collects
// its marks in a list (newest first, so the primes come out in decreasing order and are reversed).
bool VisitEachSieved(std::uint64_t lo, std::uint64_t hi, const PrimeDivisorsVisit& visit) {
    // Each sieving prime with the offset of its next multiple (other than the prime itself) from
    // the start of the current segment; offsets stay below 2p + segment < 2^32.
    struct SievingPrime {
        std::uint32_t p;
        std::uint32_t next;
    };
    static_assert(2 * kMaxSieveRoot + kMaxSegment <= UINT32_MAX);
    const auto root = static_cast<std::uint64_t>(IntegerSqrt(hi));
    std::vector<SievingPrime> sieving;
    sieving.reserve(static_cast<std::size_t>(1.2 * static_cast<double>(root) /
                                             std::log(static_cast<double>(root) + 2)) +
                    16);
    // Listing the sieving primes takes at most some milliseconds (root < 2^25): no poll.
    primesieve::iterator it(0, root);
    for (std::uint64_t p = it.next_prime(); p <= root; p = it.next_prime()) {
        const std::uint64_t first = std::max(2 * p, lo + (p - ModSmall(lo, p)) % p);
        sieving.push_back({static_cast<std::uint32_t>(p), static_cast<std::uint32_t>(first - lo)});
    }
    const std::uint64_t wanted =
        std::clamp<std::uint64_t>(std::bit_ceil(sieving.size() / 16 + 1), kMinSegment, kMaxSegment);
    const std::uint64_t segment = std::min(wanted, hi - lo + 1);
    std::vector<std::uint32_t> head(segment);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> marks;  // (prime, older mark)
    std::vector<std::uint64_t> primes;
    for (std::uint64_t start = lo;;) {
        const std::uint64_t length = std::min(segment, hi - start + 1);
        std::fill(head.begin(), head.begin() + static_cast<std::ptrdiff_t>(length), kNone);
        marks.clear();
        PollStop();
        for (SievingPrime& s : sieving) {
            std::uint64_t offset = s.next;
            for (; offset < length; offset += s.p) {
                marks.emplace_back(s.p, head[offset]);
                head[offset] = static_cast<std::uint32_t>(marks.size() - 1);
            }
            s.next = static_cast<std::uint32_t>(offset - length);
        }
        for (std::uint64_t i = 0; i < length; ++i) {
            primes.clear();
            for (std::uint32_t m = head[i]; m != kNone; m = marks[m].second)
                primes.push_back(marks[m].first);
            std::reverse(primes.begin(), primes.end());
            if (i % 4096 == 0) PollStop();
            if (!visit(start + i, primes)) return false;
        }
        if (length == hi - start + 1) return true;
        start += length;
    }
}

}  // namespace

bool VisitPrimeDivisors(std::uint64_t lo, std::uint64_t hi, const PrimeDivisorsVisit& visit,
                        SieveStrategy strategy) {
    lo = std::max<std::uint64_t>(lo, 1);
    if (lo > hi) return true;
    const auto root = static_cast<std::uint64_t>(IntegerSqrt(hi));
    if (root >= kMaxSieveRoot) strategy = SieveStrategy::PerNumber;
    if (strategy == SieveStrategy::Auto) {
        // The sieve's set-up costs some nanoseconds per prime up to the root; factoring one
        // number costs microseconds (bench/factor_bench, PrimeDivisors).
        const double primes = static_cast<double>(root) / std::log(static_cast<double>(root) + 2);
        const double count = static_cast<double>(hi - lo) + 1;
        strategy = count * kPerNumberOverPerPrime >= primes ? SieveStrategy::Segmented
                                                            : SieveStrategy::PerNumber;
    }
    return strategy == SieveStrategy::Segmented ? VisitEachSieved(lo, hi, visit)
                                                : VisitEachFactored(lo, hi, visit);
}

}  // namespace numerel
