// The integer fields above 2^96 - 1: the value the Decimal96 button reads from a field, exactly,
// as a GMP integer of up to 1000 digits. The button choice is PickPath with InputLimit::Digits1000.
#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "core/input/expression.h"

namespace numerel {

// The most decimal digits a large value may have.
inline constexpr std::size_t kBigInputDigits = kMaxInputDigits;

enum class BigReadStatus {
    NotANumber,  // ReadDecimal would read no number from the text
    Ok,          // a whole number of at most kBigInputDigits digits, either sign
    Fraction,    // a number that is not whole, of at most kBigInputDigits integer digits
    Overflow,    // more than kBigInputDigits digits before the point, either sign
};

struct BigIntegerRead {
    BigReadStatus status = BigReadStatus::NotANumber;
    mpz_class value;  // meaningful when status is Ok
};

// The whole text read with ReadDecimal's syntax (blanks and tabs around, optional sign, digits
// with at most one point, an optional exponent "E"/"e" with optional sign and at least one digit),
// but exactly and without its 2^96 - 1 limit; a complete expression ("2^128+1") is its value:
// "1e60", "1.5e1" and "100000000000000000000000000000" are whole. Cost: linear in the text plus the
// radix conversion; a huge exponent is decided from its length, never built.
BigIntegerRead ReadBigInteger(std::string_view text);

// True when the field holds a number whose magnitude exceeds 2^96 - 1 (so the Decimal96 path's
// own reading refuses it and the large path takes over).
bool BeyondDecimal96(std::string_view text);

}  // namespace numerel
