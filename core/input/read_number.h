// The two ways a text box is read as a number.
#pragma once

#include <optional>
#include <string_view>

#include "core/input/decimal96.h"

namespace numerel {

// 999999999999999: the largest value of the binary64 path; every integer up to it is exact.
inline constexpr double kSmallLimit = 999999999999999.0;
inline constexpr std::uint64_t kSmallLimitInt = 999999999999999ULL;
// The caption of Label38: the largest admitted value of the Decimal96 path.
inline constexpr const char* kLargestInput = kMaxMagnitudeDigits.data();

// The value of the numeral at the start of the text, as binary64 (never fails):
// blanks, tabs and line feeds are removed anywhere first; then an optional sign, digits with at
// most one ".", an optional exponent (E or D, either case, optional sign, digits); "&H"/"&O"
// introduce a hexadecimal/octal integer. No leading numeral reads as 0.
// Details: an exponent letter without digits after it ends the numeral before the letter ("1e"
// reads 1). The point is always ".", whatever the locale. The result is correctly rounded (ties
// to even); a magnitude beyond binary64 reads as +-infinity, one below its range as 0; zero is
// never -0. "&H"/"&O" take the longest run of valid digits, of any length, as a non-negative
// integer (no sign, no 16/32-bit wrap-around: "&HFFFF" is 65535). Cost O(length of text).
double ReadNumber(std::string_view text);

// True when x is a whole number (equal to its integer part); infinities count as whole, as they
// do for the pages' integrality test, and are turned away later as too large.
bool IsWhole(double x);

enum class ExactStatus {
    Exact,     // a whole number from 0 to 2^96 - 1, in value
    Fraction,  // not a whole number (whatever its sign or size)
    Negative,  // a whole number below zero
    Overflow,  // a whole number above 2^96 - 1
};

struct ExactInteger {
    ExactStatus status = ExactStatus::Exact;
    uint128 value = 0;  // meaningful when status is Exact
};

// The numeral ReadNumber reads at the start of the text, read exactly: the same characters, by
// the same scanner, so every text has the same value on every page (no numeral is 0). A binary64
// value above 2^53 is no longer the number typed, and even a small one may look whole only
// after rounding ("9999999999.99999999999999999997"): the integer tools decide with this reader.
// Cost: linear in the text (plus a radix conversion for "&H"/"&O"); the exponent is saturated,
// so "1e999999999999" is Overflow, not a failure.
ExactInteger ReadExactInteger(std::string_view text);

// The integer part (toward zero) of the text ReadDecimal reads, taken from the text exactly rather
// than from the Decimal96 value, which keeps only 29 significant digits
// ("79228162514264337593543950333.5" has the integer part ...333, not ...334): Exact, Negative
// (-1 or less), or Overflow. nullopt when ReadDecimal would take no number from the text.
std::optional<ExactInteger> ReadDecimalIntegerPart(std::string_view text);

struct DecimalRead {
    DecimalStatus status = DecimalStatus::NotANumber;
    Decimal96 value;  // meaningful when status is Ok
};

// The whole text as a Decimal96: blanks around allowed, optional sign, digits with an optional
// point, optional exponent. NotANumber for anything else; Overflow when the magnitude exceeds
// 2^96 - 1; fraction digits beyond what the type holds are rounded.
// Details: blanks are spaces and tabs, around the number only. At least one digit is needed
// (".5" and "5." read; "." does not). The exponent is "E" or "e", an optional sign and at least
// one digit. No digit-group separators, currency signs, parentheses or "&H"/"&O". The written
// scale is kept ("2.0" has scale 1) as far as the type allows; beyond 28 fraction digits or 29
// significant digits the value is rounded half to even, once, from the exact text, so a tiny
// value reads as zero. Overflow is decided on the rounded magnitude, negatives included.
// Cost O(length of text); any exponent is handled without building its digits.
DecimalRead ReadDecimal(std::string_view text);

}  // namespace numerel
