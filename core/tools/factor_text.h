// The pieces every factorization text is made of: dividing a factor out (RemoveFactor) and
// writing it in exponent form (AppendFactor), e.g. "2^2×3".
#pragma once

#include <cstdint>
#include <string_view>

#include "core/input/decimal96.h"
#include "core/result_sink.h"

namespace numerel {

// The one-line answers that are not a product of primes.
inline constexpr std::string_view kNeitherPrimeNorComposite = "1=既不是素数,也不是合数";
inline constexpr std::string_view kPrimeWord = "素数";
inline constexpr std::string_view kTimes = "×";  // U+00D7 between factors

// Divides d (> 1) out of m as often as it goes; returns how often (the multiplicity s).
// Cost: s + 1 divisions. m = 0 (divisible by everything) is left alone and gives 0.
template <typename T>
int RemoveFactor(T& m, T d) {
    int s = 0;
    if (m == 0) return 0;
    while (m % d == 0) {
        m /= d;
        ++s;
    }
    return s;
}

// The same on 64 bits without a division: an odd d is inverted modulo 2^64 (Newton), and
// d divides m exactly when m * d^-1 mod 2^64, times d, gives m back. Lists of millions of
// numbers spend most of their time here.
inline int RemoveFactor(std::uint64_t& m, std::uint64_t d) {
    int s = 0;
    if (m == 0) return 0;
    if (d == 2) {
        s = __builtin_ctzll(m);
        m >>= s;
        return s;
    }
    if (d % 2 == 0) return RemoveFactor<std::uint64_t>(m, d);
    std::uint64_t inverse = d;  // correct to 3 bits; each step doubles that
    for (int i = 0; i < 5; ++i) inverse *= 2 - d * inverse;
    for (;;) {
        const std::uint64_t q = m * inverse;
        if (static_cast<uint128>(q) * d != m) return s;
        m = q;
        ++s;
    }
}

// Plain decimal digits, no grouping.
void AppendNumber(ResultSink& out, uint128 value);

// The factor d found s times, with m the cofactor left after dividing it out: "d" or "d^s",
// then "×" unless m = 1 (a further factor follows). Nothing for s <= 0.
void AppendFactor(ResultSink& out, int s, uint128 d, uint128 m);

// The same for a line of a list: where m = 1 the factor ends the line (a line end follows it).
void AppendFactorLine(ResultSink& out, int s, uint128 d, uint128 m);

}  // namespace numerel
