#include "core/input/decimal96.h"

#include <gmpxx.h>

#include <algorithm>
#include <array>
#include <stdexcept>

#include "core/input/uint128_mpz.h"

namespace numerel {

namespace {

static_assert(sizeof(unsigned long) == 8, "mpz conversions below move 64-bit halves");

constexpr std::array<uint128, 39> MakePowersOfTen() {
    std::array<uint128, 39> powers{};
    uint128 p = 1;
    for (auto& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}
constexpr std::array<uint128, 39> kPow10 = MakePowersOfTen();

mpz_class Pow10(int exponent) {
    mpz_class result;
    mpz_ui_pow_ui(result.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
    return result;
}

const mpz_class& MaxMagnitudeMpz() {
    static const mpz_class max = ToMpz(Decimal96::kMaxMagnitude);
    return max;
}

// n / d for n >= 0, d > 0, rounded half to even.
mpz_class DivideRounded(const mpz_class& n, const mpz_class& d) {
    mpz_class q;
    mpz_class r;
    mpz_tdiv_qr(q.get_mpz_t(), r.get_mpz_t(), n.get_mpz_t(), d.get_mpz_t());
    const int half = cmp(mpz_class(r * 2), d);
    if (half > 0 || (half == 0 && mpz_odd_p(q.get_mpz_t()))) ++q;
    return q;
}

int DecimalDigits(const mpz_class& z) {
    // mpz_sizeinbase may answer one too many.
    int digits = static_cast<int>(mpz_sizeinbase(z.get_mpz_t(), 10));
    if (digits > 1 && z < Pow10(digits - 1)) --digits;
    return digits;
}

// The exact value magnitude / 10^scale (scale >= 0, possibly above the limit) as the nearest
// Decimal96: the largest scale <= 28 whose rounded magnitude fits. One rounding from the exact
// value, so there is no double rounding.
std::optional<Decimal96> RoundToFit(const mpz_class& magnitude, int scale, bool negative) {
    if (magnitude == 0)
        return Decimal96::FromParts(0, std::min(scale, Decimal96::kMaxScale), false);
    int drop = std::max(
        {0, scale - Decimal96::kMaxScale, DecimalDigits(magnitude) - Decimal96::kMaxDigits});
    for (; drop <= scale; ++drop) {
        const mpz_class kept = drop == 0 ? magnitude : DivideRounded(magnitude, Pow10(drop));
        if (kept <= MaxMagnitudeMpz())
            return Decimal96::FromParts(FromMpz(kept), scale - drop, negative);
    }
    return std::nullopt;  // the integer part alone needs more than 96 bits
}

// magnitude * 10^shift when it fits in 128 bits.
std::optional<uint128> ScaleUp(uint128 magnitude, int shift) {
    if (magnitude > ~uint128{0} / kPow10[shift]) return std::nullopt;
    return magnitude * kPow10[shift];
}

std::strong_ordering CompareMagnitudes(const Decimal96& a, const Decimal96& b) {
    if (a.Scale() == b.Scale()) return a.Magnitude() <=> b.Magnitude();
    const uint128 ia = a.Magnitude() / kPow10[a.Scale()];
    const uint128 ib = b.Magnitude() / kPow10[b.Scale()];
    if (ia != ib) return ia <=> ib;
    // Fractions are below 10^scale <= 10^28, so aligning them cannot overflow.
    const int scale = std::max(a.Scale(), b.Scale());
    const uint128 fa = a.Magnitude() % kPow10[a.Scale()] * kPow10[scale - a.Scale()];
    const uint128 fb = b.Magnitude() % kPow10[b.Scale()] * kPow10[scale - b.Scale()];
    return fa <=> fb;
}

}  // namespace

Decimal96 Decimal96::FromInteger(uint128 magnitude, bool negative) {
    if (magnitude > kMaxMagnitude) throw std::out_of_range("Decimal96 magnitude above 2^96 - 1");
    return Decimal96(magnitude, 0, negative);
}

std::optional<Decimal96> Decimal96::FromParts(uint128 magnitude, int scale, bool negative) {
    if (magnitude > kMaxMagnitude || scale < 0 || scale > kMaxScale) return std::nullopt;
    return Decimal96(magnitude, scale, negative);
}

std::string Decimal96::ToString() const {
    std::string digits = ToDecimalString(magnitude_);
    if (scale_ > 0) {
        const auto scale = static_cast<std::size_t>(scale_);
        if (digits.size() <= scale) digits.insert(0, scale + 1 - digits.size(), '0');
        digits.insert(digits.size() - scale, 1, '.');
    }
    if (IsNegative()) digits.insert(0, 1, '-');
    return digits;
}

Decimal96 Decimal96::IntegerPart() const {
    return Decimal96(magnitude_ / kPow10[scale_], 0, negative_);
}

bool Decimal96::IsInteger() const {
    return magnitude_ % kPow10[scale_] == 0;
}

std::optional<uint128> Decimal96::ToUInt128() const {
    if (IsNegative() || !IsInteger()) return std::nullopt;
    return magnitude_ / kPow10[scale_];
}

std::optional<Decimal96> Add(const Decimal96& a, const Decimal96& b) {
    const int scale = std::max(a.scale_, b.scale_);
    const bool same_sign = a.IsNegative() == b.IsNegative();
    const auto x = ScaleUp(a.magnitude_, scale - a.scale_);
    const auto y = ScaleUp(b.magnitude_, scale - b.scale_);
    if (x && y) {
        uint128 sum = 0;
        if (same_sign) {
            if (!__builtin_add_overflow(*x, *y, &sum) && sum <= Decimal96::kMaxMagnitude)
                return Decimal96(sum, scale, a.IsNegative());
        } else {
            const bool a_larger = *x >= *y;
            const uint128 difference = a_larger ? *x - *y : *y - *x;
            if (difference <= Decimal96::kMaxMagnitude)
                return Decimal96(difference, scale, a_larger ? a.IsNegative() : b.IsNegative());
        }
    }
    const mpz_class wx = ToMpz(a.magnitude_) * Pow10(scale - a.scale_);
    const mpz_class wy = ToMpz(b.magnitude_) * Pow10(scale - b.scale_);
    if (same_sign) return RoundToFit(wx + wy, scale, a.IsNegative());
    if (wx >= wy) return RoundToFit(wx - wy, scale, a.IsNegative());
    return RoundToFit(wy - wx, scale, b.IsNegative());
}

std::strong_ordering operator<=>(const Decimal96& a, const Decimal96& b) {
    const bool a_negative = a.IsNegative();
    if (a_negative != b.IsNegative())
        return a_negative ? std::strong_ordering::less : std::strong_ordering::greater;
    const std::strong_ordering magnitudes = CompareMagnitudes(a, b);
    return a_negative ? 0 <=> magnitudes : magnitudes;
}

char* WriteDecimalBefore(char* end, uint128 value) {
    constexpr std::uint64_t kChunk = 10'000'000'000'000'000'000ULL;  // 10^19
    char* begin = end;
    // Peel 19 digits at a time so that most divisions are 64-bit.
    while (value >= kChunk) {
        std::uint64_t chunk = static_cast<std::uint64_t>(value % kChunk);
        value /= kChunk;
        for (int i = 0; i < 19; ++i, chunk /= 10) *--begin = static_cast<char>('0' + chunk % 10);
    }
    auto low = static_cast<std::uint64_t>(value);
    do {
        *--begin = static_cast<char>('0' + low % 10);
        low /= 10;
    } while (low != 0);
    return begin;
}

void AppendDecimal(std::string& out, uint128 value) {
    char buffer[kMaxUint128Digits];
    char* const end = buffer + sizeof buffer;
    out.append(WriteDecimalBefore(end, value), end);
}

std::string ToDecimalString(uint128 value) {
    std::string text;
    AppendDecimal(text, value);
    return text;
}

}  // namespace numerel
