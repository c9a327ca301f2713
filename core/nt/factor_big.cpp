#include "core/nt/factor_big.h"

#include <flint/fmpz.h>
#include <flint/fmpz_factor.h>
#include <flint/ulong_extras.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <iterator>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "core/input/uint128_mpz.h"
#include "core/nt/ecm_run.h"
#include "core/nt/factor_exact.h"
#include "core/nt/siqs.h"
#include "core/nt/small_primes.h"
#include "core/nt/trial_small.h"
#include "core/run_control.h"

namespace numerel {

namespace {

// A part of n still to be split: value^exponent divides n, and the parts are pairwise coprime.
struct Piece {
    mpz_class value;
    int exponent;
    // ECM levels (indices into kEcmLevels) already run on a multiple of this value.
    std::size_t ecm_level = 0;
};

// The usual ECM schedule: B1 and the expected number of curves to find a factor of the given
// number of digits.
struct EcmLevel {
    int digits;
    double b1;
    int curves;
};
constexpr EcmLevel kEcmLevels[] = {
    {15, 2e3, 25},     {20, 11e3, 90},     {25, 5e4, 300},     {30, 25e4, 700},
    {35, 1e6, 1800},   {40, 3e6, 5100},    {45, 11e6, 10600},  {50, 43e6, 19300},
    {55, 11e7, 49000}, {60, 26e7, 124000}, {65, 85e7, 210000}, {70, 29e8, 340000},
};
constexpr std::size_t kEcmLevelCount = std::size(kEcmLevels);

// The sieve's range; beyond it only ECM can split.
constexpr std::size_t kSiqsMaxDigits = 120;
// Below this a part goes to the exact kernel for 128-bit values.
const mpz_class kExactLimit = mpz_class(1) << 96;

constexpr auto kReportPeriod = std::chrono::milliseconds(250);

// The p-1 bound: a small share of the sieve's cost up to 100 digits; beyond, shrinking so
// that its stage 1, which cannot be stopped, stays short.
double PMinus1Bound(std::size_t digits) {
    if (digits <= 45) return 2e3;
    if (digits <= 55) return 1e4;
    if (digits <= 70) return 3e4;
    if (digits <= 100) return 1e5;
    return digits <= 300 ? 3e4 : 1e4;
}

std::size_t DecimalDigits(const mpz_class& n) {
    return n.get_str().size();
}

// The largest k with n = r^k, and r; k = 1 when n is no perfect power.
std::pair<mpz_class, int> PerfectRoot(const mpz_class& n) {
    mpz_class base = n;
    int power = 1;
    // A power's root has no factor below 2^16, so k <= log(n) / log(2^16).
    for (bool found = true; found;) {
        found = false;
        if (mpz_perfect_power_p(base.get_mpz_t()) == 0) break;
        const unsigned long max_k = mpz_sizeinbase(base.get_mpz_t(), 2) / 16 + 1;
        for (unsigned long k = 2; k <= max_k; k = NextPrime(k)) {
            mpz_class root;
            if (mpz_root(root.get_mpz_t(), base.get_mpz_t(), k) != 0) {
                base = root;
                power *= static_cast<int>(k);
                found = true;
                break;
            }
        }
    }
    return {base, power};
}

// BPSW: no composite is known to pass it.
bool IsProbablePrime(const mpz_class& n) {
    return mpz_probab_prime_p(n.get_mpz_t(), 1) != 0;
}

// Splits {a, b} (each to the same exponent) into pairwise coprime parts with exponents.
std::vector<Piece> CoprimeParts(std::vector<Piece> parts) {
    for (bool changed = true; changed;) {
        changed = false;
        for (std::size_t i = 0; i < parts.size() && !changed; ++i) {
            for (std::size_t j = i + 1; j < parts.size() && !changed; ++j) {
                mpz_class g;
                mpz_gcd(g.get_mpz_t(), parts[i].value.get_mpz_t(), parts[j].value.get_mpz_t());
                if (g == 1) continue;
                // x^e y^f = (x/g)^e (y/g)^f g^(e+f): the product of the bases shrinks by g.
                const int together = parts[i].exponent + parts[j].exponent;
                const std::size_t level = std::min(parts[i].ecm_level, parts[j].ecm_level);
                parts[i].value /= g;
                parts[j].value /= g;
                parts.push_back({g, together, level});
                std::erase_if(parts, [](const Piece& p) { return p.value == 1; });
                changed = true;
            }
        }
    }
    return parts;
}

class BigFactorRun {
public:
    explicit BigFactorRun(const BigFactorProgressFn& progress) : progress_(progress) {
        tick_ = [this] { Report(false); };
    }

    BigFactorization Factor(const mpz_class& n) {
        BigFactorization result;
        try {
            SetStage(FactorStage::TrialDivision);
            mpz_class rest = n;
            for (const SmallPrimePower& found : TrialDivideSmall(rest))
                AddPrime(found.prime, found.exponent);
            if (rest > 1) pending_.push_back({rest, 1});
            while (!pending_.empty()) {
                PollStop();
                // Smallest first: cheap parts are reported before a long split starts.
                const auto next = std::min_element(
                    pending_.begin(), pending_.end(),
                    [](const Piece& a, const Piece& b) { return a.value < b.value; });
                current_ = std::move(*next);
                pending_.erase(next);
                Process(*current_);
            }
        } catch (const RunStopped&) {
            if (current_) pending_.push_back(*current_);
            current_.reset();
            result.stopped = true;
        }
        result.primes = Primes();
        result.unfactored = Unfactored();
        return result;
    }

private:
    // A new stage is reported at once: a long proof or sieve shows as soon as it starts.
    void SetStage(FactorStage stage) {
        stage_ = stage;
        Report(stage != reported_stage_);
    }

    // Throttled unless forced (a new factor or stage).
    void Report(bool force) {
        if (!progress_) return;
        const auto now = std::chrono::steady_clock::now();
        if (!force && now - last_report_ < kReportPeriod) return;
        last_report_ = now;
        reported_stage_ = stage_;
        BigFactorization so_far;
        so_far.primes = Primes();
        so_far.unfactored = Unfactored();
        progress_(so_far, stage_);
    }

    std::vector<BigPrimePower> Primes() const {
        std::vector<BigPrimePower> list;
        for (const auto& [prime, exponent] : primes_) list.push_back({prime, exponent});
        return list;
    }

    std::vector<BigPrimePower> Unfactored() const {
        std::vector<BigPrimePower> list;
        for (const Piece& piece : pending_) list.push_back({piece.value, piece.exponent});
        if (current_) list.push_back({current_->value, current_->exponent});
        std::sort(list.begin(), list.end(),
                  [](const BigPrimePower& a, const BigPrimePower& b) { return a.prime < b.prime; });
        return list;
    }

    void AddPrime(const mpz_class& prime, int exponent) {
        primes_[prime] += exponent;
        Report(true);
    }

    // Takes the part in current_ out of the unfactored list: into primes, or into smaller parts.
    void Process(Piece piece) {
        const auto [root, power] = PerfectRoot(piece.value);
        if (power > 1) {
            current_.reset();
            pending_.push_back({root, piece.exponent * power, piece.ecm_level});
            return;
        }
        if (piece.value < kExactLimit) {
            // Milliseconds at most; the sieve inside polls the stop token.
            const Factorization found = FactorExact(FromMpz(piece.value));
            current_.reset();
            for (const PrimePower& prime : found)
                AddPrime(ToMpz(prime.prime), prime.exponent * piece.exponent);
            return;
        }
        if (IsProbablePrime(piece.value)) {
            SetStage(FactorStage::Proof);
            if (IsProvenPrime(piece.value)) {
                current_.reset();
                AddPrime(piece.value, piece.exponent);
                return;
            }
            PollStop();
        }
        std::size_t level = piece.ecm_level;
        const mpz_class divisor = Split(piece.value, level);
        std::vector<Piece> parts = CoprimeParts(
            {{divisor, piece.exponent, level}, {piece.value / divisor, piece.exponent, level}});
        current_.reset();
        for (Piece& part : parts) pending_.push_back(std::move(part));
        Report(true);
    }

    // A proper divisor of the odd composite c (no perfect power, no factor below 2^16).
    // level: the ECM levels already run on c, advanced as more are run.
    mpz_class Split(const mpz_class& c, std::size_t& level) {
        const std::size_t digits = DecimalDigits(c);
        if (mpz_class found = RhoSplit(c, digits); found != 0) return found;
        SetStage(FactorStage::PMinus1);
        if (mpz_class found = PMinus1Split(c, PMinus1Bound(digits), tick_); found != 0)
            return found;
        PollStop();
        SetStage(FactorStage::Ecm);
        // Within the sieve's range ECM runs as long as it is the cheaper way to find a factor
        // of that size: up to about 2/7 of the digits.
        const bool sieve = digits <= kSiqsMaxDigits;
        for (; level < kEcmLevelCount; ++level) {
            const EcmLevel& step = kEcmLevels[level];
            if (sieve && static_cast<std::size_t>(step.digits) * 7 > digits * 2) break;
            if (mpz_class found = EcmSplit(c, step.b1, step.curves, &seed_, tick_); found != 0)
                return found;
            PollStop();
        }
        if (sieve) {
            SetStage(FactorStage::Siqs);
            return SiqsSplit(c, [this](std::size_t, std::size_t) { Report(false); });
        }
        // Beyond the sieve: ever larger curves until a factor comes or the run is stopped.
        for (double b1 = kEcmLevels[kEcmLevelCount - 1].b1 * 3;; b1 *= 3) {
            if (mpz_class found = EcmSplit(c, b1, 1000, &seed_, tick_); found != 0) return found;
            PollStop();
        }
    }

    // Pollard-Brent rho, briefly: factors of up to about 10 digits.
    mpz_class RhoSplit(const mpz_class& c, std::size_t digits) {
        SetStage(FactorStage::Rho);
        fmpz_t value, factor;
        fmpz_init(value);
        fmpz_init(factor);
        fmpz_set_mpz(value, c.get_mpz_t());
        flint_rand_t state;
        flint_randinit(state);
        // A small share of what the sieve would cost at that size; fewer iterations on long
        // values, where each costs more.
        const mp_limb_t iterations = digits <= 45    ? 1 << 11
                                     : digits <= 70  ? 1 << 13
                                     : digits <= 100 ? 1 << 14
                                                     : 1 << 12;
        mpz_class found = 0;
        if (fmpz_factor_pollard_brent(factor, state, value, 1, iterations) != 0)
            fmpz_get_mpz(found.get_mpz_t(), factor);
        flint_randclear(state);
        fmpz_clear(factor);
        fmpz_clear(value);
        PollStop();
        return found > 1 && found < c ? found : mpz_class(0);
    }

    const BigFactorProgressFn& progress_;
    EcmTick tick_;
    FactorStage stage_ = FactorStage::TrialDivision;
    std::optional<FactorStage> reported_stage_;
    std::chrono::steady_clock::time_point last_report_{};
    std::map<mpz_class, int> primes_;
    std::vector<Piece> pending_;
    // The part being worked on, still unfactored.
    std::optional<Piece> current_;
    std::uint64_t seed_ = 11;
};

}  // namespace

BigFactorization FactorBig(const mpz_class& n, const BigFactorProgressFn& progress) {
    if (n < 1) return {};
    return BigFactorRun(progress).Factor(n);
}

}  // namespace numerel
