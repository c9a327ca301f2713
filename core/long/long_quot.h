// Integer quotient, remainder and greatest common divisor of integer DigitString values.
#pragma once

#include "core/long/digit_string.h"
#include "core/long/long_result.h"

namespace numerel {

// floor(a / b) for integer texts. Both are copied through TrimLeadingZeros first. A divisor
// "0" or empty (or any divisor of value zero) is refused (ZeroDivisor); a divisor "1" gives the
// trimmed a; otherwise the quotient without leading zeros. An empty a is
// 0 (quotient "0"), as the calculator reads an empty operand everywhere else. Cost: one GMP
// division plus the conversions; any length that fits in memory (beyond it std::bad_alloc,
// before GMP starts). A point or other character in an operand is read as
// the digit 0.
LongResult LongIntQuot(const DigitString& a, const DigitString& b);

// a - b * floor(a / b) for integer texts, trimmed as in LongIntQuot. A zero divisor is refused
// (ZeroDivisor); a divisor "1" or an empty dividend gives "0";
// otherwise the remainder without leading zeros. Cost as LongIntQuot.
LongResult LongMod(const DigitString& a, const DigitString& b);

// Euclid's greatest common divisor. The larger operand (LongCompare) comes first; the empty
// text when either is "0" or empty; when b divides a the result is b exactly as given (leading
// zeros kept: ("12", "006") gives "006"); otherwise the divisor without leading zeros. A zero
// divisor met on the way (b = "00") is refused (ZeroDivisor).
// Cost: one GMP remainder and one GMP gcd, subquadratic; any length.
LongResult LongGcd(const DigitString& a, const DigitString& b);

}  // namespace numerel
