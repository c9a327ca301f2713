#include "core/nt/factor_qs.h"

#include <flint/ulong_extras.h>
#include <gmpxx.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "core/input/uint128_mpz.h"
#include "core/nt/small_primes.h"
#include "core/run_control.h"

namespace numerel {

namespace {

__extension__ typedef __int128 int128;

std::uint64_t Mod(uint128 value, std::uint64_t p) {
    return static_cast<std::uint64_t>(value % p);
}

constexpr uint128 kMaxKn = uint128{1} << 126;

double Log2(uint128 value) {
    return std::log2(static_cast<double>(value));
}

struct Params {
    int fb_size;
    int half_width;  // the sieve covers x in [-half_width, half_width)
    int large_multiplier;
};

Params ChooseParams(int bits) {
    if (bits <= 72) return {70, 16384, 30};
    if (bits <= 80) return {100, 16384, 30};
    if (bits <= 88) return {130, 32768, 40};
    if (bits <= 96) return {170, 32768, 40};
    if (bits <= 104) return {220, 32768, 50};
    if (bits <= 112) return {300, 65536, 60};
    return {420, 65536, 60};
}

// The small squarefree multiplier k that makes many small primes split over x^2 - kn
// (Knuth-Schroeppel).
std::uint32_t ChooseMultiplier(uint128 n) {
    static constexpr std::uint32_t kCandidates[] = {1,  3,  5,  7,  11, 13, 15, 17, 19, 21, 23,
                                                    29, 31, 33, 35, 37, 39, 41, 43, 47, 51, 53,
                                                    55, 57, 59, 61, 65, 67, 69, 71, 73};
    std::uint32_t best = 1;
    double best_score = -1e30;
    for (const std::uint32_t k : kCandidates) {
        // kn and the sieve values must stay within the signed 128-bit range.
        if (n > kMaxKn / k) break;
        const uint128 kn = n * k;
        double score = -0.5 * std::log(static_cast<double>(k));
        switch (static_cast<unsigned>(kn % 8)) {
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
        for (std::uint64_t p = 3; p < 600; p = NextPrime(p)) {
            const double lp = std::log(static_cast<double>(p));
            if (k % p == 0)
                score += lp / static_cast<double>(p);
            else if (n_jacobi_unsigned(Mod(kn, p), p) == 1)
                score += 2 * lp / static_cast<double>(p - 1);
        }
        if (score > best_score) {
            best_score = score;
            best = k;
        }
    }
    return best;
}

struct FbPrime {
    std::uint32_t p;
    std::uint32_t sqrt_kn;  // a square root of kn mod p (0 when p divides k)
    std::uint8_t logp;
    bool sieved;
    std::uint32_t root1 = 0, root2 = 0;  // sieve positions of the current polynomial
};

// One relation: u^2 = f(x) (mod n) with u = (a x + b) / q and f(x) = the product of the factor
// base entries listed (index 0 is -1) times large_prime.
struct Relation {
    int128 axb;
    std::uint64_t q;
    std::vector<std::uint16_t> factors;
    std::uint64_t large_prime;
};

class Sieve {
public:
    explicit Sieve(uint128 n) : n_(n) {}
    uint128 Run();

private:
    uint128 BuildFactorBase();
    bool NextPolynomial();
    void SieveInterval();
    void CheckCandidate(int index);
    uint128 TryDependencies();

    uint128 n_;
    std::uint32_t k_ = 1;
    uint128 kn_ = 0;
    Params params_{};
    std::vector<FbPrime> fb_;  // fb_[0] stands for -1
    std::uint64_t large_bound_ = 0;
    std::uint8_t threshold_ = 0;

    std::uint64_t q_ = 0;
    uint128 a_ = 0;
    uint128 b_ = 0;
    int128 c_ = 0;
    uint128 found_ = 0;  // a divisor met by chance while sieving

    std::vector<std::uint8_t> sieve_;
    std::vector<Relation> relations_;
    std::unordered_map<std::uint64_t, int> partial_by_prime_;
    // Usable relations: a full one (second = -1) or two partials with the same large prime.
    std::vector<std::pair<int, int>> combined_;
};

uint128 Sieve::BuildFactorBase() {
    fb_.push_back({0, 0, 0, false});
    fb_.push_back({2, 0, 1, false});
    for (std::uint64_t p = 3; static_cast<int>(fb_.size()) < params_.fb_size; p = NextPrime(p)) {
        const std::uint64_t r = Mod(kn_, p);
        const auto logp = static_cast<std::uint8_t>(std::lround(std::log2(static_cast<double>(p))));
        if (r == 0) {
            if (k_ % p != 0) return p;  // p divides n
            fb_.push_back({static_cast<std::uint32_t>(p), 0, logp, false});
        } else if (n_jacobi_unsigned(r, p) == 1) {
            // The smallest primes are not sieved: they cost the most and add the least.
            fb_.push_back({static_cast<std::uint32_t>(p),
                           static_cast<std::uint32_t>(n_sqrtmod(r, p)), logp, p > 40});
        }
    }
    return 0;
}

// a = q^2 with q a prime above the factor base for which kn is a square; b^2 = kn (mod a).
bool Sieve::NextPolynomial() {
    for (;;) {
        q_ = NextPrime(q_);
        const std::uint64_t r = Mod(kn_, q_);
        if (r == 0) {
            if (Mod(n_, q_) == 0) {
                found_ = q_;
                return false;
            }
            continue;
        }
        if (n_jacobi_unsigned(r, q_) != 1) continue;
        const std::uint64_t b0 = n_sqrtmod(r, q_);
        // Hensel lift: b = b0 + q t with 2 b0 t = (kn - b0^2) / q (mod q).
        const uint128 excess = (kn_ - static_cast<uint128>(b0) * b0) / q_;
        const std::uint64_t t = n_mulmod2(Mod(excess, q_), n_invmod((2 * b0) % q_, q_), q_);
        a_ = static_cast<uint128>(q_) * q_;
        b_ = b0 + static_cast<uint128>(q_) * t;
        c_ = -static_cast<int128>((kn_ - b_ * b_) / a_);
        for (std::size_t j = 2; j < fb_.size(); ++j) {
            FbPrime& f = fb_[j];
            if (!f.sieved) continue;
            const std::uint64_t p = f.p;
            const std::uint64_t ainv = n_invmod(Mod(a_, p), p);
            const std::uint64_t bm = Mod(b_, p);
            const std::uint64_t shift = static_cast<std::uint64_t>(params_.half_width) % p;
            const std::uint64_t r1 = n_mulmod2((f.sqrt_kn + p - bm) % p, ainv, p);
            const std::uint64_t r2 = n_mulmod2((2 * p - f.sqrt_kn - bm) % p, ainv, p);
            f.root1 = static_cast<std::uint32_t>((r1 + shift) % p);
            f.root2 = static_cast<std::uint32_t>((r2 + shift) % p);
        }
        return true;
    }
}

void Sieve::SieveInterval() {
    const int width = 2 * params_.half_width;
    std::memset(sieve_.data(), 128 - threshold_, sieve_.size());
    std::uint8_t* s = sieve_.data();
    for (std::size_t j = 2; j < fb_.size(); ++j) {
        const FbPrime& f = fb_[j];
        if (!f.sieved) continue;
        const int p = static_cast<int>(f.p);
        for (int i = static_cast<int>(f.root1); i < width; i += p) s[i] += f.logp;
        for (int i = static_cast<int>(f.root2); i < width; i += p) s[i] += f.logp;
    }
    for (int i = 0; i < width; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, s + i, 8);
        if ((word & 0x8080808080808080ULL) == 0) continue;
        for (int j = 0; j < 8; ++j)
            if (s[i + j] & 0x80) CheckCandidate(i + j);
    }
}

void Sieve::CheckCandidate(int index) {
    const int128 x = index - params_.half_width;
    int128 value = (static_cast<int128>(a_) * x + 2 * static_cast<int128>(b_)) * x + c_;
    if (value == 0) return;
    Relation rel;
    if (value < 0) {
        rel.factors.push_back(0);
        value = -value;
    }
    uint128 rest = static_cast<uint128>(value);
    while ((rest & 1) == 0) {
        rest >>= 1;
        rel.factors.push_back(1);
    }
    for (std::size_t j = 2; j < fb_.size(); ++j) {
        const FbPrime& f = fb_[j];
        if (f.sieved) {
            const std::uint32_t pos = static_cast<std::uint32_t>(index) % f.p;
            if (pos != f.root1 && pos != f.root2) continue;
        } else if (rest % f.p != 0) {
            continue;
        }
        while (rest % f.p == 0) {
            rest /= f.p;
            rel.factors.push_back(static_cast<std::uint16_t>(j));
        }
    }
    if (rest >= large_bound_) return;
    rel.large_prime = static_cast<std::uint64_t>(rest);
    if (rest > 1 && Mod(n_, rel.large_prime) == 0) {
        found_ = rest;
        return;
    }
    rel.axb = static_cast<int128>(a_) * x + static_cast<int128>(b_);
    rel.q = q_;
    relations_.push_back(std::move(rel));
    const int id = static_cast<int>(relations_.size()) - 1;
    if (rest == 1) {
        combined_.push_back({id, -1});
        return;
    }
    const auto [it, inserted] = partial_by_prime_.try_emplace(relations_[id].large_prime, id);
    if (!inserted) combined_.push_back({it->second, id});
}

// Gaussian elimination over GF(2) on the exponent parities; every dependency gives
// X^2 = Y^2 (mod n) and a chance that gcd(X - Y, n) splits n.
uint128 Sieve::TryDependencies() {
    const std::size_t cols = fb_.size();
    const std::size_t rows = combined_.size();
    const std::size_t col_words = (cols + 63) / 64;
    const std::size_t row_words = (rows + 63) / 64;
    const std::size_t width = col_words + row_words;
    std::vector<std::uint64_t> m(rows * width, 0);
    auto flip = [&](std::size_t r, std::size_t bit) {
        m[r * width + bit / 64] ^= 1ULL << (bit % 64);
    };
    for (std::size_t r = 0; r < rows; ++r) {
        for (const int id : {combined_[r].first, combined_[r].second}) {
            if (id < 0) continue;
            for (const std::uint16_t f : relations_[id].factors) flip(r, f);
        }
        flip(r, col_words * 64 + r);
    }
    std::size_t pivot_row = 0;
    for (std::size_t c = 0; c < cols && pivot_row < rows; ++c) {
        if (c % 64 == 0) PollStop();
        const std::uint64_t mask = 1ULL << (c % 64);
        std::size_t r = pivot_row;
        while (r < rows && !(m[r * width + c / 64] & mask)) ++r;
        if (r == rows) continue;
        if (r != pivot_row)
            std::swap_ranges(m.begin() + r * width, m.begin() + (r + 1) * width,
                             m.begin() + pivot_row * width);
        for (std::size_t o = 0; o < rows; ++o) {
            if (o == pivot_row || !(m[o * width + c / 64] & mask)) continue;
            for (std::size_t w = 0; w < width; ++w) m[o * width + w] ^= m[pivot_row * width + w];
        }
        ++pivot_row;
    }
    const mpz_class n = ToMpz(n_);
    for (std::size_t r = pivot_row; r < rows; ++r) {
        PollStop();
        mpz_class x = 1, y = 1;
        std::vector<std::uint32_t> exponents(cols, 0);
        for (std::size_t i = 0; i < rows; ++i) {
            if (!(m[r * width + col_words + i / 64] & (1ULL << (i % 64)))) continue;
            for (const int id : {combined_[i].first, combined_[i].second}) {
                if (id < 0) continue;
                const Relation& rel = relations_[id];
                mpz_class axb = ToMpz(static_cast<uint128>(rel.axb < 0 ? -rel.axb : rel.axb));
                if (rel.axb < 0) axb = -axb;
                mpz_class qinv;
                const mpz_class q(static_cast<unsigned long>(rel.q));
                mpz_invert(qinv.get_mpz_t(), q.get_mpz_t(), n.get_mpz_t());
                x = x * axb % n * qinv % n;
                for (const std::uint16_t f : rel.factors) ++exponents[f];
            }
            if (combined_[i].second >= 0)
                y = y * static_cast<unsigned long>(relations_[combined_[i].second].large_prime) % n;
        }
        for (std::size_t j = 1; j < cols; ++j) {
            if (exponents[j] == 0) continue;
            mpz_class power;
            const mpz_class p(static_cast<unsigned long>(fb_[j].p));
            mpz_powm_ui(power.get_mpz_t(), p.get_mpz_t(), exponents[j] / 2, n.get_mpz_t());
            y = y * power % n;
        }
        mpz_class g;
        const mpz_class difference = x - y;
        mpz_gcd(g.get_mpz_t(), difference.get_mpz_t(), n.get_mpz_t());
        if (g > 1 && g < n) return FromMpz(g);
    }
    return 0;
}

uint128 Sieve::Run() {
    k_ = ChooseMultiplier(n_);
    kn_ = n_ * k_;
    const int bits = static_cast<int>(std::ceil(Log2(n_)));
    params_ = ChooseParams(bits);
    if (const uint128 divisor = BuildFactorBase(); divisor != 0) return divisor;
    const std::uint64_t pmax = fb_.back().p;
    large_bound_ = pmax * static_cast<std::uint64_t>(params_.large_multiplier);
    // Sieve values are about M sqrt(kn / 2); a candidate must have lost all of it but a large
    // prime and the unsieved small primes.
    const double log_fmax = std::log2(params_.half_width) + Log2(kn_) / 2 - 0.5;
    const double slack = std::log2(static_cast<double>(large_bound_)) + 6;
    threshold_ = static_cast<std::uint8_t>(std::clamp(log_fmax - slack, 10.0, 100.0));
    sieve_.assign(2 * static_cast<std::size_t>(params_.half_width), 0);
    // q near (2 kn)^(1/4) / sqrt(M) makes f(x) smallest over the interval.
    const double q_target = std::sqrt(std::sqrt(2 * static_cast<double>(kn_)) / params_.half_width);
    q_ = std::max<std::uint64_t>(static_cast<std::uint64_t>(q_target), pmax + 1);
    std::size_t wanted = fb_.size() + 16;
    for (;;) {
        while (combined_.size() < wanted) {
            PollStop();
            if (!NextPolynomial()) return found_;
            SieveInterval();
            if (found_ != 0) return found_;
        }
        if (const uint128 divisor = TryDependencies(); divisor != 0) return divisor;
        wanted = combined_.size() + 16;
    }
}

}  // namespace

uint128 QuadraticSieveSplit(uint128 n) {
    Sieve sieve(n);
    return sieve.Run();
}

}  // namespace numerel
