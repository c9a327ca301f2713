// The two ways a text box is read as a number. Every reader first gives a complete integer
// expression (core/input/expression.h: "2^128+1") its value; the rules below are for the texts
// that are not one, plain numerals included, and stay exactly as they were.
#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/input/decimal96.h"
#include "core/input/expression.h"

namespace numerel {

// 999999999999999: the largest value of the binary64 path; every integer up to it is exact.
inline constexpr double kSmallLimit = 999999999999999.0;
inline constexpr std::uint64_t kSmallLimitInt = 999999999999999ULL;
// The largest admitted value of the Decimal96 path, as the pages show it.
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
// An expression reads as its value correctly rounded; one too large as +infinity, one without an
// integer value (7/2) as NaN, which no integrality test lets through.
double ReadNumber(std::string_view text);

// ReadNumber without expressions: always the numeral at the start ("2^10" reads 2). For the
// answers to the precision prompts, which are not integer fields.
double ReadLeadingNumber(std::string_view text);

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
// so "1e999999999999" is Overflow, not a failure. An expression without an integer value is
// Fraction; one too large is Overflow, whatever its sign.
ExactInteger ReadExactInteger(std::string_view text);

// The integer part (toward zero) of the text ReadDecimal reads, taken from the text exactly rather
// than from the Decimal96 value, which keeps only 29 significant digits
// ("79228162514264337593543950333.5" has the integer part ...333, not ...334): Exact, Negative
// (-1 or less), or Overflow. nullopt when ReadDecimal would take no number from the text.
std::optional<ExactInteger> ReadDecimalIntegerPart(std::string_view text);

// The readers of the fields that go beyond 2^96 - 1 (page 0): up to max_digits decimal digits.
struct BigInteger {
    ExactStatus status = ExactStatus::Exact;
    mpz_class value;  // meaningful when status is Exact or Negative (0 for Negative numerals)
    // Characters after the numeral were not read ("12abc", "123,456"): the value is not what
    // the text says.
    bool rest_ignored = false;
};

// ReadExactInteger without the 96-bit bound: Overflow beyond max_digits digits (a negative
// numeral is Negative first, as there). Cost: linear in the text plus one radix conversion.
BigInteger ReadExactBigInteger(std::string_view text, std::size_t max_digits = kMaxInputDigits);

// ReadDecimalIntegerPart without the 96-bit bound: Overflow when the integer part has more than
// max_digits digits, negatives included (as ReadDecimal's overflow); then Negative (-1 or less)
// or Exact. nullopt when ReadDecimal would take no number from the text.
std::optional<BigInteger> ReadDecimalBigIntegerPart(std::string_view text,
                                                    std::size_t max_digits = kMaxInputDigits);

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
// Cost O(length of text); any exponent is handled without building its digits. An expression
// reads as its integer value (scale 0), Overflow beyond 2^96 - 1; one without an integer value is
// NotANumber.
DecimalRead ReadDecimal(std::string_view text);

}  // namespace numerel
