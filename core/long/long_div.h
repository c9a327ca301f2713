// Division of DigitString values to a precision, or until the repetend has recurred.
#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

#include "core/long/digit_string.h"
#include "core/long/long_precision.h"
#include "core/long/long_result.h"

namespace numerel {

// One long-division step on integer texts, 0 < r < q: k = length(q) - length(r) zeros are
// appended to r, one more (and k + 1) when r is still below q; then digits gets k - 1 zeros and
// the one non-zero digit of r / q, and r becomes r mod q. Cost: one GMP division of
// length(q)-digit numbers. Out of contract: a zero q throws std::invalid_argument; an r longer
// than q gets no zeros and k counts from 0.
void LongDivStep(DigitString& r, const DigitString& q, std::int32_t& k, DigitString& digits);

// What a division a / b is before any digit of a repetend is computed. The copies of a and b go
// through TrimLeadingZeros; a divisor of value zero ("0", "", "0.0") is refused (ZeroDivisor);
// a = "0" or empty gives "0", equal texts "1", b = "1" the trimmed a. Decimals divide as integers
// scaled alike. The reduced fraction's factors 2 and 5 give exact digits, and the plan holds the
// result; any other factor gives a repetend, and only then does the division need a precision.
class DivisionPlan {
public:
    bool NeedsPrecision() const { return !result_.has_value(); }
    // The result when no precision is needed: the quotient or the zero-divisor refusal.
    const LongResult& Result() const { return *result_; }
    // The same, handed over (a quotient may be 100 MB of digits).
    LongResult TakeResult() { return std::move(*result_); }

private:
    friend DivisionPlan PlanDivision(const DigitString& a, const DigitString& b);
    friend LongResult ExpandDivision(DivisionPlan plan, const Precision& precision);

    std::optional<LongResult> result_;
    // The repetend's state: the prefix ("12." or "0."), then r / den from m places on; the
    // operands' trailing zeros tp and tq come back as point shifts.
    DigitString prefix_;
    std::size_t m_ = 0;
    mpz_class r_;
    mpz_class den_;
    std::size_t tp_ = 0;
    std::size_t tq_ = 0;
    double operand_digits_ = 0.0;
    bool in_child_ = false;
    bool decimal_ = false;  // decimal operands: the result is trimmed once more
};

// Cost: a GMP gcd and a division of the operands, in a child process that a stop kills from
// 100000 operand digits on. Throws std::bad_alloc before GMP starts when the operands would not
// fit in memory.
DivisionPlan PlanDivision(const DigitString& a, const DigitString& b);

// The digits of a plan that needs a precision. A precision above kMaxLongDigits is refused
// (PrecisionTooLarge); until_repeat produces digits until the 20-digit window of digits 11-30
// has occurred twice without overlap (setting repetend_not_found when it stops after
// kMaxLongDigits digits); otherwise steps run until at least N = precision.digits digits (at
// least one step, the last may go past N). The result is canonical (TrimFraction, then the
// powers of ten put back).
// Cost: linear work per digit produced, in a child process from 100000 operand digits on.
// Throws std::bad_alloc before GMP starts when the digits asked for would not fit in memory.
LongResult ExpandDivision(DivisionPlan plan, const Precision& precision);

// a / b in one call: the plan, then, for a repetend, its expansion to `precision`.
LongResult LongDiv(const DigitString& a, const DigitString& b, const Precision& precision);

}  // namespace numerel
