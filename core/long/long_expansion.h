// The digits of a proper fraction r / q (0 < r < q) as long division produces them, fast: the
// division's steps (LongDivStep) each end at the next non-zero digit of the expansion, so the
// step structure is recovered from the digits alone and the digits come from wide machine or
// GMP divisions, many at a time.
#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/long/long_kernel.h"

namespace numerel {

// Generates the expansion digits of r / q in order. Precondition 0 < r < q.
class ExpansionDigits {
public:
    ExpansionDigits(const mpz_class& r, const mpz_class& q);

    // Appends the next `count` digits to `out`. Cost: linear in count for q < 2^64 (19 digits
    // per machine division); otherwise GMP divisions of chunks of max(2048, 4 * digits(q)) digits.
    void Append(std::size_t count, std::string& out);

private:
    void AppendSmall(std::size_t count, std::string& out);
    void AppendLarge(std::size_t count, std::string& out);

    bool small_;
    std::uint64_t r64_ = 0;
    std::uint64_t q64_ = 0;
    mpz_class r_;
    mpz_class q_;
    std::size_t q_digits_ = 0;
    std::size_t power_exponent_ = 0;
    mpz_class power_;  // 10^power_exponent_
};

// The digits that repeated LongDivStep calls give for r / q (0 < r < q), starting from empty
// digits, until the text has at least n characters (at least one step: n <= 1, and a NaN n, give
// the digits up to the first non-zero one). n must not exceed kMaxLongDigits.
std::string ExpansionToPrecision(const mpz_class& r, const mpz_class& q, double n);

// The same digits appended to `out`, going on (by whole steps) until at least max(n, min_length)
// digits were appended; `out` grows once, to its final size.
void AppendExpansionToPrecision(const mpz_class& r, const mpz_class& q, double n,
                                std::size_t min_length, std::string& out);

// The until-repeat digits of r / q (0 < r < q, q coprime to 10): steps until the text has at
// least 30 characters, W = its characters 11 to 30, then at least one more step and on until
// the text contains W twice without overlap. Each new digit is searched once (no rescans).
// When `limit` digits pass without the repeat, the digits stop at the first step end at or after
// that length and *stopped becomes true.
std::string ExpansionUntilRepeat(const mpz_class& r, const mpz_class& q, bool* stopped,
                                 std::size_t limit = kMaxLongDigits);

// The same digits appended to `out`, going on (by whole steps) until at least min_length digits
// were appended; returns whether the limit stopped the search.
bool AppendExpansionUntilRepeat(const mpz_class& r, const mpz_class& q, std::size_t min_length,
                                std::string& out, std::size_t limit = kMaxLongDigits);

}  // namespace numerel
