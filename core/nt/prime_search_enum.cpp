#include "core/nt/prime_search_enum.h"

#include <algorithm>
#include <vector>

#include "core/nt/primality.h"
#include "core/run_control.h"

namespace numerel {

namespace {

// Odd primes used to weed out composites before the proven test; every number sieved here is
// above them (kTestedFrom), so no sieving prime ever strikes itself.
constexpr std::uint64_t kSieveLimit = 1 << 17;
static_assert(kSieveLimit < kTestedFrom);
// Odd numbers per segment.
constexpr std::size_t kSegment = 1 << 17;

std::vector<std::uint32_t> SmallOddPrimes() {
    std::vector<std::uint32_t> primes;
    primesieve::iterator it(3, kSieveLimit);
    for (std::uint64_t p = it.next_prime(); p <= kSieveLimit; p = it.next_prime())
        primes.push_back(static_cast<std::uint32_t>(p));
    return primes;
}

}  // namespace

bool ForEachPrimeTested(uint128 lo, uint128 hi, const std::function<bool(uint128)>& fn) {
    lo = std::max(lo, uint128{kTestedFrom});
    if (lo > hi) return true;
    lo |= 1;  // first odd number
    if (lo > hi) return true;
    static const std::vector<std::uint32_t> small_primes = SmallOddPrimes();
    std::vector<unsigned char> composite(kSegment);
    // Segment: the odd numbers start, start + 2, ..., at most kSegment of them, not above hi.
    for (uint128 start = lo;;) {
        const uint128 remaining = (hi - start) / 2 + 1;
        const std::size_t size =
            remaining < kSegment ? static_cast<std::size_t>(remaining) : kSegment;
        std::fill(composite.begin(), composite.begin() + size, 0);
        for (const std::uint32_t p : small_primes) {
            // Offset t >= 0 with start + t divisible by p and t even (odd multiples only).
            std::uint64_t t = (p - static_cast<std::uint64_t>(start % p)) % p;
            if (t % 2 != 0) t += p;
            for (std::size_t j = t / 2; j < size; j += p) composite[j] = 1;
        }
        for (std::size_t j = 0; j < size; ++j) {
            if (composite[j] != 0) continue;
            PollStop();
            const uint128 candidate = start + 2 * static_cast<uint128>(j);
            if (IsPrimeOddDec(candidate) && !fn(candidate)) return false;
        }
        if (remaining <= kSegment) return true;
        start += 2 * static_cast<uint128>(kSegment);
    }
}

}  // namespace numerel
