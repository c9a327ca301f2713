// The pieces every factorization text is made of: dividing a factor out (RemoveFactor) and
// writing it in exponent form (AppendFactor), e.g. "2^2×3".
#pragma once

#include <cstdint>
#include <string_view>

#include "core/decimal96.h"
#include "core/result_sink.h"

namespace numerel {

// The one-line answers that are not a product of primes.
inline constexpr std::string_view kNeitherPrimeNorComposite = "1=既不是素数,也不是合数";
inline constexpr std::string_view kPrimeWord = "素数";
inline constexpr std::string_view kTimes = "×";  // U+00D7 between factors

// Divides d (> 1) out of m as often as it goes; returns how often (the multiplicity s).
// Cost: s + 1 divisions.
template <typename T>
int RemoveFactor(T& m, T d) {
    int s = 0;
    while (m % d == 0) {
        m /= d;
        ++s;
    }
    return s;
}

// Plain decimal digits, no grouping.
void AppendNumber(ResultSink& out, uint128 value);

// The factor d found s times, with m the cofactor left after dividing it out: "d" or "d^s",
// then "×" unless m = 1 (a further factor follows). Nothing for s <= 0.
void AppendFactor(ResultSink& out, int s, uint128 d, uint128 m);

// The same for a line of a list: where m = 1 the factor ends the line (a line end follows it).
void AppendFactorLine(ResultSink& out, int s, uint128 d, uint128 m);

}  // namespace numerel
