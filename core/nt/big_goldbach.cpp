#include "core/nt/big_goldbach.h"

#include <algorithm>
#include <primesieve.hpp>
#include <span>
#include <thread>
#include <vector>

#include "core/nt/big_ordered_filter.h"
#include "core/nt/big_prime_sieve.h"
#include "core/nt/factor_big.h"
#include "core/run_control.h"

namespace numerel {

namespace {

// The small primes p upward from lo while p <= m/2, with a cheap rejection of m - p by the sieving
// primes: m's residues are computed once, so each rejection costs word divisions only.
class PairCandidates {
public:
    PairCandidates(const mpz_class& m, std::uint64_t lo)
        : m_(m), primes_(SmallOddPrimes()), residues_(primes_.size()), iterator_(lo) {
        for (std::size_t k = 0; k < primes_.size(); ++k) {
            residues_[k] = static_cast<std::uint32_t>(mpz_fdiv_ui(m.get_mpz_t(), primes_[k]));
        }
        const mpz_class half = m / 2;
        limit_ = mpz_fits_ulong_p(half.get_mpz_t()) ? half.get_ui() : UINT64_MAX;
        limit_ = std::min<std::uint64_t>(limit_, std::uint64_t{1} << 63);
    }

    // The next prime p (0 once p passes m/2).
    std::uint64_t NextP() {
        const std::uint64_t p = iterator_.next_prime();
        return p <= limit_ ? p : 0;
    }

    // False when m - p has a factor among the sieving primes (and is not that prime itself).
    bool MayBePrime(std::uint64_t p) const {
        for (std::size_t k = 0; k < primes_.size(); ++k) {
            const std::uint32_t r = primes_[k];
            if ((residues_[k] + r - p % r) % r == 0) return m_ - p == r;
        }
        return true;
    }

private:
    const mpz_class& m_;
    std::span<const std::uint32_t> primes_;
    std::vector<std::uint32_t> residues_;
    primesieve::iterator iterator_;
    std::uint64_t limit_ = 0;
};

std::size_t BatchSize() {
    return 8 * std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace

std::optional<BigPrimePair> FirstBigPrimePair(const mpz_class& m, std::uint64_t lo,
                                              const ProveFn& prove) {
    PairCandidates candidates(m, lo);
    std::vector<std::uint64_t> batch;
    bool exhausted = false;
    while (!exhausted) {
        PollStop();
        batch.clear();
        while (batch.size() < BatchSize()) {
            const std::uint64_t p = candidates.NextP();
            if (p == 0) {
                exhausted = true;
                break;
            }
            if (candidates.MayBePrime(p)) batch.push_back(p);
        }
        // The probable pairs of this batch, smallest p first, until one is proven.
        std::size_t from = 0;
        while (from < batch.size()) {
            std::optional<std::size_t> found;
            FilterInOrder(
                batch.size() - from,
                [&](std::size_t i) { return IsBpswProbablePrime(m - batch[from + i]); },
                [&](std::size_t i) {
                    found = from + i;
                    return false;
                });
            if (!found) break;
            const mpz_class q = m - batch[*found];
            if (prove(q)) return BigPrimePair{batch[*found], q};
            from = *found + 1;
        }
    }
    return std::nullopt;
}

void ForEachBigPrimePair(const mpz_class& m, std::uint64_t lo,
                         const std::function<bool(std::uint64_t, const mpz_class&)>& emit,
                         const std::function<bool(std::uint64_t)>& tick) {
    PairCandidates candidates(m, lo);
    std::vector<std::uint64_t> batch;
    bool exhausted = false;
    while (!exhausted) {
        PollStop();
        batch.clear();
        while (batch.size() < 32 * BatchSize()) {
            const std::uint64_t p = candidates.NextP();
            if (p == 0) {
                exhausted = true;
                break;
            }
            batch.push_back(p);
        }
        std::size_t ticked = 0;
        bool go_on = true;
        const auto tick_to = [&](std::size_t end) {
            for (; go_on && ticked < end; ++ticked) go_on = tick(batch[ticked]);
        };
        FilterInOrder(
            batch.size(),
            [&](std::size_t i) {
                if (!candidates.MayBePrime(batch[i])) return false;
                const mpz_class q = m - batch[i];
                return IsBpswProbablePrime(q) && IsProvenPrime(q, ProofThreads::One);
            },
            [&](std::size_t i) {
                tick_to(i + 1);
                if (go_on) go_on = emit(batch[i], m - batch[i]);
                return go_on;
            });
        if (!go_on) return;
        tick_to(batch.size());
        if (!go_on) return;
    }
}

}  // namespace numerel
