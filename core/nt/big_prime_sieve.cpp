#include "core/nt/big_prime_sieve.h"

#include <algorithm>
#include <vector>

#include "core/nt/big_ordered_filter.h"
#include "core/nt/factor_big.h"
#include "core/run_control.h"

namespace numerel {

namespace {

constexpr std::uint32_t kSieveBound = 1u << 17;
// Odd numbers per segment.
constexpr std::uint32_t kSegmentOdds = 1u << 15;

std::vector<std::uint32_t> MakeSmallOddPrimes() {
    std::vector<bool> composite(kSieveBound, false);
    std::vector<std::uint32_t> primes;
    for (std::uint32_t i = 3; i < kSieveBound; i += 2) {
        if (composite[i]) continue;
        primes.push_back(i);
        for (std::uint64_t j = std::uint64_t{i} * i; j < kSieveBound; j += 2 * i)
            composite[j] = true;
    }
    return primes;
}

}  // namespace

std::span<const std::uint32_t> SmallOddPrimes() {
    static const std::vector<std::uint32_t> primes = MakeSmallOddPrimes();
    return primes;
}

bool IsBpswProbablePrime(const mpz_class& n) {
    // GMP runs trial division and BPSW, then reps - 24 Miller-Rabin rounds: none with 1.
    return mpz_probab_prime_p(n.get_mpz_t(), 1) > 0;
}

namespace {

// The primes p of [lo, hi] for which p + gap is prime too (gap 0: every prime), in increasing
// order: the sieve crosses out both progressions, so only candidates whose members both survive
// reach the tests.
void ForEachBigPrimeWithGap(const mpz_class& lo, const mpz_class& hi, unsigned gap,
                            const std::function<bool(const mpz_class&)>& fn) {
    if (lo > hi || hi < 2) return;
    mpz_class start = lo;
    if (start <= 2) {
        // 2 + gap is even for every even gap but 0.
        if (gap == 0 && !fn(mpz_class(2))) return;
        start = 3;
    }
    if (mpz_even_p(start.get_mpz_t())) ++start;
    const std::span<const std::uint32_t> primes = SmallOddPrimes();
    std::vector<unsigned char> crossed(kSegmentOdds);
    std::vector<mpz_class> candidates;
    while (start <= hi) {
        PollStop();
        // This segment: start, start + 2, ..., start + 2 (odds - 1), all <= hi.
        const mpz_class room = (hi - start) / 2 + 1;
        const std::uint32_t odds =
            room < kSegmentOdds ? static_cast<std::uint32_t>(room.get_ui()) : kSegmentOdds;
        std::fill(crossed.begin(), crossed.begin() + odds, 0);
        for (const std::uint32_t r : primes) {
            // Crosses every index j with start + 2j + shift divisible by r, but the one where that
            // number is r itself: r is a prime of the interval.
            const auto cross = [&](std::uint32_t shift) {
                const std::uint64_t rem = mpz_fdiv_ui(start.get_mpz_t(), r);
                std::uint64_t j = (2 * std::uint64_t{r} - rem - shift % r) % r * ((r + 1) / 2) % r;
                if (start + shift <= r && start + 2 * j + shift == r) j += r;
                for (; j < odds; j += r) crossed[j] = 1;
            };
            cross(0);
            if (gap != 0) cross(gap);
        }
        candidates.clear();
        for (std::uint32_t j = 0; j < odds; ++j) {
            if (!crossed[j]) candidates.push_back(start + 2 * j);
        }
        bool go_on = true;
        FilterInOrder(
            candidates.size(),
            [&candidates, gap](std::size_t i) {
                const mpz_class& p = candidates[i];
                if (gap == 0) return IsBpswProbablePrime(p) && IsProvenPrime(p, ProofThreads::One);
                const mpz_class q = p + gap;
                // Both probable before either proof: most candidates fail a cheap test.
                return IsBpswProbablePrime(p) && IsBpswProbablePrime(q) &&
                       IsProvenPrime(p, ProofThreads::One) && IsProvenPrime(q, ProofThreads::One);
            },
            [&](std::size_t i) { return go_on = fn(candidates[i]); });
        if (!go_on) return;
        start += 2 * mpz_class(odds);
    }
}

}  // namespace

void ForEachBigPrime(const mpz_class& lo, const mpz_class& hi,
                     const std::function<bool(const mpz_class&)>& fn) {
    ForEachBigPrimeWithGap(lo, hi, 0, fn);
}

void ForEachBigTwinPrime(const mpz_class& lo, const mpz_class& hi,
                         const std::function<bool(const mpz_class&)>& fn) {
    ForEachBigPrimeWithGap(lo, hi, 2, fn);
}

}  // namespace numerel
