#include "core/nt/lenstra_divisors.h"

#include <array>
#include <climits>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace numerel {

namespace {

__extension__ typedef __int128 int128;
__extension__ typedef unsigned __int128 uint128;

mpz_class ToMpz(const mpz_class& x) {
    return x;
}
mpz_class ToMpz(int128 x) {
    const bool negative = x < 0;
    const uint128 magnitude = negative ? -static_cast<uint128>(x) : static_cast<uint128>(x);
    mpz_class value(static_cast<unsigned long>(magnitude >> 64));
    value <<= 64;
    value += static_cast<unsigned long>(magnitude);
    return negative ? mpz_class(-value) : value;
}

template <class Int>
Int FromMpz(const mpz_class& x) {
    if constexpr (std::is_same_v<Int, mpz_class>) {
        return x;
    } else {
        const mpz_class high = x >> 64;
        const mpz_class low = x - (high << 64);
        return (static_cast<int128>(high.get_si()) << 64) + static_cast<int128>(low.get_ui());
    }
}

// x mod m in [0, m).
std::uint64_t Residue(const mpz_class& x, std::uint64_t m) {
    return mpz_fdiv_ui(x.get_mpz_t(), m);
}
std::uint64_t Residue(int128 x, std::uint64_t m) {
    if (x >= 0 && x <= static_cast<int128>(UINT64_MAX)) return static_cast<std::uint64_t>(x) % m;
    const int128 r = x % static_cast<int128>(m);
    return static_cast<std::uint64_t>(r < 0 ? r + static_cast<int128>(m) : r);
}

// x mod s in [0, s).
template <class Int>
Int Reduced(const Int& x, const Int& s) {
    Int r = x % s;
    if (r < 0) r += s;
    return r;
}

// A quick test of the discriminant modulo a few small primes: a nonsquare modulo one of them is
// no square. The primes must not divide s: modulo a prime of s every discriminant of the walk is
// a square (n = r*r2 there), and the test would let everything through.
class SquareFilter {
public:
    explicit SquareFilter(const mpz_class& s) {
        for (std::size_t k = 0; k < kPrimes.size() && count_ < kWanted; ++k) {
            if (mpz_fdiv_ui(s.get_mpz_t(), kPrimes[k]) == 0) continue;
            chosen_[count_++] = k;
            modulus_ *= kPrimes[k];
        }
    }
    std::uint64_t Modulus() const { return modulus_; }
    bool MaybeSquare(std::uint64_t residue) const {
        for (std::size_t i = 0; i < count_; ++i) {
            const std::size_t k = chosen_[i];
            if (((kSquares[k] >> (residue % kPrimes[k])) & 1) == 0) return false;
        }
        return true;
    }

private:
    static constexpr std::array<std::uint64_t, 16> kPrimes{17, 19, 23, 29, 31, 37, 41, 43,
                                                           47, 53, 59, 61, 67, 71, 73, 79};
    // Five primes leave about one nonsquare in thirty; their product stays below 2^32, so two
    // residues multiply without overflow.
    static constexpr std::size_t kWanted = 5;
    // Bit x of kSquares[k] is set when x is a square modulo kPrimes[k].
    static constexpr std::array<uint128, 16> kSquares = [] {
        std::array<uint128, 16> squares{};
        for (std::size_t k = 0; k < kPrimes.size(); ++k)
            for (std::uint64_t x = 0; x < kPrimes[k]; ++x)
                squares[k] |= static_cast<uint128>(1) << (x * x % kPrimes[k]);
        return squares;
    }();

    std::array<std::size_t, kWanted> chosen_{};
    std::size_t count_ = 0;
    std::uint64_t modulus_ = 1;
};

// The state of the walk: divisors d = x*s + r with cofactor n/d = y*s + r2 satisfy
// a*x + b*y = c (mod s) for every step's (a, b, c).
template <class Int>
class Walk {
public:
    Walk(const mpz_class& n, const mpz_class& r, const mpz_class& s)
        : n_(n), r_mpz_(r), s_mpz_(s), filter_(s) {
        mpz_class r_inverse;
        mpz_invert(r_inverse.get_mpz_t(), r.get_mpz_t(), s.get_mpz_t());
        r2_mpz_ = n * r_inverse % s;
        const mpz_class a1 = r_inverse * r2_mpz_ % s;
        const mpz_class c1 = Reduced<mpz_class>((n - r * r2_mpz_) / s * r_inverse, s);
        s_ = FromMpz<Int>(s);
        n_over_s2_ = FromMpz<Int>(mpz_class(n / (s * s)));
        a0_ = s_;
        a1_ = a1 == 0 ? s_ : FromMpz<Int>(a1);
        b0_ = 0;
        b1_ = 1;
        c0_ = 0;
        c1_ = FromMpz<Int>(c1);
        const std::uint64_t m = filter_.Modulus();
        n_m_ = Residue(n, m);
        r_m_ = Residue(r, m);
        r2_m_ = Residue(r2_mpz_, m);
        s_m_ = Residue(s, m);
    }

    bool Search() {
        if (InClass(r_mpz_)) return true;  // x = 0
        for (unsigned long i = 1;; ++i) {
            if (i % 2 == 0) {
                // a*x + b*y lies in (-s, s): c or c - s.
                for (Int z = Reduced(c1_, s_); z > -s_; z -= s_)
                    if (Candidate(z)) return true;
            } else {
                // 2ab <= a*x + b*y <= ab + n/s^2.
                const Int ab = a1_ * b1_;
                Int z = ab + n_over_s2_;
                const Int z_mod_s = Reduced(z, s_);
                if (z_mod_s < c1_) z -= s_;
                for (z += c1_ - z_mod_s; z >= 2 * ab; z -= s_)
                    if (Candidate(z)) return true;
            }
            if (a1_ == 0) return false;  // the continued fraction has ended
            // Next step: 0 <= a < previous a for even i, 0 < a <= previous a for odd i.
            Int q = a0_ / a1_;
            a0_ -= q * a1_;
            if (i % 2 == 0 && a0_ == 0) {
                q -= 1;
                a0_ += a1_;
            }
            std::swap(a0_, a1_);
            b0_ -= q * b1_;
            std::swap(b0_, b1_);
            c0_ = Reduced(Int(c0_ - q * c1_), s_);
            std::swap(c0_, c1_);
        }
    }

private:
    // With z = a*x + b*y, u = a*d and v = b*n/d are the roots of T^2 - (z*s + a*r + b*r2)*T +
    // a*b*n.
    bool Candidate(const Int& z) {
        const std::uint64_t m = filter_.Modulus();
        const std::uint64_t a_m = Residue(a1_, m);
        const std::uint64_t b_m = Residue(b1_, m);
        const std::uint64_t sum_m =
            (Residue(z, m) * s_m_ % m + a_m * r_m_ % m + b_m * r2_m_ % m) % m;
        const std::uint64_t product_m = a_m * b_m % m * n_m_ % m * 4 % m;
        if (!filter_.MaybeSquare((sum_m * sum_m % m + m - product_m) % m)) return false;

        const mpz_class a = ToMpz(a1_);
        const mpz_class b = ToMpz(b1_);
        const mpz_class z_mpz = ToMpz(z);
        const mpz_class sum = z_mpz * s_mpz_ + a * r_mpz_ + b * r2_mpz_;
        const mpz_class discriminant = sum * sum - 4 * a * b * n_;
        if (discriminant < 0 || mpz_perfect_square_p(discriminant.get_mpz_t()) == 0) return false;
        if (a == 0) {  // sum = b * (n/d): y = z/b
            if (!Divides(b, z_mpz)) return false;
            const mpz_class cofactor = z_mpz / b * s_mpz_ + r2_mpz_;
            return cofactor > 0 && Divides(cofactor, n_) && InClass(n_ / cofactor);
        }
        if (b == 0) return Divides(a, z_mpz) && InClass(z_mpz / a * s_mpz_ + r_mpz_);
        const mpz_class root = sqrt(discriminant);
        for (const mpz_class& u : {mpz_class((sum + root) / 2), mpz_class((sum - root) / 2)})
            if (Divides(a, u) && InClass(u / a)) return true;
        return false;
    }

    static bool Divides(const mpz_class& d, const mpz_class& x) {
        return mpz_divisible_p(x.get_mpz_t(), d.get_mpz_t()) != 0;
    }

    // d is a divisor of n other than 1 and n, and d = r (mod s).
    bool InClass(const mpz_class& d) const {
        return d > 1 && d < n_ && Divides(d, n_) && mpz_class(d % s_mpz_) == r_mpz_;
    }

    const mpz_class& n_;
    const mpz_class& r_mpz_;
    const mpz_class& s_mpz_;
    mpz_class r2_mpz_;
    Int s_, n_over_s2_, a0_, a1_, b0_, b1_, c0_, c1_;
    const SquareFilter filter_;
    std::uint64_t n_m_, r_m_, r2_m_, s_m_;
};

}  // namespace

bool HasDivisorInClass(const mpz_class& n, const mpz_class& r, const mpz_class& s) {
    // With s below 2^kLenstraWordBits every quantity of the walk fits an int128: a, b, c are
    // below s, a*b + n/s^2 below 2^127. Only the discriminant needs more, and it is built in GMP
    // for the rare candidate that passes the small-modulus filter.
    if (mpz_sizeinbase(s.get_mpz_t(), 2) <= kLenstraWordBits) return Walk<int128>(n, r, s).Search();
    return Walk<mpz_class>(n, r, s).Search();
}

}  // namespace numerel
