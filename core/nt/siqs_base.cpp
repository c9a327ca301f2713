#include "core/nt/siqs_base.h"

#include <flint/ulong_extras.h>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/nt/small_primes.h"

namespace numerel::siqs {

namespace {

struct SizeRow {
    int digits;
    double fb_size;
    std::uint32_t blocks;
    double large_multiplier;
    // Bits the threshold leaves below the largest sieve value beyond the large prime: room for
    // the unsieved small primes, rounding, values below the maximum and, from about 65 digits,
    // cofactors of two large primes.
    double slack;
};

// Tuned by measurement (CPU time) on balanced semiprimes; sizes between rows are interpolated.
constexpr SizeRow kSizes[] = {
    {20, 80, 1, 20, 12},      {30, 200, 1, 30, 12},      {40, 500, 1, 50, 12},
    {45, 900, 1, 60, 12},     {50, 1600, 1, 100, 12},    {55, 2600, 1, 110, 12},
    {60, 4000, 1, 150, 13},   {65, 5500, 2, 170, 16},    {70, 8000, 3, 200, 20},
    {75, 11000, 3, 200, 22},  {80, 15000, 4, 200, 24},   {90, 26000, 6, 200, 26},
    {100, 45000, 8, 200, 28}, {110, 65000, 10, 200, 30}, {120, 90000, 10, 200, 30},
};

// Primes below this are not sieved: they cost the most steps and add the least.
constexpr std::uint32_t kSmallPrimeBound = 40;

SizeRow SizeFor(double digits) {
    const SizeRow* row = std::begin(kSizes);
    if (digits <= row->digits) return *row;
    for (; row + 1 != std::end(kSizes); ++row) {
        const SizeRow& next = row[1];
        if (digits <= next.digits) {
            const double t = (digits - row->digits) / (next.digits - row->digits);
            return {static_cast<int>(digits), row->fb_size + t * (next.fb_size - row->fb_size),
                    t < 0.5 ? row->blocks : next.blocks,
                    row->large_multiplier + t * (next.large_multiplier - row->large_multiplier),
                    row->slack + t * (next.slack - row->slack)};
        }
    }
    return *row;
}

// Knuth-Schroeppel: the small squarefree k that makes the most small primes split over
// x^2 - kn, less the cost of the larger sieve values.
std::uint32_t ChooseMultiplier(const mpz_class& n) {
    static constexpr std::uint32_t kCandidates[] = {
        1,  3,  5,  7,  11, 13, 15, 17, 19, 21, 23, 29, 31, 33, 35, 37, 39, 41, 43, 47, 51,
        53, 55, 57, 59, 61, 65, 67, 69, 71, 73, 77, 79, 83, 85, 87, 89, 91, 93, 95, 97};
    std::uint32_t best = 1;
    double best_score = -1e30;
    const unsigned long n8 = mpz_fdiv_ui(n.get_mpz_t(), 8);
    for (const std::uint32_t k : kCandidates) {
        double score = -0.5 * std::log(static_cast<double>(k));
        switch ((k * n8) % 8) {
            case 1:
                score += 2 * std::log(2.0);
                break;
            case 5:
                score += std::log(2.0);
                break;
            default:
                score += 0.5 * std::log(2.0);
                break;
        }
        for (std::uint64_t p = 3; p < 2000; p = NextPrime(p)) {
            const double lp = std::log(static_cast<double>(p));
            const std::uint64_t r = (mpz_fdiv_ui(n.get_mpz_t(), p) * (k % p)) % p;
            if (r == 0)
                score += lp / static_cast<double>(p);
            else if (n_jacobi_unsigned(r, p) == 1)
                score += 2 * lp / static_cast<double>(p - 1);
        }
        if (score > best_score) {
            best_score = score;
            best = k;
        }
    }
    return best;
}

}  // namespace

std::uint64_t BuildFactorBase(const mpz_class& n, FactorBase& base) {
    base.n = n;
    base.multiplier = ChooseMultiplier(n);
    base.kn = n * base.multiplier;
    const double digits = static_cast<double>(mpz_sizeinbase(n.get_mpz_t(), 2)) * std::log10(2.0);
    const SizeRow size = SizeFor(digits);
    const auto wanted = static_cast<std::size_t>(size.fb_size);
    base.prime = {1, 2};
    base.sqrt_kn = {0, 0};
    for (std::uint64_t p = 3; base.prime.size() < wanted; p = NextPrime(p)) {
        const std::uint64_t r = mpz_fdiv_ui(base.kn.get_mpz_t(), p);
        if (r == 0) {
            if (base.multiplier % p != 0) return p;
            base.prime.push_back(static_cast<std::uint32_t>(p));
            base.sqrt_kn.push_back(0);
        } else if (n_jacobi_unsigned(r, p) == 1) {
            base.prime.push_back(static_cast<std::uint32_t>(p));
            base.sqrt_kn.push_back(static_cast<std::uint32_t>(n_sqrtmod(r, p)));
        }
    }
    base.blocks = size.blocks;
    const std::uint64_t pmax = base.prime.back();
    base.large_bound =
        static_cast<std::uint64_t>(static_cast<double>(pmax) * size.large_multiplier);

    base.first_sieved = 2;
    while (base.first_sieved < base.size() && base.prime[base.first_sieved] < kSmallPrimeBound)
        ++base.first_sieved;
    base.first_large = base.first_sieved;
    while (base.first_large < base.size() && base.prime[base.first_large] < kBlockSize)
        ++base.first_large;

    // Sieve values are at most about M sqrt(kn / 2); a candidate has lost all of it but a large
    // prime, the unsieved small primes and rounding.
    const double log2_kn = std::log2(mpz_get_d(base.kn.get_mpz_t()));
    const double log2_max = std::log2(static_cast<double>(base.half_width())) + (log2_kn - 1) / 2;
    const double threshold =
        log2_max - std::log2(static_cast<double>(base.large_bound)) - size.slack;
    const double scale = threshold > 120 ? 120 / threshold : 1.0;
    base.inverse.assign(base.size(), 0);
    base.limit.assign(base.size(), 0);
    for (std::size_t i = 2; i < base.size(); ++i) {
        const std::uint32_t p = base.prime[i];
        std::uint32_t inv = p;  // Newton's iteration doubles the correct low bits each step
        for (int step = 0; step < 4; ++step) inv *= 2 - p * inv;
        base.inverse[i] = inv;
        base.limit[i] = UINT32_MAX / p;
    }
    base.logp.resize(base.size());
    for (std::size_t i = 0; i < base.size(); ++i)
        base.logp[i] = static_cast<std::uint8_t>(std::lround(
            std::log2(static_cast<double>(std::max<std::uint32_t>(base.prime[i], 2))) * scale));
    base.sieve_init = static_cast<std::uint8_t>(128 - std::lround(threshold * scale));

    // A is near sqrt(2 kn) / M, a product of s primes of the base around a few thousand.
    base.log2_a_target = (log2_kn + 1) / 2 - std::log2(static_cast<double>(base.half_width()));
    const double max_prime = std::min<double>(4000, base.prime[base.size() * 4 / 5]);
    base.a_primes = static_cast<std::uint32_t>(
        std::max(2.0, std::ceil(base.log2_a_target / std::log2(max_prime))));
    const double ideal = std::exp2(base.log2_a_target / base.a_primes);
    base.a_low = base.first_sieved + 1;
    while (base.a_low < base.size() && base.prime[base.a_low] < ideal * 0.6) ++base.a_low;
    base.a_high = base.a_low;
    while (base.a_high < base.size() && base.prime[base.a_high] < ideal * 1.6) ++base.a_high;
    // Enough choices that A rarely repeats.
    while (base.a_high - base.a_low < 4 * base.a_primes + 10) {
        if (base.a_low > base.first_sieved + 1) --base.a_low;
        if (base.a_high < base.size()) ++base.a_high;
        if (base.a_low <= base.first_sieved + 1 && base.a_high >= base.size()) break;
    }
    return 0;
}

}  // namespace numerel::siqs
