// Integer powers and factorials of DigitString values.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/long/digit_string.h"

namespace numerel {

// The value of the numeral at the start of n (an optional sign, digits, an optional point and
// fraction digits; anything after it is ignored) rounded to the nearest integer, halves to even.
// A text without such a numeral gives 0; magnitudes beyond 2^62 saturate there. Linear.
std::int64_t RoundedLeadingInteger(std::string_view n);

// About how many characters the text of a^c has (a DigitString, c >= 0). Cost: constant.
double EstimatePowerLength(const DigitString& a, std::int64_t c);

// About how many digits n! has. Cost: constant.
double EstimateFactorialLength(std::int64_t n);

// a^n for an exponent n given as an integer DigitString. a = "1" gives "1"; otherwise n = "1"
// gives a unchanged; a = "0" with n neither "0" nor empty gives "0"; otherwise c is n's value
// (RoundedLeadingInteger) and the result is a multiplied into "1" c times with LongMul: "1"
// for c <= 0 (n "0", empty or negative), LongMul(a, "1") for c = 1, the canonical a^c beyond.
// Cost: one GMP power, O(M(result)) plus the conversion. Polls stop between the two; from
// kChildProcessDigits on both run in a child process that a stop kills at once.
// Throws std::out_of_range when c exceeds 2147483647 and std::length_error when the result would
// be longer than kMaxLongDigits characters (callers check EstimatePowerLength first), and
// std::bad_alloc before GMP starts when the work would not fit in memory (RequireMemory).
DigitString LongPow(const DigitString& a, const DigitString& n);

// n! for n >= 1, "1" for n <= 0. Cost: one GMP factorial plus the conversion; polls stop
// between the two, and from kChildProcessDigits on a stop kills the child process they run in.
// Throws std::length_error when n! has more than kMaxLongDigits digits (callers check
// EstimateFactorialLength first), std::bad_alloc when it would not fit in memory.
DigitString LongFactorial(std::int32_t n);

}  // namespace numerel
